<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <location filename="../src/app/shown_texts.cpp" line="+57"/>
        <source>Copyright (c) 2026 the Pondivar developers</source>
        <translation>Copyright (c) 2026 die Pondivar-Entwickler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hi.. Just click on any button.  A happy face means that you chose the correct one.. bye</source>
        <translation>Hallo! Klick einfach auf einen Knopf. Ein fröhliches Gesicht heißt: Das war richtig. Tschüs</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send comments to:</source>
        <translation>Schreib uns:</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <location line="-43"/>
        <location filename="../src/colour/colour.cpp" line="+38"/>
        <source>%d red</source>
        <translation>%d rot</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/colour/colour.cpp" line="+1"/>
        <source>%d green</source>
        <translation>%d grün</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/colour/colour.cpp" line="+1"/>
        <source>%d blue</source>
        <translation>%d blau</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <location filename="../src/app/command_line.h" line="+26"/>
        <source>--player needs a name</source>
        <translation>--player braucht einen Namen</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="+68"/>
        <source>--data-folder needs a folder</source>
        <translation>--data-folder braucht einen Ordner</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>unknown argument: %1</source>
        <translation>unbekanntes Argument: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot use that player name: %1</source>
        <translation>dieser Spielername geht nicht: %1</translation>
    </message>
    <message>
        <location filename="../src/app/console.cpp" line="+26"/>
        <source>there is no player called %1</source>
        <translation>es gibt keinen Spieler namens %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the report could not be written whole</source>
        <translation>der Bericht konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/app/who_plays.cpp" line="+20"/>
        <source>%1; playing without players</source>
        <translation>%1; es wird ohne Spieler gespielt</translation>
    </message>
    <message>
        <location filename="../src/app/launcher_texts.cpp" line="+17"/>
        <source>usage: pondivar [--player NAME] [--report] | --help | --version</source>
        <translation>Aufruf: pondivar [--player NAME] [--report] | --help | --version</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings, high scores and each player&apos;s answers are kept in $XDG_DATA_HOME/pondivar
(~/.local/share/pondivar when XDG_DATA_HOME is unset), one folder per player.</source>
        <translation>Einstellungen, Bestenlisten und die Antworten jedes Spielers liegen in $XDG_DATA_HOME/pondivar
