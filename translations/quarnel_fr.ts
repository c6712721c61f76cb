<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>translator-credits</source>
        <extracomment>Not shown as it is. Write the names of the people who translated Quarnel into your language, separated by commas: About lists them beside your language&apos;s name.</extracomment>
        <translation>Les développeurs de Quarnel</translation>
    </message>
    <message>
        <source>About Quarnel</source>
        <extracomment>The title of the About window.</extracomment>
        <translation>À propos de Quarnel</translation>
    </message>
    <message>
        <source>A teaching program that shows the interference of light behind two slits.</source>
        <extracomment>About&apos;s one sentence on what Quarnel is.</extracomment>
        <translation>Un programme d&apos;enseignement qui montre l&apos;interférence de la lumière derrière deux fentes.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;%1&quot;&gt;MIT licence&lt;/a&gt;.</source>
        <extracomment>Keep the link as it is: clicking &quot;MIT licence&quot; shows the licence&apos;s text (which stays in English, as the licence is written).</extracomment>
        <translation>Logiciel libre sous &lt;a href=&quot;%1&quot;&gt;licence MIT&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Home page: %1</source>
        <extracomment>%1 is the address of Quarnel&apos;s home page, as a link.</extracomment>
        <translation>Site web : %1</translation>
    </message>
    <message>
        <source>Report bugs at: %1</source>
        <extracomment>%1 is the address where bugs are reported, as a link.</extracomment>
        <translation>Signaler les bogues : %1</translation>
    </message>
    <message>
        <source>Translations</source>
        <extracomment>The heading of About&apos;s list of languages, each with the names of its translators.</extracomment>
        <translation>Traductions</translation>
    </message>
    <message>
        <source>Runs on Qt %1</source>
        <extracomment>%1 is the version of the Qt libraries Quarnel runs on, such as 6.4.2.</extracomment>
        <translation>Fonctionne avec Qt %1</translation>
    </message>
    <message>
        <source>language-name</source>
        <extracomment>Not shown as it is. Write your language&apos;s name in your language, as About lists it with the names of its translators: for example Čeština, Deutsch.</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Decimals</name>
    <message>
        <source>%1 pixels</source>
        <comment>after decimals</comment>
        <extracomment>A length as a screen reader speaks it, after a number with decimals (&quot;12.5 pixels&quot;); %1 the number.</extracomment>
        <translation>%1 pixels</translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <extracomment>A length in whole pixels as a screen reader speaks it; give every plural form your language has (2 pixely, 5 pixelů).</extracomment>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>radians per pixel</source>
        <extracomment>The unit &quot;rad/px&quot; of the wave number k as a screen reader speaks it.</extracomment>
        <translation>radian par pixel</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel</source>
        <extracomment>One pixel as a screen reader speaks it (%n is 1); give every plural form your language has.</extracomment>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExplorePlot</name>
    <message>
        <source>height above the optical axis (px)</source>
        <extracomment>The plot&apos;s vertical axis title: the height above the optical axis, in pixels.</extracomment>
        <translation>hauteur au-dessus de l&apos;axe optique (px)</translation>
    </message>
    <message>
        <source>intensity, each run to its own maximum</source>
        <extracomment>The plot&apos;s horizontal axis title: each run&apos;s intensity is scaled so that its own largest value fills the width.</extracomment>
        <translation>intensité, chaque balayage rapporté à son propre maximum</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Explore a run</source>
        <extracomment>The title of the window that inspects the last run point by point (Ctrl+E).</extracomment>
        <translation>Explorer un balayage</translation>
    </message>
    <message>
        <source>&amp;Point:</source>
        <extracomment>The label of the box that selects one of the screen line&apos;s 399 points; &amp; marks the access key.</extracomment>
        <translation>&amp;Point :</translation>
    </message>
    <message>
        <source>Selected point</source>
        <extracomment>The accessible name of the point box, and the title of the group of readouts for that point.</extracomment>
        <translation>Point choisi</translation>
    </message>
    <message>
        <source>The point of the screen line, 1 at the bottom to %1 at the top; Page Up and Page Down move %2 points</source>
        <extracomment>The point box, for a screen reader: %1 is the number of points (399), %2 how many points Page Up and Page Down move.</extracomment>
        <translation>Le point de l&apos;écran, de 1 en bas à %1 en haut ; Page précédente et Page suivante avancent de %2 points</translation>
    </message>
    <message>
        <source>Point on the screen line</source>
        <extracomment>The accessible name of the slider that selects the same point as the point box.</extracomment>
        <translation>Point sur l&apos;écran</translation>
    </message>
    <message>
        <source>Next bright point (%1)</source>
        <extracomment>%1 is the key, &quot;N&quot;.</extracomment>
        <translation>Point brillant suivant (%1)</translation>
    </message>
    <message>
        <source>Next dark point (%1)</source>
        <extracomment>%1 is the key, &quot;Shift+N&quot; in the desktop&apos;s words.</extracomment>
        <translation>Point sombre suivant (%1)</translation>
    </message>
    <message>
        <source>Intensity against height</source>
        <extracomment>The accessible name of the plot: the run&apos;s intensity drawn against the height above the optical axis.</extracomment>
        <translation>Intensité selon la hauteur</translation>
    </message>
    <message>
        <source>Band spacing near the axis</source>
        <extracomment>A readout: the distance between neighbouring bright bands near the optical axis.</extracomment>
        <translation>Interfrange près de l&apos;axe</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <extracomment>The title (and accessible name of the table) of the runs kept to compare with each other.</extracomment>
        <translation>Balayages côte à côte</translation>
    </message>
    <message>
        <source>&amp;Keep this run</source>
        <extracomment>A button: keeps the last run in the table to compare with later runs; &amp; marks the access key.</extracomment>
        <translation>&amp;Garder ce balayage</translation>
    </message>
    <message>
        <source>Keeps the last run to compare with the next ones; up to %1, the oldest giving way to a fifth</source>
        <extracomment>Accessible description of the keep button: %1 is how many runs are kept at most (4).</extracomment>
        <translation>Garde le dernier balayage pour le comparer aux suivants ; jusqu&apos;à %1, un cinquième remplaçant le plus ancien</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <extracomment>A button: saves the run&apos;s points as a CSV file for a spreadsheet; &amp; marks the access key.</extracomment>
        <translation>&amp;Enregistrer le tableau...</translation>
    </message>
    <message>
        <source>Writes every point of the run as a CSV file for a spreadsheet</source>
        <extracomment>Accessible description of the save-table button.</extracomment>
        <translation>Écrit tous les points du balayage dans un fichier CSV pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <extracomment>A button: puts the run&apos;s points on the clipboard for a spreadsheet; &amp; marks the access key.</extracomment>
        <translation>&amp;Copier le tableau</translation>
    </message>
    <message>
        <source>Puts every point of the run on the clipboard, ready to paste into a spreadsheet</source>
        <extracomment>Accessible description of the copy-table button.</extracomment>
        <translation>Place tous les points du balayage dans le presse-papiers, prêts à coller dans un tableur</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button that closes the Explore window.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No run yet: press Start in the main window, and the run&apos;s points appear here as it goes.</source>
        <extracomment>The status line of the Explore window before the first run.</extracomment>
        <translation>Pas encore de balayage : appuyez sur Lancer dans la fenêtre principale, et ses points apparaîtront ici au fur et à mesure.</translation>
    </message>
    <message>
        <source>The run is going: %1 of %2 points so far.</source>
        <extracomment>The status line during a run: %1 points plotted so far of %2 (399).</extracomment>
        <translation>Le balayage est en cours : %1 des %2 points pour l&apos;instant.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points.</source>
        <extracomment>The status line after a run stopped with Escape: %1 points plotted of %2 (399).</extracomment>
        <translation>Le balayage a été arrêté après %1 des %2 points.</translation>
    </message>
    <message>
        <source>Last run: %1. %2</source>
        <extracomment>%1 the last run&apos;s settings in words, %2 how far it went (empty for a whole run).</extracomment>
        <translation>Dernier balayage : %1. %2</translation>
    </message>
    <message>
        <source>not plotted yet</source>
        <extracomment>What every readout shows when the selected point has not been plotted yet by the run going on.</extracomment>
        <translation>pas encore tracé</translation>
    </message>
    <message>
        <source>no run yet</source>
        <extracomment>What a readout shows before the first run.</extracomment>
        <translation>pas encore de balayage</translation>
    </message>
    <message>
        <source>%1 px</source>
        <extracomment>A length in pixels; %1 is the number.</extracomment>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>measured %1; small-angle formula λL/s %2</source>
        <extracomment>The band spacing: %1 measured on the run, %2 as the small-angle formula gives it (each in pixels or &quot;none&quot;); keep λL/s as it is.</extracomment>
        <translation>mesuré %1 ; formule des petits angles λL/s %2</translation>
    </message>
    <message>
        <source>Empty: no run yet.</source>
        <extracomment>The plot&apos;s description for a screen reader before the first run.</extracomment>
        <translation>Vide : pas encore de balayage.</translation>
    </message>
    <message>
        <source>What the last run plotted against the height above the optical axis, %1 of %2 points, as a solid line scaled to its maximum.</source>
        <extracomment>The plot&apos;s description for a screen reader: %1 the points plotted so far, %2 all points (399).</extracomment>
        <translation>Ce que le dernier balayage a tracé selon la hauteur au-dessus de l&apos;axe optique, %1 des %2 points, en trait plein rapporté à son maximum.</translation>
    </message>
    <message>
        <source>No fringe marks: the path difference is the same everywhere.</source>
        <extracomment>The plot with both slits at one place: no bright or dark marks.</extracomment>
        <translation>Aucun repère de frange : la différence de marche est partout la même.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run: its settings in words, then the style of its line (&quot;dashed&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kept runs beside it: %1.</source>
        <extracomment>The kept runs for a screen reader: %1 lists them, separated by semicolons.</extracomment>
        <translation>Balayages gardés à côté : %1.</translation>
    </message>
    <message>
        <source>Selected: point %1, %2 px above the axis.</source>
        <extracomment>The selected point for a screen reader: %1 its number (1 … 399), %2 its height above the axis in pixels.</extracomment>
        <translation>Choisi : point %1, à %2 px au-dessus de l&apos;axe.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <extracomment>The title of the file dialog that saves the run&apos;s table.</extracomment>
        <translation>Enregistrer le tableau sous</translation>
    </message>
    <message>
        <source>interference.csv</source>
        <extracomment>The file name the save dialog suggests; keep the .csv ending.</extracomment>
        <translation>interference.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file-type filter of the save dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A warning: %1 the file name, %2 the system&apos;s reason (for example &quot;No space left on device&quot;).</extracomment>
        <translation>Impossible d&apos;enregistrer le tableau sous « %1 » : %2</translation>
    </message>
    <message>
        <source>Solid marks: order m, where the path difference is m wavelengths. Dotted: where it is a whole number and a half. Dashed: where the small-angle formula y = m·λ·L/s puts the orders (L the screen&apos;s distance, s the slits&apos; separation).</source>
        <extracomment>The plot&apos;s legend: its marks are orders, not the bands the plot shows. Keep the formula y = m·λ·L/s as it is: m the order, λ the wavelength, L the screen&apos;s distance, s the slits&apos; separation.</extracomment>
        <translation>Repères en trait plein : ordre m, là où la différence de marche vaut m longueurs d&apos;onde. Pointillés : là où elle vaut un nombre entier et demi. Tirets : là où la formule des petits angles y = m·λ·L/s place les ordres (L la distance de l&apos;écran, s la distance entre les fentes).</translation>
    </message>
    <message>
        <source>Bands and orders</source>
        <extracomment>The title of the group about the bands the plot shows and the orders m (path difference m wavelengths).</extracomment>
        <translation>Franges et ordres</translation>
    </message>
    <message>
        <source>The distance between the two bright bands nearest the optical axis, measured on the plot, beside what the small-angle formula λL/s gives</source>
        <extracomment>Accessible description of the band-spacing readout; keep λL/s as it is.</extracomment>
        <translation>La distance entre les deux franges brillantes les plus proches de l&apos;axe optique, mesurée sur le graphique, à côté de ce que donne la formule des petits angles λL/s</translation>
    </message>
    <message>
        <source>Orders: path difference m wavelengths, exact and by the small-angle formula</source>
        <extracomment>The accessible name of the table of where the path difference is m wavelengths, for each order m.</extracomment>
        <translation>Ordres : différence de marche de m longueurs d&apos;onde, exacts et selon la formule des petits angles</translation>
    </message>
    <message>
        <source>Solid marks, where the path difference is a whole number of wavelengths, lie on the axis and at %1 px above and below it, dotted marks halfway between.</source>
        <extracomment>The plot&apos;s marks for a screen reader: %1 the heights of the orders above the axis in pixels, separated by semicolons.</extracomment>
        <translation>Les repères en trait plein, là où la différence de marche est un nombre entier de longueurs d&apos;onde, sont sur l&apos;axe et à %1 px au-dessus et au-dessous, les repères en pointillés à mi-chemin entre eux.</translation>
    </message>
    <message>
        <source>The small-angle formula puts the orders at %1 px.</source>
        <extracomment>%1 the heights (pixels) where the small-angle formula puts the orders, separated by semicolons.</extracomment>
        <translation>La formule des petits angles place les ordres à %1 px.</translation>
    </message>
    <message>
        <source>Bright point %1. %2</source>
        <extracomment>Said when N selects the next bright point: %1 its number (1 … 399), %2 its readouts.</extracomment>
        <translation>Point brillant %1. %2</translation>
    </message>
    <message>
        <source>Dark point %1. %2</source>
        <extracomment>Said when Shift+N selects the next dark point: %1 its number (1 … 399), %2 its readouts.</extracomment>
        <translation>Point sombre %1. %2</translation>
    </message>
    <message>
        <source>Run kept.</source>
        <extracomment>Said when the Keep button has kept the last run in the table of runs.</extracomment>
        <translation>Balayage gardé.</translation>
    </message>
    <message>
        <source>Table saved to %1.</source>
        <extracomment>Said when the run&apos;s table has been saved: %1 the file&apos;s name, without its folder.</extracomment>
        <translation>Tableau enregistré dans %1.</translation>
    </message>
    <message>
        <source>Show the small-angle &amp;formula&apos;s marks (dashed)</source>
        <extracomment>A check box: also mark the whole-wavelength orders where the textbook small-angle formula puts them, as dashed lines; &amp; marks the access key.</extracomment>
        <translation>Afficher les repères de la formule des petits &amp;angles (tirets)</translation>
    </message>
    <message>
        <source>Point &amp;tones</source>
        <extracomment>A check box (on at first): each point the pupil selects sounds for a moment, as loud as the pattern&apos;s sound is at that point; &amp; marks the access key.</extracomment>
        <translation>&amp;Son de chaque point</translation>
    </message>
    <message>
        <source>Each point selected sounds for a moment, loud where the pattern is bright and silent where it is dark</source>
        <extracomment>Accessible description of the point tones&apos; check box.</extracomment>
        <translation>Chaque point choisi sonne un instant : fort là où la figure est brillante, muet là où elle est sombre</translation>
    </message>
    <message>
        <source>Point %1: %2.</source>
        <extracomment>Said by R when the selected point has nothing to show: %1 its number (1 … 399), %2 why (&quot;not plotted yet&quot;, &quot;no run yet&quot;).</extracomment>
        <translation>Point %1 : %2.</translation>
    </message>
    <message>
        <source>Point %1, %2 px above the optical axis, brightness %3 % of the brightest.</source>
        <extracomment>Said by R: %1 the selected point&apos;s number (1 … 399), %2 its height above the optical axis in pixels (below it negative), %3 what the plot showed there, in per cent of the brightest point of the run.</extracomment>
        <translation>Point %1, %2 px au-dessus de l&apos;axe optique, luminosité %3 % du plus brillant.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <extracomment>The title of the help window, and of its print-out.</extracomment>
        <translation>Aide de Quarnel</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the help&apos;s numbers</comment>
        <extracomment>Not shown as it is. Your language&apos;s code (cs, de, fr ...): the help writes the numbers it works out as this language writes numbers (3,1 or 3.1).</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>What the picture shows</source>
        <extracomment>A heading of the help.</extracomment>
        <translation>Ce que montre l&apos;image</translation>
    </message>
    <message>
        <source>Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;%1&lt;/b&gt; scans the screen from the bottom to the top, point by point.</source>
        <extracomment>%1 is the Start button&apos;s caption. The source, barrier and detector screen are the picture&apos;s labels: use the same words.</extracomment>
        <translation>La lumière de la &lt;b&gt;source&lt;/b&gt;, à gauche, traverse une &lt;b&gt;plaque&lt;/b&gt; percée de deux fentes, A au-dessus et B au-dessous de l&apos;axe optique, et tombe sur l&apos;&lt;b&gt;écran&lt;/b&gt;. &lt;b&gt;%1&lt;/b&gt; balaie l&apos;écran de bas en haut, point par point.</translation>
    </message>
    <message>
        <source>For every point of the screen the two paths from the slits become two &lt;b&gt;phasors&lt;/b&gt;: arrows 25 pixels long, each turned by the phase its path gives. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.</source>
        <extracomment>A phasor is the arrow that stands for a wave&apos;s phase: school physics&apos; word for it in your language (Zeiger, vecteur de Fresnel, wskaz ...).</extracomment>
        <translation>Pour chaque point de l&apos;écran, les deux chemins depuis les fentes deviennent deux &lt;b&gt;vecteurs de Fresnel&lt;/b&gt; : des flèches de 25 pixels, chacune tournée de la phase que donne son chemin. On les ajoute bout à bout, et leur somme, tracée en &lt;b&gt;vert&lt;/b&gt;, donne la luminosité : quatre fois le carré de sa longueur. Un point sur vingt montre cette construction : les rayons pâles issus des deux fentes, les deux vecteurs noirs et leur somme verte.</translation>
    </message>
    <message>
        <source>Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns %1 and %2) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern %3). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what the two give added together, as if there were no interference.</source>
        <extracomment>%1, %2 and %3 are the patterns&apos; names as their options say them.</extracomment>
        <translation>À droite de l&apos;axe du graphique, la luminosité est tracée à la hauteur du point, en &lt;b&gt;barre&lt;/b&gt; (figures %1 et %2) ou en &lt;b&gt;points de photons&lt;/b&gt; aléatoires (figure %3). À gauche de l&apos;axe, trois &lt;b&gt;marques bleues&lt;/b&gt; suivent ce que donnerait chaque fente seule et ce que donneraient les deux ensemble s&apos;il n&apos;y avait pas d&apos;interférence.</translation>
    </message>
    <message>
        <source>The physics</source>
        <extracomment>A heading of the help: the physics behind the picture, in a school&apos;s words.</extracomment>
        <translation>La physique</translation>
    </message>
    <message>
        <source>Every point P of the screen gets light along two paths, one through slit A and one through slit B. Unless P lies level with the middle between the slits, one path is longer than the other: the difference of their lengths is the &lt;b&gt;path difference&lt;/b&gt; Δ = |PA − PB|.</source>
        <extracomment>P is a point of the screen, PA and PB its distances from the slits A and B; Δ is the path difference (keep the symbols).</extracomment>
        <translation>Chaque point P de l&apos;écran reçoit la lumière par deux chemins, l&apos;un par la fente A, l&apos;autre par la fente B. Sauf si P est à la hauteur du milieu des fentes, un chemin est plus long que l&apos;autre : la différence de leurs longueurs est la &lt;b&gt;différence de marche&lt;/b&gt; Δ = |PA − PB|.</translation>
    </message>
    <message>
        <source>Along a path the wave&apos;s phase turns steadily, by k radians for every pixel: k is the &lt;b&gt;wave number&lt;/b&gt;, which the group %1 sets. So the two waves reach P turned against each other by the &lt;b&gt;phase difference&lt;/b&gt; φ = k·Δ. The phasors show it: φ is the angle between them.</source>
        <extracomment>%1 is the caption of the frequency group. k is the wave number, φ the phase difference (keep the symbols).</extracomment>
        <translation>Le long d&apos;un chemin, la phase de l&apos;onde tourne régulièrement, de k radians par pixel : k est le &lt;b&gt;nombre d&apos;onde&lt;/b&gt;, que règle le groupe %1. Les deux ondes arrivent donc en P tournées l&apos;une par rapport à l&apos;autre du &lt;b&gt;déphasage&lt;/b&gt; φ = k·Δ. Les vecteurs le montrent : φ est l&apos;angle entre eux.</translation>
    </message>
    <message>
        <source>Where φ is a whole number of turns (0, 2π, 4π, …) the phasors point the same way and their sum is twice as long as one: P is &lt;b&gt;bright&lt;/b&gt; (constructive interference). Where φ is half a turn more (π, 3π, …) they point against each other, their sum is zero and P is &lt;b&gt;dark&lt;/b&gt; (destructive interference). In between the brightness changes smoothly.</source>
        <extracomment>Constructive and destructive interference: school physics&apos; terms.</extracomment>
        <translation>Là où φ vaut un nombre entier de tours (0, 2π, 4π, …), les vecteurs ont la même direction et leur somme est deux fois plus longue que l&apos;un d&apos;eux : P est &lt;b&gt;brillant&lt;/b&gt; (interférence constructive). Là où φ vaut un demi-tour de plus (π, 3π, …), ils sont opposés, leur somme est nulle et P est &lt;b&gt;sombre&lt;/b&gt; (interférence destructive). Entre les deux, la luminosité varie continûment.</translation>
    </message>
    <message>
        <source>One whole turn of the phase takes one &lt;b&gt;wavelength&lt;/b&gt; λ = 2π/k: a point is bright where the path difference is a whole number of wavelengths, and dark where it is a whole number and a half. In the picture λ is measured in pixels:</source>
        <extracomment>λ is the wavelength (keep the symbol). The table of each frequency&apos;s wavelength follows this paragraph.</extracomment>
        <translation>Un tour complet de la phase correspond à une &lt;b&gt;longueur d&apos;onde&lt;/b&gt; λ = 2π/k : un point est brillant là où la différence de marche est un nombre entier de longueurs d&apos;onde, et sombre là où elle en est un nombre demi-entier. Dans l&apos;image, λ se mesure en pixels :</translation>
    </message>
    <message>
        <source>Wave number k, radians per pixel</source>
        <extracomment>A column heading of the table of wavelengths.</extracomment>
        <translation>Nombre d&apos;onde k, radians par pixel</translation>
    </message>
    <message>
        <source>Wavelength λ, pixels</source>
        <extracomment>A column heading of the table of wavelengths.</extracomment>
        <translation>Longueur d&apos;onde λ, pixels</translation>
    </message>
    <message>
        <source>Near the optical axis neighbouring bright bands lie about &lt;b&gt;Δy = λ·L/s&lt;/b&gt; apart: L is the distance from the barrier to the screen, s the distance between the slits, twice the spacing d that the group %1 sets (each slit lies d from the axis). Slits closer together, a longer wavelength or a farther screen spread the bands. With the settings Quarnel starts with (λ = %2, L = %3, s = %4 pixels) the bands lie about %5 pixels apart.</source>
        <extracomment>%1 is the caption of the slit-spacing group. L, s, d and Δy are symbols: keep them. %2 to %5 are numbers of pixels.</extracomment>
        <translation>Près de l&apos;axe optique, deux franges brillantes voisines sont distantes d&apos;environ &lt;b&gt;Δy = λ·L/s&lt;/b&gt; : L est la distance de la plaque à l&apos;écran, s la distance entre les fentes, le double de l&apos;écart d que règle le groupe %1 (chaque fente est à d de l&apos;axe). Des fentes plus proches, une longueur d&apos;onde plus grande ou un écran plus éloigné écartent les franges. Avec les réglages de départ de Quarnel (λ = %2, L = %3, s = %4 pixels), les franges sont distantes d&apos;environ %5 pixels.</translation>
    </message>
    <message>
        <source>The formula takes the angle θ between the axis and the way to P as small. For a screen far from the slits the path difference is s·sin θ, and for a small angle sin θ is about tan θ = y/L, so that the m-th band lies at y = m·λ·L/s. Far from the axis the angle is no longer small: the m-th band lies where s·sin θ = m·λ, at y = L·tan θ, farther out than the formula says, and the bands spread apart towards the top and the bottom of the screen. With the start-up settings the formula puts band %1 at %2 pixels from the axis; the run shows it at about %3. Where m·λ is more than s there is no m-th band at all.</source>
        <extracomment>θ is an angle, m a band&apos;s number (keep the symbols). %1 is the band&apos;s number (6), %2 and %3 numbers of pixels.</extracomment>
        <translation>La formule suppose petit l&apos;angle θ entre l&apos;axe et la direction de P. Pour un écran éloigné des fentes, la différence de marche vaut s·sin θ, et pour un petit angle sin θ est proche de tan θ = y/L, si bien que la m-ième frange est en y = m·λ·L/s. Loin de l&apos;axe, l&apos;angle n&apos;est plus petit : la m-ième frange est là où s·sin θ = m·λ, en y = L·tan θ, plus loin que ne le dit la formule, et les franges s&apos;écartent vers le haut et le bas de l&apos;écran. Avec les réglages de départ, la formule place la frange %1 à %2 pixels de l&apos;axe ; le balayage la montre à environ %3. Là où m·λ dépasse s, il n&apos;y a pas de m-ième frange.</translation>
    </message>
    <message>
        <source>The three patterns</source>
        <extracomment>A heading of the help: the three patterns and what each means physically.</extracomment>
        <translation>Les trois figures</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: light as it falls on a screen. Each wave is weighted by a rule of the model&apos;s own that falls much faster with the distance from its slit than real light does; it looks like the dimming that the width of a real slit gives, so the bands fade towards the top and the bottom of the screen.</source>
        <extracomment>%1 is the pattern&apos;s name as its option says it.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; : la lumière telle qu&apos;elle tombe sur un écran. Chaque onde est pondérée par une règle propre au modèle, qui décroît avec la distance à sa fente bien plus vite que la lumière réelle ; elle ressemble à l&apos;affaiblissement que donne la largeur d&apos;une fente réelle, et les franges pâlissent donc vers le haut et le bas de l&apos;écran.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: the interference alone, the squared length of the phasor sum, with no weakening. Every bright band is equally bright: this pattern shows most clearly where the bands lie.</source>
        <extracomment>%1 is the pattern&apos;s name as its option says it.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; : l&apos;interférence seule, le carré de la longueur de la somme des vecteurs, sans affaiblissement. Toutes les franges brillantes sont aussi lumineuses les unes que les autres : cette figure montre le plus clairement où se trouvent les franges.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: light as photons, the small portions it arrives in. The run fills the plot row after row, each row with as many white dots as the brightness of the pattern %2 gives there; only the dots&apos; places along the row are random. No dot lands in the dark places: the bands are made of many single dots.</source>
        <extracomment>%1 and %2 are patterns&apos; names as their options say them. A photon is the smallest portion of light.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; : la lumière comme photons, les petites portions sous lesquelles elle arrive. Le balayage remplit le tracé ligne après ligne, chaque ligne d&apos;autant de points blancs que la luminosité de la figure %2 en donne à cet endroit ; seules les places des points le long de la ligne sont aléatoires. Aucun point ne tombe dans les endroits sombres : les franges sont faites de nombreux points isolés.</translation>
    </message>
    <message>
        <source>What the model leaves out</source>
        <extracomment>A heading of the help: what the model of the picture simplifies or omits.</extracomment>
        <translation>Ce que le modèle laisse de côté</translation>
    </message>
    <message>
        <source>Real sizes: light has a wavelength of 0.4 to 0.7 micrometres, slits lie a fraction of a millimetre apart and the screen stands a metre or more away. The picture does not keep their ratios: in it λ/s is about %1 and s/L %2, in a school experiment about 0.002 and 0.0003. That is why the small-angle formula fails far from the axis here, but holds in a real experiment, where every band lies at a small angle.</source>
        <extracomment>λ, s and L are symbols (keep them); micrometres and millimetres are real units. %1 and %2 are the picture&apos;s ratios λ/s and s/L at start-up (0.10, 0.15).</extracomment>
        <translation>Les tailles réelles : la lumière a une longueur d&apos;onde de 0,4 à 0,7 micromètre, les fentes sont distantes d&apos;une fraction de millimètre et l&apos;écran est à un mètre ou plus. L&apos;image ne garde pas leurs rapports : λ/s y vaut environ %1 et s/L %2, dans une expérience scolaire environ 0,002 et 0,0003. C&apos;est pourquoi la formule des petits angles échoue ici loin de l&apos;axe, mais vaut dans une expérience réelle, où toutes les franges sont sous un petit angle.</translation>
    </message>
    <message>
        <source>The width of the slits: here they are points. A real slit&apos;s own diffraction dims the bands farther out; here all the bands of the pattern %1 are equally bright.</source>
        <extracomment>%1 is the Interference pattern&apos;s name as its option says it.</extracomment>
        <translation>La largeur des fentes : ici ce sont des points. La diffraction par une fente réelle atténue les franges lointaines ; ici toutes les franges de la figure %1 sont aussi lumineuses les unes que les autres.</translation>
    </message>
    <message>
        <source>White light: the light here has one wavelength, and both slits are lit in step, as by a laser. White light would give coloured bands that blur away from the middle.</source>
        <extracomment>Monochromatic and coherent light: say it in school words, as here.</extracomment>
        <translation>La lumière blanche : ici la lumière n&apos;a qu&apos;une longueur d&apos;onde, et les deux fentes sont éclairées en phase, comme par un laser. La lumière blanche donnerait des franges colorées qui se brouillent loin du centre.</translation>
    </message>
    <message>
        <source>Space: the waves spread only in the plane of the picture, and the weakening with distance in the pattern %1 is a simple rule chosen to look right, not an exact law.</source>
        <extracomment>%1 is the Light pattern&apos;s name as its option says it.</extracomment>
        <translation>L&apos;espace : les ondes ne se propagent que dans le plan de l&apos;image, et l&apos;affaiblissement avec la distance dans la figure %1 est une règle simple choisie pour paraître juste, non une loi exacte.</translation>
    </message>
    <message>
        <source>Chance: the pattern %1 draws at each height as many dots as the brightness gives, at random places along the row. Real photons land one at a time wherever the pattern allows, more often where it is bright.</source>
        <extracomment>%1 is the Photon density pattern&apos;s name as its option says it.</extracomment>
        <translation>Le hasard : la figure %1 dessine à chaque hauteur autant de points que le veut la luminosité, à des places aléatoires de la ligne. Les vrais photons arrivent un par un, n&apos;importe où la figure le permet, plus souvent là où il fait clair.</translation>
    </message>
    <message>
        <source>Time: the scan from the bottom to the top only draws the picture. The pattern is there all at once; nothing in the picture moves with the light.</source>
        <extracomment>About the animation of a run.</extracomment>
        <translation>Le temps : le balayage de bas en haut ne fait que dessiner l&apos;image. La figure est là tout entière d&apos;un coup ; rien dans l&apos;image ne se déplace avec la lumière.</translation>
    </message>
    <message>
        <source>Things to try</source>
        <extracomment>A heading of the help: activities for a lesson.</extracomment>
        <translation>À essayer</translation>
    </message>
    <message>
        <source>Make a prediction first, then press %1 and see. A run keeps the settings it started with; change them between runs.</source>
        <extracomment>%1 is the Start button&apos;s caption.</extracomment>
        <translation>Faites d&apos;abord une prédiction, puis appuyez sur %1 et regardez. Un balayage garde les réglages avec lesquels il a commencé ; changez-les entre deux balayages.</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>A heading of the help: the keyboard.</extracomment>
        <translation>Touches</translation>
    </message>
    <message>
        <source>go from control to control. After %1, Tab reaches the picture, and a screen reader then reads out its description.</source>
        <extracomment>What the keys do; %1 is the Exit button&apos;s caption.</extracomment>
        <translation>passent d&apos;une commande à l&apos;autre. Après %1, Tab atteint l&apos;image, et un lecteur d&apos;écran lit alors sa description.</translation>
    </message>
    <message>
        <source>choose an option within a group; on the scroll bar, move it by one step, or to 1 and 20.</source>
        <extracomment>What the keys do.</extracomment>
        <translation>choisissent une option dans un groupe ; sur la barre de défilement, la déplacent d&apos;un cran, ou à 1 et à 20.</translation>
    </message>
    <message>
        <source>press the focused button.</source>
        <extracomment>What the keys do.</extracomment>
        <translation>appuient sur le bouton qui a le focus.</translation>
    </message>
    <message>
        <source>stops a run at once, and the sound that %1 plays. During a run the options and the scroll bar show at once what the next run will take; Start and Exit wait for the run&apos;s end.</source>
        <extracomment>What the key does; %1 is the key that plays the pattern as sound.</extracomment>
        <translation>arrête aussitôt un balayage, ainsi que le son que joue %1. Pendant un balayage, les options et la barre de défilement montrent aussitôt ce que prendra le suivant ; Lancer et Quitter attendent la fin du balayage.</translation>
    </message>
    <message>
        <source>copies the picture.</source>
        <extracomment>What the key does.</extracomment>
        <translation>copie l&apos;image.</translation>
    </message>
    <message>
        <source>make the window, and every dialog with it, larger or smaller, from 100 to 300 %, as far as the screen allows; the last brings the normal size back.</source>
        <extracomment>What the keys do, for a projector.</extracomment>
        <translation>agrandissent ou réduisent la fenêtre, et avec elle chaque boîte de dialogue, de 100 à 300 %, autant que l&apos;écran le permet ; la dernière rétablit la taille normale.</translation>
    </message>
    <message>
        <source>fills the screen with the window, and brings it back.</source>
        <extracomment>What the key does.</extracomment>
        <translation>fait occuper tout l&apos;écran à la fenêtre, puis la rétablit.</translation>
    </message>
    <message>
        <source>opens this help.</source>
        <extracomment>What the key does.</extracomment>
        <translation>ouvre cette aide.</translation>
    </message>
    <message>
        <source>in the help: prints it, or saves it as a PDF file to hand out.</source>
        <extracomment>What the key does, in the help window.</extracomment>
        <translation>dans l&apos;aide : l&apos;imprime, ou l&apos;enregistre en fichier PDF à distribuer.</translation>
    </message>
    <message>
        <source>open the picture&apos;s menu, as the right mouse button does.</source>
        <extracomment>What the keys do.</extracomment>
        <translation>ouvrent le menu de l&apos;image, comme le bouton droit de la souris.</translation>
    </message>
    <message>
        <source>opens Explore, which compares the small-angle formula with the exact places of the bands.</source>
        <extracomment>What the key does: Explore is a window of its own.</extracomment>
        <translation>ouvre une fenêtre qui compare la formule des petits angles avec les positions exactes des franges.</translation>
    </message>
    <message>
        <source>quits Quarnel as %1 does: after a run that goes on.</source>
        <extracomment>What the key does; %1 is the Exit button&apos;s caption.</extracomment>
        <translation>quitte Quarnel comme %1 : après le balayage en cours.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>The help window&apos;s button that opens the print dialog (the help printed, or saved as a PDF file); &amp; marks the key that presses it.</extracomment>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Some captions say less than they seem. The label &lt;b&gt;%1&lt;/b&gt; stands beside the barrier with the slits, and &lt;b&gt;%2&lt;/b&gt; over the detector screen the pattern falls on. The slit-spacing options stand in the order %3, %4, %5, %6: %4 puts each slit %8 pixels from the axis, between %3 (%7) and %5 (%9). The scroll bar under the title, without a label, slows the animation down: 1 is the fastest, 20 the slowest.</source>
        <extracomment>%1 and %2 are the picture&apos;s labels as your translation has them (the one beside the barrier, the one over the detector screen); %3 to %6 the slit-spacing options&apos; captions in the order they stand; %7 to %9 numbers of pixels.</extracomment>
        <translation>Certaines légendes en disent moins qu&apos;il n&apos;y paraît. La légende &lt;b&gt;%1&lt;/b&gt; se trouve à côté de l&apos;écran percé des fentes, et &lt;b&gt;%2&lt;/b&gt; au-dessus de l&apos;écran où tombe la figure. Les options de l&apos;écart des fentes sont dans l&apos;ordre %3, %4, %5, %6 : %4 place chaque fente à %8 pixels de l&apos;axe, entre %3 (%7) et %5 (%9). La barre de défilement sous le titre, sans légende, ralentit l&apos;animation : 1 est le plus rapide, 20 le plus lent.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A group of the window and its option, as an activity names them: %1 the group&apos;s caption (Slit spacing, Pattern …), %2 its option (minor, Interference …).</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Choose %1 and press %2.</source>
        <extracomment>The settings of an activity&apos;s first run: %1 every group with its option, %2 the Start button&apos;s caption. The options that differ from start-up are bold.</extracomment>
        <translation>Choisissez %1 et appuyez sur %2.</translation>
    </message>
    <message>
        <source>Then choose %1 and press %2 again.</source>
        <extracomment>The settings of an activity&apos;s next run: %1 the groups that change, with their options; %2 the Start button&apos;s caption.</extracomment>
        <translation>Choisissez ensuite %1 et appuyez de nouveau sur %2.</translation>
    </message>
    <message>
        <source>No second path</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Pas de second chemin</translation>
    </message>
    <message>
        <source>Both slits now lie on the optical axis. Will the screen show bright and dark bands?</source>
        <extracomment>An activity&apos;s question: the pupil predicts before the run.</extracomment>
        <translation>Les deux fentes sont maintenant sur l&apos;axe optique. L&apos;écran montrera-t-il des franges brillantes et sombres ?</translation>
    </message>
    <message>
        <source>No. Bright bands: %1. The two paths to every point are equally long, the phasors always point the same way, and the screen is evenly bright. Bands need two paths of different lengths: two slits in one place do not make even one band of their own.</source>
        <extracomment>An activity&apos;s answer. %1 is the number of bright bands the run shows.</extracomment>
        <translation>Non. Franges brillantes : %1. Les deux chemins vers chaque point ont la même longueur, les vecteurs de Fresnel pointent toujours dans le même sens et l&apos;écran est partout aussi lumineux. Les franges demandent deux chemins de longueurs différentes : deux fentes au même endroit ne donnent pas même une frange à elles.</translation>
    </message>
    <message>
        <source>Slits farther apart</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Fentes plus écartées</translation>
    </message>
    <message>
        <source>The slits move apart. Will the bands move closer together or farther apart, and will there be more of them or fewer?</source>
        <extracomment>An activity&apos;s question.</extracomment>
        <translation>Les fentes s&apos;écartent. Les franges vont-elles se rapprocher ou s&apos;écarter, et y en aura-t-il plus ou moins ?</translation>
    </message>
    <message>
        <source>Closer together, and more of them. With the slits %1 instead of %2 pixels apart the bands near the axis lie %3 instead of %4 pixels apart (the formula λ·L/s: %5 instead of %6), and the bright bands number %7 instead of %8. Pictures of the slits would move apart with the slits; the bands move together.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are the slits&apos; distances in pixels; %3 and %4 the bands&apos; measured spacing in pixels, %5 and %6 the formula&apos;s; %7 and %8 the numbers of bright bands.</extracomment>
        <translation>Elles se rapprochent, et il y en a plus. Avec des fentes distantes de %1 pixels au lieu de %2, les franges près de l&apos;axe sont distantes de %3 pixels au lieu de %4 (la formule λ·L/s : %5 au lieu de %6), et l&apos;on compte %7 franges brillantes au lieu de %8. Des images des fentes s&apos;écarteraient avec elles ; les franges se rapprochent.</translation>
    </message>
    <message>
        <source>The screen farther away</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>L&apos;écran plus loin</translation>
    </message>
    <message>
        <source>The screen moves twice as far from the slits. How will the spacing of the bands change?</source>
        <extracomment>An activity&apos;s question.</extracomment>
        <translation>L&apos;écran s&apos;éloigne deux fois plus des fentes. Comment l&apos;interfrange va-t-il changer ?</translation>
    </message>
    <message>
        <source>The bands spread apart in proportion to the distance. At %1 pixels they lie %3 pixels apart near the axis, at %2 pixels %4 (the formula λ·L/s: %5 and %6).</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are distances in pixels; %3 and %4 the bands&apos; measured spacing in pixels, %5 and %6 the formula&apos;s.</extracomment>
        <translation>Les franges s&apos;écartent en proportion de la distance. À %1 pixels, elles sont distantes de %3 pixels près de l&apos;axe, à %2 pixels de %4 (la formule λ·L/s : %5 et %6).</translation>
    </message>
    <message>
        <source>A longer wavelength</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Une longueur d&apos;onde plus grande</translation>
    </message>
    <message>
        <source>A lower frequency means a longer wavelength. Where will the bands go, and how many will be left?</source>
        <extracomment>An activity&apos;s question.</extracomment>
        <translation>Une fréquence plus basse donne une longueur d&apos;onde plus grande. Où vont les franges, et combien en restera-t-il ?</translation>
    </message>
    <message>
        <source>Farther apart, and fewer of them. The wavelength grows from %1 to %2 pixels; the bands near the axis lie %4 instead of %3 pixels apart, and the bright bands number %6 instead of %5.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are wavelengths in pixels; %3 and %4 the bands&apos; measured spacing in pixels; %5 and %6 the numbers of bright bands.</extracomment>
        <translation>Plus écartées, et moins nombreuses. La longueur d&apos;onde passe de %1 à %2 pixels ; près de l&apos;axe, les franges sont distantes de %4 pixels au lieu de %3, et l&apos;on compte %6 franges brillantes au lieu de %5.</translation>
    </message>
    <message>
        <source>Photon by photon</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Photon après photon</translation>
    </message>
    <message>
        <source>Watch the pattern %1 arrive slowly. Does a single photon show where the bands are?</source>
        <extracomment>An activity&apos;s question. %1 is the Photon density pattern&apos;s name.</extracomment>
        <translation>Regardez la figure %1 se former lentement. Un seul photon montre-t-il où sont les franges ?</translation>
    </message>
    <message>
        <source>No. Each row gets as many dots as the light is bright there, each at a random place along the row; a single dot lands anywhere the light reaches. Only many dots together draw the bands. Bright bands: %3 in the pattern %1, %4 in the pattern %2.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are the patterns&apos; names; %3 and %4 the numbers of bright bands.</extracomment>
        <translation>Non. Chaque ligne reçoit autant de points que la lumière y est intense, chacun à une place au hasard le long de la ligne ; un seul point tombe n&apos;importe où la lumière arrive. Seuls de nombreux points ensemble dessinent les franges. Franges brillantes : %3 dans la figure %1, %4 dans la figure %2.</translation>
    </message>
    <message>
        <source>Where the formula fails</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Là où la formule échoue</translation>
    </message>
    <message>
        <source>The formula Δy = λ·L/s gives the spacing of the bands near the axis. Will bright band %1 above the axis lie %1 spacings from it? Explore (%2) shows the formula&apos;s places beside the exact ones.</source>
        <extracomment>An activity&apos;s question. %1 is the band&apos;s number (6), %2 the key that opens Explore.</extracomment>
        <translation>La formule Δy = λ·L/s donne l&apos;interfrange près de l&apos;axe. La frange brillante %1 au-dessus de l&apos;axe sera-t-elle à %1 interfranges de celui-ci ? Explorer (%2) montre les positions de la formule à côté des positions exactes.</translation>
    </message>
    <message>
        <source>No, farther out. The formula puts the bands %2 pixels apart and band %1 at %3 pixels from the axis, but the path difference is %1 wavelengths only at %4 pixels, and the run&apos;s band lies there. Far from the axis the angle is no longer small.</source>
        <extracomment>An activity&apos;s answer. %1 is the band&apos;s number (6); %2, %3 and %4 are pixels.</extracomment>
        <translation>Non, plus loin. La formule écarte les franges de %2 pixels et place la frange %1 à %3 pixels de l&apos;axe, mais la différence de marche ne vaut %1 longueurs d&apos;onde qu&apos;à %4 pixels, et c&apos;est là qu&apos;est la frange du balayage. Loin de l&apos;axe, l&apos;angle n&apos;est plus petit.</translation>
    </message>
    <message>
        <source>Whole wavelengths?</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Des longueurs d&apos;onde entières ?</translation>
    </message>
    <message>
        <source>In Explore (%1) choose the point %2, in the middle bright band. Is each path from a slit to it a whole number of wavelengths long?</source>
        <extracomment>An activity&apos;s question. %1 is the key that opens Explore, %2 a point&apos;s number.</extracomment>
        <translation>Dans Explorer (%1), choisissez le point %2, dans la frange brillante centrale. Chaque chemin d&apos;une fente jusqu&apos;à lui mesure-t-il un nombre entier de longueurs d&apos;onde ?</translation>
    </message>
    <message>
        <source>No. Path A is %1 and path B %2 wavelengths long; what is a whole number is their difference, %3 wavelengths. A point is bright where the difference of the paths is a whole number of wavelengths, whatever each path is.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are the paths&apos; lengths in wavelengths, %3 their difference.</extracomment>
        <translation>Non. Le chemin A mesure %1 et le chemin B %2 longueurs d&apos;onde ; ce qui est entier, c&apos;est leur différence, %3 longueur d&apos;onde. Un point est brillant là où la différence des chemins est un nombre entier de longueurs d&apos;onde, quels que soient les chemins eux-mêmes.</translation>
    </message>
    <message>
        <source>One band only</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Une seule frange</translation>
    </message>
    <message>
        <source>The wavelength is now longer than the slits&apos; distance. How many bright bands will there be? And with the slit spacing %1?</source>
        <extracomment>An activity&apos;s question. %1 is the slit-spacing option &quot;0&quot;.</extracomment>
        <translation>La longueur d&apos;onde est maintenant plus grande que la distance entre les fentes. Combien y aura-t-il de franges brillantes ? Et avec l&apos;écart %1 ?</translation>
    </message>
    <message>
        <source>Bright bands: %1, a broad one in the middle. The path difference is never more than the slits&apos; distance s = %3 pixels, less than λ = %2 pixels: there is no first band beside the middle one. With both slits on the axis the band is gone (bright bands: %4): it comes from the two paths.</source>
        <extracomment>An activity&apos;s answer. %1 and %4 are numbers of bright bands, %2 a wavelength and %3 the slits&apos; distance in pixels.</extracomment>
        <translation>Franges brillantes : %1, une large au milieu. La différence de marche ne dépasse jamais la distance entre les fentes s = %3 pixels, plus petite que λ = %2 pixels : il n&apos;y a pas de première frange à côté de la frange centrale. Avec les deux fentes sur l&apos;axe, la frange disparaît (franges brillantes : %4) : elle vient des deux chemins.</translation>
    </message>
    <message>
        <source>Each activity names every group&apos;s option for its first run, so it does not depend on what an earlier one left; the options in bold differ from the ones Quarnel starts with.</source>
        <extracomment>Before the activities.</extracomment>
        <translation>Chaque activité nomme l&apos;option de chaque groupe pour son premier balayage ; elle ne dépend donc pas de ce qu&apos;une activité précédente a laissé. Les options en gras diffèrent de celles avec lesquelles Quarnel démarre.</translation>
    </message>
    <message>
        <source>The answers, with the numbers the runs give, are in the part %1; the activities without answers, to print and hand out, in the part %2.</source>
        <extracomment>After the activities. %1 and %2 are links to the other parts of the help, named as the buttons at the top of the help window name them.</extracomment>
        <translation>Les réponses, avec les nombres que donnent les balayages, sont dans la partie %1 ; les activités sans réponses, à imprimer et à distribuer, dans la partie %2.</translation>
    </message>
    <message>
        <source>For the teacher</source>
        <extracomment>The title of the help&apos;s part for the teacher (goals, answers, misconceptions), of its button at the top of the help window and of its print-out.</extracomment>
        <translation>Pour l&apos;enseignant</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <extracomment>The title of the pupils&apos; worksheet (the activities without answers, to print and hand out), of its button at the top of the help window and of its print-out.</extracomment>
        <translation>Fiche d&apos;activités</translation>
    </message>
    <message>
        <source>activity %1 (%2)</source>
        <extracomment>How the misconceptions&apos; table names an activity: %1 its number, %2 its title.</extracomment>
        <translation>l&apos;activité %1 (%2)</translation>
    </message>
    <message>
        <source>Learning goals</source>
        <extracomment>A heading of the teacher&apos;s part.</extracomment>
        <translation>Objectifs d&apos;apprentissage</translation>
    </message>
    <message>
        <source>Explain a bright or a dark place by the phase difference of the two waves: their phasors add up or cancel.</source>
        <extracomment>A learning goal.</extracomment>
        <translation>Expliquer un endroit brillant ou sombre par le déphasage des deux ondes : leurs vecteurs de Fresnel s&apos;ajoutent ou s&apos;annulent.</translation>
    </message>
    <message>
        <source>Predict how the spacing of the bands changes with the slits&apos; distance, the screen&apos;s distance and the wavelength (Δy = λ·L/s), and check the prediction with a run.</source>
        <extracomment>A learning goal. Δy, λ, L and s are symbols: keep them.</extracomment>
        <translation>Prévoir comment l&apos;interfrange change avec la distance entre les fentes, la distance de l&apos;écran et la longueur d&apos;onde (Δy = λ·L/s), et vérifier la prévision par un balayage.</translation>
    </message>
    <message>
        <source>Tell where the small-angle formula holds, and why it fails far from the axis.</source>
        <extracomment>A learning goal.</extracomment>
        <translation>Dire où la formule des petits angles est valable, et pourquoi elle échoue loin de l&apos;axe.</translation>
    </message>
    <message>
        <source>Describe light arriving as photons: the bands are where many of them land.</source>
        <extracomment>A learning goal.</extracomment>
        <translation>Décrire la lumière qui arrive sous forme de photons : les franges sont là où beaucoup d&apos;entre eux tombent.</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>A heading of the teacher&apos;s part: the activities with their answers.</extracomment>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Each activity names every group&apos;s option, so it can be done on its own; the options in bold differ from the ones Quarnel starts with. Every number here comes from a run of Quarnel with the activity&apos;s settings, made as this page was: the pupils see the same.</source>
        <extracomment>Before the answers. The options in bold are those that differ from start-up.</extracomment>
        <translation>Chaque activité nomme l&apos;option de chaque groupe et peut donc se faire seule ; les options en gras diffèrent de celles avec lesquelles Quarnel démarre. Chaque nombre ici vient d&apos;un balayage de Quarnel avec les réglages de l&apos;activité, fait au moment où cette page a été produite : les élèves voient la même chose.</translation>
    </message>
    <message>
        <source>Misconceptions the activities confront</source>
        <extracomment>A heading of the teacher&apos;s part: wrong ideas pupils often hold.</extracomment>
        <translation>Les idées fausses que les activités confrontent</translation>
    </message>
    <message>
        <source>The idea</source>
        <extracomment>A column heading: a wrong idea pupils often hold.</extracomment>
        <translation>L&apos;idée</translation>
    </message>
    <message>
        <source>What confronts it</source>
        <extracomment>A column heading: the activity that shows the idea wrong.</extracomment>
        <translation>Ce qui la contredit</translation>
    </message>
    <message>
        <source>“A point is bright where each path is a whole number of wavelengths.”</source>
        <extracomment>A misconception, as a pupil would say it.</extracomment>
        <translation>« Un point est brillant là où chaque chemin est un nombre entier de longueurs d&apos;onde. »</translation>
    </message>
    <message>
        <source>In %1, neither path to the middle bright band is a whole number of wavelengths; their difference is.</source>
        <extracomment>%1 names the activity.</extracomment>
        <translation>Dans %1, aucun des chemins vers la frange brillante centrale n&apos;est un nombre entier de longueurs d&apos;onde ; leur différence l&apos;est.</translation>
    </message>
    <message>
        <source>“The bands are images of the slits.”</source>
        <extracomment>A misconception, as a pupil would say it.</extracomment>
        <translation>« Les franges sont des images des fentes. »</translation>
    </message>
    <message>
        <source>In %1, two slits in one place give no band at all; elsewhere two slits give many bands.</source>
        <extracomment>%1 names the activity.</extracomment>
        <translation>Dans %1, deux fentes au même endroit ne donnent aucune frange ; ailleurs, deux fentes donnent de nombreuses franges.</translation>
    </message>
    <message>
        <source>“Slits closer together give bands closer together.”</source>
        <extracomment>A misconception, as a pupil would say it.</extracomment>
        <translation>« Des fentes plus proches donnent des franges plus proches. »</translation>
    </message>
    <message>
        <source>In %1, slits farther apart give bands closer together.</source>
        <extracomment>%1 names the activity.</extracomment>
        <translation>Dans %1, des fentes plus écartées donnent des franges plus rapprochées.</translation>
    </message>
    <message>
        <source>Why the activities use the pattern %1</source>
        <extracomment>A heading of the teacher&apos;s part: %1 is the pattern Interference&apos;s name.</extracomment>
        <translation>Pourquoi les activités utilisent la figure %1</translation>
    </message>
    <message>
        <source>In the pattern %1 the bands fade away from the axis because the model weights each slit&apos;s wave by 1/(%2·dx² + dy²), dx and dy the point&apos;s distances from the slit along and across the axis. It looks like the dimming a real slit&apos;s width gives, but it is neither that nor interference: with the slit spacing %4 the pattern %1 draws the same hump. The pattern %3 shows the interference alone.</source>
        <extracomment>%1 and %3 are patterns&apos; names, %2 a number; dx and dy are symbols: keep them. %4 is the slit-spacing option &quot;0&quot;.</extracomment>
        <translation>Dans la figure %1, les franges s&apos;affaiblissent en s&apos;éloignant de l&apos;axe parce que le modèle pondère l&apos;onde de chaque fente par 1/(%2·dx² + dy²), dx et dy étant les distances du point à la fente le long de l&apos;axe et en travers. Cela ressemble à l&apos;atténuation due à la largeur d&apos;une vraie fente, mais ce n&apos;est ni cela ni de l&apos;interférence : avec l&apos;écart %4, la figure %1 dessine la même bosse. La figure %3 montre l&apos;interférence seule.</translation>
    </message>
    <message>
        <source>Name: ____________________ Class: ________ Date: ____________</source>
        <extracomment>The worksheet&apos;s head, for the pupil to fill in.</extracomment>
        <translation>Nom : ____________________ Classe : ________ Date : ____________</translation>
    </message>
    <message>
        <source>For each activity: set the options it names, write your prediction, then run, write what the run showed and explain it.</source>
        <extracomment>The worksheet&apos;s instructions.</extracomment>
        <translation>Pour chaque activité : réglez les options qu&apos;elle nomme, écrivez votre prévision, puis lancez le balayage, notez ce qu&apos;il a montré et expliquez-le.</translation>
    </message>
    <message>
        <source>My prediction</source>
        <extracomment>A field of the worksheet: written before the run.</extracomment>
        <translation>Ma prévision</translation>
    </message>
    <message>
        <source>What the run showed</source>
        <extracomment>A field of the worksheet.</extracomment>
        <translation>Ce que le balayage a montré</translation>
    </message>
    <message>
        <source>Why</source>
        <extracomment>A field of the worksheet: the pupil&apos;s explanation.</extracomment>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <source>The help could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A message box: %1 is the PDF file&apos;s path, %2 the system&apos;s reason (already translated).</extracomment>
        <translation>Impossible d&apos;enregistrer l&apos;aide sous « %1 » : %2</translation>
    </message>
    <message>
        <source>Measure the wavelength</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Mesurer la longueur d&apos;onde</translation>
    </message>
    <message>
        <source>Open the real experiment with %1 and set the wavelength to %2 nm, the slits&apos; separation a to %3 mm and the screen&apos;s distance L to %4 m. Let %5 photons arrive.</source>
        <extracomment>The settings of the activity in the real experiment: %1 the key that opens it, %2 a wavelength in nm, %3 the slits&apos; separation in mm, %4 the screen&apos;s distance in m, %5 a number of photons.</extracomment>
        <translation>Ouvrez l&apos;expérience réelle avec %1 et réglez la longueur d&apos;onde sur %2 nm, l&apos;écart des fentes a sur %3 mm et la distance de l&apos;écran L sur %4 m. Laissez arriver %5 photons.</translation>
    </message>
    <message>
        <source>Measure on the ruler how far apart the bright bands lie: measure across ten spacings, from bright band %1 left of the middle to bright band %1 right of it, and divide by ten. Then work out the wavelength λ = a·Δy/L. Does it agree with the laser&apos;s?</source>
        <extracomment>An activity&apos;s question. %1 is the band&apos;s number (5). Keep λ = a·Δy/L.</extracomment>
        <translation>Mesurez sur la règle l&apos;écart entre les franges brillantes : mesurez sur dix interfranges, de la frange brillante %1 à gauche du milieu à la frange brillante %1 à droite, et divisez par dix. Calculez ensuite la longueur d&apos;onde λ = a·Δy/L. Est-elle celle du laser ?</translation>
    </message>
    <message>
        <source>Ten spacings measure %1 mm, so Δy = %2 mm and λ = a·Δy/L = %3 mm × %2 mm / %4 m = %5 nm, the laser&apos;s %6 nm. Misreading the ruler by half a millimetre across ten spacings changes λ by about %7 nm: measuring across many bands makes the result precise.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are lengths in mm, %3 the separation in mm, %4 the distance in m, %5 and %6 wavelengths in nm, %7 an uncertainty in nm.</extracomment>
        <translation>Dix interfranges mesurent %1 mm, donc Δy = %2 mm et λ = a·Δy/L = %3 mm × %2 mm / %4 m = %5 nm, les %6 nm du laser. Une erreur de lecture d&apos;un demi-millimètre sur dix interfranges change λ d&apos;environ %7 nm : mesurer sur beaucoup de franges rend le résultat précis.</translation>
    </message>
    <message>
        <source>The pattern as sound</source>
        <extracomment>A heading of the help: the pattern played as sound (the key H).</extracomment>
        <translation>La figure sous forme de son</translation>
    </message>
    <message>
        <source>%1 plays the last run as sound, in about four seconds: the screen from the bottom to the top, a hundredth of a second for each point. A tone is loud where the plot is bright and silent in a dark band. %2 stops it.</source>
        <extracomment>%1 is the key that plays the sound (H), %2 the key that stops it (Esc).</extracomment>
        <translation>%1 joue le dernier balayage sous forme de son, en quatre secondes environ : l&apos;écran de bas en haut, un centième de seconde par point. Le son est fort là où le graphique est brillant et se tait dans une frange sombre. %2 l&apos;arrête.</translation>
    </message>
    <message>
        <source>Exploring a run from the keyboard</source>
        <extracomment>A heading of the help: the keys of the Explore window.</extracomment>
        <translation>Explorer un balayage au clavier</translation>
    </message>
    <message>
        <source>%1 opens Explore beside the picture. Its box &lt;b&gt;%2&lt;/b&gt; selects one of the 399 points of the screen line, 1 at the bottom; the readouts under it give that point&apos;s two paths, their difference and the phasors&apos; angle. %3 move one point, %4 twenty, %5 to the bottom or the top.</source>
        <extracomment>%1 is the key that opens Explore (Ctrl+E), %2 the label of its point box as Explore shows it (&quot;Point:&quot;), %3 the keys Up and Down, %4 Page Up and Page Down, %5 Home and End.</extracomment>
        <translation>%1 ouvre à côté de l&apos;image une fenêtre pour explorer le balayage. Sa case &lt;b&gt;%2&lt;/b&gt; choisit l&apos;un des 399 points de l&apos;écran, 1 en bas ; les valeurs en dessous donnent les deux chemins jusqu&apos;à ce point, leur différence et l&apos;angle entre les vecteurs de Fresnel. %3 déplacent d&apos;un point, %4 de vingt, %5 tout en bas ou tout en haut.</translation>
    </message>
    <message>
        <source>%1 goes to the next bright point above the one selected, %2 to the next dark one; after the top both start again from the bottom.</source>
        <extracomment>%1 is the key N, %2 Shift+N.</extracomment>
        <translation>%1 va au point brillant suivant au-dessus de celui choisi, %2 au point sombre suivant ; après le haut, les deux reprennent depuis le bas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; puts the last run in a table beside the runs kept before, up to four, to compare their bands. &lt;b&gt;%2&lt;/b&gt; writes every point of the run to a CSV file for a spreadsheet, and &lt;b&gt;%3&lt;/b&gt; puts the same table on the clipboard.</source>
        <extracomment>%1, %2 and %3 are the captions of Explore&apos;s buttons as Explore shows them.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; place le dernier balayage dans un tableau à côté de ceux gardés avant, jusqu&apos;à quatre, pour comparer leurs franges. &lt;b&gt;%2&lt;/b&gt; écrit chaque point du balayage dans un fichier CSV pour un tableur, et &lt;b&gt;%3&lt;/b&gt; copie le même tableau dans le presse-papiers.</translation>
    </message>
    <message>
        <source>play the pattern as sound; the second four times slower.</source>
        <extracomment>What the keys do: the first plays the pattern in four seconds, the second at a quarter of the speed.</extracomment>
        <translation>jouent la figure en son ; la seconde quatre fois plus lentement.</translation>
    </message>
    <message>
        <source>says the last run&apos;s summary again: its bright bands, how far apart they lie and what changed since the run before.</source>
        <extracomment>What the key does, for a screen reader&apos;s user.</extracomment>
        <translation>redit le résumé du dernier balayage : ses franges brillantes, leur écart et ce qui a changé depuis le balayage précédent.</translation>
    </message>
    <message>
        <source>With a screen reader, the end of a run is heard wherever the focus is: that the run finished, with the first sentence of the picture&apos;s description, or, after Escape, the point where it stopped. A slow run also says when it has scanned a quarter, half and three quarters of the screen. In this help the arrow keys move through the text line by line, and %1 and %2 from heading to heading.</source>
        <extracomment>After the keys in the help: what a screen reader says at a run&apos;s end, and how to read the help itself; %1 and %2 are the keys Ctrl+Down and Ctrl+Up.</extracomment>
        <translation>Avec un lecteur d&apos;écran, la fin d&apos;un balayage s&apos;entend où que soit le focus : que le balayage est terminé, avec la première phrase de la description de l&apos;image, ou, après Échap, le point où il s&apos;est arrêté. Un balayage lent annonce aussi quand il a parcouru un quart, la moitié et les trois quarts de l&apos;écran. Dans cette aide, les flèches parcourent le texte ligne par ligne, et %1 et %2 de titre en titre.</translation>
    </message>
    <message>
        <source>A real experiment</source>
        <extracomment>A heading of the help: the window with a real two-slit experiment in nanometres and metres.</extracomment>
        <translation>Une expérience réelle</translation>
    </message>
    <message>
        <source>%1 opens a real experiment beside the picture: a laser&apos;s wavelength, the slits&apos; separation a and the screen&apos;s distance L in nanometres, millimetres and metres, the screen as the eye sees it with photons arriving one by one, and the two paths to a point you choose.</source>
        <extracomment>%1 is the key that opens the window.</extracomment>
        <translation>%1 ouvre une expérience réelle à côté de l&apos;image : la longueur d&apos;onde d&apos;un laser, l&apos;écart des fentes a et la distance de l&apos;écran L en nanomètres, millimètres et mètres, l&apos;écran tel que l&apos;œil le voit, où les photons arrivent un à un, et les deux chemins vers un point de votre choix.</translation>
    </message>
    <message>
        <source>With a green laser of %1 nm, slits %2 mm apart and a screen %3 m away the bands lie %4 mm apart, and the first bright band&apos;s exact place and the small-angle formula&apos;s differ by only %5 µm. There λ/a is %6 and every band shown lies less than %7° from the axis, where sin θ, tan θ and θ agree. In the picture λ/a is about %8 and the bands lie at large angles: that is why the formula and the exact places part there, and not in the laboratory.</source>
        <extracomment>%1 the wavelength in nm, %2 the slits&apos; separation in mm, %3 the screen&apos;s distance in m, %4 the band spacing in mm, %5 a difference in micrometres, %6 the ratio λ/a, %7 an angle in degrees, %8 the picture&apos;s λ/a at start-up. Keep the symbols λ, a, θ.</extracomment>
        <translation>Avec un laser vert de %1 nm, des fentes écartées de %2 mm et un écran à %3 m, les franges sont distantes de %4 mm, et la place exacte de la première frange brillante ne diffère de celle de la formule des petits angles que de %5 µm. Là, λ/a vaut %6 et chaque frange affichée est à moins de %7° de l&apos;axe, où sin θ, tan θ et θ coïncident. Dans l&apos;image, λ/a vaut environ %8 et les franges sont à de grands angles : c&apos;est pourquoi la formule et les places exactes s&apos;y séparent, et non au laboratoire.</translation>
    </message>
    <message>
        <source>The paths to that first band are %1 and %2 wavelengths long: neither needs to be a whole number of wavelengths. What is one whole wavelength is their difference, %3, and only the difference decides where the screen is bright.</source>
        <extracomment>%1 and %2 are the two paths&apos; lengths in wavelengths (millions), %3 their difference in wavelengths.</extracomment>
        <translation>Les chemins vers cette première frange mesurent %1 et %2 longueurs d&apos;onde : aucun n&apos;a besoin d&apos;être un nombre entier de longueurs d&apos;onde. Ce qui vaut une longueur d&apos;onde entière, c&apos;est leur différence, %3, et seule la différence décide où l&apos;écran est clair.</translation>
    </message>
    <message>
        <source>Help text</source>
        <extracomment>What a screen reader calls the help window&apos;s text.</extracomment>
        <translation>Texte de l&apos;aide</translation>
    </message>
    <message>
        <source>start a run as %1 does, wherever the focus is. They, %2 and the zoom keys do the same in Explore, the help and About as in the main window.</source>
        <extracomment>What the keys do; %1 is the Start button&apos;s caption, %2 a list of keys (Escape, H, F1, Ctrl+E, Ctrl+Q in the desktop&apos;s words).</extracomment>
        <translation>lancent un balayage comme %1, où que soit le focus. Ces touches, %2 et les touches de zoom agissent dans les fenêtres « Explorer un balayage », Aide et « À propos de Quarnel » comme dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>saves the picture as a PNG image; in Explore, the run&apos;s table as a CSV file.</source>
        <extracomment>What the key does.</extracomment>
        <translation>enregistre l&apos;image au format PNG ; dans « Explorer un balayage », le tableau du balayage au format CSV.</translation>
    </message>
    <message>
        <source>In Explore, each point you select, by a key or a click, sounds for a moment with the same tone, as loud as the pattern is at that point, and with its tick on a bright band: go through a band point by point and hear it grow and fade. The check box &lt;b&gt;%1&lt;/b&gt; turns these tones off and on.</source>
        <extracomment>The point tones of Explore; %1 is the caption of their check box as Explore shows it.</extracomment>
        <translation>Dans « Explorer un balayage », chaque point que vous choisissez, par une touche ou un clic, sonne un instant avec le même son, aussi fort que la figure en ce point, et avec son tic sur une frange brillante : parcourez une frange point par point et entendez-la croître puis s&apos;éteindre. La case à cocher &lt;b&gt;%1&lt;/b&gt; coupe et rétablit ces sons.</translation>
    </message>
    <message>
        <source>%1 says the selected point&apos;s height above the optical axis and its brightness: what the plot shows there, in per cent of the brightest point of the run.</source>
        <extracomment>%1 is the key R.</extracomment>
        <translation>%1 annonce la hauteur du point choisi au-dessus de l&apos;axe optique et sa luminosité : ce que le graphique y montre, en pour cent du point le plus brillant du balayage.</translation>
    </message>
    <message>
        <source>A short high &lt;b&gt;tick&lt;/b&gt; sounds at each bright band: count the ticks and you have counted the bands. A soft &lt;b&gt;hum&lt;/b&gt;, a little higher than the tone, marks where the scan passes the optical axis, so the bands below and above the middle can be told apart.</source>
        <extracomment>How to hear the bands in the sound: the high tick and the soft hum on the axis.</extracomment>
        <translation>Un &lt;b&gt;tic&lt;/b&gt; bref et aigu retentit à chaque frange brillante : comptez les tics et vous aurez compté les franges. Un léger &lt;b&gt;bourdonnement&lt;/b&gt;, un peu plus aigu que le son, marque l&apos;endroit où le balayage passe l&apos;axe optique, pour distinguer les franges au-dessous et au-dessus du milieu.</translation>
    </message>
