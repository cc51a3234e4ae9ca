#!/usr/bin/env python3
"""The desktop entry's and metainfo's texts in every language a catalogue translates them to.

Usage: tools/translations/packaging_texts.py sources DESKTOP.in METAINFO.xml OUTPUT.cpp
       tools/translations/packaging_texts.py desktop DESKTOP.in OUTPUT CATALOGUE.ts...
       tools/translations/packaging_texts.py metainfo METAINFO.xml OUTPUT CATALOGUE.ts...

The two files hold English only. "sources" lists their texts as QT_TRANSLATE_NOOP lines, so
that lupdate keeps them in the catalogues ("Desktop entry" and "Metainfo"). "desktop" and
"metainfo" write each file with, after every English text, its translation from each
catalogue pondivar_<code>.ts that has finished one, as Key[<code>]= or xml:lang="<code>".
"""

import argparse
import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

from check_catalogues import DESKTOP_CONTEXT, METAINFO_CONTEXT, read_catalogue

# The desktop entry's translated keys, with what a translator should know of each. Name is the
# game's own name in every language.
DESKTOP_KEYS = {
    'GenericName': "The desktop entry's GenericName: what kind of program this is, shown "
                   'beside or instead of its name in menus.',
    'Comment': "The desktop entry's Comment: the menu's tooltip for the game.",
    'Keywords': "The desktop entry's Keywords: the words a menu search finds the game by. "
                'Translate the whole list as one text: words for your language, not '
                "necessarily as many, each ending in ';', the last one too.",
}

# The metainfo's translated elements, likewise; <name> stays the game's own, and anything under
# translate="no" (the release notes) stays English.
METAINFO_TAGS = {
    'summary': "The software centre's one-line summary, under the game's name.",
    'developer_name': 'Who makes the game, as the software centre names them.',
    'p': "A paragraph of the software centre's description of the game.",
    'li': "An item of the software centre's list of what the game offers.",
    'caption': "The caption of a screenshot in the software centre.",
}

XML_LANG = '{http://www.w3.org/XML/1998/namespace}lang'
DESKTOP_LINE = re.compile(r'([A-Za-z0-9-]+)=(.*)')
# XML's white space only: a no-break space before French punctuation is a letter here.
XML_SPACE = re.compile(r'[ \t\r\n]+')


def catalogue_translations(path):
    """The catalogue's code (from pondivar_<code>.ts) and its finished, non-empty texts."""
    code = re.fullmatch(r'pondivar_(.+)\.ts', Path(path).name)
    if not code:
        raise ValueError(f'{path}: not named pondivar_<code>.ts')
    _, messages = read_catalogue(path)
    texts = {(m.context, m.source): m.texts[0] for m in messages
             if m.finished and not m.numerus and m.texts[0]}
    return code.group(1), texts


def read_catalogues(paths):
    """Each catalogue's code and texts, by code, so the languages always come in one order."""
    return sorted(catalogue_translations(path) for path in paths)


def desktop_texts(lines):
    """(line index, key, English value) of each translated key of a desktop entry."""
    for index, line in enumerate(lines):
        match = DESKTOP_LINE.fullmatch(line)
        if match and match.group(1) in DESKTOP_KEYS:
            yield index, match.group(1), match.group(2)


def desktop_translations(key, value, catalogues):
    for code, texts in catalogues:
        text = texts.get((DESKTOP_CONTEXT, value))
        if text and ('\n' in text or '\r' in text):
            raise ValueError(f'pondivar_{code}.ts: a line break in {key} "{text}"')
        if text:
            yield f'{key}[{code}]={text}'


def translated_desktop(lines, catalogues):
    keys = {index: (key, value) for index, key, value in desktop_texts(lines)}
    output = []
    for index, line in enumerate(lines):
        output.append(line)
        if index in keys:
            output += desktop_translations(*keys[index], catalogues)
    return output


