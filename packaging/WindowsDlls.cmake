# Run at install time on a cross build for Windows: copies every DLL that the installed program and
# its plug-ins need, found in the folders OSK_DLL_DIRS (Qt's and the compiler's), beside the
# program, with the DLLs those need in turn, without their debugging sections (the compiler's
# libstdc++ DLL carries 20 MB of them). Set before it: OSK_DLL_DIRS, OSK_OBJDUMP, OSK_STRIP and
# OSK_PLUGINS (paths of the installed plug-ins below the install folder).
#
# Windows names DLLs without regard to letter case and the PE reader of CMake looks for them in
# lower case, while Qt's DLLs on this disk are Qt6Core.dll and the like: they are looked up through
# a folder of lower-case links to every DLL of those folders.
set(osk_folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(osk_links "${CMAKE_CURRENT_BINARY_DIR}/windows-dll-names")
file(REMOVE_RECURSE "${osk_links}")
file(MAKE_DIRECTORY "${osk_links}")
foreach(osk_dir IN LISTS OSK_DLL_DIRS)
    file(GLOB osk_dlls "${osk_dir}/*.dll")
    foreach(osk_dll IN LISTS osk_dlls)
        get_filename_component(osk_name "${osk_dll}" NAME)
        string(TOLOWER "${osk_name}" osk_name)
        if(NOT EXISTS "${osk_links}/${osk_name}")
            file(CREATE_LINK "${osk_dll}" "${osk_links}/${osk_name}" SYMBOLIC)
        endif()
    endforeach()
endforeach()

set(osk_modules)
foreach(osk_plugin IN LISTS OSK_PLUGINS)
    list(APPEND osk_modules "${osk_folder}/${osk_plugin}")
endforeach()
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${OSK_OBJDUMP}")
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "${osk_folder}/osk-graphs.exe"
    MODULES ${osk_modules}
    DIRECTORIES "${osk_links}"
    RESOLVED_DEPENDENCIES_VAR osk_found
    UNRESOLVED_DEPENDENCIES_VAR osk_system)
foreach(osk_link IN LISTS osk_found)
    get_filename_component(osk_dll "${osk_link}" REALPATH)
    # file(INSTALL) adds DESTDIR itself.
    file(INSTALL "${osk_dll}" DESTINATION "${CMAKE_INSTALL_PREFIX}")
    get_filename_component(osk_name "${osk_dll}" NAME)
    execute_process(COMMAND "${OSK_STRIP}" --strip-debug "${osk_folder}/${osk_name}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# What none of those folders holds comes with Windows itself.
list(JOIN osk_system " " osk_system)
message(STATUS "Left to Windows: ${osk_system}")
file(REMOVE_RECURSE "${osk_links}")
