# Writes the bytes of ENTRADA as a C++ array, so the translation travels
# inside the program: cmake -DENTRADA=a.qm -DSALIDA=a.cpp -P incrustar.cmake
file(READ "${ENTRADA}" HEX HEX)
string(REGEX REPLACE "(..)" "0x\\1," BYTES "${HEX}")
file(WRITE "${SALIDA}"
  "// Generated from ${ENTRADA}; do not edit.\n"
  "#include <cstddef>\n"
  "extern const unsigned char kTraduccionQtComplemento[] = {${BYTES}};\n"
  "extern const std::size_t kTamanoTraduccionQtComplemento = sizeof kTraduccionQtComplemento;\n")
