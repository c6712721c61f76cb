// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "tracedquarnel.h"

#include <QtTest>

// What the computers of a classroom need: an 8-bit screen.
class TestClassroom : public QObject {
    Q_OBJECT
private slots:
    // The window must open and run on an 8-bit screen, where the widget style's
    // group-box drawing once crashed the program at start-up.
    void runsOnAnEightBitScreen()
    {
        WindowDriver eightBit(8);
        QVERIFY2(eightBit.isReady(), qPrintable(eightBit.session.why()));
        auto program = eightBit.launch();
        QVERIFY2(program->windowId() != 0, qPrintable(program->log()));
        eightBit.click(*program, QStringLiteral("cmdStart"));
        QVERIFY2(program->waitForRunsEnded(1, 20000), qPrintable(program->log()));
        QCOMPARE(eightBit.exit(*program, 10000), QString());
    }
};

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
