"""Turns a parsed tune into the bars of every voice of the song.

The tune is played several times after a short introduction and before a
held final chord; each pass brings in or swaps parts so repeats differ.
"""

from fractions import Fraction as Fr

from notation import abc_len, abc_pitch, nearest, place
from score import VOICES

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
