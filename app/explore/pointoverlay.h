// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "accessibility/picturelayer.h"

#include <QPointF>
#include <optional>

// Marks the Explore window's selected point on the main picture: a ring round
// the point on the screen line and a tick before the plot axis at its height.
// A layer over the picture, never in the kept picture.
class PointOverlay : public PictureLayer {
    Q_OBJECT
public:
    explicit PointOverlay(ScenePicture &picture);

    // The screen point and the plot axis's x, in the picture's laid-out pixels; none hides the mark.
    void setPoint(std::optional<QPointF> point, double plotAxisX);
    std::optional<QPointF> point() const { return point_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where the mark is drawn, in widget pixels at the picture's zoom.
    QRect markArea() const;

    std::optional<QPointF> point_;
    double plotAxisX_ = 0;
};
