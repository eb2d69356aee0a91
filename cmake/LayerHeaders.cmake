# nivo_layer_headers(target folder): `target` and whatever links it find "folder/..." headers
# through a directory that holds that folder alone. A library thus sees its own headers and
# those of the libraries it links, and an include of a higher layer does not compile.
function(nivo_layer_headers target folder)
    set(dir ${PROJECT_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${dir}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${dir})
endfunction()
