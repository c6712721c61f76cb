<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>translator-credits</source>
        <extracomment>Not shown as it is. Write the names of the people who translated Quarnel into your language, separated by commas: About lists them beside your language&apos;s name.</extracomment>
        <translation>Los desarrolladores de Quarnel</translation>
    </message>
    <message>
        <source>About Quarnel</source>
        <extracomment>The title of the About window.</extracomment>
        <translation>Acerca de Quarnel</translation>
    </message>
    <message>
        <source>A teaching program that shows the interference of light behind two slits.</source>
        <extracomment>About&apos;s one sentence on what Quarnel is.</extracomment>
        <translation>Un programa didáctico que muestra la interferencia de la luz detrás de dos rendijas.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;%1&quot;&gt;MIT licence&lt;/a&gt;.</source>
        <extracomment>Keep the link as it is: clicking &quot;MIT licence&quot; shows the licence&apos;s text (which stays in English, as the licence is written).</extracomment>
        <translation>Software libre bajo la &lt;a href=&quot;%1&quot;&gt;licencia MIT&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Home page: %1</source>
        <extracomment>%1 is the address of Quarnel&apos;s home page, as a link.</extracomment>
        <translation>Página principal: %1</translation>
    </message>
    <message>
        <source>Report bugs at: %1</source>
        <extracomment>%1 is the address where bugs are reported, as a link.</extracomment>
        <translation>Informar de errores: %1</translation>
    </message>
    <message>
        <source>Translations</source>
        <extracomment>The heading of About&apos;s list of languages, each with the names of its translators.</extracomment>
        <translation>Traducciones</translation>
    </message>
    <message>
        <source>Runs on Qt %1</source>
        <extracomment>%1 is the version of the Qt libraries Quarnel runs on, such as 6.4.2.</extracomment>
        <translation>Funciona con Qt %1</translation>
    </message>
    <message>
        <source>language-name</source>
        <extracomment>Not shown as it is. Write your language&apos;s name in your language, as About lists it with the names of its translators: for example Čeština, Deutsch.</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Decimals</name>
    <message>
        <source>%1 pixels</source>
        <comment>after decimals</comment>
        <extracomment>A length as a screen reader speaks it, after a number with decimals (&quot;12.5 pixels&quot;); %1 the number.</extracomment>
        <translation>%1 píxeles</translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <extracomment>A length in whole pixels as a screen reader speaks it; give every plural form your language has (2 pixely, 5 pixelů).</extracomment>
        <translation>
            <numerusform>%n píxel</numerusform>
            <numerusform>%n píxeles</numerusform>
        </translation>
    </message>
    <message>
        <source>radians per pixel</source>
        <extracomment>The unit &quot;rad/px&quot; of the wave number k as a screen reader speaks it.</extracomment>
        <translation>radianes por píxel</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel</source>
        <extracomment>One pixel as a screen reader speaks it (%n is 1); give every plural form your language has.</extracomment>
        <translation>
            <numerusform>%n píxel</numerusform>
            <numerusform>%n píxel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExplorePlot</name>
    <message>
        <source>height above the optical axis (px)</source>
        <extracomment>The plot&apos;s vertical axis title: the height above the optical axis, in pixels.</extracomment>
        <translation>altura sobre el eje óptico (px)</translation>
    </message>
    <message>
        <source>intensity, each run to its own maximum</source>
        <extracomment>The plot&apos;s horizontal axis title: each run&apos;s intensity is scaled so that its own largest value fills the width.</extracomment>
        <translation>intensidad, cada barrido respecto a su propio máximo</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Explore a run</source>
        <extracomment>The title of the window that inspects the last run point by point (Ctrl+E).</extracomment>
        <translation>Explorar un barrido</translation>
    </message>
    <message>
        <source>&amp;Point:</source>
        <extracomment>The label of the box that selects one of the screen line&apos;s 399 points; &amp; marks the access key.</extracomment>
        <translation>&amp;Punto:</translation>
    </message>
    <message>
        <source>Selected point</source>
        <extracomment>The accessible name of the point box, and the title of the group of readouts for that point.</extracomment>
        <translation>Punto elegido</translation>
    </message>
    <message>
        <source>The point of the screen line, 1 at the bottom to %1 at the top; Page Up and Page Down move %2 points</source>
        <extracomment>The point box, for a screen reader: %1 is the number of points (399), %2 how many points Page Up and Page Down move.</extracomment>
        <translation>El punto de la pantalla, de 1 abajo a %1 arriba; Re Pág y Av Pág mueven %2 puntos</translation>
    </message>
    <message>
        <source>Point on the screen line</source>
        <extracomment>The accessible name of the slider that selects the same point as the point box.</extracomment>
        <translation>Punto en la pantalla</translation>
    </message>
    <message>
        <source>Next bright point (%1)</source>
        <extracomment>%1 is the key, &quot;N&quot;.</extracomment>
        <translation>Siguiente punto brillante (%1)</translation>
    </message>
    <message>
        <source>Next dark point (%1)</source>
        <extracomment>%1 is the key, &quot;Shift+N&quot; in the desktop&apos;s words.</extracomment>
        <translation>Siguiente punto oscuro (%1)</translation>
    </message>
    <message>
        <source>Intensity against height</source>
        <extracomment>The accessible name of the plot: the run&apos;s intensity drawn against the height above the optical axis.</extracomment>
        <translation>Intensidad según la altura</translation>
    </message>
    <message>
        <source>Band spacing near the axis</source>
        <extracomment>A readout: the distance between neighbouring bright bands near the optical axis.</extracomment>
        <translation>Separación de franjas cerca del eje</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <extracomment>The title (and accessible name of the table) of the runs kept to compare with each other.</extracomment>
        <translation>Barridos lado a lado</translation>
    </message>
    <message>
        <source>&amp;Keep this run</source>
        <extracomment>A button: keeps the last run in the table to compare with later runs; &amp; marks the access key.</extracomment>
        <translation>Co&amp;nservar este barrido</translation>
    </message>
    <message>
        <source>Keeps the last run to compare with the next ones; up to %1, the oldest giving way to a fifth</source>
        <extracomment>Accessible description of the keep button: %1 is how many runs are kept at most (4).</extracomment>
        <translation>Conserva el último barrido para compararlo con los siguientes; hasta %1, y un quinto sustituye al más antiguo</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <extracomment>A button: saves the run&apos;s points as a CSV file for a spreadsheet; &amp; marks the access key.</extracomment>
        <translation>&amp;Guardar la tabla...</translation>
    </message>
    <message>
        <source>Writes every point of the run as a CSV file for a spreadsheet</source>
        <extracomment>Accessible description of the save-table button.</extracomment>
        <translation>Escribe todos los puntos del barrido en un archivo CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <extracomment>A button: puts the run&apos;s points on the clipboard for a spreadsheet; &amp; marks the access key.</extracomment>
        <translation>&amp;Copiar la tabla</translation>
    </message>
    <message>
        <source>Puts every point of the run on the clipboard, ready to paste into a spreadsheet</source>
        <extracomment>Accessible description of the copy-table button.</extracomment>
        <translation>Pone todos los puntos del barrido en el portapapeles, listos para pegar en una hoja de cálculo</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button that closes the Explore window.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No run yet: press Start in the main window, and the run&apos;s points appear here as it goes.</source>
        <extracomment>The status line of the Explore window before the first run.</extracomment>
        <translation>Todavía no hay barrido: pulse Iniciar en la ventana principal y sus puntos aparecerán aquí a medida que avance.</translation>
    </message>
    <message>
        <source>The run is going: %1 of %2 points so far.</source>
        <extracomment>The status line during a run: %1 points plotted so far of %2 (399).</extracomment>
        <translation>El barrido está en curso: %1 de %2 puntos hasta ahora.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points.</source>
        <extracomment>The status line after a run stopped with Escape: %1 points plotted of %2 (399).</extracomment>
        <translation>El barrido se detuvo tras %1 de %2 puntos.</translation>
    </message>
    <message>
        <source>Last run: %1. %2</source>
        <extracomment>%1 the last run&apos;s settings in words, %2 how far it went (empty for a whole run).</extracomment>
        <translation>Último barrido: %1. %2</translation>
    </message>
    <message>
        <source>not plotted yet</source>
        <extracomment>What every readout shows when the selected point has not been plotted yet by the run going on.</extracomment>
        <translation>aún no representado</translation>
    </message>
    <message>
        <source>no run yet</source>
        <extracomment>What a readout shows before the first run.</extracomment>
        <translation>todavía no hay barrido</translation>
    </message>
    <message>
        <source>%1 px</source>
        <extracomment>A length in pixels; %1 is the number.</extracomment>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>measured %1; small-angle formula λL/s %2</source>
        <extracomment>The band spacing: %1 measured on the run, %2 as the small-angle formula gives it (each in pixels or &quot;none&quot;); keep λL/s as it is.</extracomment>
        <translation>medida %1; fórmula para ángulos pequeños λL/s %2</translation>
    </message>
    <message>
        <source>Empty: no run yet.</source>
        <extracomment>The plot&apos;s description for a screen reader before the first run.</extracomment>
        <translation>Vacía: todavía no hay barrido.</translation>
    </message>
    <message>
        <source>What the last run plotted against the height above the optical axis, %1 of %2 points, as a solid line scaled to its maximum.</source>
        <extracomment>The plot&apos;s description for a screen reader: %1 the points plotted so far, %2 all points (399).</extracomment>
        <translation>Lo que el último barrido representó según la altura sobre el eje óptico, %1 de %2 puntos, como línea continua referida a su máximo.</translation>
    </message>
    <message>
        <source>No fringe marks: the path difference is the same everywhere.</source>
        <extracomment>The plot with both slits at one place: no bright or dark marks.</extracomment>
        <translation>Sin marcas de franjas: la diferencia de camino es igual en todas partes.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run: its settings in words, then the style of its line (&quot;dashed&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kept runs beside it: %1.</source>
        <extracomment>The kept runs for a screen reader: %1 lists them, separated by semicolons.</extracomment>
        <translation>Barridos conservados al lado: %1.</translation>
    </message>
    <message>
        <source>Selected: point %1, %2 px above the axis.</source>
        <extracomment>The selected point for a screen reader: %1 its number (1 … 399), %2 its height above the axis in pixels.</extracomment>
        <translation>Elegido: punto %1, a %2 px sobre el eje.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <extracomment>The title of the file dialog that saves the run&apos;s table.</extracomment>
        <translation>Guardar la tabla como</translation>
    </message>
    <message>
        <source>interference.csv</source>
        <extracomment>The file name the save dialog suggests; keep the .csv ending.</extracomment>
        <translation>interferencia.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file-type filter of the save dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A warning: %1 the file name, %2 the system&apos;s reason (for example &quot;No space left on device&quot;).</extracomment>
        <translation>No se pudo guardar la tabla como «%1»: %2</translation>
    </message>
    <message>
        <source>Solid marks: order m, where the path difference is m wavelengths. Dotted: where it is a whole number and a half. Dashed: where the small-angle formula y = m·λ·L/s puts the orders (L the screen&apos;s distance, s the slits&apos; separation).</source>
        <extracomment>The plot&apos;s legend: its marks are orders, not the bands the plot shows. Keep the formula y = m·λ·L/s as it is: m the order, λ the wavelength, L the screen&apos;s distance, s the slits&apos; separation.</extracomment>
        <translation>Marcas continuas: orden m, donde la diferencia de camino es m longitudes de onda. Punteadas: donde es un número entero y medio. Discontinuas: donde la fórmula para ángulos pequeños y = m·λ·L/s sitúa los órdenes (L la distancia de la pantalla, s la separación entre las rendijas).</translation>
    </message>
    <message>
        <source>Bands and orders</source>
        <extracomment>The title of the group about the bands the plot shows and the orders m (path difference m wavelengths).</extracomment>
        <translation>Franjas y órdenes</translation>
    </message>
    <message>
        <source>The distance between the two bright bands nearest the optical axis, measured on the plot, beside what the small-angle formula λL/s gives</source>
        <extracomment>Accessible description of the band-spacing readout; keep λL/s as it is.</extracomment>
        <translation>La distancia entre las dos franjas brillantes más cercanas al eje óptico, medida en la gráfica, junto a lo que da la fórmula para ángulos pequeños λL/s</translation>
    </message>
    <message>
        <source>Orders: path difference m wavelengths, exact and by the small-angle formula</source>
        <extracomment>The accessible name of the table of where the path difference is m wavelengths, for each order m.</extracomment>
        <translation>Órdenes: diferencia de camino de m longitudes de onda, exactos y según la fórmula para ángulos pequeños</translation>
    </message>
    <message>
        <source>Solid marks, where the path difference is a whole number of wavelengths, lie on the axis and at %1 px above and below it, dotted marks halfway between.</source>
        <extracomment>The plot&apos;s marks for a screen reader: %1 the heights of the orders above the axis in pixels, separated by semicolons.</extracomment>
        <translation>Las marcas continuas, donde la diferencia de camino es un número entero de longitudes de onda, están en el eje y a %1 px por encima y por debajo, y las punteadas a medio camino entre ellas.</translation>
    </message>
    <message>
        <source>The small-angle formula puts the orders at %1 px.</source>
        <extracomment>%1 the heights (pixels) where the small-angle formula puts the orders, separated by semicolons.</extracomment>
        <translation>La fórmula para ángulos pequeños sitúa los órdenes a %1 px.</translation>
    </message>
    <message>
        <source>Bright point %1. %2</source>
        <extracomment>Said when N selects the next bright point: %1 its number (1 … 399), %2 its readouts.</extracomment>
        <translation>Punto brillante %1. %2</translation>
    </message>
    <message>
        <source>Dark point %1. %2</source>
        <extracomment>Said when Shift+N selects the next dark point: %1 its number (1 … 399), %2 its readouts.</extracomment>
        <translation>Punto oscuro %1. %2</translation>
    </message>
    <message>
        <source>Run kept.</source>
        <extracomment>Said when the Keep button has kept the last run in the table of runs.</extracomment>
        <translation>Barrido conservado.</translation>
    </message>
    <message>
        <source>Table saved to %1.</source>
        <extracomment>Said when the run&apos;s table has been saved: %1 the file&apos;s name, without its folder.</extracomment>
        <translation>Tabla guardada en %1.</translation>
    </message>
    <message>
        <source>Show the small-angle &amp;formula&apos;s marks (dashed)</source>
        <extracomment>A check box: also mark the whole-wavelength orders where the textbook small-angle formula puts them, as dashed lines; &amp; marks the access key.</extracomment>
        <translation>Mostrar las marcas de la fórmula para ángulos pe&amp;queños (discontinuas)</translation>
    </message>
    <message>
        <source>Point &amp;tones</source>
        <extracomment>A check box (on at first): each point the pupil selects sounds for a moment, as loud as the pattern&apos;s sound is at that point; &amp; marks the access key.</extracomment>
        <translation>&amp;Tonos de los puntos</translation>
    </message>
    <message>
        <source>Each point selected sounds for a moment, loud where the pattern is bright and silent where it is dark</source>
        <extracomment>Accessible description of the point tones&apos; check box.</extracomment>
        <translation>Cada punto elegido suena un instante: fuerte donde el patrón es brillante y en silencio donde es oscuro</translation>
    </message>
    <message>
        <source>Point %1: %2.</source>
        <extracomment>Said by R when the selected point has nothing to show: %1 its number (1 … 399), %2 why (&quot;not plotted yet&quot;, &quot;no run yet&quot;).</extracomment>
        <translation>Punto %1: %2.</translation>
    </message>
    <message>
        <source>Point %1, %2 px above the optical axis, brightness %3 % of the brightest.</source>
        <extracomment>Said by R: %1 the selected point&apos;s number (1 … 399), %2 its height above the optical axis in pixels (below it negative), %3 what the plot showed there, in per cent of the brightest point of the run.</extracomment>
        <translation>Punto %1, %2 px sobre el eje óptico, brillo del %3 % del más brillante.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <extracomment>The title of the help window, and of its print-out.</extracomment>
        <translation>Ayuda de Quarnel</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the help&apos;s numbers</comment>
        <extracomment>Not shown as it is. Your language&apos;s code (cs, de, fr ...): the help writes the numbers it works out as this language writes numbers (3,1 or 3.1).</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>What the picture shows</source>
        <extracomment>A heading of the help.</extracomment>
        <translation>Qué muestra la imagen</translation>
    </message>
    <message>
        <source>Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;%1&lt;/b&gt; scans the screen from the bottom to the top, point by point.</source>
        <extracomment>%1 is the Start button&apos;s caption. The source, barrier and detector screen are the picture&apos;s labels: use the same words.</extracomment>
        <translation>La luz de la &lt;b&gt;fuente&lt;/b&gt;, a la izquierda, pasa por una &lt;b&gt;barrera&lt;/b&gt; con dos rendijas, A por encima y B por debajo del eje óptico, y llega a la &lt;b&gt;pantalla&lt;/b&gt;. &lt;b&gt;%1&lt;/b&gt; recorre la pantalla de abajo arriba, punto a punto.</translation>
    </message>
    <message>
        <source>For every point of the screen the two paths from the slits become two &lt;b&gt;phasors&lt;/b&gt;: arrows 25 pixels long, each turned by the phase its path gives. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.</source>
        <extracomment>A phasor is the arrow that stands for a wave&apos;s phase: school physics&apos; word for it in your language (Zeiger, vecteur de Fresnel, wskaz ...).</extracomment>
        <translation>Para cada punto de la pantalla, los dos caminos desde las rendijas se convierten en dos &lt;b&gt;fasores&lt;/b&gt;: flechas de 25 píxeles, cada una girada según la fase que da su camino. Se suman uno a continuación del otro, y su suma, dibujada en &lt;b&gt;verde&lt;/b&gt;, da el brillo: cuatro veces el cuadrado de su longitud. Uno de cada veinte puntos muestra esta construcción: los rayos pálidos desde ambas rendijas, los dos fasores negros y su suma verde.</translation>
    </message>
    <message>
        <source>Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns %1 and %2) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern %3). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what the two give added together, as if there were no interference.</source>
        <extracomment>%1, %2 and %3 are the patterns&apos; names as their options say them.</extracomment>
        <translation>A la derecha del eje de la gráfica se traza el brillo a la altura del punto, como una &lt;b&gt;barra&lt;/b&gt; (patrones %1 e %2) o como &lt;b&gt;puntos de fotones&lt;/b&gt; aleatorios (patrón %3). A la izquierda del eje, tres &lt;b&gt;marcas azules&lt;/b&gt; siguen lo que daría cada rendija sola y lo que darían las dos juntas si no hubiera interferencia.</translation>
    </message>
    <message>
        <source>The physics</source>
        <extracomment>A heading of the help: the physics behind the picture, in a school&apos;s words.</extracomment>
        <translation>La física</translation>
    </message>
    <message>
        <source>Every point P of the screen gets light along two paths, one through slit A and one through slit B. Unless P lies level with the middle between the slits, one path is longer than the other: the difference of their lengths is the &lt;b&gt;path difference&lt;/b&gt; Δ = |PA − PB|.</source>
        <extracomment>P is a point of the screen, PA and PB its distances from the slits A and B; Δ is the path difference (keep the symbols).</extracomment>
        <translation>Cada punto P de la pantalla recibe luz por dos caminos, uno a través de la rendija A y otro a través de la rendija B. Salvo que P esté a la altura del punto medio entre las rendijas, un camino es más largo que el otro: la diferencia de sus longitudes es la &lt;b&gt;diferencia de camino&lt;/b&gt; Δ = |PA − PB|.</translation>
    </message>
    <message>
        <source>Along a path the wave&apos;s phase turns steadily, by k radians for every pixel: k is the &lt;b&gt;wave number&lt;/b&gt;, which the group %1 sets. So the two waves reach P turned against each other by the &lt;b&gt;phase difference&lt;/b&gt; φ = k·Δ. The phasors show it: φ is the angle between them.</source>
        <extracomment>%1 is the caption of the frequency group. k is the wave number, φ the phase difference (keep the symbols).</extracomment>
        <translation>A lo largo de un camino, la fase de la onda gira de forma uniforme, k radianes por cada píxel: k es el &lt;b&gt;número de onda&lt;/b&gt;, que fija el grupo %1. Así, las dos ondas llegan a P giradas una respecto de la otra la &lt;b&gt;diferencia de fase&lt;/b&gt; φ = k·Δ. Los fasores lo muestran: φ es el ángulo entre ellos.</translation>
    </message>
    <message>
        <source>Where φ is a whole number of turns (0, 2π, 4π, …) the phasors point the same way and their sum is twice as long as one: P is &lt;b&gt;bright&lt;/b&gt; (constructive interference). Where φ is half a turn more (π, 3π, …) they point against each other, their sum is zero and P is &lt;b&gt;dark&lt;/b&gt; (destructive interference). In between the brightness changes smoothly.</source>
        <extracomment>Constructive and destructive interference: school physics&apos; terms.</extracomment>
        <translation>Donde φ es un número entero de vueltas (0, 2π, 4π, …), los fasores apuntan en la misma dirección y su suma es el doble de larga que uno de ellos: P es &lt;b&gt;brillante&lt;/b&gt; (interferencia constructiva). Donde φ es media vuelta más (π, 3π, …), apuntan en sentidos opuestos, su suma es cero y P es &lt;b&gt;oscuro&lt;/b&gt; (interferencia destructiva). Entre medias, el brillo cambia de forma continua.</translation>
    </message>
    <message>
        <source>One whole turn of the phase takes one &lt;b&gt;wavelength&lt;/b&gt; λ = 2π/k: a point is bright where the path difference is a whole number of wavelengths, and dark where it is a whole number and a half. In the picture λ is measured in pixels:</source>
        <extracomment>λ is the wavelength (keep the symbol). The table of each frequency&apos;s wavelength follows this paragraph.</extracomment>
        <translation>Una vuelta completa de la fase corresponde a una &lt;b&gt;longitud de onda&lt;/b&gt; λ = 2π/k: un punto es brillante donde la diferencia de camino es un número entero de longitudes de onda, y oscuro donde es un número entero y medio. En la imagen, λ se mide en píxeles:</translation>
    </message>
    <message>
        <source>Wave number k, radians per pixel</source>
        <extracomment>A column heading of the table of wavelengths.</extracomment>
        <translation>Número de onda k, radianes por píxel</translation>
    </message>
    <message>
        <source>Wavelength λ, pixels</source>
        <extracomment>A column heading of the table of wavelengths.</extracomment>
        <translation>Longitud de onda λ, píxeles</translation>
    </message>
    <message>
        <source>Near the optical axis neighbouring bright bands lie about &lt;b&gt;Δy = λ·L/s&lt;/b&gt; apart: L is the distance from the barrier to the screen, s the distance between the slits, twice the spacing d that the group %1 sets (each slit lies d from the axis). Slits closer together, a longer wavelength or a farther screen spread the bands. With the settings Quarnel starts with (λ = %2, L = %3, s = %4 pixels) the bands lie about %5 pixels apart.</source>
        <extracomment>%1 is the caption of the slit-spacing group. L, s, d and Δy are symbols: keep them. %2 to %5 are numbers of pixels.</extracomment>
        <translation>Cerca del eje óptico, las franjas brillantes vecinas están a unos &lt;b&gt;Δy = λ·L/s&lt;/b&gt; unas de otras: L es la distancia de la barrera a la pantalla y s la distancia entre las rendijas, el doble de la separación d que fija el grupo %1 (cada rendija está a d del eje). Unas rendijas más juntas, una longitud de onda mayor o una pantalla más lejana separan las franjas. Con los ajustes con que empieza Quarnel (λ = %2, L = %3, s = %4 píxeles), las franjas están a unos %5 píxeles unas de otras.</translation>
    </message>
    <message>
        <source>The formula takes the angle θ between the axis and the way to P as small. For a screen far from the slits the path difference is s·sin θ, and for a small angle sin θ is about tan θ = y/L, so that the m-th band lies at y = m·λ·L/s. Far from the axis the angle is no longer small: the m-th band lies where s·sin θ = m·λ, at y = L·tan θ, farther out than the formula says, and the bands spread apart towards the top and the bottom of the screen. With the start-up settings the formula puts band %1 at %2 pixels from the axis; the run shows it at about %3. Where m·λ is more than s there is no m-th band at all.</source>
        <extracomment>θ is an angle, m a band&apos;s number (keep the symbols). %1 is the band&apos;s number (6), %2 and %3 numbers of pixels.</extracomment>
        <translation>La fórmula supone pequeño el ángulo θ entre el eje y la dirección hacia P. Para una pantalla lejos de las rendijas, la diferencia de camino es s·sen θ, y para un ángulo pequeño sen θ es casi igual a tan θ = y/L, de modo que la franja m-ésima está en y = m·λ·L/s. Lejos del eje el ángulo ya no es pequeño: la franja m-ésima está donde s·sen θ = m·λ, en y = L·tan θ, más lejos de lo que dice la fórmula, y las franjas se separan hacia los bordes superior e inferior de la pantalla. Con los ajustes iniciales, la fórmula pone la franja %1 a %2 píxeles del eje; el barrido la muestra a unos %3. Donde m·λ es mayor que s, no hay franja m-ésima.</translation>
    </message>
    <message>
        <source>The three patterns</source>
        <extracomment>A heading of the help: the three patterns and what each means physically.</extracomment>
        <translation>Los tres patrones</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: light as it falls on a screen. Each wave is weighted by a rule of the model&apos;s own that falls much faster with the distance from its slit than real light does; it looks like the dimming that the width of a real slit gives, so the bands fade towards the top and the bottom of the screen.</source>
        <extracomment>%1 is the pattern&apos;s name as its option says it.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;: la luz tal como llega a una pantalla. Cada onda se pondera con una regla propia del modelo, que cae con la distancia a su rendija mucho más deprisa que la luz real; se parece al debilitamiento que da la anchura de una rendija real, de modo que las franjas se apagan hacia los bordes superior e inferior de la pantalla.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: the interference alone, the squared length of the phasor sum, with no weakening. Every bright band is equally bright: this pattern shows most clearly where the bands lie.</source>
        <extracomment>%1 is the pattern&apos;s name as its option says it.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;: la interferencia sola, el cuadrado de la longitud de la suma de fasores, sin debilitamiento. Todas las franjas brillantes son igual de brillantes: este patrón muestra con más claridad dónde están las franjas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: light as photons, the small portions it arrives in. The run fills the plot row after row, each row with as many white dots as the brightness of the pattern %2 gives there; only the dots&apos; places along the row are random. No dot lands in the dark places: the bands are made of many single dots.</source>
        <extracomment>%1 and %2 are patterns&apos; names as their options say them. A photon is the smallest portion of light.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;: la luz como fotones, las pequeñas porciones en que llega. El barrido llena el gráfico fila tras fila, cada fila con tantos puntos blancos como da allí el brillo del patrón %2; solo los lugares de los puntos a lo largo de la fila son aleatorios. A los lugares oscuros no llega ningún punto: las franjas están hechas de muchos puntos sueltos.</translation>
    </message>
    <message>
        <source>What the model leaves out</source>
        <extracomment>A heading of the help: what the model of the picture simplifies or omits.</extracomment>
        <translation>Lo que el modelo deja fuera</translation>
    </message>
    <message>
        <source>Real sizes: light has a wavelength of 0.4 to 0.7 micrometres, slits lie a fraction of a millimetre apart and the screen stands a metre or more away. The picture does not keep their ratios: in it λ/s is about %1 and s/L %2, in a school experiment about 0.002 and 0.0003. That is why the small-angle formula fails far from the axis here, but holds in a real experiment, where every band lies at a small angle.</source>
        <extracomment>λ, s and L are symbols (keep them); micrometres and millimetres are real units. %1 and %2 are the picture&apos;s ratios λ/s and s/L at start-up (0.10, 0.15).</extracomment>
        <translation>Los tamaños reales: la luz tiene una longitud de onda de 0,4 a 0,7 micrómetros, las rendijas están separadas una fracción de milímetro y la pantalla está a un metro o más. La imagen no conserva sus razones: en ella λ/s vale unos %1 y s/L %2, en un experimento escolar unos 0,002 y 0,0003. Por eso la fórmula de ángulos pequeños falla aquí lejos del eje, pero se cumple en un experimento real, donde todas las franjas quedan bajo un ángulo pequeño.</translation>
    </message>
    <message>
        <source>The width of the slits: here they are points. A real slit&apos;s own diffraction dims the bands farther out; here all the bands of the pattern %1 are equally bright.</source>
        <extracomment>%1 is the Interference pattern&apos;s name as its option says it.</extracomment>
        <translation>La anchura de las rendijas: aquí son puntos. La difracción en una rendija real atenúa las franjas más alejadas; aquí todas las franjas del patrón %1 son igual de brillantes.</translation>
    </message>
    <message>
        <source>White light: the light here has one wavelength, and both slits are lit in step, as by a laser. White light would give coloured bands that blur away from the middle.</source>
        <extracomment>Monochromatic and coherent light: say it in school words, as here.</extracomment>
        <translation>La luz blanca: aquí la luz tiene una sola longitud de onda y las dos rendijas se iluminan en fase, como con un láser. La luz blanca daría franjas de colores que se difuminan lejos del centro.</translation>
    </message>
    <message>
        <source>Space: the waves spread only in the plane of the picture, and the weakening with distance in the pattern %1 is a simple rule chosen to look right, not an exact law.</source>
        <extracomment>%1 is the Light pattern&apos;s name as its option says it.</extracomment>
        <translation>El espacio: las ondas se propagan solo en el plano de la imagen, y el debilitamiento con la distancia en el patrón %1 es una regla sencilla elegida para que parezca correcta, no una ley exacta.</translation>
    </message>
    <message>
        <source>Chance: the pattern %1 draws at each height as many dots as the brightness gives, at random places along the row. Real photons land one at a time wherever the pattern allows, more often where it is bright.</source>
        <extracomment>%1 is the Photon density pattern&apos;s name as its option says it.</extracomment>
        <translation>El azar: el patrón %1 dibuja en cada altura tantos puntos como da el brillo, en lugares aleatorios de la fila. Los fotones reales llegan de uno en uno a cualquier lugar que el patrón permita, más a menudo donde hay más luz.</translation>
    </message>
    <message>
        <source>Time: the scan from the bottom to the top only draws the picture. The pattern is there all at once; nothing in the picture moves with the light.</source>
        <extracomment>About the animation of a run.</extracomment>
        <translation>El tiempo: el barrido de abajo arriba solo dibuja la imagen. El patrón está ahí entero a la vez; nada en la imagen se mueve con la luz.</translation>
    </message>
    <message>
        <source>Things to try</source>
        <extracomment>A heading of the help: activities for a lesson.</extracomment>
        <translation>Para probar</translation>
    </message>
    <message>
        <source>Make a prediction first, then press %1 and see. A run keeps the settings it started with; change them between runs.</source>
        <extracomment>%1 is the Start button&apos;s caption.</extracomment>
        <translation>Primero haga una predicción; luego pulse %1 y compruébelo. Un barrido conserva los ajustes con que empezó; cámbielos entre barridos.</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>A heading of the help: the keyboard.</extracomment>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>go from control to control. After %1, Tab reaches the picture, and a screen reader then reads out its description.</source>
        <extracomment>What the keys do; %1 is the Exit button&apos;s caption.</extracomment>
        <translation>pasan de un control a otro. Después de %1, Tab llega a la imagen, y un lector de pantalla lee entonces su descripción.</translation>
    </message>
    <message>
        <source>choose an option within a group; on the scroll bar, move it by one step, or to 1 and 20.</source>
        <extracomment>What the keys do.</extracomment>
        <translation>eligen una opción dentro de un grupo; en la barra de desplazamiento, la mueven un paso, o a 1 y a 20.</translation>
    </message>
    <message>
        <source>press the focused button.</source>
        <extracomment>What the keys do.</extracomment>
        <translation>pulsan el botón que tiene el foco.</translation>
    </message>
    <message>
        <source>stops a run at once, and the sound that %1 plays. During a run the options and the scroll bar show at once what the next run will take; Start and Exit wait for the run&apos;s end.</source>
        <extracomment>What the key does; %1 is the key that plays the pattern as sound.</extracomment>
        <translation>detiene al instante un barrido y el sonido que reproduce %1. Durante un barrido, las opciones y la barra de desplazamiento muestran al instante lo que tomará el siguiente; Iniciar y Salir esperan al final del barrido.</translation>
    </message>
    <message>
        <source>copies the picture.</source>
        <extracomment>What the key does.</extracomment>
        <translation>copia la imagen.</translation>
    </message>
    <message>
        <source>make the window, and every dialog with it, larger or smaller, from 100 to 300 %, as far as the screen allows; the last brings the normal size back.</source>
        <extracomment>What the keys do, for a projector.</extracomment>
        <translation>agrandan o reducen la ventana, y con ella cada cuadro de diálogo, del 100 al 300 %, tanto como permita la pantalla; la última devuelve el tamaño normal.</translation>
    </message>
    <message>
        <source>fills the screen with the window, and brings it back.</source>
        <extracomment>What the key does.</extracomment>
        <translation>hace que la ventana ocupe toda la pantalla, y la devuelve a su tamaño.</translation>
    </message>
    <message>
        <source>opens this help.</source>
        <extracomment>What the key does.</extracomment>
        <translation>abre esta ayuda.</translation>
    </message>
    <message>
        <source>in the help: prints it, or saves it as a PDF file to hand out.</source>
        <extracomment>What the key does, in the help window.</extracomment>
        <translation>en la ayuda: la imprime o la guarda como archivo PDF para repartir.</translation>
    </message>
    <message>
        <source>open the picture&apos;s menu, as the right mouse button does.</source>
        <extracomment>What the keys do.</extracomment>
        <translation>abren el menú de la imagen, como el botón derecho del ratón.</translation>
    </message>
    <message>
        <source>opens Explore, which compares the small-angle formula with the exact places of the bands.</source>
        <extracomment>What the key does: Explore is a window of its own.</extracomment>
        <translation>abre una ventana que compara la fórmula de ángulos pequeños con las posiciones exactas de las franjas.</translation>
    </message>
    <message>
        <source>quits Quarnel as %1 does: after a run that goes on.</source>
        <extracomment>What the key does; %1 is the Exit button&apos;s caption.</extracomment>
        <translation>sale de Quarnel como %1: después del barrido en curso.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>The help window&apos;s button that opens the print dialog (the help printed, or saved as a PDF file); &amp; marks the key that presses it.</extracomment>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Some captions say less than they seem. The label &lt;b&gt;%1&lt;/b&gt; stands beside the barrier with the slits, and &lt;b&gt;%2&lt;/b&gt; over the detector screen the pattern falls on. The slit-spacing options stand in the order %3, %4, %5, %6: %4 puts each slit %8 pixels from the axis, between %3 (%7) and %5 (%9). The scroll bar under the title, without a label, slows the animation down: 1 is the fastest, 20 the slowest.</source>
        <extracomment>%1 and %2 are the picture&apos;s labels as your translation has them (the one beside the barrier, the one over the detector screen); %3 to %6 the slit-spacing options&apos; captions in the order they stand; %7 to %9 numbers of pixels.</extracomment>
        <translation>Algunos rótulos dicen menos de lo que parece. El rótulo &lt;b&gt;%1&lt;/b&gt; está junto a la barrera con las rendijas, y &lt;b&gt;%2&lt;/b&gt; sobre la pantalla en la que cae el patrón. Las opciones de la separación de rendijas están en el orden %3, %4, %5, %6: %4 pone cada rendija a %8 píxeles del eje, entre %3 (%7) y %5 (%9). La barra de desplazamiento bajo el título, sin rótulo, ralentiza la animación: 1 es lo más rápido, 20 lo más lento.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A group of the window and its option, as an activity names them: %1 the group&apos;s caption (Slit spacing, Pattern …), %2 its option (minor, Interference …).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Choose %1 and press %2.</source>
        <extracomment>The settings of an activity&apos;s first run: %1 every group with its option, %2 the Start button&apos;s caption. The options that differ from start-up are bold.</extracomment>
        <translation>Elija %1 y pulse %2.</translation>
    </message>
    <message>
        <source>Then choose %1 and press %2 again.</source>
        <extracomment>The settings of an activity&apos;s next run: %1 the groups that change, with their options; %2 the Start button&apos;s caption.</extracomment>
        <translation>Luego elija %1 y pulse %2 de nuevo.</translation>
    </message>
    <message>
        <source>No second path</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Sin segundo camino</translation>
    </message>
    <message>
        <source>Both slits now lie on the optical axis. Will the screen show bright and dark bands?</source>
        <extracomment>An activity&apos;s question: the pupil predicts before the run.</extracomment>
        <translation>Ahora las dos rendijas están sobre el eje óptico. ¿Mostrará la pantalla franjas brillantes y oscuras?</translation>
    </message>
    <message>
        <source>No. Bright bands: %1. The two paths to every point are equally long, the phasors always point the same way, and the screen is evenly bright. Bands need two paths of different lengths: two slits in one place do not make even one band of their own.</source>
        <extracomment>An activity&apos;s answer. %1 is the number of bright bands the run shows.</extracomment>
        <translation>No. Franjas brillantes: %1. Los dos caminos hasta cada punto tienen la misma longitud, los fasores apuntan siempre en el mismo sentido y la pantalla está igual de iluminada en todas partes. Las franjas necesitan dos caminos de longitudes distintas: dos rendijas en un mismo lugar no dan ni una franja propia.</translation>
    </message>
    <message>
        <source>Slits farther apart</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Rendijas más separadas</translation>
    </message>
    <message>
        <source>The slits move apart. Will the bands move closer together or farther apart, and will there be more of them or fewer?</source>
        <extracomment>An activity&apos;s question.</extracomment>
        <translation>Las rendijas se separan. ¿Se juntarán las franjas o se separarán, y habrá más o menos?</translation>
    </message>
    <message>
        <source>Closer together, and more of them. With the slits %1 instead of %2 pixels apart the bands near the axis lie %3 instead of %4 pixels apart (the formula λ·L/s: %5 instead of %6), and the bright bands number %7 instead of %8. Pictures of the slits would move apart with the slits; the bands move together.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are the slits&apos; distances in pixels; %3 and %4 the bands&apos; measured spacing in pixels, %5 and %6 the formula&apos;s; %7 and %8 the numbers of bright bands.</extracomment>
        <translation>Se juntan, y hay más. Con las rendijas a %1 píxeles en lugar de %2, las franjas cerca del eje están a %3 píxeles unas de otras en lugar de %4 (la fórmula λ·L/s: %5 en lugar de %6), y hay %7 franjas brillantes en lugar de %8. Las imágenes de las rendijas se separarían con ellas; las franjas se juntan.</translation>
    </message>
    <message>
        <source>The screen farther away</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>La pantalla más lejos</translation>
    </message>
    <message>
        <source>The screen moves twice as far from the slits. How will the spacing of the bands change?</source>
        <extracomment>An activity&apos;s question.</extracomment>
        <translation>La pantalla se aleja de las rendijas al doble de distancia. ¿Cómo cambiará la separación de las franjas?</translation>
    </message>
    <message>
        <source>The bands spread apart in proportion to the distance. At %1 pixels they lie %3 pixels apart near the axis, at %2 pixels %4 (the formula λ·L/s: %5 and %6).</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are distances in pixels; %3 and %4 the bands&apos; measured spacing in pixels, %5 and %6 the formula&apos;s.</extracomment>
        <translation>Las franjas se separan en proporción a la distancia. A %1 píxeles están a %3 píxeles unas de otras cerca del eje; a %2 píxeles, a %4 (la fórmula λ·L/s: %5 y %6).</translation>
    </message>
    <message>
        <source>A longer wavelength</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Una longitud de onda mayor</translation>
    </message>
    <message>
        <source>A lower frequency means a longer wavelength. Where will the bands go, and how many will be left?</source>
        <extracomment>An activity&apos;s question.</extracomment>
        <translation>Una frecuencia más baja significa una longitud de onda mayor. ¿Adónde irán las franjas y cuántas quedarán?</translation>
    </message>
    <message>
        <source>Farther apart, and fewer of them. The wavelength grows from %1 to %2 pixels; the bands near the axis lie %4 instead of %3 pixels apart, and the bright bands number %6 instead of %5.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are wavelengths in pixels; %3 and %4 the bands&apos; measured spacing in pixels; %5 and %6 the numbers of bright bands.</extracomment>
        <translation>Más separadas, y menos. La longitud de onda crece de %1 a %2 píxeles; las franjas cerca del eje están a %4 píxeles unas de otras en lugar de %3, y hay %6 franjas brillantes en lugar de %5.</translation>
    </message>
    <message>
        <source>Photon by photon</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Fotón a fotón</translation>
    </message>
    <message>
        <source>Watch the pattern %1 arrive slowly. Does a single photon show where the bands are?</source>
        <extracomment>An activity&apos;s question. %1 is the Photon density pattern&apos;s name.</extracomment>
        <translation>Observe cómo se forma despacio el patrón %1. ¿Muestra un solo fotón dónde están las franjas?</translation>
    </message>
    <message>
        <source>No. Each row gets as many dots as the light is bright there, each at a random place along the row; a single dot lands anywhere the light reaches. Only many dots together draw the bands. Bright bands: %3 in the pattern %1, %4 in the pattern %2.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are the patterns&apos; names; %3 and %4 the numbers of bright bands.</extracomment>
        <translation>No. Cada fila recibe tantos puntos como brillante es allí la luz, cada uno en un lugar al azar a lo largo de la fila; un solo punto cae en cualquier lugar adonde llega la luz. Solo muchos puntos juntos dibujan las franjas. Franjas brillantes: %3 en el patrón %1, %4 en el patrón %2.</translation>
    </message>
    <message>
        <source>Where the formula fails</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Donde falla la fórmula</translation>
    </message>
    <message>
        <source>The formula Δy = λ·L/s gives the spacing of the bands near the axis. Will bright band %1 above the axis lie %1 spacings from it? Explore (%2) shows the formula&apos;s places beside the exact ones.</source>
        <extracomment>An activity&apos;s question. %1 is the band&apos;s number (6), %2 the key that opens Explore.</extracomment>
        <translation>La fórmula Δy = λ·L/s da la separación de las franjas cerca del eje. ¿Estará la franja brillante %1 sobre el eje a %1 separaciones de él? Explorar (%2) muestra las posiciones de la fórmula junto a las exactas.</translation>
    </message>
    <message>
        <source>No, farther out. The formula puts the bands %2 pixels apart and band %1 at %3 pixels from the axis, but the path difference is %1 wavelengths only at %4 pixels, and the run&apos;s band lies there. Far from the axis the angle is no longer small.</source>
        <extracomment>An activity&apos;s answer. %1 is the band&apos;s number (6); %2, %3 and %4 are pixels.</extracomment>
        <translation>No, más lejos. La fórmula pone las franjas a %2 píxeles unas de otras y la franja %1 a %3 píxeles del eje, pero la diferencia de camino es de %1 longitudes de onda solo a %4 píxeles, y allí está la franja del barrido. Lejos del eje el ángulo ya no es pequeño.</translation>
    </message>
    <message>
        <source>Whole wavelengths?</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>¿Longitudes de onda enteras?</translation>
    </message>
    <message>
        <source>In Explore (%1) choose the point %2, in the middle bright band. Is each path from a slit to it a whole number of wavelengths long?</source>
        <extracomment>An activity&apos;s question. %1 is the key that opens Explore, %2 a point&apos;s number.</extracomment>
        <translation>En Explorar (%1) elija el punto %2, en la franja brillante central. ¿Mide cada camino desde una rendija hasta él un número entero de longitudes de onda?</translation>
    </message>
    <message>
        <source>No. Path A is %1 and path B %2 wavelengths long; what is a whole number is their difference, %3 wavelengths. A point is bright where the difference of the paths is a whole number of wavelengths, whatever each path is.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are the paths&apos; lengths in wavelengths, %3 their difference.</extracomment>
        <translation>No. El camino A mide %1 y el camino B %2 longitudes de onda; lo que es un número entero es su diferencia, %3 longitudes de onda. Un punto es brillante donde la diferencia de los caminos es un número entero de longitudes de onda, sean como sean los caminos mismos.</translation>
    </message>
    <message>
        <source>One band only</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Una sola franja</translation>
    </message>
    <message>
        <source>The wavelength is now longer than the slits&apos; distance. How many bright bands will there be? And with the slit spacing %1?</source>
        <extracomment>An activity&apos;s question. %1 is the slit-spacing option &quot;0&quot;.</extracomment>
        <translation>Ahora la longitud de onda es mayor que la distancia entre las rendijas. ¿Cuántas franjas brillantes habrá? ¿Y con la separación %1?</translation>
    </message>
    <message>
        <source>Bright bands: %1, a broad one in the middle. The path difference is never more than the slits&apos; distance s = %3 pixels, less than λ = %2 pixels: there is no first band beside the middle one. With both slits on the axis the band is gone (bright bands: %4): it comes from the two paths.</source>
        <extracomment>An activity&apos;s answer. %1 and %4 are numbers of bright bands, %2 a wavelength and %3 the slits&apos; distance in pixels.</extracomment>
        <translation>Franjas brillantes: %1, una ancha en el centro. La diferencia de camino nunca supera la distancia entre las rendijas s = %3 píxeles, menor que λ = %2 píxeles: no hay primera franja junto a la central. Con las dos rendijas sobre el eje la franja desaparece (franjas brillantes: %4): viene de los dos caminos.</translation>
    </message>
    <message>
        <source>Each activity names every group&apos;s option for its first run, so it does not depend on what an earlier one left; the options in bold differ from the ones Quarnel starts with.</source>
        <extracomment>Before the activities.</extracomment>
        <translation>Cada actividad nombra la opción de cada grupo para su primer barrido, así que no depende de lo que dejó una actividad anterior; las opciones en negrita difieren de aquellas con las que empieza Quarnel.</translation>
    </message>
    <message>
        <source>The answers, with the numbers the runs give, are in the part %1; the activities without answers, to print and hand out, in the part %2.</source>
        <extracomment>After the activities. %1 and %2 are links to the other parts of the help, named as the buttons at the top of the help window name them.</extracomment>
        <translation>Las respuestas, con los números que dan los barridos, están en la parte %1; las actividades sin respuestas, para imprimir y repartir, en la parte %2.</translation>
    </message>
    <message>
        <source>For the teacher</source>
        <extracomment>The title of the help&apos;s part for the teacher (goals, answers, misconceptions), of its button at the top of the help window and of its print-out.</extracomment>
        <translation>Para el docente</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <extracomment>The title of the pupils&apos; worksheet (the activities without answers, to print and hand out), of its button at the top of the help window and of its print-out.</extracomment>
        <translation>Hoja de trabajo</translation>
    </message>
    <message>
        <source>activity %1 (%2)</source>
        <extracomment>How the misconceptions&apos; table names an activity: %1 its number, %2 its title.</extracomment>
        <translation>la actividad %1 (%2)</translation>
    </message>
    <message>
        <source>Learning goals</source>
        <extracomment>A heading of the teacher&apos;s part.</extracomment>
        <translation>Objetivos de aprendizaje</translation>
    </message>
    <message>
        <source>Explain a bright or a dark place by the phase difference of the two waves: their phasors add up or cancel.</source>
        <extracomment>A learning goal.</extracomment>
        <translation>Explicar un lugar brillante u oscuro por la diferencia de fase de las dos ondas: sus fasores se suman o se anulan.</translation>
    </message>
    <message>
        <source>Predict how the spacing of the bands changes with the slits&apos; distance, the screen&apos;s distance and the wavelength (Δy = λ·L/s), and check the prediction with a run.</source>
        <extracomment>A learning goal. Δy, λ, L and s are symbols: keep them.</extracomment>
        <translation>Predecir cómo cambia la separación de las franjas con la distancia entre las rendijas, la distancia de la pantalla y la longitud de onda (Δy = λ·L/s), y comprobar la predicción con un barrido.</translation>
    </message>
    <message>
        <source>Tell where the small-angle formula holds, and why it fails far from the axis.</source>
        <extracomment>A learning goal.</extracomment>
        <translation>Reconocer dónde vale la fórmula de ángulos pequeños y por qué falla lejos del eje.</translation>
    </message>
    <message>
        <source>Describe light arriving as photons: the bands are where many of them land.</source>
        <extracomment>A learning goal.</extracomment>
        <translation>Describir la luz que llega en forma de fotones: las franjas están donde caen muchos de ellos.</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>A heading of the teacher&apos;s part: the activities with their answers.</extracomment>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Each activity names every group&apos;s option, so it can be done on its own; the options in bold differ from the ones Quarnel starts with. Every number here comes from a run of Quarnel with the activity&apos;s settings, made as this page was: the pupils see the same.</source>
        <extracomment>Before the answers. The options in bold are those that differ from start-up.</extracomment>
        <translation>Cada actividad nombra la opción de cada grupo, así que puede hacerse por sí sola; las opciones en negrita difieren de aquellas con las que empieza Quarnel. Cada número aquí procede de un barrido de Quarnel con los ajustes de la actividad, hecho al generarse esta página: los alumnos ven lo mismo.</translation>
    </message>
    <message>
        <source>Misconceptions the activities confront</source>
        <extracomment>A heading of the teacher&apos;s part: wrong ideas pupils often hold.</extracomment>
        <translation>Ideas erróneas que las actividades confrontan</translation>
    </message>
    <message>
        <source>The idea</source>
        <extracomment>A column heading: a wrong idea pupils often hold.</extracomment>
        <translation>La idea</translation>
    </message>
    <message>
        <source>What confronts it</source>
        <extracomment>A column heading: the activity that shows the idea wrong.</extracomment>
        <translation>Lo que la contradice</translation>
    </message>
    <message>
        <source>“A point is bright where each path is a whole number of wavelengths.”</source>
        <extracomment>A misconception, as a pupil would say it.</extracomment>
        <translation>«Un punto es brillante donde cada camino es un número entero de longitudes de onda.»</translation>
    </message>
    <message>
        <source>In %1, neither path to the middle bright band is a whole number of wavelengths; their difference is.</source>
        <extracomment>%1 names the activity.</extracomment>
        <translation>En %1, ninguno de los caminos hasta la franja brillante central es un número entero de longitudes de onda; su diferencia sí lo es.</translation>
    </message>
    <message>
        <source>“The bands are images of the slits.”</source>
        <extracomment>A misconception, as a pupil would say it.</extracomment>
        <translation>«Las franjas son imágenes de las rendijas.»</translation>
    </message>
    <message>
        <source>In %1, two slits in one place give no band at all; elsewhere two slits give many bands.</source>
        <extracomment>%1 names the activity.</extracomment>
        <translation>En %1, dos rendijas en un mismo lugar no dan ninguna franja; en otros casos, dos rendijas dan muchas franjas.</translation>
    </message>
    <message>
        <source>“Slits closer together give bands closer together.”</source>
        <extracomment>A misconception, as a pupil would say it.</extracomment>
        <translation>«Rendijas más juntas dan franjas más juntas.»</translation>
    </message>
    <message>
        <source>In %1, slits farther apart give bands closer together.</source>
        <extracomment>%1 names the activity.</extracomment>
        <translation>En %1, rendijas más separadas dan franjas más juntas.</translation>
    </message>
    <message>
        <source>Why the activities use the pattern %1</source>
        <extracomment>A heading of the teacher&apos;s part: %1 is the pattern Interference&apos;s name.</extracomment>
        <translation>Por qué las actividades usan el patrón %1</translation>
    </message>
    <message>
        <source>In the pattern %1 the bands fade away from the axis because the model weights each slit&apos;s wave by 1/(%2·dx² + dy²), dx and dy the point&apos;s distances from the slit along and across the axis. It looks like the dimming a real slit&apos;s width gives, but it is neither that nor interference: with the slit spacing %4 the pattern %1 draws the same hump. The pattern %3 shows the interference alone.</source>
        <extracomment>%1 and %3 are patterns&apos; names, %2 a number; dx and dy are symbols: keep them. %4 is the slit-spacing option &quot;0&quot;.</extracomment>
        <translation>En el patrón %1 las franjas se debilitan al alejarse del eje porque el modelo pondera la onda de cada rendija con 1/(%2·dx² + dy²), siendo dx y dy las distancias del punto a la rendija a lo largo del eje y a través de él. Parece la atenuación que da la anchura de una rendija real, pero no es eso ni interferencia: con la separación %4 el patrón %1 dibuja la misma joroba. El patrón %3 muestra la interferencia sola.</translation>
    </message>
    <message>
        <source>Name: ____________________ Class: ________ Date: ____________</source>
        <extracomment>The worksheet&apos;s head, for the pupil to fill in.</extracomment>
        <translation>Nombre: ____________________ Clase: ________ Fecha: ____________</translation>
    </message>
    <message>
        <source>For each activity: set the options it names, write your prediction, then run, write what the run showed and explain it.</source>
        <extracomment>The worksheet&apos;s instructions.</extracomment>
        <translation>En cada actividad: ajuste las opciones que nombra, escriba su predicción, luego haga el barrido, anote lo que mostró y explíquelo.</translation>
    </message>
    <message>
        <source>My prediction</source>
        <extracomment>A field of the worksheet: written before the run.</extracomment>
        <translation>Mi predicción</translation>
    </message>
    <message>
        <source>What the run showed</source>
        <extracomment>A field of the worksheet.</extracomment>
        <translation>Lo que mostró el barrido</translation>
    </message>
    <message>
        <source>Why</source>
        <extracomment>A field of the worksheet: the pupil&apos;s explanation.</extracomment>
        <translation>Por qué</translation>
    </message>
    <message>
        <source>The help could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A message box: %1 is the PDF file&apos;s path, %2 the system&apos;s reason (already translated).</extracomment>
        <translation>No se pudo guardar la ayuda como «%1»: %2</translation>
    </message>
    <message>
        <source>Measure the wavelength</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Medir la longitud de onda</translation>
    </message>
    <message>
        <source>Open the real experiment with %1 and set the wavelength to %2 nm, the slits&apos; separation a to %3 mm and the screen&apos;s distance L to %4 m. Let %5 photons arrive.</source>
        <extracomment>The settings of the activity in the real experiment: %1 the key that opens it, %2 a wavelength in nm, %3 the slits&apos; separation in mm, %4 the screen&apos;s distance in m, %5 a number of photons.</extracomment>
        <translation>Abra el experimento real con %1 y ajuste la longitud de onda a %2 nm, la separación de las rendijas a a %3 mm y la distancia de la pantalla L a %4 m. Deje llegar %5 fotones.</translation>
    </message>
    <message>
        <source>Measure on the ruler how far apart the bright bands lie: measure across ten spacings, from bright band %1 left of the middle to bright band %1 right of it, and divide by ten. Then work out the wavelength λ = a·Δy/L. Does it agree with the laser&apos;s?</source>
        <extracomment>An activity&apos;s question. %1 is the band&apos;s number (5). Keep λ = a·Δy/L.</extracomment>
        <translation>Mida en la regla la separación entre las franjas brillantes: mida diez separaciones de una vez, desde la franja brillante %1 a la izquierda del centro hasta la franja brillante %1 a la derecha, y divida entre diez. Después calcule la longitud de onda λ = a·Δy/L. ¿Coincide con la del láser?</translation>
    </message>
    <message>
        <source>Ten spacings measure %1 mm, so Δy = %2 mm and λ = a·Δy/L = %3 mm × %2 mm / %4 m = %5 nm, the laser&apos;s %6 nm. Misreading the ruler by half a millimetre across ten spacings changes λ by about %7 nm: measuring across many bands makes the result precise.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are lengths in mm, %3 the separation in mm, %4 the distance in m, %5 and %6 wavelengths in nm, %7 an uncertainty in nm.</extracomment>
        <translation>Diez separaciones miden %1 mm, así que Δy = %2 mm y λ = a·Δy/L = %3 mm × %2 mm / %4 m = %5 nm, los %6 nm del láser. Un error de lectura de medio milímetro en diez separaciones cambia λ en unos %7 nm: medir sobre muchas franjas da un resultado preciso.</translation>
    </message>
    <message>
        <source>The pattern as sound</source>
        <extracomment>A heading of the help: the pattern played as sound (the key H).</extracomment>
        <translation>El patrón como sonido</translation>
    </message>
    <message>
        <source>%1 plays the last run as sound, in about four seconds: the screen from the bottom to the top, a hundredth of a second for each point. A tone is loud where the plot is bright and silent in a dark band. %2 stops it.</source>
        <extracomment>%1 is the key that plays the sound (H), %2 the key that stops it (Esc).</extracomment>
        <translation>%1 reproduce el último barrido como sonido, en unos cuatro segundos: la pantalla de abajo arriba, una centésima de segundo por punto. El tono suena fuerte donde la gráfica es brillante y calla en una franja oscura. %2 lo detiene.</translation>
    </message>
    <message>
        <source>Exploring a run from the keyboard</source>
        <extracomment>A heading of the help: the keys of the Explore window.</extracomment>
        <translation>Explorar un barrido con el teclado</translation>
    </message>
    <message>
        <source>%1 opens Explore beside the picture. Its box &lt;b&gt;%2&lt;/b&gt; selects one of the 399 points of the screen line, 1 at the bottom; the readouts under it give that point&apos;s two paths, their difference and the phasors&apos; angle. %3 move one point, %4 twenty, %5 to the bottom or the top.</source>
        <extracomment>%1 is the key that opens Explore (Ctrl+E), %2 the label of its point box as Explore shows it (&quot;Point:&quot;), %3 the keys Up and Down, %4 Page Up and Page Down, %5 Home and End.</extracomment>
        <translation>%1 abre junto a la imagen una ventana para explorar el barrido. Su casilla &lt;b&gt;%2&lt;/b&gt; elige uno de los 399 puntos de la pantalla, el 1 abajo; los valores de debajo dan los dos caminos hasta ese punto, su diferencia y el ángulo entre los fasores. %3 mueven un punto, %4 veinte, %5 hasta abajo o hasta arriba.</translation>
    </message>
    <message>
        <source>%1 goes to the next bright point above the one selected, %2 to the next dark one; after the top both start again from the bottom.</source>
        <extracomment>%1 is the key N, %2 Shift+N.</extracomment>
        <translation>%1 va al siguiente punto brillante por encima del elegido, %2 al siguiente oscuro; tras el extremo superior ambas vuelven a empezar desde abajo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; puts the last run in a table beside the runs kept before, up to four, to compare their bands. &lt;b&gt;%2&lt;/b&gt; writes every point of the run to a CSV file for a spreadsheet, and &lt;b&gt;%3&lt;/b&gt; puts the same table on the clipboard.</source>
        <extracomment>%1, %2 and %3 are the captions of Explore&apos;s buttons as Explore shows them.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; pone el último barrido en una tabla junto a los guardados antes, hasta cuatro, para comparar sus franjas. &lt;b&gt;%2&lt;/b&gt; escribe cada punto del barrido en un archivo CSV para una hoja de cálculo, y &lt;b&gt;%3&lt;/b&gt; copia la misma tabla al portapapeles.</translation>
    </message>
    <message>
        <source>play the pattern as sound; the second four times slower.</source>
        <extracomment>What the keys do: the first plays the pattern in four seconds, the second at a quarter of the speed.</extracomment>
        <translation>reproducen el patrón como sonido; la segunda cuatro veces más despacio.</translation>
    </message>
    <message>
        <source>says the last run&apos;s summary again: its bright bands, how far apart they lie and what changed since the run before.</source>
        <extracomment>What the key does, for a screen reader&apos;s user.</extracomment>
        <translation>repite el resumen del último barrido: sus franjas brillantes, cuánto están separadas y qué ha cambiado desde el barrido anterior.</translation>
    </message>
    <message>
        <source>With a screen reader, the end of a run is heard wherever the focus is: that the run finished, with the first sentence of the picture&apos;s description, or, after Escape, the point where it stopped. A slow run also says when it has scanned a quarter, half and three quarters of the screen. In this help the arrow keys move through the text line by line, and %1 and %2 from heading to heading.</source>
        <extracomment>After the keys in the help: what a screen reader says at a run&apos;s end, and how to read the help itself; %1 and %2 are the keys Ctrl+Down and Ctrl+Up.</extracomment>
        <translation>Con un lector de pantalla, el final de un barrido se oye esté donde esté el foco: que el barrido ha terminado, con la primera frase de la descripción de la imagen, o, tras Escape, el punto donde se detuvo. Un barrido lento también avisa cuando ha recorrido un cuarto, la mitad y tres cuartos de la pantalla. En esta ayuda las flechas recorren el texto línea a línea, y %1 y %2 de título en título.</translation>
    </message>
    <message>
        <source>A real experiment</source>
        <extracomment>A heading of the help: the window with a real two-slit experiment in nanometres and metres.</extracomment>
        <translation>Un experimento real</translation>
    </message>
    <message>
        <source>%1 opens a real experiment beside the picture: a laser&apos;s wavelength, the slits&apos; separation a and the screen&apos;s distance L in nanometres, millimetres and metres, the screen as the eye sees it with photons arriving one by one, and the two paths to a point you choose.</source>
        <extracomment>%1 is the key that opens the window.</extracomment>
        <translation>%1 abre un experimento real junto a la imagen: la longitud de onda de un láser, la separación de las rendijas a y la distancia de la pantalla L en nanómetros, milímetros y metros, la pantalla tal como la ve el ojo, con fotones que llegan uno a uno, y los dos caminos hasta un punto que usted elija.</translation>
    </message>
    <message>
        <source>With a green laser of %1 nm, slits %2 mm apart and a screen %3 m away the bands lie %4 mm apart, and the first bright band&apos;s exact place and the small-angle formula&apos;s differ by only %5 µm. There λ/a is %6 and every band shown lies less than %7° from the axis, where sin θ, tan θ and θ agree. In the picture λ/a is about %8 and the bands lie at large angles: that is why the formula and the exact places part there, and not in the laboratory.</source>
        <extracomment>%1 the wavelength in nm, %2 the slits&apos; separation in mm, %3 the screen&apos;s distance in m, %4 the band spacing in mm, %5 a difference in micrometres, %6 the ratio λ/a, %7 an angle in degrees, %8 the picture&apos;s λ/a at start-up. Keep the symbols λ, a, θ.</extracomment>
        <translation>Con un láser verde de %1 nm, rendijas separadas %2 mm y una pantalla a %3 m, las franjas están a %4 mm unas de otras, y la posición exacta de la primera franja brillante difiere de la de la fórmula para ángulos pequeños solo en %5 µm. Allí λ/a vale %6 y cada franja mostrada está a menos de %7° del eje, donde sin θ, tan θ y θ coinciden. En la imagen λ/a vale cerca de %8 y las franjas están a ángulos grandes: por eso allí la fórmula y las posiciones exactas se separan, y no en el laboratorio.</translation>
    </message>
    <message>
        <source>The paths to that first band are %1 and %2 wavelengths long: neither needs to be a whole number of wavelengths. What is one whole wavelength is their difference, %3, and only the difference decides where the screen is bright.</source>
        <extracomment>%1 and %2 are the two paths&apos; lengths in wavelengths (millions), %3 their difference in wavelengths.</extracomment>
        <translation>Los caminos hasta esa primera franja miden %1 y %2 longitudes de onda: ninguno necesita ser un número entero de longitudes de onda. Lo que vale una longitud de onda entera es su diferencia, %3, y solo la diferencia decide dónde la pantalla está iluminada.</translation>
    </message>
    <message>
        <source>Help text</source>
        <extracomment>What a screen reader calls the help window&apos;s text.</extracomment>
        <translation>Texto de la ayuda</translation>
    </message>
    <message>
        <source>start a run as %1 does, wherever the focus is. They, %2 and the zoom keys do the same in Explore, the help and About as in the main window.</source>
        <extracomment>What the keys do; %1 is the Start button&apos;s caption, %2 a list of keys (Escape, H, F1, Ctrl+E, Ctrl+Q in the desktop&apos;s words).</extracomment>
        <translation>inician un barrido como %1, esté donde esté el foco. Estas teclas, %2 y las teclas de zoom hacen lo mismo en las ventanas «Explorar un barrido», Ayuda y «Acerca de Quarnel» que en la ventana principal.</translation>
    </message>
    <message>
        <source>saves the picture as a PNG image; in Explore, the run&apos;s table as a CSV file.</source>
        <extracomment>What the key does.</extracomment>
        <translation>guarda la imagen como archivo PNG; en «Explorar un barrido», la tabla del barrido como archivo CSV.</translation>
    </message>
    <message>
        <source>In Explore, each point you select, by a key or a click, sounds for a moment with the same tone, as loud as the pattern is at that point, and with its tick on a bright band: go through a band point by point and hear it grow and fade. The check box &lt;b&gt;%1&lt;/b&gt; turns these tones off and on.</source>
        <extracomment>The point tones of Explore; %1 is the caption of their check box as Explore shows it.</extracomment>
        <translation>En «Explorar un barrido», cada punto que elija, con una tecla o un clic, suena un instante con el mismo tono, tan fuerte como el patrón en ese punto, y con su tic en una franja brillante: recorra una franja punto a punto y oiga cómo crece y se apaga. La casilla &lt;b&gt;%1&lt;/b&gt; desactiva y activa estos tonos.</translation>
    </message>
    <message>
        <source>%1 says the selected point&apos;s height above the optical axis and its brightness: what the plot shows there, in per cent of the brightest point of the run.</source>
        <extracomment>%1 is the key R.</extracomment>
        <translation>%1 dice la altura del punto elegido sobre el eje óptico y su brillo: lo que la gráfica muestra allí, en porcentaje del punto más brillante del barrido.</translation>
    </message>
    <message>
        <source>A short high &lt;b&gt;tick&lt;/b&gt; sounds at each bright band: count the ticks and you have counted the bands. A soft &lt;b&gt;hum&lt;/b&gt;, a little higher than the tone, marks where the scan passes the optical axis, so the bands below and above the middle can be told apart.</source>
        <extracomment>How to hear the bands in the sound: the high tick and the soft hum on the axis.</extracomment>
        <translation>En cada franja brillante suena un &lt;b&gt;tic&lt;/b&gt; corto y agudo: cuente los tics y habrá contado las franjas. Un suave &lt;b&gt;zumbido&lt;/b&gt;, algo más agudo que el tono, marca dónde el barrido cruza el eje óptico, para distinguir las franjas por debajo y por encima del centro.</translation>
    </message>
