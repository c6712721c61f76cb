// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

// The colour a screen shows for light of one wavelength, 380 to 780 nm: the
// usual piecewise-linear approximation of the rainbow's hues, dimmed towards
// both ends where the eye barely sees, each component 0 … 1.
struct LightColour {
    double red = 0;
    double green = 0;
    double blue = 0;

    static LightColour of(double wavelength); // wavelength in metres
};
