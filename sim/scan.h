// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "scenegeometry.h"

class Canvas;

// The working values of the screen point being scanned. The run overwrites one
// ScanPoint point by point; ScaleIntensity and PlotPoint may replace `intensity`.
struct ScanPoint {
    int index = 0;     // 1 … 399, bottom to top
    double pointX = 0; // P, the scanned point on the screen line
    double pointY = 0;
    double tipX = 0; // the tip of the phasor chain, starting at P
    double tipY = 0;
    double pathB = 0;     // |P − slit B|
    double pathA = 0;     // |P − slit A|
    double intensity = 0; // 4 × |tip − P|², 0 … 10000 before scaling
    double falloffA = 0;  // 0.008 × (250 − x)² + (y − slit A's y)²
    double falloffB = 0;
    double weight = 0; // 1/falloffA + 1/falloffB
};

namespace scan {
constexpr int pointCount = 399;
constexpr double phasorLength = 25;
constexpr int constructionInterval = 20; // every twentieth point draws its construction
constexpr double intensityFactor = 4;
constexpr double horizontalFalloff = 0.008;
} // namespace scan

// Steps 1 to 13 of one point: paths, the two phasors head to tail (B first),
// intensity, falloff terms and weight; at a construction point it also draws
// phasor B, ray B, the point mark, phasor A, ray A and the green sum.
// Leaves the draw width at 2 at every point.
void ScanOnePoint(ScanPoint &point, int index, const SceneGeometry &geometry, double waveNumber,
                  Canvas &canvas);
