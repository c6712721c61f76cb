// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/picturedescription.h"

#include "accessibility/settingcaptions.h"
#include "plot.h"
#include "runreading.h"
#include "runrecord.h"
#include "scan.h"
#include "settings.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Dark bands listed on each side of the axis; the rest are counted.
constexpr std::size_t darkListed = 3;
// A single band whose middle lies this many pixels or fewer from the axis lies across it.
constexpr double acrossTolerance = 2;

// The description's texts, translated in the context "PictureDescription".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PictureDescription)
};

// Both forms count, so that a language with more plural forms than two (Czech
// "2 pixely", "5 pixelů") picks its own; in English they read "1 pixel", "2 pixels".
QString pixels(long n)
{
    //: A distance in the picture's description, for one pixel (%n is 1); give every
    //: plural form your language has.
    return n == 1 ? Text::tr("%n pixel", nullptr, int(n))
                  //: A distance in the picture's description, %n pixels; give every
                  //: plural form your language has (2 pixely, 5 pixelů).
                  : Text::tr("%n pixels", nullptr, int(n));
}

// The setting's caption as the user chose it, or its text where no option writes it.
QString chosen(const Settings &settings, Setting setting)
{
    const QString caption = chosenCaption(settings, setting);
    return caption.isEmpty() ? settings.text(setting) : caption;
}

// "a, b and c": the items in the language's way of listing them.
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.value(0);
    //: The end of a list in the picture's description: %1 the items before the
    //: last, separated by commas ("10, 31"), %2 the last ("53 pixels").
    return Text::tr("%1 and %2").arg(items.mid(0, items.size() - 1).join(QLatin1String(", ")), items.last());
}

// Distances from the axis, nearest first, as "10, 31 and 53 pixels".
QString distances(const std::vector<long> &values)
{
    QStringList items;
    for (std::size_t i = 0; i < values.size(); ++i)
        items << (i + 1 == values.size() ? pixels(values[i]) : QString::number(values[i]));
    return listed(items);
}

// Where a place lies: "on the optical axis", "12 pixels above the optical axis".
QString placeOf(long up, bool mirrored)
{
    if (up == 0)
        //: Where something lies in the picture: on the optical axis (the horizontal
        //: line through the source and midway between the slits).
        return Text::tr("on the optical axis");
    if (mirrored)
        //: Where two places mirrored across the axis lie; %1 a distance such as
        //: "12 pixels" or a list of them ("10, 31 and 53 pixels").
        return Text::tr("%1 above and below the optical axis").arg(pixels(std::labs(up)));
    if (up > 0)
        //: Where something lies, or where a stopped run's plot reaches; %1 a distance
        //: such as "12 pixels" or a list of them ("10, 31 and 53 pixels").
        return Text::tr("%1 above the optical axis").arg(pixels(up));
    //: Where something lies, or where a stopped run's plot reaches; %1 a distance
    //: such as "12 pixels" or a list of them ("10, 31 and 53 pixels").
    return Text::tr("%1 below the optical axis").arg(pixels(-up));
}

// The first sentence of a whole run's description.
QString bandsSummary(const BandReading &bands)
{
    const auto count = int(bands.bright.size());
    if (!(bands.largest > 0))
        //: Said of the picture when no point of the plot is bright.
        return Text::tr("The plot stays dark.");
    if (count == 0)
        //: The picture's first sentence when the plot is the same length all the way
        //: up (interference with both slits on the axis).
        return Text::tr("No bands: the plot is evenly bright from the bottom to the top.");
    if (count == 1) {
        const double up = bands.bright.front().height;
        QString where = placeOf(std::lround(up), false);
        if (std::abs(up) <= acrossTolerance || bands.brightestMirrored)
            //: Where the only bright band lies, in "One bright band, %1.".
            where = Text::tr("across the optical axis");
        //: The picture's first sentence, also said alone when a run ends: %1 where the
        //: band lies ("across the optical axis", "30 pixels above the optical axis").
        return Text::tr("One bright band, %1.").arg(where);
    }
    //: The picture's first sentence, also said alone when a run ends: %n bright
    //: bands (2 or more; give every plural form), %1 the distance between two
    //: neighbouring bands near the optical axis ("21 pixels").
    return Text::tr("%n bright bands, %1 apart near the axis.", nullptr, count)
        .arg(pixels(std::lround(bands.spacing.value_or(0))));
}

