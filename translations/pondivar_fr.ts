<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <location filename="../src/app/shown_texts.cpp" line="+57"/>
        <source>Copyright (c) 2026 the Pondivar developers</source>
        <translation>Copyright (c) 2026 les développeurs de Pondivar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hi.. Just click on any button.  A happy face means that you chose the correct one.. bye</source>
        <translation>Salut ! Clique sur un bouton. Un visage content veut dire que tu as trouvé la bonne réponse. À bientôt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send comments to:</source>
        <translation>Écris-nous :</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <location line="-43"/>
        <location filename="../src/colour/colour.cpp" line="+38"/>
        <source>%d red</source>
        <translation>%d rouge</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/colour/colour.cpp" line="+1"/>
        <source>%d green</source>
        <translation>%d vert</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/colour/colour.cpp" line="+1"/>
        <source>%d blue</source>
        <translation>%d bleu</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <location filename="../src/app/command_line.h" line="+26"/>
        <source>--player needs a name</source>
        <translation>--player attend un nom</translation>
    </message>
    <message>
        <location filename="../src/app/command_line.cpp" line="+68"/>
        <source>--data-folder needs a folder</source>
        <translation>--data-folder attend un dossier</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>unknown argument: %1</source>
        <translation>argument inconnu : %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot use that player name: %1</source>
        <translation>ce nom de joueur ne convient pas : %1</translation>
    </message>
    <message>
        <location filename="../src/app/console.cpp" line="+26"/>
        <source>there is no player called %1</source>
        <translation>aucun joueur ne s&apos;appelle %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the report could not be written whole</source>
        <translation>le rapport n&apos;a pas pu être écrit en entier</translation>
    </message>
    <message>
        <location filename="../src/app/who_plays.cpp" line="+20"/>
        <source>%1; playing without players</source>
        <translation>%1 ; partie sans joueurs</translation>
    </message>
    <message>
        <location filename="../src/app/launcher_texts.cpp" line="+17"/>
        <source>usage: pondivar [--player NAME] [--report] | --help | --version</source>
        <translation>utilisation : pondivar [--player NOM] [--report] | --help | --version</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings, high scores and each player&apos;s answers are kept in $XDG_DATA_HOME/pondivar
(~/.local/share/pondivar when XDG_DATA_HOME is unset), one folder per player.</source>
        <translation>Les réglages, les meilleurs scores et les réponses de chaque joueur sont gardés dans $XDG_DATA_HOME/pondivar
(~/.local/share/pondivar si XDG_DATA_HOME n&apos;est pas défini), un dossier par joueur.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot find the home folder to keep settings and scores in (HOME is not set)</source>
        <translation>impossible de trouver le dossier personnel où garder réglages et scores (HOME n&apos;est pas défini)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot make the data folder %1</source>
        <translation>impossible de créer le dossier de données %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot write to the data folder %1</source>
        <translation>impossible d&apos;écrire dans le dossier de données %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot enter the data folder %1</source>
        <translation>impossible d&apos;entrer dans le dossier de données %1</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <location filename="../build/packaging/packaging_texts.cpp" line="+4"/>
        <source>Arithmetic drill</source>
        <extracomment>The desktop entry&apos;s GenericName: what kind of program this is, shown beside or instead of its name in menus.</extracomment>
        <translation>Entraînement au calcul</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Practise addition, subtraction, multiplication and division tables</source>
        <extracomment>The desktop entry&apos;s Comment: the menu&apos;s tooltip for the game.</extracomment>
        <translation>S&apos;entraîner aux additions, soustractions, multiplications et divisions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>times tables;arithmetic;multiplication;division;maths;addition;subtraction;</source>
        <extracomment>The desktop entry&apos;s Keywords: the words a menu search finds the game by. Translate the whole list as one text: words for your language, not necessarily as many, each ending in &apos;;&apos;, the last one too.</extracomment>
        <translation>tables de multiplication;calcul;multiplication;division;maths;addition;soustraction;</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message numerus="yes">
        <location filename="../src/drill/question.cpp" line="+89"/>
        <source>%n questions</source>
        <translation>
            <numerusform>%n question</numerusform>
            <numerusform>%n questions</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/animation/tick.cpp" line="+147"/>
        <source>level %d</source>
        <translation>niveau %d</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>score %d</source>
        <translation>score %d</translation>
    </message>
    <message>
        <location filename="../src/drill/judge.cpp" line="+33"/>
        <source>Right!</source>
        <translation>Juste !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not quite, try again</source>
        <translation>Pas tout à fait, essaie encore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Still not that one</source>
        <translation>Toujours pas celle-là</translation>
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
        <translation>utilisation : pondivar [--player NOM] [--report] | --help | --version

  --player NOM   jouer en tant que NOM (créé s&apos;il est nouveau) ; sans cette
                 option, en tant que joueur de la dernière partie. NOM a de 1 à
                 24 lettres, chiffres, espaces, &apos;-&apos;, &apos;_&apos; ou &apos;.&apos; ; il ne commence
                 pas par &apos;.&apos;, un espace ou &apos;-&apos;, et ne finit pas par un espace.
  --report       afficher en CSV les réponses de chaque joueur par calcul, les
                 plus souvent ratés d&apos;abord, sans ouvrir de fenêtre ; avec
                 --player, celles de ce joueur seulement
  --help         afficher ce texte
  --version      afficher la version
