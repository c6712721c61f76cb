// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class RunRecord;
struct RunReading;

// What a screen reader says when a run ends, wherever the focus is: that it
// finished, and the picture's summary.
QString runFinishedAnnouncement(const RunReading &run);
// That Escape stopped it, and how far the plot got: the point and its height.
QString runStoppedAnnouncement(const RunRecord &run);
