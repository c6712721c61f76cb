// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "runrecord.h"

#include "scan.h"

#include <algorithm>
#include <cmath>

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

std::vector<double> RunRecord::shownShares() const
{
    std::vector<double> shares;
    shares.reserve(points_.size());
    for (const Point &p : points_)
        shares.push_back(std::isfinite(p.shown) ? std::max(p.shown, 0.0) : 0.0);
    const double most = shares.empty() ? 0 : *std::max_element(shares.begin(), shares.end());
    for (double &share : shares)
        share = most > 0 ? share / most : 0;
    return shares;
}
