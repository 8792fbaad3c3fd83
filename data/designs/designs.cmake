# The rows of the built-in systems: the text files of data/designs/rows/ become a generated
# C++ source of constant data in the build tree, made again whenever a text file changes.
set(KOMBORA_DESIGNS_DIR ${CMAKE_CURRENT_LIST_DIR})

function(kombora_add_design_data target)
    set(dir ${KOMBORA_DESIGNS_DIR})
    file(GLOB design_files CONFIGURE_DEPENDS ${dir}/rows/*.txt)
    if(NOT TARGET kombora_design_embed)
        add_executable(kombora_design_embed ${dir}/embed_designs.cpp)
        target_compile_options(kombora_design_embed PRIVATE ${KOMBORA_WARNINGS})
        set_target_properties(kombora_design_embed PROPERTIES
            RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
    endif()
    set(out_dir ${CMAKE_BINARY_DIR}/generated/designs)
    file(MAKE_DIRECTORY ${out_dir})
    set(out ${out_dir}/builtin_rows_data.cpp)
    add_custom_command(
        OUTPUT ${out}
        COMMAND kombora_design_embed ${out} ${dir}/rows ${dir}/best-known-sizes.tsv
        DEPENDS kombora_design_embed ${design_files} ${dir}/best-known-sizes.tsv
        COMMENT "Embedding the built-in design rows"
        VERBATIM)
    target_sources(${target} PRIVATE ${out})
endfunction()
