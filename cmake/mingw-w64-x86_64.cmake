# Cross-compiles for 64-bit Windows with the MinGW-w64 GCC (POSIX threads, for std::thread and
# std::mutex). Executables are linked statically, so they run without the compiler's DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OSK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${OSK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OSK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${OSK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OSK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
