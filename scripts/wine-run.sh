#!/usr/bin/env bash
# Usage: wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# Runs a Windows program under wine with a time-out, in the given private wine prefix; CMake's
# cross-compiling emulator for the windows preset. The prefix is started beforehand
# (scripts/wine-session.sh), else wine's services would inherit and hold the caller's pipes.
# Programs of the build tree find Qt's libraries, and through them its plug-ins and texts, in
# scripts/qt-windows.sh's cache.
set -euo pipefail
export WINEPREFIX="$1"
shift
export WINEDEBUG=-all
# wine keeps the Linux side's QT_* variables from Windows programs and hands WINEQT_* over as QT_*.
for name in $(compgen -e); do
    if [[ $name == QT_* ]]; then export "WINE$name=${!name}"; fi
done
for qt in "${XDG_CACHE_HOME:-$HOME/.cache}"/nivoconfig/qt-*-mingw/bin; do
    if [ -d "$qt" ]; then export WINEPATH="Z:$qt${WINEPATH:+;$WINEPATH}"; fi
done
exec timeout -k 10 "${NIVO_WINE_TIMEOUT:-300}" wine "$@"
