#!/usr/bin/env bash
# A year of answers (73,000 over 365 days) written through the answer log into a scratch data
# folder, as player "Mia"; then read back and reported on: the file's size, each step's time,
# what an append costs the drill and what fdatasync costs the sync thread. Then the program
# itself: `pondivar --report` on that folder, and the game's start-up as Mia against the bare-window
# floor (interleaved, offscreen), both timed from launch. The folder's file system decides the
# sync cost; give another folder to measure there.
# Usage: bench/report.sh [folder] [runs]   (runs default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build_probes pondivar_report_bench pondivar pondivar_startup_probe pondivar_floor_probe
root=$PWD
runs=${2:-11}
folder=$(mktemp -d "${1:-$work}/report-bench-XXXXXX")
trap 'rm -rf "$folder"; cleanup' EXIT
echo "folder: $folder ($(stat -f -c %T "$folder"))"
./build/pondivar_report_bench "$folder"

ms_since() { echo $((($(date +%s%N) - $1) / 1000)) | awk '{ printf "%.1f\n", $1 / 1000 }'; }
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  ./build/pondivar --data-folder "$folder" --report >/dev/null
  ms_since "$start"
done >"$work/report.txt"
echo "pondivar --report, whole process, $runs runs: median $(median <"$work/report.txt") ms"

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
: >"$work/floor.txt"
: >"$work/game.txt"
for _ in $(seq "$runs"); do
  (cd "$work" && PV_LAUNCH_NS=$(date +%s%N) "$root/build/pondivar_floor_probe" 2>/dev/null) >>"$work/floor.txt"
  (cd "$folder" && PV_PROBE_PLAYER=Mia PV_LAUNCH_NS=$(date +%s%N) \
    "$root/build/pondivar_startup_probe" 2>/dev/null) >>"$work/game.txt"
done
floor=$(field frame_ms "$work/floor.txt" | median)
game=$(field frame_ms "$work/game.txt" | median)
printf 'start-up as Mia, a year on record, offscreen, %d runs each: first frame after median %s ms (floor) vs %s ms (game): ratio %s\n' \
  "$runs" "$floor" "$game" "$(awk -v a="$game" -v b="$floor" 'BEGIN { printf "%.2f", a / b }')"
