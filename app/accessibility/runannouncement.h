// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class RunRecord;
struct RunReading;

// What a screen reader says when a run ends, wherever the focus is: that it
// finished, and the picture's summary (with what changed since `previous`).
QString runFinishedAnnouncement(const RunReading &run, const RunReading *previous = nullptr);
// How far a slow run has got: 1, 2 or 3 quarters of its points.
QString runProgressAnnouncement(int quarters);
// That Escape stopped it, and how far the plot got: the point and its height.
QString runStoppedAnnouncement(const RunRecord &run);
// How far the run going on has got, when asked during it.
QString runGoingOnAnnouncement(const RunRecord &run);
