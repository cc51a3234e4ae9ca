#!/usr/bin/env python3
"""Make the desktop icon: the frog of the about panel on its pond, square.

Writes, under packaging/icons/:
  pondivar.svg        the scalable icon
  <N>.png             32, 48, 64, 128 and 256 px, each rendered from the SVG

Uses the same pinned emoji packages and tools as tools/pictures/make_pictures.py
(python3, npm, rsvg-convert, ImageMagick); see README.md beside this file.
"""

import argparse
import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'pictures'))
import make_pictures as pictures  # noqa: E402

OUT = os.path.join(pictures.ROOT, 'packaging', 'icons')
SIZES = (32, 48, 64, 128, 256)


def icon_drawing(flat, shaded):
    """The pond scene on a 64 x 64 rounded square.

    Fewer and larger things than the about picture: at 32 px only the frog,
    its lily pad and the water can still be told apart."""
    return ''.join([
        '<defs>' + pictures.SKY_AND_POND +
        '<clipPath id="tile"><rect x="2" y="2" width="60" height="60" rx="12"/></clipPath>'
        '</defs>',
        '<g clip-path="url(#tile)">',
        '<rect width="64" height="64" fill="url(#sky)"/>',
        flat.nested('sun-with-face', 41, 5, 17),
        '<path d="M0 30 Q16 25 32 29 T64 28 V64 H0 Z" fill="#7cc84a"/>',
        '<path d="M0 38 Q32 31 64 38 V64 H0 Z" fill="url(#pond)"/>',
        '<path d="M6 57 h8 M50 58 h8" stroke="#bfe6ff" stroke-width="1.2" '
        'stroke-linecap="round"/>',
        # The lily pad, with its notch, wide enough to hold the frog.
        '<path d="M29 60 C12 60 5 56 5 51 C5 45 16 42 32 42 C48 42 59 45 59 51 '
        'C59 56 50 60 36 60 L32.5 51 Z" fill="#3f9a3a"/>',
        '<path d="M29 58 C15 58 8 55 8 51" stroke="#5bbf4f" stroke-width="1.2" '
        'fill="none"/>',
        shaded.nested('frog', 12, 14, 40),
        '</g>',
        '<rect x="2.5" y="2.5" width="59" height="59" rx="11.5" fill="none" '
        'stroke="#1f6fb5" stroke-opacity="0.35"/>',
    ])


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--cache', default=os.path.join(tempfile.gettempdir(), 'pv-emoji'),
                    help='where the emoji packages are downloaded (default %(default)s)')
    args = ap.parse_args()
    for tool in ('npm', 'rsvg-convert', 'convert', 'identify'):
        if not shutil.which(tool):
            sys.exit('%s is needed; see README.md' % tool)

    raw = pictures.fetch(args.cache)
    drawing = icon_drawing(pictures.IconSet(raw['flat'], 'flat'),
                           pictures.IconSet(raw['shaded'], 'shaded'))
    os.makedirs(OUT, exist_ok=True)
    for f in os.listdir(OUT):
        if f.endswith('.png') or f.endswith('.svg'):
            os.remove(os.path.join(OUT, f))
    with open(os.path.join(OUT, 'pondivar.svg'), 'w', encoding='utf-8') as f:
        f.write(pictures.svg_doc(drawing, 64, 64, 64, 64) + '\n')
    # Each size from the drawing itself, not scaled from another PNG, so small
    # sizes stay sharp.
    for size in SIZES:
        pictures.render(pictures.svg_doc(drawing, 64, 64, size, size),
                        os.path.join(OUT, '%d.png' % size), (size, size))
    print('made the icon under %s' % OUT)


if __name__ == '__main__':
    main()