</context>
<context>
    <name>KeptRuns</name>
    <message>
        <source>solid</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a solid line (the last run).</extracomment>
        <translation>continua</translation>
    </message>
    <message>
        <source>dashed</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a dashed line.</extracomment>
        <translation>discontinua</translation>
    </message>
    <message>
        <source>dotted</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a dotted line.</extracomment>
        <translation>punteada</translation>
    </message>
    <message>
        <source>dash-dot</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a line of dashes and dots.</extracomment>
        <translation>raya-punto</translation>
    </message>
    <message>
        <source>dash-dot-dot</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a line of a dash and two dots, repeated.</extracomment>
        <translation>raya-punto-punto</translation>
    </message>
    <message>
        <source>%1, slit spacing %2 (slits %3 px apart), distance %4 (%5 px), frequency %6 (k = %7)</source>
        <extracomment>A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the spacing option&apos;s caption and %3 the distance between the two slits in pixels (twice each slit&apos;s distance from the axis), %4 the distance option&apos;s caption and %5 its pixels, %6 the frequency option&apos;s caption and %7 the wave number.</extracomment>
        <translation>%1, separación de rendijas %2 (rendijas a %3 px una de otra), distancia de la pantalla %4 (%5 px), frecuencia %6 (k = %7)</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>A column title: the line style (solid, dashed …) each run is drawn with in the plot.</extracomment>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Bright bands</source>
        <extracomment>A column title: how many bright bands the run shows.</extracomment>
        <translation>Franjas brillantes</translation>
    </message>
    <message>
        <source>Spacing near the axis (px)</source>
        <extracomment>A column title: the distance between neighbouring bright bands near the axis, in pixels.</extracomment>
        <translation>Separación cerca del eje (px)</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>A column title: the run&apos;s settings in words.</extracomment>
        <translation>Barrido</translation>
    </message>
    <message>
        <source>%1, the last run</source>
        <extracomment>The line column of the last run&apos;s row: %1 the style of its line, &quot;solid&quot;.</extracomment>
        <translation>%1, último barrido</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>LabOrdersModel</name>
    <message>
        <source>Order m</source>
        <extracomment>A column of the real experiment&apos;s table of bright bands: the order m (path difference m wavelengths).</extracomment>
        <translation>Orden m</translation>
    </message>
    <message>
        <source>Exact (mm)</source>
        <extracomment>A column: where the path difference is exactly m wavelengths, millimetres above the axis.</extracomment>
        <translation>Exacta (mm)</translation>
    </message>
    <message>
        <source>Formula mλL/a (mm)</source>
        <extracomment>A column: where the small-angle formula y = mλL/a puts band m, millimetres; keep the formula.</extracomment>
        <translation>Fórmula mλL/a (mm)</translation>
    </message>
    <message>
        <source>Difference (µm)</source>
        <extracomment>A column: the exact place less the formula&apos;s, in micrometres.</extracomment>
        <translation>Diferencia (µm)</translation>
    </message>
