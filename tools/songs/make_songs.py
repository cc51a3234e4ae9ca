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
each pass so a song lasts about a minute or two.
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
from fractions import Fraction as Fr

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tunes import TUNES  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "..", "src", "assets", "songs"))

# ------------------------------------------------------------------ pitches

SHARP_ORDER = "FCGDAEB"
MAJOR_SHARPS = {"C": 0, "G": 1, "D": 2, "A": 3, "E": 4, "B": 5, "F#": 6,
                "F": -1, "Bb": -2, "Eb": -3, "Ab": -4, "Db": -5}
MODE_SHIFT = {"": 0, "maj": 0, "m": 9, "min": 9, "dor": 2, "mix": 7}
LETTER_PC = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
PC_OF_NAME = {"C": 0, "C#": 1, "Db": 1, "D": 2, "D#": 3, "Eb": 3, "E": 4, "F": 5,
              "F#": 6, "Gb": 6, "G": 7, "G#": 8, "Ab": 8, "A": 9, "A#": 10, "Bb": 10, "B": 11}


def key_accidentals(key):
    """Letter -> semitone offset implied by an ABC key signature."""
    m = re.fullmatch(r"([A-G][#b]?)(m|min|maj|dor|mix)?", key)
    if not m:
        raise ValueError("unsupported key " + key)
    tonic, mode = m.group(1), m.group(2) or ""
    # the number of sharps of a modal key equals that of its relative major
    fifths = None
    for name, n in MAJOR_SHARPS.items():
        if (PC_OF_NAME[name] + MODE_SHIFT[mode]) % 12 == PC_OF_NAME[tonic]:
            fifths = n
            break
    if fifths is None:
        raise ValueError("unsupported key " + key)
    acc = {c: 0 for c in "ABCDEFG"}
    if fifths > 0:
        for c in SHARP_ORDER[:fifths]:
            acc[c] = 1
    else:
        for c in SHARP_ORDER[::-1][:-fifths]:
            acc[c] = -1
    return acc


ABC_NAMES = ["=C", "^C", "=D", "^D", "=E", "=F", "^F", "=G", "^G", "=A", "^A", "=B"]


def abc_pitch(midi):
    """MIDI note -> ABC note with an explicit accidental, so bar accidentals
    and the key signature never change what is played."""
    acc, letter = ABC_NAMES[midi % 12][0], ABC_NAMES[midi % 12][1]
    octave = midi // 12 - 5
    if octave >= 1:
        return acc + letter.lower() + "'" * (octave - 1)
    return acc + letter + "," * (-octave)


def abc_len(d):
    d = Fr(d)
    if d == 1:
        return ""
    if d.denominator == 1:
        return str(d.numerator)
    if d.numerator == 1:
        return "/" + str(d.denominator)
    return "%d/%d" % (d.numerator, d.denominator)


# ------------------------------------------------------------------- chords

QUALITIES = {"": [0, 4, 7], "m": [0, 3, 7], "7": [0, 4, 7, 10], "m7": [0, 3, 7, 10],
             "maj7": [0, 4, 7, 11], "dim": [0, 3, 6], "dim7": [0, 3, 6, 9],
             "aug": [0, 4, 8], "sus4": [0, 5, 7], "6": [0, 4, 7, 9], "m6": [0, 3, 7, 9]}


class Chord:
    def __init__(self, name):
        m = re.fullmatch(r"([A-G][#b]?)(m7|maj7|m6|m|7|dim7|dim|aug|sus4|6)?", name)
        if not m:
            raise ValueError("unsupported chord " + name)
        self.name = name
        self.root = PC_OF_NAME[m.group(1)]
        self.intervals = QUALITIES[m.group(2) or ""]
        self.pcs = [(self.root + i) % 12 for i in self.intervals]

    def fifth(self):
        return (self.root + self.intervals[2]) % 12

    def third(self):
        return (self.root + self.intervals[1]) % 12


def place(pc, lo, hi):
    """Lowest MIDI note of pitch class pc within [lo, hi]."""
    m = lo + (pc - lo) % 12
    return m if m <= hi else m - 12


def nearest(pc, target):
    m = place(pc, target - 6, target + 6)
    return m


# ------------------------------------------------------------------- parser

