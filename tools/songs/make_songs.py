#!/usr/bin/env python3
"""Arranges the melodies of tunes.py into the game's background songs.

For every tune it writes src/assets/songs/<id>.abc, a multi-voice ABC score
(melody, doubled melody, harmony, bass, pad, broken chords, off-beat chords,
counter-line, bells and two percussion voices), and, when abc2midi is
installed, converts it to <id>.mid (MIDI format 1, one track per voice plus
the tempo track).

    tools/songs/make_songs.py [--out DIR] [--only ID ...] [--no-midi]
                              [--calibrate] [--credits]

Standard library only. The tune is repeated with a different arrangement on
each pass so a song lasts about a minute or two. notation.py reads the
melodies, arranger.py builds the voices and score.py writes the ABC score;
this file runs them and handles levels and the command line.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from arranger import arrange  # noqa: E402
from notation import Tune  # noqa: E402
from score import abc_text  # noqa: E402
from tunes import TUNES  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "..", "src", "assets", "songs"))

LEVELS = os.path.join(HERE, "levels.json")
SOUNDFONT = "/usr/share/sounds/sf2/TimGM6mb.sf2"
# Peak aimed for in a FluidSynth render at its default gain (see MASTER in score.py).
TARGET_PEAK_DB = -17.5


def render_peak(mid):
    """Renders a MIDI file with FluidSynth and returns its peak in dBFS."""
    import tempfile
    with tempfile.TemporaryDirectory(prefix="pondivar-cal.", dir="/tmp") as tmp:
        wav = os.path.join(tmp, "out.wav")
        subprocess.run(["fluidsynth", "-ni", "-q", "-F", wav, "-r", "44100", SOUNDFONT, mid],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        r = subprocess.run(["sox", wav, "-n", "stats"], stderr=subprocess.PIPE, text=True, check=True)
    for line in r.stderr.splitlines():
        if line.startswith("Pk lev dB"):
            return float(line.split()[3])
    raise RuntimeError("no peak level from sox")


def build(info, out, abc2midi, level_db):
    tune = Tune(info)
    bars, n = arrange(tune)
    path = os.path.join(out, "%d.abc" % info["id"])
    with open(path, "w", encoding="utf-8") as f:
        f.write(abc_text(tune, bars, n, level_db))
    mid = None
    if abc2midi:
        mid = os.path.join(out, "%d.mid" % info["id"])
        r = subprocess.run([abc2midi, path, "-o", mid, "-quiet", "-silent"],
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if r.returncode != 0 or not os.path.exists(mid):
            sys.exit("abc2midi failed on %s:\n%s" % (path, r.stdout))
    total = sum(b.length for b in tune.bars) * n
    return tune, n, mid, tune.seconds(total) + tune.seconds(tune.bar_len * 3)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=DEFAULT_OUT)
    ap.add_argument("--only", type=int, nargs="*")
    ap.add_argument("--no-midi", action="store_true")
    ap.add_argument("--calibrate", action="store_true",
                    help="render each song with FluidSynth and store a level that "
                         "brings its peak to %.1f dBFS in levels.json" % TARGET_PEAK_DB)
    ap.add_argument("--credits", action="store_true",
                    help="print the song list for CREDITS.md and stop")
    args = ap.parse_args()
    if args.credits:
        for info in TUNES:
            print("| %d | %s | %s |" % (info["id"], info["title"], info["source"]))
        return
    os.makedirs(args.out, exist_ok=True)
    abc2midi = None if args.no_midi else shutil.which("abc2midi")
    if not abc2midi and not args.no_midi:
        sys.exit("abc2midi not found (apt-get install abcmidi), or pass --no-midi")
    if args.calibrate and (args.no_midi or not shutil.which("fluidsynth") or not shutil.which("sox")):
        sys.exit("--calibrate needs abc2midi, fluidsynth and sox")
    levels = {}
    if os.path.exists(LEVELS):
        with open(LEVELS, encoding="utf-8") as f:
            levels = json.load(f)
    ids = set()
    for info in TUNES:
        if info["id"] in ids:
            sys.exit("duplicate id %d" % info["id"])
        ids.add(info["id"])
        if args.only and info["id"] not in args.only:
            continue
        key = str(info["id"])
        level = levels.get(key, 0.0)
        tune, n, mid, secs = build(info, args.out, abc2midi, level)
        note = ""
        if args.calibrate:
            # two rounds: the volume curve is only roughly logarithmic
            for _ in range(2):
                peak = render_peak(mid)
                level = round(level + TARGET_PEAK_DB - peak, 2)
                tune, n, mid, secs = build(info, args.out, abc2midi, level)
            levels[key] = level
            note = "  level %+.2f dB" % level
        print("%d  %-45s passes=%d  about %.0f s%s" % (info["id"], info["title"][:45], n, secs, note))
    if args.calibrate:
        with open(LEVELS, "w", encoding="utf-8") as f:
            json.dump(dict(sorted(levels.items())), f, indent=1)
            f.write("\n")


if __name__ == "__main__":
    main()
