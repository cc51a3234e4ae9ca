#!/usr/bin/env bash
# Checks the sound effects the game loads: every file present, RIFF WAVE, mono
# PCM at the rate and sample size the game expects, a length that suits its
# use, not clipped and not silent. Prints one line per file and exits non-zero
# on any problem.
#
#   tools/sounds/check_sounds.sh [sounds-dir]
set -uo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
DIR=${1:-$HERE/../../src/assets/sounds}
command -v soxi >/dev/null || { echo "missing tool: soxi (apt-get install sox)" >&2; exit 2; }

fail=0
bad() { echo "FAIL $*"; fail=1; }

# group: first id, count, min seconds, max seconds
RANGES="400 5 0.4 1.5
420 10 0.3 1.0
440 5 0.05 0.3
460 4 1.0 3.0
464 1 10.0 12.0
470 7 1.0 3.0
480 4 1.5 4.0
490 1 0.05 0.15
491 1 0.008 0.012"

expected_format() { # id -> "rate bits encoding"
    case $1 in
        473) echo "11000 8 Unsigned" ;;
        481|491) echo "8000 16 Signed" ;;
        *) echo "11025 8 Unsigned" ;;
    esac
}

count=0 mind=999 maxd=0 minid= maxid= maxpk=-999 maxpkid=
printf "%-4s %6s %3s %-9s %8s %8s %8s\n" id rate bit encoding seconds peak_dB rms_dB
while read -r first n lo hi; do
    for ((i = 0; i < n; i++)); do
        id=$((first + i))
        f="$DIR/$id.wav"
        if [ ! -f "$f" ]; then bad "$id: missing $f"; continue; fi
        count=$((count + 1))
        if [ "$(head -c 4 "$f")" != RIFF ] || [ "$(head -c 12 "$f" | tail -c 4)" != WAVE ]; then
            bad "$id: not a RIFF WAVE file"
        fi
        t=$(soxi -t "$f") ch=$(soxi -c "$f") rate=$(soxi -r "$f") bits=$(soxi -b "$f")
        enc=$(soxi -e "$f" | awk '{print $1}')
        dur=$(soxi -D "$f")
        read -r pk rms < <(sox "$f" -n stats 2>&1 | awk '/Pk lev dB/{p=$4} /RMS lev dB/{r=$4} END{print p, r}')
        printf "%-4s %6s %3s %-9s %8.3f %8s %8s\n" "$id" "$rate" "$bits" "$enc" "$dur" "$pk" "$rms"
        read -r erate ebits eenc <<<"$(expected_format "$id")"
        [ "$t" = wav ] || bad "$id: type $t"
        [ "$ch" = 1 ] || bad "$id: $ch channels, want mono"
        [ "$rate" = "$erate" ] || bad "$id: rate $rate, want $erate"
        [ "$bits" = "$ebits" ] || bad "$id: $bits bits, want $ebits"
        [ "$enc" = "$eenc" ] || bad "$id: encoding $enc, want $eenc"
        awk -v d="$dur" -v lo="$lo" -v hi="$hi" 'BEGIN{exit !(d >= lo && d <= hi)}' ||
            bad "$id: $dur s, want $lo..$hi s"
        # 0 dBFS means clipped; the scripts aim for about -3
        awk -v p="$pk" 'BEGIN{exit !(p < -0.5)}' || bad "$id: peak $pk dBFS, too close to clipping"
        awk -v r="$rms" 'BEGIN{exit !(r > -40)}' || bad "$id: RMS $rms dBFS, too quiet"
        if awk -v d="$dur" -v m="$mind" 'BEGIN{exit !(d < m)}'; then mind=$dur minid=$id; fi
        if awk -v d="$dur" -v m="$maxd" 'BEGIN{exit !(d > m)}'; then maxd=$dur maxid=$id; fi
        if awk -v p="$pk" -v m="$maxpk" 'BEGIN{exit !(p > m)}'; then maxpk=$pk maxpkid=$id; fi
    done
done <<<"$RANGES"

extra=$(ls "$DIR"/*.wav 2>/dev/null | wc -l)
[ "$extra" -eq 38 ] || bad "found $extra .wav files in $DIR, want 38"
[ "$minid" = 491 ] || bad "shortest file is $minid, want 491"
[ "$maxid" = 464 ] || bad "longest file is $maxid, want 464"

echo "files: $count; shortest: $minid ($mind s); longest: $maxid ($maxd s); highest peak: $maxpkid ($maxpk dBFS)"
if [ $fail -ne 0 ]; then echo "sounds: FAILED"; exit 1; fi
echo "sounds: all OK"