</context>
<context>
    <name>LabWindow</name>
    <message>
        <source>A real experiment</source>
        <extracomment>The title of the window with a real two-slit experiment in nanometres and metres (Ctrl+L).</extracomment>
        <translation>Un experimento real</translation>
    </message>
    <message>
        <source>The screen as the eye sees it</source>
        <extracomment>The accessible name of the strip that shows the laboratory&apos;s screen as the eye sees it.</extracomment>
        <translation>La pantalla tal como la ve el ojo</translation>
    </message>
    <message>
        <source>&amp;Wavelength λ:</source>
        <extracomment>The label of the wavelength box; &amp; marks the access key. λ is the wavelength&apos;s symbol.</extracomment>
        <translation>&amp;Longitud de onda λ:</translation>
    </message>
    <message>
        <source>The laser&apos;s wavelength, 380 to 780 nanometres</source>
        <extracomment>Accessible description of the wavelength box.</extracomment>
        <translation>La longitud de onda del láser, de 380 a 780 nanómetros</translation>
    </message>
    <message>
        <source> nm</source>
        <extracomment>The unit after the wavelength&apos;s number: nanometres.</extracomment>
        <translation> nm</translation>
    </message>
    <message>
        <source>Slits&apos; sep&amp;aration a:</source>
        <extracomment>The label of the slits&apos; separation box; &amp; marks the access key. a is its symbol.</extracomment>
        <translation>&amp;Separación de las rendijas a:</translation>
    </message>
    <message>
        <source>How far apart the two slits are, 0.05 to 1.00 millimetres</source>
        <extracomment>Accessible description of the separation box.</extracomment>
        <translation>Cuánto distan las dos rendijas, de 0,05 a 1,00 milímetros</translation>
    </message>
    <message>
        <source> mm</source>
        <extracomment>The unit after the separation&apos;s number: millimetres.</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source>Screen&apos;s &amp;distance L:</source>
        <extracomment>The label of the screen&apos;s distance box; &amp; marks the access key. L is its symbol.</extracomment>
        <translation>&amp;Distancia de la pantalla L:</translation>
    </message>
    <message>
        <source>How far the screen stands behind the slits, 0.50 to 5.00 metres</source>
        <extracomment>Accessible description of the distance box.</extracomment>
        <translation>A qué distancia detrás de las rendijas está la pantalla, de 0,50 a 5,00 metros</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>The unit after the distance&apos;s number: metres.</extracomment>
        <translation> m</translation>
    </message>
    <message>
        <source>Red laser pointer, 650 nm</source>
        <extracomment>A button: a red laser pointer&apos;s wavelength; keep the number.</extracomment>
        <translation>Puntero láser rojo, 650 nm</translation>
    </message>
    <message>
        <source>Green laser pointer, 532 nm</source>
        <extracomment>A button: a green laser pointer&apos;s wavelength; keep the number.</extracomment>
        <translation>Puntero láser verde, 532 nm</translation>
    </message>
    <message>
        <source>Violet laser pointer, 405 nm</source>
        <extracomment>A button: a violet laser pointer&apos;s wavelength; keep the number.</extracomment>
        <translation>Puntero láser violeta, 405 nm</translation>
    </message>
    <message>
        <source>%1: %2 is refused; it must lie between %3 and %4.</source>
        <extracomment>A message when a typed value is outside its box&apos;s range: %1 the box&apos;s name (Wavelength λ …), %2 the typed value with its unit, %3 and %4 the limits with their units.</extracomment>
        <translation>%1: %2 se rechaza; el valor debe estar entre %3 y %4.</translation>
    </message>
    <message>
        <source>&amp;Photons arrive</source>
        <extracomment>A button that lets photons arrive one by one at the chosen pace, or stops them; &amp; marks the access key.</extracomment>
        <translation>Llegada de &amp;fotones</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>The unit after the pace&apos;s number: photons arriving per second.</extracomment>
        <translation> por segundo</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The accessible name of the box that sets how many photons arrive per second.</extracomment>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>To %1</source>
        <extracomment>A button that brings the photons up to so many at once: %1 is 10, 100, 1,000 or 100,000.</extracomment>
        <translation>Hasta %1</translation>
    </message>
    <message>
        <source>Lets photons arrive until %1 have</source>
        <extracomment>Accessible description of the buttons that bring the photons up to a number; %1 the number.</extracomment>
        <translation>Deja llegar fotones hasta que hayan llegado %1</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>A button that takes every photon off the screen and starts again; &amp; marks the access key.</extracomment>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Sa&amp;me photons again, seed:</source>
        <extracomment>A check box: the photons arrive at the same places every time, from the seed beside it; &amp; marks the access key.</extracomment>
        <translation>Los &amp;mismos fotones otra vez, semilla:</translation>
    </message>
    <message>
        <source>Seed</source>
        <extracomment>The accessible name of the seed box: the number the random arrivals start from.</extracomment>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>The construction at a point</source>
        <extracomment>The title of the group with the two paths to the chosen point, in real units.</extracomment>
        <translation>La construcción en un punto</translation>
    </message>
    <message>
        <source>P&amp;oint y:</source>
        <extracomment>The label of the box with the chosen point&apos;s height above the axis; &amp; marks the access key.</extracomment>
        <translation>P&amp;unto y:</translation>
    </message>
    <message>
        <source>The chosen point&apos;s height above the axis on the screen, −50 to 50 millimetres; a click on the strip chooses it too</source>
        <extracomment>Accessible description of the point box; the strip&apos;s keys are the same.</extracomment>
        <translation>La altura del punto elegido sobre el eje en la pantalla, de −50 a 50 milímetros; también se elige con un clic en la banda</translation>
    </message>
    <message>
        <source>%1 is off the screen shown; choose a point between −50 and 50 mm.</source>
        <extracomment>A message: %1 the typed height with its unit; the screen shown reaches 50 mm each way.</extracomment>
        <translation>%1 está fuera de la pantalla mostrada; elija un punto entre −50 y 50 mm.</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <extracomment>A readout: the path from slit A (the upper slit) to the point.</extracomment>
        <translation>Camino desde la rendija A</translation>
    </message>
    <message>
        <source>From the upper slit to the point, in metres and in wavelengths</source>
        <extracomment>Accessible description of the path A readout.</extracomment>
        <translation>Desde la rendija superior hasta el punto, en metros y en longitudes de onda</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <extracomment>A readout: the path from slit B (the lower slit) to the point.</extracomment>
        <translation>Camino desde la rendija B</translation>
    </message>
    <message>
        <source>From the lower slit to the point, in metres and in wavelengths</source>
        <extracomment>Accessible description of the path B readout.</extracomment>
        <translation>Desde la rendija inferior hasta el punto, en metros y en longitudes de onda</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <extracomment>A readout: how much longer path B is than path A.</extracomment>
        <translation>Diferencia de camino B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in nanometres and in wavelengths</source>
        <extracomment>Accessible description of the path difference readout.</extracomment>
        <translation>Cuánto más largo es el camino desde la rendija B, en nanómetros y en longitudes de onda</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <extracomment>A readout: the angle between the two phasors.</extracomment>
        <translation>Diferencia de fase</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in radians and degrees</source>
        <extracomment>Accessible description of the phase difference readout.</extracomment>
        <translation>Cuánto más está girado el fasor B que el fasor A, en radianes y grados</translation>
    </message>
    <message>
        <source>Brightness</source>
        <extracomment>A readout: how bright the point is, against the brightest place.</extracomment>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>The intensity at the point as a share of the brightest band&apos;s</source>
        <extracomment>Accessible description of the brightness readout.</extracomment>
        <translation>La intensidad en el punto como fracción de la de la franja más brillante</translation>
    </message>
    <message>
        <source>Phasors at the point</source>
        <extracomment>The accessible name of the drawing of the two phasors at the point and their sum.</extracomment>
        <translation>Fasores en el punto</translation>
    </message>
    <message>
        <source>Bright bands: exact and by the formula</source>
        <extracomment>The title of the group comparing the exact places of the bright bands with the small-angle formula&apos;s.</extracomment>
        <translation>Franjas brillantes: exactas y según la fórmula</translation>
    </message>
    <message>
        <source>Band spacing</source>
        <extracomment>A readout: how far apart neighbouring bright bands lie near the axis.</extracomment>
        <translation>Separación de franjas</translation>
    </message>
    <message>
        <source>From the middle bright band to the next, exactly and by the formula λL/a</source>
        <extracomment>Accessible description of the band spacing readout; keep λL/a.</extracomment>
        <translation>De la franja brillante central a la siguiente, exactamente y según la fórmula λL/a</translation>
    </message>
    <message>
        <source>Bright bands, exact and by the small-angle formula</source>
        <extracomment>The accessible name of the table of bright bands; choosing a row moves the point there.</extracomment>
        <translation>Franjas brillantes, exactas y según la fórmula para ángulos pequeños</translation>
    </message>
    <message>
        <source>Choosing a row puts the point on that band</source>
        <extracomment>Accessible description of the table of bright bands.</extracomment>
        <translation>Elegir una fila pone el punto en esa franja</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <extracomment>A button: saves the table of bright bands as a CSV file; &amp; marks the access key.</extracomment>
        <translation>&amp;Guardar la tabla...</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <extracomment>A button: puts the table of bright bands on the clipboard; &amp; marks the access key.</extracomment>
        <translation>&amp;Copiar la tabla</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button that closes the real experiment&apos;s window.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Photons: %1</source>
        <extracomment>How many photons have arrived on the strip; %1 the number.</extracomment>
        <translation>Fotones: %1</translation>
    </message>
    <message>
        <source>%1 m = %2 λ</source>
        <extracomment>A path&apos;s length: %1 in metres, %2 in wavelengths (λ is the wavelength&apos;s symbol).</extracomment>
        <translation>%1 m = %2 λ</translation>
    </message>
    <message>
        <source>%1 nm = %2 λ</source>
        <extracomment>The path difference: %1 in nanometres, %2 in wavelengths.</extracomment>
        <translation>%1 nm = %2 λ</translation>
    </message>
    <message>
        <source>%1 rad = %2°</source>
        <extracomment>The phase difference: %1 in radians, %2 in degrees.</extracomment>
        <translation>%1 rad = %2°</translation>
    </message>
    <message>
        <source>%1 % of the brightest</source>
        <extracomment>The brightness at the point: %1 per cent of the brightest.</extracomment>
        <translation>%1 % del más brillante</translation>
    </message>
    <message>
        <source>Phasor B, then phasor A turned %1° further, and their sum, %2 % as long as it can be</source>
        <extracomment>The phasors&apos; drawing for a screen reader: %1 the phase difference in degrees, %2 the sum&apos;s length as a share of its longest.</extracomment>
        <translation>El fasor B, luego el fasor A girado %1° más, y su suma, con un %2 % de la longitud que puede tener</translation>
    </message>
    <message>
        <source>%1 mm (formula λL/a: %2 mm)</source>
        <extracomment>The band spacing: %1 exact, %2 by the formula λL/a, both in millimetres.</extracomment>
        <translation>%1 mm (fórmula λL/a: %2 mm)</translation>
    </message>
    <message>
        <source>wider than the screen shown</source>
        <extracomment>The band spacing when the first band lies beyond the 5 cm shown.</extracomment>
        <translation>más ancha que la pantalla mostrada</translation>
    </message>
    <message>
        <source>Here λ/a is only %1, and the farthest band shown lies %2° from the axis: at so small an angle sin θ, tan θ and θ agree, and the formula misses the exact places by at most %3 µm. In the picture the wavelength is about a tenth of the slits&apos; distance and the bands lie at large angles, so there the two part.</source>
        <extracomment>Why the formula and the exact places agree here: %1 the ratio λ/a, %2 the angle of the farthest band shown in degrees, %3 the largest difference in micrometres. Keep λ/a and θ.</extracomment>
        <translation>Aquí λ/a vale solo %1, y la franja mostrada más lejana está a %2° del eje: con un ángulo tan pequeño sin θ, tan θ y θ coinciden, y la fórmula yerra las posiciones exactas en %3 µm como mucho. En la imagen la longitud de onda es cerca de una décima de la separación de las rendijas y las franjas están a ángulos grandes, así que allí ambas se separan.</translation>
    </message>
    <message>
        <source>The screen from −50 to 50 mm in the colour of %1 nm light, bright bands at %2 mm; %3 photons have arrived; the point is at %4 mm. Left and Right move it 0.1 mm, with Ctrl 0.01 mm, Page Up and Page Down 1 mm, Home to the axis.</source>
        <extracomment>The strip for a screen reader: %1 the light&apos;s wavelength in nm, %2 the bright bands&apos; places in mm separated by semicolons, %3 the photons arrived, %4 the chosen point in mm.</extracomment>
        <translation>La pantalla de −50 a 50 mm en el color de una luz de %1 nm, franjas brillantes en %2 mm; han llegado %3 fotones; el punto está en %4 mm. Izquierda y Derecha lo mueven 0,1 mm, con Ctrl 0,01 mm, Re Pág y Av Pág 1 mm, Inicio al eje.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <extracomment>The title of the file dialog that saves the table of bright bands.</extracomment>
        <translation>Guardar la tabla como</translation>
    </message>
    <message>
        <source>bright-bands.csv</source>
        <extracomment>The file name the save dialog suggests; keep the .csv ending.</extracomment>
        <translation>franjas-brillantes.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file-type filter of the save dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A warning: %1 the file name, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo guardar la tabla como «%1»: %2</translation>
    </message>
