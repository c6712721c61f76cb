// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QObject>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

class QWidget;
class ScenePicture;

// The window's zoom, for a projector, and full screen: every control, its font
// and the picture shown that much larger, as laid out. Out of full screen the
// window takes the zoomed size. The program's other windows follow: their
// font (the program's default) and the style's pixel sizes (ZoomStyle) take
// the same zoom, and zoomed() tells a window that sizes itself.
class WindowZoom : public QObject {
    Q_OBJECT
public:
    WindowZoom(QWidget &window, ScenePicture &picture);
    // Gives the program back its fonts and pixel sizes at 100 %.
    ~WindowZoom() override;

    // A control at its laid-out place and font, which every zoom is made from.
    void add(QWidget *control, const QRect &geometry, const QFont &font);

    // The zoom, in per cent, one of zoom::steps; any other value is ignored.
    int percent() const { return percent_; }
    void setPercent(int percent);
    // The next step, if the window fits the screen at it (zoomOut() and reset() always act).
    void zoomIn();
    void zoomOut();
    void reset();
    // Full screen at the largest zoom that fits the screen, and back to the zoom before.
    void toggleFullScreen();

signals:
    // The zoom has changed to `percent`: the controls and the picture, every
    // window's font and the style's pixel sizes with it.
    void zoomChanged(int percent);

private:
    void apply();
    // Where the window may grow: the screen's area for windows, or the screen in full screen.
    QSize room() const;
    // The program's default font, the tooltips' and the style's sizes at the zoom.
    static void applyToProgram(int percent);

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
