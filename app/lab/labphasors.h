// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The two phasors at the chosen point of the laboratory's screen and their
// sum: phasor B from the middle, turned by the phase of its path (2π times the
// path in wavelengths), phasor A from B's tip turned by its own, and the sum
// from the middle to A's tip. A grey circle shows the longest the sum can be.
class LabPhasors : public QWidget {
    Q_OBJECT
public:
    explicit LabPhasors(QWidget *parent);

    // Each path in wavelengths; only what is left over whole turns shows.
    void setPaths(double pathAWaves, double pathBWaves);
    void setZoom(int percent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double phaseA_ = 0;
    double phaseB_ = 0;
    int zoom_ = 100;
};
