// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

// A two-slit experiment as a school laboratory sets it up, in metres: point
// slits a apart, their middle on the optical axis, a screen L behind them, and
// a laser of wavelength λ. A point of the screen is y metres above the axis;
// slit A lies at +a/2, slit B at −a/2.
struct LabExperiment {
    double wavelength = 532e-9;  // λ
    double separation = 0.25e-3; // a
    double distance = 2.0;       // L

    // What a pupil may choose, in metres.
    static constexpr double shortestWavelength = 380e-9;
    static constexpr double longestWavelength = 780e-9;
    static constexpr double closestSlits = 0.05e-3;
    static constexpr double farthestSlits = 1.00e-3;
    static constexpr double nearestScreen = 0.50;
    static constexpr double farthestScreen = 5.00;
    // The stretch of the screen shown: ±5 cm about the axis.
    static constexpr double halfScreen = 0.05;

    // The paths from slit A and from slit B to the point y.
    double pathA(double y) const;
    double pathB(double y) const;
    // Path B less path A, sqrt(L² + (y + a/2)²) − sqrt(L² + (y − a/2)²), positive above the axis.
    double pathDifference(double y) const;
    // The brightness relative to the brightest, cos²(π Δ / λ), 0 … 1.
    double intensity(double y) const;

    // Where the path difference is `order` wavelengths exactly (a whole order a
    // bright band, a half one a dark band): the branch of the hyperbola with
    // the slits as foci, at the screen. None where |order| λ is not less than a.
    std::optional<double> exactPosition(double order) const;
    // Where the small-angle formula y = m λ L / a puts it.
    double smallAnglePosition(double order) const;

    // The bright orders m ≥ 0 whose exact place lies on the shown stretch.
    std::vector<int> visibleOrders() const;
};
