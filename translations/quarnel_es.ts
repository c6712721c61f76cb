<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ExplorePlot</name>
    <message>
        <source>height above the optical axis (px)</source>
        <translation>altura sobre el eje óptico (px)</translation>
    </message>
    <message>
        <source>intensity, each run to its own maximum</source>
        <translation>intensidad, cada barrido respecto a su propio máximo</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Explore a run</source>
        <translation>Explorar un barrido</translation>
    </message>
    <message>
        <source>&amp;Point:</source>
        <translation>&amp;Punto:</translation>
    </message>
    <message>
        <source>Selected point</source>
        <translation>Punto elegido</translation>
    </message>
    <message>
        <source>The point of the screen line, 1 at the bottom to %1 at the top; Page Up and Page Down move %2 points</source>
        <translation>El punto de la pantalla, de 1 abajo a %1 arriba; Re Pág y Av Pág mueven %2 puntos</translation>
    </message>
    <message>
        <source>Point on the screen line</source>
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
        <translation>Intensidad según la altura</translation>
    </message>
    <message>
        <source>Show the &amp;small-angle formula&apos;s marks (dashed)</source>
        <translation>Mostrar las marcas de la fórmula para ángulos pe&amp;queños (discontinuas)</translation>
    </message>
    <message>
        <source>Solid: bright, where the path difference is a whole number of wavelengths. Dotted: dark, where it is a whole number and a half. Dashed: where the small-angle formula y = m·λ·D/(2d) puts them.</source>
        <translation>Línea continua: brillante, donde la diferencia de camino es un número entero de longitudes de onda. Punteada: oscura, donde es un número entero y medio. Discontinua: donde la fórmula para ángulos pequeños y = m·λ·D/(2d) las sitúa.</translation>
    </message>
    <message>
        <source>Height above the optical axis</source>
        <translation>Altura sobre el eje óptico</translation>
    </message>
    <message>
        <source>How far the point lies above the optical axis, in pixels; below it negative</source>
        <translation>A qué altura está el punto sobre el eje óptico, en píxeles; por debajo, negativa</translation>
    </message>
    <message>
        <source>Wavelength λ = 2π/k</source>
        <translation>Longitud de onda λ = 2π/k</translation>
    </message>
    <message>
        <source>The wavelength of the run&apos;s light, from its wave number k</source>
        <translation>La longitud de onda de la luz del barrido, a partir de su número de onda k</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <translation>Camino desde la rendija A</translation>
    </message>
    <message>
        <source>From the middle of slit A to the point, in pixels and in wavelengths</source>
        <translation>Desde el centro de la rendija A hasta el punto, en píxeles y en longitudes de onda</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <translation>Camino desde la rendija B</translation>
    </message>
    <message>
        <source>From the middle of slit B to the point, in pixels and in wavelengths</source>
        <translation>Desde el centro de la rendija B hasta el punto, en píxeles y en longitudes de onda</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <translation>Diferencia de camino B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in wavelengths and pixels</source>
        <translation>Cuánto más largo es el camino desde la rendija B, en longitudes de onda y en píxeles</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <translation>Diferencia de fase</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in degrees, and in whole turns and the rest</source>
        <translation>Cuánto más girado está el fasor B que el fasor A, en grados, y en vueltas completas y el resto</translation>
    </message>
    <message>
        <source>Intensity as computed</source>
        <translation>Intensidad calculada</translation>
    </message>
    <message>
        <source>Four times the squared length of the phasor sum, before the pattern scales it</source>
        <translation>Cuatro veces el cuadrado de la longitud de la suma de fasores, antes de que el patrón la escale</translation>
    </message>
    <message>
        <source>Intensity as plotted</source>
        <translation>Intensidad representada</translation>
    </message>
    <message>
        <source>What the plot drew at this height: the bar&apos;s length, or the photons</source>
        <translation>Lo que la gráfica dibujó a esta altura: la longitud de la barra, o los fotones</translation>
    </message>
    <message>
        <source>Nearest whole order</source>
        <translation>Orden entero más cercano</translation>
    </message>
    <message>
        <source>The whole number of wavelengths m nearest the path difference, and how far the difference is from it</source>
        <translation>El número entero de longitudes de onda m más cercano a la diferencia de camino, y cuánto se aparta de él</translation>
    </message>
    <message>
        <source>Bright band of this order</source>
        <translation>Franja brillante de este orden</translation>
    </message>
    <message>
        <source>Where the path difference is exactly m wavelengths, and where the small-angle formula puts it</source>
        <translation>Donde la diferencia de camino es exactamente m longitudes de onda, y donde la sitúa la fórmula para ángulos pequeños</translation>
    </message>
    <message>
        <source>Phasors of the selected point</source>
        <translation>Fasores del punto elegido</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Franjas</translation>
    </message>
    <message>
        <source>Band spacing near the axis</source>
        <translation>Separación de franjas cerca del eje</translation>
    </message>
    <message>
        <source>The distance between neighbouring bright bands near the optical axis, measured on the run, beside what the small-angle formula λD/(2d) gives</source>
        <translation>La distancia entre franjas brillantes vecinas cerca del eje óptico, medida en el barrido, junto a lo que da la fórmula para ángulos pequeños λD/(2d)</translation>
    </message>
    <message>
        <source>Bright bands, exact and by the small-angle formula</source>
        <translation>Franjas brillantes, exactas y según la fórmula para ángulos pequeños</translation>
    </message>
    <message>
        <source>Order m</source>
        <translation>Orden m</translation>
    </message>
    <message>
        <source>Exact (px)</source>
        <translation>Exacta (px)</translation>
    </message>
    <message>
        <source>Small-angle (px)</source>
        <translation>Ángulos pequeños (px)</translation>
    </message>
    <message>
        <source>Small-angle less exact (px)</source>
        <translation>Ángulos pequeños menos exacta (px)</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <translation>Barridos lado a lado</translation>
    </message>
    <message>
        <source>&amp;Keep this run</source>
        <translation>Co&amp;nservar este barrido</translation>
    </message>
    <message>
        <source>Keeps the last run to compare with the next ones; up to %1, the oldest giving way to a fifth</source>
        <translation>Conserva el último barrido para compararlo con los siguientes; hasta %1, y un quinto sustituye al más antiguo</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Bright bands</source>
        <translation>Franjas brillantes</translation>
    </message>
    <message>
        <source>Spacing near the axis (px)</source>
        <translation>Separación cerca del eje (px)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Barrido</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <translation>&amp;Guardar la tabla...</translation>
    </message>
    <message>
        <source>Writes every point of the run as a CSV file for a spreadsheet</source>
        <translation>Escribe todos los puntos del barrido en un archivo CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <translation>&amp;Copiar la tabla</translation>
    </message>
    <message>
        <source>Puts every point of the run on the clipboard, ready to paste into a spreadsheet</source>
        <translation>Pone todos los puntos del barrido en el portapapeles, listos para pegar en una hoja de cálculo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No run yet: press Start in the main window, and the run&apos;s points appear here as it goes.</source>
        <translation>Todavía no hay barrido: pulse Iniciar en la ventana principal y sus puntos aparecerán aquí a medida que avance.</translation>
    </message>
    <message>
        <source>The run is going: %1 of %2 points so far.</source>
        <translation>El barrido está en curso: %1 de %2 puntos hasta ahora.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points.</source>
        <translation>El barrido se detuvo tras %1 de %2 puntos.</translation>
    </message>
    <message>
        <source>Last run: %1. %2</source>
        <extracomment>%1 the last run&apos;s settings in words, %2 how far it went (empty for a whole run).</extracomment>
        <translation>Último barrido: %1. %2</translation>
    </message>
    <message>
        <source>not plotted yet</source>
        <translation>aún no representado</translation>
    </message>
    <message>
        <source>no run yet</source>
        <translation>todavía no hay barrido</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>%1 px (k = %2 rad/px)</source>
        <extracomment>The wavelength in pixels, and the wave number k in radians per pixel.</extracomment>
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
        <translation>%1° = %2 × 360° − %3°</translation>
    </message>
    <message>
        <source>%1° = %2 × 360° + %3°</source>
        <translation>%1° = %2 × 360° + %3°</translation>
    </message>
    <message>
        <source>%1 of at most %2</source>
        <translation>%1 de como máximo %2</translation>
    </message>
    <message>
        <source>photon count %1, dots drawn: %2</source>
        <translation>número de fotones %1, puntos dibujados: %2</translation>
    </message>
    <message>
        <source>bar %1 px long</source>
        <translation>barra de %1 px</translation>
    </message>
    <message>
        <source>m = %1, off by %2 λ</source>
        <extracomment>%1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.</extracomment>
        <translation>m = %1, desviación %2 λ</translation>
    </message>
    <message>
        <source>off the screen</source>
        <translation>fuera de la pantalla</translation>
    </message>
    <message>
        <source>none: the path difference is the same everywhere</source>
        <translation>ninguna: la diferencia de camino es igual en todas partes</translation>
    </message>
    <message>
        <source>exact %1, small-angle %2</source>
        <translation>exacta %1, ángulos pequeños %2</translation>
    </message>
    <message>
        <source>Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of at most %4 px</source>
        <translation>Fasor B girado %1°, fasor A girado %2° dibujado desde su punta; su suma, en verde, mide %3 px de como máximo %4 px</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>measured %1; small-angle formula λD/(2d) %2</source>
        <translation>medida %1; fórmula para ángulos pequeños λD/(2d) %2</translation>
    </message>
    <message>
        <source>%1, the last run</source>
        <extracomment>%1 the style of the last run&apos;s line, &quot;solid&quot;.</extracomment>
        <translation>%1, último barrido</translation>
    </message>
    <message>
        <source>Empty: no run yet.</source>
        <translation>Vacía: todavía no hay barrido.</translation>
    </message>
    <message>
        <source>What the last run plotted against the height above the optical axis, %1 of %2 points, as a solid line scaled to its maximum.</source>
        <translation>Lo que el último barrido representó según la altura sobre el eje óptico, %1 de %2 puntos, como línea continua referida a su máximo.</translation>
    </message>
    <message>
        <source>No fringe marks: the path difference is the same everywhere.</source>
        <translation>Sin marcas de franjas: la diferencia de camino es igual en todas partes.</translation>
    </message>
    <message>
        <source>The small-angle formula puts the bright bands at %1 px.</source>
        <translation>La fórmula para ángulos pequeños sitúa las franjas brillantes a %1 px.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run: its settings in words, then the style of its line (&quot;dashed&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kept runs beside it: %1.</source>
        <translation>Barridos conservados al lado: %1.</translation>
    </message>
    <message>
        <source>Selected: point %1, %2 px above the axis.</source>
        <translation>Elegido: punto %1, a %2 px sobre el eje.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Guardar la tabla como</translation>
    </message>
    <message>
        <source>interference.csv</source>
        <translation>interferencia.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la tabla como «%1»: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A readout&apos;s label: %1 is its name (&quot;Path from slit A&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Bright marks, where the path difference is a whole number of wavelengths, lie on the axis and at %1 px above and below it, dark marks halfway between.</source>
        <translation>Las marcas brillantes, donde la diferencia de camino es un número entero de longitudes de onda, están en el eje y a %1 px por encima y por debajo, y las oscuras a medio camino entre ellas.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <translation>Ayuda de Quarnel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; scans the screen from bottom to top, point by point.&lt;/p&gt;&lt;p&gt;For every point the two path lengths from the slits become two &lt;b&gt;phasors&lt;/b&gt;, arrows 25 pixels long turned by the wave number times the path length. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.&lt;/p&gt;&lt;p&gt;Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns Light and Interference) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern Photon density). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what both give together.&lt;/p&gt;&lt;h2&gt;The controls&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Slit spacing&lt;/b&gt;: each slit lies 40 (large), 15 (minor), 10 (middle), 5 (small) or 0 pixels from the optical axis.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Detector-Screen distance&lt;/b&gt;: the screen stands 200 (large), 150 (middle) or 100 (near) pixels behind the barrier.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency&lt;/b&gt;: the wave number, how fast the phase turns along a path: 2 (higher), 0.5 (high), 0.3 (middle) or 0.1 (low) radians per pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pattern&lt;/b&gt;: Light weighs the interference by the distance from each slit; Interference shows the squared length of the phasor sum alone; Photon density draws as many random dots as photons arrive.&lt;/li&gt;&lt;li&gt;The &lt;b&gt;scroll bar&lt;/b&gt; slows the animation down from 1 to 20; each step adds about 1.2 seconds to a run.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab and Shift+Tab go from control to control; the arrow keys choose within a group and move the scroll bar; Space or Enter presses a button.&lt;/li&gt;&lt;li&gt;Escape stops a run. Input made during a run takes effect when the run ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the picture; Ctrl+S saves it as a PNG image.&lt;/li&gt;&lt;li&gt;Ctrl++ and Ctrl+- make the whole window larger and smaller, from 100 to 300 %; Ctrl+0 brings it back to its normal size. F11 fills the screen, and F11 again leaves full screen.&lt;/li&gt;&lt;li&gt;F1 opens this help; the menu key, Shift+F10 or the right mouse button open the picture&apos;s menu.&lt;/li&gt;&lt;li&gt;Ctrl+E opens the Explore window: choose a point of the run with Up, Down, Page Up and Page Down and read its path lengths and phase difference; N and Shift+N go to the next bright and dark point. Keep runs to compare them, and save or copy the run&apos;s table for a spreadsheet.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Qué muestra la imagen&lt;/h2&gt;&lt;p&gt;La luz de la &lt;b&gt;fuente&lt;/b&gt;, a la izquierda, atraviesa una &lt;b&gt;barrera&lt;/b&gt; con dos rendijas, A por encima y B por debajo del eje óptico, y llega a la &lt;b&gt;pantalla&lt;/b&gt;. &lt;b&gt;Iniciar&lt;/b&gt; recorre la pantalla de abajo arriba, punto a punto.&lt;/p&gt;&lt;p&gt;Para cada punto, las dos longitudes de camino desde las rendijas se convierten en dos &lt;b&gt;fasores&lt;/b&gt;, flechas de 25 píxeles giradas el número de onda por la longitud del camino. Se suman uno a continuación del otro, y su suma, dibujada en &lt;b&gt;verde&lt;/b&gt;, da el brillo: cuatro veces el cuadrado de su longitud. Uno de cada veinte puntos muestra esta construcción: los rayos pálidos de ambas rendijas, los dos fasores negros y su suma verde.&lt;/p&gt;&lt;p&gt;A la derecha del eje de la gráfica, el brillo se dibuja a la altura del punto, como una &lt;b&gt;barra&lt;/b&gt; (patrones Luz e Interferencia) o como &lt;b&gt;puntos de fotones&lt;/b&gt; aleatorios (patrón Fotones). A la izquierda del eje, tres &lt;b&gt;marcas azules&lt;/b&gt; siguen lo que daría cada rendija sola y lo que dan ambas juntas.&lt;/p&gt;&lt;h2&gt;Los controles&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Separación&lt;/b&gt;: cada rendija está a 40 (larga), 15 (corta), 10 (media), 5 (chica) o 0 píxeles del eje óptico.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Distancia de la pantalla&lt;/b&gt;: la pantalla está a 200 (larga), 150 (media) o 100 (cerca) píxeles detrás de la barrera.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frecuencia&lt;/b&gt;: el número de onda, con qué rapidez gira la fase a lo largo de un camino: 2 (mayor), 0,5 (alta), 0,3 (media) o 0,1 (baja) radianes por píxel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Patrón&lt;/b&gt;: Luz pondera la interferencia por la distancia a cada rendija; Interferencia muestra solo el cuadrado de la longitud de la suma de fasores; Fotones dibuja tantos puntos aleatorios como fotones llegan.&lt;/li&gt;&lt;li&gt;La &lt;b&gt;barra de desplazamiento&lt;/b&gt; ralentiza la animación de 1 a 20; cada paso añade unos 1,2 segundos a un barrido.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Teclas&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab y Mayús+Tab pasan de un control a otro; las flechas eligen dentro de un grupo y mueven la barra de desplazamiento; Espacio o Intro pulsa un botón.&lt;/li&gt;&lt;li&gt;Esc detiene un barrido. Lo que se introduzca durante un barrido surte efecto cuando el barrido termina.&lt;/li&gt;&lt;li&gt;Ctrl+C copia la imagen; Ctrl+S la guarda como imagen PNG.&lt;/li&gt;&lt;li&gt;Ctrl++ y Ctrl+- agrandan y reducen toda la ventana, del 100 al 300 %; Ctrl+0 la devuelve a su tamaño normal. F11 pasa a pantalla completa, y F11 otra vez sale de ella.&lt;/li&gt;&lt;li&gt;F1 abre esta ayuda; la tecla de menú, Mayús+F10 o el botón derecho del ratón abren el menú de la imagen.&lt;/li&gt;&lt;li&gt;Ctrl+E abre la ventana Explorar un barrido: elija un punto del barrido con Arriba, Abajo, Re Pág y Av Pág, y lea sus longitudes de camino y su diferencia de fase; N y Mayús+N van al siguiente punto brillante y oscuro. Conserve barridos para compararlos, y guarde o copie la tabla del barrido para una hoja de cálculo.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>KeptRuns</name>
    <message>
        <source>solid</source>
        <translation>continua</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>discontinua</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>punteada</translation>
    </message>
    <message>
        <source>dash-dot</source>
        <translation>raya-punto</translation>
    </message>
    <message>
        <source>dash-dot-dot</source>
        <translation>raya-punto-punto</translation>
    </message>
    <message>
        <source>%1, slit spacing %2 (%3 px), distance %4 (%5 px), frequency %6 (k = %7)</source>
        <extracomment>A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the spacing option&apos;s caption and %3 its pixels, %4 the distance option&apos;s caption and %5 its pixels, %6 the frequency option&apos;s caption and %7 the wave number.</extracomment>
        <translation>%1, separación de rendijas %2 (%3 px), distancia de la pantalla %4 (%5 px), frecuencia %6 (k = %7)</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Save picture as...</source>
        <translation>&amp;Guardar imagen como...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Quarnel</source>
        <translation>&amp;Acerca de Quarnel</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>interference.png</source>
        <translation>interferencia.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la imagen como «%1»: %2</translation>
    </message>
    <message>
        <source>About Quarnel</source>
        <translation>Acerca de Quarnel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows the interference of light behind two slits.&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;Un programa didáctico que muestra la interferencia de la luz detrás de dos rendijas.&lt;/p&gt;&lt;p&gt;Licencia: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>A&amp;mpliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>&amp;Explorar</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message numerus="yes">
        <source>%n pixel</source>
        <translation>
            <numerusform>%n píxel</numerusform>
            <numerusform>%n píxel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <translation>
            <numerusform>%n píxel</numerusform>
            <numerusform>%n píxeles</numerusform>
        </translation>
    </message>
    <message>
        <source>across the optical axis, reaching %1 above and below it</source>
        <translation>sobre el eje óptico, llega a %1 por encima y por debajo</translation>
    </message>
    <message>
        <source>across the optical axis, from %1 below to %2 above it</source>
        <translation>sobre el eje óptico, desde %1 por debajo hasta %2 por encima</translation>
    </message>
    <message>
        <source>%1 above the optical axis</source>
        <translation>a %1 por encima del eje óptico</translation>
    </message>
    <message>
        <source>%1 below the optical axis</source>
        <translation>a %1 por debajo del eje óptico</translation>
    </message>
    <message>
        <source>one %1</source>
        <translation>una franja %1</translation>
    </message>
    <message>
        <source>a pair %1 above and below the optical axis</source>
        <translation>un par a %1 por encima y por debajo del eje óptico</translation>
    </message>
    <message>
        <source>pairs %1 and %2 above and below the optical axis</source>
        <translation>pares a %1 y %2 por encima y por debajo del eje óptico</translation>
    </message>
    <message>
        <source>%1 pairs above and below the optical axis, the nearest %2 and the farthest %3 from it</source>
        <translation>%1 pares por encima y por debajo del eje óptico, el más cercano a %2 y el más lejano a %3 del eje</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; y %2</translation>
    </message>
    <message>
        <source>the brightest is level with the source, on the optical axis</source>
        <translation>el punto más brillante está a la altura de la fuente, en el eje óptico</translation>
    </message>
    <message>
        <source>the brightest are %1 above and below the optical axis</source>
        <translation>los puntos más brillantes están a %1 por encima y por debajo del eje óptico</translation>
    </message>
    <message>
        <source>the brightest is %1 above the optical axis</source>
        <translation>el punto más brillante está a %1 por encima del eje óptico</translation>
    </message>
    <message>
        <source>the brightest is %1 below the optical axis</source>
        <translation>el punto más brillante está a %1 por debajo del eje óptico</translation>
    </message>
    <message>
        <source>%1, in the band across the axis</source>
        <translation>%1, en la franja sobre el eje</translation>
    </message>
    <message>
        <source>%1, in the pair of bands whose middles lie %2 above and below it</source>
        <translation>%1, en el par de franjas cuyos centros están a %2 por encima y por debajo del eje</translation>
    </message>
    <message>
        <source>%1, in the band %2</source>
        <translation>%1, en la franja %2</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>Patrón «%1»</translation>
    </message>
    <message>
        <source>0 (both slits on the optical axis)</source>
        <translation>0 (ambas rendijas en el eje óptico)</translation>
    </message>
    <message>
        <source>%1 (each slit %2 from the optical axis)</source>
        <translation>%1 (cada rendija a %2 del eje óptico)</translation>
    </message>
    <message>
        <source>%1 (%2 behind the barrier)</source>
        <translation>%1 (%2 detrás de la barrera)</translation>
    </message>
    <message>
        <source>%1 after a run with slit spacing %2, detector-screen distance %3 and frequency %4.</source>
        <translation>%1 tras un barrido con separación de rendijas %2, distancia de la pantalla %3 y frecuencia %4.</translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <translation>La gráfica queda oscura.</translation>
    </message>
    <message>
        <source>The plot shows 1 bright band, %1</source>
        <translation>La gráfica muestra 1 franja brillante, %1</translation>
    </message>
    <message>
        <source>The plot shows %1 bright bands: %2</source>
        <translation>La gráfica muestra %1 franjas brillantes: %2</translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <translation>Aún no hay nada dibujado: Iniciar dibuja la fuente de luz, la barrera con la doble rendija, la pantalla y el patrón.</translation>
    </message>
    <message>
        <source>The run was stopped before its first point.</source>
        <translation>El barrido se detuvo antes de su primer punto.</translation>
    </message>
    <message>
        <source>level with the optical axis</source>
        <translation>a la altura del eje óptico</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.</source>
        <translation>El barrido se detuvo tras %1 de %2 puntos: la gráfica empieza abajo y termina %3.</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <translation>El barrido se detuvo: el texto de ajuste «%1» no es un número.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <translation>El barrido se detuvo: el texto de ajuste «%1» no es un valor de su control.</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>point</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>y (px)</source>
        <translation>y (px)</translation>
    </message>
    <message>
        <source>height (px)</source>
        <translation>altura (px)</translation>
    </message>
    <message>
        <source>path A (px)</source>
        <translation>camino A (px)</translation>
    </message>
    <message>
        <source>path B (px)</source>
        <translation>camino B (px)</translation>
    </message>
    <message>
        <source>path difference (λ)</source>
        <translation>diferencia de camino (λ)</translation>
    </message>
    <message>
        <source>phase difference (°)</source>
        <translation>diferencia de fase (°)</translation>
    </message>
    <message>
        <source>intensity as computed</source>
        <translation>intensidad calculada</translation>
    </message>
    <message>
        <source>plotted</source>
        <extracomment>The plotted value: a bar&apos;s length in pixels, or in photon mode the number of dots.</extracomment>
        <translation>representado</translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <translation>larga</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>corta</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>media</translation>
    </message>
    <message>
        <source>small</source>
        <translation>chica</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>near</source>
        <translation>cerca</translation>
    </message>
    <message>
        <source>higher</source>
        <translation>mayor</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>low</source>
        <translation>baja</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luz</translation>
    </message>
    <message>
        <source>Interference</source>
        <translation>Interferencia</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Fotones</translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <translation>Ralentización %1 de %2</translation>
    </message>
    <message>
        <source>Interference picture</source>
        <translation>Imagen de la interferencia</translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <translation>Interferencia y patrón de luz</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <translation>Recorre la pantalla punto a punto con los ajustes elegidos y dibuja el patrón</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <translation>Cierra Quarnel</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Ralentización</translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <translation>Ralentización de la animación, de 1 a 20: con 1 un barrido dura unos 1,2 segundos, con 20 unos 24</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Pulse el botón Iniciar</translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <translation>A qué distancia del eje óptico está cada rendija</translation>
    </message>
    <message>
        <source>Slit spacing large: each slit 40 pixels from the optical axis</source>
        <translation>Separación de rendijas larga: cada rendija a 40 píxeles del eje óptico</translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit 15 pixels from the optical axis</source>
        <translation>Separación de rendijas corta: cada rendija a 15 píxeles del eje óptico</translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit 10 pixels from the optical axis</source>
        <translation>Separación de rendijas media: cada rendija a 10 píxeles del eje óptico</translation>
    </message>
    <message>
        <source>Slit spacing small: each slit 5 pixels from the optical axis</source>
        <translation>Separación de rendijas chica: cada rendija a 5 píxeles del eje óptico</translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <translation>Separación de rendijas 0: ambas rendijas en el eje óptico</translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <translation>Distancia de la pantalla</translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <translation>A qué distancia detrás de la barrera está la pantalla</translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen 200 pixels behind the barrier</source>
        <translation>Distancia de la pantalla larga: la pantalla a 200 píxeles detrás de la barrera</translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen 150 pixels behind the barrier</source>
        <translation>Distancia de la pantalla media: la pantalla a 150 píxeles detrás de la barrera</translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen 100 pixels behind the barrier</source>
        <translation>Distancia de la pantalla cerca: la pantalla a 100 píxeles detrás de la barrera</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <translation>El número de onda de la luz: con qué rapidez gira la fase a lo largo de un camino</translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns 2 radians per pixel of path</source>
        <translation>Frecuencia mayor: la fase gira 2 radianes por píxel de camino</translation>
    </message>
    <message>
        <source>Frequency high: the phase turns 0.5 radians per pixel of path</source>
        <translation>Frecuencia alta: la fase gira 0,5 radianes por píxel de camino</translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns 0.3 radians per pixel of path</source>
        <translation>Frecuencia media: la fase gira 0,3 radianes por píxel de camino</translation>
    </message>
    <message>
        <source>Frequency low: the phase turns 0.1 radians per pixel of path</source>
        <translation>Frecuencia baja: la fase gira 0,1 radianes por píxel de camino</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <translation>Qué muestra la gráfica junto a la pantalla</translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <translation>Patrón luz: la interferencia ponderada por la distancia a cada rendija, en barras</translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <translation>Patrón interferencia: el cuadrado de la longitud de la suma de fasores, en barras</translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <translation>Patrón densidad de fotones: en cada altura tantos puntos aleatorios como fotones llegan</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Barrera</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Fotones</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation>Patrón de luz</translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <translation>Patrón de interferencia</translation>
    </message>
</context>
</TS>
