// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runrecord.h"

#include <QColor>
#include <QString>
#include <deque>

// The runs a pupil keeps to compare with the current one, each drawn with a line
// style of its own so that they are told apart without their colours: the
// current run solid, the kept ones dashed, dotted, dash-dot and dash-dot-dot.
namespace lines {
inline constexpr int current = 0;
inline constexpr int kinds = 5; // the current run's and four kept runs'
Qt::PenStyle style(int line);
QColor colour(int line);
// The style's name in the user's language ("dashed").
QString name(int line);
} // namespace lines

struct KeptRun {
    RunRecord run;
    int line; // 1 … 4
};

class KeptRuns {
public:
    static constexpr std::size_t most = 4;

    // Keeps a copy of the run; with four kept already, it replaces the oldest and takes its line.
    void keep(const RunRecord &run);
    // Oldest first.
    const std::deque<KeptRun> &runs() const { return runs_; }

private:
    std::deque<KeptRun> runs_;
};

// A recorded run named by its settings in the user's language: the pattern, then
// the slit spacing, the distance and the frequency as the options name them,
// each with its number.
QString runName(const RunRecord &run);
