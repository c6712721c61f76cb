<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>Przesłona</translation>
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
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <translation>Przebieg zatrzymany: tekst ustawienia „%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <translation>Przebieg zatrzymany: tekst ustawienia „%1” nie jest wartością jego kontrolki.</translation>
    </message>
</context>
</TS>
