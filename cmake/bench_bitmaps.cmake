# The bench window's bitmaps, cursors and the program's icons, drawn by
# tools/art/bench_bitmaps.py into ${BREVANE_ART_DIR}; the resource script
# resources/brevane/bench_bitmaps.rc includes the list it writes.
set(BREVANE_BENCH_BITMAPS_RC ${BREVANE_ART_DIR}/bench_bitmaps_generated.rc CACHE INTERNAL "")
add_custom_command(
    OUTPUT ${BREVANE_BENCH_BITMAPS_RC}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BREVANE_ART_DIR}
    COMMAND ${BREVANE_ART_PYTHON} ${CMAKE_SOURCE_DIR}/tools/art/bench_bitmaps.py ${BREVANE_ART_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/art/bench_bitmaps.py ${CMAKE_SOURCE_DIR}/tools/art/glass.py
    COMMENT "Drawing the bench window's bitmaps, cursors and icons"
    VERBATIM)
add_custom_target(brevane_bench_bitmaps DEPENDS ${BREVANE_BENCH_BITMAPS_RC})
