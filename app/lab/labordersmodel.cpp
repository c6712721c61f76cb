// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "lab/labordersmodel.h"

#include <QLocale>
#include <QStringList>
#include <array>
#include <charconv>
#include <cmath>

namespace {
// The decimals each column is shown with: orders whole, positions to 0.1 µm, their difference to 1 nm.
constexpr std::array<int, LabOrdersModel::ColumnCount> shown{0, 4, 4, 3};

void append(QByteArray &line, double value)
{
    std::array<char, 32> digits{};
    const std::to_chars_result written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    line.append(digits.data(), written.ptr - digits.data());
}
} // namespace

LabOrdersModel::LabOrdersModel(QObject *parent) : QAbstractTableModel(parent) {}

void LabOrdersModel::setExperiment(const LabExperiment &experiment)
{
    beginResetModel();
    experiment_ = experiment;
    rows_.clear();
    for (int m : experiment.visibleOrders())
        rows_.push_back({m, experiment.exactPosition(m).value_or(0), experiment.smallAnglePosition(m)});
    endResetModel();
}

int LabOrdersModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int LabOrdersModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

double LabOrdersModel::value(const Row &row, int column) const
{
    switch (column) {
    case Order:
        return row.order;
    case Exact:
        return row.exact * 1e3;
    case SmallAngle:
        return row.smallAngle * 1e3;
    default:
        return (row.exact - row.smallAngle) * 1e6;
    }
}

QVariant LabOrdersModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return QLocale().toString(value(rows_[std::size_t(index.row())], index.column()), 'f',
                              shown[std::size_t(index.column())]);
}

QVariant LabOrdersModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Order:
        //: A column of the real experiment's table of bright bands: the order m (path difference m wavelengths).
        return tr("Order m");
    case Exact:
        //: A column: where the path difference is exactly m wavelengths, millimetres above the axis.
        return tr("Exact (mm)");
    case SmallAngle:
        //: A column: where the small-angle formula y = mλL/a puts band m, millimetres; keep the formula.
        return tr("Formula mλL/a (mm)");
    default:
        //: A column: the exact place less the formula's, in micrometres.
        return tr("Difference (µm)");
    }
}

QByteArray LabOrdersModel::csv() const
{
    QByteArray csv("order,exact_mm,small_angle_mm,difference_um,wavelength_nm,separation_mm,distance_m\n");
    for (const Row &row : rows_) {
        for (int column = 0; column < ColumnCount; ++column) {
            append(csv, value(row, column));
            csv += ',';
        }
        // The setup as it was chosen, without the last bit the change of unit leaves.
        const std::array<double, 3> setup{experiment_.wavelength * 1e9, experiment_.separation * 1e3,
                                          experiment_.distance};
        for (std::size_t i = 0; i < setup.size(); ++i) {
            append(csv, std::round(setup[i] * 1e6) / 1e6);
            csv += i + 1 < setup.size() ? ',' : '\n';
        }
    }
    return csv;
}

QString LabOrdersModel::text(const QLocale &locale) const
{
    QStringList lines;
    QStringList titles;
    for (int column = 0; column < ColumnCount; ++column)
        titles << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << titles.join(QLatin1Char('\t'));
    for (const Row &row : rows_) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << locale.toString(value(row, column), 'g', QLocale::FloatingPointShortest);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
