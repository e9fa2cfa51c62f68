# Embeds a file's bytes in the build as a C++ array:
#   const unsigned char <symbol>[]; const std::size_t <symbol>Size;
# Run as a script at build time: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P EmbedFile.cmake
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    " bytes "${bytes}")
  file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n\n"
    "extern const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n"
    "extern const std::size_t ${SYMBOL}Size = ${size};\n")
  file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
  file(REMOVE "${OUTPUT}.tmp")
  return()
endif()

function(zembrik_embed_file target input symbol)
  get_filename_component(name "${input}" NAME_WE)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${name}_data.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS "${input}" ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${input}")
  target_sources(${target} PRIVATE "${output}")
endfunction()
