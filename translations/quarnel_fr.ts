<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ExplorePlot</name>
    <message>
        <source>height above the optical axis (px)</source>
        <translation>hauteur au-dessus de l&apos;axe optique (px)</translation>
    </message>
    <message>
        <source>intensity, each run to its own maximum</source>
        <translation>intensité, chaque balayage rapporté à son propre maximum</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Explore a run</source>
        <translation>Explorer un balayage</translation>
    </message>
    <message>
        <source>&amp;Point:</source>
        <translation>&amp;Point :</translation>
    </message>
    <message>
        <source>Selected point</source>
        <translation>Point choisi</translation>
    </message>
    <message>
        <source>The point of the screen line, 1 at the bottom to %1 at the top; Page Up and Page Down move %2 points</source>
        <translation>Le point de l&apos;écran, de 1 en bas à %1 en haut ; Page précédente et Page suivante avancent de %2 points</translation>
    </message>
    <message>
        <source>Point on the screen line</source>
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
        <translation>Intensité selon la hauteur</translation>
    </message>
    <message>
        <source>Show the &amp;small-angle formula&apos;s marks (dashed)</source>
        <translation>Afficher les repères de la formule des petits &amp;angles (tirets)</translation>
    </message>
    <message>
        <source>Solid: bright, where the path difference is a whole number of wavelengths. Dotted: dark, where it is a whole number and a half. Dashed: where the small-angle formula y = m·λ·D/(2d) puts them.</source>
        <translation>Trait plein : brillant, là où la différence de marche est un nombre entier de longueurs d&apos;onde. Pointillé : sombre, là où elle vaut un nombre entier et demi. Tirets : là où la formule des petits angles y = m·λ·D/(2d) les place.</translation>
    </message>
    <message>
        <source>Height above the optical axis</source>
        <translation>Hauteur au-dessus de l&apos;axe optique</translation>
    </message>
    <message>
        <source>How far the point lies above the optical axis, in pixels; below it negative</source>
        <translation>À quelle hauteur le point se trouve au-dessus de l&apos;axe optique, en pixels ; en dessous, négative</translation>
    </message>
    <message>
        <source>Wavelength λ = 2π/k</source>
        <translation>Longueur d&apos;onde λ = 2π/k</translation>
    </message>
    <message>
        <source>The wavelength of the run&apos;s light, from its wave number k</source>
        <translation>La longueur d&apos;onde de la lumière du balayage, tirée de son nombre d&apos;onde k</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <translation>Chemin depuis la fente A</translation>
    </message>
    <message>
        <source>From the middle of slit A to the point, in pixels and in wavelengths</source>
        <translation>Du milieu de la fente A jusqu&apos;au point, en pixels et en longueurs d&apos;onde</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <translation>Chemin depuis la fente B</translation>
    </message>
    <message>
        <source>From the middle of slit B to the point, in pixels and in wavelengths</source>
        <translation>Du milieu de la fente B jusqu&apos;au point, en pixels et en longueurs d&apos;onde</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <translation>Différence de marche B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in wavelengths and pixels</source>
        <translation>De combien le chemin depuis la fente B est plus long, en longueurs d&apos;onde et en pixels</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <translation>Déphasage</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in degrees, and in whole turns and the rest</source>
        <translation>De combien le vecteur de Fresnel B est plus tourné que le vecteur A, en degrés, puis en tours entiers et le reste</translation>
    </message>
    <message>
        <source>Intensity as computed</source>
        <translation>Intensité calculée</translation>
    </message>
    <message>
        <source>Four times the squared length of the phasor sum, before the pattern scales it</source>
        <translation>Quatre fois le carré de la longueur de la somme des vecteurs de Fresnel, avant que la figure ne la mette à l&apos;échelle</translation>
    </message>
    <message>
        <source>Intensity as plotted</source>
        <translation>Intensité tracée</translation>
    </message>
    <message>
        <source>What the plot drew at this height: the bar&apos;s length, or the photons</source>
        <translation>Ce que le graphique a tracé à cette hauteur : la longueur de la barre, ou les photons</translation>
    </message>
    <message>
        <source>Nearest whole order</source>
        <translation>Ordre entier le plus proche</translation>
    </message>
    <message>
        <source>The whole number of wavelengths m nearest the path difference, and how far the difference is from it</source>
        <translation>Le nombre entier de longueurs d&apos;onde m le plus proche de la différence de marche, et l&apos;écart entre les deux</translation>
    </message>
    <message>
        <source>Bright band of this order</source>
        <translation>Frange brillante de cet ordre</translation>
    </message>
    <message>
        <source>Where the path difference is exactly m wavelengths, and where the small-angle formula puts it</source>
        <translation>Là où la différence de marche vaut exactement m longueurs d&apos;onde, et là où la formule des petits angles la place</translation>
    </message>
    <message>
        <source>Phasors of the selected point</source>
        <translation>Vecteurs de Fresnel du point choisi</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Franges</translation>
    </message>
    <message>
        <source>Band spacing near the axis</source>
        <translation>Interfrange près de l&apos;axe</translation>
    </message>
    <message>
        <source>The distance between neighbouring bright bands near the optical axis, measured on the run, beside what the small-angle formula λD/(2d) gives</source>
        <translation>La distance entre franges brillantes voisines près de l&apos;axe optique, mesurée sur le balayage, à côté de ce que donne la formule des petits angles λD/(2d)</translation>
    </message>
    <message>
        <source>Bright bands, exact and by the small-angle formula</source>
        <translation>Franges brillantes, exactes et selon la formule des petits angles</translation>
    </message>
    <message>
        <source>Order m</source>
        <translation>Ordre m</translation>
    </message>
    <message>
        <source>Exact (px)</source>
        <translation>Exacte (px)</translation>
    </message>
    <message>
        <source>Small-angle (px)</source>
        <translation>Petits angles (px)</translation>
    </message>
    <message>
        <source>Small-angle less exact (px)</source>
        <translation>Petits angles moins exacte (px)</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <translation>Balayages côte à côte</translation>
    </message>
    <message>
        <source>&amp;Keep this run</source>
        <translation>&amp;Garder ce balayage</translation>
    </message>
    <message>
        <source>Keeps the last run to compare with the next ones; up to %1, the oldest giving way to a fifth</source>
        <translation>Garde le dernier balayage pour le comparer aux suivants ; jusqu&apos;à %1, un cinquième remplaçant le plus ancien</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Trait</translation>
    </message>
    <message>
        <source>Bright bands</source>
        <translation>Franges brillantes</translation>
    </message>
    <message>
        <source>Spacing near the axis (px)</source>
        <translation>Interfrange près de l&apos;axe (px)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <translation>&amp;Enregistrer le tableau...</translation>
    </message>
    <message>
        <source>Writes every point of the run as a CSV file for a spreadsheet</source>
        <translation>Écrit tous les points du balayage dans un fichier CSV pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <translation>&amp;Copier le tableau</translation>
    </message>
    <message>
        <source>Puts every point of the run on the clipboard, ready to paste into a spreadsheet</source>
        <translation>Place tous les points du balayage dans le presse-papiers, prêts à coller dans un tableur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No run yet: press Start in the main window, and the run&apos;s points appear here as it goes.</source>
        <translation>Pas encore de balayage : appuyez sur Lancer dans la fenêtre principale, et ses points apparaîtront ici au fur et à mesure.</translation>
    </message>
    <message>
        <source>The run is going: %1 of %2 points so far.</source>
        <translation>Le balayage est en cours : %1 des %2 points pour l&apos;instant.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points.</source>
        <translation>Le balayage a été arrêté après %1 des %2 points.</translation>
    </message>
    <message>
        <source>Last run: %1. %2</source>
        <extracomment>%1 the last run&apos;s settings in words, %2 how far it went (empty for a whole run).</extracomment>
        <translation>Dernier balayage : %1. %2</translation>
    </message>
    <message>
        <source>not plotted yet</source>
        <translation>pas encore tracé</translation>
    </message>
    <message>
        <source>no run yet</source>
        <translation>pas encore de balayage</translation>
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
        <translation>%1 sur au plus %2</translation>
    </message>
    <message>
        <source>photon count %1, dots drawn: %2</source>
        <translation>nombre de photons %1, points tracés : %2</translation>
    </message>
    <message>
        <source>bar %1 px long</source>
        <translation>barre de %1 px</translation>
    </message>
    <message>
        <source>m = %1, off by %2 λ</source>
        <extracomment>%1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.</extracomment>
        <translation>m = %1, écart %2 λ</translation>
    </message>
    <message>
        <source>off the screen</source>
        <translation>hors de l&apos;écran</translation>
    </message>
    <message>
        <source>none: the path difference is the same everywhere</source>
        <translation>aucune : la différence de marche est partout la même</translation>
    </message>
    <message>
        <source>exact %1, small-angle %2</source>
        <translation>exacte %1, petits angles %2</translation>
    </message>
    <message>
        <source>Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of at most %4 px</source>
        <translation>Vecteur de Fresnel B tourné de %1°, vecteur A tourné de %2° tracé depuis son extrémité ; leur somme, en vert, mesure %3 px sur au plus %4 px</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>measured %1; small-angle formula λD/(2d) %2</source>
        <translation>mesuré %1 ; formule des petits angles λD/(2d) %2</translation>
    </message>
    <message>
        <source>%1, the last run</source>
        <extracomment>%1 the style of the last run&apos;s line, &quot;solid&quot;.</extracomment>
        <translation>%1, dernier balayage</translation>
    </message>
    <message>
        <source>Empty: no run yet.</source>
        <translation>Vide : pas encore de balayage.</translation>
    </message>
    <message>
        <source>What the last run plotted against the height above the optical axis, %1 of %2 points, as a solid line scaled to its maximum.</source>
        <translation>Ce que le dernier balayage a tracé selon la hauteur au-dessus de l&apos;axe optique, %1 des %2 points, en trait plein rapporté à son maximum.</translation>
    </message>
    <message>
        <source>No fringe marks: the path difference is the same everywhere.</source>
        <translation>Aucun repère de frange : la différence de marche est partout la même.</translation>
    </message>
    <message>
        <source>The small-angle formula puts the bright bands at %1 px.</source>
        <translation>La formule des petits angles place les franges brillantes à %1 px.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run: its settings in words, then the style of its line (&quot;dashed&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kept runs beside it: %1.</source>
        <translation>Balayages gardés à côté : %1.</translation>
    </message>
    <message>
        <source>Selected: point %1, %2 px above the axis.</source>
        <translation>Choisi : point %1, à %2 px au-dessus de l&apos;axe.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Enregistrer le tableau sous</translation>
    </message>
    <message>
        <source>interference.csv</source>
        <translation>interference.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer le tableau sous « %1 » : %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A readout&apos;s label: %1 is its name (&quot;Path from slit A&quot;).</extracomment>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>Bright marks, where the path difference is a whole number of wavelengths, lie on the axis and at %1 px above and below it, dark marks halfway between.</source>
        <translation>Les repères brillants, là où la différence de marche est un nombre entier de longueurs d&apos;onde, sont sur l&apos;axe et à %1 px au-dessus et au-dessous, les repères sombres à mi-chemin entre eux.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <translation>Aide de Quarnel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; scans the screen from bottom to top, point by point.&lt;/p&gt;&lt;p&gt;For every point the two path lengths from the slits become two &lt;b&gt;phasors&lt;/b&gt;, arrows 25 pixels long turned by the wave number times the path length. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.&lt;/p&gt;&lt;p&gt;Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns Light and Interference) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern Photon density). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what both give together.&lt;/p&gt;&lt;h2&gt;The controls&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Slit spacing&lt;/b&gt;: each slit lies 40 (large), 15 (minor), 10 (middle), 5 (small) or 0 pixels from the optical axis.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Detector-Screen distance&lt;/b&gt;: the screen stands 200 (large), 150 (middle) or 100 (near) pixels behind the barrier.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency&lt;/b&gt;: the wave number, how fast the phase turns along a path: 2 (higher), 0.5 (high), 0.3 (middle) or 0.1 (low) radians per pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pattern&lt;/b&gt;: Light weighs the interference by the distance from each slit; Interference shows the squared length of the phasor sum alone; Photon density draws as many random dots as photons arrive.&lt;/li&gt;&lt;li&gt;The &lt;b&gt;scroll bar&lt;/b&gt; slows the animation down from 1 to 20; each step adds about 1.2 seconds to a run.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab and Shift+Tab go from control to control; the arrow keys choose within a group and move the scroll bar; Space or Enter presses a button.&lt;/li&gt;&lt;li&gt;Escape stops a run. Input made during a run takes effect when the run ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the picture; Ctrl+S saves it as a PNG image.&lt;/li&gt;&lt;li&gt;Ctrl++ and Ctrl+- make the whole window larger and smaller, from 100 to 300 %; Ctrl+0 brings it back to its normal size. F11 fills the screen, and F11 again leaves full screen.&lt;/li&gt;&lt;li&gt;F1 opens this help; the menu key, Shift+F10 or the right mouse button open the picture&apos;s menu.&lt;/li&gt;&lt;li&gt;Ctrl+E opens the Explore window: choose a point of the run with Up, Down, Page Up and Page Down and read its path lengths and phase difference; N and Shift+N go to the next bright and dark point. Keep runs to compare them, and save or copy the run&apos;s table for a spreadsheet.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Ce que montre l&apos;image&lt;/h2&gt;&lt;p&gt;La lumière de la &lt;b&gt;source&lt;/b&gt;, à gauche, traverse une &lt;b&gt;plaque&lt;/b&gt; percée de deux fentes, A au-dessus et B au-dessous de l&apos;axe optique, et tombe sur l&apos;&lt;b&gt;écran&lt;/b&gt;. &lt;b&gt;Lancer&lt;/b&gt; balaie l&apos;écran de bas en haut, point par point.&lt;/p&gt;&lt;p&gt;Pour chaque point, les deux longueurs de chemin depuis les fentes deviennent deux &lt;b&gt;vecteurs de Fresnel&lt;/b&gt;, des flèches de 25 pixels tournées du nombre d&apos;onde multiplié par la longueur du chemin. On les ajoute bout à bout, et leur somme, tracée en &lt;b&gt;vert&lt;/b&gt;, donne la luminosité : quatre fois le carré de sa longueur. Un point sur vingt montre cette construction : les rayons pâles issus des deux fentes, les deux vecteurs de Fresnel noirs et leur somme verte.&lt;/p&gt;&lt;p&gt;À droite de l&apos;axe du graphique, la luminosité est tracée à la hauteur du point, sous forme de &lt;b&gt;barre&lt;/b&gt; (figures Lumière et Interférence) ou de &lt;b&gt;points de photons&lt;/b&gt; aléatoires (figure Photons). À gauche de l&apos;axe, trois &lt;b&gt;repères bleus&lt;/b&gt; suivent ce que donnerait chaque fente seule et ce que donnent les deux ensemble.&lt;/p&gt;&lt;h2&gt;Les commandes&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Écart&lt;/b&gt; : chaque fente se trouve à 40 (grand), 15 (serré), 10 (moyen), 5 (petit) ou 0 pixels de l&apos;axe optique.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Distance de l&apos;écran&lt;/b&gt; : l&apos;écran se trouve à 200 (grand), 150 (moyen) ou 100 (proche) pixels derrière la plaque.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Fréquence&lt;/b&gt; : le nombre d&apos;onde, à quelle vitesse la phase tourne le long d&apos;un chemin : 2 (max), 0,5 (haute), 0,3 (moyen) ou 0,1 (min) radians par pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Figure&lt;/b&gt; : Lumière pondère l&apos;interférence par la distance à chaque fente ; Interférence montre seulement le carré de la longueur de la somme des vecteurs de Fresnel ; Photons dessine autant de points aléatoires que de photons arrivant.&lt;/li&gt;&lt;li&gt;La &lt;b&gt;barre de défilement&lt;/b&gt; ralentit l&apos;animation de 1 à 20 ; chaque cran ajoute environ 1,2 seconde à un balayage.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Touches&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab et Maj+Tab passent d&apos;une commande à l&apos;autre ; les touches fléchées choisissent dans un groupe et déplacent la barre de défilement ; Espace ou Entrée actionne un bouton.&lt;/li&gt;&lt;li&gt;Échap arrête un balayage. Ce qui est saisi pendant un balayage prend effet à la fin du balayage.&lt;/li&gt;&lt;li&gt;Ctrl+C copie l&apos;image ; Ctrl+S l&apos;enregistre en image PNG.&lt;/li&gt;&lt;li&gt;Ctrl++ et Ctrl+- agrandissent et réduisent toute la fenêtre, de 100 à 300 % ; Ctrl+0 lui rend sa taille normale. F11 passe en plein écran, et F11 à nouveau quitte le plein écran.&lt;/li&gt;&lt;li&gt;F1 ouvre cette aide ; la touche Menu, Maj+F10 ou le bouton droit de la souris ouvrent le menu de l&apos;image.&lt;/li&gt;&lt;li&gt;Ctrl+E ouvre la fenêtre Explorer un balayage : choisissez un point du balayage avec Haut, Bas, Page précédente et Page suivante, et lisez ses longueurs de chemin et son déphasage ; N et Maj+N vont au point brillant et au point sombre suivants. Gardez des balayages pour les comparer, et enregistrez ou copiez le tableau du balayage pour un tableur.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>KeptRuns</name>
    <message>
        <source>solid</source>
        <translation>trait plein</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>tirets</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>pointillés</translation>
    </message>
    <message>
        <source>dash-dot</source>
        <translation>tiret-point</translation>
    </message>
    <message>
        <source>dash-dot-dot</source>
        <translation>tiret-point-point</translation>
    </message>
    <message>
        <source>%1, slit spacing %2 (%3 px), distance %4 (%5 px), frequency %6 (k = %7)</source>
        <extracomment>A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the spacing option&apos;s caption and %3 its pixels, %4 the distance option&apos;s caption and %5 its pixels, %6 the frequency option&apos;s caption and %7 the wave number.</extracomment>
        <translation>%1, écart des fentes : %2 (%3 px), distance de l&apos;écran : %4 (%5 px), fréquence : %6 (k = %7)</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Save picture as...</source>
        <translation>&amp;Enregistrer l&apos;image sous...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Quarnel</source>
        <translation>À &amp;propos de Quarnel</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>interference.png</source>
        <translation>interference.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image sous « %1 » : %2</translation>
    </message>
    <message>
        <source>About Quarnel</source>
        <translation>À propos de Quarnel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows the interference of light behind two slits.&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;Un programme d&apos;enseignement qui montre l&apos;interférence de la lumière derrière deux fentes.&lt;/p&gt;&lt;p&gt;Licence : MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>P&amp;lein écran</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>E&amp;xplorer</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message numerus="yes">
        <source>%n pixel</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>across the optical axis, reaching %1 above and below it</source>
        <translation>à cheval sur l&apos;axe optique, s&apos;étendant à %1 au-dessus et au-dessous</translation>
    </message>
    <message>
        <source>across the optical axis, from %1 below to %2 above it</source>
        <translation>à cheval sur l&apos;axe optique, de %1 au-dessous à %2 au-dessus</translation>
    </message>
    <message>
        <source>%1 above the optical axis</source>
        <translation>à %1 au-dessus de l&apos;axe optique</translation>
    </message>
    <message>
        <source>%1 below the optical axis</source>
        <translation>à %1 au-dessous de l&apos;axe optique</translation>
    </message>
    <message>
        <source>one %1</source>
        <translation>une frange %1</translation>
    </message>
    <message>
        <source>a pair %1 above and below the optical axis</source>
        <translation>une paire à %1 au-dessus et au-dessous de l&apos;axe optique</translation>
    </message>
    <message>
        <source>pairs %1 and %2 above and below the optical axis</source>
        <translation>des paires à %1 et %2 au-dessus et au-dessous de l&apos;axe optique</translation>
    </message>
    <message>
        <source>%1 pairs above and below the optical axis, the nearest %2 and the farthest %3 from it</source>
        <translation>%1 paires au-dessus et au-dessous de l&apos;axe optique, la plus proche à %2 et la plus éloignée à %3 de l&apos;axe</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1 ; et %2</translation>
    </message>
    <message>
        <source>the brightest is level with the source, on the optical axis</source>
        <translation>le point le plus lumineux est à la hauteur de la source, sur l&apos;axe optique</translation>
    </message>
    <message>
        <source>the brightest are %1 above and below the optical axis</source>
        <translation>les points les plus lumineux sont à %1 au-dessus et au-dessous de l&apos;axe optique</translation>
    </message>
    <message>
        <source>the brightest is %1 above the optical axis</source>
        <translation>le point le plus lumineux est à %1 au-dessus de l&apos;axe optique</translation>
    </message>
    <message>
        <source>the brightest is %1 below the optical axis</source>
        <translation>le point le plus lumineux est à %1 au-dessous de l&apos;axe optique</translation>
    </message>
    <message>
        <source>%1, in the band across the axis</source>
        <translation>%1, dans la frange à cheval sur l&apos;axe</translation>
    </message>
    <message>
        <source>%1, in the pair of bands whose middles lie %2 above and below it</source>
        <translation>%1, dans la paire de franges dont les milieux sont à %2 au-dessus et au-dessous de l&apos;axe</translation>
    </message>
    <message>
        <source>%1, in the band %2</source>
        <translation>%1, dans la frange %2</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>Figure « %1 »</translation>
    </message>
    <message>
        <source>0 (both slits on the optical axis)</source>
        <translation>0 (les deux fentes sur l&apos;axe optique)</translation>
    </message>
    <message>
        <source>%1 (each slit %2 from the optical axis)</source>
        <translation>%1 (chaque fente à %2 de l&apos;axe optique)</translation>
    </message>
    <message>
        <source>%1 (%2 behind the barrier)</source>
        <translation>%1 (%2 derrière la plaque)</translation>
    </message>
    <message>
        <source>%1 after a run with slit spacing %2, detector-screen distance %3 and frequency %4.</source>
        <translation>%1 après un balayage avec l&apos;écart des fentes %2, la distance de l&apos;écran %3 et la fréquence %4.</translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <translation>Le graphique reste sombre.</translation>
    </message>
    <message>
        <source>The plot shows 1 bright band, %1</source>
        <translation>Le graphique montre 1 frange brillante, %1</translation>
    </message>
    <message>
        <source>The plot shows %1 bright bands: %2</source>
        <translation>Le graphique montre %1 franges brillantes : %2</translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <translation>Rien n&apos;est encore dessiné : Lancer dessine la source de lumière, la plaque percée de deux fentes, l&apos;écran et la figure.</translation>
    </message>
    <message>
        <source>The run was stopped before its first point.</source>
        <translation>Le balayage a été arrêté avant son premier point.</translation>
    </message>
    <message>
        <source>level with the optical axis</source>
        <translation>à la hauteur de l&apos;axe optique</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.</source>
        <translation>Le balayage a été arrêté après %1 des %2 points : le graphique part du bas et s&apos;arrête %3.</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <translation>Le balayage s&apos;est arrêté : le texte de réglage « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <translation>Le balayage s&apos;est arrêté : le texte de réglage « %1 » n&apos;est pas une valeur de sa commande.</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>point</source>
        <translation>point</translation>
    </message>
    <message>
        <source>y (px)</source>
        <translation>y (px)</translation>
    </message>
    <message>
        <source>height (px)</source>
        <translation>hauteur (px)</translation>
    </message>
    <message>
        <source>path A (px)</source>
        <translation>chemin A (px)</translation>
    </message>
    <message>
        <source>path B (px)</source>
        <translation>chemin B (px)</translation>
    </message>
    <message>
        <source>path difference (λ)</source>
        <translation>différence de marche (λ)</translation>
    </message>
    <message>
        <source>phase difference (°)</source>
        <translation>déphasage (°)</translation>
    </message>
    <message>
        <source>intensity as computed</source>
        <translation>intensité calculée</translation>
    </message>
    <message>
        <source>plotted</source>
        <extracomment>The plotted value: a bar&apos;s length in pixels, or in photon mode the number of dots.</extracomment>
        <translation>tracé</translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <translation>grand</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>serré</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>moyen</translation>
    </message>
    <message>
        <source>small</source>
        <translation>petit</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>near</source>
        <translation>proche</translation>
    </message>
    <message>
        <source>higher</source>
        <translation>max</translation>
    </message>
    <message>
        <source>high</source>
        <translation>haute</translation>
    </message>
    <message>
        <source>low</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lumière</translation>
    </message>
    <message>
        <source>Interference</source>
        <translation>Interférence</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Photons</translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <translation>Ralenti %1 sur %2</translation>
    </message>
    <message>
        <source>Interference picture</source>
        <translation>Image de l&apos;interférence</translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <translation>Interférences et figure lumineuse</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <translation>Balaie l&apos;écran point par point avec les réglages choisis et trace la figure</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <translation>Ferme Quarnel</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Ralenti</translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <translation>Ralenti de l&apos;animation, de 1 à 20 : à 1 un balayage dure environ 1,2 seconde, à 20 environ 24</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Appuyez sur Lancer</translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <translation>À quelle distance de l&apos;axe optique se trouve chaque fente</translation>
    </message>
    <message>
        <source>Slit spacing large: each slit 40 pixels from the optical axis</source>
        <translation>Écart des fentes grand : chaque fente à 40 pixels de l&apos;axe optique</translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit 15 pixels from the optical axis</source>
        <translation>Écart des fentes serré : chaque fente à 15 pixels de l&apos;axe optique</translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit 10 pixels from the optical axis</source>
        <translation>Écart des fentes moyen : chaque fente à 10 pixels de l&apos;axe optique</translation>
    </message>
    <message>
        <source>Slit spacing small: each slit 5 pixels from the optical axis</source>
        <translation>Écart des fentes petit : chaque fente à 5 pixels de l&apos;axe optique</translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <translation>Écart des fentes 0 : les deux fentes sur l&apos;axe optique</translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <translation>Distance de l&apos;écran</translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <translation>À quelle distance derrière la plaque se trouve l&apos;écran</translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen 200 pixels behind the barrier</source>
        <translation>Distance de l&apos;écran grande : l&apos;écran à 200 pixels derrière la plaque</translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen 150 pixels behind the barrier</source>
        <translation>Distance de l&apos;écran moyenne : l&apos;écran à 150 pixels derrière la plaque</translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen 100 pixels behind the barrier</source>
        <translation>Distance de l&apos;écran proche : l&apos;écran à 100 pixels derrière la plaque</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <translation>Le nombre d&apos;onde de la lumière : à quelle vitesse la phase tourne le long d&apos;un chemin</translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns 2 radians per pixel of path</source>
        <translation>Fréquence plus haute : la phase tourne de 2 radians par pixel de chemin</translation>
    </message>
    <message>
        <source>Frequency high: the phase turns 0.5 radians per pixel of path</source>
        <translation>Fréquence haute : la phase tourne de 0,5 radian par pixel de chemin</translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns 0.3 radians per pixel of path</source>
        <translation>Fréquence moyenne : la phase tourne de 0,3 radian par pixel de chemin</translation>
    </message>
    <message>
        <source>Frequency low: the phase turns 0.1 radians per pixel of path</source>
        <translation>Fréquence basse : la phase tourne de 0,1 radian par pixel de chemin</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <translation>Ce que montre le graphique à côté de l&apos;écran</translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <translation>Figure lumière : l&apos;interférence pondérée par la distance à chaque fente, en barres</translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <translation>Figure interférence : le carré de la longueur de la somme des vecteurs de Fresnel, en barres</translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <translation>Figure densité de photons : à chaque hauteur autant de points aléatoires que de photons arrivant</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Plaque</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Photons</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation>Figure lumineuse</translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <translation>Figure d&apos;interférence</translation>
    </message>
</context>
</TS>
