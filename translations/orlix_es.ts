<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>O.R.L.I.X. Version K418 </source>
        <translation>O.R.L.I.X. Versión K418 </translation>
    </message>
    <message>
        <source>To see instructions press F1</source>
        <translation>Instrucciones: pulsa F1</translation>
    </message>
    <message>
        <source>To see past scores press F2</source>
        <translation>Puntuaciones: pulsa F2</translation>
    </message>
    <message>
        <source>(c) 2026 O.R.L.I.X. project</source>
        <translation>(c) 2026 proyecto O.R.L.I.X.</translation>
    </message>
    <message>
        <source>About O.R.L.I.X.</source>
        <translation>Acerca de O.R.L.I.X.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>To reposition the tracing pen, right click at the desired point on the outline.
To cancel this selection, press Delete.</source>
        <extracomment>Below the board while tracing: two lines, each centred on one line of its own across the window, also in a window 800 pixels wide. &quot;Delete&quot; is the key&apos;s name on the keyboard.</extracomment>
        <translation>Para mover el lápiz, haz clic derecho en el punto deseado del contorno.
Para cancelar esta selección, pulsa Supr.</translation>
    </message>
    <message>
        <source>To play again, press the End Key.</source>
        <extracomment>Below the board once a game is over, on one line. &quot;End&quot; is the key&apos;s name on the keyboard.</extracomment>
        <translation>Para volver a jugar, pulsa la tecla Fin.</translation>
    </message>
    <message>
        <source>Select an outline by left clicking on one of the images above.</source>
        <extracomment>One line under the pictures at the top left, 620 pixels wide at most.</extracomment>
        <translation>Elige un contorno haciendo clic izquierdo en una de las imágenes de arriba.</translation>
    </message>
    <message>
        <source>To view the instructions, press F1; to print them, press the Ctrl and P keys. To Quit, press the Alt and F4 keys.</source>
        <extracomment>One line along the bottom of the window, which may be only 800 pixels wide: the English takes nearly all of it. The key names are those printed on the keyboard.</extracomment>
        <translation>Para ver las instrucciones, pulsa F1; para imprimirlas, las teclas Ctrl y P. Para salir, pulsa las teclas Alt y F4.</translation>
    </message>
    <message>
        <source>Try a screen size of 800x600 if possible. If not, try the smallest available screen size. This will make it easier to see the outlines.

Remember: All shapes are made up of horizontal and vertical segments. There is no such thing as a slanted line or a curve.

To see past scores from this session, press F2.</source>
        <extracomment>The column at the right of the board, 140 pixels wide and about 23 lines tall in an 800 x 600 window: short words, three paragraphs.</extracomment>
        <translation>Si puedes, prueba un tamaño de pantalla de 800x600. Si no, prueba el más pequeño que haya. Así verás mejor los contornos.

Recuerda: todas las formas están hechas de tramos horizontales y verticales. No hay líneas inclinadas ni curvas.

Para ver las puntuaciones de esta sesión, pulsa F2.</translation>
    </message>
    <message>
        <source>Moves Left: </source>
        <extracomment>Counter above the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Te quedan: </translation>
    </message>
    <message>
        <source>Move Count: </source>
        <extracomment>Counter above the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Movimientos: </translation>
    </message>
    <message>
        <source>Hit Count: </source>
        <extracomment>Counter above the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Aciertos: </translation>
    </message>
    <message>
        <source>Misses: </source>
        <extracomment>Result below the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Fallos: </translation>
    </message>
    <message>
        <source>Hits: </source>
        <extracomment>Result below the board; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Aciertos: </translation>
    </message>
    <message>
        <source>Score: </source>
        <extracomment>Result below the board, from 0 to 100; the number follows the blank. At most 20 bytes.</extracomment>
        <translation>Puntuación: </translation>
    </message>
</context>
<context>
    <name>CORLIXApp</name>
    <message>
        <source>Failed to create empty document.</source>
        <translation>No se pudo crear el documento vacío.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>No se pudo abrir el documento.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>No se pudo guardar el documento.</translation>
    </message>
