# cmake -DIN=guide.md -DOUT=guide.txt -P guide_text.cmake
# Same text, with a UTF-8 byte-order mark and CRLF line ends.
file(READ ${IN} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUT} "${bom}${text}")
