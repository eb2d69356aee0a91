# The MinGW-w64 runtime DLLs that the programs and Qt's libraries share (one C++ runtime in a
# process), copied beside the programs and the test programs so that Windows and wine find them.
set(NIVO_MINGW_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know ${dll}")
    endif()
    file(COPY ${path} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    file(COPY ${path} DESTINATION ${CMAKE_BINARY_DIR}/tests)
    list(APPEND NIVO_MINGW_RUNTIME ${path})
endforeach()
