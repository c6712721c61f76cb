// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "explore/texttablemodel.h"
#include "runreading.h"

#include <vector>

// The orders m = 0, 1, 2 … on the screen, where the path difference is m
// wavelengths: a row an order that either the exact geometry or the small-angle
// formula puts on the scanned part of the screen, with both heights (pixels
// above the axis) and how far the formula's lies from the exact one.
class OrdersModel : public TextTableModel {
    Q_OBJECT
public:
    explicit OrdersModel(QObject *parent = nullptr);
    // The marks of the run shown, bottom to top.
    void setMarks(const std::vector<FringeMark> &exact, const std::vector<FringeMark> &formula);
};

// The mark of this order (m, or m + 0.5 for a dark one), or nullptr where it is off the screen.
const FringeMark *markOf(const std::vector<FringeMark> &marks, double order);
