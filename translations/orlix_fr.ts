<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>O.R.L.I.X. Version K418 </source>
        <translation>O.R.L.I.X. Version K418 </translation>
    </message>
    <message>
        <source>To see instructions press F1</source>
        <translation>Instructions&#xa0;: touche F1</translation>
    </message>
    <message>
        <source>To see past scores press F2</source>
        <translation>Scores passés&#xa0;: touche F2</translation>
    </message>
    <message>
        <source>(c) 2026 O.R.L.I.X. project</source>
        <translation>(c) 2026 projet O.R.L.I.X.</translation>
    </message>
    <message>
        <source>About O.R.L.I.X.</source>
        <translation>À propos d’O.R.L.I.X.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>To reposition the tracing pen, right click at the desired point on the outline.
To cancel this selection, press Delete.</source>
        <extracomment>Below the board while tracing: two lines, each centred on one line of its own across the window, also in a window 800 pixels wide. &quot;Delete&quot; is the key&apos;s name on the keyboard.</extracomment>
        <translation>Pour déplacer le crayon, fais un clic droit à l’endroit voulu sur le contour.
Pour annuler ce choix, appuie sur Suppr.</translation>
    </message>
    <message>
        <source>To play again, press the End Key.</source>
        <extracomment>Below the board once a game is over, on one line. &quot;End&quot; is the key&apos;s name on the keyboard.</extracomment>
        <translation>Pour rejouer, appuie sur la touche Fin.</translation>
    </message>
    <message>
        <source>Select an outline by left clicking on one of the images above.</source>
        <extracomment>One line under the pictures at the top left, 620 pixels wide at most.</extracomment>
        <translation>Choisis un contour&#xa0;: fais un clic gauche sur une des images ci-dessus.</translation>
    </message>
    <message>
        <source>To view the instructions, press F1; to print them, press the Ctrl and P keys. To Quit, press the Alt and F4 keys.</source>
        <extracomment>One line along the bottom of the window, which may be only 800 pixels wide: the English takes nearly all of it. The key names are those printed on the keyboard.</extracomment>
        <translation>Pour voir les instructions, appuie sur F1&#xa0;; pour les imprimer, sur Ctrl et P. Pour quitter, sur Alt et F4.</translation>
    </message>
    <message>
        <source>Try a screen size of 800x600 if possible. If not, try the smallest available screen size. This will make it easier to see the outlines.

Remember: All shapes are made up of horizontal and vertical segments. There is no such thing as a slanted line or a curve.

To see past scores from this session, press F2.</source>
        <extracomment>The column at the right of the board, 140 pixels wide and about 23 lines tall in an 800 x 600 window: short words, three paragraphs.</extracomment>
        <translation>Essaie si possible une taille d’écran de 800x600. Sinon, prends la plus petite possible&#xa0;: tu verras mieux les contours.

N’oublie pas&#xa0;: toutes les formes sont faites de segments horizontaux et verticaux. Il n’y a ni ligne penchée ni courbe.

Pour voir les scores de cette session, appuie sur F2.</translation>
    </message>
    <message>
        <source>Moves Left: </source>
        <extracomment>Counter above the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Coups restants&#xa0;: </translation>
    </message>
    <message>
        <source>Move Count: </source>
        <extracomment>Counter above the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Coups joués&#xa0;: </translation>
    </message>
    <message>
        <source>Hit Count: </source>
        <extracomment>Counter above the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Réussis&#xa0;: </translation>
    </message>
    <message>
        <source>Misses: </source>
        <extracomment>Result below the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Ratés&#xa0;: </translation>
    </message>
    <message>
        <source>Hits: </source>
        <extracomment>Result below the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Réussis&#xa0;: </translation>
    </message>
    <message>
        <source>Score: </source>
        <extracomment>Result below the board, from 0 to 100; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Score&#xa0;: </translation>
    </message>
</context>
<context>
    <name>CORLIXApp</name>
    <message>
        <source>Failed to create empty document.</source>
        <translation>Impossible de créer le document vide.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d’ouvrir le document.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d’enregistrer le document.</translation>
    </message>
