// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "scene.h"

#include "canvas.h"
#include "settings.h"

namespace {
constexpr double sourceRadius = 5;
constexpr double slitGapRadius = 2;
constexpr double screenOverhang = 10;  // the screen line reaches this far past the barrier's ends
constexpr double opticalAxisLead = 20; // the optical axis starts this far left of the source
constexpr double opticalAxisEnd = 750;
} // namespace

SceneGeometry DrawScene(Canvas &canvas, const Settings &settings)
{
    canvas.setUnitPixels();
    // One silver line per row erases the previous picture; the width is the one in force (1).
    const QRect &clear = sceneClearArea;
    for (int y = clear.top(); y <= clear.bottom(); ++y)
        canvas.line(float(clear.left()), float(y), float(clear.right()), float(y), colours::silver);

    SceneGeometry g;
    // The distance is added to 250 as a number: "200" gives 450.
    g.screenX = g.barrierX + settingNumber(settings, Setting::nVzdalenost);
    g.slitOffset = settingNumber(settings, Setting::nOdchylka);

    const auto f = [](double v) { return static_cast<float>(v); };
    canvas.setFillColour(colours::white);
    canvas.setFillStyleSolid();
    canvas.circle(f(g.sourceX), f(g.centreY), f(sourceRadius));
    canvas.line(f(g.sourceX), f(g.centreY), f(g.barrierX), f(g.slitAY()));
    canvas.line(f(g.sourceX), f(g.centreY), f(g.barrierX), f(g.slitBY()));
    canvas.setDrawWidth(2);
    canvas.line(f(g.barrierX), f(g.barrierTop), f(g.barrierX), f(g.barrierBottom));
    // The silver gap circles erase the barrier at the slits, B first.
    canvas.setFillColour(colours::silver);
    canvas.circle(f(g.barrierX), f(g.slitBY()), f(slitGapRadius), colours::silver);
    canvas.circle(f(g.barrierX), f(g.slitAY()), f(slitGapRadius), colours::silver);
    canvas.line(f(g.screenX), f(g.barrierBottom + screenOverhang), f(g.screenX),
                f(g.barrierTop - screenOverhang));
    DrawPlotAxis(canvas, g);
    canvas.setDrawWidth(1);
    canvas.line(f(g.sourceX - opticalAxisLead), f(g.centreY), f(opticalAxisEnd), f(g.centreY));
    return g;
}

void DrawPlotAxis(Canvas &canvas, const SceneGeometry &g)
{
    canvas.line(static_cast<float>(g.plotAxisX), static_cast<float>(g.plotTop),
                static_cast<float>(g.plotAxisX), static_cast<float>(g.plotBottom));
}
