#!/usr/bin/env python3
"""Write src/assets/picture_names.cpp: what each picture 500..843 shows, in words a screen
reader can speak, from the emoji names in pictures.txt beside this script.

A name's hyphens become spaces ("dog-face" -> "dog face"); the few emoji names that read badly
aloud, or that a young child would not know, have a plainer word in SPOKEN below.

Usage: make_picture_names.py           rewrite the file
       make_picture_names.py --check   exit 1 when the file is not what the list gives
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
LIST = os.path.join(HERE, 'pictures.txt')
OUTPUT = os.path.join(ROOT, 'src', 'assets', 'picture_names.cpp')
FIRST, LAST = 500, 843

SPOKEN = {
    'beach-with-umbrella': 'beach umbrella',
    'beverage-box': 'juice box',
    'billed-cap': 'cap',
    'cowboy-hat-face': 'cowboy face',
    'ewe': 'sheep',
    'globe-showing-europe-africa': 'globe',
    'headphone': 'headphones',
    'hot-beverage': 'hot drink',
    'lady-beetle': 'ladybird',
    'magnifying-glass-tilted-left': 'magnifying glass',
    'person-mage': 'wizard',
    'person-merpeople': 'merperson',
    'person-rowing-boat': 'person rowing a boat',
    'person-superhero': 'superhero',
    'piata': 'pi\u00f1ata',
    'ring-buoy': 'life ring',
    'sauropod': 'long-necked dinosaur',
    't-rex': 'T. rex',
    'umbrella-with-rain-drops': 'umbrella in the rain',
    'womans-hat': "woman's hat",
    'yo-yo': 'yo-yo',
}


def read_names():
    names = []
    with open(LIST, encoding='utf-8') as f:
        for line in f:
            line = line.split('#', 1)[0].strip()
            if line:
                ident, _, name = line.split()
                names.append((int(ident), name))
    if [i for i, _ in names] != list(range(FIRST, LAST + 1)):
        sys.exit('pictures.txt must list %d..%d once each, in order' % (FIRST, LAST))
    return names


def spoken(name):
    return SPOKEN.get(name, name.replace('-', ' '))


def source(names):
    rows = ''.join('    PV_TEXT("Pictures", "%s"),  // %d\n' % (spoken(n).replace('"', '\\"'), i) for i, n in names)
    return (
        '// What each picture shows, in words for a screen reader. Generated from\n'
        '// tools/pictures/pictures.txt by tools/pictures/make_picture_names.py: edit those.\n'
        '#include "assets/catalogue.h"\n'
        '\n'
        '#include <iterator>\n'
        '\n'
        '#include "assets/translatable.h"\n'
        '\n'
        'namespace pv {\n'
        '\n'
        'namespace {\n'
        '\n'
        '// clang-format off\n'
        'constexpr const char* kPictureNames[] = {\n'
        + rows +
        '};\n'
        '// clang-format on\n'
        'static_assert(std::size(kPictureNames) == kAllPictures);\n'
        '\n'
        '}  // namespace\n'
        '\n'
        'const char* PictureName(ResourceId id) {\n'
        '    if (id < kFirstPicture || id >= kFirstPicture + kAllPictures) return "";\n'
        '    return kPictureNames[id - kFirstPicture];\n'
        '}\n'
        '\n'
        '}  // namespace pv\n')


def main():
    text = source(read_names())
    if sys.argv[1:] == ['--check']:
        with open(OUTPUT, encoding='utf-8') as f:
            if f.read() != text:
                sys.exit('%s is out of date: run %s' % (OUTPUT, os.path.relpath(__file__, ROOT)))
        return
    with open(OUTPUT, 'w', encoding='utf-8') as f:
        f.write(text)


if __name__ == '__main__':
    main()
