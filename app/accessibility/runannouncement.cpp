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

// Both forms count, so that a language with more plural forms than two picks its own.
QString pixels(int n)
{
    //: A height in what the screen reader says of a stopped run, one pixel (%n is 1);
    //: give every plural form your language has.
    return n == 1 ? Text::tr("%n pixel", nullptr, n)
                  //: A height in what the screen reader says of a stopped run, %n pixels;
                  //: give every plural form your language has (2 pixely, 5 pixelů).
                  : Text::tr("%n pixels", nullptr, n);
}
} // namespace

QString runFinishedAnnouncement(const RunReading &run)
{
    //: Said by the screen reader when a run has plotted its last point, wherever
    //: the focus is; %1 is the first sentence of the picture's description.
    return Text::tr("Run finished. %1").arg(summarizePicture(run));
}

QString runStoppedAnnouncement(const RunRecord &run)
{
    const auto &points = run.points();
    if (points.empty())
        //: Said by the screen reader when Escape stopped a run before it plotted anything.
        return Text::tr("Run stopped before its first point.");
    const auto point = int(points.size());
    const auto up = int(std::lround(run.geometry().centreY - points.back().y));
    QString height;
    if (up == 0)
        //: Where the last point of a stopped run lies, when it is level with the optical
        //: axis (the %3 of "Run stopped at point %1 of %2, %3.").
        height = Text::tr("on the optical axis");
    else if (up > 0)
        //: Where the last point of a stopped run lies: %1 is a height such as "12 pixels".
        height = Text::tr("%1 above the optical axis").arg(pixels(up));
    else
        //: Where the last point of a stopped run lies: %1 is a depth such as "12 pixels".
        height = Text::tr("%1 below the optical axis").arg(pixels(-up));
    //: Said by the screen reader when Escape stopped a run, wherever the focus is:
    //: %1 the last point plotted (from 1 at the bottom), %2 how many the scan has
    //: (399), %3 where that point lies ("12 pixels above the optical axis").
    return Text::tr("Run stopped at point %1 of %2, %3.").arg(point).arg(scan::pointCount).arg(height);
}
