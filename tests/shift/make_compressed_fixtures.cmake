# Makes the compressed inputs of the decoder tests with the programs surveyors' archives
# use, gzip and Unix compress (Debian's ncompress):
#   cmake -DOUT=folder -DDATA=folder -DGZIP=gzip -DCOMPRESS=compress -P this-file
file(MAKE_DIRECTORY ${OUT})

# Long enough for 16-bit codes; the second half defeats the table the first half built,
# so compress gives up on it and sends CLEAR.
string(RANDOM LENGTH 200000 ALPHABET abcd RANDOM_SEED 3 regular)
string(RANDOM LENGTH 150000 RANDOM_SEED 4
       ALPHABET "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz!#$%&()*+,-./:<=>?@[]^_{|}~"
       noise)
file(WRITE ${OUT}/text "${regular}${noise}")
file(WRITE ${OUT}/empty "")
file(COPY ${DATA}/compact_rinex.16d ${DATA}/compact_rinex.16o ${DATA}/navigation.16n
          ${DATA}/orbits.sp3 DESTINATION ${OUT})

function(run output)
  execute_process(COMMAND ${ARGN} OUTPUT_FILE ${OUT}/${output} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${status}")
  endif()
endfunction()

foreach(name text empty compact_rinex.16d navigation.16n orbits.sp3)
  run(${name}.gz ${GZIP} -c -n ${OUT}/${name})
  run(${name}.Z ${COMPRESS} -c -f ${OUT}/${name})
endforeach()
# ncompress writes unreadable files below 10 bits, and -C only clears the block-mode flag.
foreach(bits 10 12)
  run(text.b${bits}.Z ${COMPRESS} -c -f -b ${bits} ${OUT}/text)
endforeach()
# Two gzip members in a row, as "cat a.gz b.gz" makes them.
execute_process(COMMAND ${GZIP} -c -n ${OUT}/compact_rinex.16d ${OUT}/text OUTPUT_FILE ${OUT}/joined.gz
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip of two members failed: ${status}")
endif()
file(TOUCH ${OUT}/stamp)
