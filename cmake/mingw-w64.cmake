# The windows preset: MinGW-w64 of the POSIX thread model, the same compilers and C++ runtime as
# Qt's libraries built by scripts/qt-windows.sh. The programs link that runtime as DLLs
# (cmake/MingwRuntime.cmake puts them beside the programs).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake)

# Qt for Windows from scripts/qt-windows.sh's cache; its code generators (moc, uic, rcc, the
# translation tools) are the build machine's.
if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(nivo_qt_cache $ENV{XDG_CACHE_HOME}/nivoconfig)
else()
    set(nivo_qt_cache $ENV{HOME}/.cache/nivoconfig)
endif()
file(GLOB nivo_qt_windows LIST_DIRECTORIES true ${nivo_qt_cache}/qt-*-mingw)
if(nivo_qt_windows)
    list(GET nivo_qt_windows 0 nivo_qt_windows)
    list(APPEND CMAKE_FIND_ROOT_PATH ${nivo_qt_windows})
    list(APPEND CMAKE_PREFIX_PATH ${nivo_qt_windows})
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# Tests and programs run under wine, each with a time-out (scripts/wine-run.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh
    ${CMAKE_BINARY_DIR}/wine)
