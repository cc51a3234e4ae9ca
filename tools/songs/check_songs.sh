#!/usr/bin/env bash
# Checks the background songs: for each id 300..346 the .abc source and the
# .mid file are there, the MIDI file is format 1 with 10 to 14 tracks, and a
# render through FluidSynth with the game's SoundFont lasts 40 s to 3 min, is
# clearly audible and does not clip. One line per song; exits non-zero on any
# problem. Renders one song at a time into a temp dir under /tmp.
#
#   tools/songs/check_songs.sh [songs-dir] [soundfont]
set -uo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
DIR=${1:-$HERE/../../src/assets/songs}
SF2=${2:-/usr/share/sounds/sf2/TimGM6mb.sf2}
for tool in fluidsynth sox soxi od; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (apt-get install fluidsynth sox)" >&2; exit 2; }
done
[ -f "$SF2" ] || { echo "missing SoundFont $SF2 (apt-get install timgm6mb-soundfont)" >&2; exit 2; }

TMP=$(mktemp -d /tmp/pondivar-songs.XXXXXX)
trap 'rm -rf "$TMP"' EXIT

MIN_S=40 MAX_S=180 MIN_RMS=-45 MAX_PEAK=-0.3
fail=0
bad() { echo "FAIL $*"; fail=1; }

mind=999 maxd=0 maxpk=-999 minrms=0 n=0
printf "%-4s %6s %6s %9s %8s %8s\n" id format tracks seconds peak_dB rms_dB
for id in $(seq 300 346); do
    mid="$DIR/$id.mid" abc="$DIR/$id.abc"
    [ -f "$abc" ] || bad "$id: missing $abc"
    if [ ! -f "$mid" ]; then bad "$id: missing $mid"; continue; fi
    n=$((n + 1))
    # MThd header: "MThd", length 6, format, number of tracks, division
    read -r -a h <<<"$(od -An -tx1 -N14 "$mid")"
    magic="${h[0]}${h[1]}${h[2]}${h[3]}"
    fmt=$((16#${h[8]}${h[9]}))
    ntrk=$((16#${h[10]}${h[11]}))
    fluidsynth -ni -q -F "$TMP/out.wav" -r 44100 "$SF2" "$mid" >/dev/null 2>&1 ||
        bad "$id: fluidsynth failed"
    dur=$(soxi -D "$TMP/out.wav" 2>/dev/null || echo 0)
    read -r pk rms < <(sox "$TMP/out.wav" -n stats 2>&1 | awk '/Pk lev dB/{p=$4} /RMS lev dB/{r=$4} END{print p, r}')
    printf "%-4s %6s %6s %9.1f %8s %8s\n" "$id" "$fmt" "$ntrk" "$dur" "$pk" "$rms"
    [ "$magic" = 4d546864 ] || bad "$id: not a Standard MIDI File"
    [ "$fmt" = 1 ] || bad "$id: MIDI format $fmt, want 1"
    { [ "$ntrk" -ge 10 ] && [ "$ntrk" -le 14 ]; } || bad "$id: $ntrk tracks, want 10..14"
    awk -v d="$dur" -v lo=$MIN_S -v hi=$MAX_S 'BEGIN{exit !(d >= lo && d <= hi)}' ||
        bad "$id: lasts $dur s, want $MIN_S..$MAX_S s"
    awk -v p="$pk" -v m=$MAX_PEAK 'BEGIN{exit !(p != "" && p < m)}' || bad "$id: peak $pk dBFS, clips"
    awk -v r="$rms" -v m=$MIN_RMS 'BEGIN{exit !(r != "" && r > m)}' || bad "$id: RMS $rms dBFS, too quiet"
    mind=$(awk -v a="$mind" -v b="$dur" 'BEGIN{print (b < a) ? b : a}')
    maxd=$(awk -v a="$maxd" -v b="$dur" 'BEGIN{print (b > a) ? b : a}')
    maxpk=$(awk -v a="$maxpk" -v b="$pk" 'BEGIN{print (b > a) ? b : a}')
    minrms=$(awk -v a="$minrms" -v b="$rms" 'BEGIN{print (b < a) ? b : a}')
done

count=$(ls "$DIR"/*.mid 2>/dev/null | wc -l)
[ "$count" -eq 47 ] || bad "found $count .mid files in $DIR, want 47"
echo "songs: $n checked; duration $mind..$maxd s; highest peak $maxpk dBFS; lowest RMS $minrms dBFS"
if [ $fail -ne 0 ]; then echo "songs: FAILED"; exit 1; fi
echo "songs: all OK"
