// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "closerequest.h"
#include "picture/zoom.h"
#include "testsupport.h"
#include "tracedquarnel.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// What the real program does with real input that comes during a run: the same
// as with no run going on, except that the run goes on with the settings it
// started with, and Start and Exit wait for its end. The next run takes the
// settings the controls show then, whatever path changed them.
class TestRunQueue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        driver_ = std::make_unique<WindowDriver>();
        if (!driver_->isReady())
            QSKIP(qPrintable("no X session: " + driver_->session.why()));
    }

    void inputDuringARun_data();
    void inputDuringARun();
    void resizedDuringRun();

private:
    std::unique_ptr<WindowDriver> driver_;
    // Sends one step: "click NAME", "click@125 NAME" (at that zoom), "clicks N NAME",
    // "wheel N up|down NAME" (N notches of the mouse wheel over the control),
    // "dblclick add arrow", "key KEYS…", "keys N KEYS…" (the keys N times over),
    // "type TEXT", "wait MS", "close" (the window system's close request); or
    // waits: "run N" until the Nth run has started, "shows TITLE" until a window
    // of that title shows; or checks: "size 125", the window at that zoom,
    // "ordinary TITLE", a window that a window manager keeps above no other.
    void send(TracedQuarnel &program, const QString &step);
};

// Each row: the slow-down of the first run (0: no run); the steps sent while it
// goes on, and those sent once it has ended; what each run began with or how it
// ended ("frequency 2", "stopped"); whether the program ends by itself; and what
// else must hold: "clipboard" (the picture is on it), "saved" (as
// Pictures/picture.png, and nothing else written), "answers" (a ping within a
// second of the last step), "whole" (every run as long as its countdowns).
void TestRunQueue::inputDuringARun_data()
{
    QTest::addColumn<int>("slowDown");
    QTest::addColumn<QStringList>("during");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<bool>("exits");
    QTest::addColumn<QString>("check");
    // The menu's first entry from the keyboard, not Exit pressed afterwards.
    QTest::newRow("menu keys") << 3 << QStringList{"key shift+F10", "wait 300", "key Down Return"}
                               << QStringList{} << QStringList{"end"} << false << "clipboard";
    // Keys typed into the Save dialog, not into the window after it; ".png" added.
    QTest::newRow("typing ahead into Save")
        << 3 << QStringList{"key ctrl+s", "wait 600", "key ctrl+a", "type picture", "key Return"}
        << QStringList{} << QStringList{"end"} << false << "saved";
    // A Start queued, then a dialog: what came after the dialog is not lost, and
    // the queued Start's run already takes the choice it made.
    QTest::newRow("input behind a queued Start and a dialog")
        << 3 << QStringList{"click cmdStart", "key ctrl+s", "wait 600", "key Escape",
                            "wait 300",       "click op05", "key Down", "click cmdStart"}
        << QStringList{} << QStringList{"frequency 2", "frequency 0.3", "frequency 0.3"} << false << "";
    // A choice changed and changed back during a run is the run's own again: the
    // next run must not take the first change, whichever path made it.
    QTest::newRow("another option, then the run's own")
        << 3 << QStringList{"click opFoton", "click opSvětlo"} << QStringList{"click cmdStart"}
        << QStringList{"mode 0", "mode 0"} << false << "";
    QTest::newRow("Down, then Up") << 3 << QStringList{"click opDc200", "key Down", "key Up"}
                                   << QStringList{"click cmdStart"}
                                   << QStringList{"distance 200", "distance 200"} << false << "";
    QTest::newRow("near, then large again")
        << 3 << QStringList{"click opdc100", "click opDc200"} << QStringList{"click cmdStart"}
        << QStringList{"distance 200", "distance 200"} << false << "";
    // Relative moves add up during a run as they do between runs.
    QTest::newRow("three wheel notches")
        << 5 << QStringList{"wheel 3 down HScroll1"} << QStringList{"click cmdStart"}
        << QStringList{"slow-down 5", "slow-down 8"} << false << "";
    // The click lands where the zoomed window shows the option.
    QTest::newRow("a zoom, then a click")
        << 3 << QStringList{"key ctrl+plus", "wait 300", "size 125", "click@125 opDopad"}
        << QStringList{"click@125 cmdStart", "key ctrl+0", "wait 300"} << QStringList{"mode 0", "mode 2"}
        << false << "";
    QTest::newRow("a double click on an arrow")
        << 3 << QStringList{"dblclick add arrow"} << QStringList{"click cmdStart"}
        << QStringList{"slow-down 3", "slow-down 5"} << false << "";
    // 600 zoom keys, none of them kept: the window answers as soon as the run ends.
    // (A run long enough for the sanitizer build, too, to zoom 600 times meanwhile.)
    QTest::newRow("many zoom keys") << 10 << QStringList{"keys 300 ctrl+plus ctrl+minus"} << QStringList{}
                                    << QStringList{"end"} << false << "answers";
    // Escape drops every Start that waits, not only those pressed during the run it stops.
    QTest::newRow("Escape with Starts queued")
        << 2 << QStringList{"clicks 200 cmdStart", "run 3", "key Escape"} << QStringList{}
        << QStringList{"end", "end", "stopped"} << false << "";
    QTest::newRow("five Starts, five more whole runs")
        << 2 << QStringList{"clicks 5 cmdStart"} << QStringList{} << QStringList(6, "end") << false
        << "whole";
    // A Start behind Exit or a close opens no run in a closing window.
    QTest::newRow("Exit, then Start") << 2 << QStringList{"click cmdKonec", "click cmdStart"} << QStringList{}
                                      << QStringList{"end"} << true << "";
    QTest::newRow("close request, then Start") << 4 << QStringList{"close", "click cmdStart"} << QStringList{}
                                               << QStringList{"stopped"} << true << "";
    QTest::newRow("close request between runs")
        << 0 << QStringList{"close"} << QStringList{} << QStringList{} << true << "";
    // Qt drops the close request of a window that a dialog blocks.
    QTest::newRow("close request with Save open")
        << 0 << QStringList{"click labInterference", "key ctrl+s", "shows Save picture as", "close"}
        << QStringList{} << QStringList{} << true << "";
    // The help, About and Explore, ordinary windows that the main one may cover, close with it.
    QTest::newRow("close request with About open")
        << 0 << QStringList{"click labInterference", "key shift+F10",          "wait 300", "key Up Return",
                            "shows About Quarnel",   "ordinary About Quarnel", "close"}
        << QStringList{} << QStringList{} << true << "";
    QTest::newRow("close request with Explore and the help open")
        << 0 << QStringList{"click labInterference",  "key ctrl+e", "shows Explore a run",
                            "ordinary Explore a run", "key F1",     "shows Quarnel help",
                            "ordinary Quarnel help",  "close"}
        << QStringList{} << QStringList{} << true << "";
}

