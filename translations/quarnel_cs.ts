<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <translation>Nápověda k Quarnelu</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; scans the screen from bottom to top, point by point.&lt;/p&gt;&lt;p&gt;For every point the two path lengths from the slits become two &lt;b&gt;phasors&lt;/b&gt;, arrows 25 pixels long turned by the wave number times the path length. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.&lt;/p&gt;&lt;p&gt;Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns Light and Interference) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern Photon density). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what both give together.&lt;/p&gt;&lt;h2&gt;The controls&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Slit spacing&lt;/b&gt;: each slit lies 40 (large), 15 (minor), 10 (middle), 5 (small) or 0 pixels from the optical axis.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Detector-Screen distance&lt;/b&gt;: the screen stands 200 (large), 150 (middle) or 100 (near) pixels behind the barrier.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency&lt;/b&gt;: the wave number, how fast the phase turns along a path: 2 (higher), 0.5 (high), 0.3 (middle) or 0.1 (low) radians per pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pattern&lt;/b&gt;: Light weighs the interference by the distance from each slit; Interference shows the squared length of the phasor sum alone; Photon density draws as many random dots as photons arrive.&lt;/li&gt;&lt;li&gt;The &lt;b&gt;scroll bar&lt;/b&gt; slows the animation down from 1 to 20; each step adds about 1.2 seconds to a run.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab and Shift+Tab go from control to control; the arrow keys choose within a group and move the scroll bar; Space or Enter presses a button.&lt;/li&gt;&lt;li&gt;Escape stops a run. Input made during a run takes effect when the run ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the picture; Ctrl+S saves it as a PNG image.&lt;/li&gt;&lt;li&gt;Ctrl++ and Ctrl+- make the whole window larger and smaller, from 100 to 300 %; Ctrl+0 brings it back to its normal size. F11 fills the screen, and F11 again leaves full screen.&lt;/li&gt;&lt;li&gt;F1 opens this help; the menu key, Shift+F10 or the right mouse button open the picture&apos;s menu.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Co obrázek ukazuje&lt;/h2&gt;&lt;p&gt;Světlo ze &lt;b&gt;zdroje&lt;/b&gt; vlevo prochází &lt;b&gt;clonou&lt;/b&gt; se dvěma štěrbinami, A nad optickou osou a B pod ní, a dopadá na &lt;b&gt;stínítko&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; projde stínítko zdola nahoru, bod po bodu.&lt;/p&gt;&lt;p&gt;Pro každý bod se obě délky drah od štěrbin promění ve dva &lt;b&gt;fázory&lt;/b&gt;, šipky dlouhé 25 pixelů, otočené o vlnové číslo krát délku dráhy. Sčítají se tak, že se začátek druhého připojí ke konci prvního, a jejich součet, nakreslený &lt;b&gt;zeleně&lt;/b&gt;, dává jas: čtyřnásobek druhé mocniny jeho délky. Každý dvacátý bod tuto konstrukci ukazuje: bledé paprsky z obou štěrbin, oba černé fázory a jejich zelený součet.&lt;/p&gt;&lt;p&gt;Vpravo od osy grafu se jas vynáší ve výšce bodu, jako &lt;b&gt;sloupec&lt;/b&gt; (obrazce Světlo a Interference), nebo jako náhodné &lt;b&gt;tečky fotonů&lt;/b&gt; (obrazec Hustota fotonů). Vlevo od osy sledují tři &lt;b&gt;modré značky&lt;/b&gt;, co by dala každá štěrbina sama a co dají obě společně.&lt;/p&gt;&lt;h2&gt;Ovládání&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Rozteč&lt;/b&gt;: každá štěrbina leží 40 (velká), 15 (mírná), 10 (střední), 5 (malá) nebo 0 pixelů od optické osy.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Vzdálenost stínítka&lt;/b&gt;: stínítko stojí 200 (velká), 150 (střední) nebo 100 (blízko) pixelů za clonou.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Kmitočet&lt;/b&gt;: vlnové číslo, jak rychle se fáze otáčí podél dráhy: 2 (vyšší), 0,5 (vysoký), 0,3 (střední) nebo 0,1 (min) radiánu na pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Obrazec&lt;/b&gt;: Světlo váží interferenci vzdáleností od každé štěrbiny; Interference ukazuje jen druhou mocninu délky součtu fázorů; Hustota fotonů kreslí tolik náhodných teček, kolik dopadá fotonů.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Posuvník&lt;/b&gt; zpomaluje animaci od 1 do 20; každý stupeň prodlouží běh asi o 1,2 sekundy.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Klávesy&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab a Shift+Tab přecházejí od prvku k prvku; šipky vybírají ve skupině a posouvají posuvník; mezerník nebo Enter stiskne tlačítko.&lt;/li&gt;&lt;li&gt;Esc zastaví běh. Co zadáte během běhu, se projeví, až běh skončí.&lt;/li&gt;&lt;li&gt;Ctrl+C zkopíruje obrázek; Ctrl+S jej uloží jako obrázek PNG.&lt;/li&gt;&lt;li&gt;Ctrl++ a Ctrl+- celé okno zvětší a zmenší, od 100 do 300 %; Ctrl+0 mu vrátí normální velikost. F11 přepne na celou obrazovku a další F11 celou obrazovku opustí.&lt;/li&gt;&lt;li&gt;F1 otevře tuto nápovědu; klávesa nabídky, Shift+F10 nebo pravé tlačítko myši otevřou nabídku obrázku.&lt;/li&gt;&lt;/ul&gt;</translation>
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
