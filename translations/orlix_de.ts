<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>O.R.L.I.X. Version K418 </source>
        <translation>O.R.L.I.X. Version K418 </translation>
    </message>
    <message>
        <source>To see instructions press F1</source>
        <translation>Anleitung: Taste F1</translation>
    </message>
    <message>
        <source>To see past scores press F2</source>
        <translation>Bisherige Punkte: Taste F2</translation>
    </message>
    <message>
        <source>(c) 2026 O.R.L.I.X. project</source>
        <translation>(c) 2026 Projekt O.R.L.I.X.</translation>
    </message>
    <message>
        <source>About O.R.L.I.X.</source>
        <translation>Über O.R.L.I.X.</translation>
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
        <translation>Um den Stift zu versetzen, klicke mit der rechten Maustaste auf die gewünschte Stelle des Umrisses.
Um diese Auswahl abzubrechen, drücke Entf.</translation>
    </message>
    <message>
        <source>To play again, press the End Key.</source>
        <extracomment>Below the board once a game is over, on one line. &quot;End&quot; is the key&apos;s name on the keyboard.</extracomment>
        <translation>Um noch einmal zu spielen, drücke die Taste Ende.</translation>
    </message>
    <message>
        <source>Select an outline by left clicking on one of the images above.</source>
        <extracomment>One line under the pictures at the top left, 620 pixels wide at most.</extracomment>
        <translation>Wähle einen Umriss: Klicke mit der linken Maustaste auf eines der Bilder oben.</translation>
    </message>
    <message>
        <source>To view the instructions, press F1; to print them, press the Ctrl and P keys. To Quit, press the Alt and F4 keys.</source>
        <extracomment>One line along the bottom of the window, which may be only 800 pixels wide: the English takes nearly all of it. The key names are those printed on the keyboard.</extracomment>
        <translation>Für die Anleitung drücke F1, zum Drucken die Tasten Strg und P. Zum Beenden drücke die Tasten Alt und F4.</translation>
    </message>
    <message>
        <source>Try a screen size of 800x600 if possible. If not, try the smallest available screen size. This will make it easier to see the outlines.

Remember: All shapes are made up of horizontal and vertical segments. There is no such thing as a slanted line or a curve.

To see past scores from this session, press F2.</source>
        <extracomment>The column at the right of the board, 140 pixels wide and about 23 lines tall in an 800 x 600 window: short words, three paragraphs.</extracomment>
        <translation>Versuche wenn möglich eine Bildschirmgröße von 800x600, sonst die kleinste, die es gibt. So siehst du die Umrisse leichter.

Denk daran: Alle Formen bestehen aus waagrechten und senkrechten Stücken. Schräge Linien und Kurven gibt es nicht.

Die Punkte dieser Sitzung zeigt dir die Taste F2.</translation>
    </message>
    <message>
        <source>Moves Left: </source>
        <extracomment>Counter above the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Übrige Züge: </translation>
    </message>
    <message>
        <source>Move Count: </source>
        <extracomment>Counter above the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Züge: </translation>
    </message>
    <message>
        <source>Hit Count: </source>
        <extracomment>Counter above the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Treffer: </translation>
    </message>
    <message>
        <source>Misses: </source>
        <extracomment>Result below the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Verfehlt: </translation>
    </message>
    <message>
        <source>Hits: </source>
        <extracomment>Result below the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Treffer: </translation>
    </message>
    <message>
        <source>Score: </source>
        <extracomment>Result below the board, from 0 to 100; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Punkte: </translation>
    </message>
