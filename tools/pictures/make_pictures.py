#!/usr/bin/env python3
"""Make the game's picture assets from the Fluent Emoji sets.

Writes, under src/assets/:
  pictures/500..843  the drill pictures (32 x 32, and @2x to @4x up to 128 x 128)
  faces/900..904     the helper's faces, full colour
  faces/910..914     the helper's faces for 16-colour mode
  cardbacks/920..922 plain card backs
  bitmaps/905        the about-panel picture (64 x 97, and @2x to @4x)

Every picture comes at 1x and at 2, 3 and 4 times its size, for the window's
zoom factors: the game never has to enlarge a smaller bitmap.

Needs python3 (standard library only), npm, rsvg-convert (librsvg2-bin)
and ImageMagick 6 (convert, montage). See README.md beside this file.
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tarfile
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
ASSETS = os.path.join(ROOT, 'src', 'assets')

# Pinned so that a rerun gives the same pictures.
PACKAGES = {
    'flat': ('@iconify-json/fluent-emoji-flat', '1.2.6'),
    'shaded': ('@iconify-json/fluent-emoji', '1.2.7'),
}

FLAT_IDS = range(500, 801)
SHADED_IDS = range(801, 844)

FONT = '/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf'

# The classic 16-colour palette, in its usual order.
PALETTE16 = [
    '#000000', '#800000', '#008000', '#808000',
    '#000080', '#800080', '#008080', '#c0c0c0',
    '#808080', '#ff0000', '#00ff00', '#ffff00',
    '#0000ff', '#ff00ff', '#00ffff', '#ffffff',
]

# Face colours of the flat emoji set and what they become in 16 colours.
CLASSIC_COLOURS = {
    '#ffb02e': '#ffff00',  # skin
    '#402a32': '#000000',  # eyes, mouth lines
    '#bb1d80': '#800080',  # inside of the mouth
    '#f70a8d': '#ff00ff',  # tongue
    '#ff3b3b': '#ff0000',  # cheeks
}

CARD_BACKS = {920: '#2f6fd6', 921: '#2e9e4f', 922: '#d6453d'}


def run(args, **kw):
    subprocess.run(args, check=True, **kw)


# ----------------------------------------------------------------------------
# Emoji sets

def fetch(cache):
    """Download and unpack both packages into cache (outside the repo)."""
    os.makedirs(cache, exist_ok=True)
    sets = {}
    for key, (name, version) in PACKAGES.items():
        base = name.split('/')[-1] + '-' + version
        unpacked = os.path.join(cache, base)
        icons = os.path.join(unpacked, 'package', 'icons.json')
        if not os.path.exists(icons):
            tgz = 'iconify-json-%s.tgz' % base
            if not os.path.exists(os.path.join(cache, tgz)):
                run(['npm', 'pack', '--silent', '%s@%s' % (name, version),
                     '--pack-destination', cache], stdout=subprocess.DEVNULL)
            with tarfile.open(os.path.join(cache, tgz)) as tar:
                try:
                    tar.extractall(unpacked, filter='data')
                except TypeError:  # Python before 3.11.4
                    tar.extractall(unpacked)
        with open(icons, encoding='utf-8') as f:
            sets[key] = json.load(f)
    return sets


class IconSet:
    def __init__(self, data, tag):
        self.data = data
        self.tag = tag
        self.count = 0

    def icon(self, name):
        icons = self.data['icons']
        if name not in icons:
            sys.exit('no icon %r in the %s set' % (name, self.tag))
        ic = icons[name]
        w = ic.get('width', self.data.get('width', 16))
        h = ic.get('height', self.data.get('height', 16))
        return ic['body'], w, h

    def nested(self, name, x, y, size):
        """The icon as an <svg> element placed in a larger drawing.

        The shaded set names its gradients and filters with short random
        ids; they are prefixed so that two icons in one drawing never
        share one."""
        body, w, h = self.icon(name)
        self.count += 1
        pre = 'e%s%d-' % (self.tag[0], self.count)
        body = re.sub(r'id="([^"]+)"', lambda m: 'id="%s%s"' % (pre, m[1]), body)
        body = re.sub(r'url\(#([^)]+)\)', lambda m: 'url(#%s%s)' % (pre, m[1]), body)
        body = re.sub(r'href="#([^"]+)"', lambda m: 'href="#%s%s"' % (pre, m[1]), body)
        return ('<svg x="%g" y="%g" width="%g" height="%g" viewBox="0 0 %g %g">%s</svg>'
                % (x, y, size, size, w, h, body))

    def parts(self, name):
        """Top-level shapes of a flat face, in drawing order."""
        body, _, _ = self.icon(name)
        m = re.fullmatch(r'<g fill="none">(.*)</g>', body)
        inner = m[1] if m else ''
        parts = re.findall(r'<path [^>]*/>', inner)
        if not m or ''.join(parts) != inner:
            sys.exit('face %r is not made of plain paths any more' % name)
        return parts


def svg_doc(content, vw, vh, pw, ph):
    return ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" '
            'width="%d" height="%d" viewBox="0 0 %g %g">%s</svg>'
            % (pw, ph, vw, vh, content))


def render(svg, path, check_size=None):
    """SVG text to an RGBA PNG of the SVG's own pixel size."""
    png = subprocess.run(['rsvg-convert', '--format', 'png'], input=svg.encode(),
                         stdout=subprocess.PIPE, check=True).stdout
    # Through ImageMagick only to pin the PNG to 8-bit RGBA and drop dates,
    # so that a rerun gives byte-identical files.
    run(['convert', 'png:-', '-strip', '-define', 'png:exclude-chunks=date,time',
         'PNG32:' + path], input=png)
    if check_size:
        got = subprocess.run(['identify', '-format', '%wx%h', path],
                             stdout=subprocess.PIPE, check=True, text=True).stdout
        if got != '%dx%d' % check_size:
            sys.exit('%s came out %s, not %dx%d' % (path, got, *check_size))


