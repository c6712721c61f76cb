// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/keptruns.h"

#include "accessibility/settingcaptions.h"

#include <QCoreApplication>
#include <QLocale>
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

void KeptRuns::keep(const RunRecord &run)
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
    runs_.push_back({run, line});
}

QString runName(const RunRecord &run)
{
    const Settings &settings = run.settings();
    const SceneGeometry &g = run.geometry();
    const QLocale locale;
    //: A kept run named by its settings: %1 the pattern (Light, Interference, Photon density), %2 the
    //: spacing option's caption and %3 its pixels, %4 the distance option's caption and %5 its pixels,
    //: %6 the frequency option's caption and %7 the wave number.
    return Text::tr("%1, slit spacing %2 (%3 px), distance %4 (%5 px), frequency %6 (k = %7)")
        .arg(chosenCaption(settings, Setting::nInterference), chosenCaption(settings, Setting::nOdchylka),
             locale.toString(g.slitOffset), chosenCaption(settings, Setting::nVzdalenost),
             locale.toString(g.screenX - g.barrierX), chosenCaption(settings, Setting::nKmitočet),
             locale.toString(run.waveNumber()));
}
