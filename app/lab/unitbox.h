// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDoubleSpinBox>

// A number with its unit ("532 nm") that refuses a value outside its range
// aloud instead of quietly: a number beyond the limits may be typed, and on
// Enter or on leaving the box the box goes back to its last value and says
// what it refused, in the user's own writing of the number.
class UnitBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit UnitBox(QWidget *parent);

    QValidator::State validate(QString &text, int &pos) const override;

signals:
    void refused(const QString &typed);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Announces the typed number if it lies outside the range; the spin box then restores its value.
    void refuseOutOfRange();
};
