<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Drill</source>
        <translation>&amp;Rechnen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Plus</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>M&amp;inus</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Mal</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Geteilt</translation>
    </message>
    <message>
        <source>Memory &amp;Game</source>
        <translation>Paare &amp;suchen</translation>
    </message>
    <message>
        <source>&amp;View Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>&amp;Background Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>Save &amp;Window Position</source>
        <translation>&amp;Fensterposition merken</translation>
    </message>
    <message>
        <source>&amp;High Color Pictures</source>
        <translation>&amp;Bunte Bilder</translation>
    </message>
    <message>
        <source>&amp;Random Colors</source>
        <translation>&amp;Zufallsfarben</translation>
    </message>
    <message>
        <source>&amp;Include Tables 11 to 17</source>
        <translation>&amp;Reihen 11 bis 17</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Practice Missed Facts</source>
        <translation>F&amp;ehler üben</translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>New &amp;Player...</source>
        <translation>&amp;Neuer Spieler...</translation>
    </message>
    <message>
        <source>Zoom &amp;1x</source>
        <translation>Zoom &amp;1x</translation>
    </message>
    <message>
        <source>Zoom &amp;2x</source>
        <translation>Zoom &amp;2x</translation>
    </message>
    <message>
        <source>Zoom &amp;3x</source>
        <translation>Zoom &amp;3x</translation>
    </message>
    <message>
        <source>Zoom &amp;4x</source>
        <translation>Zoom &amp;4x</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>about Pondivar</source>
        <translation>über Pondivar</translation>
    </message>
    <message>
        <source>sound on</source>
        <translation>ton an</translation>
    </message>
    <message>
        <source>sound off</source>
        <translation>ton aus</translation>
    </message>
    <message>
        <source>music on</source>
        <translation>musik an</translation>
    </message>
    <message>
        <source>music off</source>
        <translation>musik aus</translation>
    </message>
    <message>
        <source>refresh question</source>
        <translation>neue aufgabe</translation>
    </message>
    <message>
        <source>color</source>
        <translation>farbe</translation>
    </message>
    <message>
        <source>high scores</source>
        <translation>bestenliste</translation>
    </message>
    <message>
        <source>exit Pondivar</source>
        <translation>Pondivar beenden</translation>
    </message>
    <message>
        <source>memory game</source>
        <translation>paare suchen</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message numerus="yes">
        <source>%n questions</source>
        <translation>
            <numerusform>%n Aufgabe</numerusform>
            <numerusform>%n Aufgaben</numerusform>
        </translation>
    </message>
    <message>
        <source>level %d</source>
        <translation>Stufe %d</translation>
    </message>
    <message>
        <source>score %d</source>
        <translation>Pkt. %d</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Not quite, try again</source>
        <translation>Nicht ganz, versuch es noch mal</translation>
    </message>
    <message>
        <source>Still not that one</source>
        <translation>Die ist es auch nicht</translation>
    </message>
    <message>
        <source>%d x %d</source>
        <translation>%d x %d</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>%d red</source>
        <translation>%d rot</translation>
    </message>
    <message>
        <source>%d green</source>
        <translation>%d grün</translation>
    </message>
    <message>
        <source>%d blue</source>
        <translation>%d blau</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>YOUR NAME</source>
        <translation>DEIN NAME</translation>
    </message>
    <message>
        <source>%1 IS YOUR SCORE</source>
        <translation>DEINE PUNKTE: %1</translation>
    </message>
    <message>
        <source>high scores</source>
        <translation>Bestenliste</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <source>bye</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>Copyright (c) 2026 the Pondivar developers</source>
        <translation>Copyright (c) 2026 die Pondivar-Entwickler</translation>
    </message>
    <message>
        <source>Hi.. Just click on any button.  A happy face means that you chose the correct one.. bye</source>
        <translation>Hallo! Klick einfach auf einen Knopf. Ein fröhliches Gesicht heißt: Das war richtig. Tschüs</translation>
    </message>
    <message>
        <source>Send comments to:</source>
        <translation>Schreib uns:</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>New player</source>
        <translation>Neuer Spieler</translation>
    </message>
    <message>
        <source>The new player&apos;s name:</source>
        <translation>Name des neuen Spielers:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>A name cannot start with a dot, a space or &apos;-&apos;.</source>
        <translation>Ein Name darf nicht mit einem Punkt, einem Leerzeichen oder &apos;-&apos; anfangen.</translation>
    </message>
    <message>
        <source>A name cannot end with a space.</source>
        <translation>Ein Name darf nicht mit einem Leerzeichen enden.</translation>
    </message>
    <message>
        <source>A name cannot hold characters that show nothing.</source>
        <translation>Ein Name darf keine unsichtbaren Zeichen enthalten.</translation>
    </message>
    <message>
        <source>An accent or other mark must follow a letter.</source>
        <translation>Ein Akzent oder anderes Zeichen muss nach einem Buchstaben stehen.</translation>
    </message>
    <message>
        <source>A name may hold only letters, digits, spaces, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;.</source>
        <translation>Ein Name darf nur Buchstaben, Ziffern, Leerzeichen, &apos;-&apos;, &apos;_&apos; und &apos;.&apos; enthalten.</translation>
    </message>
    <message>
        <source>A name must be written in UTF-8 text.</source>
        <translation>Ein Name muss als UTF-8-Text geschrieben sein.</translation>
    </message>
    <message>
        <source>A name needs at least one character.</source>
        <translation>Ein Name braucht mindestens ein Zeichen.</translation>
    </message>
    <message>
        <source>A name has at most 24 characters.</source>
        <translation>Ein Name hat höchstens 24 Zeichen.</translation>
    </message>
    <message>
        <source>cannot make the player&apos;s folder %1: %2</source>
        <translation>Der Ordner des Spielers %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is a link, not a player&apos;s folder</source>
        <translation>%1 ist eine Verknüpfung, kein Spielerordner</translation>
    </message>
    <message>
        <source>cannot make the player&apos;s folder %1: a file has its name</source>
        <translation>Der Ordner des Spielers %1 kann nicht angelegt werden: Eine Datei hat diesen Namen</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>disappointed face</source>
        <translation>enttäuschtes Gesicht</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>lächelndes Gesicht</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>strahlendes Gesicht</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>trauriges Gesicht</translation>
    </message>
    <message>
        <source>waiting face</source>
        <translation>wartendes Gesicht</translation>
    </message>
    <message>
        <source>row %1, card %2</source>
        <translation>Reihe %1, Karte %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>About picture</source>
        <translation>Info-Bild</translation>
    </message>
    <message>
        <source>closes the about panel</source>
        <translation>schließt die Info</translation>
    </message>
    <message>
        <source>tried already</source>
        <translation>schon probiert</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message>
        <source>leaves the memory game</source>
        <translation>zurück zum Rechnen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Left face</source>
        <translation>Linkes Gesicht</translation>
    </message>
    <message>
        <source>Right face</source>
        <translation>Rechtes Gesicht</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Ton an oder aus</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Musik an oder aus</translation>
    </message>
    <message>
        <source>New question</source>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Memory game</source>
        <translation>Paare suchen</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Addition</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Every fact this player was asked, for a spreadsheet</source>
        <translation>Alle Aufgaben dieses Spielers, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Most often missed</source>
        <translation>Am häufigsten falsch</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation>Zuletzt gefragt</translation>
    </message>
    <message>
        <source>Progress - Pondivar</source>
        <translation>Fortschritt - Pondivar</translation>
    </message>
    <message>
        <source>Progress of %1 - Pondivar</source>
        <translation>Fortschritt von %1 - Pondivar</translation>
    </message>
    <message>
        <source>No questions answered yet.</source>
        <translation>Noch keine Aufgaben beantwortet.</translation>
    </message>
    <message numerus="yes">
        <source>%n questions answered, %1% right the first time. %2 of the %3 facts known.</source>
        <translation>
            <numerusform>%n Aufgabe beantwortet, %1 % gleich richtig. %2 von %3 Aufgaben gekonnt.</numerusform>
            <numerusform>%n Aufgaben beantwortet, %1 % gleich richtig. %2 von %3 Aufgaben gekonnt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Nothing missed yet</source>
        <translation>Noch nichts falsch</translation>
    </message>
    <message>
        <source>progress.csv</source>
        <translation>fortschritt.csv</translation>
    </message>
    <message>
        <source>%1-progress.csv</source>
        <translation>%1-fortschritt.csv</translation>
    </message>
    <message>
        <source>Save progress as CSV</source>
        <translation>Fortschritt als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The progress could not be saved as %1.</source>
        <translation>Der Fortschritt konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Never asked</source>
        <translation>Nie gefragt</translation>
    </message>
    <message>
        <source>Often missed</source>
        <translation>Oft falsch</translation>
    </message>
    <message>
        <source>Sometimes missed</source>
        <translation>Manchmal falsch</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Wird geübt</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Gekonnt</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>noch nicht gefragt</translation>
    </message>
    <message>
        <source>missed more than one time in three</source>
        <translation>mehr als jedes dritte Mal falsch</translation>
    </message>
    <message>
        <source>missed now and then</source>
        <translation>ab und zu falsch</translation>
    </message>
    <message>
        <source>right so far, on one or two days</source>
        <translation>bisher richtig, an einem oder zwei Tagen</translation>
    </message>
    <message>
        <source>right first time on three days</source>
        <translation>an drei Tagen gleich richtig</translation>
    </message>
    <message numerus="yes">
        <source>Asked: %n times</source>
        <translation>
            <numerusform>Gefragt: %n-mal</numerusform>
            <numerusform>Gefragt: %n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>Right the first time: %1</source>
        <translation>Gleich richtig: %1</translation>
    </message>
    <message>
        <source>Wrong clicks: %1</source>
        <translation>Falsche Klicks: %1</translation>
    </message>
    <message>
        <source>Median time to first click: %1 s</source>
        <translation>Mittlere Zeit bis zum ersten Klick: %1 s</translation>
    </message>
    <message>
        <source>Last asked: %1</source>
        <translation>Zuletzt gefragt: %1</translation>
    </message>
    <message>
        <source>No questions answered</source>
        <translation>Keine Aufgaben beantwortet</translation>
    </message>
    <message numerus="yes">
        <source>%n answered</source>
        <translation>
            <numerusform>%n beantwortet</numerusform>
            <numerusform>%n beantwortet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right the first time (%1%)</source>
        <translation>
            <numerusform>%n gleich richtig (%1 %)</numerusform>
            <numerusform>%n gleich richtig (%1 %)</numerusform>
        </translation>
    </message>
    <message>
        <source>No questions answered in these two weeks</source>
        <translation>In diesen zwei Wochen keine Aufgaben beantwortet</translation>
    </message>
    <message>
        <source>Questions answered each day, the last two weeks</source>
        <translation>Beantwortete Aufgaben pro Tag, letzte zwei Wochen</translation>
    </message>
    <message>
        <source>Right the first time</source>
        <translation>Gleich richtig</translation>
    </message>
    <message>
        <source>Missed at first</source>
        <translation>Erst falsch</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
    <message>
        <source>ddd</source>
        <translation>ddd</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d. MMM</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
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
    <name>Console</name>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 braucht einen Namen</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 braucht einen Ordner</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>unbekannte Angabe: %1</translation>
    </message>
    <message>
        <source>cannot use that player name: %1</source>
        <translation>dieser Spielername geht nicht: %1</translation>
    </message>
    <message>
        <source>there is no player called %1</source>
        <translation>es gibt keinen Spieler namens %1</translation>
    </message>
    <message>
        <source>the report could not be written whole</source>
        <translation>der Bericht konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>%1; playing without players</source>
        <translation>%1; es wird ohne Spieler gespielt</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>ant</source>
        <translation>Ameise</translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation>Küken</translation>
    </message>
    <message>
        <source>bear</source>
        <translation>Bär</translation>
    </message>
    <message>
        <source>beaver</source>
        <translation>Biber</translation>
    </message>
    <message>
        <source>beetle</source>
        <translation>Käfer</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>blowfish</source>
        <translation>Kugelfisch</translation>
    </message>
    <message>
        <source>bug</source>
        <translation>Raupe</translation>
    </message>
    <message>
        <source>camel</source>
        <translation>Kamel</translation>
    </message>
    <message>
        <source>cat face</source>
        <translation>Katzengesicht</translation>
    </message>
    <message>
        <source>chipmunk</source>
        <translation>Streifenhörnchen</translation>
    </message>
    <message>
        <source>cow face</source>
        <translation>Kuhgesicht</translation>
    </message>
    <message>
        <source>crocodile</source>
        <translation>Krokodil</translation>
    </message>
    <message>
        <source>deer</source>
        <translation>Hirsch</translation>
    </message>
    <message>
        <source>dog face</source>
        <translation>Hundegesicht</translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>donkey</source>
        <translation>Esel</translation>
    </message>
    <message>
        <source>dove</source>
        <translation>Taube</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>duck</source>
        <translation>Ente</translation>
    </message>
    <message>
        <source>eagle</source>
        <translation>Adler</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>sheep</source>
        <translation>Schaf</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>goat</source>
        <translation>Ziege</translation>
    </message>
    <message>
        <source>gorilla</source>
        <translation>Gorilla</translation>
    </message>
    <message>
        <source>hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation>schlüpfendes Küken</translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation>Igel</translation>
    </message>
    <message>
        <source>hippopotamus</source>
        <translation>Nilpferd</translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation>Biene</translation>
    </message>
    <message>
        <source>horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>Qualle</translation>
    </message>
    <message>
        <source>kangaroo</source>
        <translation>Känguru</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>moose</source>
        <translation>Elch</translation>
    </message>
    <message>
        <source>mouse face</source>
        <translation>Mausgesicht</translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation>Nest mit Eiern</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>Krake</translation>
    </message>
    <message>
        <source>otter</source>
        <translation>Otter</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>ox</source>
        <translation>Ochse</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>Papagei</translation>
    </message>
    <message>
        <source>polar bear</source>
        <translation>Eisbär</translation>
    </message>
    <message>
        <source>peacock</source>
        <translation>Pfau</translation>
    </message>
    <message>
        <source>pig face</source>
        <translation>Schweinegesicht</translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation>Hasengesicht</translation>
    </message>
    <message>
        <source>raccoon</source>
        <translation>Waschbär</translation>
    </message>
    <message>
        <source>rhinoceros</source>
        <translation>Nashorn</translation>
    </message>
    <message>
        <source>rooster</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <source>long-necked dinosaur</source>
        <translation>Langhals-Dinosaurier</translation>
    </message>
    <message>
        <source>seal</source>
        <translation>Robbe</translation>
    </message>
    <message>
        <source>shark</source>
        <translation>Hai</translation>
    </message>
    <message>
        <source>skunk</source>
        <translation>Stinktier</translation>
    </message>
    <message>
        <source>sloth</source>
        <translation>Faultier</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <source>snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation>Wal mit Fontäne</translation>
    </message>
    <message>
        <source>swan</source>
        <translation>Schwan</translation>
    </message>
    <message>
        <source>T. rex</source>
        <translation>T-Rex</translation>
    </message>
    <message>
        <source>tiger face</source>
        <translation>Tigergesicht</translation>
    </message>
    <message>
        <source>turkey</source>
        <translation>Truthahn</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <source>worm</source>
        <translation>Wurm</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>Krabbe</translation>
    </message>
    <message>
        <source>blossom</source>
        <translation>Blüte</translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation>Blumenstrauß</translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation>Laubbaum</translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation>Tannenbaum</translation>
    </message>
    <message>
        <source>feather</source>
        <translation>Feder</translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation>vierblättriges Kleeblatt</translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation>Hibiskus</translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation>Ahornblatt</translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation>Palme</translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation>Topfpflanze</translation>
    </message>
    <message>
        <source>seedling</source>
        <translation>Keimling</translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation>Babyflasche</translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>juice box</source>
        <translation>Saftpäckchen</translation>
    </message>
    <message>
        <source>bread</source>
        <translation>Brot</translation>
    </message>
    <message>
        <source>candy</source>
        <translation>Bonbon</translation>
    </message>
    <message>
        <source>cheese wedge</source>
        <translation>Stück Käse</translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation>Tafel Schokolade</translation>
    </message>
    <message>
        <source>cucumber</source>
        <translation>Gurke</translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation>Maiskolben</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>eggplant</source>
        <translation>Aubergine</translation>
    </message>
    <message>
        <source>french fries</source>
        <translation>Pommes frites</translation>
    </message>
    <message>
        <source>glass of milk</source>
        <translation>Glas Milch</translation>
    </message>
    <message>
        <source>green salad</source>
        <translation>Salat</translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation>Honigtopf</translation>
    </message>
    <message>
        <source>hot drink</source>
        <translation>heißes Getränk</translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation>Hotdog</translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation>Chilischote</translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation>Lutscher</translation>
    </message>
    <message>
        <source>onion</source>
        <translation>Zwiebel</translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation>Pfannkuchen</translation>
    </message>
    <message>
        <source>pea pod</source>
        <translation>Erbsenschote</translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation>Brezel</translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation>Sandwich</translation>
    </message>
    <message>
        <source>shaved ice</source>
        <translation>Slush-Eis</translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation>Erdbeertorte</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>Softeis</translation>
    </message>
    <message>
        <source>spaghetti</source>
        <translation>Spaghetti</translation>
    </message>
    <message>
        <source>taco</source>
        <translation>Taco</translation>
    </message>
    <message>
        <source>teapot</source>
        <translation>Teekanne</translation>
    </message>
    <message>
        <source>waffle</source>
        <translation>Waffel</translation>
    </message>
    <message>
        <source>american football</source>
        <translation>Football</translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation>Malpalette</translation>
    </message>
    <message>
        <source>badminton</source>
        <translation>Federball</translation>
    </message>
    <message>
        <source>baseball</source>
        <translation>Baseball</translation>
    </message>
    <message>
        <source>bowling</source>
        <translation>Bowling</translation>
    </message>
    <message>
        <source>flying disc</source>
        <translation>Frisbee</translation>
    </message>
    <message>
        <source>ice hockey</source>
        <translation>Eishockey</translation>
    </message>
    <message>
        <source>ice skate</source>
        <translation>Schlittschuh</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>Zauberstab</translation>
    </message>
    <message>
        <source>nesting dolls</source>
        <translation>Matroschkas</translation>
    </message>
    <message>
        <source>party popper</source>
        <translation>Konfetti-Knaller</translation>
    </message>
    <message>
        <source>piñata</source>
        <translation>Piñata</translation>
    </message>
    <message>
        <source>ping pong</source>
        <translation>Tischtennis</translation>
    </message>
    <message>
        <source>puzzle piece</source>
        <translation>Puzzleteil</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>sled</source>
        <translation>Schlitten</translation>
    </message>
    <message>
        <source>skis</source>
        <translation>Skier</translation>
    </message>
    <message>
        <source>tennis</source>
        <translation>Tennisball</translation>
    </message>
    <message>
        <source>video game</source>
        <translation>Videospiel</translation>
    </message>
    <message>
        <source>volleyball</source>
        <translation>Volleyball</translation>
    </message>
    <message>
        <source>yarn</source>
        <translation>Wollknäuel</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>airplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>ambulance</source>
        <translation>Krankenwagen</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>automobile</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>bicycle</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>bullet train</source>
        <translation>Schnellzug</translation>
    </message>
    <message>
        <source>bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation>Karussellpferd</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>Schloss</translation>
    </message>
    <message>
        <source>circus tent</source>
        <translation>Zirkuszelt</translation>
    </message>
    <message>
        <source>cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>cloud with rain</source>
        <translation>Regenwolke</translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation>Mondsichel</translation>
    </message>
    <message>
        <source>delivery truck</source>
        <translation>Lieferwagen</translation>
    </message>
    <message>
        <source>desert island</source>
        <translation>einsame Insel</translation>
    </message>
    <message>
        <source>droplet</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>ferris wheel</source>
        <translation>Riesenrad</translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation>Feuerwehrauto</translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation>fliegende Untertasse</translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation>Vollmond mit Gesicht</translation>
    </message>
    <message>
        <source>globe</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>house</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>hut</source>
        <translation>Hütte</translation>
    </message>
    <message>
        <source>kick scooter</source>
        <translation>Tretroller</translation>
    </message>
    <message>
        <source>locomotive</source>
        <translation>Lokomotive</translation>
    </message>
    <message>
        <source>luggage</source>
        <translation>Koffer</translation>
    </message>
    <message>
        <source>motor boat</source>
        <translation>Motorboot</translation>
    </message>
    <message>
        <source>canoe</source>
        <translation>Kanu</translation>
    </message>
    <message>
        <source>motor scooter</source>
        <translation>Motorroller</translation>
    </message>
    <message>
        <source>motorcycle</source>
        <translation>Motorrad</translation>
    </message>
    <message>
        <source>snow capped mountain</source>
        <translation>verschneiter Berg</translation>
    </message>
    <message>
        <source>parachute</source>
        <translation>Fallschirm</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>playground slide</source>
        <translation>Rutsche</translation>
    </message>
    <message>
        <source>life ring</source>
        <translation>Rettungsring</translation>
    </message>
    <message>
        <source>police car</source>
        <translation>Polizeiauto</translation>
    </message>
    <message>
        <source>racing car</source>
        <translation>Rennauto</translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation>Planet mit Ringen</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>roller coaster</source>
        <translation>Achterbahn</translation>
    </message>
    <message>
        <source>roller skate</source>
        <translation>Rollschuh</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>school</source>
        <translation>Schule</translation>
    </message>
    <message>
        <source>skateboard</source>
        <translation>Skateboard</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>Schneemann</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation>Sonne hinter einer Wolke</translation>
    </message>
    <message>
        <source>taxi</source>
        <translation>Taxi</translation>
    </message>
    <message>
        <source>tent</source>
        <translation>Zelt</translation>
    </message>
    <message>
        <source>tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>umbrella in the rain</source>
        <translation>Regenschirm im Regen</translation>
    </message>
    <message>
        <source>beach umbrella</source>
        <translation>Sonnenschirm</translation>
    </message>
    <message>
        <source>volcano</source>
        <translation>Vulkan</translation>
    </message>
    <message>
        <source>water wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>abacus</source>
        <translation>Rechenrahmen</translation>
    </message>
    <message>
        <source>accordion</source>
        <translation>Akkordeon</translation>
    </message>
    <message>
        <source>backpack</source>
        <translation>Rucksack</translation>
    </message>
    <message>
        <source>ballet shoes</source>
        <translation>Ballettschuhe</translation>
    </message>
    <message>
        <source>basket</source>
        <translation>Korb</translation>
    </message>
    <message>
        <source>bed</source>
        <translation>Bett</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>cap</source>
        <translation>Kappe</translation>
    </message>
    <message>
        <source>books</source>
        <translation>Bücher</translation>
    </message>
    <message>
        <source>boomerang</source>
        <translation>Bumerang</translation>
    </message>
    <message>
        <source>broom</source>
        <translation>Besen</translation>
    </message>
    <message>
        <source>bubbles</source>
        <translation>Seifenblasen</translation>
    </message>
    <message>
        <source>bucket</source>
        <translation>Eimer</translation>
    </message>
    <message>
        <source>camera</source>
        <translation>Fotoapparat</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>Kerze</translation>
    </message>
    <message>
        <source>chair</source>
        <translation>Stuhl</translation>
    </message>
    <message>
        <source>crayon</source>
        <translation>Wachsmalstift</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>dress</source>
        <translation>Kleid</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>flashlight</source>
        <translation>Taschenlampe</translation>
    </message>
    <message>
        <source>flute</source>
        <translation>Flöte</translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation>Edelstein</translation>
    </message>
    <message>
        <source>glasses</source>
        <translation>Brille</translation>
    </message>
    <message>
        <source>gloves</source>
        <translation>Handschuhe</translation>
    </message>
    <message>
        <source>goggles</source>
        <translation>Schutzbrille</translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation>Doktorhut</translation>
    </message>
    <message>
        <source>guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>headphones</source>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <source>hiking boot</source>
        <translation>Wanderschuh</translation>
    </message>
    <message>
        <source>key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>ladder</source>
        <translation>Leiter</translation>
    </message>
    <message>
        <source>laptop</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation>Glühbirne</translation>
    </message>
    <message>
        <source>magnet</source>
        <translation>Magnet</translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>maracas</source>
        <translation>Rasseln</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>microscope</source>
        <translation>Mikroskop</translation>
    </message>
    <message>
        <source>mobile phone</source>
        <translation>Handy</translation>
    </message>
    <message>
        <source>musical keyboard</source>
        <translation>Klaviertasten</translation>
    </message>
    <message>
        <source>open book</source>
        <translation>offenes Buch</translation>
    </message>
    <message>
        <source>package</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>paintbrush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>postbox</source>
        <translation>Briefkasten</translation>
    </message>
    <message>
        <source>purse</source>
        <translation>Geldbeutel</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>running shoe</source>
        <translation>Turnschuh</translation>
    </message>
    <message>
        <source>saxophone</source>
        <translation>Saxofon</translation>
    </message>
    <message>
        <source>scarf</source>
        <translation>Schal</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>Schere</translation>
    </message>
    <message>
        <source>shopping cart</source>
        <translation>Einkaufswagen</translation>
    </message>
    <message>
        <source>shorts</source>
        <translation>kurze Hose</translation>
    </message>
    <message>
        <source>socks</source>
        <translation>Socken</translation>
    </message>
    <message>
        <source>straight ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>sunglasses</source>
        <translation>Sonnenbrille</translation>
    </message>
    <message>
        <source>t shirt</source>
        <translation>T-Shirt</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>telescope</source>
        <translation>Fernrohr</translation>
    </message>
    <message>
        <source>television</source>
        <translation>Fernseher</translation>
    </message>
    <message>
        <source>toolbox</source>
        <translation>Werkzeugkasten</translation>
    </message>
    <message>
        <source>toothbrush</source>
        <translation>Zahnbürste</translation>
    </message>
    <message>
        <source>top hat</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>violin</source>
        <translation>Geige</translation>
    </message>
    <message>
        <source>woman&apos;s hat</source>
        <translation>Damenhut</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>Baby</translation>
    </message>
    <message>
        <source>boy</source>
        <translation>Junge</translation>
    </message>
    <message>
        <source>girl</source>
        <translation>Mädchen</translation>
    </message>
    <message>
        <source>old woman</source>
        <translation>alte Frau</translation>
    </message>
    <message>
        <source>artist</source>
        <translation>Maler</translation>
    </message>
    <message>
        <source>astronaut</source>
        <translation>Astronaut</translation>
    </message>
    <message>
        <source>cook</source>
        <translation>Koch</translation>
    </message>
    <message>
        <source>farmer</source>
        <translation>Bauer</translation>
    </message>
    <message>
        <source>firefighter</source>
        <translation>Feuerwehrmann</translation>
    </message>
    <message>
        <source>person biking</source>
        <translation>Radfahrer</translation>
    </message>
    <message>
        <source>person juggling</source>
        <translation>Jongleur</translation>
    </message>
    <message>
        <source>wizard</source>
        <translation>Zauberer</translation>
    </message>
    <message>
        <source>merperson</source>
        <translation>Meerjungfrau</translation>
    </message>
    <message>
        <source>person rowing a boat</source>
        <translation>Mensch im Ruderboot</translation>
    </message>
    <message>
        <source>person surfing</source>
        <translation>Surfer</translation>
    </message>
    <message>
        <source>person swimming</source>
        <translation>Schwimmer</translation>
    </message>
    <message>
        <source>pilot</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>police officer</source>
        <translation>Polizist</translation>
    </message>
    <message>
        <source>prince</source>
        <translation>Prinz</translation>
    </message>
    <message>
        <source>princess</source>
        <translation>Prinzessin</translation>
    </message>
    <message>
        <source>scientist</source>
        <translation>Forscher</translation>
    </message>
    <message>
        <source>skier</source>
        <translation>Skifahrer</translation>
    </message>
    <message>
        <source>snowboarder</source>
        <translation>Snowboarder</translation>
    </message>
    <message>
        <source>student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>teacher</source>
        <translation>Lehrer</translation>
    </message>
    <message>
        <source>person in bed</source>
        <translation>Mensch im Bett</translation>
    </message>
    <message>
        <source>superhero</source>
        <translation>Superheld</translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation>Tänzerin</translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation>winkende Hand</translation>
    </message>
    <message>
        <source>construction worker</source>
        <translation>Bauarbeiter</translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation>klatschende Hände</translation>
    </message>
    <message>
        <source>tooth</source>
        <translation>Zahn</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>alien</source>
        <translation>Außerirdischer</translation>
    </message>
    <message>
        <source>partying face</source>
        <translation>feierndes Gesicht</translation>
    </message>
    <message>
        <source>cowboy face</source>
        <translation>Cowboy-Gesicht</translation>
    </message>
    <message>
        <source>red apple</source>
        <translation>roter Apfel</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>Erdbeere</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>Banane</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>Weintrauben</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>Birne</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>Wassermelone</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>Ananas</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>tangerine</source>
        <translation>Mandarine</translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>coconut</source>
        <translation>Kokosnuss</translation>
    </message>
    <message>
        <source>carrot</source>
        <translation>Karotte</translation>
    </message>
    <message>
        <source>broccoli</source>
        <translation>Brokkoli</translation>
    </message>
    <message>
        <source>avocado</source>
        <translation>Avocado</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>Donut</translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>cookie</source>
        <translation>Keks</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>Geburtstagstorte</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation>Sonnenblume</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>Tulpe</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>cactus</source>
        <translation>Kaktus</translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation>Kirschblüte</translation>
    </message>
    <message>
        <source>panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>ladybird</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation>tropischer Fisch</translation>
    </message>
    <message>
        <source>soccer ball</source>
        <translation>Fußball</translation>
    </message>
    <message>
        <source>basketball</source>
        <translation>Basketball</translation>
    </message>
    <message>
        <source>balloon</source>
        <translation>Luftballon</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>Teddybär</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>Flugdrachen</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>Pokal</translation>
    </message>
</context>
</TS>
