#include "accessibility.h"

#include "arrowkeys.h"
#include "picturedescription.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>

namespace {
// The picture is announced as a graphic, not as an empty pane.
QAccessibleInterface *pictureInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("ScenePicture") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

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
} // namespace

void setUpAccessibility(QWidget &window)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    if (QWidget *picture = window.findChild<QWidget *>(QStringLiteral("picture")))
        picture->setAccessibleDescription(describeEmptyPicture());

    auto *keys = new ArrowKeys(&window);
    for (QRadioButton *button : window.findChildren<QRadioButton *>()) {
        keys->watch(button);
        if (button->isChecked())
            makeTabStop(button);
        QObject::connect(button, &QRadioButton::toggled, button, [button](bool checked) {
            if (checked)
                makeTabStop(button);
        });
    }
    for (QScrollBar *scrollBar : window.findChildren<QScrollBar *>()) {
        keys->watch(scrollBar);
        // The widget style shows no focus on a scroll bar: a frame rings it while it has the focus.
        auto *ring = new QFocusFrame(&window);
        QObject::connect(qApp, &QApplication::focusChanged, ring, [ring, scrollBar](QWidget *, QWidget *now) {
            ring->setWidget(now == scrollBar ? scrollBar : nullptr);
        });
    }
}
