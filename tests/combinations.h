// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "choices.h"

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
    using namespace settingchoices;
    for (const Choice &spacing : settingchoices::spacing)
        for (const Choice &distance : settingchoices::distance)
            for (const Choice &frequency : settingchoices::frequency)
                for (const Choice &mode : pattern) {
                    const QString texts[] = {choiceText(distance), choiceText(spacing), choiceText(frequency),
                                             choiceText(mode)};
                    QTest::addRow("distance %s spacing %s frequency %s mode %s", qPrintable(texts[0]),
                                  qPrintable(texts[1]), qPrintable(texts[2]), qPrintable(texts[3]))
                        << texts[0] << texts[1] << texts[2] << texts[3];
                }
}
