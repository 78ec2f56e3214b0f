# The equipment pictures: drawn by tools/art from the catalogue's geometry
# (printed by a build-machine copy of the catalogue, tools/art/dump_geometry)
# and compiled into the program's resources through ${BREVANE_ART_DIR}/art.rc.
find_program(BREVANE_HOST_CXX NAMES c++ g++ REQUIRED)
set(BREVANE_ART_PYTHON /usr/bin/python3 CACHE FILEPATH "Python with pycairo for the art generator")
set(BREVANE_ART_DIR ${CMAKE_BINARY_DIR}/art CACHE INTERNAL "")

file(GLOB_RECURSE art_geometry_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/common/*.cpp
     ${CMAKE_SOURCE_DIR}/bench/*.cpp ${CMAKE_SOURCE_DIR}/bench/*.h ${CMAKE_SOURCE_DIR}/common/*.h)
set(art_compile_sources ${art_geometry_sources})
list(FILTER art_compile_sources INCLUDE REGEX "\\.cpp$")
list(FILTER art_compile_sources EXCLUDE REGEX "_win\\.cpp$")
file(GLOB art_scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/art/*.py)

add_custom_command(
    OUTPUT ${BREVANE_ART_DIR}/geometry.json
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BREVANE_ART_DIR}
    COMMAND ${BREVANE_HOST_CXX} -std=c++20 -O1 -ffp-contract=off -I${CMAKE_SOURCE_DIR}
            ${CMAKE_SOURCE_DIR}/tools/art/dump_geometry.cpp ${art_compile_sources}
            ${CMAKE_SOURCE_DIR}/render/object_images.cpp ${CMAKE_SOURCE_DIR}/render/object_placement.cpp
            ${CMAKE_SOURCE_DIR}/render/print/print_parts.cpp
            -o ${BREVANE_ART_DIR}/dump_geometry
    COMMAND ${BREVANE_ART_DIR}/dump_geometry > ${BREVANE_ART_DIR}/geometry.json
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/art/dump_geometry.cpp ${art_geometry_sources}
            ${CMAKE_SOURCE_DIR}/render/object_images.cpp ${CMAKE_SOURCE_DIR}/render/object_images.h
            ${CMAKE_SOURCE_DIR}/render/object_placement.cpp ${CMAKE_SOURCE_DIR}/render/object_placement.h
            ${CMAKE_SOURCE_DIR}/render/print/print_parts.cpp ${CMAKE_SOURCE_DIR}/render/print/print_parts.h
    COMMENT "Printing the catalogue's picture geometry"
    VERBATIM)

add_custom_command(
    OUTPUT ${BREVANE_ART_DIR}/art.rc ${BREVANE_ART_DIR}/art_pictures.inc ${BREVANE_ART_DIR}/meniscus.rc
    COMMAND ${BREVANE_ART_PYTHON} ${CMAKE_SOURCE_DIR}/tools/art/generate.py ${BREVANE_ART_DIR}
            ${BREVANE_ART_DIR}/geometry.json
    COMMAND ${BREVANE_ART_PYTHON} ${CMAKE_SOURCE_DIR}/tools/art/meniscus.py ${BREVANE_ART_DIR}
    DEPENDS ${art_scripts} ${BREVANE_ART_DIR}/geometry.json
    COMMENT "Drawing the equipment pictures"
    VERBATIM)
add_custom_target(brevane_art DEPENDS ${BREVANE_ART_DIR}/art.rc ${BREVANE_ART_DIR}/art_pictures.inc
                  ${BREVANE_ART_DIR}/meniscus.rc)
include(${CMAKE_CURRENT_LIST_DIR}/bench_bitmaps.cmake)
add_dependencies(brevane_art brevane_bench_bitmaps)
include(${CMAKE_CURRENT_LIST_DIR}/toolbar_bitmaps.cmake)
add_dependencies(brevane_art brevane_toolbar_bitmaps)

# A target whose resource script includes art.rc is rebuilt when it changes.
function(brevane_use_art target)
    add_dependencies(${target} brevane_art)
    target_include_directories(${target} PRIVATE ${BREVANE_ART_DIR})
    set_property(SOURCE ${BREVANE_RC} DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} APPEND PROPERTY
                 OBJECT_DEPENDS ${BREVANE_ART_DIR}/art.rc ${BREVANE_ART_DIR}/meniscus.rc
                 ${BREVANE_BENCH_BITMAPS_RC} ${BREVANE_TOOLBAR_BITMAPS_RC} ${BREVANE_RC_DEPENDS})
endfunction()