void TestRunQueue::send(TracedQuarnel &program, const QString &step)
{
    const QString verb = step.section(' ', 0, 0);
    const QString rest = step.section(' ', 1);
    XSession &session = driver_->session;
    const QPoint origin = program.geometry().topLeft();
    if (verb == "click") {
        driver_->click(program, rest);
    } else if (verb.startsWith("click@")) {
        session.click(origin + zoom::scaled(driver_->map.rect(rest), verb.mid(6).toInt()).center());
    } else if (verb == "clicks") {
        const QPoint at = origin + driver_->map.centre(rest.section(' ', 1));
        session.xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "--repeat",
                         rest.section(' ', 0, 0), "--delay", "5", "1"});
    } else if (verb == "wheel") {
        const QPoint at = origin + driver_->map.centre(rest.section(' ', 2));
        session.xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "--repeat",
                         rest.section(' ', 0, 0), "--delay", "100",
                         rest.section(' ', 1, 1) == "up" ? "4" : "5"});
    } else if (verb == "dblclick") {
        const QPoint at = origin + driver_->map.scrollBarAddArrow().center();
        session.xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "--repeat",
                         "2", "--delay", "80", "1"});
    } else if (verb == "key" || verb == "keys") {
        QStringList keys = rest.split(' ');
        if (verb == "keys") {
            const int times = keys.takeFirst().toInt();
            const QStringList once = keys;
            for (int i = 1; i < times; ++i)
                keys += once;
        }
        session.xdotool(QStringList{"key", "--delay", verb == "keys" ? "1" : "20"} + keys);
    } else if (verb == "type") {
        session.xdotool({"type", "--delay", "20", rest});
    } else if (verb == "wait") {
        QTest::qWait(rest.toInt());
    } else if (verb == "run") {
        QVERIFY2(program.waitForRunsStarted(rest.toInt(), rest.toInt() * runTimeoutMs(4)),
                 qPrintable(program.log()));
    } else if (verb == "shows") {
        QTRY_VERIFY2_WITH_TIMEOUT(session.xdotool({"search", "--onlyvisible", "--name", "^" + rest + "$"}),
                                  qPrintable("no window " + rest), 5000);
    } else if (verb == "size") {
        QString shell;
        QVERIFY(
            session.xdotool({"getwindowgeometry", "--shell", QString::number(program.windowId())}, &shell));
        QVERIFY2(shell.contains(QString("WIDTH=%1\n").arg(zoom::scaled(sceneSize, rest.toInt()).width())),
                 qPrintable(shell));
    } else if (verb == "ordinary") {
        QString found;
        QVERIFY(session.xdotool({"search", "--onlyvisible", "--name", "^" + rest + "$"}, &found));
        // Not transient for another window (Qt makes a dialog without a parent transient for them all).
        QProcess xprop;
        xprop.setProcessEnvironment(session.environment());
        xprop.start("xprop", {"-id", found.section('\n', 0, 0), "WM_TRANSIENT_FOR"});
        QVERIFY(xprop.waitForFinished(5000));
        QVERIFY2(xprop.readAllStandardOutput().contains("WM_TRANSIENT_FOR:  not found"), qPrintable(rest));
    } else if (verb == "close") {
        QVERIFY(sendCloseRequest(session.display(), program.windowId()));
    } else {
        QFAIL(qPrintable("no such step: " + step));
    }
    program.poll(0);
}

