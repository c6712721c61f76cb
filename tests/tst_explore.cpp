// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/announcement.h"
#include "accessibility/settingcaptions.h"
#include "choices.h"
#include "commands/picturecommands.h"
#include "explore/exploreplot.h"
#include "explore/explorewindow.h"
#include "explore/runtable.h"
#include "explore/screenstrip.h"
#include "picture/windowzoom.h"
#include "runreading.h"
#include "runrecord.h"
#include "scan.h"
#include "startup/translations.h"
#include "testsupport.h"

#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>
#include <set>

namespace {
// A window after a run with these options chosen (the start-up settings
// besides), and its Explore window open.
struct Explored : ShownWindow {
    ExploreWindow *explore = nullptr;
    explicit Explored(const QStringList &options = {})
    {
        for (const QString &name : options)
            option(name)->setChecked(true);
        window.cmdStart_Click();
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        explore = window.explore();
    }
    const RunRecord &run() { return window.session().currentRun(); }
    QLineEdit *readout(const char *name)
    {
        return explore->findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QListWidget *readouts() { return explore->findChild<QListWidget *>("pointReadouts"); }
    // The line of the point's readouts that `key` names, as it shows.
    QString line(const QString &key)
    {
        for (int row = 0; row < readouts()->count(); ++row) {
            if (readouts()->item(row)->data(Qt::UserRole) == key)
                return readouts()->item(row)->text();
        }
        return {};
    }
    QString said()
    {
        const auto *announcement = window.findChild<Announcement *>(QString(), Qt::FindDirectChildrenOnly);
        return announcement ? announcement->text() : QString();
    }
    // Whether the picture shown at the point has the overlay's colour around it.
    static bool marked(const QImage &image, QPoint at)
    {
        return pixels::count(image, QRect(at - QPoint(9, 9), QSize(19, 19)),
                             pixels::colour(qRgb(210, 0, 140)))
            > 0;
    }
};

const QAbstractItemModel *runsTable(const Explored &shown)
{
    return shown.explore->findChild<QTableView *>("runsTable")->model();
}

std::vector<QStringList> rowsOf(const QString &text, QChar separator)
{
    std::vector<QStringList> rows;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        rows.push_back(line.split(separator));
    return rows;
}

// A row's numbers as the record holds them, in the table's columns.
std::vector<double> expectedRow(const RunRecord &run, int point)
{
    const PointReading r = ReadPoint(run, point);
    const RunRecord::Point &p = run.points()[std::size_t(point - 1)];
    return {double(point),
            p.y,
            run.geometry().centreY - p.y,
            p.pathA,
            p.pathB,
            r.differenceWaves,
            r.phaseDifferenceDegrees,
            p.computed,
            r.photons ? double(r.dots) : p.shown};
}
} // namespace

class TestExplore : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::system());
        installTranslations(QLocale::c());
    }

    // Ctrl+E making a second window, a modal one, one that does not show, or one
    // that stays above the main window (a child of it).
    void oneWindowBesideTheMainOne()
    {
        Explored shown;
        QVERIFY(shown.explore && shown.explore->isVisible() && !shown.explore->isModal());
        QVERIFY(!shown.explore->parent());
        QTest::keyClick(&shown.window, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(shown.window.explore(), shown.explore);
    }

    // An access key that two captions share in a language, so that its first
    // press only moves the focus (Alt+S went to the formula's check box rather
    // than Save table), or one that does not act.
    void accessKeysActAtOnce_data() { addLanguageRows(true); }
    void accessKeysActAtOnce()
    {
        QFETCH(QString, language);
        installTranslations(QLocale(language));
        for (const char *name :
             {"pointBox", "showFormula", "pointTones", "keepRun", "saveTable", "copyTable"}) {
            Explored shown;
            QApplication::setActiveWindow(shown.explore);
            QGuiApplication::clipboard()->clear();
            auto *control = shown.explore->findChild<QWidget *>(name);
            auto *button = qobject_cast<QAbstractButton *>(control);
            QString caption = button ? button->text() : QString();
            for (const QLabel *label : shown.explore->findChildren<QLabel *>())
                caption = label->buddy() == control ? label->text() : caption;
            QTest::keySequence(shown.explore, QKeySequence::mnemonic(caption));
            const std::map<QString, std::function<bool()>> acted{
                {"pointBox", [&] { return QApplication::focusWidget() == control; }},
                {"showFormula", [&] { return button->isChecked(); }},
                {"pointTones", [&] { return !button->isChecked(); }},
                {"keepRun", [&] { return shown.explore->keptRuns().runs().size() == 1; }},
                {"saveTable", [&] { return shown.explore->findChild<QFileDialog *>() != nullptr; }},
                {"copyTable", [] { return !QGuiApplication::clipboard()->text().isEmpty(); }}};
            // A button pressed by its key shows itself pressed a moment before it acts.
            QTRY_VERIFY2(acted.at(name)(), qPrintable(caption));
        }
        installTranslations(QLocale::c());
    }

    // A key that does nothing, moves the wrong way or by the wrong step, or works
    // only where the focus happens to be; N or Shift+N mixed up or going elsewhere.
    void keysSelectPoints_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("moved"); // points up from 200; 0: the next bright (Shift: dark) point
        // clang-format off
        QTest::newRow("slider Up") << "pointSlider" << int(Qt::Key_Up) << 0 << 1;
        QTest::newRow("slider Page Down") << "pointSlider" << int(Qt::Key_PageDown) << 0 << -20;
        QTest::newRow("spin box Down") << "pointBox" << int(Qt::Key_Down) << 0 << -1;
        QTest::newRow("spin box Page Up") << "pointBox" << int(Qt::Key_PageUp) << 0 << 20;
        QTest::newRow("plot Up") << "explorePlot" << int(Qt::Key_Up) << 0 << 1;
        QTest::newRow("plot Page Up") << "explorePlot" << int(Qt::Key_PageUp) << 0 << 20;
        QTest::newRow("readouts Page Down") << "pointReadouts" << int(Qt::Key_PageDown) << 0 << -20;
        QTest::newRow("spin box N") << "pointBox" << int(Qt::Key_N) << 0 << 0;
        QTest::newRow("plot Shift+N") << "explorePlot" << int(Qt::Key_N) << int(Qt::ShiftModifier) << 0;
        QTest::newRow("readouts N") << "pointReadouts" << int(Qt::Key_N) << 0 << 0;
        QTest::newRow("slider Shift+N") << "pointSlider" << int(Qt::Key_N) << int(Qt::ShiftModifier) << 0;
        // clang-format on
    }
    void keysSelectPoints()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, moved);
        Explored shown;
        QApplication::setActiveWindow(shown.explore);
        auto *target = shown.explore->findChild<QWidget *>(focus);
        target->setFocus();
        QCOMPARE(shown.explore->selectedPoint(), 200);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // N and Shift+N land where the run's reading says the next bright (dark) point is;
        // that reading's own faults are tst_runreading's.
        const int point = shown.explore->selectedPoint();
        QVERIFY(point != 200);
        QCOMPARE(point, moved != 0 ? 200 + moved : NextExtreme(shown.run(), 200, modifiers == 0));
        QCOMPARE(shown.explore->findChild<QSpinBox *>("pointBox")->value(), point);
        QCOMPARE(shown.explore->findChild<QSlider *>("pointSlider")->value(), point);
    }

    // A readout that keeps another point's numbers; a plot whose description stays put.
    void readoutsFollowTheSelectedPoint()
    {
        Explored shown;
        QAccessibleInterface *plot =
            QAccessible::queryAccessibleInterface(shown.explore->findChild<ExplorePlot *>());
        QCOMPARE(plot->role(), QAccessible::Graphic);
        const QString plotBefore = plot->text(QAccessible::Description);
        std::map<QString, QString> before;
        const char *changing[] = {"readoutHeight", "readoutPathA",    "readoutPathB",   "readoutDifference",
                                  "readoutPhase",  "readoutComputed", "readoutPlotted", "readoutOrder"};
        for (const char *key : changing)
            before[key] = shown.line(key);
        shown.explore->selectPoint(250);
        for (const char *key : changing)
            QVERIFY2(!before[key].isEmpty() && shown.line(key) != before[key], key);
        QVERIFY(plot->text(QAccessible::Description) != plotBefore);
        const PointReading r = ReadPoint(shown.run(), 250);
        QVERIFY(shown.line("readoutPathA").contains(QLocale().toString(r.pathA, 'f', 2)));
        QVERIFY(shown.line("readoutPathB").contains(QLocale().toString(r.pathB, 'f', 2)));
        QVERIFY(shown.line("readoutHeight").endsWith(QLocale().toString(r.height, 'f', 0) + " px"));
    }

    // What a screen reader is given of a point below the axis, in each language
    // and digits: a hyphen it drops after "=" or a word ("m = -14" heard as
    // "m equals fourteen"), digit groups it reads as two numbers ("10 000",
    // "10,000"), direction marks, or "px" spelled out.
    void spokenNumbersReadWhole_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale :
             {"en_US", "cs_CZ", "sk_SK", "de_DE", "fr_FR", "es_ES", "pl_PL", "ar_EG", "fa_IR"})
            QTest::newRow(locale) << locale;
    }
    void spokenNumbersReadWhole()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        installTranslations(QLocale(locale));
        Explored shown;
        shown.explore->selectPoint(60); // 140 px below the axis
        QApplication::setActiveWindow(shown.explore);
        shown.readouts()->setFocus();
        QTest::keyClick(shown.readouts(), Qt::Key_N, Qt::ShiftModifier);
        QStringList heard{shown.said(), shown.explore->findChild<ExplorePlot *>()->accessibleDescription()};
        // R in the point box, which would take the letter: the next bright point's height and brightness.
        auto *box = shown.explore->findChild<QSpinBox *>("pointBox");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_N);
        QTest::keyClick(box, Qt::Key_R);
        const double most = std::max_element(shown.run().points().begin(), shown.run().points().end(),
                                             [](const auto &a, const auto &b) { return a.shown < b.shown; })
                                ->shown;
        const double bar = shown.run().points()[std::size_t(box->value() - 1)].shown;
        const QRegularExpression percent(
            QStringLiteral("(^|\\D)%1(\\D|$)").arg(QLocale().toString(qRound(100 * bar / most))),
            QRegularExpression::UseUnicodePropertiesOption);
        QVERIFY2(percent.match(shown.said()).hasMatch(), qPrintable(shown.said()));
        heard << shown.said();
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(shown.readouts());
        for (int row = 0; row < list->childCount(); ++row)
            heard << list->child(row)->text(QAccessible::Name);
        const QString group = QRegularExpression::escape(QLocale().groupSeparator());
        const QRegularExpression wrong(
            QStringLiteral("-\\d|\\d[\\s%1]\\d|\\bpx\\b|[\\x{200E}\\x{200F}\\x{061C}]").arg(group),
            QRegularExpression::UseUnicodePropertiesOption);
        for (const QString &text : heard)
            QVERIFY2(!wrong.match(text).hasMatch(), qPrintable(text));
        // The point below the axis is heard with its minus sign, after N and after R.
        QVERIFY2(heard[0].contains(QChar(0x2212)), qPrintable(heard[0]));
        QVERIFY2(heard[2].contains(QChar(0x2212)), qPrintable(heard[2]));
    }

    // Captions lost where the language writes digits of its own and a setting's
    // text has ASCII ones, which the run reads as the same number: "Last run: ,
    // slit spacing  (slits ٣٠ px apart)" in the status line and the kept runs.
    void captionsWhateverTheDigits_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("Arabic, Egypt") << "ar_EG";
        QTest::newRow("Persian") << "fa_IR";
    }
    void captionsWhateverTheDigits()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        Explored shown;
        const char *options[] = {"op60", "opDc150", "op2", "opFoton"};
        for (const char *name : options) {
            const Choice &choice = choiceNamed(name);
            shown.window.session().choose(choice.setting, QLocale::c().toString(choice.value));
        }
        shown.window.cmdStart_Click();
        shown.explore->keepRun();
        const QString status = shown.explore->findChild<QLabel *>("exploreStatus")->text();
        const QString kept = runsTable(shown)->index(1, KeptRuns::Settings).data().toString();
        for (const char *name : options) {
            const QString caption = withoutSoftHyphens(translatedCaption(choiceNamed(name)));
            QVERIFY2(status.contains(caption), qPrintable(status));
            QVERIFY2(kept.contains(caption), qPrintable(kept));
        }
    }

    // The window waiting for the run's end, or not following it, instead of
    // reading the record as the run grows.
    void followsTheRunAsItGrows()
    {
        Explored shown;
        shown.window.session().setStepDuration(countdownStep);
        shown.explore->selectPoint(100);
        shown.window.cmdStart_Click();
        QVERIFY(shown.window.session().isRunning());
        QTRY_VERIFY(shown.line("readoutHeight").endsWith(QChar(0x2212) + QString("100 px")));
        QVERIFY(shown.window.session().isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!shown.window.session().isRunning(), 10000);
    }

    // The mark drawn into the kept picture, so that copying or saving takes it
    // along; or a mark that never shows, or stays when Explore closes.
    void overlayIsNeverInThePicture()
    {
        Explored shown;
        shown.explore->selectPoint(361);
        const QPoint at(450, 500 - 361);
        QVERIFY(Explored::marked(shown.grab(), at));
        shown.window.commands().copyPicture();
        QVERIFY(!Explored::marked(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                                  at));
        QTemporaryDir dir;
        shown.window.commands().savePictureAs();
        auto *dialog = shown.window.findChild<QFileDialog *>();
        emit dialog->fileSelected(dir.filePath("picture.png"));
        QVERIFY(
            !Explored::marked(QImage(dir.filePath("picture.png")).convertToFormat(QImage::Format_RGB32), at));
        shown.explore->close();
        QVERIFY(!Explored::marked(shown.grab(), at));
    }

    // The run's table as a file (C numbers, whatever the desktop's language) or
    // on the clipboard (for a spreadsheet in the pupil's language): commas for
    // decimal points in the file, a point for a comma or group separators on the
    // clipboard, digits a spreadsheet does not read (Arabic ones) or direction
    // marks before a minus sign, digits lost on the way, columns out of the
    // header's order, or the photon count for the dots drawn.
    void tableReadsBackAsTheRecord_data()
    {
        QTest::addColumn<bool>("clipboard");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pattern");
        // clang-format off
        QTest::newRow("file, English, light") << false << "en_US" << "opSvětlo";
        QTest::newRow("file, Czech, light") << false << "cs_CZ" << "opSvětlo";
        QTest::newRow("file, Czech, photons") << false << "cs_CZ" << "opDopad";
        QTest::newRow("clipboard, English") << true << "en_US" << "opSvětlo";
        QTest::newRow("clipboard, Czech, photons") << true << "cs_CZ" << "opDopad";
        QTest::newRow("clipboard, German") << true << "de_DE" << "opSvětlo";
        QTest::newRow("clipboard, Arabic, Egypt") << true << "ar_EG" << "opSvětlo";
        QTest::newRow("clipboard, Persian") << true << "fa_IR" << "opSvětlo";
        QTest::newRow("clipboard, Hebrew") << true << "he_IL" << "opSvětlo";
        // clang-format on
    }
    void tableReadsBackAsTheRecord()
    {
        QFETCH(bool, clipboard);
        QFETCH(QString, locale);
        QFETCH(QString, pattern);
        QLocale::setDefault(QLocale(locale));
        Explored shown({pattern});
        // The file holds runTableCsv's bytes (savingIsWholeOrNothing checks).
        QString text = QString::fromUtf8(runTableCsv(shown.run()));
        if (clipboard) {
            shown.explore->copyTable();
            text = QGuiApplication::clipboard()->text();
        }
        // ASCII digits and minus; on the clipboard the language's decimal comma, where it has one.
        const QString decimal = clipboard && QLocale().decimalPoint() == "," ? "," : "\\.";
        const QRegularExpression number("^-?[0-9]+(" + decimal + "[0-9]+)?([eE][-+]?[0-9]+)?$");
        const std::vector<QStringList> rows = rowsOf(text, clipboard ? QChar('\t') : QChar(','));
        QCOMPARE(rows.size(), std::size_t(1 + scan::pointCount));
        if (!clipboard)
            QCOMPARE(rows[0].join(','),
                     QString("point,y,height,path_a,path_b,path_difference_wavelengths,"
                             "phase_difference_degrees,intensity,plotted"));
        for (int point = 1; point <= scan::pointCount; ++point) {
            const std::vector<double> expected = expectedRow(shown.run(), point);
            QCOMPARE(std::size_t(rows[std::size_t(point)].size()), expected.size());
            for (std::size_t column = 0; column < expected.size(); ++column) {
                const QString cell = rows[std::size_t(point)][qsizetype(column)];
                QVERIFY2(number.match(cell).hasMatch(), qPrintable(cell));
                QCOMPARE(QString(cell).replace(',', '.').toDouble(), expected[column]);
            }
        }
    }

    // A failed save of the picture or the run's table leaving a partial or
    // temporary file, or none with no message; a full disk taken for a success;
    // a name without the file type's ending saved as it is; a saved table not
    // heard as saved, or a failed one heard as saved.
    void savingIsWholeOrNothing_data()
    {
        QTest::addColumn<bool>("picture"); // or the run's table
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("saved"); // empty: nothing saved
        // clang-format off
        QTest::newRow("a table without .csv") << false << "table" << "table.csv";
        QTest::newRow("a table with .CSV") << false << "table.CSV" << "table.CSV";
        QTest::newRow("a picture") << true << "picture.png" << "picture.png";
        QTest::newRow("the name of a folder") << true << "folder.png" << "";
        QTest::newRow("in a folder that does not exist") << false << "missing/table.csv" << "";
        QTest::newRow("a full disk") << true << "full/picture.png" << "";
        // Less room than the picture: the write fails part of the way, which alone says "Unknown error".
        QTest::newRow("a disk with 8 KiB left") << true << "small/picture.png" << "";
        // clang-format on
    }
    void savingIsWholeOrNothing()
    {
        QFETCH(bool, picture);
        QFETCH(QString, name);
        QFETCH(QString, saved);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
        std::optional<FullDisk> full;
        const QString disk = name.section('/', 0, 0);
        if ((disk == "full" || disk == "small")
            && !full.emplace(dir, disk, disk == "small" ? "8k" : "20k").ready())
            QSKIP("no tmpfs can be mounted here");
        Explored shown;
        picture ? shown.window.commands().savePictureAs() : shown.explore->saveTableAs();
        QWidget *window = picture ? static_cast<QWidget *>(&shown.window) : shown.explore;
        auto *dialog = window->findChild<QFileDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        // The dialog waits without holding up a run.
        shown.window.cmdStart_Click();
        QVERIFY(!shown.window.session().isRunning());
        emit dialog->fileSelected(dir.filePath(name));
        const QString folder = QFileInfo(dir.filePath(name)).path();
        const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        auto *message = window->findChild<QMessageBox *>();
        if (saved.isEmpty()) {
            QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
            QVERIFY(message && message->isVisible());
            QVERIFY2(full.has_value() == message->text().contains("No space left on device"),
                     qPrintable(message->text()));
            QVERIFY2(!shown.said().contains("saved"), qPrintable(shown.said()));
            return;
        }
        QCOMPARE(left, QStringList{saved});
        QVERIFY(!message);
        if (picture) {
            QCOMPARE(QImage(dir.filePath(saved)), shown.window.picture().canvas().image());
            return;
        }
        QFile file(dir.filePath(saved));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), runTableCsv(shown.run()));
        QVERIFY2(shown.said().contains(saved), qPrintable(shown.said()));
    }

    // A name typed without its extension silently replaced an existing file of
    // that name with the extension; a name with double quotes saved as another
    // file (Qt's dialog reads it as a list of names); "a.b" was checked as "a.b"
    // and saved over "a.b.png". The name typed is the file
    // saved, its ending added, and the dialog asks before replacing one: No keeps it.
    void typedNameIsTheFileSaved_data()
    {
        QTest::addColumn<bool>("table"); // the run's table, else the picture
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("existing"); // a file there before, kept: No is the answer
        QTest::addColumn<QString>("saved");
        // clang-format off
        QTest::newRow("picture over a file") << false << "exist" << "exist.png" << "";
        QTest::newRow("table over a file") << true << "exist" << "exist.csv" << "";
        QTest::newRow("quoted word") << false << "say \"cheese\"" << "" << "say \"cheese\".png";
        QTest::newRow("quoted names") << true << "\"a\" \"b.csv\"" << "" << "\"a\" \"b.csv\".csv";
        QTest::newRow("quotes over a file") << false << "\"q\"" << "\"q\".png" << "";
        QTest::newRow("other ending over a file") << false << "a.b" << "a.b.png" << "";
        // clang-format on
    }
    void typedNameIsTheFileSaved()
    {
        QFETCH(bool, table);
        QFETCH(QString, typed);
        QFETCH(QString, existing);
        QFETCH(QString, saved);
        QTemporaryDir dir;
        QFile file(dir.filePath(existing));
        QVERIFY(existing.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write("kept") == 4));
        file.close();
        Explored shown;
        if (table)
            shown.explore->saveTableAs();
        else
            shown.window.commands().savePictureAs();
        auto *dialog =
            (table ? static_cast<QWidget *>(shown.explore) : &shown.window)->findChild<QFileDialog *>();
        QVERIFY(dialog);
        dialog->setDirectory(dir.path());
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(typed);
        QString asked;
        const auto answerNo = [&asked, dialog] {
            for (auto *box : dialog->findChildren<QMessageBox *>())
                if (box->isVisible()) {
                    asked = box->text();
                    box->button(QMessageBox::No)->click();
                }
        };
        QTimer ownLoop; // a box with an event loop of its own; never fires after this test
        ownLoop.setSingleShot(true);
        connect(&ownLoop, &QTimer::timeout, answerNo);
        ownLoop.start(0);
        QTest::keyClick(name, Qt::Key_Return);
        answerNo(); // or one opened without
        const QStringList left = QDir(dir.path()).entryList(QDir::Files);
        if (!existing.isEmpty()) {
            QVERIFY2(asked.contains(existing), qPrintable(asked));
            QCOMPARE(left, QStringList{existing});
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("kept"));
            return;
        }
        QVERIFY2(asked.isEmpty(), qPrintable(asked));
        QCOMPARE(left, QStringList{saved});
    }

    // A kept run lost or kept twice, or kept without a word to a screen reader; a
    // fifth that does not replace the oldest, two runs drawn alike; band spacings
    // that do not grow as the slits close up.
    void keptRunsSideBySide()
    {
        Explored shown;
        shown.explore->keepRun();
        QCOMPARE(shown.said(), QString("Run kept."));
        shown.option(QStringLiteral("op40"))->setChecked(true);
        shown.window.cmdStart_Click();
        shown.explore->keepRun();
        const std::deque<KeptRun> &kept = shown.explore->keptRuns().runs();
        QCOMPARE(kept.size(), std::size_t(2));
        // Each keeps its own run's bands (by how much they grow is tst_runreading's).
        QVERIFY(kept[1].bands.spacing.value() > kept[0].bands.spacing.value());
        // The current run's row and one a kept run, told apart by line.
        const QAbstractItemModel *table = runsTable(shown);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(QLocale().toDouble(table->index(1, 2).data().toString()), kept[1].bands.spacing.value());

        for (const char *spacing : {"op20", "opVelka", "op0"}) {
            shown.option(QString::fromLatin1(spacing))->setChecked(true);
            shown.window.cmdStart_Click();
            shown.explore->keepRun();
        }
        QCOMPARE(kept.size(), KeptRuns::most);
        QCOMPARE(kept.front().run.setting(Setting::nOdchylka), QString("10"));
        QCOMPARE(kept.back().run.setting(Setting::nOdchylka), QString("0"));
        std::set<int> lines;
        for (const KeptRun &run : kept)
            lines.insert(run.line);
        QCOMPARE(lines.size(), KeptRuns::most);
        QVERIFY(!lines.count(0)); // the current run's
    }

    // The runs table counting bands its own way: 13 bands 21.12 px apart at
    // start-up, where the end of the run and the picture's description say 11,
    // 20 px apart; for the last run and for the same run kept.
    void runsTableCountsTheBandsThePupilSees_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("start-up") << QStringList{};
        QTest::newRow("spacing large, photons") << QStringList{"opVelka", "opDopad"};
        QTest::newRow("distance 100, frequency 0.3") << QStringList{"opdc100", "op03"};
        QTest::newRow("spacing small, frequency 2") << QStringList{"op20", "op2"};
        QTest::newRow("spacing 0") << QStringList{"op0"};
    }
    void runsTableCountsTheBandsThePupilSees()
    {
        QFETCH(QStringList, options);
        Explored shown(options);
        shown.explore->keepRun();
        const BandReading &bands = shown.window.session().lastWholeRun()->bands;
        const QString spacing = bands.spacing ? QLocale().toString(*bands.spacing, 'f', 2) : QString("none");
        for (int row : {0, 1}) {
            QCOMPARE(runsTable(shown)->index(row, 1).data().toString(),
                     QLocale().toString(qlonglong(bands.bright.size())));
            QCOMPARE(runsTable(shown)->index(row, 2).data().toString(), spacing);
        }
        QVERIFY2(shown.readout("readoutSpacing")->text().startsWith("measured " + spacing),
                 qPrintable(shown.readout("readoutSpacing")->text()));
    }

    // A kept run's name cut off with "…" where a language's words are long: in
    // German and French every run's name fits whole in its cell, so a screen
    // reader and an eye read the same text.
    void runNamesReadWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("de") << "de";
        QTest::newRow("fr") << "fr";
    }
    void runNamesReadWhole()
    {
        QFETCH(QString, language);
        installTranslations(QLocale(language));
        Explored shown({"opDc150", "op05", "opDopad"});
        shown.explore->keepRun();
        auto *view = shown.explore->findChild<QTableView *>("runsTable");
        QCoreApplication::processEvents();
        for (int row : {0, 1}) {
            const QModelIndex cell = view->model()->index(row, KeptRuns::Settings);
            const QRect room = view->visualRect(cell).adjusted(4, 0, -4, 0);
            const QRect needed = view->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000),
                                                                  Qt::TextWordWrap, cell.data().toString());
            QVERIFY2(needed.height() <= room.height() && needed.width() <= room.width(),
                     qPrintable(cell.data().toString()));
        }
        installTranslations(QLocale::c());
    }

    // A strip beside the plot that is not the shown run's record as the plot has
    // it: scaled another way, shifted or stretched against the plot's heights,
    // left at the run before, the brightest band short of white or a dark band
    // lighter than its record; or a strip a screen reader takes for a control.
    void stripShowsThePlottedRecord_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("zoom"); // at least a pixel of the plot's height for each point
        QTest::newRow("Interference") << QStringList{"opFoton"} << 200;
        QTest::newRow("Light pattern, slits far apart") << QStringList{"opSvětlo", "opVelka"} << 300;
        QTest::newRow("Photon density, screen near") << QStringList{"opDopad", "opdc100"} << 200;
    }
    void stripShowsThePlottedRecord()
    {
        QFETCH(QStringList, options);
        QFETCH(int, zoom);
        Explored shown;
        shown.window.zoom().setPercent(zoom);
        for (const QString &name : options)
            shown.option(name)->setChecked(true);
        shown.window.cmdStart_Click();
        auto *plot = shown.explore->findChild<ExplorePlot *>();
        auto *strip = shown.explore->findChild<ScreenStrip *>();
        // Heard as a picture, by its name.
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(strip);
        QVERIFY(face->role() == QAccessible::Graphic && !face->text(QAccessible::Name).isEmpty());
        // Laid out again after the zoom; below, the plot's y is the strip's.
        QTRY_COMPARE(strip->height(), plot->height());
        QVERIFY(plot->yOf(-1) - plot->yOf(0) > 1);
        const QImage image = strip->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const RunRecord &run = shown.run();
        QCOMPARE(int(run.points().size()), scan::pointCount);
        const auto top = std::max_element(run.points().begin(), run.points().end(),
                                          [](const auto &a, const auto &b) { return a.shown < b.shown; });
        const double largest = top->shown;
        // The grey at a point's height on the plot, and the record's value there scaled to 0 … 255.
        const auto grey = [&](int point) {
            const RunRecord::Point &p = run.points()[std::size_t(point - 1)];
            const QRgb pixel =
                image.pixel(strip->width() / 2, int(std::floor(plot->yOf(run.geometry().centreY - p.y))));
            return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) ? qRed(pixel) : -1;
        };
        const auto scaled = [&](int point) {
            return 255 * run.points()[std::size_t(point - 1)].shown / largest;
        };
        for (int point = 1; point <= scan::pointCount; ++point)
            QVERIFY2(
                std::abs(grey(point) - scaled(point)) <= 1,
                qPrintable(QString("point %1: %2 for %3").arg(point).arg(grey(point)).arg(scaled(point))));
        // The record's top white; every dark band a pupil counts nearly black, under a twentieth of white.
        QCOMPARE(grey(int(top - run.points().begin()) + 1), 255);
        const BandReading &bands = shown.window.session().lastWholeRun()->bands;
        for (const PlottedBand &band : bands.dark)
            QVERIFY2(grey(band.point) < 255 / 20, qPrintable(QString::number(band.point)));
    }

    // The Explore window left at 100 % when the main window zooms for a projector.
    void zoomsWithTheWindow()
    {
        Explored shown;
        const QFont before = shown.explore->font();
        const int plotHeight = shown.explore->findChild<ExplorePlot *>()->minimumHeight();
        shown.window.zoom().setPercent(200);
        QCOMPARE(shown.explore->font().pointSizeF(), 2 * before.pointSizeF());
        QVERIFY(std::abs(shown.explore->findChild<ExplorePlot *>()->minimumHeight() - 2 * plotHeight) <= 2);
    }
};

QTEST_MAIN(TestExplore)
#include "tst_explore.moc"
