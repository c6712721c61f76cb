// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "run.h"

#include "labels.h"
#include "pacer.h"
#include "plot.h"
#include "runobserver.h"
#include "scaling.h"
#include "scene.h"
#include "settings.h"

#include <cmath>

namespace {
// The countdown after a point: delayCount := slow-down × 30000, counted down to
// zero, stopping as soon as it is no longer above zero. Returns the steps it takes.
long long SlowDownSteps(const Settings &settings)
{
    const double delayCount = settingNumber(settings, Setting::nSpomaleni) * double(run::delayFactor);
    // Counting down by one from a value above zero takes as many steps as it needs to reach
    // zero or below.
    return delayCount > 0 ? static_cast<long long>(std::ceil(delayCount)) : 0;
}
} // namespace

Run::Run(Canvas &canvas, const Settings &settings, SceneLabels &labels, PhotonRandom &random,
         RunObserver *observer)
    : canvas_(canvas), settings_(settings), labels_(labels), random_(random), observer_(observer)
{
}

void Run::drawScene()
{
    geometry_ = DrawScene(canvas_, settings_);
    if (observer_)
        observer_->sceneDrawn(geometry_);
    waveNumber_ = settingNumber(settings_, Setting::nKmitočet);
    if (observer_)
        observer_->runSetUp(settings_, waveNumber_);
}

long long Run::plotNextPoint()
{
    ScanOnePoint(point_, point_.index + 1, geometry_, waveNumber_, canvas_);
    ScaleIntensity(point_, settings_);
    PlotPoint(point_, geometry_, settings_, canvas_, random_);
    if (observer_)
        observer_->pointPlotted(point_);
    DrawPlotAxis(canvas_, geometry_);
    return SlowDownSteps(settings_);
}

void Run::finish()
{
    DrawPlotAxis(canvas_, geometry_);
    PlaceLabels(labels_, settings_, geometry_);
}

void PerformRun(Canvas &canvas, const Settings &settings, SceneLabels &labels, PhotonRandom &random,
                Pacer &pacer, RunObserver *observer)
{
    Run run(canvas, settings, labels, random, observer);
    run.drawScene();
    while (!run.scanned())
        pacer.countDown(run.plotNextPoint());
    run.finish();
}