</context>
<context>
    <name>CORLIXApp</name>
    <message>
        <source>Failed to create empty document.</source>
        <translation>Das leere Dokument konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CORLIXDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the options and exit.</source>
        <translation>Die Optionen zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Qt platform plugin to use (xcb, wayland).</source>
        <translation>Das zu verwendende Qt-Plattform-Plugin (xcb, wayland).</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --platform, as --help shows it: &lt;name&gt;.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>X display to use.</source>
        <translation>Die zu verwendende X-Anzeige.</translation>
    </message>
    <message>
        <source>display</source>
        <extracomment>The value of --display, as --help shows it: &lt;display&gt;.</extracomment>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>O.R.L.I.X.: trace an outline with the arrow keys, one move at a time.</source>
        <translation>O.R.L.I.X.: Fahre einen Umriss mit den Pfeiltasten nach, Zug um Zug.</translation>
    </message>
    <message>
        <source>document</source>
        <extracomment>The document argument, as --help names it; the same word as in &quot;[document]&quot;.</extracomment>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>A file to open as the (empty) document.</source>
        <translation>Eine Datei, die als (leeres) Dokument geöffnet wird.</translation>
    </message>
    <message>
        <source>[document]</source>
        <translation>[Dokument]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [document]</source>
        <extracomment>The first line of --help; %1 is the program&apos;s name.</extracomment>
        <translation>Aufruf: %1 [Optionen] [Dokument]</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; ignored</source>
        <translation>unbekannte Option „%1“ übergangen</translation>
    </message>
    <message>
        <source>only one document can be opened; &apos;%1&apos; ignored</source>
        <translation>nur ein Dokument kann geöffnet werden; „%1“ übergangen</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Welcome to O.R.L.I.X.! The object of the game is to trace a selected outline as closely as possible with the four arrow keys, near the bottom right of your keyboard: you trace over the light green outline with a black pen. When the game comes up, small images near the top left corner of the screen stand for the outlines; left-click one and its outline appears in the centre of the screen, with a black dot on it: your first move, already made for you. Above the outline are three numbers. &apos;Hit Count&apos; starts at one and goes up by one each time the pen covers a green pixel of the outline. &apos;Move Count&apos; starts at one and goes up by one for each arrow-key press and each move of the pen by a right-click on the outline. &apos;Moves Left&apos;, the presses and pen moves you have left, starts one below the number shown inside the outline and goes down by one with each of them. When it reaches zero the game ends, and your hits and misses appear below the outline with your score, from 0 to 100. To play: </source>
        <extracomment>The instructions begin here; F1 shows them, and the printed page, which must hold all of them on one page, also carries the last block. Keep to about the length of the English. The counters&apos; names in quotes are the labels above the board, without their colons.</extracomment>
        <translation>Willkommen bei O.R.L.I.X.! Ziel des Spiels ist es, einen ausgewählten Umriss so genau wie möglich mit den vier Pfeiltasten unten rechts auf deiner Tastatur nachzufahren: Du fährst mit einem schwarzen Stift über den hellgrünen Umriss. Wenn das Spiel startet, stehen kleine Bilder oben links auf dem Bildschirm für die Umrisse; klicke mit der linken Maustaste auf eines, und sein Umriss erscheint in der Mitte des Bildschirms, mit einem schwarzen Punkt darauf: deinem ersten Zug, schon für dich gemacht. Über dem Umriss stehen drei Zahlen. „Treffer“ beginnt bei eins und steigt um eins, sooft der Stift einen grünen Bildpunkt des Umrisses bedeckt. „Züge“ beginnt bei eins und steigt um eins mit jedem Druck auf eine Pfeiltaste und jedem Versetzen des Stifts durch einen Rechtsklick auf den Umriss. „Übrige&#xa0;Züge“, die Tastendrücke und Versetzungen, die dir bleiben, beginnt eins unter der Zahl im Umriss und sinkt mit jedem davon um eins. Bei null endet das Spiel, und unter dem Umriss erscheinen deine Treffer, was du verfehlt hast und deine Punkte, von 0 bis 100. So spielst du: </translation>
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
        <translation>1.   Klicke mit der linken Maustaste auf eines der kleinen Bilder oben links.
