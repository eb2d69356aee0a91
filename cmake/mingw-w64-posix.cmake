# 64-bit Windows programs and libraries built on Debian with MinGW-w64 of the POSIX thread model
# (package g++-mingw-w64-x86-64-posix): its std::thread and std::mutex, which the default -win32
# compilers lack, are what Qt needs, and the program uses the same runtime as Qt's libraries.
# Used as it is by scripts/qt-windows.sh; cmake/mingw-w64.cmake builds on it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
