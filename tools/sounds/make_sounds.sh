#!/usr/bin/env bash
# Builds every sound effect of the game from scratch with sox (and espeak-ng
# for the spoken "bye bye"). Nothing is sampled from elsewhere.
#
#   tools/sounds/make_sounds.sh [output-dir]
#
# Output defaults to src/assets/sounds/. Work files go to a temp dir in /tmp.
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
OUT=${1:-$HERE/../../src/assets/sounds}
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
TMP=$(mktemp -d /tmp/pondivar-sounds.XXXXXX)
trap 'rm -rf "$TMP"' EXIT

for tool in sox espeak-ng awk; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (apt-get install sox espeak-ng)" >&2; exit 1; }
done

# -R seeds sox's random generators (noise sources) the same way every run,
# so the files only change when the script does.
sox() { command sox -R "$@"; }

SR=44100
# Work files are 32-bit float so that mixing many notes loses nothing before
# the final reduction to 8 bits.
WF=(-r $SR -c 1 -b 32 -e floating-point)

hz() { awk -v m="$1" 'BEGIN { printf "%.3f", 440 * 2 ^ ((m - 69) / 12) }'; }
mul() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a * b }'; }

# Notes are made inside $(...) subshells, so each gets a mktemp name rather
# than a counter (a counter would not survive the subshell).
# note KIND START DUR MIDI [VOL]  -> prints the path of a new work file
# holding one note that starts START seconds into the sound.
note() {
    local kind=$1 start=$2 dur=$3 midi=$4 vol=${5:-1.0}
    local f; f=$(hz "$midi")
    local out; out=$(mktemp "$TMP/nXXXXXXXX.wav")
    case $kind in
        bell)    # harmonic partials, long ring: chimes
            sox -n -r $SR -c 3 -b 32 -e floating-point "$TMP/p.wav" synth "$dur" sine "$f" sine "$(mul "$f" 2)" sine "$(mul "$f" 3)"
            sox "$TMP/p.wav" "${WF[@]}" "$out" remix 1v0.62,2v0.25,3v0.10 fade t 0.004 "$dur" "$dur" ;;
        glock)   # inharmonic partials of a small metal bar
            sox -n -r $SR -c 3 -b 32 -e floating-point "$TMP/p.wav" synth "$dur" sine "$f" sine "$(mul "$f" 2.76)" sine "$(mul "$f" 5.40)"
            sox "$TMP/p.wav" "${WF[@]}" "$out" remix 1v0.75,2v0.18,3v0.06 fade t 0.002 "$dur" "$dur" ;;
        marimba) # wooden bar: fundamental plus a quickly fading 4th partial
            sox -n -r $SR -c 2 -b 32 -e floating-point "$TMP/p.wav" synth "$dur" sine "$f" sine "$(mul "$f" 4)"
            sox "$TMP/p.wav" "${WF[@]}" "$out" remix 1v0.85,2v0.12 fade p 0.003 "$dur" "$dur" ;;
        soft)    # plain sine, rounded ends: the gentlest voice
            sox -n "${WF[@]}" "$out" synth "$dur" sine "$f" fade h 0.02 "$dur" "$(mul "$dur" 0.6)" ;;
        tri)     # triangle, mellow but a bit brighter than a sine
            sox -n "${WF[@]}" "$out" synth "$dur" triangle "$f" fade h 0.01 "$dur" "$(mul "$dur" 0.7)" ;;
        pluck)   # plucked string
            sox -n "${WF[@]}" "$out" synth "$dur" pluck "$f" fade t 0.001 "$dur" "$(mul "$dur" 0.5)" ;;
        brass)   # soft brass: a sawtooth with its edge filtered off
            sox -n "${WF[@]}" "$out" synth "$dur" sawtooth "$f" lowpass 1800 lowpass 2400 \
                fade h 0.03 "$dur" "$(mul "$dur" 0.5)" ;;
        *) echo "unknown note kind $kind" >&2; exit 1 ;;
    esac
    sox "$out" "$TMP/tmpv.wav" vol "$vol" pad "$start" && mv "$TMP/tmpv.wav" "$out"
    echo "$out"
}

