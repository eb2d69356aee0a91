# Fails when a source file includes a header of a higher layer, of another folder of its own
# layer, or of a layer it stands apart from. Layers, lowest first; folders on one line form one
# layer and are independent but for the edges listed (firmware uses device):
#   base -> model -> files device report firmware -> app -> platform -> commandline -> sim
#        -> ui cli -> bench
# platform, commandline and sim stand above the application object but never use it, and the
# simulator knows the device by itself: it uses base and the command line only.
# The CMake libraries enforce the same order: each sees only the headers of what it links. This
# check names every offending line at once.
# Run as: cmake -DSOURCE_DIR=<tree> -P CheckLayers.cmake
cmake_policy(SET CMP0057 NEW)
set(rank_base 0)
set(rank_model 1)
foreach(folder files device report firmware)
    set(rank_${folder} 2)
endforeach()
set(rank_app 3)
set(rank_platform 4)
set(rank_commandline 5)
set(rank_sim 6)
foreach(folder ui cli)
    set(rank_${folder} 7)
endforeach()
set(rank_bench 8)
set(beside_firmware device)
set(apart_platform app)
set(apart_commandline app)
set(apart_sim model files device report firmware app platform)
set(layers base model files device report firmware app platform commandline sim ui cli bench)

set(violations "")
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" target "${line}")
            if(NOT DEFINED rank_${target} OR target STREQUAL layer)
                continue()
            endif()
            if(rank_${target} GREATER rank_${layer} OR target IN_LIST apart_${layer}
               OR (rank_${target} EQUAL rank_${layer} AND NOT target IN_LIST beside_${layer}))
                file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
                string(APPEND violations "  ${where}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes of a higher, a neighbouring or a forbidden layer:\n${violations}")
endif()
message(STATUS "Layers are one-way.")
