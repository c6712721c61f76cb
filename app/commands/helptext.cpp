// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/helptext.h"

#include "commands/activities.h"
#include "commands/helpwords.h"
#include "commands/optics.h"
#include "labexperiment.h"

#include <cmath>
#include <numbers>

using namespace helpwords;

namespace {
// The settings a run starts with, as the window opens.
constexpr double startSpacing = 15;   // d: each slit from the axis
constexpr double startDistance = 200; // L
constexpr double startWaveNumber = 2; // k

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

QString thingsToTry()
{
    QString html = heading(
        //: A heading of the help: activities for a lesson.
        Text::tr("Things to try"));
    html += paragraph(
        //: %1 is the Start button's caption.
        Text::tr("Make a prediction first, then press %1 and see. A run keeps the settings it started with; "
                 "change them between runs.")
            .arg(window("Start")));
    html += paragraph(
        //: Before the activities.
        Text::tr("Each activity names every group's option for its first run, so it does not depend on what "
                 "an earlier one left; the options in bold differ from the ones Quarnel starts with."));
    html += QStringLiteral("<ol>");
    for (const Activity &activity : lessonActivities())
        html += item(
            QStringLiteral("<b>%1</b><br>%2 %3").arg(activity.title, activity.settings, activity.question));
    html += QStringLiteral("</ol>");
    html += paragraph(
        //: After the activities. %1 and %2 are links to the other parts of the help,
        //: named as the buttons at the top of the help window name them.
        Text::tr("The answers, with the numbers the runs give, are in the part %1; the activities without "
                 "answers, to print and hand out, in the part %2.")
            .arg(link(teacherLink, teacherTitle()), link(worksheetLink, worksheetTitle())));
    return html;
}

QString exploreCaption(const char *caption);

QString sound()
{
    const QString playKey = keys({QKeySequence(Qt::Key_H)});
    QString html = heading(
        //: A heading of the help: the pattern played as sound (the key H).
        Text::tr("The pattern as sound"));
    html += paragraph(
        //: %1 is the key that plays the sound (H), %2 the key that stops it (Esc).
        Text::tr("%1 plays the last run as sound, in about four seconds: the screen from the bottom to the "
                 "top, a hundredth of a second for each point. A tone is loud where the plot is bright and "
                 "silent in a dark band. %2 stops it.")
            .arg(playKey, keys({QKeySequence(Qt::Key_Escape)})));
    html += paragraph(
        //: How to hear the bands in the sound: the high tick and the soft hum on the axis.
        Text::tr("A short high <b>tick</b> sounds at each bright band: count the ticks and you have counted "
                 "the bands. A soft <b>hum</b>, a little higher than the tone, marks where the scan "
                 "passes the optical axis, so the bands below and above the middle can be told apart."));
    html += paragraph(
        //: The point tones of Explore; %1 is the caption of their check box as Explore shows it.
        Text::tr("In Explore, each point you select, by a key or a click, sounds for a moment with the "
                 "same tone, as loud as the pattern is at that point, and with its tick on a bright band: "
                 "go through a band point by point and hear it grow and fade. The check box <b>%1</b> "
                 "turns these tones off and on.")
            .arg(exploreCaption("Point &tones")));
    return html;
}

// A caption of the Explore window, as it shows it, without its access-key mark
// and a label's colon.
QString exploreCaption(const char *caption)
{
    return QCoreApplication::translate("ExploreWindow", caption)
        .remove(QLatin1Char('&'))
        .remove(QLatin1Char(':'))
        .trimmed();
}

QString exploreKeys()
{
    QString html = heading(
        //: A heading of the help: the keys of the Explore window.
        Text::tr("Exploring a run from the keyboard"));
    html += paragraph(
        //: %1 is the key that opens Explore (Ctrl+E), %2 the label of its point box
        //: as Explore shows it ("Point:"), %3 the keys Up and Down, %4 Page Up and
        //: Page Down, %5 Home and End.
        Text::tr("%1 opens Explore beside the picture. Its box <b>%2</b> selects one of the 399 points of "
                 "the screen "
                 "line, 1 at the bottom; the readouts under it give that point's two paths, their "
                 "difference and the phasors' angle. %3 move one point, %4 twenty, %5 to the bottom or the "
                 "top.")
            .arg(keys({QKeySequence(Qt::CTRL | Qt::Key_E)}), exploreCaption("&Point:"),
                 keys({QKeySequence(Qt::Key_Up), QKeySequence(Qt::Key_Down)}),
                 keys({QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_PageDown)}),
                 keys({QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_End)})));
    html += paragraph(
        //: %1 is the key N, %2 Shift+N.
        Text::tr("%1 goes to the next bright point above the one selected, %2 to the next dark one; after "
                 "the top both start again from the bottom.")
            .arg(keys({QKeySequence(Qt::Key_N)}), keys({QKeySequence(Qt::SHIFT | Qt::Key_N)})));
    html += paragraph(
        //: %1 is the key R.
        Text::tr("%1 says the selected point's height above the optical axis and its brightness: what "
                 "the plot shows there, in per cent of the brightest point of the run.")
            .arg(keys({QKeySequence(Qt::Key_R)})));
    html += paragraph(
        //: %1, %2 and %3 are the captions of Explore's buttons as Explore shows them.
        Text::tr("<b>%1</b> puts the last run in a table beside the runs kept before, up to four, to compare "
                 "their bands. <b>%2</b> writes every point of the run to a CSV file for a spreadsheet, and "
                 "<b>%3</b> puts the same table on the clipboard.")
            .arg(exploreCaption("&Keep this run"), exploreCaption("&Save table..."),
                 exploreCaption("&Copy table")));
    return html;
}

