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
constexpr double toneGain = 0.55; // the tone at the brightest point, of full scale
constexpr double tickGain = 0.12; // soft: below the tone at a bright band
constexpr double axisGain = 0.04; // well below the tick, which it must leave audible
constexpr double cueGain = 0.3;
// The tone's overtones, of the fundamental: a reed's timbre that a small speaker,
// which plays little below a few hundred hertz, still carries.
constexpr double second = 0.5;
constexpr double third = 0.25;

// 0 → 1 along a half cosine, for t from 0 to 1.
double rise(double t) { return 0.5 - 0.5 * std::cos(std::numbers::pi * t); }

// The tone's loudness at every sample, `perPoint` samples a point: each point's
// level held over its time; between two points the change takes fadeSamples
// within the louder point's time, so a point darker than both neighbours keeps
// its own level throughout.
std::vector<double> envelope(const std::vector<double> &level, std::size_t perPoint)
{
    const std::size_t n = level.size();
    std::vector<double> env(n * perPoint);
    for (std::size_t i = 0; i < n; ++i)
        std::fill_n(env.begin() + long(i * perPoint), perPoint, level[i]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double below = level[i], above = level[i + 1];
        const std::size_t boundary = (i + 1) * perPoint;
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

// Adds a sine of `hertz` over `length` samples from `start`, rising from
// silence and dying back to it: half a cosine up to the middle and down again
// (a tick or the hum), or flat between edges of edgeSamples (a cue's note).
void addMark(std::vector<double> &out, std::size_t start, int length, double hertz, double gain, bool flat)
{
    for (int s = 0; s < length; ++s) {
        const double t = (s + 0.5) / length;
        const double shape = flat ? rise(std::min(1.0, std::min(s + 0.5, length - s - 0.5) / edgeSamples))
                                  : rise(2 * std::min(t, 1 - t));
        out[start + std::size_t(s)] += gain * shape * std::sin(turn * hertz * s / sampleRate);
    }
}

// A cue of two notes from `start`: `first`'s pitch, then `then`'s.
void addCue(std::vector<double> &out, std::size_t start, double first, double then)
{
    addMark(out, start, cueNoteSamples, first, cueGain, true);
    addMark(out, start + cueNoteSamples, cueNoteSamples, then, cueGain, true);
}

// The tone from `start`, its loudness `env` sample by sample; its wave starts
// there, as it does at every point of the pattern.
void addTone(std::vector<double> &out, std::size_t start, const std::vector<double> &env)
{
    const double peak = 1 + second + third;
    for (std::size_t s = 0; s < env.size(); ++s) {
        const double phase = turn * toneHertz * double(s) / sampleRate;
        const double wave =
            (std::sin(phase) + second * std::sin(2 * phase) + third * std::sin(3 * phase)) / peak;
        out[start + s] = toneGain * env[s] * wave;
    }
}

// A point's marks over its `perPoint` samples from `start`: a soft tick, rounded
// at both ends, in its middle if a bright band lies there; the axis's hum, 10 ms
// in its middle (of the tick's too), if the axis does.
void addMarks(std::vector<double> &out, std::size_t start, std::size_t perPoint, bool band, bool axis)
{
    if (band)
        addMark(out, start + (perPoint - markSamples) / 2, markSamples, tickHertz, tickGain, false);
    if (axis)
        addMark(out, start + (perPoint - samplesPerPoint) / 2, samplesPerPoint, axisHertz, axisGain, false);
}

std::vector<qint16> toSamples(const std::vector<double> &out)
{
    std::vector<qint16> samples(out.size());
    std::transform(out.begin(), out.end(), samples.begin(),
                   [](double x) { return qint16(std::lround(std::clamp(x, -1.0, 1.0) * 32767)); });
    return samples;
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

std::vector<qint16> RenderPatternSound(const RunReading &reading, int slowness)
{
    const RunRecord &run = reading.run;
    if (run.points().empty())
        return {};
    const std::size_t perPoint = std::size_t(samplesPerPoint) * std::size_t(std::max(slowness, 1));
    const std::vector<double> env = envelope(run.shownShares(), perPoint);
    std::vector<double> out(cueSamples + env.size() + cueSamples);
    addTone(out, cueSamples, env);
    // Where point p's time begins.
    const auto pointStart = [perPoint](int point) { return cueSamples + std::size_t(point - 1) * perPoint; };
    for (const PlottedBand &band : reading.bands.bright)
        addMarks(out, pointStart(band.point), perPoint, true, false);
    if (const int axis = AxisPoint(run))
        addMarks(out, pointStart(axis), perPoint, false, true);
    addCue(out, 0, cueLowHertz, cueHighHertz);
    addCue(out, out.size() - std::size_t(2 * cueNoteSamples), cueHighHertz, cueLowHertz);
    return toSamples(out);
}

double PointLevel(const RunRecord &run, int point)
{
    if (point < 1 || point > int(run.points().size()))
        return 0;
    return run.shownShares()[std::size_t(point - 1)];
}

std::vector<qint16> RenderPointTone(const RunRecord &run, const BandReading &bands, int point)
{
    if (point < 1 || point > int(run.points().size()))
        return {};
    // One point's level held, faded in and out as the whole pattern is.
    std::vector<double> out(pointToneSamples);
    addTone(out, 0, envelope({PointLevel(run, point)}, out.size()));
    const bool band = std::any_of(bands.bright.begin(), bands.bright.end(),
                                  [point](const PlottedBand &b) { return b.point == point; });
    addMarks(out, 0, out.size(), band, point == AxisPoint(run));
    return toSamples(out);
}
