# The dist zip: the program folder as it ships, for a teacher to unzip. Comes
# after every folder that ships something (brevane_ship, brevane_ship_file).

# The version is the one the program's version block gives and the About box
# shows.
set(version_block ${CMAKE_SOURCE_DIR}/resources/brevane/brevane.rc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${version_block})
file(STRINGS ${version_block} file_version REGEX "VALUE \"FileVersion\"")
if(NOT file_version MATCHES "\"FileVersion\", \"([0-9.]+)\"")
    message(FATAL_ERROR "no FileVersion in ${version_block}")
endif()
set(BREVANE_VERSION ${CMAKE_MATCH_1})

# The read-me for Windows users, with Windows line ends.
configure_file(${CMAKE_SOURCE_DIR}/resources/dist/README.txt ${CMAKE_BINARY_DIR}/generated/README.txt
               @ONLY NEWLINE_STYLE CRLF)
add_custom_command(
    OUTPUT ${BREVANE_PROGRAM_DIR}/README.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/generated/README.txt ${BREVANE_PROGRAM_DIR}/README.txt
    DEPENDS ${CMAKE_BINARY_DIR}/generated/README.txt
    VERBATIM)
add_custom_target(windows_readme ALL DEPENDS ${BREVANE_PROGRAM_DIR}/README.txt)
brevane_ship_file(windows_readme README.txt)

# What the program folder holds, one name a line: the zip is checked against it.
get_property(shipped_targets GLOBAL PROPERTY BREVANE_SHIPPED_TARGETS)
get_property(shipped_files GLOBAL PROPERTY BREVANE_SHIPPED_FILES)
get_property(file_targets GLOBAL PROPERTY BREVANE_SHIPPED_FILE_TARGETS)
set(shipped_names ${shipped_files})
set(shipped_paths)
foreach(target ${shipped_targets})
    list(APPEND shipped_names "$<TARGET_FILE_NAME:${target}>")
    list(APPEND shipped_paths "$<TARGET_FILE:${target}>")
endforeach()
foreach(name ${shipped_files})
    list(APPEND shipped_paths ${BREVANE_PROGRAM_DIR}/${name})
endforeach()
set(BREVANE_SHIPPED_LIST ${CMAKE_BINARY_DIR}/program-files.txt)
file(GENERATE OUTPUT ${BREVANE_SHIPPED_LIST} CONTENT "$<JOIN:${shipped_names},\n>\n")

set(BREVANE_DIST_ZIP ${CMAKE_BINARY_DIR}/Brevane-${BREVANE_VERSION}.zip)
file(MAKE_DIRECTORY ${BREVANE_PROGRAM_DIR})
add_custom_command(
    OUTPUT ${BREVANE_DIST_ZIP}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${BREVANE_PROGRAM_DIR} -DZIP=${BREVANE_DIST_ZIP}
            -P ${CMAKE_SOURCE_DIR}/cmake/zip_folder.cmake
    # The folder itself too: a file added to it or taken out of it changes its time.
    DEPENDS ${shipped_paths} ${BREVANE_PROGRAM_DIR} ${CMAKE_SOURCE_DIR}/cmake/zip_folder.cmake
    WORKING_DIRECTORY ${BREVANE_PROGRAM_DIR}
    COMMENT "Zipping the program folder into Brevane-${BREVANE_VERSION}.zip"
    VERBATIM)
add_custom_target(dist ALL DEPENDS ${BREVANE_DIST_ZIP})
add_dependencies(dist ${shipped_targets} ${file_targets})