</context>
<context>
    <name>KeptRuns</name>
    <message>
        <source>solid</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a solid line (the last run).</extracomment>
        <translation>trait plein</translation>
    </message>
    <message>
        <source>dashed</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a dashed line.</extracomment>
        <translation>tirets</translation>
    </message>
    <message>
        <source>dotted</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a dotted line.</extracomment>
        <translation>pointillés</translation>
    </message>
    <message>
        <source>dash-dot</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a line of dashes and dots.</extracomment>
        <translation>tiret-point</translation>
    </message>
    <message>
        <source>dash-dot-dot</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a line of a dash and two dots, repeated.</extracomment>
        <translation>tiret-point-point</translation>
    </message>
    <message>
        <source>%1, slit spacing %2 (slits %3 px apart), distance %4 (%5 px), frequency %6 (k = %7)</source>
        <extracomment>A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the spacing option&apos;s caption and %3 the distance between the two slits in pixels (twice each slit&apos;s distance from the axis), %4 the distance option&apos;s caption and %5 its pixels, %6 the frequency option&apos;s caption and %7 the wave number.</extracomment>
        <translation>%1, écart des fentes : %2 (fentes à %3 px l&apos;une de l&apos;autre), distance de l&apos;écran : %4 (%5 px), fréquence : %6 (k = %7)</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>A column title: the line style (solid, dashed …) each run is drawn with in the plot.</extracomment>
        <translation>Trait</translation>
    </message>
    <message>
        <source>Bright bands</source>
        <extracomment>A column title: how many bright bands the run shows.</extracomment>
        <translation>Franges brillantes</translation>
    </message>
    <message>
        <source>Spacing near the axis (px)</source>
        <extracomment>A column title: the distance between neighbouring bright bands near the axis, in pixels.</extracomment>
        <translation>Interfrange près de l&apos;axe (px)</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>A column title: the run&apos;s settings in words.</extracomment>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>%1, the last run</source>
        <extracomment>The line column of the last run&apos;s row: %1 the style of its line, &quot;solid&quot;.</extracomment>
        <translation>%1, dernier balayage</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>LabOrdersModel</name>
    <message>
        <source>Order m</source>
        <extracomment>A column of the real experiment&apos;s table of bright bands: the order m (path difference m wavelengths).</extracomment>
        <translation>Ordre m</translation>
    </message>
    <message>
        <source>Exact (mm)</source>
        <extracomment>A column: where the path difference is exactly m wavelengths, millimetres above the axis.</extracomment>
        <translation>Exacte (mm)</translation>
    </message>
    <message>
        <source>Formula mλL/a (mm)</source>
        <extracomment>A column: where the small-angle formula y = mλL/a puts band m, millimetres; keep the formula.</extracomment>
        <translation>Formule mλL/a (mm)</translation>
    </message>
    <message>
        <source>Difference (µm)</source>
        <extracomment>A column: the exact place less the formula&apos;s, in micrometres.</extracomment>
        <translation>Différence (µm)</translation>
    </message>