TOKEN = re.compile(r"""
   (?P<chord>"[^"]*")
 | (?P<bar>\|\]|\|\||\|)
 | (?P<note>(?P<acc>\^\^|\^|__|_|=)?(?P<letter>[A-Ga-gz])(?P<oct>[,']*)(?P<len>\d*/*\d*))
 | (?P<tie>-)
 | (?P<broken>[<>])
 | (?P<space>\s+)
""", re.X)


def parse_len(s):
    if not s:
        return Fr(1)
    m = re.fullmatch(r"(\d*)(/*)(\d*)", s)
    num = int(m.group(1)) if m.group(1) else 1
    slashes = len(m.group(2))
    if slashes == 0:
        return Fr(num)
    den = int(m.group(3)) if m.group(3) else 2 ** slashes
    return Fr(num, den)


class Event:
    def __init__(self, start, dur, pitch, tie=False):
        self.start, self.dur, self.pitch, self.tie = start, dur, pitch, tie


class Bar:
    def __init__(self):
        self.events = []     # melody notes and rests, times in L units
        self.chords = []     # (offset, Chord) as written in this bar
        self.text = ""       # the melody as written, without chord symbols
        self.length = Fr(0)
        self.segments = []   # (start, end, Chord or None) covering the bar


def parse_melody(tune):
    keyacc = key_accidentals(tune["key"])
    bars, cur = [], Bar()
    pending_broken = None
    pos = 0
    src = tune["music"]
    barred = {}
    while pos < len(src):
        m = TOKEN.match(src, pos)
        if not m:
            raise ValueError("%d: cannot read %r" % (tune["id"], src[pos:pos + 20]))
        pos = m.end()
        kind = m.lastgroup
        text = m.group(0)
        if kind == "space":
            cur.text += " " if cur.text and not cur.text.endswith(" ") else ""
            continue
        if kind == "chord":
            cur.chords.append((cur.length, Chord(text.strip('"'))))
            continue
        if kind == "bar":
            if cur.events:
                cur.text = cur.text.strip()
                bars.append(cur)
            cur, barred = Bar(), {}
            continue
        if kind == "tie":
            if not cur.events:
                raise ValueError("%d: tie with no note" % tune["id"])
            cur.events[-1].tie = True
            cur.text += "-"
            continue
        if kind == "broken":
            pending_broken = text
            cur.text += text
            continue
        # a note or a rest
        dur = parse_len(m.group("len"))
        letter = m.group("letter")
        if letter == "z":
            pitch = None
        else:
            base = 60 + LETTER_PC[letter.upper()] + (12 if letter.islower() else 0)
            base += 12 * m.group("oct").count("'") - 12 * m.group("oct").count(",")
            acc_key = (letter, m.group("oct"))
            if m.group("acc"):
                acc = {"^^": 2, "^": 1, "=": 0, "_": -1, "__": -2}[m.group("acc")]
                barred[acc_key] = acc
            elif acc_key in barred:
                acc = barred[acc_key]
            else:
                acc = keyacc[letter.upper()]
            pitch = base + acc
        ev = Event(cur.length, dur, pitch)
        if pending_broken and cur.events:
            prev = cur.events[-1]
            if pending_broken == ">":
                prev.dur, ev.dur = prev.dur * Fr(3, 2), ev.dur * Fr(1, 2)
            else:
                prev.dur, ev.dur = prev.dur * Fr(1, 2), ev.dur * Fr(3, 2)
            ev.start = prev.start + prev.dur
            cur.length = ev.start
        pending_broken = None
        cur.events.append(ev)
        cur.length += ev.dur
        cur.text += text
    if cur.events:
        cur.text = cur.text.strip()
        bars.append(cur)
    return bars


