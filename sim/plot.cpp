// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "plot.h"

#include "canvas.h"
#include "photonrandom.h"
#include "scan.h"
#include "scenegeometry.h"
#include "settings.h"

#include <array>
#include <cmath>
#include <optional>

namespace {
struct Gain {
    const char *distance;
    double k;
};
// Tried in this order.
constexpr std::array<Gain, 3> SlitMarkerGains{{{"200", 20000}, {"150", 12500}, {"100", 7000}}};

float f(double v) { return static_cast<float>(v); }

// The marker gain K for a distance text ("200", "150", "100"), exact match only.
std::optional<double> SlitMarkerGain(const QString &distance)
{
    for (const Gain &g : SlitMarkerGains) {
        if (distance == QLatin1String(g.distance))
            return g.k;
    }
    return std::nullopt;
}

void PlotPhotons(ScanPoint &p, double axisX, Canvas &canvas, PhotonRandom &random)
{
    using namespace plot;
    canvas.setDrawWidth(1);
    const double left = axisX + PhotonStripOffset;
    canvas.line(f(left), f(p.pointY), f(left + PhotonStripWidth), f(p.pointY));
    canvas.setFillColour(colours::white);
    p.intensity = (PhotonScale * p.intensity) * p.weight;
    const long dots = PhotonDots(p.intensity);
    for (long k = 1; k <= dots; ++k) {
        // The dot's x is worked out in single precision: 620 + 100 × r.
        const float x = f(left) + f(PhotonStripWidth) * random.next();
        canvas.circle(x, f(p.pointY), f(dotRadius), colours::white);
    }
}

void PlotSlitMarkers(const ScanPoint &p, double axisX, const Settings &settings, Canvas &canvas)
{
    const std::optional<double> gain = SlitMarkerGain(settings.text(Setting::nVzdalenost));
    if (!gain)
        return;
    const double k = *gain;
    canvas.setFillColour(colours::blue);
    canvas.circle(f(axisX - k / p.falloffA), f(p.pointY), f(plot::dotRadius), colours::blue);
    canvas.circle(f(axisX - k / p.falloffB), f(p.pointY), f(plot::dotRadius), colours::blue);
    canvas.circle(f((axisX - k / p.falloffA) - k / p.falloffB), f(p.pointY), f(plot::dotRadius));
}
} // namespace

bool PlotsPhotons(const Settings &settings)
{
    return settings.text(Setting::nInterference) == QLatin1String("2");
}

long PhotonDots(double n)
{
    // Counting k = 1, 2, … while k <= n stops after floor(n); a count below 1, or not a number, draws none.
    return n >= 1 ? static_cast<long>(std::floor(n)) : 0;
}

void PlotPoint(ScanPoint &point, const SceneGeometry &geometry, const Settings &settings, Canvas &canvas,
               PhotonRandom &random)
{
    const double axisX = geometry.plotAxisX;
    if (!PlotsPhotons(settings))
        canvas.line(f(axisX), f(point.pointY), f(axisX + point.intensity), f(point.pointY));
    else
        PlotPhotons(point, axisX, canvas, random);
    canvas.setDrawWidth(1);
    PlotSlitMarkers(point, axisX, settings, canvas);
}
