# Installing on Windows: one folder holding the executable, its language files beside it (where
# the program reads them), the icon, and the Qt libraries and plug-ins it needs; a ZIP of that
# folder and an NSIS installer with a Start-menu entry. Included from Packaging.cmake on WIN32.

install(TARGETS osk-graphs RUNTIME DESTINATION .)
install(FILES ${OSK_LANGUAGE_FILES} ${PROJECT_SOURCE_DIR}/resources/osk-graphs.svg DESTINATION .)

# The Qt libraries, plug-ins and qt.conf beside the executable, by windeployqt.
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
