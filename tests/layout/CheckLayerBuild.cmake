# Fails when a layer's library can include a header of a layer it does not link, or cannot
# include one of a layer it links. Each probe target compiles tests/layout/LayerProbe.cpp with
# one include, in the include context of one library (see tests/CMakeLists.txt).
# Run as: cmake -DBUILD_DIR=<build tree> -DHIDDEN=<target=header...> -DVISIBLE=<targets>
#               -P CheckLayerBuild.cmake
set(faults "")
# The include directories hold no symbolic links, which a Windows account may not be allowed to
# create; the search lists links without following them.
cmake_policy(SET CMP0009 NEW)
file(GLOB_RECURSE entries LIST_DIRECTORIES true ${BUILD_DIR}/layers/* ${BUILD_DIR}/host-headers/*)
foreach(entry IN LISTS entries)
    if(IS_SYMLINK ${entry})
        string(APPEND faults "  ${entry} is a symbolic link\n")
    endif()
endforeach()
foreach(probe IN LISTS HIDDEN)
    string(REPLACE "=" ";" probe "${probe}")
    list(GET probe 0 target)
    list(GET probe 1 header)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    # The compiler must refuse that include itself, not one inside the header.
    if(result EQUAL 0)
        string(APPEND faults "  ${target}: compiled, ${header} is visible\n")
    elseif(NOT output MATCHES "fatal error: '?${header}'?(: No such file| file not found)")
        string(APPEND faults "  ${target}: failed for another reason:\n${output}\n")
    endif()
endforeach()
foreach(target IN LISTS VISIBLE)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        string(APPEND faults "  ${target}: a header of a linked layer is hidden:\n${output}\n")
    endif()
endforeach()
if(faults)
    message(FATAL_ERROR "Layer include visibility:\n${faults}")
endif()
message(STATUS "Each library sees the headers of its own and lower layers only.")
