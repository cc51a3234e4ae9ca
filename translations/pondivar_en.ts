<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Drill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory &amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Window Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High Color Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Random Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Include Tables 11 to 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practice Missed Facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Player...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;1x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;2x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;3x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;4x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>about Pondivar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>music on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>music off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refresh question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit Pondivar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memory game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message numerus="yes">
        <source>%n questions</source>
        <translation>
            <numerusform>%n question</numerusform>
            <numerusform>%n questions</numerusform>
        </translation>
    </message>
    <message>
        <source>level %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>score %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not quite, try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still not that one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d x %d</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>%d red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d blue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>SCORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOUR NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 IS YOUR SCORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high scores</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <source>bye</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>Copyright (c) 2026 the Pondivar developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi.. Just click on any button.  A happy face means that you chose the correct one.. bye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send comments to:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>New player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new player&apos;s name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot start with a dot, a space or &apos;-&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot end with a space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot hold characters that show nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An accent or other mark must follow a letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name may hold only letters, digits, spaces, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name must be written in UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name needs at least one character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name has at most 24 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the player&apos;s folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link, not a player&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the player&apos;s folder %1: a file has its name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divided by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disappointed face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sad face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, card %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closes the about panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tried already</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n move</numerusform>
            <numerusform>%n moves</numerusform>
        </translation>
    </message>
    <message>
        <source>leaves the memory game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every fact this player was asked, for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most often missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress - Pondivar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of %1 - Pondivar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No questions answered yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n questions answered, %1% right the first time. %2 of the %3 facts known.</source>
        <translation>
            <numerusform>%n question answered, %1% right the first time. %2 of the %3 facts known.</numerusform>
            <numerusform>%n questions answered, %1% right the first time. %2 of the %3 facts known.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing missed yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>progress.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-progress.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save progress as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress could not be saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Often missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sometimes missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed more than one time in three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed now and then</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right so far, on one or two days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right first time on three days</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Asked: %n times</source>
        <translation>
            <numerusform>Asked: %n time</numerusform>
            <numerusform>Asked: %n times</numerusform>
        </translation>
    </message>
    <message>
        <source>Right the first time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong clicks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median time to first click: %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last asked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No questions answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n answered</source>
        <translation>
            <numerusform>%n answered</numerusform>
            <numerusform>%n answered</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right the first time (%1%)</source>
        <translation>
            <numerusform>%n right the first time (%1%)</numerusform>
            <numerusform>%n right the first time (%1%)</numerusform>
        </translation>
    </message>
    <message>
        <source>No questions answered in these two weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions answered each day, the last two weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right the first time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed at first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ddd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>%1 needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot use that player name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no player called %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report could not be written whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; playing without players</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>ant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beetle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blowfish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cat face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chipmunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cow face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crocodile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dog face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>donkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eagle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>elephant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sheep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flamingo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>goat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gorilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hamster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hippopotamus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kangaroo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>llama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mouse face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octopus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>otter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>owl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parrot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>polar bear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>peacock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pig face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raccoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rhinoceros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rooster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>long-necked dinosaur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sloth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>swan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T. rex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tiger face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turtle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>worm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zebra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blossom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seedling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>juice box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>candy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cheese wedge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cucumber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eggplant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>french fries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glass of milk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green salad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hot drink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pea pod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shaved ice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spaghetti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>american football</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>badminton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baseball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bowling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flying disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ice hockey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ice skate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nesting dolls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party popper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>piñata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ping pong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>puzzle piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tennis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>video game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volleyball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yarn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>airplane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ambulance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>anchor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>automobile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bicycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bullet train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>castle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>circus tent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cloud with rain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delivery truck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>desert island</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>droplet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ferris wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>globe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>house</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kick scooter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locomotive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>luggage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>motor boat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>canoe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>motor scooter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>motorcycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snow capped mountain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parachute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playground slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>life ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>police car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>racing car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>roller coaster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>roller skate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>school</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skateboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snowman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taxi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tractor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>umbrella in the rain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beach umbrella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volcano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>water wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abacus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>accordion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backpack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ballet shoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>basket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>boomerang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bubbles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bucket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>candle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crayon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>door</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flashlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glasses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>goggles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>guitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hammer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>headphones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hiking boot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ladder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>laptop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maracas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>microscope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mobile phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>musical keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paintbrush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>postbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>purse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running shoe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saxophone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scarf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scissors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shopping cart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shorts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>socks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>straight ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sunglasses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t shirt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>telescope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>television</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toolbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toothbrush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top hat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>violin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>woman&apos;s hat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>boy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>girl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>old woman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>artist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>astronaut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>farmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firefighter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>person biking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>person juggling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merperson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>person rowing a boat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>person surfing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>person swimming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pilot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>police officer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prince</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>princess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scientist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snowboarder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teacher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>person in bed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>superhero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>construction worker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>robot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partying face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cowboy face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red apple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cherries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>banana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>peach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tangerine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coconut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carrot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broccoli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>avocado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cookie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pizza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>croissant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tulip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cactus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>panda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>koala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ladybird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>penguin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soccer ball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>basketball</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>balloon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trophy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
