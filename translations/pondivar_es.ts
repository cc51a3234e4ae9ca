<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <location filename="../src/app/shown_texts.cpp" line="+57"/>
        <source>Copyright (c) 2026 the Pondivar developers</source>
        <translation>Copyright (c) 2026 los desarrolladores de Pondivar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hi.. Just click on any button.  A happy face means that you chose the correct one.. bye</source>
        <translation>¡Hola! Haz clic en un botón. Una cara contenta quiere decir que has acertado. ¡Adiós!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send comments to:</source>
        <translation>Escríbenos a:</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <location line="-43"/>
        <location filename="../src/colour/colour.cpp" line="+38"/>
        <source>%d red</source>
        <translation>%d rojo</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/colour/colour.cpp" line="+1"/>
        <source>%d green</source>
        <translation>%d verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/colour/colour.cpp" line="+1"/>
        <source>%d blue</source>
        <translation>%d azul</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <location filename="../src/app/command_line.h" line="+26"/>
        <source>--player needs a name</source>
        <translation>--player necesita un nombre</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="+68"/>
        <source>--data-folder needs a folder</source>
        <translation>--data-folder necesita una carpeta</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>unknown argument: %1</source>
        <translation>argumento desconocido: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot use that player name: %1</source>
        <translation>ese nombre de jugador no sirve: %1</translation>
    </message>
    <message>
        <location filename="../src/app/console.cpp" line="+26"/>
        <source>there is no player called %1</source>
        <translation>no hay ningún jugador llamado %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the report could not be written whole</source>
        <translation>no se pudo escribir el informe entero</translation>
    </message>
    <message>
        <location filename="../src/app/who_plays.cpp" line="+20"/>
        <source>%1; playing without players</source>
        <translation>%1; se juega sin jugadores</translation>
    </message>
    <message>
        <location filename="../src/app/launcher_texts.cpp" line="+17"/>
        <source>usage: pondivar [--player NAME] [--report] | --help | --version</source>
        <translation>uso: pondivar [--player NOMBRE] [--report] | --help | --version</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings, high scores and each player&apos;s answers are kept in $XDG_DATA_HOME/pondivar
(~/.local/share/pondivar when XDG_DATA_HOME is unset), one folder per player.</source>
        <translation>Los ajustes, los récords y las respuestas de cada jugador se guardan en $XDG_DATA_HOME/pondivar
