// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "labexperiment.h"

#include <QImage>
#include <QWidget>
#include <vector>

// The laboratory's screen from −5 cm to +5 cm as the eye sees it, left to
// right: above, the light in its own colour as bright as the two-slit
// intensity makes it; below, the photons that have arrived one by one, each a
// dot; under both a ruler in millimetres. A line marks the chosen point, which
// a click or the keys move (Left and Right 0.1 mm, with Ctrl 0.01 mm, Page Up
// and Page Down 1 mm, Home to the axis).
class LabStrip : public QWidget {
    Q_OBJECT
public:
    explicit LabStrip(QWidget *parent);

    void setExperiment(const LabExperiment &experiment);
    void setPoint(double y);
    double point() const { return point_; }
    // A photon at height y; `across` (0 … 1) places its dot within the photons' band.
    void addPhoton(double y, double across);
    void clearPhotons();
    long photonCount() const { return photonCount_; }
    void setZoom(int percent);

    // The band the light is drawn in, and where a height of the screen lies in it.
    QRect lightBand() const;
    QRect photonBand() const;
    double xOf(double y) const;
    double yAt(double x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void pointChosen(double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void renderLight();
    void renderPhotons();
    void drawDot(std::size_t photon);
    void paintRuler(QPainter &painter);

    LabExperiment experiment_;
    double point_ = 0;
    int zoom_ = 100;
    QImage light_;
    QImage photonImage_;
    std::vector<int> hits_; // photons per pixel of the photons' band, row by row
    int mostHits_ = 0;
    std::vector<std::pair<double, double>> photons_; // every arrival: height, across
    long photonCount_ = 0;
};