(~/.local/share/pondivar, wenn XDG_DATA_HOME nicht gesetzt ist), ein Ordner pro Spieler.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot find the home folder to keep settings and scores in (HOME is not set)</source>
        <translation>der Home-Ordner für Einstellungen und Bestenlisten ist nicht zu finden (HOME ist nicht gesetzt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot make the data folder %1</source>
        <translation>der Datenordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot write to the data folder %1</source>
        <translation>in den Datenordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot enter the data folder %1</source>
        <translation>der Datenordner %1 lässt sich nicht öffnen</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <location filename="../build/packaging/packaging_texts.cpp" line="+4"/>
        <source>Arithmetic drill</source>
        <extracomment>The desktop entry&apos;s GenericName: what kind of program this is, shown beside or instead of its name in menus.</extracomment>
        <translation>Rechentrainer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Practise addition, subtraction, multiplication and division tables</source>
        <extracomment>The desktop entry&apos;s Comment: the menu&apos;s tooltip for the game.</extracomment>
        <translation>Plus-, Minus-, Mal- und Geteilt-Aufgaben üben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>times tables;arithmetic;multiplication;division;maths;addition;subtraction;</source>
        <extracomment>The desktop entry&apos;s Keywords: the words a menu search finds the game by. Translate the whole list as one text: words for your language, not necessarily as many, each ending in &apos;;&apos;, the last one too.</extracomment>
        <translation>Einmaleins;Rechnen;Multiplikation;Division;Mathe;Addition;Subtraktion;Einspluseins;</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message numerus="yes">
        <location filename="../src/drill/question.cpp" line="+89"/>
        <source>%n questions</source>
        <translation>
            <numerusform>%n Aufgabe</numerusform>
            <numerusform>%n Aufgaben</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/animation/tick.cpp" line="+147"/>
        <source>level %d</source>
        <translation>Stufe %d</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>score %d</source>
        <translation>Pkt. %d</translation>
    </message>
    <message>
        <location filename="../src/drill/judge.cpp" line="+33"/>
        <source>Right!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not quite, try again</source>
        <translation>Nicht ganz, versuch es noch mal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Still not that one</source>
        <translation>Die ist es auch nicht</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="-54"/>
        <source>usage: pondivar [--player NAME] [--report] | --help | --version

  --player NAME  play as NAME (made when new); without it, as the player of the
                 last run. NAME has 1 to 24 letters, digits, spaces, &apos;-&apos;, &apos;_&apos; or
                 &apos;.&apos;; it does not start with &apos;.&apos;, a space or &apos;-&apos;, nor end
                 with a space.
  --report       print every player&apos;s answers per fact as CSV, most often
                 missed first, and open no window; with --player, one player&apos;s
  --help         print this text
  --version      print the version
</source>
        <translation>Aufruf: pondivar [--player NAME] [--report] | --help | --version

  --player NAME  als NAME spielen (wird angelegt, wenn neu); ohne die Option als
                 Spieler des letzten Laufs. NAME hat 1 bis 24 Buchstaben,
                 Ziffern, Leerzeichen, &apos;-&apos;, &apos;_&apos; oder &apos;.&apos;; er beginnt nicht mit
                 &apos;.&apos;, einem Leerzeichen oder &apos;-&apos; und endet nicht mit einem
                 Leerzeichen.
  --report       die Antworten aller Spieler je Aufgabe als CSV ausgeben, die
                 häufigsten Fehler zuerst, ohne Fenster; mit --player nur die
                 Antworten dieses Spielers
  --help         diesen Text ausgeben
  --version      die Version ausgeben
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <location filename="../src/game/tools.h" line="+36"/>
        <source>about Pondivar</source>
        <translation>über Pondivar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>sound on</source>
        <translation>ton an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sound off</source>
        <translation>ton aus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>music on</source>
        <translation>musik an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>music off</source>
        <translation>musik aus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>refresh question</source>
        <translation>neue aufgabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>color</source>
        <translation>farbe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>high scores</source>
        <translation>bestenliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exit Pondivar</source>
        <translation>Pondivar beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>memory game</source>
        <translation>paare suchen</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/qt/language/translators.cpp" line="+59"/>
        <source>English</source>
        <extracomment>The language of this catalogue, named in its own words for the Language menu (&quot;Deutsch&quot;, &quot;Français&quot;).</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <location filename="../src/app/create_controls.cpp" line="+69"/>
        <source>bye</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../src/assets/catalogue.cpp" line="+17"/>
        <source>&amp;Drill</source>
        <translation>&amp;Rechnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Add</source>
        <translation>&amp;Plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Subtract</source>
        <translation>M&amp;inus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multiply</source>
        <translation>&amp;Mal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Divide</source>
        <translation>&amp;Geteilt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory &amp;Game</source>
        <translation>Paare &amp;suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Background Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save &amp;Window Position</source>
        <translation>&amp;Fensterposition merken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;High Color Pictures</source>
        <translation>&amp;Bunte Bilder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Random Colors</source>
        <translation>&amp;Zufallsfarben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Include Tables 11 to 17</source>
        <translation>&amp;Reihen 11 bis 17</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/app/players_menu.cpp" line="+103"/>
        <source>&amp;Practice Missed Facts</source>
        <translation>F&amp;ehler üben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;rogress...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New &amp;Player...</source>
        <translation>&amp;Neuer Spieler...</translation>
    </message>
    <message>
        <location filename="../src/app/zoom.cpp" line="+72"/>
        <source>Zoom &amp;1x</source>
        <translation>Zoom &amp;1x</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zoom &amp;2x</source>
        <translation>Zoom &amp;2x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;3x</source>
        <translation>Zoom &amp;3x</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zoom &amp;4x</source>
        <translation>Zoom &amp;4x</translation>
    </message>
    <message>
        <location filename="../src/app/language_menu.cpp" line="+46"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Desktop Language</source>
        <translation>Sprache des &amp;Desktops</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="../build/packaging/packaging_texts.cpp" line="+2"/>
        <source>Practise arithmetic tables with a frog and a memory game</source>
        <extracomment>The software centre&apos;s one-line summary, under the game&apos;s name.</extracomment>
        <translation>Rechnen üben mit einem Frosch und einem Paare-Spiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Pondivar developers</source>
        <extracomment>Who makes the game, as the software centre names them.</extracomment>
        <translation>Die Pondivar-Entwickler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pondivar drills a child in the tables of addition, subtraction, multiplication and division, one question at a time.</source>
        <extracomment>A paragraph of the software centre&apos;s description of the game.</extracomment>
        <translation>Pondivar übt mit einem Kind das Plus-, Minus-, Mal- und Geteiltrechnen, eine Aufgabe nach der anderen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The child picks the right answer out of four buttons. A grinning face and a cheerful sound answer a right click, a sad face blanks a wrong button, and each level finished without a mistake makes the table one row and one column larger, from 2 up to 10, or to 17 for the keen.</source>
        <extracomment>A paragraph of the software centre&apos;s description of the game.</extracomment>
        <translation>Das Kind wählt die richtige Antwort aus vier Knöpfen. Ein strahlendes Gesicht und ein fröhlicher Ton belohnen einen richtigen Klick, ein trauriges Gesicht leert einen falschen Knopf, und jede fehlerfreie Stufe macht die Tabelle um eine Zeile und eine Spalte größer, von 2 bis 10 oder, für Eifrige, bis 17.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each child plays as a player of their own, with their own settings, high scores and record of answers. For a parent or teacher, Progress... in the Drill menu shows each operation&apos;s table as a grid of facts, coloured from never asked through often missed to known, with the ten facts most often missed and a chart of the last two weeks. The same figures can be saved as a CSV file for a spreadsheet, or printed with pondivar --report.</source>
        <extracomment>A paragraph of the software centre&apos;s description of the game.</extracomment>
        <translation>Jedes Kind spielt als eigener Spieler, mit eigenen Einstellungen, einer eigenen Bestenliste und einer Aufzeichnung seiner Antworten. Für Eltern und Lehrkräfte zeigt Fortschritt... im Menü Rechnen für jede Rechenart die Tabelle als Raster der Aufgaben, eingefärbt von nie gefragt über oft falsch bis gekonnt, dazu die zehn am häufigsten falsch beantworteten Aufgaben und ein Diagramm der letzten zwei Wochen. Dieselben Zahlen lassen sich als CSV-Datei für eine Tabellenkalkulation speichern oder mit pondivar --report ausgeben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the operation: addition, subtraction, multiplication or division</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Rechenart wählen: Plus, Minus, Mal oder Geteilt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionally practise missed facts: about one question in three then comes from the facts the child keeps missing</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Fehler üben, wenn gewünscht: etwa jede dritte Aufgabe kommt dann aus denen, die das Kind oft falsch beantwortet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Win a memory game on thirty picture cards as a reward</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Als Belohnung ein Paare-Spiel mit dreißig Bildkarten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep a high-score list, with background music and changing colours</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Eine Bestenliste, Hintergrundmusik und wechselnde Farben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play with the mouse or the keyboard: the keys 1 to 4 answer, the arrows and Enter play the memory game</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Mit der Maus oder der Tastatur spielen: die Tasten 1 bis 4 antworten, Pfeiltasten und Eingabetaste spielen das Paare-Spiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play with a screen reader: every control has a name, and the questions, answers and turned cards are read aloud</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Mit einem Bildschirmleser spielen: jedes Bedienelement hat einen Namen, Aufgaben, Antworten und aufgedeckte Karten werden vorgelesen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the window at one to four times its size</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Das Fenster in ein- bis vierfacher Größe zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play in German, French, Spanish or English: the desktop&apos;s language, or the one chosen in the game</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Auf Deutsch, Französisch, Spanisch oder Englisch spielen: in der Sprache des Desktops oder der im Spiel gewählten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A multiplication question with its four answer buttons</source>
        <extracomment>The caption of a screenshot in the software centre.</extracomment>
        <translation>Eine Mal-Aufgabe mit ihren vier Antwortknöpfen</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <location filename="../src/assets/picture_names.cpp" line="+15"/>
        <source>ant</source>
        <translation>Ameise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baby chick</source>
        <translation>Küken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bear</source>
        <translation>Bär</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beaver</source>
        <translation>Biber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beetle</source>
        <translation>Käfer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blowfish</source>
        <translation>Kugelfisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bug</source>
        <translation>Raupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camel</source>
        <translation>Kamel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cat face</source>
        <translation>Katzengesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chipmunk</source>
        <translation>Streifenhörnchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cow face</source>
        <translation>Kuhgesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crocodile</source>
        <translation>Krokodil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deer</source>
        <translation>Hirsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dog face</source>
        <translation>Hundegesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>donkey</source>
        <translation>Esel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dove</source>
        <translation>Taube</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>duck</source>
        <translation>Ente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eagle</source>
        <translation>Adler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sheep</source>
        <translation>Schaf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>goat</source>
        <translation>Ziege</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gorilla</source>
        <translation>Gorilla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hatching chick</source>
        <translation>schlüpfendes Küken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hedgehog</source>
        <translation>Igel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hippopotamus</source>
        <translation>Nilpferd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>honeybee</source>
        <translation>Biene</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>jellyfish</source>
        <translation>Qualle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kangaroo</source>
        <translation>Känguru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moose</source>
        <translation>Elch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mouse face</source>
        <translation>Mausgesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nest with eggs</source>
        <translation>Nest mit Eiern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>octopus</source>
        <translation>Krake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>otter</source>
        <translation>Otter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ox</source>
        <translation>Ochse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>parrot</source>
        <translation>Papagei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>polar bear</source>
        <translation>Eisbär</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>peacock</source>
        <translation>Pfau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pig face</source>
        <translation>Schweinegesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rabbit face</source>
        <translation>Hasengesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>raccoon</source>
        <translation>Waschbär</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rhinoceros</source>
        <translation>Nashorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rooster</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>long-necked dinosaur</source>
        <translation>Langhals-Dinosaurier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>seal</source>
        <translation>Robbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shark</source>
        <translation>Hai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skunk</source>
        <translation>Stinktier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sloth</source>
        <translation>Faultier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snail</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spouting whale</source>
        <translation>Wal mit Fontäne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>swan</source>
        <translation>Schwan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T. rex</source>
        <translation>T-Rex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tiger face</source>
        <translation>Tigergesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turkey</source>
        <translation>Truthahn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unicorn</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>worm</source>
        <translation>Wurm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crab</source>
        <translation>Krabbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blossom</source>
        <translation>Blüte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bouquet</source>
        <translation>Blumenstrauß</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deciduous tree</source>
        <translation>Laubbaum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>evergreen tree</source>
        <translation>Tannenbaum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>feather</source>
        <translation>Feder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>four leaf clover</source>
        <translation>vierblättriges Kleeblatt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibiscus</source>
        <translation>Hibiskus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>maple leaf</source>
        <translation>Ahornblatt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>palm tree</source>
        <translation>Palme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>potted plant</source>
        <translation>Topfpflanze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>seedling</source>
        <translation>Keimling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baby bottle</source>
        <translation>Babyflasche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bell pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>juice box</source>
        <translation>Saftpäckchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bread</source>
        <translation>Brot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>candy</source>
        <translation>Bonbon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cheese wedge</source>
        <translation>Stück Käse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chocolate bar</source>
        <translation>Tafel Schokolade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cucumber</source>
        <translation>Gurke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ear of corn</source>
        <translation>Maiskolben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>egg</source>
        <translation>Ei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eggplant</source>
        <translation>Aubergine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>french fries</source>
        <translation>Pommes frites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>glass of milk</source>
        <translation>Glas Milch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green salad</source>
        <translation>Salat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>honey pot</source>
        <translation>Honigtopf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hot drink</source>
        <translation>heißes Getränk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hot dog</source>
        <translation>Hotdog</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hot pepper</source>
        <translation>Chilischote</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lollipop</source>
        <translation>Lutscher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>onion</source>
        <translation>Zwiebel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pancakes</source>
        <translation>Pfannkuchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pea pod</source>
        <translation>Erbsenschote</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pretzel</source>
        <translation>Brezel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sandwich</source>
        <translation>Sandwich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shaved ice</source>
        <translation>Slush-Eis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shortcake</source>
        <translation>Erdbeertorte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>soft ice cream</source>
        <translation>Softeis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spaghetti</source>
        <translation>Spaghetti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>teapot</source>
        <translation>Teekanne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>waffle</source>
        <translation>Waffel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>american football</source>
        <translation>Football</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>artist palette</source>
        <translation>Malpalette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>badminton</source>
        <translation>Federball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bowling</source>
        <translation>Bowling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flying disc</source>
        <translation>Frisbee</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ice hockey</source>
        <translation>Eishockey</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ice skate</source>
        <translation>Schlittschuh</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magic wand</source>
        <translation>Zauberstab</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nesting dolls</source>
        <translation>Matroschkas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>party popper</source>
        <translation>Konfetti-Knaller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>piñata</source>
        <translation>Piñata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ping pong</source>
        <translation>Tischtennis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puzzle piece</source>
        <translation>Puzzleteil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ribbon</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sled</source>
        <translation>Schlitten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skis</source>
        <translation>Skier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tennis</source>
        <translation>Tennisball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>video game</source>
        <translation>Videospiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>volleyball</source>
        <translation>Volleyball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yarn</source>
        <translation>Wollknäuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>airplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ambulance</source>
        <translation>Krankenwagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>automobile</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bicycle</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bullet train</source>
        <translation>Schnellzug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>carousel horse</source>
        <translation>Karussellpferd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>castle</source>
        <translation>Schloss</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circus tent</source>
        <translation>Zirkuszelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cloud with rain</source>
        <translation>Regenwolke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crescent moon</source>
        <translation>Mondsichel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delivery truck</source>
        <translation>Lieferwagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desert island</source>
        <translation>einsame Insel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>droplet</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ferris wheel</source>
        <translation>Riesenrad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fire engine</source>
        <translation>Feuerwehrauto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flying saucer</source>
        <translation>fliegende Untertasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>full moon face</source>
        <translation>Vollmond mit Gesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>globe</source>
        <translation>Globus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>house</source>
        <translation>Haus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hut</source>
        <translation>Hütte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kick scooter</source>
        <translation>Tretroller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locomotive</source>
        <translation>Lokomotive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>luggage</source>
        <translation>Koffer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>motor boat</source>
        <translation>Motorboot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>canoe</source>
        <translation>Kanu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>motor scooter</source>
        <translation>Motorroller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>motorcycle</source>
        <translation>Motorrad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snow capped mountain</source>
        <translation>verschneiter Berg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>parachute</source>
        <translation>Fallschirm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ship</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>playground slide</source>
        <translation>Rutsche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>life ring</source>
        <translation>Rettungsring</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>police car</source>
        <translation>Polizeiauto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>racing car</source>
        <translation>Rennauto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ringed planet</source>
        <translation>Planet mit Ringen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rocket</source>
        <translation>Rakete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>roller coaster</source>
        <translation>Achterbahn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>roller skate</source>
        <translation>Rollschuh</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sailboat</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>school</source>
        <translation>Schule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snowflake</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snowman</source>
        <translation>Schneemann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun behind cloud</source>
        <translation>Sonne hinter einer Wolke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tent</source>
        <translation>Zelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>umbrella in the rain</source>
        <translation>Regenschirm im Regen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beach umbrella</source>
        <translation>Sonnenschirm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>volcano</source>
        <translation>Vulkan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>water wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>abacus</source>
        <translation>Rechenrahmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>accordion</source>
        <translation>Akkordeon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backpack</source>
        <translation>Rucksack</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ballet shoes</source>
        <translation>Ballettschuhe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>basket</source>
        <translation>Korb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bed</source>
        <translation>Bett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cap</source>
        <translation>Kappe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>books</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>broom</source>
        <translation>Besen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bubbles</source>
        <translation>Seifenblasen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bucket</source>
        <translation>Eimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera</source>
        <translation>Fotoapparat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>candle</source>
        <translation>Kerze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chair</source>
        <translation>Stuhl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crayon</source>
        <translation>Wachsmalstift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dress</source>
        <translation>Kleid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flashlight</source>
        <translation>Taschenlampe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flute</source>
        <translation>Flöte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gem stone</source>
        <translation>Edelstein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>glasses</source>
        <translation>Brille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gloves</source>
        <translation>Handschuhe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>goggles</source>
        <translation>Schutzbrille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>graduation cap</source>
        <translation>Doktorhut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>headphones</source>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hiking boot</source>
        <translation>Wanderschuh</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ladder</source>
        <translation>Leiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>laptop</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light bulb</source>
        <translation>Glühbirne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magnifying glass</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>maracas</source>
        <translation>Rasseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mobile phone</source>
        <translation>Handy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>musical keyboard</source>
        <translation>Klaviertasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>open book</source>
        <translation>offenes Buch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>package</source>
        <translation>Paket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>paintbrush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>postbox</source>
        <translation>Briefkasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>purse</source>
        <translation>Geldbeutel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running shoe</source>
        <translation>Turnschuh</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>saxophone</source>
        <translation>Saxofon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>scarf</source>
        <translation>Schal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>scissors</source>
        <translation>Schere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shopping cart</source>
        <translation>Einkaufswagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shorts</source>
        <translation>kurze Hose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>socks</source>
        <translation>Socken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>straight ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sunglasses</source>
        <translation>Sonnenbrille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>t shirt</source>
        <translation>T-Shirt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>telescope</source>
        <translation>Fernrohr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>television</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>toolbox</source>
        <translation>Werkzeugkasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>toothbrush</source>
        <translation>Zahnbürste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>top hat</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>violin</source>
        <translation>Geige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>woman&apos;s hat</source>
        <translation>Damenhut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baby</source>
        <translation>Baby</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>boy</source>
        <translation>Junge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>girl</source>
        <translation>Mädchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>old woman</source>
        <translation>alte Frau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>artist</source>
        <translation>Maler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>astronaut</source>
        <translation>Astronaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cook</source>
        <translation>Koch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>farmer</source>
        <translation>Bauer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>firefighter</source>
        <translation>Feuerwehrmann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person biking</source>
        <translation>Radfahrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person juggling</source>
        <translation>Jongleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wizard</source>
        <translation>Zauberer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>merperson</source>
        <translation>Meerjungfrau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person rowing a boat</source>
        <translation>Mensch im Ruderboot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person surfing</source>
        <translation>Surfer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person swimming</source>
        <translation>Schwimmer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pilot</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>police officer</source>
        <translation>Polizist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>prince</source>
        <translation>Prinz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>princess</source>
        <translation>Prinzessin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>scientist</source>
        <translation>Forscher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skier</source>
        <translation>Skifahrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snowboarder</source>
        <translation>Snowboarder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>teacher</source>
        <translation>Lehrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person in bed</source>
        <translation>Mensch im Bett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>superhero</source>
        <translation>Superheld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>woman dancing</source>
        <translation>Tänzerin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>waving hand</source>
        <translation>winkende Hand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>construction worker</source>
        <translation>Bauarbeiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>clapping hands</source>
        <translation>klatschende Hände</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tooth</source>
        <translation>Zahn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alien</source>
        <translation>Außerirdischer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>partying face</source>
        <translation>feierndes Gesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cowboy face</source>
        <translation>Cowboy-Gesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red apple</source>
        <translation>roter Apfel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>strawberry</source>
        <translation>Erdbeere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grapes</source>
        <translation>Weintrauben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>peach</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pear</source>
        <translation>Birne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>watermelon</source>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pineapple</source>
        <translation>Ananas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tangerine</source>
        <translation>Mandarine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kiwi fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>coconut</source>
        <translation>Kokosnuss</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>carrot</source>
        <translation>Karotte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>broccoli</source>
        <translation>Brokkoli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>avocado</source>
        <translation>Avocado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>doughnut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cookie</source>
        <translation>Keks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>birthday cake</source>
        <translation>Geburtstagstorte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamburger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sunflower</source>
        <translation>Sonnenblume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tulip</source>
        <translation>Tulpe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mushroom</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cherry blossom</source>
        <translation>Kirschblüte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ladybird</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tropical fish</source>
        <translation>tropischer Fisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>soccer ball</source>
        <translation>Fußball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>basketball</source>
        <translation>Basketball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>balloon</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>teddy bear</source>
        <translation>Teddybär</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrapped gift</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kite</source>
        <translation>Flugdrachen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trophy</source>
        <translation>Pokal</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <location filename="../src/app/players_menu.cpp" line="-28"/>
        <source>New player</source>
        <translation>Neuer Spieler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The new player&apos;s name:</source>
        <translation>Name des neuen Spielers:</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <location filename="../src/players/player_name.cpp" line="+75"/>
        <source>A name cannot start with a dot, a space or &apos;-&apos;.</source>
        <translation>Ein Name darf nicht mit einem Punkt, einem Leerzeichen oder &apos;-&apos; anfangen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A name cannot end with a space.</source>
        <translation>Ein Name darf nicht mit einem Leerzeichen enden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A name cannot hold characters that show nothing.</source>
        <translation>Ein Name darf keine unsichtbaren Zeichen enthalten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>An accent or other mark must follow a letter.</source>
        <translation>Ein Akzent oder anderes Zeichen muss nach einem Buchstaben stehen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A name may hold only letters, digits, spaces, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;.</source>
        <translation>Ein Name darf nur Buchstaben, Ziffern, Leerzeichen, &apos;-&apos;, &apos;_&apos; und &apos;.&apos; enthalten.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A name must be written in UTF-8 text.</source>
        <translation>Ein Name muss als UTF-8-Text geschrieben sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A name needs at least one character.</source>
        <translation>Ein Name braucht mindestens ein Zeichen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A name has at most 24 characters.</source>
        <translation>Ein Name hat höchstens 24 Zeichen.</translation>
    </message>
    <message>
        <location filename="../src/players/players.cpp" line="+35"/>
        <source>cannot make the player&apos;s folder %1: %2</source>
        <translation>der Ordner des Spielers %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is a link, not a player&apos;s folder</source>
        <translation>%1 ist ein Verweis, kein Spielerordner</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot make the player&apos;s folder %1: a file has its name</source>
        <translation>der Ordner des Spielers %1 lässt sich nicht anlegen: eine Datei hat seinen Namen</translation>
    </message>
    <message>
        <location filename="../src/players/players.h" line="+22"/>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../src/qt/progress/progress_window.cpp" line="+41"/>
        <source>Addition</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subtraction</source>
        <translation>Minus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Multiplication</source>
        <translation>Mal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Division</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every fact this player was asked, for a spreadsheet</source>
        <translation>Alle Aufgaben dieses Spielers, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Most often missed</source>
        <translation>Am häufigsten falsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last asked</source>
        <translation>Zuletzt gefragt</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Progress - Pondivar</source>
        <translation>Fortschritt - Pondivar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress of %1 - Pondivar</source>
        <translation>Fortschritt von %1 - Pondivar</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No questions answered yet.</source>
        <translation>Noch keine Aufgaben beantwortet.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n questions answered, %1% right the first time. %2 of the %3 facts known.</source>
        <translation>
            <numerusform>%Ln Aufgabe beantwortet, %1 % gleich richtig. %2 von %3 Aufgaben gekonnt.</numerusform>
            <numerusform>%Ln Aufgaben beantwortet, %1 % gleich richtig. %2 von %3 Aufgaben gekonnt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing missed yet</source>
        <translation>Noch nichts falsch</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>progress.csv</source>
        <translation>fortschritt.csv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1-progress.csv</source>
        <translation>%1-fortschritt.csv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save progress as CSV</source>
        <translation>Fortschritt als CSV speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The progress could not be saved as %1.</source>
        <translation>Der Fortschritt konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../src/qt/progress/progress_grid.cpp" line="+77"/>
        <location filename="../src/qt/progress/progress_legend.cpp" line="+24"/>
        <source>Never asked</source>
        <translation>Nie gefragt</translation>
    </message>
    <message>
        <location filename="../src/qt/progress/progress_legend.cpp" line="+2"/>
        <source>Often missed</source>
        <translation>Oft falsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sometimes missed</source>
        <translation>Manchmal falsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Learning</source>
        <translation>Wird geübt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Known</source>
        <translation>Gekonnt</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>not asked yet</source>
        <translation>noch nicht gefragt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>missed more than one time in three</source>
        <translation>mehr als jedes dritte Mal falsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>missed now and then</source>
        <translation>ab und zu falsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right so far, on one or two days</source>
        <translation>bisher richtig, an einem oder zwei Tagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right first time on three days</source>
        <translation>an drei Tagen gleich richtig</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/qt/progress/progress_grid.cpp" line="+3"/>
        <source>Asked: %n times</source>
        <translation>
            <numerusform>Gefragt: %n-mal</numerusform>
            <numerusform>Gefragt: %n-mal</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right the first time: %1</source>
        <translation>Gleich richtig: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong clicks: %1</source>
        <translation>Falsche Klicks: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Median time to first click: %1 s</source>
        <translation>Mittlere Zeit bis zum ersten Klick: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Last asked: %1</source>
        <translation>Zuletzt gefragt: %1</translation>
    </message>
    <message>
        <location filename="../src/qt/progress/progress_chart.cpp" line="+91"/>
        <source>No questions answered</source>
        <translation>Keine Aufgaben beantwortet</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n answered</source>
        <translation>
            <numerusform>%n beantwortet</numerusform>
            <numerusform>%n beantwortet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n right the first time (%1%)</source>
        <translation>
            <numerusform>%n gleich richtig (%1 %)</numerusform>
            <numerusform>%n gleich richtig (%1 %)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>No questions answered in these two weeks</source>
        <translation>In diesen zwei Wochen keine Aufgaben beantwortet</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Questions answered each day, the last two weeks</source>
        <translation>Beantwortete Aufgaben pro Tag, letzte zwei Wochen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Right the first time</source>
        <translation>Gleich richtig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed at first</source>
        <translation>Erst falsch</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1%</source>
        <extracomment>A day&apos;s share right the first time, above its bar (&quot;87%&quot;).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <location line="-116"/>
        <source>dddd d MMMM yyyy</source>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>ddd</source>
        <translation>ddd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>d MMM</source>
        <translation>d. MMM</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <location filename="../src/game/operations.cpp" line="+37"/>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <location filename="../src/qt/screen_reader/spoken.cpp" line="+25"/>
        <source>disappointed face</source>
        <translation>enttäuschtes Gesicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>smiling face</source>
        <translation>lächelndes Gesicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>grinning face</source>
        <translation>strahlendes Gesicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sad face</source>
        <translation>trauriges Gesicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waiting face</source>
        <translation>wartendes Gesicht</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>row %1, card %2</source>
        <translation>Reihe %1, Karte %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <location filename="../src/qt/screen_reader/accessible_controls.cpp" line="+47"/>
        <source>About picture</source>
        <translation>Info-Bild</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>closes the about panel</source>
        <translation>schließt die Info</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>tried already</source>
        <translation>schon probiert</translation>
    </message>
    <message numerus="yes">
        <location line="-10"/>
        <source>%n moves</source>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message>
        <location line="+94"/>
        <source>leaves the memory game</source>
        <translation>zurück zum Rechnen</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/game/tools.h" line="+19"/>
        <source>Left face</source>
        <translation>Linkes Gesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right face</source>
        <translation>Rechtes Gesicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound on or off</source>
        <translation>Ton an oder aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music on or off</source>
        <translation>Musik an oder aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New question</source>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory game</source>
        <translation>Paare suchen</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <location filename="../src/app/shown_texts.cpp" line="+51"/>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>YOUR NAME</source>
        <translation>DEIN NAME</translation>
    </message>
    <message>
        <location filename="../src/screens/high_scores.cpp" line="+79"/>
        <source>%1 IS YOUR SCORE</source>
        <translation>DEINE PUNKTE: %1</translation>
    </message>
    <message>
        <location filename="../src/qt/screen_reader/accessible.cpp" line="+149"/>
        <source>high scores</source>
        <translation>Bestenliste</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <location filename="../src/app/shown_texts.cpp" line="-5"/>
        <source>ok</source>
        <translation>ok</translation>
    </message>
</context>
</TS>
