#!/usr/bin/env python3
"""Faults the catalogue checker must find, and none it must not; the pseudo-language keeps
what the game needs. Run: python3 tools/translations/test_translations.py"""

import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import check_catalogues
import make_pseudo
import packaging_texts


def message(context, source, *texts, numerus=False, state=None):
    forms = ''.join(f'<numerusform>{t}</numerusform>' for t in texts)
    body, kind = (forms, ' numerus="yes"') if numerus else (texts[0], '')
    state = f' type="{state}"' if state else ''
    return (f'<context><name>{context}</name><message{kind}><source>{source}</source>'
            f'<translation{state}>{body}</translation></message></context>')


class Catalogues(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def write(self, language, *contexts, raw=None):
        path = Path(self.folder.name) / f'pondivar_{language}.ts'
        path.write_text(raw or f'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                        f'<TS version="2.1" language="{language}" sourcelanguage="en">'
                        + ''.join(contexts) + '</TS>', encoding='utf-8')
        return path

    def faults(self, language, *contexts, raw=None):
        return check_catalogues.check_catalogue(self.write(language, *contexts, raw=raw))

    def test_printf_conversions_must_match_in_order(self):
        for text, good in [('Stufe %d', True), ('Stufe %s', False), ('Stufe %d %d', False),
                           ('Stufe', False), ('%d%% Stufe', True)]:
            self.assertEqual(self.faults('de_DE', message('Drill', 'level %d', text)) == [], good,
                             text)
        self.assertTrue(self.faults('fr', message('Drill', '%d x %d', '%d x %s')))
        # A percent sign in a Qt text is no conversion: "% g" is German spacing, not %g.
        self.assertEqual(self.faults('de', message('Progress', '%1% right', '%1 % gleich')), [])

    def test_qt_markers_must_all_stay(self):
        self.assertEqual(self.faults('de', message('Progress', '%1 of %2', '%2 von %1')), [])
        self.assertTrue(self.faults('de', message('Progress', '%1 of %2', '%1 von')))
        self.assertTrue(self.faults('es', message('Reader', '%n moves', '%n jugada', 'jugadas',
                                                  numerus=True)))

    def test_plural_forms_per_language(self):
        two = message('Drill', '%n questions', '%n q', '%n qs', numerus=True)
        three = message('Drill', '%n questions', '%n q', '%n qs', '%n qss', numerus=True)
        self.assertEqual(self.faults('fr_FR', two), [])
        self.assertTrue(self.faults('de_DE', three))
        # A language the checker has no rule for is held to its own catalogue's usual count.
        self.assertEqual(self.faults('xx', three, three.replace('questions', 'moves')), [])
        self.assertEqual(self.faults('xx', two, two.replace('questions', 'moves'), three),
                         ['Drill "%n questions": 3 plural forms, most of the catalogue\'s '
                          'plural messages have 2'])

    def test_empty_texts(self):
        self.assertTrue(self.faults('es_ES', message('Hint', 'color', '')))
        # English shows its sources, but "1 questions" is a fault.
        self.assertEqual(self.faults('en', message('Hint', 'color', '')), [])
        self.assertTrue(self.faults('en', message('Drill', '%n questions', '%n question', '',
                                                  numerus=True)))

    def test_menu_mnemonics(self):
        drill = [message('Menu', '&amp;Add', '&amp;Plus'), message('Menu', '&amp;Exit', 'B&amp;eenden')]
        self.assertEqual(self.faults('de', *drill), [])
        clash = message('Menu', 'Memory &amp;Game', '&amp;paare suchen')
        self.assertIn('mnemonic "p"', ' '.join(self.faults('de', *drill, clash)))
        # The same letter in two pop-ups is no clash; an item that lost its letter is a fault.
        self.assertEqual(self.faults('de', *drill, message('Menu', '&amp;Options', '&amp;Pause')), [])
        self.assertTrue(self.faults('de', message('Menu', '&amp;Add', 'Plus &amp;&amp; mehr')))
        self.assertTrue(self.faults('de', message('Menu', '&amp;Pause', '&amp;Pause')))

    def test_texts_the_core_draws_are_windows_1252(self):
        self.assertEqual(self.faults('fr', message('Drill', 'Right!', 'Juste\u00a0!')), [])
        self.assertTrue(self.faults('fr', message('Drill', 'Right!', 'Juste\u202f!')))
        self.assertEqual(self.faults('fr', message('Progress', 'Known', 'Acquis\u202f!')), [])
        self.assertTrue(self.faults('de', message('Hint', 'exit', 'schließen')))

    def test_desktop_entry_texts_fit_a_desktop_file(self):
        keywords = 'times tables;maths;'
        self.assertEqual(self.faults('de', message('Desktop entry', keywords, 'Einmaleins;Mathe;'),
                                     message('Metainfo', 'A game', 'Ein\nSpiel')), [])
        self.assertTrue(self.faults('de', message('Desktop entry', keywords, 'Einmaleins;Mathe')))
        self.assertTrue(self.faults('de', message('Desktop entry', 'Drill', 'Rechen-\ntrainer')))

    def test_unreadable_files(self):
        self.assertTrue(self.faults('de', raw='<TS language="de"><context></TS>'))
        self.assertTrue(self.faults('de', raw='<?xml version="1.0"?><html/>'))


class PackagingTexts(Catalogues):
    DESKTOP = ['[Desktop Entry]', 'Name=Pondivar', 'GenericName=Drill', 'Keywords=maths;',
               'X=Drill']
    METAINFO = ('<component><name>Pondivar</name><summary>Drill</summary><description>\n'
                '  <p>\n    Two\n    lines\n  </p>\n</description><releases>'
                '<description translate="no"><p>Two lines</p></description></releases></component>')

    def catalogues(self, *catalogues):
        return packaging_texts.read_catalogues(self.write(*c) for c in catalogues)

    def test_desktop_entry_takes_each_finished_translation(self):
        catalogues = self.catalogues(
            ('fr', message('Desktop entry', 'Drill', 'Calcul'),
             message('Desktop entry', 'maths;', 'maths;', state='unfinished')),
            ('de', message('Desktop entry', 'Drill', 'Rechnen'),
             message('Desktop entry', 'maths;', 'Mathe;'), message('Metainfo', 'Pondivar', 'P')),
            ('en', message('Desktop entry', 'Drill', '', state='unfinished')))
        self.assertEqual(packaging_texts.translated_desktop(self.DESKTOP, catalogues),
                         self.DESKTOP[:3] + ['GenericName[de]=Rechnen', 'GenericName[fr]=Calcul',
                                             'Keywords=maths;', 'Keywords[de]=Mathe;', 'X=Drill'])
        broken = self.catalogues(('de', message('Desktop entry', 'Drill', 'Rech-\nnen')))
        with self.assertRaises(ValueError):
            packaging_texts.translated_desktop(self.DESKTOP, broken)

    def test_metainfo_takes_each_translation_after_its_english(self):
        folder = Path(self.folder.name)
        (folder / 'in.xml').write_text(self.METAINFO, encoding='utf-8')
        catalogues = [self.write(code, message('Metainfo', 'Two lines', f'{code}\n  \u00a0:'),
                                 message('Metainfo', 'Drill', f'{code} drill'))
                      for code in ('es', 'pt_BR', 'de')]
        self.assertEqual(packaging_texts.main(['metainfo', str(folder / 'in.xml'),
                                               str(folder / 'out.xml'), *map(str, catalogues)]), 0)
        root = ElementTree.parse(folder / 'out.xml').getroot()
        self.assertEqual([(e.tag, e.get(packaging_texts.XML_LANG), e.text) for e in root][:5],
                         [('name', None, 'Pondivar'), ('summary', None, 'Drill'),
                          ('summary', 'de', 'de drill'), ('summary', 'es', 'es drill'),
                          ('summary', 'pt_BR', 'pt_BR drill')])
        self.assertEqual([p.text for p in root.find('description')],
                         ['\n    Two\n    lines\n  ', 'de \u00a0:', 'es \u00a0:', 'pt_BR \u00a0:'])
        self.assertEqual(len(list(root.find('releases').iter('p'))), 1)  # translate="no"

    def test_lupdate_source_lists_the_english_with_notes(self):
        metainfo = ElementTree.fromstring(self.METAINFO.replace('Drill', 'The "best" \\ drill'))
        source = packaging_texts.lupdate_source(self.DESKTOP, metainfo)
        self.assertIn('QT_TRANSLATE_NOOP("Desktop entry", "Drill"),', source)
        self.assertIn('QT_TRANSLATE_NOOP("Metainfo", "The \\"best\\" \\\\ drill"),', source)
        self.assertRegex(source, r'//: .*one text.*\n.*"maths;"')
        self.assertEqual(source.count('QT_TRANSLATE_NOOP'), 4)  # not Name, X, nor release notes
        with self.assertRaises(ValueError):
            packaging_texts.lupdate_source([], ElementTree.fromstring('<c><p>a <em>b</em></p></c>'))


class Pseudo(unittest.TestCase):
    def test_longer_and_marked_with_everything_kept(self):
        self.assertEqual(make_pseudo.pseudo('sound on'), '[!! sound on~~~~ !!]')
        self.assertEqual(make_pseudo.pseudo('P&rogress...'), '[!! P&rogress...~~~~~ !!]')
        self.assertEqual(make_pseudo.pseudo('A (*.csv);;B (*)'), '[!! A~ !!] (*.csv);;[!! B~ !!] (*)')
        self.assertEqual(make_pseudo.pseudo('maths;sums;'), '[!! maths~~ !!];[!! sums~~ !!];')
        english = Path(__file__).resolve().parents[2] / 'translations' / 'pondivar_en.ts'
        with tempfile.TemporaryDirectory() as folder:
            output = Path(folder) / 'pondivar_xx.ts'
            make_pseudo.main([str(output)])
            self.assertEqual(check_catalogues.check_catalogue(output), [])
            texts = [m.find('translation') for m in ElementTree.parse(output).iter('message')]
        self.assertTrue(texts)
        self.assertTrue(all(t.get('type') is None for t in texts))


if __name__ == '__main__':
    unittest.main()