QString withAScreenReader();

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
    html +=
        row(keys({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)}),
            //: What the keys do; %1 is the Start button's caption, %2 a list of keys
            //: (Escape, H, F1, Ctrl+E, Ctrl+Q in the desktop's words).
            Text::tr("start a run as %1 does, wherever the focus is. They, %2 and the zoom keys do the "
                     "same in Explore, the help and About as in the main window.")
                .arg(window("Start"),
                     keys({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_H), QKeySequence(Qt::Key_F1),
                           QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_Q)})));
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
                Text::tr("saves the picture as a PNG image; in Explore, the run's table as a CSV file."));
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
    html += row(keys({QKeySequence(Qt::Key_H), QKeySequence(Qt::SHIFT | Qt::Key_H)}),
                //: What the keys do: the first plays the pattern in four seconds, the second at a
                //: quarter of the speed.
                Text::tr("play the pattern as sound; the second four times slower."));
    html +=
        row(keys({QKeySequence(Qt::Key_D)}),
            //: What the key does, for a screen reader's user.
            Text::tr("says the last run's summary again: its bright bands, how far apart they lie and what "
                     "changed since the run before."));
    html += row(keys({QKeySequence(Qt::CTRL | Qt::Key_Q)}),
                //: What the key does; %1 is the Exit button's caption.
                Text::tr("quits Quarnel as %1 does: after a run that goes on.").arg(window("Exit")));
    html += QStringLiteral("</table>");
    return html + withAScreenReader();
}

// After the keys: what a screen reader hears without being asked, and how to read the help.
QString withAScreenReader()
{
    return paragraph(
        //: After the keys in the help: what a screen reader says at a run's end, and
        //: how to read the help itself; %1 and %2 are the keys Ctrl+Down and Ctrl+Up.
        Text::tr("With a screen reader, the end of a run is heard wherever the focus is: that the run "
                 "finished, with the first sentence of the picture's description, or, after Escape, the "
                 "point where it stopped. A slow run also says when it has scanned a quarter, half and three "
                 "quarters of the screen. In this help the arrow keys move through the text line by line, "
                 "and %1 and %2 from heading to heading.")
            .arg(keys({QKeySequence(Qt::CTRL | Qt::Key_Down)}), keys({QKeySequence(Qt::CTRL | Qt::Key_Up)})));
}

QString realExperiment()
{
    const LabExperiment bench; // the window's start: a green pointer, 0.25 mm, 2.00 m
    const double first = bench.exactPosition(1).value_or(0);
    const double farthest = bench.exactPosition(bench.visibleOrders().back()).value_or(0);
    // Numbers of millions of wavelengths without group separators, whose dots or commas would read as decimals.
    QLocale locale = numbers();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto in = [&locale](double value, int decimals) { return locale.toString(value, 'f', decimals); };
    QString html = heading(
        //: A heading of the help: the window with a real two-slit experiment in nanometres and metres.
        Text::tr("A real experiment"));
    html += paragraph(
        //: %1 is the key that opens the window.
        Text::tr(
            "%1 opens a real experiment beside the picture: a laser's wavelength, the slits' separation a "
            "and the screen's distance L in nanometres, millimetres and metres, the screen as the eye sees "
            "it with photons arriving one by one, and the two paths to a point you choose.")
            .arg(keys({QKeySequence(Qt::CTRL | Qt::Key_L)})));
    html += paragraph(
        //: %1 the wavelength in nm, %2 the slits' separation in mm, %3 the screen's distance in m, %4 the
        //: band spacing in mm, %5 a difference in micrometres, %6 the ratio λ/a, %7 an angle in degrees,
        //: %8 the picture's λ/a at start-up. Keep the symbols λ, a, θ.
        Text::tr(
            "With a green laser of %1 nm, slits %2 mm apart and a screen %3 m away the bands lie %4 mm "
            "apart, and the first bright band's exact place and the small-angle formula's differ by only "
            "%5 µm. There λ/a is %6 and every band shown lies less than %7° from the axis, where sin θ, "
            "tan θ and θ agree. In the picture λ/a is about %8 and the bands lie at large angles: that is "
            "why the formula and the exact places part there, and not in the laboratory.")
            .arg(in(bench.wavelength * 1e9, 0), in(bench.separation * 1e3, 2), in(bench.distance, 2),
                 in(first * 1e3, 2), in((first - bench.smallAnglePosition(1)) * 1e6, 3),
                 in(bench.wavelength / bench.separation, 4),
                 // Rounded up: the text says the bands lie less than this far out.
                 in(std::ceil(std::atan2(farthest, bench.distance) * 1800 / std::numbers::pi) / 10, 1),
                 in(optics::wavelength(startWaveNumber) / (2 * startSpacing), 2)));
    html += paragraph(
        //: %1 and %2 are the two paths' lengths in wavelengths (millions), %3 their difference in wavelengths.
        Text::tr("The paths to that first band are %1 and %2 wavelengths long: neither needs to be a whole "
                 "number of wavelengths. What is one whole wavelength is their difference, %3, and only the "
                 "difference decides where the screen is bright.")
            .arg(in(bench.pathA(first) / bench.wavelength, 1), in(bench.pathB(first) / bench.wavelength, 1),
                 in(bench.pathDifference(first) / bench.wavelength, 4)));
    return html;
}
} // namespace

QString helpHtml()
{
    return QStringLiteral("<h1>%1</h1>").arg(helpTitle()) + whatThePictureShows() + physics() + patterns()
        + leftOut() + thingsToTry() + keyList() + sound() + exploreKeys() + realExperiment();
}
