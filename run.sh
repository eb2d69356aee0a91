#!/usr/bin/env bash
# Installs what is missing, builds the programs (not the tests), and runs the program on the
# built-in simulated device: the window when there is a display, else the command line.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh programs

bin=build/bin
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/NivoConfig" --demo
fi
echo "Keine Anzeige (DISPLAY und WAYLAND_DISPLAY leer): es folgt die Vorführung auf der Kommandozeile."

work=$(mktemp -d)
"$bin/nivosim" >"$work/nivosim.out" 2>"$work/nivosim.err" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null || true' EXIT
# The simulator prints its tty first; it may also end at once with an error.
for ((tries = 0; tries < 100; ++tries)); do
    [ -s "$work/nivosim.out" ] && break
    if ! kill -0 "$sim" 2>/dev/null; then
        echo "nivosim ist nicht gestartet:" >&2
        cat "$work/nivosim.err" >&2
        exit 1
    fi
    sleep 0.1
done
if [ ! -s "$work/nivosim.out" ]; then
    echo "nivosim hat nach 10 s noch keine Schnittstelle genannt." >&2
    exit 1
fi
tty=$(head -n 1 "$work/nivosim.out")
cli() { echo "+ nivoconfig-cli $*" >&2; "$bin/nivoconfig-cli" --port "COM1=$tty" "$@"; }

echo "Simulierte K417 an $tty; Dateien in $work"
cli connect
cli defaults -o "$work/tank.par"
cli set "$work/tank.par" Eingang/Skalenkomma=2 Eingang/Skalierung.Ende=250 \
    "Grenzwerte/Oberer Grenzwert A=240" "Gerätebeschreibung/Zeile1=Tank 3"
cli list "$work/tank.par" Eingang
cli write "$work/tank.par"
cli diff --device "$work/tank.par"
cli read -o "$work/read-back.par"
cli get "$work/read-back.par" Eingang/Skalierung.Ende "Grenzwerte/Oberer Grenzwert A"
cli measure
cli report "$work/read-back.par"
