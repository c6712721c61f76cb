// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "patternsound.h"

#include "runreading.h"
#include "runrecord.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// Loudness, not pitch, carries the brightness. Both were rendered for the
// start-up settings and measured through a small-speaker model (a second-order
// high pass at 400 Hz, as a laptop's or a tablet's speakers roll off), RMS over
// each point's 10 ms: with loudness a dark band stays at least 45 dB below its
// bright neighbours, with or without the speaker (it changes a fixed pitch's
// level everywhere alike); a pitch sweep of two octaves (220 … 880 Hz) at one
// level came out of that speaker only 3 dB quieter at the dark bands on
// average (6.5 dB in the pattern Interference): the speaker turns pitch into a
// small, uneven loudness change, and the dark bands are never silent. Silence
// is what destructive interference is: the two waves cancel. So the pitch
// stays fixed at 700 Hz with two overtones, inside what small speakers play.
namespace {
using namespace patternsound;

constexpr double turn = 2 * std::numbers::pi;
constexpr double toneGain = 0.55;  // the tone at the brightest point, of full scale
constexpr double tickGain = 0.12;  // soft: below the tone at a bright band
constexpr double clickGain = 0.35; // clearly above a tick
// The tone's overtones, of the fundamental: a reed's timbre that a small speaker,
// which plays little below a few hundred hertz, still carries.
constexpr double second = 0.5;
constexpr double third = 0.25;

// 0 → 1 along a half cosine, for t from 0 to 1.
double rise(double t) { return 0.5 - 0.5 * std::cos(std::numbers::pi * t); }

// What the plot showed at each point, as a share of the most it showed.
std::vector<double> levels(const RunRecord &run)
{
    std::vector<double> shown;
    for (const RunRecord::Point &p : run.points())
        shown.push_back(std::isfinite(p.shown) ? std::max(p.shown, 0.0) : 0.0);
    const double most = shown.empty() ? 0 : *std::max_element(shown.begin(), shown.end());
    for (double &level : shown)
        level = most > 0 ? level / most : 0;
    return shown;
}

// The tone's loudness at every sample: each point's level held over its time;
// between two points the change takes fadeSamples within the louder point's
// time, so a point darker than both neighbours keeps its own level throughout.
std::vector<double> envelope(const std::vector<double> &level)
{
    const std::size_t n = level.size();
    std::vector<double> env(n * samplesPerPoint);
    for (std::size_t i = 0; i < n; ++i)
        std::fill_n(env.begin() + long(i * samplesPerPoint), samplesPerPoint, level[i]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double below = level[i], above = level[i + 1];
        const std::size_t boundary = (i + 1) * samplesPerPoint;
        // The fade lies before the boundary when the lower point is the louder, else after it.
        const std::size_t first = below > above ? boundary - fadeSamples : boundary;
        for (int s = 0; s < fadeSamples; ++s)
            env[first + std::size_t(s)] = below + (above - below) * rise((s + 0.5) / fadeSamples);
    }
    // In at the start and out at the end, without a click.
    const std::size_t edge = std::min<std::size_t>(edgeSamples, env.size() / 2);
    for (std::size_t s = 0; s < edge; ++s) {
        const double gain = rise((double(s) + 0.5) / double(edge));
        env[s] *= gain;
        env[env.size() - 1 - s] *= gain;
    }
    return env;
}

// Adds a mark of markSamples centred on point `point`'s time: a sine of `hertz`
// shaped by `shape` (0 … 1 over the mark's length).
// `phase` is where the sine starts: 0 starts it softly, a quarter turn (a cosine) struck.
template <typename Shape>
void addMark(std::vector<double> &out, int point, double hertz, double phase, double gain, Shape shape)
{
    const std::size_t start = std::size_t(point - 1) * samplesPerPoint + (samplesPerPoint - markSamples) / 2;
    for (int s = 0; s < markSamples; ++s) {
        const double t = double(s) / markSamples;
        out[start + std::size_t(s)] += gain * shape(t) * std::sin(phase + turn * hertz * s / sampleRate);
    }
}
} // namespace

int AxisPoint(const RunRecord &run)
{
    const std::vector<RunRecord::Point> &points = run.points();
    const double axis = run.geometry().centreY;
    if (points.empty() || (points.front().y - axis) * (points.back().y - axis) > 0)
        return 0;
    int nearest = 1;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (std::abs(points[i].y - axis) < std::abs(points[std::size_t(nearest - 1)].y - axis))
            nearest = int(i) + 1;
    }
    return nearest;
}

std::vector<qint16> RenderPatternSound(const RunReading &reading)
{
    const RunRecord &run = reading.run;
    const std::vector<double> env = envelope(levels(run));
    std::vector<double> out(env.size());
    const double peak = 1 + second + third;
    for (std::size_t s = 0; s < out.size(); ++s) {
        const double phase = turn * toneHertz * double(s) / sampleRate;
        const double wave =
            (std::sin(phase) + second * std::sin(2 * phase) + third * std::sin(3 * phase)) / peak;
        out[s] = toneGain * env[s] * wave;
    }
    // A soft tick, rounded at both ends, at each bright band of the run's reading.
    for (const PlottedBand &band : reading.bands.bright)
        addMark(out, band.point, tickHertz, 0, tickGain,
                [](double t) { return rise(2 * std::min(t, 1 - t)); });
    // The axis's click: struck at full strength in one sample, dying away within its mark.
    if (const int axis = AxisPoint(run))
        addMark(out, axis, clickHertz, turn / 4, clickGain,
                [](double t) { return std::exp(-6 * t) * rise(std::min(1.0, 20 * (1 - t))); });
    std::vector<qint16> samples(out.size());
    std::transform(out.begin(), out.end(), samples.begin(),
                   [](double x) { return qint16(std::lround(std::clamp(x, -1.0, 1.0) * 32767)); });
    return samples;
}
