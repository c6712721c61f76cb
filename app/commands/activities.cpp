// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/activities.h"

#include "choices.h"
#include "commands/helpwords.h"
#include "labels.h"
#include "labexperiment.h"
#include "nullcanvas.h"
#include "pacer.h"
#include "photonrandom.h"
#include "run.h"
#include "runreading.h"
#include "runrecord.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

using namespace helpwords;

namespace {
// The groups a pupil sets, in the order they stand in the window, with their captions.
constexpr std::pair<Setting, const char *> groups[] = {
    {Setting::nOdchylka, QT_TRANSLATE_NOOP("frmQuarnel", "Slit spacing")},
    {Setting::nVzdalenost, QT_TRANSLATE_NOOP("frmQuarnel", "Detector-Screen distance")},
    {Setting::nKmitočet, QT_TRANSLATE_NOOP("frmQuarnel", "Frequency")},
    {Setting::nInterference, QT_TRANSLATE_NOOP("frmQuarnel", "Pattern")},
    {Setting::nSpomaleni, QT_TRANSLATE_NOOP("frmQuarnel", "Slow-down")},
};

// The start-up settings with these options chosen after them, in this order.
SettingTexts chosen(std::initializer_list<const char *> options)
{
    SettingTexts settings;
    for (const char *name : startOptions) {
        const Choice &choice = choiceNamed(name);
        settings.set(choice.setting, choiceText(choice));
    }
    for (const char *name : options) {
        const Choice &choice = choiceNamed(name);
        settings.set(choice.setting, choiceText(choice));
    }
    return settings;
}

// A group's option as the activity names it: the option's caption, or the
// slow-down's number (its scroll bar has no options).
QString optionOf(const Settings &settings, Setting setting)
{
    QString text = settings.text(setting);
    if (setting == Setting::nSpomaleni)
        return text;
    for (const Choice &choice : choicesOf(setting))
        if (choiceText(choice) == text)
            return option(choice);
    return text;
}

// The groups whose options differ between the two, "Group: option", the option in
// bold where it differs from start-up; every group when `all`.
QString named(const Settings &settings, const Settings &before, bool all)
{
    const SettingTexts startUp = chosen({});
    QStringList parts;
    for (const auto &[setting, caption] : groups) {
        if (!all && settings.text(setting) == before.text(setting))
            continue;
        QString value = optionOf(settings, setting);
        if (settings.text(setting) != startUp.text(setting))
            value = QStringLiteral("<b>%1</b>").arg(value);
        //: A group of the window and its option, as an activity names them: %1 the
        //: group's caption (Slit spacing, Pattern …), %2 its option (minor, Interference …).
        parts << Text::tr("%1: %2").arg(window(caption), value);
    }
    return parts.join(QLatin1String(", "));
}

// What to choose for each run: every group for the first, the changes for the next.
QString settingsOf(const std::vector<SettingTexts> &runs)
{
    //: The settings of an activity's first run: %1 every group with its option, %2
    //: the Start button's caption. The options that differ from start-up are bold.
    QString text = Text::tr("Choose %1 and press %2.").arg(named(runs[0], runs[0], true), window("Start"));
    for (std::size_t i = 1; i < runs.size(); ++i)
        //: The settings of an activity's next run: %1 the groups that change, with
        //: their options; %2 the Start button's caption.
        text += QLatin1Char(' ')
            + Text::tr("Then choose %1 and press %2 again.")
                  .arg(named(runs[i], runs[i - 1], false), window("Start"));
    return text;
}

// A run as the Start button performs it, drawn nowhere, and its bands.
struct Outcome {
    RunRecord record;
    BandReading bands;
};
Outcome perform(const Settings &settings)
{
    NullCanvas canvas;
    NoLabels labels;
    PhotonRandom random;
    NoWaitPacer pacer;
    Outcome outcome;
    PerformRun(canvas, settings, labels, random, pacer, &outcome.record);
    outcome.bands = ReadBands(outcome.record);
    return outcome;
}

QString count(const Outcome &run) { return numbers().toString(qlonglong(run.bands.bright.size())); }
// The run's spacing near the axis, or a dash where it shows fewer than two bands.
QString measured(const Outcome &run)
{
    return run.bands.spacing ? number(*run.bands.spacing) : QStringLiteral("–");
}
QString formula(const Outcome &run)
{
    const std::optional<double> spacing = SmallAngleSpacing(run.record.geometry(), run.record.waveNumber());
    return spacing ? number(*spacing) : QStringLiteral("–");
}
double separation(const Outcome &run) { return 2 * run.record.geometry().slitOffset; }
double screenDistance(const Outcome &run)
{
    return run.record.geometry().screenX - run.record.geometry().barrierX;
}
double lambda(const Outcome &run) { return 2 * std::numbers::pi / run.record.waveNumber(); }

Activity noSecondPath()
{
    Activity a{Activity::NoSecondPath, {}, {chosen({"op0", "opFoton"})}, {}, {}, {}};
    //: An activity's title.
    a.title = Text::tr("No second path");
    //: An activity's question: the pupil predicts before the run.
    a.question =
        Text::tr("Both slits now lie on the optical axis. Will the screen show bright and dark bands?");
    const Outcome run = perform(a.runs[0]);
    //: An activity's answer. %1 is the number of bright bands the run shows.
    a.answer = Text::tr("No. Bright bands: %1. The two paths to every point are equally long, the phasors "
                        "always point the same way, and the screen is evenly bright. Bands need two paths of "
                        "different lengths: two slits in one place do not make even one band of their own.")
                   .arg(count(run));
    return a;
}

Activity slitsApart()
{
    Activity a{Activity::SlitsApart, {}, {chosen({"opFoton"}), chosen({"opFoton", "opVelka"})}, {}, {}, {}};
    //: An activity's title.
    a.title = Text::tr("Slits farther apart");
    //: An activity's question.
    a.question = Text::tr("The slits move apart. Will the bands move closer together or farther apart, and "
                          "will there be more of them or fewer?");
    const Outcome near = perform(a.runs[0]);
    const Outcome apart = perform(a.runs[1]);
    //: An activity's answer. %1 and %2 are the slits' distances in pixels; %3 and %4
    //: the bands' measured spacing in pixels, %5 and %6 the formula's; %7 and %8
    //: the numbers of bright bands.
    a.answer =
        Text::tr("Closer together, and more of them. With the slits %1 instead of %2 pixels apart the "
                 "bands near the axis lie %3 instead of %4 pixels apart (the formula λ·L/s: %5 instead "
                 "of %6), and the bright bands number %7 instead of %8. Pictures of the slits would "
                 "move apart with the slits; the bands move together.")
            .arg(whole(separation(apart)), whole(separation(near)), measured(apart), measured(near),
                 formula(apart), formula(near), count(apart), count(near));
    return a;
}

Activity screenFarther()
{
    Activity a{
        Activity::ScreenFarther, {}, {chosen({"opdc100", "opFoton"}), chosen({"opFoton"})}, {}, {}, {}};
    //: An activity's title.
    a.title = Text::tr("The screen farther away");
    //: An activity's question.
    a.question = Text::tr("The screen moves twice as far from the slits. How will the spacing of the bands "
                          "change?");
    const Outcome near = perform(a.runs[0]);
    const Outcome far = perform(a.runs[1]);
    //: An activity's answer. %1 and %2 are distances in pixels; %3 and %4 the bands'
    //: measured spacing in pixels, %5 and %6 the formula's.
    a.answer = Text::tr("The bands spread apart in proportion to the distance. At %1 pixels they lie %3 "
                        "pixels apart near the axis, at %2 pixels %4 (the formula λ·L/s: %5 and %6).")
                   .arg(whole(screenDistance(near)), whole(screenDistance(far)), measured(near),
                        measured(far), formula(near), formula(far));
    return a;
}

Activity longerWavelength()
{
    Activity a{
        Activity::LongerWavelength, {}, {chosen({"opFoton"}), chosen({"opFoton", "op05"})}, {}, {}, {}};
    //: An activity's title.
    a.title = Text::tr("A longer wavelength");
    //: An activity's question.
    a.question =
        Text::tr("A lower frequency means a longer wavelength. Where will the bands go, and how many "
                 "will be left?");
    const Outcome shortWaves = perform(a.runs[0]);
    const Outcome longWaves = perform(a.runs[1]);
    //: An activity's answer. %1 and %2 are wavelengths in pixels; %3 and %4 the
    //: bands' measured spacing in pixels; %5 and %6 the numbers of bright bands.
    a.answer = Text::tr("Farther apart, and fewer of them. The wavelength grows from %1 to %2 pixels; the "
                        "bands near the axis lie "
                        "%4 instead of %3 pixels apart, and the bright bands number %6 instead of %5.")
                   .arg(number(lambda(shortWaves)), number(lambda(longWaves)), measured(shortWaves),
                        measured(longWaves), count(shortWaves), count(longWaves));
    return a;
}

Activity photonByPhoton()
{
    const Choice &slowest = choicesOf(Setting::nSpomaleni).back();
    Activity a{
        Activity::PhotonByPhoton, {}, {chosen({}), chosen({"opDopad", slowest.objectName})}, {}, {}, {}};
    //: An activity's title.
    a.title = Text::tr("Photon by photon");
    //: An activity's question. %1 is the Photon density pattern's name.
    a.question =
        Text::tr("Watch the pattern %1 arrive slowly. Does a single photon show where the bands are?")
            .arg(option(choicesOf(Setting::nInterference)[2]));
    const Outcome light = perform(a.runs[0]);
    const Outcome photons = perform(a.runs[1]);
    //: An activity's answer. %1 and %2 are the patterns' names; %3 and %4 the
    //: numbers of bright bands.
    a.answer =
        Text::tr("No. Each row gets as many dots as the light is bright there, each at a random place "
                 "along the row; a single dot lands anywhere the light reaches. Only many dots together "
                 "draw the bands. Bright bands: %3 in the pattern %1, %4 in the pattern %2.")
            .arg(option(choicesOf(Setting::nInterference)[2]), option(choicesOf(Setting::nInterference)[0]),
                 count(photons), count(light));
    return a;
}

// The m-th bright order's exact height above the axis on the run's screen, if the screen reaches it.
std::optional<double> exactOrder(const Outcome &run, double order, bool formulaOnly)
{
    const SceneGeometry &g = run.record.geometry();
    const double k = run.record.waveNumber();
    const std::vector<FringeMark> marks = formulaOnly ? SmallAngleFringes(g, k) : ExactFringes(g, k);
    const auto mark =
        std::find_if(marks.begin(), marks.end(), [order](const FringeMark &m) { return m.order == order; });
    return mark == marks.end() ? std::nullopt : std::optional<double>(mark->height);
}

constexpr int outerOrder = 6; // the band whose place the formula misses

Activity formulaFails()
{
    Activity a{Activity::FormulaFails, {}, {chosen({"opFoton"})}, {}, {}, {}};
    //: An activity's title.
    a.title = Text::tr("Where the formula fails");
    const Outcome run = perform(a.runs[0]);
    //: An activity's question. %1 is the band's number (6), %2 the key that opens Explore.
    a.question = Text::tr("The formula Δy = λ·L/s gives the spacing of the bands near the axis. Will bright "
                          "band %1 above the axis lie %1 spacings from it? Explore (%2) shows the formula's "
                          "places beside the exact ones.")
                     .arg(numbers().toString(outerOrder), keys({QKeySequence(Qt::CTRL | Qt::Key_E)}));
    //: An activity's answer. %1 is the band's number (6); %2, %3 and %4 are pixels.
    a.answer =
        Text::tr("No, farther out. The formula puts the bands %2 pixels apart and band %1 at %3 pixels "
                 "from the axis, but the path difference is %1 wavelengths only at %4 pixels, and the "
                 "run's band lies there. Far from the axis the angle is no longer small.")
            .arg(numbers().toString(outerOrder), formula(run),
                 number(exactOrder(run, outerOrder, true).value_or(0)),
                 number(exactOrder(run, outerOrder, false).value_or(0)));
    return a;
}

// The run's bright band nearest the axis.
PlottedBand middleBand(const Outcome &run)
{
    const std::vector<PlottedBand> &bright = run.bands.bright;
    const auto middle = std::min_element(bright.begin(), bright.end(), [](const auto &a, const auto &b) {
        return std::abs(a.height) < std::abs(b.height);
    });
    return middle == bright.end() ? PlottedBand{} : *middle;
}

Activity wholeWavelengths()
{
    Activity a{Activity::WholeWavelengths, {}, {chosen({"opFoton"})}, {}, {}, {}};
    //: An activity's title.
    a.title = Text::tr("Whole wavelengths?");
    const Outcome run = perform(a.runs[0]);
    const int point = middleBand(run).point;
    //: An activity's question. %1 is the key that opens Explore, %2 a point's number.
    a.question =
        Text::tr("In Explore (%1) choose the point %2, in the middle bright band. Is each path from a "
                 "slit to it a whole number of wavelengths long?")
            .arg(keys({QKeySequence(Qt::CTRL | Qt::Key_E)}), numbers().toString(point));
    const PointReading p = point > 0 ? ReadPoint(run.record, point) : PointReading{};
    //: An activity's answer. %1 and %2 are the paths' lengths in wavelengths, %3 their difference.
    a.answer =
        Text::tr("No. Path A is %1 and path B %2 wavelengths long; what is a whole number is their "
                 "difference, %3 wavelengths. A point is bright where the difference of the paths is a "
                 "whole number of wavelengths, whatever each path is.")
            .arg(number(p.pathAWaves, 3), number(p.pathBWaves, 3), number(p.differenceWaves, 3));
    return a;
}

Activity oneBand()
{
    Activity a{Activity::OneBand,
               {},
               {chosen({"op20", "op01", "opFoton"}), chosen({"op0", "op01", "opFoton"})},
               {},
               {},
               {}};
    //: An activity's title.
    a.title = Text::tr("One band only");
    //: An activity's question. %1 is the slit-spacing option "0".
    a.question = Text::tr("The wavelength is now longer than the slits' distance. How many bright bands will "
                          "there be? And with the slit spacing %1?")
                     .arg(option(choicesOf(Setting::nOdchylka)[4]));
    const Outcome close = perform(a.runs[0]);
    const Outcome together = perform(a.runs[1]);
    //: An activity's answer. %1 and %4 are numbers of bright bands, %2 a wavelength
    //: and %3 the slits' distance in pixels.
    a.answer = Text::tr("Bright bands: %1, a broad one in the middle. The path difference is never more than "
                        "the slits' distance s = %3 pixels, less than λ = %2 pixels: there is no first band "
                        "beside the middle one. With both slits on the axis the band is gone (bright bands: "
                        "%4): it comes from the two paths.")
                   .arg(count(close), number(lambda(close)), whole(separation(close)), count(together));
    return a;
}

Activity measureWavelength()
{
    Activity a{Activity::MeasureWavelength, {}, {}, {}, {}, {}};
    const LabExperiment bench; // the real experiment's window as it opens
    constexpr int outer = 5;   // ten spacings: from band 5 left of the middle to band 5 right
    const double across = 2 * bench.exactPosition(outer).value_or(0);
    const double spacing = across / (2 * outer);
    // Half a millimetre misread across ten spacings.
    const double reading = bench.separation * (0.5e-3 / (2 * outer)) / bench.distance;
    //: An activity's title.
    a.title = Text::tr("Measure the wavelength");
    //: The settings of the activity in the real experiment: %1 the key that opens it, %2 a wavelength
    //: in nm, %3 the slits' separation in mm, %4 the screen's distance in m, %5 a number of photons.
    a.settings = Text::tr("Open the real experiment with %1 and set the wavelength to %2 nm, the slits' "
                          "separation a to %3 mm and the screen's distance L to %4 m. Let %5 photons arrive.")
                     .arg(keys({QKeySequence(Qt::CTRL | Qt::Key_L)}), number(bench.wavelength * 1e9, 0),
                          number(bench.separation * 1e3, 2), number(bench.distance, 2),
                          // Without a group separator, which some languages write as others write decimals.
                          numbers().toString(1000).remove(numbers().groupSeparator()));
    //: An activity's question. %1 is the band's number (5). Keep λ = a·Δy/L.
    a.question =
        Text::tr("Measure on the ruler how far apart the bright bands lie: measure across ten spacings, "
                 "from bright band %1 left of the middle to bright band %1 right of it, and divide by "
                 "ten. Then work out the wavelength λ = a·Δy/L. Does it agree with the laser's?")
            .arg(numbers().toString(outer));
    //: An activity's answer. %1 and %2 are lengths in mm, %3 the separation in mm, %4 the distance in m,
    //: %5 and %6 wavelengths in nm, %7 an uncertainty in nm.
    a.answer =
        Text::tr("Ten spacings measure %1 mm, so Δy = %2 mm and λ = a·Δy/L = %3 mm × %2 mm / %4 m = %5 nm, "
                 "the laser's %6 nm. Misreading the ruler by half a millimetre across ten spacings "
                 "changes λ by about %7 nm: measuring across many bands makes the result precise.")
            .arg(number(across * 1e3, 2), number(spacing * 1e3, 3), number(bench.separation * 1e3, 2),
                 number(bench.distance, 2), number(bench.separation * spacing / bench.distance * 1e9, 1),
                 number(bench.wavelength * 1e9, 0), number(reading * 1e9, 0));
    return a;
}
} // namespace

std::vector<Activity> lessonActivities()
{
    // In the order of their ids, which is the lesson's.
    std::vector<Activity> all{noSecondPath(),     slitsApart(),     screenFarther(),
                              longerWavelength(), photonByPhoton(), formulaFails(),
                              wholeWavelengths(), oneBand(),        measureWavelength()};
    // The real experiment's activity says its own settings: it has no runs of the picture.
    for (Activity &activity : all)
        if (!activity.runs.empty())
            activity.settings = settingsOf(activity.runs);
    return all;
}

int activityNumber(Activity::Id id) { return int(id) + 1; }
