// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/runannouncement.h"

#include "accessibility/picturedescription.h"
#include "runreading.h"
#include "scan.h"

#include <QCoreApplication>
#include <cmath>

namespace {
// The announcements' texts, translated in the context "RunAnnouncement".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RunAnnouncement)
};
} // namespace

QString runFinishedAnnouncement(const RunReading &run, const RunReading *previous)
{
    //: Said by the screen reader when a run has plotted its last point, wherever
    //: the focus is; %1 is the first sentence of the picture's description.
    return Text::tr("Run finished. %1").arg(summarizePicture(run, previous));
}

QString runProgressAnnouncement(int quarters)
{
    switch (quarters) {
    case 1:
        //: Said by the screen reader during a slow run, when a quarter of the screen line is scanned.
        return Text::tr("A quarter");
    case 2:
        //: Said by the screen reader during a slow run, when half the screen line is scanned.
        return Text::tr("Half");
    default:
        //: Said by the screen reader during a slow run, when three quarters of the screen line are scanned.
        return Text::tr("Three quarters");
    }
}

QString runStoppedAnnouncement(const RunRecord &run)
{
    const auto &points = run.points();
    if (points.empty())
        //: Said by the screen reader when Escape stopped a run before it plotted anything.
        return Text::tr("Run stopped before its first point.");
    const auto point = int(points.size());
    const QString height = placeInWords(std::lround(run.geometry().centreY - points.back().y));
    //: Said by the screen reader when Escape stopped a run, wherever the focus is:
    //: %1 the last point plotted (from 1 at the bottom), %2 how many the scan has
    //: (399), %3 where that point lies ("12 pixels above the optical axis").
    return Text::tr("Run stopped at point %1 of %2, %3.").arg(point).arg(scan::pointCount).arg(height);
}

QString runGoingOnAnnouncement(const RunRecord &run)
{
    //: Said by the screen reader when D asks for the summary during a run: %1 the
    //: points plotted so far, %2 how many the scan has (399).
    return Text::tr("A run goes on: point %1 of %2.").arg(run.points().size()).arg(scan::pointCount);
}
