<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>PictureDescription</name>
    <message numerus="yes">
        <source>%n pixel</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pixels</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>across the optical axis, reaching %1 above and below it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>across the optical axis, from %1 below to %2 above it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 above the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 below the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pair %1 above and below the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pairs %1 and %2 above and below the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pairs above and below the optical axis, the nearest %2 and the farthest %3 from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the brightest is level with the source, on the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the brightest are %1 above and below the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the brightest is %1 above the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the brightest is %1 below the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, in the band across the axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, in the pair of bands whose middles lie %2 above and below it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, in the band %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 (both slits on the optical axis)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (each slit %2 from the optical axis)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 behind the barrier)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 after a run with slit spacing %2, detector-screen distance %3 and frequency %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot stays dark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot shows 1 bright band, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot shows %1 bright bands: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen and the pattern.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingCaption</name>
    <message>
        <source>large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>near</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>higher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmQuarnel</name>
    <message>
        <source>Slow-down %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interference picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interference and light pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs the scan of the screen with the chosen settings and plots the pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes Quarnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow-down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slit spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far each slit lies from the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slit spacing large: each slit 40 pixels from the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slit spacing minor: each slit 15 pixels from the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slit spacing middle: each slit 10 pixels from the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slit spacing small: each slit 5 pixels from the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slit spacing 0: both slits on the optical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detector-Screen distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the screen stands behind the barrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detector-screen distance large: the screen 200 pixels behind the barrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detector-screen distance middle: the screen 150 pixels behind the barrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detector-screen distance near: the screen 100 pixels behind the barrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wave number of the light: how fast the phase turns along a path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency higher: the phase turns 2 radians per pixel of path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency high: the phase turns 0.5 radians per pixel of path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency middle: the phase turns 0.3 radians per pixel of path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency low: the phase turns 0.1 radians per pixel of path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the plot beside the screen shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern light: the interference weighted by the distance from each slit, as bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern interference: the squared length of the phasor sum, as bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern photon density: at each height as many random dots as photons arrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photon density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intrference pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run stopped: the setting text &quot;%1&quot; is not a value of its control.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
