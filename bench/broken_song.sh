#!/usr/bin/env bash
# What the whole program costs while music is on and the song file cannot be written: a link
# stands in its place, pointing at a song cut short, as a full disk leaves it. Runs the real game offscreen with the
# disk audio driver for N seconds and prints its CPU use and how many lines it wrote to stderr.
# Usage: bench/broken_song.sh [seconds] [program]   (default 10, build/pondivar)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
program=$(realpath "${2:-build/pondivar}")
if [ $# -lt 2 ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target pondivar >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 0700 "$work/runtime" "$work/runtime/pondivar" "$work/game"
head -c 600 src/assets/songs/300.mid >"$work/cut.mid"
ln -s "$work/cut.mid" "$work/runtime/pondivar/pv2pv2pv.mid"
# A settings file with music on and the usual colours.
python3 - "$work/game/pv2.pv2" <<'PY'
import struct, sys
header = bytearray(133)
header[0:4] = b"PV21"
header[33] = ord("x")
header[35] = 0xFF
struct.pack_into("<III", header, 38, 195, 188, 187)
open(sys.argv[1], "wb").write(header)
PY
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null
(cd "$work/game" && XDG_RUNTIME_DIR="$work/runtime" exec "$program" 2>"$work/stderr.txt") &
pid=$!
sleep 1  # start-up is not what is measured
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
lines_before=$(wc -l <"$work/stderr.txt")
sleep "$seconds"
after=$(ticks)
lines_after=$(wc -l <"$work/stderr.txt")
kill -KILL "$pid"  # builds before the end-of-session handling ignored a polite request
wait "$pid" 2>/dev/null || true
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" -v l=$((lines_after - lines_before)) \
  'BEGIN { printf "broken song, %d s: %.1f %% of one core, %d lines on stderr\n", s, 100 * t / hz / s, l }'
