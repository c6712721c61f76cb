// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "imagecanvas.h"
#include "labels.h"
#include "scenegeometry.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <vector>

class SurfaceLabel;

// The window's drawing surface: a kept image that a run paints into, shown
// beneath every control, and the labels that are part of that surface. It
// survives the window being covered or resized; a repaint copies only the
// region that asks for it.
//
// Labels are rendered into the image, so drawing covers them: the labels shown
// from the start at the first paint (or a run's start, if that comes first);
// the scene labels when a run shows or moves them. The clear at the start of a
// run erases the previous picture; the labels it does not wholly cover (the
// title) are rendered again over it.
class ScenePicture : public QWidget, public SceneLabels {
    Q_OBJECT
public:
    explicit ScenePicture(QWidget *parent);
    ~ScenePicture() override;

    ImageCanvas &canvas() { return canvas_; }
    // Shows what was drawn since the last call: schedules a repaint of just that
    // region, at most once per frame of the screen. What comes within a frame of
    // the last repaint waits for the frame's end, and is then shown with
    // everything drawn meanwhile.
    void present();
    // Shows what was drawn since the last repaint at once, whatever the frame.
    void showNow();
    // How long until present() shows at once: the rest of the frame of the last repaint.
    std::chrono::nanoseconds untilNextFrame() const;

    // A label shown from the start.
    void addSurfaceLabel(SurfaceLabel *label) { surfaceLabels_.push_back(label); }
    // A label hidden at start that runs show and move.
    void addSceneLabel(SceneLabel which, SurfaceLabel *label) { sceneLabels_[std::size_t(which)] = label; }

    // Before a run draws: the first labels are in the image, and the image has
    // the resolution of the screen the window is on now.
    void prepareRun();
    // Shows the picture at a zoom: the widget shows the laid-out picture that
    // much larger, and the image is made again at the zoom times the screen's
    // ratio, so its lines stay sharp.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    // After a run: the scene labels it showed or moved go into the image.
    void renderPendingLabels();

    // SceneLabels, as the run's last step sets them.
    void showLabel(SceneLabel label, bool visible) override;
    void setLabelLeft(SceneLabel label, float x) override;
    void setLabelTop(SceneLabel label, float y) override;

    // After a run has drawn its scene: what lay wholly under the clear is forgotten.
    void sceneCleared();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void render(SurfaceLabel *label);
    void renderInitialLabels();
    void matchScreenResolution();

    ImageCanvas canvas_;
    std::vector<SurfaceLabel *> surfaceLabels_;
    std::array<SurfaceLabel *, 8> sceneLabels_{}; // indexed by SceneLabel
    std::array<bool, 8> pending_{};
    bool initialLabelsRendered_ = false;
    ImageCanvas::Mark runStart_; // where the record stood when the current run began
    int zoom_ = 100;
    QElapsedTimer sinceShown_; // since the last repaint was asked for
    QTimer frameEnd_;          // shows what waits for the current frame's end
};
