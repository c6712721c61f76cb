#include "optiongroupkeys.h"

#include <QKeyEvent>
#include <QRadioButton>

OptionGroupKeys::OptionGroupKeys(QObject *parent) : QObject(parent) {}

void OptionGroupKeys::watch(QRadioButton *button) { button->installEventFilter(this); }

bool OptionGroupKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *button = qobject_cast<QRadioButton *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    default:
        break;
    }
    if (!button || step == 0 || key->modifiers() != Qt::NoModifier || !button->parentWidget())
        return false;

    // The frame's buttons in the order they were laid out, top to bottom.
    const QList<QRadioButton *> group =
        button->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    const qsizetype count = group.size();
    const qsizetype from = group.indexOf(button);
    for (qsizetype i = 1; i < count; ++i) {
        QRadioButton *next = group[((from + step * i) % count + count) % count];
        if (next->isVisibleTo(button->window()) && next->isEnabled()) {
            next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            next->click();
            break;
        }
    }
    return true;
}
