// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/optics.h"

#include <cmath>
#include <numbers>

namespace optics {
double wavelength(double waveNumber) { return 2 * std::numbers::pi / waveNumber; }

double bandSpacing(double wavelength, double screenDistance, double slitSeparation)
{
    return wavelength * screenDistance / slitSeparation;
}

std::optional<double> brightBand(int m, double wavelength, double screenDistance, double slitSeparation)
{
    // The points whose distances from the two slits differ by m·λ lie on a
    // hyperbola with the slits as its foci: half the difference a, half the
    // slits' distance c, b² = c² − a²; the screen, L from the slits, meets it at
    // y = a·√(1 + L²/b²).
    const double a = m * wavelength / 2;
    const double c = slitSeparation / 2;
    if (!(a < c))
        return std::nullopt;
    return a * std::sqrt(1 + screenDistance * screenDistance / (c * c - a * a));
}
} // namespace optics
