#!/usr/bin/env bash
# Saves the game's first frame as an X server (Xvfb) shows it, with a fixed clock so the
# pictures drawn are always the same. Compare two with ImageMagick:
#   compare -metric AE before.png after.png diff.png   (prints how many pixels differ)
# Usage: bench/frame.sh out.png [screen]
# The screen (WxHxDEPTH, 640x480x24 by default) decides the zoom the game starts at: 1280x1200x24
# shows it at 2x, 1280x1700x24 at 3x, 1280x2200x24 at 4x.
set -euo pipefail
out=$(realpath -m "${1:-frame.png}")
screen=${2:-640x480x24}
cd "$(dirname "$0")/.."
source bench/common.sh
build_probes pondivar_frame_probe
start_xvfb "$screen"
root=$PWD
(cd "$work" && DISPLAY=:$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
  "$root/build/pondivar_frame_probe" "$out" >/dev/null 2>&1)
echo "saved $out"