// Where the dark bands lie: the nearest few on each side, the rest counted.
QString darkBandsSentence(const BandReading &bands)
{
    std::vector<long> below, above;
    bool onAxis = false;
    for (const PlottedBand &dark : bands.dark) {
        const long up = std::lround(dark.height);
        if (up == 0)
            onAxis = true;
        else
            (up < 0 ? below : above).push_back(std::labs(up));
    }
    std::reverse(below.begin(), below.end()); // nearest the axis first
    const std::size_t shown = std::min(darkListed, std::max(below.size(), above.size()));
    const auto nearest = [&](const std::vector<long> &side) {
        return std::vector<long>(side.begin(), side.begin() + long(std::min(shown, side.size())));
    };
    const std::vector<long> lowest = nearest(below), highest = nearest(above);
    QStringList parts;
    if (onAxis)
        parts << placeOf(0, false);
    if (lowest == highest && !lowest.empty()) {
        parts << Text::tr("%1 above and below the optical axis").arg(distances(highest));
    } else {
        if (!lowest.empty())
            parts << Text::tr("%1 below the optical axis").arg(distances(lowest));
        if (!highest.empty())
            parts << Text::tr("%1 above the optical axis").arg(distances(highest));
    }
    const long more = long(bands.dark.size()) - long(onAxis) - long(lowest.size()) - long(highest.size());
    QString where = parts.join(QLatin1String("; "));
    if (more > 0)
        //: The end of the list of dark bands: %1 the places listed ("10, 31 and 53
        //: pixels above and below the optical axis"), %n how many more lie farther
        //: from the axis.
        where = Text::tr("%1, and %n more farther out", nullptr, int(more)).arg(where);
    //: The sentence on the dark bands (the dark stripes between the bright bands):
    //: %1 where they lie ("10, 31 and 53 pixels above and below the optical axis,
    //: and 6 more farther out"); places on both sides are separated by semicolons.
    return Text::tr("Dark bands lie %1.").arg(where);
}

// A dip the weighting makes inside a bright band, the one nearest the axis.
QString dipSentence(const std::vector<PlottedBand> &dips, double largest)
{
    const PlottedBand &dip = *std::min_element(dips.begin(), dips.end(), [](const auto &a, const auto &b) {
        return std::abs(a.height) < std::abs(b.height);
    });
    const long up = std::lround(dip.height);
    const bool mirrored = std::any_of(dips.begin(), dips.end(), [&](const PlottedBand &other) {
        return up != 0 && std::lround(other.height) == -up;
    });
    //: A dip in the plot inside a bright band that is no dark band: %1 where it lies
    //: ("on the optical axis"), %2 how low the plot gets there, in percent of its
    //: largest value.
    return Text::tr("The plot dips %1 to %2% of its brightest, but that is no dark band: the two arrows "
                    "(phasors) add up there; the program weakens the light the farther a point lies from "
                    "each slit.")
        .arg(placeOf(up, mirrored))
        .arg(std::lround(100 * dip.value / largest));
}

// What changed since the previous run that moves the bands: the slits, the
// detector, the frequency, each as "the slits are farther apart".
QStringList causes(const RunRecord &run, const RunRecord &previous)
{
    const SceneGeometry &now = run.geometry(), &before = previous.geometry();
    QStringList changes;
    if (now.slitOffset > before.slitOffset)
        //: A change since the last run, in "Since the last run: %1." and before ", so the
        //: bright bands are ...".
        changes << Text::tr("the slits are farther apart");
    else if (now.slitOffset < before.slitOffset)
        //: A change since the last run, in "Since the last run: %1." and before ", so the
        //: bright bands are ...".
        changes << Text::tr("the slits are closer together");
    const double distanceNow = now.screenX - now.barrierX, distanceBefore = before.screenX - before.barrierX;
    if (distanceNow > distanceBefore)
        //: A change since the last run: the detector is farther from the slits.
        changes << Text::tr("the detector is farther from the slits");
    else if (distanceNow < distanceBefore)
        //: A change since the last run: the detector is nearer to the slits.
        changes << Text::tr("the detector is nearer to the slits");
    if (run.waveNumber() > previous.waveNumber())
        //: A change since the last run: the light's frequency.
        changes << Text::tr("the frequency is higher");
    else if (run.waveNumber() < previous.waveNumber())
        //: A change since the last run: the light's frequency.
        changes << Text::tr("the frequency is lower");
    return changes;
}

