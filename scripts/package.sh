#!/usr/bin/env bash
# Builds the Debian package nivoconfig_<version>_amd64.deb into build-package/ and checks it
# with lintian, desktop-file-validate and appstreamcli. Installs those tools when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh lintian desktop-file-utils appstream dpkg-dev fakeroot

# The package holds the programs the suite ran against: those of build/, which the default preset
# hardens as Debian builds its packages. Built here only when ./test.sh has not built them.
scripts/build.sh NivoConfig nivoconfig-cli nivosim packaging_data
dir=build-package
rm -rf "$dir"
(cd build && cpack -G DEB -B "$PWD/../$dir" >/dev/null)
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
