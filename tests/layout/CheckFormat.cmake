# Fails when a source file differs from what clang-format makes of it.
# Run as: cmake -DSOURCE_DIR=<tree> -DCLANG_FORMAT=<program> -P CheckFormat.cmake
set(folders base model files device report firmware app platform commandline ui cli sim bench tests
            fuzz)
set(sources "")
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    list(APPEND sources ${found})
endforeach()
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${sources}
                RESULT_VARIABLE result ERROR_VARIABLE findings)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Not formatted (run clang-format -i on these):\n${findings}")
endif()
message(STATUS "Every source is formatted.")
