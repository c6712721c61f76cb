// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <vector>

class RunRecord;
struct BandReading;
struct RunReading;

// The pattern of a run as sound, for a pupil who cannot see it: a start cue
// (two notes rising), the record's points bottom to top, 10 ms each (399
// points: 3.99 s; four times as long when slowed), as a tone whose loudness
// follows what the plot showed at the point (the bar's length, or the photon
// count), a soft tick at each bright band and a soft hum in the point on the
// optical axis; then an end cue (the two notes falling). A dark band is
// silent: the tone fades between two points only within the louder one's time,
// so no fade reaches into a darker point, and the ticks and the hum sound
// within their own point's time. The hum swells and dies without an edge and
// stays below the tick: a click struck there masked the middle band's tick.
namespace patternsound {
constexpr int sampleRate = 44100;    // samples a second, one channel
constexpr int samplesPerPoint = 441; // 10 ms, at the normal pace
// The tone's fundamental: seven whole waves a point, so that the wave starts
// alike in every point and a point's loudness is its level, wherever it lies.
constexpr double toneHertz = 700;
constexpr double tickHertz = 2800; // a bright band's tick, two octaves above the tone
// The axis's hum: ten whole waves a point, between the tone's fundamental and
// its first overtone, where neither covers it.
constexpr double axisHertz = 1000;
constexpr int fadeSamples = 88;  // 2 ms from one point's loudness to the next
constexpr int markSamples = 220; // 5 ms: a tick, centred on its point
constexpr int edgeSamples = 220; // 5 ms: the tone's fade in at the start and out at the end
// The cues: two notes a fifth apart, rising before the pattern and falling after it.
constexpr double cueLowHertz = 880;
constexpr double cueHighHertz = 1320;
constexpr int cueNoteSamples = 2646; // 60 ms a note
constexpr int cueGapSamples = 8820;  // 200 ms of silence between a cue and the pattern
// A cue with its silence, before the pattern and again after it.
constexpr int cueSamples = 2 * cueNoteSamples + cueGapSamples;
// One point's tone alone (Explore, as the pupil moves from point to point):
// 120 ms, long enough to hear its loudness, short enough for a key held down.
constexpr int pointToneSamples = 5292;
} // namespace patternsound

// The run's sound as 16-bit signed mono samples at patternsound::sampleRate,
// `slowness` times slower than the normal pace (the tone's pitch, the ticks, the hum, the
// fades and the cues as at the normal pace): point p (1 … n) sounds from sample
// cueSamples + (p − 1) × samplesPerPoint × slowness for samplesPerPoint ×
// slowness samples, and the end cue follows the last point. Empty for a record
// without points; silent where the plot showed nothing. The same record gives
// the same samples, bit for bit.
std::vector<qint16> RenderPatternSound(const RunReading &run, int slowness = 1);

// Point `point` (1 … n) of the pattern alone, pointToneSamples long: the
// pattern's tone at that point's loudness (PointLevel), fading in and out over
// edgeSamples, with the tick of a bright band of `bands` and the axis's hum
// where the pattern has them at that point. Silent where the plot showed
// nothing, as the pattern is; empty for a point the record does not hold.
std::vector<qint16> RenderPointTone(const RunRecord &run, const BandReading &bands, int point);

// What the plot showed at point `point` (1 … n) as a share of the most it
// showed anywhere in the record, 0 … 1: the tone's loudness there, of its
// loudness at the brightest point. 0 for a point the record does not hold.
double PointLevel(const RunRecord &run, int point);

// The point (1 … n) nearest the optical axis, where the hum sounds; 0 if the
// scan did not pass the axis.
int AxisPoint(const RunRecord &run);
