// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "scaling.h"

#include "scan.h"
#include "settings.h"

#include <algorithm>
#include <array>

namespace {
struct FactorRow {
    const char *distance;
    std::array<double, 5> factors; // spacings "40", "15", "10", "5", "0"
};
constexpr std::array<const char *, 5> spacingKeys{"40", "15", "10", "5", "0"};
// Rows are tried in this order, then columns in spacingKeys' order.
constexpr std::array<FactorRow, 3> LightModeFactors{{
    {"200", {4.2, 3.9, 3, 2.45, 2.3}},
    {"150", {2.5, 2.2, 2, 1.4, 1.25}},
    {"100", {1.1, 1.15, 1.28, 0.75, 0.57}},
}};
} // namespace

void ScaleIntensity(ScanPoint &point, const Settings &settings)
{
    const QString mode = settings.text(Setting::nInterference);
    if (mode == QLatin1String("1")) {
        point.intensity = InterferenceModeFactor * point.intensity;
        return;
    }
    if (mode != QLatin1String("0"))
        return;
    // The spacing is read only once the distance has a row.
    const QString distance = settings.text(Setting::nVzdalenost);
    const auto row =
        std::find_if(LightModeFactors.begin(), LightModeFactors.end(),
                     [&distance](const FactorRow &r) { return distance == QLatin1String(r.distance); });
    if (row == LightModeFactors.end())
        return;
    const QString spacing = settings.text(Setting::nOdchylka);
    const auto column = std::find_if(spacingKeys.begin(), spacingKeys.end(),
                                     [&spacing](const char *key) { return spacing == QLatin1String(key); });
    if (column != spacingKeys.end())
        point.intensity =
            (row->factors[std::size_t(column - spacingKeys.begin())] * point.intensity) * point.weight;
}
