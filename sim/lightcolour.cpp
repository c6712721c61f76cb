// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "lightcolour.h"

#include <algorithm>
#include <cmath>

LightColour LightColour::of(double wavelength)
{
    const double nm = wavelength * 1e9;
    // The hue: between neighbouring corners of the rainbow (violet, blue,
    // cyan, green, yellow, red) one component rises or falls linearly.
    LightColour c;
    if (nm < 440)
        c = {(440 - nm) / (440 - 380), 0, 1};
    else if (nm < 490)
        c = {0, (nm - 440) / (490 - 440), 1};
    else if (nm < 510)
        c = {0, 1, (510 - nm) / (510 - 490)};
    else if (nm < 580)
        c = {(nm - 510) / (580 - 510), 1, 0};
    else if (nm < 645)
        c = {1, (645 - nm) / (645 - 580), 0};
    else
        c = {1, 0, 0};
    // The eye's sensitivity falls off below 420 nm and above 700 nm: to 0.3 at the ends.
    double strength = 1;
    if (nm < 420)
        strength = 0.3 + 0.7 * (nm - 380) / (420 - 380);
    else if (nm > 700)
        strength = 0.3 + 0.7 * (780 - nm) / (780 - 700);
    strength = std::clamp(strength, 0.0, 1.0);
    // A gamma of 0.8 on each component, as the approximation has it.
    const auto shade = [strength](double v) {
        return v > 0 ? std::pow(std::clamp(v, 0.0, 1.0) * strength, 0.8) : 0.0;
    };
    return {shade(c.red), shade(c.green), shade(c.blue)};
}
