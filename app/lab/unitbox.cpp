// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "lab/unitbox.h"

#include <QKeyEvent>

UnitBox::UnitBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    setKeyboardTracking(false);
    setAccelerated(true);
}

QValidator::State UnitBox::validate(QString &text, int &pos) const
{
    const QValidator::State state = QDoubleSpinBox::validate(text, pos);
    if (state != QValidator::Invalid)
        return state;
    // The base refuses a number beyond the maximum as it is typed: let it be
    // typed, so that it can be refused with a message.
    QString number = text;
    if (number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (number.endsWith(suffix()))
        number.chop(suffix().size());
    bool ok = false;
    locale().toDouble(number.trimmed(), &ok);
    return ok ? QValidator::Intermediate : QValidator::Invalid;
}

void UnitBox::refuseOutOfRange()
{
    bool ok = false;
    const double typed = locale().toDouble(cleanText(), &ok);
    if (ok && (typed < minimum() || typed > maximum()))
        emit refused(cleanText() + suffix());
}

void UnitBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        refuseOutOfRange();
    QDoubleSpinBox::keyPressEvent(event);
}

void UnitBox::focusOutEvent(QFocusEvent *event)
{
    refuseOutOfRange();
    QDoubleSpinBox::focusOutEvent(event);
}