// The text with its first letter in capitals, to begin a sentence.
QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The summary of a whole run that changed what moves the bands, with both runs'
// spacing near the axis: "The slits are farther apart, so the 21 bright bands
// are closer together: 6 pixels apart instead of 16." Empty where the runs
// cannot be compared so (nothing moved the bands, or one run has no spacing).
QString linkedChange(const RunReading &reading, const RunReading &previous)
{
    const std::optional<double> &spacing = reading.bands.spacing, &spacingBefore = previous.bands.spacing;
    const QStringList why = causes(reading.run, previous.run);
    if (why.isEmpty() || !spacing || !spacingBefore)
        return {};
    const auto count = int(reading.bands.bright.size());
    const long apart = std::lround(*spacing), apartBefore = std::lround(*spacingBefore);
    const QString cause = capitalized(listed(why));
    if (apart < apartBefore)
        //: A run's summary after a change: %1 what changed ("The slits are farther apart",
        //: several joined by "and"), %n how many bright bands now (2 or more; give every
        //: plural form), %2 their distance now ("6 pixels"), %3 the number of pixels it was ("16").
        return Text::tr("%1, so the %n bright bands are closer together: %2 apart instead of %3.", nullptr,
                        count)
            .arg(cause, pixels(apart), QString::number(apartBefore));
    if (apart > apartBefore)
        //: A run's summary after a change: %1 what changed ("The slits are closer together",
        //: several joined by "and"), %n how many bright bands now (2 or more; give every
        //: plural form), %2 their distance now ("16 pixels"), %3 the number of pixels it was ("6").
        return Text::tr("%1, so the %n bright bands are farther apart: %2 apart instead of %3.", nullptr,
                        count)
            .arg(cause, pixels(apart), QString::number(apartBefore));
    //: A run's summary after changes that cancel out: %1 what changed ("The slits are
    //: closer together and the detector is nearer to the slits"), %n how many bright
    //: bands (2 or more; give every plural form), %2 their distance ("21 pixels").
    return Text::tr("%1, yet the %n bright bands are as far apart as before: %2.", nullptr, count)
        .arg(cause, pixels(apart));
}

// What else changed since the previous run, beyond what the summary says: the
// settings that moved the bands where the summary could not compare them, the
// pattern, the number of bright bands.
QString otherChanges(const RunReading &reading, const RunReading &previousReading, bool linked)
{
    const RunRecord &run = reading.run, &previous = previousReading.run;
    const BandReading &bands = reading.bands, &bandsBefore = previousReading.bands;
    QStringList changes;
    if (!linked)
        changes = causes(run, previous);
    const Settings &settings = run.settings(), &settingsBefore = previous.settings();
    if (settings.text(Setting::nInterference) != settingsBefore.text(Setting::nInterference))
        //: A change since the last run: %1 the pattern's name as its option says it
        //: (Light, Interference, Photon density).
        changes << Text::tr("the plot shows the %1 pattern").arg(chosen(settings, Setting::nInterference));
    if (changes.isEmpty())
        return {};
    if (bands.bright.size() != bandsBefore.bright.size())
        //: A change since the last run: %1 how many bright bands the plot shows now,
        //: %2 how many it showed before.
        changes << Text::tr("bright bands: %1 instead of %2")
                       .arg(QString::number(bands.bright.size()), QString::number(bandsBefore.bright.size()));
    //: The sentence on what changed since the previous run: %1 the changes,
    //: separated by semicolons ("the plot shows the Photon density pattern;
    //: bright bands: 12 instead of 11").
    return Text::tr("Since the last run: %1.").arg(changes.join(QLatin1String("; ")));
}