</context>
<context>
    <name>OrdersModel</name>
    <message>
        <source>Order m</source>
        <extracomment>A column title: the order m (whole number of wavelengths of path difference).</extracomment>
        <translation>Orden m</translation>
    </message>
    <message>
        <source>Exact (px)</source>
        <extracomment>A column title: the height of order m from the exact geometry, in pixels.</extracomment>
        <translation>Exacta (px)</translation>
    </message>
    <message>
        <source>Small-angle (px)</source>
        <extracomment>A column title: the height the small-angle formula gives, in pixels.</extracomment>
        <translation>Ángulos pequeños (px)</translation>
    </message>
    <message>
        <source>Small-angle less exact (px)</source>
        <extracomment>A column title: how far the formula&apos;s height lies from the exact one, in pixels.</extracomment>
        <translation>Ángulos pequeños menos exacta (px)</translation>
    </message>
    <message>
        <source>off the screen</source>
        <extracomment>Where an order would lie beyond the scanned part of the screen.</extracomment>
        <translation>fuera de la pantalla</translation>
    </message>
</context>
<context>
    <name>PatternPlayer</name>
    <message>
        <source>The pattern will sound when the run ends.</source>
        <extracomment>Shown, and said to a screen reader, when the key that plays the pattern as sound is pressed during a run.</extracomment>
        <translation>El patrón sonará cuando termine el barrido.</translation>
    </message>
    <message>
        <source>There is no pattern to hear yet: press %1 first.</source>
        <extracomment>Shown, and said to a screen reader, when the pattern is to be played as sound before any run; %1 is the Start button&apos;s caption.</extracomment>
        <translation>Todavía no hay ningún patrón que escuchar: pulse primero %1.</translation>
    </message>
    <message>
        <source>No sound output was found: the pattern cannot be heard.</source>
        <extracomment>Shown, and said to a screen reader, when the computer has no sound server or no sound output to play the pattern through.</extracomment>
        <translation>No se encontró ninguna salida de sonido: no se puede reproducir el patrón.</translation>
    </message>
    <message>
        <source>The sound server does not answer: the pattern cannot be heard. Try again later, or restart the computer&apos;s sound.</source>
        <extracomment>Shown, and said to a screen reader, when the pattern is to be played as sound and the computer&apos;s sound server (the program that plays every program&apos;s sound) does not answer within a few seconds.</extracomment>
        <translation>El servidor de sonido no responde: no se puede reproducir el patrón. Inténtelo más tarde o reinicie el sonido del ordenador.</translation>
    </message>
    <message>
        <source>The sound component of Quarnel is not installed: install the package quarnel-sound to hear the pattern.</source>
        <extracomment>Shown, and said to a screen reader, when the part of Quarnel that plays sound is missing or broken; quarnel-sound is the name of the package to install, keep it as it is.</extracomment>
        <translation>El componente de sonido de Quarnel no está instalado: instale el paquete quarnel-sound para escuchar el patrón.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>&amp;Copy picture</source>
        <extracomment>An entry of the picture&apos;s menu (right button); &amp; marks the key that chooses it.</extracomment>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Save picture as...</source>
        <extracomment>An entry of the picture&apos;s menu: saves it as a PNG file, asking where.</extracomment>
        <translation>&amp;Guardar imagen como...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>An entry of the picture&apos;s menu: opens the help.</extracomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Quarnel</source>
        <extracomment>An entry of the picture&apos;s menu: opens About.</extracomment>
        <translation>&amp;Acerca de Quarnel</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>What a screen reader calls the picture&apos;s menu.</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <extracomment>The title of the file dialog that saves the picture.</extracomment>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>interference.png</source>
        <extracomment>The file name the save dialog offers; a file name, so no spaces or slashes.</extracomment>
        <translation>interferencia.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The save dialog&apos;s file type; keep &quot;(*.png)&quot; as it is.</extracomment>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A message box: %1 is the file&apos;s path, %2 the system&apos;s reason (already translated).</extracomment>
        <translation>No se pudo guardar la imagen como «%1»: %2</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <extracomment>An entry of the picture&apos;s menu: the whole window one step larger.</extracomment>
        <translation>A&amp;mpliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <extracomment>An entry of the picture&apos;s menu: the whole window one step smaller.</extracomment>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <extracomment>An entry of the picture&apos;s menu: the window back at 100 %.</extracomment>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <extracomment>An entry of the picture&apos;s menu: the window fills the screen, or leaves it.</extracomment>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <extracomment>An entry of the picture&apos;s menu: opens the window that inspects the last run point by point.</extracomment>
        <translation>&amp;Explorar</translation>
    </message>
    <message>
        <source>Hea&amp;r the pattern</source>
        <extracomment>An entry of the picture&apos;s menu: plays the last run as sound, bottom to top, loud where the picture is bright and silent where it is dark.</extracomment>
        <translation>Escuc&amp;har el patrón</translation>
    </message>
    <message>
        <source>Real e&amp;xperiment</source>
        <extracomment>An entry of the picture&apos;s menu: opens a real two-slit experiment in nanometres and metres.</extracomment>
        <translation>E&amp;xperimento real</translation>
    </message>
    <message>
        <source>Hear it s&amp;lowly</source>
        <extracomment>An entry of the picture&apos;s menu: plays the last run as sound at a quarter of the speed.</extracomment>
        <translation>Escuchar &amp;despacio</translation>
    </message>
    <message>
        <source>Say the s&amp;ummary</source>
        <extracomment>An entry of the picture&apos;s menu: the screen reader says the last run&apos;s summary again (the bright bands, their distance, what changed); &amp; marks the key.</extracomment>
        <translation>&amp;Decir el resumen</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <extracomment>An entry of the picture&apos;s menu: starts a run, as the Start button does; &amp; marks the key that chooses it.</extracomment>
        <translation>&amp;Iniciar</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message numerus="yes">
        <source>%n pixel</source>
        <extracomment>A distance in the picture&apos;s description, for one pixel (%n is 1); give every plural form your language has.</extracomment>
        <translation>
            <numerusform>%n píxel</numerusform>
            <numerusform>%n píxel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <extracomment>A distance in the picture&apos;s description, %n pixels; give every plural form your language has (2 pixely, 5 pixelů).</extracomment>
        <translation>
            <numerusform>%n píxel</numerusform>
            <numerusform>%n píxeles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 above the optical axis</source>
        <extracomment>Where something lies, or where a stopped run&apos;s plot reaches; %1 a distance such as &quot;12 pixels&quot; or a list of them (&quot;10, 31 and 53 pixels&quot;).</extracomment>
        <translation>a %1 por encima del eje óptico</translation>
    </message>
    <message>
        <source>%1 below the optical axis</source>
        <extracomment>Where something lies, or where a stopped run&apos;s plot reaches; %1 a distance such as &quot;12 pixels&quot; or a list of them (&quot;10, 31 and 53 pixels&quot;).</extracomment>
        <translation>a %1 por debajo del eje óptico</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <extracomment>The start of the picture&apos;s settings sentence: %1 is the pattern&apos;s name as its option says it (Light, Interference, Photon density).</extracomment>
        <translation>Patrón «%1»</translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <extracomment>Said of the picture when no point of the plot is bright.</extracomment>
        <translation>La gráfica queda oscura.</translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <extracomment>The picture&apos;s description before the first run; &quot;Start&quot; as the button&apos;s caption.</extracomment>
        <translation>Aún no hay nada dibujado: Iniciar dibuja la fuente de luz, la barrera con la doble rendija, la pantalla y el patrón.</translation>
    </message>
    <message>
        <source>The run was stopped before its first point.</source>
        <extracomment>Said of the picture after Escape stopped a run at once.</extracomment>
        <translation>El barrido se detuvo antes de su primer punto.</translation>
    </message>
    <message>
        <source>level with the optical axis</source>
        <extracomment>Where a stopped run&apos;s plot reaches (the %3 of &quot;The run was stopped after ...&quot;).</extracomment>
        <translation>a la altura del eje óptico</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.</source>
        <extracomment>%1 and %2 are numbers of points (the scan has 399), %3 where the plot reaches (&quot;level with the optical axis&quot;, &quot;12 pixels above the optical axis&quot;).</extracomment>
        <translation>El barrido se detuvo tras %1 de %2 puntos: la gráfica empieza abajo y termina %3.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list in the picture&apos;s description: %1 the items before the last, separated by commas (&quot;10, 31&quot;), %2 the last (&quot;53 pixels&quot;).</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>on the optical axis</source>
        <extracomment>Where something lies in the picture: on the optical axis (the horizontal line through the source and midway between the slits).</extracomment>
        <translation>en el eje óptico</translation>
    </message>
    <message>
        <source>%1 above and below the optical axis</source>
        <extracomment>Where two places mirrored across the axis lie; %1 a distance such as &quot;12 pixels&quot; or a list of them (&quot;10, 31 and 53 pixels&quot;).</extracomment>
        <translation>a %1 por encima y por debajo del eje óptico</translation>
    </message>
    <message>
        <source>No bands: the plot is evenly bright from the bottom to the top.</source>
        <extracomment>The picture&apos;s first sentence when the plot is the same length all the way up (interference with both slits on the axis).</extracomment>
        <translation>Sin franjas: la gráfica es igual de brillante de abajo arriba.</translation>
    </message>
    <message>
        <source>across the optical axis</source>
        <extracomment>Where the only bright band lies, in &quot;One bright band, %1.&quot;.</extracomment>
        <translation>sobre el eje óptico</translation>
    </message>
    <message>
        <source>One bright band, %1.</source>
        <extracomment>The picture&apos;s first sentence, also said alone when a run ends: %1 where the band lies (&quot;across the optical axis&quot;, &quot;30 pixels above the optical axis&quot;).</extracomment>
        <translation>Una franja brillante, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bright bands, %1 apart near the axis.</source>
        <extracomment>The picture&apos;s first sentence, also said alone when a run ends: %n bright bands (2 or more; give every plural form), %1 the distance between two neighbouring bands near the optical axis (&quot;21 pixels&quot;).</extracomment>
        <translation>
            <numerusform>%n franja brillante, separada %1 cerca del eje.</numerusform>
            <numerusform>%n franjas brillantes, separadas %1 cerca del eje.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more farther out</source>
        <extracomment>The end of the list of dark bands: %1 the places listed (&quot;10, 31 and 53 pixels above and below the optical axis&quot;), %n how many more lie farther from the axis.</extracomment>
        <translation>
            <numerusform>%1, y %n más lejos del eje</numerusform>
            <numerusform>%1, y %n más lejos del eje</numerusform>
        </translation>
    </message>
    <message>
        <source>Dark bands lie %1.</source>
        <extracomment>The sentence on the dark bands (the dark stripes between the bright bands): %1 where they lie (&quot;10, 31 and 53 pixels above and below the optical axis, and 6 more farther out&quot;); places on both sides are separated by semicolons.</extracomment>
        <translation>Las franjas oscuras están %1.</translation>
    </message>
    <message>
        <source>the slits are farther apart</source>
        <extracomment>A change since the last run, in &quot;Since the last run: %1.&quot; and before &quot;, so the bright bands are ...&quot;.</extracomment>
        <translation>las rendijas están más separadas</translation>
    </message>
    <message>
        <source>the slits are closer together</source>
        <extracomment>A change since the last run, in &quot;Since the last run: %1.&quot; and before &quot;, so the bright bands are ...&quot;.</extracomment>
        <translation>las rendijas están más juntas</translation>
    </message>
    <message>
        <source>the detector is farther from the slits</source>
        <extracomment>A change since the last run: the detector is farther from the slits.</extracomment>
        <translation>la pantalla está más lejos de las rendijas</translation>
    </message>
    <message>
        <source>the detector is nearer to the slits</source>
        <extracomment>A change since the last run: the detector is nearer to the slits.</extracomment>
        <translation>la pantalla está más cerca de las rendijas</translation>
    </message>
    <message>
        <source>the frequency is higher</source>
        <extracomment>A change since the last run: the light&apos;s frequency.</extracomment>
        <translation>la frecuencia es más alta</translation>
    </message>
    <message>
        <source>the frequency is lower</source>
        <extracomment>A change since the last run: the light&apos;s frequency.</extracomment>
        <translation>la frecuencia es más baja</translation>
    </message>
    <message>
        <source>the plot shows the %1 pattern</source>
        <extracomment>A change since the last run: %1 the pattern&apos;s name as its option says it (Light, Interference, Photon density).</extracomment>
        <translation>la gráfica muestra el patrón «%1»</translation>
    </message>
    <message>
        <source>bright bands: %1 instead of %2</source>
        <extracomment>A change since the last run: %1 how many bright bands the plot shows now, %2 how many it showed before.</extracomment>
        <translation>franjas brillantes: %1 en lugar de %2</translation>
    </message>
    <message>
        <source>Since the last run: %1.</source>
        <extracomment>The sentence on what changed since the previous run: %1 the changes, separated by semicolons (&quot;the plot shows the Photon density pattern; bright bands: 12 instead of 11&quot;).</extracomment>
        <translation>Desde el último barrido: %1.</translation>
    </message>
    <message>
        <source>There are no dark bands: with both slits on the optical axis the two paths to every point are equally long, so the two arrows (phasors) always point the same way.</source>
        <extracomment>Said when the slit spacing is 0: why the pattern has no dark bands.</extracomment>
        <translation>No hay franjas oscuras: con las dos rendijas en el eje óptico, los dos caminos hasta cada punto son igual de largos, así que las dos flechas (fasores) apuntan siempre en la misma dirección.</translation>
    </message>
    <message>
        <source>The dots land at random along each row, but they pile up where the light pattern is bright, most densely %1.</source>
        <extracomment>Photon mode: each photon lands as a dot at a random place along its row; %1 where the most dots are (&quot;on the optical axis&quot;, &quot;40 pixels above and below the optical axis&quot;).</extracomment>
        <translation>Los puntos caen al azar a lo largo de cada fila, pero se acumulan donde el patrón de luz es brillante, con más densidad %1.</translation>
    </message>
    <message>
        <source>The light is brightest %1.</source>
        <extracomment>Where the plot is longest; %1 &quot;on the optical axis&quot;, &quot;40 pixels above and below the optical axis&quot; and the like.</extracomment>
        <translation>La luz es más brillante %1.</translation>
    </message>
    <message>
        <source>At a bright band the two arrows (phasors) point the same way and add up; at a dark band they point opposite ways and cancel.</source>
        <extracomment>The phasors (the two arrows drawn at the detector for each point, one per slit) at the bands, as the help explains them.</extracomment>
        <translation>En una franja brillante las dos flechas (fasores) apuntan en la misma dirección y se suman; en una franja oscura apuntan en direcciones opuestas y se anulan.</translation>
    </message>
    <message>
        <source>The plot dips %1 to %2% of its brightest, but that is no dark band: the two arrows (phasors) add up there; the program weakens the light the farther a point lies from each slit.</source>
        <extracomment>A dip in the plot inside a bright band that is no dark band: %1 where it lies (&quot;on the optical axis&quot;), %2 how low the plot gets there, in percent of its largest value.</extracomment>
        <translation>La gráfica baja %1 hasta el %2 % de su máximo, pero no es una franja oscura: las dos flechas (fasores) se suman allí; el programa debilita la luz cuanto más lejos está un punto de cada rendija.</translation>
    </message>
    <message>
        <source>No dark band: nowhere on the screen line do the two arrows (phasors) point opposite ways.</source>
        <extracomment>Said when the path difference stays too small for the phasors to cancel anywhere on the screen line.</extracomment>
        <translation>Ninguna franja oscura: en ningún punto de la pantalla las dos flechas (fasores) apuntan en sentidos opuestos.</translation>
    </message>
    <message>
        <source>slit spacing large (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;large&quot;; %1 a distance (&quot;40 pixels&quot;).</extracomment>
        <translation>una separación de rendijas grande (cada rendija a %1 del eje óptico)</translation>
    </message>
    <message>
        <source>slit spacing minor (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;minor&quot;; %1 a distance (&quot;15 pixels&quot;).</extracomment>
        <translation>una separación de rendijas menor (cada rendija a %1 del eje óptico)</translation>
    </message>
    <message>
        <source>slit spacing middle (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;middle&quot;; %1 a distance (&quot;10 pixels&quot;).</extracomment>
        <translation>una separación de rendijas media (cada rendija a %1 del eje óptico)</translation>
    </message>
    <message>
        <source>slit spacing small (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;small&quot;; %1 a distance (&quot;5 pixels&quot;).</extracomment>
        <translation>una separación de rendijas pequeña (cada rendija a %1 del eje óptico)</translation>
    </message>
    <message>
        <source>slit spacing 0 (both slits on the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;0&quot;.</extracomment>
        <translation>separación de rendijas 0 (ambas rendijas en el eje óptico)</translation>
    </message>
    <message>
        <source>detector-screen distance large (%1 behind the barrier)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the distance option &quot;large&quot;; %1 a distance (&quot;200 pixels&quot;).</extracomment>
        <translation>una distancia de la pantalla larga (%1 detrás de la barrera)</translation>
    </message>
    <message>
        <source>detector-screen distance middle (%1 behind the barrier)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the distance option &quot;middle&quot;; %1 a distance (&quot;150 pixels&quot;).</extracomment>
        <translation>una distancia de la pantalla media (%1 detrás de la barrera)</translation>
    </message>
    <message>
        <source>detector-screen distance near (%1 behind the barrier)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the distance option &quot;near&quot;; %1 a distance (&quot;100 pixels&quot;).</extracomment>
        <translation>la pantalla cerca (%1 detrás de la barrera)</translation>
    </message>
    <message>
        <source>frequency higher</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;higher&quot;.</extracomment>
        <translation>una frecuencia mayor</translation>
    </message>
    <message>
        <source>frequency high</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;high&quot;.</extracomment>
        <translation>una frecuencia alta</translation>
    </message>
    <message>
        <source>frequency middle</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;middle&quot;.</extracomment>
        <translation>una frecuencia media</translation>
    </message>
    <message>
        <source>frequency low</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;low&quot;.</extracomment>
        <translation>una frecuencia baja</translation>
    </message>
    <message>
        <source>%1 after a run with %2, %3 and %4.</source>
        <extracomment>The sentence on the settings: %1 &quot;Light pattern&quot; (see &quot;%1 pattern&quot;), %2 the slit spacing, %3 the detector-screen distance, %4 the frequency, each as its option&apos;s phrase (&quot;slit spacing large (each slit 40 pixels from the optical axis)&quot;).</extracomment>
        <translation>%1 tras un barrido con %2, %3 y %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1, so the %n bright bands are closer together: %2 apart instead of %3.</source>
        <extracomment>A run&apos;s summary after a change: %1 what changed (&quot;The slits are farther apart&quot;, several joined by &quot;and&quot;), %n how many bright bands now (2 or more; give every plural form), %2 their distance now (&quot;6 pixels&quot;), %3 the number of pixels it was (&quot;16&quot;).</extracomment>
        <translation>
            <numerusform>%1, así que las %n franjas brillantes están más juntas: a %2 en lugar de %3.</numerusform>
            <numerusform>%1, así que las %n franjas brillantes están más juntas: a %2 en lugar de %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, so the %n bright bands are farther apart: %2 apart instead of %3.</source>
        <extracomment>A run&apos;s summary after a change: %1 what changed (&quot;The slits are closer together&quot;, several joined by &quot;and&quot;), %n how many bright bands now (2 or more; give every plural form), %2 their distance now (&quot;16 pixels&quot;), %3 the number of pixels it was (&quot;6&quot;).</extracomment>
        <translation>
            <numerusform>%1, así que las %n franjas brillantes están más separadas: a %2 en lugar de %3.</numerusform>
            <numerusform>%1, así que las %n franjas brillantes están más separadas: a %2 en lugar de %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, yet the %n bright bands are as far apart as before: %2.</source>
        <extracomment>A run&apos;s summary after changes that cancel out: %1 what changed (&quot;The slits are closer together and the detector is nearer to the slits&quot;), %n how many bright bands (2 or more; give every plural form), %2 their distance (&quot;21 pixels&quot;).</extracomment>
        <translation>
            <numerusform>%1, pero las %n franjas brillantes siguen igual de separadas que antes: %2.</numerusform>
            <numerusform>%1, pero las %n franjas brillantes siguen igual de separadas que antes: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PointReadouts</name>
    <message>
        <source>Selected point</source>
        <extracomment>The accessible name of the point box, and the title of the group of readouts for that point.</extracomment>
        <translation>Punto elegido</translation>
    </message>
    <message>
        <source>Height above the optical axis</source>
        <extracomment>A readout: how far the selected point lies above the optical axis (the line through the middle of the slits), in pixels.</extracomment>
        <translation>Altura sobre el eje óptico</translation>
    </message>
    <message>
        <source>How far the point lies above the optical axis, in pixels; below it negative</source>
        <extracomment>Accessible description of the height readout.</extracomment>
        <translation>A qué altura está el punto sobre el eje óptico, en píxeles; por debajo, negativa</translation>
    </message>
    <message>
        <source>Wavelength λ = 2π/k</source>
        <extracomment>A readout: the wavelength of the light, worked out from its wave number k. Keep the formula as it is.</extracomment>
        <translation>Longitud de onda λ = 2π/k</translation>
    </message>
    <message>
        <source>The wavelength of the run&apos;s light, from its wave number k</source>
        <extracomment>Accessible description of the wavelength readout.</extracomment>
        <translation>La longitud de onda de la luz del barrido, a partir de su número de onda k</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <extracomment>A readout: the length of the path from the middle of slit A to the selected point.</extracomment>
        <translation>Camino desde la rendija A</translation>
    </message>
    <message>
        <source>From the middle of slit A to the point, in pixels and in wavelengths</source>
        <extracomment>Accessible description of the readout of the path from slit A.</extracomment>
        <translation>Desde el centro de la rendija A hasta el punto, en píxeles y en longitudes de onda</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <extracomment>A readout: the length of the path from the middle of slit B to the selected point.</extracomment>
        <translation>Camino desde la rendija B</translation>
    </message>
    <message>
        <source>From the middle of slit B to the point, in pixels and in wavelengths</source>
        <extracomment>Accessible description of the readout of the path from slit B.</extracomment>
        <translation>Desde el centro de la rendija B hasta el punto, en píxeles y en longitudes de onda</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <extracomment>A readout: how much longer the path from slit B is than the path from slit A.</extracomment>
        <translation>Diferencia de camino B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in wavelengths and pixels</source>
        <extracomment>Accessible description of the path-difference readout.</extracomment>
        <translation>Cuánto más largo es el camino desde la rendija B, en longitudes de onda y en píxeles</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <extracomment>A readout: the angle between the two phasors (the arrows of the two waves), in degrees.</extracomment>
        <translation>Diferencia de fase</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in degrees, and in whole turns and the rest</source>
        <extracomment>Accessible description of the phase-difference readout; a phasor is the arrow that stands for one wave.</extracomment>
        <translation>Cuánto más girado está el fasor B que el fasor A, en grados, y en vueltas completas y el resto</translation>
    </message>
    <message>
        <source>Intensity as computed</source>
        <extracomment>A readout: the intensity the program worked out at the point, before the plot scales it.</extracomment>
        <translation>Intensidad calculada</translation>
    </message>
    <message>
        <source>Four times the squared length of the phasor sum, before the pattern scales it</source>
        <extracomment>Accessible description of the computed-intensity readout; the phasor sum is the arrow from the tail of one phasor to the head of the other.</extracomment>
        <translation>Cuatro veces el cuadrado de la longitud de la suma de fasores, antes de que el patrón la escale</translation>
    </message>
    <message>
        <source>Intensity as plotted</source>
        <extracomment>A readout: what the plot drew at the point (a bar&apos;s length, or a number of photon dots).</extracomment>
        <translation>Intensidad representada</translation>
    </message>
    <message>
        <source>What the plot drew at this height: the bar&apos;s length, or the photons</source>
        <extracomment>Accessible description of the plotted-intensity readout.</extracomment>
        <translation>Lo que la gráfica dibujó a esta altura: la longitud de la barra, o los fotones</translation>
    </message>
    <message>
        <source>Nearest whole order</source>
        <extracomment>A readout: the whole number m of wavelengths nearest the path difference (the nearest order).</extracomment>
        <translation>Orden entero más cercano</translation>
    </message>
    <message>
        <source>The whole number of wavelengths m nearest the path difference, and how far the difference is from it</source>
        <extracomment>Accessible description of the nearest-order readout.</extracomment>
        <translation>El número entero de longitudes de onda m más cercano a la diferencia de camino, y cuánto se aparta de él</translation>
    </message>
    <message>
        <source>Where this order lies</source>
        <extracomment>A readout: where the path difference is m wavelengths (order m), exactly and by the small-angle formula.</extracomment>
        <translation>Dónde está este orden</translation>
    </message>
    <message>
        <source>Where the path difference is exactly m wavelengths, and where the small-angle formula puts it</source>
        <extracomment>Accessible description of the readout of where order m lies.</extracomment>
        <translation>Donde la diferencia de camino es exactamente m longitudes de onda, y donde la sitúa la fórmula para ángulos pequeños</translation>
    </message>
    <message>
        <source>Phasors of the selected point</source>
        <extracomment>The accessible name of the drawing of the two phasors (arrows) and their sum for the selected point.</extracomment>
        <translation>Fasores del punto elegido</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A readout&apos;s label: %1 is its name (&quot;Path from slit A&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1 px</source>
        <extracomment>A length in pixels; %1 is the number.</extracomment>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>%1 px (k = %2 rad/px)</source>
        <extracomment>The wavelength in pixels, and the wave number k in radians per pixel. A length in pixels; %1 is the number.</extracomment>
        <translation>%1 px (k = %2 rad/px)</translation>
    </message>
    <message>
        <source>%1 px = %2 λ</source>
        <extracomment>A path: %1 in pixels, %2 in wavelengths.</extracomment>
        <translation>%1 px = %2 λ</translation>
    </message>
    <message>
        <source>%1 λ = %2 px</source>
        <extracomment>The path difference: %1 in wavelengths, %2 in pixels.</extracomment>
        <translation>%1 λ = %2 px</translation>
    </message>
    <message>
        <source>%1° = %2 × 360° − %3°</source>
        <extracomment>The phase difference as whole turns less the rest: %1 the whole angle, %2 the whole turns, %3 the rest, in degrees.</extracomment>
        <translation>%1° = %2 × 360° − %3°</translation>
    </message>
    <message>
        <source>%1° = %2 × 360° + %3°</source>
        <extracomment>The phase difference as whole turns plus the rest: %1 the whole angle, %2 the whole turns, %3 the rest, in degrees.</extracomment>
        <translation>%1° = %2 × 360° + %3°</translation>
    </message>
    <message>
        <source>%1 of at most %2</source>
        <extracomment>The computed intensity: %1 its value, %2 the largest value it can have.</extracomment>
        <translation>%1 de como máximo %2</translation>
    </message>
    <message>
        <source>photon count %1, dots drawn: %2</source>
        <extracomment>In photon mode: %1 the expected photon count at the point, %2 the dots actually drawn.</extracomment>
        <translation>número de fotones %1, puntos dibujados: %2</translation>
    </message>
    <message>
        <source>bar %1 px long</source>
        <extracomment>The plotted intensity as a bar&apos;s length: %1 in pixels.</extracomment>
        <translation>barra de %1 px</translation>
    </message>
    <message>
        <source>m = %1, off by %2 λ</source>
        <extracomment>%1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.</extracomment>
        <translation>m = %1, desviación %2 λ</translation>
    </message>
    <message>
        <source>off the screen</source>
        <extracomment>Where an order would lie beyond the scanned part of the screen.</extracomment>
        <translation>fuera de la pantalla</translation>
    </message>
    <message>
        <source>none: the path difference is the same everywhere</source>
        <extracomment>With both slits at one place (spacing 0) there are no orders: the path difference does not change.</extracomment>
        <translation>ninguna: la diferencia de camino es igual en todas partes</translation>
    </message>
    <message>
        <source>exact %1, small-angle %2</source>
        <extracomment>Where order m lies: %1 from the exact geometry, %2 by the small-angle formula (each a height in pixels or &quot;off the screen&quot;).</extracomment>
        <translation>exacta %1, ángulos pequeños %2</translation>
    </message>
    <message>
        <source>Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of at most %4 px</source>
        <extracomment>The phasor drawing for a screen reader: %1 and %2 the angles the phasors are turned by, %3 the length of their sum (drawn green) and %4 the longest it can be, in pixels.</extracomment>
        <translation>Fasor B girado %1°, fasor A girado %2° dibujado desde su punta; su suma, en verde, mide %3 px de como máximo %4 px</translation>
    </message>
    <message>
        <source>Readouts of the selected point</source>
        <extracomment>The accessible name of the list of the selected point&apos;s readouts, one a line.</extracomment>
        <translation>Lecturas del punto elegido</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the selected point&apos;s readouts: %1 the readout&apos;s name (&quot;Path from slit A&quot;), %2 its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s name for a disk drive.</extracomment>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <extracomment>Qt&apos;s text: the file dialog&apos;s name for a folder.</extracomment>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Alt+Left</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s key for Back (Alt and the Left arrow key).</extracomment>
        <translation>Alt+Izquierda</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s key for Forward (Alt and the Right arrow key).</extracomment>
        <translation>Alt+Derecha</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s key for the parent folder (Alt and the Up arrow key).</extracomment>
        <translation>Alt+Arriba</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>Qt&apos;s text: the save dialog asks before replacing a file; %1 is its name.</extracomment>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A4</source>
        <extracomment>Qt&apos;s text: the paper size A4 in the print dialog.</extracomment>
        <translation>A4</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Close</source>
        <extracomment>Qt&apos;s text: a button of every dialog box (the help&apos;s, a message box&apos;s).</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s text: a button of every dialog box.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Qt&apos;s text: a button of the save and print dialogs.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Qt&apos;s text: the save dialog&apos;s button, as the picture&apos;s menu says &quot;Save&quot;.</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Qt&apos;s text: a file dialog&apos;s button.</extracomment>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>All Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice of which pages to print.</extracomment>
        <translation>Todas las páginas</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice of which pages to print.</extracomment>
        <translation>Páginas pares</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice of which pages to print.</extracomment>
        <translation>Páginas impares</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <extracomment>Qt&apos;s text: the title of the file dialog that names the help&apos;s PDF file.</extracomment>
        <translation>Imprimir en un archivo</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Page Set:</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s label for the choice of all, even or odd pages.</extracomment>
        <translation>Conjunto de páginas:</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s option of printing pages whose numbers are given.</extracomment>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s tooltip for the page numbers; &quot;3,5-7,9&quot; stays as it is (a list of pages, not a decimal number).</extracomment>
        <translation>Indique páginas o intervalos separados por comas. Un intervalo son dos números separados por un guion. P. ej.: 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s group for printing on both sides of the paper.</extracomment>
        <translation>Impresión a doble cara</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice not to print on both sides.</extracomment>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <extracomment>Qt&apos;s text: both sides, bound along the paper&apos;s long side.</extracomment>
        <translation>Encuadernación por el lado largo</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <extracomment>Qt&apos;s text: both sides, bound along the paper&apos;s short side.</extracomment>
        <translation>Encuadernación por el lado corto</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Num</source>
        <extracomment>Qt&apos;s text: a key name&apos;s prefix for the keys of the number pad (Num+5).</extracomment>
        <translation>Núm</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Qt&apos;s text: the name of the Home key (to the start of a line or scale), as the keyboard says it; the help names it.</extracomment>
        <translation>Inicio</translation>
    </message>
</context>
<context>
    <name>RunAnnouncement</name>
    <message>
        <source>Run finished. %1</source>
        <extracomment>Said by the screen reader when a run has plotted its last point, wherever the focus is; %1 is the first sentence of the picture&apos;s description.</extracomment>
        <translation>Barrido terminado. %1</translation>
    </message>
    <message>
        <source>Run stopped before its first point.</source>
        <extracomment>Said by the screen reader when Escape stopped a run before it plotted anything.</extracomment>
        <translation>Barrido detenido antes de su primer punto.</translation>
    </message>
    <message>
        <source>Run stopped at point %1 of %2, %3.</source>
        <extracomment>Said by the screen reader when Escape stopped a run, wherever the focus is: %1 the last point plotted (from 1 at the bottom), %2 how many the scan has (399), %3 where that point lies (&quot;12 pixels above the optical axis&quot;).</extracomment>
        <translation>Barrido detenido en el punto %1 de %2, %3.</translation>
    </message>
    <message>
        <source>A quarter</source>
        <extracomment>Said by the screen reader during a slow run, when a quarter of the screen line is scanned.</extracomment>
        <translation>Un cuarto</translation>
    </message>
    <message>
        <source>Half</source>
        <extracomment>Said by the screen reader during a slow run, when half the screen line is scanned.</extracomment>
        <translation>La mitad</translation>
    </message>
    <message>
        <source>Three quarters</source>
        <extracomment>Said by the screen reader during a slow run, when three quarters of the screen line are scanned.</extracomment>
        <translation>Tres cuartos</translation>
    </message>
    <message>
        <source>A run goes on: point %1 of %2.</source>
        <extracomment>Said by the screen reader when D asks for the summary during a run: %1 the points plotted so far, %2 how many the scan has (399).</extracomment>
        <translation>Barrido en curso: punto %1 de %2.</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <extracomment>A message box: a run refused one of its settings. %1 is the setting&apos;s text as it was found; &quot;setting text&quot; is what one of the hidden setting fields holds.</extracomment>
        <translation>El barrido se detuvo: el texto de ajuste «%1» no es un número.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <extracomment>A message box: a run refused one of its settings, a number no option or the scroll bar writes. %1 is the setting&apos;s text as it was found.</extracomment>
        <translation>El barrido se detuvo: el texto de ajuste «%1» no es un valor de su control.</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>point</source>
        <extracomment>A column title of the run&apos;s table pasted into a spreadsheet: the point&apos;s number, 1 … 399 from the bottom.</extracomment>
        <translation>punto</translation>
    </message>
    <message>
        <source>y (px)</source>
        <extracomment>A column title: the point&apos;s y coordinate in the picture, in pixels (downwards).</extracomment>
        <translation>y (px)</translation>
    </message>
    <message>
        <source>height (px)</source>
        <extracomment>A column title: the point&apos;s height above the optical axis, in pixels.</extracomment>
        <translation>altura (px)</translation>
    </message>
    <message>
        <source>path A (px)</source>
        <extracomment>A column title: the path from the middle of slit A to the point, in pixels.</extracomment>
        <translation>camino A (px)</translation>
    </message>
    <message>
        <source>path B (px)</source>
        <extracomment>A column title: the path from the middle of slit B to the point, in pixels.</extracomment>
        <translation>camino B (px)</translation>
    </message>
    <message>
        <source>path difference (λ)</source>
        <extracomment>A column title: path B less path A, in wavelengths.</extracomment>
        <translation>diferencia de camino (λ)</translation>
    </message>
    <message>
        <source>phase difference (°)</source>
        <extracomment>A column title: the phase difference of the two waves, in degrees.</extracomment>
        <translation>diferencia de fase (°)</translation>
    </message>
    <message>
        <source>intensity as computed</source>
        <extracomment>A column title: the intensity the program worked out, before the plot scales it.</extracomment>
        <translation>intensidad calculada</translation>
    </message>
    <message>
        <source>plotted</source>
        <extracomment>The plotted value: a bar&apos;s length in pixels, or in photon mode the number of dots.</extracomment>
        <translation>representado</translation>
    </message>
</context>
<context>
    <name>ScreenStrip</name>
    <message>
        <source>The screen as the eye would see it</source>
        <extracomment>The accessible name (and tooltip) of the grey strip beside Explore&apos;s plot: the run&apos;s screen line as the eye would see it.</extracomment>
        <translation>La pantalla tal como la vería el ojo</translation>
    </message>
    <message>
        <source>The screen line of the run the plot shows, in grey beside it at the same heights: each point as light as the intensity the plot shows there, white at the largest, black at none</source>
        <extracomment>Accessible description of the grey strip beside Explore&apos;s plot.</extracomment>
        <translation>La pantalla del barrido que muestra la gráfica, en gris junto a ella a las mismas alturas: cada punto tan claro como la intensidad que la gráfica muestra allí, blanco en la mayor, negro en una intensidad nula</translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (a box of 49 x 17 pixels with its mark): each slit 40 pixels from the optical axis, the largest spacing. An adjective agreeing with your language&apos;s word for the spacing, as the group&apos;s caption has it.</extracomment>
        <translation>grande</translation>
    </message>
    <message>
        <source>minor</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (49 x 13 pixels): 15 pixels, the second largest of five (40, 15, 10, 5, 0); &quot;smaller than large&quot;, not &quot;small&quot;.</extracomment>
        <translation>menor</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (57 x 17 pixels): 10 pixels, the middle one.</extracomment>
        <translation>media</translation>
    </message>
    <message>
        <source>small</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (57 x 13 pixels): 5 pixels, the smallest spacing above none.</extracomment>
        <translation>pequeña</translation>
    </message>
    <message>
        <source>0</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (49 x 17 pixels): both slits on the optical axis. A number: keep it as it is.</extracomment>
        <translation>0</translation>
    </message>
    <message>
        <source>large</source>
        <comment>detector-screen distance</comment>
        <extracomment>Option of the &quot;Detector-Screen distance&quot; group (49 x 13 pixels): the screen 200 pixels behind the barrier, the farthest. An adjective agreeing with your language&apos;s word for the distance.</extracomment>
        <translation>larga</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>detector-screen distance</comment>
        <extracomment>Option of the &quot;Detector-Screen distance&quot; group (65 x 17 pixels): 150 pixels.</extracomment>
        <translation>media</translation>
    </message>
    <message>
        <source>near</source>
        <comment>detector-screen distance</comment>
        <extracomment>Option of the &quot;Detector-Screen distance&quot; group (65 x 17 pixels): 100 pixels, the screen nearest the barrier.</extracomment>
        <translation>cerca</translation>
    </message>
    <message>
        <source>higher</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (57 x 17 pixels): a wave number of 2 radians per pixel, the highest. An adjective agreeing with your language&apos;s word for the frequency.</extracomment>
        <translation>mayor</translation>
    </message>
    <message>
        <source>high</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (57 x 17 pixels): 0.5 radians per pixel.</extracomment>
        <translation>alta</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (57 x 13 pixels): 0.3 radians per pixel.</extracomment>
        <translation>media</translation>
    </message>
    <message>
        <source>low</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (41 x 13 pixels): 0.1 radians per pixel, the lowest. A whole word, not an abbreviation such as &quot;min&quot;.</extracomment>
        <translation>baja</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>pattern</comment>
        <extracomment>Option of the &quot;Pattern&quot; group (65 x 13 pixels): the interference weighted by each slit&apos;s distance, as light on a screen. The pattern&apos;s name: the help and the picture&apos;s description use it too.</extracomment>
        <translation>Luz</translation>
    </message>
    <message>
        <source>Interference</source>
        <comment>pattern</comment>
        <extracomment>Option of the &quot;Pattern&quot; group (89 x 13 pixels): the interference term alone. The pattern&apos;s name, as in the help.</extracomment>
        <translation>Interferencia</translation>
    </message>
    <message>
        <source>Photon density</source>
        <comment>pattern</comment>
        <extracomment>Option of the &quot;Pattern&quot; group (97 x 13 pixels): the light as random photon dots. The pattern&apos;s name: the label beside the plot (&quot;Photon density&quot;) must say the same; a soft hyphen (U+00AD) may mark where a long word can break.</extracomment>
        <translation>Densidad de fotones</translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <extracomment>What a screen reader calls the scroll bar: %1 is its value, %2 the largest (20).</extracomment>
        <translation>Ralentización %1 de %2</translation>
    </message>
    <message>
        <source>Interference picture</source>
        <extracomment>What a screen reader calls the picture of the apparatus and the plot.</extracomment>
        <translation>Imagen de la interferencia</translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <extracomment>The window&apos;s heading, centred in a box of 361 x 25 pixels (Times New Roman 15.75 pt bold, one line).</extracomment>
        <translation>Interferencia y patrón de luz</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts a run: 73 x 33 pixels, Times New Roman 14.25 pt bold.</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <extracomment>What a screen reader says of Start.</extracomment>
        <translation>Recorre la pantalla punto a punto con los ajustes elegidos y dibuja el patrón</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that closes Quarnel (after a run that goes on): 65 x 33 pixels, Times New Roman 14.25 pt bold.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <extracomment>What a screen reader says of Exit.</extracomment>
        <translation>Cierra Quarnel</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <extracomment>What a screen reader calls the scroll bar that slows the animation down.</extracomment>
        <translation>Ralentización</translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <extracomment>What a screen reader says of the scroll bar. Numbers as your language writes them.</extracomment>
        <translation>Ralentización de la animación, de 1 a 20: con 1 un barrido dura unos 1,2 segundos, con 20 unos 24</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <extracomment>The prompt on the empty picture, centred in 273 x 33 pixels (Times New Roman 15.75 pt bold, one line): name the Start button by its translated caption.</extracomment>
        <translation>Pulse el botón Iniciar</translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <extracomment>The caption of the slit-spacing group, on the top line of a frame 89 pixels wide (MS Sans Serif 8.25 pt bold): how far each slit lies from the optical axis.</extracomment>
        <translation>Separación</translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <extracomment>What a screen reader says of the slit-spacing group.</extracomment>
        <translation>A qué distancia del eje óptico está cada rendija</translation>
    </message>
    <message>
        <source>Slit spacing large: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: the group&apos;s name and the option&apos;s caption as they are translated, then what it sets.</extracomment>
        <translation>Separación de rendijas grande: cada rendija a %1 píxeles del eje óptico</translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Separación de rendijas menor: cada rendija a %1 píxeles del eje óptico</translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Separación de rendijas media: cada rendija a %1 píxeles del eje óptico</translation>
    </message>
    <message>
        <source>Slit spacing small: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Separación de rendijas pequeña: cada rendija a %1 píxeles del eje óptico</translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Separación de rendijas 0: ambas rendijas en el eje óptico</translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <extracomment>The caption of the distance group, on the top line of a frame 169 pixels wide (MS Sans Serif 8.25 pt bold): how far the detector screen stands behind the barrier. The screen is the one the pattern falls on, as everywhere else.</extracomment>
        <translation>Distancia de la pantalla</translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <extracomment>What a screen reader says of the distance group.</extracomment>
        <translation>A qué distancia detrás de la barrera está la pantalla</translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen %1 pixels behind the barrier</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Distancia de la pantalla larga: la pantalla a %1 píxeles detrás de la barrera</translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen %1 pixels behind the barrier</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Distancia de la pantalla media: la pantalla a %1 píxeles detrás de la barrera</translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen %1 pixels behind the barrier</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Distancia de la pantalla cerca: la pantalla a %1 píxeles detrás de la barrera</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The caption of the frequency group, on the top line of a frame 105 pixels wide (Arial 8.25 pt bold). It sets the wave number k: how fast the phase turns.</extracomment>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <extracomment>What a screen reader says of the frequency group. The wave number is the physics term (k); the phase turns along a path by k radians per pixel.</extracomment>
        <translation>El número de onda de la luz: con qué rapidez gira la fase a lo largo de un camino</translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Frecuencia mayor: la fase gira %1 radianes por píxel de camino</translation>
    </message>
    <message>
        <source>Frequency high: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. Numbers as your language writes them.</extracomment>
        <translation>Frecuencia alta: la fase gira %1 radianes por píxel de camino</translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. Numbers as your language writes them.</extracomment>
        <translation>Frecuencia media: la fase gira %1 radianes por píxel de camino</translation>
    </message>
    <message>
        <source>Frequency low: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. Numbers as your language writes them.</extracomment>
        <translation>Frecuencia baja: la fase gira %1 radianes por píxel de camino</translation>
    </message>
    <message>
        <source>Pattern</source>
        <extracomment>The caption of the pattern group, on the top line of a frame 113 pixels wide (MS Sans Serif 8.25 pt bold): what the plot beside the screen shows.</extracomment>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <extracomment>What a screen reader says of the pattern group.</extracomment>
        <translation>Qué muestra la gráfica junto a la pantalla</translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Patrón luz: la interferencia ponderada por la distancia a cada rendija, en barras</translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. A phasor is the arrow that stands for a wave&apos;s phase.</extracomment>
        <translation>Patrón interferencia: el cuadrado de la longitud de la suma de fasores, en barras</translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Patrón densidad de fotones: en cada altura tantos puntos aleatorios como fotones llegan</translation>
    </message>
    <message>
        <source>Screen</source>
        <extracomment>The label beside the barrier with the two slits, 49 x 17 pixels (Arial 9.75 pt bold). The English caption says &quot;Screen&quot; as it was laid out; name the barrier, as the help does.</extracomment>
        <translation>Barrera</translation>
    </message>
    <message>
        <source>Source</source>
        <extracomment>The label below the light source, 49 x 25 pixels (Arial 9.75 pt bold).</extracomment>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Detektor</source>
        <extracomment>The label over the detector screen the pattern falls on, 57 x 25 pixels (Arial 9.75 pt bold; &quot;Detektor&quot; is the laid-out English spelling). The word your language uses for that screen everywhere else.</extracomment>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Photon density</source>
        <extracomment>The label left of the plot axis, 49 x 33 pixels (MS Sans Serif 8.25 pt bold), wrapped at spaces and soft hyphens (U+00AD). The same words as the Photon density pattern&apos;s option.</extracomment>
        <translation>Densidad de fotones</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <extracomment>The heading over the plot for the patterns Light and Photon density, centred in 97 x 33 pixels (Arial 9.75 pt bold, wrapped).</extracomment>
        <translation>Patrón de luz</translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <extracomment>The heading over the plot for the pattern Interference, centred in 121 x 33 pixels (Arial 9.75 pt bold, wrapped; &quot;Intrference&quot; is the laid-out English spelling, write your language&apos;s word correctly).</extracomment>
        <translation>Patrón de interferencia</translation>
    </message>
    <message>
        <source>Right-click for more; F1 for help</source>
        <extracomment>The tooltip over the picture, the first hint a new user sees: the right mouse button opens the picture&apos;s menu, F1 (the help key) the help.</extracomment>
        <translation>Clic derecho para más opciones; F1 para la ayuda</translation>
    </message>
</context>
</TS>
