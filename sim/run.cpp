// SPDX-License-Identifier: MIT
#include "run.h"

#include "labels.h"
#include "pacer.h"
#include "plot.h"
#include "runobserver.h"
#include "scaling.h"
#include "scan.h"
#include "scene.h"
#include "settings.h"

#include <algorithm>
#include <cmath>

long long SlowDown(const Settings &settings, Pacer &pacer)
{
    const double delayCount = settingNumber(settings, Setting::nSpomaleni) * double(run::delayFactor);
    // Counting down by one from a value above zero takes as many steps as it needs to reach
    // zero or below.
    const long long steps = delayCount > 0 ? static_cast<long long>(std::ceil(delayCount)) : 0;
    pacer.countDown(steps);
    return steps;
}

RunEnd PerformRun(Canvas &canvas, const Settings &settings, SceneLabels &labels,
                PhotonRandom &random, Pacer &pacer, RunObserver *observer)
{
    RunObserver silent;
    RunObserver &heard = observer ? *observer : silent;
    const SceneGeometry geometry = DrawScene(canvas, settings);
    heard.sceneDrawn(geometry);
    const double waveNumber = settingNumber(settings, Setting::nKmitočet);
    ScanPoint point;
    for (int index = 1; index <= scan::pointCount; ++index) {
        ScanOnePoint(point, index, geometry, waveNumber, canvas);
        ScaleIntensity(point, settings);
        PlotPoint(point, geometry, settings, canvas, random);
        heard.pointPlotted(point);
        DrawPlotAxis(canvas, geometry);
        SlowDown(settings, pacer);
        if (pacer.stopRequested())
            return RunEnd::Stopped;
    }
    DrawPlotAxis(canvas, geometry);
    PlaceLabels(labels, settings, geometry);
    return RunEnd::Finished;
}
