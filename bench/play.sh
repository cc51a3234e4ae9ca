#!/usr/bin/env bash
# Resident memory over long play: the real game played at random, fast, with sound and music on,
# with SDL's dummy sound device; offscreen, and under Xvfb too when it is installed.
# Usage: bench/play.sh [actions]   (default 4000)
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:-4000}
source bench/common.sh
build_probes pondivar_play_probe
mkdir -m 700 "$work/runtime"
root=$PWD

play() {
  echo "$1:"
  (cd "$work" && SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work/runtime" \
    "$root/build/pondivar_play_probe" "$actions" 2>/dev/null) |
    awk -F'[ =]' '{ printf "after %5d actions: %.1f MB resident", $2, $4 / 1024 }
                 NF > 4 { printf ", %.1f MB allocated by malloc", $6 / 1024 } { printf "\n" }'
}

offscreen_and_xvfb play
