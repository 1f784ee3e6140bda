# The data folder beside the executables: static files are copied from data/,
# generated ones (default configuration, icon, help) are produced into it.
add_custom_target(olma-data ALL)

# olma_copy_data(<file relative to data/> ...): copy source data files into the build's data folder.
function(olma_copy_data)
    foreach(rel IN LISTS ARGN)
        set(src "${PROJECT_SOURCE_DIR}/data/${rel}")
        set(dst "${OLMA_DATA_DIR}/${rel}")
        add_custom_command(OUTPUT "${dst}"
            COMMAND ${CMAKE_COMMAND} -E copy_if_different "${src}" "${dst}"
            DEPENDS "${src}"
            COMMENT "Copying data/${rel}")
        string(MAKE_C_IDENTIFIER "olma-data-${rel}" tgt)
        add_custom_target(${tgt} DEPENDS "${dst}")
        add_dependencies(olma-data ${tgt})
    endforeach()
endfunction()
