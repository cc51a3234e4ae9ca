"""Writes an arranged song out as one multi-voice ABC score.

Each voice gets its General MIDI program, channel, level, pan and reverb in
the score's %%MIDI lines, so abc2midi turns it straight into the game's file.
"""

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
