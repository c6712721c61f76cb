// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/keptruns.h"

#include "accessibility/settingcaptions.h"
#include "explore/decimals.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <array>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(KeptRuns)
};

struct Line {
    Qt::PenStyle style;
    QRgb colour;
    const char *name;
};
// clang-format off
const std::array<Line, lines::kinds> lineKinds{{
    //: A run's line style in the Explore plot and its table: a solid line (the last run).
    {Qt::SolidLine, qRgb(0, 0, 0), QT_TRANSLATE_NOOP("KeptRuns", "solid")},
    //: A run's line style in the Explore plot and its table: a dashed line.
    {Qt::DashLine, qRgb(0, 70, 200), QT_TRANSLATE_NOOP("KeptRuns", "dashed")},
    //: A run's line style in the Explore plot and its table: a dotted line.
    {Qt::DotLine, qRgb(0, 120, 0), QT_TRANSLATE_NOOP("KeptRuns", "dotted")},
    //: A run's line style in the Explore plot and its table: a line of dashes and dots.
    {Qt::DashDotLine, qRgb(150, 0, 150), QT_TRANSLATE_NOOP("KeptRuns", "dash-dot")},
    //: A run's line style in the Explore plot and its table: a line of a dash and two dots, repeated.
    {Qt::DashDotDotLine, qRgb(150, 80, 0), QT_TRANSLATE_NOOP("KeptRuns", "dash-dot-dot")},
}};
// clang-format on

const Line &kind(int line) { return lineKinds.at(std::size_t(line)); }
} // namespace

namespace lines {
Qt::PenStyle style(int line) { return kind(line).style; }
QColor colour(int line) { return QColor(kind(line).colour); }
QString name(int line) { return QCoreApplication::translate("KeptRuns", kind(line).name); }
} // namespace lines

KeptRuns::KeptRuns(QObject *parent)
    : TextTableModel(
        {
            //: A column title: the line style (solid, dashed …) each run is drawn with in the plot.
            tr("Line"),
            //: A column title: how many bright bands the run shows.
            tr("Bright bands"),
            //: A column title: the distance between neighbouring bright bands near the axis, in pixels.
            tr("Spacing near the axis (px)"),
            //: A column title: the run's settings in words.
            tr("Run"),
        },
        {BrightBands, Spacing}, parent)
{
}

void KeptRuns::keep(const RunReading &run)
{
    int line = 0;
    if (runs_.size() == most) {
        line = runs_.front().line;
        runs_.pop_front();
    } else {
        // The first line no kept run has.
        for (line = 1;
             std::any_of(runs_.begin(), runs_.end(), [line](const KeptRun &k) { return k.line == line; });
             ++line) {}
    }
    runs_.push_back({run.run, run.bands, line});
    showRows();
}

void KeptRuns::showLast(const RunRecord *run, const BandReading *bands)
{
    last_.clear();
    if (run && bands)
        last_ = row(*run, *bands, lines::current);
    showRows();
}

void KeptRuns::setIconHeight(int pixels)
{
    iconHeight_ = pixels;
    samples_ = {};
    if (rowCount() > 0)
        emit dataChanged(index(0, Line), index(rowCount() - 1, Line), {Qt::DecorationRole});
}

QStringList KeptRuns::row(const RunRecord &run, const BandReading &bands, int line)
{
    return {
        //: The line column of the last run's row: %1 the style of its line, "solid".
        line == lines::current ? tr("%1, the last run").arg(lines::name(line)) : lines::name(line),
        decimals::fixed(double(bands.bright.size()), 0),
        //: Fewer than two bright bands: no spacing to measure or predict.
        bands.spacing ? decimals::fixed(*bands.spacing, 2) : tr("none"),
        runName(run),
    };
}

void KeptRuns::showRows()
{
    std::vector<QStringList> rows;
    if (!last_.isEmpty())
        rows.push_back(last_);
    for (auto kept = runs_.rbegin(); kept != runs_.rend(); ++kept)
        rows.push_back(row(kept->run, kept->bands, kept->line));
    setRows(std::move(rows));
}

int KeptRuns::lineOf(int row) const
{
    if (!last_.isEmpty() && row-- == 0)
        return lines::current;
    return runs_[runs_.size() - 1 - std::size_t(row)].line;
}

QVariant KeptRuns::decoration(int row, int column) const
{
    if (column != Line)
        return {};
    const int line = lineOf(row);
    QIcon &icon = samples_.at(std::size_t(line));
    if (icon.isNull()) {
        // A short stretch of the run's line, as the plot draws it.
        QPixmap sample(3 * iconHeight_, iconHeight_);
        sample.fill(Qt::transparent);
        QPainter painter(&sample);
        painter.setPen(QPen(lines::colour(line), std::max(1.5, iconHeight_ / 7.0), lines::style(line)));
        painter.drawLine(QPointF(1, iconHeight_ / 2.0), QPointF(sample.width() - 1, iconHeight_ / 2.0));
        icon = QIcon(sample);
    }
    return icon;
}

QString runName(const RunRecord &run)
{
    const Settings &settings = run.settings();
    const SceneGeometry &g = run.geometry();
    //: A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the
    //: spacing option's caption and %3 the distance between the two slits in pixels (twice each slit's
    //: distance from the axis), %4 the distance option's caption and %5 its pixels, %6 the frequency
    //: option's caption and %7 the wave number.
    return Text::tr("%1, slit spacing %2 (slits %3 px apart), distance %4 (%5 px), frequency %6 (k = %7)")
        .arg(chosenCaption(settings, Setting::nInterference), chosenCaption(settings, Setting::nOdchylka),
             decimals::shortest(2 * g.slitOffset), chosenCaption(settings, Setting::nVzdalenost),
             decimals::shortest(g.screenX - g.barrierX), chosenCaption(settings, Setting::nKmitočet),
             decimals::shortest(run.waveNumber()));
}
