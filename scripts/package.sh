#!/usr/bin/env bash
# Builds the Debian package nivoconfig_<version>_amd64.deb into build-package/ and checks it
# with lintian, desktop-file-validate and appstreamcli. Installs those tools when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh lintian desktop-file-utils appstream dpkg-dev fakeroot

# Only the three programs are built: the tests stay in build/. Hardened as Debian builds its
# packages; the flags name no path, so a clone elsewhere still hits the compiler cache.
dir=build-package
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
    -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro -Wl,-z,now" >/dev/null
cmake --build "$dir" -j2 --target NivoConfig nivoconfig-cli nivosim packaging_data
rm -f "$dir"/nivoconfig_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/nivoconfig_*_amd64.deb)
echo "Paket: $deb"
dpkg-deb --field "$deb"

# The checks run on the files as they are in the package.
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
# Errors fail the build; warnings are printed and listed in the README.
lintian --fail-on error "$deb"
echo "Paket geprüft: $deb"
