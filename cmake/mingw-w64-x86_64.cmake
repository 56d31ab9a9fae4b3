# Cross-compiles for 64-bit Windows with the MinGW-w64 GCC (POSIX threads, for std::thread and
# std::mutex). Programs use the compiler's runtime DLLs, like the Qt libraries they load: the
# Windows package ships them beside the executable, and a test run under Wine finds them on
# WINEPATH (scripts/test-windows).
#
# OSK_WINDOWS_QT_DIR names a Qt for Windows (scripts/setup-windows-qt prints it); the Qt tools
# that run during the build (moc, rcc, uic) come from the build machine's own Qt of the same
# version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OSK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${OSK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OSK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${OSK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OSK_MINGW_PREFIX})
if(OSK_WINDOWS_QT_DIR)
    list(APPEND CMAKE_FIND_ROOT_PATH ${OSK_WINDOWS_QT_DIR})
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Passed on to the compiler checks that CMake and Qt run in their own small projects.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES OSK_WINDOWS_QT_DIR)
