// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/decimals.h"

#include <QLocale>
#include <cmath>

namespace decimals {
QString fixed(double value, int decimals)
{
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return QLocale().toString(value, 'f', decimals);
}

QString withSign(double value, int decimals)
{
    const QString text = fixed(value, decimals);
    return value > 0 && text != fixed(0, decimals) ? QLocale().positiveSign() + text : text;
}
} // namespace decimals
