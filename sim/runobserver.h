// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

struct ScanPoint;
struct SceneGeometry;

// What a run reports while it goes, for whatever needs its numbers rather than
// its picture (the picture's description, tests). Called on the run's thread,
// synchronously, in the run's order; an observer draws nothing and changes no setting.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // After the scene is drawn, before the first point.
    virtual void sceneDrawn(const SceneGeometry &) {}
    // After the point is plotted, before the axis and the slow-down: `intensity`
    // is what the plot shows at that height, the bar's length in pixels or, in
    // photon mode, the photon count n whose floor is the number of dots drawn.
    virtual void pointPlotted(const ScanPoint &) {}
};
