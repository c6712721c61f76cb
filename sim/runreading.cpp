// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "runreading.h"

#include "plot.h"
#include "runrecord.h"
#include "scan.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double turn = 2 * std::numbers::pi;
// Differences below this share of the largest intensity are rounding, not light.
constexpr double noiseShare = 1e-9;
constexpr int bisections = 200;

double heightOf(const SceneGeometry &g, double y) { return g.centreY - y; }

// The picture y of the lowest and highest scanned point.
double lowestY(const SceneGeometry &g) { return g.barrierBottom - 1; }
double highestY(const SceneGeometry &g) { return g.barrierBottom - scan::pointCount; }

// The y between `low` (larger y) and `high` where the path difference is
// `order`; the difference grows from low to high.
double solve(const SceneGeometry &g, double k, double order, double low, double high)
{
    for (int i = 0; i < bisections; ++i) {
        const double middle = (low + high) / 2;
        if (middle == low || middle == high)
            break;
        (PathDifferenceWaves(g, k, middle) < order ? low : high) = middle;
    }
    return (low + high) / 2;
}

// -1, 0 or +1 as a is below, level with or above b, within the noise.
int compare(double a, double b, double noise) { return a > b + noise ? 1 : (a < b - noise ? -1 : 0); }
} // namespace

bool FringeMark::bright() const { return order == std::floor(order); }

double PathDifferenceWaves(const SceneGeometry &g, double waveNumber, double pointY)
{
    const PointPaths paths = PathsTo(g, pointY);
    return (PhaseAlong(waveNumber, paths.pathB) - PhaseAlong(waveNumber, paths.pathA)) / turn;
}

PointReading ReadPoint(const RunRecord &run, int point)
{
    const RunRecord::Point &p = run.points().at(std::size_t(point - 1));
    PointReading r;
    r.point = point;
    r.y = p.y;
    r.height = heightOf(run.geometry(), p.y);
    r.pathA = p.pathA;
    r.pathB = p.pathB;
    r.phaseA = p.phaseA;
    r.phaseB = p.phaseB;
    r.pathAWaves = p.phaseA / turn;
    r.pathBWaves = p.phaseB / turn;
    r.differenceWaves = (p.phaseB - p.phaseA) / turn;
    r.phaseDifferenceDegrees = (p.phaseB - p.phaseA) * (180 / std::numbers::pi);
    r.computed = p.computed;
    r.plotted = p.shown;
    r.photons = PlotsPhotons(run.settings());
    r.dots = r.photons ? PhotonDots(p.shown) : 0;
    r.nearestOrder = std::lround(r.differenceWaves);
    r.fromOrder = r.differenceWaves - double(r.nearestOrder);
    return r;
}

std::vector<FringeMark> ExactFringes(const SceneGeometry &g, double waveNumber)
{
    const double low = lowestY(g);
    const double high = highestY(g);
    const double first = PathDifferenceWaves(g, waveNumber, low);
    const double last = PathDifferenceWaves(g, waveNumber, high);
    std::vector<FringeMark> marks;
    if (!(last > first))
        return marks;
    // Every half order the difference passes on its way up the screen, counted in halves.
    for (auto half = long(std::ceil(2 * first)); half <= long(std::floor(2 * last)); ++half)
        marks.push_back({half / 2.0, heightOf(g, solve(g, waveNumber, half / 2.0, low, high))});
    return marks;
}

std::optional<double> SmallAngleSpacing(const SceneGeometry &g, double waveNumber)
{
    const double separation = 2 * g.slitOffset;
    if (!(separation > 0) || !(waveNumber > 0))
        return std::nullopt;
    const double wavelength = turn / waveNumber;
    return wavelength * (g.screenX - g.barrierX) / separation;
}

std::vector<FringeMark> SmallAngleFringes(const SceneGeometry &g, double waveNumber)
{
    std::vector<FringeMark> marks;
    const std::optional<double> spacing = SmallAngleSpacing(g, waveNumber);
    if (!spacing)
        return marks;
    const double bottom = heightOf(g, lowestY(g));
    const double top = heightOf(g, highestY(g));
    for (auto half = long(std::ceil(2 * bottom / *spacing)); half <= long(std::floor(2 * top / *spacing));
         ++half)
        marks.push_back({half / 2.0, half / 2.0 * *spacing});
    return marks;
}

std::vector<int> Extremes(const RunRecord &run, bool bright)
{
    const std::vector<RunRecord::Point> &points = run.points();
    double largest = 0;
    for (const RunRecord::Point &p : points)
        largest = std::max(largest, std::abs(p.computed));
    const double noise = noiseShare * largest;
    const int sign = bright ? 1 : -1;
    std::vector<int> found;
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        if (sign * compare(points[i].computed, points[i - 1].computed, noise) <= 0)
            continue;
        // Over a level stretch, the first point counts when the light then falls (rises).
        std::size_t next = i + 1;
        while (next < points.size() && compare(points[next].computed, points[i].computed, noise) == 0)
            ++next;
        if (next < points.size() && sign * compare(points[i].computed, points[next].computed, noise) > 0)
            found.push_back(int(i) + 1);
    }
    return found;
}

