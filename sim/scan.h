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
    double phaseB = 0;    // radians phasor B is turned by: the wave number × pathB
    double phaseA = 0;    // radians phasor A is turned by: the wave number × pathA
    double intensity = 0; // 4 × |tip − P|², 0 … 10000 before scaling
    double computed = 0;  // the intensity as the scan computed it; scaling and plotting leave it
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
// The intensity where the two phasors point the same way: 4 × (2 × 25)².
constexpr double fullIntensity = intensityFactor * (2 * phasorLength) * (2 * phasorLength);
} // namespace scan

// How far a point of the screen line at height `pointY` (pixels, y down) lies
// from the two slits: the scan's own arithmetic, for points between the scanned
// ones too. dx is the barrier's x less the screen's, dyA and dyB the point's y
// less the slit's.
struct PointPaths {
    double dx = 0;
    double dyA = 0;
    double dyB = 0;
    double pathA = 0; // √(dx·dx + dyA·dyA)
    double pathB = 0;
};
PointPaths PathsTo(const SceneGeometry &geometry, double pointY);

// The angle, in radians, a phasor is turned by after `path` pixels at the wave
// number (radians per pixel of path).
double PhaseAlong(double waveNumber, double path);

// Steps 1 to 13 of one point: paths, the two phasors head to tail (B first),
// intensity, falloff terms and weight; at a construction point it also draws
// phasor B, ray B, the point mark, phasor A, ray A and the green sum.
// Leaves the draw width at 2 at every point.
void ScanOnePoint(ScanPoint &point, int index, const SceneGeometry &geometry, double waveNumber,
                  Canvas &canvas);
