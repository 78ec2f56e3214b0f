# The toolbars' image strips, drawn by tools/art/toolbar_bitmaps.py into
# ${BREVANE_ART_DIR} (its equipment buttons from the catalogue's geometry);
# resources/brevane/toolbar_bitmaps.rc includes the list it writes.
set(BREVANE_TOOLBAR_BITMAPS_RC ${BREVANE_ART_DIR}/toolbar_bitmaps_generated.rc CACHE INTERNAL "")
add_custom_command(
    OUTPUT ${BREVANE_TOOLBAR_BITMAPS_RC}
    COMMAND ${BREVANE_ART_PYTHON} ${CMAKE_SOURCE_DIR}/tools/art/toolbar_bitmaps.py ${BREVANE_ART_DIR}
            ${BREVANE_ART_DIR}/geometry.json
    DEPENDS ${art_scripts} ${BREVANE_ART_DIR}/geometry.json
    COMMENT "Drawing the toolbars' image strips"
    VERBATIM)
add_custom_target(brevane_toolbar_bitmaps DEPENDS ${BREVANE_TOOLBAR_BITMAPS_RC})
