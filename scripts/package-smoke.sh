#!/usr/bin/env bash
# Unpacks the built Debian package into a scratch folder and runs its programs from there: the
# settings must be found relative to the binaries, without installing anything.
# Usage: scripts/package-smoke.sh [PACKAGE.deb]   (default: the one scripts/package.sh built)
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(ls build-package/nivoconfig_*_amd64.deb)}

work=$(mktemp -d)
sim=""
cleanup() {
    [ -z "$sim" ] || { kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true; }
    rm -rf "$work"
}
trap cleanup EXIT
dpkg -x "$deb" "$work/root"
bin=$work/root/usr/bin
# From another folder, so that nothing is found through the working directory.
cd "$work"

step() { echo "+ $*" >&2; "$@"; }

step "$bin/nivoconfig-cli" defaults -o defaults.par
grep -q '^\[Eingang\]' defaults.par
# The English texts come with the package and are found from the program's folder.
"$bin/nivoconfig-cli" --lang en --help | grep -q "Show this help and exit"

"$bin/nivosim" >nivosim.out 2>nivosim.err &
sim=$!
for ((tries = 0; tries < 100; ++tries)); do
    [ -s nivosim.out ] && break
    kill -0 "$sim" 2>/dev/null || { cat nivosim.err >&2; exit 1; }
    sleep 0.1
done
tty=$(head -n 1 nivosim.out)
[ -n "$tty" ] || { echo "nivosim hat nach 10 s keine Schnittstelle genannt." >&2; exit 1; }
step "$bin/nivoconfig-cli" --port "COM1=$tty" read -o read.par
grep -q '^\[Eingang\]' read.par

QT_QPA_PLATFORM=offscreen step "$bin/NivoConfig" --demo --screenshots shots
ls shots/*.png >/dev/null
echo "Paket läuft aus $deb: defaults, Englisch, read am Simulator, $(ls shots/*.png | wc -l) Bilder."
