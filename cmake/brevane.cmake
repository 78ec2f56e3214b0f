# Build helpers shared by every folder.

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
