#!/usr/bin/env bash
# Configures and builds into build/; programs land in build/bin/.
# Usage: scripts/build.sh [TARGET...]   (default: everything, tests included)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
if [ $# -eq 0 ]; then
    cmake --build --preset default
else
    cmake --build --preset default --target "$@"
fi
