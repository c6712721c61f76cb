// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QObject>
#include <QRect>
#include <vector>

class QWidget;
class ScenePicture;

// The window's zoom, for a projector, and full screen: every control, its font
// and the picture shown that much larger, as laid out. Out of full screen the
// window takes the zoomed size.
class WindowZoom : public QObject {
    Q_OBJECT
public:
    WindowZoom(QWidget &window, ScenePicture &picture);

    // A control at its laid-out place and font, which every zoom is made from.
    void add(QWidget *control, const QRect &geometry, const QFont &font);

    // The zoom, in per cent, one of zoom::steps; any other value is ignored.
    int percent() const { return percent_; }
    void setPercent(int percent);
    void zoomIn();
    void zoomOut();
    void reset();
    // Full screen at the largest zoom that fits the screen, and back to the zoom before.
    void toggleFullScreen();

signals:
    // The zoom has changed to `percent`, the controls and the picture with it.
    void zoomChanged(int percent);

private:
    void apply();

    struct LaidOut {
        QWidget *control;
        QRect geometry;
        QFont font;
    };
    QWidget &window_;
    ScenePicture &picture_;
    std::vector<LaidOut> laidOut_;
    int percent_ = 100;
    int outOfFullScreen_ = 100;
};
