#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
cmake --preset release -DPV_BUILD_TESTS=OFF >/dev/null
cmake --build --preset release
exec ./build/pondivar