class Tune:
    def __init__(self, info):
        self.info = info
        self.id = info["id"]
        num, den = (int(x) for x in info["meter"].split("/"))
        ln, ld = (int(x) for x in info["unit"].split("/"))
        self.unit = Fr(ln, ld)                       # whole notes per L unit
        self.bar_len = Fr(num, den) / self.unit      # L units per bar
        compound = den == 8 and num % 3 == 0
        self.beat = (Fr(3, 8) if compound else Fr(1, den)) / self.unit
        self.sub = Fr(1, 8) / self.unit if den <= 8 else Fr(1, 16) / self.unit
        if Fr(num, den) <= Fr(3, 8):                 # 3/8: one beat, sixteenth grid
            self.beat, self.sub = self.bar_len, Fr(1, 16) / self.unit
        self.compound = compound
        self.meter = (num, den)
        self.bars = parse_melody(info)
        # Tunes written around middle C would sit inside the chords; play
        # those an octave up (the melody voice is transposed, the generated
        # parts follow the sounding pitch).
        pitches = [ev.pitch for b in self.bars for ev in b.events if ev.pitch is not None]
        self.shift = 12 if sum(pitches) / len(pitches) < 63.2 else 0
        for b in self.bars:
            for ev in b.events:
                if ev.pitch is not None:
                    ev.pitch += self.shift
        self.check_bars()
        self.fill_segments()

    def check_bars(self):
        lens = [b.length for b in self.bars]
        bl = self.bar_len
        self.pickup = lens[0] if lens[0] != bl else Fr(0)
        for i, n in enumerate(lens):
            if i == 0 or n == bl:
                continue
            if i == len(lens) - 1 and n + self.pickup == bl:
                continue
            raise ValueError("tune %d, bar %d: %s units, expected %s" % (self.id, i + 1, n, bl))
        if self.pickup and lens[-1] + self.pickup != bl:
            raise ValueError("tune %d: last bar does not complete the pickup" % self.id)

    def fill_segments(self):
        chord = None
        for b in self.bars:
            marks = list(b.chords)
            if not marks or marks[0][0] > 0:
                marks.insert(0, (Fr(0), chord))
            for j, (t, c) in enumerate(marks):
                end = marks[j + 1][0] if j + 1 < len(marks) else b.length
                if end > t:
                    b.segments.append((t, end, c))
                chord = c
        first = next(c for b in self.bars for (_, _, c) in b.segments if c)
        self.first_chord = first
        self.last_chord = self.bars[-1].segments[-1][2]
        # a pickup follows the intro or the end of the previous pass, both of
        # which rest on the closing chord, so let the band keep playing it
        b0 = self.bars[0]
        b0.segments = [(s, e, c if c else self.last_chord) for (s, e, c) in b0.segments]

    def seconds(self, units):
        quarters = units * self.unit * 4
        return float(quarters) * 60.0 / self.info["tempo"]


# --------------------------------------------------------------- instruments
# General MIDI program numbers (0-based) for: melody, double, harmony, bass,
# pad, arpeggio, off-beat chords, counter-line, bells.

PALETTES = {
    "musicbox":    [10, 8, 11, 32, 89, 46, 0, 73, 9],
    "woodwinds":   [71, 73, 68, 32, 48, 46, 45, 70, 8],
    "country":     [105, 110, 25, 32, 48, 25, 24, 21, 13],
    "brass":       [60, 72, 57, 58, 48, 46, 61, 56, 9],
    "strings":     [40, 73, 42, 43, 49, 46, 45, 60, 8],
    "harpsichord": [6, 73, 6, 43, 48, 6, 45, 71, 9],
    "recorder":    [74, 79, 24, 32, 52, 24, 24, 75, 8],
    "banjo":       [105, 22, 25, 32, 48, 105, 24, 110, 13],
    "marimba":     [12, 13, 11, 32, 88, 12, 24, 79, 9],
    "piano":       [0, 11, 0, 32, 49, 0, 0, 73, 8],
    "accordion":   [21, 74, 23, 32, 48, 24, 21, 110, 9],
    "epiano":      [4, 11, 5, 33, 89, 4, 5, 73, 10],
    "orchestra":   [73, 72, 68, 43, 48, 46, 45, 60, 9],
    "pizzicato":   [45, 70, 45, 43, 49, 46, 45, 70, 13],
    "baroque":     [40, 6, 40, 42, 48, 6, 45, 68, 9],
    "fiddle":      [110, 74, 21, 32, 48, 24, 25, 105, 13],
    "guitar":      [24, 73, 25, 32, 52, 24, 25, 75, 8],
    "violin":      [40, 0, 42, 43, 49, 0, 45, 71, 8],
    "harp":        [46, 8, 0, 43, 49, 46, 0, 73, 10],
    "xylophone":   [13, 12, 11, 33, 88, 12, 24, 74, 9],
    "ocarina":     [79, 12, 11, 32, 89, 46, 24, 73, 8],
    "celesta":     [8, 9, 0, 32, 48, 46, 45, 73, 14],
    "horn":        [60, 73, 70, 43, 49, 46, 45, 71, 8],
    "accordion2":  [23, 72, 21, 32, 48, 24, 21, 71, 9],
    "asian":       [107, 77, 11, 32, 89, 107, 106, 75, 9],
    "steel":       [114, 12, 11, 32, 88, 12, 24, 79, 9],
    "piano2":      [1, 13, 0, 33, 48, 1, 0, 74, 9],
}

