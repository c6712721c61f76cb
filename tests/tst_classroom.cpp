// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/picturecommands.h"
#include "picture/scenepicture.h"
#include "testsupport.h"
#include "tracedquarnel.h"
#include "window/frmquarnel.h"

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

    // Saving writes the whole picture or nothing: a failure leaves no partial or
    // temporary file and says why; a full disk is not reported as a success.
    void savingIsWholeOrNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why"); // empty: saved
        // clang-format off
        QTest::newRow("a new file") << "picture.png" << "";
        QTest::newRow("the name of a folder") << "folder" << "directory";
        QTest::newRow("in a folder that does not exist") << "missing/picture.png" << "No such file";
        QTest::newRow("a full disk") << "full/picture.png" << "No space left on device";
        // Less room than the picture: the write fails part of the way, which alone says "Unknown error".
        QTest::newRow("a disk with 8 KiB left") << "small/picture.png" << "No space left on device";
        // clang-format on
    }
    void savingIsWholeOrNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, why);
        const bool saved = why.isEmpty();
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        std::optional<FullDisk> full;
        const QString disk = name.section('/', 0, 0);
        if ((disk == "full" || disk == "small")
            && !full.emplace(dir, disk, disk == "small" ? "8k" : "20k").ready())
            QSKIP("no tmpfs can be mounted here");
        ShownWindow shown;
        frmQuarnel &window = shown.window;
        window.cmdStart_Click();
        QString error;
        QCOMPARE(PictureCommands::writePicture(window.picture().canvas().image(), dir.filePath(name), &error),
                 saved);
        QVERIFY2(error.contains(why), qPrintable(error));
        const QString folder = QFileInfo(dir.filePath(name)).path();
        const QStringList left =
            QDir(QDir(folder).exists() ? folder : dir.path()).entryList(QDir::Files | QDir::Hidden);
        if (saved) {
            QCOMPARE(left, QStringList{QFileInfo(name).fileName()});
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
