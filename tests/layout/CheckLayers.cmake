# Fails when a source file includes a header of a higher layer.
# Layers, lowest first; folders on one line form one layer and may use each other.
#   base -> model -> files device report firmware -> app -> platform ui cli sim bench
# Run as: cmake -DSOURCE_DIR=<tree> -P CheckLayers.cmake
set(rank_base 0)
set(rank_model 1)
foreach(folder files device report firmware)
    set(rank_${folder} 2)
endforeach()
set(rank_app 3)
foreach(folder platform ui cli sim bench)
    set(rank_${folder} 4)
endforeach()
set(layers base model files device report firmware app platform ui cli sim bench)

set(violations "")
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" target "${line}")
            if(DEFINED rank_${target} AND rank_${target} GREATER rank_${layer})
                file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
                string(APPEND violations "  ${where}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes of a higher layer:\n${violations}")
endif()
message(STATUS "Layers are one-way.")
