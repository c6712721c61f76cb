// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "photonrandom.h"
#include "run.h"
#include "runrecord.h"
#include "testsupport.h"
#include "tracedquarnel.h"

#include <QtTest>
#include <csignal>
#include <memory>

// The real program in a private X server, clicked with real input and checked on screenshots.
namespace {
using pixels::dark;
using pixels::darkAtOrLeft;
bool silver(const QImage &image, int x, int y) { return pixels::is(image, x, y, pixels::silver); }
} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowDriver> driver_;
    std::unique_ptr<TracedQuarnel> program_;

    QImage client()
    {
        return driver_->session.screenshot().copy(QRect(program_->geometry().topLeft(), sceneSize));
    }
    void click(const QString &control) { driver_->click(*program_, control); }
    // Clicks Start and waits for that run to end; the picture it left.
    QImage run()
    {
        const int runs = program_->runsEnded() + 1;
        click("cmdStart");
        if (!program_->waitForRunsEnded(runs, 30000))
            return {};
        QTest::qWait(300);
        return client();
    }

private slots:
    void initTestCase()
    {
        driver_ = std::make_unique<WindowDriver>();
        if (!driver_->isReady())
            QSKIP(qPrintable("no X server for end-to-end tests: " + driver_->session.why()));
    }

    void init()
    {
        program_ = driver_->launch();
        QVERIFY2(program_->windowId(), "the Quarnel window did not appear");
        QTest::qWait(300);
    }

    void cleanup() { program_.reset(); }

    // A window that opens without its prompt, or a Start click that draws no apparatus.
    void startDrawsTheScene()
    {
        QImage image = client();
        QVERIFY(pixels::count(image, driver_->map.rect("labKlepnete"), dark) > 50); // the prompt
        QVERIFY(silver(image, 250, 200));
        image = run();
        QVERIFY2(!image.isNull(), qPrintable("the run did not end\n" + program_->log()));
        // The apparatus on the screen; where each part lies is tst_scene's.
        QVERIFY(pixels::is(image, 150, 298, pixels::white));                 // source disc
        QVERIFY(darkAtOrLeft(image, 250, 200));                              // barrier
        QVERIFY(pixels::count(image, QRect(300, 282, 100, 30), dark) < 300); // prompt gone
    }

    // Real clicks on options that do not reach the next run: spacing large, distance near.
    void optionsChangeTheScene()
    {
        click("opVelka");
        click("opdc100");
        QTest::qWait(200);
        const QImage image = run();
        QVERIFY2(!image.isNull(), "the run did not end");
        QVERIFY(darkAtOrLeft(image, 350, 95));
        QVERIFY(silver(image, 450, 95));
        for (int slitY : {260, 340}) {
            // The gap: no barrier there (the construction rays may pass through it).
            QVERIFY(!dark(image, 250, slitY - 1) && !dark(image, 249, slitY - 1));
            QVERIFY(darkAtOrLeft(image, 250, slitY - 20));
        }
        // The labels moved with the slits: "A" 35 above slit A.
        QVERIFY(pixels::count(image, QRect(220, 225, 17, 17), dark) > 5);
    }

    // Bars on the screen that are not as long as the run reports plotting them, within 2 pixels.
    void barLengthsMatchTheRun()
    {
        const RunRecord record = recordRun(TextSettings("200", "15", "2", "0"));
        std::map<int, double> lengths;
        for (const RunRecord::Point &point : record.points())
            lengths[int(point.y)] = point.shown;

        const QImage image = run();
        QVERIFY2(!image.isNull(), "the run did not end");
        int checked = 0;
        for (int y = 112; y <= 488 && checked < 14; y += 29) {
            if (y % 20 == 0)
                continue;
            int end = 601;
            while (end < 790 && dark(image, end + 1, y))
                ++end;
            const double measured = end - 600;
            // A 2-pixel bar covers its own row and one neighbour: the row shows the longer of two.
            const double below = std::max(lengths.at(y), lengths.at(y + 1));
            const double above = std::max(lengths.at(y - 1), lengths.at(y));
            const bool close = std::abs(measured - below) <= 2 || std::abs(measured - above) <= 2;
            QVERIFY2(close,
                     qPrintable(QString("row %1: %2 px on screen, plotted %3 / %4")
                                    .arg(y)
                                    .arg(measured)
                                    .arg(below)
                                    .arg(above)));
            ++checked;
        }
        QVERIFY(checked >= 12);
    }

    // A signal that ends the program with a save dialog open leaving its folder
    // in the temporary folder (Qt's file dialog settings), or ending it unclean.
    void signalLeavesNoTemporaryFolder_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void signalLeavesNoTemporaryFolder()
    {
        QFETCH(int, signal);
        QTemporaryDir temporary, runtime; // Qt makes a runtime folder in TMPDIR when it has none
        QProcessEnvironment environment;
        environment.insert("TMPDIR", temporary.path());
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        program_.reset(); // init()'s: one window with the title at a time
        program_ = driver_->launch(environment);
        QVERIFY2(program_->windowId(), "the Quarnel window did not appear");
        click("cmdStart"); // the window takes the keys
        const QDir folder(temporary.path());
        // Pressed again until the dialog shows: the first may come before the window has the keys.
        QVERIFY(program_->waitFor(
            [&] {
                if (driver_->session.xdotool({"search", "--onlyvisible", "--name", "Save picture as"}))
                    return true;
                driver_->session.key("ctrl+s");
                return false;
            },
            10000));
        QVERIFY(!folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QCOMPARE(::kill(pid_t(program_->processId()), signal), 0);
        program_->waitForExit(10000);
        QVERIFY2(program_->exitedCleanly(), qPrintable(program_->exitDescription() + "\n" + program_->log()));
        const QStringList left = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