</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <location filename="../src/game/tools.h" line="+36"/>
        <source>about Pondivar</source>
        <translation>à propos de Pondivar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>sound on</source>
        <translation>mettre le son</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sound off</source>
        <translation>couper le son</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>music on</source>
        <translation>mettre la musique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>music off</source>
        <translation>couper la musique</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>refresh question</source>
        <translation>autre question</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>color</source>
        <translation>couleur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>high scores</source>
        <translation>meilleurs scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>exit Pondivar</source>
        <translation>quitter Pondivar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>memory game</source>
        <translation>jeu des paires</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/qt/language/translators.cpp" line="+59"/>
        <source>English</source>
        <extracomment>The language of this catalogue, named in its own words for the Language menu (&quot;Deutsch&quot;, &quot;Français&quot;).</extracomment>
        <translation>Français</translation>
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
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Add</source>
        <translation>&amp;Addition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Subtract</source>
        <translation>&amp;Soustraction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplication</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Divide</source>
        <translation>&amp;Division</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory &amp;Game</source>
        <translation>Jeu des &amp;paires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View Scores</source>
        <translation>&amp;Voir les scores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Effets sonores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Background Music</source>
        <translation>&amp;Musique de fond</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save &amp;Window Position</source>
        <translation>Retenir la &amp;position de la fenêtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;High Color Pictures</source>
        <translation>Images très &amp;colorées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Random Colors</source>
        <translation>Couleurs au &amp;hasard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Include Tables 11 to 17</source>
        <translation>&amp;Tables de 11 à 17</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../src/app/players_menu.cpp" line="+103"/>
        <source>&amp;Practice Missed Facts</source>
        <translation>&amp;Revoir les erreurs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;rogress...</source>
        <translation>P&amp;rogrès...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New &amp;Player...</source>
        <translation>&amp;Nouveau joueur...</translation>
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
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Desktop Language</source>
        <translation>Langue du &amp;bureau</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="../build/packaging/packaging_texts.cpp" line="+2"/>
        <source>Practise arithmetic tables with a frog and a memory game</source>
        <extracomment>The software centre&apos;s one-line summary, under the game&apos;s name.</extracomment>
        <translation>S&apos;entraîner au calcul avec une grenouille et un jeu des paires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Pondivar developers</source>
        <extracomment>Who makes the game, as the software centre names them.</extracomment>
        <translation>Les développeurs de Pondivar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pondivar drills a child in the tables of addition, subtraction, multiplication and division, one question at a time.</source>
        <extracomment>A paragraph of the software centre&apos;s description of the game.</extracomment>
        <translation>Pondivar fait réviser à un enfant les tables d&apos;addition, de soustraction, de multiplication et de division, une question à la fois.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The child picks the right answer out of four buttons. A grinning face and a cheerful sound answer a right click, a sad face blanks a wrong button, and each level finished without a mistake makes the table one row and one column larger, from 2 up to 10, or to 17 for the keen.</source>
        <extracomment>A paragraph of the software centre&apos;s description of the game.</extracomment>
        <translation>L&apos;enfant choisit la bonne réponse parmi quatre boutons. Un visage rayonnant et un son joyeux saluent un bon clic, un visage triste efface un mauvais bouton, et chaque niveau réussi sans faute agrandit la table d&apos;une ligne et d&apos;une colonne, de 2 jusqu&apos;à 10, ou jusqu&apos;à 17 pour les plus motivés.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each child plays as a player of their own, with their own settings, high scores and record of answers. For a parent or teacher, Progress... in the Drill menu shows each operation&apos;s table as a grid of facts, coloured from never asked through often missed to known, with the ten facts most often missed and a chart of the last two weeks. The same figures can be saved as a CSV file for a spreadsheet, or printed with pondivar --report.</source>
        <extracomment>A paragraph of the software centre&apos;s description of the game.</extracomment>
        <translation>Chaque enfant joue sous son propre nom, avec ses propres réglages, ses meilleurs scores et l&apos;historique de ses réponses. Pour les parents et les enseignants, Progrès... dans le menu Calcul montre la table de chaque opération sous forme de grille colorée, de jamais posé à acquis en passant par souvent raté, avec les dix calculs les plus souvent ratés et un graphique des deux dernières semaines. Les mêmes chiffres peuvent être enregistrés dans un fichier CSV pour un tableur, ou affichés avec pondivar --report.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the operation: addition, subtraction, multiplication or division</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Choisir l&apos;opération : addition, soustraction, multiplication ou division</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionally practise missed facts: about one question in three then comes from the facts the child keeps missing</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Revoir les erreurs, si on le souhaite : environ une question sur trois porte alors sur les calculs que l&apos;enfant rate souvent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Win a memory game on thirty picture cards as a reward</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Gagner un jeu des paires avec trente cartes illustrées en récompense</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep a high-score list, with background music and changing colours</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Un tableau des meilleurs scores, de la musique de fond et des couleurs qui changent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play with the mouse or the keyboard: the keys 1 to 4 answer, the arrows and Enter play the memory game</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Jouer à la souris ou au clavier : les touches 1 à 4 répondent, les flèches et Entrée servent au jeu des paires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play with a screen reader: every control has a name, and the questions, answers and turned cards are read aloud</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Jouer avec un lecteur d&apos;écran : chaque commande a un nom, et les questions, les réponses et les cartes retournées sont lues à voix haute</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the window at one to four times its size</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Afficher la fenêtre à une, deux, trois ou quatre fois sa taille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play in German, French, Spanish or English: the desktop&apos;s language, or the one chosen in the game</source>
        <extracomment>An item of the software centre&apos;s list of what the game offers.</extracomment>
        <translation>Jouer en allemand, en français, en espagnol ou en anglais : dans la langue du bureau ou dans celle choisie dans le jeu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A multiplication question with its four answer buttons</source>
        <extracomment>The caption of a screenshot in the software centre.</extracomment>
        <translation>Une multiplication avec ses quatre boutons de réponse</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <location filename="../src/assets/picture_names.cpp" line="+15"/>
        <source>ant</source>
        <translation>fourmi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baby chick</source>
        <translation>poussin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bear</source>
        <translation>ours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beaver</source>
        <translation>castor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beetle</source>
        <translation>scarabée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bird</source>
        <translation>oiseau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blowfish</source>
        <translation>poisson-globe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bug</source>
        <translation>chenille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camel</source>
        <translation>chameau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cat face</source>
        <translation>tête de chat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chipmunk</source>
        <translation>écureuil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cow face</source>
        <translation>tête de vache</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crocodile</source>
        <translation>crocodile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deer</source>
        <translation>cerf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dog face</source>
        <translation>tête de chien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dolphin</source>
        <translation>dauphin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>donkey</source>
        <translation>âne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dove</source>
        <translation>colombe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dragon</source>
        <translation>dragon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>duck</source>
        <translation>canard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eagle</source>
        <translation>aigle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>elephant</source>
        <translation>éléphant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sheep</source>
        <translation>mouton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fish</source>
        <translation>poisson</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flamingo</source>
        <translation>flamant rose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fox</source>
        <translation>renard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>frog</source>
        <translation>grenouille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>goat</source>
        <translation>chèvre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gorilla</source>
        <translation>gorille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamster</source>
        <translation>hamster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hatching chick</source>
        <translation>poussin qui sort de l&apos;œuf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hedgehog</source>
        <translation>hérisson</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hippopotamus</source>
        <translation>hippopotame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>honeybee</source>
        <translation>abeille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>horse</source>
        <translation>cheval</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>jellyfish</source>
        <translation>méduse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kangaroo</source>
        <translation>kangourou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lion</source>
        <translation>lion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>llama</source>
        <translation>lama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>monkey</source>
        <translation>singe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moose</source>
        <translation>élan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mouse face</source>
        <translation>tête de souris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nest with eggs</source>
        <translation>nid avec des œufs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>octopus</source>
        <translation>pieuvre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>otter</source>
        <translation>loutre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>owl</source>
        <translation>hibou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ox</source>
        <translation>bœuf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>parrot</source>
        <translation>perroquet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>polar bear</source>
        <translation>ours polaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>peacock</source>
        <translation>paon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pig face</source>
        <translation>tête de cochon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rabbit face</source>
        <translation>tête de lapin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>raccoon</source>
        <translation>raton laveur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rhinoceros</source>
        <translation>rhinocéros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rooster</source>
        <translation>coq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>long-necked dinosaur</source>
        <translation>dinosaure à long cou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>seal</source>
        <translation>phoque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shark</source>
        <translation>requin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skunk</source>
        <translation>moufette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sloth</source>
        <translation>paresseux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snail</source>
        <translation>escargot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snake</source>
        <translation>serpent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spouting whale</source>
        <translation>baleine qui souffle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>swan</source>
        <translation>cygne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T. rex</source>
        <translation>tyrannosaure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tiger face</source>
        <translation>tête de tigre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turkey</source>
        <translation>dinde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turtle</source>
        <translation>tortue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unicorn</source>
        <translation>licorne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>worm</source>
        <translation>ver de terre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>zebra</source>
        <translation>zèbre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crab</source>
        <translation>crabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blossom</source>
        <translation>fleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bouquet</source>
        <translation>bouquet de fleurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deciduous tree</source>
        <translation>arbre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>evergreen tree</source>
        <translation>sapin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>feather</source>
        <translation>plume</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>four leaf clover</source>
        <translation>trèfle à quatre feuilles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibiscus</source>
        <translation>hibiscus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>maple leaf</source>
        <translation>feuille d&apos;érable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>palm tree</source>
        <translation>palmier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>potted plant</source>
        <translation>plante en pot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>seedling</source>
        <translation>pousse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baby bottle</source>
        <translation>biberon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bell pepper</source>
        <translation>poivron</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>juice box</source>
        <translation>brique de jus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bread</source>
        <translation>pain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>candy</source>
        <translation>bonbon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cheese wedge</source>
        <translation>morceau de fromage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chocolate bar</source>
        <translation>tablette de chocolat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cucumber</source>
        <translation>concombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ear of corn</source>
        <translation>épi de maïs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>egg</source>
        <translation>œuf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>eggplant</source>
        <translation>aubergine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>french fries</source>
        <translation>frites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>glass of milk</source>
        <translation>verre de lait</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green salad</source>
        <translation>salade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>honey pot</source>
        <translation>pot de miel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hot drink</source>
        <translation>boisson chaude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hot dog</source>
        <translation>hot-dog</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hot pepper</source>
        <translation>piment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lollipop</source>
        <translation>sucette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>onion</source>
        <translation>oignon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pancakes</source>
        <translation>pancakes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pea pod</source>
        <translation>cosse de petits pois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>popcorn</source>
        <translation>pop-corn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pretzel</source>
        <translation>bretzel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sandwich</source>
        <translation>sandwich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shaved ice</source>
        <translation>granité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shortcake</source>
        <translation>gâteau aux fraises</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>soft ice cream</source>
        <translation>glace à l&apos;italienne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spaghetti</source>
        <translation>spaghettis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taco</source>
        <translation>taco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>teapot</source>
        <translation>théière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>waffle</source>
        <translation>gaufre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>american football</source>
        <translation>ballon de football américain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>artist palette</source>
        <translation>palette de peinture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>badminton</source>
        <translation>badminton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baseball</source>
        <translation>balle de baseball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bowling</source>
        <translation>bowling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flying disc</source>
        <translation>frisbee</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ice hockey</source>
        <translation>hockey sur glace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ice skate</source>
        <translation>patin à glace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magic wand</source>
        <translation>baguette magique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nesting dolls</source>
        <translation>poupées russes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>party popper</source>
        <translation>canon à confettis</translation>
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
        <translation>pièce de puzzle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ribbon</source>
        <translation>ruban</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sled</source>
        <translation>luge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skis</source>
        <translation>skis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tennis</source>
        <translation>balle de tennis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>video game</source>
        <translation>jeu vidéo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>volleyball</source>
        <translation>ballon de volley</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yarn</source>
        <translation>pelote de laine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fireworks</source>
        <translation>feu d&apos;artifice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>airplane</source>
        <translation>avion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ambulance</source>
        <translation>ambulance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>anchor</source>
        <translation>ancre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>automobile</source>
        <translation>voiture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bicycle</source>
        <translation>vélo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bullet train</source>
        <translation>train rapide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bus</source>
        <translation>bus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>carousel horse</source>
        <translation>cheval de manège</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>castle</source>
        <translation>château</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circus tent</source>
        <translation>chapiteau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cloud</source>
        <translation>nuage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cloud with rain</source>
        <translation>nuage de pluie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crescent moon</source>
        <translation>croissant de lune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delivery truck</source>
        <translation>camion de livraison</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>desert island</source>
        <translation>île déserte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>droplet</source>
        <translation>goutte d&apos;eau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ferris wheel</source>
        <translation>grande roue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>fire engine</source>
        <translation>camion de pompiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flying saucer</source>
        <translation>soucoupe volante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>full moon face</source>
        <translation>pleine lune avec un visage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>globe</source>
        <translation>globe terrestre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>helicopter</source>
        <translation>hélicoptère</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>house</source>
        <translation>maison</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hut</source>
        <translation>cabane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kick scooter</source>
        <translation>trottinette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locomotive</source>
        <translation>locomotive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>luggage</source>
        <translation>valise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>motor boat</source>
        <translation>bateau à moteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>canoe</source>
        <translation>canoë</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>motor scooter</source>
        <translation>scooter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>motorcycle</source>
        <translation>moto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snow capped mountain</source>
        <translation>montagne enneigée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>parachute</source>
        <translation>parachute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ship</source>
        <translation>paquebot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>playground slide</source>
        <translation>toboggan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>life ring</source>
        <translation>bouée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>police car</source>
        <translation>voiture de police</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>racing car</source>
        <translation>voiture de course</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ringed planet</source>
        <translation>planète à anneaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rocket</source>
        <translation>fusée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>roller coaster</source>
        <translation>montagnes russes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>roller skate</source>
        <translation>patin à roulettes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sailboat</source>
        <translation>voilier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>school</source>
        <translation>école</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skateboard</source>
        <translation>skateboard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snowflake</source>
        <translation>flocon de neige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snowman</source>
        <translation>bonhomme de neige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun</source>
        <translation>soleil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sun behind cloud</source>
        <translation>soleil derrière un nuage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taxi</source>
        <translation>taxi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tent</source>
        <translation>tente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tractor</source>
        <translation>tracteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>umbrella in the rain</source>
        <translation>parapluie sous la pluie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>beach umbrella</source>
        <translation>parasol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>volcano</source>
        <translation>volcan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>water wave</source>
        <translation>vague</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>abacus</source>
        <translation>boulier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>accordion</source>
        <translation>accordéon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backpack</source>
        <translation>sac à dos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ballet shoes</source>
        <translation>chaussons de danse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>basket</source>
        <translation>panier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bed</source>
        <translation>lit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bell</source>
        <translation>cloche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cap</source>
        <translation>casquette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>books</source>
        <translation>livres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>boomerang</source>
        <translation>boomerang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>broom</source>
        <translation>balai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bubbles</source>
        <translation>bulles de savon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bucket</source>
        <translation>seau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>camera</source>
        <translation>appareil photo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>candle</source>
        <translation>bougie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chair</source>
        <translation>chaise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crayon</source>
        <translation>crayon de cire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>crown</source>
        <translation>couronne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>door</source>
        <translation>porte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dress</source>
        <translation>robe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drum</source>
        <translation>tambour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flashlight</source>
        <translation>lampe de poche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flute</source>
        <translation>flûte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gem stone</source>
        <translation>pierre précieuse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>glasses</source>
        <translation>lunettes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gloves</source>
        <translation>gants</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>goggles</source>
        <translation>lunettes de protection</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>graduation cap</source>
        <translation>chapeau de diplômé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>guitar</source>
        <translation>guitare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hammer</source>
        <translation>marteau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>headphones</source>
        <translation>casque audio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hiking boot</source>
        <translation>chaussure de randonnée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>key</source>
        <translation>clé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ladder</source>
        <translation>échelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>laptop</source>
        <translation>ordinateur portable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light bulb</source>
        <translation>ampoule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magnet</source>
        <translation>aimant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magnifying glass</source>
        <translation>loupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>maracas</source>
        <translation>maracas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>microphone</source>
        <translation>micro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>microscope</source>
        <translation>microscope</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mobile phone</source>
        <translation>téléphone portable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>musical keyboard</source>
        <translation>clavier de piano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>open book</source>
        <translation>livre ouvert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>package</source>
        <translation>colis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>paintbrush</source>
        <translation>pinceau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pencil</source>
        <translation>crayon à papier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>postbox</source>
        <translation>boîte aux lettres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>purse</source>
        <translation>porte-monnaie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ring</source>
        <translation>bague</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running shoe</source>
        <translation>chaussure de sport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>saxophone</source>
        <translation>saxophone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>scarf</source>
        <translation>écharpe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>scissors</source>
        <translation>ciseaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shopping cart</source>
        <translation>chariot de courses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shorts</source>
        <translation>short</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>socks</source>
        <translation>chaussettes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>straight ruler</source>
        <translation>règle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sunglasses</source>
        <translation>lunettes de soleil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>t shirt</source>
        <translation>tee-shirt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>telephone</source>
        <translation>téléphone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>telescope</source>
        <translation>télescope</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>television</source>
        <translation>télévision</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>toolbox</source>
        <translation>boîte à outils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>toothbrush</source>
        <translation>brosse à dents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>top hat</source>
        <translation>chapeau haut-de-forme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trumpet</source>
        <translation>trompette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>violin</source>
        <translation>violon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>woman&apos;s hat</source>
        <translation>chapeau de dame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>baby</source>
        <translation>bébé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>boy</source>
        <translation>garçon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>girl</source>
        <translation>fille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>old woman</source>
        <translation>vieille dame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>artist</source>
        <translation>artiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>astronaut</source>
        <translation>astronaute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cook</source>
        <translation>cuisinier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>farmer</source>
        <translation>fermier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>firefighter</source>
        <translation>pompier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person biking</source>
        <translation>cycliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person juggling</source>
        <translation>jongleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wizard</source>
        <translation>magicien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>merperson</source>
        <translation>sirène</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person rowing a boat</source>
        <translation>personne qui rame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person surfing</source>
        <translation>surfeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person swimming</source>
        <translation>nageur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pilot</source>
        <translation>pilote</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>police officer</source>
        <translation>policier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>prince</source>
        <translation>prince</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>princess</source>
        <translation>princesse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>scientist</source>
        <translation>scientifique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skier</source>
        <translation>skieur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>snowboarder</source>
        <translation>snowboardeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>student</source>
        <translation>élève</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>teacher</source>
        <translation>professeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>person in bed</source>
        <translation>personne au lit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>superhero</source>
        <translation>super-héros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>woman dancing</source>
        <translation>danseuse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>waving hand</source>
        <translation>main qui salue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>construction worker</source>
        <translation>ouvrier du bâtiment</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>clapping hands</source>
        <translation>mains qui applaudissent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tooth</source>
        <translation>dent</translation>
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
        <translation>visage de fête</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cowboy face</source>
        <translation>visage de cow-boy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red apple</source>
        <translation>pomme rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>strawberry</source>
        <translation>fraise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cherries</source>
        <translation>cerises</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>banana</source>
        <translation>banane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grapes</source>
        <translation>raisin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>peach</source>
        <translation>pêche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pear</source>
        <translation>poire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>watermelon</source>
        <translation>pastèque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pineapple</source>
        <translation>ananas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lemon</source>
        <translation>citron</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tangerine</source>
        <translation>mandarine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kiwi fruit</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>coconut</source>
        <translation>noix de coco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>carrot</source>
        <translation>carotte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>broccoli</source>
        <translation>brocoli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>avocado</source>
        <translation>avocat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>doughnut</source>
        <translation>beignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cupcake</source>
        <translation>cupcake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cookie</source>
        <translation>biscuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>birthday cake</source>
        <translation>gâteau d&apos;anniversaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamburger</source>
        <translation>hamburger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>croissant</source>
        <translation>croissant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sunflower</source>
        <translation>tournesol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rose</source>
        <translation>rose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tulip</source>
        <translation>tulipe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mushroom</source>
        <translation>champignon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cactus</source>
        <translation>cactus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cherry blossom</source>
        <translation>fleur de cerisier</translation>
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
        <translation>coccinelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>butterfly</source>
        <translation>papillon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>penguin</source>
        <translation>pingouin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tropical fish</source>
        <translation>poisson tropical</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>soccer ball</source>
        <translation>ballon de foot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>basketball</source>
        <translation>ballon de basket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>balloon</source>
        <translation>ballon de baudruche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>teddy bear</source>
        <translation>ours en peluche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrapped gift</source>
        <translation>cadeau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rainbow</source>
        <translation>arc-en-ciel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kite</source>
        <translation>cerf-volant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trophy</source>
        <translation>trophée</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <location filename="../src/app/players_menu.cpp" line="-28"/>
        <source>New player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The new player&apos;s name:</source>
        <translation>Nom du nouveau joueur :</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <location filename="../src/players/player_name.cpp" line="+75"/>
        <source>A name cannot start with a dot, a space or &apos;-&apos;.</source>
        <translation>Un nom ne peut pas commencer par un point, un espace ou &apos;-&apos;.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A name cannot end with a space.</source>
        <translation>Un nom ne peut pas finir par un espace.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A name cannot hold characters that show nothing.</source>
        <translation>Un nom ne peut pas contenir de caractères invisibles.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>An accent or other mark must follow a letter.</source>
        <translation>Un accent ou un autre signe doit suivre une lettre.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A name may hold only letters, digits, spaces, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;.</source>
        <translation>Un nom ne peut contenir que des lettres, des chiffres, des espaces, &apos;-&apos;, &apos;_&apos; et &apos;.&apos;.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A name must be written in UTF-8 text.</source>
        <translation>Un nom doit être écrit en texte UTF-8.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A name needs at least one character.</source>
        <translation>Un nom doit avoir au moins un caractère.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A name has at most 24 characters.</source>
        <translation>Un nom a au plus 24 caractères.</translation>
    </message>
    <message>
        <location filename="../src/players/players.cpp" line="+35"/>
        <source>cannot make the player&apos;s folder %1: %2</source>
        <translation>impossible de créer le dossier du joueur %1 : %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is a link, not a player&apos;s folder</source>
        <translation>%1 est un lien, pas un dossier de joueur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot make the player&apos;s folder %1: a file has its name</source>
        <translation>impossible de créer le dossier du joueur %1 : un fichier porte ce nom</translation>
    </message>
    <message>
        <location filename="../src/players/players.h" line="+22"/>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../src/qt/progress/progress_window.cpp" line="+41"/>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every fact this player was asked, for a spreadsheet</source>
        <translation>Tous les calculs posés à ce joueur, pour un tableur</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Most often missed</source>
        <translation>Les plus souvent ratés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed</source>
        <translation>Ratés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last asked</source>
        <translation>Dernière fois</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Progress - Pondivar</source>
        <translation>Progrès - Pondivar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Progress of %1 - Pondivar</source>
        <translation>Progrès : %1 - Pondivar</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No questions answered yet.</source>
        <translation>Pas encore de réponse.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n questions answered, %1% right the first time. %2 of the %3 facts known.</source>
        <translation>
            <numerusform>%Ln réponse, %1 % justes du premier coup. %2 calculs acquis sur %3.</numerusform>
            <numerusform>%Ln réponses, %1 % justes du premier coup. %2 calculs acquis sur %3.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing missed yet</source>
        <translation>Rien de raté pour l&apos;instant</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>progress.csv</source>
        <translation>progres.csv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1-progress.csv</source>
        <translation>%1-progres.csv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save progress as CSV</source>
        <translation>Enregistrer les progrès en CSV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The progress could not be saved as %1.</source>
        <translation>Impossible d&apos;enregistrer les progrès dans %1.</translation>
    </message>
    <message>
        <location filename="../src/qt/progress/progress_grid.cpp" line="+77"/>
        <location filename="../src/qt/progress/progress_legend.cpp" line="+24"/>
        <source>Never asked</source>
        <translation>Jamais posé</translation>
    </message>
    <message>
        <location filename="../src/qt/progress/progress_legend.cpp" line="+2"/>
        <source>Often missed</source>
        <translation>Souvent raté</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sometimes missed</source>
        <translation>Parfois raté</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Learning</source>
        <translation>En cours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Known</source>
        <translation>Acquis</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>not asked yet</source>
        <translation>pas encore posé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>missed more than one time in three</source>
        <translation>raté plus d&apos;une fois sur trois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>missed now and then</source>
        <translation>raté de temps en temps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right so far, on one or two days</source>
        <translation>juste jusqu&apos;ici, sur un ou deux jours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right first time on three days</source>
        <translation>juste du premier coup sur trois jours</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/qt/progress/progress_grid.cpp" line="+3"/>
        <source>Asked: %n times</source>
        <translation>
            <numerusform>Posé : %n fois</numerusform>
            <numerusform>Posé : %n fois</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right the first time: %1</source>
        <translation>Juste du premier coup : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong clicks: %1</source>
        <translation>Clics faux : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Median time to first click: %1 s</source>
        <translation>Temps médian avant le premier clic : %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Last asked: %1</source>
        <translation>Dernière fois : %1</translation>
    </message>
    <message>
        <location filename="../src/qt/progress/progress_chart.cpp" line="+91"/>
        <source>No questions answered</source>
        <translation>Aucune réponse</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n answered</source>
        <translation>
            <numerusform>%n réponse</numerusform>
            <numerusform>%n réponses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n right the first time (%1%)</source>
        <translation>
            <numerusform>%n juste du premier coup (%1 %)</numerusform>
            <numerusform>%n justes du premier coup (%1 %)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>No questions answered in these two weeks</source>
        <translation>Aucune réponse ces deux dernières semaines</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Questions answered each day, the last two weeks</source>
        <translation>Réponses par jour, ces deux dernières semaines</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Right the first time</source>
        <translation>Juste du premier coup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed at first</source>
        <translation>Raté d&apos;abord</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1%</source>
        <extracomment>A day&apos;s share right the first time, above its bar (&quot;87%&quot;).</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <location line="-116"/>
        <source>dddd d MMMM yyyy</source>
        <translation>dddd d MMMM yyyy</translation>
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
        <translation>fois</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <location filename="../src/qt/screen_reader/spoken.cpp" line="+25"/>
        <source>disappointed face</source>
        <translation>visage déçu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>smiling face</source>
        <translation>visage souriant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>grinning face</source>
        <translation>visage rayonnant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sad face</source>
        <translation>visage triste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waiting face</source>
        <translation>visage qui attend</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>row %1, card %2</source>
        <translation>ligne %1, carte %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <location filename="../src/qt/screen_reader/accessible_controls.cpp" line="+47"/>
        <source>About picture</source>
        <translation>Image d&apos;info</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>closes the about panel</source>
        <translation>ferme la page d&apos;info</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>tried already</source>
        <translation>déjà essayé</translation>
    </message>
    <message numerus="yes">
        <location line="-10"/>
        <source>%n moves</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message>
        <location line="+94"/>
        <source>leaves the memory game</source>
        <translation>retour au calcul</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location filename="../src/game/tools.h" line="+19"/>
        <source>Left face</source>
        <translation>Visage de gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right face</source>
        <translation>Visage de droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound on or off</source>
        <translation>Son oui ou non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Music on or off</source>
        <translation>Musique oui ou non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New question</source>
        <translation>Nouvelle question</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory game</source>
        <translation>Jeu des paires</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <location filename="../src/app/shown_texts.cpp" line="+51"/>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>YOUR NAME</source>
        <translation>TON NOM</translation>
    </message>
    <message>
        <location filename="../src/screens/high_scores.cpp" line="+79"/>
        <source>%1 IS YOUR SCORE</source>
        <translation>TON SCORE : %1</translation>
    </message>
    <message>
        <location filename="../src/qt/screen_reader/accessible.cpp" line="+149"/>
        <source>high scores</source>
        <translation>meilleurs scores</translation>
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