</context>
<context>
    <name>CORLIXDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the options and exit.</source>
        <translation>Mostrar las opciones y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Qt platform plugin to use (xcb, wayland).</source>
        <translation>Complemento de plataforma de Qt que usar (xcb, wayland).</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The value of --platform, as --help shows it: &lt;name&gt;.</extracomment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>X display to use.</source>
        <translation>Pantalla X que usar.</translation>
    </message>
    <message>
        <source>display</source>
        <extracomment>The value of --display, as --help shows it: &lt;display&gt;.</extracomment>
        <translation>pantalla</translation>
    </message>
    <message>
        <source>O.R.L.I.X.: trace an outline with the arrow keys, one move at a time.</source>
        <translation>O.R.L.I.X.: repasa un contorno con las flechas, movimiento a movimiento.</translation>
    </message>
    <message>
        <source>document</source>
        <extracomment>The document argument, as --help names it; the same word as in &quot;[document]&quot;.</extracomment>
        <translation>documento</translation>
    </message>
    <message>
        <source>A file to open as the (empty) document.</source>
        <translation>Un archivo que abrir como documento (vacío).</translation>
    </message>
    <message>
        <source>[document]</source>
        <translation>[documento]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [document]</source>
        <extracomment>The first line of --help; %1 is the program&apos;s name.</extracomment>
        <translation>Uso: %1 [opciones] [documento]</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; ignored</source>
        <translation>opción desconocida «%1» ignorada</translation>
    </message>
    <message>
        <source>only one document can be opened; &apos;%1&apos; ignored</source>
        <translation>solo se puede abrir un documento; «%1» ignorado</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Welcome to O.R.L.I.X.! The object of the game is to trace a selected outline as closely as possible with the four arrow keys, near the bottom right of your keyboard: you trace over the light green outline with a black pen. When the game comes up, small images near the top left corner of the screen stand for the outlines; left-click one and its outline appears in the centre of the screen, with a black dot on it: your first move, already made for you. Above the outline are three numbers. &apos;Hit Count&apos; starts at one and goes up by one each time the pen covers a green pixel of the outline. &apos;Move Count&apos; starts at one and goes up by one for each arrow-key press and each move of the pen by a right-click on the outline. &apos;Moves Left&apos;, the presses and pen moves you have left, starts one below the number shown inside the outline and goes down by one with each of them. When it reaches zero the game ends, and your hits and misses appear below the outline with your score, from 0 to 100. To play: </source>
        <extracomment>The instructions begin here; F1 shows them, and the printed page, which must hold all of them on one page, also carries the last block. Keep to about the length of the English. The counters&apos; names in quotes are the labels above the board, without their colons.</extracomment>
        <translation>¡Te damos la bienvenida a O.R.L.I.X.! El objetivo del juego es repasar un contorno elegido con la mayor precisión posible con las cuatro teclas de flecha, abajo a la derecha del teclado: repasas el contorno verde claro con un lápiz negro. Al empezar el juego, unas imágenes pequeñas en la esquina superior izquierda de la pantalla representan los contornos; haz clic izquierdo en una y su contorno aparece en el centro de la pantalla, con un punto negro encima: tu primer movimiento, ya hecho por ti. Encima del contorno hay tres números. «Aciertos» empieza en uno y sube uno cada vez que el lápiz cubre un píxel verde del contorno. «Movimientos» empieza en uno y sube uno con cada pulsación de una flecha y cada vez que mueves el lápiz con un clic derecho en el contorno. «Te quedan», las pulsaciones y movimientos que aún puedes hacer, empieza uno por debajo del número que hay dentro del contorno y baja uno con cada uno de ellos. Al llegar a cero, la partida termina y tus aciertos y fallos aparecen debajo del contorno con tu puntuación, de 0 a 100. Para jugar: </translation>
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
        <translation>1.   Haz clic izquierdo en una de las imágenes pequeñas de arriba a la izquierda.
