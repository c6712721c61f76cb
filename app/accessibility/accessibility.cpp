// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/accessibility.h"

#include "accessibility/announcement.h"
#include "accessibility/arrowkeys.h"
#include "accessibility/picturedescription.h"
#include "accessibility/picturefocus.h"
#include "picture/scenepicture.h"
#include "picture/surfacelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
const char *const neverShownProperty = "quarnelNeverShown";
const char *const busyProperty = "quarnelBusy";

bool isNeverShown(const QObject *object)
{
    for (; object; object = object->parent()) {
        if (object->property(neverShownProperty).toBool())
            return true;
    }
    return false;
}

// The window is a frame named by its caption (Qt would call a plain top-level
// widget a filler); its children are the controls the user can see.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(shownChildren().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shownChildren();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(shownChildren().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    // As Qt lists a widget's children, less those the user never sees.
    QList<QWidget *> shownChildren() const
    {
        QList<QWidget *> shown;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !qobject_cast<QFocusFrame *>(child) && !isNeverShown(child))
                shown << child;
        }
        return shown;
    }
};

// The picture is a graphic, not an empty pane; it is busy while a run draws it.
// A label painted into the picture shows while the picture shows it: a run's
// clear covers it until the run renders it again.
class SurfaceInterface : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.busy = widget()->property(busyProperty).toBool();
        if (const auto *label = qobject_cast<const SurfaceLabel *>(widget()); label && !label->inPicture())
            state.invisible = true;
        return state;
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (object && className == QLatin1String("Announcement"))
        return announcementInterface(static_cast<Announcement *>(object));
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("ScenePicture"))
        return new SurfaceInterface(widget, QAccessible::Graphic);
    if (className == QLatin1String("frmQuarnel"))
        return new WindowInterface(widget);
    if (className == QLatin1String("SurfaceLabel"))
        return new SurfaceInterface(widget, QAccessible::StaticText);
    return nullptr;
}

// Changes of a control the user never sees (a setting field taking its new
// text) are not announced; every other event goes on to the screen reader.
void announceUnlessNeverShown(QAccessibleEvent *event)
{
    if (isNeverShown(event->object()))
        return;
    // Without a handler Qt hands the event to the platform's screen-reader bridge.
    const QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(self);
}

// Enter presses the focused push button, as Space does.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) || key->isAutoRepeat())
            return false;
        static_cast<QPushButton *>(watched)->click();
        return true;
    }
};

// Tab enters an option group at its selected button: that button alone of its
// frame is a tab stop. (Qt arranges the same once a button has had the focus;
// until then Tab would stop at whichever button comes first in the tab order.)
void makeTabStop(QRadioButton *selected)
{
    for (QRadioButton *button :
         selected->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)) {
        const int policy = button == selected ? (button->focusPolicy() | Qt::TabFocus)
                                              : (button->focusPolicy() & ~Qt::TabFocus);
        button->setFocusPolicy(Qt::FocusPolicy(policy));
    }
}

// "Slow-down 3 of 20": what the scroll bar sets and where it stands.
void nameSlowDown(QScrollBar *scrollBar)
{
    //: What a screen reader calls the scroll bar: %1 is its value, %2 the largest (20).
    scrollBar->setAccessibleName(QCoreApplication::translate("frmQuarnel", "Slow-down %1 of %2")
                                     .arg(scrollBar->value())
                                     .arg(scrollBar->maximum()));
}
} // namespace

void installAccessibleInterfaces()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        QAccessible::installUpdateHandler(announceUnlessNeverShown);
        return true;
    }();
}

void markNeverShown(QWidget &control) { control.setProperty(neverShownProperty, true); }

void setBusy(QWidget &control, bool busy)
{
    if (control.property(busyProperty).toBool() == busy)
        return;
    control.setProperty(busyProperty, busy);
    // Qt 6.4's bridge on Linux forwards no change of the busy state (only checked,
    // active, enabled and focused); a screen reader there reads it when it asks.
    QAccessible::State changed;
    changed.busy = true;
    QAccessibleStateChangeEvent event(&control, changed);
    QAccessible::updateAccessibility(&event);
}

void announce(QWidget &window, const QString &text)
{
    if (auto *announcement = window.findChild<Announcement *>(QString(), Qt::FindDirectChildrenOnly))
        announcement->say(text);
}

void setUpAccessibility(QWidget &window)
{
    installAccessibleInterfaces();
    // The title bar's caption carries the home page's address: a screen reader
    // would read it at every return to the window.
    window.setAccessibleName(QStringLiteral("Quarnel"));

    if (auto *picture = window.findChild<ScenePicture *>(QStringLiteral("picture"))) {
        picture->setAccessibleDescription(describeEmptyPicture());
        new PictureFocusRing(*picture);
    }
    new Announcement(&window);

    auto *keys = new ArrowKeys(&window);
    for (QRadioButton *button : window.findChildren<QRadioButton *>()) {
        button->installEventFilter(keys);
        if (button->isChecked())
            makeTabStop(button);
        QObject::connect(button, &QRadioButton::toggled, button, [button](bool checked) {
            if (checked)
                makeTabStop(button);
        });
    }
    auto *enter = new EnterPresses(&window);
    for (QPushButton *button : window.findChildren<QPushButton *>())
        button->installEventFilter(enter);
    for (QScrollBar *scrollBar : window.findChildren<QScrollBar *>()) {
        scrollBar->installEventFilter(keys);
        nameSlowDown(scrollBar);
        QObject::connect(scrollBar, &QScrollBar::valueChanged, scrollBar,
                         [scrollBar] { nameSlowDown(scrollBar); });
        // The widget style shows no focus on a scroll bar: a frame rings it while it has the focus.
        auto *ring = new QFocusFrame(&window);
        QObject::connect(qApp, &QApplication::focusChanged, ring, [ring, scrollBar](QWidget *, QWidget *now) {
            ring->setWidget(now == scrollBar ? scrollBar : nullptr);
        });
    }
}