// Each option's part of the settings sentence, whole, so that a language can
// give the caption the form the sentence needs (Czech "s velkou roztečí
// štěrbin"); %1 is a distance in pixels where there is one.
struct Phrase {
    Setting setting;
    double value;
    const char *text;
};
// clang-format off
constexpr Phrase phrases[] = {
    //: In "after a run with %2, %3 and %4": the slit-spacing option "large"; %1 a distance ("40 pixels").
    {Setting::nOdchylka, 40, QT_TRANSLATE_NOOP("PictureDescription", "slit spacing large (each slit %1 from the optical axis)")},
    //: In "after a run with %2, %3 and %4": the slit-spacing option "minor"; %1 a distance ("15 pixels").
    {Setting::nOdchylka, 15, QT_TRANSLATE_NOOP("PictureDescription", "slit spacing minor (each slit %1 from the optical axis)")},
    //: In "after a run with %2, %3 and %4": the slit-spacing option "middle"; %1 a distance ("10 pixels").
    {Setting::nOdchylka, 10, QT_TRANSLATE_NOOP("PictureDescription", "slit spacing middle (each slit %1 from the optical axis)")},
    //: In "after a run with %2, %3 and %4": the slit-spacing option "small"; %1 a distance ("5 pixels").
    {Setting::nOdchylka, 5, QT_TRANSLATE_NOOP("PictureDescription", "slit spacing small (each slit %1 from the optical axis)")},
    //: In "after a run with %2, %3 and %4": the slit-spacing option "0".
    {Setting::nOdchylka, 0, QT_TRANSLATE_NOOP("PictureDescription", "slit spacing 0 (both slits on the optical axis)")},
    //: In "after a run with %2, %3 and %4": the distance option "large"; %1 a distance ("200 pixels").
    {Setting::nVzdalenost, 200, QT_TRANSLATE_NOOP("PictureDescription", "detector-screen distance large (%1 behind the barrier)")},
    //: In "after a run with %2, %3 and %4": the distance option "middle"; %1 a distance ("150 pixels").
    {Setting::nVzdalenost, 150, QT_TRANSLATE_NOOP("PictureDescription", "detector-screen distance middle (%1 behind the barrier)")},
    //: In "after a run with %2, %3 and %4": the distance option "near"; %1 a distance ("100 pixels").
    {Setting::nVzdalenost, 100, QT_TRANSLATE_NOOP("PictureDescription", "detector-screen distance near (%1 behind the barrier)")},
    //: In "after a run with %2, %3 and %4": the frequency option "higher".
    {Setting::nKmitočet, 2, QT_TRANSLATE_NOOP("PictureDescription", "frequency higher")},
    //: In "after a run with %2, %3 and %4": the frequency option "high".
    {Setting::nKmitočet, 0.5, QT_TRANSLATE_NOOP("PictureDescription", "frequency high")},
    //: In "after a run with %2, %3 and %4": the frequency option "middle".
    {Setting::nKmitočet, 0.3, QT_TRANSLATE_NOOP("PictureDescription", "frequency middle")},
    //: In "after a run with %2, %3 and %4": the frequency option "low".
    {Setting::nKmitočet, 0.1, QT_TRANSLATE_NOOP("PictureDescription", "frequency low")},
};
// clang-format on

// The setting's part of the settings sentence: its option's phrase, with `pixels` where it has a distance.
QString phraseOf(const Settings &settings, Setting setting, long pixelsIn)
{
    for (const Phrase &phrase : phrases) {
        if (phrase.setting != setting || settingValue(settings, setting) != phrase.value)
            continue;
        const QString text = Text::tr(phrase.text);
        return text.contains(QLatin1String("%1")) ? text.arg(pixels(pixelsIn)) : text;
    }
    return settings.text(setting);
}

// The sentence on the mode and the settings the run used.
QString settingsSentence(const RunRecord &run, const Settings &settings)
{
    const SceneGeometry &g = run.geometry();
    //: The start of the picture's settings sentence: %1 is the pattern's name as its
    //: option says it (Light, Interference, Photon density).
    const QString pattern = Text::tr("%1 pattern").arg(chosen(settings, Setting::nInterference));
    //: The sentence on the settings: %1 "Light pattern" (see "%1 pattern"), %2 the
    //: slit spacing, %3 the detector-screen distance, %4 the frequency, each as its
    //: option's phrase ("slit spacing large (each slit 40 pixels from the optical axis)").
    return Text::tr("%1 after a run with %2, %3 and %4.")
        .arg(pattern, phraseOf(settings, Setting::nOdchylka, std::lround(g.slitOffset)),
             phraseOf(settings, Setting::nVzdalenost, std::lround(g.screenX - g.barrierX)),
             phraseOf(settings, Setting::nKmitočet, 0));
}

// A stopped run's plot is only its lower part: where it ended is what can be said of it.
QString stoppedSummary(const RunRecord &run)
{
    if (run.points().empty())
        //: Said of the picture after Escape stopped a run at once.
        return Text::tr("The run was stopped before its first point.");
    const long up = std::lround(run.geometry().centreY - run.points().back().y);
    //: Where a stopped run's plot reaches (the %3 of "The run was stopped after ...").
    const QString height = up == 0 ? Text::tr("level with the optical axis") : placeOf(up, false);
    //: %1 and %2 are numbers of points (the scan has 399), %3 where the plot
    //: reaches ("level with the optical axis", "12 pixels above the optical axis").
    return Text::tr("The run was stopped after %1 of %2 points: the plot reaches from the bottom up to %3.")
        .arg(run.points().size())
        .arg(scan::pointCount)
        .arg(height);
}

