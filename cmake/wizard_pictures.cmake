# The pictures of the wizard's first and last pages, drawn by
# tools/art/wizard_pictures.py into ${BREVANE_ART_DIR}; Parvell's resource
# script includes the list it writes.
set(BREVANE_WIZARD_PICTURES_RC ${BREVANE_ART_DIR}/wizard_pictures_generated.rc CACHE INTERNAL "")
add_custom_command(
    OUTPUT ${BREVANE_WIZARD_PICTURES_RC}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BREVANE_ART_DIR}
    COMMAND ${BREVANE_ART_PYTHON} ${CMAKE_SOURCE_DIR}/tools/art/wizard_pictures.py ${BREVANE_ART_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/art/wizard_pictures.py ${CMAKE_SOURCE_DIR}/tools/art/bench_bitmaps.py
            ${CMAKE_SOURCE_DIR}/tools/art/glass.py
    COMMENT "Drawing the wizard's pictures"
    VERBATIM)
add_custom_target(brevane_wizard_pictures DEPENDS ${BREVANE_WIZARD_PICTURES_RC})

# A target that compiles Parvell's resource script rc finds the pictures and
# is rebuilt when they change.
function(brevane_use_wizard_pictures target rc)
    add_dependencies(${target} brevane_wizard_pictures)
    target_include_directories(${target} PRIVATE ${BREVANE_ART_DIR})
    set_property(SOURCE ${rc} DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} APPEND PROPERTY
                 OBJECT_DEPENDS ${BREVANE_WIZARD_PICTURES_RC})
endfunction()
