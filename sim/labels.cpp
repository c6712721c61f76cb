// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "labels.h"

#include "scenegeometry.h"
#include "settings.h"

namespace {
void place(SceneLabels &labels, SceneLabel label, double x, double y)
{
    labels.showLabel(label, true);
    labels.setLabelLeft(label, static_cast<float>(x));
    labels.setLabelTop(label, static_cast<float>(y));
}
} // namespace

void PlaceLabels(SceneLabels &labels, const Settings &settings, const SceneGeometry &g)
{
    place(labels, SceneLabel::labClona, g.barrierX - 40, g.barrierTop - 10);
    place(labels, SceneLabel::labHustota, g.plotAxisX - 60, g.plotTop + 50);

    // The mode is compared as a number with 1.
    const bool interference = settingNumber(settings, Setting::nInterference) == 1;
    const SceneLabel title = interference ? SceneLabel::labPravde : SceneLabel::labInterObr;
    const SceneLabel other = interference ? SceneLabel::labInterObr : SceneLabel::labPravde;
    labels.showLabel(other, false);
    place(labels, title, g.plotAxisX + 20, g.plotTop - 40);

    place(labels, SceneLabel::labZdroj, g.sourceX - 20, g.centreY + 10);
    // The distance is read again; it cannot have changed during the run.
    place(labels, SceneLabel::labDetektor, 250 + settingNumber(settings, Setting::nVzdalenost),
          g.barrierTop - 40);
    place(labels, SceneLabel::labA, g.barrierX - 30, (g.centreY - 35) - g.slitOffset);
    place(labels, SceneLabel::labB, g.barrierX - 30, (g.centreY + g.slitOffset) + 20);
}
