// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/arrowkeys.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QScrollBar>

bool ArrowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() != Qt::NoModifier)
        return false;
    const int k = key->key();

    if (auto *scrollBar = qobject_cast<QScrollBar *>(watched)) {
        if (scrollBar->orientation() != Qt::Horizontal || (k != Qt::Key_Left && k != Qt::Key_Right))
            return false;
        const bool forward = (k == Qt::Key_Right) != scrollBar->isRightToLeft();
        scrollBar->triggerAction(forward ? QAbstractSlider::SliderSingleStepAdd
                                         : QAbstractSlider::SliderSingleStepSub);
        return true;
    }

    if (auto *button = qobject_cast<QRadioButton *>(watched)) {
        if (k == Qt::Key_Down || k == Qt::Key_Right)
            return moveInGroup(button, 1);
        if (k == Qt::Key_Up || k == Qt::Key_Left)
            return moveInGroup(button, -1);
    }
    return false;
}

bool ArrowKeys::moveInGroup(QRadioButton *button, int step)
{
    if (!button->parentWidget())
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
