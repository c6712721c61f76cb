// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class RunRecord;
class Settings;

// The picture a run leaves, in words, for a screen reader, from what the run
// recorded: first summarizePicture's sentence (the bright bands and their
// distance near the axis), then what changed since `previous` (a finished run
// with other settings, if any), the mode and settings, where the dark bands
// lie, the brightest place (photon mode: where the dots pile up) and what the
// phasors do there. The bands are those of ReadBands (sim/runreading.h).
QString describePicture(const RunRecord &run, const Settings &settings, const RunRecord *previous);
QString describePicture(const RunRecord &run, const Settings &settings);

// The description's first sentence, whole in itself: "11 bright bands, 21
// pixels apart near the axis." (for a stopped run: where it stopped), for
// announcing the end of a run.
QString summarizePicture(const RunRecord &run, const Settings &settings);

// What the picture shows before the first run.
QString describeEmptyPicture();
