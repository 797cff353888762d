# Delay-loaded system DLLs: a program linked with gm_delay_import(NAME DLL) loads DLL on the first
# call into it instead of at start-up. For the DLLs that only the window uses when it is shown (GDI+
# decodes the skin, the colour chooser) this keeps them, and what they load in turn (the printing
# and imaging libraries under Wine), out of a program that waits in the notification area.
#
# The delay-import library is made by dlltool from a module definition that lists every function of
# the toolchain's import library NAME, so it stands in for that library whole.
function(gm_delay_import name dll)
    find_library(GM_IMPORT_LIBRARY_${name} ${name} REQUIRED)
    execute_process(COMMAND ${CMAKE_NM} --defined-only ${GM_IMPORT_LIBRARY_${name}}
                    OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    # Each function appears as "ADDRESS T Name" beside its "__imp_Name" pointer.
    string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z][A-Za-z0-9_@]*" functions "${symbols}")
    list(TRANSFORM functions REPLACE "^[0-9a-f]+ T " "")
    list(REMOVE_DUPLICATES functions)
    list(JOIN functions "\n" exports)
    set(definition ${CMAKE_BINARY_DIR}/delay_import/${name}.def)
    file(CONFIGURE OUTPUT ${definition} CONTENT "LIBRARY ${dll}\nEXPORTS\n${exports}\n")

    set(library ${CMAKE_BINARY_DIR}/delay_import/lib${name}_delay.a)
    add_custom_command(OUTPUT ${library}
                       COMMAND ${CMAKE_DLLTOOL} --input-def ${definition} --output-delaylib ${library}
                       DEPENDS ${definition} VERBATIM)
    add_custom_target(gm_delay_import_${name} DEPENDS ${library})
    add_library(gm_delay_${name} STATIC IMPORTED GLOBAL)
    set_target_properties(gm_delay_${name} PROPERTIES IMPORTED_LOCATION ${library})
    add_dependencies(gm_delay_${name} gm_delay_import_${name})
endfunction()