bool stopped(const RunRecord &run) { return run.points().size() < std::size_t(scan::pointCount); }

// Whether the bands are of another kind than before: bright and dark bands
// where there were none of either, or the other way round.
bool bandsOfAnotherKind(const BandReading &bands, const BandReading &before)
{
    const auto kind = [](const BandReading &b) { return b.bright.empty() || b.dark.empty(); };
    return kind(bands) != kind(before);
}

// The dark bands, a dip, the brightest place and, where it adds something, what
// the phasors do at the bands: after the first run and when the bands' kind
// changes, not the same words after every run.
QString whatThePlotShows(const RunReading &reading, const RunReading *previous)
{
    const RunRecord &run = reading.run;
    const BandReading &bands = reading.bands;
    QStringList sentences;
    const bool oneSlit = run.geometry().slitOffset == 0;
    if (oneSlit)
        //: Said when the slit spacing is 0: why the pattern has no dark bands.
        sentences << Text::tr("There are no dark bands: with both slits on the optical axis the two paths "
                              "to every point are equally long, so the two arrows (phasors) always point "
                              "the same way.");
    else if (bands.dark.empty())
        //: Said when the path difference stays too small for the phasors to cancel anywhere on the screen line.
        sentences << Text::tr("No dark band: nowhere on the screen line do the two arrows (phasors) point "
                              "opposite ways.");
    else
        sentences << darkBandsSentence(bands);
    if (!bands.dips.empty())
        sentences << dipSentence(bands.dips, bands.largest);

    // An evenly bright plot has no brightest place.
    if (!bands.bright.empty()) {
        const QString brightest = placeOf(std::lround(bands.brightestHeight), bands.brightestMirrored);
        if (PlotsPhotons(run.settings()))
            //: Photon mode: each photon lands as a dot at a random place along its row;
            //: %1 where the most dots are ("on the optical axis", "40 pixels above and
            //: below the optical axis").
            sentences << Text::tr("The dots land at random along each row, but they pile up where the light "
                                  "pattern is bright, most densely %1.")
                             .arg(brightest);
        else
            //: Where the plot is longest; %1 "on the optical axis", "40 pixels above and
            //: below the optical axis" and the like.
            sentences << Text::tr("The light is brightest %1.").arg(brightest);
    }

    if (!bands.bright.empty() && !bands.dark.empty()
        && (!previous || bandsOfAnotherKind(bands, previous->bands)))
        //: The phasors (the two arrows drawn at the detector for each point, one per
        //: slit) at the bands, as the help explains them.
        sentences << Text::tr("At a bright band the two arrows (phasors) point the same way and add up; at "
                              "a dark band they point opposite ways and cancel.");
    return sentences.join(QLatin1Char(' '));
}
} // namespace

QString placeInWords(long up) { return placeOf(up, false); }

QString summarizePicture(const RunReading &reading, const RunReading *previous)
{
    if (stopped(reading.run))
        return stoppedSummary(reading.run);
    if (previous && !stopped(previous->run)) {
        QString change = linkedChange(reading, *previous);
        if (!change.isEmpty())
            return change;
    }
    return bandsSummary(reading.bands);
}

QString describePicture(const RunReading &reading, const RunReading *previous)
{
    const RunRecord &run = reading.run;
    const BandReading &bands = reading.bands;
    if (previous && stopped(previous->run))
        previous = nullptr;
    QStringList sentences{summarizePicture(reading, previous)};
    if (stopped(run)) {
        sentences << settingsSentence(run, run.settings());
        return sentences.join(QLatin1Char(' '));
    }
    if (previous) {
        const bool linked = !linkedChange(reading, *previous).isEmpty();
        const QString changes = otherChanges(reading, *previous, linked);
        if (!changes.isEmpty())
            sentences << changes;
    }
    if (bands.largest > 0)
        sentences << whatThePlotShows(reading, previous);
    sentences << settingsSentence(run, run.settings());
    sentences.removeAll(QString());
    return sentences.join(QLatin1Char(' '));
}

QString describeEmptyPicture()
{
    //: The picture's description before the first run; "Start" as the button's caption.
    return Text::tr("Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen "
                    "and the pattern.");
}
