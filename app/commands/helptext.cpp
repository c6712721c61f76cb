// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/helptext.h"

#include "accessibility/settingcaptions.h"
#include "commands/optics.h"
#include "scenegeometry.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLocale>
#include <QStringList>

namespace {
// The help's texts, translated in the context "HelpWindow".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(HelpWindow)
};

// The settings a run starts with, as the window opens.
constexpr double startSpacing = 15;   // d: each slit from the axis
constexpr double startDistance = 200; // L
constexpr double startWaveNumber = 2; // k

// The window's captions, as the window shows them.
QString window(const char *caption) { return QCoreApplication::translate("frmQuarnel", caption); }
QString option(const Choice &choice) { return withoutSoftHyphens(translatedCaption(choice)); }

// The locale the help's numbers are written in: the translation's own.
QLocale numbers()
{
    //: Not shown as it is. Your language's code (cs, de, fr ...): the help writes
    //: the numbers it works out as this language writes numbers (3,1 or 3.1).
    return QLocale(Text::tr("en", "the language of the help's numbers"));
}
QString number(double value, int decimals = 1) { return numbers().toString(value, 'f', decimals); }
QString whole(double value) { return numbers().toString(qRound(value)); }

// Key names as Qt writes them in the user's language, as the menus show them.
// (The desktop's own keys for copying, saving and help, as the commands take them.)
QString keys(const QList<QKeySequence> &sequences)
{
    QStringList names;
    for (const QKeySequence &sequence : sequences)
        names << sequence.toString(QKeySequence::NativeText).toHtmlEscaped();
    return names.join(QLatin1String(", "));
}

QString heading(const QString &text) { return QStringLiteral("<h2>%1</h2>").arg(text); }
QString paragraph(const QString &text) { return QStringLiteral("<p>%1</p>").arg(text); }
QString item(const QString &text) { return QStringLiteral("<li>%1</li>").arg(text); }

QString whatThePictureShows()
{
    using namespace settingchoices;
    QString html = heading(
        //: A heading of the help.
        Text::tr("What the picture shows"));
    html += paragraph(
        //: %1 is the Start button's caption. The source, barrier and detector screen
        //: are the picture's labels: use the same words.
        Text::tr("Light from the <b>source</b> at the left passes a <b>barrier</b> with two slits, A above "
                 "and B below the optical axis, and falls on the <b>detector screen</b>. <b>%1</b> scans the "
                 "screen from the bottom to the top, point by point.")
            .arg(window("Start")));
    html += paragraph(
        //: A phasor is the arrow that stands for a wave's phase: school physics'
        //: word for it in your language (Zeiger, vecteur de Fresnel, wskaz ...).
        Text::tr(
            "For every point of the screen the two paths from the slits become two <b>phasors</b>: arrows "
            "25 pixels long, each turned by the phase its path gives. They are added head to tail, and "
            "their sum, drawn <b>green</b>, gives the brightness: four times its squared length. Every "
            "twentieth point shows this construction: the pale rays from both slits, the two black phasors "
            "and their green sum."));
    html += paragraph(
        //: %1, %2 and %3 are the patterns' names as their options say them.
        Text::tr("Right of the plot axis the brightness is plotted at the point's height, as a <b>bar</b> "
                 "(patterns %1 and %2) or as random <b>photon dots</b> (pattern %3). Left of the axis three "
                 "<b>blue markers</b> follow what each slit alone would give and what the two give added "
                 "together, as if there were no interference.")
            .arg(option(pattern[0]), option(pattern[1]), option(pattern[2])));
    html += paragraph(
        //: %1 and %2 are the picture's labels as your translation has them (the one
        //: beside the barrier, the one over the detector screen); %3 to %6 the slit-spacing
        //: options' captions in the order they stand; %7 to %9 numbers of pixels.
        Text::tr("Some captions say less than they seem. The label <b>%1</b> stands beside the barrier with "
                 "the slits, and <b>%2</b> over the detector screen the pattern falls on. The slit-spacing "
                 "options stand in the order %3, %4, %5, %6: %4 puts each slit %8 pixels from the axis, "
                 "between %3 (%7) and %5 (%9). The scroll bar under the title, without a label, slows the "
                 "animation down: 1 is the fastest, 20 the slowest.")
            .arg(window("Screen"), window("Detektor"), option(spacing[0]), option(spacing[1]),
                 option(spacing[2]), option(spacing[3]), whole(spacing[0].value), whole(spacing[1].value),
                 whole(spacing[2].value)));
    return html;
}

