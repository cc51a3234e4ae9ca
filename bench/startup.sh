#!/usr/bin/env bash
# Start-up time (launch to the window's first frame) and resident memory once shown, of the real
# program against a floor: a bare Qt window with a menu bar and 60 push buttons. The two run
# interleaved, so a busy machine slows both alike; the ratio of the medians is what to compare.
# Offscreen always, under Xvfb too when it is installed, and once more with music on.
# Usage: bench/startup.sh [runs]   (default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
source bench/common.sh
build_probes pondivar_startup_probe pondivar_floor_probe
export SDL_AUDIODRIVER=dummy
root=$PWD
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One run of a probe in a fresh directory (so no settings file from an earlier run is read),
# or in the given one.
probe() {
  local program=$1 dir=${2:-}
  if [ -z "$dir" ]; then
    dir=$(mktemp -d -p "$work")
  fi
  (cd "$dir" && PV_LAUNCH_NS=$(date +%s%N) "$root/build/$program" 2>/dev/null)
}

mb() { awk '{ printf "%.1f", $1 / 1024 }'; }

# A settings file with music on, written by the game itself when told to switch music on.
music_dir=$work/music
mkdir "$music_dir"
(cd "$music_dir" && QT_QPA_PLATFORM=offscreen PV_PROBE_MUSIC_ON=1 "$root/build/pondivar_startup_probe" >/dev/null 2>&1)

measure() {
  local label=$1
  : >"$work/floor.txt"
  : >"$work/game.txt"
  : >"$work/music.txt"
  for _ in $(seq "$runs"); do
    probe pondivar_floor_probe >>"$work/floor.txt"
    probe pondivar_startup_probe >>"$work/game.txt"
    probe pondivar_startup_probe "$music_dir" >>"$work/music.txt"
  done
  # Memory once the song started after the first frame is playing.
  for _ in 1 2 3; do
    PV_PROBE_SETTLE_MS=1500 probe pondivar_startup_probe "$music_dir"
  done >"$work/settled.txt"
  local floor game music
  floor=$(field frame_ms "$work/floor.txt" | median)
  game=$(field frame_ms "$work/game.txt" | median)
  music=$(field frame_ms "$work/music.txt" | median)
  printf '%s, %d runs each: first frame after median %s ms (floor) vs %s ms (game): ratio %s;' \
    "$label" "$runs" "$floor" "$game" "$(awk -v a="$game" -v b="$floor" 'BEGIN { printf "%.2f", a / b }')"
  printf ' music on %s ms (ratio %s)\n' "$music" \
    "$(awk -v a="$music" -v b="$floor" 'BEGIN { printf "%.2f", a / b }')"
  printf '%s resident once shown, median (max): floor %s MB, game %s (%s) MB, music on %s (%s) MB\n' \
    "$label" "$(field rss_kb "$work/floor.txt" | median | mb)" \
    "$(field rss_kb "$work/game.txt" | median | mb)" "$(field rss_kb "$work/game.txt" | sort -n | tail -1 | mb)" \
    "$(field rss_kb "$work/music.txt" | median | mb)" "$(field rss_kb "$work/music.txt" | sort -n | tail -1 | mb)"
  printf '%s resident 1.5 s after the first frame with music playing: median %s MB\n' "$label" \
    "$(field settled_rss_kb "$work/settled.txt" | median | mb)"
}

offscreen_and_xvfb measure