</context>
<context>
    <name>CORLIXDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the options and exit.</source>
        <translation>Afficher les options et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Qt platform plugin to use (xcb, wayland).</source>
        <translation>Greffon de plateforme Qt à utiliser (xcb, wayland).</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --platform, as --help shows it: &lt;name&gt;.</extracomment>
        <translation>nom</translation>
    </message>
    <message>
        <source>X display to use.</source>
        <translation>Affichage X à utiliser.</translation>
    </message>
    <message>
        <source>display</source>
        <extracomment>The value of --display, as --help shows it: &lt;display&gt;.</extracomment>
        <translation>affichage</translation>
    </message>
    <message>
        <source>O.R.L.I.X.: trace an outline with the arrow keys, one move at a time.</source>
        <translation>O.R.L.I.X.&#xa0;: repasse un contour avec les touches fléchées, un coup à la fois.</translation>
    </message>
    <message>
        <source>document</source>
        <extracomment>The document argument, as --help names it; the same word as in &quot;[document]&quot;.</extracomment>
        <translation>document</translation>
    </message>
    <message>
        <source>A file to open as the (empty) document.</source>
        <translation>Un fichier à ouvrir comme document (vide).</translation>
    </message>
    <message>
        <source>[document]</source>
        <translation>[document]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [document]</source>
        <extracomment>The first line of --help; %1 is the program&apos;s name.</extracomment>
        <translation>Usage&#xa0;: %1 [options] [document]</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; ignored</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» ignorée</translation>
    </message>
    <message>
        <source>only one document can be opened; &apos;%1&apos; ignored</source>
        <translation>un seul document peut être ouvert&#xa0;; «&#xa0;%1&#xa0;» ignoré</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Welcome to O.R.L.I.X.! The object of the game is to trace a selected outline as closely as possible with the four arrow keys, near the bottom right of your keyboard: you trace over the light green outline with a black pen. When the game comes up, small images near the top left corner of the screen stand for the outlines; left-click one and its outline appears in the centre of the screen, with a black dot on it: your first move, already made for you. Above the outline are three numbers. &apos;Hit Count&apos; starts at one and goes up by one each time the pen covers a green pixel of the outline. &apos;Move Count&apos; starts at one and goes up by one for each arrow-key press and each move of the pen by a right-click on the outline. &apos;Moves Left&apos;, the presses and pen moves you have left, starts one below the number shown inside the outline and goes down by one with each of them. When it reaches zero the game ends, and your hits and misses appear below the outline with your score, from 0 to 100. To play: </source>
        <extracomment>The instructions begin here; F1 shows them, and the printed page, which must hold all of them on one page, also carries the last block. Keep to about the length of the English. The counters&apos; names in quotes are the labels above the board, without their colons.</extracomment>
        <translation>Bienvenue dans O.R.L.I.X.&#xa0;! Le but du jeu est de repasser un contour choisi le plus fidèlement possible avec les quatre touches fléchées, en bas à droite de ton clavier&#xa0;: tu repasses le contour vert clair avec un crayon noir. Au lancement du jeu, de petites images en haut à gauche de l’écran représentent les contours&#xa0;; fais un clic gauche sur l’une d’elles et son contour apparaît au centre de l’écran, avec un point noir dessus&#xa0;: ton premier coup, déjà joué pour toi. Au-dessus du contour, il y a trois nombres. «&#xa0;Réussis&#xa0;» commence à un et augmente de un chaque fois que le crayon couvre un pixel vert du contour. «&#xa0;Coups joués&#xa0;» commence à un et augmente de un à chaque appui sur une touche fléchée et à chaque déplacement du crayon par un clic droit sur le contour. «&#xa0;Coups restants&#xa0;», les appuis et déplacements qu’il te reste, commence à un de moins que le nombre inscrit dans le contour et diminue de un à chacun d’eux. À zéro, la partie se termine, et tes coups réussis et ratés s’affichent sous le contour avec ton score, de 0 à 100. Pour jouer&#xa0;: </translation>
    </message>
    <message>
        <source>1.   Left-click one of the small images near the top left of the screen.
2.   Find the starting point of the tracing: the black dot on the outline.
3.   Trace the outline as closely as you can with the arrow keys.
4.   If necessary, move the pen by right-clicking a green pixel of the outline.
5.   Keep tracing until your moves are used up (&apos;Moves Left&apos; is zero).
6.   Read your score below the outline.
7.   To play again, press the End key and go back to step 1.</source>
        <extracomment>One step a line, each number followed by three blanks.</extracomment>
        <translation>1.   Fais un clic gauche sur une des petites images en haut à gauche de l’écran.