QString physics()
{
    using namespace settingchoices;
    const double startLambda = optics::wavelength(startWaveNumber);
    const double separation = 2 * startSpacing;
    QString html = heading(
        //: A heading of the help: the physics behind the picture, in a school's words.
        Text::tr("The physics"));
    html += paragraph(
        //: P is a point of the screen, PA and PB its distances from the slits A and B;
        //: Δ is the path difference (keep the symbols).
        Text::tr("Every point P of the screen gets light along two paths, one through slit A and one through "
                 "slit B. Unless P lies level with the middle between the slits, one path is longer than the "
                 "other: the difference of their lengths is the <b>path difference</b> Δ = |PA − PB|."));
    html += paragraph(
        //: %1 is the caption of the frequency group. k is the wave number, φ the phase
        //: difference (keep the symbols).
        Text::tr("Along a path the wave's phase turns steadily, by k radians for every pixel: k is the "
                 "<b>wave number</b>, which the group %1 sets. So the two waves reach P turned against each "
                 "other by the <b>phase difference</b> φ = k·Δ. The phasors show it: φ is the angle between "
                 "them.")
            .arg(window("Frequency")));
    html += paragraph(
        //: Constructive and destructive interference: school physics' terms.
        Text::tr(
            "Where φ is a whole number of turns (0, 2π, 4π, …) the phasors point the same way and their "
            "sum is twice as long as one: P is <b>bright</b> (constructive interference). Where φ is half a "
            "turn more (π, 3π, …) they point against each other, their sum is zero and P is <b>dark</b> "
            "(destructive interference). In between the brightness changes smoothly."));
    html += paragraph(
        //: λ is the wavelength (keep the symbol). The table of each frequency's
        //: wavelength follows this paragraph.
        Text::tr(
            "One whole turn of the phase takes one <b>wavelength</b> λ = 2π/k: a point is bright where the "
            "path difference is a whole number of wavelengths, and dark where it is a whole number and a "
            "half. In the picture λ is measured in pixels:"));
    html +=
        QStringLiteral("<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\"><tr><th>%1</th><th>%2</th>"
                       "<th>%3</th></tr>")
            .arg(window("Frequency"),
                 //: A column heading of the table of wavelengths.
                 Text::tr("Wave number k, radians per pixel"),
                 //: A column heading of the table of wavelengths.
                 Text::tr("Wavelength λ, pixels"));
    for (const Choice &choice : settingchoices::frequency)
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3</td></tr>")
                    .arg(option(choice), numbers().toString(choice.value),
                         number(optics::wavelength(choice.value)));
    html += QStringLiteral("</table>");
    html += paragraph(
        //: %1 is the caption of the slit-spacing group. L, s, d and Δy are symbols:
        //: keep them. %2 to %5 are numbers of pixels.
        Text::tr(
            "Near the optical axis neighbouring bright bands lie about <b>Δy = λ·L/s</b> apart: L is the "
            "distance from the barrier to the screen, s the distance between the slits, twice the "
            "spacing d that the group %1 sets (each slit lies d from the axis). Slits closer together, a "
            "longer wavelength or a farther screen spread the bands. With the settings Quarnel starts "
            "with (λ = %2, L = %3, s = %4 pixels) the bands lie about %5 pixels apart.")
            .arg(window("Slit spacing"), number(startLambda), whole(startDistance), whole(separation),
                 number(optics::bandSpacing(startLambda, startDistance, separation))));
    const int m = 6;
    html += paragraph(
        //: θ is an angle, m a band's number (keep the symbols). %1 is the band's number
        //: (6), %2 and %3 numbers of pixels.
        Text::tr(
            "The formula takes the angle θ between the axis and the way to P as small. For a screen far "
            "from the slits the path difference is s·sin θ, and for a small angle sin θ is about tan θ = "
            "y/L, so that the m-th band lies at y = m·λ·L/s. Far from the axis the angle is no longer "
            "small: the m-th band lies where s·sin θ = m·λ, at y = L·tan θ, farther out than the formula "
            "says, and the bands spread apart towards the top and the bottom of the screen. With the "
            "start-up settings the formula puts band %1 at %2 pixels from the axis; the run shows it at "
            "about %3. Where m·λ is more than s there is no m-th band at all.")
            .arg(numbers().toString(m),
                 whole(m * optics::bandSpacing(startLambda, startDistance, separation)),
                 whole(optics::brightBand(m, startLambda, startDistance, separation).value_or(0))));
    return html;
}

