// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/picturedescription.h"

#include "accessibility/settingcaptions.h"
#include "runrecord.h"
#include "scan.h"
#include "settings.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// A band is bright where the plot reaches at least this share of its longest value.
constexpr double brightShare = 0.5;
// Values this close to the largest count as equally bright, so that rounding in
// the last digits cannot tell a band from its mirror image.
constexpr double sameBrightness = 1e-6;
// Two bands on either side of the axis whose middles lie this many pixels or
// fewer from each other's mirror image are a pair.
constexpr double pairTolerance = 2;
// More pairs than this are summed up by their nearest and farthest.
constexpr std::size_t pairsListed = 4;

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

// One run of neighbouring bright points, in pixels above the optical axis.
struct Band {
    double low;
    double high;
    double peak; // its largest value
    double middle() const { return (low + high) / 2; }
    bool acrossAxis() const { return low <= 0 && high >= 0; }
};

// Bands described together: the one across the axis, a pair mirrored across
// it, or a band on one side alone.
struct Group {
    enum Kind { Across, Pair, Single } kind;
    long offset; // the middle's pixels from the axis; a band alone: up positive
    long below;  // Across: how far it reaches below and above the axis
    long above;
    double peak;
    int bands() const { return kind == Pair ? 2 : 1; }
};

std::vector<Band> brightBands(const RunRecord &run, double brightest)
{
    std::vector<Band> bands;
    bool inBand = false;
    for (const RunRecord::Point &point : run.points()) {
        const double up = run.geometry().centreY - point.y;
        const bool bright = point.shown >= brightShare * brightest;
        if (bright && !inBand)
            bands.push_back({up, up, point.shown});
        if (bright) {
            Band &band = bands.back();
            band.low = std::min(band.low, up);
            band.high = std::max(band.high, up);
            band.peak = std::max(band.peak, point.shown);
        }
        inBand = bright;
    }
    return bands;
}

// The bands grouped, nearest the axis first.
std::vector<Group> groupBands(std::vector<Band> bands)
{
    std::stable_sort(bands.begin(), bands.end(), [](const Band &a, const Band &b) {
        return std::abs(a.middle()) < std::abs(b.middle());
    });
    std::vector<Group> groups;
    std::vector<bool> used(bands.size(), false);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (used[i])
            continue;
        used[i] = true;
        const Band &band = bands[i];
        if (band.acrossAxis()) {
            groups.push_back({Group::Across, 0, std::lround(-band.low), std::lround(band.high), band.peak});
            continue;
        }
        std::size_t mirror = i + 1;
        while (mirror < bands.size()
               && (used[mirror] || bands[mirror].acrossAxis() || bands[mirror].middle() * band.middle() > 0
                   || std::abs(bands[mirror].middle() + band.middle()) > pairTolerance))
            ++mirror;
        if (mirror < bands.size()) {
            used[mirror] = true;
            groups.push_back({Group::Pair, std::lround(std::abs(band.middle())), 0, 0,
                              std::max(band.peak, bands[mirror].peak)});
        } else {
            groups.push_back({Group::Single, std::lround(band.middle()), 0, 0, band.peak});
        }
    }
    return groups;
}

// Where a band lies that is not one of a pair.
QString placeOf(const Group &group)
{
    if (group.kind == Group::Across) {
        if (group.below == group.above)
            //: Where a bright band lies: across the optical axis (the horizontal line
            //: through the source), %1 a distance such as "12 pixels".
            return Text::tr("across the optical axis, reaching %1 above and below it")
                .arg(pixels(group.above));
        //: Where a bright band lies; %1 and %2 are distances such as "12 pixels".
        return Text::tr("across the optical axis, from %1 below to %2 above it")
            .arg(pixels(group.below), pixels(group.above));
    }
    if (group.offset > 0)
        //: Where a band lies, or where a stopped run's plot reaches; %1 a distance
        //: such as "12 pixels".
        return Text::tr("%1 above the optical axis").arg(pixels(group.offset));
    //: Where a band lies, or where a stopped run's plot reaches; %1 a distance
    //: such as "12 pixels".
    return Text::tr("%1 below the optical axis").arg(pixels(-group.offset));
}

