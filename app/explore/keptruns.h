// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "explore/texttablemodel.h"
#include "runreading.h"
#include "runrecord.h"

#include <QColor>
#include <QIcon>
#include <QString>
#include <array>
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
    BandReading bands; // the run's own reading
    int line;          // 1 … 4
};

// The runs kept to compare, and their table: the last run first (its line
// solid), then the kept ones, newest first, each with its line's sample, its
// bright bands as a pupil counts them on its plot, their spacing near the axis
// and its settings in words.
class KeptRuns : public TextTableModel {
    Q_OBJECT
public:
    static constexpr std::size_t most = 4;
    enum Column { Line, BrightBands, Spacing, Settings };

    explicit KeptRuns(QObject *parent = nullptr);

    // Keeps a copy of the run and reads its bands; with four kept already, it
    // replaces the oldest and takes its line.
    void keep(const RunReading &run);
    // Oldest first.
    const std::deque<KeptRun> &runs() const { return runs_; }
    // The last run and its bands, in the first row; none before the first run.
    void showLast(const RunRecord *run, const BandReading *bands);
    // The line samples' height, pixels.
    void setIconHeight(int pixels);

protected:
    QVariant decoration(int row, int column) const override;

private:
    static QStringList row(const RunRecord &run, const BandReading &bands, int line);
    void showRows();
    int lineOf(int row) const;

    std::deque<KeptRun> runs_;
    QStringList last_; // the last run's row, empty before the first run
    int iconHeight_ = 16;
    mutable std::array<QIcon, lines::kinds> samples_; // by line, drawn when first shown
};

// A recorded run named by its settings in the user's language: the pattern, then
// the slit spacing, the distance and the frequency as the options name them,
// each with its number.
QString runName(const RunRecord &run);
