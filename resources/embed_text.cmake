# Writes a C++ source that holds the bytes of one file.
#   cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DTEMPLATE=<file.cpp.in> -P embed_text.cmake
# Every byte becomes a \xNN escape, so line ends, no-break spaces and any other
# byte reach the program unchanged, whatever the compiler's source charset.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR EMBED_SIZE "${hex_length} / 2")

# Forty bytes to a line of the generated source.
set(EMBED_BYTES "")
set(offset 0)
while(offset LESS hex_length)
  string(SUBSTRING "${hex}" ${offset} 80 chunk)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" chunk "${chunk}")
  string(APPEND EMBED_BYTES "\n    \"${chunk}\"")
  math(EXPR offset "${offset} + 80")
endwhile()
if(EMBED_SIZE EQUAL 0)
  set(EMBED_BYTES "\n    \"\"")
endif()

configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
