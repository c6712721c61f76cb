// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runobserver.h"
#include "scenegeometry.h"
#include "settings.h"

#include <QString>
#include <vector>

// Keeps what one run showed: where the scene stood, the run's wave number and
// setting texts and, bottom to top, every point as the scan worked it out and
// as the plot showed it.
class RunRecord : public RunObserver {
public:
    struct Point {
        double y;        // pixels, y down
        double shown;    // the bar's length, or the photon count
        double pathA;    // pixels from the middle of slit A
        double pathB;    // pixels from the middle of slit B
        double phaseA;   // radians phasor A was turned by
        double phaseB;   // radians phasor B was turned by
        double computed; // the intensity before scaling, 0 … 10000
    };

    void sceneDrawn(const SceneGeometry &geometry) override;
    void runSetUp(const Settings &settings, double waveNumber) override;
    void pointPlotted(const ScanPoint &point) override;

    const SceneGeometry &geometry() const { return geometry_; }
    // Radians per pixel of path; 0 until the run has read it.
    double waveNumber() const { return waveNumber_; }
    // The text the setting had for this run; empty until the run has read its wave number.
    QString setting(Setting setting) const { return settings_.text(setting); }
    const Settings &settings() const { return settings_; }
    const std::vector<Point> &points() const { return points_; }
    // What the plot showed at each point, bottom to top, as a share of the most
    // it showed (0 … 1): the grey of the eye's screen, the loudness of the sound.
    // A value that is not a finite positive number counts as none.
    std::vector<double> shownShares() const;

private:
    SceneGeometry geometry_;
    double waveNumber_ = 0;
    SettingTexts settings_;
    std::vector<Point> points_;
};
