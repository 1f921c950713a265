# The pieces of `t360kv decode` around the decoder (line rules, JSON text, the printing
# thread), shared by the command, its tests and the fuzzers.
set(decode_command_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(t360kv_decode STATIC
    ${decode_command_dir}/AisJson.cpp
    ${decode_command_dir}/DecodeSummary.cpp
    ${decode_command_dir}/DecodedLine.cpp
    ${decode_command_dir}/JsonWriter.cpp
    ${decode_command_dir}/LineJson.cpp
    ${decode_command_dir}/LinePrinter.cpp
    ${decode_command_dir}/RealText.cpp
    ${decode_command_dir}/SentenceJson.cpp)
target_include_directories(t360kv_decode PUBLIC ${decode_command_dir})
target_link_libraries(t360kv_decode PUBLIC t360kv_link)
