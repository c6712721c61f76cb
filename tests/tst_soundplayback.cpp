// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/picturecommands.h"
#include "explore/explorewindow.h"
#include "patternsound.h"
#include "scan.h"
#include "sound/patternplayer.h"
#include "testsupport.h"
#include "tracedquarnel.h"

#include <QDir>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <csignal>
#include <memory>

namespace {
// How loud a stretch of 16-bit samples gets at most.
int loudest(const QByteArray &raw)
{
    const auto *samples = reinterpret_cast<const qint16 *>(raw.constData());
    int most = 0;
    for (qsizetype i = 0; i < raw.size() / 2; ++i)
        most = std::max(most, std::abs(int(samples[i])));
    return most;
}

// The microseconds of the pattern itself, as RenderPatternSound makes it for the window's last run.
qint64 patternUSecs(frmQuarnel &window, int slowness = 1)
{
    return qint64(RenderPatternSound(window.session().lastRun(), slowness).size()) * 1000000
        / patternsound::sampleRate;
}

// A sound server of the test's own, with one output that plays into nothing, and
// a recorder on what that output plays.
class NullSoundServer {
public:
    NullSoundServer()
    {
        const QString socket = dir_.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), dir_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        server_.setProcessEnvironment(environment);
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(QStringLiteral("pulseaudio"),
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                       "--disable-shm=yes", "--log-target=stderr",
                       "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket,
                       "--load=module-null-sink sink_name=quarnel_test"});
        if (!server_.waitForStarted(10000))
            return;
        // Every client of this process, Qt's sound output among them, talks to this server.
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        for (int tries = 0; tries < 100 && !ready_; ++tries) {
            QProcess info;
            info.start(QStringLiteral("pactl"), {"info"});
            ready_ = info.waitForFinished(5000) && info.exitStatus() == QProcess::NormalExit
                && info.exitCode() == 0;
            if (!ready_)
                QTest::qWait(100);
        }
        recorder_.start(QStringLiteral("parec"),
                        {"--device=quarnel_test.monitor", "--raw", "--format=s16le", "--rate=44100",
                         "--channels=1", "--latency-msec=20"});
        ready_ = ready_ && recorder_.waitForStarted(10000);
    }
    ~NullSoundServer()
    {
        for (QProcess *process : {&recorder_, &server_}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
    }
    bool isReady() const { return ready_; }
    // Stops the server where it stands, as a server that hangs does, or lets it go on.
    void pause(bool paused) { ::kill(pid_t(processId()), paused ? SIGSTOP : SIGCONT); }
    qint64 processId() const { return server_.processId(); }
    QString log() { return QString::fromLocal8Bit(server_.readAll()); }
    // What the output has played since the last call.
    QByteArray played()
    {
        recorder_.waitForReadyRead(200);
        return recorder_.readAllStandardOutput();
    }

private:
    QTemporaryDir dir_;
    QProcess server_;
    QProcess recorder_;
    bool ready_ = false;
};
} // namespace

