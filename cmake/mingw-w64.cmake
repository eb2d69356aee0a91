# The windows preset: MinGW-w64 of the POSIX thread model, the same compilers and C++ runtime as
# Qt's libraries built by scripts/qt-windows.sh. The programs link that runtime as DLLs
# (cmake/MingwRuntime.cmake puts them beside the programs).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake)

# Tests and programs run under wine, each with a time-out (scripts/wine-run.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh
    ${CMAKE_BINARY_DIR}/wine)