def shown_text(text):
    """The text as the software centre shows it: each run of white space is one space."""
    return XML_SPACE.sub(' ', text).strip(' ')


def english_text(element):
    if len(element):
        raise ValueError(f'<{element.tag}> holds markup, which no catalogue message can')
    return shown_text(element.text or '')


def metainfo_texts(parent):
    """(parent, element) for each English element whose text a catalogue translates."""
    if parent.get('translate') == 'no':
        return
    for element in parent:
        if element.tag in METAINFO_TAGS and XML_LANG not in element.attrib:
            yield parent, element
        else:
            yield from metainfo_texts(element)


def translate_metainfo(root, catalogues):
    for parent, english in list(metainfo_texts(root)):
        source = english_text(english)
        place = list(parent).index(english)
        # Each goes in right after the English, so the last language goes in first.
        for code, texts in reversed(catalogues):
            text = texts.get((METAINFO_CONTEXT, source))
            if text:
                translation = ElementTree.Element(english.tag, {XML_LANG: code})
                translation.text = shown_text(text)
                translation.tail = english.tail
                parent.insert(place + 1, translation)


def cpp_string(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def lupdate_source(desktop_lines, metainfo_root):
    """A C++ file that only lupdate reads: each English text, with its note for translators."""
    texts = [(DESKTOP_CONTEXT, DESKTOP_KEYS[key], value)
             for _, key, value in desktop_texts(desktop_lines)]
    texts += [(METAINFO_CONTEXT, METAINFO_TAGS[element.tag], english_text(element))
              for _, element in metainfo_texts(metainfo_root)]
    lines = ['// Made from packaging/ by tools/translations/packaging_texts.py, for lupdate alone.',
             'static const char *const packaging_texts[] = {']
    for context, comment, text in texts:
        lines += [f'    //: {comment}', f'    QT_TRANSLATE_NOOP({cpp_string(context)}, '
                  f'{cpp_string(text)}),']
    return '\n'.join(lines + ['};', ''])


def write_if_changed(path, text):
    # lupdate and the build see a file made again at each configure as unchanged.
    path = Path(path)
    if not path.exists() or path.read_text(encoding='utf-8') != text:
        path.write_text(text, encoding='utf-8')


def read_lines(path):
    return Path(path).read_text(encoding='utf-8').splitlines()


def read_metainfo(path):
    parser = ElementTree.XMLParser(target=ElementTree.TreeBuilder(insert_comments=True))
    return ElementTree.parse(path, parser).getroot()


def write_metainfo(path, root):
    write_if_changed(path, '<?xml version="1.0" encoding="UTF-8"?>\n'
                     + ElementTree.tostring(root, encoding='unicode') + '\n')


def main(arguments):
    parser = argparse.ArgumentParser(description=__doc__.split('\n', 1)[0])
    kinds = parser.add_subparsers(dest='kind', required=True)
    sources = kinds.add_parser('sources')
    sources.add_argument('desktop')
    sources.add_argument('metainfo')
    sources.add_argument('output')
    for kind in ('desktop', 'metainfo'):
        translated = kinds.add_parser(kind)
        translated.add_argument('input')
        translated.add_argument('output')
        translated.add_argument('catalogues', nargs='*')
    options = parser.parse_args(arguments)
    try:
        if options.kind == 'sources':
            write_if_changed(options.output, lupdate_source(read_lines(options.desktop),
                                                            read_metainfo(options.metainfo)))
        elif options.kind == 'desktop':
            catalogues = read_catalogues(options.catalogues)
            lines = translated_desktop(read_lines(options.input), catalogues)
            write_if_changed(options.output, '\n'.join(lines) + '\n')
        else:
            root = read_metainfo(options.input)
            translate_metainfo(root, read_catalogues(options.catalogues))
            write_metainfo(options.output, root)
    except (ValueError, ElementTree.ParseError, OSError) as error:
        sys.exit(f'packaging_texts: {error}')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
