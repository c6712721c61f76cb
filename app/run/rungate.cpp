// SPDX-License-Identifier: MIT
#include "run/rungate.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QWheelEvent>
#include <QTimer>
#include <QWidget>
#include <memory>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
constexpr std::size_t manyHeld = 1000;

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::NativeGesture:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

// Stops a slider's auto-repeat (an arrow or the groove held down), which the
// slider only offers to its subclasses.
struct RepeatStopper : QAbstractSlider {
    static void stop(QAbstractSlider *slider)
    {
        const auto setRepeatAction = &RepeatStopper::setRepeatAction;
        (slider->*setRepeatAction)(SliderNoAction, 500, 50);
    }
};

bool isEscape(const QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return static_cast<const QKeyEvent *>(event)->key() == Qt::Key_Escape;
    if (event->type() == QEvent::Shortcut)
        return static_cast<const QShortcutEvent *>(event)->key() == QKeySequence(Qt::Key_Escape);
    return false;
}
// Makes the event again when it is replayed. A pointer event shares its point
// with the device's live state, which later events overwrite: a copy made now
// would be replayed where the pointer went next, so its values are kept instead.
std::function<std::unique_ptr<QEvent>()> copier(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto *e = static_cast<const QMouseEvent *>(event);
        return [type = e->type(), position = e->position(), scene = e->scenePosition(),
                global = e->globalPosition(), button = e->button(), buttons = e->buttons(),
                modifiers = e->modifiers(), device = QPointer(e->pointingDevice()),
                time = e->timestamp()] {
            auto made = std::make_unique<QMouseEvent>(type, position, scene, global, button, buttons,
                                                      modifiers, device.data());
            made->setTimestamp(time);
            return std::unique_ptr<QEvent>(std::move(made));
        };
    }
    case QEvent::Wheel: {
        const auto *e = static_cast<const QWheelEvent *>(event);
        return [position = e->position(), global = e->globalPosition(), pixels = e->pixelDelta(),
                angle = e->angleDelta(), buttons = e->buttons(), modifiers = e->modifiers(),
                phase = e->phase(), inverted = e->inverted(), source = e->source(),
                device = QPointer(e->pointingDevice()), time = e->timestamp()] {
            auto made = std::make_unique<QWheelEvent>(position, global, pixels, angle, buttons,
                                                      modifiers, phase, inverted, source, device.data());
            made->setTimestamp(time);
            return std::unique_ptr<QEvent>(std::move(made));
        };
    }
    default: {
        std::shared_ptr<const QEvent> copy(event->clone());
        return [copy] { return std::unique_ptr<QEvent>(copy->clone()); };
    }
    }
}
} // namespace

RunGate::RunGate(QWidget &window) : QObject(&window), window_(window) {}

RunGate::~RunGate()
{
    if (shut_)
        qApp->removeEventFilter(this);
}

void RunGate::shut()
{
    shut_ = true;
    stopRequested_ = false;
    heldThisRun_ = 0;
    qApp->installEventFilter(this);
    // An arrow held down before the run would otherwise go on stepping the value.
    for (QAbstractSlider *slider : window_.findChildren<QAbstractSlider *>())
        RepeatStopper::stop(slider);
    window_.setCursor(Qt::BusyCursor);
}

void RunGate::open(bool stopped)
{
    qApp->removeEventFilter(this);
    shut_ = false;
    window_.unsetCursor();
    if (stopped) {
        for (std::size_t i = held_.size() - heldThisRun_; i < held_.size(); ++i)
            held_[i].fromStoppedRun = true;
    }
    heldThisRun_ = 0;
    if (!held_.empty() && !replayScheduled_) {
        replayScheduled_ = true;
        QTimer::singleShot(0, this, &RunGate::replay);
    }
}

void RunGate::holdBack(std::function<void()> action)
{
    held_.push_back({std::move(action), false});
    ++heldThisRun_;
}

void RunGate::replay()
{
    replayScheduled_ = false;
    std::size_t replayed = 0;
    // One at a time: an action may start a run, and what came after it waits for that run.
    while (!shut_ && !held_.empty()) {
        Held next = std::move(held_.front());
        held_.pop_front();
        replayingStopped_ = next.fromStoppedRun;
        next.action();
        replayingStopped_ = false;
        ++replayed;
    }
#ifdef __GLIBC__
    // A storm of input kept during a run (thousands of clicks) would otherwise
    // leave its memory with the allocator for the rest of the program's life.
    if (held_.empty() && replayed >= manyHeld)
        malloc_trim(0);
#endif
}

bool RunGate::eventFilter(QObject *watched, QEvent *event)
{
    // Input the window system delivers comes in spontaneously; what code sends is left alone.
    if (!shut_ || (!event->spontaneous() && event->type() != QEvent::Shortcut) || !isInput(event->type()))
        return false;
    if (isEscape(event)) {
        requestStop();
        return true;
    }
    // The window system's input reaches a window first, and a window's widgets from it:
    // keeping it at the window keeps it once.
    if (!watched->isWindowType() && event->type() != QEvent::Shortcut)
        return true;
    QPointer<QObject> receiver(watched);
    std::function<std::unique_ptr<QEvent>()> remake = copier(event);
    holdBack([receiver, remake = std::move(remake)] {
        if (receiver)
            QCoreApplication::sendEvent(receiver, remake().get());
    });
    return true;
}