# mix OUT FILE... : sums the notes (sox scales them, the final step normalises)
mix() {
    local out=$1; shift
    if [ $# -eq 1 ]; then cp "$1" "$out"; else sox -m "$@" "${WF[@]}" "$out"; fi
}

# seq_notes KIND STEP VOL "beat:midi:beats ..." : notes on a beat grid of STEP seconds
seq_notes() {
    local kind=$1 step=$2 vol=$3 notes=$4 item t m l
    for item in $notes; do
        IFS=: read -r t m l <<<"$item"
        note "$kind" "$(mul "$t" "$step")" "$(mul "$l" "$step")" "$m" "$vol"
    done
}

# voice TEXT VOICE PITCH SPEED START : a spoken phrase, resampled for mixing
voice() {
    local out; out=$(mktemp "$TMP/vXXXXXXXX.wav")
    espeak-ng -v "$2" -p "$3" -s "$4" -w "$TMP/say.wav" "$1"
    # a little low-pass and a touch of reverb take the robot edge off
    sox "$TMP/say.wav" "${WF[@]}" "$out" highpass 120 lowpass 5000 reverb 20 50 60 vol "${6:-1.0}" pad "$5"
    echo "$out"
}

# finish WORK ID RATE BITS PEAK_DB : normalise, fade the ends, write the asset
finish() {
    local in=$1 id=$2 rate=$3 bits=$4 peak=${5:--3}
    local enc=unsigned-integer
    [ "$bits" = 16 ] && enc=signed-integer
    local fin=0.004 fout=0.02
    # no dither (-D): at 8 bits it would add a steady hiss under every sound
    sox -D "$in" -r "$rate" -b "$bits" -e "$enc" -c 1 "$OUT/$id.wav" \
        highpass 25 rate -v "$rate" gain -n "$peak" fade q "$fin" -0 "$fout"
}

std() { finish "$1" "$2" 11025 8 "${3:--3}"; }

# ---------------------------------------------------------------- right answer
# 400: bright arpeggio up to the octave
mix "$TMP/400.wav" $(seq_notes bell 0.075 1.0 "0:72:8 1:76:7 2:79:6 3:84:8")
std "$TMP/400.wav" 400
# 401: "ding-ding", a fifth then the octave
mix "$TMP/401.wav" $(seq_notes glock 0.16 1.0 "0:79:3 1:84:4")
std "$TMP/401.wav" 401
# 402: sparkle run that settles on a major chord
mix "$TMP/402.wav" $(seq_notes glock 0.05 0.7 "0:84:4 1:86:4 2:88:4 3:91:4 4:93:4 5:96:6") \
    $(seq_notes bell 0.05 0.8 "6:72:18 6:76:18 6:79:18")
std "$TMP/402.wav" 402
# 403: "ta-daa": two pick-up notes and a warm chord
mix "$TMP/403.wav" $(seq_notes marimba 0.11 1.0 "0:67:1 1:72:1") \
    $(seq_notes bell 0.11 0.9 "2:72:7 2:76:7 2:79:7 2:84:7")
std "$TMP/403.wav" 403
# 404: marimba climbing three notes
mix "$TMP/404.wav" $(seq_notes marimba 0.12 1.0 "0:76:2 1:79:2 2:84:4") \
    $(seq_notes bell 0.12 0.35 "2:96:3")
std "$TMP/404.wav" 404

# ---------------------------------------------------------------- wrong answer
# Kept low, round and slow: a "not quite", never a buzzer.
# 420: soft low boop sliding down a little
sox -n "${WF[@]}" "$TMP/420.wav" synth 0.38 sine 262:196 fade h 0.03 0.38 0.25
std "$TMP/420.wav" 420 -4
# 421: two descending notes, E then C
mix "$TMP/421.wav" $(seq_notes soft 0.2 1.0 "0:64:1.1 1:60:1.6")
std "$TMP/421.wav" 421 -4
# 422: soft buzz, filtered and quiet
sox -n "${WF[@]}" "$TMP/422.wav" synth 0.42 sawtooth 110 lowpass 380 lowpass 380 tremolo 9 40 fade h 0.05 0.42 0.2
std "$TMP/422.wav" 422 -8
# 423: "uh-oh", a falling minor third
mix "$TMP/423.wav" $(seq_notes tri 0.22 1.0 "0:67:1 1.2:64:1.6")
std "$TMP/423.wav" 423 -5
# 424: wobbly boop
sox -n "${WF[@]}" "$TMP/424.wav" synth 0.5 sine 300:200 tremolo 7 35 fade h 0.03 0.5 0.3
std "$TMP/424.wav" 424 -4
# 425: three gentle steps down on a marimba
mix "$TMP/425.wav" $(seq_notes marimba 0.15 1.0 "0:64:1.2 1:62:1.2 2:60:2.2")
std "$TMP/425.wav" 425 -4
# 426: a soft "bonk" on a low string
mix "$TMP/426.wav" $(seq_notes pluck 0.3 1.0 "0:45:1")
std "$TMP/426.wav" 426 -4
# 427: "nuh-uh", two low hums
sox -n "${WF[@]}" "$TMP/h1.wav" synth 0.16 sawtooth 150 lowpass 350 lowpass 350 fade h 0.03 0.16 0.08
sox -n "${WF[@]}" "$TMP/h2.wav" synth 0.22 sawtooth 130 lowpass 320 lowpass 320 fade h 0.03 0.22 0.12 pad 0.22
mix "$TMP/427.wav" "$TMP/h1.wav" "$TMP/h2.wav"
std "$TMP/427.wav" 427 -7
# 428: slide-whistle sighing downwards
sox -n "${WF[@]}" "$TMP/428.wav" synth 0.55 sine 620:310 fade h 0.04 0.55 0.25
std "$TMP/428.wav" 428 -5
# 429: low B-flat to G, like a shrug
mix "$TMP/429.wav" $(seq_notes tri 0.25 1.0 "0:58:1.1 1.2:55:1.6")
std "$TMP/429.wav" 429 -4

# ---------------------------------------------------------------- clicks
# 440: pop
sox -n "${WF[@]}" "$TMP/440.wav" synth 0.06 sine 1100:420 fade h 0.002 0.06 0.04
std "$TMP/440.wav" 440
# 441: wood-block
mix "$TMP/441.wav" $(seq_notes marimba 0.09 1.0 "0:88:1")
std "$TMP/441.wav" 441
# 442: bubble (rising pop)
sox -n "${WF[@]}" "$TMP/442.wav" synth 0.08 sine 380:1250 fade h 0.003 0.08 0.04
std "$TMP/442.wav" 442
# 443: soft filtered tick
sox -n "${WF[@]}" "$TMP/443.wav" synth 0.07 pinknoise bandpass 2500 1.2 bandpass 2500 1.2 fade p 0.001 0.07 0.065
std "$TMP/443.wav" 443
# 444: two-tone click
mix "$TMP/444.wav" $(seq_notes glock 0.045 0.9 "0:86:1.4 1:91:2")
std "$TMP/444.wav" 444

# ---------------------------------------------------------------- start-up
# 460: arpeggio and chord
mix "$TMP/460.wav" $(seq_notes bell 0.12 1.0 "0:60:6 1:64:6 2:67:6 3:72:9 3:76:9") \
    $(seq_notes soft 0.12 0.5 "0:48:12")
std "$TMP/460.wav" 460
# 461: glissando sparkle up, then a shimmering chord
mix "$TMP/461.wav" $(seq_notes glock 0.04 0.6 "0:72:3 1:74:3 2:76:3 3:79:3 4:81:3 5:84:3 6:86:3 7:88:3 8:91:6") \
    $(seq_notes bell 0.04 0.9 "9:67:38 9:72:38 9:76:38") $(seq_notes soft 0.04 0.5 "9:48:36")
std "$TMP/461.wav" 461
# 462: a little marimba tune
mix "$TMP/462.wav" $(seq_notes marimba 0.16 1.0 "0:67:1 1:72:1 2:76:1 3:79:2 5:76:1 6:79:2 8:84:5") \
    $(seq_notes soft 0.16 0.45 "0:48:4 4:55:4 8:48:5")
std "$TMP/462.wav" 462
# 463: gentle brass chords C F G C
mix "$TMP/463.wav" $(seq_notes brass 0.3 0.8 "0:60:1 0:64:1 0:67:1 1:60:1 1:65:1 1:69:1 2:62:1 2:67:1 2:71:1 3:64:4 3:67:4 3:72:4") \
    $(seq_notes bell 0.3 0.6 "3:84:4") $(seq_notes soft 0.3 0.5 "0:48:1 1:53:1 2:55:1 3:48:4")
std "$TMP/463.wav" 463
# 464: the long start-up tune (about 11 s): bells over a marimba bass
M464="0:72:1 1:76:1 2:79:2 4:76:1 5:79:1 6:84:2
      8:81:2 10:77:1 11:81:1 12:84:2 14:81:2
      16:79:1 17:83:1 18:86:2 20:83:1 21:79:1 22:81:1 23:83:1
      24:84:2 26:79:2 28:76:1 29:79:1 30:81:2
      32:77:1 33:81:1 34:84:2 36:83:1 37:81:1 38:79:1 39:83:1
      40:84:5"
B464="0:48:4 4:55:4 8:53:4 12:57:4 16:55:4 20:50:4 24:48:4 28:57:4 32:53:4 36:55:4 40:48:5"
C464="0:64:8 0:67:8 8:65:8 8:69:8 16:62:8 16:67:8 24:64:4 24:67:4 28:64:4 28:69:4 32:65:4 32:69:4 36:62:4 36:67:4 40:64:5 40:67:5"
mix "$TMP/464.wav" $(seq_notes bell 0.25 1.0 "$M464") $(seq_notes marimba 0.25 0.9 "$B464") \
    $(seq_notes soft 0.25 0.25 "$C464") $(seq_notes glock 0.25 0.35 "40:96:5")
std "$TMP/464.wav" 464

# ---------------------------------------------------------------- farewell
# 470: "bye bye!" and three falling chimes
mix "$TMP/470.wav" "$(voice 'Bye bye!' en-us+f3 72 140 0)" $(seq_notes bell 0.18 0.8 "4:79:3 5:76:3 6:72:6")
std "$TMP/470.wav" 470
# 471: chimes falling gently to rest
mix "$TMP/471.wav" $(seq_notes bell 0.2 1.0 "0:84:3 1:79:3 2:76:3 3:72:6") $(seq_notes soft 0.2 0.4 "3:48:6")
std "$TMP/471.wav" 471
# 472: another voice, answered by a two-note "bye-bye"
mix "$TMP/472.wav" "$(voice 'Bye bye!' en+Annie 65 130 0)" $(seq_notes glock 0.22 0.8 "5:76:2 6:72:4")
std "$TMP/472.wav" 472
# 473: marimba stepping down to a soft chord (stored at 11000 Hz)
mix "$TMP/473.wav" $(seq_notes marimba 0.18 1.0 "0:79:1 1:76:1 2:74:1 3:72:4") \
    $(seq_notes bell 0.18 0.5 "3:64:7 3:67:7") $(seq_notes soft 0.18 0.45 "3:48:7")
finish "$TMP/473.wav" 473 11000 8 -3
# 474: "goodbye!" and a little sparkle
mix "$TMP/474.wav" "$(voice 'Goodbye!' en-us+f4 70 135 0)" $(seq_notes glock 0.08 0.6 "12:91:3 13:88:3 14:84:3 15:79:8")
std "$TMP/474.wav" 474
# 475: "bye-bye, bye-bye" sung by the bells, then a chord
mix "$TMP/475.wav" $(seq_notes bell 0.2 1.0 "0:79:1 1:76:2 3:79:1 4:76:2 6:72:5 6:67:5") $(seq_notes soft 0.2 0.4 "6:48:5")
std "$TMP/475.wav" 475
# 476: lullaby-like descent with a slow shimmer
mix "$TMP/476.wav" $(seq_notes tri 0.3 0.7 "0:76:1 1:74:1 2:72:1 3:67:1 4:72:4") \
    $(seq_notes bell 0.3 0.6 "4:84:4 4:88:4") $(seq_notes soft 0.3 0.4 "0:48:8")
std "$TMP/476.wav" 476

# ---------------------------------------------------------------- level done
# 480: brass fanfare, triplet pick-up into a long chord
mix "$TMP/480.wav" $(seq_notes brass 0.12 0.9 "0:67:1 1:67:1 2:67:1 3:72:3 6:67:1 7:72:1 8:76:10 8:72:10 8:67:10") \
    $(seq_notes bell 0.12 0.6 "8:84:10 8:88:10") $(seq_notes soft 0.12 0.5 "3:48:3 8:48:10")
std "$TMP/480.wav" 480
# 481: runs up and a big chord with sparkles (stored 16-bit, 8000 Hz)
mix "$TMP/481.wav" $(seq_notes marimba 0.07 1.0 "0:60:2 1:64:2 2:67:2 3:72:2 4:64:2 5:67:2 6:72:2 7:76:2 8:67:2 9:72:2 10:76:2 11:79:2") \
    $(seq_notes bell 0.07 0.9 "12:72:20 12:76:20 12:79:20 12:84:20") \
    $(seq_notes glock 0.07 0.4 "14:91:4 16:88:4 18:91:4 20:96:10") $(seq_notes soft 0.07 0.5 "12:48:20")
finish "$TMP/481.wav" 481 8000 16 -3
# 482: "ta-da-da-daaa" with a soft cymbal-like shimmer
sox -n "${WF[@]}" "$TMP/shimmer.wav" synth 1.6 pinknoise highpass 6000 fade p 0.01 1.6 1.5 vol 0.25 pad 0.6
mix "$TMP/482.wav" $(seq_notes brass 0.15 0.8 "0:72:1 1:72:1 2:72:1 4:79:6 4:76:6 4:72:6") \
    $(seq_notes bell 0.15 0.8 "4:84:9 4:91:9") $(seq_notes soft 0.15 0.5 "0:48:1 4:48:9") "$TMP/shimmer.wav"
std "$TMP/482.wav" 482
# 483: a major scale straight up, then the chord
mix "$TMP/483.wav" $(seq_notes glock 0.09 0.9 "0:72:2 1:74:2 2:76:2 3:77:2 4:79:2 5:81:2 6:83:2 7:84:3") \
    $(seq_notes bell 0.09 0.9 "8:72:20 8:76:20 8:79:20") $(seq_notes marimba 0.09 0.6 "8:48:6 12:55:6 16:48:12")
std "$TMP/483.wav" 483

# ---------------------------------------------------------------- card / question
# 490: short soft tick
sox -n "${WF[@]}" "$TMP/490.wav" synth 0.08 sine 1600 fade p 0.002 0.08 0.07
std "$TMP/490.wav" 490 -6
# 491: a single hundredth of a second: written straight at its final rate,
# the usual end fades would be longer than the sound itself.
sox -D -n -r 8000 -c 1 -b 16 -e signed-integer "$OUT/491.wav" synth 0.01 sine 2000 fade h 0.002 0.01 0.006 gain -n -6

echo "wrote $(ls "$OUT"/*.wav | wc -l) files to $OUT"
