#!/usr/bin/env bash
# Usage: wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# Runs a Windows program under wine with a time-out, in the given private wine prefix; CMake's
# cross-compiling emulator for the windows preset. The prefix is started beforehand
# (scripts/wine-session.sh), else wine's services would inherit and hold the caller's pipes.
set -euo pipefail
export WINEPREFIX="$1"
shift
export WINEDEBUG=-all
exec timeout -k 10 "${NIVO_WINE_TIMEOUT:-300}" wine "$@"