QString patterns()
{
    using namespace settingchoices;
    QString html = heading(
        //: A heading of the help: the three patterns and what each means physically.
        Text::tr("The three patterns"));
    html += paragraph(
        //: %1 is the pattern's name as its option says it.
        Text::tr(
            "<b>%1</b>: light as it falls on a screen. Each wave is weighted by a rule of the model's own "
            "that falls much faster with the distance from its slit than real light does; it looks like "
            "the dimming that the width of a real slit gives, so the bands fade towards the top and the "
            "bottom of the screen.")
            .arg(option(pattern[0])));
    html += paragraph(
        //: %1 is the pattern's name as its option says it.
        Text::tr(
            "<b>%1</b>: the interference alone, the squared length of the phasor sum, with no weakening. "
            "Every bright band is equally bright: this pattern shows most clearly where the bands lie.")
            .arg(option(pattern[1])));
    html += paragraph(
        //: %1 and %2 are patterns' names as their options say them. A photon is the
        //: smallest portion of light.
        Text::tr(
            "<b>%1</b>: light as photons, the small portions it arrives in. The run fills the plot row "
            "after row, each row with as many white dots as the brightness of the pattern %2 gives there; "
            "only the dots' places along the row are random. No dot lands in the dark places: the bands are "
            "made of many single dots.")
            .arg(option(pattern[2]), option(pattern[0])));
    return html;
}

QString leftOut()
{
    using namespace settingchoices;
    QString html = heading(
        //: A heading of the help: what the model of the picture simplifies or omits.
        Text::tr("What the model leaves out"));
    html += QStringLiteral("<ul>");
    html += item(
        //: λ, s and L are symbols (keep them); micrometres and millimetres are real units.
        //: %1 and %2 are the picture's ratios λ/s and s/L at start-up (0.10, 0.15).
        Text::tr(
            "Real sizes: light has a wavelength of 0.4 to 0.7 micrometres, slits lie a fraction of a "
            "millimetre apart and the screen stands a metre or more away. The picture does not keep their "
            "ratios: in it λ/s is about %1 and s/L %2, in a school experiment about 0.002 and 0.0003. That "
            "is why the small-angle formula fails far from the axis here, but holds in a real experiment, "
            "where every band lies at a small angle.")
            .arg(number(optics::wavelength(startWaveNumber) / (2 * startSpacing), 2),
                 number(2 * startSpacing / startDistance, 2)));
    html += item(
        //: %1 is the Interference pattern's name as its option says it.
        Text::tr("The width of the slits: here they are points. A real slit's own diffraction dims the bands "
                 "farther out; here all the bands of the pattern %1 are equally bright.")
            .arg(option(pattern[1])));
    html += item(
        //: Monochromatic and coherent light: say it in school words, as here.
        Text::tr("White light: the light here has one wavelength, and both slits are lit in step, as by a "
                 "laser. White light would give coloured bands that blur away from the middle."));
    html += item(
        //: %1 is the Light pattern's name as its option says it.
        Text::tr(
            "Space: the waves spread only in the plane of the picture, and the weakening with distance in "
            "the pattern %1 is a simple rule chosen to look right, not an exact law.")
            .arg(option(pattern[0])));
    html += item(
        //: %1 is the Photon density pattern's name as its option says it.
        Text::tr(
            "Chance: the pattern %1 draws at each height as many dots as the brightness gives, at random "
            "places along the row. Real photons land one at a time wherever the pattern allows, more often "
            "where it is bright.")
            .arg(option(pattern[2])));
    html += item(
        //: About the animation of a run.
        Text::tr(
            "Time: the scan from the bottom to the top only draws the picture. The pattern is there all at "
            "once; nothing in the picture moves with the light."));
    html += QStringLiteral("</ul>");
    return html;
}

