# Runs PROGRAM --version (through LAUNCHER, e.g. wine, when given) and fails unless it ends
# with status 0 having printed only "NAME VERSION" on one line on standard output.
#   cmake -DPROGRAM=... -DNAME=t360kv -DVERSION=1.2.3 [-DLAUNCHER=wine] -P CheckVersionOption.cmake
execute_process(COMMAND ${LAUNCHER} ${PROGRAM} --version
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors
                TIMEOUT 120)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NAME} --version ended with ${status}:\n${output}${errors}")
endif()
# A Windows program writes its line end as CR LF.
string(REGEX REPLACE "\r?\n$" "" line "${output}")
if(NOT line STREQUAL "${NAME} ${VERSION}")
    message(FATAL_ERROR "${NAME} --version printed \"${output}\", not \"${NAME} ${VERSION}\"")
endif()
message(STATUS "${line}")