int NextExtreme(const RunRecord &run, int point, bool bright)
{
    const std::vector<int> found = Extremes(run, bright);
    if (found.empty())
        return 0;
    const auto above = std::upper_bound(found.begin(), found.end(), point);
    return above != found.end() ? *above : found.front();
}

namespace {
// Values this close to the largest count as equally bright, so that rounding in
// the last digits cannot tell a place from its mirror image.
constexpr double sameBrightness = 1e-6;
} // namespace

namespace {
// The distance between the two bands nearest the axis, the lower first where two lie as near.
std::optional<double> spacingNearTheAxis(std::vector<PlottedBand> bands)
{
    std::stable_sort(bands.begin(), bands.end(), [](const PlottedBand &a, const PlottedBand &b) {
        return std::abs(a.height) < std::abs(b.height);
    });
    if (bands.size() < 2)
        return std::nullopt;
    return std::abs(bands[1].height - bands[0].height);
}

// The highest point of the record nearest the axis, and whether its mirror image is as high.
void findBrightest(const RunRecord &run, BandReading &reading)
{
    const auto isBrightest = [&](double v) { return v >= reading.largest * (1 - sameBrightness); };
    double nearest = HUGE_VAL;
    for (const RunRecord::Point &p : run.points()) {
        const double up = heightOf(run.geometry(), p.y);
        if (isBrightest(p.shown) && std::abs(up) < nearest) {
            nearest = std::abs(up);
            reading.brightestHeight = up;
        }
    }
    for (const RunRecord::Point &p : run.points()) {
        if (reading.brightestHeight != 0
            && std::abs(heightOf(run.geometry(), p.y) + reading.brightestHeight) < 0.5
            && isBrightest(p.shown))
            reading.brightestMirrored = true;
    }
}
} // namespace

namespace {
// The indices of the tops of the bands the plot shows, bottom to top: going up,
// a top counts once the record has risen by `rise` above the lowest point since
// the last top and then falls by as much again.
std::vector<std::size_t> plottedTops(const std::vector<RunRecord::Point> &points, double rise)
{
    std::vector<std::size_t> tops;
    std::size_t low = 0;  // the lowest point since the last top
    std::size_t high = 0; // the highest point of the band being climbed
    bool climbing = false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double v = points[i].shown;
        if (!climbing) {
            if (v < points[low].shown)
                low = i;
            else if (rise > 0 && v - points[low].shown >= rise) {
                climbing = true;
                high = i;
            }
        } else if (v > points[high].shown) {
            high = i;
        } else if (points[high].shown - v >= rise) {
            tops.push_back(high);
            climbing = false;
            low = i;
        }
    }
    return tops;
}

// The index in [from, to] where f is largest (the first where level).
template <typename F>
std::size_t largestIn(std::size_t from, std::size_t to, F f)
{
    std::size_t best = from;
    for (std::size_t i = from + 1; i <= to; ++i) {
        if (f(i) > f(best))
            best = i;
    }
    return best;
}
} // namespace

BandReading ReadBands(const RunRecord &run)
{
    BandReading reading;
    const std::vector<RunRecord::Point> &points = run.points();
    if (points.empty())
        return reading;
    for (const RunRecord::Point &p : points)
        reading.largest = std::max(reading.largest, p.shown);
    const auto band = [&](std::size_t i) {
        return PlottedBand{int(i) + 1, heightOf(run.geometry(), points[i].y), points[i].shown};
    };
    const auto computed = [&](std::size_t i) { return points[i].computed; };

    // The dark bands: where the two phasors nearly cancel.
    std::vector<std::size_t> darks;
    for (int point : Extremes(run, false)) {
        if (points[std::size_t(point - 1)].computed < scan::fullIntensity / 2)
            darks.push_back(std::size_t(point - 1));
    }
    for (std::size_t dark : darks)
        reading.dark.push_back(band(dark));

    // Between two dark bands (or a dark band and an end of the record) the
    // phasors never cancel: the tops the plot shows there are one bright band.
    // Two tops there are one band with a dip that the distance weighting makes;
    // the band lies where the phasors add most, and is none if even there they
    // are more than a quarter of a turn apart (less than half the full
    // intensity: a top the weighting makes on a band's flank).
    const std::vector<std::size_t> tops = plottedTops(points, bandShare * reading.largest);
    auto top = tops.begin();
    for (std::size_t stretch = 0; stretch <= darks.size(); ++stretch) {
        const std::size_t end = stretch < darks.size() ? darks[stretch] : points.size();
        std::vector<std::size_t> inside;
        for (; top != tops.end() && *top < end; ++top)
            inside.push_back(*top);
        if (inside.empty())
            continue;
        const std::size_t at =
            inside.size() == 1 ? inside.front() : largestIn(inside.front(), inside.back(), computed);
        if (computed(at) < scan::fullIntensity / 2)
            continue;
        reading.bright.push_back(band(at));
        if (inside.size() > 1)
            reading.dips.push_back(band(
                largestIn(inside.front(), inside.back(), [&](std::size_t i) { return -points[i].shown; })));
    }

    reading.spacing = spacingNearTheAxis(reading.bright);
    findBrightest(run, reading);
    return reading;
}
