// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct RunReading;

// The picture a run leaves, in words, for a screen reader, from what the run
// recorded: first summarizePicture's sentence, then what else changed since
// `previous` (a finished run with other settings, if any), where the dark bands
// lie, a dip the weighting makes, the brightest place (photon mode: where the
// dots pile up), what the phasors do there (after the first run, and when the
// bands' kind changes), and last the mode and settings. The bands are the run's
// reading (sim/runreading.h).
QString describePicture(const RunReading &run, const RunReading *previous = nullptr);

// The description's first sentence, whole in itself, for announcing the end of
// a run and for saying again on request: the bright bands and their distance
// near the axis, "11 bright bands, 21 pixels apart near the axis."; after a
// change of the slits, the detector or the frequency since `previous`, that
// change and what it did to the bands, "The slits are farther apart, so the 21
// bright bands are closer together: 6 pixels apart instead of 16."; for a
// stopped run, where it stopped.
QString summarizePicture(const RunReading &run, const RunReading *previous = nullptr);

// Where a place `up` pixels above the optical axis lies, in words: "on the
// optical axis", "12 pixels above the optical axis".
QString placeInWords(long up);

// What the picture shows before the first run.
QString describeEmptyPicture();
