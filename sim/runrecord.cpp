// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "runrecord.h"

#include "scan.h"

void RunRecord::sceneDrawn(const SceneGeometry &geometry)
{
    geometry_ = geometry;
    points_.clear();
    points_.reserve(scan::pointCount);
}

void RunRecord::pointPlotted(const ScanPoint &point) { points_.push_back({point.pointY, point.intensity}); }
