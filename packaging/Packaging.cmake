# Installing the program and building its Debian package (on Windows: its folder and installer,
# packaging/WindowsPackaging.cmake).
#
# The program reads its language files beside its executable, so both live in
# <prefix>/lib/osk-graphs; <prefix>/bin/osk-graphs is a relative symbolic link to the executable
# (the program finds its folder through the link). The desktop entry and the icon go where
# desktops look for them.
include(GNUInstallDirs)

if(NOT WIN32)
    set(OSK_PROGRAM_DIR lib/osk-graphs)
    install(TARGETS osk-graphs RUNTIME DESTINATION ${OSK_PROGRAM_DIR})
    install(FILES ${OSK_LANGUAGE_FILES} DESTINATION ${OSK_PROGRAM_DIR})
    file(CREATE_LINK ../${OSK_PROGRAM_DIR}/osk-graphs ${CMAKE_CURRENT_BINARY_DIR}/osk-graphs-command
         SYMBOLIC)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/osk-graphs-command DESTINATION ${CMAKE_INSTALL_BINDIR}
            RENAME osk-graphs)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/osk-graphs.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/osk-graphs.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME osk-graphs)
set(CPACK_PACKAGE_VENDOR "OSK-Graphs developers")
set(CPACK_PACKAGE_CONTACT "OSK-Graphs developers <osk-graphs@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Graph viewer for the logs of a disinfectant dosing installation")
set(CPACK_PACKAGE_DESCRIPTION
    "OSK Graphs opens the measurement logs that the installation's monitoring program writes "
    "(product concentration, pH, flow, measuring cell) and draws them against time, with "
    "scrolling by the hour, a cursor read-out, printing and a real-time mode. English and Dutch.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY osk-graphs)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries the executable links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
endif()
include(CPack)