</context>
<context>
    <name>LabWindow</name>
    <message>
        <source>A real experiment</source>
        <extracomment>The title of the window with a real two-slit experiment in nanometres and metres (Ctrl+L).</extracomment>
        <translation>Une expérience réelle</translation>
    </message>
    <message>
        <source>The screen as the eye sees it</source>
        <extracomment>The accessible name of the strip that shows the laboratory&apos;s screen as the eye sees it.</extracomment>
        <translation>L&apos;écran tel que l&apos;œil le voit</translation>
    </message>
    <message>
        <source>&amp;Wavelength λ:</source>
        <extracomment>The label of the wavelength box; &amp; marks the access key. λ is the wavelength&apos;s symbol.</extracomment>
        <translation>&amp;Longueur d&apos;onde λ :</translation>
    </message>
    <message>
        <source>The laser&apos;s wavelength, 380 to 780 nanometres</source>
        <extracomment>Accessible description of the wavelength box.</extracomment>
        <translation>La longueur d&apos;onde du laser, de 380 à 780 nanomètres</translation>
    </message>
    <message>
        <source> nm</source>
        <extracomment>The unit after the wavelength&apos;s number: nanometres.</extracomment>
        <translation> nm</translation>
    </message>
    <message>
        <source>Slits&apos; sep&amp;aration a:</source>
        <extracomment>The label of the slits&apos; separation box; &amp; marks the access key. a is its symbol.</extracomment>
        <translation>Écar&amp;t des fentes a :</translation>
    </message>
    <message>
        <source>How far apart the two slits are, 0.05 to 1.00 millimetres</source>
        <extracomment>Accessible description of the separation box.</extracomment>
        <translation>L&apos;écart entre les deux fentes, de 0,05 à 1,00 millimètre</translation>
    </message>
    <message>
        <source> mm</source>
        <extracomment>The unit after the separation&apos;s number: millimetres.</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source>Screen&apos;s &amp;distance L:</source>
        <extracomment>The label of the screen&apos;s distance box; &amp; marks the access key. L is its symbol.</extracomment>
        <translation>&amp;Distance de l&apos;écran L :</translation>
    </message>
    <message>
        <source>How far the screen stands behind the slits, 0.50 to 5.00 metres</source>
        <extracomment>Accessible description of the distance box.</extracomment>
        <translation>À quelle distance derrière les fentes se trouve l&apos;écran, de 0,50 à 5,00 mètres</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>The unit after the distance&apos;s number: metres.</extracomment>
        <translation> m</translation>
    </message>
    <message>
        <source>Red laser pointer, 650 nm</source>
        <extracomment>A button: a red laser pointer&apos;s wavelength; keep the number.</extracomment>
        <translation>Pointeur laser rouge, 650 nm</translation>
    </message>
    <message>
        <source>Green laser pointer, 532 nm</source>
        <extracomment>A button: a green laser pointer&apos;s wavelength; keep the number.</extracomment>
        <translation>Pointeur laser vert, 532 nm</translation>
    </message>
    <message>
        <source>Violet laser pointer, 405 nm</source>
        <extracomment>A button: a violet laser pointer&apos;s wavelength; keep the number.</extracomment>
        <translation>Pointeur laser violet, 405 nm</translation>
    </message>
    <message>
        <source>%1: %2 is refused; it must lie between %3 and %4.</source>
        <extracomment>A message when a typed value is outside its box&apos;s range: %1 the box&apos;s name (Wavelength λ …), %2 the typed value with its unit, %3 and %4 the limits with their units.</extracomment>
        <translation>%1 : %2 est refusé ; la valeur doit être comprise entre %3 et %4.</translation>
    </message>
    <message>
        <source>&amp;Photons arrive</source>
        <extracomment>A button that lets photons arrive one by one at the chosen pace, or stops them; &amp; marks the access key.</extracomment>
        <translation>&amp;Photons qui arrivent</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>The unit after the pace&apos;s number: photons arriving per second.</extracomment>
        <translation> par seconde</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The accessible name of the box that sets how many photons arrive per second.</extracomment>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>To %1</source>
        <extracomment>A button that brings the photons up to so many at once: %1 is 10, 100, 1,000 or 100,000.</extracomment>
        <translation>Jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Lets photons arrive until %1 have</source>
        <extracomment>Accessible description of the buttons that bring the photons up to a number; %1 the number.</extracomment>
        <translation>Fait arriver des photons jusqu&apos;à en avoir %1</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>A button that takes every photon off the screen and starts again; &amp; marks the access key.</extracomment>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>Sa&amp;me photons again, seed:</source>
        <extracomment>A check box: the photons arrive at the same places every time, from the seed beside it; &amp; marks the access key.</extracomment>
        <translation>&amp;Mêmes photons à nouveau, graine :</translation>
    </message>
    <message>
        <source>Seed</source>
        <extracomment>The accessible name of the seed box: the number the random arrivals start from.</extracomment>
        <translation>Graine</translation>
    </message>
    <message>
        <source>The construction at a point</source>
        <extracomment>The title of the group with the two paths to the chosen point, in real units.</extracomment>
        <translation>La construction en un point</translation>
    </message>
    <message>
        <source>P&amp;oint y:</source>
        <extracomment>The label of the box with the chosen point&apos;s height above the axis; &amp; marks the access key.</extracomment>
        <translation>P&amp;oint y :</translation>
    </message>
    <message>
        <source>The chosen point&apos;s height above the axis on the screen, −50 to 50 millimetres; a click on the strip chooses it too</source>
        <extracomment>Accessible description of the point box; the strip&apos;s keys are the same.</extracomment>
        <translation>La hauteur du point choisi au-dessus de l&apos;axe sur l&apos;écran, de −50 à 50 millimètres ; un clic sur la bande le choisit aussi</translation>
    </message>
    <message>
        <source>%1 is off the screen shown; choose a point between −50 and 50 mm.</source>
        <extracomment>A message: %1 the typed height with its unit; the screen shown reaches 50 mm each way.</extracomment>
        <translation>%1 est hors de l&apos;écran affiché ; choisissez un point entre −50 et 50 mm.</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <extracomment>A readout: the path from slit A (the upper slit) to the point.</extracomment>
        <translation>Chemin depuis la fente A</translation>
    </message>
    <message>
        <source>From the upper slit to the point, in metres and in wavelengths</source>
        <extracomment>Accessible description of the path A readout.</extracomment>
        <translation>De la fente du haut jusqu&apos;au point, en mètres et en longueurs d&apos;onde</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <extracomment>A readout: the path from slit B (the lower slit) to the point.</extracomment>
        <translation>Chemin depuis la fente B</translation>
    </message>
    <message>
        <source>From the lower slit to the point, in metres and in wavelengths</source>
        <extracomment>Accessible description of the path B readout.</extracomment>
        <translation>De la fente du bas jusqu&apos;au point, en mètres et en longueurs d&apos;onde</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <extracomment>A readout: how much longer path B is than path A.</extracomment>
        <translation>Différence de marche B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in nanometres and in wavelengths</source>
        <extracomment>Accessible description of the path difference readout.</extracomment>
        <translation>De combien le chemin depuis la fente B est plus long, en nanomètres et en longueurs d&apos;onde</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <extracomment>A readout: the angle between the two phasors.</extracomment>
        <translation>Déphasage</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in radians and degrees</source>
        <extracomment>Accessible description of the phase difference readout.</extracomment>
        <translation>De combien le vecteur de Fresnel B est plus tourné que le A, en radians et en degrés</translation>
    </message>
    <message>
        <source>Brightness</source>
        <extracomment>A readout: how bright the point is, against the brightest place.</extracomment>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>The intensity at the point as a share of the brightest band&apos;s</source>
        <extracomment>Accessible description of the brightness readout.</extracomment>
        <translation>L&apos;intensité au point, en part de celle de la frange la plus brillante</translation>
    </message>
    <message>
        <source>Phasors at the point</source>
        <extracomment>The accessible name of the drawing of the two phasors at the point and their sum.</extracomment>
        <translation>Vecteurs de Fresnel au point</translation>
    </message>
    <message>
        <source>Bright bands: exact and by the formula</source>
        <extracomment>The title of the group comparing the exact places of the bright bands with the small-angle formula&apos;s.</extracomment>
        <translation>Franges brillantes : exactes et selon la formule</translation>
    </message>
    <message>
        <source>Band spacing</source>
        <extracomment>A readout: how far apart neighbouring bright bands lie near the axis.</extracomment>
        <translation>Interfrange</translation>
    </message>
    <message>
        <source>From the middle bright band to the next, exactly and by the formula λL/a</source>
        <extracomment>Accessible description of the band spacing readout; keep λL/a.</extracomment>
        <translation>De la frange brillante centrale à la suivante, exactement et selon la formule λL/a</translation>
    </message>
    <message>
        <source>Bright bands, exact and by the small-angle formula</source>
        <extracomment>The accessible name of the table of bright bands; choosing a row moves the point there.</extracomment>
        <translation>Franges brillantes, exactes et selon la formule des petits angles</translation>
    </message>
    <message>
        <source>Choosing a row puts the point on that band</source>
        <extracomment>Accessible description of the table of bright bands.</extracomment>
        <translation>Choisir une ligne place le point sur cette frange</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <extracomment>A button: saves the table of bright bands as a CSV file; &amp; marks the access key.</extracomment>
        <translation>&amp;Enregistrer le tableau...</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <extracomment>A button: puts the table of bright bands on the clipboard; &amp; marks the access key.</extracomment>
        <translation>&amp;Copier le tableau</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button that closes the real experiment&apos;s window.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Photons: %1</source>
        <extracomment>How many photons have arrived on the strip; %1 the number.</extracomment>
        <translation>Photons : %1</translation>
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
        <translation>%1 % du plus brillant</translation>
    </message>
    <message>
        <source>Phasor B, then phasor A turned %1° further, and their sum, %2 % as long as it can be</source>
        <extracomment>The phasors&apos; drawing for a screen reader: %1 the phase difference in degrees, %2 the sum&apos;s length as a share of its longest.</extracomment>
        <translation>Le vecteur B, puis le vecteur A tourné de %1° de plus, et leur somme, longue de %2 % de sa longueur maximale</translation>
    </message>
    <message>
        <source>%1 mm (formula λL/a: %2 mm)</source>
        <extracomment>The band spacing: %1 exact, %2 by the formula λL/a, both in millimetres.</extracomment>
        <translation>%1 mm (formule λL/a : %2 mm)</translation>
    </message>
    <message>
        <source>wider than the screen shown</source>
        <extracomment>The band spacing when the first band lies beyond the 5 cm shown.</extracomment>
        <translation>plus large que l&apos;écran affiché</translation>
    </message>
    <message>
        <source>Here λ/a is only %1, and the farthest band shown lies %2° from the axis: at so small an angle sin θ, tan θ and θ agree, and the formula misses the exact places by at most %3 µm. In the picture the wavelength is about a tenth of the slits&apos; distance and the bands lie at large angles, so there the two part.</source>
        <extracomment>Why the formula and the exact places agree here: %1 the ratio λ/a, %2 the angle of the farthest band shown in degrees, %3 the largest difference in micrometres. Keep λ/a and θ.</extracomment>
        <translation>Ici λ/a ne vaut que %1, et la frange affichée la plus éloignée est à %2° de l&apos;axe : à un angle aussi petit, sin θ, tan θ et θ coïncident, et la formule manque les places exactes d&apos;au plus %3 µm. Dans l&apos;image, la longueur d&apos;onde vaut environ un dixième de l&apos;écart des fentes et les franges sont à de grands angles : c&apos;est pourquoi les deux s&apos;y séparent.</translation>
    </message>
    <message>
        <source>The screen from −50 to 50 mm in the colour of %1 nm light, bright bands at %2 mm; %3 photons have arrived; the point is at %4 mm. Left and Right move it 0.1 mm, with Ctrl 0.01 mm, Page Up and Page Down 1 mm, Home to the axis.</source>
        <extracomment>The strip for a screen reader: %1 the light&apos;s wavelength in nm, %2 the bright bands&apos; places in mm separated by semicolons, %3 the photons arrived, %4 the chosen point in mm.</extracomment>
        <translation>L&apos;écran de −50 à 50 mm dans la couleur d&apos;une lumière de %1 nm, franges brillantes à %2 mm ; %3 photons sont arrivés ; le point est à %4 mm. Gauche et Droite le déplacent de 0,1 mm, avec Ctrl de 0,01 mm, Page précédente et Page suivante de 1 mm, Début le ramène sur l&apos;axe.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <extracomment>The title of the file dialog that saves the table of bright bands.</extracomment>
        <translation>Enregistrer le tableau sous</translation>
    </message>
    <message>
        <source>bright-bands.csv</source>
        <extracomment>The file name the save dialog suggests; keep the .csv ending.</extracomment>
        <translation>franges-brillantes.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file-type filter of the save dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A warning: %1 the file name, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;enregistrer le tableau sous « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>OrdersModel</name>
    <message>
        <source>Order m</source>
        <extracomment>A column title: the order m (whole number of wavelengths of path difference).</extracomment>
        <translation>Ordre m</translation>
    </message>
    <message>
        <source>Exact (px)</source>
        <extracomment>A column title: the height of order m from the exact geometry, in pixels.</extracomment>
        <translation>Exacte (px)</translation>
    </message>
    <message>
        <source>Small-angle (px)</source>
        <extracomment>A column title: the height the small-angle formula gives, in pixels.</extracomment>
        <translation>Petits angles (px)</translation>
    </message>
    <message>
        <source>Small-angle less exact (px)</source>
        <extracomment>A column title: how far the formula&apos;s height lies from the exact one, in pixels.</extracomment>
        <translation>Petits angles moins exacte (px)</translation>
    </message>
    <message>
        <source>off the screen</source>
        <extracomment>Where an order would lie beyond the scanned part of the screen.</extracomment>
        <translation>hors de l&apos;écran</translation>
    </message>