2.   Trouve le point de départ du tracé&#xa0;: le point noir sur le contour.
3.   Repasse le contour le plus fidèlement possible avec les touches fléchées.
4.   Si besoin, déplace le crayon par un clic droit sur un pixel vert du contour.
5.   Continue jusqu’à épuiser tes coups («&#xa0;Coups restants&#xa0;» vaut zéro).
6.   Lis ton score sous le contour.
7.   Pour rejouer, appuie sur la touche Fin et reviens à l’étape 1.</translation>
    </message>
    <message>
        <source>Hint: Of the two directions from the starting point, take the easier one first.</source>
        <translation>Astuce&#xa0;: depuis le point de départ, on peut partir dans deux directions&#xa0;; prends d’abord la plus facile.</translation>
    </message>
    <message>
        <source>If you hear a brr sound it means that you clicked or pressed a key that was not enabled at that moment, or that you clicked in the wrong place; no harm is done. Your scores last for as long as the program runs: press F2 to see them at any time.</source>
        <translation>Si tu entends un «&#xa0;brr&#xa0;», c’est que tu as cliqué ou appuyé sur une touche qui n’était pas permise à ce moment-là, ou que tu as cliqué au mauvais endroit&#xa0;; ce n’est pas grave. Tes scores restent tant que le programme tourne&#xa0;: appuie sur F2 pour les voir à tout moment.</translation>
    </message>
    <message>
        <source>The game works best at a screen resolution of 800x600.</source>
        <translation>Le jeu marche le mieux avec une résolution d’écran de 800x600.</translation>
    </message>
    <message>
        <source>O.R.L.I.X. is produced by the O.R.L.I.X. project.
These materials may not be copied or distributed without our permission.
Copyright (c) 2026 The O.R.L.I.X. project. All rights reserved.
The O.R.L.I.X. project, P.O. Box 418, Example Town, EX 00418
E-mail: games@example.org</source>
        <translation>O.R.L.I.X. est produit par le projet O.R.L.I.X.
Ces documents ne peuvent être ni copiés ni diffusés sans notre autorisation.
Copyright (c) 2026 Projet O.R.L.I.X. Tous droits réservés.
The O.R.L.I.X. project, P.O. Box 418, Example Town, EX 00418
Courriel&#xa0;: games@example.org</translation>
    </message>
    <message>
        <source>More free games from the O.R.L.I.X. project wait for you on our download site, downloads.example.org: open its Games page and search for &quot;O.R.L.I.X. project&quot;.</source>
        <translation>D’autres jeux gratuits du projet O.R.L.I.X. t’attendent sur notre site de téléchargement, downloads.example.org&#xa0;: ouvre sa page «&#xa0;Games&#xa0;» et cherche «&#xa0;O.R.L.I.X. project&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About O.R.L.I.X....</source>
        <translation>À &amp;propos d’O.R.L.I.X....</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <extracomment>The name a screen reader gives the exclamation-mark icon of the instructions box.</extracomment>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>Outline</name>
    <message>
        <source>Triangle</source>
        <extracomment>An outline&apos;s name. On the board it must fit a box as wide as &quot;xTrianglex&quot; in the same font; in the scores dialog it has 8 characters of a fixed-pitch font.</extracomment>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Danseur</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Église</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Mug</source>
        <translation>Tasse</translation>
    </message>
    <message>
        <source>Vase</source>
        <translation>Vase</translation>
    </message>
    <message>
        <source>Clover</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Cadeau</translation>
    </message>
    <message>
        <source>Stairs</source>
        <translation>Escalier</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Poire</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Letter E</source>
        <translation>Lettre E</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer l’impression.</translation>
    </message>
</context>
<context>
    <name>ScoresDialog</name>
    <message>
        <source>Scores by Image. Score 0 is the Most Recent and Score -6 is the Oldest</source>
        <extracomment>The dialog&apos;s caption, which the window manager draws in about 500 pixels.</extracomment>
        <translation>Scores par image&#xa0;: le 0 est le plus récent, le -6 le plus ancien</translation>
    </message>
    <message>
        <source>Image      Score 0  Score -1  Score -2  Score -3  Score -4  Score -5  Score -6</source>
        <extracomment>In a fixed-pitch font, each heading above its column: the first at character 12, the second at 21, and every further one 10 characters to the right; 79 characters at most.</extracomment>
        <translation>Image      Score 0  Score -1  Score -2  Score -3  Score -4  Score -5  Score -6</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1, Score %2</source>
        <extracomment>A score field&apos;s name for a screen reader: the outline, then the column as the header above the fields names it (&quot;Score 0&quot; is the newest).</extracomment>
        <translation>%1, Score %2</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>O.R.L.I.X. Copyright (c) 2026, all rights reserved -- </source>
        <extracomment>Start of the window title, before the date and time.</extracomment>
        <translation>O.R.L.I.X. Copyright (c) 2026, tous droits réservés -- </translation>
    </message>
    <message>
        <source> -- Version K418</source>
        <extracomment>End of the window title, after the date and time.</extracomment>
        <translation> -- Version K418</translation>
    </message>
</context>
</TS>
