#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows (MinGW-w64, POSIX threads; shared libraries, Release)
# from Debian's source package of the installed host Qt, and installs it into
#   ${XDG_CACHE_HOME:-~/.cache}/nivoconfig/qt-<version>-mingw
# for the windows preset. The build folder beside it is kept, so a build that was stopped goes on
# where it stopped (ninja is incremental); a stamp in the install folder makes a second call
# return at once. Nothing comes from anywhere but the configured Debian archive.
# Environment: NIVO_QT_JOBS (default 2) parallel compile jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

die() {
    echo "qt-windows.sh: $*" >&2
    exit 1
}

host_version="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)"
if [ -z "$host_version" ]; then
    scripts/install-missing.sh qt6-base-dev
    host_version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
fi
version="${host_version%%+*}" # 6.4.2+dfsg-10 -> 6.4.2
cache="${XDG_CACHE_HOME:-$HOME/.cache}/nivoconfig"
prefix="$cache/qt-$version-mingw"
build="$cache/qt-$version-mingw-build"
sources="$cache/qt-$version-source"
stamp="$prefix/nivoconfig-qt.stamp"

# Everything the program does not use stays out; the Windows platform plugin without tablet
# support, whose Wintab header the Debian source lacks; without Direct2D, whose absence leaves out
# the DirectWrite font engine that the print support would still call, so DirectWrite goes too.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_opengl=OFF
    -DINPUT_opengl=no
    -DFEATURE_dbus=OFF
    -DFEATURE_network=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_system_zlib=OFF
)
wanted="$host_version ${options[*]}"

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    echo "Qt $version for Windows is in $prefix"
    exit 0
fi

# The host Qt's tools (moc, rcc, uic) generate code for the cross build; qt6-translations-l10n
# brings Qt's own German texts, which do not depend on the platform.
scripts/install-missing.sh g++-mingw-w64-x86-64-posix ninja-build dpkg-dev qt6-base-dev \
    qt6-base-dev-tools qt6-translations-l10n

# A deb-src entry beside each deb entry of Debian's archive, for the same suites.
add_source_entries() {
    local list=/etc/apt/sources.list.d/nivoconfig-deb-src.sources
    local found=""
    : >"$list.new"
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && [ "$file" != "$list" ] || continue
        # Stanzas are separated by empty lines; take those of Debian's own keyring.
        awk -v RS= -v ORS='\n\n' '/debian-archive-keyring/ && /Types:[^\n]*deb/ {
            sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$file" >>"$list.new"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list \
            >/etc/apt/sources.list.d/nivoconfig-deb-src.list
    fi
    [ -s "$list.new" ] && found=yes
    mv "$list.new" "$list"
    [ -s /etc/apt/sources.list.d/nivoconfig-deb-src.list ] && found=yes
    [ -n "$found" ] || die "no Debian 'deb' entry found in /etc/apt to add a 'deb-src' entry for"
    apt-get update -qq || die "apt-get update failed after adding $list; Qt for Windows is not built"
}

fetch_sources() {
    [ -f "$sources/CMakeLists.txt" ] && return 0
    local download="$cache/qt-$version-download"
    rm -rf "$download"
    mkdir -p "$download"
    if ! (cd "$download" && apt-get source --print-uris "qt6-base=$host_version" | grep -q "^'"); then
        add_source_entries
    fi
    (cd "$download" && apt-get source -qq "qt6-base=$host_version") ||
        die "cannot get Debian's source package qt6-base=$host_version through apt" \
            "(a 'deb-src' entry and the archive must be reachable); Qt for Windows is not built"
    local unpacked
    unpacked="$(find "$download" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
    [ -f "$unpacked/CMakeLists.txt" ] || die "the source package unpacked into nothing usable"
    rm -rf "$sources"
    mv "$unpacked" "$sources"
    rm -rf "$download"
}

# A copy of the toolchain file stays with the build folder, so that the build goes on from any
# clone of the project.
toolchain="$cache/qt-$version-mingw-toolchain.cmake"

configure() {
    # Configured again only when the options or the Qt version changed.
    if [ -f "$build/build.ninja" ] && [ "$(cat "$build/nivoconfig-options" 2>/dev/null)" = "$wanted" ]; then
        return 0
    fi
    echo "== configure $(date -u +%H:%M:%S)"
    time cmake -G Ninja -S "$sources" -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        "${options[@]}"
    echo "$wanted" >"$build/nivoconfig-options"
}

mkdir -p "$cache"
cmp -s cmake/mingw-w64-posix.cmake "$toolchain" || cp cmake/mingw-w64-posix.cmake "$toolchain"
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$wanted" ]; then
    fetch_sources
    configure
    echo "== build $(date -u +%H:%M:%S)"
    time ninja -C "$build" -j "${NIVO_QT_JOBS:-2}"
    echo "== install $(date -u +%H:%M:%S)"
    rm -f "$stamp"
    cmake --install "$build" >/dev/null
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_de.qm "$prefix/translations/"
    echo "$wanted" >"$stamp"
fi
echo "Qt $version for Windows is in $prefix ($(date -u +%H:%M:%S))"
