// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <optional>

// The selected point's two phasors drawn large, as the run draws them at every
// twentieth point: phasor B from the point, phasor A from B's tip, each turned by
// its phase (y down, as on the screen), and their sum in green from the point
// to A's tip. A grey circle shows the longest the sum can be.
class PhasorView : public QWidget {
    Q_OBJECT
public:
    explicit PhasorView(QWidget *parent);

    // The radians phasor B and phasor A were turned by; none shows no phasors.
    void setPhases(std::optional<double> phaseB, std::optional<double> phaseA);
    void setZoom(int percent);
    QSize sizeHint() const override { return minimumSize(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<double> phaseB_;
    std::optional<double> phaseA_;
    int zoom_ = 100;
};