void TestRunQueue::inputDuringARun()
{
    QFETCH(int, slowDown);
    QFETCH(QStringList, during);
    QFETCH(QStringList, after);
    QFETCH(QStringList, runs);
    QFETCH(bool, exits);
    QFETCH(QString, check);
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath("Pictures"));
    QProcessEnvironment environment;
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath(".config"));
    auto program = driver_->launch(environment);
    QVERIFY2(program->windowId(), qPrintable(program->log()));
    if (slowDown > 0) {
        driver_->setSlowDown(*program, slowDown);
        driver_->click(*program, "cmdStart");
        QVERIFY2(program->waitForRunsStarted(1, 10000), qPrintable(program->log()));
    }
    for (const QString &step : during)
        send(*program, step);
    if (slowDown > 0 && !during.join(',').contains("run "))
        QVERIFY2(program->runs().front().endMs < 0 || program->runs().front().stopped,
                 "the run ended before the input meant for it was sent");
    // Escape and the close request end a run at once.
    if (runs.value(0) == "stopped")
        QVERIFY2(program->waitForRunsEnded(1, 2000), qPrintable(program->log()));
    if (exits) {
        QVERIFY2(program->waitForExit(slowDown > 0 ? runTimeoutMs(slowDown) + 5000 : 3000),
                 qPrintable(program->exitDescription()));
        QVERIFY2(program->endFaults().isEmpty(), qPrintable(program->endFaults()));
    } else {
        QVERIFY2(program->waitForRunsEnded(1, runTimeoutMs(slowDown)), qPrintable(program->log()));
        // Nothing kept from the run holds the window up once it has ended.
        if (check == "answers")
            QVERIFY(answersPing(driver_->session.display(), program->windowId(), 1000));
        for (const QString &step : after)
            send(*program, step);
        QVERIFY2(program->waitForRunsEnded(int(runs.size()), int(runs.size()) * runTimeoutMs(slowDown)),
                 qPrintable(program->log()));
        program->poll(1000); // nothing more starts
    }
    QCOMPARE(program->runsStarted(), int(runs.size()));
    for (int i = 0; i < runs.size(); ++i) {
        const TracedQuarnel::Run &run = program->runs()[std::size_t(i)];
        const QString how = run.stopped ? "stopped" : "end";
        for (const QString &expected : runs[i].split("; "))
            QVERIFY2(expected == how
                         || (expected != "end" && expected != "stopped" && run.settings.contains(expected)),
                     qPrintable(
                         QString("run %1: %2, %3; expected %4").arg(i + 1).arg(run.settings, how, runs[i])));
        if (check == "whole")
            QVERIFY2(run.endMs - run.startMs >= nominalRunMs(slowDown) * 95 / 100,
                     qPrintable(QString("run %1 took %2 ms").arg(i + 1).arg(run.endMs - run.startMs)));
    }
    if (check == "clipboard") {
        QProcess xclip;
        xclip.setProcessEnvironment(driver_->session.environment());
        xclip.start("xclip", {"-selection", "clipboard", "-t", "image/png", "-o"});
        QVERIFY(xclip.waitForFinished(5000));
        const QImage copied = QImage::fromData(xclip.readAllStandardOutput(), "PNG");
        QCOMPARE(copied.size(), sceneSize);
        QVERIFY(pixels::darkAtOrLeft(copied, 600, 300)); // the plot axis, drawn with the scene
    }
    if (check == "saved") {
        QCOMPARE(QImage(home.filePath("Pictures/picture.png")).size(), sceneSize);
        // The only file written: Qt's file dialog keeps no history among the user's settings.
        QVERIFY(!QFile::exists(home.filePath(".config/QtProject.conf")));
    }
    if (!exits)
        QCOMPARE(driver_->exit(*program), QString());
}

