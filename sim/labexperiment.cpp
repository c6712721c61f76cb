// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "labexperiment.h"

#include <cmath>
#include <numbers>

double LabExperiment::pathA(double y) const { return std::hypot(distance, y - separation / 2); }

double LabExperiment::pathB(double y) const { return std::hypot(distance, y + separation / 2); }

double LabExperiment::pathDifference(double y) const
{
    // rB − rA = (rB² − rA²) / (rB + rA) = 2 a y / (rB + rA): the same number
    // without subtracting two lengths of metres that agree to a millionth.
    return 2 * separation * y / (pathB(y) + pathA(y));
}

double LabExperiment::intensity(double y) const
{
    const double c = std::cos(std::numbers::pi * pathDifference(y) / wavelength);
    return c * c;
}

std::optional<double> LabExperiment::exactPosition(double order) const
{
    // |rB − rA| = 2h with foci ±c = ±a/2: y²/h² − L²/(c² − h²) = 1 at the screen.
    const double h = std::abs(order) * wavelength / 2;
    const double c = separation / 2;
    if (h >= c)
        return std::nullopt;
    const double y = h * std::sqrt(1 + distance * distance / ((c - h) * (c + h)));
    return order < 0 ? -y : y;
}

double LabExperiment::smallAnglePosition(double order) const
{
    return order * wavelength * distance / separation;
}

std::vector<int> LabExperiment::visibleOrders() const
{
    std::vector<int> orders;
    for (int m = 0;; ++m) {
        const std::optional<double> y = exactPosition(m);
        if (!y || *y > halfScreen)
            return orders;
        orders.push_back(m);
    }
}
