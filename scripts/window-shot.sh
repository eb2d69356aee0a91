#!/usr/bin/env bash
# The main window as a German user sees it on a real desktop: Xvfb with a window manager, the
# demo device, the given screen size and scale; the whole screen is saved as a PNG.
# Usage: scripts/window-shot.sh WIDTHxHEIGHT SCALE OUT.png [ARGUMENT...]
#        e.g. 1920x1080 1.5 docs/screen.png; further arguments go to NivoConfig (--lang en).
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 3 ] || { echo "usage: $0 WIDTHxHEIGHT SCALE OUT.png [ARGUMENT...]" >&2; exit 2; }
for tool in Xvfb openbox import; do
    command -v "$tool" >/dev/null || { echo "$tool fehlt (apt-get install xvfb openbox imagemagick)" >&2; exit 1; }
done

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 "$1x24" >/dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
DISPLAY=$display QT_SCALE_FACTOR=$2 LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 \
    build/bin/NivoConfig --demo "${@:4}" >/dev/null 2>&1 &
pids+=($!)
sleep 6 # start-up with the device search
DISPLAY=$display import -window root "$3"
