// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <vector>

class RunRecord;
struct RunReading;

// The pattern of a run as sound, for a pupil who cannot see it: the record's
// points bottom to top, 10 ms each (399 points: 3.99 s), as a tone whose
// loudness follows what the plot showed at the point (the bar's length, or the
// photon count), a click where the scan passes the optical axis, and a soft
// tick at each bright band. A dark band is silent: the tone fades between two
// points only within the louder one's time, so no fade reaches into a darker
// point, and the click and the ticks sound within their own point's time.
namespace patternsound {
constexpr int sampleRate = 44100;    // samples a second, one channel
constexpr int samplesPerPoint = 441; // 10 ms
// The tone's fundamental: seven whole waves a point, so that the wave starts
// alike in every point and a point's loudness is its level, wherever it lies.
constexpr double toneHertz = 700;
constexpr double tickHertz = 2800;  // a bright band's tick, two octaves above the tone
constexpr double clickHertz = 1400; // the axis's click, an octave above it
constexpr int fadeSamples = 88;     // 2 ms from one point's loudness to the next
constexpr int markSamples = 220;    // 5 ms: a tick or the click, centred on its point
constexpr int edgeSamples = 220;    // 5 ms: the tone's fade in at the start and out at the end
} // namespace patternsound

// The run's sound as 16-bit signed mono samples at patternsound::sampleRate:
// point p (1 … n) sounds from sample (p − 1) × samplesPerPoint for
// samplesPerPoint samples. Empty for a record without points; silent where the
// plot showed nothing. The same record gives the same samples, bit for bit.
std::vector<qint16> RenderPatternSound(const RunReading &run);

// The point (1 … n) nearest the optical axis, where the click sounds; 0 if the
// scan did not pass the axis.
int AxisPoint(const RunRecord &run);
