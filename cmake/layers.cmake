# One static library per subsystem folder of src/, each linking only the libraries below it:
#   common, lang; config; assign, settings, skin, macro; device, profile; app (cli beside app, as
#   programs).
# The Windows folders (src/X/win) mirror the order on top of src/ui/win. scripts/check_layers.py runs
# before anything compiles and fails the build when a file includes a header of a library its own
# does not depend on, or when a portable file includes a Windows header.

set(GM_LIBRARIES "")
set(GM_LAYER_MAP "")

# gm_folder_library(NAME FOLDER [EXCLUDE regex] [DEPS name...] [HEADERS folder...]): the library
# gm_NAME from the .cpp files of src/FOLDER and its sub-folders (portable libraries leave out win/
# folders; EXCLUDE leaves out sources linked per program). NAME is the folder with '/' as '_'.
# HEADERS names folders whose headers it may include without linking them (a program's own).
function(gm_folder_library name folder)
    cmake_parse_arguments(ARG "" "EXCLUDE" "DEPS;HEADERS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
    if(NOT folder MATCHES "/win$")
        list(FILTER sources EXCLUDE REGEX "/win/")
    endif()
    if(ARG_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "${ARG_EXCLUDE}")
    endif()
    set(deps "")
    foreach(dep ${ARG_DEPS})
        list(APPEND deps gm_${dep})
    endforeach()
    add_library(gm_${name} STATIC ${sources})
    target_compile_options(gm_${name} PRIVATE ${PROJECT_WARNINGS})
    target_include_directories(gm_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(gm_${name} PUBLIC ${deps})
    add_dependencies(gm_${name} layer_check)
    string(REPLACE ";" "," dep_text "${ARG_DEPS};${ARG_HEADERS}")
    set(GM_LAYER_MAP ${GM_LAYER_MAP} "${folder}=${dep_text}" PARENT_SCOPE)
    set(GM_LIBRARIES ${GM_LIBRARIES} gm_${name} PARENT_SCOPE)
endfunction()

# Compile and link options for every folder library, passed on to what links it.
function(gm_libraries_options kind)
    foreach(library ${GM_LIBRARIES})
        cmake_language(CALL target_${kind}_options ${library} PUBLIC ${ARGN})
    endforeach()
endfunction()

gm_folder_library(common common)
gm_folder_library(lang lang DEPS common)
gm_folder_library(config config DEPS lang common)
gm_folder_library(assign assign DEPS config)
gm_folder_library(settings settings DEPS config)
gm_folder_library(skin skin DEPS config)
gm_folder_library(macro macro DEPS assign config)
gm_folder_library(device device DEPS assign settings config)
gm_folder_library(profile profile DEPS macro assign settings config)
gm_folder_library(app app DEPS device profile macro assign settings skin config)
set(GM_CORE_LIBRARIES gm_common gm_lang gm_config gm_assign gm_settings gm_skin gm_macro gm_device gm_profile
                      gm_app)

# toml++ reads the profile files, header-only. Only its own folder goes on the include path, through
# a folder in the build tree that links to it, so that the MinGW build does not search the rest of
# the system's headers.
find_path(GM_TOMLPLUSPLUS_DIR toml++/toml.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(GM_TOMLPLUSPLUS_INCLUDE ${CMAKE_BINARY_DIR}/tomlplusplus)
file(MAKE_DIRECTORY ${GM_TOMLPLUSPLUS_INCLUDE})
file(CREATE_LINK ${GM_TOMLPLUSPLUS_DIR}/toml++ ${GM_TOMLPLUSPLUS_INCLUDE}/toml++ SYMBOLIC)
target_include_directories(gm_profile SYSTEM PRIVATE ${GM_TOMLPLUSPLUS_INCLUDE})

# Everything portable, for the programs and tests that use the whole core.
add_library(gm_core INTERFACE)
target_link_libraries(gm_core INTERFACE ${GM_CORE_LIBRARIES})

# The command-line tool's sources are a program's, not a library's: what they may include.
set(GM_LAYER_MAP ${GM_LAYER_MAP} "cli=device,profile,macro,assign,settings,config")

# Runs before every library compiles; the map is complete once the Windows layers (if any) are
# declared, so the target is made by gm_layer_check() at the end of the top-level file.
function(gm_layer_check)
    add_custom_target(layer_check
                      COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/scripts/check_layers.py ${CMAKE_SOURCE_DIR}/src
                              ${GM_LAYER_MAP}
                      COMMENT "Checking the include layers" VERBATIM)
endfunction()