# name, MIDI channel, volume (CC7), pan (CC10), starting dynamic
VOICES = [
    ("melody", 1, 127, 64, "f"),
    ("double", 2, 88, 84, "mf"),
    ("harmony", 3, 80, 44, "mf"),
    ("bass", 4, 122, 64, "f"),
    ("pad", 5, 72, 34, "mf"),
    ("arp", 6, 80, 96, "mf"),
    ("stabs", 7, 72, 30, "mf"),
    ("counter", 8, 78, 100, "mf"),
    ("bells", 9, 70, 76, "mf"),
    ("drums", 10, 100, 64, "mf"),
    ("perc", 10, 100, 64, "mp"),
]

# Overall level. SDL_mixer drives FluidSynth with a gain of 1.0 to 1.2 at full
# music volume, five or six times FluidSynth's own default of 0.2, so the
# songs keep about 16 dB of headroom in a default-gain render: loud enough
# there, and still unclipped in the game with the music volume all the way up.
MASTER = 0.8

# percussion keys (General MIDI channel 10)
KICK, STICK, SNARE, CLAP, HAT, PEDAL, CRASH, RIDE, TAMB, TRIANGLE, SHAKER, CABASA = \
    36, 37, 38, 39, 42, 44, 49, 51, 54, 81, 82, 69

STYLE = {
    # bass pattern, drums on, off-beat chords on, percussion kind
    "gentle":  dict(bass="root5", drums="soft", stabs=True, perc=SHAKER),
    "lullaby": dict(bass="long", drums=None, stabs=False, perc=TRIANGLE),
    "march":   dict(bass="root5", drums="march", stabs=True, perc=HAT),
    "waltz":   dict(bass="waltz", drums="waltz", stabs=True, perc=SHAKER),
    "jig":     dict(bass="root5", drums="soft", stabs=True, perc=TAMB),
    "dance":   dict(bass="root5", drums="dance", stabs=True, perc=HAT),
    "country": dict(bass="root5", drums="soft", stabs=True, perc=TAMB),
    "baroque": dict(bass="walk", drums=None, stabs=True, perc=CABASA),
}


# ------------------------------------------------------------- arrangement

