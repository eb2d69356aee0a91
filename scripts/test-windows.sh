#!/usr/bin/env bash
# Builds the core and nivoconfig-cli for 64-bit Windows (preset windows, MinGW-w64) and runs
# their tests under wine, the serial ones against the Linux simulator behind wine's COM1.
# Needs the Linux build in build/ for nivosim and the Linux command line (test.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."

# About 1.3 GB; locales for the German locale the wine tests run under.
scripts/install-missing.sh g++-mingw-w64-x86-64-posix wine64 wine locales
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
locale -a | grep -qix 'de_DE.utf8' || $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8

[ -x build/bin/nivosim ] && [ -x build/bin/nivoconfig-cli ] || scripts/build.sh

cmake --preset windows >/dev/null
cmake --build --preset windows
mkdir -p build-windows
# ctest starts and stops wine around the tests; should it be interrupted, wine ends here.
trap 'scripts/wine-session.sh stop build-windows' EXIT
ctest --preset windows "$@"
