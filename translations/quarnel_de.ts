<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ExplorePlot</name>
    <message>
        <source>height above the optical axis (px)</source>
        <translation>Höhe über der optischen Achse (px)</translation>
    </message>
    <message>
        <source>intensity, each run to its own maximum</source>
        <translation>Intensität, jeder Durchlauf auf sein eigenes Maximum bezogen</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Explore a run</source>
        <translation>Durchlauf erkunden</translation>
    </message>
    <message>
        <source>&amp;Point:</source>
        <translation>&amp;Punkt:</translation>
    </message>
    <message>
        <source>Selected point</source>
        <translation>Ausgewählter Punkt</translation>
    </message>
    <message>
        <source>The point of the screen line, 1 at the bottom to %1 at the top; Page Up and Page Down move %2 points</source>
        <translation>Der Punkt auf dem Schirm, 1 unten bis %1 oben; Bild auf und Bild ab gehen %2 Punkte weiter</translation>
    </message>
    <message>
        <source>Point on the screen line</source>
        <translation>Punkt auf dem Schirm</translation>
    </message>
    <message>
        <source>Next bright point (%1)</source>
        <extracomment>%1 is the key, &quot;N&quot;.</extracomment>
        <translation>Nächster heller Punkt (%1)</translation>
    </message>
    <message>
        <source>Next dark point (%1)</source>
        <extracomment>%1 is the key, &quot;Shift+N&quot; in the desktop&apos;s words.</extracomment>
        <translation>Nächster dunkler Punkt (%1)</translation>
    </message>
    <message>
        <source>Intensity against height</source>
        <translation>Intensität über der Höhe</translation>
    </message>
    <message>
        <source>Show the &amp;small-angle formula&apos;s marks (dashed)</source>
        <translation>Marken der Kleinwinkel&amp;formel zeigen (gestrichelt)</translation>
    </message>
    <message>
        <source>Solid: bright, where the path difference is a whole number of wavelengths. Dotted: dark, where it is a whole number and a half. Dashed: where the small-angle formula y = m·λ·D/(2d) puts them.</source>
        <translation>Durchgezogen: hell, wo der Gangunterschied ein ganzzahliges Vielfaches der Wellenlänge ist. Gepunktet: dunkel, wo er ein ganzzahliges Vielfaches plus eine halbe Wellenlänge ist. Gestrichelt: wo die Kleinwinkelformel y = m·λ·D/(2d) sie hinlegt.</translation>
    </message>
    <message>
        <source>Height above the optical axis</source>
        <translation>Höhe über der optischen Achse</translation>
    </message>
    <message>
        <source>How far the point lies above the optical axis, in pixels; below it negative</source>
        <translation>Wie weit der Punkt über der optischen Achse liegt, in Pixeln; darunter negativ</translation>
    </message>
    <message>
        <source>Wavelength λ = 2π/k</source>
        <translation>Wellenlänge λ = 2π/k</translation>
    </message>
    <message>
        <source>The wavelength of the run&apos;s light, from its wave number k</source>
        <translation>Die Wellenlänge des Lichts in diesem Durchlauf, aus seiner Wellenzahl k</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <translation>Weg von Spalt A</translation>
    </message>
    <message>
        <source>From the middle of slit A to the point, in pixels and in wavelengths</source>
        <translation>Von der Mitte des Spalts A zum Punkt, in Pixeln und in Wellenlängen</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <translation>Weg von Spalt B</translation>
    </message>
    <message>
        <source>From the middle of slit B to the point, in pixels and in wavelengths</source>
        <translation>Von der Mitte des Spalts B zum Punkt, in Pixeln und in Wellenlängen</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <translation>Gangunterschied B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in wavelengths and pixels</source>
        <translation>Um wie viel der Weg von Spalt B länger ist, in Wellenlängen und Pixeln</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <translation>Phasendifferenz</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in degrees, and in whole turns and the rest</source>
        <translation>Um wie viel weiter Zeiger B gedreht ist als Zeiger A, in Grad sowie in ganzen Umdrehungen und dem Rest</translation>
    </message>
    <message>
        <source>Intensity as computed</source>
        <translation>Intensität, berechnet</translation>
    </message>
    <message>
        <source>Four times the squared length of the phasor sum, before the pattern scales it</source>
        <translation>Das Vierfache des Quadrats der Länge der Zeigersumme, bevor das Muster sie skaliert</translation>
    </message>
    <message>
        <source>Intensity as plotted</source>
        <translation>Intensität im Diagramm</translation>
    </message>
    <message>
        <source>What the plot drew at this height: the bar&apos;s length, or the photons</source>
        <translation>Was das Diagramm in dieser Höhe zeichnete: die Länge des Balkens oder die Photonen</translation>
    </message>
    <message>
        <source>Nearest whole order</source>
        <translation>Nächste ganze Ordnung</translation>
    </message>
    <message>
        <source>The whole number of wavelengths m nearest the path difference, and how far the difference is from it</source>
        <translation>Die ganze Zahl von Wellenlängen m, die dem Gangunterschied am nächsten liegt, und wie weit er davon abweicht</translation>
    </message>
    <message>
        <source>Bright band of this order</source>
        <translation>Heller Streifen dieser Ordnung</translation>
    </message>
    <message>
        <source>Where the path difference is exactly m wavelengths, and where the small-angle formula puts it</source>
        <translation>Wo der Gangunterschied genau m Wellenlängen beträgt und wo die Kleinwinkelformel ihn hinlegt</translation>
    </message>
    <message>
        <source>Phasors of the selected point</source>
        <translation>Zeiger des ausgewählten Punkts</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Band spacing near the axis</source>
        <translation>Streifenabstand nahe der Achse</translation>
    </message>
    <message>
        <source>The distance between neighbouring bright bands near the optical axis, measured on the run, beside what the small-angle formula λD/(2d) gives</source>
        <translation>Der Abstand benachbarter heller Streifen nahe der optischen Achse, am Durchlauf gemessen, neben dem Wert der Kleinwinkelformel λD/(2d)</translation>
    </message>
    <message>
        <source>Bright bands, exact and by the small-angle formula</source>
        <translation>Helle Streifen, exakt und nach der Kleinwinkelformel</translation>
    </message>
    <message>
        <source>Order m</source>
        <translation>Ordnung m</translation>
    </message>
    <message>
        <source>Exact (px)</source>
        <translation>Exakt (px)</translation>
    </message>
    <message>
        <source>Small-angle (px)</source>
        <translation>Kleinwinkel (px)</translation>
    </message>
    <message>
        <source>Small-angle less exact (px)</source>
        <translation>Kleinwinkel minus exakt (px)</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <translation>Durchläufe nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Keep this run</source>
        <translation>Diesen Durchlauf &amp;behalten</translation>
    </message>
    <message>
        <source>Keeps the last run to compare with the next ones; up to %1, the oldest giving way to a fifth</source>
        <translation>Behält den letzten Durchlauf zum Vergleich mit den nächsten; höchstens %1, ein fünfter ersetzt den ältesten</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Bright bands</source>
        <translation>Helle Streifen</translation>
    </message>
    <message>
        <source>Spacing near the axis (px)</source>
        <translation>Abstand nahe der Achse (px)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Durchlauf</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <translation>Tabelle &amp;speichern...</translation>
    </message>
    <message>
        <source>Writes every point of the run as a CSV file for a spreadsheet</source>
        <translation>Schreibt alle Punkte des Durchlaufs als CSV-Datei für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <translation>Tabelle &amp;kopieren</translation>
    </message>
    <message>
        <source>Puts every point of the run on the clipboard, ready to paste into a spreadsheet</source>
        <translation>Legt alle Punkte des Durchlaufs in die Zwischenablage, zum Einfügen in eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No run yet: press Start in the main window, and the run&apos;s points appear here as it goes.</source>
        <translation>Noch kein Durchlauf: Drücken Sie Start im Hauptfenster, dann erscheinen die Punkte des Durchlaufs hier, während er läuft.</translation>
    </message>
    <message>
        <source>The run is going: %1 of %2 points so far.</source>
        <translation>Der Durchlauf läuft: bisher %1 von %2 Punkten.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points.</source>
        <translation>Der Durchlauf wurde nach %1 von %2 Punkten angehalten.</translation>
    </message>
    <message>
        <source>Last run: %1. %2</source>
        <extracomment>%1 the last run&apos;s settings in words, %2 how far it went (empty for a whole run).</extracomment>
        <translation>Letzter Durchlauf: %1. %2</translation>
    </message>
    <message>
        <source>not plotted yet</source>
        <translation>noch nicht gezeichnet</translation>
    </message>
    <message>
        <source>no run yet</source>
        <translation>noch kein Durchlauf</translation>
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
        <translation>%1 von höchstens %2</translation>
    </message>
    <message>
        <source>photon count %1, dots drawn: %2</source>
        <translation>Photonenzahl %1, gezeichnete Punkte: %2</translation>
    </message>
    <message>
        <source>bar %1 px long</source>
        <translation>Balken %1 px lang</translation>
    </message>
    <message>
        <source>m = %1, off by %2 λ</source>
        <extracomment>%1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.</extracomment>
        <translation>m = %1, Abweichung %2 λ</translation>
    </message>
    <message>
        <source>off the screen</source>
        <translation>außerhalb des Schirms</translation>
    </message>
    <message>
        <source>none: the path difference is the same everywhere</source>
        <translation>keiner: der Gangunterschied ist überall gleich</translation>
    </message>
    <message>
        <source>exact %1, small-angle %2</source>
        <translation>exakt %1, Kleinwinkel %2</translation>
    </message>
    <message>
        <source>Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of at most %4 px</source>
        <translation>Zeiger B um %1° gedreht, Zeiger A um %2° gedreht und an seiner Spitze angesetzt; ihre grüne Summe ist %3 px lang, höchstens %4 px</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>measured %1; small-angle formula λD/(2d) %2</source>
        <translation>gemessen %1; Kleinwinkelformel λD/(2d) %2</translation>
    </message>
    <message>
        <source>%1, the last run</source>
        <extracomment>%1 the style of the last run&apos;s line, &quot;solid&quot;.</extracomment>
        <translation>%1, letzter Durchlauf</translation>
    </message>
    <message>
        <source>Empty: no run yet.</source>
        <translation>Leer: noch kein Durchlauf.</translation>
    </message>
    <message>
        <source>What the last run plotted against the height above the optical axis, %1 of %2 points, as a solid line scaled to its maximum.</source>
        <translation>Was der letzte Durchlauf über der Höhe über der optischen Achse auftrug, %1 von %2 Punkten, als durchgezogene Linie, auf ihr Maximum bezogen.</translation>
    </message>
    <message>
        <source>No fringe marks: the path difference is the same everywhere.</source>
        <translation>Keine Streifenmarken: der Gangunterschied ist überall gleich.</translation>
    </message>
    <message>
        <source>The small-angle formula puts the bright bands at %1 px.</source>
        <translation>Die Kleinwinkelformel legt die hellen Streifen auf %1 px.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run: its settings in words, then the style of its line (&quot;dashed&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kept runs beside it: %1.</source>
        <translation>Behaltene Durchläufe daneben: %1.</translation>
    </message>
    <message>
        <source>Selected: point %1, %2 px above the axis.</source>
        <translation>Ausgewählt: Punkt %1, %2 px über der Achse.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Tabelle speichern unter</translation>
    </message>
    <message>
        <source>interference.csv</source>
        <translation>interferenz.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <translation>Die Tabelle konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A readout&apos;s label: %1 is its name (&quot;Path from slit A&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Bright marks, where the path difference is a whole number of wavelengths, lie on the axis and at %1 px above and below it, dark marks halfway between.</source>
        <translation>Helle Marken, wo der Gangunterschied ein ganzzahliges Vielfaches der Wellenlänge ist, liegen auf der Achse und %1 px darüber und darunter, dunkle Marken jeweils mittig dazwischen.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <translation>Quarnel-Hilfe</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; scans the screen from bottom to top, point by point.&lt;/p&gt;&lt;p&gt;For every point the two path lengths from the slits become two &lt;b&gt;phasors&lt;/b&gt;, arrows 25 pixels long turned by the wave number times the path length. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.&lt;/p&gt;&lt;p&gt;Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns Light and Interference) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern Photon density). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what both give together.&lt;/p&gt;&lt;h2&gt;The controls&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Slit spacing&lt;/b&gt;: each slit lies 40 (large), 15 (minor), 10 (middle), 5 (small) or 0 pixels from the optical axis.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Detector-Screen distance&lt;/b&gt;: the screen stands 200 (large), 150 (middle) or 100 (near) pixels behind the barrier.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency&lt;/b&gt;: the wave number, how fast the phase turns along a path: 2 (higher), 0.5 (high), 0.3 (middle) or 0.1 (low) radians per pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pattern&lt;/b&gt;: Light weighs the interference by the distance from each slit; Interference shows the squared length of the phasor sum alone; Photon density draws as many random dots as photons arrive.&lt;/li&gt;&lt;li&gt;The &lt;b&gt;scroll bar&lt;/b&gt; slows the animation down from 1 to 20; each step adds about 1.2 seconds to a run.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab and Shift+Tab go from control to control; the arrow keys choose within a group and move the scroll bar; Space or Enter presses a button.&lt;/li&gt;&lt;li&gt;Escape stops a run. Input made during a run takes effect when the run ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the picture; Ctrl+S saves it as a PNG image.&lt;/li&gt;&lt;li&gt;Ctrl++ and Ctrl+- make the whole window larger and smaller, from 100 to 300 %; Ctrl+0 brings it back to its normal size. F11 fills the screen, and F11 again leaves full screen.&lt;/li&gt;&lt;li&gt;F1 opens this help; the menu key, Shift+F10 or the right mouse button open the picture&apos;s menu.&lt;/li&gt;&lt;li&gt;Ctrl+E opens the Explore window: choose a point of the run with Up, Down, Page Up and Page Down and read its path lengths and phase difference; N and Shift+N go to the next bright and dark point. Keep runs to compare them, and save or copy the run&apos;s table for a spreadsheet.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Was das Bild zeigt&lt;/h2&gt;&lt;p&gt;Licht aus der &lt;b&gt;Quelle&lt;/b&gt; links geht durch eine &lt;b&gt;Blende&lt;/b&gt; mit zwei Spalten, A über und B unter der optischen Achse, und fällt auf den &lt;b&gt;Schirm&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; tastet den Schirm von unten nach oben Punkt für Punkt ab.&lt;/p&gt;&lt;p&gt;Für jeden Punkt werden die beiden Weglängen von den Spalten zu zwei &lt;b&gt;Zeigern&lt;/b&gt;: 25 Pixel lange Pfeile, gedreht um die Wellenzahl mal die Weglänge. Sie werden aneinandergehängt, und ihre Summe, &lt;b&gt;grün&lt;/b&gt; gezeichnet, ergibt die Helligkeit: das Vierfache des Quadrats ihrer Länge. Jeder zwanzigste Punkt zeigt diese Konstruktion: die blassen Strahlen von beiden Spalten, die beiden schwarzen Zeiger und ihre grüne Summe.&lt;/p&gt;&lt;p&gt;Rechts der Diagrammachse wird die Helligkeit auf der Höhe des Punktes aufgetragen, als &lt;b&gt;Balken&lt;/b&gt; (Muster Licht und Interferenz) oder als zufällige &lt;b&gt;Photonenpunkte&lt;/b&gt; (Muster Photonendichte). Links der Achse folgen drei &lt;b&gt;blaue Marken&lt;/b&gt; dem, was jeder Spalt allein und was beide zusammen ergeben.&lt;/p&gt;&lt;h2&gt;Die Bedienelemente&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Spaltabstand&lt;/b&gt;: jeder Spalt liegt 40 (groß), 15 (enger), 10 (mittel), 5 (klein) oder 0 Pixel von der optischen Achse entfernt.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Schirmabstand&lt;/b&gt;: der Schirm steht 200 (groß), 150 (mittel) oder 100 (nah) Pixel hinter der Blende.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequenz&lt;/b&gt;: die Wellenzahl, wie schnell sich die Phase längs eines Weges dreht: 2 (höher), 0,5 (hoch), 0,3 (mittel) oder 0,1 (tief) Radiant je Pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Muster&lt;/b&gt;: Licht gewichtet die Interferenz mit dem Abstand von jedem Spalt; Interferenz zeigt allein das Quadrat der Länge der Zeigersumme; Photonendichte zeichnet so viele zufällige Punkte, wie Photonen ankommen.&lt;/li&gt;&lt;li&gt;Die &lt;b&gt;Bildlaufleiste&lt;/b&gt; verlangsamt die Animation von 1 bis 20; jede Stufe verlängert einen Durchlauf um etwa 1,2 Sekunden.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Tasten&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab und Umschalt+Tab gehen von Bedienelement zu Bedienelement; die Pfeiltasten wählen innerhalb einer Gruppe und bewegen die Bildlaufleiste; Leertaste oder Enter drückt eine Schaltfläche.&lt;/li&gt;&lt;li&gt;Esc hält einen Durchlauf an. Eingaben während eines Durchlaufs wirken, sobald der Durchlauf endet.&lt;/li&gt;&lt;li&gt;Strg+C kopiert das Bild; Strg+S speichert es als PNG-Bild.&lt;/li&gt;&lt;li&gt;Strg++ und Strg+- machen das ganze Fenster größer und kleiner, von 100 bis 300 %; Strg+0 bringt es auf seine normale Größe zurück. F11 füllt den Bildschirm, und F11 noch einmal verlässt den Vollbildmodus.&lt;/li&gt;&lt;li&gt;F1 öffnet diese Hilfe; die Menütaste, Umschalt+F10 oder die rechte Maustaste öffnen das Menü des Bildes.&lt;/li&gt;&lt;li&gt;Strg+E öffnet das Fenster „Durchlauf erkunden“: Wählen Sie mit Pfeil auf, Pfeil ab, Bild auf und Bild ab einen Punkt des Durchlaufs und lesen Sie seine Weglängen und die Phasendifferenz ab; N und Umschalt+N gehen zum nächsten hellen und dunklen Punkt. Behalten Sie Durchläufe, um sie zu vergleichen, und speichern oder kopieren Sie die Tabelle des Durchlaufs für eine Tabellenkalkulation.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>KeptRuns</name>
    <message>
        <source>solid</source>
        <translation>durchgezogen</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>gestrichelt</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>gepunktet</translation>
    </message>
    <message>
        <source>dash-dot</source>
        <translation>Strich-Punkt</translation>
    </message>
    <message>
        <source>dash-dot-dot</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <source>%1, slit spacing %2 (%3 px), distance %4 (%5 px), frequency %6 (k = %7)</source>
        <extracomment>A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the spacing option&apos;s caption and %3 its pixels, %4 the distance option&apos;s caption and %5 its pixels, %6 the frequency option&apos;s caption and %7 the wave number.</extracomment>
        <translation>%1, Spaltabstand %2 (%3 px), Schirmabstand %4 (%5 px), Frequenz %6 (k = %7)</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save picture as...</source>
        <translation>Bild &amp;speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quarnel</source>
        <translation>&amp;Über Quarnel</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>interference.png</source>
        <translation>interferenz.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>About Quarnel</source>
        <translation>Über Quarnel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows the interference of light behind two slits.&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;Ein Lehrprogramm, das die Interferenz von Licht hinter einem Doppelspalt zeigt.&lt;/p&gt;&lt;p&gt;Lizenz: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Verk&amp;leinern</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Normalgröße</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>&amp;Erkunden</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message numerus="yes">
        <source>%n pixel</source>
        <translation>
            <numerusform>%n Pixel</numerusform>
            <numerusform>%n Pixel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <translation>
            <numerusform>%n Pixel</numerusform>
            <numerusform>%n Pixel</numerusform>
        </translation>
    </message>
    <message>
        <source>across the optical axis, reaching %1 above and below it</source>
        <translation>auf der optischen Achse, reicht %1 darüber und darunter</translation>
    </message>
    <message>
        <source>across the optical axis, from %1 below to %2 above it</source>
        <translation>auf der optischen Achse, von %1 darunter bis %2 darüber</translation>
    </message>
    <message>
        <source>%1 above the optical axis</source>
        <translation>%1 über der optischen Achse</translation>
    </message>
    <message>
        <source>%1 below the optical axis</source>
        <translation>%1 unter der optischen Achse</translation>
    </message>
    <message>
        <source>one %1</source>
        <translation>ein Streifen %1</translation>
    </message>
    <message>
        <source>a pair %1 above and below the optical axis</source>
        <translation>ein Paar %1 über und unter der optischen Achse</translation>
    </message>
    <message>
        <source>pairs %1 and %2 above and below the optical axis</source>
        <translation>Paare %1 und %2 über und unter der optischen Achse</translation>
    </message>
    <message>
        <source>%1 pairs above and below the optical axis, the nearest %2 and the farthest %3 from it</source>
        <translation>%1 Paare über und unter der optischen Achse, das nächste %2 und das fernste %3 von ihr</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; und %2</translation>
    </message>
    <message>
        <source>the brightest is level with the source, on the optical axis</source>
        <translation>die hellste Stelle liegt auf Höhe der Quelle, auf der optischen Achse</translation>
    </message>
    <message>
        <source>the brightest are %1 above and below the optical axis</source>
        <translation>die hellsten Stellen liegen %1 über und unter der optischen Achse</translation>
    </message>
    <message>
        <source>the brightest is %1 above the optical axis</source>
        <translation>die hellste Stelle liegt %1 über der optischen Achse</translation>
    </message>
    <message>
        <source>the brightest is %1 below the optical axis</source>
        <translation>die hellste Stelle liegt %1 unter der optischen Achse</translation>
    </message>
    <message>
        <source>%1, in the band across the axis</source>
        <translation>%1, im Streifen auf der Achse</translation>
    </message>
    <message>
        <source>%1, in the pair of bands whose middles lie %2 above and below it</source>
        <translation>%1, im Streifenpaar, dessen Mitten %2 über und unter ihr liegen</translation>
    </message>
    <message>
        <source>%1, in the band %2</source>
        <translation>%1, im Streifen %2</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>Muster „%1“</translation>
    </message>
    <message>
        <source>0 (both slits on the optical axis)</source>
        <translation>0 (beide Spalte auf der optischen Achse)</translation>
    </message>
    <message>
        <source>%1 (each slit %2 from the optical axis)</source>
        <translation>%1 (jeder Spalt %2 von der optischen Achse)</translation>
    </message>
    <message>
        <source>%1 (%2 behind the barrier)</source>
        <translation>%1 (%2 hinter der Blende)</translation>
    </message>
    <message>
        <source>%1 after a run with slit spacing %2, detector-screen distance %3 and frequency %4.</source>
        <translation>%1 nach einem Durchlauf mit Spaltabstand %2, Schirmabstand %3 und Frequenz %4.</translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <translation>Das Diagramm bleibt dunkel.</translation>
    </message>
    <message>
        <source>The plot shows 1 bright band, %1</source>
        <translation>Das Diagramm zeigt 1 hellen Streifen, %1</translation>
    </message>
    <message>
        <source>The plot shows %1 bright bands: %2</source>
        <translation>Das Diagramm zeigt %1 helle Streifen: %2</translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <translation>Noch nichts gezeichnet: Start zeichnet die Lichtquelle, die Blende mit dem Doppelspalt, den Schirm und das Muster.</translation>
    </message>
    <message>
        <source>The run was stopped before its first point.</source>
        <translation>Der Durchlauf wurde vor seinem ersten Punkt angehalten.</translation>
    </message>
    <message>
        <source>level with the optical axis</source>
        <translation>auf Höhe der optischen Achse</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.</source>
        <translation>Der Durchlauf wurde nach %1 von %2 Punkten angehalten: das Diagramm reicht von unten bis %3.</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <translation>Der Durchlauf wurde angehalten: der Einstellungstext „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <translation>Der Durchlauf wurde angehalten: der Einstellungstext „%1“ ist kein Wert seines Bedienelements.</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>y (px)</source>
        <translation>y (px)</translation>
    </message>
    <message>
        <source>height (px)</source>
        <translation>Höhe (px)</translation>
    </message>
    <message>
        <source>path A (px)</source>
        <translation>Weg A (px)</translation>
    </message>
    <message>
        <source>path B (px)</source>
        <translation>Weg B (px)</translation>
    </message>
    <message>
        <source>path difference (λ)</source>
        <translation>Gangunterschied (λ)</translation>
    </message>
    <message>
        <source>phase difference (°)</source>
        <translation>Phasendifferenz (°)</translation>
    </message>
    <message>
        <source>intensity as computed</source>
        <translation>berechnete Intensität</translation>
    </message>
    <message>
        <source>plotted</source>
        <extracomment>The plotted value: a bar&apos;s length in pixels, or in photon mode the number of dots.</extracomment>
        <translation>im Diagramm</translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>enger</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>small</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>near</source>
        <translation>nah</translation>
    </message>
    <message>
        <source>higher</source>
        <translation>höher</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>low</source>
        <translation>tief</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Interference</source>
        <translation>Interferenz</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Photonendichte</translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <translation>Verlangsamung %1 von %2</translation>
    </message>
    <message>
        <source>Interference picture</source>
        <translation>Interferenzbild</translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <translation>Interferenz und Lichtmuster</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <translation>Tastet den Schirm mit den gewählten Einstellungen Punkt für Punkt ab und zeichnet das Muster</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <translation>Schließt Quarnel</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Verlangsamung</translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <translation>Verlangsamung der Animation, 1 bis 20: bei 1 dauert ein Durchlauf etwa 1,2 Sekunden, bei 20 etwa 24</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Bitte Start drücken</translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <translation>Spaltabstand</translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <translation>Wie weit jeder Spalt von der optischen Achse entfernt liegt</translation>
    </message>
    <message>
        <source>Slit spacing large: each slit 40 pixels from the optical axis</source>
        <translation>Spaltabstand groß: jeder Spalt 40 Pixel von der optischen Achse</translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit 15 pixels from the optical axis</source>
        <translation>Spaltabstand enger: jeder Spalt 15 Pixel von der optischen Achse</translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit 10 pixels from the optical axis</source>
        <translation>Spaltabstand mittel: jeder Spalt 10 Pixel von der optischen Achse</translation>
    </message>
    <message>
        <source>Slit spacing small: each slit 5 pixels from the optical axis</source>
        <translation>Spaltabstand klein: jeder Spalt 5 Pixel von der optischen Achse</translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <translation>Spaltabstand 0: beide Spalte auf der optischen Achse</translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <translation>Schirmabstand</translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <translation>Wie weit der Schirm hinter der Blende steht</translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen 200 pixels behind the barrier</source>
        <translation>Schirmabstand groß: der Schirm 200 Pixel hinter der Blende</translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen 150 pixels behind the barrier</source>
        <translation>Schirmabstand mittel: der Schirm 150 Pixel hinter der Blende</translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen 100 pixels behind the barrier</source>
        <translation>Schirmabstand nah: der Schirm 100 Pixel hinter der Blende</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <translation>Die Wellenzahl des Lichts: wie schnell sich die Phase längs eines Weges dreht</translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns 2 radians per pixel of path</source>
        <translation>Frequenz höher: die Phase dreht sich um 2 Radiant je Pixel Weg</translation>
    </message>
    <message>
        <source>Frequency high: the phase turns 0.5 radians per pixel of path</source>
        <translation>Frequenz hoch: die Phase dreht sich um 0,5 Radiant je Pixel Weg</translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns 0.3 radians per pixel of path</source>
        <translation>Frequenz mittel: die Phase dreht sich um 0,3 Radiant je Pixel Weg</translation>
    </message>
    <message>
        <source>Frequency low: the phase turns 0.1 radians per pixel of path</source>
        <translation>Frequenz tief: die Phase dreht sich um 0,1 Radiant je Pixel Weg</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <translation>Was das Diagramm neben dem Schirm zeigt</translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <translation>Muster Licht: die Interferenz, gewichtet mit dem Abstand von jedem Spalt, als Balken</translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <translation>Muster Interferenz: das Quadrat der Länge der Zeigersumme, als Balken</translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <translation>Muster Photonendichte: auf jeder Höhe so viele zufällige Punkte, wie Photonen ankommen</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation>Schirm</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation>Lichtmuster</translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <translation>Interferenzmuster</translation>
    </message>
</context>
</TS>
