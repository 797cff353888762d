# Windows x86-64 build (MinGW-w64): the shell, the program in its hardware and emulated flavours,
# mousecfg.exe and the tests that run under Wine.
set(GM_WIN_FLAGS -municode -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601)
set(GM_STATIC_LINK -static -static-libgcc -static-libstdc++)
include(cmake/delay_import.cmake)
gm_delay_import(gdiplus gdiplus.dll)
gm_delay_import(comdlg32 comdlg32.dll)
gm_delay_import(comctl32 comctl32.dll)
# oleacc and oleaut32 serve screen readers only: loaded when a reader first asks for a window.
gm_delay_import(oleacc oleacc.dll)
gm_delay_import(oleaut32 oleaut32.dll)
set(GM_SYSTEM_LIBS msimg32 gm_delay_comctl32 gm_delay_comdlg32 shell32 shlwapi setupapi hid ole32 uuid gm_delay_oleacc gm_delay_oleaut32
                   winmm)

# The shell: one library per win/ folder, on top of the small window framework in src/ui/win. The
# entry point and the two device back ends are linked per program.
gm_folder_library(ui_win ui/win DEPS common lang)
gm_folder_library(config_win config/win DEPS config ui_win)
gm_folder_library(skin_win skin/win DEPS skin config_win ui_win)
gm_folder_library(settings_win settings/win DEPS settings ui_win)
gm_folder_library(assign_win assign/win DEPS assign skin_win ui_win)
gm_folder_library(macro_win macro/win DEPS macro assign_win skin_win ui_win)
gm_folder_library(device_win device/win EXCLUDE "_backend\\.cpp$" DEPS device config_win ui_win)
gm_folder_library(app_win app/win EXCLUDE "/app_main\\.cpp$"
                  DEPS app device_win assign_win settings_win macro_win skin_win config_win ui_win)
gm_folder_library(cli_win cli/win DEPS device_win config_win HEADERS cli)
# stb_image decodes the skin images, header-only. Only its own folder goes on the include path, so
# that the MinGW build does not search the rest of the system's headers.
find_path(GM_STB_DIR stb_image.h PATHS /usr/include/stb NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
target_include_directories(gm_skin_win SYSTEM PRIVATE ${GM_STB_DIR})
gm_libraries_options(compile ${GM_WIN_FLAGS})
foreach(library ui_win config_win skin_win settings_win assign_win macro_win device_win app_win cli_win)
    target_link_libraries(gm_${library} PUBLIC ${GM_SYSTEM_LIBS})
endforeach()

# Everything of the shell, for the programs and the tests under Wine.
add_library(gm_shell INTERFACE)
target_link_libraries(gm_shell INTERFACE gm_app_win gm_cli_win gm_core ${GM_SYSTEM_LIBS})

set(GM_EXE_NAME "Krello_Marrowin²")
set(GM_RESOURCE_FILE ${CMAKE_SOURCE_DIR}/res/app.rc)

# The program icon is rendered from its SVG source at build time; the resource script finds it,
# the manifest and the resource identifiers through these include folders.
set(GM_ICON_FILE ${CMAKE_BINARY_DIR}/res/app.ico)
add_custom_command(OUTPUT ${GM_ICON_FILE}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/res
                   COMMAND bash ${CMAKE_SOURCE_DIR}/res/make_icon.sh ${CMAKE_SOURCE_DIR}/res/app_icon.svg
                           ${GM_ICON_FILE}
                   DEPENDS ${CMAKE_SOURCE_DIR}/res/app_icon.svg ${CMAKE_SOURCE_DIR}/res/make_icon.sh
                   VERBATIM)
set_source_files_properties(${GM_RESOURCE_FILE} PROPERTIES
    OBJECT_DEPENDS "${GM_ICON_FILE};${CMAKE_SOURCE_DIR}/res/app.manifest;${CMAKE_SOURCE_DIR}/src/app/win/resource_ids.h"
    INCLUDE_DIRECTORIES "${CMAKE_SOURCE_DIR}/res;${CMAKE_BINARY_DIR}/res")
add_custom_target(gm_icon DEPENDS ${GM_ICON_FILE})

# Sections stored at page boundaries in the file, as they are in memory: the loader can then map
# the program's image from the file, where it would otherwise copy all of it into private memory.
set(GM_PAGE_ALIGNED_IMAGE -Wl,--file-alignment,0x1000)

# One program per device back end: the hardware build talks to the mouse over HID, the emulated
# build to MouseEmulator. They live in separate folders because each keeps its own data files.
function(gm_add_program target backend_source output_dir)
    add_executable(${target} WIN32 ${CMAKE_SOURCE_DIR}/src/app/win/app_main.cpp ${backend_source}
                                   ${GM_RESOURCE_FILE})
    target_compile_options(${target} PRIVATE ${PROJECT_WARNINGS})
    target_link_libraries(${target} PRIVATE gm_shell)
    target_link_options(${target} PRIVATE ${GM_STATIC_LINK} -municode ${GM_PAGE_ALIGNED_IMAGE})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${GM_EXE_NAME}
                          RUNTIME_OUTPUT_DIRECTORY ${output_dir})
    add_dependencies(${target} gm_icon)
