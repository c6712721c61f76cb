<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>ExplorePlot</name>
    <message>
        <source>height above the optical axis (px)</source>
        <translation>výška nad optickou osou (px)</translation>
    </message>
    <message>
        <source>intensity, each run to its own maximum</source>
        <translation>intenzita, každý beh vzhľadom na svoje maximum</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Explore a run</source>
        <translation>Preskúmať beh</translation>
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
        <translation>Bod na tienidle, od 1 dole po %1 hore; Page Up a Page Down posunú o %2 bodov</translation>
    </message>
    <message>
        <source>Point on the screen line</source>
        <translation>Bod na tienidle</translation>
    </message>
    <message>
        <source>Next bright point (%1)</source>
        <extracomment>%1 is the key, &quot;N&quot;.</extracomment>
        <translation>Ďalší svetlý bod (%1)</translation>
    </message>
    <message>
        <source>Next dark point (%1)</source>
        <extracomment>%1 is the key, &quot;Shift+N&quot; in the desktop&apos;s words.</extracomment>
        <translation>Ďalší tmavý bod (%1)</translation>
    </message>
    <message>
        <source>Intensity against height</source>
        <translation>Intenzita podľa výšky</translation>
    </message>
    <message>
        <source>Show the &amp;small-angle formula&apos;s marks (dashed)</source>
        <translation>Zobraziť značky vzorca pre &amp;malé uhly (čiarkovane)</translation>
    </message>
    <message>
        <source>Solid: bright, where the path difference is a whole number of wavelengths. Dotted: dark, where it is a whole number and a half. Dashed: where the small-angle formula y = m·λ·D/(2d) puts them.</source>
        <translation>Plná čiara: svetlo, kde je dráhový rozdiel celým násobkom vlnovej dĺžky. Bodkovaná: tma, kde je to celý násobok a polovica. Čiarkovaná: kam ich kladie vzorec pre malé uhly y = m·λ·D/(2d).</translation>
    </message>
    <message>
        <source>Height above the optical axis</source>
        <translation>Výška nad optickou osou</translation>
    </message>
    <message>
        <source>How far the point lies above the optical axis, in pixels; below it negative</source>
        <translation>Ako vysoko bod leží nad optickou osou, v pixeloch; pod ňou záporne</translation>
    </message>
    <message>
        <source>Wavelength λ = 2π/k</source>
        <translation>Vlnová dĺžka λ = 2π/k</translation>
    </message>
    <message>
        <source>The wavelength of the run&apos;s light, from its wave number k</source>
        <translation>Vlnová dĺžka svetla v tomto behu, z jeho vlnového čísla k</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <translation>Dráha od štrbiny A</translation>
    </message>
    <message>
        <source>From the middle of slit A to the point, in pixels and in wavelengths</source>
        <translation>Od stredu štrbiny A k bodu, v pixeloch a vo vlnových dĺžkach</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <translation>Dráha od štrbiny B</translation>
    </message>
    <message>
        <source>From the middle of slit B to the point, in pixels and in wavelengths</source>
        <translation>Od stredu štrbiny B k bodu, v pixeloch a vo vlnových dĺžkach</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <translation>Dráhový rozdiel B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in wavelengths and pixels</source>
        <translation>O koľko je dráha od štrbiny B dlhšia, vo vlnových dĺžkach a v pixeloch</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <translation>Fázový rozdiel</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in degrees, and in whole turns and the rest</source>
        <translation>O koľko viac je otočený fázor B ako fázor A, v stupňoch, a v celých otáčkach a zvyšku</translation>
    </message>
    <message>
        <source>Intensity as computed</source>
        <translation>Intenzita vypočítaná</translation>
    </message>
    <message>
        <source>Four times the squared length of the phasor sum, before the pattern scales it</source>
        <translation>Štvornásobok druhej mocniny dĺžky súčtu fázorov, skôr než ju obrazec prepočíta</translation>
    </message>
    <message>
        <source>Intensity as plotted</source>
        <translation>Intenzita v grafe</translation>
    </message>
    <message>
        <source>What the plot drew at this height: the bar&apos;s length, or the photons</source>
        <translation>Čo graf v tejto výške nakreslil: dĺžku stĺpca alebo fotóny</translation>
    </message>
    <message>
        <source>Nearest whole order</source>
        <translation>Najbližší celý rád</translation>
    </message>
    <message>
        <source>The whole number of wavelengths m nearest the path difference, and how far the difference is from it</source>
        <translation>Celý počet vlnových dĺžok m najbližší dráhovému rozdielu a ako ďaleko od neho rozdiel je</translation>
    </message>
    <message>
        <source>Bright band of this order</source>
        <translation>Svetlý pás tohto rádu</translation>
    </message>
    <message>
        <source>Where the path difference is exactly m wavelengths, and where the small-angle formula puts it</source>
        <translation>Kde je dráhový rozdiel presne m vlnových dĺžok a kam ho kladie vzorec pre malé uhly</translation>
    </message>
    <message>
        <source>Phasors of the selected point</source>
        <translation>Fázory vybraného bodu</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Pásy</translation>
    </message>
    <message>
        <source>Band spacing near the axis</source>
        <translation>Vzdialenosť pásov pri osi</translation>
    </message>
    <message>
        <source>The distance between neighbouring bright bands near the optical axis, measured on the run, beside what the small-angle formula λD/(2d) gives</source>
        <translation>Vzdialenosť susedných svetlých pásov pri optickej osi, zmeraná na behu, vedľa hodnoty zo vzorca pre malé uhly λD/(2d)</translation>
    </message>
    <message>
        <source>Bright bands, exact and by the small-angle formula</source>
        <translation>Svetlé pásy, presne a podľa vzorca pre malé uhly</translation>
    </message>
    <message>
        <source>Order m</source>
        <translation>Rád m</translation>
    </message>
    <message>
        <source>Exact (px)</source>
        <translation>Presne (px)</translation>
    </message>
    <message>
        <source>Small-angle (px)</source>
        <translation>Malé uhly (px)</translation>
    </message>
    <message>
        <source>Small-angle less exact (px)</source>
        <translation>Malé uhly mínus presne (px)</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <translation>Behy vedľa seba</translation>
    </message>
    <message>
        <source>&amp;Keep this run</source>
        <translation>&amp;Ponechať tento beh</translation>
    </message>
    <message>
        <source>Keeps the last run to compare with the next ones; up to %1, the oldest giving way to a fifth</source>
        <translation>Ponechá posledný beh na porovnanie s ďalšími; najviac %1, piaty nahradí najstarší</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Čiara</translation>
    </message>
    <message>
        <source>Bright bands</source>
        <translation>Svetlé pásy</translation>
    </message>
    <message>
        <source>Spacing near the axis (px)</source>
        <translation>Vzdialenosť pri osi (px)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Beh</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <translation>&amp;Uložiť tabuľku...</translation>
    </message>
    <message>
        <source>Writes every point of the run as a CSV file for a spreadsheet</source>
        <translation>Zapíše všetky body behu do súboru CSV pre tabuľkový procesor</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <translation>&amp;Kopírovať tabuľku</translation>
    </message>
    <message>
        <source>Puts every point of the run on the clipboard, ready to paste into a spreadsheet</source>
        <translation>Vloží všetky body behu do schránky, pripravené na vloženie do tabuľkového procesora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>No run yet: press Start in the main window, and the run&apos;s points appear here as it goes.</source>
        <translation>Zatiaľ žiadny beh: stlačte Štart v hlavnom okne a body behu sa tu objavia, ako budú pribúdať.</translation>
    </message>
    <message>
        <source>The run is going: %1 of %2 points so far.</source>
        <translation>Beh prebieha: zatiaľ %1 z %2 bodov.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points.</source>
        <translation>Beh bol zastavený po %1 z %2 bodov.</translation>
    </message>
    <message>
        <source>Last run: %1. %2</source>
        <extracomment>%1 the last run&apos;s settings in words, %2 how far it went (empty for a whole run).</extracomment>
        <translation>Posledný beh: %1. %2</translation>
    </message>
    <message>
        <source>not plotted yet</source>
        <translation>ešte nevykreslený</translation>
    </message>
    <message>
        <source>no run yet</source>
        <translation>zatiaľ žiadny beh</translation>
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
        <translation>%1 z najviac %2</translation>
    </message>
    <message>
        <source>photon count %1, dots drawn: %2</source>
        <translation>počet fotónov %1, nakreslené bodky: %2</translation>
    </message>
    <message>
        <source>bar %1 px long</source>
        <translation>stĺpec dlhý %1 px</translation>
    </message>
    <message>
        <source>m = %1, off by %2 λ</source>
        <extracomment>%1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.</extracomment>
        <translation>m = %1, odchýlka %2 λ</translation>
    </message>
    <message>
        <source>off the screen</source>
        <translation>mimo tienidla</translation>
    </message>
    <message>
        <source>none: the path difference is the same everywhere</source>
        <translation>žiadny: dráhový rozdiel je všade rovnaký</translation>
    </message>
    <message>
        <source>exact %1, small-angle %2</source>
        <translation>presne %1, malé uhly %2</translation>
    </message>
    <message>
        <source>Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of at most %4 px</source>
        <translation>Fázor B otočený o %1°, fázor A otočený o %2° nakreslený od jeho konca; ich zelený súčet je dlhý %3 px z najviac %4 px</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>žiadna</translation>
    </message>
    <message>
        <source>measured %1; small-angle formula λD/(2d) %2</source>
        <translation>zmerané %1; vzorec pre malé uhly λD/(2d) %2</translation>
    </message>
    <message>
        <source>%1, the last run</source>
        <extracomment>%1 the style of the last run&apos;s line, &quot;solid&quot;.</extracomment>
        <translation>%1, posledný beh</translation>
    </message>
    <message>
        <source>Empty: no run yet.</source>
        <translation>Prázdny: zatiaľ žiadny beh.</translation>
    </message>
    <message>
        <source>What the last run plotted against the height above the optical axis, %1 of %2 points, as a solid line scaled to its maximum.</source>
        <translation>Čo posledný beh vyniesol podľa výšky nad optickou osou, %1 z %2 bodov, ako plná čiara vzťahovaná na jej maximum.</translation>
    </message>
    <message>
        <source>No fringe marks: the path difference is the same everywhere.</source>
        <translation>Žiadne značky pásov: dráhový rozdiel je všade rovnaký.</translation>
    </message>
    <message>
        <source>The small-angle formula puts the bright bands at %1 px.</source>
        <translation>Vzorec pre malé uhly kladie svetlé pásy do %1 px.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run: its settings in words, then the style of its line (&quot;dashed&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kept runs beside it: %1.</source>
        <translation>Ponechané behy vedľa neho: %1.</translation>
    </message>
    <message>
        <source>Selected: point %1, %2 px above the axis.</source>
        <translation>Vybraný: bod %1, %2 px nad osou.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Uložiť tabuľku ako</translation>
    </message>
    <message>
        <source>interference.csv</source>
        <translation>interferencia.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Súbory CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <translation>Tabuľku sa nepodarilo uložiť ako „%1“: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A readout&apos;s label: %1 is its name (&quot;Path from slit A&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Bright marks, where the path difference is a whole number of wavelengths, lie on the axis and at %1 px above and below it, dark marks halfway between.</source>
        <translation>Značky svetla, kde je dráhový rozdiel celým násobkom vlnovej dĺžky, ležia na osi a %1 px nad ňou a pod ňou, značky tmy v strede medzi nimi.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <translation>Pomocník programu Quarnel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; scans the screen from bottom to top, point by point.&lt;/p&gt;&lt;p&gt;For every point the two path lengths from the slits become two &lt;b&gt;phasors&lt;/b&gt;, arrows 25 pixels long turned by the wave number times the path length. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.&lt;/p&gt;&lt;p&gt;Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns Light and Interference) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern Photon density). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what both give together.&lt;/p&gt;&lt;h2&gt;The controls&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Slit spacing&lt;/b&gt;: each slit lies 40 (large), 15 (minor), 10 (middle), 5 (small) or 0 pixels from the optical axis.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Detector-Screen distance&lt;/b&gt;: the screen stands 200 (large), 150 (middle) or 100 (near) pixels behind the barrier.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency&lt;/b&gt;: the wave number, how fast the phase turns along a path: 2 (higher), 0.5 (high), 0.3 (middle) or 0.1 (low) radians per pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pattern&lt;/b&gt;: Light weighs the interference by the distance from each slit; Interference shows the squared length of the phasor sum alone; Photon density draws as many random dots as photons arrive.&lt;/li&gt;&lt;li&gt;The &lt;b&gt;scroll bar&lt;/b&gt; slows the animation down from 1 to 20; each step adds about 1.2 seconds to a run.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab and Shift+Tab go from control to control; the arrow keys choose within a group and move the scroll bar; Space or Enter presses a button.&lt;/li&gt;&lt;li&gt;Escape stops a run. Input made during a run takes effect when the run ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the picture; Ctrl+S saves it as a PNG image.&lt;/li&gt;&lt;li&gt;Ctrl++ and Ctrl+- make the whole window larger and smaller, from 100 to 300 %; Ctrl+0 brings it back to its normal size. F11 fills the screen, and F11 again leaves full screen.&lt;/li&gt;&lt;li&gt;F1 opens this help; the menu key, Shift+F10 or the right mouse button open the picture&apos;s menu.&lt;/li&gt;&lt;li&gt;Ctrl+E opens the Explore window: choose a point of the run with Up, Down, Page Up and Page Down and read its path lengths and phase difference; N and Shift+N go to the next bright and dark point. Keep runs to compare them, and save or copy the run&apos;s table for a spreadsheet.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Čo obrázok ukazuje&lt;/h2&gt;&lt;p&gt;Svetlo zo &lt;b&gt;zdroja&lt;/b&gt; vľavo prechádza &lt;b&gt;clonou&lt;/b&gt; s dvoma štrbinami, A nad optickou osou a B pod ňou, a dopadá na &lt;b&gt;tienidlo&lt;/b&gt;. &lt;b&gt;Štart&lt;/b&gt; prejde tienidlo zdola nahor, bod po bode.&lt;/p&gt;&lt;p&gt;Pre každý bod sa obe dĺžky dráh od štrbín premenia na dva &lt;b&gt;fázory&lt;/b&gt;, šípky dlhé 25 pixelov, otočené o vlnové číslo krát dĺžku dráhy. Sčítajú sa tak, že sa začiatok druhého pripojí ku koncu prvého, a ich súčet, nakreslený &lt;b&gt;zelenou&lt;/b&gt;, dáva jas: štvornásobok druhej mocniny jeho dĺžky. Každý dvadsiaty bod ukazuje túto konštrukciu: bledé lúče z oboch štrbín, oba čierne fázory a ich zelený súčet.&lt;/p&gt;&lt;p&gt;Vpravo od osi grafu sa jas vynáša vo výške bodu, ako &lt;b&gt;stĺpec&lt;/b&gt; (obrazce Svetlo a Interferencia), alebo ako náhodné &lt;b&gt;bodky fotónov&lt;/b&gt; (obrazec Hustota fotónov). Vľavo od osi sledujú tri &lt;b&gt;modré značky&lt;/b&gt;, čo by dala každá štrbina sama a čo dajú obe spolu.&lt;/p&gt;&lt;h2&gt;Ovládanie&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Štrbiny&lt;/b&gt;: každá štrbina leží 40 (veľká), 15 (užšia), 10 (stredná), 5 (malá) alebo 0 pixelov od optickej osi.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Vzdialenosť tienidla&lt;/b&gt;: tienidlo stojí 200 (veľká), 150 (stredná) alebo 100 (blízko) pixelov za clonou.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frekvencia&lt;/b&gt;: vlnové číslo, ako rýchlo sa fáza otáča pozdĺž dráhy: 2 (vyššia), 0,5 (vysoká), 0,3 (stredná) alebo 0,1 (min) radiánu na pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Obrazec&lt;/b&gt;: Svetlo váži interferenciu vzdialenosťou od každej štrbiny; Interferencia ukazuje len druhú mocninu dĺžky súčtu fázorov; Hustota fotónov kreslí toľko náhodných bodiek, koľko dopadá fotónov.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Posuvník&lt;/b&gt; spomaľuje animáciu od 1 do 20; každý stupeň predĺži beh asi o 1,2 sekundy.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Klávesy&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab a Shift+Tab prechádzajú od prvku k prvku; šípky vyberajú v skupine a posúvajú posuvník; medzerník alebo Enter stlačí tlačidlo.&lt;/li&gt;&lt;li&gt;Esc zastaví beh. Čo zadáte počas behu, sa prejaví, keď beh skončí.&lt;/li&gt;&lt;li&gt;Ctrl+C skopíruje obrázok; Ctrl+S ho uloží ako obrázok PNG.&lt;/li&gt;&lt;li&gt;Ctrl++ a Ctrl+- celé okno zväčšia a zmenšia, od 100 do 300 %; Ctrl+0 mu vráti normálnu veľkosť. F11 prepne na celú obrazovku a ďalšie F11 celú obrazovku opustí.&lt;/li&gt;&lt;li&gt;F1 otvorí tohto pomocníka; kláves ponuky, Shift+F10 alebo pravé tlačidlo myši otvoria ponuku obrázka.&lt;/li&gt;&lt;li&gt;Ctrl+E otvorí okno Preskúmať beh: šípkami hore a dole a klávesmi Page Up a Page Down vyberte bod behu a čítajte dĺžky jeho dráh a fázový rozdiel; N a Shift+N prejdú na ďalší svetlý a tmavý bod. Behy si môžete ponechať a porovnať a tabuľku behu uložiť alebo skopírovať pre tabuľkový procesor.&lt;/li&gt;&lt;/ul&gt;</translation>
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
        <translation>čiarkovaná</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>bodkovaná</translation>
    </message>
    <message>
        <source>dash-dot</source>
        <translation>čiarka-bodka</translation>
    </message>
    <message>
        <source>dash-dot-dot</source>
        <translation>čiarka-dve bodky</translation>
    </message>
    <message>
        <source>%1, slit spacing %2 (%3 px), distance %4 (%5 px), frequency %6 (k = %7)</source>
        <extracomment>A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the spacing option&apos;s caption and %3 its pixels, %4 the distance option&apos;s caption and %5 its pixels, %6 the frequency option&apos;s caption and %7 the wave number.</extracomment>
        <translation>%1, vzdialenosť štrbín %2 (%3 px), vzdialenosť tienidla %4 (%5 px), frekvencia %6 (k = %7)</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Kopírovať obrázok</translation>
    </message>
    <message>
        <source>&amp;Save picture as...</source>
        <translation>&amp;Uložiť obrázok ako...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>&amp;About Quarnel</source>
        <translation>&amp;O programe Quarnel</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrázok</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Uložiť obrázok ako</translation>
    </message>
    <message>
        <source>interference.png</source>
        <translation>interferencia.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Obrázky PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>Obrázok sa nepodarilo uložiť ako „%1“: %2</translation>
    </message>
    <message>
        <source>About Quarnel</source>
        <translation>O programe Quarnel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows the interference of light behind two slits.&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;Výučbový program, ktorý ukazuje interferenciu svetla za dvoma štrbinami.&lt;/p&gt;&lt;p&gt;Licencia: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Zväčšiť</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zm&amp;enšiť</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Normálna veľkosť</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Na &amp;celú obrazovku</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>P&amp;reskúmať</translation>
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
            <numerusform>%n pixelov</numerusform>
        </translation>
    </message>
    <message>
        <source>across the optical axis, reaching %1 above and below it</source>
        <translation>cez optickú os, siaha %1 nad ňu aj pod ňu</translation>
    </message>
    <message>
        <source>across the optical axis, from %1 below to %2 above it</source>
        <translation>cez optickú os, od %1 pod ňou po %2 nad ňou</translation>
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
        <translation>jeden pás %1</translation>
    </message>
    <message>
        <source>a pair %1 above and below the optical axis</source>
        <translation>dvojica %1 nad optickou osou a pod ňou</translation>
    </message>
    <message>
        <source>pairs %1 and %2 above and below the optical axis</source>
        <translation>dvojice %1 a %2 nad optickou osou a pod ňou</translation>
    </message>
    <message>
        <source>%1 pairs above and below the optical axis, the nearest %2 and the farthest %3 from it</source>
        <translation>dvojice nad optickou osou a pod ňou (%1), najbližšia %2 a najvzdialenejšia %3 od nej</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; a %2</translation>
    </message>
    <message>
        <source>the brightest is level with the source, on the optical axis</source>
        <translation>najjasnejšie miesto je vo výške zdroja, na optickej osi</translation>
    </message>
    <message>
        <source>the brightest are %1 above and below the optical axis</source>
        <translation>najjasnejšie miesta sú %1 nad optickou osou a pod ňou</translation>
    </message>
    <message>
        <source>the brightest is %1 above the optical axis</source>
        <translation>najjasnejšie miesto je %1 nad optickou osou</translation>
    </message>
    <message>
        <source>the brightest is %1 below the optical axis</source>
        <translation>najjasnejšie miesto je %1 pod optickou osou</translation>
    </message>
    <message>
        <source>%1, in the band across the axis</source>
        <translation>%1, v páse cez os</translation>
    </message>
    <message>
        <source>%1, in the pair of bands whose middles lie %2 above and below it</source>
        <translation>%1, v dvojici pásov, ktorých stredy ležia %2 nad osou a pod ňou</translation>
    </message>
    <message>
        <source>%1, in the band %2</source>
        <translation>%1, v páse %2</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>Obrazec „%1“</translation>
    </message>
    <message>
        <source>0 (both slits on the optical axis)</source>
        <translation>0 (obe štrbiny na optickej osi)</translation>
    </message>
    <message>
        <source>%1 (each slit %2 from the optical axis)</source>
        <translation>%1 (každá štrbina %2 od optickej osi)</translation>
    </message>
    <message>
        <source>%1 (%2 behind the barrier)</source>
        <translation>%1 (%2 za clonou)</translation>
    </message>
    <message>
        <source>%1 after a run with slit spacing %2, detector-screen distance %3 and frequency %4.</source>
        <translation>%1 po behu so vzdialenosťou štrbín %2, vzdialenosťou tienidla %3 a frekvenciou %4.</translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <translation>Graf zostáva tmavý.</translation>
    </message>
    <message>
        <source>The plot shows 1 bright band, %1</source>
        <translation>Graf ukazuje 1 svetlý pás, %1</translation>
    </message>
    <message>
        <source>The plot shows %1 bright bands: %2</source>
        <translation>Graf ukazuje svetlé pásy (%1): %2</translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <translation>Zatiaľ nič nenakreslené: Štart nakreslí zdroj svetla, clonu s dvoma štrbinami, tienidlo a obrazec.</translation>
    </message>
    <message>
        <source>The run was stopped before its first point.</source>
        <translation>Beh bol zastavený pred prvým bodom.</translation>
    </message>
    <message>
        <source>level with the optical axis</source>
        <translation>do výšky optickej osi</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.</source>
        <translation>Beh bol zastavený po %1 z %2 bodov: graf siaha zdola až %3.</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <translation>Beh sa zastavil: text nastavenia „%1“ nie je číslo.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <translation>Beh sa zastavil: text nastavenia „%1“ nie je hodnota jeho ovládacieho prvku.</translation>
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
        <translation>dráhový rozdiel (λ)</translation>
    </message>
    <message>
        <source>phase difference (°)</source>
        <translation>fázový rozdiel (°)</translation>
    </message>
    <message>
        <source>intensity as computed</source>
        <translation>vypočítaná intenzita</translation>
    </message>
    <message>
        <source>plotted</source>
        <extracomment>The plotted value: a bar&apos;s length in pixels, or in photon mode the number of dots.</extracomment>
        <translation>v grafe</translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <translation>veľká</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>užšia</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>stredná</translation>
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
        <translation>vyššia</translation>
    </message>
    <message>
        <source>high</source>
        <translation>vysoká</translation>
    </message>
    <message>
        <source>low</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetlo</translation>
    </message>
    <message>
        <source>Interference</source>
        <translation>Interferencia</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Hustota fotónov</translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <translation>Spomalenie %1 z %2</translation>
    </message>
    <message>
        <source>Interference picture</source>
        <translation>Obrázok interferencie</translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <translation>Interferencia a svetelný obrazec</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Štart</translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <translation>Prejde tienidlo bod po bode so zvoleným nastavením a vykreslí obrazec</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <translation>Zavrie Quarnel</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Spomalenie</translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <translation>Spomalenie animácie, 1 až 20: pri 1 trvá beh asi 1,2 sekundy, pri 20 asi 24</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Stlačte tlačidlo Štart</translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <translation>Štrbiny</translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <translation>Ako ďaleko leží každá štrbina od optickej osi</translation>
    </message>
    <message>
        <source>Slit spacing large: each slit 40 pixels from the optical axis</source>
        <translation>Vzdialenosť štrbín veľká: každá štrbina 40 pixelov od optickej osi</translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit 15 pixels from the optical axis</source>
        <translation>Vzdialenosť štrbín užšia: každá štrbina 15 pixelov od optickej osi</translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit 10 pixels from the optical axis</source>
        <translation>Vzdialenosť štrbín stredná: každá štrbina 10 pixelov od optickej osi</translation>
    </message>
    <message>
        <source>Slit spacing small: each slit 5 pixels from the optical axis</source>
        <translation>Vzdialenosť štrbín malá: každá štrbina 5 pixelov od optickej osi</translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <translation>Vzdialenosť štrbín 0: obe štrbiny na optickej osi</translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <translation>Vzdialenosť tienidla</translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <translation>Ako ďaleko stojí tienidlo za clonou</translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen 200 pixels behind the barrier</source>
        <translation>Vzdialenosť tienidla veľká: tienidlo 200 pixelov za clonou</translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen 150 pixels behind the barrier</source>
        <translation>Vzdialenosť tienidla stredná: tienidlo 150 pixelov za clonou</translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen 100 pixels behind the barrier</source>
        <translation>Vzdialenosť tienidla blízko: tienidlo 100 pixelov za clonou</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekvencia</translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <translation>Vlnové číslo svetla: ako rýchlo sa fáza otáča pozdĺž dráhy</translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns 2 radians per pixel of path</source>
        <translation>Frekvencia vyššia: fáza sa otočí o 2 radiány na pixel dráhy</translation>
    </message>
    <message>
        <source>Frequency high: the phase turns 0.5 radians per pixel of path</source>
        <translation>Frekvencia vysoká: fáza sa otočí o 0,5 radiánu na pixel dráhy</translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns 0.3 radians per pixel of path</source>
        <translation>Frekvencia stredná: fáza sa otočí o 0,3 radiánu na pixel dráhy</translation>
    </message>
    <message>
        <source>Frequency low: the phase turns 0.1 radians per pixel of path</source>
        <translation>Frekvencia nízka: fáza sa otočí o 0,1 radiánu na pixel dráhy</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Obrazec</translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <translation>Čo ukazuje graf vedľa tienidla</translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <translation>Obrazec svetlo: interferencia vážená vzdialenosťou od každej štrbiny, ako stĺpce</translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <translation>Obrazec interferencia: druhá mocnina dĺžky súčtu fázorov, ako stĺpce</translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <translation>Obrazec hustota fotónov: v každej výške toľko náhodných bodiek, koľko dopadá fotónov</translation>
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
        <translation>Hustota fotónov</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation>Svetelný obrazec</translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <translation>Interferenčný obrazec</translation>
    </message>
</context>
</TS>
