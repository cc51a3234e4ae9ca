#!/usr/bin/env bash
# Saves the game's first frame as an X server (Xvfb) shows it, with a fixed clock so the
# pictures drawn are always the same. Compare two with ImageMagick:
#   compare -metric AE before.png after.png diff.png   (prints how many pixels differ)
# Usage: bench/frame.sh out.png
set -euo pipefail
out=$(realpath -m "${1:-frame.png}")
cd "$(dirname "$0")/.."
cmake --preset release -DPV_BUILD_BENCH=ON >/dev/null
cmake --build --preset release --target pondivar_frame_probe >/dev/null
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&"$fd"
root=$PWD
(cd "$work" && DISPLAY=:$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
  "$root/build/pondivar_frame_probe" "$out" >/dev/null 2>&1)
echo "saved $out"
