#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the programs need, when missing, and
# generates the locales the tests run under.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    libgtest-dev libgmock-dev
    qt6-base-dev qt6-svg-dev qt6-translations-l10n libcli11-dev
    qt6-l10n-tools qt6-tools-dev
    libssl-dev
    poppler-utils fonts-dejavu-core
    clang-format ccache
    locales
    ser2net
)
locales=(de_DE en_US)

"$(dirname "$0")/install-missing.sh" "${packages[@]}"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

for l in "${locales[@]}"; do
    if ! locale -a 2>/dev/null | grep -qix "$l.utf8"; then
        echo "Generating the locale $l.UTF-8"
        $sudo localedef -i "$l" -f UTF-8 "$l.UTF-8"
    fi
done
