<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <translation>Pomocník programu Quarnel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; scans the screen from bottom to top, point by point.&lt;/p&gt;&lt;p&gt;For every point the two path lengths from the slits become two &lt;b&gt;phasors&lt;/b&gt;, arrows 25 pixels long turned by the wave number times the path length. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.&lt;/p&gt;&lt;p&gt;Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns Light and Interference) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern Photon density). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what both give together.&lt;/p&gt;&lt;h2&gt;The controls&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Slit spacing&lt;/b&gt;: each slit lies 40 (large), 15 (minor), 10 (middle), 5 (small) or 0 pixels from the optical axis.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Detector-Screen distance&lt;/b&gt;: the screen stands 200 (large), 150 (middle) or 100 (near) pixels behind the barrier.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency&lt;/b&gt;: the wave number, how fast the phase turns along a path: 2 (higher), 0.5 (high), 0.3 (middle) or 0.1 (low) radians per pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pattern&lt;/b&gt;: Light weighs the interference by the distance from each slit; Interference shows the squared length of the phasor sum alone; Photon density draws as many random dots as photons arrive.&lt;/li&gt;&lt;li&gt;The &lt;b&gt;scroll bar&lt;/b&gt; slows the animation down from 1 to 20; each step adds about 1.2 seconds to a run.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab and Shift+Tab go from control to control; the arrow keys choose within a group and move the scroll bar; Space or Enter presses a button.&lt;/li&gt;&lt;li&gt;Escape stops a run. Input made during a run takes effect when the run ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the picture; Ctrl+S saves it as a PNG image.&lt;/li&gt;&lt;li&gt;Ctrl++ and Ctrl+- make the whole window larger and smaller, from 100 to 300 %; Ctrl+0 brings it back to its normal size. F11 fills the screen, and F11 again leaves full screen.&lt;/li&gt;&lt;li&gt;F1 opens this help; the menu key, Shift+F10 or the right mouse button open the picture&apos;s menu.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Čo obrázok ukazuje&lt;/h2&gt;&lt;p&gt;Svetlo zo &lt;b&gt;zdroja&lt;/b&gt; vľavo prechádza &lt;b&gt;clonou&lt;/b&gt; s dvoma štrbinami, A nad optickou osou a B pod ňou, a dopadá na &lt;b&gt;tienidlo&lt;/b&gt;. &lt;b&gt;Štart&lt;/b&gt; prejde tienidlo zdola nahor, bod po bode.&lt;/p&gt;&lt;p&gt;Pre každý bod sa obe dĺžky dráh od štrbín premenia na dva &lt;b&gt;fázory&lt;/b&gt;, šípky dlhé 25 pixelov, otočené o vlnové číslo krát dĺžku dráhy. Sčítajú sa tak, že sa začiatok druhého pripojí ku koncu prvého, a ich súčet, nakreslený &lt;b&gt;zelenou&lt;/b&gt;, dáva jas: štvornásobok druhej mocniny jeho dĺžky. Každý dvadsiaty bod ukazuje túto konštrukciu: bledé lúče z oboch štrbín, oba čierne fázory a ich zelený súčet.&lt;/p&gt;&lt;p&gt;Vpravo od osi grafu sa jas vynáša vo výške bodu, ako &lt;b&gt;stĺpec&lt;/b&gt; (obrazce Svetlo a Interferencia), alebo ako náhodné &lt;b&gt;bodky fotónov&lt;/b&gt; (obrazec Hustota fotónov). Vľavo od osi sledujú tri &lt;b&gt;modré značky&lt;/b&gt;, čo by dala každá štrbina sama a čo dajú obe spolu.&lt;/p&gt;&lt;h2&gt;Ovládanie&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Štrbiny&lt;/b&gt;: každá štrbina leží 40 (veľká), 15 (užšia), 10 (stredná), 5 (malá) alebo 0 pixelov od optickej osi.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Vzdialenosť tienidla&lt;/b&gt;: tienidlo stojí 200 (veľká), 150 (stredná) alebo 100 (blízko) pixelov za clonou.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frekvencia&lt;/b&gt;: vlnové číslo, ako rýchlo sa fáza otáča pozdĺž dráhy: 2 (vyššia), 0,5 (vysoká), 0,3 (stredná) alebo 0,1 (min) radiánu na pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Obrazec&lt;/b&gt;: Svetlo váži interferenciu vzdialenosťou od každej štrbiny; Interferencia ukazuje len druhú mocninu dĺžky súčtu fázorov; Hustota fotónov kreslí toľko náhodných bodiek, koľko dopadá fotónov.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Posuvník&lt;/b&gt; spomaľuje animáciu od 1 do 20; každý stupeň predĺži beh asi o 1,2 sekundy.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Klávesy&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab a Shift+Tab prechádzajú od prvku k prvku; šípky vyberajú v skupine a posúvajú posuvník; medzerník alebo Enter stlačí tlačidlo.&lt;/li&gt;&lt;li&gt;Esc zastaví beh. Čo zadáte počas behu, sa prejaví, keď beh skončí.&lt;/li&gt;&lt;li&gt;Ctrl+C skopíruje obrázok; Ctrl+S ho uloží ako obrázok PNG.&lt;/li&gt;&lt;li&gt;Ctrl++ a Ctrl+- celé okno zväčšia a zmenšia, od 100 do 300 %; Ctrl+0 mu vráti normálnu veľkosť. F11 prepne na celú obrazovku a ďalšie F11 celú obrazovku opustí.&lt;/li&gt;&lt;li&gt;F1 otvorí tohto pomocníka; kláves ponuky, Shift+F10 alebo pravé tlačidlo myši otvoria ponuku obrázka.&lt;/li&gt;&lt;/ul&gt;</translation>
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
