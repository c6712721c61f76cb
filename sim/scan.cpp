// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "scan.h"

#include "canvas.h"

#include <cmath>

namespace {
constexpr double pointMarkRadius = 2;

float f(double v) { return static_cast<float>(v); }
} // namespace

// Every square below is a difference multiplied by itself and every falloff term
// is (0.008 × dx) × dx + dy × dy, in that order: the last digits depend on it.
PointPaths PathsTo(const SceneGeometry &g, double pointY)
{
    PointPaths paths;
    paths.dx = g.barrierX - g.screenX;
    paths.dyB = pointY - (g.centreY + g.slitOffset);
    paths.pathB = std::sqrt(paths.dx * paths.dx + paths.dyB * paths.dyB);
    paths.dyA = pointY - (g.centreY - g.slitOffset);
    paths.pathA = std::sqrt(paths.dx * paths.dx + paths.dyA * paths.dyA);
    return paths;
}

double PhaseAlong(double waveNumber, double path) { return waveNumber * path; }

void ScanOnePoint(ScanPoint &p, int index, const SceneGeometry &g, double waveNumber, Canvas &canvas)
{
    using namespace scan;
    const bool construction = index % constructionInterval == 0;
    const double slitAY = g.slitAY();
    const double slitBY = g.slitBY();

    p.index = index;
    p.pointX = g.screenX;
    p.pointY = g.barrierBottom - index;
    p.tipX = p.pointX;
    p.tipY = p.pointY;

    const PointPaths paths = PathsTo(g, p.pointY);
    const double dx = paths.dx;
    p.pathB = paths.pathB;
    const double phaseB = PhaseAlong(waveNumber, p.pathB);
    p.phaseB = phaseB;
    if (construction) {
        canvas.line(f(p.pointX), f(p.pointY), f(p.pointX + phasorLength * std::cos(phaseB)),
                    f(p.pointY + phasorLength * std::sin(phaseB)));
        canvas.line(f(g.barrierX), f(slitBY), f(p.pointX), f(p.pointY), colours::paleCyan);
        canvas.circle(f(p.pointX), f(p.pointY), f(pointMarkRadius));
    }
    p.tipX = p.tipX + phasorLength * std::cos(phaseB);
    p.tipY = p.tipY + phasorLength * std::sin(phaseB);

    // Measured from P, not from the moved tip.
    p.pathA = paths.pathA;
    const double phaseA = PhaseAlong(waveNumber, p.pathA);
    p.phaseA = phaseA;
    if (construction) {
        canvas.line(f(p.tipX), f(p.tipY), f(p.tipX + phasorLength * std::cos(phaseA)),
                    f(p.tipY + phasorLength * std::sin(phaseA)));
        canvas.line(f(g.barrierX), f(slitAY), f(p.pointX), f(p.pointY), colours::paleCyan);
    }
    p.tipX = p.tipX + phasorLength * std::cos(phaseA);
    p.tipY = p.tipY + phasorLength * std::sin(phaseA);

    canvas.setDrawWidth(2);
    if (construction)
        canvas.line(f(p.pointX), f(p.pointY), f(p.tipX), f(p.tipY), colours::green);

    const double sumX = p.pointX - p.tipX;
    const double sumY = p.pointY - p.tipY;
    p.intensity = intensityFactor * (sumX * sumX + sumY * sumY);
    p.computed = p.intensity;
    p.falloffA = horizontalFalloff * dx * dx + paths.dyA * paths.dyA;
    p.falloffB = horizontalFalloff * dx * dx + paths.dyB * paths.dyB;
    p.weight = 1 / p.falloffA + 1 / p.falloffB;
}
