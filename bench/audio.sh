#!/usr/bin/env bash
# Sound latency and the CPU cost of music, measured on the real audio back end with SDL's disk
# driver (which plays in real time into a file). Usage: bench/audio.sh [music seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
source bench/common.sh
build_probes pondivar_audio_probe
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk XDG_RUNTIME_DIR="$work"
SDL_DISKAUDIOFILE="$work/latency.raw" ./build/pondivar_audio_probe latency 2>/dev/null
SDL_DISKAUDIOFILE="$work/music.raw" ./build/pondivar_audio_probe music "$seconds" 2>/dev/null |
  tee "$work/music.txt"
rate=$(sed -n 's/.*device at \([0-9]*\) Hz.*/\1/p' "$work/music.txt")
sox -t raw -r "$rate" -e signed -b 16 -c 2 "$work/music.raw" -n stat 2>&1 |
  grep -E 'Length|Maximum amplitude|RMS +amplitude' | sed 's/^/music capture: /'
