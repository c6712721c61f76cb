// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "runrecord.h"

#include "scan.h"

void RunRecord::sceneDrawn(const SceneGeometry &geometry)
{
    geometry_ = geometry;
    waveNumber_ = 0;
    settings_ = {};
    points_.clear();
    points_.reserve(scan::pointCount);
}

void RunRecord::runSetUp(const Settings &settings, double waveNumber)
{
    waveNumber_ = waveNumber;
    settings_ = SettingTexts(settings);
}

void RunRecord::pointPlotted(const ScanPoint &point)
{
    points_.push_back({point.pointY, point.intensity, point.pathA, point.pathB, point.phaseA, point.phaseB,
                       point.computed});
}
