# Fails when a source file includes a header of a higher layer.
# Layers, lowest first; folders on one line form one layer. This check lets them use each other;
# the libraries allow only the edges they link (firmware uses device).
#   base -> model -> files device report firmware -> app -> platform commandline sim
#        -> ui cli -> bench
# platform stands beside the application object's users but below it: it never uses app.
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
foreach(folder platform commandline sim)
    set(rank_${folder} 4)
endforeach()
foreach(folder ui cli)
    set(rank_${folder} 5)
endforeach()
set(rank_bench 6)
set(apart_platform app)
set(layers base model files device report firmware app platform commandline sim ui cli bench)

set(violations "")
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" target "${line}")
            if((DEFINED rank_${target} AND rank_${target} GREATER rank_${layer})
               OR target IN_LIST apart_${layer})
                file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
                string(APPEND violations "  ${where}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes of a higher or a forbidden layer:\n${violations}")
endif()
message(STATUS "Layers are one-way.")