class Arranger:
    """Builds the per-voice bar lists for one song."""

    def __init__(self, tune):
        self.t = tune
        self.style = STYLE[tune.info["style"]]
        self.pad_prev = None
        self.counter_prev = 67

    # each generator returns a list of (start, dur, [midi...]) inside a bar
    def grid(self, start, end, step):
        t = start
        while t < end:
            yield t, min(step, end - t)
            t += step

    def bass(self, seg_list, bar_len, first_of_pass=False):
        out = []
        t = self.t
        kind = self.style["bass"]
        for (s, e, c) in seg_list:
            if c is None:
                continue
            root = place(c.root, 40, 51)
            fifth = place(c.fifth(), 43, 55)
            if kind == "long":
                out.append((s, e - s, [root]))
            elif kind == "waltz":
                # root on the downbeat only; the off-beat chords do the rest
                for k, (g, d) in enumerate(self.grid(s, e, t.beat)):
                    if g % bar_len == 0:
                        out.append((g, d, [root if (g == s or k % 2 == 0) else fifth]))
            elif kind == "walk":
                # baroque style: a moving line of chord tones in eighths
                up = root + 12 if root + 12 <= 57 else root
                tones = [root, fifth, up, fifth]
                for k, (g, d) in enumerate(self.grid(s, e, Fr(1, 8) / t.unit)):
                    out.append((g, d, [tones[k % len(tones)]]))
            else:  # root5
                for k, (g, d) in enumerate(self.grid(s, e, t.beat)):
                    out.append((g, d, [root if k % 2 == 0 else fifth]))
        return out

    def voicing(self, c):
        notes = sorted(nearest(pc, 64) for pc in c.pcs[:4])
        return notes

    def pad(self, seg_list, bar_len):
        return [(s, e - s, self.voicing(c)) for (s, e, c) in seg_list if c]

    def arp(self, seg_list, bar_len):
        out = []
        t = self.t
        step = Fr(1, 8) / t.unit
        if t.info["tempo"] < 80 and not t.compound:
            step = Fr(1, 16) / t.unit * 2   # slow songs: still eighths
        pattern = [0, 1, 2, 3, 2, 1]
        k = 0
        for (s, e, c) in seg_list:
            if c is None:
                continue
            tones = sorted(place(pc, 60, 71) for pc in c.pcs[:3])
            tones.append(tones[0] + 12)
            for g, d in self.grid(s, e, step):
                out.append((g, d, [tones[pattern[k % len(pattern)]]]))
                k += 1
        return out

    def stabs(self, seg_list, bar_len):
        out = []
        t = self.t
        for (s, e, c) in seg_list:
            if c is None:
                continue
            notes = sorted(place(pc, 62, 73) for pc in c.pcs[:3])
            if t.meter == (3, 4):
                for g, d in self.grid(s, e, t.beat):
                    if g % t.beat == 0 and g % bar_len != 0:
                        out.append((g, d / 2, notes))
            elif t.compound:
                half = Fr(1, 8) / t.unit
                for g, d in self.grid(s, e, half):
                    if g % t.beat != 0:
                        out.append((g, d, notes))
            else:
                # the "and" of each beat
                half = t.beat / 2
                for g, d in self.grid(s, e, t.beat):
                    if d > half:
                        out.append((g + half, min(half, d - half), notes))
        return out

    def counter(self, seg_list, bar_len):
        out = []
        for (s, e, c) in seg_list:
            if c is None:
                continue
            choices = [c.third(), c.pcs[-1], c.fifth()]
            best = min((nearest(pc, self.counter_prev) for pc in choices),
                       key=lambda m: (abs(m - self.counter_prev), m))
            best = min(max(best, 58), 77)
            self.counter_prev = best
            d = e - s
            if d >= 2 * self.t.beat and self.t.info["style"] != "lullaby":
                # move once inside a long chord so the line breathes
                h = (d / 2) if (d / 2) % self.t.beat == 0 else self.t.beat
                other = nearest(c.fifth() if best % 12 != c.fifth() else c.root, best)
                out.append((s, h, [best]))
                out.append((s + h, d - h, [other]))
                self.counter_prev = other
            else:
                out.append((s, d, [best]))
        return out

    def harmony(self, bar):
        out = []
        for ev in bar.events:
            if ev.pitch is None:
                continue
            c = chord_at(bar, ev.start)
            if c is None:
                continue
            cands = [m for m in range(ev.pitch - 9, ev.pitch - 2) if m % 12 in c.pcs]
            if cands:
                out.append((ev.start, ev.dur, [max(cands)]))
        return out

    def bells(self, bar, bar_len):
        out = []
        t = self.t
        step = t.beat * (2 if (t.meter == (4, 4) and not t.compound) else 1)
        if t.meter in ((3, 4), (3, 8)):
            step = bar_len
        for ev in bar.events:
            if ev.pitch is not None and ev.start % step == 0:
                out.append((ev.start, min(ev.dur, t.beat), [ev.pitch + 12]))
        return out

    def drums(self, bar_len, full, crash=False):
        t = self.t
        kind = self.style["drums"]
        out = []
        if crash:
            out.append((Fr(0), t.beat, [CRASH, KICK]))
        if not kind or not full:
            return out
        beats = int(bar_len / t.beat)
        for k in range(beats):
            g = k * t.beat
            if crash and k == 0:
                continue
            if kind == "waltz" or beats == 3:
                if k == 0:
                    out.append((g, t.beat, [KICK]))
            elif beats == 1:
                out.append((g, t.beat, [KICK]))
            elif k % 2 == 0:
                out.append((g, t.beat, [KICK]))
            else:
                hit = {"soft": STICK, "march": SNARE, "dance": CLAP}[kind]
                out.append((g, t.beat, [hit]))
        return out

    def perc(self, bar_len, full, busy, index=0):
        t = self.t
        kind = self.style["perc"]
        if not full:
            return []
        if kind == TRIANGLE:
            # a lullaby only wants a soft ting at the start of each phrase
            return [(Fr(0), t.beat, [TRIANGLE])] if index % 4 == 0 else []
        if not busy:
            return [(Fr(0), t.beat, [TRIANGLE if kind == TRIANGLE else kind])]
        out = []
        step = Fr(1, 8) / t.unit
        if t.meter == (3, 8):
            step = t.beat
        for g, d in self.grid(Fr(0), bar_len, step):
            if kind == TAMB:
                # tambourine is bright: backbeats only (every beat in 6/8)
                if g % t.beat == 0 and (t.compound or (g // t.beat) % 2 == 1):
                    out.append((g, d, [TAMB]))
            else:
                out.append((g, d, [kind]))
        return out


def chord_at(bar, t):
    for (s, e, c) in bar.segments:
        if s <= t < e:
            return c
    return None


def render_bar(events, length):
    """Events [(start, dur, [midi])] -> ABC text for one bar of `length`."""
    events = sorted(events, key=lambda e: e[0])
    out, t = [], Fr(0)
    for (s, d, notes) in events:
        if s < t:
            raise ValueError("overlapping events")
        if s > t:
            out.append("z" + abc_len(s - t))
        names = [abc_pitch(n) for n in sorted(set(notes))]
        if len(names) == 1:
            out.append(names[0] + abc_len(d))
        else:
            out.append("[" + "".join(names) + "]" + abc_len(d))
        t = s + d
    if t < length:
        out.append("z" + abc_len(length - t))
    return " ".join(out)


# Which voices play on each pass of the tune (pass 0 is the first time
# through). Later passes add voices so the song grows, then the pattern
# cycles for long songs.
PASS_PLAN = [
    {"melody", "bass", "pad", "arp", "perc"},
    {"melody", "double", "harmony", "bass", "pad", "stabs", "drums", "perc"},
    {"melody", "counter", "bass", "pad", "arp", "stabs", "drums", "perc", "bells"},
    {"melody", "double", "harmony", "counter", "bass", "pad", "arp", "stabs", "drums", "perc"},
]


def plan_passes(tune):
    pass_units = sum(b.length for b in tune.bars)
    pass_sec = tune.seconds(pass_units)
    extra = tune.seconds(tune.bar_len * 3)     # intro and ending
    n = max(1, round(85.0 / pass_sec))
    while n > 1 and n * pass_sec + extra > 165:
        n -= 1
    while n * pass_sec + extra < 50:
        n += 1
    return n


def arrange(tune):
    """Returns (voice name -> list of bar strings), number of passes."""
    a = Arranger(tune)
    style = tune.info["style"]
    n = plan_passes(tune)
    bars = {v[0]: [] for v in VOICES}
    bl = tune.bar_len

    def add(name, events, length):
        bars[name].append(render_bar(events, length))

    # intro: two bars on the first chord (four for very short bars)
    intro_bars = 4 if tune.seconds(bl) < 1.2 else 2
    c0 = tune.first_chord
    seg = [(Fr(0), bl, c0)]
    for i in range(intro_bars):
        for name in bars:
            if name == "bass":
                add(name, a.bass(seg, bl), bl)
            elif name == "pad":
                add(name, a.pad(seg, bl), bl)
            elif name == "arp":
                add(name, a.arp(seg, bl), bl)
            elif name == "perc":
                add(name, a.perc(bl, True, False, i), bl)
            else:
                add(name, [], bl)

    nb = len(tune.bars)
    for p in range(n):
        if n == 1:
            plans = [PASS_PLAN[0]] * ((nb + 1) // 2) + [PASS_PLAN[3] | {"bells"}] * (nb // 2)
        else:
            plan = PASS_PLAN[0] if p == 0 else PASS_PLAN[1 + (p - 1) % 3]
            if p == n - 1:
                plan = plan | {"bells", "double"}
            plans = [plan] * nb
        for i, bar in enumerate(tune.bars):
            plan = set(plans[i]) - set(tune.info.get("skip", ()))
            if style == "lullaby":
                plan -= {"drums", "stabs"}
            if not a.style["stabs"]:
                plan.discard("stabs")
            if not a.style["drums"]:
                plan.discard("drums")
            full = bar.length == bl
            segs = bar.segments
            L = bar.length
            crash = (i == 0 or (i == 1 and tune.pickup)) and p > 0 and full and "drums" in plan \
                and style not in ("lullaby", "gentle", "baroque")
            for name in bars:
                on = name in plan
                if name == "melody":
                    bars[name].append(bar.text)
                elif name == "double":
                    bars[name].append(bar.text if on else render_bar([], L))
                elif not on:
                    if name == "drums" and crash:
                        add(name, a.drums(L, full, crash=True), L)
                    else:
                        add(name, [], L)
                elif name == "harmony":
                    add(name, a.harmony(bar), L)
                elif name == "bass":
                    add(name, a.bass(segs, bl), L)
                elif name == "pad":
                    add(name, a.pad(segs, bl), L)
                elif name == "arp":
                    add(name, a.arp(segs, bl), L)
                elif name == "stabs":
                    add(name, a.stabs(segs, bl), L)
                elif name == "counter":
                    add(name, a.counter(segs, bl), L)
                elif name == "bells":
                    add(name, a.bells(bar, bl), L)
                elif name == "drums":
                    add(name, a.drums(L, full, crash), L)
                elif name == "perc":
                    add(name, a.perc(L, full, p > 0 and style != "lullaby", i - (1 if tune.pickup else 0)), L)

    # ending: finish the bar the pickup would have filled, then a held chord
    last = tune.last_chord or tune.first_chord
    tonic_pc = last.root
    last_pitch = next(ev.pitch for ev in reversed(tune.bars[-1].events) if ev.pitch is not None)
    tonic = nearest(tonic_pc, last_pitch)
    endings = []
    if tune.pickup:
        endings.append((tune.pickup, False))
    endings.append((bl, True))
    for (L, final) in endings:
        seg = [(Fr(0), L, last)]
        for name in bars:
            ev = []
            if name in ("melody", "double") and final:
                # these voices are transposed by MIDI, so write the written pitch
                ev = [(Fr(0), L, [tonic - tune.shift])]
            elif name == "bass":
                ev = [(Fr(0), L, [place(last.root, 40, 51)])]
            elif name == "pad":
                ev = a.pad(seg, bl)
            elif name == "counter" and final:
                ev = [(Fr(0), L, [nearest(last.third(), a.counter_prev)])]
            elif name == "bells" and final:
                ev = [(Fr(0), min(L, tune.beat), [tonic + 12])]
            elif name == "perc" and final:
                ev = [(Fr(0), min(L, tune.beat), [TRIANGLE])]
            elif name == "drums" and final and style not in ("lullaby", "gentle", "baroque"):
                ev = [(Fr(0), min(L, tune.beat), [KICK])]
            add(name, ev, L)
    return bars, n


def abc_text(tune, bars, n, level_db=0.0):
    s = tune.info
    # FluidSynth follows the General MIDI volume curve, 40*log10(cc/127) dB
    level = 10 ** (level_db / 40.0)
    pal = PALETTES[s["palette"]]
    lines = [
        "X:%d" % s["id"],
        "T:%s" % s["title"],
        "C:%s" % s["source"],
        "Z:arranged for Pondivar by tools/songs/make_songs.py",
        "M:%s" % s["meter"],
        "L:%s" % s["unit"],
        "Q:1/4=%d" % s["tempo"],
        "%%MIDI gchordoff",
        "K:%s" % s["key"],
    ]
    for k, (name, ch, vol, pan, dyn) in enumerate(VOICES):
        lines.append("V:%d name=%s" % (k + 1, name))
        if ch != 10:
            lines.append("%%%%MIDI program %d" % pal[k])
        lines.append("%%%%MIDI channel %d" % ch)
        lines.append("%%%%MIDI control 7 %d" % min(127, round(vol * MASTER * level)))
        lines.append("%%%%MIDI control 10 %d" % pan)
        lines.append("%%%%MIDI control 91 %d" % (60 if s["style"] == "lullaby" else 45))
        if name == "melody" and tune.shift:
            lines.append("%%%%MIDI transpose %d" % tune.shift)
        if name == "double":
            # an octave above the melody unless that would be shrill
            hi = max(ev.pitch for b in tune.bars for ev in b.events if ev.pitch is not None)
            lines.append("%%%%MIDI transpose %d" % (tune.shift + (12 if hi + 12 <= 88 else 0)))
        body = bars[name]
        chunk = []
        for i, b in enumerate(body):
            chunk.append(b)
            if len(chunk) == 4 or i == len(body) - 1:
                prefix = "!%s! " % dyn if i < 4 else ""
                lines.append(prefix + " | ".join(chunk) + " |")
                chunk = []
        lines[-1] += "]"   # close the voice with |]
    return "\n".join(lines) + "\n"


LEVELS = os.path.join(HERE, "levels.json")
SOUNDFONT = "/usr/share/sounds/sf2/TimGM6mb.sf2"
# Peak aimed for in a FluidSynth render at its default gain (see MASTER).
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
