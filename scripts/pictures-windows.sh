#!/usr/bin/env bash
# Writes docs/windows/: the main window and the EEPROM service page of the Windows program as it
# looks under wine on a German desktop (Xvfb, Windows style), from build-windows/dist.
# Needs the windows preset configured (scripts/test-windows.sh does that). Look at the pictures
# afterwards. Usage: scripts/pictures-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-missing.sh wine xvfb
cmake --build --preset windows --target dist

export WINEPREFIX="$PWD/build-windows/wine-pictures" WINEDEBUG=-all LANG=de_DE.UTF-8
export LC_ALL=de_DE.UTF-8 DISPLAY=":$((90 + RANDOM % 100))"
scratch="$(mktemp -d)"
Xvfb "$DISPLAY" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'timeout 60 wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
timeout 300 wineboot -i >/dev/null 2>&1
timeout -k 10 120 wine build-windows/dist/NivoConfig.exe 123 --screenshots "Z:$scratch" </dev/null
mkdir -p docs/windows
cp "$scratch/page-1.png" docs/windows/main.png
cp "$scratch/page-6.png" docs/windows/eeprom.png
echo "Written: docs/windows/main.png, docs/windows/eeprom.png; look at them before committing them."
