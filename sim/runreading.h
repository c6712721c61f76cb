// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

class RunRecord;
struct SceneGeometry;

// What a recorded run says about one point and about its bands, for the Explore
// window: read from the record and worked out with the scan's own functions
// (PathsTo, PhaseAlong), never a second way. Heights are pixels above the
// optical axis, up positive; a wavelength is λ = 2π / k pixels of path.

// One scanned point as the run worked it out.
struct PointReading {
    int point = 0;                     // 1 … 399, in scan order (bottom to top)
    double y = 0;                      // the screen point's picture y, pixels, y down
    double height = 0;                 // above the optical axis
    double pathA = 0;                  // pixels from the middle of slit A
    double pathB = 0;                  // pixels from the middle of slit B
    double pathAWaves = 0;             // the same in wavelengths
    double pathBWaves = 0;             //
    double differenceWaves = 0;        // path B less path A, in wavelengths
    double phaseDifferenceDegrees = 0; // phase B less phase A
    double phaseA = 0;                 // radians each phasor was turned by
    double phaseB = 0;                 //
    double computed = 0;               // the intensity before scaling, 0 … 10000
    double plotted = 0;                // the bar's length, or the photon count
    bool photons = false;              // whether the plot drew photon dots rather than a bar
    long dots = 0;                     // the photon dots drawn
    long nearestOrder = 0;             // the whole number of wavelengths nearest the difference
    double fromOrder = 0;              // differenceWaves less nearestOrder, −0.5 … 0.5
};

// Point `point` (1 … the points recorded) of the run.
PointReading ReadPoint(const RunRecord &run, int point);

// Path B less path A, in wavelengths, at a picture y of the screen line.
double PathDifferenceWaves(const SceneGeometry &geometry, double waveNumber, double pointY);

// A fringe mark: where the path difference is a whole number of wavelengths
// (bright) or a whole and a half (dark).
struct FringeMark {
    double order;  // m, or m + 0.5 for a dark mark; negative below the axis
    double height; // pixels above the optical axis
    bool bright() const;
};

// The marks along the scanned part of the screen line, bottom to top, solved on
// the geometry: none where the path difference does not change (both slits on
// the axis).
std::vector<FringeMark> ExactFringes(const SceneGeometry &geometry, double waveNumber);

// The marks the small-angle formula puts on the same stretch, bottom to top:
// height = order × λ × D / (2d), D the screen's distance behind the barrier and
// 2d the slits' separation; none for d = 0.
std::vector<FringeMark> SmallAngleFringes(const SceneGeometry &geometry, double waveNumber);
// The formula's distance between neighbouring bright bands, λ × D / (2d); none for d = 0.
std::optional<double> SmallAngleSpacing(const SceneGeometry &geometry, double waveNumber);

// The points (1 … 399) where the computed intensity has a local maximum
// (bright) or minimum (dark), bottom to top. Differences within a billionth of
// the run's largest intensity count as none, so rounding makes no band.
std::vector<int> Extremes(const RunRecord &run, bool bright);
// The first such point above `point`, from the bottom again after the top; 0 if none.
int NextExtreme(const RunRecord &run, int point, bool bright);

// The distance between neighbouring bright bands near the axis, measured on the
// record: from the maximum nearest the axis to the maxima either side of it,
// averaged, each maximum placed between the points by the parabola through it
// and its neighbours. None with fewer than two maxima.
std::optional<double> MeasuredBandSpacing(const RunRecord &run);
