// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct RunReading;

// The picture a run leaves, in words, for a screen reader, from what the run
// recorded: first summarizePicture's sentence (the bright bands and their
// distance near the axis), then what changed since `previous` (a finished run
// with other settings, if any), the mode and settings, where the dark bands
// lie, a dip the weighting makes, the brightest place (photon mode: where the
// dots pile up) and what the phasors do there. The bands are the run's reading
// (sim/runreading.h).
QString describePicture(const RunReading &run, const RunReading *previous = nullptr);

// The description's first sentence, whole in itself: "11 bright bands, 21
// pixels apart near the axis." (for a stopped run: where it stopped), for
// announcing the end of a run.
QString summarizePicture(const RunReading &run);

// Where a place `up` pixels above the optical axis lies, in words: "on the
// optical axis", "12 pixels above the optical axis".
QString placeInWords(long up);

// What the picture shows before the first run.
QString describeEmptyPicture();
