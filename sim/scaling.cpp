// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "scaling.h"

#include "scan.h"
#include "settings.h"

#include <array>
#include <optional>

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

const FactorRow *findRow(const QString &distance)
{
    for (const FactorRow &row : LightModeFactors) {
        if (distance == QLatin1String(row.distance))
            return &row;
    }
    return nullptr;
}

std::optional<double> findFactor(const FactorRow &row, const QString &spacing)
{
    for (std::size_t column = 0; column < spacingKeys.size(); ++column) {
        if (spacing == QLatin1String(spacingKeys[column]))
            return row.factors[column];
    }
    return std::nullopt;
}
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
    const FactorRow *row = findRow(settings.text(Setting::nVzdalenost));
    if (!row)
        return;
    if (const std::optional<double> factor = findFactor(*row, settings.text(Setting::nOdchylka)))
        point.intensity = (*factor * point.intensity) * point.weight;
}
