"""The melodies behind the game's background songs.

Every tune here is public domain: traditional songs, or themes by composers
who died long ago. Each melody is written out from memory in ABC notation
(one line of the tune per line of text, bar lines required) with chord
symbols in quotes; make_songs.py turns it into a full arrangement.

Fields:
  id       song number, also the file name (src/assets/songs/<id>.abc/.mid)
  title    title shown in CREDITS.md
  source   composer or tradition
  meter    ABC M: value        unit   ABC L: value
  key      ABC K: value        tempo  quarter notes per minute
  style    accompaniment pattern: gentle, lullaby, march, waltz, jig, dance,
           country, baroque
  palette  instrument set, see PALETTES in score.py
  skip     (optional) voices this tune never uses
  music    the melody; a pickup bar is allowed if the last bar completes it
"""

TUNES = [
    dict(id=300, title="Twinkle, Twinkle, Little Star", source="Traditional (French, 18th century)",
         meter="4/4", unit="1/4", key="C", tempo=92, style="gentle", palette="musicbox", music="""
"C"C C G G|"F"A A "C"G2|"F"F F "C"E E|"G7"D D "C"C2|
"C"G G "F"F F|"C"E E "G"D2|"C"G G "F"F F|"C"E E "G"D2|
"C"C C G G|"F"A A "C"G2|"F"F F "C"E E|"G7"D D "C"C2|
"""),
    dict(id=301, title="Frère Jacques", source="Traditional (French)",
         meter="4/4", unit="1/8", key="F", tempo=104, style="gentle", palette="woodwinds", music="""
"F"F2G2 A2F2|"Dm"F2G2 A2F2|"F"A2"Bb"B2 "F"c4|"F"A2"Bb"B2 "F"c4|
"F"cdcB A2F2|"Bb"cdcB "F"A2F2|"F"F2"C"C2 "F"F4|"F"F2"C"C2 "F"F4|
"""),
    dict(id=302, title="Oh! Susanna", source="Stephen Foster (1848)",
         meter="2/4", unit="1/8", key="C", tempo=112, style="country", palette="country", music="""
CD|"C"EG G>A|GE C>D|EE DC|"G"D2 CD|"C"EG G>A|GE C>D|"G"EE DD|"C"C2 CD|
"C"EG G>A|GE C>D|EE DC|"G"D2 CD|"C"EG G>A|GE C>D|"G"EE DD|"C"C4|
"F"F2 F2|A A2 A|"C"GG EC|"G"D2 CD|"C"EG G>A|GE C>D|"G"EE DD|"C"C2|
"""),
    dict(id=303, title="Yankee Doodle", source="Traditional (American)",
         meter="4/4", unit="1/8", key="G", tempo=116, style="march", palette="brass", music="""
"G"GGAB GBAD|"G"GGAB G2"D"F2|"G"GGAB "C"cBAG|"D"FDEF "G"G2G2|
"C"EFED "D"EF"G"G2|"D"DEDC "G"B,2G,2|"C"EFED "D"EF"G"GE|"D"DGFA "G"G2G2|
"""),
    dict(id=304, title="Ode to Joy (Symphony No. 9)", source="Ludwig van Beethoven (1824)",
         meter="4/4", unit="1/4", key="D", tempo=100, style="gentle", palette="strings", music="""
"D"F F G A|"A"A G F E|"D"D D E F|"A"F3/2 E/ E2|
"D"F F G A|"A"A G F E|"D"D D E F|"A"E3/2 D/ "D"D2|
"A"E E F D|"A"E F/G/ "D"F D|"A"E F/G/ "D"F E|"D"D E "A"A,2|
"D"F F G A|"A"A G F E|"D"D D E F|"A"E3/2 D/ "D"D2|
"""),
    dict(id=305, title="Minuet in G major", source="Christian Petzold (long credited to J. S. Bach)",
         meter="3/4", unit="1/8", key="G", tempo=116, style="baroque", palette="harpsichord", music="""
"G"d2 GABc|"G"d2 G2 G2|"C"e2 cdef|"G"g2 G2 G2|"C"c2 dcBA|"G"B2 cBAG|"D"F2 GABG|"D"A6|
"G"d2 GABc|"G"d2 G2 G2|"C"e2 cdef|"G"g2 G2 G2|"C"c2 dcBA|"G"B2 cBAG|"D"A2 BAGF|"G"G6|
"""),
    dict(id=306, title="Lullaby (Wiegenlied), Op. 49 No. 4", source="Johannes Brahms (1868)",
         meter="3/4", unit="1/8", key="C", tempo=72, style="lullaby", palette="musicbox", music="""
EE|"C"G4 EE|"C"G4 EG|"C"c2 "G"B3A|"C"A2G2 "G7"DE|"G7"F2D2 DE|"G7"F4 DF|"G7"BA G2B2|"C"c4 CC|
"F"c4 AF|"C"G4 EC|"F"F2G2A2|"C"G4 CC|"F"c4 AF|"C"G4 EC|"G7"F2E2D2|"C"C4|
"""),
    dict(id=307, title="Greensleeves", source="Traditional (English, 16th century)",
         meter="6/8", unit="1/8", key="Am", tempo=96, style="gentle", palette="recorder", music="""
A|"Am"c2d e>fe|"G"d2B G>AB|"Am"c2A A>^GA|"E"B2^G E2A|"Am"c2d e>fe|"G"d2B G>AB|"Am"c>BA "E"^G>^F^G|"Am"A3 A3|
"C"g3 g>^fe|"G"d2B G>AB|"Am"c2A A>^GA|"E"B2^G E3|"C"g3 g>^fe|"G"d2B G>AB|"Am"c>BA "E"^G>^F^G|"Am"A3 A2|
"""),
    dict(id=308, title="Skip to My Lou", source="Traditional (American)",
         meter="2/4", unit="1/8", key="G", tempo=120, style="country", palette="banjo", music="""
"G"B2 G2|B B d2|"D"A2 F2|A A c2|"G"B2 G2|B B d2|"D"A B c A|"G"G4|
"G"d2 B2|d d g2|"D"c2 A2|c c e2|"G"d2 B2|d d g2|"D"c d e c|"G"B4|
"""),
    dict(id=309, title="Old MacDonald Had a Farm", source="Traditional",
         meter="4/4", unit="1/8", key="G", tempo=120, style="country", palette="marimba", music="""
"G"G2G2G2D2|"C"E2E2"G"D4|B2B2"D"A2A2|"G"G6D2|"G"G2G2G2D2|"C"E2E2"G"D4|B2B2"D"A2A2|"G"G6DD|
"G"G2G2G2DD|G2G2G4|"C"GGG2 "G"GGG2|"D"GGGG "G"G2G2|"G"G2G2G2D2|"C"E2E2"G"D4|B2B2"D"A2A2|"G"G8|
"""),
    dict(id=310, title="London Bridge Is Falling Down", source="Traditional (English)",
         meter="4/4", unit="1/8", key="C", tempo=112, style="march", palette="piano", music="""
"C"G3A G2F2|"C"E2F2 G4|"G"D2E2 F4|"C"E2F2 G4|"C"G3A G2F2|"C"E2F2 G4|"G"D4 G4|"C"E4 C4|
"""),
    dict(id=311, title="Row, Row, Row Your Boat", source="Traditional",
         meter="6/8", unit="1/8", key="C", tempo=120, style="gentle", palette="marimba", music="""
"C"C3 C3|"C"C2D E3|"C"E2D E2F|"C"G6|"C"ccc GGG|"C"EEE CCC|"G"G2F E2D|"C"C6|
"""),
    dict(id=312, title="Pop Goes the Weasel", source="Traditional (English)",
         meter="6/8", unit="1/8", key="C", tempo=132, style="jig", palette="accordion", music="""
"C"C2C "G"D2D|"C"EGE C2G,|"C"C2C "G"D2D|"C"E3 C2G,|"C"C2C "G"D2D|"C"EGE C3|"F"A3 "G"D2F|"C"E3 C3|
"""),
    dict(id=313, title="Mary Had a Little Lamb", source="Traditional (tune as sung by Lowell Mason)",
         meter="4/4", unit="1/4", key="C", tempo=108, style="gentle", palette="epiano", music="""
"C"E D C D|"C"E E E2|"G"D D D2|"C"E G G2|"C"E D C D|"C"E E E E|"G"D D E D|"C"C4|
"""),
    dict(id=314, title="Galop infernal (the Can-can)", source="Jacques Offenbach (1858)",
         meter="2/4", unit="1/8", key="C", tempo=126, style="dance", palette="orchestra", music="""
"C"C4|"G7"DFED|"G"G2G2|"G7"GAEF|"G7"D2D2|DFED|"C"CcBA|"G7"GFED|
"C"C4|"G7"DFED|"G"G2G2|"G7"GAEF|"G7"D2D2|DFED|"C"CG"G7"DE|"C"C2z2|
"""),
    dict(id=315, title="Swan Lake (scene theme)", source="Pyotr Ilyich Tchaikovsky (1876)",
         meter="4/4", unit="1/8", key="Bm", tempo=76, style="lullaby", palette="strings", music="""
"Bm"f4 Bcde|"Bm"f3d f3d|"Bm"f3B "G"dBGd|"Bm"B8|
"Bm"f4 Bcde|"D"f3d f3d|"G"f3B "Em"dBGd|"Bm"B8|
"""),
    dict(id=316, title="In the Hall of the Mountain King", source="Edvard Grieg (1875)",
         meter="4/4", unit="1/8", key="Bm", tempo=104, style="dance", palette="pizzicato", music="""
"Bm"B,CDE FDF2|"C#7"^EC^E2 "F#7"=ECE2|"Bm"B,CDE FDFB|"Bm"AFDF A4|
"Bm"B,CDE FDF2|"C#7"^EC^E2 "F#7"=ECE2|"Bm"B,CDE FDFB|"F#7"AFDF "Bm"B4|
"""),
    dict(id=317, title="Morning Mood (Peer Gynt)", source="Edvard Grieg (1875)",
         meter="6/8", unit="1/8", key="E", tempo=84, style="gentle", palette="woodwinds", music="""
"E"BGFEFG|"E"BGFEFG|"E"FGBGBc|"A"GcB"E"GFE|
"E"BGFEFG|"C#m"BGFEFG|"A"FGBGBc|"B7"G2F "E"E3|
"""),
    dict(id=318, title="The Blue Danube", source="Johann Strauss II (1866)",
         meter="3/4", unit="1/4", key="D", tempo=160, style="waltz", palette="strings", music="""
"D"D3|D F A|A3|z a a|z f f|D3|D F A|A3|z a a|"A7"z g g|C3|C E B|B3|z b b|z g g|
C3|C E B|B3|z b b|"D"z f f|D3|D F A|d3|z d' d'|z a a|D3|D F A|d3|z d' d'|z b b|
"Em"E3|E G B|B3|"A7"z b b|z a a|"D"f3|"A7"e3|"D"d3|
"""),
    dict(id=319, title="Spring (The Four Seasons)", source="Antonio Vivaldi (1725)",
         meter="4/4", unit="1/8", key="E", tempo=100, style="baroque", palette="baroque", music="""
E|"E"GGGF/E/ B3B/A/|"E"GGGF/E/ B3B/A/|"E"GAB"B7"A G2F2|"E"E6 zE|
"E"GGGF/E/ B3B/A/|"E"GGGF/E/ B3B/A/|"E"GAB"B7"A G2F2|"E"E6 z|
"""),
    dict(id=320, title="Für Elise", source="Ludwig van Beethoven (1810)",
         meter="3/8", unit="1/16", key="Am", tempo=66, style="lullaby", palette="piano", music="""
e^d|"E"e^deB=dc|"Am"A2zCEA|"E"B2zE^GB|"Am"c2zEe^d|"E"e^deB=dc|"Am"A2zCEA|"E"B2zEcB|"Am"A2zBcd|
"C"e3Gfe|"G"d3Fed|"Am"c3Edc|"E"B2zEe^d|"E"e^deB=dc|"Am"A2zCEA|"E"B2zEcB|"Am"A4|
"""),
    dict(id=321, title="The Irish Washerwoman", source="Traditional (Irish)",
         meter="6/8", unit="1/8", key="G", tempo=150, style="jig", palette="fiddle", music="""
dc|"G"BGG DGG|"G"BGB dcB|"D"cAA EAA|"D"cBc edc|"G"BGG DGG|"G"BGB dcB|"D"cBc Adc|"G"BGG G|
"""),
    dict(id=322, title="Surprise Symphony (No. 94), Andante", source="Joseph Haydn (1791)",
         meter="2/4", unit="1/8", key="C", tempo=104, style="gentle", palette="orchestra", music="""
"C"CCEE|"C"GGE2|"G7"FFDD|"G"B,B,G,2|"C"CCEE|"C"GGc2|"G7"FFDD|"C"C4|
"""),
    dict(id=323, title="Rondo alla Turca", source="Wolfgang Amadeus Mozart (1783)",
         meter="2/4", unit="1/16", key="Am", tempo=108, style="dance", palette="harpsichord", music="""
BA^GA|"Am"c4dcBc|"Am"e4fe^de|"E"ba^gaba^ga|"Am"c'4a2b2|"Am"c'2b2"E"a2^g2|"Am"a2e2"Dm"f2d2|"Am"c4"E"B4|"Am"A4|
"""),
    dict(id=324, title="Michael, Row the Boat Ashore", source="Traditional (American)",
         meter="4/4", unit="1/8", key="C", tempo=100, style="gentle", palette="guitar", music="""
"C"C2E2 G3E|"C"G2A2 G4|"F"E2G2 A4|"C"G8|"C"E2G2 G3E|"Dm"F2E2 D4|"C"C2D2 "G"E3D|"C"C8|
"""),
    dict(id=325, title="Humoresque, Op. 101 No. 7", source="Antonín Dvořák (1894)",
         meter="2/4", unit="1/16", key="G", tempo=72, style="gentle", palette="violin", music="""
"G"G3AG3A|"G"B3de3d|"G"g3fa3g|"D7"f3ag3e|"G"d3de3d|"C"g3d"G"e3B|"D"d8|
"G"G3AG3A|"G"B3de3d|"G"g3fa3g|"D7"f3ag3e|"G"d3de3d|"C"g3d"D7"A3B|"G"G8|
"""),
    dict(id=326, title="Piano Sonata in C, K. 545 (Allegro)", source="Wolfgang Amadeus Mozart (1788)",
         meter="4/4", unit="1/16", key="C", tempo=108, style="baroque", palette="piano", music="""
"C"c8e4g4|"G7"B6cd"C"c8|"F"a8"C"g4c'4|"G7"g4f2gf"C"e8|
"C"c8e4g4|"G7"B6cd"C"c8|"F"a8"C"g4c'4|"G"g4B4"C"c8|
"""),
    dict(id=327, title="Auld Lang Syne", source="Traditional (Scottish)",
         meter="4/4", unit="1/8", key="F", tempo=88, style="gentle", palette="accordion", music="""
C2|"F"F3F F2A2|"C"G3F G2A2|"F"F3F A2c2|"Bb"d6d2|"F"c3A A2F2|"C"G3F G2A2|"Bb"F3D D2"C"C2|"F"F6d2|
"F"c3A A2F2|"C"G3F G2d2|"F"c3A A2c2|"Bb"d6f2|"F"c3A A2F2|"C"G3F G2A2|"Bb"F3D D2"C"C2|"F"F6|
"""),
    dict(id=328, title="Prelude in C major, BWV 846", source="Johann Sebastian Bach (1722)",
         meter="4/4", unit="1/16", key="C", tempo=66, style="lullaby", palette="harp", skip=("harmony", "bells"), music="""
"C"CEGceGceCEGceGce|"Dm7"CDAdfAdfCDAdfAdf|"G7"B,DGdfGdfB,DGdfGdf|"C"CEGceGceCEGceGce|
"Am"CEAeaAeaCEAeaAea|"D7"CD^FAd^FAdCD^FAd^FAd|"G"B,DGdgGdgB,DGdgGdg|"Cmaj7"B,CEGcEGcB,CEGcEGc|
"Am7"A,CEGcEGcA,CEGcEGc|"D7"D,A,D^FcD^FcD,A,D^FcD^Fc|"G"G,B,DGBDGBG,B,DGBDGB|"C#dim7"G,_B,EG^cEG^cG,_B,EG^cEG^c|
"Dm"F,A,DAdDAdF,A,DAdDAd|"Bdim7"F,_A,DFBDFBF,_A,DFBDFB|"C"E,G,CGcCGcE,G,CGcCGc|"Fmaj7"E,F,A,CFA,CFE,F,A,CFA,CF|
"Dm7"D,F,A,CFA,CFD,F,A,CFA,CF|"G7"G,,D,G,B,FG,B,FG,,D,G,B,FG,B,F|"C"C,E,G,CEG,CEC,E,G,CEG,CE|
"""),
    dict(id=329, title="Scarborough Fair", source="Traditional (English)",
         meter="3/4", unit="1/8", key="Ddor", tempo=108, style="gentle", palette="guitar", music="""
"Dm"D4D2|"Am"A2A2E2|"Dm"F3ED2|"Dm"D6|"F"z2A2c2|"Dm"d4"Am"c2|"Am"A2"G"B2G2|"Am"A6|
"Dm"z4d2|"Dm"d4d2|"Am"c2A2A2|"C"G2F2E2|"Am"C4D2|"Dm"A4G2|"Dm"F2"C"E2"Dm"D2|"C"C2"Dm"D4|
"""),
    dict(id=330, title="This Old Man", source="Traditional (English)",
         meter="4/4", unit="1/8", key="C", tempo=120, style="dance", palette="xylophone", music="""
"C"G2E2G4|"C"G2E2G4|"F"A2G2F2E2|"G"D2E2F4|"C"EFG2 C2CC|"C"CDEF "G"G2G2|"G"G2D2D2F2|"G7"E2D2"C"C4|
"""),
    dict(id=331, title="Lightly Row (Hänschen klein)", source="Traditional (German)",
         meter="4/4", unit="1/8", key="C", tempo=112, style="gentle", palette="recorder", music="""
"C"G2E2E4|"G"F2D2D4|"C"C2D2E2F2|"C"G2G2G4|"C"G2E2E4|"G"F2D2D4|"C"C2E2G2G2|"C"C8|
"G"D2D2D2D2|"G"D2E2F4|"C"E2E2E2E2|"C"E2F2G4|"C"G2E2E4|"G"F2D2D4|"C"C2E2G2G2|"C"C8|
"""),
    dict(id=332, title="Alle meine Entchen (All My Little Ducklings)", source="Traditional (German)",
         meter="4/4", unit="1/8", key="C", tempo=116, style="gentle", palette="ocarina", music="""
"C"C2D2E2F2|"C"G4G4|"F"A2A2A2A2|"C"G8|"F"A2A2A2A2|"C"G8|"F"F2F2F2F2|"C"E4E4|"G"D2D2D2D2|"C"C8|
"""),
    dict(id=333, title="My Bonnie Lies over the Ocean", source="Traditional (Scottish)",
         meter="3/4", unit="1/8", key="C", tempo=120, style="waltz", palette="accordion", music="""
G2|"C"E3DC2|"F"D2C2A,2|"C"G,2E,4-|"C"E,4G2|"C"E3DC2|"C"C2B,2C2|"G"D6-|"G7"D4G2|
"C"E3DC2|"F"D2C2A,2|"C"G,2E,4-|"C"E,4G,2|"F"A,2D2C2|"G"B,2A,2B,2|"C"C6-|"C"C4|
"""),
    dict(id=334, title="Au clair de la lune", source="Traditional (French)",
         meter="4/4", unit="1/4", key="C", tempo=96, style="gentle", palette="harp", music="""
"C"C C C D|"C"E2 "G"D2|"C"C E "G"D D|"C"C4|"C"C C C D|"C"E2 "G"D2|"C"C E "G"D D|"C"C4|
"G"D D D D|"Am"A,2 A,2|"G"D C B, A,|"G"G,4|"C"C C C D|"C"E2 "G"D2|"C"C E "G"D D|"C"C4|
"""),
    dict(id=335, title="Deck the Halls", source="Traditional (Welsh)",
         meter="4/4", unit="1/8", key="C", tempo=120, style="dance", palette="brass", music="""
"C"G3F E2D2|"C"C2D2 E2C2|"G7"DEFD "C"E3D|"G"C2B,2 "C"C4|"C"G3F E2D2|"C"C2D2 E2C2|"G7"DEFD "C"E3D|"G"C2B,2 "C"C4|
"G"D3E F2D2|"C"E3F G2D2|"C"EFG2 "F"ABc2|"D7"B2A2 "G"G4|"C"G3F E2D2|"C"C2D2 E2C2|"F"AAAA "C"G3F|"G"E2D2 "C"C4|
"""),
    dict(id=336, title="We Wish You a Merry Christmas", source="Traditional (English)",
         meter="3/4", unit="1/4", key="G", tempo=132, style="waltz", palette="celesta", music="""
D|"G"G G/A/G/F/|"C"E E E|"A7"A A/B/A/G/|"D"F D D|"E7"B B/c/B/A/|"C"G E D/D/|"D7"E A F|"G"G2 D|
"G"G G G|"D"F2 F|"Em"G F E|"D"D2 A|"G"B A G|"D"d D D/D/|"D7"E A F|"G"G2|
"""),
    dict(id=337, title="Canon in D", source="Johann Pachelbel (about 1680)",
         meter="4/4", unit="1/8", key="D", tempo=66, style="baroque", palette="strings", music="""
"D"f2"A"e2"Bm"d2"F#m"c2|"G"B2"D"A2"G"B2"A"c2|"D"d2"A"c2"Bm"B2"F#m"A2|"G"G2"D"F2"G"G2"A"E2|
"D"DF"A"AG"Bm"FD"F#m"FE|"G"DB,"D"DA"G"GB"A"AG|"D"f2"A"e2"Bm"d2"F#m"c2|"G"B2"D"A2"G"B2"A"c2|
"D"d2"A"c2"Bm"B2"F#m"A2|"G"G2"D"F2"G"G2"A"E2|"D"DF"A"AG"Bm"FD"F#m"FE|"G"DB,"D"DA"G"GB"A"Ac|
"""),
    dict(id=338, title="Largo (Symphony No. 9, From the New World)", source="Antonín Dvořák (1893)",
         meter="4/4", unit="1/8", key="C", tempo=58, style="lullaby", palette="horn", music="""
"C"E3G G4|"C"E3D C4|"G"D2E2 G2E2|"G"D8|"C"E3G G4|"C"E3D C4|"G"D2E2 D2C2|"C"C8|
"""),
    dict(id=339, title="Eine kleine Nachtmusik (opening)", source="Wolfgang Amadeus Mozart (1787)",
         meter="4/4", unit="1/8", key="G", tempo=120, style="baroque", palette="strings", music="""
"G"G2zD G2zD|"G"GDGB d4|"D"c2zA c2zA|"D"cAFA D4|"G"G2zD G2zD|"G"GDGB d4|"D"c2zA c2zA|"D"cAFA "G"G4|
"""),
    dict(id=340, title="Tempus adest floridum (Spring Has Now Unwrapped the Flowers)",
         source="Traditional (Piae Cantiones, 1582)",
         meter="4/4", unit="1/4", key="G", tempo=112, style="march", palette="recorder", music="""
"G"G G G A|"G"G G "D"D2|"Em"E D E F|"G"G2 G2|"G"G G G A|"G"G G "D"D2|"Em"E D E F|"G"G2 G2|
"G"d c B A|"G"B A "G"G2|"C"E D E F|"G"G2 G2|"G"D D E F|"G"G G "D"A2|"G"d c B A|"C"G2 c2|"G"G4|
"""),
    dict(id=341, title="Did You Ever See a Lassie? (Ach, du lieber Augustin)", source="Traditional (Austrian)",
         meter="3/4", unit="1/8", key="C", tempo=138, style="waltz", palette="accordion2", music="""
"C"G3AGF|"C"E2C2C2|"G"D2G,2G,2|"C"E2C2C2|"C"G3AGF|"C"E2C2C2|"G"D2G,2E2|"C"C6|
"G"D2G,2G,2|"C"E2C2C2|"G"D2G,2G,2|"C"E2C2C2|"C"G3AGF|"C"E2C2C2|"G"D2G,2E2|"C"C6|
"""),
    dict(id=342, title="Sakura Sakura", source="Traditional (Japanese)",
         meter="4/4", unit="1/8", key="Am", tempo=72, style="lullaby", palette="asian", music="""
"Am"A2A2B4|"Am"A2A2B4|"Am"A2B2c2B2|"Dm"A2BA"Esus4"F4|"Am"E2C2E2F2|"Esus4"E2EC B,4|"F"A2B2c2B2|"Dm"A2BA F4|
"Am"E2C2E2F2|"Esus4"E2EC B,4|"Am"A2A2B4|"Am"A2A2B4|"Dm"E2F2BAF2|"Esus4"E4 "Am"E4|
"""),
    dict(id=343, title="Alouette", source="Traditional (French-Canadian)",
         meter="4/4", unit="1/8", key="F", tempo=120, style="dance", palette="steel", music="""
"F"F3G A2A2|"C"GFGA "F"F2C2|"F"F3G A2A2|"C"GFGA "F"F4|
"F"F3G A2A2|"C"GFGA "F"F2C2|"F"F3G A2A2|"C"GFGA "F"F4|
"""),
    dict(id=344, title="The Farmer in the Dell", source="Traditional",
         meter="6/8", unit="1/8", key="C", tempo=150, style="jig", palette="country", music="""
G,|"C"C2C C2C|"C"C3 z2C|"C"E2E E2E|"C"E3 z3|"C"G3 G2A|"F"G2E "C"C2D|"G"E2E D2D|"C"C3 z2|
"""),
    dict(id=345, title="Bingo", source="Traditional",
         meter="4/4", unit="1/8", key="F", tempo=126, style="country", palette="piano2", music="""
C|"F"FFCC "Bb"DD"F"CC|"F"FFGG "C"A2F2|"F"A2A2 "Bb"B2B2|"Bb"B4 "C"G2G2|"F"A2A2A4|"Dm"F2F2 "C"G2G2|"C"G4 ECDE|"F"F2F2 z3|
"""),
    dict(id=346, title="Kuckuck, Kuckuck (The Cuckoo)", source="Traditional (German)",
         meter="3/4", unit="1/8", key="C", tempo=126, style="waltz", palette="woodwinds", music="""
"C"G2E4|"C"G2E4|"G"D2C2D2|"C"E2C4|"G"D2D2E2|"Dm"F4D2|"C"E2E2F2|"C"G4E2|
"C"G2E4|"C"G2E4|"F"F2E2D2|"C"C6|
"""),
]
