// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "settings.h"

#include <QString>
#include <QTest>

// Every combination the option groups offer, 5 spacings × 3 distances ×
// 4 frequencies (in the locale's decimal form) × 3 modes, as rows of a QTest
// table with the columns distance, spacing, frequency and mode.
inline void addEveryCombination()
{
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("mode");
    for (const char *spacing : {"40", "15", "10", "5", "0"})
        for (const char *distance : {"200", "150", "100"})
            for (double frequency : {2.0, 0.5, 0.3, 0.1})
                for (const char *mode : {"0", "1", "2"}) {
                    const QString text = numberText(frequency);
                    QTest::addRow("distance %s spacing %s frequency %s mode %s", distance, spacing,
                                  qPrintable(text), mode)
                        << QString::fromLatin1(distance) << QString::fromLatin1(spacing) << text
                        << QString::fromLatin1(mode);
                }
}