2.   Suche den Startpunkt: den schwarzen Punkt auf dem Umriss.
3.   Fahre den Umriss mit den Pfeiltasten so genau nach, wie du kannst.
4.   Wenn nötig, versetze den Stift per Rechtsklick auf einen grünen Bildpunkt des Umrisses.
5.   Fahre weiter, bis deine Züge verbraucht sind („Übrige&#xa0;Züge“ ist null).
6.   Lies deine Punkte unter dem Umriss ab.
7.   Um noch einmal zu spielen, drücke die Taste Ende und beginne wieder bei Schritt 1.</translation>
    </message>
    <message>
        <source>Hint: Of the two directions from the starting point, take the easier one first.</source>
        <translation>Tipp: Vom Startpunkt aus geht es in zwei Richtungen; nimm zuerst die leichtere.</translation>
    </message>
    <message>
        <source>If you hear a brr sound it means that you clicked or pressed a key that was not enabled at that moment, or that you clicked in the wrong place; no harm is done. Your scores last for as long as the program runs: press F2 to see them at any time.</source>
        <translation>Wenn du ein „Brr“ hörst, hast du geklickt oder eine Taste gedrückt, die in diesem Moment nicht erlaubt war, oder an die falsche Stelle geklickt; das schadet nichts. Deine Punkte bleiben, solange das Programm läuft: Mit F2 siehst du sie jederzeit.</translation>
    </message>
    <message>
        <source>The game works best at a screen resolution of 800x600.</source>
        <translation>Das Spiel läuft am besten bei einer Bildschirmauflösung von 800x600.</translation>
    </message>
    <message>
        <source>O.R.L.I.X. is produced by the O.R.L.I.X. project.
These materials may not be copied or distributed without our permission.
Copyright (c) 2026 The O.R.L.I.X. project. All rights reserved.
The O.R.L.I.X. project, P.O. Box 418, Example Town, EX 00418
E-mail: games@example.org</source>
        <translation>O.R.L.I.X. wird vom Projekt O.R.L.I.X. herausgegeben.
Diese Materialien dürfen ohne unsere Erlaubnis weder kopiert noch weitergegeben werden.
Copyright (c) 2026 Projekt O.R.L.I.X. Alle Rechte vorbehalten.
The O.R.L.I.X. project, P.O. Box 418, Example Town, EX 00418
E-Mail: games@example.org</translation>
    </message>
    <message>
        <source>More free games from the O.R.L.I.X. project wait for you on our download site, downloads.example.org: open its Games page and search for &quot;O.R.L.I.X. project&quot;.</source>
        <translation>Weitere kostenlose Spiele des Projekts O.R.L.I.X. warten auf unserer Download-Seite downloads.example.org auf dich: Öffne dort die Seite „Games“ und suche nach „O.R.L.I.X. project“.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About O.R.L.I.X....</source>
        <translation>Ü&amp;ber O.R.L.I.X....</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <extracomment>The name a screen reader gives the exclamation-mark icon of the instructions box.</extracomment>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>Outline</name>
    <message>
        <source>Triangle</source>
        <extracomment>An outline&apos;s name. On the board it must fit a box as wide as &quot;xTrianglex&quot; in the same font; in the scores dialog it has 8 characters of a fixed-pitch font.</extracomment>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Tänzer</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Kirche</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Mug</source>
        <translation>Becher</translation>
    </message>
    <message>
        <source>Vase</source>
        <translation>Vase</translation>
    </message>
    <message>
        <source>Clover</source>
        <translation>Klee</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>Stairs</source>
        <translation>Treppe</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Birne</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Letter E</source>
        <translation>Großes E</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>ScoresDialog</name>
    <message>
        <source>Scores by Image. Score 0 is the Most Recent and Score -6 is the Oldest</source>
        <extracomment>The dialog&apos;s caption, which the window manager draws in about 500 pixels.</extracomment>
        <translation>Punkte je Bild: Runde 0 ist die neueste, Runde -6 die älteste</translation>
    </message>
    <message>
        <source>Image      Score 0  Score -1  Score -2  Score -3  Score -4  Score -5  Score -6</source>
        <extracomment>In a fixed-pitch font, each heading above its column: the first at character 12, the second at 21, and every further one 10 characters to the right; 79 characters at most.</extracomment>
        <translation>Bild       Runde 0  Runde -1  Runde -2  Runde -3  Runde -4  Runde -5  Runde -6</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1, Score %2</source>
        <extracomment>A score field&apos;s name for a screen reader: the outline, then the column as the header above the fields names it (&quot;Score 0&quot; is the newest).</extracomment>
        <translation>%1, Runde %2</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>O.R.L.I.X. Copyright (c) 2026, all rights reserved -- </source>
        <extracomment>Start of the window title, before the date and time.</extracomment>
        <translation>O.R.L.I.X. Copyright (c) 2026, alle Rechte vorbehalten -- </translation>
    </message>
    <message>
        <source> -- Version K418</source>
        <extracomment>End of the window title, after the date and time.</extracomment>
        <translation> -- Version K418</translation>
    </message>
</context>
</TS>
