<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Drill</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Addition</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Soustraction</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplication</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Division</translation>
    </message>
    <message>
        <source>Memory &amp;Game</source>
        <translation>Jeu des &amp;paires</translation>
    </message>
    <message>
        <source>&amp;View Scores</source>
        <translation>&amp;Voir les scores</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Effets sonores</translation>
    </message>
    <message>
        <source>&amp;Background Music</source>
        <translation>&amp;Musique de fond</translation>
    </message>
    <message>
        <source>Save &amp;Window Position</source>
        <translation>Retenir la &amp;position de la fenêtre</translation>
    </message>
    <message>
        <source>&amp;High Color Pictures</source>
        <translation>Images très &amp;colorées</translation>
    </message>
    <message>
        <source>&amp;Random Colors</source>
        <translation>Couleurs au &amp;hasard</translation>
    </message>
    <message>
        <source>&amp;Include Tables 11 to 17</source>
        <translation>&amp;Tables de 11 à 17</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Practice Missed Facts</source>
        <translation>&amp;Revoir les erreurs</translation>
    </message>
    <message>
        <source>P&amp;rogress...</source>
        <translation>P&amp;rogrès...</translation>
    </message>
    <message>
        <source>New &amp;Player...</source>
        <translation>&amp;Nouveau joueur...</translation>
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
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>about Pondivar</source>
        <translation>à propos de Pondivar</translation>
    </message>
    <message>
        <source>sound on</source>
        <translation>mettre le son</translation>
    </message>
    <message>
        <source>sound off</source>
        <translation>couper le son</translation>
    </message>
    <message>
        <source>music on</source>
        <translation>mettre la musique</translation>
    </message>
    <message>
        <source>music off</source>
        <translation>couper la musique</translation>
    </message>
    <message>
        <source>refresh question</source>
        <translation>autre question</translation>
    </message>
    <message>
        <source>color</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>high scores</source>
        <translation>meilleurs scores</translation>
    </message>
    <message>
        <source>exit Pondivar</source>
        <translation>quitter Pondivar</translation>
    </message>
    <message>
        <source>memory game</source>
        <translation>jeu des paires</translation>
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
        <translation>niveau %d</translation>
    </message>
    <message>
        <source>score %d</source>
        <translation>score %d</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Juste !</translation>
    </message>
    <message>
        <source>Not quite, try again</source>
        <translation>Pas tout à fait, essaie encore</translation>
    </message>
    <message>
        <source>Still not that one</source>
        <translation>Toujours pas celle-là</translation>
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
        <translation>%d rouge</translation>
    </message>
    <message>
        <source>%d green</source>
        <translation>%d vert</translation>
    </message>
    <message>
        <source>%d blue</source>
        <translation>%d bleu</translation>
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
        <translation>SCORE</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>YOUR NAME</source>
        <translation>TON NOM</translation>
    </message>
    <message>
        <source>%1 IS YOUR SCORE</source>
        <translation>TON SCORE : %1</translation>
    </message>
    <message>
        <source>high scores</source>
        <translation>meilleurs scores</translation>
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
        <translation>Copyright (c) 2026 les développeurs de Pondivar</translation>
    </message>
    <message>
        <source>Hi.. Just click on any button.  A happy face means that you chose the correct one.. bye</source>
        <translation>Salut ! Clique sur un bouton. Un visage content veut dire que tu as trouvé la bonne réponse. À bientôt</translation>
    </message>
    <message>
        <source>Send comments to:</source>
        <translation>Écris-nous :</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>New player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>The new player&apos;s name:</source>
        <translation>Nom du nouveau joueur :</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>A name cannot start with a dot, a space or &apos;-&apos;.</source>
        <translation>Un nom ne peut pas commencer par un point, un espace ou &apos;-&apos;.</translation>
    </message>
    <message>
        <source>A name cannot end with a space.</source>
        <translation>Un nom ne peut pas finir par un espace.</translation>
    </message>
    <message>
        <source>A name cannot hold characters that show nothing.</source>
        <translation>Un nom ne peut pas contenir de caractères invisibles.</translation>
    </message>
    <message>
        <source>An accent or other mark must follow a letter.</source>
        <translation>Un accent ou un autre signe doit suivre une lettre.</translation>
    </message>
    <message>
        <source>A name may hold only letters, digits, spaces, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;.</source>
        <translation>Un nom ne peut contenir que des lettres, des chiffres, des espaces, &apos;-&apos;, &apos;_&apos; et &apos;.&apos;.</translation>
    </message>
    <message>
        <source>A name must be written in UTF-8 text.</source>
        <translation>Un nom doit être écrit en texte UTF-8.</translation>
    </message>
    <message>
        <source>A name needs at least one character.</source>
        <translation>Un nom doit avoir au moins un caractère.</translation>
    </message>
    <message>
        <source>A name has at most 24 characters.</source>
        <translation>Un nom a au plus 24 caractères.</translation>
    </message>
    <message>
        <source>cannot make the player&apos;s folder %1: %2</source>
        <translation>Impossible de créer le dossier du joueur %1 : %2</translation>
    </message>
    <message>
        <source>%1 is a link, not a player&apos;s folder</source>
        <translation>%1 est un lien, pas un dossier de joueur</translation>
    </message>
    <message>
        <source>cannot make the player&apos;s folder %1: a file has its name</source>
        <translation>Impossible de créer le dossier du joueur %1 : un fichier porte ce nom</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>disappointed face</source>
        <translation>visage déçu</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>visage souriant</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>visage rayonnant</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>visage triste</translation>
    </message>
    <message>
        <source>waiting face</source>
        <translation>visage qui attend</translation>
    </message>
    <message>
        <source>row %1, card %2</source>
        <translation>ligne %1, carte %2</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>About picture</source>
        <translation>Image d&apos;info</translation>
    </message>
    <message>
        <source>closes the about panel</source>
        <translation>ferme la page d&apos;info</translation>
    </message>
    <message>
        <source>tried already</source>
        <translation>déjà essayé</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>leaves the memory game</source>
        <translation>retour au calcul</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Left face</source>
        <translation>Visage de gauche</translation>
    </message>
    <message>
        <source>Right face</source>
        <translation>Visage de droite</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Son oui ou non</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Musique oui ou non</translation>
    </message>
    <message>
        <source>New question</source>
        <translation>Nouvelle question</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Memory game</source>
        <translation>Jeu des paires</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Every fact this player was asked, for a spreadsheet</source>
        <translation>Tous les calculs posés à ce joueur, pour un tableur</translation>
    </message>
    <message>
        <source>Most often missed</source>
        <translation>Les plus souvent ratés</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Ratés</translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation>Dernière fois</translation>
    </message>
    <message>
        <source>Progress - Pondivar</source>
        <translation>Progrès - Pondivar</translation>
    </message>
    <message>
        <source>Progress of %1 - Pondivar</source>
        <translation>Progrès : %1 - Pondivar</translation>
    </message>
    <message>
        <source>No questions answered yet.</source>
        <translation>Pas encore de réponse.</translation>
    </message>
    <message numerus="yes">
        <source>%n questions answered, %1% right the first time. %2 of the %3 facts known.</source>
        <translation>
            <numerusform>%n réponse, %1 % justes du premier coup. %2 calculs acquis sur %3.</numerusform>
            <numerusform>%n réponses, %1 % justes du premier coup. %2 calculs acquis sur %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Nothing missed yet</source>
        <translation>Rien de raté pour l&apos;instant</translation>
    </message>
    <message>
        <source>progress.csv</source>
        <translation>progres.csv</translation>
    </message>
    <message>
        <source>%1-progress.csv</source>
        <translation>%1-progres.csv</translation>
    </message>
    <message>
        <source>Save progress as CSV</source>
        <translation>Enregistrer les progrès en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The progress could not be saved as %1.</source>
        <translation>Impossible d&apos;enregistrer les progrès dans %1.</translation>
    </message>
    <message>
        <source>Never asked</source>
        <translation>Jamais posé</translation>
    </message>
    <message>
        <source>Often missed</source>
        <translation>Souvent raté</translation>
    </message>
    <message>
        <source>Sometimes missed</source>
        <translation>Parfois raté</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Acquis</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>pas encore posé</translation>
    </message>
    <message>
        <source>missed more than one time in three</source>
        <translation>raté plus d&apos;une fois sur trois</translation>
    </message>
    <message>
        <source>missed now and then</source>
        <translation>raté de temps en temps</translation>
    </message>
    <message>
        <source>right so far, on one or two days</source>
        <translation>juste jusqu&apos;ici, sur un ou deux jours</translation>
    </message>
    <message>
        <source>right first time on three days</source>
        <translation>juste du premier coup sur trois jours</translation>
    </message>
    <message numerus="yes">
        <source>Asked: %n times</source>
        <translation>
            <numerusform>Posé : %n fois</numerusform>
            <numerusform>Posé : %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>Right the first time: %1</source>
        <translation>Juste du premier coup : %1</translation>
    </message>
    <message>
        <source>Wrong clicks: %1</source>
        <translation>Clics faux : %1</translation>
    </message>
    <message>
        <source>Median time to first click: %1 s</source>
        <translation>Temps médian avant le premier clic : %1 s</translation>
    </message>
    <message>
        <source>Last asked: %1</source>
        <translation>Dernière fois : %1</translation>
    </message>
    <message>
        <source>No questions answered</source>
        <translation>Aucune réponse</translation>
    </message>
    <message numerus="yes">
        <source>%n answered</source>
        <translation>
            <numerusform>%n réponse</numerusform>
            <numerusform>%n réponses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n right the first time (%1%)</source>
        <translation>
            <numerusform>%n juste du premier coup (%1 %)</numerusform>
            <numerusform>%n justes du premier coup (%1 %)</numerusform>
        </translation>
    </message>
    <message>
        <source>No questions answered in these two weeks</source>
        <translation>Aucune réponse ces deux dernières semaines</translation>
    </message>
    <message>
        <source>Questions answered each day, the last two weeks</source>
        <translation>Réponses par jour, ces deux dernières semaines</translation>
    </message>
    <message>
        <source>Right the first time</source>
        <translation>Juste du premier coup</translation>
    </message>
    <message>
        <source>Missed at first</source>
        <translation>Raté d&apos;abord</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <translation>dddd d MMMM yyyy</translation>
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
    <name>Console</name>
    <message>
        <source>%1 needs a name</source>
        <translation>%1 attend un nom</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 attend un dossier</translation>
    </message>
    <message>
        <source>unknown argument: %1</source>
        <translation>argument inconnu : %1</translation>
    </message>
    <message>
        <source>cannot use that player name: %1</source>
        <translation>nom de joueur impossible : %1</translation>
    </message>
    <message>
        <source>there is no player called %1</source>
        <translation>il n&apos;y a pas de joueur nommé %1</translation>
    </message>
    <message>
        <source>the report could not be written whole</source>
        <translation>le rapport n&apos;a pas pu être écrit en entier</translation>
    </message>
    <message>
        <source>%1; playing without players</source>
        <translation>%1 ; partie sans joueurs</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>ant</source>
        <translation>fourmi</translation>
    </message>
    <message>
        <source>baby chick</source>
        <translation>poussin</translation>
    </message>
    <message>
        <source>bear</source>
        <translation>ours</translation>
    </message>
    <message>
        <source>beaver</source>
        <translation>castor</translation>
    </message>
    <message>
        <source>beetle</source>
        <translation>scarabée</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>oiseau</translation>
    </message>
    <message>
        <source>blowfish</source>
        <translation>poisson-globe</translation>
    </message>
    <message>
        <source>bug</source>
        <translation>chenille</translation>
    </message>
    <message>
        <source>camel</source>
        <translation>chameau</translation>
    </message>
    <message>
        <source>cat face</source>
        <translation>tête de chat</translation>
    </message>
    <message>
        <source>chipmunk</source>
        <translation>écureuil</translation>
    </message>
    <message>
        <source>cow face</source>
        <translation>tête de vache</translation>
    </message>
    <message>
        <source>crocodile</source>
        <translation>crocodile</translation>
    </message>
    <message>
        <source>deer</source>
        <translation>cerf</translation>
    </message>
    <message>
        <source>dog face</source>
        <translation>tête de chien</translation>
    </message>
    <message>
        <source>dolphin</source>
        <translation>dauphin</translation>
    </message>
    <message>
        <source>donkey</source>
        <translation>âne</translation>
    </message>
    <message>
        <source>dove</source>
        <translation>colombe</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>dragon</translation>
    </message>
    <message>
        <source>duck</source>
        <translation>canard</translation>
    </message>
    <message>
        <source>eagle</source>
        <translation>aigle</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>éléphant</translation>
    </message>
    <message>
        <source>sheep</source>
        <translation>mouton</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>poisson</translation>
    </message>
    <message>
        <source>flamingo</source>
        <translation>flamant rose</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>renard</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>grenouille</translation>
    </message>
    <message>
        <source>goat</source>
        <translation>chèvre</translation>
    </message>
    <message>
        <source>gorilla</source>
        <translation>gorille</translation>
    </message>
    <message>
        <source>hamster</source>
        <translation>hamster</translation>
    </message>
    <message>
        <source>hatching chick</source>
        <translation>poussin qui sort de l&apos;œuf</translation>
    </message>
    <message>
        <source>hedgehog</source>
        <translation>hérisson</translation>
    </message>
    <message>
        <source>hippopotamus</source>
        <translation>hippopotame</translation>
    </message>
    <message>
        <source>honeybee</source>
        <translation>abeille</translation>
    </message>
    <message>
        <source>horse</source>
        <translation>cheval</translation>
    </message>
    <message>
        <source>jellyfish</source>
        <translation>méduse</translation>
    </message>
    <message>
        <source>kangaroo</source>
        <translation>kangourou</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>lion</translation>
    </message>
    <message>
        <source>llama</source>
        <translation>lama</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>singe</translation>
    </message>
    <message>
        <source>moose</source>
        <translation>élan</translation>
    </message>
    <message>
        <source>mouse face</source>
        <translation>tête de souris</translation>
    </message>
    <message>
        <source>nest with eggs</source>
        <translation>nid avec des œufs</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>pieuvre</translation>
    </message>
    <message>
        <source>otter</source>
        <translation>loutre</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>hibou</translation>
    </message>
    <message>
        <source>ox</source>
        <translation>bœuf</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>perroquet</translation>
    </message>
    <message>
        <source>polar bear</source>
        <translation>ours polaire</translation>
    </message>
    <message>
        <source>peacock</source>
        <translation>paon</translation>
    </message>
    <message>
        <source>pig face</source>
        <translation>tête de cochon</translation>
    </message>
    <message>
        <source>rabbit face</source>
        <translation>tête de lapin</translation>
    </message>
    <message>
        <source>raccoon</source>
        <translation>raton laveur</translation>
    </message>
    <message>
        <source>rhinoceros</source>
        <translation>rhinocéros</translation>
    </message>
    <message>
        <source>rooster</source>
        <translation>coq</translation>
    </message>
    <message>
        <source>long-necked dinosaur</source>
        <translation>dinosaure à long cou</translation>
    </message>
    <message>
        <source>seal</source>
        <translation>phoque</translation>
    </message>
    <message>
        <source>shark</source>
        <translation>requin</translation>
    </message>
    <message>
        <source>skunk</source>
        <translation>moufette</translation>
    </message>
    <message>
        <source>sloth</source>
        <translation>paresseux</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>escargot</translation>
    </message>
    <message>
        <source>snake</source>
        <translation>serpent</translation>
    </message>
    <message>
        <source>spouting whale</source>
        <translation>baleine qui souffle</translation>
    </message>
    <message>
        <source>swan</source>
        <translation>cygne</translation>
    </message>
    <message>
        <source>T. rex</source>
        <translation>tyrannosaure</translation>
    </message>
    <message>
        <source>tiger face</source>
        <translation>tête de tigre</translation>
    </message>
    <message>
        <source>turkey</source>
        <translation>dinde</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tortue</translation>
    </message>
    <message>
        <source>unicorn</source>
        <translation>licorne</translation>
    </message>
    <message>
        <source>worm</source>
        <translation>ver de terre</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>zèbre</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>crabe</translation>
    </message>
    <message>
        <source>blossom</source>
        <translation>fleur</translation>
    </message>
    <message>
        <source>bouquet</source>
        <translation>bouquet de fleurs</translation>
    </message>
    <message>
        <source>deciduous tree</source>
        <translation>arbre</translation>
    </message>
    <message>
        <source>evergreen tree</source>
        <translation>sapin</translation>
    </message>
    <message>
        <source>feather</source>
        <translation>plume</translation>
    </message>
    <message>
        <source>four leaf clover</source>
        <translation>trèfle à quatre feuilles</translation>
    </message>
    <message>
        <source>hibiscus</source>
        <translation>hibiscus</translation>
    </message>
    <message>
        <source>maple leaf</source>
        <translation>feuille d&apos;érable</translation>
    </message>
    <message>
        <source>palm tree</source>
        <translation>palmier</translation>
    </message>
    <message>
        <source>potted plant</source>
        <translation>plante en pot</translation>
    </message>
    <message>
        <source>seedling</source>
        <translation>pousse</translation>
    </message>
    <message>
        <source>baby bottle</source>
        <translation>biberon</translation>
    </message>
    <message>
        <source>bell pepper</source>
        <translation>poivron</translation>
    </message>
    <message>
        <source>juice box</source>
        <translation>brique de jus</translation>
    </message>
    <message>
        <source>bread</source>
        <translation>pain</translation>
    </message>
    <message>
        <source>candy</source>
        <translation>bonbon</translation>
    </message>
    <message>
        <source>cheese wedge</source>
        <translation>morceau de fromage</translation>
    </message>
    <message>
        <source>chocolate bar</source>
        <translation>tablette de chocolat</translation>
    </message>
    <message>
        <source>cucumber</source>
        <translation>concombre</translation>
    </message>
    <message>
        <source>ear of corn</source>
        <translation>épi de maïs</translation>
    </message>
    <message>
        <source>egg</source>
        <translation>œuf</translation>
    </message>
    <message>
        <source>eggplant</source>
        <translation>aubergine</translation>
    </message>
    <message>
        <source>french fries</source>
        <translation>frites</translation>
    </message>
    <message>
        <source>glass of milk</source>
        <translation>verre de lait</translation>
    </message>
    <message>
        <source>green salad</source>
        <translation>salade</translation>
    </message>
    <message>
        <source>honey pot</source>
        <translation>pot de miel</translation>
    </message>
    <message>
        <source>hot drink</source>
        <translation>boisson chaude</translation>
    </message>
    <message>
        <source>hot dog</source>
        <translation>hot-dog</translation>
    </message>
    <message>
        <source>hot pepper</source>
        <translation>piment</translation>
    </message>
    <message>
        <source>lollipop</source>
        <translation>sucette</translation>
    </message>
    <message>
        <source>onion</source>
        <translation>oignon</translation>
    </message>
    <message>
        <source>pancakes</source>
        <translation>pancakes</translation>
    </message>
    <message>
        <source>pea pod</source>
        <translation>cosse de petits pois</translation>
    </message>
    <message>
        <source>popcorn</source>
        <translation>pop-corn</translation>
    </message>
    <message>
        <source>pretzel</source>
        <translation>bretzel</translation>
    </message>
    <message>
        <source>sandwich</source>
        <translation>sandwich</translation>
    </message>
    <message>
        <source>shaved ice</source>
        <translation>granité</translation>
    </message>
    <message>
        <source>shortcake</source>
        <translation>gâteau aux fraises</translation>
    </message>
    <message>
        <source>soft ice cream</source>
        <translation>glace à l&apos;italienne</translation>
    </message>
    <message>
        <source>spaghetti</source>
        <translation>spaghettis</translation>
    </message>
    <message>
        <source>taco</source>
        <translation>taco</translation>
    </message>
    <message>
        <source>teapot</source>
        <translation>théière</translation>
    </message>
    <message>
        <source>waffle</source>
        <translation>gaufre</translation>
    </message>
    <message>
        <source>american football</source>
        <translation>ballon de football américain</translation>
    </message>
    <message>
        <source>artist palette</source>
        <translation>palette de peinture</translation>
    </message>
    <message>
        <source>badminton</source>
        <translation>badminton</translation>
    </message>
    <message>
        <source>baseball</source>
        <translation>balle de baseball</translation>
    </message>
    <message>
        <source>bowling</source>
        <translation>bowling</translation>
    </message>
    <message>
        <source>flying disc</source>
        <translation>frisbee</translation>
    </message>
    <message>
        <source>ice hockey</source>
        <translation>hockey sur glace</translation>
    </message>
    <message>
        <source>ice skate</source>
        <translation>patin à glace</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>baguette magique</translation>
    </message>
    <message>
        <source>nesting dolls</source>
        <translation>poupées russes</translation>
    </message>
    <message>
        <source>party popper</source>
        <translation>canon à confettis</translation>
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
        <translation>pièce de puzzle</translation>
    </message>
    <message>
        <source>ribbon</source>
        <translation>ruban</translation>
    </message>
    <message>
        <source>sled</source>
        <translation>luge</translation>
    </message>
    <message>
        <source>skis</source>
        <translation>skis</translation>
    </message>
    <message>
        <source>tennis</source>
        <translation>balle de tennis</translation>
    </message>
    <message>
        <source>video game</source>
        <translation>jeu vidéo</translation>
    </message>
    <message>
        <source>volleyball</source>
        <translation>ballon de volley</translation>
    </message>
    <message>
        <source>yarn</source>
        <translation>pelote de laine</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>fireworks</source>
        <translation>feu d&apos;artifice</translation>
    </message>
    <message>
        <source>airplane</source>
        <translation>avion</translation>
    </message>
    <message>
        <source>ambulance</source>
        <translation>ambulance</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>ancre</translation>
    </message>
    <message>
        <source>automobile</source>
        <translation>voiture</translation>
    </message>
    <message>
        <source>bicycle</source>
        <translation>vélo</translation>
    </message>
    <message>
        <source>bullet train</source>
        <translation>train rapide</translation>
    </message>
    <message>
        <source>bus</source>
        <translation>bus</translation>
    </message>
    <message>
        <source>carousel horse</source>
        <translation>cheval de manège</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>château</translation>
    </message>
    <message>
        <source>circus tent</source>
        <translation>chapiteau</translation>
    </message>
    <message>
        <source>cloud</source>
        <translation>nuage</translation>
    </message>
    <message>
        <source>cloud with rain</source>
        <translation>nuage de pluie</translation>
    </message>
    <message>
        <source>crescent moon</source>
        <translation>croissant de lune</translation>
    </message>
    <message>
        <source>delivery truck</source>
        <translation>camion de livraison</translation>
    </message>
    <message>
        <source>desert island</source>
        <translation>île déserte</translation>
    </message>
    <message>
        <source>droplet</source>
        <translation>goutte d&apos;eau</translation>
    </message>
    <message>
        <source>ferris wheel</source>
        <translation>grande roue</translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation>camion de pompiers</translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation>soucoupe volante</translation>
    </message>
    <message>
        <source>full moon face</source>
        <translation>pleine lune avec un visage</translation>
    </message>
    <message>
        <source>globe</source>
        <translation>globe terrestre</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation>hélicoptère</translation>
    </message>
    <message>
        <source>house</source>
        <translation>maison</translation>
    </message>
    <message>
        <source>hut</source>
        <translation>cabane</translation>
    </message>
    <message>
        <source>kick scooter</source>
        <translation>trottinette</translation>
    </message>
    <message>
        <source>locomotive</source>
        <translation>locomotive</translation>
    </message>
    <message>
        <source>luggage</source>
        <translation>valise</translation>
    </message>
    <message>
        <source>motor boat</source>
        <translation>bateau à moteur</translation>
    </message>
    <message>
        <source>canoe</source>
        <translation>canoë</translation>
    </message>
    <message>
        <source>motor scooter</source>
        <translation>scooter</translation>
    </message>
    <message>
        <source>motorcycle</source>
        <translation>moto</translation>
    </message>
    <message>
        <source>snow capped mountain</source>
        <translation>montagne enneigée</translation>
    </message>
    <message>
        <source>parachute</source>
        <translation>parachute</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>paquebot</translation>
    </message>
    <message>
        <source>playground slide</source>
        <translation>toboggan</translation>
    </message>
    <message>
        <source>life ring</source>
        <translation>bouée</translation>
    </message>
    <message>
        <source>police car</source>
        <translation>voiture de police</translation>
    </message>
    <message>
        <source>racing car</source>
        <translation>voiture de course</translation>
    </message>
    <message>
        <source>ringed planet</source>
        <translation>planète à anneaux</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>fusée</translation>
    </message>
    <message>
        <source>roller coaster</source>
        <translation>montagnes russes</translation>
    </message>
    <message>
        <source>roller skate</source>
        <translation>patin à roulettes</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>voilier</translation>
    </message>
    <message>
        <source>school</source>
        <translation>école</translation>
    </message>
    <message>
        <source>skateboard</source>
        <translation>skateboard</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>flocon de neige</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>bonhomme de neige</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>soleil</translation>
    </message>
    <message>
        <source>sun behind cloud</source>
        <translation>soleil derrière un nuage</translation>
    </message>
    <message>
        <source>taxi</source>
        <translation>taxi</translation>
    </message>
    <message>
        <source>tent</source>
        <translation>tente</translation>
    </message>
    <message>
        <source>tractor</source>
        <translation>tracteur</translation>
    </message>
    <message>
        <source>umbrella in the rain</source>
        <translation>parapluie sous la pluie</translation>
    </message>
    <message>
        <source>beach umbrella</source>
        <translation>parasol</translation>
    </message>
    <message>
        <source>volcano</source>
        <translation>volcan</translation>
    </message>
    <message>
        <source>water wave</source>
        <translation>vague</translation>
    </message>
    <message>
        <source>abacus</source>
        <translation>boulier</translation>
    </message>
    <message>
        <source>accordion</source>
        <translation>accordéon</translation>
    </message>
    <message>
        <source>backpack</source>
        <translation>sac à dos</translation>
    </message>
    <message>
        <source>ballet shoes</source>
        <translation>chaussons de danse</translation>
    </message>
    <message>
        <source>basket</source>
        <translation>panier</translation>
    </message>
    <message>
        <source>bed</source>
        <translation>lit</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>cloche</translation>
    </message>
    <message>
        <source>cap</source>
        <translation>casquette</translation>
    </message>
    <message>
        <source>books</source>
        <translation>livres</translation>
    </message>
    <message>
        <source>boomerang</source>
        <translation>boomerang</translation>
    </message>
    <message>
        <source>broom</source>
        <translation>balai</translation>
    </message>
    <message>
        <source>bubbles</source>
        <translation>bulles de savon</translation>
    </message>
    <message>
        <source>bucket</source>
        <translation>seau</translation>
    </message>
    <message>
        <source>camera</source>
        <translation>appareil photo</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>bougie</translation>
    </message>
    <message>
        <source>chair</source>
        <translation>chaise</translation>
    </message>
    <message>
        <source>crayon</source>
        <translation>crayon de cire</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>couronne</translation>
    </message>
    <message>
        <source>door</source>
        <translation>porte</translation>
    </message>
    <message>
        <source>dress</source>
        <translation>robe</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>tambour</translation>
    </message>
    <message>
        <source>flashlight</source>
        <translation>lampe de poche</translation>
    </message>
    <message>
        <source>flute</source>
        <translation>flûte</translation>
    </message>
    <message>
        <source>gem stone</source>
        <translation>pierre précieuse</translation>
    </message>
    <message>
        <source>glasses</source>
        <translation>lunettes</translation>
    </message>
    <message>
        <source>gloves</source>
        <translation>gants</translation>
    </message>
    <message>
        <source>goggles</source>
        <translation>lunettes de protection</translation>
    </message>
    <message>
        <source>graduation cap</source>
        <translation>chapeau de diplômé</translation>
    </message>
    <message>
        <source>guitar</source>
        <translation>guitare</translation>
    </message>
    <message>
        <source>hammer</source>
        <translation>marteau</translation>
    </message>
    <message>
        <source>headphones</source>
        <translation>casque audio</translation>
    </message>
    <message>
        <source>hiking boot</source>
        <translation>chaussure de randonnée</translation>
    </message>
    <message>
        <source>key</source>
        <translation>clé</translation>
    </message>
    <message>
        <source>ladder</source>
        <translation>échelle</translation>
    </message>
    <message>
        <source>laptop</source>
        <translation>ordinateur portable</translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation>ampoule</translation>
    </message>
    <message>
        <source>magnet</source>
        <translation>aimant</translation>
    </message>
    <message>
        <source>magnifying glass</source>
        <translation>loupe</translation>
    </message>
    <message>
        <source>maracas</source>
        <translation>maracas</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>micro</translation>
    </message>
    <message>
        <source>microscope</source>
        <translation>microscope</translation>
    </message>
    <message>
        <source>mobile phone</source>
        <translation>téléphone portable</translation>
    </message>
    <message>
        <source>musical keyboard</source>
        <translation>clavier de piano</translation>
    </message>
    <message>
        <source>open book</source>
        <translation>livre ouvert</translation>
    </message>
    <message>
        <source>package</source>
        <translation>colis</translation>
    </message>
    <message>
        <source>paintbrush</source>
        <translation>pinceau</translation>
    </message>
    <message>
        <source>pencil</source>
        <translation>crayon à papier</translation>
    </message>
    <message>
        <source>postbox</source>
        <translation>boîte aux lettres</translation>
    </message>
    <message>
        <source>purse</source>
        <translation>porte-monnaie</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>bague</translation>
    </message>
    <message>
        <source>running shoe</source>
        <translation>chaussure de sport</translation>
    </message>
    <message>
        <source>saxophone</source>
        <translation>saxophone</translation>
    </message>
    <message>
        <source>scarf</source>
        <translation>écharpe</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>ciseaux</translation>
    </message>
    <message>
        <source>shopping cart</source>
        <translation>chariot de courses</translation>
    </message>
    <message>
        <source>shorts</source>
        <translation>short</translation>
    </message>
    <message>
        <source>socks</source>
        <translation>chaussettes</translation>
    </message>
    <message>
        <source>straight ruler</source>
        <translation>règle</translation>
    </message>
    <message>
        <source>sunglasses</source>
        <translation>lunettes de soleil</translation>
    </message>
    <message>
        <source>t shirt</source>
        <translation>tee-shirt</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>téléphone</translation>
    </message>
    <message>
        <source>telescope</source>
        <translation>télescope</translation>
    </message>
    <message>
        <source>television</source>
        <translation>télévision</translation>
    </message>
    <message>
        <source>toolbox</source>
        <translation>boîte à outils</translation>
    </message>
    <message>
        <source>toothbrush</source>
        <translation>brosse à dents</translation>
    </message>
    <message>
        <source>top hat</source>
        <translation>chapeau haut-de-forme</translation>
    </message>
    <message>
        <source>trumpet</source>
        <translation>trompette</translation>
    </message>
    <message>
        <source>violin</source>
        <translation>violon</translation>
    </message>
    <message>
        <source>woman&apos;s hat</source>
        <translation>chapeau de dame</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>bébé</translation>
    </message>
    <message>
        <source>boy</source>
        <translation>garçon</translation>
    </message>
    <message>
        <source>girl</source>
        <translation>fille</translation>
    </message>
    <message>
        <source>old woman</source>
        <translation>vieille dame</translation>
    </message>
    <message>
        <source>artist</source>
        <translation>artiste</translation>
    </message>
    <message>
        <source>astronaut</source>
        <translation>astronaute</translation>
    </message>
    <message>
        <source>cook</source>
        <translation>cuisinier</translation>
    </message>
    <message>
        <source>farmer</source>
        <translation>fermier</translation>
    </message>
    <message>
        <source>firefighter</source>
        <translation>pompier</translation>
    </message>
    <message>
        <source>person biking</source>
        <translation>cycliste</translation>
    </message>
    <message>
        <source>person juggling</source>
        <translation>jongleur</translation>
    </message>
    <message>
        <source>wizard</source>
        <translation>magicien</translation>
    </message>
    <message>
        <source>merperson</source>
        <translation>sirène</translation>
    </message>
    <message>
        <source>person rowing a boat</source>
        <translation>personne qui rame</translation>
    </message>
    <message>
        <source>person surfing</source>
        <translation>surfeur</translation>
    </message>
    <message>
        <source>person swimming</source>
        <translation>nageur</translation>
    </message>
    <message>
        <source>pilot</source>
        <translation>pilote</translation>
    </message>
    <message>
        <source>police officer</source>
        <translation>policier</translation>
    </message>
    <message>
        <source>prince</source>
        <translation>prince</translation>
    </message>
    <message>
        <source>princess</source>
        <translation>princesse</translation>
    </message>
    <message>
        <source>scientist</source>
        <translation>scientifique</translation>
    </message>
    <message>
        <source>skier</source>
        <translation>skieur</translation>
    </message>
    <message>
        <source>snowboarder</source>
        <translation>snowboardeur</translation>
    </message>
    <message>
        <source>student</source>
        <translation>élève</translation>
    </message>
    <message>
        <source>teacher</source>
        <translation>professeur</translation>
    </message>
    <message>
        <source>person in bed</source>
        <translation>personne au lit</translation>
    </message>
    <message>
        <source>superhero</source>
        <translation>super-héros</translation>
    </message>
    <message>
        <source>woman dancing</source>
        <translation>danseuse</translation>
    </message>
    <message>
        <source>waving hand</source>
        <translation>main qui salue</translation>
    </message>
    <message>
        <source>construction worker</source>
        <translation>ouvrier du bâtiment</translation>
    </message>
    <message>
        <source>clapping hands</source>
        <translation>mains qui applaudissent</translation>
    </message>
    <message>
        <source>tooth</source>
        <translation>dent</translation>
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
        <translation>visage de fête</translation>
    </message>
    <message>
        <source>cowboy face</source>
        <translation>visage de cow-boy</translation>
    </message>
    <message>
        <source>red apple</source>
        <translation>pomme rouge</translation>
    </message>
    <message>
        <source>strawberry</source>
        <translation>fraise</translation>
    </message>
    <message>
        <source>cherries</source>
        <translation>cerises</translation>
    </message>
    <message>
        <source>banana</source>
        <translation>banane</translation>
    </message>
    <message>
        <source>grapes</source>
        <translation>raisin</translation>
    </message>
    <message>
        <source>peach</source>
        <translation>pêche</translation>
    </message>
    <message>
        <source>pear</source>
        <translation>poire</translation>
    </message>
    <message>
        <source>watermelon</source>
        <translation>pastèque</translation>
    </message>
    <message>
        <source>pineapple</source>
        <translation>ananas</translation>
    </message>
    <message>
        <source>lemon</source>
        <translation>citron</translation>
    </message>
    <message>
        <source>tangerine</source>
        <translation>mandarine</translation>
    </message>
    <message>
        <source>kiwi fruit</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <source>coconut</source>
        <translation>noix de coco</translation>
    </message>
    <message>
        <source>carrot</source>
        <translation>carotte</translation>
    </message>
    <message>
        <source>broccoli</source>
        <translation>brocoli</translation>
    </message>
    <message>
        <source>avocado</source>
        <translation>avocat</translation>
    </message>
    <message>
        <source>doughnut</source>
        <translation>beignet</translation>
    </message>
    <message>
        <source>cupcake</source>
        <translation>cupcake</translation>
    </message>
    <message>
        <source>cookie</source>
        <translation>biscuit</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>gâteau d&apos;anniversaire</translation>
    </message>
    <message>
        <source>pizza</source>
        <translation>pizza</translation>
    </message>
    <message>
        <source>hamburger</source>
        <translation>hamburger</translation>
    </message>
    <message>
        <source>croissant</source>
        <translation>croissant</translation>
    </message>
    <message>
        <source>sunflower</source>
        <translation>tournesol</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulipe</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>champignon</translation>
    </message>
    <message>
        <source>cactus</source>
        <translation>cactus</translation>
    </message>
    <message>
        <source>cherry blossom</source>
        <translation>fleur de cerisier</translation>
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
        <translation>coccinelle</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>papillon</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingouin</translation>
    </message>
    <message>
        <source>tropical fish</source>
        <translation>poisson tropical</translation>
    </message>
    <message>
        <source>soccer ball</source>
        <translation>ballon de foot</translation>
    </message>
    <message>
        <source>basketball</source>
        <translation>ballon de basket</translation>
    </message>
    <message>
        <source>balloon</source>
        <translation>ballon de baudruche</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>ours en peluche</translation>
    </message>
    <message>
        <source>wrapped gift</source>
        <translation>cadeau</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>arc-en-ciel</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>cerf-volant</translation>
    </message>
    <message>
        <source>trophy</source>
        <translation>trophée</translation>
    </message>
</context>
</TS>
