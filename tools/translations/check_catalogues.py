#!/usr/bin/env python3
"""Find the faults in the game's translation catalogues that a player would meet.

Usage: tools/translations/check_catalogues.py [catalogue.ts or folder ...]
       (default: translations/ beside tools/)
Prints one line per fault and exits 1 when there is any:

* the file is not well-formed XML, or not a catalogue;
* a translation has other printf conversions than its source (the core hands the
  translation to wsprintfA with the source's arguments), or other Qt markers (%1, %n);
* a plural message has another number of forms than the catalogue's other plural
  messages, or than lrelease expects for the catalogue's language when this checker knows it;
* two items of one menu share a mnemonic, or a menu item lost its mnemonic;
* a text is empty in a language other than English (English shows its sources,
  but needs its plural forms: "1 questions" otherwise);
* a text the core draws does not fit in Windows-1252 (the core shows '?' for it),
  or a hint holds a letter its upper case cannot be made of;
* a desktop entry text holds a line break (a desktop file's value is one line), or its
  Keywords list lost the ';' that ends it.
"""

import collections
import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

# Forms lrelease expects per language: all of them tell one from many, French counts 0 as one.
# A language not listed here is held to its own catalogue's most common number of forms.
PLURAL_FORMS = {'en': 2, 'de': 2, 'es': 2, 'fr': 2}

# The contexts of the texts that the installed desktop entry and metainfo take their
# translations from (tools/translations/packaging_texts.py).
DESKTOP_CONTEXT = 'Desktop entry'
METAINFO_CONTEXT = 'Metainfo'

# The pop-ups of the menu bar by their English items. The languages' own names in the Language
# pop-up carry no mnemonic and are never translated.
MENUS = {
    'bar': ['&Drill', '&Options', '&Help'],
    'Drill': ['&Add', '&Subtract', '&Multiply', '&Divide', 'Memory &Game', '&View Scores',
              'P&rogress...', 'New &Player...', '&Exit'],
    'Options': ['&Sound Effects', '&Background Music', 'Zoom &1x', 'Zoom &2x', 'Zoom &3x',
                'Zoom &4x', 'Save &Window Position', '&High Color Pictures', '&Random Colors',
                '&Practice Missed Facts', '&Include Tables 11 to 17', '&Language'],
    'Language': ['&Desktop Language'],
}

# Contexts whose texts the core keeps as Windows-1252 bytes.
CP1252_CONTEXTS = {'Menu', 'Hint', 'Drill', 'Colour', 'Screens', 'Scores', 'Memory', 'About'}

PRINTF = re.compile(r'%%|%[-+ #0]*(?:\d+|\*)?(?:\.\d+)?(?:hh|h|ll|l|L|z|j|t)?[diouxXcsSpeEfgGaA]')
QT_MARKER = re.compile(r'%L?(\d\d?|n)')
MNEMONIC = re.compile(r'&(.)')


class Message:
    def __init__(self, context, source, numerus, texts, finished=True):
        self.context = context
        self.source = source
        self.numerus = numerus
        self.texts = texts  # the translation, or each plural form; '' when untranslated
        self.finished = finished  # False while the translator has left it "unfinished"

    def where(self):
        return f'{self.context} "{self.source}"'


def printf_conversions(text):
    return [c for c in PRINTF.findall(text) if c != '%%']


def qt_markers(text):
    return sorted(QT_MARKER.findall(text))


def mnemonics(text):
    """The mnemonic letters of a menu text ("&&" is a plain ampersand)."""
    return [m for m in MNEMONIC.findall(text.replace('&&', '')) if m != ' ']


def read_catalogue(path):
    """The catalogue's language and messages; raises ValueError when it cannot be read."""
    try:
        root = ElementTree.parse(path).getroot()
    except (ElementTree.ParseError, OSError) as error:
        raise ValueError(f'not well-formed XML: {error}') from None
    if root.tag != 'TS' or not root.get('language'):
        raise ValueError('not a translation catalogue (no <TS language="...">)')
    messages = []
    for context in root.iter('context'):
        name = context.findtext('name', '')
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None:
                raise ValueError(f'{name} "{message.findtext("source", "")}": no <translation>')
            if translation.get('type') in ('obsolete', 'vanished'):
                continue
            numerus = message.get('numerus') == 'yes'
            if numerus:
                texts = [form.text or '' for form in translation.iter('numerusform')]
            else:
                texts = [translation.text or '']
            messages.append(Message(name, message.findtext('source', ''), numerus, texts,
                                    translation.get('type') != 'unfinished'))
    return root.get('language'), messages


