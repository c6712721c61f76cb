// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runreading.h"

#include <QGroupBox>
#include <array>
#include <vector>

class QFormLayout;
class QLineEdit;
class PhasorView;
class RunRecord;

// The selected point's numbers as the run worked them out, each in a read-only
// field a screen reader reads with its name, and the drawing of its two phasors.
class PointReadouts : public QGroupBox {
    Q_OBJECT
public:
    // `keys` watches the fields' and the drawing's keys (Up and Down move the point).
    PointReadouts(QObject *keys, QWidget *parent);

    // Every field says `why` there is nothing to show (no run yet, not plotted yet).
    void showNothing(const QString &why);
    // The point `r` of `run`; `exact` and `formula` the run's marks, bottom to top.
    void show(const RunRecord &run, const PointReading &r, const std::vector<FringeMark> &exact,
              const std::vector<FringeMark> &formula);
    void setZoom(int percent);

    // A read-only field labelled `name` in `form`: Tab reaches it, a screen
    // reader reads its name and value, its text can be copied.
    static QLineEdit *addReadout(QFormLayout *form, QObject *keys, const char *objectName,
                                 const QString &name, const QString &description);
    // Sets the field's text only when it changes, so a screen reader hears only what changed.
    static void setReadout(QLineEdit *readout, const QString &text);
    // The width fields are laid out at, for a font.
    static int readoutWidth(const QFont &font);

private:
    enum Readout {
        Height,
        Wavelength,
        PathA,
        PathB,
        Difference,
        Phase,
        Computed,
        Plotted,
        Order,
        OrderMark,
        readoutCount
    };

    std::array<QLineEdit *, readoutCount> readouts_{};
    PhasorView *phasors_ = nullptr;
};
