# Compiled HTML help: a folder with a .hhp project and its html/ pages,
# compiled with chmcmd into the program folder as <output>. The build copies the sources
# first, since chmcmd writes beside its project file.
find_program(BREVANE_CHMCMD chmcmd)

function(brevane_add_help target dir output)
    if(NOT BREVANE_CHMCMD)
        message(FATAL_ERROR "chmcmd not found (Debian package fp-utils; tools/setup installs it)")
    endif()
    set(source ${CMAKE_SOURCE_DIR}/${dir})
    set(work ${CMAKE_BINARY_DIR}/help/${target})
    file(GLOB_RECURSE inputs CONFIGURE_DEPENDS ${source}/*)
    get_filename_component(project_name ${output} NAME_WE)
    add_custom_command(
        OUTPUT ${BREVANE_PROGRAM_DIR}/${output}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${work}
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${source} ${work}
        COMMAND ${CMAKE_COMMAND} -E chdir ${work} ${BREVANE_CHMCMD} ${project_name}.hhp
        COMMAND ${CMAKE_COMMAND} -E copy ${work}/${output} ${BREVANE_PROGRAM_DIR}/${output}
        DEPENDS ${inputs}
        COMMENT "Compiling ${output}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${BREVANE_PROGRAM_DIR}/${output})
    brevane_ship_file(${target} ${output})
endfunction()
