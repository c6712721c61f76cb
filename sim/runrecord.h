// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runobserver.h"
#include "scenegeometry.h"

#include <vector>

// Keeps what one run showed: where the scene stood and, bottom to top, the
// height and the plotted value of every point.
class RunRecord : public RunObserver {
public:
    struct Point {
        double y;     // pixels, y down
        double shown; // the bar's length, or the photon count
    };

    void sceneDrawn(const SceneGeometry &geometry) override;
    void pointPlotted(const ScanPoint &point) override;

    const SceneGeometry &geometry() const { return geometry_; }
    const std::vector<Point> &points() const { return points_; }

private:
    SceneGeometry geometry_;
    std::vector<Point> points_;
};