// The list's later activities, from photons one by one on.
QString moreThingsToTry(double lambda, double spacingOf15)
{
    using namespace settingchoices;
    QString html;
    html += item(
        //: An activity. %1 and %2 are patterns' names as their options say them.
        Text::tr(
            "<b>Photon by photon.</b> Choose the pattern %1 and move the scroll bar to 20, the slowest. Do "
            "single photons show the bands? The run draws them row by row, each at a random place; no "
            "single one makes a band, but together they draw the same bands as the pattern %2.")
            .arg(option(pattern[2]), option(pattern[0])));
    html += item(
        //: An activity. %1 to %3 are numbers of pixels; %4 the key that opens
        //: Explore, a window of its own that compares the formula with the exact places.
        Text::tr("<b>Where the formula fails.</b> With the start-up settings the formula Δy = λ·L/s puts the "
                 "bands %1 pixels apart. Look at the outer bands in the run: they spread apart, the sixth "
                 "about %2 pixels from the axis instead of %3. Explore (%4) sets the formula's places beside "
                 "the exact ones.")
            .arg(number(spacingOf15),
                 whole(optics::brightBand(6, lambda, startDistance, 2 * startSpacing).value_or(0)),
                 whole(6 * spacingOf15), keys({QKeySequence(Qt::CTRL | Qt::Key_E)})));
    html += item(
        //: An activity. %1 is an option of the frequency group, %2 a wavelength in
        //: pixels, %3 an option of the slit-spacing group, %4 a number of pixels.
        Text::tr(
            "<b>One band only.</b> Choose the frequency %1 (λ = %2 pixels) and the slit spacing %3 (the "
            "slits %4 pixels apart). How many bright bands will there be? The first band beside the middle "
            "one lies where the path difference is one wavelength, but the path difference is never more "
            "than s, and here λ is more: only the broad middle band is left.")
            .arg(option(frequency[3]), number(optics::wavelength(frequency[3].value)), option(spacing[3]),
                 whole(2 * spacing[3].value)));
    html += item(
        //: An activity about the blue markers left of the plot axis.
        Text::tr(
            "<b>Two slits are not one plus one.</b> Compare the bars with the blue markers left of the "
            "axis: each slit alone, and the two added without interference, change smoothly from point "
            "to point. Predict where the bars are longer than that sum and where shorter: at a dark band "
            "the bar is gone, at a bright band it is most often longer than the sum."));
    return html;
}

QString thingsToTry()
{
    using namespace settingchoices;
    const double lambda = optics::wavelength(startWaveNumber);
    const double spacingOf15 = optics::bandSpacing(lambda, startDistance, 2 * spacing[1].value);
    QString html = heading(
        //: A heading of the help: activities for a lesson.
        Text::tr("Things to try"));
    html += paragraph(
        //: %1 is the Start button's caption.
        Text::tr("Make a prediction first, then press %1 and see. A run keeps the settings it started with; "
                 "change them between runs.")
            .arg(window("Start")));
    html += QStringLiteral("<ol>");
    html += item(
        //: An activity. %1 is the slit-spacing group's caption, %2 its option "0",
        //: %3 the Interference pattern's name.
        Text::tr(
            "<b>No second path.</b> Choose %1 %2 and the pattern %3. Will there be bands? Both slits then "
            "lie on the axis, the two paths are equally long everywhere and the phasors always point the "
            "same way: the screen is evenly bright, without bands.")
            .arg(window("Slit spacing"), option(spacing[4]), option(pattern[1])));
    html += item(
        //: An activity. %1 and %2 are options of the slit-spacing group, %3 the
        //: Interference pattern's name; %4 to %7 numbers of pixels.
        Text::tr("<b>Slits farther apart.</b> Run the pattern %3 with the slit spacing %1, then %2. Will the "
                 "bands move closer together or farther apart? With the slits %4 instead of %5 pixels apart "
                 "the bands lie about %6 instead of %7 pixels apart: more of them fit on the screen.")
            .arg(option(spacing[1]), option(spacing[0]), option(pattern[1]), whole(2 * spacing[0].value),
                 whole(2 * spacing[1].value),
                 number(optics::bandSpacing(lambda, startDistance, 2 * spacing[0].value)),
                 number(spacingOf15)));
    html += item(
        //: An activity. %1 and %2 are options of the distance group; %3 and %4
        //: numbers of pixels.
        Text::tr("<b>The screen farther away.</b> Run with the distance %1, then %2. Predict how the bands "
                 "change: twice as far away they spread to twice the spacing, about %4 instead of %3 pixels.")
            .arg(option(distance[2]), option(distance[0]),
                 number(optics::bandSpacing(lambda, distance[2].value, 2 * startSpacing)),
                 number(spacingOf15)));
    html += item(
        //: An activity. %1 and %2 are options of the frequency group; %3 and %4
        //: wavelengths in pixels.
        Text::tr(
            "<b>A longer wavelength.</b> Run with the frequency %1, then %2. Predict where the bands go: "
            "λ grows from %3 to %4 pixels, and the bands move so far apart that only the middle one and "
            "one near each end of the screen are left.")
            .arg(option(frequency[0]), option(frequency[2]), number(lambda),
                 number(optics::wavelength(frequency[2].value))));
    html += moreThingsToTry(lambda, spacingOf15);
    html += QStringLiteral("</ol>");
    return html;
}