# The window can be shown at up to four times its size; each picture is
# drawn afresh for every factor.
SCALES = (1, 2, 3, 4)


def scaled_path(path_1x, scale):
    """pictures/500.png at 1x, pictures/500@3x.png at 3x."""
    return path_1x if scale == 1 else '%s@%dx.png' % (path_1x[:-len('.png')], scale)


def render_all(content, vw, vh, w, h, path_1x):
    """One file per zoom factor from one drawing."""
    for scale in SCALES:
        render(svg_doc(content, vw, vh, scale * w, scale * h), scaled_path(path_1x, scale),
               (scale * w, scale * h))


def fresh_dir(path):
    """Empty an output folder of PNGs so that dropped pictures do not linger."""
    os.makedirs(path, exist_ok=True)
    for f in os.listdir(path):
        if f.endswith('.png'):
            os.remove(os.path.join(path, f))


# ----------------------------------------------------------------------------
# Pictures

def read_list():
    entries = []
    with open(os.path.join(HERE, 'pictures.txt'), encoding='utf-8') as f:
        for line in f:
            line = line.split('#', 1)[0].strip()
            if not line:
                continue
            ident, kind, name = line.split()
            entries.append((int(ident), kind, name))
    ids = [e[0] for e in entries]
    if ids != list(FLAT_IDS) + list(SHADED_IDS):
        sys.exit('pictures.txt must list 500..843 once each, in order')
    for ident, kind, _ in entries:
        if kind != ('flat' if ident in FLAT_IDS else 'shaded'):
            sys.exit('picture %d is in the wrong set' % ident)
    names = [e[2] for e in entries]
    dups = sorted({n for n in names if names.count(n) > 1})
    if dups:
        sys.exit('pictures listed twice: ' + ', '.join(dups))
    return entries


def make_pictures(sets):
    out = os.path.join(ASSETS, 'pictures')
    fresh_dir(out)
    for ident, kind, name in read_list():
        s = sets[kind]
        body, w, h = s.icon(name)
        render_all(body, w, h, 32, 32, os.path.join(out, '%d.png' % ident))


# ----------------------------------------------------------------------------
# Faces

def face_drawings(flat):
    """The ten faces as 32 x 32 drawings, by identifier."""
    cool = flat.parts('smiling-face-with-sunglasses')
    glasses = ''.join(cool[2:5])
    # Pushed up onto the forehead: smaller, and squashed as if tilted back.
    glasses_up = ('<g transform="translate(16 1.4) scale(0.78 0.5) translate(-16 -5)">'
                  + glasses + '</g>')

    neutral = flat.parts('neutral-face')
    diagonal = flat.parts('face-with-diagonal-mouth')
    smiling = flat.parts('slightly-smiling-face')
    grin = flat.parts('grinning-face')
    knocked = flat.parts('knocked-out-face')
    tongue = flat.parts('face-with-tongue')
    big_eyes = flat.parts('grinning-face-with-big-eyes')
    cheeks = ('<ellipse cx="6.6" cy="15.2" rx="2.6" ry="1.7" fill="#ff3b3b"/>'
              '<ellipse cx="25.4" cy="15.2" rx="2.6" ry="1.7" fill="#ff3b3b"/>')

    def grin_lower(dy):
        return '<g transform="translate(0 %g)">%s</g>' % (dy, ''.join(grin[3:5]))

    def lowered(parts, dy=1.5):
        # Eyes and mouth moved down a little to leave the forehead free
        # for the pushed-up glasses.
        return parts[0] + '<g transform="translate(0 %g)">%s</g>' % (dy, ''.join(parts[1:]))

    def classic(drawing):
        # Emoji colours swapped for their nearest palette colours before
        # rendering, so the reduction only has to tidy the edges: remapping
        # the originals gives maroon pupils and olive rims.
        for old, new in CLASSIC_COLOURS.items():
            drawing = drawing.replace('fill="%s"' % old, 'fill="%s"' % new)
        return drawing

    return {
        # Unsure: eyes open, glasses up, a crooked mouth.
        900: lowered(diagonal) + glasses_up,
        # Wrong again: glasses down, a flat mouth.
        901: ''.join(neutral) + glasses,
        # New question: glasses up, a smile.
        902: lowered(smiling) + glasses_up,
        # Right: glasses down, the toothy grin moved clear of the lenses.
        903: grin[0] + grin_lower(1.2) + glasses,
        # Wrong: crossed-out eyes, tongue out.
        904: knocked[0] + knocked[1] + ''.join(tongue[3:6]),
        # The 16-colour set has faces of its own.
        910: classic(''.join(smiling)),
        911: classic(''.join(knocked)),
        912: classic(''.join(big_eyes)),
        913: classic(grin[0] + cheeks + ''.join(grin[1:])),
        914: classic(''.join(tongue)),
    }


