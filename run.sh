#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on the built-in simulated device: the
# window when there is a display, else the command-line demonstration.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh

bin=build/bin
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/NivoConfig" --demo
fi
echo "No display (DISPLAY and WAYLAND_DISPLAY unset): showing the command-line demonstration instead."

work=$(mktemp -d)
"$bin/nivosim" >"$work/nivosim.out" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null || true' EXIT
until [ -s "$work/nivosim.out" ]; do sleep 0.1; done
tty=$(head -n 1 "$work/nivosim.out")
cli() { echo "+ nivoconfig-cli $*" >&2; "$bin/nivoconfig-cli" --port "COM1=$tty" "$@"; }

echo "Simulated K417 on $tty; files in $work"
cli connect
cli defaults -o "$work/tank.par"
cli set "$work/tank.par" Eingang/Skalenkomma=2 Eingang/Skalierung.Ende=250 \
    "Grenzwerte/Oberer Grenzwert A=240" "Gerätebeschreibung/Zeile1=Tank 3"
cli write "$work/tank.par"
cli read -o "$work/read-back.par"
cli get "$work/read-back.par" Eingang/Skalierung.Ende "Grenzwerte/Oberer Grenzwert A"
cli report "$work/read-back.par"
