#!/usr/bin/env bash
# Builds the seeded game and plays it: with a seed, that game; without, seeds 1 to 5. Two builds
# that print the same lines made the same draws, showed the same windows, played the same sounds
# and left the same files; run it in both trees and compare:
#   diff <(bench/seeded_game.sh) <(cd ../other-tree && bench/seeded_game.sh)
# Usage: bench/seeded_game.sh [seed] [actions]   (actions default 3000)
# The build goes to build-seeded/ (or $PV_SEEDED_BUILD), the core and tests only, with ccache
# when it is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PV_SEEDED_BUILD:-build-seeded}
actions=${2:-3000}
seeds=${1:-1 2 3 4 5}

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPV_BUILD_GAME=OFF -DPV_BUILD_TESTS=ON \
  -DPV_BUILD_BENCH=ON "${launcher[@]}" >/dev/null
nice cmake --build "$build" --target pondivar_seeded_game >/dev/null

for seed in $seeds; do
  "$build/pondivar_seeded_game" "$seed" "$actions"
done
