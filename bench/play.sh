#!/usr/bin/env bash
# Resident memory over long play: the real game played at random, fast, with sound and music on,
# with SDL's dummy sound device; offscreen, and under Xvfb too when it is installed.
# Usage: bench/play.sh [actions]   (default 4000)
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:-4000}
cmake --preset release -DPV_BUILD_BENCH=ON >/dev/null
cmake --build --preset release --target pondivar_play_probe >/dev/null
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
root=$PWD

play() {
  echo "$1:"
  (cd "$work" && SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work/runtime" \
    "$root/build/pondivar_play_probe" "$actions" 2>/dev/null) |
    awk -F'[ =]' '{ printf "after %5d actions: %.1f MB resident", $2, $4 / 1024 }
                 NF > 4 { printf ", %.1f MB allocated by malloc", $6 / 1024 } { printf "\n" }'
}

QT_QPA_PLATFORM=offscreen play offscreen

if command -v Xvfb >/dev/null; then
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 10 display <&"$fd"
  DISPLAY=:$display QT_QPA_PLATFORM=xcb play Xvfb
else
  echo "Xvfb is not installed (apt-get install xvfb): no measurement on an X server"
fi
