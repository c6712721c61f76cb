// SPDX-License-Identifier: MIT
#include "window/frmquarnel.h"
#include "picture/scenepicture.h"
#include "commands/picturecommands.h"
#include "testsupport.h"
#include "tracedquarnel.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The escapes and conveniences a class needs: Escape out of a slow run, the
// picture copied and saved.
class TestClassroom : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        driver_ = std::make_unique<WindowDriver>();
        QVERIFY2(driver_->isReady(), qPrintable(driver_->session.why()));
    }

    // Escape must stop a slow run at once, and the Start presses made during it
    // must not start the runs a teacher was escaping from; the program goes on.
    void escapeStopsASlowRun()
    {
        auto program = driver_->launch();
        QVERIFY(program->windowId() != 0);
        driver_->session.click(driver_->map.scrollBarThumb(1).center());
        driver_->session.key(QStringLiteral("End")); // slow-down 20: a run of 24 s
        driver_->click(*program, QStringLiteral("cmdStart"));
        QVERIFY2(program->waitForRunsStarted(1, 10000), qPrintable(program->log()));
        QCOMPARE(program->runs().front().slowDown, QStringLiteral("20"));
        QTest::qWait(1000);
        driver_->click(*program, QStringLiteral("cmdStart"));
        driver_->click(*program, QStringLiteral("cmdStart"));
        const qint64 escapedAt = program->sinceLaunchMs();
        driver_->session.key(QStringLiteral("Escape"));
        QVERIFY2(program->waitForRunsEnded(1, 3000), qPrintable(program->log()));
        QVERIFY(program->runs().front().stopped);
        QVERIFY2(program->runs().front().endMs - escapedAt < 1000, qPrintable(program->log()));
        program->poll(1500);
        QCOMPARE(program->runsStarted(), 1);
        QVERIFY(program->isAlive() && program->windowShows());
        QCOMPARE(driver_->exit(*program, 10000), QString());
    }

    // Ctrl+C must put the picture on the clipboard as an image of the picture's size.
    void copyPutsThePictureOnTheClipboard()
    {
        auto program = driver_->launch();
        QVERIFY(program->windowId() != 0);
        driver_->click(*program, QStringLiteral("cmdStart"));
        QVERIFY2(program->waitForRunsEnded(1, 20000), qPrintable(program->log()));
        driver_->session.key(QStringLiteral("ctrl+c"));
        QProcess xclip;
        xclip.setProcessEnvironment(driver_->session.environment());
        QImage copied;
        for (int attempt = 0; attempt < 20 && copied.isNull(); ++attempt) {
            program->poll(100);
            xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", "image/png", "-o"});
            QVERIFY(xclip.waitForFinished(5000));
            copied.loadFromData(xclip.readAllStandardOutput(), "PNG");
        }
        QCOMPARE(copied.size(), sceneSize);
        // The plot axis the run left, black from end to end.
        for (int y = 100; y <= 500; y += 50)
            QVERIFY(pixels::dark(copied, 600, y));
        driver_->session.key(QStringLiteral("Escape"));
        QCOMPARE(driver_->exit(*program, 10000), QString());
    }

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

    // Saving writes the whole picture or nothing: a failure leaves no partial or temporary file.
    void savingIsWholeOrNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saved");
        QTest::newRow("a new file") << "picture.png" << true;
        QTest::newRow("the name of a folder") << "folder" << false;
        QTest::newRow("in a folder that does not exist") << "missing/picture.png" << false;
    }
    void savingIsWholeOrNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        ShownWindow shown;
        frmQuarnel &window = shown.window;
        window.cmdStart_Click();
        QString error;
        QCOMPARE(PictureCommands::writePicture(window.picture().canvas().image(), dir.filePath(name), &error), saved);
        QCOMPARE(error.isEmpty(), saved);
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        if (saved) {
            QCOMPARE(left, QStringList{name});
            QCOMPARE(QImage(dir.filePath(name)), window.picture().canvas().image());
        } else {
            QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
        }
    }

private:
    std::unique_ptr<WindowDriver> driver_;
};

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
