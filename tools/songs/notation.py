"""Reads the tunes' ABC melodies and spells notes back out as ABC.

Knows key signatures, chord symbols and the small ABC subset the tunes are
written in; Tune holds one parsed melody with its bars and chord segments.
"""

import re
from fractions import Fraction as Fr

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
