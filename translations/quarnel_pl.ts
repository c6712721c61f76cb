<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>translator-credits</source>
        <extracomment>Not shown as it is. Write the names of the people who translated Quarnel into your language, separated by commas: About lists them beside your language&apos;s name.</extracomment>
        <translation>Twórcy programu Quarnel</translation>
    </message>
    <message>
        <source>About Quarnel</source>
        <extracomment>The title of the About window.</extracomment>
        <translation>O programie Quarnel</translation>
    </message>
    <message>
        <source>A teaching program that shows the interference of light behind two slits.</source>
        <extracomment>About&apos;s one sentence on what Quarnel is.</extracomment>
        <translation>Program dydaktyczny, który pokazuje interferencję światła za dwiema szczelinami.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;%1&quot;&gt;MIT licence&lt;/a&gt;.</source>
        <extracomment>Keep the link as it is: clicking &quot;MIT licence&quot; shows the licence&apos;s text (which stays in English, as the licence is written).</extracomment>
        <translation>Wolne oprogramowanie na &lt;a href=&quot;%1&quot;&gt;licencji MIT&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Home page: %1</source>
        <extracomment>%1 is the address of Quarnel&apos;s home page, as a link.</extracomment>
        <translation>Strona domowa: %1</translation>
    </message>
    <message>
        <source>Report bugs at: %1</source>
        <extracomment>%1 is the address where bugs are reported, as a link.</extracomment>
        <translation>Zgłaszanie błędów: %1</translation>
    </message>
    <message>
        <source>Translations</source>
        <extracomment>The heading of About&apos;s list of languages, each with the names of its translators.</extracomment>
        <translation>Tłumaczenia</translation>
    </message>
    <message>
        <source>Runs on Qt %1</source>
        <extracomment>%1 is the version of the Qt libraries Quarnel runs on, such as 6.4.2.</extracomment>
        <translation>Działa na Qt %1</translation>
    </message>
    <message>
        <source>language-name</source>
        <extracomment>Not shown as it is. Write your language&apos;s name in your language, as About lists it with the names of its translators: for example Čeština, Deutsch.</extracomment>
        <translation>Polski</translation>
    </message>
</context>
<context>
    <name>Decimals</name>
    <message>
        <source>%1 pixels</source>
        <comment>after decimals</comment>
        <extracomment>A length as a screen reader speaks it, after a number with decimals (&quot;12.5 pixels&quot;); %1 the number.</extracomment>
        <translation>%1 piksela</translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <extracomment>A length in whole pixels as a screen reader speaks it; give every plural form your language has (2 pixely, 5 pixelů).</extracomment>
        <translation>
            <numerusform>%n piksel</numerusform>
            <numerusform>%n piksele</numerusform>
            <numerusform>%n pikseli</numerusform>
        </translation>
    </message>
    <message>
        <source>radians per pixel</source>
        <extracomment>The unit &quot;rad/px&quot; of the wave number k as a screen reader speaks it.</extracomment>
        <translation>radiana na piksel</translation>
    </message>
    <message numerus="yes">
        <source>%n pixel</source>
        <extracomment>One pixel as a screen reader speaks it (%n is 1); give every plural form your language has.</extracomment>
        <translation>
            <numerusform>%n piksel</numerusform>
            <numerusform>%n piksel</numerusform>
            <numerusform>%n piksel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExplorePlot</name>
    <message>
        <source>height above the optical axis (px)</source>
        <extracomment>The plot&apos;s vertical axis title: the height above the optical axis, in pixels.</extracomment>
        <translation>wysokość nad osią optyczną (px)</translation>
    </message>
    <message>
        <source>intensity, each run to its own maximum</source>
        <extracomment>The plot&apos;s horizontal axis title: each run&apos;s intensity is scaled so that its own largest value fills the width.</extracomment>
        <translation>natężenie, każdy przebieg względem własnego maksimum</translation>
    </message>
