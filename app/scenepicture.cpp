#include "scenepicture.h"

#include "scene.h"
#include "surfacelabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <utility>

ScenePicture::ScenePicture(QWidget *parent)
    : QWidget(parent),
      canvas_(sceneSize, parent ? parent->devicePixelRatioF() : 1.0, colours::silver,
              parent ? parent->logicalDpiY() : 96)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    frameEnd_.setSingleShot(true);
    frameEnd_.setTimerType(Qt::PreciseTimer);
    connect(&frameEnd_, &QTimer::timeout, this, &ScenePicture::showNow);
}

ScenePicture::~ScenePicture() = default;

std::chrono::nanoseconds ScenePicture::frameInterval() const
{
    const QScreen *shownOn = screen();
    const qreal hertz = shownOn && shownOn->refreshRate() >= 1 ? shownOn->refreshRate() : 60.0;
    return std::chrono::nanoseconds(qRound64(1e9 / hertz));
}

void ScenePicture::present()
{
    using namespace std::chrono;
    if (frameEnd_.isActive() || !canvas_.hasChanges())
        return; // the frame's end shows this too, or there is nothing to show
    const nanoseconds frame = frameInterval();
    const nanoseconds since(sinceShown_.isValid() ? sinceShown_.nsecsElapsed() : frame.count());
    if (since >= frame) {
        showNow();
        return;
    }
    // Whole milliseconds, rounded up: never twice within one frame.
    frameEnd_.start(ceil<milliseconds>(frame - since));
}

void ScenePicture::showNow()
{
    frameEnd_.stop();
    const QRegion changed = canvas_.flush();
    if (changed.isEmpty())
        return;
    update(changed);
    sinceShown_.start();
}

void ScenePicture::addSurfaceLabel(SurfaceLabel *label) { surfaceLabels_.push_back(label); }

void ScenePicture::addSceneLabel(SceneLabel which, SurfaceLabel *label)
{
    sceneLabels_[std::size_t(which)] = label;
}

void ScenePicture::render(SurfaceLabel *label)
{
    label->paintOnto(canvas_.painter());
    canvas_.markDirty(label->geometry());
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
    if (canvas_.devicePixelRatio() == devicePixelRatioF())
        return;
    canvas_.setDevicePixelRatio(devicePixelRatioF());
    present();
}

void ScenePicture::prepareRun()
{
    matchScreenResolution();
    renderInitialLabels();
}

void ScenePicture::sceneDrawn(const SceneGeometry &geometry)
{
    record_.sceneDrawn(geometry);
    for (SurfaceLabel *label : surfaceLabels_) {
        if (!sceneClearArea.contains(label->geometry()))
            render(label);
        else
            label->setInPicture(false);
    }
    // The scene labels wait under the clear until the run shows them again.
    for (SurfaceLabel *label : sceneLabels_) {
        if (sceneClearArea.contains(label->geometry()))
            label->setInPicture(false);
    }
}

void ScenePicture::pointPlotted(const ScanPoint &point) { record_.pointPlotted(point); }

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
    l->move(qRound(x), l->y());
    pending_[std::size_t(label)] = true;
}

void ScenePicture::setLabelTop(SceneLabel label, float y)
{
    SurfaceLabel *l = sceneLabels_[std::size_t(label)];
    l->move(l->x(), qRound(y));
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
    if (canvas_.devicePixelRatio() != devicePixelRatioF()) {
        matchScreenResolution();
        update();
    }
    QPainter painter(this);
    const QImage &image = canvas_.image();
    const qreal ratio = image.devicePixelRatio();
    const QRect pictureArea(QPoint(0, 0), sceneSize);
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