</context>
<context>
    <name>PatternPlayer</name>
    <message>
        <source>The pattern will sound when the run ends.</source>
        <extracomment>Shown, and said to a screen reader, when the key that plays the pattern as sound is pressed during a run.</extracomment>
        <translation>La figure sera jouée à la fin du balayage.</translation>
    </message>
    <message>
        <source>There is no pattern to hear yet: press %1 first.</source>
        <extracomment>Shown, and said to a screen reader, when the pattern is to be played as sound before any run; %1 is the Start button&apos;s caption.</extracomment>
        <translation>Il n&apos;y a encore aucune figure à écouter : appuyez d&apos;abord sur %1.</translation>
    </message>
    <message>
        <source>No sound output was found: the pattern cannot be heard.</source>
        <extracomment>Shown, and said to a screen reader, when the computer has no sound server or no sound output to play the pattern through.</extracomment>
        <translation>Aucune sortie son n&apos;a été trouvée : la figure ne peut pas être jouée.</translation>
    </message>
    <message>
        <source>The sound server does not answer: the pattern cannot be heard. Try again later, or restart the computer&apos;s sound.</source>
        <extracomment>Shown, and said to a screen reader, when the pattern is to be played as sound and the computer&apos;s sound server (the program that plays every program&apos;s sound) does not answer within a few seconds.</extracomment>
        <translation>Le serveur de son ne répond pas : la figure ne peut pas être jouée. Réessayez plus tard, ou redémarrez le son de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>The sound component of Quarnel is not installed: install the package quarnel-sound to hear the pattern.</source>
        <extracomment>Shown, and said to a screen reader, when the part of Quarnel that plays sound is missing or broken; quarnel-sound is the name of the package to install, keep it as it is.</extracomment>
        <translation>Le composant son de Quarnel n&apos;est pas installé : installez le paquet quarnel-sound pour écouter la figure.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>&amp;Copy picture</source>
        <extracomment>An entry of the picture&apos;s menu (right button); &amp; marks the key that chooses it.</extracomment>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Save picture as...</source>
        <extracomment>An entry of the picture&apos;s menu: saves it as a PNG file, asking where.</extracomment>
        <translation>&amp;Enregistrer l&apos;image sous...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>An entry of the picture&apos;s menu: opens the help.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Quarnel</source>
        <extracomment>An entry of the picture&apos;s menu: opens About.</extracomment>
        <translation>À &amp;propos de Quarnel</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>What a screen reader calls the picture&apos;s menu.</extracomment>
        <translation>Image</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <extracomment>The title of the file dialog that saves the picture.</extracomment>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>interference.png</source>
        <extracomment>The file name the save dialog offers; a file name, so no spaces or slashes.</extracomment>
        <translation>interference.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The save dialog&apos;s file type; keep &quot;(*.png)&quot; as it is.</extracomment>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A message box: %1 is the file&apos;s path, %2 the system&apos;s reason (already translated).</extracomment>
        <translation>Impossible d&apos;enregistrer l&apos;image sous « %1 » : %2</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <extracomment>An entry of the picture&apos;s menu: the whole window one step larger.</extracomment>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <extracomment>An entry of the picture&apos;s menu: the whole window one step smaller.</extracomment>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <extracomment>An entry of the picture&apos;s menu: the window back at 100 %.</extracomment>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <extracomment>An entry of the picture&apos;s menu: the window fills the screen, or leaves it.</extracomment>
        <translation>P&amp;lein écran</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <extracomment>An entry of the picture&apos;s menu: opens the window that inspects the last run point by point.</extracomment>
        <translation>E&amp;xplorer</translation>
    </message>
    <message>
        <source>Hea&amp;r the pattern</source>
        <extracomment>An entry of the picture&apos;s menu: plays the last run as sound, bottom to top, loud where the picture is bright and silent where it is dark.</extracomment>
        <translation>Écou&amp;ter la figure</translation>
    </message>
    <message>
        <source>Real e&amp;xperiment</source>
        <extracomment>An entry of the picture&apos;s menu: opens a real two-slit experiment in nanometres and metres.</extracomment>
        <translation>Expér&amp;ience réelle</translation>
    </message>
    <message>
        <source>Hear it s&amp;lowly</source>
        <extracomment>An entry of the picture&apos;s menu: plays the last run as sound at a quarter of the speed.</extracomment>
        <translation>Écouter lente&amp;ment</translation>
    </message>
    <message>
        <source>Say the s&amp;ummary</source>
        <extracomment>An entry of the picture&apos;s menu: the screen reader says the last run&apos;s summary again (the bright bands, their distance, what changed); &amp; marks the key.</extracomment>
        <translation>&amp;Dire le résumé</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <extracomment>An entry of the picture&apos;s menu: starts a run, as the Start button does; &amp; marks the key that chooses it.</extracomment>
        <translation>Lancer le &amp;balayage</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message numerus="yes">
        <source>%n pixel</source>
        <extracomment>A distance in the picture&apos;s description, for one pixel (%n is 1); give every plural form your language has.</extracomment>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <extracomment>A distance in the picture&apos;s description, %n pixels; give every plural form your language has (2 pixely, 5 pixelů).</extracomment>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 above the optical axis</source>
        <extracomment>Where something lies, or where a stopped run&apos;s plot reaches; %1 a distance such as &quot;12 pixels&quot; or a list of them (&quot;10, 31 and 53 pixels&quot;).</extracomment>
        <translation>à %1 au-dessus de l&apos;axe optique</translation>
    </message>
    <message>
        <source>%1 below the optical axis</source>
        <extracomment>Where something lies, or where a stopped run&apos;s plot reaches; %1 a distance such as &quot;12 pixels&quot; or a list of them (&quot;10, 31 and 53 pixels&quot;).</extracomment>
        <translation>à %1 au-dessous de l&apos;axe optique</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <extracomment>The start of the picture&apos;s settings sentence: %1 is the pattern&apos;s name as its option says it (Light, Interference, Photon density).</extracomment>
        <translation>Figure « %1 »</translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <extracomment>Said of the picture when no point of the plot is bright.</extracomment>
        <translation>Le graphique reste sombre.</translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <extracomment>The picture&apos;s description before the first run; &quot;Start&quot; as the button&apos;s caption.</extracomment>
        <translation>Rien n&apos;est encore dessiné : Lancer dessine la source de lumière, la plaque percée de deux fentes, l&apos;écran et la figure.</translation>
    </message>
    <message>
        <source>The run was stopped before its first point.</source>
        <extracomment>Said of the picture after Escape stopped a run at once.</extracomment>
        <translation>Le balayage a été arrêté avant son premier point.</translation>
    </message>
    <message>
        <source>level with the optical axis</source>
        <extracomment>Where a stopped run&apos;s plot reaches (the %3 of &quot;The run was stopped after ...&quot;).</extracomment>
        <translation>à la hauteur de l&apos;axe optique</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.</source>
        <extracomment>%1 and %2 are numbers of points (the scan has 399), %3 where the plot reaches (&quot;level with the optical axis&quot;, &quot;12 pixels above the optical axis&quot;).</extracomment>
        <translation>Le balayage a été arrêté après %1 des %2 points : le graphique part du bas et s&apos;arrête %3.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list in the picture&apos;s description: %1 the items before the last, separated by commas (&quot;10, 31&quot;), %2 the last (&quot;53 pixels&quot;).</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>on the optical axis</source>
        <extracomment>Where something lies in the picture: on the optical axis (the horizontal line through the source and midway between the slits).</extracomment>
        <translation>sur l&apos;axe optique</translation>
    </message>
    <message>
        <source>%1 above and below the optical axis</source>
        <extracomment>Where two places mirrored across the axis lie; %1 a distance such as &quot;12 pixels&quot; or a list of them (&quot;10, 31 and 53 pixels&quot;).</extracomment>
        <translation>à %1 au-dessus et au-dessous de l&apos;axe optique</translation>
    </message>
    <message>
        <source>No bands: the plot is evenly bright from the bottom to the top.</source>
        <extracomment>The picture&apos;s first sentence when the plot is the same length all the way up (interference with both slits on the axis).</extracomment>
        <translation>Aucune frange : le graphique est uniformément lumineux de bas en haut.</translation>
    </message>
    <message>
        <source>across the optical axis</source>
        <extracomment>Where the only bright band lies, in &quot;One bright band, %1.&quot;.</extracomment>
        <translation>à cheval sur l&apos;axe optique</translation>
    </message>
    <message>
        <source>One bright band, %1.</source>
        <extracomment>The picture&apos;s first sentence, also said alone when a run ends: %1 where the band lies (&quot;across the optical axis&quot;, &quot;30 pixels above the optical axis&quot;).</extracomment>
        <translation>Une frange brillante, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bright bands, %1 apart near the axis.</source>
        <extracomment>The picture&apos;s first sentence, also said alone when a run ends: %n bright bands (2 or more; give every plural form), %1 the distance between two neighbouring bands near the optical axis (&quot;21 pixels&quot;).</extracomment>
        <translation>
            <numerusform>%n frange brillante, espacée de %1 près de l&apos;axe.</numerusform>
            <numerusform>%n franges brillantes, espacées de %1 près de l&apos;axe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more farther out</source>
        <extracomment>The end of the list of dark bands: %1 the places listed (&quot;10, 31 and 53 pixels above and below the optical axis&quot;), %n how many more lie farther from the axis.</extracomment>
        <translation>
            <numerusform>%1, et %n autre plus loin</numerusform>
            <numerusform>%1, et %n autres plus loin</numerusform>
        </translation>
    </message>
    <message>
        <source>Dark bands lie %1.</source>
        <extracomment>The sentence on the dark bands (the dark stripes between the bright bands): %1 where they lie (&quot;10, 31 and 53 pixels above and below the optical axis, and 6 more farther out&quot;); places on both sides are separated by semicolons.</extracomment>
        <translation>Les franges sombres se trouvent %1.</translation>
    </message>
    <message>
        <source>the slits are farther apart</source>
        <extracomment>A change since the last run, in &quot;Since the last run: %1.&quot; and before &quot;, so the bright bands are ...&quot;.</extracomment>
        <translation>les fentes sont plus écartées</translation>
    </message>
    <message>
        <source>the slits are closer together</source>
        <extracomment>A change since the last run, in &quot;Since the last run: %1.&quot; and before &quot;, so the bright bands are ...&quot;.</extracomment>
        <translation>les fentes sont plus rapprochées</translation>
    </message>
    <message>
        <source>the detector is farther from the slits</source>
        <extracomment>A change since the last run: the detector is farther from the slits.</extracomment>
        <translation>l&apos;écran est plus loin des fentes</translation>
    </message>
    <message>
        <source>the detector is nearer to the slits</source>
        <extracomment>A change since the last run: the detector is nearer to the slits.</extracomment>
        <translation>l&apos;écran est plus près des fentes</translation>
    </message>
    <message>
        <source>the frequency is higher</source>
        <extracomment>A change since the last run: the light&apos;s frequency.</extracomment>
        <translation>la fréquence est plus haute</translation>
    </message>
    <message>
        <source>the frequency is lower</source>
        <extracomment>A change since the last run: the light&apos;s frequency.</extracomment>
        <translation>la fréquence est plus basse</translation>
    </message>
    <message>
        <source>the plot shows the %1 pattern</source>
        <extracomment>A change since the last run: %1 the pattern&apos;s name as its option says it (Light, Interference, Photon density).</extracomment>
        <translation>le graphique montre la figure « %1 »</translation>
    </message>
    <message>
        <source>bright bands: %1 instead of %2</source>
        <extracomment>A change since the last run: %1 how many bright bands the plot shows now, %2 how many it showed before.</extracomment>
        <translation>franges brillantes : %1 au lieu de %2</translation>
    </message>
    <message>
        <source>Since the last run: %1.</source>
        <extracomment>The sentence on what changed since the previous run: %1 the changes, separated by semicolons (&quot;the plot shows the Photon density pattern; bright bands: 12 instead of 11&quot;).</extracomment>
        <translation>Depuis le dernier balayage : %1.</translation>
    </message>
    <message>
        <source>There are no dark bands: with both slits on the optical axis the two paths to every point are equally long, so the two arrows (phasors) always point the same way.</source>
        <extracomment>Said when the slit spacing is 0: why the pattern has no dark bands.</extracomment>
        <translation>Il n&apos;y a pas de franges sombres : les deux fentes étant sur l&apos;axe optique, les deux chemins vers chaque point ont la même longueur, donc les deux flèches (vecteurs de Fresnel) pointent toujours dans le même sens.</translation>
    </message>
    <message>
        <source>The dots land at random along each row, but they pile up where the light pattern is bright, most densely %1.</source>
        <extracomment>Photon mode: each photon lands as a dot at a random place along its row; %1 where the most dots are (&quot;on the optical axis&quot;, &quot;40 pixels above and below the optical axis&quot;).</extracomment>
        <translation>Les points tombent au hasard le long de chaque ligne, mais s&apos;accumulent là où la figure lumineuse est claire, le plus densément %1.</translation>
    </message>
    <message>
        <source>The light is brightest %1.</source>
        <extracomment>Where the plot is longest; %1 &quot;on the optical axis&quot;, &quot;40 pixels above and below the optical axis&quot; and the like.</extracomment>
        <translation>La lumière est la plus vive %1.</translation>
    </message>
    <message>
        <source>At a bright band the two arrows (phasors) point the same way and add up; at a dark band they point opposite ways and cancel.</source>
        <extracomment>The phasors (the two arrows drawn at the detector for each point, one per slit) at the bands, as the help explains them.</extracomment>
        <translation>Sur une frange brillante, les deux flèches (vecteurs de Fresnel) pointent dans le même sens et s&apos;ajoutent ; sur une frange sombre, elles pointent en sens opposés et s&apos;annulent.</translation>
    </message>
    <message>
        <source>The plot dips %1 to %2% of its brightest, but that is no dark band: the two arrows (phasors) add up there; the program weakens the light the farther a point lies from each slit.</source>
        <extracomment>A dip in the plot inside a bright band that is no dark band: %1 where it lies (&quot;on the optical axis&quot;), %2 how low the plot gets there, in percent of its largest value.</extracomment>
        <translation>La courbe descend %1 à %2 % de son maximum, mais ce n&apos;est pas une frange sombre : les deux flèches (vecteurs de Fresnel) s&apos;y ajoutent ; le programme affaiblit la lumière d&apos;autant plus qu&apos;un point est loin de chaque fente.</translation>
    </message>
    <message>
        <source>No dark band: nowhere on the screen line do the two arrows (phasors) point opposite ways.</source>
        <extracomment>Said when the path difference stays too small for the phasors to cancel anywhere on the screen line.</extracomment>
        <translation>Aucune frange sombre : nulle part sur l&apos;écran les deux flèches (vecteurs de Fresnel) ne pointent dans des sens opposés.</translation>
    </message>
    <message>
        <source>slit spacing large (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;large&quot;; %1 a distance (&quot;40 pixels&quot;).</extracomment>
        <translation>un grand écart des fentes (chaque fente à %1 de l&apos;axe optique)</translation>
    </message>
    <message>
        <source>slit spacing minor (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;minor&quot;; %1 a distance (&quot;15 pixels&quot;).</extracomment>
        <translation>un écart des fentes réduit (chaque fente à %1 de l&apos;axe optique)</translation>
    </message>
    <message>
        <source>slit spacing middle (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;middle&quot;; %1 a distance (&quot;10 pixels&quot;).</extracomment>
        <translation>un écart des fentes moyen (chaque fente à %1 de l&apos;axe optique)</translation>
    </message>
    <message>
        <source>slit spacing small (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;small&quot;; %1 a distance (&quot;5 pixels&quot;).</extracomment>
        <translation>un petit écart des fentes (chaque fente à %1 de l&apos;axe optique)</translation>
    </message>
    <message>
        <source>slit spacing 0 (both slits on the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;0&quot;.</extracomment>
        <translation>un écart des fentes nul (les deux fentes sur l&apos;axe optique)</translation>
    </message>
    <message>
        <source>detector-screen distance large (%1 behind the barrier)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the distance option &quot;large&quot;; %1 a distance (&quot;200 pixels&quot;).</extracomment>
        <translation>une grande distance de l&apos;écran (%1 derrière la plaque)</translation>
    </message>
    <message>
        <source>detector-screen distance middle (%1 behind the barrier)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the distance option &quot;middle&quot;; %1 a distance (&quot;150 pixels&quot;).</extracomment>
        <translation>une distance de l&apos;écran moyenne (%1 derrière la plaque)</translation>
    </message>
    <message>
        <source>detector-screen distance near (%1 behind the barrier)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the distance option &quot;near&quot;; %1 a distance (&quot;100 pixels&quot;).</extracomment>
        <translation>l&apos;écran proche (%1 derrière la plaque)</translation>
    </message>
    <message>
        <source>frequency higher</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;higher&quot;.</extracomment>
        <translation>une fréquence plus haute</translation>
    </message>
    <message>
        <source>frequency high</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;high&quot;.</extracomment>
        <translation>une fréquence haute</translation>
    </message>
    <message>
        <source>frequency middle</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;middle&quot;.</extracomment>
        <translation>une fréquence moyenne</translation>
    </message>
    <message>
        <source>frequency low</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;low&quot;.</extracomment>
        <translation>une fréquence basse</translation>
    </message>
    <message>
        <source>%1 after a run with %2, %3 and %4.</source>
        <extracomment>The sentence on the settings: %1 &quot;Light pattern&quot; (see &quot;%1 pattern&quot;), %2 the slit spacing, %3 the detector-screen distance, %4 the frequency, each as its option&apos;s phrase (&quot;slit spacing large (each slit 40 pixels from the optical axis)&quot;).</extracomment>
        <translation>%1 après un balayage avec %2, %3 et %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1, so the %n bright bands are closer together: %2 apart instead of %3.</source>
        <extracomment>A run&apos;s summary after a change: %1 what changed (&quot;The slits are farther apart&quot;, several joined by &quot;and&quot;), %n how many bright bands now (2 or more; give every plural form), %2 their distance now (&quot;6 pixels&quot;), %3 the number of pixels it was (&quot;16&quot;).</extracomment>
        <translation>
            <numerusform>%1, donc les %n franges brillantes sont plus rapprochées : %2 d&apos;écart au lieu de %3.</numerusform>
            <numerusform>%1, donc les %n franges brillantes sont plus rapprochées : %2 d&apos;écart au lieu de %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, so the %n bright bands are farther apart: %2 apart instead of %3.</source>
        <extracomment>A run&apos;s summary after a change: %1 what changed (&quot;The slits are closer together&quot;, several joined by &quot;and&quot;), %n how many bright bands now (2 or more; give every plural form), %2 their distance now (&quot;16 pixels&quot;), %3 the number of pixels it was (&quot;6&quot;).</extracomment>
        <translation>
            <numerusform>%1, donc les %n franges brillantes sont plus espacées : %2 d&apos;écart au lieu de %3.</numerusform>
            <numerusform>%1, donc les %n franges brillantes sont plus espacées : %2 d&apos;écart au lieu de %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, yet the %n bright bands are as far apart as before: %2.</source>
        <extracomment>A run&apos;s summary after changes that cancel out: %1 what changed (&quot;The slits are closer together and the detector is nearer to the slits&quot;), %n how many bright bands (2 or more; give every plural form), %2 their distance (&quot;21 pixels&quot;).</extracomment>
        <translation>
            <numerusform>%1, pourtant les %n franges brillantes restent aussi espacées qu&apos;avant : %2.</numerusform>
            <numerusform>%1, pourtant les %n franges brillantes restent aussi espacées qu&apos;avant : %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PointReadouts</name>
    <message>
        <source>Selected point</source>
        <extracomment>The accessible name of the point box, and the title of the group of readouts for that point.</extracomment>
        <translation>Point choisi</translation>
    </message>
    <message>
        <source>Height above the optical axis</source>
        <extracomment>A readout: how far the selected point lies above the optical axis (the line through the middle of the slits), in pixels.</extracomment>
        <translation>Hauteur au-dessus de l&apos;axe optique</translation>
    </message>
    <message>
        <source>How far the point lies above the optical axis, in pixels; below it negative</source>
        <extracomment>Accessible description of the height readout.</extracomment>
        <translation>À quelle hauteur le point se trouve au-dessus de l&apos;axe optique, en pixels ; en dessous, négative</translation>
    </message>
    <message>
        <source>Wavelength λ = 2π/k</source>
        <extracomment>A readout: the wavelength of the light, worked out from its wave number k. Keep the formula as it is.</extracomment>
        <translation>Longueur d&apos;onde λ = 2π/k</translation>
    </message>
    <message>
        <source>The wavelength of the run&apos;s light, from its wave number k</source>
        <extracomment>Accessible description of the wavelength readout.</extracomment>
        <translation>La longueur d&apos;onde de la lumière du balayage, tirée de son nombre d&apos;onde k</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <extracomment>A readout: the length of the path from the middle of slit A to the selected point.</extracomment>
        <translation>Chemin depuis la fente A</translation>
    </message>
    <message>
        <source>From the middle of slit A to the point, in pixels and in wavelengths</source>
        <extracomment>Accessible description of the readout of the path from slit A.</extracomment>
        <translation>Du milieu de la fente A jusqu&apos;au point, en pixels et en longueurs d&apos;onde</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <extracomment>A readout: the length of the path from the middle of slit B to the selected point.</extracomment>
        <translation>Chemin depuis la fente B</translation>
    </message>
    <message>
        <source>From the middle of slit B to the point, in pixels and in wavelengths</source>
        <extracomment>Accessible description of the readout of the path from slit B.</extracomment>
        <translation>Du milieu de la fente B jusqu&apos;au point, en pixels et en longueurs d&apos;onde</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <extracomment>A readout: how much longer the path from slit B is than the path from slit A.</extracomment>
        <translation>Différence de marche B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in wavelengths and pixels</source>
        <extracomment>Accessible description of the path-difference readout.</extracomment>
        <translation>De combien le chemin depuis la fente B est plus long, en longueurs d&apos;onde et en pixels</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <extracomment>A readout: the angle between the two phasors (the arrows of the two waves), in degrees.</extracomment>
        <translation>Déphasage</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in degrees, and in whole turns and the rest</source>
        <extracomment>Accessible description of the phase-difference readout; a phasor is the arrow that stands for one wave.</extracomment>
        <translation>De combien le vecteur de Fresnel B est plus tourné que le vecteur A, en degrés, puis en tours entiers et le reste</translation>
    </message>
    <message>
        <source>Intensity as computed</source>
        <extracomment>A readout: the intensity the program worked out at the point, before the plot scales it.</extracomment>
        <translation>Intensité calculée</translation>
    </message>
    <message>
        <source>Four times the squared length of the phasor sum, before the pattern scales it</source>
        <extracomment>Accessible description of the computed-intensity readout; the phasor sum is the arrow from the tail of one phasor to the head of the other.</extracomment>
        <translation>Quatre fois le carré de la longueur de la somme des vecteurs de Fresnel, avant que la figure ne la mette à l&apos;échelle</translation>
    </message>
    <message>
        <source>Intensity as plotted</source>
        <extracomment>A readout: what the plot drew at the point (a bar&apos;s length, or a number of photon dots).</extracomment>
        <translation>Intensité tracée</translation>
    </message>
    <message>
        <source>What the plot drew at this height: the bar&apos;s length, or the photons</source>
        <extracomment>Accessible description of the plotted-intensity readout.</extracomment>
        <translation>Ce que le graphique a tracé à cette hauteur : la longueur de la barre, ou les photons</translation>
    </message>
    <message>
        <source>Nearest whole order</source>
        <extracomment>A readout: the whole number m of wavelengths nearest the path difference (the nearest order).</extracomment>
        <translation>Ordre entier le plus proche</translation>
    </message>
    <message>
        <source>The whole number of wavelengths m nearest the path difference, and how far the difference is from it</source>
        <extracomment>Accessible description of the nearest-order readout.</extracomment>
        <translation>Le nombre entier de longueurs d&apos;onde m le plus proche de la différence de marche, et l&apos;écart entre les deux</translation>
    </message>
    <message>
        <source>Where this order lies</source>
        <extracomment>A readout: where the path difference is m wavelengths (order m), exactly and by the small-angle formula.</extracomment>
        <translation>Position de cet ordre</translation>
    </message>
    <message>
        <source>Where the path difference is exactly m wavelengths, and where the small-angle formula puts it</source>
        <extracomment>Accessible description of the readout of where order m lies.</extracomment>
        <translation>Là où la différence de marche vaut exactement m longueurs d&apos;onde, et là où la formule des petits angles la place</translation>
    </message>
    <message>
        <source>Phasors of the selected point</source>
        <extracomment>The accessible name of the drawing of the two phasors (arrows) and their sum for the selected point.</extracomment>
        <translation>Vecteurs de Fresnel du point choisi</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A readout&apos;s label: %1 is its name (&quot;Path from slit A&quot;).</extracomment>
        <translation>%1 :</translation>
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
        <translation>%1 sur au plus %2</translation>
    </message>
    <message>
        <source>photon count %1, dots drawn: %2</source>
        <extracomment>In photon mode: %1 the expected photon count at the point, %2 the dots actually drawn.</extracomment>
        <translation>nombre de photons %1, points tracés : %2</translation>
    </message>
    <message>
        <source>bar %1 px long</source>
        <extracomment>The plotted intensity as a bar&apos;s length: %1 in pixels.</extracomment>
        <translation>barre de %1 px</translation>
    </message>
    <message>
        <source>m = %1, off by %2 λ</source>
        <extracomment>%1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.</extracomment>
        <translation>m = %1, écart %2 λ</translation>
    </message>
    <message>
        <source>off the screen</source>
        <extracomment>Where an order would lie beyond the scanned part of the screen.</extracomment>
        <translation>hors de l&apos;écran</translation>
    </message>
    <message>
        <source>none: the path difference is the same everywhere</source>
        <extracomment>With both slits at one place (spacing 0) there are no orders: the path difference does not change.</extracomment>
        <translation>aucune : la différence de marche est partout la même</translation>
    </message>
    <message>
        <source>exact %1, small-angle %2</source>
        <extracomment>Where order m lies: %1 from the exact geometry, %2 by the small-angle formula (each a height in pixels or &quot;off the screen&quot;).</extracomment>
        <translation>exacte %1, petits angles %2</translation>
    </message>
    <message>
        <source>Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of at most %4 px</source>
        <extracomment>The phasor drawing for a screen reader: %1 and %2 the angles the phasors are turned by, %3 the length of their sum (drawn green) and %4 the longest it can be, in pixels.</extracomment>
        <translation>Vecteur de Fresnel B tourné de %1°, vecteur A tourné de %2° tracé depuis son extrémité ; leur somme, en vert, mesure %3 px sur au plus %4 px</translation>
    </message>
    <message>
        <source>Readouts of the selected point</source>
        <extracomment>The accessible name of the list of the selected point&apos;s readouts, one a line.</extracomment>
        <translation>Valeurs du point choisi</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the selected point&apos;s readouts: %1 the readout&apos;s name (&quot;Path from slit A&quot;), %2 its value.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s name for a disk drive.</extracomment>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <extracomment>Qt&apos;s text: the file dialog&apos;s name for a folder.</extracomment>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Alt+Left</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s key for Back (Alt and the Left arrow key).</extracomment>
        <translation>Alt+Gauche</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s key for Forward (Alt and the Right arrow key).</extracomment>
        <translation>Alt+Droite</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s key for the parent folder (Alt and the Up arrow key).</extracomment>
        <translation>Alt+Haut</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>Qt&apos;s text: the save dialog asks before replacing a file; %1 is its name.</extracomment>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s text: a button of every dialog box.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Qt&apos;s text: a button of the save and print dialogs.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Qt&apos;s text: the save dialog&apos;s button, as the picture&apos;s menu says &quot;Save&quot;.</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Qt&apos;s text: a file dialog&apos;s button.</extracomment>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>All Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice of which pages to print.</extracomment>
        <translation>Toutes les pages</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice of which pages to print.</extracomment>
        <translation>Pages paires</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice of which pages to print.</extracomment>
        <translation>Pages impaires</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <extracomment>Qt&apos;s text: the title of the file dialog that names the help&apos;s PDF file.</extracomment>
        <translation>Imprimer dans un fichier</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Page Set:</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s label for the choice of all, even or odd pages.</extracomment>
        <translation>Jeu de pages :</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s option of printing pages whose numbers are given.</extracomment>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s tooltip for the page numbers; &quot;3,5-7,9&quot; stays as it is (a list of pages, not a decimal number).</extracomment>
        <translation>Indiquez des pages ou des plages séparées par des virgules. Une plage est formée de deux nombres séparés par un trait d&apos;union. Par ex. 3,5-7,9 imprime les pages 3, 5, 6, 7 et 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s group for printing on both sides of the paper.</extracomment>
        <translation>Impression recto verso</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice not to print on both sides.</extracomment>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <extracomment>Qt&apos;s text: both sides, bound along the paper&apos;s long side.</extracomment>
        <translation>Reliure côté long</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <extracomment>Qt&apos;s text: both sides, bound along the paper&apos;s short side.</extracomment>
        <translation>Reliure côté court</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Num</source>
        <extracomment>Qt&apos;s text: a key name&apos;s prefix for the keys of the number pad (Num+5).</extracomment>
        <translation>Num</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Qt&apos;s text: the name of the Home key (to the start of a line or scale), as the keyboard says it; the help names it.</extracomment>
        <translation>Début</translation>
    </message>
</context>
<context>
    <name>RunAnnouncement</name>
    <message>
        <source>Run finished. %1</source>
        <extracomment>Said by the screen reader when a run has plotted its last point, wherever the focus is; %1 is the first sentence of the picture&apos;s description.</extracomment>
        <translation>Balayage terminé. %1</translation>
    </message>
    <message>
        <source>Run stopped before its first point.</source>
        <extracomment>Said by the screen reader when Escape stopped a run before it plotted anything.</extracomment>
        <translation>Balayage arrêté avant son premier point.</translation>
    </message>
    <message>
        <source>Run stopped at point %1 of %2, %3.</source>
        <extracomment>Said by the screen reader when Escape stopped a run, wherever the focus is: %1 the last point plotted (from 1 at the bottom), %2 how many the scan has (399), %3 where that point lies (&quot;12 pixels above the optical axis&quot;).</extracomment>
        <translation>Balayage arrêté au point %1 sur %2, %3.</translation>
    </message>
    <message>
        <source>A quarter</source>
        <extracomment>Said by the screen reader during a slow run, when a quarter of the screen line is scanned.</extracomment>
        <translation>Un quart</translation>
    </message>
    <message>
        <source>Half</source>
        <extracomment>Said by the screen reader during a slow run, when half the screen line is scanned.</extracomment>
        <translation>La moitié</translation>
    </message>
    <message>
        <source>Three quarters</source>
        <extracomment>Said by the screen reader during a slow run, when three quarters of the screen line are scanned.</extracomment>
        <translation>Trois quarts</translation>
    </message>
    <message>
        <source>A run goes on: point %1 of %2.</source>
        <extracomment>Said by the screen reader when D asks for the summary during a run: %1 the points plotted so far, %2 how many the scan has (399).</extracomment>
        <translation>Balayage en cours : point %1 sur %2.</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <extracomment>A message box: a run refused one of its settings. %1 is the setting&apos;s text as it was found; &quot;setting text&quot; is what one of the hidden setting fields holds.</extracomment>
        <translation>Le balayage s&apos;est arrêté : le texte de réglage « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <extracomment>A message box: a run refused one of its settings, a number no option or the scroll bar writes. %1 is the setting&apos;s text as it was found.</extracomment>
        <translation>Le balayage s&apos;est arrêté : le texte de réglage « %1 » n&apos;est pas une valeur de sa commande.</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>point</source>
        <extracomment>A column title of the run&apos;s table pasted into a spreadsheet: the point&apos;s number, 1 … 399 from the bottom.</extracomment>
        <translation>point</translation>
    </message>
    <message>
        <source>y (px)</source>
        <extracomment>A column title: the point&apos;s y coordinate in the picture, in pixels (downwards).</extracomment>
        <translation>y (px)</translation>
    </message>
    <message>
        <source>height (px)</source>
        <extracomment>A column title: the point&apos;s height above the optical axis, in pixels.</extracomment>
        <translation>hauteur (px)</translation>
    </message>
    <message>
        <source>path A (px)</source>
        <extracomment>A column title: the path from the middle of slit A to the point, in pixels.</extracomment>
        <translation>chemin A (px)</translation>
    </message>
    <message>
        <source>path B (px)</source>
        <extracomment>A column title: the path from the middle of slit B to the point, in pixels.</extracomment>
        <translation>chemin B (px)</translation>
    </message>
    <message>
        <source>path difference (λ)</source>
        <extracomment>A column title: path B less path A, in wavelengths.</extracomment>
        <translation>différence de marche (λ)</translation>
    </message>
    <message>
        <source>phase difference (°)</source>
        <extracomment>A column title: the phase difference of the two waves, in degrees.</extracomment>
        <translation>déphasage (°)</translation>
    </message>
    <message>
        <source>intensity as computed</source>
        <extracomment>A column title: the intensity the program worked out, before the plot scales it.</extracomment>
        <translation>intensité calculée</translation>
    </message>
    <message>
        <source>plotted</source>
        <extracomment>The plotted value: a bar&apos;s length in pixels, or in photon mode the number of dots.</extracomment>
        <translation>tracé</translation>
    </message>
</context>
<context>
    <name>ScreenStrip</name>
    <message>
        <source>The screen as the eye would see it</source>
        <extracomment>The accessible name (and tooltip) of the grey strip beside Explore&apos;s plot: the run&apos;s screen line as the eye would see it.</extracomment>
        <translation>L&apos;écran tel que l&apos;œil le verrait</translation>
    </message>
    <message>
        <source>The screen line of the run the plot shows, in grey beside it at the same heights: each point as light as the intensity the plot shows there, white at the largest, black at none</source>
        <extracomment>Accessible description of the grey strip beside Explore&apos;s plot.</extracomment>
        <translation>L&apos;écran du balayage que montre le graphique, en gris à côté de lui aux mêmes hauteurs : chaque point aussi clair que l&apos;intensité que le graphique y montre, blanc pour la plus grande, noir pour une intensité nulle</translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (a box of 49 x 17 pixels with its mark): each slit 40 pixels from the optical axis, the largest spacing. An adjective agreeing with your language&apos;s word for the spacing, as the group&apos;s caption has it.</extracomment>
        <translation>grand</translation>
    </message>
    <message>
        <source>minor</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (49 x 13 pixels): 15 pixels, the second largest of five (40, 15, 10, 5, 0); &quot;smaller than large&quot;, not &quot;small&quot;.</extracomment>
        <translation>réduit</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (57 x 17 pixels): 10 pixels, the middle one.</extracomment>
        <translation>moyen</translation>
    </message>
    <message>
        <source>small</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (57 x 13 pixels): 5 pixels, the smallest spacing above none.</extracomment>
        <translation>petit</translation>
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
        <translation>grande</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>detector-screen distance</comment>
        <extracomment>Option of the &quot;Detector-Screen distance&quot; group (65 x 17 pixels): 150 pixels.</extracomment>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>near</source>
        <comment>detector-screen distance</comment>
        <extracomment>Option of the &quot;Detector-Screen distance&quot; group (65 x 17 pixels): 100 pixels, the screen nearest the barrier.</extracomment>
        <translation>proche</translation>
    </message>
    <message>
        <source>higher</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (57 x 17 pixels): a wave number of 2 radians per pixel, the highest. An adjective agreeing with your language&apos;s word for the frequency.</extracomment>
        <translation>plus haute</translation>
    </message>
    <message>
        <source>high</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (57 x 17 pixels): 0.5 radians per pixel.</extracomment>
        <translation>haute</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (57 x 13 pixels): 0.3 radians per pixel.</extracomment>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>low</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (41 x 13 pixels): 0.1 radians per pixel, the lowest. A whole word, not an abbreviation such as &quot;min&quot;.</extracomment>
        <translation>basse</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>pattern</comment>
        <extracomment>Option of the &quot;Pattern&quot; group (65 x 13 pixels): the interference weighted by each slit&apos;s distance, as light on a screen. The pattern&apos;s name: the help and the picture&apos;s description use it too.</extracomment>
        <translation>Lumière</translation>
    </message>
    <message>
        <source>Interference</source>
        <comment>pattern</comment>
        <extracomment>Option of the &quot;Pattern&quot; group (89 x 13 pixels): the interference term alone. The pattern&apos;s name, as in the help.</extracomment>
        <translation>Interférence</translation>
    </message>
    <message>
        <source>Photon density</source>
        <comment>pattern</comment>
        <extracomment>Option of the &quot;Pattern&quot; group (97 x 13 pixels): the light as random photon dots. The pattern&apos;s name: the label beside the plot (&quot;Photon density&quot;) must say the same; a soft hyphen (U+00AD) may mark where a long word can break.</extracomment>
        <translation>Densité de photons</translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <extracomment>What a screen reader calls the scroll bar: %1 is its value, %2 the largest (20).</extracomment>
        <translation>Ralenti %1 sur %2</translation>
    </message>
    <message>
        <source>Interference picture</source>
        <extracomment>What a screen reader calls the picture of the apparatus and the plot.</extracomment>
        <translation>Image de l&apos;interférence</translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <extracomment>The window&apos;s heading, centred in a box of 361 x 25 pixels (Times New Roman 15.75 pt bold, one line).</extracomment>
        <translation>Interférences et figure lumineuse</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts a run: 73 x 33 pixels, Times New Roman 14.25 pt bold.</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <extracomment>What a screen reader says of Start.</extracomment>
        <translation>Balaie l&apos;écran point par point avec les réglages choisis et trace la figure</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that closes Quarnel (after a run that goes on): 65 x 33 pixels, Times New Roman 14.25 pt bold.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <extracomment>What a screen reader says of Exit.</extracomment>
        <translation>Ferme Quarnel</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <extracomment>What a screen reader calls the scroll bar that slows the animation down.</extracomment>
        <translation>Ralenti</translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <extracomment>What a screen reader says of the scroll bar. Numbers as your language writes them.</extracomment>
        <translation>Ralenti de l&apos;animation, de 1 à 20 : à 1 un balayage dure environ 1,2 seconde, à 20 environ 24</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <extracomment>The prompt on the empty picture, centred in 273 x 33 pixels (Times New Roman 15.75 pt bold, one line): name the Start button by its translated caption.</extracomment>
        <translation>Appuyez sur Lancer</translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <extracomment>The caption of the slit-spacing group, on the top line of a frame 89 pixels wide (MS Sans Serif 8.25 pt bold): how far each slit lies from the optical axis.</extracomment>
        <translation>Écart</translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <extracomment>What a screen reader says of the slit-spacing group.</extracomment>
        <translation>À quelle distance de l&apos;axe optique se trouve chaque fente</translation>
    </message>
    <message>
        <source>Slit spacing large: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: the group&apos;s name and the option&apos;s caption as they are translated, then what it sets.</extracomment>
        <translation>Écart des fentes grand : chaque fente à %1 pixels de l&apos;axe optique</translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Écart des fentes réduit : chaque fente à %1 pixels de l&apos;axe optique</translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Écart des fentes moyen : chaque fente à %1 pixels de l&apos;axe optique</translation>
    </message>
    <message>
        <source>Slit spacing small: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Écart des fentes petit : chaque fente à %1 pixels de l&apos;axe optique</translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Écart des fentes 0 : les deux fentes sur l&apos;axe optique</translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <extracomment>The caption of the distance group, on the top line of a frame 169 pixels wide (MS Sans Serif 8.25 pt bold): how far the detector screen stands behind the barrier. The screen is the one the pattern falls on, as everywhere else.</extracomment>
        <translation>Distance de l&apos;écran</translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <extracomment>What a screen reader says of the distance group.</extracomment>
        <translation>À quelle distance derrière la plaque se trouve l&apos;écran</translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen %1 pixels behind the barrier</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Distance de l&apos;écran grande : l&apos;écran à %1 pixels derrière la plaque</translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen %1 pixels behind the barrier</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Distance de l&apos;écran moyenne : l&apos;écran à %1 pixels derrière la plaque</translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen %1 pixels behind the barrier</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Distance de l&apos;écran proche : l&apos;écran à %1 pixels derrière la plaque</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The caption of the frequency group, on the top line of a frame 105 pixels wide (Arial 8.25 pt bold). It sets the wave number k: how fast the phase turns.</extracomment>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <extracomment>What a screen reader says of the frequency group. The wave number is the physics term (k); the phase turns along a path by k radians per pixel.</extracomment>
        <translation>Le nombre d&apos;onde de la lumière : à quelle vitesse la phase tourne le long d&apos;un chemin</translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Fréquence plus haute : la phase tourne de %1 radians par pixel de chemin</translation>
    </message>
    <message>
        <source>Frequency high: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. Numbers as your language writes them.</extracomment>
        <translation>Fréquence haute : la phase tourne de %1 radian par pixel de chemin</translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. Numbers as your language writes them.</extracomment>
        <translation>Fréquence moyenne : la phase tourne de %1 radian par pixel de chemin</translation>
    </message>
    <message>
        <source>Frequency low: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. Numbers as your language writes them.</extracomment>
        <translation>Fréquence basse : la phase tourne de %1 radian par pixel de chemin</translation>
    </message>
    <message>
        <source>Pattern</source>
        <extracomment>The caption of the pattern group, on the top line of a frame 113 pixels wide (MS Sans Serif 8.25 pt bold): what the plot beside the screen shows.</extracomment>
        <translation>Figure</translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <extracomment>What a screen reader says of the pattern group.</extracomment>
        <translation>Ce que montre le graphique à côté de l&apos;écran</translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Figure lumière : l&apos;interférence pondérée par la distance à chaque fente, en barres</translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. A phasor is the arrow that stands for a wave&apos;s phase.</extracomment>
        <translation>Figure interférence : le carré de la longueur de la somme des vecteurs de Fresnel, en barres</translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Figure densité de photons : à chaque hauteur autant de points aléatoires que de photons arrivant</translation>
    </message>
    <message>
        <source>Screen</source>
        <extracomment>The label beside the barrier with the two slits, 49 x 17 pixels (Arial 9.75 pt bold). The English caption says &quot;Screen&quot; as it was laid out; name the barrier, as the help does.</extracomment>
        <translation>Plaque</translation>
    </message>
    <message>
        <source>Source</source>
        <extracomment>The label below the light source, 49 x 25 pixels (Arial 9.75 pt bold).</extracomment>
        <translation>Source</translation>
    </message>
    <message>
        <source>Detektor</source>
        <extracomment>The label over the detector screen the pattern falls on, 57 x 25 pixels (Arial 9.75 pt bold; &quot;Detektor&quot; is the laid-out English spelling). The word your language uses for that screen everywhere else.</extracomment>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Photon density</source>
        <extracomment>The label left of the plot axis, 49 x 33 pixels (MS Sans Serif 8.25 pt bold), wrapped at spaces and soft hyphens (U+00AD). The same words as the Photon density pattern&apos;s option.</extracomment>
        <translation>Densité de photons</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <extracomment>The heading over the plot for the patterns Light and Photon density, centred in 97 x 33 pixels (Arial 9.75 pt bold, wrapped).</extracomment>
        <translation>Figure lumineuse</translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <extracomment>The heading over the plot for the pattern Interference, centred in 121 x 33 pixels (Arial 9.75 pt bold, wrapped; &quot;Intrference&quot; is the laid-out English spelling, write your language&apos;s word correctly).</extracomment>
        <translation>Figure d&apos;interférence</translation>
    </message>
    <message>
        <source>Right-click for more; F1 for help</source>
        <extracomment>The tooltip over the picture, the first hint a new user sees: the right mouse button opens the picture&apos;s menu, F1 (the help key) the help.</extracomment>
        <translation>Clic droit pour plus d&apos;options ; F1 pour l&apos;aide</translation>
    </message>
</context>
</TS>
