// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/ordersmodel.h"

#include "explore/decimals.h"

#include <algorithm>

OrdersModel::OrdersModel(QObject *parent)
    : TextTableModel(
        {
            //: A column title: the order m (whole number of wavelengths of path difference).
            tr("Order m"),
            //: A column title: the height of order m from the exact geometry, in pixels.
            tr("Exact (px)"),
            //: A column title: the height the small-angle formula gives, in pixels.
            tr("Small-angle (px)"),
            //: A column title: how far the formula's height lies from the exact one, in pixels.
            tr("Small-angle less exact (px)"),
        },
        {0, 1, 2, 3}, parent)
{
}

void OrdersModel::setMarks(const std::vector<FringeMark> &exact, const std::vector<FringeMark> &formula)
{
    // The whole orders from 0 up, wherever either way puts one on the screen.
    std::vector<double> orders;
    for (const std::vector<FringeMark> *marks : {&exact, &formula}) {
        for (const FringeMark &mark : *marks) {
            if (mark.bright() && mark.order >= 0)
                orders.push_back(mark.order);
        }
    }
    std::sort(orders.begin(), orders.end());
    orders.erase(std::unique(orders.begin(), orders.end()), orders.end());
    //: Where an order would lie beyond the scanned part of the screen.
    const QString off = tr("off the screen");
    std::vector<QStringList> rows;
    for (const double order : orders) {
        const FringeMark *solved = markOf(exact, order);
        const FringeMark *predicted = markOf(formula, order);
        rows.push_back({
            decimals::fixed(order, 0), solved ? decimals::fixed(solved->height, 2) : off,
            predicted ? decimals::fixed(predicted->height, 2) : off,
            solved && predicted ? decimals::withSign(predicted->height - solved->height, 2)
                                : QString(QChar(0x2014)), // an em dash
        });
    }
    setRows(std::move(rows));
}

const FringeMark *markOf(const std::vector<FringeMark> &marks, double order)
{
    const auto found = std::find_if(marks.begin(), marks.end(),
                                    [order](const FringeMark &mark) { return mark.order == order; });
    return found != marks.end() ? &*found : nullptr;
}
