// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QWidget>
#include <optional>

class ScenePicture;

// Marks the Explore window's selected point on the main picture: a ring round
// the point on the screen line and a tick before the plot axis at its height.
// A widget of its own over the picture, transparent for the mouse, that no
// screen reader lists: it is never drawn into the kept picture, so copying and
// saving the picture never take it along.
class PointOverlay : public QWidget {
    Q_OBJECT
public:
    explicit PointOverlay(ScenePicture &picture);

    // The screen point and the plot axis's x, in the picture's laid-out pixels; none hides the mark.
    void setPoint(std::optional<QPointF> point, double plotAxisX);
    std::optional<QPointF> point() const { return point_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Where the mark is drawn, in widget pixels at the picture's zoom.
    QRect markArea() const;

    ScenePicture &picture_;
    std::optional<QPointF> point_;
    double plotAxisX_ = 0;
};
