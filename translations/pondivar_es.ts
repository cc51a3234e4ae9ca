<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Drill</source>
        <translation>&amp;Cuentas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Sumar</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Restar</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplicar</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <source>Memory &amp;Game</source>
        <translation>Juego de &amp;parejas</translation>
    </message>
    <message>
        <source>&amp;View Scores</source>
        <translation>&amp;Ver récords</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Efectos de sonido</translation>
    </message>
    <message>
        <source>&amp;Background Music</source>
        <translation>&amp;Música de fondo</translation>
    </message>
    <message>
        <source>Save &amp;Window Position</source>
        <translation>&amp;Recordar la posición de la ventana</translation>
    </message>
    <message>
        <source>&amp;High Color Pictures</source>
        <translation>Imágenes de &amp;colores vivos</translation>
    </message>
    <message>
        <source>&amp;Random Colors</source>
        <translation>Colores al &amp;azar</translation>
    </message>
    <message>
        <source>&amp;Include Tables 11 to 17</source>
        <translation>&amp;Tablas del 11 al 17</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Practice Missed Facts</source>
        <translation>Repasar &amp;fallos</translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation>Pro&amp;greso...</translation>
    </message>
    <message>
        <source>New &amp;Player...</source>
        <translation>&amp;Nuevo jugador...</translation>
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
        <translation>&amp;Idioma</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>about Pondivar</source>
        <translation>acerca de Pondivar</translation>
    </message>
    <message>
        <source>sound on</source>
        <translation>poner sonido</translation>
    </message>
    <message>
        <source>sound off</source>
        <translation>quitar sonido</translation>
    </message>
    <message>
        <source>music on</source>
        <translation>poner música</translation>
    </message>
    <message>
        <source>music off</source>
        <translation>quitar música</translation>
    </message>
    <message>
        <source>refresh question</source>
        <translation>otra pregunta</translation>
    </message>
    <message>
        <source>color</source>
        <translation>color</translation>
    </message>
    <message>
        <source>high scores</source>
        <translation>récords</translation>
    </message>
    <message>
        <source>exit Pondivar</source>
        <translation>salir de Pondivar</translation>
    </message>
    <message>
        <source>memory game</source>
        <translation>juego de parejas</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message numerus="yes">
        <source>%n questions</source>
        <translation>
            <numerusform>%n pregunta</numerusform>
            <numerusform>%n preguntas</numerusform>
        </translation>
    </message>
    <message>
        <source>level %d</source>
        <translation>nivel %d</translation>
    </message>
    <message>
        <source>score %d</source>
        <translation>total %d</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Not quite, try again</source>
        <translation>Casi, inténtalo otra vez</translation>
    </message>
    <message>
        <source>Still not that one</source>
        <translation>Esa tampoco</translation>
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
        <translation>%d rojo</translation>
    </message>
    <message>
        <source>%d green</source>
        <translation>%d verde</translation>
    </message>
    <message>
        <source>%d blue</source>
        <translation>%d azul</translation>
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
        <translation>PUNTOS</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>YOUR NAME</source>
        <translation>TU NOMBRE</translation>
    </message>
    <message>
        <source>%1 IS YOUR SCORE</source>
        <translation>TUS PUNTOS: %1</translation>
    </message>
    <message>
        <source>high scores</source>
        <translation>récords</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <source>bye</source>
        <translation>fin</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>Copyright (c) 2026 the Pondivar developers</source>
        <translation>Copyright (c) 2026 los desarrolladores de Pondivar</translation>
    </message>
    <message>
        <source>Hi.. Just click on any button.  A happy face means that you chose the correct one.. bye</source>
        <translation>¡Hola! Haz clic en un botón. Una cara contenta quiere decir que has acertado. ¡Adiós!</translation>
    </message>
    <message>
        <source>Send comments to:</source>
        <translation>Escríbenos a:</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>New player</source>
        <translation>Nuevo jugador</translation>
    </message>
    <message>
        <source>The new player&apos;s name:</source>
        <translation>Nombre del nuevo jugador:</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>A name cannot start with a dot, a space or &apos;-&apos;.</source>
        <translation>Un nombre no puede empezar por un punto, un espacio o &apos;-&apos;.</translation>
    </message>
    <message>
        <source>A name cannot end with a space.</source>
        <translation>Un nombre no puede terminar en un espacio.</translation>
    </message>
    <message>
        <source>A name cannot hold characters that show nothing.</source>
        <translation>Un nombre no puede tener caracteres invisibles.</translation>
    </message>
    <message>
        <source>An accent or other mark must follow a letter.</source>
        <translation>Una tilde u otro signo debe ir detrás de una letra.</translation>
    </message>
    <message>
        <source>A name may hold only letters, digits, spaces, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;.</source>
        <translation>Un nombre solo puede tener letras, números, espacios, &apos;-&apos;, &apos;_&apos; y &apos;.&apos;.</translation>
    </message>
    <message>
        <source>A name must be written in UTF-8 text.</source>
        <translation>Un nombre debe estar escrito en texto UTF-8.</translation>
    </message>
    <message>
        <source>A name needs at least one character.</source>
        <translation>Un nombre necesita al menos un carácter.</translation>
    </message>
    <message>
        <source>A name has at most 24 characters.</source>
        <translation>Un nombre tiene como máximo 24 caracteres.</translation>
    </message>
    <message>
        <source>cannot make the player&apos;s folder %1: %2</source>
        <translation>No se puede crear la carpeta del jugador %1: %2</translation>
    </message>
    <message>
        <source>%1 is a link, not a player&apos;s folder</source>
        <translation>%1 es un enlace, no una carpeta de jugador</translation>
    </message>
    <message>
        <source>cannot make the player&apos;s folder %1: a file has its name</source>
        <translation>No se puede crear la carpeta del jugador %1: ya hay un archivo con ese nombre</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>disappointed face</source>
        <translation>cara decepcionada</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>cara sonriente</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>cara muy contenta</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>cara triste</translation>
    </message>
    <message>
        <source>waiting face</source>
        <translation>cara que espera</translation>
    </message>
    <message>
        <source>row %1, card %2</source>
        <translation>fila %1, carta %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>About picture</source>
        <translation>Imagen de información</translation>
    </message>
    <message>
        <source>closes the about panel</source>
        <translation>cierra la información</translation>
    </message>
    <message>
        <source>tried already</source>
        <translation>ya probado</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n jugada</numerusform>
            <numerusform>%n jugadas</numerusform>
        </translation>
    </message>
    <message>
        <source>leaves the memory game</source>
        <translation>volver a las cuentas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Left face</source>
        <translation>Cara izquierda</translation>
    </message>
    <message>
        <source>Right face</source>
        <translation>Cara derecha</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Sonido sí o no</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Música sí o no</translation>
    </message>
    <message>
        <source>New question</source>
        <translation>Nueva pregunta</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Memory game</source>
        <translation>Juego de parejas</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Every fact this player was asked, for a spreadsheet</source>
        <translation>Todas las operaciones de este jugador, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Most often missed</source>
        <translation>Los más fallados</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <source>Progress - Pondivar</source>
        <translation>Progreso - Pondivar</translation>
    </message>
    <message>
        <source>Progress of %1 - Pondivar</source>
        <translation>Progreso de %1 - Pondivar</translation>
    </message>
    <message>
        <source>No questions answered yet.</source>
        <translation>Todavía no hay respuestas.</translation>
    </message>
    <message numerus="yes">
        <source>%n questions answered, %1% right the first time. %2 of the %3 facts known.</source>
        <translation>
            <numerusform>%n pregunta respondida, %1 % bien a la primera. %2 de %3 operaciones dominadas.</numerusform>
            <numerusform>%n preguntas respondidas, %1 % bien a la primera. %2 de %3 operaciones dominadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Nothing missed yet</source>
        <translation>Todavía ningún fallo</translation>
    </message>
    <message>
        <source>progress.csv</source>
        <translation>progreso.csv</translation>
    </message>
    <message>
        <source>%1-progress.csv</source>
        <translation>%1-progreso.csv</translation>
    </message>
    <message>
        <source>Save progress as CSV</source>
        <translation>Guardar el progreso como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The progress could not be saved as %1.</source>
        <translation>No se pudo guardar el progreso como %1.</translation>
    </message>
    <message>
        <source>Never asked</source>
        <translation>Nunca preguntada</translation>
    </message>
    <message>
        <source>Often missed</source>
        <translation>Fallada a menudo</translation>
    </message>
    <message>
        <source>Sometimes missed</source>
        <translation>Fallada a veces</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Aprendiendo</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Dominada</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>todavía no preguntada</translation>
    </message>
    <message>
        <source>missed more than one time in three</source>
        <translation>fallada más de una vez de cada tres</translation>
    </message>
    <message>
        <source>missed now and then</source>
        <translation>fallada de vez en cuando</translation>
    </message>
    <message>
        <source>right so far, on one or two days</source>
        <translation>bien hasta ahora, en uno o dos días</translation>
    </message>
    <message>
        <source>right first time on three days</source>
        <translation>bien a la primera en tres días</translation>
    </message>
    <message numerus="yes">
        <source>Asked: %n times</source>
        <translation>
            <numerusform>Preguntada: %n vez</numerusform>
            <numerusform>Preguntada: %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>Right the first time: %1</source>
        <translation>Bien a la primera: %1</translation>
    </message>
    <message>
        <source>Wrong clicks: %1</source>
        <translation>Clics fallados: %1</translation>
    </message>
    <message>
        <source>Median time to first click: %1 s</source>
        <translation>Tiempo mediano hasta el primer clic: %1 s</translation>
    </message>
    <message>
        <source>Last asked: %1</source>
        <translation>Última vez: %1</translation>
    </message>
    <message>
        <source>No questions answered</source>
        <translation>Ninguna pregunta respondida</translation>
    </message>
    <message numerus="yes">
        <source>%n answered</source>
        <translation>
            <numerusform>%n respondida</numerusform>
            <numerusform>%n respondidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right the first time (%1%)</source>
        <translation>
            <numerusform>%n bien a la primera (%1 %)</numerusform>
            <numerusform>%n bien a la primera (%1 %)</numerusform>
        </translation>
    </message>
    <message>
        <source>No questions answered in these two weeks</source>
        <translation>Ninguna pregunta respondida en estas dos semanas</translation>
    </message>
    <message>
        <source>Questions answered each day, the last two weeks</source>
        <translation>Preguntas respondidas cada día, últimas dos semanas</translation>
    </message>
    <message>
        <source>Right the first time</source>
        <translation>Bien a la primera</translation>
    </message>
    <message>
        <source>Missed at first</source>
        <translation>Fallada al principio</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>ddd</source>
        <translation>ddd</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
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
    <name>Console</name>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 necesita un nombre</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 necesita una carpeta</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>argumento desconocido: %1</translation>
    </message>
    <message>
        <source>cannot use that player name: %1</source>
        <translation>no se puede usar ese nombre de jugador: %1</translation>
    </message>
    <message>
        <source>there is no player called %1</source>
        <translation>no hay ningún jugador llamado %1</translation>
    </message>
    <message>
        <source>the report could not be written whole</source>
        <translation>no se pudo escribir el informe completo</translation>
    </message>
    <message>
        <source>%1; playing without players</source>
        <translation>%1; se juega sin jugadores</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>ant</source>
        <translation>hormiga</translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation>pollito</translation>
    </message>
    <message>
        <source>bear</source>
        <translation>oso</translation>
    </message>
    <message>
        <source>beaver</source>
        <translation>castor</translation>
    </message>
    <message>
        <source>beetle</source>
        <translation>escarabajo</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>pájaro</translation>
    </message>
    <message>
        <source>blowfish</source>
        <translation>pez globo</translation>
    </message>
    <message>
        <source>bug</source>
        <translation>oruga</translation>
    </message>
    <message>
        <source>camel</source>
        <translation>camello</translation>
    </message>
    <message>
        <source>cat face</source>
        <translation>cara de gato</translation>
    </message>
    <message>
        <source>chipmunk</source>
        <translation>ardilla</translation>
    </message>
    <message>
        <source>cow face</source>
        <translation>cara de vaca</translation>
    </message>
    <message>
        <source>crocodile</source>
        <translation>cocodrilo</translation>
    </message>
    <message>
        <source>deer</source>
        <translation>ciervo</translation>
    </message>
    <message>
        <source>dog face</source>
        <translation>cara de perro</translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation>delfín</translation>
    </message>
    <message>
        <source>donkey</source>
        <translation>burro</translation>
    </message>
    <message>
        <source>dove</source>
        <translation>paloma</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>dragón</translation>
    </message>
    <message>
        <source>duck</source>
        <translation>pato</translation>
    </message>
    <message>
        <source>eagle</source>
        <translation>águila</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>elefante</translation>
    </message>
    <message>
        <source>sheep</source>
        <translation>oveja</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>pez</translation>
    </message>
    <message>
        <source>flamingo</source>
        <translation>flamenco</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>zorro</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>rana</translation>
    </message>
    <message>
        <source>goat</source>
        <translation>cabra</translation>
    </message>
    <message>
        <source>gorilla</source>
        <translation>gorila</translation>
    </message>
    <message>
        <source>hamster</source>
        <translation>hámster</translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation>pollito saliendo del huevo</translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation>erizo</translation>
    </message>
    <message>
        <source>hippopotamus</source>
        <translation>hipopótamo</translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation>abeja</translation>
    </message>
    <message>
        <source>horse</source>
        <translation>caballo</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>medusa</translation>
    </message>
    <message>
        <source>kangaroo</source>
        <translation>canguro</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>león</translation>
    </message>
    <message>
        <source>llama</source>
        <translation>llama</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>moose</source>
        <translation>alce</translation>
    </message>
    <message>
        <source>mouse face</source>
        <translation>cara de ratón</translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation>nido con huevos</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>pulpo</translation>
    </message>
    <message>
        <source>otter</source>
        <translation>nutria</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>búho</translation>
    </message>
    <message>
        <source>ox</source>
        <translation>buey</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>loro</translation>
    </message>
    <message>
        <source>polar bear</source>
        <translation>oso polar</translation>
    </message>
    <message>
        <source>peacock</source>
        <translation>pavo real</translation>
    </message>
    <message>
        <source>pig face</source>
        <translation>cara de cerdo</translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation>cara de conejo</translation>
    </message>
    <message>
        <source>raccoon</source>
        <translation>mapache</translation>
    </message>
    <message>
        <source>rhinoceros</source>
        <translation>rinoceronte</translation>
    </message>
    <message>
        <source>rooster</source>
        <translation>gallo</translation>
    </message>
    <message>
        <source>long-necked dinosaur</source>
        <translation>dinosaurio de cuello largo</translation>
    </message>
    <message>
        <source>seal</source>
        <translation>foca</translation>
    </message>
    <message>
        <source>shark</source>
        <translation>tiburón</translation>
    </message>
    <message>
        <source>skunk</source>
        <translation>mofeta</translation>
    </message>
    <message>
        <source>sloth</source>
        <translation>perezoso</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>caracol</translation>
    </message>
    <message>
        <source>snake</source>
        <translation>serpiente</translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation>ballena echando agua</translation>
    </message>
    <message>
        <source>swan</source>
        <translation>cisne</translation>
    </message>
    <message>
        <source>T. rex</source>
        <translation>tiranosaurio</translation>
    </message>
    <message>
        <source>tiger face</source>
        <translation>cara de tigre</translation>
    </message>
    <message>
        <source>turkey</source>
        <translation>pavo</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tortuga</translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation>unicornio</translation>
    </message>
    <message>
        <source>worm</source>
        <translation>gusano</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>cebra</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>cangrejo</translation>
    </message>
    <message>
        <source>blossom</source>
        <translation>flor</translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation>ramo de flores</translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation>árbol</translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation>abeto</translation>
    </message>
    <message>
        <source>feather</source>
        <translation>pluma</translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation>trébol de cuatro hojas</translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation>hibisco</translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation>hoja de arce</translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation>palmera</translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation>planta en maceta</translation>
    </message>
    <message>
        <source>seedling</source>
        <translation>brote</translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation>biberón</translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation>pimiento</translation>
    </message>
    <message>
        <source>juice box</source>
        <translation>cartón de zumo</translation>
    </message>
    <message>
        <source>bread</source>
        <translation>pan</translation>
    </message>
    <message>
        <source>candy</source>
        <translation>caramelo</translation>
    </message>
    <message>
        <source>cheese wedge</source>
        <translation>trozo de queso</translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation>tableta de chocolate</translation>
    </message>
    <message>
        <source>cucumber</source>
        <translation>pepino</translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation>mazorca de maíz</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>huevo</translation>
    </message>
    <message>
        <source>eggplant</source>
        <translation>berenjena</translation>
    </message>
    <message>
        <source>french fries</source>
        <translation>patatas fritas</translation>
    </message>
    <message>
        <source>glass of milk</source>
        <translation>vaso de leche</translation>
    </message>
    <message>
        <source>green salad</source>
        <translation>ensalada</translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation>tarro de miel</translation>
    </message>
    <message>
        <source>hot drink</source>
        <translation>bebida caliente</translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation>perrito caliente</translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation>pimiento picante</translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation>piruleta</translation>
    </message>
    <message>
        <source>onion</source>
        <translation>cebolla</translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation>tortitas</translation>
    </message>
    <message>
        <source>pea pod</source>
        <translation>vaina de guisantes</translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation>palomitas</translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation>pretzel</translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation>sándwich</translation>
    </message>
    <message>
        <source>shaved ice</source>
        <translation>granizado</translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation>pastel de fresa</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>cucurucho de helado</translation>
    </message>
    <message>
        <source>spaghetti</source>
        <translation>espaguetis</translation>
    </message>
    <message>
        <source>taco</source>
        <translation>taco</translation>
    </message>
    <message>
        <source>teapot</source>
        <translation>tetera</translation>
    </message>
    <message>
        <source>waffle</source>
        <translation>gofre</translation>
    </message>
    <message>
        <source>american football</source>
        <translation>balón de fútbol americano</translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation>paleta de pintor</translation>
    </message>
    <message>
        <source>badminton</source>
        <translation>bádminton</translation>
    </message>
    <message>
        <source>baseball</source>
        <translation>pelota de béisbol</translation>
    </message>
    <message>
        <source>bowling</source>
        <translation>bolos</translation>
    </message>
    <message>
        <source>flying disc</source>
        <translation>disco volador</translation>
    </message>
    <message>
        <source>ice hockey</source>
        <translation>hockey sobre hielo</translation>
    </message>
    <message>
        <source>ice skate</source>
        <translation>patín de hielo</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>varita mágica</translation>
    </message>
    <message>
        <source>nesting dolls</source>
        <translation>muñecas rusas</translation>
    </message>
    <message>
        <source>party popper</source>
        <translation>lanzador de confeti</translation>
    </message>
    <message>
        <source>piñata</source>
        <translation>piñata</translation>
    </message>
    <message>
        <source>ping pong</source>
        <translation>ping-pong</translation>
    </message>
    <message>
        <source>puzzle piece</source>
        <translation>pieza de puzle</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>lazo</translation>
    </message>
    <message>
        <source>sled</source>
        <translation>trineo</translation>
    </message>
    <message>
        <source>skis</source>
        <translation>esquís</translation>
    </message>
    <message>
        <source>tennis</source>
        <translation>pelota de tenis</translation>
    </message>
    <message>
        <source>video game</source>
        <translation>videojuego</translation>
    </message>
    <message>
        <source>volleyball</source>
        <translation>balón de voleibol</translation>
    </message>
    <message>
        <source>yarn</source>
        <translation>ovillo de lana</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yoyó</translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation>fuegos artificiales</translation>
    </message>
    <message>
        <source>airplane</source>
        <translation>avión</translation>
    </message>
    <message>
        <source>ambulance</source>
        <translation>ambulancia</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>ancla</translation>
    </message>
    <message>
        <source>automobile</source>
        <translation>coche</translation>
    </message>
    <message>
        <source>bicycle</source>
        <translation>bicicleta</translation>
    </message>
    <message>
        <source>bullet train</source>
        <translation>tren bala</translation>
    </message>
    <message>
        <source>bus</source>
        <translation>autobús</translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation>caballito de tiovivo</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>castillo</translation>
    </message>
    <message>
        <source>circus tent</source>
        <translation>carpa de circo</translation>
    </message>
    <message>
        <source>cloud</source>
        <translation>nube</translation>
    </message>
    <message>
        <source>cloud with rain</source>
        <translation>nube con lluvia</translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation>media luna</translation>
    </message>
    <message>
        <source>delivery truck</source>
        <translation>camión de reparto</translation>
    </message>
    <message>
        <source>desert island</source>
        <translation>isla desierta</translation>
    </message>
    <message>
        <source>droplet</source>
        <translation>gota</translation>
    </message>
    <message>
        <source>ferris wheel</source>
        <translation>noria</translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation>camión de bomberos</translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation>platillo volante</translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation>luna llena con cara</translation>
    </message>
    <message>
        <source>globe</source>
        <translation>globo terráqueo</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation>helicóptero</translation>
    </message>
    <message>
        <source>house</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>hut</source>
        <translation>cabaña</translation>
    </message>
    <message>
        <source>kick scooter</source>
        <translation>patinete</translation>
    </message>
    <message>
        <source>locomotive</source>
        <translation>locomotora</translation>
    </message>
    <message>
        <source>luggage</source>
        <translation>maleta</translation>
    </message>
    <message>
        <source>motor boat</source>
        <translation>lancha</translation>
    </message>
    <message>
        <source>canoe</source>
        <translation>canoa</translation>
    </message>
    <message>
        <source>motor scooter</source>
        <translation>ciclomotor</translation>
    </message>
    <message>
        <source>motorcycle</source>
        <translation>moto</translation>
    </message>
    <message>
        <source>snow capped mountain</source>
        <translation>montaña nevada</translation>
    </message>
    <message>
        <source>parachute</source>
        <translation>paracaídas</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>barco</translation>
    </message>
    <message>
        <source>playground slide</source>
        <translation>tobogán</translation>
    </message>
    <message>
        <source>life ring</source>
        <translation>flotador</translation>
    </message>
    <message>
        <source>police car</source>
        <translation>coche de policía</translation>
    </message>
    <message>
        <source>racing car</source>
        <translation>coche de carreras</translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation>planeta con anillos</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>cohete</translation>
    </message>
    <message>
        <source>roller coaster</source>
        <translation>montaña rusa</translation>
    </message>
    <message>
        <source>roller skate</source>
        <translation>patín de ruedas</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>velero</translation>
    </message>
    <message>
        <source>school</source>
        <translation>escuela</translation>
    </message>
    <message>
        <source>skateboard</source>
        <translation>monopatín</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>copo de nieve</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>muñeco de nieve</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation>sol detrás de una nube</translation>
    </message>
    <message>
        <source>taxi</source>
        <translation>taxi</translation>
    </message>
    <message>
        <source>tent</source>
        <translation>tienda de campaña</translation>
    </message>
    <message>
        <source>tractor</source>
        <translation>tractor</translation>
    </message>
    <message>
        <source>umbrella in the rain</source>
        <translation>paraguas bajo la lluvia</translation>
    </message>
    <message>
        <source>beach umbrella</source>
        <translation>sombrilla</translation>
    </message>
    <message>
        <source>volcano</source>
        <translation>volcán</translation>
    </message>
    <message>
        <source>water wave</source>
        <translation>ola</translation>
    </message>
    <message>
        <source>abacus</source>
        <translation>ábaco</translation>
    </message>
    <message>
        <source>accordion</source>
        <translation>acordeón</translation>
    </message>
    <message>
        <source>backpack</source>
        <translation>mochila</translation>
    </message>
    <message>
        <source>ballet shoes</source>
        <translation>zapatillas de ballet</translation>
    </message>
    <message>
        <source>basket</source>
        <translation>cesta</translation>
    </message>
    <message>
        <source>bed</source>
        <translation>cama</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>campana</translation>
    </message>
    <message>
        <source>cap</source>
        <translation>gorra</translation>
    </message>
    <message>
        <source>books</source>
        <translation>libros</translation>
    </message>
    <message>
        <source>boomerang</source>
        <translation>bumerán</translation>
    </message>
    <message>
        <source>broom</source>
        <translation>escoba</translation>
    </message>
    <message>
        <source>bubbles</source>
        <translation>pompas de jabón</translation>
    </message>
    <message>
        <source>bucket</source>
        <translation>cubo</translation>
    </message>
    <message>
        <source>camera</source>
        <translation>cámara de fotos</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>vela</translation>
    </message>
    <message>
        <source>chair</source>
        <translation>silla</translation>
    </message>
    <message>
        <source>crayon</source>
        <translation>cera de colores</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>corona</translation>
    </message>
    <message>
        <source>door</source>
        <translation>puerta</translation>
    </message>
    <message>
        <source>dress</source>
        <translation>vestido</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>tambor</translation>
    </message>
    <message>
        <source>flashlight</source>
        <translation>linterna</translation>
    </message>
    <message>
        <source>flute</source>
        <translation>flauta</translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation>piedra preciosa</translation>
    </message>
    <message>
        <source>glasses</source>
        <translation>gafas</translation>
    </message>
    <message>
        <source>gloves</source>
        <translation>guantes</translation>
    </message>
    <message>
        <source>goggles</source>
        <translation>gafas protectoras</translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation>birrete</translation>
    </message>
    <message>
        <source>guitar</source>
        <translation>guitarra</translation>
    </message>
    <message>
        <source>hammer</source>
        <translation>martillo</translation>
    </message>
    <message>
        <source>headphones</source>
        <translation>auriculares</translation>
    </message>
    <message>
        <source>hiking boot</source>
        <translation>bota de montaña</translation>
    </message>
    <message>
        <source>key</source>
        <translation>llave</translation>
    </message>
    <message>
        <source>ladder</source>
        <translation>escalera</translation>
    </message>
    <message>
        <source>laptop</source>
        <translation>portátil</translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation>bombilla</translation>
    </message>
    <message>
        <source>magnet</source>
        <translation>imán</translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation>lupa</translation>
    </message>
    <message>
        <source>maracas</source>
        <translation>maracas</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>micrófono</translation>
    </message>
    <message>
        <source>microscope</source>
        <translation>microscopio</translation>
    </message>
    <message>
        <source>mobile phone</source>
        <translation>móvil</translation>
    </message>
    <message>
        <source>musical keyboard</source>
        <translation>teclado de piano</translation>
    </message>
    <message>
        <source>open book</source>
        <translation>libro abierto</translation>
    </message>
    <message>
        <source>package</source>
        <translation>paquete</translation>
    </message>
    <message>
        <source>paintbrush</source>
        <translation>pincel</translation>
    </message>
    <message>
        <source>pencil</source>
        <translation>lápiz</translation>
    </message>
    <message>
        <source>postbox</source>
        <translation>buzón</translation>
    </message>
    <message>
        <source>purse</source>
        <translation>monedero</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>anillo</translation>
    </message>
    <message>
        <source>running shoe</source>
        <translation>zapatilla de deporte</translation>
    </message>
    <message>
        <source>saxophone</source>
        <translation>saxofón</translation>
    </message>
    <message>
        <source>scarf</source>
        <translation>bufanda</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>tijeras</translation>
    </message>
    <message>
        <source>shopping cart</source>
        <translation>carrito de la compra</translation>
    </message>
    <message>
        <source>shorts</source>
        <translation>pantalón corto</translation>
    </message>
    <message>
        <source>socks</source>
        <translation>calcetines</translation>
    </message>
    <message>
        <source>straight ruler</source>
        <translation>regla</translation>
    </message>
    <message>
        <source>sunglasses</source>
        <translation>gafas de sol</translation>
    </message>
    <message>
        <source>t shirt</source>
        <translation>camiseta</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>teléfono</translation>
    </message>
    <message>
        <source>telescope</source>
        <translation>telescopio</translation>
    </message>
    <message>
        <source>television</source>
        <translation>televisión</translation>
    </message>
    <message>
        <source>toolbox</source>
        <translation>caja de herramientas</translation>
    </message>
    <message>
        <source>toothbrush</source>
        <translation>cepillo de dientes</translation>
    </message>
    <message>
        <source>top hat</source>
        <translation>sombrero de copa</translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation>trompeta</translation>
    </message>
    <message>
        <source>violin</source>
        <translation>violín</translation>
    </message>
    <message>
        <source>woman&apos;s hat</source>
        <translation>sombrero de señora</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>bebé</translation>
    </message>
    <message>
        <source>boy</source>
        <translation>niño</translation>
    </message>
    <message>
        <source>girl</source>
        <translation>niña</translation>
    </message>
    <message>
        <source>old woman</source>
        <translation>anciana</translation>
    </message>
    <message>
        <source>artist</source>
        <translation>artista</translation>
    </message>
    <message>
        <source>astronaut</source>
        <translation>astronauta</translation>
    </message>
    <message>
        <source>cook</source>
        <translation>cocinero</translation>
    </message>
    <message>
        <source>farmer</source>
        <translation>granjero</translation>
    </message>
    <message>
        <source>firefighter</source>
        <translation>bombero</translation>
    </message>
    <message>
        <source>person biking</source>
        <translation>ciclista</translation>
    </message>
    <message>
        <source>person juggling</source>
        <translation>malabarista</translation>
    </message>
    <message>
        <source>wizard</source>
        <translation>mago</translation>
    </message>
    <message>
        <source>merperson</source>
        <translation>sirena</translation>
    </message>
    <message>
        <source>person rowing a boat</source>
        <translation>persona remando</translation>
    </message>
    <message>
        <source>person surfing</source>
        <translation>surfista</translation>
    </message>
    <message>
        <source>person swimming</source>
        <translation>nadador</translation>
    </message>
    <message>
        <source>pilot</source>
        <translation>piloto</translation>
    </message>
    <message>
        <source>police officer</source>
        <translation>policía</translation>
    </message>
    <message>
        <source>prince</source>
        <translation>príncipe</translation>
    </message>
    <message>
        <source>princess</source>
        <translation>princesa</translation>
    </message>
    <message>
        <source>scientist</source>
        <translation>científico</translation>
    </message>
    <message>
        <source>skier</source>
        <translation>esquiador</translation>
    </message>
    <message>
        <source>snowboarder</source>
        <translation>snowboarder</translation>
    </message>
    <message>
        <source>student</source>
        <translation>estudiante</translation>
    </message>
    <message>
        <source>teacher</source>
        <translation>maestro</translation>
    </message>
    <message>
        <source>person in bed</source>
        <translation>persona en la cama</translation>
    </message>
    <message>
        <source>superhero</source>
        <translation>superhéroe</translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation>bailarina</translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation>mano que saluda</translation>
    </message>
    <message>
        <source>construction worker</source>
        <translation>obrero</translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation>manos aplaudiendo</translation>
    </message>
    <message>
        <source>tooth</source>
        <translation>diente</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>robot</translation>
    </message>
    <message>
        <source>alien</source>
        <translation>extraterrestre</translation>
    </message>
    <message>
        <source>partying face</source>
        <translation>cara de fiesta</translation>
    </message>
    <message>
        <source>cowboy face</source>
        <translation>cara de vaquero</translation>
    </message>
    <message>
        <source>red apple</source>
        <translation>manzana roja</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>fresa</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>cerezas</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>plátano</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>uvas</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>melocotón</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>pera</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>sandía</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>piña</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>limón</translation>
    </message>
    <message>
        <source>tangerine</source>
        <translation>mandarina</translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <source>coconut</source>
        <translation>coco</translation>
    </message>
    <message>
        <source>carrot</source>
        <translation>zanahoria</translation>
    </message>
    <message>
        <source>broccoli</source>
        <translation>brócoli</translation>
    </message>
    <message>
        <source>avocado</source>
        <translation>aguacate</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>dónut</translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation>magdalena</translation>
    </message>
    <message>
        <source>cookie</source>
        <translation>galleta</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>tarta de cumpleaños</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>hamburguesa</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>cruasán</translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation>girasol</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulipán</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>seta</translation>
    </message>
    <message>
        <source>cactus</source>
        <translation>cactus</translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation>flor de cerezo</translation>
    </message>
    <message>
        <source>panda</source>
        <translation>panda</translation>
    </message>
    <message>
        <source>koala</source>
        <translation>koala</translation>
    </message>
    <message>
        <source>ladybird</source>
        <translation>mariquita</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>mariposa</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingüino</translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation>pez tropical</translation>
    </message>
    <message>
        <source>soccer ball</source>
        <translation>balón de fútbol</translation>
    </message>
    <message>
        <source>basketball</source>
        <translation>balón de baloncesto</translation>
    </message>
    <message>
        <source>balloon</source>
        <translation>globo</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>osito de peluche</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>regalo</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>arcoíris</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>cometa</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>trofeo</translation>
    </message>
</context>
</TS>