endfunction()

gm_add_program(gm_program ${CMAKE_SOURCE_DIR}/src/device/win/hardware_backend.cpp ${CMAKE_BINARY_DIR}/program)
gm_add_program(gm_program_emulated ${CMAKE_SOURCE_DIR}/src/device/win/emulated_backend.cpp ${CMAKE_BINARY_DIR}/emulated)

# mousecfg reaches the real mouse through the shell's HID search (src/cli/win/, part of gm_shell)
# instead of the portable stand-in that has no device access.
list(FILTER CLI_SOURCES EXCLUDE REGEX "/src/cli/device_port_factory\\.cpp$")
add_executable(mousecfg ${CLI_SOURCES})
target_compile_options(mousecfg PRIVATE ${PROJECT_WARNINGS})
target_link_libraries(mousecfg PRIVATE gm_shell)
target_link_options(mousecfg PRIVATE ${GM_STATIC_LINK} -municode)

# GoogleTest from Debian's source package, cross-compiled.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
add_executable(win_tests ${WIN_TEST_SOURCES})
target_compile_options(win_tests PRIVATE ${PROJECT_WARNINGS})
target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# The tests write their own PNG files through GDI+'s encoder; the program decodes without it.
target_link_libraries(win_tests PRIVATE gm_shell gm_delay_gdiplus gtest_main)
target_link_options(win_tests PRIVATE ${GM_STATIC_LINK})
add_test(NAME win_tests COMMAND win_tests)

# The end-to-end driver: finds the program's windows, posts notification-icon clicks, reads and
# chooses menu items and waits for the program to end.
file(GLOB E2E_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
add_executable(e2e_driver ${E2E_DRIVER_SOURCES})
target_compile_options(e2e_driver PRIVATE ${PROJECT_WARNINGS} ${GM_WIN_FLAGS})
target_include_directories(e2e_driver PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(e2e_driver PRIVATE shell32 ole32 uuid oleacc oleaut32)
target_link_options(e2e_driver PRIVATE ${GM_STATIC_LINK} -municode)

# End-to-end scenarios: shell scripts that drive the built programs under Wine on the X display
# that the test command provides.
file(GLOB E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.test.sh)
foreach(e2e_script ${E2E_SCRIPTS})
    get_filename_component(e2e_name ${e2e_script} NAME_WE)
    add_test(NAME e2e.${e2e_name} COMMAND bash ${e2e_script} ${CMAKE_BINARY_DIR})
    set_tests_properties(e2e.${e2e_name} PROPERTIES RUN_SERIAL TRUE TIMEOUT 600 SKIP_RETURN_CODE 77)
endforeach()

# The skins, rendered from their drawing sources into Skins/ of the build folder.
file(GLOB_RECURSE SKIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skins/*.py
     ${CMAKE_SOURCE_DIR}/src/app/page_layout.inc)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Skins/.rendered
                   COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/skins/render_skins.py --out ${CMAKE_BINARY_DIR}
                   COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/Skins/.rendered
                   DEPENDS ${SKIN_SOURCES} COMMENT "Rendering skins" VERBATIM)
add_custom_target(skins ALL DEPENDS ${CMAKE_BINARY_DIR}/Skins/.rendered)

# The Apply benchmark, built for Windows as well so that the Windows pacer can be measured (under
# Wine or on Windows) beside the portable ones.
add_executable(apply_bench ${CMAKE_SOURCE_DIR}/bench/apply_bench.cpp)
target_compile_options(apply_bench PRIVATE ${PROJECT_WARNINGS})
# It paces with the Windows pacer and, for comparison, with the recording pacer of the tests.
target_include_directories(apply_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(apply_bench PRIVATE gm_shell)
target_link_options(apply_bench PRIVATE ${GM_STATIC_LINK})

# The hover redraw benchmark: one skin button drawn into a canvas, decoded every time against cached.
add_executable(hover_draw_bench ${CMAKE_SOURCE_DIR}/bench/win/hover_draw_bench.cpp)
target_compile_options(hover_draw_bench PRIVATE ${PROJECT_WARNINGS})
# The benchmark writes its button image through GDI+'s encoder.
target_link_libraries(hover_draw_bench PRIVATE gm_shell gm_delay_gdiplus)
target_link_options(hover_draw_bench PRIVATE ${GM_STATIC_LINK} -municode)

# The footprint benchmark (bench/win/footprint.sh) and the minimal tray program it compares the
# emulated build with; both stand alone, without the program's libraries.
add_executable(footprint_bench ${CMAKE_SOURCE_DIR}/bench/win/footprint_bench.cpp)
add_executable(minimal_tray WIN32 ${CMAKE_SOURCE_DIR}/bench/win/minimal_tray.cpp)
foreach(footprint_target footprint_bench minimal_tray)
    target_compile_options(${footprint_target} PRIVATE ${PROJECT_WARNINGS} ${GM_WIN_FLAGS})
    target_link_options(${footprint_target} PRIVATE ${GM_STATIC_LINK} -municode)
endforeach()
