# nivo_layer_headers(target folder): `target` and whatever links it find "folder/..." headers
# through a directory that holds that folder alone. A library thus sees its own headers and
# those of the libraries it links, and an include of a higher layer does not compile.
# The directory holds a forwarding header for each header of the folder, no symbolic links, so
# that a Windows account without the privilege for them configures too. The build configures
# again when a header is added or removed, and the forwarders follow.
function(nivo_layer_headers target folder)
    set(dir ${PROJECT_BINARY_DIR}/layers/${folder})
    set(source ${PROJECT_SOURCE_DIR}/${folder})
    # A build tree of the time of links: write into the directory, never through the link.
    if(IS_SYMLINK ${dir}/${folder})
        file(REMOVE ${dir}/${folder})
    endif()
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h)
    file(GLOB_RECURSE stale RELATIVE ${dir}/${folder} ${dir}/${folder}/*.h)
    foreach(header IN LISTS headers)
        list(REMOVE_ITEM stale ${header})
        # A relative path: the same text in every clone, which the compiler cache then shares.
        # Written only when changed, so that nothing rebuilds at every configure.
        set(forwarder ${dir}/${folder}/${header})
        get_filename_component(at ${forwarder} DIRECTORY)
        file(RELATIVE_PATH path ${at} ${source}/${header})
        file(CONFIGURE OUTPUT ${forwarder} CONTENT "#pragma once\n#include \"${path}\"\n" @ONLY)
    endforeach()
    foreach(header IN LISTS stale)
        file(REMOVE ${dir}/${folder}/${header})
    endforeach()
    target_include_directories(${target} PUBLIC ${dir})
endfunction()