// Resizing the window small and large while a run draws must neither crash
// it nor lose the picture; the picture also survives resizes after the run.
void TestRunQueue::resizedDuringRun()
{
    const int slowDown = 3;
    auto program = driver_->launch();
    const unsigned long window = program->windowId();
    QVERIFY(window != 0);
    driver_->setSlowDown(*program, slowDown);
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
    QTest::qWait(300);
    const QImage afterRun = driver_->session.screenshot();
    resize(QSize(200, 150));
    QTest::qWait(300);
    resize(QSize(1000, 740));
    QTest::qWait(500);
    const QImage large = driver_->session.screenshot();
    // The plot axis the run left, whole; then the whole scene, right of the option
    // groups and below the buttons, whose hover and focus looks may differ.
    for (int y = 100; y <= 500; ++y)
        QVERIFY2(pixels::darkAtOrLeft(afterRun, 600, y), qPrintable(QString::number(y)));
    const QRect scene(QPoint(190, 60), QPoint(full.width() - 1, full.height() - 1));
    QCOMPARE(large.copy(scene), afterRun.copy(scene));
    // Beyond the picture the window is plain silver.
    QCOMPARE(large.pixel(900, 700), qRgb(192, 192, 192));
    resize(full);
    QTest::qWait(300);
    QCOMPARE(driver_->exit(*program), QString());
    QCOMPARE(program->runsStarted(), 1);
}

QTEST_MAIN(TestRunQueue)
#include "tst_runqueue.moc"
