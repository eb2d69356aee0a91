# A cross build takes header-only CLI11 and GoogleTest's sources from the build machine's
# Debian packages (libcli11-dev, libgtest-dev), compiled with the cross compiler. Only CLI11's
# own folder goes on the include path, never the build machine's /usr/include: a copy, which
# file(COPY) renews when the package's files change. The redirect files make the projects'
# find_package(CLI11) and find_package(GTest) find these targets.
if(IS_SYMLINK ${CMAKE_BINARY_DIR}/host-headers/CLI)
    file(REMOVE ${CMAKE_BINARY_DIR}/host-headers/CLI) # a link of earlier builds
endif()
file(COPY /usr/include/CLI DESTINATION ${CMAKE_BINARY_DIR}/host-headers)
add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
target_include_directories(CLI11::CLI11 INTERFACE ${CMAKE_BINARY_DIR}/host-headers)
file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/cli11-config.cmake "")

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/gtest-config.cmake "")
