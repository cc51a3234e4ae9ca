#!/usr/bin/env bash
# Saves the game's first frame as an X server (Xvfb) shows it, with a fixed clock so the
# pictures drawn are always the same. Compare two with ImageMagick:
#   compare -metric AE before.png after.png diff.png   (prints how many pixels differ)
# Usage: bench/frame.sh out.png
set -euo pipefail
out=$(realpath -m "${1:-frame.png}")
cd "$(dirname "$0")/.."
source bench/common.sh
build_probes pondivar_frame_probe
start_xvfb 640x480x24
root=$PWD
(cd "$work" && DISPLAY=:$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
  "$root/build/pondivar_frame_probe" "$out" >/dev/null 2>&1)
echo "saved $out"