// Where the bands lie: the one across the axis, the pairs, the bands alone.
QString placesOf(const std::vector<Group> &groups)
{
    QStringList places;
    std::vector<long> pairs;
    QStringList alone;
    for (const Group &group : groups) {
        if (group.kind == Group::Pair)
            pairs.push_back(group.offset);
        else if (group.kind == Group::Across)
            //: One bright band (a stripe of the pattern), %1 where it lies: "one across
            //: the optical axis, ...". "Band" is the bright stripe, as in the help.
            places << Text::tr("one %1").arg(placeOf(group));
        else
            alone << Text::tr("one %1").arg(placeOf(group));
    }
    if (pairs.size() == 1) {
        //: A pair of bright bands mirrored across the axis; %1 a distance such as "12 pixels".
        places << Text::tr("a pair %1 above and below the optical axis").arg(pixels(pairs.front()));
    } else if (pairs.size() > 1 && pairs.size() <= pairsListed) {
        QStringList nearer;
        for (std::size_t i = 0; i + 1 < pairs.size(); ++i)
            nearer << QString::number(pairs[i]);
        //: Pairs of bright bands; %1 is a list of numbers ("21, 43"), %2 the last
        //: distance with its unit ("66 pixels").
        places << Text::tr("pairs %1 and %2 above and below the optical axis")
                      .arg(nearer.join(QLatin1String(", ")), pixels(pairs.back()));
    } else if (pairs.size() > pairsListed) {
        //: %1 is how many pairs of bright bands; %2 and %3 distances such as "12 pixels".
        places << Text::tr("%1 pairs above and below the optical axis, the nearest %2 and the farthest %3 "
                           "from it")
                      .arg(QString::number(pairs.size()), pixels(pairs.front()), pixels(pairs.back()));
    }
    places << alone;
    if (places.size() == 1)
        return places.first();
    //: The last of a list of places: %1 the others, separated by semicolons, %2 the last.
    return Text::tr("%1; and %2")
        .arg(places.mid(0, places.size() - 1).join(QLatin1String("; ")), places.last());
}

// Where the brightest points lie, and in which of the bands.
QString brightestPhrase(const RunRecord &run, double brightest, const Group &holder)
{
    const double centreY = run.geometry().centreY;
    const auto isBrightest = [&](double shown) { return shown >= brightest * (1 - sameBrightness); };
    double nearest = HUGE_VAL;
    double nearestUp = 0;
    for (const RunRecord::Point &point : run.points()) {
        const double up = centreY - point.y;
        if (isBrightest(point.shown) && std::abs(up) < nearest) {
            nearest = std::abs(up);
            nearestUp = up;
        }
    }
    const long up = std::lround(nearestUp);
    bool mirrored = false;
    for (const RunRecord::Point &point : run.points()) {
        if (std::lround(centreY - point.y) == -up && isBrightest(point.shown))
            mirrored = true;
    }
    QString where;
    if (up == 0)
        //: Where the brightest light is, in the picture's description.
        where = Text::tr("the brightest is level with the source, on the optical axis");
    else if (mirrored)
        //: Where the brightest light is: two places mirrored across the axis; %1 a
        //: distance such as "12 pixels".
        where = Text::tr("the brightest are %1 above and below the optical axis").arg(pixels(std::labs(up)));
    else if (up > 0)
        //: Where the brightest light is; %1 a distance such as "12 pixels".
        where = Text::tr("the brightest is %1 above the optical axis").arg(pixels(up));
    else
        //: Where the brightest light is; %1 a distance such as "12 pixels".
        where = Text::tr("the brightest is %1 below the optical axis").arg(pixels(-up));
    switch (holder.kind) {
    case Group::Across:
        //: %1 says where the brightest light is ("the brightest is level with ...").
        return Text::tr("%1, in the band across the axis").arg(where);
    case Group::Pair:
        //: %1 says where the brightest light is; %2 a distance such as "12 pixels".
        return Text::tr("%1, in the pair of bands whose middles lie %2 above and below it")
            .arg(where, pixels(holder.offset));
    case Group::Single:
        //: %1 says where the brightest light is; %2 where the band lies ("12 pixels
        //: above the optical axis").
        return Text::tr("%1, in the band %2").arg(where, placeOf(holder));
    }
    return where;
}
} // namespace

