// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// The school physics of two slits, for the numbers the help gives: lengths in
// the picture's pixels, wave numbers in radians per pixel.
namespace optics {
// λ = 2π/k: the path over which the phase turns once.
double wavelength(double waveNumber);
// How far apart neighbouring bright bands lie near the optical axis, by the
// small-angle formula Δy = λ·L/s (L the screen's distance, s the slits' distance).
double bandSpacing(double wavelength, double screenDistance, double slitSeparation);
// How far from the axis the m-th bright band lies (m = 1 the nearest beside the
// middle one): where the two paths from point slits differ by m·λ exactly. (For a
// screen far from the slits that is where s·sin θ = m·λ, at L·tan θ, as the help
// tells it.) None where m·λ is not less than s: that band does not exist.
std::optional<double> brightBand(int m, double wavelength, double screenDistance, double slitSeparation);
} // namespace optics
