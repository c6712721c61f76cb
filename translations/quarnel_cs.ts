<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>ExplorePlot</name>
    <message>
        <source>height above the optical axis (px)</source>
        <translation>výška nad optickou osou (px)</translation>
    </message>
    <message>
        <source>intensity, each run to its own maximum</source>
        <translation>intenzita, každý běh vůči svému maximu</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Explore a run</source>
        <translation>Prozkoumat běh</translation>
    </message>
    <message>
        <source>&amp;Point:</source>
        <translation>&amp;Bod:</translation>
    </message>
    <message>
        <source>Selected point</source>
        <translation>Vybraný bod</translation>
    </message>
    <message>
        <source>The point of the screen line, 1 at the bottom to %1 at the top; Page Up and Page Down move %2 points</source>
        <translation>Bod na stínítku, od 1 dole po %1 nahoře; Page Up a Page Down posunou o %2 bodů</translation>
    </message>
    <message>
        <source>Point on the screen line</source>
        <translation>Bod na stínítku</translation>
    </message>
    <message>
        <source>Next bright point (%1)</source>
        <extracomment>%1 is the key, &quot;N&quot;.</extracomment>
        <translation>Další světlý bod (%1)</translation>
    </message>
    <message>
        <source>Next dark point (%1)</source>
        <extracomment>%1 is the key, &quot;Shift+N&quot; in the desktop&apos;s words.</extracomment>
        <translation>Další tmavý bod (%1)</translation>
    </message>
    <message>
        <source>Intensity against height</source>
        <translation>Intenzita podle výšky</translation>
    </message>
    <message>
        <source>Show the &amp;small-angle formula&apos;s marks (dashed)</source>
        <translation>Ukázat značky vzorce pro &amp;malé úhly (čárkovaně)</translation>
    </message>
    <message>
        <source>Solid: bright, where the path difference is a whole number of wavelengths. Dotted: dark, where it is a whole number and a half. Dashed: where the small-angle formula y = m·λ·D/(2d) puts them.</source>
        <translation>Plná čára: světlo, kde je dráhový rozdíl celým násobkem vlnové délky. Tečkovaná: tma, kde je to celý násobek a polovina. Čárkovaná: kam je klade vzorec pro malé úhly y = m·λ·D/(2d).</translation>
    </message>
    <message>
        <source>Height above the optical axis</source>
        <translation>Výška nad optickou osou</translation>
    </message>
    <message>
        <source>How far the point lies above the optical axis, in pixels; below it negative</source>
        <translation>Jak vysoko bod leží nad optickou osou, v pixelech; pod ní záporně</translation>
    </message>
    <message>
        <source>Wavelength λ = 2π/k</source>
        <translation>Vlnová délka λ = 2π/k</translation>
    </message>
    <message>
        <source>The wavelength of the run&apos;s light, from its wave number k</source>
        <translation>Vlnová délka světla v tomto běhu, z jeho vlnového čísla k</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <translation>Dráha od štěrbiny A</translation>
    </message>
    <message>
        <source>From the middle of slit A to the point, in pixels and in wavelengths</source>
        <translation>Od středu štěrbiny A k bodu, v pixelech a ve vlnových délkách</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <translation>Dráha od štěrbiny B</translation>
    </message>
    <message>
        <source>From the middle of slit B to the point, in pixels and in wavelengths</source>
        <translation>Od středu štěrbiny B k bodu, v pixelech a ve vlnových délkách</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <translation>Dráhový rozdíl B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in wavelengths and pixels</source>
        <translation>O kolik je dráha od štěrbiny B delší, ve vlnových délkách a v pixelech</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <translation>Fázový rozdíl</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in degrees, and in whole turns and the rest</source>
        <translation>O kolik více je otočen fázor B než fázor A, ve stupních, a v celých otáčkách a zbytku</translation>
    </message>
    <message>
        <source>Intensity as computed</source>
        <translation>Intenzita vypočtená</translation>
    </message>
    <message>
        <source>Four times the squared length of the phasor sum, before the pattern scales it</source>
        <translation>Čtyřnásobek druhé mocniny délky součtu fázorů, než ji obrazec přepočte</translation>
    </message>
    <message>
        <source>Intensity as plotted</source>
        <translation>Intenzita v grafu</translation>
    </message>
    <message>
        <source>What the plot drew at this height: the bar&apos;s length, or the photons</source>
        <translation>Co graf v této výšce nakreslil: délku sloupce, nebo fotony</translation>
    </message>
    <message>
        <source>Nearest whole order</source>
        <translation>Nejbližší celý řád</translation>
    </message>
    <message>
        <source>The whole number of wavelengths m nearest the path difference, and how far the difference is from it</source>
        <translation>Celý počet vlnových délek m nejbližší dráhovému rozdílu a jak daleko od něj rozdíl je</translation>
    </message>
    <message>
        <source>Bright band of this order</source>
        <translation>Světlý pruh tohoto řádu</translation>
    </message>
    <message>
        <source>Where the path difference is exactly m wavelengths, and where the small-angle formula puts it</source>
        <translation>Kde je dráhový rozdíl přesně m vlnových délek a kam jej klade vzorec pro malé úhly</translation>
    </message>
    <message>
        <source>Phasors of the selected point</source>
        <translation>Fázory vybraného bodu</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Pruhy</translation>
    </message>
    <message>
        <source>Band spacing near the axis</source>
        <translation>Vzdálenost pruhů u osy</translation>
    </message>
    <message>
        <source>The distance between neighbouring bright bands near the optical axis, measured on the run, beside what the small-angle formula λD/(2d) gives</source>
        <translation>Vzdálenost sousedních světlých pruhů u optické osy, změřená na běhu, vedle hodnoty ze vzorce pro malé úhly λD/(2d)</translation>
    </message>
    <message>
        <source>Bright bands, exact and by the small-angle formula</source>
        <translation>Světlé pruhy, přesně a podle vzorce pro malé úhly</translation>
    </message>
    <message>
        <source>Order m</source>
        <translation>Řád m</translation>
    </message>
    <message>
        <source>Exact (px)</source>
        <translation>Přesně (px)</translation>
    </message>
    <message>
        <source>Small-angle (px)</source>
        <translation>Malé úhly (px)</translation>
    </message>
    <message>
        <source>Small-angle less exact (px)</source>
        <translation>Malé úhly minus přesně (px)</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <translation>Běhy vedle sebe</translation>
    </message>
    <message>
        <source>&amp;Keep this run</source>
        <translation>&amp;Ponechat tento běh</translation>
    </message>
    <message>
        <source>Keeps the last run to compare with the next ones; up to %1, the oldest giving way to a fifth</source>
        <translation>Ponechá poslední běh pro srovnání s dalšími; nejvýše %1, pátý nahradí nejstarší</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Čára</translation>
    </message>
    <message>
        <source>Bright bands</source>
        <translation>Světlé pruhy</translation>
    </message>
    <message>
        <source>Spacing near the axis (px)</source>
        <translation>Vzdálenost u osy (px)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Běh</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <translation>&amp;Uložit tabulku...</translation>
    </message>
    <message>
        <source>Writes every point of the run as a CSV file for a spreadsheet</source>
        <translation>Zapíše všechny body běhu do souboru CSV pro tabulkový procesor</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <translation>&amp;Kopírovat tabulku</translation>
    </message>
    <message>
        <source>Puts every point of the run on the clipboard, ready to paste into a spreadsheet</source>
        <translation>Vloží všechny body běhu do schránky, připravené k vložení do tabulkového procesoru</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>No run yet: press Start in the main window, and the run&apos;s points appear here as it goes.</source>
        <translation>Zatím žádný běh: stiskněte Start v hlavním okně a body běhu se tu objeví, jak budou přibývat.</translation>
    </message>
    <message>
        <source>The run is going: %1 of %2 points so far.</source>
        <translation>Běh probíhá: zatím %1 z %2 bodů.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points.</source>
        <translation>Běh byl zastaven po %1 z %2 bodů.</translation>
    </message>
    <message>
        <source>Last run: %1. %2</source>
        <extracomment>%1 the last run&apos;s settings in words, %2 how far it went (empty for a whole run).</extracomment>
        <translation>Poslední běh: %1. %2</translation>
    </message>
    <message>
        <source>not plotted yet</source>
        <translation>ještě nevykreslen</translation>
    </message>
    <message>
        <source>no run yet</source>
        <translation>zatím žádný běh</translation>
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
        <translation>%1 z nejvýše %2</translation>
    </message>
    <message>
        <source>photon count %1, dots drawn: %2</source>
        <translation>počet fotonů %1, nakreslené tečky: %2</translation>
    </message>
    <message>
        <source>bar %1 px long</source>
        <translation>sloupec dlouhý %1 px</translation>
    </message>
    <message>
        <source>m = %1, off by %2 λ</source>
        <extracomment>%1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.</extracomment>
        <translation>m = %1, odchylka %2 λ</translation>
    </message>
    <message>
        <source>off the screen</source>
        <translation>mimo stínítko</translation>
    </message>
    <message>
        <source>none: the path difference is the same everywhere</source>
        <translation>žádný: dráhový rozdíl je všude stejný</translation>
    </message>
    <message>
        <source>exact %1, small-angle %2</source>
        <translation>přesně %1, malé úhly %2</translation>
    </message>
    <message>
        <source>Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of at most %4 px</source>
        <translation>Fázor B otočený o %1°, fázor A otočený o %2° nakreslený od jeho konce; jejich zelený součet je dlouhý %3 px z nejvýše %4 px</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>žádná</translation>
    </message>
    <message>
        <source>measured %1; small-angle formula λD/(2d) %2</source>
        <translation>změřeno %1; vzorec pro malé úhly λD/(2d) %2</translation>
    </message>
    <message>
        <source>%1, the last run</source>
        <extracomment>%1 the style of the last run&apos;s line, &quot;solid&quot;.</extracomment>
        <translation>%1, poslední běh</translation>
    </message>
    <message>
        <source>Empty: no run yet.</source>
        <translation>Prázdný: zatím žádný běh.</translation>
    </message>
    <message>
        <source>What the last run plotted against the height above the optical axis, %1 of %2 points, as a solid line scaled to its maximum.</source>
        <translation>Co poslední běh vynesl podle výšky nad optickou osou, %1 z %2 bodů, jako plná čára vztažená k jejímu maximu.</translation>
    </message>
    <message>
        <source>No fringe marks: the path difference is the same everywhere.</source>
        <translation>Žádné značky pruhů: dráhový rozdíl je všude stejný.</translation>
    </message>
    <message>
        <source>The small-angle formula puts the bright bands at %1 px.</source>
        <translation>Vzorec pro malé úhly klade světlé pruhy do %1 px.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run: its settings in words, then the style of its line (&quot;dashed&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kept runs beside it: %1.</source>
        <translation>Ponechané běhy vedle něj: %1.</translation>
    </message>
    <message>
        <source>Selected: point %1, %2 px above the axis.</source>
        <translation>Vybrán: bod %1, %2 px nad osou.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Uložit tabulku jako</translation>
    </message>
    <message>
        <source>interference.csv</source>
        <translation>interference.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <translation>Tabulku se nepodařilo uložit jako „%1“: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A readout&apos;s label: %1 is its name (&quot;Path from slit A&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Bright marks, where the path difference is a whole number of wavelengths, lie on the axis and at %1 px above and below it, dark marks halfway between.</source>
        <translation>Značky světla, kde je dráhový rozdíl celým násobkem vlnové délky, leží na ose a %1 px nad ní a pod ní, značky tmy uprostřed mezi nimi.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <translation>Nápověda k Quarnelu</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; scans the screen from bottom to top, point by point.&lt;/p&gt;&lt;p&gt;For every point the two path lengths from the slits become two &lt;b&gt;phasors&lt;/b&gt;, arrows 25 pixels long turned by the wave number times the path length. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.&lt;/p&gt;&lt;p&gt;Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns Light and Interference) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern Photon density). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what both give together.&lt;/p&gt;&lt;h2&gt;The controls&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Slit spacing&lt;/b&gt;: each slit lies 40 (large), 15 (minor), 10 (middle), 5 (small) or 0 pixels from the optical axis.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Detector-Screen distance&lt;/b&gt;: the screen stands 200 (large), 150 (middle) or 100 (near) pixels behind the barrier.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency&lt;/b&gt;: the wave number, how fast the phase turns along a path: 2 (higher), 0.5 (high), 0.3 (middle) or 0.1 (low) radians per pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pattern&lt;/b&gt;: Light weighs the interference by the distance from each slit; Interference shows the squared length of the phasor sum alone; Photon density draws as many random dots as photons arrive.&lt;/li&gt;&lt;li&gt;The &lt;b&gt;scroll bar&lt;/b&gt; slows the animation down from 1 to 20; each step adds about 1.2 seconds to a run.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab and Shift+Tab go from control to control; the arrow keys choose within a group and move the scroll bar; Space or Enter presses a button.&lt;/li&gt;&lt;li&gt;Escape stops a run. Input made during a run takes effect when the run ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the picture; Ctrl+S saves it as a PNG image.&lt;/li&gt;&lt;li&gt;Ctrl++ and Ctrl+- make the whole window larger and smaller, from 100 to 300 %; Ctrl+0 brings it back to its normal size. F11 fills the screen, and F11 again leaves full screen.&lt;/li&gt;&lt;li&gt;F1 opens this help; the menu key, Shift+F10 or the right mouse button open the picture&apos;s menu.&lt;/li&gt;&lt;li&gt;Ctrl+E opens the Explore window: choose a point of the run with Up, Down, Page Up and Page Down and read its path lengths and phase difference; N and Shift+N go to the next bright and dark point. Keep runs to compare them, and save or copy the run&apos;s table for a spreadsheet.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Co obrázek ukazuje&lt;/h2&gt;&lt;p&gt;Světlo ze &lt;b&gt;zdroje&lt;/b&gt; vlevo prochází &lt;b&gt;clonou&lt;/b&gt; se dvěma štěrbinami, A nad optickou osou a B pod ní, a dopadá na &lt;b&gt;stínítko&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; projde stínítko zdola nahoru, bod po bodu.&lt;/p&gt;&lt;p&gt;Pro každý bod se obě délky drah od štěrbin promění ve dva &lt;b&gt;fázory&lt;/b&gt;, šipky dlouhé 25 pixelů, otočené o vlnové číslo krát délku dráhy. Sčítají se tak, že se začátek druhého připojí ke konci prvního, a jejich součet, nakreslený &lt;b&gt;zeleně&lt;/b&gt;, dává jas: čtyřnásobek druhé mocniny jeho délky. Každý dvacátý bod tuto konstrukci ukazuje: bledé paprsky z obou štěrbin, oba černé fázory a jejich zelený součet.&lt;/p&gt;&lt;p&gt;Vpravo od osy grafu se jas vynáší ve výšce bodu, jako &lt;b&gt;sloupec&lt;/b&gt; (obrazce Světlo a Interference), nebo jako náhodné &lt;b&gt;tečky fotonů&lt;/b&gt; (obrazec Hustota fotonů). Vlevo od osy sledují tři &lt;b&gt;modré značky&lt;/b&gt;, co by dala každá štěrbina sama a co dají obě společně.&lt;/p&gt;&lt;h2&gt;Ovládání&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Rozteč&lt;/b&gt;: každá štěrbina leží 40 (velká), 15 (mírná), 10 (střední), 5 (malá) nebo 0 pixelů od optické osy.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Vzdálenost stínítka&lt;/b&gt;: stínítko stojí 200 (velká), 150 (střední) nebo 100 (blízko) pixelů za clonou.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Kmitočet&lt;/b&gt;: vlnové číslo, jak rychle se fáze otáčí podél dráhy: 2 (vyšší), 0,5 (vysoký), 0,3 (střední) nebo 0,1 (min) radiánu na pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Obrazec&lt;/b&gt;: Světlo váží interferenci vzdáleností od každé štěrbiny; Interference ukazuje jen druhou mocninu délky součtu fázorů; Hustota fotonů kreslí tolik náhodných teček, kolik dopadá fotonů.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Posuvník&lt;/b&gt; zpomaluje animaci od 1 do 20; každý stupeň prodlouží běh asi o 1,2 sekundy.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Klávesy&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab a Shift+Tab přecházejí od prvku k prvku; šipky vybírají ve skupině a posouvají posuvník; mezerník nebo Enter stiskne tlačítko.&lt;/li&gt;&lt;li&gt;Esc zastaví běh. Co zadáte během běhu, se projeví, až běh skončí.&lt;/li&gt;&lt;li&gt;Ctrl+C zkopíruje obrázek; Ctrl+S jej uloží jako obrázek PNG.&lt;/li&gt;&lt;li&gt;Ctrl++ a Ctrl+- celé okno zvětší a zmenší, od 100 do 300 %; Ctrl+0 mu vrátí normální velikost. F11 přepne na celou obrazovku a další F11 celou obrazovku opustí.&lt;/li&gt;&lt;li&gt;F1 otevře tuto nápovědu; klávesa nabídky, Shift+F10 nebo pravé tlačítko myši otevřou nabídku obrázku.&lt;/li&gt;&lt;li&gt;Ctrl+E otevře okno Prozkoumat běh: šipkami nahoru a dolů a klávesami Page Up a Page Down vyberte bod běhu a čtěte délky jeho drah a fázový rozdíl; N a Shift+N přejdou na další světlý a tmavý bod. Běhy si můžete ponechat a porovnat a tabulku běhu uložit nebo zkopírovat pro tabulkový procesor.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>KeptRuns</name>
    <message>
        <source>solid</source>
        <translation>plná</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>čárkovaná</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>tečkovaná</translation>
    </message>
    <message>
        <source>dash-dot</source>
        <translation>čerchovaná</translation>
    </message>
    <message>
        <source>dash-dot-dot</source>
        <translation>dvojčerchovaná</translation>
    </message>
    <message>
        <source>%1, slit spacing %2 (%3 px), distance %4 (%5 px), frequency %6 (k = %7)</source>
        <extracomment>A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the spacing option&apos;s caption and %3 its pixels, %4 the distance option&apos;s caption and %5 its pixels, %6 the frequency option&apos;s caption and %7 the wave number.</extracomment>
        <translation>%1, rozteč štěrbin %2 (%3 px), vzdálenost stínítka %4 (%5 px), kmitočet %6 (k = %7)</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Kopírovat obrázek</translation>
    </message>
    <message>
        <source>&amp;Save picture as...</source>
        <translation>&amp;Uložit obrázek jako...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;About Quarnel</source>
        <translation>&amp;O programu Quarnel</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Uložit obrázek jako</translation>
    </message>
    <message>
        <source>interference.png</source>
        <translation>interference.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Obrázky PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>Obrázek se nepodařilo uložit jako „%1“: %2</translation>
    </message>
    <message>
        <source>About Quarnel</source>
        <translation>O programu Quarnel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows the interference of light behind two slits.&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;Výukový program, který ukazuje interferenci světla za dvěma štěrbinami.&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Zvětšit</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zm&amp;enšit</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Normální velikost</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Na &amp;celou obrazovku</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>&amp;Prozkoumat</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message numerus="yes">
        <source>%n pixel</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixely</numerusform>
            <numerusform>%n pixelů</numerusform>
        </translation>
    </message>
    <message>
        <source>across the optical axis, reaching %1 above and below it</source>
        <translation>přes optickou osu, sahá %1 nad ni i pod ni</translation>
    </message>
    <message>
        <source>across the optical axis, from %1 below to %2 above it</source>
        <translation>přes optickou osu, od %1 pod ní po %2 nad ní</translation>
    </message>
    <message>
        <source>%1 above the optical axis</source>
        <translation>%1 nad optickou osou</translation>
    </message>
    <message>
        <source>%1 below the optical axis</source>
        <translation>%1 pod optickou osou</translation>
    </message>
    <message>
        <source>one %1</source>
        <translation>jeden pruh %1</translation>
    </message>
    <message>
        <source>a pair %1 above and below the optical axis</source>
        <translation>dvojice %1 nad optickou osou a pod ní</translation>
    </message>
    <message>
        <source>pairs %1 and %2 above and below the optical axis</source>
        <translation>dvojice %1 a %2 nad optickou osou a pod ní</translation>
    </message>
    <message>
        <source>%1 pairs above and below the optical axis, the nearest %2 and the farthest %3 from it</source>
        <translation>%1 dvojic nad optickou osou a pod ní, nejbližší %2 a nejvzdálenější %3 od ní</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; a %2</translation>
    </message>
    <message>
        <source>the brightest is level with the source, on the optical axis</source>
        <translation>nejjasnější místo je ve výšce zdroje, na optické ose</translation>
    </message>
    <message>
        <source>the brightest are %1 above and below the optical axis</source>
        <translation>nejjasnější místa jsou %1 nad optickou osou a pod ní</translation>
    </message>
    <message>
        <source>the brightest is %1 above the optical axis</source>
        <translation>nejjasnější místo je %1 nad optickou osou</translation>
    </message>
    <message>
        <source>the brightest is %1 below the optical axis</source>
        <translation>nejjasnější místo je %1 pod optickou osou</translation>
    </message>
    <message>
        <source>%1, in the band across the axis</source>
        <translation>%1, v pruhu přes osu</translation>
    </message>
    <message>
        <source>%1, in the pair of bands whose middles lie %2 above and below it</source>
        <translation>%1, ve dvojici pruhů, jejichž středy leží %2 nad osou a pod ní</translation>
    </message>
    <message>
        <source>%1, in the band %2</source>
        <translation>%1, v pruhu %2</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>Obrazec „%1“</translation>
    </message>
    <message>
        <source>0 (both slits on the optical axis)</source>
        <translation>0 (obě štěrbiny na optické ose)</translation>
    </message>
    <message>
        <source>%1 (each slit %2 from the optical axis)</source>
        <translation>%1 (každá štěrbina %2 od optické osy)</translation>
    </message>
    <message>
        <source>%1 (%2 behind the barrier)</source>
        <translation>%1 (%2 za clonou)</translation>
    </message>
    <message>
        <source>%1 after a run with slit spacing %2, detector-screen distance %3 and frequency %4.</source>
        <translation>%1 po běhu s roztečí štěrbin %2, vzdáleností stínítka %3 a kmitočtem %4.</translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <translation>Graf zůstává tmavý.</translation>
    </message>
    <message>
        <source>The plot shows 1 bright band, %1</source>
        <translation>Graf ukazuje 1 světlý pruh, %1</translation>
    </message>
    <message>
        <source>The plot shows %1 bright bands: %2</source>
        <translation>Graf ukazuje světlé pruhy (%1): %2</translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <translation>Zatím nic nenakresleno: Start nakreslí zdroj světla, clonu se dvěma štěrbinami, stínítko a obrazec.</translation>
    </message>
    <message>
        <source>The run was stopped before its first point.</source>
        <translation>Běh byl zastaven před prvním bodem.</translation>
    </message>
    <message>
        <source>level with the optical axis</source>
        <translation>do výšky optické osy</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.</source>
        <translation>Běh byl zastaven po %1 z %2 bodů: graf sahá zdola až %3.</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <translation>Běh se zastavil: text nastavení „%1“ není číslo.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <translation>Běh se zastavil: text nastavení „%1“ není hodnota jeho ovládacího prvku.</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>point</source>
        <translation>bod</translation>
    </message>
    <message>
        <source>y (px)</source>
        <translation>y (px)</translation>
    </message>
    <message>
        <source>height (px)</source>
        <translation>výška (px)</translation>
    </message>
    <message>
        <source>path A (px)</source>
        <translation>dráha A (px)</translation>
    </message>
    <message>
        <source>path B (px)</source>
        <translation>dráha B (px)</translation>
    </message>
    <message>
        <source>path difference (λ)</source>
        <translation>dráhový rozdíl (λ)</translation>
    </message>
    <message>
        <source>phase difference (°)</source>
        <translation>fázový rozdíl (°)</translation>
    </message>
    <message>
        <source>intensity as computed</source>
        <translation>vypočtená intenzita</translation>
    </message>
    <message>
        <source>plotted</source>
        <extracomment>The plotted value: a bar&apos;s length in pixels, or in photon mode the number of dots.</extracomment>
        <translation>v grafu</translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <translation>velká</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>mírná</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>střední</translation>
    </message>
    <message>
        <source>small</source>
        <translation>malá</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>near</source>
        <translation>blízko</translation>
    </message>
    <message>
        <source>higher</source>
        <translation>vyšší</translation>
    </message>
    <message>
        <source>high</source>
        <translation>vysoký</translation>
    </message>
    <message>
        <source>low</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlo</translation>
    </message>
    <message>
        <source>Interference</source>
        <translation>Interference</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Hustota fotonů</translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <translation>Zpomalení %1 z %2</translation>
    </message>
    <message>
        <source>Interference picture</source>
        <translation>Obrázek interference</translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <translation>Interference a světelný obrazec</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <translation>Projde stínítko bod po bodu se zvoleným nastavením a vykreslí obrazec</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <translation>Zavře Quarnel</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Zpomalení</translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <translation>Zpomalení animace, 1 až 20: při 1 trvá běh asi 1,2 sekundy, při 20 asi 24</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Stiskněte tlačítko Start</translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <translation>Rozteč</translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <translation>Jak daleko leží každá štěrbina od optické osy</translation>
    </message>
    <message>
        <source>Slit spacing large: each slit 40 pixels from the optical axis</source>
        <translation>Rozteč štěrbin velká: každá štěrbina 40 pixelů od optické osy</translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit 15 pixels from the optical axis</source>
        <translation>Rozteč štěrbin mírná: každá štěrbina 15 pixelů od optické osy</translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit 10 pixels from the optical axis</source>
        <translation>Rozteč štěrbin střední: každá štěrbina 10 pixelů od optické osy</translation>
    </message>
    <message>
        <source>Slit spacing small: each slit 5 pixels from the optical axis</source>
        <translation>Rozteč štěrbin malá: každá štěrbina 5 pixelů od optické osy</translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <translation>Rozteč štěrbin 0: obě štěrbiny na optické ose</translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <translation>Vzdálenost stínítka</translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <translation>Jak daleko stojí stínítko za clonou</translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen 200 pixels behind the barrier</source>
        <translation>Vzdálenost stínítka velká: stínítko 200 pixelů za clonou</translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen 150 pixels behind the barrier</source>
        <translation>Vzdálenost stínítka střední: stínítko 150 pixelů za clonou</translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen 100 pixels behind the barrier</source>
        <translation>Vzdálenost stínítka blízko: stínítko 100 pixelů za clonou</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Kmitočet</translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <translation>Vlnové číslo světla: jak rychle se fáze otáčí podél dráhy</translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns 2 radians per pixel of path</source>
        <translation>Kmitočet vyšší: fáze se otočí o 2 radiány na pixel dráhy</translation>
    </message>
    <message>
        <source>Frequency high: the phase turns 0.5 radians per pixel of path</source>
        <translation>Kmitočet vysoký: fáze se otočí o 0,5 radiánu na pixel dráhy</translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns 0.3 radians per pixel of path</source>
        <translation>Kmitočet střední: fáze se otočí o 0,3 radiánu na pixel dráhy</translation>
    </message>
    <message>
        <source>Frequency low: the phase turns 0.1 radians per pixel of path</source>
        <translation>Kmitočet nízký: fáze se otočí o 0,1 radiánu na pixel dráhy</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <translation>Co ukazuje graf vedle stínítka</translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <translation>Obrazec světlo: interference vážená vzdáleností od každé štěrbiny, jako sloupce</translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <translation>Obrazec interference: druhá mocnina délky součtu fázorů, jako sloupce</translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <translation>Obrazec hustota fotonů: v každé výšce tolik náhodných teček, kolik dopadá fotonů</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Clona</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Hustota fotonů</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation>Světelný obrazec</translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <translation>Interferenční obrazec</translation>
    </message>
</context>
</TS>