def check_plural_forms(messages, language, faults):
    counts = collections.Counter(len(m.texts) for m in messages if m.numerus)
    if not counts:
        return
    wanted = PLURAL_FORMS.get(language)
    rule = f'{language} has'
    if wanted is None:
        wanted = counts.most_common(1)[0][0]
        rule = 'most of the catalogue\'s plural messages have'
    for message in messages:
        if message.numerus and len(message.texts) != wanted:
            faults.append(f'{message.where()}: {len(message.texts)} plural forms, {rule} {wanted}')


def check_desktop_text(message, text, faults):
    if '\n' in text or '\r' in text:
        faults.append(f'{message.where()}: a line break, which a desktop file cannot hold')
    if message.source.endswith(';') and not text.endswith(';'):
        faults.append(f'{message.where()}: "{text}" must end in ";", as the list it is')


def check_message(message, language, faults):
    english = language == 'en'
    for text in message.texts:
        if not text:
            if message.numerus or not english:
                faults.append(f'{message.where()}: empty translation')
            continue
        if printf_conversions(message.source) and \
                printf_conversions(text) != printf_conversions(message.source):
            faults.append(f'{message.where()}: printf conversions {printf_conversions(text)} '
                          f'differ from the source\'s {printf_conversions(message.source)}')
        if qt_markers(text) != qt_markers(message.source):
            faults.append(f'{message.where()}: markers {qt_markers(text)} differ from the '
                          f'source\'s {qt_markers(message.source)} in "{text}"')
        if message.context in CP1252_CONTEXTS:
            try:
                text.encode('cp1252')
            except UnicodeEncodeError:
                faults.append(f'{message.where()}: "{text}" is not Windows-1252')
        # The hints flash between cases, and 'ß' has no upper case in Windows-1252.
        if message.context == 'Hint' and 'ß' in text:
            faults.append(f'{message.where()}: "ß" cannot be shown in upper case')
        if message.context == DESKTOP_CONTEXT:
            check_desktop_text(message, text, faults)


def check_menus(messages, faults):
    shown = {m.source: (m.texts[0] or m.source) for m in messages if m.context == 'Menu'}
    placed = {item for items in MENUS.values() for item in items}
    for source, text in shown.items():
        if mnemonics(source) and source not in placed:
            faults.append(f'Menu "{source}": in no pop-up this checker knows')
        if len(mnemonics(text)) != len(mnemonics(source)):
            faults.append(f'Menu "{source}": "{text}" has {len(mnemonics(text))} mnemonics, '
                          f'the source {len(mnemonics(source))}')
    for menu, items in MENUS.items():
        owners = {}
        for source in items:
            for letter in mnemonics(shown.get(source, '')):
                owners.setdefault(letter.casefold(), []).append(shown[source])
        for letter, texts in sorted(owners.items()):
            if len(texts) > 1:
                faults.append(f'{menu} menu: mnemonic "{letter}" in ' +
                              ', '.join(f'"{t}"' for t in texts))


def check_catalogue(path):
    """The faults of one catalogue, without the file's name."""
    try:
        language, messages = read_catalogue(path)
    except ValueError as error:
        return [str(error)]
    base = language.split('_')[0]
    faults = []
    check_plural_forms(messages, base, faults)
    for message in messages:
        check_message(message, base, faults)
    check_menus(messages, faults)
    return faults


def catalogues(arguments):
    if not arguments:
        arguments = [Path(__file__).resolve().parents[2] / 'translations']
    for argument in map(Path, arguments):
        yield from sorted(argument.glob('*.ts')) if argument.is_dir() else [argument]


def main(arguments):
    paths = list(catalogues(arguments))
    faults = [f'{path.name}: {fault}' for path in paths for fault in check_catalogue(path)]
    if not paths:
        faults.append('no catalogues found')
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
