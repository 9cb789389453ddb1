# Run by CTest with cmake -P. Each step starts from nothing, so an earlier run's prefix or
# consumer build can hide nothing.
cmake_minimum_required(VERSION 3.25)

set(prefix ${WORK_DIR}/prefix)
set(consumer_build ${WORK_DIR}/consumer-build)
file(REMOVE_RECURSE ${prefix} ${consumer_build})

function(step name)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${name} failed (${result}):\n${out}")
    endif()
    set(step_output "${out}" PARENT_SCOPE)
endfunction()

step(install ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# The build's warning settings and include roots stay in the build; the consumer below,
# which builds cleanly either way, would not notice them.
file(GLOB exported ${prefix}/${LIBDIR}/cmake/PanelKit2/*Targets*.cmake)
if(NOT exported)
    message(FATAL_ERROR "no exported targets under ${prefix}/${LIBDIR}/cmake/PanelKit2")
endif()
foreach(file ${exported})
    file(READ ${file} text)
    foreach(leak panelkit2_warnings -Wall -Werror ${BUILD_DIR}/)
        string(FIND "${text}" "${leak}" at)
        if(NOT at EQUAL -1)
            message(FATAL_ERROR "${file} refers to ${leak}")
        endif()
    endforeach()
endforeach()

step(configure ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${consumer_build} -G ${GENERATOR}
     -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
     -DCMAKE_PREFIX_PATH=${prefix} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
     "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}")
step(build ${CMAKE_COMMAND} --build ${consumer_build})
step(run ${consumer_build}/consumer)

set(expected "check: install=yes\nport: log=always\n")
if(NOT step_output STREQUAL expected)
    message(FATAL_ERROR "consumer printed:\n${step_output}\nexpected:\n${expected}")
endif()
