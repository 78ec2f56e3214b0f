# Build helpers shared by every folder.

# The program folder: exactly what ships (the program, its plug-in libraries,
# the help files, the master chemical database and any shipped user-defined
# lab), nothing a test or benchmark needs. `make run` starts the program
# there and the tests use it; test-only libraries and programs stay in bin/.
set(BREVANE_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)

# Puts a target's file into the program folder.
function(brevane_ship target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BREVANE_PROGRAM_DIR}
                                               LIBRARY_OUTPUT_DIRECTORY ${BREVANE_PROGRAM_DIR})
    set_property(GLOBAL APPEND PROPERTY BREVANE_SHIPPED_TARGETS ${target})
endfunction()

# Names a file that a custom target writes into the program folder. Every
# file there is named by this or by brevane_ship(): the dist zip is checked
# against those names, so anything else in the folder is a stray.
function(brevane_ship_file target name)
    set_property(GLOBAL APPEND PROPERTY BREVANE_SHIPPED_FILES ${name})
    set_property(GLOBAL APPEND PROPERTY BREVANE_SHIPPED_FILE_TARGETS ${target})
endfunction()

# A test or benchmark that starts the program's windows in its own process
# (or starts Brevane.exe) finds the program folder from its own folder.
function(brevane_uses_program_folder target)
    get_target_property(dir ${target} RUNTIME_OUTPUT_DIRECTORY)
    if(NOT dir)
        set(dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    endif()
    file(RELATIVE_PATH relative ${dir} ${BREVANE_PROGRAM_DIR})
    target_compile_definitions(${target} PRIVATE BREVANE_PROGRAM_FOLDER_FROM_HERE="${relative}")
endfunction()

# A static library of the portable sources in the given folders and their
# sub-folders: every .cpp that is not platform code (*_win.cpp). An empty
# folder gives an empty target.
function(brevane_portable_library name)
    set(sources)
    foreach(dir ${ARGN})
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
        list(FILTER found EXCLUDE REGEX "_win\\.cpp$")
        list(APPEND sources ${found})
    endforeach()
    if(sources)
        add_library(${name} STATIC ${sources})
    else()
        add_library(${name} INTERFACE)
    endif()
endfunction()

# The Win32 sources of one folder and its sub-folders (*_win.cpp).
function(brevane_win32_sources out dir)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*_win.cpp)
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# One plug-in library: its Win32 sources, its portable core, its .def file
# (plain undecorated cdecl exports) and its own resource script.
function(brevane_add_plugin target dir)
    cmake_parse_arguments(P "" "DEF;RC" "LIBS" ${ARGN})
    brevane_win32_sources(win ${dir})
    set(sources ${win})
    if(P_RC)
        list(APPEND sources ${P_RC})
    endif()
    if(NOT sources)
        set(sources ${CMAKE_SOURCE_DIR}/cmake/empty_dll_win.cpp)
    endif()
    add_library(${target} SHARED ${sources})
    set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${target})
    brevane_ship(${target})
    if(P_DEF)
        target_sources(${target} PRIVATE ${P_DEF})
        target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup)
    endif()
    target_link_libraries(${target} PRIVATE ${P_LIBS})
endfunction()

# A GoogleTest executable of every .cpp in a test folder; registered with ctest
# (under Wine through the cross-compiling emulator in the Win32 build).
function(brevane_add_gtest name dir)
    cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
