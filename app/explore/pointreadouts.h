// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runreading.h"

#include <QGroupBox>
#include <array>
#include <vector>

class QFormLayout;
class QLineEdit;
class QListWidget;
class PhasorView;
class RunRecord;

// The selected point's numbers as the run worked them out, each a line of one
// list ("Path from slit A: 512.04 px = 70.512 λ") that a screen reader reads
// whole, line by line, with its units as words; and the drawing of its two phasors.
class PointReadouts : public QGroupBox {
    Q_OBJECT
public:
    // `keys` watches the list's and the drawing's keys (N, the pages).
    PointReadouts(QObject *keys, QWidget *parent);

    // Every line says `why` there is nothing to show (no run yet, not plotted yet).
    void showNothing(const QString &why);
    // The point `r` of `run`; `exact` and `formula` the run's marks, bottom to top.
    void show(const RunRecord &run, const PointReading &r, const std::vector<FringeMark> &exact,
              const std::vector<FringeMark> &formula);
    void setZoom(int percent);
    // The list of readouts, a tab stop.
    QListWidget *list() const { return list_; }
    // The point's height, path difference, phase and intensity, as a screen reader says them.
    QString spokenReading() const;

    // A read-only field labelled `name` in `form`: Tab reaches it, a screen
    // reader reads its name and value, its text can be copied.
    static QLineEdit *addReadout(QFormLayout *form, QObject *keys, const char *objectName,
                                 const QString &name, const QString &description);
    // Sets the field's text only when it changes, so a screen reader hears only what changed.
    static void setReadout(QLineEdit *readout, const QString &text);
    // The width fields are laid out at, for a font.
    static int readoutWidth(const QFont &font);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

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

    void addLine(Readout which, const char *key, const QString &name, const QString &description);
    void setLine(Readout which, const QString &value);
    void widenTo(const QString &line);

    QListWidget *list_ = nullptr;
    std::array<QString, readoutCount> names_;
    PhasorView *phasors_ = nullptr;
};
