# Decodes INPUT with TOOL into OUTPUT and compares it with EXPECTED.
# Run by ctest: cmake -DTOOL=... -DINPUT=... -DEXPECTED=... -DOUTPUT=... -P this file.
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
execute_process(COMMAND "${TOOL}" decode "${INPUT}"
                OUTPUT_FILE "${OUTPUT}" ERROR_VARIABLE summary RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "t360kv decode ${INPUT} ended with ${status}:\n${summary}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${EXPECTED}"
                RESULT_VARIABLE differs)
if(differs)
    execute_process(COMMAND diff -u "${EXPECTED}" "${OUTPUT}" OUTPUT_VARIABLE difference)
    string(SUBSTRING "${difference}" 0 6000 difference)
    message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}. If the change is intended, "
                        "regenerate with scripts/decode-golden.sh and review the diff.\n"
                        "${difference}")
endif()
