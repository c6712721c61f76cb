// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/scenepicture.h"

#include "picture/surfacelabel.h"
#include "picture/zoom.h"
#include "scene.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

ScenePicture::ScenePicture(QWidget *parent)
    : QWidget(parent),
      canvas_(sceneSize, parent ? parent->devicePixelRatioF() : 1.0, colours::silver,
              parent ? parent->logicalDpiY() : 96)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Tab reaches the picture, so that a screen reader reads its description.
    setFocusPolicy(Qt::TabFocus);
    frameEnd_.setSingleShot(true);
    frameEnd_.setTimerType(Qt::PreciseTimer);
    connect(&frameEnd_, &QTimer::timeout, this, &ScenePicture::showNow);
}

ScenePicture::~ScenePicture() = default;

std::chrono::nanoseconds ScenePicture::untilNextFrame() const
{
    using namespace std::chrono;
    if (!sinceShown_.isValid())
        return 0ns;
    // A frame of the window's screen (60 Hz where its rate is unknown).
    const QScreen *shownOn = screen();
    const nanoseconds frame(
        qRound64(1e9 / (shownOn && shownOn->refreshRate() >= 1 ? shownOn->refreshRate() : 60.0)));
    return std::max(frame - nanoseconds(sinceShown_.nsecsElapsed()), 0ns);
}

void ScenePicture::present()
{
    using namespace std::chrono;
    if (frameEnd_.isActive() || !canvas_.hasChanges())
        return; // the frame's end shows this too, or there is nothing to show
    const nanoseconds wait = untilNextFrame();
    if (wait == 0ns) {
        showNow();
        return;
    }
    // Whole milliseconds, rounded up: never twice within one frame.
    frameEnd_.start(ceil<milliseconds>(wait));
}

void ScenePicture::showNow()
{
    frameEnd_.stop();
    const QRegion changed = canvas_.flush();
    if (changed.isEmpty())
        return;
    // The widget pixels each changed rectangle of the picture touches at the zoom.
    const auto low = [this](int v) { return int(std::floor(v * zoom_ / 100.0)); };
    const auto high = [this](int v) { return int(std::ceil(v * zoom_ / 100.0)); };
    QRegion shown;
    for (const QRect &rect : changed)
        shown += QRect(QPoint(low(rect.left()), low(rect.top())),
                       QPoint(high(rect.right() + 1) - 1, high(rect.bottom() + 1) - 1));
    update(shown);
    sinceShown_.start();
}

void ScenePicture::render(SurfaceLabel *label)
{
    canvas_.paintOpaque(label->laidOutGeometry(), label->painting());
    label->setInPicture(true);
}

void ScenePicture::renderInitialLabels()
{
    if (std::exchange(initialLabelsRendered_, true))
        return;
    for (SurfaceLabel *label : surfaceLabels_)
        render(label);
    present();
}

void ScenePicture::matchScreenResolution()
{
    const qreal ratio = zoom_ / 100.0 * devicePixelRatioF();
    if (canvas_.devicePixelRatio() == ratio)
        return;
    canvas_.setDevicePixelRatio(ratio);
    present();
}

void ScenePicture::prepareRun()
{
    matchScreenResolution();
    renderInitialLabels();
    runStart_ = canvas_.mark();
}

void ScenePicture::setZoom(int percent)
{
    if (percent == zoom_)
        return;
    zoom_ = percent;
    for (SurfaceLabel *label : surfaceLabels_)
        label->setZoom(percent);
    for (SurfaceLabel *label : sceneLabels_) {
        if (label)
            label->setZoom(percent);
    }
    matchScreenResolution();
    update();
}

void ScenePicture::sceneCleared()
{
    // The run has cleared the scene: what lay wholly under the clear need not be drawn again.
    canvas_.forgetCovered(runStart_, sceneClearArea);
    for (SurfaceLabel *label : surfaceLabels_) {
        if (!sceneClearArea.contains(label->laidOutGeometry()))
            render(label);
        else
            label->setInPicture(false);
    }
    // The scene labels wait under the clear until the run shows them again.
    for (SurfaceLabel *label : sceneLabels_) {
        if (sceneClearArea.contains(label->laidOutGeometry()))
            label->setInPicture(false);
    }
}

void ScenePicture::showLabel(SceneLabel label, bool visible)
{
    sceneLabels_[std::size_t(label)]->setVisible(visible);
    if (!visible)
        sceneLabels_[std::size_t(label)]->setInPicture(false);
    pending_[std::size_t(label)] = visible;
}

void ScenePicture::setLabelLeft(SceneLabel label, float x)
{
    SurfaceLabel *l = sceneLabels_[std::size_t(label)];
    l->moveLaidOut(QPoint(qRound(x), l->laidOutGeometry().y()));
    pending_[std::size_t(label)] = true;
}

void ScenePicture::setLabelTop(SceneLabel label, float y)
{
    SurfaceLabel *l = sceneLabels_[std::size_t(label)];
    l->moveLaidOut(QPoint(l->laidOutGeometry().x(), qRound(y)));
    pending_[std::size_t(label)] = true;
}

void ScenePicture::renderPendingLabels()
{
    // In the order of SceneLabel: where two labels overlap, the later one shows.
    for (std::size_t i = 0; i < sceneLabels_.size(); ++i) {
        if (std::exchange(pending_[i], false) && !sceneLabels_[i]->isHidden())
            render(sceneLabels_[i]);
    }
    present();
}

void ScenePicture::paintEvent(QPaintEvent *event)
{
    // The labels shown from the start are rendered here, not before the window is shown.
    renderInitialLabels();
    if (canvas_.devicePixelRatio() != zoom_ / 100.0 * devicePixelRatioF()) {
        matchScreenResolution();
        update();
    }
    QPainter painter(this);
    const QImage &image = canvas_.image();
    // The widget's pixels are the zoom's: one of them is the screen's ratio in device pixels.
    const qreal ratio = devicePixelRatioF();
    const QRect pictureArea(QPoint(0, 0), zoom::scaled(sceneSize, zoom_));
    for (const QRect &rect : event->region()) {
        const QRect inside = rect & pictureArea;
        if (!inside.isEmpty()) {
            const QRectF source(QPointF(inside.topLeft()) * ratio, QSizeF(inside.size()) * ratio);
            painter.drawImage(QRectF(inside), image, source);
        }
        // Beyond the picture the window shows its silver background.
        for (const QRect &outside : QRegion(rect).subtracted(pictureArea))
            painter.fillRect(outside, toQColor(colours::silver));
    }
}
