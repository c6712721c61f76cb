// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runrecord.h"

#include <optional>
#include <vector>

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

// The bands of a run, read once when it ends, for everything that speaks of
// "the bands": the description, the announcement, Explore and the sound.
//
// A dark band is where the two phasors nearly cancel: a point where the
// computed intensity has a local minimum below half the full intensity (the
// path difference is then within a quarter wavelength of a whole number and a
// half). A bright band is what lies between two dark bands, or between a dark
// band and an end of the screen line, where the plot shows a band a pupil can
// pick out and the phasors add (at least half the full intensity): the Light
// pattern's weighting can make a dip inside one bright band, where the phasors
// still add, or a top on a band's flank where they do not; neither is a band.
//
// What the plot shows is the record's RunRecord::Point::shown: the bar's
// length, or in photon mode the row's photon count n before it is cut to whole
// dots (the plot draws floor(n) dots; n is their density without the one-dot
// steps that would make flat tops and false bumps). A pupil picks out a band
// where the record rises by at least bandShare of its largest value above the
// lowest point since the last band and then falls by as much again; a bump at
// either end that the record leaves rising or falling is no band. 3 % of the
// longest bar is about 4 pixels of bar on the start-up picture, the least a
// pupil picks out on a projector: it keeps the eleven bands a sighted count
// finds there and leaves out the two 3-pixel ripples at the screen's ends.
inline constexpr double bandShare = 0.03;

struct PlottedBand {
    int point = 0;     // 1 … 399
    double height = 0; // pixels above the optical axis
    double value = 0;  // the record there
};

struct BandReading {
    // Bottom to top, each at the top the plot shows, or where the phasors add
    // most when the weighting splits the band into two tops.
    std::vector<PlottedBand> bright;
    std::vector<PlottedBand> dark; // bottom to top, also beyond the outermost bright bands
    // Dips of the plot inside a bright band, made by the weighting: the lowest
    // point between the band's outermost tops, bottom to top.
    std::vector<PlottedBand> dips;
    double largest = 0; // the record's largest value
    // The distance between neighbouring bright bands near the axis, as a ruler
    // gives it on the plot: between the two bands nearest the axis, whole
    // pixels apart. The tops of the bands the plot shows are pulled a little
    // toward the brighter side by the slits' distance weighting, so it may lie
    // a pixel or so from the exact first order (at start-up 20 pixels against 21.1).
    std::optional<double> spacing;
    // The highest point of the record nearest the axis (values within a
    // millionth of the largest count as level), and whether its mirror image
    // across the axis is as high.
    double brightestHeight = 0;
    bool brightestMirrored = false;
};

// The bands of the run's plotted record; none for a record without points.
BandReading ReadBands(const RunRecord &run);

// A run that has ended, with its bands read once: what the description, the
// announcement, Explore and the sound all read.
struct RunReading {
    RunReading() = default;
    explicit RunReading(RunRecord record) : run(std::move(record)), bands(ReadBands(run)) {}
    RunRecord run;
    BandReading bands;
};
