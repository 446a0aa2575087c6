# cmake -DINPUT=... -DOUTPUT=... -P crlf.cmake: a copy of a text with CR LF line breaks.
file(READ ${INPUT} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT} "${text}")
