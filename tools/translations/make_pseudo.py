#!/usr/bin/env python3
"""Write a pseudo-translation for trying whether longer texts still fit the window.

Usage: tools/translations/make_pseudo.py OUTPUT.ts [--from pondivar_en.ts] [--language en]

Every text becomes its English 40 % longer, marked at both ends so that a cut-off
shows: "[!! sound on~~~~ !!]". Mnemonics, printf conversions and Qt markers stay
as they are; plural messages take the English forms. Each line of a text grows on
its own, so that panels wrap as they would with longer words. The output is for a
trial build only: it is not one of the game's languages.
"""

import argparse
import math
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

GROWTH = 0.4


def longer(line):
    # Mnemonic ampersands are not drawn, so they do not count.
    shown = len(line.replace('&&', '&').replace('&', ''))
    return line + '~' * math.ceil(shown * GROWTH) if line else line


def pseudo(text):
    if ';;' in text or text.endswith(')') and ' (*' in text:
        # A file dialog filter: only the descriptions are words, "(*.csv)" must end each part.
        parts = []
        for part in text.split(';;'):
            words, _, patterns = part.rpartition(' (')
            parts.append(f'{pseudo(words)} ({patterns}' if words else pseudo(part))
        return ';;'.join(parts)
    if text.endswith(';'):
        # The desktop entry's keywords: each one grows, and the list still ends in ';'.
        return ''.join(pseudo(item) + ';' for item in text[:-1].split(';'))
    return '[!! ' + '\n'.join(longer(line) for line in text.split('\n')) + ' !!]'


def make(catalogue, language):
    root = ElementTree.parse(catalogue).getroot()
    root.set('language', language)
    for message in root.iter('message'):
        translation = message.find('translation')
        source = message.findtext('source', '')
        translation.attrib.pop('type', None)
        forms = list(translation.iter('numerusform'))
        if forms:
            for form in forms:
                form.text = pseudo(form.text or source)
        else:
            translation.text = pseudo(source)
    return root


def main(arguments):
    here = Path(__file__).resolve().parents[2]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('output', type=Path)
    parser.add_argument('--from', dest='catalogue', type=Path,
                        default=here / 'translations' / 'pondivar_en.ts')
    parser.add_argument('--language', default='en',
                        help='language the output claims (its plural rule): en by default')
    options = parser.parse_args(arguments)
    root = make(options.catalogue, options.language)
    ElementTree.indent(root)
    with open(options.output, 'w', encoding='utf-8') as output:
        output.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        output.write(ElementTree.tostring(root, encoding='unicode'))
        output.write('\n')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
