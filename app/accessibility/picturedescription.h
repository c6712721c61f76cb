// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class RunRecord;
class Settings;

// The picture a run leaves, in words, for a screen reader: the pattern mode,
// the spacing, distance and frequency the run used, how many bright bands the
// plot shows and where the brightest of them lies, from what the run recorded.
QString describePicture(const RunRecord &run, const Settings &settings);

// What the picture shows before the first run.
QString describeEmptyPicture();

// The description's first sentence, a summary that stands on its own: what a
// screen reader says when a run ends.
QString summarizePicture(const RunRecord &run, const Settings &settings);
