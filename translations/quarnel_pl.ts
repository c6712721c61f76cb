<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>ExplorePlot</name>
    <message>
        <source>height above the optical axis (px)</source>
        <translation>wysokość nad osią optyczną (px)</translation>
    </message>
    <message>
        <source>intensity, each run to its own maximum</source>
        <translation>natężenie, każdy przebieg względem własnego maksimum</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Explore a run</source>
        <translation>Zbadaj przebieg</translation>
    </message>
    <message>
        <source>&amp;Point:</source>
        <translation>&amp;Punkt:</translation>
    </message>
    <message>
        <source>Selected point</source>
        <translation>Wybrany punkt</translation>
    </message>
    <message>
        <source>The point of the screen line, 1 at the bottom to %1 at the top; Page Up and Page Down move %2 points</source>
        <translation>Punkt na ekranie, od 1 na dole do %1 na górze; Page Up i Page Down przesuwają o %2 punktów</translation>
    </message>
    <message>
        <source>Point on the screen line</source>
        <translation>Punkt na ekranie</translation>
    </message>
    <message>
        <source>Next bright point (%1)</source>
        <extracomment>%1 is the key, &quot;N&quot;.</extracomment>
        <translation>Następny jasny punkt (%1)</translation>
    </message>
    <message>
        <source>Next dark point (%1)</source>
        <extracomment>%1 is the key, &quot;Shift+N&quot; in the desktop&apos;s words.</extracomment>
        <translation>Następny ciemny punkt (%1)</translation>
    </message>
    <message>
        <source>Intensity against height</source>
        <translation>Natężenie w zależności od wysokości</translation>
    </message>
    <message>
        <source>Show the &amp;small-angle formula&apos;s marks (dashed)</source>
        <translation>Pokaż znaczniki wzoru dla &amp;małych kątów (kreskowane)</translation>
    </message>
    <message>
        <source>Solid: bright, where the path difference is a whole number of wavelengths. Dotted: dark, where it is a whole number and a half. Dashed: where the small-angle formula y = m·λ·D/(2d) puts them.</source>
        <translation>Linia ciągła: jasno, gdzie różnica dróg jest całkowitą wielokrotnością długości fali. Kropkowana: ciemno, gdzie jest to wielokrotność całkowita i połowa. Kreskowana: gdzie umieszcza je wzór dla małych kątów y = m·λ·D/(2d).</translation>
    </message>
    <message>
        <source>Height above the optical axis</source>
        <translation>Wysokość nad osią optyczną</translation>
    </message>
    <message>
        <source>How far the point lies above the optical axis, in pixels; below it negative</source>
        <translation>Jak wysoko punkt leży nad osią optyczną, w pikselach; poniżej niej ujemnie</translation>
    </message>
    <message>
        <source>Wavelength λ = 2π/k</source>
        <translation>Długość fali λ = 2π/k</translation>
    </message>
    <message>
        <source>The wavelength of the run&apos;s light, from its wave number k</source>
        <translation>Długość fali światła w tym przebiegu, z jego liczby falowej k</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <translation>Droga od szczeliny A</translation>
    </message>
    <message>
        <source>From the middle of slit A to the point, in pixels and in wavelengths</source>
        <translation>Od środka szczeliny A do punktu, w pikselach i w długościach fali</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <translation>Droga od szczeliny B</translation>
    </message>
    <message>
        <source>From the middle of slit B to the point, in pixels and in wavelengths</source>
        <translation>Od środka szczeliny B do punktu, w pikselach i w długościach fali</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <translation>Różnica dróg B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in wavelengths and pixels</source>
        <translation>O ile dłuższa jest droga od szczeliny B, w długościach fali i w pikselach</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <translation>Różnica faz</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in degrees, and in whole turns and the rest</source>
        <translation>O ile dalej obrócony jest wskaz B niż wskaz A, w stopniach oraz w pełnych obrotach i reszcie</translation>
    </message>
    <message>
        <source>Intensity as computed</source>
        <translation>Natężenie obliczone</translation>
    </message>
    <message>
        <source>Four times the squared length of the phasor sum, before the pattern scales it</source>
        <translation>Czterokrotność kwadratu długości sumy wskazów, zanim obraz ją przeskaluje</translation>
    </message>
    <message>
        <source>Intensity as plotted</source>
        <translation>Natężenie na wykresie</translation>
    </message>
    <message>
        <source>What the plot drew at this height: the bar&apos;s length, or the photons</source>
        <translation>Co wykres narysował na tej wysokości: długość słupka albo fotony</translation>
    </message>
    <message>
        <source>Nearest whole order</source>
        <translation>Najbliższy rząd całkowity</translation>
    </message>
    <message>
        <source>The whole number of wavelengths m nearest the path difference, and how far the difference is from it</source>
        <translation>Całkowita liczba długości fali m najbliższa różnicy dróg i jak daleko od niej jest ta różnica</translation>
    </message>
    <message>
        <source>Bright band of this order</source>
        <translation>Jasny prążek tego rzędu</translation>
    </message>
    <message>
        <source>Where the path difference is exactly m wavelengths, and where the small-angle formula puts it</source>
        <translation>Gdzie różnica dróg wynosi dokładnie m długości fali i gdzie umieszcza ją wzór dla małych kątów</translation>
    </message>
    <message>
        <source>Phasors of the selected point</source>
        <translation>Wskazy wybranego punktu</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Prążki</translation>
    </message>
    <message>
        <source>Band spacing near the axis</source>
        <translation>Odstęp prążków przy osi</translation>
    </message>
    <message>
        <source>The distance between neighbouring bright bands near the optical axis, measured on the run, beside what the small-angle formula λD/(2d) gives</source>
        <translation>Odległość sąsiednich jasnych prążków przy osi optycznej, zmierzona w przebiegu, obok wartości ze wzoru dla małych kątów λD/(2d)</translation>
    </message>
    <message>
        <source>Bright bands, exact and by the small-angle formula</source>
        <translation>Jasne prążki, dokładnie i według wzoru dla małych kątów</translation>
    </message>
    <message>
        <source>Order m</source>
        <translation>Rząd m</translation>
    </message>
    <message>
        <source>Exact (px)</source>
        <translation>Dokładnie (px)</translation>
    </message>
    <message>
        <source>Small-angle (px)</source>
        <translation>Małe kąty (px)</translation>
    </message>
    <message>
        <source>Small-angle less exact (px)</source>
        <translation>Małe kąty minus dokładnie (px)</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <translation>Przebiegi obok siebie</translation>
    </message>
    <message>
        <source>&amp;Keep this run</source>
        <translation>Za&amp;chowaj ten przebieg</translation>
    </message>
    <message>
        <source>Keeps the last run to compare with the next ones; up to %1, the oldest giving way to a fifth</source>
        <translation>Zachowuje ostatni przebieg do porównania z następnymi; najwyżej %1, piąty zastępuje najstarszy</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>Bright bands</source>
        <translation>Jasne prążki</translation>
    </message>
    <message>
        <source>Spacing near the axis (px)</source>
        <translation>Odstęp przy osi (px)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Przebieg</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <translation>&amp;Zapisz tabelę...</translation>
    </message>
    <message>
        <source>Writes every point of the run as a CSV file for a spreadsheet</source>
        <translation>Zapisuje wszystkie punkty przebiegu do pliku CSV dla arkusza kalkulacyjnego</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <translation>&amp;Kopiuj tabelę</translation>
    </message>
    <message>
        <source>Puts every point of the run on the clipboard, ready to paste into a spreadsheet</source>
        <translation>Kopiuje wszystkie punkty przebiegu do schowka, gotowe do wklejenia w arkuszu kalkulacyjnym</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No run yet: press Start in the main window, and the run&apos;s points appear here as it goes.</source>
        <translation>Jeszcze nie było przebiegu: naciśnij Start w głównym oknie, a punkty przebiegu pojawią się tu w miarę jego postępu.</translation>
    </message>
    <message>
        <source>The run is going: %1 of %2 points so far.</source>
        <translation>Przebieg trwa: dotąd %1 z %2 punktów.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points.</source>
        <translation>Przebieg zatrzymano po %1 z %2 punktów.</translation>
    </message>
    <message>
        <source>Last run: %1. %2</source>
        <extracomment>%1 the last run&apos;s settings in words, %2 how far it went (empty for a whole run).</extracomment>
        <translation>Ostatni przebieg: %1. %2</translation>
    </message>
    <message>
        <source>not plotted yet</source>
        <translation>jeszcze nie na wykresie</translation>
    </message>
    <message>
        <source>no run yet</source>
        <translation>jeszcze bez przebiegu</translation>
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
        <translation>%1 z najwyżej %2</translation>
    </message>
    <message>
        <source>photon count %1, dots drawn: %2</source>
        <translation>liczba fotonów %1, narysowane kropki: %2</translation>
    </message>
    <message>
        <source>bar %1 px long</source>
        <translation>słupek długości %1 px</translation>
    </message>
    <message>
        <source>m = %1, off by %2 λ</source>
        <extracomment>%1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.</extracomment>
        <translation>m = %1, odchylenie %2 λ</translation>
    </message>
    <message>
        <source>off the screen</source>
        <translation>poza ekranem</translation>
    </message>
    <message>
        <source>none: the path difference is the same everywhere</source>
        <translation>brak: różnica dróg jest wszędzie taka sama</translation>
    </message>
    <message>
        <source>exact %1, small-angle %2</source>
        <translation>dokładnie %1, małe kąty %2</translation>
    </message>
    <message>
        <source>Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of at most %4 px</source>
        <translation>Wskaz B obrócony o %1°, wskaz A obrócony o %2° narysowany od jego końca; ich zielona suma ma długość %3 px z najwyżej %4 px</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>measured %1; small-angle formula λD/(2d) %2</source>
        <translation>zmierzony %1; wzór dla małych kątów λD/(2d) %2</translation>
    </message>
    <message>
        <source>%1, the last run</source>
        <extracomment>%1 the style of the last run&apos;s line, &quot;solid&quot;.</extracomment>
        <translation>%1, ostatni przebieg</translation>
    </message>
    <message>
        <source>Empty: no run yet.</source>
        <translation>Pusty: jeszcze nie było przebiegu.</translation>
    </message>
    <message>
        <source>What the last run plotted against the height above the optical axis, %1 of %2 points, as a solid line scaled to its maximum.</source>
        <translation>Co ostatni przebieg naniósł w zależności od wysokości nad osią optyczną, %1 z %2 punktów, jako linia ciągła odniesiona do jej maksimum.</translation>
    </message>
    <message>
        <source>No fringe marks: the path difference is the same everywhere.</source>
        <translation>Brak znaczników prążków: różnica dróg jest wszędzie taka sama.</translation>
    </message>
    <message>
        <source>The small-angle formula puts the bright bands at %1 px.</source>
        <translation>Wzór dla małych kątów umieszcza jasne prążki w odległości %1 px.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run: its settings in words, then the style of its line (&quot;dashed&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kept runs beside it: %1.</source>
        <translation>Zachowane przebiegi obok niego: %1.</translation>
    </message>
    <message>
        <source>Selected: point %1, %2 px above the axis.</source>
        <translation>Wybrany: punkt %1, %2 px nad osią.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <translation>Zapisz tabelę jako</translation>
    </message>
    <message>
        <source>interference.csv</source>
        <translation>interferencja.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <translation>Nie udało się zapisać tabeli jako „%1”: %2</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A readout&apos;s label: %1 is its name (&quot;Path from slit A&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Bright marks, where the path difference is a whole number of wavelengths, lie on the axis and at %1 px above and below it, dark marks halfway between.</source>
        <translation>Znaczniki jasności, gdzie różnica dróg jest całkowitą wielokrotnością długości fali, leżą na osi oraz %1 px nad nią i pod nią, znaczniki ciemności w połowie między nimi.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <translation>Pomoc programu Quarnel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;What the picture shows&lt;/h2&gt;&lt;p&gt;Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; scans the screen from bottom to top, point by point.&lt;/p&gt;&lt;p&gt;For every point the two path lengths from the slits become two &lt;b&gt;phasors&lt;/b&gt;, arrows 25 pixels long turned by the wave number times the path length. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.&lt;/p&gt;&lt;p&gt;Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns Light and Interference) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern Photon density). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what both give together.&lt;/p&gt;&lt;h2&gt;The controls&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Slit spacing&lt;/b&gt;: each slit lies 40 (large), 15 (minor), 10 (middle), 5 (small) or 0 pixels from the optical axis.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Detector-Screen distance&lt;/b&gt;: the screen stands 200 (large), 150 (middle) or 100 (near) pixels behind the barrier.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency&lt;/b&gt;: the wave number, how fast the phase turns along a path: 2 (higher), 0.5 (high), 0.3 (middle) or 0.1 (low) radians per pixel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pattern&lt;/b&gt;: Light weighs the interference by the distance from each slit; Interference shows the squared length of the phasor sum alone; Photon density draws as many random dots as photons arrive.&lt;/li&gt;&lt;li&gt;The &lt;b&gt;scroll bar&lt;/b&gt; slows the animation down from 1 to 20; each step adds about 1.2 seconds to a run.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Keys&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab and Shift+Tab go from control to control; the arrow keys choose within a group and move the scroll bar; Space or Enter presses a button.&lt;/li&gt;&lt;li&gt;Escape stops a run. Input made during a run takes effect when the run ends.&lt;/li&gt;&lt;li&gt;Ctrl+C copies the picture; Ctrl+S saves it as a PNG image.&lt;/li&gt;&lt;li&gt;Ctrl++ and Ctrl+- make the whole window larger and smaller, from 100 to 300 %; Ctrl+0 brings it back to its normal size. F11 fills the screen, and F11 again leaves full screen.&lt;/li&gt;&lt;li&gt;F1 opens this help; the menu key, Shift+F10 or the right mouse button open the picture&apos;s menu.&lt;/li&gt;&lt;li&gt;Ctrl+E opens the Explore window: choose a point of the run with Up, Down, Page Up and Page Down and read its path lengths and phase difference; N and Shift+N go to the next bright and dark point. Keep runs to compare them, and save or copy the run&apos;s table for a spreadsheet.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Co pokazuje obraz&lt;/h2&gt;&lt;p&gt;Światło ze &lt;b&gt;źródła&lt;/b&gt; po lewej przechodzi przez &lt;b&gt;przesłonę&lt;/b&gt; z dwiema szczelinami, A nad osią optyczną i B pod nią, i pada na &lt;b&gt;ekran&lt;/b&gt;. &lt;b&gt;Start&lt;/b&gt; przechodzi ekran od dołu do góry, punkt po punkcie.&lt;/p&gt;&lt;p&gt;Dla każdego punktu dwie długości dróg od szczelin stają się dwoma &lt;b&gt;wskazami&lt;/b&gt;, strzałkami o długości 25 pikseli, obróconymi o liczbę falową razy długość drogi. Dodaje się je, przykładając początek drugiego do końca pierwszego, a ich suma, rysowana na &lt;b&gt;zielono&lt;/b&gt;, daje jasność: czterokrotność kwadratu jej długości. Co dwudziesty punkt pokazuje tę konstrukcję: blade promienie z obu szczelin, oba czarne wskazy i ich zieloną sumę.&lt;/p&gt;&lt;p&gt;Na prawo od osi wykresu jasność jest rysowana na wysokości punktu, jako &lt;b&gt;słupek&lt;/b&gt; (obrazy Światło i Interferencja) lub jako losowe &lt;b&gt;kropki fotonów&lt;/b&gt; (obraz Fotony). Na lewo od osi trzy &lt;b&gt;niebieskie znaczniki&lt;/b&gt; pokazują, co dałaby każda szczelina osobno i co dają obie razem.&lt;/p&gt;&lt;h2&gt;Elementy sterujące&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Odstęp&lt;/b&gt;: każda szczelina leży 40 (duży), 15 (spory), 10 (średni), 5 (mały) lub 0 pikseli od osi optycznej.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Odległość ekranu&lt;/b&gt;: ekran stoi 200 (duży), 150 (średni) lub 100 (blisko) pikseli za przesłoną.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Częstotliwość&lt;/b&gt;: liczba falowa, czyli jak szybko faza obraca się wzdłuż drogi: 2 (wyższa), 0,5 (wysoka), 0,3 (średni) lub 0,1 (min) radiana na piksel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Obraz&lt;/b&gt;: Światło to interferencja ważona odległością od każdej szczeliny; Interferencja pokazuje sam kwadrat długości sumy wskazów; Fotony rysują tyle losowych kropek, ile dociera fotonów.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pasek przewijania&lt;/b&gt; spowalnia animację od 1 do 20; każdy stopień wydłuża przebieg o około 1,2 sekundy.&lt;/li&gt;&lt;/ul&gt;&lt;h2&gt;Klawisze&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;Tab i Shift+Tab przechodzą od kontrolki do kontrolki; klawisze strzałek wybierają w obrębie grupy i przesuwają pasek przewijania; spacja lub Enter naciska przycisk.&lt;/li&gt;&lt;li&gt;Esc zatrzymuje przebieg. Dane wprowadzone w trakcie przebiegu zadziałają, gdy przebieg się skończy.&lt;/li&gt;&lt;li&gt;Ctrl+C kopiuje obraz; Ctrl+S zapisuje go jako obraz PNG.&lt;/li&gt;&lt;li&gt;Ctrl++ i Ctrl+- powiększają i pomniejszają całe okno, od 100 do 300%; Ctrl+0 przywraca jego normalny rozmiar. F11 przełącza na pełny ekran, a ponowne F11 go opuszcza.&lt;/li&gt;&lt;li&gt;F1 otwiera tę pomoc; klawisz menu, Shift+F10 lub prawy przycisk myszy otwierają menu obrazu.&lt;/li&gt;&lt;li&gt;Ctrl+E otwiera okno Zbadaj przebieg: strzałkami w górę i w dół oraz klawiszami Page Up i Page Down wybierz punkt przebiegu i odczytaj długości jego dróg i różnicę faz; N i Shift+N przechodzą do następnego jasnego i ciemnego punktu. Przebiegi można zachować, by je porównać, a tabelę przebiegu zapisać lub skopiować do arkusza kalkulacyjnego.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>KeptRuns</name>
    <message>
        <source>solid</source>
        <translation>ciągła</translation>
    </message>
    <message>
        <source>dashed</source>
        <translation>kreskowana</translation>
    </message>
    <message>
        <source>dotted</source>
        <translation>kropkowana</translation>
    </message>
    <message>
        <source>dash-dot</source>
        <translation>kreska-kropka</translation>
    </message>
    <message>
        <source>dash-dot-dot</source>
        <translation>kreska-dwie kropki</translation>
    </message>
    <message>
        <source>%1, slit spacing %2 (%3 px), distance %4 (%5 px), frequency %6 (k = %7)</source>
        <extracomment>A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the spacing option&apos;s caption and %3 its pixels, %4 the distance option&apos;s caption and %5 its pixels, %6 the frequency option&apos;s caption and %7 the wave number.</extracomment>
        <translation>%1, odstęp szczelin: %2 (%3 px), odległość ekranu: %4 (%5 px), częstotliwość: %6 (k = %7)</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Kopiuj obraz</translation>
    </message>
    <message>
        <source>&amp;Save picture as...</source>
        <translation>&amp;Zapisz obraz jako...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;About Quarnel</source>
        <translation>&amp;O programie Quarnel</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Zapisz obraz jako</translation>
    </message>
    <message>
        <source>interference.png</source>
        <translation>interferencja.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>Nie udało się zapisać obrazu jako „%1”: %2</translation>
    </message>
    <message>
        <source>About Quarnel</source>
        <translation>O programie Quarnel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows the interference of light behind two slits.&lt;/p&gt;&lt;p&gt;Licence: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quarnel %1&lt;/h3&gt;&lt;p&gt;Program dydaktyczny, który pokazuje interferencję światła za dwiema szczelinami.&lt;/p&gt;&lt;p&gt;Licencja: MIT&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Po&amp;większ</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Normalny rozmiar</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>Z&amp;badaj</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message numerus="yes">
        <source>%n pixel</source>
        <translation>
            <numerusform>%n piksel</numerusform>
            <numerusform>%n piksel</numerusform>
            <numerusform>%n piksel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <translation>
            <numerusform>%n piksel</numerusform>
            <numerusform>%n piksele</numerusform>
            <numerusform>%n pikseli</numerusform>
        </translation>
    </message>
    <message>
        <source>across the optical axis, reaching %1 above and below it</source>
        <translation>w poprzek osi optycznej, sięga %1 nad nią i pod nią</translation>
    </message>
    <message>
        <source>across the optical axis, from %1 below to %2 above it</source>
        <translation>w poprzek osi optycznej, od %1 pod nią do %2 nad nią</translation>
    </message>
    <message>
        <source>%1 above the optical axis</source>
        <translation>%1 nad osią optyczną</translation>
    </message>
    <message>
        <source>%1 below the optical axis</source>
        <translation>%1 pod osią optyczną</translation>
    </message>
    <message>
        <source>one %1</source>
        <translation>jeden prążek %1</translation>
    </message>
    <message>
        <source>a pair %1 above and below the optical axis</source>
        <translation>para %1 nad osią optyczną i pod nią</translation>
    </message>
    <message>
        <source>pairs %1 and %2 above and below the optical axis</source>
        <translation>pary %1 i %2 nad osią optyczną i pod nią</translation>
    </message>
    <message>
        <source>%1 pairs above and below the optical axis, the nearest %2 and the farthest %3 from it</source>
        <translation>pary nad osią optyczną i pod nią (%1), najbliższa %2, a najdalsza %3 od niej</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; oraz %2</translation>
    </message>
    <message>
        <source>the brightest is level with the source, on the optical axis</source>
        <translation>najjaśniejsze miejsce jest na wysokości źródła, na osi optycznej</translation>
    </message>
    <message>
        <source>the brightest are %1 above and below the optical axis</source>
        <translation>najjaśniejsze miejsca są %1 nad osią optyczną i pod nią</translation>
    </message>
    <message>
        <source>the brightest is %1 above the optical axis</source>
        <translation>najjaśniejsze miejsce jest %1 nad osią optyczną</translation>
    </message>
    <message>
        <source>the brightest is %1 below the optical axis</source>
        <translation>najjaśniejsze miejsce jest %1 pod osią optyczną</translation>
    </message>
    <message>
        <source>%1, in the band across the axis</source>
        <translation>%1, w prążku w poprzek osi</translation>
    </message>
    <message>
        <source>%1, in the pair of bands whose middles lie %2 above and below it</source>
        <translation>%1, w parze prążków, których środki leżą %2 nad osią i pod nią</translation>
    </message>
    <message>
        <source>%1, in the band %2</source>
        <translation>%1, w prążku %2</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>Obraz „%1”</translation>
    </message>
    <message>
        <source>0 (both slits on the optical axis)</source>
        <translation>0 (obie szczeliny na osi optycznej)</translation>
    </message>
    <message>
        <source>%1 (each slit %2 from the optical axis)</source>
        <translation>%1 (każda szczelina %2 od osi optycznej)</translation>
    </message>
    <message>
        <source>%1 (%2 behind the barrier)</source>
        <translation>%1 (%2 za przesłoną)</translation>
    </message>
    <message>
        <source>%1 after a run with slit spacing %2, detector-screen distance %3 and frequency %4.</source>
        <translation>%1 po przebiegu z odstępem szczelin %2, odległością ekranu %3 i częstotliwością %4.</translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <translation>Wykres pozostaje ciemny.</translation>
    </message>
    <message>
        <source>The plot shows 1 bright band, %1</source>
        <translation>Wykres pokazuje 1 jasny prążek, %1</translation>
    </message>
    <message>
        <source>The plot shows %1 bright bands: %2</source>
        <translation>Wykres pokazuje jasne prążki (%1): %2</translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <translation>Jeszcze nic nie narysowano: Start rysuje źródło światła, przesłonę z dwiema szczelinami, ekran i obraz.</translation>
    </message>
    <message>
        <source>The run was stopped before its first point.</source>
        <translation>Przebieg zatrzymano przed pierwszym punktem.</translation>
    </message>
    <message>
        <source>level with the optical axis</source>
        <translation>do wysokości osi optycznej</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.</source>
        <translation>Przebieg zatrzymano po %1 z %2 punktów: wykres sięga od dołu aż %3.</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <translation>Przebieg zatrzymany: tekst ustawienia „%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <translation>Przebieg zatrzymany: tekst ustawienia „%1” nie jest wartością jego kontrolki.</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>point</source>
        <translation>punkt</translation>
    </message>
    <message>
        <source>y (px)</source>
        <translation>y (px)</translation>
    </message>
    <message>
        <source>height (px)</source>
        <translation>wysokość (px)</translation>
    </message>
    <message>
        <source>path A (px)</source>
        <translation>droga A (px)</translation>
    </message>
    <message>
        <source>path B (px)</source>
        <translation>droga B (px)</translation>
    </message>
    <message>
        <source>path difference (λ)</source>
        <translation>różnica dróg (λ)</translation>
    </message>
    <message>
        <source>phase difference (°)</source>
        <translation>różnica faz (°)</translation>
    </message>
    <message>
        <source>intensity as computed</source>
        <translation>obliczone natężenie</translation>
    </message>
    <message>
        <source>plotted</source>
        <extracomment>The plotted value: a bar&apos;s length in pixels, or in photon mode the number of dots.</extracomment>
        <translation>na wykresie</translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <translation>duży</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>spory</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>średni</translation>
    </message>
    <message>
        <source>small</source>
        <translation>mały</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>near</source>
        <translation>blisko</translation>
    </message>
    <message>
        <source>higher</source>
        <translation>wyższa</translation>
    </message>
    <message>
        <source>high</source>
        <translation>wysoka</translation>
    </message>
    <message>
        <source>low</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Światło</translation>
    </message>
    <message>
        <source>Interference</source>
        <translation>Interferencja</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Fotony</translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <translation>Spowolnienie %1 z %2</translation>
    </message>
    <message>
        <source>Interference picture</source>
        <translation>Obraz interferencji</translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <translation>Interferencja i obraz światła</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <translation>Przechodzi ekran punkt po punkcie z wybranymi ustawieniami i rysuje obraz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <translation>Zamyka Quarnel</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation>Spowolnienie</translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <translation>Spowolnienie animacji, od 1 do 20: przy 1 przebieg trwa około 1,2 sekundy, przy 20 około 24</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Naciśnij przycisk Start</translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <translation>Odstęp</translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <translation>Jak daleko każda szczelina leży od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing large: each slit 40 pixels from the optical axis</source>
        <translation>Odstęp szczelin duży: każda szczelina 40 pikseli od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit 15 pixels from the optical axis</source>
        <translation>Odstęp szczelin spory: każda szczelina 15 pikseli od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit 10 pixels from the optical axis</source>
        <translation>Odstęp szczelin średni: każda szczelina 10 pikseli od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing small: each slit 5 pixels from the optical axis</source>
        <translation>Odstęp szczelin mały: każda szczelina 5 pikseli od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <translation>Odstęp szczelin 0: obie szczeliny na osi optycznej</translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <translation>Odległość ekranu</translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <translation>Jak daleko za przesłoną stoi ekran</translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen 200 pixels behind the barrier</source>
        <translation>Odległość ekranu duża: ekran 200 pikseli za przesłoną</translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen 150 pixels behind the barrier</source>
        <translation>Odległość ekranu średnia: ekran 150 pikseli za przesłoną</translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen 100 pixels behind the barrier</source>
        <translation>Odległość ekranu blisko: ekran 100 pikseli za przesłoną</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <translation>Liczba falowa światła: jak szybko faza obraca się wzdłuż drogi</translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns 2 radians per pixel of path</source>
        <translation>Częstotliwość wyższa: faza obraca się o 2 radiany na piksel drogi</translation>
    </message>
    <message>
        <source>Frequency high: the phase turns 0.5 radians per pixel of path</source>
        <translation>Częstotliwość wysoka: faza obraca się o 0,5 radiana na piksel drogi</translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns 0.3 radians per pixel of path</source>
        <translation>Częstotliwość średnia: faza obraca się o 0,3 radiana na piksel drogi</translation>
    </message>
    <message>
        <source>Frequency low: the phase turns 0.1 radians per pixel of path</source>
        <translation>Częstotliwość niska: faza obraca się o 0,1 radiana na piksel drogi</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <translation>Co pokazuje wykres obok ekranu</translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <translation>Obraz światło: interferencja ważona odległością od każdej szczeliny, jako słupki</translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <translation>Obraz interferencja: kwadrat długości sumy wskazów, jako słupki</translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <translation>Obraz gęstość fotonów: na każdej wysokości tyle losowych kropek, ile dociera fotonów</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bariera</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation>Gęstość fotonów</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation>Obraz światła</translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <translation>Obraz interferencyjny</translation>
    </message>
</context>
</TS>
