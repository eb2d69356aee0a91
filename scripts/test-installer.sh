#!/usr/bin/env bash
# Builds the Windows installer (build-windows/NivoConfig-<version>-setup.exe) and checks it under
# wine as a technician's laptop would see it, in a wine prefix of its own: a silent install into
# Program Files with its Start menu entry and .par association, the installed programs run from
# there, a parameter file opened through the association on a desktop (Xvfb), the window's
# pictures, and a silent uninstall that leaves no program file, entry or association behind, but the
# user's settings and commissioning record.
# Needs the windows preset configured (scripts/test-windows.sh does that).
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "test-installer.sh: $*" >&2
    exit 1
}

scripts/install-missing.sh nsis wine xvfb x11-utils
cmake --build --preset windows --target installer
version="$(sed -n 's/^project(NivoConfig VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
setup="build-windows/NivoConfig-$version-setup.exe"
[ -f "$setup" ] || fail "$setup was not made"

export WINEPREFIX="$PWD/build-windows/wine-installer" WINEDEBUG=-all
rm -rf "$WINEPREFIX"
trap 'timeout 60 wineserver -k >/dev/null 2>&1 || true' EXIT
timeout 300 wineboot -i >/dev/null 2>&1
run() { timeout -k 10 120 wine "$@" </dev/null; }
registry() { run reg query "$@" 2>/dev/null | tr -d '\r'; }

drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/NivoConfig"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/NivoConfig.lnk"
user="$(find "$drive/users" -mindepth 1 -maxdepth 1 ! -name Public -printf '%f\n' | head -n 1)"
settings="$drive/users/$user/AppData/Roaming/NivoConfig/NivoConfig.ini"
record="$drive/users/$user/AppData/Local/NivoConfig/Inbetriebnahme.csv"

echo "== silent install"
run "$setup" /S
for file in NivoConfig.ini nivoconfig-cli.exe libstdc++-6.dll Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "the install left out $file"
done
[ -f "$menu" ] || fail "no Start menu entry"
registry 'HKCR\.par' /ve | grep -q 'NivoConfig.Parameters' || fail ".par is not associated"
registry 'HKCR\NivoConfig.Parameters\shell\open\command' /ve |
    grep -qF '"C:\Program Files\NivoConfig\NivoConfig.exe" "%1"' || fail "the .par command is wrong"

echo "== the installed programs"
run "C:\\Program Files\\NivoConfig\\nivoconfig-cli.exe" --version | tr -d '\r' | grep -q "$version" ||
    fail "the installed nivoconfig-cli.exe does not say $version"
run "C:\\Program Files\\NivoConfig\\NivoConfig.exe" --version | tr -d '\r' | grep -q "$version" ||
    fail "the installed NivoConfig.exe does not say $version"

echo "== a parameter file opened through its association, on a desktop"
documents="$drive/users/$user/Documents"
mkdir -p "$documents"
windows_par="C:\\users\\$user\\Documents\\Anlage Süd.par"
run "C:\\Program Files\\NivoConfig\\nivoconfig-cli.exe" defaults -o "$windows_par" >/dev/null
[ -f "$documents/Anlage Süd.par" ] || fail "the installed nivoconfig-cli.exe wrote no parameter file"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'timeout 60 wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1
# "start" opens the file as Explorer would: through the registered command.
DISPLAY="$display" timeout 60 wine start "$windows_par" </dev/null
opened=""
for _ in $(seq 60); do
    if DISPLAY="$display" xwininfo -root -tree | grep -q 'NivoConfig \[C:.*Anlage S.*d\.par\]'; then
        opened=yes
        break
    fi
    sleep 1
done
[ -n "$opened" ] || fail "no window titled with the opened file: $(DISPLAY="$display" xwininfo -root -tree | grep -o '"[^"]*"' | sort -u | tr '\n' ' ')"
timeout 60 wineserver -k || true
timeout 60 wineserver -w || true

echo "== the installed window's pictures"
shots="$drive/shots"
DISPLAY="$display" run "C:\\Program Files\\NivoConfig\\NivoConfig.exe" 123 --screenshots 'C:\shots'
for picture in page-1 page-6 page-8 info options; do
    [ -s "$shots/$picture.png" ] || fail "--screenshots wrote no $picture.png"
done
timeout 60 wineserver -k || true # before its display goes
kill $xvfb 2>/dev/null || true

echo "== silent uninstall"
# What the user made stays: settings and record are not the program's files.
mkdir -p "$(dirname "$settings")" "$(dirname "$record")"
echo "[Optionen]" >"$settings"
echo "Zeit;Vorgang" >"$record"
installed="$(cd "$folder" && find . -type f | sort)"
run "C:\\Program Files\\NivoConfig\\Uninstall.exe" /S
# The uninstaller goes on from a copy in the temporary folder: wait until wine has nothing running.
timeout 120 wineserver -w
[ ! -e "$folder" ] || fail "the uninstall left: $(cd "$folder" && find . | sort | tr '\n' ' ')"
[ ! -e "$menu" ] || fail "the Start menu entry is left"
registry 'HKCR\.par' /ve | grep -q 'NivoConfig' && fail "the .par association is left"
[ -f "$settings" ] && [ -f "$record" ] || fail "the uninstall removed the user's settings or record"
echo "installer $setup: installed $(echo "$installed" | wc -l) files, uninstalled them, kept the user's files"