// The pattern heard through a real sound output: a sound server of the test's
// own whose output plays into nothing and is recorded.
class TestSoundPlayback : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        server_ = std::make_unique<NullSoundServer>();
        QVERIFY2(server_->isReady(), qPrintable(server_->log()));
    }
    void cleanupTestCase() { server_.reset(); }

    // H that plays nothing, plays unasked (a run that sounds by itself), plays
    // a run half drawn or one that Escape stopped, or stops short of the top:
    // the output takes the whole pattern and plays it aloud, after the run when
    // pressed during it; before any run, or when Escape stops the run, it stays
    // silent and says why. Replayed, it once stopped short on the fourth play
    // and was silent on the fifth: every play is whole. Shift+H that plays at
    // the normal pace, or not at all: the output takes four times as much.
    void hPlaysTheLastRun_data()
    {
        QTest::addColumn<int>("pressedAt"); // the run's point H is pressed at; 0 before any run, -1 after it
        QTest::addColumn<bool>("escape");   // Escape at the run's 200th point
        QTest::addColumn<bool>("plays");
        QTest::addColumn<int>("times");   // how often H is pressed after the run, each after the last play
        QTest::addColumn<bool>("slowly"); // Shift+H instead
        QTest::newRow("before any run") << 0 << false << false << 1 << false;
        QTest::newRow("after a run, five times") << -1 << false << true << 5 << false;
        QTest::newRow("after a run, slowly") << -1 << false << true << 1 << true;
        QTest::newRow("during a run") << 100 << false << true << 1 << false;
        QTest::newRow("during a run that Escape stops") << 100 << true << false << 1 << false;
    }
    void hPlaysTheLastRun()
    {
        QFETCH(int, pressedAt);
        QFETCH(bool, escape);
        QFETCH(bool, plays);
        QFETCH(int, times);
        QFETCH(bool, slowly);
        const Qt::KeyboardModifiers modifiers = slowly ? Qt::ShiftModifier : Qt::NoModifier;
        const int slowness = slowly ? PatternPlayer::slowly : 1;
        ShownWindow shown;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        shown.window.session().setStepDuration(countdownStep);
        PatternPlayer &player = shown.window.player();
        QSignalSpy notices(&player, &PatternPlayer::notice);
        QSignalSpy ended(&shown.window.session(), &RunSession::finished);
        const auto press = [&](Qt::Key key) { QTest::keyClick(&shown.window, key, modifiers); };
        server_->played();
        if (pressedAt > 0)
            atPoint(shown.window, pressedAt, [&] { press(Qt::Key_H); });
        if (escape)
            atPoint(shown.window, 200, [&] { press(Qt::Key_Escape); });
        if (pressedAt != 0) {
            shown.window.cmdStart_Click();
            QVERIFY(ended.wait(30000));
        }
        if (pressedAt <= 0)
            QCOMPARE(loudest(server_->played()), 0);
        for (int time = 1; time <= times; ++time) {
            if (pressedAt <= 0)
                press(Qt::Key_H);
            QCOMPARE(player.isPlaying(), plays);
            QCOMPARE(notices.isEmpty(), pressedAt < 0);
            if (!plays)
                break;
            QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 15000 * slowness);
            const qint64 pattern = patternUSecs(shown.window, slowness);
            QVERIFY2(player.playedUSecs() >= pattern && player.playedUSecs() < pattern + 1000000,
                     qPrintable(QString("play %1: %2 us").arg(time).arg(player.playedUSecs())));
            QVERIFY2(loudest(server_->played()) > 32767 / 4, qPrintable(QString("play %1").arg(time)));
        }
        if (!plays) {
            QTest::qWait(300);
            QCOMPARE(loudest(server_->played()), 0);
        }
    }

    // A sound asked for during a run was dropped when an earlier sound played
    // out meanwhile, although the program had said it would sound at the run's end.
    void hDuringARunOutlastsAnEarlierSound()
    {
        ShownWindow shown;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        PatternPlayer &player = shown.window.player();
        shown.window.cmdStart_Click();
        QTest::keyClick(&shown.window, Qt::Key_H);
        QTRY_VERIFY(player.isPlaying());
        // A run of about 10 s, well longer than the 4 s sound that goes on meanwhile.
        shown.window.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(8);
        shown.window.session().setStepDuration(countdownStep);
        QSignalSpy stopped(&player, &PatternPlayer::stopped);
        QSignalSpy ended(&shown.window.session(), &RunSession::finished);
        atPoint(shown.window, 20, [&] { QTest::keyClick(&shown.window, Qt::Key_H); });
        shown.window.cmdStart_Click();
        QVERIFY(ended.wait(90000));
        QCOMPARE(stopped.size(), 1);
        QTRY_VERIFY(player.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 15000);
        QVERIFY(player.playedUSecs() >= patternUSecs(shown.window));
    }

    // Escape that ends the run but leaves the sound going, or a sound that goes
    // on in the output after it: Escape silences it at once.
    void escapeStopsTheSound()
    {
        ShownWindow shown;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        PatternPlayer &player = shown.window.player();
        shown.window.cmdStart_Click();
        QTest::keyClick(&shown.window, Qt::Key_H);
        QTRY_VERIFY(player.playedUSecs() > 1000000);
        QVERIFY(loudest(server_->played()) > 0);
        QTest::keyClick(&shown.window, Qt::Key_Escape);
        QVERIFY(!player.isPlaying());
        const qint64 at = player.playedUSecs();
        QVERIFY(at < patternUSecs(shown.window));
        server_->played();
        QTest::qWait(500);
        QCOMPARE(loudest(server_->played()), 0);
        QCOMPARE(player.playedUSecs(), at);
    }

    // Point tones that pile up behind each other while the pupil arrows on (each
    // heard whole, seconds behind the keys), that hold the window up, or that
    // stay silent: 20 points arrowed through in Explore, up to the axis's bright
    // band, sound through the output for no longer than the arrowing and three
    // tones, and the window answers meanwhile.
    void arrowedPointsSoundWithoutABacklog()
    {
        ShownWindow shown;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        PatternPlayer &player = shown.window.player();
        shown.window.cmdStart_Click();
        QTest::keyClick(&shown.window, Qt::Key_E, Qt::ControlModifier);
        ExploreWindow *explore = shown.window.explore();
        QVERIFY(QTest::qWaitForWindowActive(explore));
        const int axis = AxisPoint(shown.window.session().lastRun().run);
        explore->selectPoint(axis - 21);
        auto *box = explore->findChild<QSpinBox *>(QStringLiteral("pointBox"));
        box->setFocus();
        QSignalSpy notices(&player, &PatternPlayer::notice);
        // The sound module loaded and a first tone heard before the keys that count.
        QTest::keyClick(box, Qt::Key_Up);
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 10000);
        server_->played();
        QElapsedTimer clock;
        clock.start();
        for (int key = 0; key < 20; ++key) {
            QTest::keyClick(box, Qt::Key_Up);
            QTest::qWait(10);
        }
        const qint64 arrowing = clock.elapsed();
        QVERIFY2(arrowing < 2000 && explore->selectedPoint() == axis, qPrintable(QString::number(arrowing)));
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 10000);
        QTest::qWait(300);
        const QByteArray heard = server_->played();
        const auto *samples = reinterpret_cast<const qint16 *>(heard.constData());
        const qint64 heardMs =
            std::count_if(samples, samples + heard.size() / 2, [](qint16 s) { return std::abs(s) > 327; })
            * 1000 / patternsound::sampleRate;
        QVERIFY2(loudest(heard) > 32767 / 4
                     && heardMs
                         <= arrowing + 3 * 1000 * patternsound::pointToneSamples / patternsound::sampleRate,
                 qPrintable(QString("%1 ms heard, %2 ms arrowing").arg(heardMs).arg(arrowing)));
        QVERIFY(notices.isEmpty());
    }

    // A sound that cannot start and freezes the window (the sound server's
    // client waited on the user-interface thread: for half a minute before the
    // first sound, for good after it, and the window could not be closed), or
    // that blames the speakers for a missing module: after H the window answers
    // within 2 s, says why nothing plays, and Ctrl+Q ends it at once, whatever
    // the server does meanwhile. Last: a window given up on leaves its thread behind.
    void hSaysWhyNothingPlays_data()
    {
        QTest::addColumn<bool>("soundFirst"); // a sound played out before
        QTest::addColumn<bool>("stalled");    // the server stopped before H
        QTest::addColumn<QString>("saying");
        QTest::newRow("without the module") << false << false << "quarnel-sound";
        QTest::newRow("stalled server") << false << true << "does not answer";
        QTest::newRow("stalled server, after a sound") << true << true << "does not answer";
    }
    void hSaysWhyNothingPlays()
    {
        QFETCH(bool, soundFirst);
        QFETCH(bool, stalled);
        QFETCH(QString, saying);
        auto shown = std::make_unique<ShownWindow>();
        QVERIFY(QTest::qWaitForWindowActive(&shown->window));
        PatternPlayer &player = shown->window.player();
        const QTemporaryDir empty;
        if (!stalled)
            player.setModuleFolders({empty.path()});
        shown->window.cmdStart_Click();
        if (soundFirst) {
            QTest::keyClick(&shown->window, Qt::Key_H);
            QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 15000);
            QVERIFY(player.playedUSecs() >= patternUSecs(shown->window));
        }
        QSignalSpy notices(&player, &PatternPlayer::notice);
        // A window frozen by the server is let go after 10 s, to fail rather than hang.
        QProcess watchdog;
        watchdog.start(QStringLiteral("sh"),
                       {"-c", QString("sleep 10; kill -CONT %1").arg(server_->processId())});
        server_->pause(stalled);

        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(&shown->window, Qt::Key_H);
        bool answered = false;
        QTimer::singleShot(0, &shown->window, [&answered] { answered = true; });
        QTRY_VERIFY_WITH_TIMEOUT(answered, 20000);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString("answered after %1 ms").arg(clock.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(!notices.isEmpty(), 8000);
        QVERIFY2(notices.last().first().toString().contains(saying),
                 qPrintable(notices.last().first().toString()));
        QVERIFY(!player.isPlaying());

        clock.restart();
        QTest::keyClick(&shown->window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!shown->window.isVisible());
        shown.reset();
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString("ended after %1 ms").arg(clock.elapsed())));
        server_->pause(false);
    }

    // The sound server's client writing its cookie into the home folder, or the
    // private folder it is kept in left behind: the real program, in a session
    // whose home and settings folders are empty, plays H and quits with Ctrl+Q.
    void soundWritesNothingUnderHome()
    {
        WindowDriver driver;
        if (!driver.isReady())
            QSKIP(qPrintable("no X session: " + driver.session.why()));
        const QTemporaryDir home, config, runtime, temporary;
        QProcessEnvironment environment;
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("XDG_RUNTIME_DIR", runtime.path()); // as a desktop session has them
        environment.insert("TMPDIR", temporary.path());
        auto program = driver.launch(environment);
        QVERIFY2(program->windowId(), qPrintable(program->log()));
        driver.click(*program, "cmdStart");
        QVERIFY2(program->waitForRunsEnded(1, runTimeoutMs(1)), qPrintable(program->log()));
        server_->played();
        driver.session.key("h");
        QTRY_VERIFY_WITH_TIMEOUT(loudest(server_->played()) > 0, 10000);
        const auto entries = [](const QString &folder) {
            return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                          | QDir::NoDotAndDotDot);
        };
        QCOMPARE(entries(temporary.path()).filter("quarnel-").size(), 1);
        driver.session.key("ctrl+q");
        QVERIFY2(program->waitForExit(10000), qPrintable(program->exitDescription()));
        QCOMPARE(entries(home.path()), QStringList());
        QCOMPARE(entries(config.path()), QStringList());
        QCOMPARE(entries(temporary.path()), QStringList());
    }