</context>
<context>
    <name>ExploreWindow</name>
    <message>
        <source>Explore a run</source>
        <extracomment>The title of the window that inspects the last run point by point (Ctrl+E).</extracomment>
        <translation>Zbadaj przebieg</translation>
    </message>
    <message>
        <source>&amp;Point:</source>
        <extracomment>The label of the box that selects one of the screen line&apos;s 399 points; &amp; marks the access key.</extracomment>
        <translation>&amp;Punkt:</translation>
    </message>
    <message>
        <source>Selected point</source>
        <extracomment>The accessible name of the point box, and the title of the group of readouts for that point.</extracomment>
        <translation>Wybrany punkt</translation>
    </message>
    <message>
        <source>The point of the screen line, 1 at the bottom to %1 at the top; Page Up and Page Down move %2 points</source>
        <extracomment>The point box, for a screen reader: %1 is the number of points (399), %2 how many points Page Up and Page Down move.</extracomment>
        <translation>Punkt na ekranie, od 1 na dole do %1 na górze; Page Up i Page Down przesuwają o %2 punktów</translation>
    </message>
    <message>
        <source>Point on the screen line</source>
        <extracomment>The accessible name of the slider that selects the same point as the point box.</extracomment>
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
        <extracomment>The accessible name of the plot: the run&apos;s intensity drawn against the height above the optical axis.</extracomment>
        <translation>Natężenie w zależności od wysokości</translation>
    </message>
    <message>
        <source>Band spacing near the axis</source>
        <extracomment>A readout: the distance between neighbouring bright bands near the optical axis.</extracomment>
        <translation>Odstęp prążków przy osi</translation>
    </message>
    <message>
        <source>Runs side by side</source>
        <extracomment>The title (and accessible name of the table) of the runs kept to compare with each other.</extracomment>
        <translation>Przebiegi obok siebie</translation>
    </message>
    <message>
        <source>&amp;Keep this run</source>
        <extracomment>A button: keeps the last run in the table to compare with later runs; &amp; marks the access key.</extracomment>
        <translation>Za&amp;chowaj ten przebieg</translation>
    </message>
    <message>
        <source>Keeps the last run to compare with the next ones; up to %1, the oldest giving way to a fifth</source>
        <extracomment>Accessible description of the keep button: %1 is how many runs are kept at most (4).</extracomment>
        <translation>Zachowuje ostatni przebieg do porównania z następnymi; najwyżej %1, piąty zastępuje najstarszy</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <extracomment>A button: saves the run&apos;s points as a CSV file for a spreadsheet; &amp; marks the access key.</extracomment>
        <translation>&amp;Zapisz tabelę...</translation>
    </message>
    <message>
        <source>Writes every point of the run as a CSV file for a spreadsheet</source>
        <extracomment>Accessible description of the save-table button.</extracomment>
        <translation>Zapisuje wszystkie punkty przebiegu do pliku CSV dla arkusza kalkulacyjnego</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <extracomment>A button: puts the run&apos;s points on the clipboard for a spreadsheet; &amp; marks the access key.</extracomment>
        <translation>&amp;Kopiuj tabelę</translation>
    </message>
    <message>
        <source>Puts every point of the run on the clipboard, ready to paste into a spreadsheet</source>
        <extracomment>Accessible description of the copy-table button.</extracomment>
        <translation>Kopiuje wszystkie punkty przebiegu do schowka, gotowe do wklejenia w arkuszu kalkulacyjnym</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button that closes the Explore window.</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No run yet: press Start in the main window, and the run&apos;s points appear here as it goes.</source>
        <extracomment>The status line of the Explore window before the first run.</extracomment>
        <translation>Jeszcze nie było przebiegu: naciśnij Start w głównym oknie, a punkty przebiegu pojawią się tu w miarę jego postępu.</translation>
    </message>
    <message>
        <source>The run is going: %1 of %2 points so far.</source>
        <extracomment>The status line during a run: %1 points plotted so far of %2 (399).</extracomment>
        <translation>Przebieg trwa: dotąd %1 z %2 punktów.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points.</source>
        <extracomment>The status line after a run stopped with Escape: %1 points plotted of %2 (399).</extracomment>
        <translation>Przebieg zatrzymano po %1 z %2 punktów.</translation>
    </message>
    <message>
        <source>Last run: %1. %2</source>
        <extracomment>%1 the last run&apos;s settings in words, %2 how far it went (empty for a whole run).</extracomment>
        <translation>Ostatni przebieg: %1. %2</translation>
    </message>
    <message>
        <source>not plotted yet</source>
        <extracomment>What every readout shows when the selected point has not been plotted yet by the run going on.</extracomment>
        <translation>jeszcze nie na wykresie</translation>
    </message>
    <message>
        <source>no run yet</source>
        <extracomment>What a readout shows before the first run.</extracomment>
        <translation>jeszcze bez przebiegu</translation>
    </message>
    <message>
        <source>%1 px</source>
        <extracomment>A length in pixels; %1 is the number.</extracomment>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>measured %1; small-angle formula λL/s %2</source>
        <extracomment>The band spacing: %1 measured on the run, %2 as the small-angle formula gives it (each in pixels or &quot;none&quot;); keep λL/s as it is.</extracomment>
        <translation>zmierzony %1; wzór dla małych kątów λL/s %2</translation>
    </message>
    <message>
        <source>Empty: no run yet.</source>
        <extracomment>The plot&apos;s description for a screen reader before the first run.</extracomment>
        <translation>Pusty: jeszcze nie było przebiegu.</translation>
    </message>
    <message>
        <source>What the last run plotted against the height above the optical axis, %1 of %2 points, as a solid line scaled to its maximum.</source>
        <extracomment>The plot&apos;s description for a screen reader: %1 the points plotted so far, %2 all points (399).</extracomment>
        <translation>Co ostatni przebieg naniósł w zależności od wysokości nad osią optyczną, %1 z %2 punktów, jako linia ciągła odniesiona do jej maksimum.</translation>
    </message>
    <message>
        <source>No fringe marks: the path difference is the same everywhere.</source>
        <extracomment>The plot with both slits at one place: no bright or dark marks.</extracomment>
        <translation>Brak znaczników prążków: różnica dróg jest wszędzie taka sama.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run: its settings in words, then the style of its line (&quot;dashed&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kept runs beside it: %1.</source>
        <extracomment>The kept runs for a screen reader: %1 lists them, separated by semicolons.</extracomment>
        <translation>Zachowane przebiegi obok niego: %1.</translation>
    </message>
    <message>
        <source>Selected: point %1, %2 px above the axis.</source>
        <extracomment>The selected point for a screen reader: %1 its number (1 … 399), %2 its height above the axis in pixels.</extracomment>
        <translation>Wybrany: punkt %1, %2 px nad osią.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <extracomment>The title of the file dialog that saves the run&apos;s table.</extracomment>
        <translation>Zapisz tabelę jako</translation>
    </message>
    <message>
        <source>interference.csv</source>
        <extracomment>The file name the save dialog suggests; keep the .csv ending.</extracomment>
        <translation>interferencja.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file-type filter of the save dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A warning: %1 the file name, %2 the system&apos;s reason (for example &quot;No space left on device&quot;).</extracomment>
        <translation>Nie udało się zapisać tabeli jako „%1”: %2</translation>
    </message>
    <message>
        <source>Solid marks: order m, where the path difference is m wavelengths. Dotted: where it is a whole number and a half. Dashed: where the small-angle formula y = m·λ·L/s puts the orders (L the screen&apos;s distance, s the slits&apos; separation).</source>
        <extracomment>The plot&apos;s legend: its marks are orders, not the bands the plot shows. Keep the formula y = m·λ·L/s as it is: m the order, λ the wavelength, L the screen&apos;s distance, s the slits&apos; separation.</extracomment>
        <translation>Znaczniki ciągłe: rząd m, gdzie różnica dróg wynosi m długości fali. Kropkowane: gdzie jest to wielokrotność całkowita i połowa. Kreskowane: gdzie rzędy umieszcza wzór dla małych kątów y = m·λ·L/s (L odległość ekranu, s odległość między szczelinami).</translation>
    </message>
    <message>
        <source>Bands and orders</source>
        <extracomment>The title of the group about the bands the plot shows and the orders m (path difference m wavelengths).</extracomment>
        <translation>Prążki i rzędy</translation>
    </message>
    <message>
        <source>The distance between the two bright bands nearest the optical axis, measured on the plot, beside what the small-angle formula λL/s gives</source>
        <extracomment>Accessible description of the band-spacing readout; keep λL/s as it is.</extracomment>
        <translation>Odległość dwóch jasnych prążków najbliższych osi optycznej, zmierzona na wykresie, obok wartości ze wzoru dla małych kątów λL/s</translation>
    </message>
    <message>
        <source>Orders: path difference m wavelengths, exact and by the small-angle formula</source>
        <extracomment>The accessible name of the table of where the path difference is m wavelengths, for each order m.</extracomment>
        <translation>Rzędy: różnica dróg m długości fali, dokładnie i według wzoru dla małych kątów</translation>
    </message>
    <message>
        <source>Solid marks, where the path difference is a whole number of wavelengths, lie on the axis and at %1 px above and below it, dotted marks halfway between.</source>
        <extracomment>The plot&apos;s marks for a screen reader: %1 the heights of the orders above the axis in pixels, separated by semicolons.</extracomment>
        <translation>Znaczniki ciągłe, gdzie różnica dróg jest całkowitą wielokrotnością długości fali, leżą na osi oraz %1 px nad nią i pod nią, znaczniki kropkowane w połowie między nimi.</translation>
    </message>
    <message>
        <source>The small-angle formula puts the orders at %1 px.</source>
        <extracomment>%1 the heights (pixels) where the small-angle formula puts the orders, separated by semicolons.</extracomment>
        <translation>Wzór dla małych kątów umieszcza rzędy w odległości %1 px.</translation>
    </message>
    <message>
        <source>Bright point %1. %2</source>
        <extracomment>Said when N selects the next bright point: %1 its number (1 … 399), %2 its readouts.</extracomment>
        <translation>Jasny punkt %1. %2</translation>
    </message>
    <message>
        <source>Dark point %1. %2</source>
        <extracomment>Said when Shift+N selects the next dark point: %1 its number (1 … 399), %2 its readouts.</extracomment>
        <translation>Ciemny punkt %1. %2</translation>
    </message>
    <message>
        <source>Run kept.</source>
        <extracomment>Said when the Keep button has kept the last run in the table of runs.</extracomment>
        <translation>Przebieg zachowany.</translation>
    </message>
    <message>
        <source>Table saved to %1.</source>
        <extracomment>Said when the run&apos;s table has been saved: %1 the file&apos;s name, without its folder.</extracomment>
        <translation>Tabela zapisana w pliku %1.</translation>
    </message>
    <message>
        <source>Show the small-angle &amp;formula&apos;s marks (dashed)</source>
        <extracomment>A check box: also mark the whole-wavelength orders where the textbook small-angle formula puts them, as dashed lines; &amp; marks the access key.</extracomment>
        <translation>Pokaż znaczniki wzoru dla &amp;małych kątów (kreskowane)</translation>
    </message>
    <message>
        <source>Point &amp;tones</source>
        <extracomment>A check box (on at first): each point the pupil selects sounds for a moment, as loud as the pattern&apos;s sound is at that point; &amp; marks the access key.</extracomment>
        <translation>&amp;Tony punktów</translation>
    </message>
    <message>
        <source>Each point selected sounds for a moment, loud where the pattern is bright and silent where it is dark</source>
        <extracomment>Accessible description of the point tones&apos; check box.</extracomment>
        <translation>Każdy wybrany punkt brzmi przez chwilę: głośno tam, gdzie obraz jest jasny, a milknie tam, gdzie jest ciemny</translation>
    </message>
    <message>
        <source>Point %1: %2.</source>
        <extracomment>Said by R when the selected point has nothing to show: %1 its number (1 … 399), %2 why (&quot;not plotted yet&quot;, &quot;no run yet&quot;).</extracomment>
        <translation>Punkt %1: %2.</translation>
    </message>
    <message>
        <source>Point %1, %2 px above the optical axis, brightness %3 % of the brightest.</source>
        <extracomment>Said by R: %1 the selected point&apos;s number (1 … 399), %2 its height above the optical axis in pixels (below it negative), %3 what the plot showed there, in per cent of the brightest point of the run.</extracomment>
        <translation>Punkt %1, %2 px nad osią optyczną, jasność %3 % najjaśniejszego.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quarnel help</source>
        <extracomment>The title of the help window, and of its print-out.</extracomment>
        <translation>Pomoc programu Quarnel</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the help&apos;s numbers</comment>
        <extracomment>Not shown as it is. Your language&apos;s code (cs, de, fr ...): the help writes the numbers it works out as this language writes numbers (3,1 or 3.1).</extracomment>
        <translation>pl</translation>
    </message>
    <message>
        <source>What the picture shows</source>
        <extracomment>A heading of the help.</extracomment>
        <translation>Co pokazuje rysunek</translation>
    </message>
    <message>
        <source>Light from the &lt;b&gt;source&lt;/b&gt; at the left passes a &lt;b&gt;barrier&lt;/b&gt; with two slits, A above and B below the optical axis, and falls on the &lt;b&gt;detector screen&lt;/b&gt;. &lt;b&gt;%1&lt;/b&gt; scans the screen from the bottom to the top, point by point.</source>
        <extracomment>%1 is the Start button&apos;s caption. The source, barrier and detector screen are the picture&apos;s labels: use the same words.</extracomment>
        <translation>Światło ze &lt;b&gt;źródła&lt;/b&gt; po lewej przechodzi przez &lt;b&gt;przesłonę&lt;/b&gt; z dwiema szczelinami, A nad osią optyczną i B pod nią, i pada na &lt;b&gt;ekran&lt;/b&gt;. &lt;b&gt;%1&lt;/b&gt; przechodzi ekran od dołu do góry, punkt po punkcie.</translation>
    </message>
    <message>
        <source>For every point of the screen the two paths from the slits become two &lt;b&gt;phasors&lt;/b&gt;: arrows 25 pixels long, each turned by the phase its path gives. They are added head to tail, and their sum, drawn &lt;b&gt;green&lt;/b&gt;, gives the brightness: four times its squared length. Every twentieth point shows this construction: the pale rays from both slits, the two black phasors and their green sum.</source>
        <extracomment>A phasor is the arrow that stands for a wave&apos;s phase: school physics&apos; word for it in your language (Zeiger, vecteur de Fresnel, wskaz ...).</extracomment>
        <translation>Dla każdego punktu ekranu dwie drogi od szczelin stają się dwoma &lt;b&gt;wskazami&lt;/b&gt;: strzałkami o długości 25 pikseli, z których każda jest obrócona o fazę wynikającą z jej drogi. Dodaje się je, przykładając początek drugiej do końca pierwszej, a ich suma, rysowana na &lt;b&gt;zielono&lt;/b&gt;, daje jasność: czterokrotność kwadratu jej długości. Co dwudziesty punkt pokazuje tę konstrukcję: blade promienie z obu szczelin, oba czarne wskazy i ich zieloną sumę.</translation>
    </message>
    <message>
        <source>Right of the plot axis the brightness is plotted at the point&apos;s height, as a &lt;b&gt;bar&lt;/b&gt; (patterns %1 and %2) or as random &lt;b&gt;photon dots&lt;/b&gt; (pattern %3). Left of the axis three &lt;b&gt;blue markers&lt;/b&gt; follow what each slit alone would give and what the two give added together, as if there were no interference.</source>
        <extracomment>%1, %2 and %3 are the patterns&apos; names as their options say them.</extracomment>
        <translation>Na prawo od osi wykresu jasność jest rysowana na wysokości punktu, jako &lt;b&gt;słupek&lt;/b&gt; (obrazy %1 i %2) lub jako losowe &lt;b&gt;kropki fotonów&lt;/b&gt; (obraz %3). Na lewo od osi trzy &lt;b&gt;niebieskie znaczniki&lt;/b&gt; pokazują, co dałaby każda szczelina osobno i co dałyby obie razem, gdyby nie było interferencji.</translation>
    </message>
    <message>
        <source>The physics</source>
        <extracomment>A heading of the help: the physics behind the picture, in a school&apos;s words.</extracomment>
        <translation>Fizyka</translation>
    </message>
    <message>
        <source>Every point P of the screen gets light along two paths, one through slit A and one through slit B. Unless P lies level with the middle between the slits, one path is longer than the other: the difference of their lengths is the &lt;b&gt;path difference&lt;/b&gt; Δ = |PA − PB|.</source>
        <extracomment>P is a point of the screen, PA and PB its distances from the slits A and B; Δ is the path difference (keep the symbols).</extracomment>
        <translation>Do każdego punktu P ekranu światło dociera dwiema drogami, jedną przez szczelinę A, drugą przez szczelinę B. Jeśli P nie leży na wysokości środka między szczelinami, jedna droga jest dłuższa od drugiej: różnica ich długości to &lt;b&gt;różnica dróg&lt;/b&gt; Δ = |PA − PB|.</translation>
    </message>
    <message>
        <source>Along a path the wave&apos;s phase turns steadily, by k radians for every pixel: k is the &lt;b&gt;wave number&lt;/b&gt;, which the group %1 sets. So the two waves reach P turned against each other by the &lt;b&gt;phase difference&lt;/b&gt; φ = k·Δ. The phasors show it: φ is the angle between them.</source>
        <extracomment>%1 is the caption of the frequency group. k is the wave number, φ the phase difference (keep the symbols).</extracomment>
        <translation>Wzdłuż drogi faza fali obraca się równomiernie, o k radianów na każdy piksel: k to &lt;b&gt;liczba falowa&lt;/b&gt;, którą ustawia grupa %1. Obie fale docierają więc do P obrócone względem siebie o &lt;b&gt;różnicę faz&lt;/b&gt; φ = k·Δ. Pokazują to wskazy: φ to kąt między nimi.</translation>
    </message>
    <message>
        <source>Where φ is a whole number of turns (0, 2π, 4π, …) the phasors point the same way and their sum is twice as long as one: P is &lt;b&gt;bright&lt;/b&gt; (constructive interference). Where φ is half a turn more (π, 3π, …) they point against each other, their sum is zero and P is &lt;b&gt;dark&lt;/b&gt; (destructive interference). In between the brightness changes smoothly.</source>
        <extracomment>Constructive and destructive interference: school physics&apos; terms.</extracomment>
        <translation>Tam, gdzie φ jest całkowitą liczbą obrotów (0, 2π, 4π, …), wskazy mają ten sam kierunek, a ich suma jest dwa razy dłuższa od jednego z nich: punkt P jest &lt;b&gt;jasny&lt;/b&gt; (interferencja konstruktywna). Tam, gdzie φ jest o pół obrotu większa (π, 3π, …), wskazy są skierowane przeciwnie, ich suma jest zerem i P jest &lt;b&gt;ciemny&lt;/b&gt; (interferencja destruktywna). Pomiędzy nimi jasność zmienia się płynnie.</translation>
    </message>
    <message>
        <source>One whole turn of the phase takes one &lt;b&gt;wavelength&lt;/b&gt; λ = 2π/k: a point is bright where the path difference is a whole number of wavelengths, and dark where it is a whole number and a half. In the picture λ is measured in pixels:</source>
        <extracomment>λ is the wavelength (keep the symbol). The table of each frequency&apos;s wavelength follows this paragraph.</extracomment>
        <translation>Jeden pełny obrót fazy przypada na jedną &lt;b&gt;długość fali&lt;/b&gt; λ = 2π/k: punkt jest jasny tam, gdzie różnica dróg jest całkowitą wielokrotnością długości fali, a ciemny tam, gdzie jest nieparzystą wielokrotnością jej połowy. Na rysunku λ mierzy się w pikselach:</translation>
    </message>
    <message>
        <source>Wave number k, radians per pixel</source>
        <extracomment>A column heading of the table of wavelengths.</extracomment>
        <translation>Liczba falowa k, radiany na piksel</translation>
    </message>
    <message>
        <source>Wavelength λ, pixels</source>
        <extracomment>A column heading of the table of wavelengths.</extracomment>
        <translation>Długość fali λ, piksele</translation>
    </message>
    <message>
        <source>Near the optical axis neighbouring bright bands lie about &lt;b&gt;Δy = λ·L/s&lt;/b&gt; apart: L is the distance from the barrier to the screen, s the distance between the slits, twice the spacing d that the group %1 sets (each slit lies d from the axis). Slits closer together, a longer wavelength or a farther screen spread the bands. With the settings Quarnel starts with (λ = %2, L = %3, s = %4 pixels) the bands lie about %5 pixels apart.</source>
        <extracomment>%1 is the caption of the slit-spacing group. L, s, d and Δy are symbols: keep them. %2 to %5 are numbers of pixels.</extracomment>
        <translation>Blisko osi optycznej sąsiednie jasne prążki leżą około &lt;b&gt;Δy = λ·L/s&lt;/b&gt; od siebie: L to odległość ekranu od przesłony, s odległość między szczelinami, dwa razy odstęp d, który ustawia grupa %1 (każda szczelina leży d od osi). Szczeliny bliżej siebie, dłuższa fala lub dalszy ekran rozsuwają prążki. Przy ustawieniach, z którymi Quarnel startuje (λ = %2, L = %3, s = %4 pikseli), prążki leżą około %5 piksela od siebie.</translation>
    </message>
    <message>
        <source>The formula takes the angle θ between the axis and the way to P as small. For a screen far from the slits the path difference is s·sin θ, and for a small angle sin θ is about tan θ = y/L, so that the m-th band lies at y = m·λ·L/s. Far from the axis the angle is no longer small: the m-th band lies where s·sin θ = m·λ, at y = L·tan θ, farther out than the formula says, and the bands spread apart towards the top and the bottom of the screen. With the start-up settings the formula puts band %1 at %2 pixels from the axis; the run shows it at about %3. Where m·λ is more than s there is no m-th band at all.</source>
        <extracomment>θ is an angle, m a band&apos;s number (keep the symbols). %1 is the band&apos;s number (6), %2 and %3 numbers of pixels.</extracomment>
        <translation>Wzór zakłada, że kąt θ między osią a kierunkiem do P jest mały. Dla ekranu daleko od szczelin różnica dróg wynosi s·sin θ, a dla małego kąta sin θ jest w przybliżeniu równy tg θ = y/L, więc m-ty prążek leży w y = m·λ·L/s. Daleko od osi kąt nie jest już mały: m-ty prążek leży tam, gdzie s·sin θ = m·λ, w y = L·tg θ, dalej, niż mówi wzór, a prążki rozsuwają się ku górnej i dolnej krawędzi ekranu. Przy ustawieniach startowych wzór umieszcza prążek %1 w odległości %2 pikseli od osi; przebieg pokazuje go w odległości około %3. Tam, gdzie m·λ jest większe od s, m-tego prążka w ogóle nie ma.</translation>
    </message>
    <message>
        <source>The three patterns</source>
        <extracomment>A heading of the help: the three patterns and what each means physically.</extracomment>
        <translation>Trzy obrazy</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: light as it falls on a screen. Each wave is weighted by a rule of the model&apos;s own that falls much faster with the distance from its slit than real light does; it looks like the dimming that the width of a real slit gives, so the bands fade towards the top and the bottom of the screen.</source>
        <extracomment>%1 is the pattern&apos;s name as its option says it.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;: światło takie, jakie pada na ekran. Każda fala jest ważona własną regułą modelu, która z odległością od szczeliny maleje dużo szybciej niż prawdziwe światło; wygląda jak osłabienie, jakie daje szerokość prawdziwej szczeliny, więc prążki bledną ku górnej i dolnej krawędzi ekranu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: the interference alone, the squared length of the phasor sum, with no weakening. Every bright band is equally bright: this pattern shows most clearly where the bands lie.</source>
        <extracomment>%1 is the pattern&apos;s name as its option says it.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;: sama interferencja, kwadrat długości sumy wskazów, bez słabnięcia. Wszystkie jasne prążki są jednakowo jasne: ten obraz najwyraźniej pokazuje, gdzie leżą prążki.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: light as photons, the small portions it arrives in. The run fills the plot row after row, each row with as many white dots as the brightness of the pattern %2 gives there; only the dots&apos; places along the row are random. No dot lands in the dark places: the bands are made of many single dots.</source>
        <extracomment>%1 and %2 are patterns&apos; names as their options say them. A photon is the smallest portion of light.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt;: światło jako fotony, małe porcje, w których dociera. Przebieg wypełnia wykres wiersz po wierszu, każdy wiersz tyloma białymi kropkami, ile daje tam jasność obrazu %2; losowe są tylko miejsca kropek w wierszu. W ciemnych miejscach nie ląduje żadna kropka: prążki składają się z wielu pojedynczych kropek.</translation>
    </message>
    <message>
        <source>What the model leaves out</source>
        <extracomment>A heading of the help: what the model of the picture simplifies or omits.</extracomment>
        <translation>Czego model nie uwzględnia</translation>
    </message>
    <message>
        <source>Real sizes: light has a wavelength of 0.4 to 0.7 micrometres, slits lie a fraction of a millimetre apart and the screen stands a metre or more away. The picture does not keep their ratios: in it λ/s is about %1 and s/L %2, in a school experiment about 0.002 and 0.0003. That is why the small-angle formula fails far from the axis here, but holds in a real experiment, where every band lies at a small angle.</source>
        <extracomment>λ, s and L are symbols (keep them); micrometres and millimetres are real units. %1 and %2 are the picture&apos;s ratios λ/s and s/L at start-up (0.10, 0.15).</extracomment>
        <translation>Rzeczywiste rozmiary: światło ma długość fali od 0,4 do 0,7 mikrometra, szczeliny dzieli ułamek milimetra, a ekran stoi metr lub dalej. Rysunek nie zachowuje ich stosunków: na nim λ/s wynosi około %1, a s/L %2, w szkolnym doświadczeniu około 0,002 i 0,0003. Dlatego wzór dla małych kątów zawodzi tu daleko od osi, a w prawdziwym doświadczeniu się sprawdza, bo tam wszystkie prążki leżą pod małym kątem.</translation>
    </message>
    <message>
        <source>The width of the slits: here they are points. A real slit&apos;s own diffraction dims the bands farther out; here all the bands of the pattern %1 are equally bright.</source>
        <extracomment>%1 is the Interference pattern&apos;s name as its option says it.</extracomment>
        <translation>Szerokość szczelin: tutaj są to punkty. Dyfrakcja na rzeczywistej szczelinie osłabia dalsze prążki; tutaj wszystkie prążki obrazu %1 są jednakowo jasne.</translation>
    </message>
    <message>
        <source>White light: the light here has one wavelength, and both slits are lit in step, as by a laser. White light would give coloured bands that blur away from the middle.</source>
        <extracomment>Monochromatic and coherent light: say it in school words, as here.</extracomment>
        <translation>Światło białe: tutaj światło ma jedną długość fali, a obie szczeliny są oświetlone zgodnie w fazie, jak laserem. Światło białe dałoby barwne prążki, rozmywające się z dala od środka.</translation>
    </message>
    <message>
        <source>Space: the waves spread only in the plane of the picture, and the weakening with distance in the pattern %1 is a simple rule chosen to look right, not an exact law.</source>
        <extracomment>%1 is the Light pattern&apos;s name as its option says it.</extracomment>
        <translation>Przestrzeń: fale rozchodzą się tylko w płaszczyźnie rysunku, a słabnięcie z odległością w obrazie %1 to prosta reguła dobrana tak, by wyglądało wiarygodnie, a nie dokładne prawo.</translation>
    </message>
    <message>
        <source>Chance: the pattern %1 draws at each height as many dots as the brightness gives, at random places along the row. Real photons land one at a time wherever the pattern allows, more often where it is bright.</source>
        <extracomment>%1 is the Photon density pattern&apos;s name as its option says it.</extracomment>
        <translation>Przypadek: obraz %1 rysuje na każdej wysokości tyle kropek, ile wynika z jasności, w losowych miejscach wiersza. Prawdziwe fotony trafiają pojedynczo gdziekolwiek pozwala obraz, częściej tam, gdzie jest jasno.</translation>
    </message>
    <message>
        <source>Time: the scan from the bottom to the top only draws the picture. The pattern is there all at once; nothing in the picture moves with the light.</source>
        <extracomment>About the animation of a run.</extracomment>
        <translation>Czas: przejście od dołu do góry tylko tworzy rysunek. Obraz interferencyjny powstaje cały naraz; nic na rysunku nie porusza się razem ze światłem.</translation>
    </message>
    <message>
        <source>Things to try</source>
        <extracomment>A heading of the help: activities for a lesson.</extracomment>
        <translation>Do wypróbowania</translation>
    </message>
    <message>
        <source>Make a prediction first, then press %1 and see. A run keeps the settings it started with; change them between runs.</source>
        <extracomment>%1 is the Start button&apos;s caption.</extracomment>
        <translation>Najpierw przewidź wynik, potem naciśnij %1 i sprawdź. Przebieg zachowuje ustawienia, z którymi się zaczął; zmieniaj je między przebiegami.</translation>
    </message>
    <message>
        <source>Keys</source>
        <extracomment>A heading of the help: the keyboard.</extracomment>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>go from control to control. After %1, Tab reaches the picture, and a screen reader then reads out its description.</source>
        <extracomment>What the keys do; %1 is the Exit button&apos;s caption.</extracomment>
        <translation>przechodzą od kontrolki do kontrolki. Po przycisku %1 Tab dochodzi do rysunku, a czytnik ekranu odczytuje wtedy jego opis.</translation>
    </message>
    <message>
        <source>choose an option within a group; on the scroll bar, move it by one step, or to 1 and 20.</source>
        <extracomment>What the keys do.</extracomment>
        <translation>wybierają opcję w grupie; na pasku przewijania przesuwają go o jeden stopień albo na 1 i 20.</translation>
    </message>
    <message>
        <source>press the focused button.</source>
        <extracomment>What the keys do.</extracomment>
        <translation>naciskają przycisk, który ma fokus.</translation>
    </message>
    <message>
        <source>stops a run at once, and the sound that %1 plays. During a run the options and the scroll bar show at once what the next run will take; Start and Exit wait for the run&apos;s end.</source>
        <extracomment>What the key does; %1 is the key that plays the pattern as sound.</extracomment>
        <translation>natychmiast zatrzymuje przebieg i dźwięk odtwarzany przez %1. W trakcie przebiegu opcje i suwak od razu pokazują, z czym ruszy następny przebieg; Start i Koniec czekają na jego koniec.</translation>
    </message>
    <message>
        <source>copies the picture.</source>
        <extracomment>What the key does.</extracomment>
        <translation>kopiuje rysunek.</translation>
    </message>
    <message>
        <source>make the window, and every dialog with it, larger or smaller, from 100 to 300 %, as far as the screen allows; the last brings the normal size back.</source>
        <extracomment>What the keys do, for a projector.</extracomment>
        <translation>powiększają lub pomniejszają okno, a z nim każde okno dialogowe, od 100 do 300%, na ile pozwala ekran; ostatni przywraca normalny rozmiar.</translation>
    </message>
    <message>
        <source>fills the screen with the window, and brings it back.</source>
        <extracomment>What the key does.</extracomment>
        <translation>rozciąga okno na cały ekran i przywraca je z powrotem.</translation>
    </message>
    <message>
        <source>opens this help.</source>
        <extracomment>What the key does.</extracomment>
        <translation>otwiera tę pomoc.</translation>
    </message>
    <message>
        <source>in the help: prints it, or saves it as a PDF file to hand out.</source>
        <extracomment>What the key does, in the help window.</extracomment>
        <translation>w pomocy: drukuje ją albo zapisuje jako plik PDF do rozdania.</translation>
    </message>
    <message>
        <source>open the picture&apos;s menu, as the right mouse button does.</source>
        <extracomment>What the keys do.</extracomment>
        <translation>otwierają menu rysunku, tak jak prawy przycisk myszy.</translation>
    </message>
    <message>
        <source>opens Explore, which compares the small-angle formula with the exact places of the bands.</source>
        <extracomment>What the key does: Explore is a window of its own.</extracomment>
        <translation>otwiera okno, które porównuje wzór dla małych kątów z dokładnymi położeniami prążków.</translation>
    </message>
    <message>
        <source>quits Quarnel as %1 does: after a run that goes on.</source>
        <extracomment>What the key does; %1 is the Exit button&apos;s caption.</extracomment>
        <translation>zamyka Quarnel tak jak %1: po zakończeniu trwającego przebiegu.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <extracomment>The help window&apos;s button that opens the print dialog (the help printed, or saved as a PDF file); &amp; marks the key that presses it.</extracomment>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Some captions say less than they seem. The label &lt;b&gt;%1&lt;/b&gt; stands beside the barrier with the slits, and &lt;b&gt;%2&lt;/b&gt; over the detector screen the pattern falls on. The slit-spacing options stand in the order %3, %4, %5, %6: %4 puts each slit %8 pixels from the axis, between %3 (%7) and %5 (%9). The scroll bar under the title, without a label, slows the animation down: 1 is the fastest, 20 the slowest.</source>
        <extracomment>%1 and %2 are the picture&apos;s labels as your translation has them (the one beside the barrier, the one over the detector screen); %3 to %6 the slit-spacing options&apos; captions in the order they stand; %7 to %9 numbers of pixels.</extracomment>
        <translation>Niektóre podpisy mówią mniej, niż się wydaje. Podpis &lt;b&gt;%1&lt;/b&gt; stoi przy przesłonie ze szczelinami, a &lt;b&gt;%2&lt;/b&gt; nad ekranem, na który pada obraz. Opcje odstępu szczelin stoją w kolejności %3, %4, %5, %6: %4 ustawia każdą szczelinę %8 pikseli od osi, między %3 (%7) a %5 (%9). Suwak pod tytułem, bez podpisu, spowalnia animację: 1 to najszybciej, 20 najwolniej.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A group of the window and its option, as an activity names them: %1 the group&apos;s caption (Slit spacing, Pattern …), %2 its option (minor, Interference …).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Choose %1 and press %2.</source>
        <extracomment>The settings of an activity&apos;s first run: %1 every group with its option, %2 the Start button&apos;s caption. The options that differ from start-up are bold.</extracomment>
        <translation>Wybierz %1 i naciśnij %2.</translation>
    </message>
    <message>
        <source>Then choose %1 and press %2 again.</source>
        <extracomment>The settings of an activity&apos;s next run: %1 the groups that change, with their options; %2 the Start button&apos;s caption.</extracomment>
        <translation>Potem wybierz %1 i naciśnij ponownie %2.</translation>
    </message>
    <message>
        <source>No second path</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Bez drugiej drogi</translation>
    </message>
    <message>
        <source>Both slits now lie on the optical axis. Will the screen show bright and dark bands?</source>
        <extracomment>An activity&apos;s question: the pupil predicts before the run.</extracomment>
        <translation>Obie szczeliny leżą teraz na osi optycznej. Czy na ekranie pojawią się jasne i ciemne prążki?</translation>
    </message>
    <message>
        <source>No. Bright bands: %1. The two paths to every point are equally long, the phasors always point the same way, and the screen is evenly bright. Bands need two paths of different lengths: two slits in one place do not make even one band of their own.</source>
        <extracomment>An activity&apos;s answer. %1 is the number of bright bands the run shows.</extracomment>
        <translation>Nie. Jasne prążki: %1. Obie drogi do każdego punktu są równie długie, wskazy zawsze mają ten sam kierunek i ekran jest wszędzie jednakowo jasny. Prążki wymagają dwóch dróg o różnej długości: dwie szczeliny w jednym miejscu nie dają ani jednego własnego prążka.</translation>
    </message>
    <message>
        <source>Slits farther apart</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Szczeliny dalej od siebie</translation>
    </message>
    <message>
        <source>The slits move apart. Will the bands move closer together or farther apart, and will there be more of them or fewer?</source>
        <extracomment>An activity&apos;s question.</extracomment>
        <translation>Szczeliny oddalają się od siebie. Czy prążki zbliżą się do siebie, czy rozsuną, i czy będzie ich więcej, czy mniej?</translation>
    </message>
    <message>
        <source>Closer together, and more of them. With the slits %1 instead of %2 pixels apart the bands near the axis lie %3 instead of %4 pixels apart (the formula λ·L/s: %5 instead of %6), and the bright bands number %7 instead of %8. Pictures of the slits would move apart with the slits; the bands move together.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are the slits&apos; distances in pixels; %3 and %4 the bands&apos; measured spacing in pixels, %5 and %6 the formula&apos;s; %7 and %8 the numbers of bright bands.</extracomment>
        <translation>Zbliżą się i będzie ich więcej. Przy szczelinach %1 px od siebie zamiast %2 px prążki przy osi leżą %3 px od siebie zamiast %4 px (wzór λ·L/s: %5 zamiast %6), a jasnych prążków jest %7 zamiast %8. Obrazy szczelin rozsunęłyby się razem ze szczelinami; prążki natomiast się zbliżają.</translation>
    </message>
    <message>
        <source>The screen farther away</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Ekran dalej</translation>
    </message>
    <message>
        <source>The screen moves twice as far from the slits. How will the spacing of the bands change?</source>
        <extracomment>An activity&apos;s question.</extracomment>
        <translation>Ekran oddala się od szczelin na dwa razy większą odległość. Jak zmieni się odstęp prążków?</translation>
    </message>
    <message>
        <source>The bands spread apart in proportion to the distance. At %1 pixels they lie %3 pixels apart near the axis, at %2 pixels %4 (the formula λ·L/s: %5 and %6).</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are distances in pixels; %3 and %4 the bands&apos; measured spacing in pixels, %5 and %6 the formula&apos;s.</extracomment>
        <translation>Prążki rozsuwają się proporcjonalnie do odległości. Przy %1 px leżą przy osi %3 px od siebie, przy %2 px – %4 px (wzór λ·L/s: %5 i %6).</translation>
    </message>
    <message>
        <source>A longer wavelength</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Dłuższa fala</translation>
    </message>
    <message>
        <source>A lower frequency means a longer wavelength. Where will the bands go, and how many will be left?</source>
        <extracomment>An activity&apos;s question.</extracomment>
        <translation>Niższa częstotliwość oznacza dłuższą falę. Dokąd przesuną się prążki i ile ich zostanie?</translation>
    </message>
    <message>
        <source>Farther apart, and fewer of them. The wavelength grows from %1 to %2 pixels; the bands near the axis lie %4 instead of %3 pixels apart, and the bright bands number %6 instead of %5.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are wavelengths in pixels; %3 and %4 the bands&apos; measured spacing in pixels; %5 and %6 the numbers of bright bands.</extracomment>
        <translation>Rozsuną się i będzie ich mniej. Długość fali rośnie z %1 px do %2 px; prążki przy osi leżą %4 px od siebie zamiast %3 px, a jasnych prążków jest %6 zamiast %5.</translation>
    </message>
    <message>
        <source>Photon by photon</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Foton po fotonie</translation>
    </message>
    <message>
        <source>Watch the pattern %1 arrive slowly. Does a single photon show where the bands are?</source>
        <extracomment>An activity&apos;s question. %1 is the Photon density pattern&apos;s name.</extracomment>
        <translation>Obserwuj, jak powoli powstaje obraz %1. Czy pojedynczy foton pokazuje, gdzie są prążki?</translation>
    </message>
    <message>
        <source>No. Each row gets as many dots as the light is bright there, each at a random place along the row; a single dot lands anywhere the light reaches. Only many dots together draw the bands. Bright bands: %3 in the pattern %1, %4 in the pattern %2.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are the patterns&apos; names; %3 and %4 the numbers of bright bands.</extracomment>
        <translation>Nie. Każdy wiersz dostaje tyle kropek, jak jasne jest tam światło, każdą w losowym miejscu wiersza; pojedyncza kropka trafia gdziekolwiek dociera światło. Dopiero wiele kropek razem rysuje prążki. Jasne prążki: %3 w obrazie %1, %4 w obrazie %2.</translation>
    </message>
    <message>
        <source>Where the formula fails</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Gdzie wzór zawodzi</translation>
    </message>
    <message>
        <source>The formula Δy = λ·L/s gives the spacing of the bands near the axis. Will bright band %1 above the axis lie %1 spacings from it? Explore (%2) shows the formula&apos;s places beside the exact ones.</source>
        <extracomment>An activity&apos;s question. %1 is the band&apos;s number (6), %2 the key that opens Explore.</extracomment>
        <translation>Wzór Δy = λ·L/s podaje odstęp prążków przy osi. Czy jasny prążek %1 nad osią będzie leżał %1 takich odstępów od niej? Okno Zbadaj (%2) pokazuje położenia według wzoru obok dokładnych.</translation>
    </message>
    <message>
        <source>No, farther out. The formula puts the bands %2 pixels apart and band %1 at %3 pixels from the axis, but the path difference is %1 wavelengths only at %4 pixels, and the run&apos;s band lies there. Far from the axis the angle is no longer small.</source>
        <extracomment>An activity&apos;s answer. %1 is the band&apos;s number (6); %2, %3 and %4 are pixels.</extracomment>
        <translation>Nie, dalej. Wzór rozstawia prążki co %2 px i umieszcza prążek %1 w odległości %3 px od osi, ale różnica dróg wynosi %1 długości fali dopiero w odległości %4 px i tam leży prążek z przebiegu. Daleko od osi kąt nie jest już mały.</translation>
    </message>
    <message>
        <source>Whole wavelengths?</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Całe długości fali?</translation>
    </message>
    <message>
        <source>In Explore (%1) choose the point %2, in the middle bright band. Is each path from a slit to it a whole number of wavelengths long?</source>
        <extracomment>An activity&apos;s question. %1 is the key that opens Explore, %2 a point&apos;s number.</extracomment>
        <translation>W oknie Zbadaj (%1) wybierz punkt %2 w środkowym jasnym prążku. Czy każda droga od szczeliny do niego ma długość całkowitej liczby długości fali?</translation>
    </message>
    <message>
        <source>No. Path A is %1 and path B %2 wavelengths long; what is a whole number is their difference, %3 wavelengths. A point is bright where the difference of the paths is a whole number of wavelengths, whatever each path is.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are the paths&apos; lengths in wavelengths, %3 their difference.</extracomment>
        <translation>Nie. Droga A ma %1 λ, a droga B %2 λ; całkowita jest ich różnica, %3 λ. Punkt jest jasny tam, gdzie różnica dróg jest całkowitą liczbą długości fali, niezależnie od samych dróg.</translation>
    </message>
    <message>
        <source>One band only</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Tylko jeden prążek</translation>
    </message>
    <message>
        <source>The wavelength is now longer than the slits&apos; distance. How many bright bands will there be? And with the slit spacing %1?</source>
        <extracomment>An activity&apos;s question. %1 is the slit-spacing option &quot;0&quot;.</extracomment>
        <translation>Długość fali jest teraz większa niż odległość między szczelinami. Ile będzie jasnych prążków? A przy odstępie %1?</translation>
    </message>
    <message>
        <source>Bright bands: %1, a broad one in the middle. The path difference is never more than the slits&apos; distance s = %3 pixels, less than λ = %2 pixels: there is no first band beside the middle one. With both slits on the axis the band is gone (bright bands: %4): it comes from the two paths.</source>
        <extracomment>An activity&apos;s answer. %1 and %4 are numbers of bright bands, %2 a wavelength and %3 the slits&apos; distance in pixels.</extracomment>
        <translation>Jasne prążki: %1, jeden szeroki pośrodku. Różnica dróg nigdy nie przekracza odległości szczelin s = %3 px, mniejszej niż λ = %2 px: obok środkowego prążka nie ma pierwszego. Gdy obie szczeliny leżą na osi, prążek znika (jasne prążki: %4): powstaje z dwóch dróg.</translation>
    </message>
    <message>
        <source>Each activity names every group&apos;s option for its first run, so it does not depend on what an earlier one left; the options in bold differ from the ones Quarnel starts with.</source>
        <extracomment>Before the activities.</extracomment>
        <translation>Każde zadanie podaje dla swojego pierwszego przebiegu opcję każdej grupy, więc nie zależy od tego, co zostawiło wcześniejsze; pogrubione są opcje różne od tych, z którymi Quarnel startuje.</translation>
    </message>
    <message>
        <source>The answers, with the numbers the runs give, are in the part %1; the activities without answers, to print and hand out, in the part %2.</source>
        <extracomment>After the activities. %1 and %2 are links to the other parts of the help, named as the buttons at the top of the help window name them.</extracomment>
        <translation>Odpowiedzi z liczbami, które dają przebiegi, są w części %1; zadania bez odpowiedzi, do wydrukowania i rozdania, w części %2.</translation>
    </message>
    <message>
        <source>For the teacher</source>
        <extracomment>The title of the help&apos;s part for the teacher (goals, answers, misconceptions), of its button at the top of the help window and of its print-out.</extracomment>
        <translation>Dla nauczyciela</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <extracomment>The title of the pupils&apos; worksheet (the activities without answers, to print and hand out), of its button at the top of the help window and of its print-out.</extracomment>
        <translation>Karta pracy</translation>
    </message>
    <message>
        <source>activity %1 (%2)</source>
        <extracomment>How the misconceptions&apos; table names an activity: %1 its number, %2 its title.</extracomment>
        <translation>zadaniu %1 (%2)</translation>
    </message>
    <message>
        <source>Learning goals</source>
        <extracomment>A heading of the teacher&apos;s part.</extracomment>
        <translation>Cele nauczania</translation>
    </message>
    <message>
        <source>Explain a bright or a dark place by the phase difference of the two waves: their phasors add up or cancel.</source>
        <extracomment>A learning goal.</extracomment>
        <translation>Wyjaśnić jasne lub ciemne miejsce różnicą faz obu fal: ich wskazy dodają się albo znoszą.</translation>
    </message>
    <message>
        <source>Predict how the spacing of the bands changes with the slits&apos; distance, the screen&apos;s distance and the wavelength (Δy = λ·L/s), and check the prediction with a run.</source>
        <extracomment>A learning goal. Δy, λ, L and s are symbols: keep them.</extracomment>
        <translation>Przewidzieć, jak odstęp prążków zmienia się z odległością szczelin, odległością ekranu i długością fali (Δy = λ·L/s), i sprawdzić przewidywanie przebiegiem.</translation>
    </message>
    <message>
        <source>Tell where the small-angle formula holds, and why it fails far from the axis.</source>
        <extracomment>A learning goal.</extracomment>
        <translation>Wskazać, gdzie wzór dla małych kątów obowiązuje i dlaczego zawodzi daleko od osi.</translation>
    </message>
    <message>
        <source>Describe light arriving as photons: the bands are where many of them land.</source>
        <extracomment>A learning goal.</extracomment>
        <translation>Opisać światło docierające jako fotony: prążki są tam, gdzie trafia ich wiele.</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>A heading of the teacher&apos;s part: the activities with their answers.</extracomment>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>Each activity names every group&apos;s option, so it can be done on its own; the options in bold differ from the ones Quarnel starts with. Every number here comes from a run of Quarnel with the activity&apos;s settings, made as this page was: the pupils see the same.</source>
        <extracomment>Before the answers. The options in bold are those that differ from start-up.</extracomment>
        <translation>Każde zadanie podaje opcję każdej grupy, więc można je wykonać osobno; pogrubione są opcje różne od tych, z którymi Quarnel startuje. Każda liczba tutaj pochodzi z przebiegu Quarnela z ustawieniami zadania, wykonanego przy tworzeniu tej strony: uczniowie zobaczą to samo.</translation>
    </message>
    <message>
        <source>Misconceptions the activities confront</source>
        <extracomment>A heading of the teacher&apos;s part: wrong ideas pupils often hold.</extracomment>
        <translation>Błędne wyobrażenia, z którymi konfrontują zadania</translation>
    </message>
    <message>
        <source>The idea</source>
        <extracomment>A column heading: a wrong idea pupils often hold.</extracomment>
        <translation>Wyobrażenie</translation>
    </message>
    <message>
        <source>What confronts it</source>
        <extracomment>A column heading: the activity that shows the idea wrong.</extracomment>
        <translation>Co mu przeczy</translation>
    </message>
    <message>
        <source>“A point is bright where each path is a whole number of wavelengths.”</source>
        <extracomment>A misconception, as a pupil would say it.</extracomment>
        <translation>„Punkt jest jasny tam, gdzie każda droga jest całkowitą liczbą długości fali.”</translation>
    </message>
    <message>
        <source>In %1, neither path to the middle bright band is a whole number of wavelengths; their difference is.</source>
        <extracomment>%1 names the activity.</extracomment>
        <translation>W %1 żadna z dróg do środkowego jasnego prążka nie jest całkowitą liczbą długości fali; jest nią ich różnica.</translation>
    </message>
    <message>
        <source>“The bands are images of the slits.”</source>
        <extracomment>A misconception, as a pupil would say it.</extracomment>
        <translation>„Prążki są obrazami szczelin.”</translation>
    </message>
    <message>
        <source>In %1, two slits in one place give no band at all; elsewhere two slits give many bands.</source>
        <extracomment>%1 names the activity.</extracomment>
        <translation>W %1 dwie szczeliny w jednym miejscu nie dają żadnego prążka; poza tym dwie szczeliny dają wiele prążków.</translation>
    </message>
    <message>
        <source>“Slits closer together give bands closer together.”</source>
        <extracomment>A misconception, as a pupil would say it.</extracomment>
        <translation>„Szczeliny bliżej siebie dają prążki bliżej siebie.”</translation>
    </message>
    <message>
        <source>In %1, slits farther apart give bands closer together.</source>
        <extracomment>%1 names the activity.</extracomment>
        <translation>W %1 szczeliny dalej od siebie dają prążki bliżej siebie.</translation>
    </message>
    <message>
        <source>Why the activities use the pattern %1</source>
        <extracomment>A heading of the teacher&apos;s part: %1 is the pattern Interference&apos;s name.</extracomment>
        <translation>Dlaczego zadania używają obrazu %1</translation>
    </message>
    <message>
        <source>In the pattern %1 the bands fade away from the axis because the model weights each slit&apos;s wave by 1/(%2·dx² + dy²), dx and dy the point&apos;s distances from the slit along and across the axis. It looks like the dimming a real slit&apos;s width gives, but it is neither that nor interference: with the slit spacing %4 the pattern %1 draws the same hump. The pattern %3 shows the interference alone.</source>
        <extracomment>%1 and %3 are patterns&apos; names, %2 a number; dx and dy are symbols: keep them. %4 is the slit-spacing option &quot;0&quot;.</extracomment>
        <translation>W obrazie %1 prążki słabną z odległością od osi, bo model waży falę każdej szczeliny czynnikiem 1/(%2·dx² + dy²), gdzie dx i dy to odległości punktu od szczeliny wzdłuż osi i w poprzek niej. Wygląda to jak osłabienie wynikające z szerokości prawdziwej szczeliny, ale nie jest ani nim, ani interferencją: przy odstępie %4 obraz %1 rysuje ten sam garb. Samą interferencję pokazuje obraz %3.</translation>
    </message>
    <message>
        <source>Name: ____________________ Class: ________ Date: ____________</source>
        <extracomment>The worksheet&apos;s head, for the pupil to fill in.</extracomment>
        <translation>Imię i nazwisko: ____________________ Klasa: ________ Data: ____________</translation>
    </message>
    <message>
        <source>For each activity: set the options it names, write your prediction, then run, write what the run showed and explain it.</source>
        <extracomment>The worksheet&apos;s instructions.</extracomment>
        <translation>Przy każdym zadaniu: ustaw podane opcje, zapisz swoje przewidywanie, potem uruchom przebieg, zapisz, co pokazał, i wyjaśnij to.</translation>
    </message>
    <message>
        <source>My prediction</source>
        <extracomment>A field of the worksheet: written before the run.</extracomment>
        <translation>Moje przewidywanie</translation>
    </message>
    <message>
        <source>What the run showed</source>
        <extracomment>A field of the worksheet.</extracomment>
        <translation>Co pokazał przebieg</translation>
    </message>
    <message>
        <source>Why</source>
        <extracomment>A field of the worksheet: the pupil&apos;s explanation.</extracomment>
        <translation>Dlaczego</translation>
    </message>
    <message>
        <source>The help could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A message box: %1 is the PDF file&apos;s path, %2 the system&apos;s reason (already translated).</extracomment>
        <translation>Nie udało się zapisać pomocy jako „%1”: %2</translation>
    </message>
    <message>
        <source>Measure the wavelength</source>
        <extracomment>An activity&apos;s title.</extracomment>
        <translation>Zmierz długość fali</translation>
    </message>
    <message>
        <source>Open the real experiment with %1 and set the wavelength to %2 nm, the slits&apos; separation a to %3 mm and the screen&apos;s distance L to %4 m. Let %5 photons arrive.</source>
        <extracomment>The settings of the activity in the real experiment: %1 the key that opens it, %2 a wavelength in nm, %3 the slits&apos; separation in mm, %4 the screen&apos;s distance in m, %5 a number of photons.</extracomment>
        <translation>Otwórz prawdziwe doświadczenie klawiszami %1 i ustaw długość fali na %2 nm, odległość szczelin a na %3 mm oraz odległość ekranu L na %4 m. Poczekaj, aż dotrze %5 fotonów.</translation>
    </message>
    <message>
        <source>Measure on the ruler how far apart the bright bands lie: measure across ten spacings, from bright band %1 left of the middle to bright band %1 right of it, and divide by ten. Then work out the wavelength λ = a·Δy/L. Does it agree with the laser&apos;s?</source>
        <extracomment>An activity&apos;s question. %1 is the band&apos;s number (5). Keep λ = a·Δy/L.</extracomment>
        <translation>Zmierz na linijce, jak daleko od siebie leżą jasne prążki: zmierz dziesięć odstępów naraz, od %1. jasnego prążka na lewo od środka do %1. jasnego prążka na prawo od niego, i podziel przez dziesięć. Potem oblicz długość fali λ = a·Δy/L. Czy zgadza się z długością fali lasera?</translation>
    </message>
    <message>
        <source>Ten spacings measure %1 mm, so Δy = %2 mm and λ = a·Δy/L = %3 mm × %2 mm / %4 m = %5 nm, the laser&apos;s %6 nm. Misreading the ruler by half a millimetre across ten spacings changes λ by about %7 nm: measuring across many bands makes the result precise.</source>
        <extracomment>An activity&apos;s answer. %1 and %2 are lengths in mm, %3 the separation in mm, %4 the distance in m, %5 and %6 wavelengths in nm, %7 an uncertainty in nm.</extracomment>
        <translation>Dziesięć odstępów ma %1 mm, więc Δy = %2 mm i λ = a·Δy/L = %3 mm × %2 mm / %4 m = %5 nm, czyli %6 nm lasera. Błąd odczytu o pół milimetra na dziesięciu odstępach zmienia λ o około %7 nm: pomiar na wielu prążkach daje dokładny wynik.</translation>
    </message>
    <message>
        <source>The pattern as sound</source>
        <extracomment>A heading of the help: the pattern played as sound (the key H).</extracomment>
        <translation>Obraz jako dźwięk</translation>
    </message>
    <message>
        <source>%1 plays the last run as sound, in about four seconds: the screen from the bottom to the top, a hundredth of a second for each point. A tone is loud where the plot is bright and silent in a dark band. %2 stops it.</source>
        <extracomment>%1 is the key that plays the sound (H), %2 the key that stops it (Esc).</extracomment>
        <translation>%1 odtwarza ostatni przebieg jako dźwięk, w około cztery sekundy: ekran od dołu do góry, setną część sekundy na każdy punkt. Ton jest głośny tam, gdzie wykres jest jasny, i milknie w ciemnym prążku. %2 go zatrzymuje.</translation>
    </message>
    <message>
        <source>Exploring a run from the keyboard</source>
        <extracomment>A heading of the help: the keys of the Explore window.</extracomment>
        <translation>Badanie przebiegu z klawiatury</translation>
    </message>
    <message>
        <source>%1 opens Explore beside the picture. Its box &lt;b&gt;%2&lt;/b&gt; selects one of the 399 points of the screen line, 1 at the bottom; the readouts under it give that point&apos;s two paths, their difference and the phasors&apos; angle. %3 move one point, %4 twenty, %5 to the bottom or the top.</source>
        <extracomment>%1 is the key that opens Explore (Ctrl+E), %2 the label of its point box as Explore shows it (&quot;Point:&quot;), %3 the keys Up and Down, %4 Page Up and Page Down, %5 Home and End.</extracomment>
        <translation>%1 otwiera obok rysunku okno do badania przebiegu. Jego pole &lt;b&gt;%2&lt;/b&gt; wybiera jeden z 399 punktów ekranu, 1 na dole; wartości pod nim podają obie drogi do tego punktu, ich różnicę i kąt między wskazami. %3 przesuwają o jeden punkt, %4 o dwadzieścia, %5 na sam dół lub na samą górę.</translation>
    </message>
    <message>
        <source>%1 goes to the next bright point above the one selected, %2 to the next dark one; after the top both start again from the bottom.</source>
        <extracomment>%1 is the key N, %2 Shift+N.</extracomment>
        <translation>%1 przechodzi do następnego jasnego punktu powyżej wybranego, %2 do następnego ciemnego; po górze oba zaczynają znowu od dołu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; puts the last run in a table beside the runs kept before, up to four, to compare their bands. &lt;b&gt;%2&lt;/b&gt; writes every point of the run to a CSV file for a spreadsheet, and &lt;b&gt;%3&lt;/b&gt; puts the same table on the clipboard.</source>
        <extracomment>%1, %2 and %3 are the captions of Explore&apos;s buttons as Explore shows them.</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; umieszcza ostatni przebieg w tabeli obok wcześniej zachowanych, najwyżej czterech, aby porównać ich prążki. &lt;b&gt;%2&lt;/b&gt; zapisuje każdy punkt przebiegu do pliku CSV dla arkusza kalkulacyjnego, a &lt;b&gt;%3&lt;/b&gt; kopiuje tę samą tabelę do schowka.</translation>
    </message>
    <message>
        <source>play the pattern as sound; the second four times slower.</source>
        <extracomment>What the keys do: the first plays the pattern in four seconds, the second at a quarter of the speed.</extracomment>
        <translation>odtwarzają obraz jako dźwięk; drugi czterokrotnie wolniej.</translation>
    </message>
    <message>
        <source>says the last run&apos;s summary again: its bright bands, how far apart they lie and what changed since the run before.</source>
        <extracomment>What the key does, for a screen reader&apos;s user.</extracomment>
        <translation>ponownie odczytuje streszczenie ostatniego przebiegu: jego jasne prążki, jak daleko leżą od siebie i co się zmieniło od poprzedniego przebiegu.</translation>
    </message>
    <message>
        <source>With a screen reader, the end of a run is heard wherever the focus is: that the run finished, with the first sentence of the picture&apos;s description, or, after Escape, the point where it stopped. A slow run also says when it has scanned a quarter, half and three quarters of the screen. In this help the arrow keys move through the text line by line, and %1 and %2 from heading to heading.</source>
        <extracomment>After the keys in the help: what a screen reader says at a run&apos;s end, and how to read the help itself; %1 and %2 are the keys Ctrl+Down and Ctrl+Up.</extracomment>
        <translation>Z czytnikiem ekranu koniec przebiegu słychać bez względu na to, gdzie jest fokus: że przebieg się zakończył, wraz z pierwszym zdaniem opisu rysunku, albo po klawiszu Escape punkt, w którym przebieg się zatrzymał. Wolny przebieg zgłasza też, gdy przeskanuje jedną czwartą, połowę i trzy czwarte ekranu. W tej pomocy strzałki przesuwają po tekście wiersz po wierszu, a %1 i %2 od nagłówka do nagłówka.</translation>
    </message>
    <message>
        <source>A real experiment</source>
        <extracomment>A heading of the help: the window with a real two-slit experiment in nanometres and metres.</extracomment>
        <translation>Prawdziwe doświadczenie</translation>
    </message>
    <message>
        <source>%1 opens a real experiment beside the picture: a laser&apos;s wavelength, the slits&apos; separation a and the screen&apos;s distance L in nanometres, millimetres and metres, the screen as the eye sees it with photons arriving one by one, and the two paths to a point you choose.</source>
        <extracomment>%1 is the key that opens the window.</extracomment>
        <translation>%1 otwiera obok obrazu prawdziwe doświadczenie: długość fali lasera, odległość szczelin a i odległość ekranu L w nanometrach, milimetrach i metrach, ekran taki, jakim widzi go oko, z fotonami docierającymi jeden po drugim, oraz obie drogi do wybranego punktu.</translation>
    </message>
    <message>
        <source>With a green laser of %1 nm, slits %2 mm apart and a screen %3 m away the bands lie %4 mm apart, and the first bright band&apos;s exact place and the small-angle formula&apos;s differ by only %5 µm. There λ/a is %6 and every band shown lies less than %7° from the axis, where sin θ, tan θ and θ agree. In the picture λ/a is about %8 and the bands lie at large angles: that is why the formula and the exact places part there, and not in the laboratory.</source>
        <extracomment>%1 the wavelength in nm, %2 the slits&apos; separation in mm, %3 the screen&apos;s distance in m, %4 the band spacing in mm, %5 a difference in micrometres, %6 the ratio λ/a, %7 an angle in degrees, %8 the picture&apos;s λ/a at start-up. Keep the symbols λ, a, θ.</extracomment>
        <translation>Z zielonym laserem %1 nm, szczelinami odległymi o %2 mm i ekranem w odległości %3 m prążki leżą co %4 mm, a dokładne położenie pierwszego jasnego prążka różni się od położenia według wzoru dla małych kątów tylko o %5 µm. Tam λ/a wynosi %6, a każdy pokazany prążek leży mniej niż %7° od osi, gdzie sin θ, tan θ i θ są zgodne. Na obrazie λ/a wynosi około %8, a prążki leżą pod dużymi kątami: dlatego wzór i dokładne położenia rozchodzą się tam, a nie w laboratorium.</translation>
    </message>
    <message>
        <source>The paths to that first band are %1 and %2 wavelengths long: neither needs to be a whole number of wavelengths. What is one whole wavelength is their difference, %3, and only the difference decides where the screen is bright.</source>
        <extracomment>%1 and %2 are the two paths&apos; lengths in wavelengths (millions), %3 their difference in wavelengths.</extracomment>
        <translation>Drogi do tego pierwszego prążka mają %1 i %2 długości fali: żadna nie musi być całkowitą wielokrotnością długości fali. Jedną całą długością fali jest ich różnica, %3, i tylko różnica decyduje, gdzie ekran jest jasny.</translation>
    </message>
    <message>
        <source>Help text</source>
        <extracomment>What a screen reader calls the help window&apos;s text.</extracomment>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>start a run as %1 does, wherever the focus is. They, %2 and the zoom keys do the same in Explore, the help and About as in the main window.</source>
        <extracomment>What the keys do; %1 is the Start button&apos;s caption, %2 a list of keys (Escape, H, F1, Ctrl+E, Ctrl+Q in the desktop&apos;s words).</extracomment>
        <translation>uruchamiają przebieg tak jak %1, gdziekolwiek jest fokus. Te klawisze, %2 i klawisze powiększenia działają w oknach Zbadaj przebieg, pomocy i O programie Quarnel tak samo jak w oknie głównym.</translation>
    </message>
    <message>
        <source>saves the picture as a PNG image; in Explore, the run&apos;s table as a CSV file.</source>
        <extracomment>What the key does.</extracomment>
        <translation>zapisuje rysunek jako plik PNG; w oknie Zbadaj przebieg tabelę przebiegu jako plik CSV.</translation>
    </message>
    <message>
        <source>In Explore, each point you select, by a key or a click, sounds for a moment with the same tone, as loud as the pattern is at that point, and with its tick on a bright band: go through a band point by point and hear it grow and fade. The check box &lt;b&gt;%1&lt;/b&gt; turns these tones off and on.</source>
        <extracomment>The point tones of Explore; %1 is the caption of their check box as Explore shows it.</extracomment>
        <translation>W oknie Zbadaj przebieg każdy punkt wybrany klawiszem lub kliknięciem brzmi przez chwilę tym samym tonem, tak głośno, jak obraz w tym punkcie, a na jasnym prążku z tyknięciem: przejdź prążek punkt po punkcie i usłysz, jak narasta i zanika. Pole wyboru &lt;b&gt;%1&lt;/b&gt; wyłącza i włącza te tony.</translation>
    </message>
    <message>
        <source>%1 says the selected point&apos;s height above the optical axis and its brightness: what the plot shows there, in per cent of the brightest point of the run.</source>
        <extracomment>%1 is the key R.</extracomment>
        <translation>%1 podaje wysokość wybranego punktu nad osią optyczną i jego jasność: to, co pokazuje tam wykres, w procentach najjaśniejszego punktu przebiegu.</translation>
    </message>
    <message>
        <source>A short high &lt;b&gt;tick&lt;/b&gt; sounds at each bright band: count the ticks and you have counted the bands. A soft &lt;b&gt;hum&lt;/b&gt;, a little higher than the tone, marks where the scan passes the optical axis, so the bands below and above the middle can be told apart.</source>
        <extracomment>How to hear the bands in the sound: the high tick and the soft hum on the axis.</extracomment>
        <translation>Przy każdym jasnym prążku rozlega się krótkie wysokie &lt;b&gt;tyknięcie&lt;/b&gt;: policz tyknięcia, a policzysz prążki. Ciche &lt;b&gt;buczenie&lt;/b&gt;, nieco wyższe od tonu, zaznacza miejsce, w którym przebieg mija oś optyczną, aby odróżnić prążki poniżej i powyżej środka.</translation>
    </message>
</context>
<context>
    <name>KeptRuns</name>
    <message>
        <source>solid</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a solid line (the last run).</extracomment>
        <translation>ciągła</translation>
    </message>
    <message>
        <source>dashed</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a dashed line.</extracomment>
        <translation>kreskowana</translation>
    </message>
    <message>
        <source>dotted</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a dotted line.</extracomment>
        <translation>kropkowana</translation>
    </message>
    <message>
        <source>dash-dot</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a line of dashes and dots.</extracomment>
        <translation>kreska-kropka</translation>
    </message>
    <message>
        <source>dash-dot-dot</source>
        <extracomment>A run&apos;s line style in the Explore plot and its table: a line of a dash and two dots, repeated.</extracomment>
        <translation>kreska-dwie kropki</translation>
    </message>
    <message>
        <source>%1, slit spacing %2 (slits %3 px apart), distance %4 (%5 px), frequency %6 (k = %7)</source>
        <extracomment>A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the spacing option&apos;s caption and %3 the distance between the two slits in pixels (twice each slit&apos;s distance from the axis), %4 the distance option&apos;s caption and %5 its pixels, %6 the frequency option&apos;s caption and %7 the wave number.</extracomment>
        <translation>%1, odstęp szczelin: %2 (szczeliny %3 px od siebie), odległość ekranu: %4 (%5 px), częstotliwość: %6 (k = %7)</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>A column title: the line style (solid, dashed …) each run is drawn with in the plot.</extracomment>
        <translation>Linia</translation>
    </message>
    <message>
        <source>Bright bands</source>
        <extracomment>A column title: how many bright bands the run shows.</extracomment>
        <translation>Jasne prążki</translation>
    </message>
    <message>
        <source>Spacing near the axis (px)</source>
        <extracomment>A column title: the distance between neighbouring bright bands near the axis, in pixels.</extracomment>
        <translation>Odstęp przy osi (px)</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>A column title: the run&apos;s settings in words.</extracomment>
        <translation>Przebieg</translation>
    </message>
    <message>
        <source>%1, the last run</source>
        <extracomment>The line column of the last run&apos;s row: %1 the style of its line, &quot;solid&quot;.</extracomment>
        <translation>%1, ostatni przebieg</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Fewer than two bright bands: no spacing to measure or predict.</extracomment>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>LabOrdersModel</name>
    <message>
        <source>Order m</source>
        <extracomment>A column of the real experiment&apos;s table of bright bands: the order m (path difference m wavelengths).</extracomment>
        <translation>Rząd m</translation>
    </message>
    <message>
        <source>Exact (mm)</source>
        <extracomment>A column: where the path difference is exactly m wavelengths, millimetres above the axis.</extracomment>
        <translation>Dokładnie (mm)</translation>
    </message>
    <message>
        <source>Formula mλL/a (mm)</source>
        <extracomment>A column: where the small-angle formula y = mλL/a puts band m, millimetres; keep the formula.</extracomment>
        <translation>Wzór mλL/a (mm)</translation>
    </message>
    <message>
        <source>Difference (µm)</source>
        <extracomment>A column: the exact place less the formula&apos;s, in micrometres.</extracomment>
        <translation>Różnica (µm)</translation>
    </message>
</context>
<context>
    <name>LabWindow</name>
    <message>
        <source>A real experiment</source>
        <extracomment>The title of the window with a real two-slit experiment in nanometres and metres (Ctrl+L).</extracomment>
        <translation>Prawdziwe doświadczenie</translation>
    </message>
    <message>
        <source>The screen as the eye sees it</source>
        <extracomment>The accessible name of the strip that shows the laboratory&apos;s screen as the eye sees it.</extracomment>
        <translation>Ekran taki, jakim widzi go oko</translation>
    </message>
    <message>
        <source>&amp;Wavelength λ:</source>
        <extracomment>The label of the wavelength box; &amp; marks the access key. λ is the wavelength&apos;s symbol.</extracomment>
        <translation>&amp;Długość fali λ:</translation>
    </message>
    <message>
        <source>The laser&apos;s wavelength, 380 to 780 nanometres</source>
        <extracomment>Accessible description of the wavelength box.</extracomment>
        <translation>Długość fali lasera, od 380 do 780 nanometrów</translation>
    </message>
    <message>
        <source> nm</source>
        <extracomment>The unit after the wavelength&apos;s number: nanometres.</extracomment>
        <translation> nm</translation>
    </message>
    <message>
        <source>Slits&apos; sep&amp;aration a:</source>
        <extracomment>The label of the slits&apos; separation box; &amp; marks the access key. a is its symbol.</extracomment>
        <translation>Odległość &amp;szczelin a:</translation>
    </message>
    <message>
        <source>How far apart the two slits are, 0.05 to 1.00 millimetres</source>
        <extracomment>Accessible description of the separation box.</extracomment>
        <translation>Jak daleko od siebie są obie szczeliny, od 0,05 do 1,00 milimetra</translation>
    </message>
    <message>
        <source> mm</source>
        <extracomment>The unit after the separation&apos;s number: millimetres.</extracomment>
        <translation> mm</translation>
    </message>
    <message>
        <source>Screen&apos;s &amp;distance L:</source>
        <extracomment>The label of the screen&apos;s distance box; &amp; marks the access key. L is its symbol.</extracomment>
        <translation>Odległość &amp;ekranu L:</translation>
    </message>
    <message>
        <source>How far the screen stands behind the slits, 0.50 to 5.00 metres</source>
        <extracomment>Accessible description of the distance box.</extracomment>
        <translation>Jak daleko za szczelinami stoi ekran, od 0,50 do 5,00 metra</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>The unit after the distance&apos;s number: metres.</extracomment>
        <translation> m</translation>
    </message>
    <message>
        <source>Red laser pointer, 650 nm</source>
        <extracomment>A button: a red laser pointer&apos;s wavelength; keep the number.</extracomment>
        <translation>Czerwony wskaźnik laserowy, 650 nm</translation>
    </message>
    <message>
        <source>Green laser pointer, 532 nm</source>
        <extracomment>A button: a green laser pointer&apos;s wavelength; keep the number.</extracomment>
        <translation>Zielony wskaźnik laserowy, 532 nm</translation>
    </message>
    <message>
        <source>Violet laser pointer, 405 nm</source>
        <extracomment>A button: a violet laser pointer&apos;s wavelength; keep the number.</extracomment>
        <translation>Fioletowy wskaźnik laserowy, 405 nm</translation>
    </message>
    <message>
        <source>%1: %2 is refused; it must lie between %3 and %4.</source>
        <extracomment>A message when a typed value is outside its box&apos;s range: %1 the box&apos;s name (Wavelength λ …), %2 the typed value with its unit, %3 and %4 the limits with their units.</extracomment>
        <translation>%1: wartość %2 została odrzucona; musi leżeć między %3 a %4.</translation>
    </message>
    <message>
        <source>&amp;Photons arrive</source>
        <extracomment>A button that lets photons arrive one by one at the chosen pace, or stops them; &amp; marks the access key.</extracomment>
        <translation>&amp;Fotony docierają</translation>
    </message>
    <message>
        <source> per second</source>
        <extracomment>The unit after the pace&apos;s number: photons arriving per second.</extracomment>
        <translation> na sekundę</translation>
    </message>
    <message>
        <source>Pace</source>
        <extracomment>The accessible name of the box that sets how many photons arrive per second.</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>To %1</source>
        <extracomment>A button that brings the photons up to so many at once: %1 is 10, 100, 1,000 or 100,000.</extracomment>
        <translation>Do %1</translation>
    </message>
    <message>
        <source>Lets photons arrive until %1 have</source>
        <extracomment>Accessible description of the buttons that bring the photons up to a number; %1 the number.</extracomment>
        <translation>Pozwala docierać fotonom, aż dotrze ich %1</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <extracomment>A button that takes every photon off the screen and starts again; &amp; marks the access key.</extracomment>
        <translation>Wy&amp;czyść</translation>
    </message>
    <message>
        <source>Sa&amp;me photons again, seed:</source>
        <extracomment>A check box: the photons arrive at the same places every time, from the seed beside it; &amp; marks the access key.</extracomment>
        <translation>Te sa&amp;me fotony ponownie, ziarno:</translation>
    </message>
    <message>
        <source>Seed</source>
        <extracomment>The accessible name of the seed box: the number the random arrivals start from.</extracomment>
        <translation>Ziarno</translation>
    </message>
    <message>
        <source>The construction at a point</source>
        <extracomment>The title of the group with the two paths to the chosen point, in real units.</extracomment>
        <translation>Konstrukcja w punkcie</translation>
    </message>
    <message>
        <source>P&amp;oint y:</source>
        <extracomment>The label of the box with the chosen point&apos;s height above the axis; &amp; marks the access key.</extracomment>
        <translation>&amp;Punkt y:</translation>
    </message>
    <message>
        <source>The chosen point&apos;s height above the axis on the screen, −50 to 50 millimetres; a click on the strip chooses it too</source>
        <extracomment>Accessible description of the point box; the strip&apos;s keys are the same.</extracomment>
        <translation>Wysokość wybranego punktu nad osią na ekranie, od −50 do 50 milimetrów; można go też wybrać kliknięciem w pasek</translation>
    </message>
    <message>
        <source>%1 is off the screen shown; choose a point between −50 and 50 mm.</source>
        <extracomment>A message: %1 the typed height with its unit; the screen shown reaches 50 mm each way.</extracomment>
        <translation>%1 leży poza pokazanym ekranem; wybierz punkt między −50 a 50 mm.</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <extracomment>A readout: the path from slit A (the upper slit) to the point.</extracomment>
        <translation>Droga od szczeliny A</translation>
    </message>
    <message>
        <source>From the upper slit to the point, in metres and in wavelengths</source>
        <extracomment>Accessible description of the path A readout.</extracomment>
        <translation>Od górnej szczeliny do punktu, w metrach i w długościach fali</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <extracomment>A readout: the path from slit B (the lower slit) to the point.</extracomment>
        <translation>Droga od szczeliny B</translation>
    </message>
    <message>
        <source>From the lower slit to the point, in metres and in wavelengths</source>
        <extracomment>Accessible description of the path B readout.</extracomment>
        <translation>Od dolnej szczeliny do punktu, w metrach i w długościach fali</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <extracomment>A readout: how much longer path B is than path A.</extracomment>
        <translation>Różnica dróg B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in nanometres and in wavelengths</source>
        <extracomment>Accessible description of the path difference readout.</extracomment>
        <translation>O ile dłuższa jest droga od szczeliny B, w nanometrach i w długościach fali</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <extracomment>A readout: the angle between the two phasors.</extracomment>
        <translation>Różnica faz</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in radians and degrees</source>
        <extracomment>Accessible description of the phase difference readout.</extracomment>
        <translation>O ile bardziej wskaz B jest obrócony niż wskaz A, w radianach i stopniach</translation>
    </message>
    <message>
        <source>Brightness</source>
        <extracomment>A readout: how bright the point is, against the brightest place.</extracomment>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>The intensity at the point as a share of the brightest band&apos;s</source>
        <extracomment>Accessible description of the brightness readout.</extracomment>
        <translation>Natężenie w punkcie jako część natężenia najjaśniejszego prążka</translation>
    </message>
    <message>
        <source>Phasors at the point</source>
        <extracomment>The accessible name of the drawing of the two phasors at the point and their sum.</extracomment>
        <translation>Wskazy w punkcie</translation>
    </message>
    <message>
        <source>Bright bands: exact and by the formula</source>
        <extracomment>The title of the group comparing the exact places of the bright bands with the small-angle formula&apos;s.</extracomment>
        <translation>Jasne prążki: dokładnie i według wzoru</translation>
    </message>
    <message>
        <source>Band spacing</source>
        <extracomment>A readout: how far apart neighbouring bright bands lie near the axis.</extracomment>
        <translation>Odstęp prążków</translation>
    </message>
    <message>
        <source>From the middle bright band to the next, exactly and by the formula λL/a</source>
        <extracomment>Accessible description of the band spacing readout; keep λL/a.</extracomment>
        <translation>Od środkowego jasnego prążka do następnego, dokładnie i według wzoru λL/a</translation>
    </message>
    <message>
        <source>Bright bands, exact and by the small-angle formula</source>
        <extracomment>The accessible name of the table of bright bands; choosing a row moves the point there.</extracomment>
        <translation>Jasne prążki, dokładnie i według wzoru dla małych kątów</translation>
    </message>
    <message>
        <source>Choosing a row puts the point on that band</source>
        <extracomment>Accessible description of the table of bright bands.</extracomment>
        <translation>Wybór wiersza przenosi punkt na ten prążek</translation>
    </message>
    <message>
        <source>&amp;Save table...</source>
        <extracomment>A button: saves the table of bright bands as a CSV file; &amp; marks the access key.</extracomment>
        <translation>&amp;Zapisz tabelę...</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <extracomment>A button: puts the table of bright bands on the clipboard; &amp; marks the access key.</extracomment>
        <translation>&amp;Kopiuj tabelę</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button that closes the real experiment&apos;s window.</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Photons: %1</source>
        <extracomment>How many photons have arrived on the strip; %1 the number.</extracomment>
        <translation>Fotony: %1</translation>
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
        <translation>%1 % najjaśniejszego</translation>
    </message>
    <message>
        <source>Phasor B, then phasor A turned %1° further, and their sum, %2 % as long as it can be</source>
        <extracomment>The phasors&apos; drawing for a screen reader: %1 the phase difference in degrees, %2 the sum&apos;s length as a share of its longest.</extracomment>
        <translation>Wskaz B, potem wskaz A obrócony o %1° dalej i ich suma o długości %2 % największej możliwej</translation>
    </message>
    <message>
        <source>%1 mm (formula λL/a: %2 mm)</source>
        <extracomment>The band spacing: %1 exact, %2 by the formula λL/a, both in millimetres.</extracomment>
        <translation>%1 mm (wzór λL/a: %2 mm)</translation>
    </message>
    <message>
        <source>wider than the screen shown</source>
        <extracomment>The band spacing when the first band lies beyond the 5 cm shown.</extracomment>
        <translation>szerszy niż pokazany ekran</translation>
    </message>
    <message>
        <source>Here λ/a is only %1, and the farthest band shown lies %2° from the axis: at so small an angle sin θ, tan θ and θ agree, and the formula misses the exact places by at most %3 µm. In the picture the wavelength is about a tenth of the slits&apos; distance and the bands lie at large angles, so there the two part.</source>
        <extracomment>Why the formula and the exact places agree here: %1 the ratio λ/a, %2 the angle of the farthest band shown in degrees, %3 the largest difference in micrometres. Keep λ/a and θ.</extracomment>
        <translation>Tutaj λ/a wynosi tylko %1, a najdalszy pokazany prążek leży %2° od osi: przy tak małym kącie sin θ, tan θ i θ są zgodne, a wzór chybia dokładnych położeń najwyżej o %3 µm. Na obrazie długość fali to około jednej dziesiątej odległości szczelin, a prążki leżą pod dużymi kątami, więc tam oba się rozchodzą.</translation>
    </message>
    <message>
        <source>The screen from −50 to 50 mm in the colour of %1 nm light, bright bands at %2 mm; %3 photons have arrived; the point is at %4 mm. Left and Right move it 0.1 mm, with Ctrl 0.01 mm, Page Up and Page Down 1 mm, Home to the axis.</source>
        <extracomment>The strip for a screen reader: %1 the light&apos;s wavelength in nm, %2 the bright bands&apos; places in mm separated by semicolons, %3 the photons arrived, %4 the chosen point in mm.</extracomment>
        <translation>Ekran od −50 do 50 mm w kolorze światła %1 nm, jasne prążki w %2 mm; dotarło %3 fotonów; punkt jest w %4 mm. Strzałki w lewo i w prawo przesuwają go o 0,1 mm, z Ctrl o 0,01 mm, Page Up i Page Down o 1 mm, Home na oś.</translation>
    </message>
    <message>
        <source>Save table as</source>
        <extracomment>The title of the file dialog that saves the table of bright bands.</extracomment>
        <translation>Zapisz tabelę jako</translation>
    </message>
    <message>
        <source>bright-bands.csv</source>
        <extracomment>The file name the save dialog suggests; keep the .csv ending.</extracomment>
        <translation>jasne-prazki.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file-type filter of the save dialog; keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A warning: %1 the file name, %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się zapisać tabeli jako „%1”: %2</translation>
    </message>
</context>
<context>
    <name>OrdersModel</name>
    <message>
        <source>Order m</source>
        <extracomment>A column title: the order m (whole number of wavelengths of path difference).</extracomment>
        <translation>Rząd m</translation>
    </message>
    <message>
        <source>Exact (px)</source>
        <extracomment>A column title: the height of order m from the exact geometry, in pixels.</extracomment>
        <translation>Dokładnie (px)</translation>
    </message>
    <message>
        <source>Small-angle (px)</source>
        <extracomment>A column title: the height the small-angle formula gives, in pixels.</extracomment>
        <translation>Małe kąty (px)</translation>
    </message>
    <message>
        <source>Small-angle less exact (px)</source>
        <extracomment>A column title: how far the formula&apos;s height lies from the exact one, in pixels.</extracomment>
        <translation>Małe kąty minus dokładnie (px)</translation>
    </message>
    <message>
        <source>off the screen</source>
        <extracomment>Where an order would lie beyond the scanned part of the screen.</extracomment>
        <translation>poza ekranem</translation>
    </message>
</context>
<context>
    <name>PatternPlayer</name>
    <message>
        <source>The pattern will sound when the run ends.</source>
        <extracomment>Shown, and said to a screen reader, when the key that plays the pattern as sound is pressed during a run.</extracomment>
        <translation>Obraz zabrzmi, gdy przebieg się zakończy.</translation>
    </message>
    <message>
        <source>There is no pattern to hear yet: press %1 first.</source>
        <extracomment>Shown, and said to a screen reader, when the pattern is to be played as sound before any run; %1 is the Start button&apos;s caption.</extracomment>
        <translation>Nie ma jeszcze czego posłuchać: najpierw naciśnij %1.</translation>
    </message>
    <message>
        <source>No sound output was found: the pattern cannot be heard.</source>
        <extracomment>Shown, and said to a screen reader, when the computer has no sound server or no sound output to play the pattern through.</extracomment>
        <translation>Nie znaleziono wyjścia dźwięku: nie można odtworzyć obrazu.</translation>
    </message>
    <message>
        <source>The sound server does not answer: the pattern cannot be heard. Try again later, or restart the computer&apos;s sound.</source>
        <extracomment>Shown, and said to a screen reader, when the pattern is to be played as sound and the computer&apos;s sound server (the program that plays every program&apos;s sound) does not answer within a few seconds.</extracomment>
        <translation>Serwer dźwięku nie odpowiada: nie można odtworzyć obrazu. Spróbuj później albo uruchom ponownie dźwięk komputera.</translation>
    </message>
    <message>
        <source>The sound component of Quarnel is not installed: install the package quarnel-sound to hear the pattern.</source>
        <extracomment>Shown, and said to a screen reader, when the part of Quarnel that plays sound is missing or broken; quarnel-sound is the name of the package to install, keep it as it is.</extracomment>
        <translation>Składnik dźwiękowy programu Quarnel nie jest zainstalowany: aby usłyszeć obraz, zainstaluj pakiet quarnel-sound.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>&amp;Copy picture</source>
        <extracomment>An entry of the picture&apos;s menu (right button); &amp; marks the key that chooses it.</extracomment>
        <translation>&amp;Kopiuj rysunek</translation>
    </message>
    <message>
        <source>&amp;Save picture as...</source>
        <extracomment>An entry of the picture&apos;s menu: saves it as a PNG file, asking where.</extracomment>
        <translation>&amp;Zapisz rysunek jako...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>An entry of the picture&apos;s menu: opens the help.</extracomment>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;About Quarnel</source>
        <extracomment>An entry of the picture&apos;s menu: opens About.</extracomment>
        <translation>&amp;O programie Quarnel</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>What a screen reader calls the picture&apos;s menu.</extracomment>
        <translation>Rysunek</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <extracomment>The title of the file dialog that saves the picture.</extracomment>
        <translation>Zapisz rysunek jako</translation>
    </message>
    <message>
        <source>interference.png</source>
        <extracomment>The file name the save dialog offers; a file name, so no spaces or slashes.</extracomment>
        <translation>interferencja.png</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <extracomment>The save dialog&apos;s file type; keep &quot;(*.png)&quot; as it is.</extracomment>
        <translation>Pliki PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>A message box: %1 is the file&apos;s path, %2 the system&apos;s reason (already translated).</extracomment>
        <translation>Nie udało się zapisać rysunku jako „%1”: %2</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <extracomment>An entry of the picture&apos;s menu: the whole window one step larger.</extracomment>
        <translation>Po&amp;większ</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <extracomment>An entry of the picture&apos;s menu: the whole window one step smaller.</extracomment>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <extracomment>An entry of the picture&apos;s menu: the window back at 100 %.</extracomment>
        <translation>&amp;Normalny rozmiar</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <extracomment>An entry of the picture&apos;s menu: the window fills the screen, or leaves it.</extracomment>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <extracomment>An entry of the picture&apos;s menu: opens the window that inspects the last run point by point.</extracomment>
        <translation>Z&amp;badaj</translation>
    </message>
    <message>
        <source>Hea&amp;r the pattern</source>
        <extracomment>An entry of the picture&apos;s menu: plays the last run as sound, bottom to top, loud where the picture is bright and silent where it is dark.</extracomment>
        <translation>Posłuc&amp;haj obrazu</translation>
    </message>
    <message>
        <source>Real e&amp;xperiment</source>
        <extracomment>An entry of the picture&apos;s menu: opens a real two-slit experiment in nanometres and metres.</extracomment>
        <translation>Prawdziwe &amp;doświadczenie</translation>
    </message>
    <message>
        <source>Hear it s&amp;lowly</source>
        <extracomment>An entry of the picture&apos;s menu: plays the last run as sound at a quarter of the speed.</extracomment>
        <translation>Posłuchaj powo&amp;li</translation>
    </message>
    <message>
        <source>Say the s&amp;ummary</source>
        <extracomment>An entry of the picture&apos;s menu: the screen reader says the last run&apos;s summary again (the bright bands, their distance, what changed); &amp; marks the key.</extracomment>
        <translation>Powiedz &amp;streszczenie</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <extracomment>An entry of the picture&apos;s menu: starts a run, as the Start button does; &amp; marks the key that chooses it.</extracomment>
        <translation>S&amp;tart</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message numerus="yes">
        <source>%n pixel</source>
        <extracomment>A distance in the picture&apos;s description, for one pixel (%n is 1); give every plural form your language has.</extracomment>
        <translation>
            <numerusform>%n piksel</numerusform>
            <numerusform>%n piksel</numerusform>
            <numerusform>%n piksel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <extracomment>A distance in the picture&apos;s description, %n pixels; give every plural form your language has (2 pixely, 5 pixelů).</extracomment>
        <translation>
            <numerusform>%n piksel</numerusform>
            <numerusform>%n piksele</numerusform>
            <numerusform>%n pikseli</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 above the optical axis</source>
        <extracomment>Where something lies, or where a stopped run&apos;s plot reaches; %1 a distance such as &quot;12 pixels&quot; or a list of them (&quot;10, 31 and 53 pixels&quot;).</extracomment>
        <translation>%1 nad osią optyczną</translation>
    </message>
    <message>
        <source>%1 below the optical axis</source>
        <extracomment>Where something lies, or where a stopped run&apos;s plot reaches; %1 a distance such as &quot;12 pixels&quot; or a list of them (&quot;10, 31 and 53 pixels&quot;).</extracomment>
        <translation>%1 pod osią optyczną</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <extracomment>The start of the picture&apos;s settings sentence: %1 is the pattern&apos;s name as its option says it (Light, Interference, Photon density).</extracomment>
        <translation>Obraz „%1”</translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <extracomment>Said of the picture when no point of the plot is bright.</extracomment>
        <translation>Wykres pozostaje ciemny.</translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <extracomment>The picture&apos;s description before the first run; &quot;Start&quot; as the button&apos;s caption.</extracomment>
        <translation>Jeszcze nic nie narysowano: Start rysuje źródło światła, przesłonę z dwiema szczelinami, ekran i obraz.</translation>
    </message>
    <message>
        <source>The run was stopped before its first point.</source>
        <extracomment>Said of the picture after Escape stopped a run at once.</extracomment>
        <translation>Przebieg zatrzymano przed pierwszym punktem.</translation>
    </message>
    <message>
        <source>level with the optical axis</source>
        <extracomment>Where a stopped run&apos;s plot reaches (the %3 of &quot;The run was stopped after ...&quot;).</extracomment>
        <translation>do wysokości osi optycznej</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.</source>
        <extracomment>%1 and %2 are numbers of points (the scan has 399), %3 where the plot reaches (&quot;level with the optical axis&quot;, &quot;12 pixels above the optical axis&quot;).</extracomment>
        <translation>Przebieg zatrzymano po %1 z %2 punktów: wykres sięga od dołu aż %3.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list in the picture&apos;s description: %1 the items before the last, separated by commas (&quot;10, 31&quot;), %2 the last (&quot;53 pixels&quot;).</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>on the optical axis</source>
        <extracomment>Where something lies in the picture: on the optical axis (the horizontal line through the source and midway between the slits).</extracomment>
        <translation>na osi optycznej</translation>
    </message>
    <message>
        <source>%1 above and below the optical axis</source>
        <extracomment>Where two places mirrored across the axis lie; %1 a distance such as &quot;12 pixels&quot; or a list of them (&quot;10, 31 and 53 pixels&quot;).</extracomment>
        <translation>%1 nad osią optyczną i pod nią</translation>
    </message>
    <message>
        <source>No bands: the plot is evenly bright from the bottom to the top.</source>
        <extracomment>The picture&apos;s first sentence when the plot is the same length all the way up (interference with both slits on the axis).</extracomment>
        <translation>Brak prążków: wykres jest od dołu do góry jednakowo jasny.</translation>
    </message>
    <message>
        <source>across the optical axis</source>
        <extracomment>Where the only bright band lies, in &quot;One bright band, %1.&quot;.</extracomment>
        <translation>w poprzek osi optycznej</translation>
    </message>
    <message>
        <source>One bright band, %1.</source>
        <extracomment>The picture&apos;s first sentence, also said alone when a run ends: %1 where the band lies (&quot;across the optical axis&quot;, &quot;30 pixels above the optical axis&quot;).</extracomment>
        <translation>Jeden jasny prążek, %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bright bands, %1 apart near the axis.</source>
        <extracomment>The picture&apos;s first sentence, also said alone when a run ends: %n bright bands (2 or more; give every plural form), %1 the distance between two neighbouring bands near the optical axis (&quot;21 pixels&quot;).</extracomment>
        <translation>
            <numerusform>%n jasny prążek, przy osi co %1.</numerusform>
            <numerusform>%n jasne prążki, przy osi co %1.</numerusform>
            <numerusform>%n jasnych prążków, przy osi co %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more farther out</source>
        <extracomment>The end of the list of dark bands: %1 the places listed (&quot;10, 31 and 53 pixels above and below the optical axis&quot;), %n how many more lie farther from the axis.</extracomment>
        <translation>
            <numerusform>%1 oraz %n kolejny dalej od osi</numerusform>
            <numerusform>%1 oraz %n kolejne dalej od osi</numerusform>
            <numerusform>%1 oraz %n kolejnych dalej od osi</numerusform>
        </translation>
    </message>
    <message>
        <source>Dark bands lie %1.</source>
        <extracomment>The sentence on the dark bands (the dark stripes between the bright bands): %1 where they lie (&quot;10, 31 and 53 pixels above and below the optical axis, and 6 more farther out&quot;); places on both sides are separated by semicolons.</extracomment>
        <translation>Ciemne prążki leżą %1.</translation>
    </message>
    <message>
        <source>the slits are farther apart</source>
        <extracomment>A change since the last run, in &quot;Since the last run: %1.&quot; and before &quot;, so the bright bands are ...&quot;.</extracomment>
        <translation>szczeliny są dalej od siebie</translation>
    </message>
    <message>
        <source>the slits are closer together</source>
        <extracomment>A change since the last run, in &quot;Since the last run: %1.&quot; and before &quot;, so the bright bands are ...&quot;.</extracomment>
        <translation>szczeliny są bliżej siebie</translation>
    </message>
    <message>
        <source>the detector is farther from the slits</source>
        <extracomment>A change since the last run: the detector is farther from the slits.</extracomment>
        <translation>ekran jest dalej od szczelin</translation>
    </message>
    <message>
        <source>the detector is nearer to the slits</source>
        <extracomment>A change since the last run: the detector is nearer to the slits.</extracomment>
        <translation>ekran jest bliżej szczelin</translation>
    </message>
    <message>
        <source>the frequency is higher</source>
        <extracomment>A change since the last run: the light&apos;s frequency.</extracomment>
        <translation>częstotliwość jest wyższa</translation>
    </message>
    <message>
        <source>the frequency is lower</source>
        <extracomment>A change since the last run: the light&apos;s frequency.</extracomment>
        <translation>częstotliwość jest niższa</translation>
    </message>
    <message>
        <source>the plot shows the %1 pattern</source>
        <extracomment>A change since the last run: %1 the pattern&apos;s name as its option says it (Light, Interference, Photon density).</extracomment>
        <translation>wykres pokazuje obraz „%1”</translation>
    </message>
    <message>
        <source>bright bands: %1 instead of %2</source>
        <extracomment>A change since the last run: %1 how many bright bands the plot shows now, %2 how many it showed before.</extracomment>
        <translation>jasne prążki: %1 zamiast %2</translation>
    </message>
    <message>
        <source>Since the last run: %1.</source>
        <extracomment>The sentence on what changed since the previous run: %1 the changes, separated by semicolons (&quot;the plot shows the Photon density pattern; bright bands: 12 instead of 11&quot;).</extracomment>
        <translation>Od poprzedniego przebiegu: %1.</translation>
    </message>
    <message>
        <source>There are no dark bands: with both slits on the optical axis the two paths to every point are equally long, so the two arrows (phasors) always point the same way.</source>
        <extracomment>Said when the slit spacing is 0: why the pattern has no dark bands.</extracomment>
        <translation>Nie ma ciemnych prążków: gdy obie szczeliny leżą na osi optycznej, obie drogi do każdego punktu są jednakowo długie, więc obie strzałki (wskazy) zawsze wskazują ten sam kierunek.</translation>
    </message>
    <message>
        <source>The dots land at random along each row, but they pile up where the light pattern is bright, most densely %1.</source>
        <extracomment>Photon mode: each photon lands as a dot at a random place along its row; %1 where the most dots are (&quot;on the optical axis&quot;, &quot;40 pixels above and below the optical axis&quot;).</extracomment>
        <translation>Kropki padają w każdym wierszu w losowe miejsca, ale gromadzą się tam, gdzie obraz światła jest jasny, najgęściej %1.</translation>
    </message>
    <message>
        <source>The light is brightest %1.</source>
        <extracomment>Where the plot is longest; %1 &quot;on the optical axis&quot;, &quot;40 pixels above and below the optical axis&quot; and the like.</extracomment>
        <translation>Światło jest najjaśniejsze %1.</translation>
    </message>
    <message>
        <source>At a bright band the two arrows (phasors) point the same way and add up; at a dark band they point opposite ways and cancel.</source>
        <extracomment>The phasors (the two arrows drawn at the detector for each point, one per slit) at the bands, as the help explains them.</extracomment>
        <translation>W jasnym prążku obie strzałki (wskazy) wskazują ten sam kierunek i się dodają; w ciemnym prążku wskazują przeciwne kierunki i się znoszą.</translation>
    </message>
    <message>
        <source>The plot dips %1 to %2% of its brightest, but that is no dark band: the two arrows (phasors) add up there; the program weakens the light the farther a point lies from each slit.</source>
        <extracomment>A dip in the plot inside a bright band that is no dark band: %1 where it lies (&quot;on the optical axis&quot;), %2 how low the plot gets there, in percent of its largest value.</extracomment>
        <translation>Wykres opada %1 do %2% swojej największej wartości, ale to nie jest ciemny prążek: obie strzałki (wskazy) dodają się tam; program osłabia światło tym bardziej, im dalej punkt leży od każdej szczeliny.</translation>
    </message>
    <message>
        <source>No dark band: nowhere on the screen line do the two arrows (phasors) point opposite ways.</source>
        <extracomment>Said when the path difference stays too small for the phasors to cancel anywhere on the screen line.</extracomment>
        <translation>Brak ciemnego prążka: nigdzie na ekranie obie strzałki (wskazy) nie wskazują przeciwnych kierunków.</translation>
    </message>
    <message>
        <source>slit spacing large (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;large&quot;; %1 a distance (&quot;40 pixels&quot;).</extracomment>
        <translation>dużym odstępem szczelin (każda szczelina %1 od osi optycznej)</translation>
    </message>
    <message>
        <source>slit spacing minor (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;minor&quot;; %1 a distance (&quot;15 pixels&quot;).</extracomment>
        <translation>mniejszym odstępem szczelin (każda szczelina %1 od osi optycznej)</translation>
    </message>
    <message>
        <source>slit spacing middle (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;middle&quot;; %1 a distance (&quot;10 pixels&quot;).</extracomment>
        <translation>średnim odstępem szczelin (każda szczelina %1 od osi optycznej)</translation>
    </message>
    <message>
        <source>slit spacing small (each slit %1 from the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;small&quot;; %1 a distance (&quot;5 pixels&quot;).</extracomment>
        <translation>małym odstępem szczelin (każda szczelina %1 od osi optycznej)</translation>
    </message>
    <message>
        <source>slit spacing 0 (both slits on the optical axis)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the slit-spacing option &quot;0&quot;.</extracomment>
        <translation>zerowym odstępem szczelin (obie szczeliny na osi optycznej)</translation>
    </message>
    <message>
        <source>detector-screen distance large (%1 behind the barrier)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the distance option &quot;large&quot;; %1 a distance (&quot;200 pixels&quot;).</extracomment>
        <translation>dużą odległością ekranu (%1 za przesłoną)</translation>
    </message>
    <message>
        <source>detector-screen distance middle (%1 behind the barrier)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the distance option &quot;middle&quot;; %1 a distance (&quot;150 pixels&quot;).</extracomment>
        <translation>średnią odległością ekranu (%1 za przesłoną)</translation>
    </message>
    <message>
        <source>detector-screen distance near (%1 behind the barrier)</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the distance option &quot;near&quot;; %1 a distance (&quot;100 pixels&quot;).</extracomment>
        <translation>bliskim ekranem (%1 za przesłoną)</translation>
    </message>
    <message>
        <source>frequency higher</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;higher&quot;.</extracomment>
        <translation>wyższą częstotliwością</translation>
    </message>
    <message>
        <source>frequency high</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;high&quot;.</extracomment>
        <translation>wysoką częstotliwością</translation>
    </message>
    <message>
        <source>frequency middle</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;middle&quot;.</extracomment>
        <translation>średnią częstotliwością</translation>
    </message>
    <message>
        <source>frequency low</source>
        <extracomment>In &quot;after a run with %2, %3 and %4&quot;: the frequency option &quot;low&quot;.</extracomment>
        <translation>niską częstotliwością</translation>
    </message>
    <message>
        <source>%1 after a run with %2, %3 and %4.</source>
        <extracomment>The sentence on the settings: %1 &quot;Light pattern&quot; (see &quot;%1 pattern&quot;), %2 the slit spacing, %3 the detector-screen distance, %4 the frequency, each as its option&apos;s phrase (&quot;slit spacing large (each slit 40 pixels from the optical axis)&quot;).</extracomment>
        <translation>%1 po przebiegu z %2, %3 i %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1, so the %n bright bands are closer together: %2 apart instead of %3.</source>
        <extracomment>A run&apos;s summary after a change: %1 what changed (&quot;The slits are farther apart&quot;, several joined by &quot;and&quot;), %n how many bright bands now (2 or more; give every plural form), %2 their distance now (&quot;6 pixels&quot;), %3 the number of pixels it was (&quot;16&quot;).</extracomment>
        <translation>
            <numerusform>%1, więc %n jasny prążek leży bliżej: co %2 zamiast co %3.</numerusform>
            <numerusform>%1, więc %n jasne prążki leżą bliżej siebie: co %2 zamiast co %3.</numerusform>
            <numerusform>%1, więc %n jasnych prążków leży bliżej siebie: co %2 zamiast co %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, so the %n bright bands are farther apart: %2 apart instead of %3.</source>
        <extracomment>A run&apos;s summary after a change: %1 what changed (&quot;The slits are closer together&quot;, several joined by &quot;and&quot;), %n how many bright bands now (2 or more; give every plural form), %2 their distance now (&quot;16 pixels&quot;), %3 the number of pixels it was (&quot;6&quot;).</extracomment>
        <translation>
            <numerusform>%1, więc %n jasny prążek leży dalej: co %2 zamiast co %3.</numerusform>
            <numerusform>%1, więc %n jasne prążki leżą dalej od siebie: co %2 zamiast co %3.</numerusform>
            <numerusform>%1, więc %n jasnych prążków leży dalej od siebie: co %2 zamiast co %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, yet the %n bright bands are as far apart as before: %2.</source>
        <extracomment>A run&apos;s summary after changes that cancel out: %1 what changed (&quot;The slits are closer together and the detector is nearer to the slits&quot;), %n how many bright bands (2 or more; give every plural form), %2 their distance (&quot;21 pixels&quot;).</extracomment>
        <translation>
            <numerusform>%1, a mimo to %n jasny prążek leży tak samo jak wcześniej: co %2.</numerusform>
            <numerusform>%1, a mimo to %n jasne prążki leżą tak samo daleko od siebie jak wcześniej: co %2.</numerusform>
            <numerusform>%1, a mimo to %n jasnych prążków leży tak samo daleko od siebie jak wcześniej: co %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PointReadouts</name>
    <message>
        <source>Selected point</source>
        <extracomment>The accessible name of the point box, and the title of the group of readouts for that point.</extracomment>
        <translation>Wybrany punkt</translation>
    </message>
    <message>
        <source>Height above the optical axis</source>
        <extracomment>A readout: how far the selected point lies above the optical axis (the line through the middle of the slits), in pixels.</extracomment>
        <translation>Wysokość nad osią optyczną</translation>
    </message>
    <message>
        <source>How far the point lies above the optical axis, in pixels; below it negative</source>
        <extracomment>Accessible description of the height readout.</extracomment>
        <translation>Jak wysoko punkt leży nad osią optyczną, w pikselach; poniżej niej ujemnie</translation>
    </message>
    <message>
        <source>Wavelength λ = 2π/k</source>
        <extracomment>A readout: the wavelength of the light, worked out from its wave number k. Keep the formula as it is.</extracomment>
        <translation>Długość fali λ = 2π/k</translation>
    </message>
    <message>
        <source>The wavelength of the run&apos;s light, from its wave number k</source>
        <extracomment>Accessible description of the wavelength readout.</extracomment>
        <translation>Długość fali światła w tym przebiegu, z jego liczby falowej k</translation>
    </message>
    <message>
        <source>Path from slit A</source>
        <extracomment>A readout: the length of the path from the middle of slit A to the selected point.</extracomment>
        <translation>Droga od szczeliny A</translation>
    </message>
    <message>
        <source>From the middle of slit A to the point, in pixels and in wavelengths</source>
        <extracomment>Accessible description of the readout of the path from slit A.</extracomment>
        <translation>Od środka szczeliny A do punktu, w pikselach i w długościach fali</translation>
    </message>
    <message>
        <source>Path from slit B</source>
        <extracomment>A readout: the length of the path from the middle of slit B to the selected point.</extracomment>
        <translation>Droga od szczeliny B</translation>
    </message>
    <message>
        <source>From the middle of slit B to the point, in pixels and in wavelengths</source>
        <extracomment>Accessible description of the readout of the path from slit B.</extracomment>
        <translation>Od środka szczeliny B do punktu, w pikselach i w długościach fali</translation>
    </message>
    <message>
        <source>Path difference B − A</source>
        <extracomment>A readout: how much longer the path from slit B is than the path from slit A.</extracomment>
        <translation>Różnica dróg B − A</translation>
    </message>
    <message>
        <source>How much longer the path from slit B is, in wavelengths and pixels</source>
        <extracomment>Accessible description of the path-difference readout.</extracomment>
        <translation>O ile dłuższa jest droga od szczeliny B, w długościach fali i w pikselach</translation>
    </message>
    <message>
        <source>Phase difference</source>
        <extracomment>A readout: the angle between the two phasors (the arrows of the two waves), in degrees.</extracomment>
        <translation>Różnica faz</translation>
    </message>
    <message>
        <source>How much further phasor B is turned than phasor A, in degrees, and in whole turns and the rest</source>
        <extracomment>Accessible description of the phase-difference readout; a phasor is the arrow that stands for one wave.</extracomment>
        <translation>O ile dalej obrócony jest wskaz B niż wskaz A, w stopniach oraz w pełnych obrotach i reszcie</translation>
    </message>
    <message>
        <source>Intensity as computed</source>
        <extracomment>A readout: the intensity the program worked out at the point, before the plot scales it.</extracomment>
        <translation>Natężenie obliczone</translation>
    </message>
    <message>
        <source>Four times the squared length of the phasor sum, before the pattern scales it</source>
        <extracomment>Accessible description of the computed-intensity readout; the phasor sum is the arrow from the tail of one phasor to the head of the other.</extracomment>
        <translation>Czterokrotność kwadratu długości sumy wskazów, zanim obraz ją przeskaluje</translation>
    </message>
    <message>
        <source>Intensity as plotted</source>
        <extracomment>A readout: what the plot drew at the point (a bar&apos;s length, or a number of photon dots).</extracomment>
        <translation>Natężenie na wykresie</translation>
    </message>
    <message>
        <source>What the plot drew at this height: the bar&apos;s length, or the photons</source>
        <extracomment>Accessible description of the plotted-intensity readout.</extracomment>
        <translation>Co wykres narysował na tej wysokości: długość słupka albo fotony</translation>
    </message>
    <message>
        <source>Nearest whole order</source>
        <extracomment>A readout: the whole number m of wavelengths nearest the path difference (the nearest order).</extracomment>
        <translation>Najbliższy rząd całkowity</translation>
    </message>
    <message>
        <source>The whole number of wavelengths m nearest the path difference, and how far the difference is from it</source>
        <extracomment>Accessible description of the nearest-order readout.</extracomment>
        <translation>Całkowita liczba długości fali m najbliższa różnicy dróg i jak daleko od niej jest ta różnica</translation>
    </message>
    <message>
        <source>Where this order lies</source>
        <extracomment>A readout: where the path difference is m wavelengths (order m), exactly and by the small-angle formula.</extracomment>
        <translation>Gdzie leży ten rząd</translation>
    </message>
    <message>
        <source>Where the path difference is exactly m wavelengths, and where the small-angle formula puts it</source>
        <extracomment>Accessible description of the readout of where order m lies.</extracomment>
        <translation>Gdzie różnica dróg wynosi dokładnie m długości fali i gdzie umieszcza ją wzór dla małych kątów</translation>
    </message>
    <message>
        <source>Phasors of the selected point</source>
        <extracomment>The accessible name of the drawing of the two phasors (arrows) and their sum for the selected point.</extracomment>
        <translation>Wskazy wybranego punktu</translation>
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
        <translation>%1 z najwyżej %2</translation>
    </message>
    <message>
        <source>photon count %1, dots drawn: %2</source>
        <extracomment>In photon mode: %1 the expected photon count at the point, %2 the dots actually drawn.</extracomment>
        <translation>liczba fotonów %1, narysowane kropki: %2</translation>
    </message>
    <message>
        <source>bar %1 px long</source>
        <extracomment>The plotted intensity as a bar&apos;s length: %1 in pixels.</extracomment>
        <translation>słupek długości %1 px</translation>
    </message>
    <message>
        <source>m = %1, off by %2 λ</source>
        <extracomment>%1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.</extracomment>
        <translation>m = %1, odchylenie %2 λ</translation>
    </message>
    <message>
        <source>off the screen</source>
        <extracomment>Where an order would lie beyond the scanned part of the screen.</extracomment>
        <translation>poza ekranem</translation>
    </message>
    <message>
        <source>none: the path difference is the same everywhere</source>
        <extracomment>With both slits at one place (spacing 0) there are no orders: the path difference does not change.</extracomment>
        <translation>brak: różnica dróg jest wszędzie taka sama</translation>
    </message>
    <message>
        <source>exact %1, small-angle %2</source>
        <extracomment>Where order m lies: %1 from the exact geometry, %2 by the small-angle formula (each a height in pixels or &quot;off the screen&quot;).</extracomment>
        <translation>dokładnie %1, małe kąty %2</translation>
    </message>
    <message>
        <source>Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of at most %4 px</source>
        <extracomment>The phasor drawing for a screen reader: %1 and %2 the angles the phasors are turned by, %3 the length of their sum (drawn green) and %4 the longest it can be, in pixels.</extracomment>
        <translation>Wskaz B obrócony o %1°, wskaz A obrócony o %2° narysowany od jego końca; ich zielona suma ma długość %3 px z najwyżej %4 px</translation>
    </message>
    <message>
        <source>Readouts of the selected point</source>
        <extracomment>The accessible name of the list of the selected point&apos;s readouts, one a line.</extracomment>
        <translation>Odczyty wybranego punktu</translation>
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
        <translation>Napęd</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <extracomment>Qt&apos;s text: the file dialog&apos;s name for a folder.</extracomment>
        <translation>Katalog</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Alt+Left</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s key for Back (Alt and the Left arrow key).</extracomment>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s key for Forward (Alt and the Right arrow key).</extracomment>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <extracomment>Qt&apos;s text: the file dialog&apos;s key for the parent folder (Alt and the Up arrow key).</extracomment>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>Qt&apos;s text: the save dialog asks before replacing a file; %1 is its name.</extracomment>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
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
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s text: a button of every dialog box.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Qt&apos;s text: a button of the save and print dialogs.</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Qt&apos;s text: the save dialog&apos;s button, as the picture&apos;s menu says &quot;Save&quot;.</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Qt&apos;s text: a file dialog&apos;s button.</extracomment>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>All Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice of which pages to print.</extracomment>
        <translation>Wszystkie strony</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice of which pages to print.</extracomment>
        <translation>Parzyste strony</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice of which pages to print.</extracomment>
        <translation>Nieparzyste strony</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <extracomment>Qt&apos;s text: the title of the file dialog that names the help&apos;s PDF file.</extracomment>
        <translation>Drukuj do pliku</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Page Set:</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s label for the choice of all, even or odd pages.</extracomment>
        <translation>Zestaw stron:</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s option of printing pages whose numbers are given.</extracomment>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s tooltip for the page numbers; &quot;3,5-7,9&quot; stays as it is (a list of pages, not a decimal number).</extracomment>
        <translation>Podaj strony lub zakresy rozdzielone przecinkami. Zakres to dwie liczby rozdzielone łącznikiem. Np. 3,5-7,9 drukuje strony 3, 5, 6, 7 i 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s group for printing on both sides of the paper.</extracomment>
        <translation>Drukowanie dwustronne</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Qt&apos;s text: the print dialog&apos;s choice not to print on both sides.</extracomment>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <extracomment>Qt&apos;s text: both sides, bound along the paper&apos;s long side.</extracomment>
        <translation>Oprawa wzdłuż dłuższego boku</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <extracomment>Qt&apos;s text: both sides, bound along the paper&apos;s short side.</extracomment>
        <translation>Oprawa wzdłuż krótszego boku</translation>
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
        <translation>Home</translation>
    </message>
</context>
<context>
    <name>RunAnnouncement</name>
    <message>
        <source>Run finished. %1</source>
        <extracomment>Said by the screen reader when a run has plotted its last point, wherever the focus is; %1 is the first sentence of the picture&apos;s description.</extracomment>
        <translation>Przebieg zakończony. %1</translation>
    </message>
    <message>
        <source>Run stopped before its first point.</source>
        <extracomment>Said by the screen reader when Escape stopped a run before it plotted anything.</extracomment>
        <translation>Przebieg zatrzymany przed pierwszym punktem.</translation>
    </message>
    <message>
        <source>Run stopped at point %1 of %2, %3.</source>
        <extracomment>Said by the screen reader when Escape stopped a run, wherever the focus is: %1 the last point plotted (from 1 at the bottom), %2 how many the scan has (399), %3 where that point lies (&quot;12 pixels above the optical axis&quot;).</extracomment>
        <translation>Przebieg zatrzymany w punkcie %1 z %2, %3.</translation>
    </message>
    <message>
        <source>A quarter</source>
        <extracomment>Said by the screen reader during a slow run, when a quarter of the screen line is scanned.</extracomment>
        <translation>Jedna czwarta</translation>
    </message>
    <message>
        <source>Half</source>
        <extracomment>Said by the screen reader during a slow run, when half the screen line is scanned.</extracomment>
        <translation>Połowa</translation>
    </message>
    <message>
        <source>Three quarters</source>
        <extracomment>Said by the screen reader during a slow run, when three quarters of the screen line are scanned.</extracomment>
        <translation>Trzy czwarte</translation>
    </message>
    <message>
        <source>A run goes on: point %1 of %2.</source>
        <extracomment>Said by the screen reader when D asks for the summary during a run: %1 the points plotted so far, %2 how many the scan has (399).</extracomment>
        <translation>Trwa przebieg: punkt %1 z %2.</translation>
    </message>
</context>
<context>
    <name>RunDriver</name>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <extracomment>A message box: a run refused one of its settings. %1 is the setting&apos;s text as it was found; &quot;setting text&quot; is what one of the hidden setting fields holds.</extracomment>
        <translation>Przebieg zatrzymany: tekst ustawienia „%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <extracomment>A message box: a run refused one of its settings, a number no option or the scroll bar writes. %1 is the setting&apos;s text as it was found.</extracomment>
        <translation>Przebieg zatrzymany: tekst ustawienia „%1” nie jest wartością jego kontrolki.</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>point</source>
        <extracomment>A column title of the run&apos;s table pasted into a spreadsheet: the point&apos;s number, 1 … 399 from the bottom.</extracomment>
        <translation>punkt</translation>
    </message>
    <message>
        <source>y (px)</source>
        <extracomment>A column title: the point&apos;s y coordinate in the picture, in pixels (downwards).</extracomment>
        <translation>y (px)</translation>
    </message>
    <message>
        <source>height (px)</source>
        <extracomment>A column title: the point&apos;s height above the optical axis, in pixels.</extracomment>
        <translation>wysokość (px)</translation>
    </message>
    <message>
        <source>path A (px)</source>
        <extracomment>A column title: the path from the middle of slit A to the point, in pixels.</extracomment>
        <translation>droga A (px)</translation>
    </message>
    <message>
        <source>path B (px)</source>
        <extracomment>A column title: the path from the middle of slit B to the point, in pixels.</extracomment>
        <translation>droga B (px)</translation>
    </message>
    <message>
        <source>path difference (λ)</source>
        <extracomment>A column title: path B less path A, in wavelengths.</extracomment>
        <translation>różnica dróg (λ)</translation>
    </message>
    <message>
        <source>phase difference (°)</source>
        <extracomment>A column title: the phase difference of the two waves, in degrees.</extracomment>
        <translation>różnica faz (°)</translation>
    </message>
    <message>
        <source>intensity as computed</source>
        <extracomment>A column title: the intensity the program worked out, before the plot scales it.</extracomment>
        <translation>obliczone natężenie</translation>
    </message>
    <message>
        <source>plotted</source>
        <extracomment>The plotted value: a bar&apos;s length in pixels, or in photon mode the number of dots.</extracomment>
        <translation>na wykresie</translation>
    </message>
</context>
<context>
    <name>ScreenStrip</name>
    <message>
        <source>The screen as the eye would see it</source>
        <extracomment>The accessible name (and tooltip) of the grey strip beside Explore&apos;s plot: the run&apos;s screen line as the eye would see it.</extracomment>
        <translation>Ekran taki, jakim widziałoby go oko</translation>
    </message>
    <message>
        <source>The screen line of the run the plot shows, in grey beside it at the same heights: each point as light as the intensity the plot shows there, white at the largest, black at none</source>
        <extracomment>Accessible description of the grey strip beside Explore&apos;s plot.</extracomment>
        <translation>Ekran przebiegu pokazanego na wykresie, szary obok niego na tych samych wysokościach: każdy punkt tak jasny, jakie natężenie pokazuje tam wykres, biały przy największym, czarny przy zerowym</translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (a box of 49 x 17 pixels with its mark): each slit 40 pixels from the optical axis, the largest spacing. An adjective agreeing with your language&apos;s word for the spacing, as the group&apos;s caption has it.</extracomment>
        <translation>duży</translation>
    </message>
    <message>
        <source>minor</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (49 x 13 pixels): 15 pixels, the second largest of five (40, 15, 10, 5, 0); &quot;smaller than large&quot;, not &quot;small&quot;.</extracomment>
        <translation>węższy</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (57 x 17 pixels): 10 pixels, the middle one.</extracomment>
        <translation>średni</translation>
    </message>
    <message>
        <source>small</source>
        <comment>slit spacing</comment>
        <extracomment>Option of the &quot;Slit spacing&quot; group (57 x 13 pixels): 5 pixels, the smallest spacing above none.</extracomment>
        <translation>mały</translation>
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
        <translation>duża</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>detector-screen distance</comment>
        <extracomment>Option of the &quot;Detector-Screen distance&quot; group (65 x 17 pixels): 150 pixels.</extracomment>
        <translation>średnia</translation>
    </message>
    <message>
        <source>near</source>
        <comment>detector-screen distance</comment>
        <extracomment>Option of the &quot;Detector-Screen distance&quot; group (65 x 17 pixels): 100 pixels, the screen nearest the barrier.</extracomment>
        <translation>blisko</translation>
    </message>
    <message>
        <source>higher</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (57 x 17 pixels): a wave number of 2 radians per pixel, the highest. An adjective agreeing with your language&apos;s word for the frequency.</extracomment>
        <translation>wyższa</translation>
    </message>
    <message>
        <source>high</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (57 x 17 pixels): 0.5 radians per pixel.</extracomment>
        <translation>wysoka</translation>
    </message>
    <message>
        <source>middle</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (57 x 13 pixels): 0.3 radians per pixel.</extracomment>
        <translation>średnia</translation>
    </message>
    <message>
        <source>low</source>
        <comment>frequency</comment>
        <extracomment>Option of the &quot;Frequency&quot; group (41 x 13 pixels): 0.1 radians per pixel, the lowest. A whole word, not an abbreviation such as &quot;min&quot;.</extracomment>
        <translation>niska</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>pattern</comment>
        <extracomment>Option of the &quot;Pattern&quot; group (65 x 13 pixels): the interference weighted by each slit&apos;s distance, as light on a screen. The pattern&apos;s name: the help and the picture&apos;s description use it too.</extracomment>
        <translation>Światło</translation>
    </message>
    <message>
        <source>Interference</source>
        <comment>pattern</comment>
        <extracomment>Option of the &quot;Pattern&quot; group (89 x 13 pixels): the interference term alone. The pattern&apos;s name, as in the help.</extracomment>
        <translation>Interferencja</translation>
    </message>
    <message>
        <source>Photon density</source>
        <comment>pattern</comment>
        <extracomment>Option of the &quot;Pattern&quot; group (97 x 13 pixels): the light as random photon dots. The pattern&apos;s name: the label beside the plot (&quot;Photon density&quot;) must say the same; a soft hyphen (U+00AD) may mark where a long word can break.</extracomment>
        <translation>Gęstość fotonów</translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <extracomment>What a screen reader calls the scroll bar: %1 is its value, %2 the largest (20).</extracomment>
        <translation>Spowolnienie %1 z %2</translation>
    </message>
    <message>
        <source>Interference picture</source>
        <extracomment>What a screen reader calls the picture of the apparatus and the plot.</extracomment>
        <translation>Rysunek interferencji</translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <extracomment>The window&apos;s heading, centred in a box of 361 x 25 pixels (Times New Roman 15.75 pt bold, one line).</extracomment>
        <translation>Interferencja i obraz światła</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts a run: 73 x 33 pixels, Times New Roman 14.25 pt bold.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <extracomment>What a screen reader says of Start.</extracomment>
        <translation>Przechodzi ekran punkt po punkcie z wybranymi ustawieniami i rysuje obraz</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that closes Quarnel (after a run that goes on): 65 x 33 pixels, Times New Roman 14.25 pt bold.</extracomment>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <extracomment>What a screen reader says of Exit.</extracomment>
        <translation>Zamyka Quarnel</translation>
    </message>
    <message>
        <source>Slow-down</source>
        <extracomment>What a screen reader calls the scroll bar that slows the animation down.</extracomment>
        <translation>Spowolnienie</translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <extracomment>What a screen reader says of the scroll bar. Numbers as your language writes them.</extracomment>
        <translation>Spowolnienie animacji, od 1 do 20: przy 1 przebieg trwa około 1,2 sekundy, przy 20 około 24</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <extracomment>The prompt on the empty picture, centred in 273 x 33 pixels (Times New Roman 15.75 pt bold, one line): name the Start button by its translated caption.</extracomment>
        <translation>Naciśnij przycisk Start</translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <extracomment>The caption of the slit-spacing group, on the top line of a frame 89 pixels wide (MS Sans Serif 8.25 pt bold): how far each slit lies from the optical axis.</extracomment>
        <translation>Odstęp</translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <extracomment>What a screen reader says of the slit-spacing group.</extracomment>
        <translation>Jak daleko każda szczelina leży od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing large: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: the group&apos;s name and the option&apos;s caption as they are translated, then what it sets.</extracomment>
        <translation>Odstęp szczelin duży: każda szczelina %1 pikseli od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Odstęp szczelin węższy: każda szczelina %1 pikseli od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Odstęp szczelin średni: każda szczelina %1 pikseli od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing small: each slit %1 pixels from the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Odstęp szczelin mały: każda szczelina %1 pikseli od osi optycznej</translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Odstęp szczelin 0: obie szczeliny na osi optycznej</translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <extracomment>The caption of the distance group, on the top line of a frame 169 pixels wide (MS Sans Serif 8.25 pt bold): how far the detector screen stands behind the barrier. The screen is the one the pattern falls on, as everywhere else.</extracomment>
        <translation>Odległość ekranu</translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <extracomment>What a screen reader says of the distance group.</extracomment>
        <translation>Jak daleko za przesłoną stoi ekran</translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen %1 pixels behind the barrier</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Odległość ekranu duża: ekran %1 pikseli za przesłoną</translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen %1 pixels behind the barrier</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Odległość ekranu średnia: ekran %1 pikseli za przesłoną</translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen %1 pixels behind the barrier</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Odległość ekranu blisko: ekran %1 pikseli za przesłoną</translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>The caption of the frequency group, on the top line of a frame 105 pixels wide (Arial 8.25 pt bold). It sets the wave number k: how fast the phase turns.</extracomment>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <extracomment>What a screen reader says of the frequency group. The wave number is the physics term (k); the phase turns along a path by k radians per pixel.</extracomment>
        <translation>Liczba falowa światła: jak szybko faza obraca się wzdłuż drogi</translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Częstotliwość wyższa: faza obraca się o %1 radiany na piksel drogi</translation>
    </message>
    <message>
        <source>Frequency high: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. Numbers as your language writes them.</extracomment>
        <translation>Częstotliwość wysoka: faza obraca się o %1 radiana na piksel drogi</translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. Numbers as your language writes them.</extracomment>
        <translation>Częstotliwość średnia: faza obraca się o %1 radiana na piksel drogi</translation>
    </message>
    <message>
        <source>Frequency low: the phase turns %1 radians per pixel of path</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. Numbers as your language writes them.</extracomment>
        <translation>Częstotliwość niska: faza obraca się o %1 radiana na piksel drogi</translation>
    </message>
    <message>
        <source>Pattern</source>
        <extracomment>The caption of the pattern group, on the top line of a frame 113 pixels wide (MS Sans Serif 8.25 pt bold): what the plot beside the screen shows.</extracomment>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <extracomment>What a screen reader says of the pattern group.</extracomment>
        <translation>Co pokazuje wykres obok ekranu</translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Obraz światło: interferencja ważona odległością od każdej szczeliny, jako słupki</translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets. A phasor is the arrow that stands for a wave&apos;s phase.</extracomment>
        <translation>Obraz interferencja: kwadrat długości sumy wskazów, jako słupki</translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <extracomment>What a screen reader says of an option: group, caption, what it sets.</extracomment>
        <translation>Obraz gęstość fotonów: na każdej wysokości tyle losowych kropek, ile dociera fotonów</translation>
    </message>
    <message>
        <source>Screen</source>
        <extracomment>The label beside the barrier with the two slits, 49 x 17 pixels (Arial 9.75 pt bold). The English caption says &quot;Screen&quot; as it was laid out; name the barrier, as the help does.</extracomment>
        <translation>Przesłona</translation>
    </message>
    <message>
        <source>Source</source>
        <extracomment>The label below the light source, 49 x 25 pixels (Arial 9.75 pt bold).</extracomment>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Detektor</source>
        <extracomment>The label over the detector screen the pattern falls on, 57 x 25 pixels (Arial 9.75 pt bold; &quot;Detektor&quot; is the laid-out English spelling). The word your language uses for that screen everywhere else.</extracomment>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Photon density</source>
        <extracomment>The label left of the plot axis, 49 x 33 pixels (MS Sans Serif 8.25 pt bold), wrapped at spaces and soft hyphens (U+00AD). The same words as the Photon density pattern&apos;s option.</extracomment>
        <translation>Gęstość fotonów</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <extracomment>The heading over the plot for the patterns Light and Photon density, centred in 97 x 33 pixels (Arial 9.75 pt bold, wrapped).</extracomment>
        <translation>Obraz światła</translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <extracomment>The heading over the plot for the pattern Interference, centred in 121 x 33 pixels (Arial 9.75 pt bold, wrapped; &quot;Intrference&quot; is the laid-out English spelling, write your language&apos;s word correctly).</extracomment>
        <translation>Obraz interferencyjny</translation>
    </message>
    <message>
        <source>Right-click for more; F1 for help</source>
        <extracomment>The tooltip over the picture, the first hint a new user sees: the right mouse button opens the picture&apos;s menu, F1 (the help key) the help.</extracomment>
        <translation>Prawy przycisk myszy: więcej opcji; F1: pomoc</translation>
    </message>
</context>
</TS>
