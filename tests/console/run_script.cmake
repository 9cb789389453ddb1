# Runs panelkit-console on SCRIPT (as a file argument or on standard input, by MODE) in a
# fresh WORKDIR and compares its standard output with EXPECTED. The expected exit status
# is 0 unless the script says otherwise in a comment line "# exit status: N".
foreach(var CONSOLE SCRIPT EXPECTED MODE WORKDIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "run_script.cmake: ${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})

set(expected_status 0)
file(STRINGS ${SCRIPT} status_line REGEX "^# exit status: [0-9]+$" LIMIT_COUNT 1)
if(status_line)
    string(REGEX REPLACE "^# exit status: " "" expected_status "${status_line}")
endif()

if(MODE STREQUAL "stdin")
    execute_process(COMMAND ${CONSOLE} INPUT_FILE ${SCRIPT} WORKING_DIRECTORY ${WORKDIR}
                    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
else()
    execute_process(COMMAND ${CONSOLE} ${SCRIPT} WORKING_DIRECTORY ${WORKDIR}
                    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
endif()

file(READ ${EXPECTED} expected_output)
if(NOT output STREQUAL expected_output)
    file(WRITE ${WORKDIR}/actual.txt "${output}")
    message(FATAL_ERROR "output differs from ${EXPECTED}\n--- actual ---\n${output}"
                        "--- stderr ---\n${errors}")
endif()
if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
