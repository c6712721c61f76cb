// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// A read-only table of texts for a QTableView. New rows replace the old ones
// cell by cell: only a cell whose text changed is reported, and rows are added
// or taken off at the end, so that a screen reader hears only what changed.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns' titles; the columns in `rightAligned` (numbers) to the right.
    TextTableModel(QStringList titles, std::vector<int> rightAligned, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    // Each row as many cells as there are titles.
    void setRows(std::vector<QStringList> rows);
    // What a cell shows beside its text (an icon); nothing here.
    virtual QVariant decoration(int row, int column) const;

private:
    QStringList titles_;
    std::vector<int> rightAligned_;
    std::vector<QStringList> rows_;
};
