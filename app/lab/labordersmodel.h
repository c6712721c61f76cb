// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "labexperiment.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <vector>

class QLocale;

// The bright orders on the laboratory's screen, m = 0 and up: where the path
// difference is m wavelengths exactly, where the small-angle formula m λ L / a
// puts it (millimetres above the axis), and how far apart the two are
// (micrometres, the exact less the formula's).
class LabOrdersModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Order, Exact, SmallAngle, Apart, ColumnCount };
    struct Row {
        int order;
        double exact;      // metres
        double smallAngle; // metres
    };

    explicit LabOrdersModel(QObject *parent);
    void setExperiment(const LabExperiment &experiment);
    const std::vector<Row> &orders() const { return rows_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The CSV file: the header line, then a line an order, with the setup's
    // wavelength (nm), separation (mm) and distance (m) on each; numbers with
    // the fewest digits that read back the same, a '.' whatever the language.
    QByteArray csv() const;
    // The same for a spreadsheet through the clipboard: the columns' titles in
    // the user's language, tab-separated, numbers as `locale` writes them.
    QString text(const QLocale &locale) const;

private:
    // The cell in the table's units: the order, millimetres or micrometres.
    double value(const Row &row, int column) const;

    LabExperiment experiment_;
    std::vector<Row> rows_;
};
