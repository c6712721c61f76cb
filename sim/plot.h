// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

struct ScanPoint;
struct SceneGeometry;
class Canvas;
class Settings;
class PhotonRandom;

namespace plot {
constexpr double PhotonStripOffset = 20; // the photon line starts this far right of the plot axis
constexpr double PhotonStripWidth = 100;
constexpr double PhotonScale = 3.9;
constexpr double dotRadius = 1;
} // namespace plot

// Whether the plot shows photon dots (mode "2", compared as text) rather than bars.
bool PlotsPhotons(const Settings &settings);

// How many dots a photon count n draws: one for every whole number k from 1 up
// to n, compared as a real number; none below 1.
long PhotonDots(double n);

// Draws one point's share of the pattern at its height: the bar, or in mode "2"
// the photon line with its dots (and the intensity replaced by the dot count n),
// then the slit markers. Starts at draw width 2 and leaves width 1; leaves the
// fill colour blue after markers, else white in mode "2", else as it found it.
void PlotPoint(ScanPoint &point, const SceneGeometry &geometry, const Settings &settings, Canvas &canvas,
               PhotonRandom &random);