QString keyList()
{
    QString html = heading(
        //: A heading of the help: the keyboard.
        Text::tr("Keys"));
    const auto row = [](const QString &keyNames, const QString &what) {
        return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keyNames, what);
    };
    html += QStringLiteral("<table cellpadding=\"3\" cellspacing=\"0\">");
    html += row(keys({QKeySequence(Qt::Key_Tab), QKeySequence(Qt::SHIFT | Qt::Key_Tab)}),
                //: What the keys do; %1 is the Exit button's caption.
                Text::tr("go from control to control. After %1, Tab reaches the picture, and a screen reader "
                         "then reads out its description.")
                    .arg(window("Exit")));
    html += row(keys({QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_Up),
                      QKeySequence(Qt::Key_Down), QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_End)}),
                //: What the keys do.
                Text::tr("choose an option within a group; on the scroll bar, move it by one step, or to 1 "
                         "and 20."));
    html += row(keys({QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Enter)}),
                //: What the keys do.
                Text::tr("press the focused button."));
    html += row(keys({QKeySequence(Qt::Key_Escape)}),
                //: What the key does; %1 is the key that plays the pattern as sound.
                Text::tr("stops a run at once, and the sound that %1 plays. During a run the options and the "
                         "scroll bar show at once what the next run will take; Start and Exit wait for the "
                         "run's end.")
                    .arg(keys({QKeySequence(Qt::Key_H)})));
    html += row(keys(QKeySequence::keyBindings(QKeySequence::Copy)),
                //: What the key does.
                Text::tr("copies the picture."));
    html += row(keys(QKeySequence::keyBindings(QKeySequence::Save)),
                //: What the key does.
                Text::tr("saves the picture as a PNG image."));
    html +=
        row(keys({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                  QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence(Qt::CTRL | Qt::Key_0)}),
            //: What the keys do, for a projector.
            Text::tr("make the window, and every dialog with it, larger or smaller, from 100 to 300 %, as "
                     "far as the screen allows; the last brings the normal size back."));
    html += row(keys({QKeySequence(Qt::Key_F11)}),
                //: What the key does.
                Text::tr("fills the screen with the window, and brings it back."));
    html += row(keys(QKeySequence::keyBindings(QKeySequence::HelpContents)),
                //: What the key does.
                Text::tr("opens this help."));
    html += row(keys({QKeySequence(Qt::CTRL | Qt::Key_P)}),
                //: What the key does, in the help window.
                Text::tr("in the help: prints it, or saves it as a PDF file to hand out."));
    html += row(keys({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}),
                //: What the keys do.
                Text::tr("open the picture's menu, as the right mouse button does."));
    html += row(keys({QKeySequence(Qt::CTRL | Qt::Key_E)}),
                //: What the key does: Explore is a window of its own.
                Text::tr("opens Explore, which compares the small-angle formula with the exact places of the "
                         "bands."));
    html += row(keys({QKeySequence(Qt::Key_H)}),
                //: What the key does.
                Text::tr("plays the pattern as sound."));
    html += row(keys({QKeySequence(Qt::CTRL | Qt::Key_Q)}),
                //: What the key does; %1 is the Exit button's caption.
                Text::tr("quits Quarnel as %1 does: after a run that goes on.").arg(window("Exit")));
    html += QStringLiteral("</table>");
    html += paragraph(
        //: After the keys in the help: what a screen reader says at a run's end.
        Text::tr("With a screen reader, the end of a run is heard wherever the focus is: that the run "
                 "finished, with the first sentence of the picture's description, or, after Escape, the "
                 "point where it stopped."));
    return html;
}
} // namespace

QString helpHtml()
{
    return QStringLiteral("<h1>%1</h1>")
               .arg(
                   //: The title of the help window, and of its print-out.
                   Text::tr("Quarnel help"))
        + whatThePictureShows() + physics() + patterns() + leftOut() + thingsToTry() + keyList();
}