private:
    std::unique_ptr<NullSoundServer> server_;
};

// Without any sound server: H says so, and nothing hangs or breaks; the window runs on.
class TestWithoutSound : public QObject {
    Q_OBJECT
private slots:
    // A program that hangs or crashes when the computer has no sound output, or
    // blames anything but the output for it; Explore's point tones that say so
    // at every key, drowning the point's reading: once for three keys, while H
    // says it each time.
    void hSaysThereIsNoOutput()
    {
        ShownWindow shown;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        PatternPlayer &player = shown.window.player();
        QSignalSpy notices(&player, &PatternPlayer::notice);
        shown.window.cmdStart_Click();
        QTest::keyClick(&shown.window, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(QTest::qWaitForWindowActive(shown.window.explore()));
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_H, Qt::Key_H}) {
            const qsizetype before = notices.size();
            QTest::keyClick(shown.window.explore(), key);
            QTRY_VERIFY(!player.isPlaying());
            QCOMPARE(notices.size(), key == Qt::Key_H || before == 0 ? before + 1 : before);
            QVERIFY(notices.last().first().toString().contains("output"));
        }
        QTest::keyClick(shown.window.explore(), Qt::Key_Escape);
        QSignalSpy ended(&shown.window.session(), &RunSession::finished);
        shown.window.cmdStart_Click();
        QCOMPARE(ended.size(), 1);
    }
};

// One sound server a process: QUARNEL_TEST_NO_SOUND_SERVER chooses the tests without one.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("QUARNEL_TEST_NO_SOUND_SERVER")) {
        TestWithoutSound test;
        return QTest::qExec(&test, argc, argv);
    }
    TestSoundPlayback test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soundplayback.moc"
