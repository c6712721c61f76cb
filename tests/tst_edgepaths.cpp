// SPDX-License-Identifier: MIT
#include "closerequest.h"
#include "testsupport.h"
#include "tracedquarnel.h"

#include <QtTest>
#include <memory>

namespace {
// Share of black pixels in a column of the screenshot between two rows, both included.
double blackShare(const QImage &image, int x, int top, int bottom)
{
    int black = 0;
    for (int y = top; y <= bottom; ++y)
        black += pixels::dark(image, x, y) ? 1 : 0;
    return double(black) / (bottom - top + 1);
}
} // namespace

class TestEdgePaths : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void closeRequest_data();
    void closeRequest();
    void startPressedFiveTimesDuringRun();
    void startQueuedBehindAClose_data();
    void startQueuedBehindAClose();
    void resizedDuringRun();

private:
    std::unique_ptr<WindowDriver> driver_;
    // The program launched at the start-up settings but this slow-down, its window shown.
    std::unique_ptr<TracedQuarnel> launch(int slowDown = 1);
    void checkScene(const QImage &shot);
};

void TestEdgePaths::initTestCase()
{
    driver_ = std::make_unique<WindowDriver>();
    if (!driver_->isReady())
        QSKIP(qPrintable("no X session: " + driver_->session.why()));
}

std::unique_ptr<TracedQuarnel> TestEdgePaths::launch(int slowDown)
{
    auto program = driver_->launch();
    if (program->windowId() == 0)
        qWarning("the window never showed:\n%s", qPrintable(program->log()));
    else
        driver_->setSlowDown(*program, slowDown);
    return program;
}

// The apparatus of the start-up settings, at the window's top left corner.
void TestEdgePaths::checkScene(const QImage &shot)
{
    QVERIFY(shot.width() >= 801 && shot.height() >= 581);
    // The plot axis, redrawn after every point, is black from end to end.
    QCOMPARE(blackShare(shot, 600, 100, 500), 1.0);
    // The barrier, open only at the slits (300 ± 15) and crossed by the optical axis.
    QVERIFY(blackShare(shot, 250, 100, 280) > 0.95);
    QVERIFY(blackShare(shot, 250, 320, 500) > 0.95);
    // The screen line at 250 + 200; the phasors drawn across it are black too.
    QVERIFY(blackShare(shot, 450, 100, 500) > 0.8);
    // The plot: bars reach right of the axis at some heights.
    int barRows = 0;
    for (int y = 101; y < 500; ++y)
        barRows += pixels::dark(shot, 605, y) ? 1 : 0;
    QVERIFY2(barRows > 20, qPrintable(QString("bars on %1 rows").arg(barRows)));
}

// The window system's close request ends the program at once, with status 0,
// between runs and during one, which it stops.
void TestEdgePaths::closeRequest_data()
{
    QTest::addColumn<bool>("duringRun");
    QTest::newRow("between runs") << false;
    QTest::newRow("during a run") << true;
}

void TestEdgePaths::closeRequest()
{
    QFETCH(bool, duringRun);
    const int slowDown = 4;
    auto program = launch(duringRun ? slowDown : 1);
    QVERIFY(program->windowId() != 0);
    if (duringRun) {
        driver_->click(*program, "cmdStart");
        QVERIFY2(program->waitForRunsStarted(1, 10000), qPrintable(program->log()));
        QCOMPARE(program->runs().front().slowDown, QString::number(slowDown));
        QTest::qWait(300);
    }
    QVERIFY(sendCloseRequest(driver_->session.display(), program->windowId()));
    QVERIFY2(program->waitForExit(1000), qPrintable(program->exitDescription() + "\n" + program->log()));
    if (duringRun)
        QVERIFY(program->runs().front().stopped);
    QVERIFY2(program->endFaults().isEmpty(), qPrintable(program->endFaults()));
    QCOMPARE(program->runsStarted(), duringRun ? 1 : 0);
}

