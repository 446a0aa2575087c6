# add_version_record(TARGET DESCRIPTION): the program's icon and a version record (what
# Explorer shows of the file) for a Windows program, made from app/chronoflip.rc.in.
function(add_version_record target description)
  string(REPLACE "." "," CHRONOFLIP_VERSION_COMMAS ${PROJECT_VERSION})
  set(CHRONOFLIP_ICON ${PROJECT_SOURCE_DIR}/app/chronoflip.ico)
  set(CHRONOFLIP_INTERNAL_NAME ${target})
  set(CHRONOFLIP_FILE_DESCRIPTION ${description})
  configure_file(${PROJECT_SOURCE_DIR}/app/chronoflip.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc
                 @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
