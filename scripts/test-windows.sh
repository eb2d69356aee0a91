#!/usr/bin/env bash
# Builds the programs for 64-bit Windows (preset windows, MinGW-w64, Qt from scripts/qt-windows.sh)
# and runs their tests under wine, the serial ones against the Linux simulator behind wine's COM1.
# Needs the Linux build in build/ for nivosim and the Linux command line (test.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."

# About 1.3 GB; locales for the German locale the wine tests run under.
scripts/install-missing.sh g++-mingw-w64-x86-64-posix wine64 wine locales
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
locale -a | grep -qix 'de_DE.utf8' || $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8

# The Linux build's simulator and command line serve the tests, its image drawer the toolbar.
for program in nivosim nivoconfig-cli nivo-render-icons; do
    [ -x "build/bin/$program" ] || scripts/build.sh
done
# Qt for Windows, built once into the user's cache (returns at once when it is there).
scripts/qt-windows.sh

cmake --preset windows >/dev/null
cmake --build --preset windows
mkdir -p build-windows
# ctest starts and stops wine around the tests; should it be interrupted, wine ends here.
trap 'scripts/wine-session.sh stop build-windows' EXIT
ctest --preset windows "$@"
