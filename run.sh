#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the built-in simulated device.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
out=$(mktemp -d)
echo "Factory defaults as a parameter file: $out/defaults.par"
build/bin/nivoconfig-cli defaults -o "$out/defaults.par"
build/bin/nivoconfig-cli check "$out/defaults.par" && echo "Whole-model check passed."
build/bin/nivoconfig-cli get "$out/defaults.par" Eingang/Skalierung.Anfang Eingang/Skalierung.Ende