(~/.local/share/pondivar si XDG_DATA_HOME no está definida), una carpeta por jugador.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot find the home folder to keep settings and scores in (HOME is not set)</source>
        <translation>no se encuentra la carpeta personal donde guardar ajustes y récords (HOME no está definida)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot make the data folder %1</source>
        <translation>no se puede crear la carpeta de datos %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot write to the data folder %1</source>
        <translation>no se puede escribir en la carpeta de datos %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot enter the data folder %1</source>
        <translation>no se puede entrar en la carpeta de datos %1</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <location filename="../build/packaging/packaging_texts.cpp" line="+4"/>
        <source>Arithmetic drill</source>
        <extracomment>The desktop entry&apos;s GenericName: what kind of program this is, shown beside or instead of its name in menus.</extracomment>
        <translation>Práctica de cálculo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Practise addition, subtraction, multiplication and division tables</source>
        <extracomment>The desktop entry&apos;s Comment: the menu&apos;s tooltip for the game.</extracomment>
        <translation>Practica las tablas de sumar, restar, multiplicar y dividir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>times tables;arithmetic;multiplication;division;maths;addition;subtraction;</source>
        <extracomment>The desktop entry&apos;s Keywords: the words a menu search finds the game by. Translate the whole list as one text: words for your language, not necessarily as many, each ending in &apos;;&apos;, the last one too.</extracomment>
        <translation>tablas de multiplicar;cálculo;multiplicación;división;matemáticas;suma;resta;</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message numerus="yes">
        <location filename="../src/drill/question.cpp" line="+89"/>
        <source>%n questions</source>
        <translation>
            <numerusform>%n pregunta</numerusform>
            <numerusform>%n preguntas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/animation/tick.cpp" line="+147"/>
        <source>level %d</source>
        <translation>nivel %d</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>score %d</source>
        <translation>total %d</translation>
    </message>
    <message>
        <location filename="../src/drill/judge.cpp" line="+33"/>
        <source>Right!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not quite, try again</source>
        <translation>Casi, inténtalo otra vez</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Still not that one</source>
        <translation>Esa tampoco</translation>
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
        <translation>uso: pondivar [--player NOMBRE] [--report] | --help | --version

  --player NOMBRE  jugar como NOMBRE (se crea si es nuevo); sin esta opción,
                   como el jugador de la última vez. NOMBRE tiene de 1 a 24
                   letras, cifras, espacios, &apos;-&apos;, &apos;_&apos; o &apos;.&apos;; no empieza por
                   &apos;.&apos;, un espacio o &apos;-&apos;, ni termina en un espacio.
  --report         mostrar en CSV las respuestas de cada jugador por operación,
                   las más falladas primero, sin abrir ninguna ventana; con
                   --player, solo las de ese jugador
  --help           mostrar este texto
  --version        mostrar la versión
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <location filename="../src/game/tools.h" line="+36"/>
        <source>about Pondivar</source>
        <translation>acerca de Pondivar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>sound on</source>
        <translation>poner sonido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sound off</source>
        <translation>quitar sonido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>music on</source>
        <translation>poner música</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>music off</source>
        <translation>quitar música</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>refresh question</source>
        <translation>otra pregunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>color</source>
        <translation>color</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>high scores</source>
        <translation>récords</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exit Pondivar</source>
        <translation>salir de Pondivar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>memory game</source>
        <translation>juego de parejas</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/qt/language/translators.cpp" line="+59"/>
        <source>English</source>
        <extracomment>The language of this catalogue, named in its own words for the Language menu (&quot;Deutsch&quot;, &quot;Français&quot;).</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <location filename="../src/app/create_controls.cpp" line="+69"/>
        <source>bye</source>
        <translation>fin</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../src/assets/catalogue.cpp" line="+17"/>
        <source>&amp;Drill</source>
        <translation>&amp;Cuentas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Add</source>
        <translation>&amp;Sumar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Subtract</source>
        <translation>&amp;Restar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplicar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Divide</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory &amp;Game</source>
        <translation>Juego de &amp;parejas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View Scores</source>
        <translation>&amp;Ver récords</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Efectos de sonido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Background Music</source>
        <translation>&amp;Música de fondo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save &amp;Window Position</source>
        <translation>&amp;Recordar la posición de la ventana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;High Color Pictures</source>
        <translation>Imágenes de &amp;colores vivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Random Colors</source>
        <translation>Colores al &amp;azar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Include Tables 11 to 17</source>
        <translation>&amp;Tablas del 11 al 17</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <location filename="../src/app/players_menu.cpp" line="+103"/>
        <source>&amp;Practice Missed Facts</source>
        <translation>Repasar &amp;fallos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;rogress...</source>
        <translation>Pro&amp;greso...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New &amp;Player...</source>
        <translation>&amp;Nuevo jugador...</translation>
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
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Desktop Language</source>
        <translation>Idioma del &amp;escritorio</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="../build/packaging/packaging_texts.cpp" line="+2"/>
        <source>Practise arithmetic tables with a frog and a memory game</source>
        <extracomment>The software centre&apos;s one-line summary, under the game&apos;s name.</extracomment>
        <translation>Practica las tablas con una rana y un juego de parejas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Pondivar developers</source>
        <extracomment>Who makes the game, as the software centre names them.</extracomment>
        <translation>Los desarrolladores de Pondivar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pondivar drills a child in the tables of addition, subtraction, multiplication and division, one question at a time.</source>
        <extracomment>A paragraph of the software centre&apos;s description of the game.</extracomment>
        <translation>Pondivar ayuda a un niño a practicar las tablas de sumar, restar, multiplicar y dividir, una pregunta cada vez.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The child picks the right answer out of four buttons. A grinning face and a cheerful sound answer a right click, a sad face blanks a wrong button, and each level finished without a mistake makes the table one row and one column larger, from 2 up to 10, or to 17 for the keen.</source>
        <extracomment>A paragraph of the software centre&apos;s description of the game.</extracomment>
        <translation>El niño elige la respuesta correcta entre cuatro botones. Una cara sonriente y un sonido alegre premian un clic correcto, una cara triste vacía un botón equivocado, y cada nivel terminado sin fallos agranda la tabla una fila y una columna, de 2 a 10, o hasta 17 para los más entusiastas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each child plays as a player of their own, with their own settings, high scores and record of answers. For a parent or teacher, Progress... in the Drill menu shows each operation&apos;s table as a grid of facts, coloured from never asked through often missed to known, with the ten facts most often missed and a chart of the last two weeks. The same figures can be saved as a CSV file for a spreadsheet, or printed with pondivar --report.</source>
        <extracomment>A paragraph of the software centre&apos;s description of the game.</extracomment>
        <translation>Cada niño juega como un jugador propio, con sus propios ajustes, su lista de récords y el registro de sus respuestas. Para padres y docentes, Progreso... del menú Cuentas muestra la tabla de cada operación como una cuadrícula coloreada, desde nunca preguntada hasta dominada, pasando por fallada a menudo, junto con las diez operaciones más falladas y un gráfico de las dos últimas semanas. Los mismos datos se pueden guardar en un archivo CSV para una hoja de cálculo, o mostrar con pondivar --report.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the operation: addition, subtraction, multiplication or division</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Elige la operación: suma, resta, multiplicación o división</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionally practise missed facts: about one question in three then comes from the facts the child keeps missing</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Repasar fallos, si se desea: más o menos una de cada tres preguntas sale entonces de las operaciones que el niño suele fallar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Win a memory game on thirty picture cards as a reward</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Gana como premio un juego de parejas con treinta cartas de dibujos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep a high-score list, with background music and changing colours</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Una lista de récords, música de fondo y colores que cambian</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play with the mouse or the keyboard: the keys 1 to 4 answer, the arrows and Enter play the memory game</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Juega con el ratón o con el teclado: las teclas 1 a 4 responden, y las flechas e Intro sirven para el juego de parejas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play with a screen reader: every control has a name, and the questions, answers and turned cards are read aloud</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Juega con un lector de pantalla: cada control tiene nombre, y las preguntas, las respuestas y las cartas que se dan la vuelta se leen en voz alta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the window at one to four times its size</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Ver la ventana a una, dos, tres o cuatro veces su tamaño</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play in German, French, Spanish or English: the desktop&apos;s language, or the one chosen in the game</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Juega en alemán, francés, español o inglés: en el idioma del escritorio o en el que se elija en el juego</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A multiplication question with its four answer buttons</source>
        <extracomment>The caption of a screenshot in the software centre.</extracomment>
        <translation>Una multiplicación con sus cuatro botones de respuesta</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <location filename="../src/assets/picture_names.cpp" line="+15"/>
        <source>ant</source>
        <translation>hormiga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baby chick</source>
        <translation>pollito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bear</source>
        <translation>oso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beaver</source>
        <translation>castor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beetle</source>
        <translation>escarabajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bird</source>
        <translation>pájaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blowfish</source>
        <translation>pez globo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bug</source>
        <translation>oruga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camel</source>
        <translation>camello</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cat face</source>
        <translation>cara de gato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chipmunk</source>
        <translation>ardilla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cow face</source>
        <translation>cara de vaca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crocodile</source>
        <translation>cocodrilo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deer</source>
        <translation>ciervo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dog face</source>
        <translation>cara de perro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dolphin</source>
        <translation>delfín</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>donkey</source>
        <translation>burro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dove</source>
        <translation>paloma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dragon</source>
        <translation>dragón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>duck</source>
        <translation>pato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eagle</source>
        <translation>águila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>elephant</source>
        <translation>elefante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sheep</source>
        <translation>oveja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fish</source>
        <translation>pez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flamingo</source>
        <translation>flamenco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fox</source>
        <translation>zorro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>frog</source>
        <translation>rana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>goat</source>
        <translation>cabra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gorilla</source>
        <translation>gorila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamster</source>
        <translation>hámster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hatching chick</source>
        <translation>pollito saliendo del huevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hedgehog</source>
        <translation>erizo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hippopotamus</source>
        <translation>hipopótamo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>honeybee</source>
        <translation>abeja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>horse</source>
        <translation>caballo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>jellyfish</source>
        <translation>medusa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kangaroo</source>
        <translation>canguro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lion</source>
        <translation>león</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>llama</source>
        <translation>llama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>monkey</source>
        <translation>mono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moose</source>
        <translation>alce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mouse face</source>
        <translation>cara de ratón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nest with eggs</source>
        <translation>nido con huevos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>octopus</source>
        <translation>pulpo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>otter</source>
        <translation>nutria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>owl</source>
        <translation>búho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ox</source>
        <translation>buey</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>parrot</source>
        <translation>loro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>polar bear</source>
        <translation>oso polar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>peacock</source>
        <translation>pavo real</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pig face</source>
        <translation>cara de cerdo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rabbit face</source>
        <translation>cara de conejo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>raccoon</source>
        <translation>mapache</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rhinoceros</source>
        <translation>rinoceronte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rooster</source>
        <translation>gallo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>long-necked dinosaur</source>
        <translation>dinosaurio de cuello largo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>seal</source>
        <translation>foca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shark</source>
        <translation>tiburón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skunk</source>
        <translation>mofeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sloth</source>
        <translation>perezoso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snail</source>
        <translation>caracol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snake</source>
        <translation>serpiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spouting whale</source>
        <translation>ballena echando agua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>swan</source>
        <translation>cisne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T. rex</source>
        <translation>tiranosaurio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tiger face</source>
        <translation>cara de tigre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turkey</source>
        <translation>pavo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turtle</source>
        <translation>tortuga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unicorn</source>
        <translation>unicornio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>worm</source>
        <translation>gusano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zebra</source>
        <translation>cebra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crab</source>
        <translation>cangrejo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blossom</source>
        <translation>flor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bouquet</source>
        <translation>ramo de flores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deciduous tree</source>
        <translation>árbol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>evergreen tree</source>
        <translation>abeto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>feather</source>
        <translation>pluma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>four leaf clover</source>
        <translation>trébol de cuatro hojas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibiscus</source>
        <translation>hibisco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>maple leaf</source>
        <translation>hoja de arce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>palm tree</source>
        <translation>palmera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>potted plant</source>
        <translation>planta en maceta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>seedling</source>
        <translation>brote</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baby bottle</source>
        <translation>biberón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bell pepper</source>
        <translation>pimiento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>juice box</source>
        <translation>cartón de zumo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bread</source>
        <translation>pan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>candy</source>
        <translation>caramelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cheese wedge</source>
        <translation>trozo de queso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chocolate bar</source>
        <translation>tableta de chocolate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cucumber</source>
        <translation>pepino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ear of corn</source>
        <translation>mazorca de maíz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>egg</source>
        <translation>huevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eggplant</source>
        <translation>berenjena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>french fries</source>
        <translation>patatas fritas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>glass of milk</source>
        <translation>vaso de leche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green salad</source>
        <translation>ensalada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>honey pot</source>
        <translation>tarro de miel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hot drink</source>
        <translation>bebida caliente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hot dog</source>
        <translation>perrito caliente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hot pepper</source>
        <translation>pimiento picante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lollipop</source>
        <translation>piruleta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>onion</source>
        <translation>cebolla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pancakes</source>
        <translation>tortitas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pea pod</source>
        <translation>vaina de guisantes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>popcorn</source>
        <translation>palomitas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pretzel</source>
        <translation>pretzel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sandwich</source>
        <translation>sándwich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shaved ice</source>
        <translation>granizado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shortcake</source>
        <translation>pastel de fresa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>soft ice cream</source>
        <translation>cucurucho de helado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spaghetti</source>
        <translation>espaguetis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taco</source>
        <translation>taco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>teapot</source>
        <translation>tetera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>waffle</source>
        <translation>gofre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>american football</source>
        <translation>balón de fútbol americano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>artist palette</source>
        <translation>paleta de pintor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>badminton</source>
        <translation>bádminton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baseball</source>
        <translation>pelota de béisbol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bowling</source>
        <translation>bolos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flying disc</source>
        <translation>disco volador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ice hockey</source>
        <translation>hockey sobre hielo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ice skate</source>
        <translation>patín de hielo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magic wand</source>
        <translation>varita mágica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nesting dolls</source>
        <translation>muñecas rusas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>party popper</source>
        <translation>lanzador de confeti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>piñata</source>
        <translation>piñata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ping pong</source>
        <translation>ping-pong</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puzzle piece</source>
        <translation>pieza de puzle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ribbon</source>
        <translation>lazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sled</source>
        <translation>trineo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skis</source>
        <translation>esquís</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tennis</source>
        <translation>pelota de tenis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>video game</source>
        <translation>videojuego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>volleyball</source>
        <translation>balón de voleibol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yarn</source>
        <translation>ovillo de lana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>yoyó</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fireworks</source>
        <translation>fuegos artificiales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>airplane</source>
        <translation>avión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ambulance</source>
        <translation>ambulancia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>anchor</source>
        <translation>ancla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>automobile</source>
        <translation>coche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bicycle</source>
        <translation>bicicleta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bullet train</source>
        <translation>tren bala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bus</source>
        <translation>autobús</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>carousel horse</source>
        <translation>caballito de tiovivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>castle</source>
        <translation>castillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circus tent</source>
        <translation>carpa de circo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cloud</source>
        <translation>nube</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cloud with rain</source>
        <translation>nube con lluvia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crescent moon</source>
        <translation>media luna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delivery truck</source>
        <translation>camión de reparto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desert island</source>
        <translation>isla desierta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>droplet</source>
        <translation>gota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ferris wheel</source>
        <translation>noria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fire engine</source>
        <translation>camión de bomberos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flying saucer</source>
        <translation>platillo volante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>full moon face</source>
        <translation>luna llena con cara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>globe</source>
        <translation>globo terráqueo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>helicopter</source>
        <translation>helicóptero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>house</source>
        <translation>casa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hut</source>
        <translation>cabaña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kick scooter</source>
        <translation>patinete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locomotive</source>
        <translation>locomotora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>luggage</source>
        <translation>maleta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>motor boat</source>
        <translation>lancha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>canoe</source>
        <translation>canoa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>motor scooter</source>
        <translation>ciclomotor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>motorcycle</source>
        <translation>moto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snow capped mountain</source>
        <translation>montaña nevada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>parachute</source>
        <translation>paracaídas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ship</source>
        <translation>barco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>playground slide</source>
        <translation>tobogán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>life ring</source>
        <translation>flotador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>police car</source>
        <translation>coche de policía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>racing car</source>
        <translation>coche de carreras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ringed planet</source>
        <translation>planeta con anillos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rocket</source>
        <translation>cohete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>roller coaster</source>
        <translation>montaña rusa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>roller skate</source>
        <translation>patín de ruedas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sailboat</source>
        <translation>velero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>school</source>
        <translation>escuela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skateboard</source>
        <translation>monopatín</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snowflake</source>
        <translation>copo de nieve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snowman</source>
        <translation>muñeco de nieve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun behind cloud</source>
        <translation>sol detrás de una nube</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taxi</source>
        <translation>taxi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tent</source>
        <translation>tienda de campaña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tractor</source>
        <translation>tractor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>umbrella in the rain</source>
        <translation>paraguas bajo la lluvia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beach umbrella</source>
        <translation>sombrilla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>volcano</source>
        <translation>volcán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>water wave</source>
        <translation>ola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>abacus</source>
        <translation>ábaco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>accordion</source>
        <translation>acordeón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backpack</source>
        <translation>mochila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ballet shoes</source>
        <translation>zapatillas de ballet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>basket</source>
        <translation>cesta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bed</source>
        <translation>cama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cap</source>
        <translation>gorra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>books</source>
        <translation>libros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>boomerang</source>
        <translation>bumerán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>broom</source>
        <translation>escoba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bubbles</source>
        <translation>pompas de jabón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bucket</source>
        <translation>cubo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera</source>
        <translation>cámara de fotos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>candle</source>
        <translation>vela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chair</source>
        <translation>silla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crayon</source>
        <translation>cera de colores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crown</source>
        <translation>corona</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>door</source>
        <translation>puerta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dress</source>
        <translation>vestido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drum</source>
        <translation>tambor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flashlight</source>
        <translation>linterna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flute</source>
        <translation>flauta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gem stone</source>
        <translation>piedra preciosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>glasses</source>
        <translation>gafas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gloves</source>
        <translation>guantes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>goggles</source>
        <translation>gafas protectoras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>graduation cap</source>
        <translation>birrete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>guitar</source>
        <translation>guitarra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hammer</source>
        <translation>martillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>headphones</source>
        <translation>auriculares</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hiking boot</source>
        <translation>bota de montaña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>key</source>
        <translation>llave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ladder</source>
        <translation>escalera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>laptop</source>
        <translation>portátil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light bulb</source>
        <translation>bombilla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magnet</source>
        <translation>imán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magnifying glass</source>
        <translation>lupa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>maracas</source>
        <translation>maracas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>microphone</source>
        <translation>micrófono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>microscope</source>
        <translation>microscopio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mobile phone</source>
        <translation>móvil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>musical keyboard</source>
        <translation>teclado de piano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>open book</source>
        <translation>libro abierto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>package</source>
        <translation>paquete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>paintbrush</source>
        <translation>pincel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pencil</source>
        <translation>lápiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>postbox</source>
        <translation>buzón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>purse</source>
        <translation>monedero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ring</source>
        <translation>anillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running shoe</source>
        <translation>zapatilla de deporte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>saxophone</source>
        <translation>saxofón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>scarf</source>
        <translation>bufanda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>scissors</source>
        <translation>tijeras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shopping cart</source>
        <translation>carrito de la compra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shorts</source>
        <translation>pantalón corto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>socks</source>
        <translation>calcetines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>straight ruler</source>
        <translation>regla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sunglasses</source>
        <translation>gafas de sol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>t shirt</source>
        <translation>camiseta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>telephone</source>
        <translation>teléfono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>telescope</source>
        <translation>telescopio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>television</source>
        <translation>televisión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>toolbox</source>
        <translation>caja de herramientas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>toothbrush</source>
        <translation>cepillo de dientes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>top hat</source>
        <translation>sombrero de copa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trumpet</source>
        <translation>trompeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>violin</source>
        <translation>violín</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>woman&apos;s hat</source>
        <translation>sombrero de señora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baby</source>
        <translation>bebé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>boy</source>
        <translation>niño</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>girl</source>
        <translation>niña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>old woman</source>
        <translation>anciana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>artist</source>
        <translation>artista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>astronaut</source>
        <translation>astronauta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cook</source>
        <translation>cocinero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>farmer</source>
        <translation>granjero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>firefighter</source>
        <translation>bombero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person biking</source>
        <translation>ciclista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person juggling</source>
        <translation>malabarista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wizard</source>
        <translation>mago</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>merperson</source>
        <translation>sirena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person rowing a boat</source>
        <translation>persona remando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person surfing</source>
        <translation>surfista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person swimming</source>
        <translation>nadador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pilot</source>
        <translation>piloto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>police officer</source>
        <translation>policía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>prince</source>
        <translation>príncipe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>princess</source>
        <translation>princesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>scientist</source>
        <translation>científico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skier</source>
        <translation>esquiador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snowboarder</source>
        <translation>snowboarder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>student</source>
        <translation>estudiante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>teacher</source>
        <translation>maestro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person in bed</source>
        <translation>persona en la cama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>superhero</source>
        <translation>superhéroe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>woman dancing</source>
        <translation>bailarina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>waving hand</source>
        <translation>mano que saluda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>construction worker</source>
        <translation>obrero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>clapping hands</source>
        <translation>manos aplaudiendo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tooth</source>
        <translation>diente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>robot</source>
        <translation>robot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alien</source>
        <translation>extraterrestre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>partying face</source>
        <translation>cara de fiesta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cowboy face</source>
        <translation>cara de vaquero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red apple</source>
        <translation>manzana roja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>strawberry</source>
        <translation>fresa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cherries</source>
        <translation>cerezas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>banana</source>
        <translation>plátano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grapes</source>
        <translation>uvas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>peach</source>
        <translation>melocotón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pear</source>
        <translation>pera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>watermelon</source>
        <translation>sandía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pineapple</source>
        <translation>piña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lemon</source>
        <translation>limón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tangerine</source>
        <translation>mandarina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kiwi fruit</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>coconut</source>
        <translation>coco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>carrot</source>
        <translation>zanahoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>broccoli</source>
        <translation>brócoli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>avocado</source>
        <translation>aguacate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>doughnut</source>
        <translation>dónut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cupcake</source>
        <translation>magdalena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cookie</source>
        <translation>galleta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>birthday cake</source>
        <translation>tarta de cumpleaños</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamburger</source>
        <translation>hamburguesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>croissant</source>
        <translation>cruasán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sunflower</source>
        <translation>girasol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rose</source>
        <translation>rosa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tulip</source>
        <translation>tulipán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mushroom</source>
        <translation>seta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cactus</source>
        <translation>cactus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cherry blossom</source>
        <translation>flor de cerezo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>panda</source>
        <translation>panda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>koala</source>
        <translation>koala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ladybird</source>
        <translation>mariquita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>butterfly</source>
        <translation>mariposa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>penguin</source>
        <translation>pingüino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tropical fish</source>
        <translation>pez tropical</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>soccer ball</source>
        <translation>balón de fútbol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>basketball</source>
        <translation>balón de baloncesto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>balloon</source>
        <translation>globo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>teddy bear</source>
        <translation>osito de peluche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrapped gift</source>
        <translation>regalo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow</source>
        <translation>arcoíris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kite</source>
        <translation>cometa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trophy</source>
        <translation>trofeo</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <location filename="../src/app/players_menu.cpp" line="-28"/>
        <source>New player</source>
        <translation>Nuevo jugador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The new player&apos;s name:</source>
        <translation>Nombre del nuevo jugador:</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <location filename="../src/players/player_name.cpp" line="+75"/>
        <source>A name cannot start with a dot, a space or &apos;-&apos;.</source>
        <translation>Un nombre no puede empezar por un punto, un espacio o &apos;-&apos;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A name cannot end with a space.</source>
        <translation>Un nombre no puede terminar en un espacio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A name cannot hold characters that show nothing.</source>
        <translation>Un nombre no puede tener caracteres invisibles.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>An accent or other mark must follow a letter.</source>
        <translation>Una tilde u otro signo debe ir detrás de una letra.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A name may hold only letters, digits, spaces, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;.</source>
        <translation>Un nombre solo puede tener letras, números, espacios, &apos;-&apos;, &apos;_&apos; y &apos;.&apos;.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A name must be written in UTF-8 text.</source>
        <translation>Un nombre debe estar escrito en texto UTF-8.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A name needs at least one character.</source>
        <translation>Un nombre necesita al menos un carácter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A name has at most 24 characters.</source>
        <translation>Un nombre tiene como máximo 24 caracteres.</translation>
    </message>
    <message>
        <location filename="../src/players/players.cpp" line="+35"/>
        <source>cannot make the player&apos;s folder %1: %2</source>
        <translation>no se puede crear la carpeta del jugador %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is a link, not a player&apos;s folder</source>
        <translation>%1 es un enlace, no una carpeta de jugador</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot make the player&apos;s folder %1: a file has its name</source>
        <translation>no se puede crear la carpeta del jugador %1: un archivo tiene su nombre</translation>
    </message>
    <message>
        <location filename="../src/players/players.h" line="+22"/>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../src/qt/progress/progress_window.cpp" line="+41"/>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every fact this player was asked, for a spreadsheet</source>
        <translation>Todas las operaciones de este jugador, para una hoja de cálculo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Most often missed</source>
        <translation>Los más fallados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question</source>
        <translation>Operación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last asked</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Progress - Pondivar</source>
        <translation>Progreso - Pondivar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress of %1 - Pondivar</source>
        <translation>Progreso de %1 - Pondivar</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No questions answered yet.</source>
        <translation>Todavía no hay respuestas.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n questions answered, %1% right the first time. %2 of the %3 facts known.</source>
        <translation>
            <numerusform>%Ln pregunta respondida, %1 % bien a la primera. %2 de %3 operaciones dominadas.</numerusform>
            <numerusform>%Ln preguntas respondidas, %1 % bien a la primera. %2 de %3 operaciones dominadas.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing missed yet</source>
        <translation>Todavía ningún fallo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>progress.csv</source>
        <translation>progreso.csv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1-progress.csv</source>
        <translation>%1-progreso.csv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save progress as CSV</source>
        <translation>Guardar el progreso como CSV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The progress could not be saved as %1.</source>
        <translation>No se pudo guardar el progreso como %1.</translation>
    </message>
    <message>
        <location filename="../src/qt/progress/progress_grid.cpp" line="+77"/>
        <location filename="../src/qt/progress/progress_legend.cpp" line="+24"/>
        <source>Never asked</source>
        <translation>Nunca preguntada</translation>
    </message>
    <message>
        <location filename="../src/qt/progress/progress_legend.cpp" line="+2"/>
        <source>Often missed</source>
        <translation>Fallada a menudo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sometimes missed</source>
        <translation>Fallada a veces</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Learning</source>
        <translation>Aprendiendo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Known</source>
        <translation>Dominada</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>not asked yet</source>
        <translation>todavía no preguntada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>missed more than one time in three</source>
        <translation>fallada más de una vez de cada tres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>missed now and then</source>
        <translation>fallada de vez en cuando</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right so far, on one or two days</source>
        <translation>bien hasta ahora, en uno o dos días</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right first time on three days</source>
        <translation>bien a la primera en tres días</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/qt/progress/progress_grid.cpp" line="+3"/>
        <source>Asked: %n times</source>
        <translation>
            <numerusform>Preguntada: %n vez</numerusform>
            <numerusform>Preguntada: %n veces</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right the first time: %1</source>
        <translation>Bien a la primera: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong clicks: %1</source>
        <translation>Clics fallados: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Median time to first click: %1 s</source>
        <translation>Tiempo mediano hasta el primer clic: %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Last asked: %1</source>
        <translation>Última vez: %1</translation>
    </message>
    <message>
        <location filename="../src/qt/progress/progress_chart.cpp" line="+91"/>
        <source>No questions answered</source>
        <translation>Ninguna pregunta respondida</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n answered</source>
        <translation>
            <numerusform>%n respondida</numerusform>
            <numerusform>%n respondidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n right the first time (%1%)</source>
        <translation>
            <numerusform>%n bien a la primera (%1 %)</numerusform>
            <numerusform>%n bien a la primera (%1 %)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>No questions answered in these two weeks</source>
        <translation>Ninguna pregunta respondida en estas dos semanas</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Questions answered each day, the last two weeks</source>
        <translation>Preguntas respondidas cada día, últimas dos semanas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Right the first time</source>
        <translation>Bien a la primera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed at first</source>
        <translation>Fallada al principio</translation>
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
        <translation>Hoy</translation>
    </message>
    <message>
        <location line="-116"/>
        <source>dddd d MMMM yyyy</source>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>ddd</source>
        <translation>ddd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <location filename="../src/game/operations.cpp" line="+37"/>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
    <message>
        <location filename="../src/qt/screen_reader/spoken.cpp" line="+25"/>
        <source>disappointed face</source>
        <translation>cara decepcionada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>smiling face</source>
        <translation>cara sonriente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>grinning face</source>
        <translation>cara muy contenta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sad face</source>
        <translation>cara triste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waiting face</source>
        <translation>cara que espera</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>row %1, card %2</source>
        <translation>fila %1, carta %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <location filename="../src/qt/screen_reader/accessible_controls.cpp" line="+47"/>
        <source>About picture</source>
        <translation>Imagen de información</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>closes the about panel</source>
        <translation>cierra la información</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>tried already</source>
        <translation>ya probado</translation>
    </message>
    <message numerus="yes">
        <location line="-10"/>
        <source>%n moves</source>
        <translation>
            <numerusform>%n jugada</numerusform>
            <numerusform>%n jugadas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+94"/>
        <source>leaves the memory game</source>
        <translation>volver a las cuentas</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/game/tools.h" line="+19"/>
        <source>Left face</source>
        <translation>Cara izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right face</source>
        <translation>Cara derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound on or off</source>
        <translation>Sonido sí o no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music on or off</source>
        <translation>Música sí o no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New question</source>
        <translation>Nueva pregunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory game</source>
        <translation>Juego de parejas</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <location filename="../src/app/shown_texts.cpp" line="+51"/>
        <source>SCORE</source>
        <translation>PUNTOS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>YOUR NAME</source>
        <translation>TU NOMBRE</translation>
    </message>
    <message>
        <location filename="../src/screens/high_scores.cpp" line="+79"/>
        <source>%1 IS YOUR SCORE</source>
        <translation>TUS PUNTOS: %1</translation>
    </message>
    <message>
        <location filename="../src/qt/screen_reader/accessible.cpp" line="+149"/>
        <source>high scores</source>
        <translation>récords</translation>
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
