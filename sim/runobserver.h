// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

struct ScanPoint;
struct SceneGeometry;
class Settings;

// What a run reports while it goes, for whatever needs its numbers rather than
// its picture (the picture's description, the Explore window, tests). Called on
// the run's thread, synchronously, in the run's order; an observer draws nothing
// and changes no setting.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // After the scene is drawn, before the first point.
    virtual void sceneDrawn(const SceneGeometry &) {}
    // After sceneDrawn, once the run has read its wave number (radians per pixel
    // of path): the settings the run goes by, to be read and never written.
    virtual void runSetUp(const Settings &, double /*waveNumber*/) {}
    // After the point is plotted, before the axis and the slow-down: `intensity`
    // is what the plot shows at that height, the bar's length in pixels or, in
    // photon mode, the photon count n whose floor is the number of dots drawn;
    // `computed` is the intensity before that.
    virtual void pointPlotted(const ScanPoint &) {}
};