def reduce16(src, dst, palette):
    # No dithering: at 32 x 32 it only adds noise. The alpha is made hard-edged
    # (half-transparent rims would blend into other colours) and set aside,
    # because -remap against an opaque palette drops it.
    run(['convert', src, '-write', 'mpr:src', '+delete',
         '(', 'mpr:src', '-alpha', 'off', '+dither', '-remap', palette, ')',
         '(', 'mpr:src', '-alpha', 'extract', '-threshold', '50%', ')',
         '-alpha', 'off', '-compose', 'CopyOpacity', '-composite', '-strip',
         '-define', 'png:exclude-chunks=date,time', 'PNG32:' + dst])


def make_faces(flat, tmp):
    out = os.path.join(ASSETS, 'faces')
    fresh_dir(out)
    palette = os.path.join(tmp, 'palette16.png')
    run(['convert'] + ['xc:' + c for c in PALETTE16] + ['+append', palette])
    for ident, drawing in face_drawings(flat).items():
        path = os.path.join(out, '%d.png' % ident)
        render_all(drawing, 32, 32, 32, 32, path)
        if ident >= 910:
            for scale in SCALES:
                p = scaled_path(path, scale)
                reduce16(p, p, palette)


# ----------------------------------------------------------------------------
# Card backs and the about picture

def make_card_backs():
    out = os.path.join(ASSETS, 'cardbacks')
    fresh_dir(out)
    for ident, colour in CARD_BACKS.items():
        rect = '<rect width="32" height="32" fill="%s"/>' % colour
        render_all(rect, 32, 32, 32, 32, os.path.join(out, '%d.png' % ident))



# The sky and water gradients of the pond scene, shared with the desktop icon.
SKY_AND_POND = (
    '<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#8fd3ff"/><stop offset="1" stop-color="#e3f6ff"/>'
    '</linearGradient>'
    '<linearGradient id="pond" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#4fb3e8"/><stop offset="1" stop-color="#1f6fb5"/>'
    '</linearGradient>'
)

def about_drawing(flat, shaded):
    """A frog on a lily pad in a pond, on a 64 x 97 canvas."""
    reed = ('<path d="M{x} 97 Q{x} 70 {t} {y}" stroke="#4f8a2b" stroke-width="1.4" '
            'fill="none" stroke-linecap="round"/>'
            '<rect x="{hx}" y="{hy}" width="3" height="8" rx="1.5" fill="#8a5a2b"/>')
    parts = [
        '<defs>' + SKY_AND_POND + '</defs>',
        '<rect width="64" height="97" fill="url(#sky)"/>',
        flat.nested('sun-with-face', 38, 4, 22),
        flat.nested('cloud', 3, 10, 20),
        # Grassy bank behind the water.
        '<path d="M0 52 Q16 46 32 50 T64 49 V97 H0 Z" fill="#7cc84a"/>',
        '<path d="M0 64 Q32 56 64 64 V97 H0 Z" fill="url(#pond)"/>',
        # Ripples.
        '<path d="M6 90 h9 M47 92 h10 M40 70 h7" stroke="#bfe6ff" '
        'stroke-width="1" stroke-linecap="round"/>',
        reed.format(x=6, t=5, y=52, hx=3.5, hy=52),
        reed.format(x=10, t=11, y=57, hx=9.5, hy=57),
        reed.format(x=58, t=59, y=55, hx=57.5, hy=55),
        # The lily pad, with its notch.
        '<path d="M30 91 C14 91 8 87 8 82 C8 77 18 74 31 74 C44 74 55 77 55 82 '
        'C55 87 46 91 35 91 L32 83 Z" fill="#3f9a3a"/>',
        '<path d="M30 89 C16 89 11 86 11 82" stroke="#5bbf4f" stroke-width="1" '
        'fill="none"/>',
        # A second, smaller pad with a flower on it.
        '<path d="M52 94 C46 94 43 92 43 90 C43 88 47 86.5 52 86.5 C57 86.5 61 88 61 90 '
        'C61 92 58 94 55 94 L53.5 90 Z" fill="#46a83f"/>',
        shaded.nested('frog', 17, 56, 28),
        flat.nested('butterfly', 44, 33, 11),
        flat.nested('blossom', 48, 81, 9),
    ]
    return ''.join(parts)


