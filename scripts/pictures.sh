#!/usr/bin/env bash
# Writes every picture in docs/ from the built programs: the pages, information and options
# windows in German (docs/) and English (docs/en/) with their layout descriptions (layout.txt,
# which check_pictures_de and check_pictures_en compare with the program's), the page with values
# apart from the factory settings (docs/defaults.png) and its comparison with the factory-set
# device (docs/compare.png), and the whole window on a desktop with a
# window manager at 1366x768 and at 1920x1080 and 150 % in both languages (scripts/window-shot.sh).
# Look at the pictures afterwards. Usage: scripts/pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/bin
de=(env LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8)
en=(env LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8)

"${de[@]}" QT_QPA_PLATFORM=offscreen "$bin/NivoConfig" --demo 123 --screenshots docs
"${en[@]}" QT_QPA_PLATFORM=offscreen "$bin/NivoConfig" --lang en --demo 123 --screenshots docs/en

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"${de[@]}" "$bin/nivoconfig-cli" defaults -o "$scratch/tank.par"
"${de[@]}" "$bin/nivoconfig-cli" set "$scratch/tank.par" -o "$scratch/tank4.par" \
    Eingang/Skalierung.Ende=2,5 Eingang/Filter=5 Eingang/Skaleneinheit=2 Ausgang/Fehlerwert=3,6
"${de[@]}" QT_QPA_PLATFORM=offscreen "$bin/NivoConfig" --demo "$scratch/tank4.par" \
    --screenshots "$scratch/shots"
cp "$scratch/shots/page-1.png" docs/defaults.png
cp "$scratch/shots/compare.png" docs/compare.png

scripts/window-shot.sh 1366x768 1 docs/screen-1366x768.png
scripts/window-shot.sh 1920x1080 1.5 docs/screen-1920x1080-150.png
scripts/window-shot.sh 1366x768 1 docs/en/screen-1366x768.png --lang en
scripts/window-shot.sh 1920x1080 1.5 docs/en/screen-1920x1080-150.png --lang en
echo "Written: docs/*.png, docs/en/*.png; look at every picture before committing them."