2.   Busca el punto de partida del trazado: el punto negro del contorno.
3.   Repasa el contorno con las flechas con la mayor precisión que puedas.
4.   Si hace falta, mueve el lápiz con un clic derecho en un píxel verde del contorno.
5.   Sigue trazando hasta gastar tus movimientos («Te quedan» llega a cero).
6.   Lee tu puntuación debajo del contorno.
7.   Para volver a jugar, pulsa la tecla Fin y vuelve al paso 1.</translation>
    </message>
    <message>
        <source>Hint: Of the two directions from the starting point, take the easier one first.</source>
        <translation>Pista: desde el punto de partida puedes ir en dos direcciones; toma primero la más fácil.</translation>
    </message>
    <message>
        <source>If you hear a brr sound it means that you clicked or pressed a key that was not enabled at that moment, or that you clicked in the wrong place; no harm is done. Your scores last for as long as the program runs: press F2 to see them at any time.</source>
        <translation>Si oyes un «brr», es que has hecho clic o pulsado una tecla que en ese momento no estaba permitida, o que has hecho clic en un sitio equivocado; no pasa nada. Tus puntuaciones se guardan mientras el programa esté abierto: pulsa F2 para verlas cuando quieras.</translation>
    </message>
    <message>
        <source>The game works best at a screen resolution of 800x600.</source>
        <translation>El juego funciona mejor con una resolución de pantalla de 800x600.</translation>
    </message>
    <message>
        <source>O.R.L.I.X. is produced by the O.R.L.I.X. project.
These materials may not be copied or distributed without our permission.
Copyright (c) 2026 The O.R.L.I.X. project. All rights reserved.
The O.R.L.I.X. project, P.O. Box 418, Example Town, EX 00418
E-mail: games@example.org</source>
        <translation>O.R.L.I.X. es una producción del proyecto O.R.L.I.X.
Estos materiales no se pueden copiar ni distribuir sin nuestro permiso.
Copyright (c) 2026 Proyecto O.R.L.I.X. Todos los derechos reservados.
The O.R.L.I.X. project, P.O. Box 418, Example Town, EX 00418
Correo electrónico: games@example.org</translation>
    </message>
    <message>
        <source>More free games from the O.R.L.I.X. project wait for you on our download site, downloads.example.org: open its Games page and search for &quot;O.R.L.I.X. project&quot;.</source>
        <translation>Más juegos gratuitos del proyecto O.R.L.I.X. te esperan en nuestro sitio de descargas, downloads.example.org: abre su página «Games» y busca «O.R.L.I.X. project».</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About O.R.L.I.X....</source>
        <translation>&amp;Acerca de O.R.L.I.X....</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <extracomment>The name a screen reader gives the exclamation-mark icon of the instructions box.</extracomment>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>Outline</name>
    <message>
        <source>Triangle</source>
        <extracomment>An outline&apos;s name. On the board it must fit a box as wide as &quot;xTrianglex&quot; in the same font; in the scores dialog it has 8 characters of a fixed-pitch font.</extracomment>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Dancer</source>
        <translation>Bailarín</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Iglesia</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Rejilla</translation>
    </message>
    <message>
        <source>Mug</source>
        <translation>Taza</translation>
    </message>
    <message>
        <source>Vase</source>
        <translation>Jarrón</translation>
    </message>
    <message>
        <source>Clover</source>
        <translation>Trébol</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Regalo</translation>
    </message>
    <message>
        <source>Stairs</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Pera</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Letter E</source>
        <translation>Letra E</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Could not start print job.</source>
        <translation>No se pudo iniciar la impresión.</translation>
    </message>
</context>
<context>
    <name>ScoresDialog</name>
    <message>
        <source>Scores by Image. Score 0 is the Most Recent and Score -6 is the Oldest</source>
        <extracomment>The dialog&apos;s caption, which the window manager draws in about 500 pixels.</extracomment>
        <translation>Puntos por imagen. Ronda 0: la última; -6: la más antigua</translation>
    </message>
    <message>
        <source>Image      Score 0  Score -1  Score -2  Score -3  Score -4  Score -5  Score -6</source>
        <extracomment>In a fixed-pitch font, each heading above its column: the first at character 12, the second at 21, and every further one 10 characters to the right; 79 characters at most.</extracomment>
        <translation>Imagen     Ronda 0  Ronda -1  Ronda -2  Ronda -3  Ronda -4  Ronda -5  Ronda -6</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1, Score %2</source>
        <extracomment>A score field&apos;s name for a screen reader: the outline, then the column as the header above the fields names it (&quot;Score 0&quot; is the newest).</extracomment>
        <translation>%1, Ronda %2</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>O.R.L.I.X. Copyright (c) 2026, all rights reserved -- </source>
        <extracomment>Start of the window title, before the date and time.</extracomment>
        <translation>O.R.L.I.X. Copyright (c) 2026, derechos reservados -- </translation>
    </message>
    <message>
        <source> -- Version K418</source>
        <extracomment>End of the window title, after the date and time.</extracomment>
        <translation> -- Versión K418</translation>
    </message>
</context>
</TS>
