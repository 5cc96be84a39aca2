# Writes a C++ source holding the bytes of a file as a constant array.
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -DHEADER=header.h -P embed_bytes.cmake
# Defines `const unsigned char SYMBOL[]` and `const std::size_t SYMBOLSize`.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")

# Twenty bytes (forty hex digits) a line.
set(lines "")
set(offset 0)
while(offset LESS digits)
  string(SUBSTRING "${hex}" ${offset} 40 chunk)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," chunk "${chunk}")
  string(APPEND lines "    ${chunk}\n")
  math(EXPR offset "${offset} + 40")
endwhile()

get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${name} at build time; do not edit.\n"
  "#include \"${HEADER}\"\n\n"
  "const unsigned char ${SYMBOL}[] = {\n${lines}};\n"
  "const std::size_t ${SYMBOL}Size = ${size};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
