# Installing on Windows: one folder holding the executable, its language files beside it (where
# the program reads them), the icon, and the Qt libraries, plug-ins and compiler runtime it needs;
# a ZIP of that folder and an NSIS installer with a Start-menu entry. Included from Packaging.cmake
# on WIN32.

install(TARGETS osk-graphs RUNTIME DESTINATION .)
install(FILES ${OSK_LANGUAGE_FILES} ${PROJECT_SOURCE_DIR}/resources/osk-graphs.svg DESTINATION .)

if(CMAKE_CROSSCOMPILING)
    # A Qt built from source for a cross build has no windeployqt. The plug-ins the program loads
    # are installed by name: the Windows platform and the native style (PNG, the only picture
    # format it reads, is built into Qt's GUI library). Every DLL that the executable and these
    # plug-ins need is then looked up in Qt's and the compiler's folders and copied beside them.
    set(osk_plugins platforms Qt6::QWindowsIntegrationPlugin styles Qt6::QWindowsVistaStylePlugin)
    set(osk_plugin_files)
    while(osk_plugins)
        list(POP_FRONT osk_plugins osk_type osk_target)
        get_target_property(osk_location ${osk_target} IMPORTED_LOCATION_RELEASE)
        if(NOT osk_location)
            get_target_property(osk_location ${osk_target} IMPORTED_LOCATION)
        endif()
        install(FILES ${osk_location} DESTINATION ${osk_type})
        get_filename_component(osk_name ${osk_location} NAME)
        list(APPEND osk_plugin_files "${osk_type}/${osk_name}")
    endwhile()

    get_target_property(osk_qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
    get_filename_component(osk_dll_dirs ${osk_qt_core} DIRECTORY)
    foreach(osk_runtime libstdc++-6.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${osk_runtime}
                        OUTPUT_VARIABLE osk_runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        get_filename_component(osk_runtime_dir ${osk_runtime_path} DIRECTORY)
        get_filename_component(osk_runtime_dir ${osk_runtime_dir} REALPATH)
        list(APPEND osk_dll_dirs ${osk_runtime_dir})
    endforeach()
    find_program(OSK_OBJDUMP ${OSK_MINGW_PREFIX}-objdump REQUIRED)
    find_program(OSK_STRIP ${OSK_MINGW_PREFIX}-strip REQUIRED)

    install(CODE "
        set(OSK_DLL_DIRS \"${osk_dll_dirs}\")
        set(OSK_OBJDUMP \"${OSK_OBJDUMP}\")
        set(OSK_STRIP \"${OSK_STRIP}\")
        set(OSK_PLUGINS \"${osk_plugin_files}\")")
    install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/WindowsDlls.cmake)
else()
    # With Qt's own Windows kit: windeployqt puts the Qt libraries, plug-ins and qt.conf beside
    # the executable, and, from PATH, the compiler's runtime.
    if(COMMAND qt_generate_deploy_app_script)
        qt_generate_deploy_app_script(TARGET osk-graphs FILENAME_VARIABLE osk_deploy_script
                                      NO_UNSUPPORTED_PLATFORM_ERROR)
        # The deploy script puts the libraries into QT_DEPLOY_BIN_DIR, bin by default: here the
        # executable's own folder.
        install(CODE "set(QT_DEPLOY_BIN_DIR .)")
        install(SCRIPT ${osk_deploy_script})
    else()
        get_target_property(osk_qmake Qt6::qmake IMPORTED_LOCATION)
        get_filename_component(osk_qt_bin_dir ${osk_qmake} DIRECTORY)
        find_program(OSK_WINDEPLOYQT windeployqt HINTS ${osk_qt_bin_dir} NO_DEFAULT_PATH REQUIRED)
        install(CODE "
            execute_process(COMMAND \"${OSK_WINDEPLOYQT}\" --no-translations
                                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/osk-graphs.exe\"
                            COMMAND_ERROR_IS_FATAL ANY)")
    endif()
endif()

set(CPACK_GENERATOR NSIS ZIP)
# Archives and the installer hold the folder itself, not a /usr tree.
set(CPACK_PACKAGING_INSTALL_PREFIX "")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "OSK Graphs")
# Start-menu entry "OSK Graphs" for osk-graphs.exe, which lies at the top of the folder.
set(CPACK_PACKAGE_EXECUTABLES osk-graphs "OSK Graphs")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME "OSK Graphs")
set(CPACK_NSIS_PACKAGE_NAME "OSK Graphs")
set(CPACK_NSIS_INSTALLED_ICON_NAME osk-graphs.exe)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN osk-graphs.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer for the 64-bit program: it installs into the 64-bit programs folder and runs
# where only 64-bit programs can (a Windows without its 32-bit layer, Debian's 64-bit Wine).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
