#!/usr/bin/env bash
# Resident memory over long play: the real game played at random, fast, with sound and music on,
# offscreen and with SDL's dummy sound device. Usage: bench/play.sh [actions]   (default 4000)
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:-4000}
cmake --preset release -DPV_BUILD_BENCH=ON >/dev/null
cmake --build --preset release --target pondivar_play_probe >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
root=$PWD
(cd "$work" && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work/runtime" \
  "$root/build/pondivar_play_probe" "$actions" 2>/dev/null) |
  awk -F'[ =]' '{ printf "after %5d actions: %.1f MB resident", $2, $4 / 1024 }
               NF > 4 { printf ", %.1f MB allocated by malloc", $6 / 1024 } { printf "\n" }'
