// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "scan.h"
#include "scenegeometry.h"

class Canvas;
class Settings;
class SceneLabels;
class PhotonRandom;
class Pacer;
class RunObserver;

namespace run {
constexpr long long delayFactor = 30000; // countdown steps per unit of slow-down
} // namespace run

// One run as the Start button performs it, in the steps that a caller carries
// out one at a time: the scene; then each of the 399 points, bottom to top
// (scanned, scaled, plotted, reported to the observer, the axis drawn again, the
// slow-down read), each followed by its countdown, which the caller waits out;
// after the last countdown, the axis once more and the labels.
//
// A step throws SettingRefused (see settingNumber) at the first setting read as
// a number that is not one of its control's values, before it is used. A run
// left before its last step keeps the picture as far as it got: no final axis,
// no labels. Nothing is shared between runs but the canvas's drawing state and
// the photon generator. The references must outlive the run.
class Run {
public:
    Run(Canvas &canvas, const Settings &settings, SceneLabels &labels, PhotonRandom &random,
        RunObserver *observer = nullptr);

    // The first step: the scene, then the wave number read.
    void drawScene();
    // The next point; returns the steps of the countdown that follows it.
    long long plotNextPoint();
    // Whether every point has been plotted.
    bool scanned() const { return point_.index >= scan::pointCount; }
    int pointsPlotted() const { return point_.index; }
    // The last step, after the last point's countdown: the axis and the labels.
    void finish();

private:
    Canvas &canvas_;
    const Settings &settings_;
    SceneLabels &labels_;
    PhotonRandom &random_;
    RunObserver *observer_;
    SceneGeometry geometry_;
    double waveNumber_ = 0;
    ScanPoint point_;
};

// A whole run in one call, its countdowns waited out by the pacer: for tests,
// benchmarks and pictures made without a window.
void PerformRun(Canvas &canvas, const Settings &settings, SceneLabels &labels, PhotonRandom &random,
                Pacer &pacer, RunObserver *observer = nullptr);
