// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/texttablemodel.h"

#include <algorithm>

TextTableModel::TextTableModel(QStringList titles, std::vector<int> rightAligned, QObject *parent)
    : QAbstractTableModel(parent), titles_(std::move(titles)), rightAligned_(std::move(rightAligned))
{
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(titles_.size());
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return rows_[std::size_t(index.row())].value(index.column());
    case Qt::DecorationRole:
        return decoration(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        const bool right = std::count(rightAligned_.begin(), rightAligned_.end(), index.column()) > 0;
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return titles_.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TextTableModel::setRows(std::vector<QStringList> rows)
{
    const int had = int(rows_.size()), has = int(rows.size());
    if (has < had) {
        beginRemoveRows({}, has, had - 1);
        rows_.resize(std::size_t(has));
        endRemoveRows();
    }
    for (int row = 0; row < std::min(had, has); ++row) {
        for (int column = 0; column < int(titles_.size()); ++column) {
            QString &cell = rows_[std::size_t(row)][column];
            QString &now = rows[std::size_t(row)][column];
            if (cell != now) {
                cell = std::move(now);
                emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
            }
        }
    }
    if (has > had) {
        beginInsertRows({}, had, has - 1);
        std::move(rows.begin() + had, rows.end(), std::back_inserter(rows_));
        endInsertRows();
    }
}

QVariant TextTableModel::decoration(int /*row*/, int /*column*/) const { return {}; }