// Presses held back during a run must each start one whole run afterwards,
// one after the other, none lost, none nested, none cut short.
void TestEdgePaths::startPressedFiveTimesDuringRun()
{
    const int slowDown = 2;
    const int extraPresses = 5;
    auto program = launch(slowDown);
    QVERIFY(program->windowId() != 0);
    driver_->click(*program, "cmdStart");
    QVERIFY2(program->waitForRunsStarted(1, 10000), qPrintable(program->log()));
    for (int i = 0; i < extraPresses; ++i)
        driver_->click(*program, "cmdStart");
    QVERIFY2(program->waitForRunsEnded(1 + extraPresses, (1 + extraPresses) * runTimeoutMs(slowDown)),
             qPrintable(program->log()));
    // No further run follows.
    program->poll(1500);
    QTest::qWait(1500);
    program->poll(0);
    QCOMPARE(program->runsStarted(), 1 + extraPresses);
    QVERIFY2(program->orderFaults().isEmpty(), qPrintable(program->orderFaults().join('\n')));
    for (const TracedQuarnel::Run &run : program->runs()) {
        QCOMPARE(run.slowDown, QString::number(slowDown));
        QVERIFY2(run.endMs - run.startMs >= nominalRunMs(slowDown) * 95 / 100,
                 qPrintable(QString("run %1 took %2 ms").arg(run.number).arg(run.endMs - run.startMs)));
    }
    QCOMPARE(driver_->exit(*program), QString());
}

// Exit or the close button, then Start, both pressed during a run: the queued
// Start must not open a run in the closed window, whose local event loop would
// drop the pending quit and leave the program running with no window.
void TestEdgePaths::startQueuedBehindAClose_data()
{
    QTest::addColumn<bool>("exitButton");
    QTest::newRow("Exit, then Start") << true;
    QTest::newRow("close request, then Start") << false;
}

void TestEdgePaths::startQueuedBehindAClose()
{
    QFETCH(bool, exitButton);
    const int slowDown = 2;
    auto program = launch(slowDown);
    QVERIFY(program->windowId() != 0);
    driver_->click(*program, "cmdStart");
    QVERIFY2(program->waitForRunsStarted(1, 10000), qPrintable(program->log()));
    if (exitButton)
        driver_->click(*program, "cmdKonec");
    else
        QVERIFY(sendCloseRequest(driver_->session.display(), program->windowId()));
    driver_->click(*program, "cmdStart");
    QVERIFY2(program->waitForExit(runTimeoutMs(slowDown) + 20000),
             qPrintable(program->exitDescription() + "\n" + program->log() + program->stacksAtKill()));
    QVERIFY2(program->endFaults().isEmpty(), qPrintable(program->endFaults()));
    QCOMPARE(program->runsStarted(), 1);
}

// Resizing the window small and large while a run draws must neither crash
// it nor lose the picture; the picture also survives resizes after the run.
void TestEdgePaths::resizedDuringRun()
{
    const int slowDown = 3;
    auto program = launch(slowDown);
    const unsigned long window = program->windowId();
    QVERIFY(window != 0);
    const QSize full = driver_->map.windowSize();
    const auto resize = [&](QSize size) {
        QVERIFY(driver_->session.xdotool({"windowsize", QString::number(window),
                                   QString::number(size.width()), QString::number(size.height())}));
    };
    driver_->click(*program, "cmdStart");
    QVERIFY2(program->waitForRunsStarted(1, 10000), qPrintable(program->log()));
    for (const QSize size : {QSize(320, 200), QSize(1000, 740), QSize(120, 90), full}) {
        resize(size);
        QTest::qWait(400);
        program->poll(0);
    }
    QVERIFY2(program->waitForRunsEnded(1, runTimeoutMs(slowDown)), qPrintable(program->log()));
    QVERIFY(program->isAlive());
    QTest::qWait(300);
    const QImage afterRun = driver_->session.screenshot();
    checkScene(afterRun);

    resize(QSize(200, 150));
    QTest::qWait(300);
    resize(QSize(1000, 740));
    QTest::qWait(500);
    const QImage large = driver_->session.screenshot();
    checkScene(large);
    // The whole scene, right of the option groups and below the buttons,
    // whose hover and focus looks may differ between the two shots.
    const QRect scene(QPoint(190, 60), QPoint(full.width() - 1, full.height() - 1));
    QCOMPARE(large.copy(scene), afterRun.copy(scene));
    // Beyond the picture the window is plain silver.
    QCOMPARE(large.pixel(900, 700), qRgb(192, 192, 192));

    resize(full);
    QTest::qWait(300);
    QCOMPARE(driver_->exit(*program), QString());
    QCOMPARE(program->runsStarted(), 1);
}

QTEST_MAIN(TestEdgePaths)
#include "tst_edgepaths.moc"