def make_about(flat, shaded):
    out = os.path.join(ASSETS, 'bitmaps')
    fresh_dir(out)
    render_all(about_drawing(flat, shaded), 64, 97, 64, 97, os.path.join(out, '905.png'))


# ----------------------------------------------------------------------------
# Contact sheets, for looking at the result (never part of the game)

def make_sheets(dest):
    os.makedirs(dest, exist_ok=True)
    a = ASSETS

    def montage(files, labels, out, tile, scale):
        args = ['montage']
        for f, l in zip(files, labels):
            args += ['-label', l, f]
        args += ['-filter', 'point', '-resize', '%d%%' % (100 * scale),
                 '-tile', tile, '-geometry', '+6+6', '-font', FONT, '-pointsize', '10',
                 '-background', '#d8d8d8', os.path.join(dest, out)]
        run(args)

    entries = read_list()
    labels = ['%d %s' % (i, n[:12]) for i, _, n in entries]
    files = [os.path.join(a, 'pictures', '%d.png' % i) for i, _, _ in entries]
    half = len(entries) // 2
    montage(files[:half], labels[:half], 'pictures-1.png', '12x', 2)
    montage(files[half:], labels[half:], 'pictures-2.png', '12x', 2)
    # The same at true size: what the child will actually see.
    montage(files, [str(i) for i, _, _ in entries], 'pictures-actual-size.png', '20x', 1)
    ids = [str(i) for i, _, _ in entries]
    montage([scaled_path(f, 2) for f in files], ids, 'pictures-2x.png', '16x', 1)
    montage([scaled_path(f, 4) for f in files], ids, 'pictures-4x.png', '12x', 1)

    faces = [900, 901, 902, 903, 904, 910, 911, 912, 913, 914]
    ff = [os.path.join(a, 'faces', '%d.png' % i) for i in faces]
    montage(ff, [str(i) for i in faces], 'faces.png', '5x', 4)
    montage([scaled_path(f, 2) for f in ff], [str(i) for i in faces],
            'faces-2x.png', '5x', 2)
    montage([scaled_path(f, 4) for f in ff], [str(i) for i in faces],
            'faces-4x.png', '5x', 1)
    cb = [os.path.join(a, 'cardbacks', '%d.png' % i) for i in sorted(CARD_BACKS)]
    montage(cb, [str(i) for i in sorted(CARD_BACKS)], 'cardbacks.png', '3x', 2)
    bm = os.path.join(a, 'bitmaps', '905.png')
    montage([scaled_path(bm, s) for s in SCALES], ['905@%dx' % s for s in SCALES],
            'bitmap.png', '4x', 1)


# ----------------------------------------------------------------------------

PARTS = ('pictures', 'faces', 'cardbacks', 'about')


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--cache', default=os.path.join(tempfile.gettempdir(), 'pv-emoji'),
                    help='where the emoji packages are downloaded (default %(default)s)')
    ap.add_argument('--sheets', metavar='DIR',
                    help='also write labelled contact sheets into DIR')
    ap.add_argument('--only', metavar='PARTS', default=','.join(PARTS),
                    help='comma-separated subset of: %(default)s')
    args = ap.parse_args()
    only = args.only.split(',')
    if not set(only) <= set(PARTS):
        ap.error('--only takes: ' + ', '.join(PARTS))

    for tool in ('npm', 'rsvg-convert', 'convert', 'montage', 'identify'):
        if not shutil.which(tool):
            sys.exit('%s is needed; see README.md' % tool)

    raw = fetch(args.cache)
    flat = IconSet(raw['flat'], 'flat')
    shaded = IconSet(raw['shaded'], 'shaded')
    with tempfile.TemporaryDirectory() as tmp:
        if 'pictures' in only:
            make_pictures({'flat': flat, 'shaded': shaded})
        if 'faces' in only:
            make_faces(flat, tmp)
        if 'cardbacks' in only:
            make_card_backs()
        if 'about' in only:
            make_about(flat, shaded)
    if args.sheets:
        make_sheets(args.sheets)
    print('made %s under %s' % (', '.join(only), ASSETS))


if __name__ == '__main__':
    main()
