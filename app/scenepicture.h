#pragma once

#include "imagecanvas.h"

#include <QWidget>
#include <functional>

// The window's drawing surface: a kept image that a run paints into, shown
// beneath every control. It survives the window being covered or resized;
// a repaint copies only the region that asks for it.
class ScenePicture : public QWidget {
    Q_OBJECT
public:
    // The picture covers the whole scene: a run draws up to x 800 and y 580.
    static constexpr QSize pictureSize{801, 581};

    explicit ScenePicture(QWidget *parent);

    ImageCanvas &canvas() { return canvas_; }
    // Shows what was drawn since the last call: schedules a repaint of just that region.
    void present();
    // Runs once, at the start of the first paint, to draw what the picture starts with.
    void setBeforeFirstPaint(std::function<void()> draw) { beforeFirstPaint_ = std::move(draw); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ImageCanvas canvas_;
    std::function<void()> beforeFirstPaint_;
};