QString describePicture(const RunRecord &run, const Settings &settings)
{
    const SceneGeometry &geometry = run.geometry();
    //: The start of the picture's description: %1 is the pattern's name as its
    //: option says it (Light, Interference, Photon density).
    const QString pattern = Text::tr("%1 pattern").arg(chosen(settings, Setting::nInterference));
    //: The slit spacing when it is 0, in the picture's description.
    QString spacing = Text::tr("0 (both slits on the optical axis)");
    if (settings.text(Setting::nOdchylka) != numberText(0))
        //: The slit spacing: %1 its option's caption ("large"), %2 a distance such as
        //: "15 pixels".
        spacing = Text::tr("%1 (each slit %2 from the optical axis)")
                      .arg(chosen(settings, Setting::nOdchylka), pixels(std::lround(geometry.slitOffset)));
    //: The detector-screen distance: %1 its option's caption ("large"), %2 a distance
    //: such as "200 pixels".
    const QString distance = Text::tr("%1 (%2 behind the barrier)")
                                 .arg(chosen(settings, Setting::nVzdalenost),
                                      pixels(std::lround(geometry.screenX - geometry.barrierX)));
    const QString settingsText =
        //: The picture's first sentence: %1 "Light pattern" (see "%1 pattern"), %2 the
        //: spacing, %3 the distance (each with its caption and pixels), %4 the
        //: frequency's caption ("higher"). The names as the window's groups have them.
        Text::tr("%1 after a run with slit spacing %2, detector-screen distance %3 and frequency %4.")
            .arg(pattern, spacing, distance, chosen(settings, Setting::nKmitočet));

    // A stopped run's plot is only its lower part: where it ended is what can be said of it.
    if (run.points().size() < std::size_t(scan::pointCount)) {
        if (run.points().empty())
            //: Said of the picture after Escape stopped a run at once.
            return settingsText + QLatin1Char(' ') + Text::tr("The run was stopped before its first point.");
        const long up = std::lround(geometry.centreY - run.points().back().y);
        //: Where a stopped run's plot reaches (the %3 of "The run was stopped after ...").
        const QString height = up == 0 ? Text::tr("level with the optical axis")
            : up > 0                   ? Text::tr("%1 above the optical axis").arg(pixels(up))
                                       : Text::tr("%1 below the optical axis").arg(pixels(-up));
        return settingsText
            + QLatin1Char(' ')
            //: %1 and %2 are numbers of points (the scan has 399), %3 where the plot
            //: reaches ("level with the optical axis", "12 pixels above the optical axis").
            + Text::tr("The run was stopped after %1 of %2 points: the plot reaches from the bottom up "
                       "to %3.")
                  .arg(run.points().size())
                  .arg(scan::pointCount)
                  .arg(height);
    }

    double brightest = 0;
    for (const RunRecord::Point &point : run.points())
        brightest = std::max(brightest, point.shown);
    if (!(brightest > 0))
        //: Said of the picture when no point of the plot is bright.
        return settingsText + QLatin1Char(' ') + Text::tr("The plot stays dark.");

    // Every band is in one group, so the count and the places always agree.
    const std::vector<Group> groups = groupBands(brightBands(run, brightest));
    int count = 0;
    const Group *holder = nullptr;
    for (const Group &group : groups) {
        count += group.bands();
        if (!holder && group.peak >= brightest * (1 - sameBrightness))
            holder = &group;
    }
    const QString bands = count == 1
        //: %1 where the one bright band lies ("across the optical axis, ...").
        ? Text::tr("The plot shows 1 bright band, %1").arg(placeOf(groups.front()))
        //: %1 how many bright bands (2 or more), %2 where they lie.
        : Text::tr("The plot shows %1 bright bands: %2").arg(QString::number(count), placesOf(groups));
    return settingsText + QLatin1Char(' ') + bands + QLatin1String("; ")
        + brightestPhrase(run, brightest, *holder) + QLatin1Char('.');
}

QString describeEmptyPicture()
{
    //: The picture's description before the first run; "Start" as the button's caption.
    return Text::tr("Nothing drawn yet: Start draws the light source, the barrier with two slits, the screen "
                    "and the pattern.");
}

QString summarizePicture(const RunRecord &run, const Settings &settings)
{
    // The first sentence of the description: up to the first full stop that ends a sentence.
    const QString description = describePicture(run, settings);
    const qsizetype end = description.indexOf(QLatin1String(". "));
    return end < 0 ? description : description.left(end + 1);
}
