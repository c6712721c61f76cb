// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/announcement.h"
#include "choices.h"
#include "commands/activities.h"
#include "commands/helptext.h"
#include "commands/helpwindow.h"
#include "commands/optics.h"
#include "commands/picturecommands.h"
#include "commands/teachertext.h"
#include "explore/explorewindow.h"
#include "picture/windowzoom.h"
#include "quarnelinfo.h"
#include "run.h"
#include "run/runsession.h"
#include "runreading.h"
#include "runrecord.h"
#include "sound/patternplayer.h"
#include "startup/appearance.h"
#include "startup/translations.h"
#include "testsupport.h"
#include "window/controltable.h"

#include <QAction>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>
#include <optional>
#include <set>
#include <tuple>

namespace {
QString sourceFile(const QString &name)
{
    QFile file(QStringLiteral(QUARNEL_SOURCE_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// About, opened from the window as the menu opens it.
QDialog *openAbout(frmQuarnel &window)
{
    window.commands().showAbout();
    return window.commands().about();
}

// Notes every text asked for, in every context, and answers none: installed
// last, it is asked first, and the translations behind it answer.
class TextRecorder : public QTranslator {
public:
    struct Text {
        QByteArray context, source, disambiguation;
        bool operator<(const Text &other) const
        {
            return std::tie(context, source, disambiguation)
                < std::tie(other.context, other.source, other.disambiguation);
        }
    };
    mutable std::set<Text> asked;
    QString translate(const char *context, const char *source, const char *disambiguation, int) const override
    {
        asked.insert({context, source, disambiguation});
        return {};
    }
    bool isEmpty() const override { return false; }
};

// A PDF file's text, by poppler's pdftotext, its white space made single blanks.
QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-enc", "UTF-8", path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

// The help's text, as the help window shows it.
QString helpText(frmQuarnel &window)
{
    window.commands().showHelp();
    return window.commands().help()->findChild<QTextBrowser *>("helpText")->toPlainText();
}

// An option as an activity names it: "Slit spacing: minor", or the slow-down's number.
QString groupAndOption(const QString &name)
{
    const Choice &choice = choiceNamed(name.toStdString());
    const std::map<Setting, QString> groups{{Setting::nOdchylka, "Slit spacing"},
                                            {Setting::nVzdalenost, "Detector-Screen distance"},
                                            {Setting::nKmitočet, "Frequency"},
                                            {Setting::nInterference, "Pattern"},
                                            {Setting::nSpomaleni, "Slow-down"}};
    return groups.at(choice.setting) + ": "
        + (choice.setting == Setting::nSpomaleni ? choiceText(choice) : QString(choice.caption.source));
}

QString aboutText(QDialog *about)
{
    return QTextDocumentFragment::fromHtml(about->findChild<QLabel *>("aboutText")->text()).toPlainText();
}
} // namespace

// The commands a teacher finds from the window: the keys, the help, About, the tooltips.
class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }
    // English again for the next test.
    void cleanup() { installTranslations(QLocale::c()); }

    // A key that acts in the main window only, or does something else elsewhere:
    // Escape closing Explore and leaving the run going, F1, Ctrl+E, the zoom or
    // the Start key dead in Explore, the help or About, Ctrl+S in Explore saving
    // the picture instead of the table; a key that does more than its one thing;
    // Ctrl+Q that leaves a window open after the main one.
    void windowKeysActInEveryWindow_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("key");
        for (const QString where : {"main", "Explore", "help", "About"}) {
            const bool holdsAFile = where == "main" || where == "Explore"; // what Ctrl+S saves
            for (const QString &key :
                 QStringList{"F5", "Ctrl+R", "Escape", "H", "F1", "Ctrl+E", "Ctrl+-", "Ctrl+Q"}
                     + QStringList(holdsAFile ? 1 : 0, "Ctrl+S"))
                if (where + key != "helpF1" && where + key != "ExploreCtrl+E") // the window the key opens
                    QTest::addRow("%s in %s", qPrintable(key), qPrintable(where)) << where << key;
        }
        for (const char *focus : {"picture", "op60"})
            QTest::addRow("F5 on %s", focus) << focus << "F5";
    }
    void windowKeysActInEveryWindow()
    {
        QFETCH(QString, where);
        QFETCH(QString, key);
        frmQuarnel window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (key == "Ctrl+S") {
            runStraightThrough(window); // a whole run, its table to save
            window.cmdStart_Click();
        }
        window.zoom().setPercent(150);      // (Ctrl++ is refused on a screen too small for the next step)
        QPointer<QWidget> target = &window; // About is deleted once closed
        if (auto *focus = window.findChild<QWidget *>(where))
            focus->setFocus();
        if (where == "Explore")
            target = (window.showExplore(), window.explore());
        else if (where == "help")
            target = (window.commands().showHelp(), window.commands().help());
        else if (where == "About")
            target = openAbout(window);
        QApplication::setActiveWindow(target);
        if (key == "Escape")
            window.cmdStart_Click(); // a run going, to stop
        QSignalSpy started(&window.session(), &RunSession::started);
        QSignalSpy notice(&window.player(), &PatternPlayer::notice); // H before any run: why it is silent
        QTest::keySequence(target, QKeySequence(key));

        QCOMPARE(started.size(), key == "F5" || key == "Ctrl+R" ? 1 : 0);
        QCOMPARE(notice.size(), key == "H" ? 1 : 0);
        QCOMPARE(window.zoom().percent(), key == "Ctrl+-" ? 125 : 150);
        // The other windows, which have no parent to close with, close with the main one.
        QCOMPARE(target && target->isVisible(), key != "Ctrl+Q");
        QCOMPARE(window.isVisible(), key != "Ctrl+Q");
        if (key == "Escape")
            QVERIFY(!window.session().isRunning());
        if (key == "F1")
            QVERIFY(window.commands().help()->isVisible());
        if (key == "Ctrl+E")
            QVERIFY(window.explore() && window.explore()->isVisible());
        if (key == "Ctrl+S")
            QCOMPARE(target->findChild<QFileDialog *>()->windowTitle(),
                     where == "Explore" ? "Save table as" : "Save picture as");
    }

    // Ctrl+Q that ends the program in the middle of a run: it is Exit from the
    // keyboard, and waits for the run's end as Exit does.
    void ctrlQWaitsForTheRun()
    {
        frmQuarnel window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy ended(&window.session(), &RunSession::finished);
        window.cmdStart_Click();
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(window.isVisible() && window.session().isRunning());
        QVERIFY(ended.wait(30000));
        QVERIFY(!window.isVisible());
    }

    // A control that does not say what it does when the pointer rests on it, or a
    // picture that does not say where more is (its menu, the help): a teacher
    // finds both without being told. Every control a run leaves showing, and the
    // picture wherever no control lies, as Qt shows tooltips: at the widget under
    // the pointer, or the first of its parents that has one.
    void everyControlHasATooltip_data()
    {
        QTest::addColumn<QString>("name");
        frmQuarnel window;
        for (const ControlRow &row : controlTable()) {
            const QWidget *control = window.findChild<QWidget *>(QString::fromUtf8(row.name));
            if (!neverShown(row) && control->isVisibleTo(&window) && row.kind != ControlKind::Label
                && row.kind != ControlKind::SceneLabel)
                QTest::newRow(row.name) << QString::fromUtf8(row.name);
        }
    }
    void everyControlHasATooltip()
    {
        QFETCH(QString, name);
        ShownWindow shown;
        shown.window.cmdStart_Click();
        QWidget *control = shown.window.findChild<QWidget *>(name);
        QVERIFY(control && control->isVisible());
        // A spot of the control's own, not one of its options': the picture's below
        // the plot, a frame's next to its border.
        QPoint at =
            name == "picture" ? QPoint(700, 560) : control->mapTo(&shown.window, control->rect().center());
        if (qobject_cast<QGroupBox *>(control))
            at = control->mapTo(&shown.window, QPoint(3, control->height() - 4));
        QWidget *under = shown.window.childAt(at);
        QWidget *target = under ? under : &shown.window;
        if (name != "picture")
            QCOMPARE(target, control);
        QHelpEvent event(QEvent::ToolTip, target->mapFrom(&shown.window, at), shown.window.mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        QTRY_VERIFY(QToolTip::isVisible());
        const QString tip = QToolTip::text();
        QVERIFY(!tip.isEmpty());
        if (name == "picture") {
            const QString helpKey =
                shown.window.findChild<QAction *>("help")->shortcut().toString(QKeySequence::NativeText);
            QVERIFY2(tip.contains(helpKey), qPrintable(tip));
        } else {
            QVERIFY2(tip != shown.window.toolTip(), "the picture's tooltip over a control");
        }
        QToolTip::hideText();
    }

    // An activity whose answer is not what its runs show a pupil who follows the
    // worksheet from start-up, activity after activity: settings that differ from
    // the options it names (or that keep one an earlier activity left), a count or
    // spacing in the answer that is not the run's, a change it states that does
    // not hold, or the answer printed beside the question for the pupils.
    void activitiesAgreeWithThePupilsRuns_data()
    {
        QTest::addColumn<int>("activity");
        QTest::addColumn<QList<QStringList>>("named");   // the options the activity names, run by run
        QTest::addColumn<QList<QStringList>>("clicked"); // every option chosen since start-up, at each run
        QTest::addColumn<QString>("states");             // the readings the answer gives for each run
        QTest::addColumn<QString>("claim");
        QStringList clicks;
        const auto row = [&clicks](int activity, const QList<QStringList> &named, const char *states,
                                   const char *claim) {
            QList<QStringList> clicked;
            for (const QStringList &run : named)
                clicked << (clicks += run);
            QTest::addRow("%d %s", activity, claim)
                << activity << named << clicked << QString(states) << QString(claim);
        };
        const QStringList interference{"op60", "opDc200", "op2", "opFoton", "opRychlá"};
        row(1, {{"op0", "opDc200", "op2", "opFoton", "opRychlá"}}, "counts", "no bands");
        row(2, {interference, {"opVelka"}}, "counts spacings", "closer, more");
        row(3, {{"op60", "opdc100", "op2", "opFoton", "opRychlá"}, {"opDc200"}}, "spacings", "in proportion");
        row(4, {interference, {"op05"}}, "counts spacings", "farther, fewer");
        row(5, {{"op60", "opDc200", "op2", "opSvětlo", "opRychlá"}, {"opDopad", "opPomalá"}}, "counts",
            "as many");
        row(6, {interference}, "", "exact order");
        row(7, {interference}, "", "whole difference");
        row(8, {{"op20", "opDc200", "op01", "opFoton", "opRychlá"}, {"op0"}}, "counts", "one, then none");
    }
    void activitiesAgreeWithThePupilsRuns()
    {
        QFETCH(int, activity);
        QFETCH(QList<QStringList>, named);
        QFETCH(QList<QStringList>, clicked);
        QFETCH(QString, states);
        QFETCH(QString, claim);
        const Activity a = lessonActivities().at(std::size_t(activity) - 1);
        const QString settings = QTextDocumentFragment::fromHtml(a.settings).toPlainText();
        const QString answer = QTextDocumentFragment::fromHtml(a.answer).toPlainText();
        QCOMPARE(qsizetype(a.runs.size()), clicked.size());
        std::vector<RunRecord> records;
        std::vector<BandReading> bands;
        for (qsizetype run = 0; run < clicked.size(); ++run) {
            TextSettings pupil;
            for (const QString &name : clicked[run]) {
                const Choice &choice = choiceNamed(name.toStdString());
                pupil.set(choice.setting, choiceText(choice));
            }
            for (const QString &name : named[run])
                QVERIFY2(settings.contains(groupAndOption(name)), qPrintable(groupAndOption(name)));
            for (Setting setting : allSettings)
                QCOMPARE(a.runs[std::size_t(run)].text(setting), pupil.text(setting));
            records.push_back(recordRun(pupil));
            bands.push_back(ReadBands(records.back()));
            const QString count = QString::number(bands.back().bright.size());
            if (states.contains("counts"))
                QVERIFY2(answer.contains(QRegularExpression("\\b" + count + "\\b")), qPrintable(count));
            if (states.contains("spacings"))
                QVERIFY2(answer.contains(QString::number(bands.back().spacing.value_or(-1), 'f', 1)),
                         qPrintable(answer));
        }
        const auto spacing = [&bands](int run) { return bands[std::size_t(run)].spacing.value_or(0); };
        const auto count = [&bands](int run) { return bands[std::size_t(run)].bright.size(); };
        const SceneGeometry &g = records[0].geometry();
        if (claim == "no bands")
            QCOMPARE(count(0), 0u);
        else if (claim == "closer, more")
            QVERIFY(spacing(1) < spacing(0) && count(1) > count(0));
        else if (claim == "in proportion")
            QVERIFY(qAbs(spacing(1) / spacing(0)
                         - (records[1].geometry().screenX - g.barrierX) / (g.screenX - g.barrierX))
                    < 0.1);
        else if (claim == "farther, fewer")
            QVERIFY(spacing(1) > spacing(0) && count(1) < count(0));
        else if (claim == "as many")
            QCOMPARE(count(1), count(0));
        else if (claim == "one, then none")
            QVERIFY(count(0) == 1 && count(1) == 0);
        else if (claim == "exact order") {
            // Band 6 above the axis: the run's lies at the exact order, well beyond the formula's.
            const auto sixth = [](const std::vector<FringeMark> &marks) {
                return std::find_if(marks.begin(), marks.end(), [](auto m) { return m.order == 6; })->height;
            };
            const double exact = sixth(ExactFringes(g, records[0].waveNumber()));
            QVERIFY(exact > sixth(SmallAngleFringes(g, records[0].waveNumber())) + 10);
            QVERIFY(std::any_of(bands[0].bright.begin(), bands[0].bright.end(),
                                [exact](auto band) { return qAbs(band.height - exact) <= 2; }));
            QVERIFY(answer.contains(QString::number(exact, 'f', 1)));
        } else if (claim == "whole difference") {
            // The middle band: the paths are equal, neither a whole number of wavelengths.
            const auto middle =
                std::min_element(bands[0].bright.begin(), bands[0].bright.end(),
                                 [](auto x, auto y) { return qAbs(x.height) < qAbs(y.height); });
            const PointReading p = ReadPoint(records[0], middle->point);
            QVERIFY(qAbs(p.differenceWaves) < 0.01 && qAbs(p.pathAWaves - qRound(p.pathAWaves)) > 0.05);
            QVERIFY(a.question.contains(QString::number(middle->point))
                    && answer.contains(QString::number(p.pathAWaves, 'f', 3)));
        } else
            QFAIL("no such claim");
        QVERIFY(teacherHtml().contains(a.answer));
        QVERIFY(worksheetHtml().contains(a.question) && !worksheetHtml().contains(a.answer));
        QVERIFY(helpHtml().contains(a.question) && !helpHtml().contains(a.answer));
    }

    // A key the program has that the help does not name (a shortcut added, or
    // changed, without the help), or names otherwise than the menus do; or a
    // number the help works out written as another language writes it ("3.1" in
    // a Czech sentence). Every key of the window's and the help's commands, and
    // every decimal number, in every language.
    void helpInEveryLanguage_data() { addLanguageRows(true); }
    void helpInEveryLanguage()
    {
        QFETCH(QString, language);
        installTranslations(QLocale(language));
        frmQuarnel window;
        const QString text = helpText(window);
        QList<QAction *> actions = window.actions();
        actions += window.commands().help()->actions();
        int named = 0;
        for (const QAction *action : actions) {
            for (const QKeySequence &key : action->shortcuts()) {
                const QString name = key.toString(QKeySequence::NativeText);
                QVERIFY2(text.contains(name), qPrintable(name + " is not in the help"));
                ++named;
            }
        }
        QVERIFY(named >= 12);
        const QChar point = QLocale(language == "en" ? "en_GB" : language).decimalPoint().front();
        static const QRegularExpression decimal(QStringLiteral("\\d([.,])\\d"));
        int numbers = 0;
        for (const QRegularExpressionMatch &m : decimal.globalMatch(text)) {
            QCOMPARE(m.captured(1).front(), point);
            ++numbers;
        }
        QVERIFY(numbers > 10);
    }

    // The help's physics at odds with the picture: the bright bands a run in the
    // pattern Interference draws lie where the help's exact formula puts them,
    // within two pixels, and there are as many as it says fit on the screen.
    void helpBandsAgreeWithARun_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("frequency");
        const auto row = [](const char *name, const char *distance, const char *spacing,
                            const char *frequency) {
            QTest::newRow(name) << QString(distance) << QString(spacing) << QString(frequency);
        };
        // The help quotes the start-up settings' bands; a second geometry keeps
        // the formula honest beyond them. (The activities' numbers are the runs'
        // own, checked in activitiesAgreeWithThePupilsRuns.)
        row("start-up settings", "200", "15", "2");
        row("high frequency, large spacing", "200", "40", "0.5");
    }
    void helpBandsAgreeWithARun()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        const RunRecord record = recordRun(TextSettings(distance, spacing, frequency, "1"));
        // The run's bright peaks above the axis, in pixels from it.
        const std::vector<RunRecord::Point> &points = record.points();
        double brightest = 0;
        for (const RunRecord::Point &point : points)
            brightest = std::max(brightest, point.shown);
        QList<double> peaks;
        for (std::size_t i = 1; i + 1 < points.size(); ++i) {
            const double up = record.geometry().centreY - points[i].y;
            if (up > 0 && points[i].shown > 0.5 * brightest && points[i].shown >= points[i - 1].shown
                && points[i].shown >= points[i + 1].shown)
                peaks << up;
        }
        const double lambda = optics::wavelength(frequency.toDouble());
        const double edge = record.geometry().centreY - points.back().y;
        QList<double> predicted;
        for (int m = 1; optics::brightBand(m, lambda, distance.toDouble(), 2 * spacing.toDouble()); ++m)
            if (const double y = *optics::brightBand(m, lambda, distance.toDouble(), 2 * spacing.toDouble());
                y < edge - 2)
                predicted << y;
        QCOMPARE(peaks.size(), predicted.size());
        for (int i = 0; i < predicted.size(); ++i)
            QVERIFY2(qAbs(peaks[i] - predicted[i]) <= 2,
                     qPrintable(QString("band %1: the run at %2, the help at %3")
                                    .arg(i + 1)
                                    .arg(peaks[i])
                                    .arg(predicted[i])));
    }

    // Ctrl+P in the help that prints nothing, only the page in view or another
    // part than the one shown, that opens the print dialog with an event loop of
    // its own (the run behind it would stop), or a PDF font without Czech or
    // Polish letters: during a run Ctrl+P opens the dialog and returns at once,
    // the run ends meanwhile, and the dialog's Print writes to the file typed into
    // it every heading of the part its button shows and its last words. On a
    // full disk a part of a file left behind without a word: no file, and a
    // message with the system's reason.
    void ctrlPPrintsTheWholeHelp_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("part"); // its button's name
        QTest::addColumn<bool>("fullDisk");
        // clang-format off
        QTest::newRow("en help") << "en" << "showHelp" << false;
        QTest::newRow("cs help") << "cs" << "showHelp" << false;
        QTest::newRow("pl teacher") << "pl" << "showTeacher" << false;
        QTest::newRow("de worksheet") << "de" << "showWorksheet" << false;
        QTest::newRow("en help, full disk") << "en" << "showHelp" << true;
        // clang-format on
    }
    void ctrlPPrintsTheWholeHelp()
    {
        QFETCH(QString, language);
        QFETCH(QString, part);
        QFETCH(bool, fullDisk);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir folder;
        std::optional<FullDisk> full;
        if (fullDisk && !full.emplace(folder).ready())
            QSKIP("no tmpfs can be mounted here");
        installTranslations(QLocale(language));
        frmQuarnel window;
        window.show();
        QSignalSpy ended(&window.session(), &RunSession::finished);
        window.cmdStart_Click();
        window.commands().showHelp();
        auto *help = window.commands().help();
        QTest::mouseClick(help->findChild<QPushButton *>(part), Qt::LeftButton);
        QApplication::setActiveWindow(help);
        QTest::keyClick(help, Qt::Key_P, Qt::ControlModifier);
        auto *dialog = help->findChild<QPrintDialog *>();
        QVERIFY(dialog && dialog->isVisible() && window.session().isRunning());
        QVERIFY(ended.wait(30000));
        auto *fileName = dialog->findChild<QLineEdit *>("filename");
        QVERIFY(fileName);
        const QString pdf = folder.filePath(fullDisk ? "full/help.pdf" : "help.pdf");
        fileName->setText(pdf);
        dialog->accept();
        if (fullDisk) {
            const QStringList left = QDir(folder.filePath("full")).entryList(QDir::Files | QDir::Hidden);
            QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
            auto *message = help->findChild<QMessageBox *>();
            QVERIFY(message && message->isVisible());
            QVERIFY2(message->text().contains("No space left on device"), qPrintable(message->text()));
            return;
        }
        const QString printed = pdfText(pdf);
        const QTextDocument *document = help->findChild<QTextBrowser *>("helpText")->document();
        QStringList expected{document->lastBlock().text()};
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            if (block.blockFormat().headingLevel() > 0)
                expected << block.text();
        QVERIFY(expected.size() >= 8 && expected.contains(help->findChild<QPushButton *>(part)->text()));
        for (const QString &piece : expected)
            QVERIFY2(printed.contains(piece.simplified()), qPrintable(piece + " not printed"));
    }

    // A link from the help to the teacher's part or the worksheet that leads
    // nowhere, to the wrong part, or out to a browser: each shows its own part.
    void helpLinksShowTheirParts()
    {
        frmQuarnel window;
        window.commands().showHelp();
        auto *help = window.commands().help();
        auto *text = help->findChild<QTextBrowser *>("helpText");
        static const QRegularExpression links(QStringLiteral("href=\"([^\"]+)\""));
        QList<HelpWindow::Part> shown;
        for (const QRegularExpressionMatch &m : links.globalMatch(text->toHtml())) {
            help->showPart(HelpWindow::Help);
            emit text->anchorClicked(QUrl(m.captured(1)));
            shown << help->shownPart();
        }
        QCOMPARE(shown, (QList<HelpWindow::Part>{HelpWindow::Teacher, HelpWindow::Worksheet}));
    }

    // A help a screen reader cannot read by line (no caret: the keys only scroll),
    // whose heading keys skip a heading or do not say it, or whose keys reach the
    // window's option groups (Down changing the frequency).
    void helpHasACaret_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("headings"); // the caret's heading after three presses, from the title
        QTest::newRow("Down") << int(Qt::Key_Down) << 1;
        QTest::newRow("Ctrl+Down") << (Qt::ControlModifier | Qt::Key_Down).toCombined() << 3;
    }
    void helpHasACaret()
    {
        QFETCH(int, key);
        QFETCH(int, headings);
        frmQuarnel window;
        window.commands().showHelp();
        auto *help = window.commands().help();
        auto *text = help->findChild<QTextBrowser *>("helpText");
        QApplication::setActiveWindow(help);
        QVERIFY(QTest::qWaitForWindowActive(help));
        QSignalSpy said(help->findChild<Announcement *>(), &Announcement::said);
        const QString frequency = window.session().text(Setting::nKmitočet);
        const QKeyCombination press = QKeyCombination::fromCombined(key);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), press.key(), press.keyboardModifiers());
        QList<QTextBlock> passed; // the headings from the title to the caret
        for (QTextBlock b = text->document()->begin(); b != text->textCursor().block().next(); b = b.next())
            if (b.blockFormat().headingLevel() > 0)
                passed << b;
        QCOMPARE(passed.size() - 1, headings);
        QCOMPARE(window.session().text(Setting::nKmitočet), frequency);
        const bool byHeading = press.keyboardModifiers() != Qt::NoModifier;
        QCOMPARE(said.size(), byHeading ? 3 : 0);
        if (byHeading)
            QCOMPARE(said.last().first().toString(), passed.last().text());
        // Ctrl+Up: back to the heading before the caret's line.
        QTest::keyClick(text, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(text->textCursor().block(), passed.at(passed.size() - (byHeading ? 2 : 1)));
    }

    // Qt's own words left in English in a translated Quarnel (the Slovak help's
    // "Close", the print dialog's double-sided printing), in another language
    // than the window's, or left translated once the window is English again:
    // every text Qt asks for while the window, its menu, the help and its print
    // dialog, About, a message box and the save dialog open shows the translation
    // of Quarnel's file or of Qt's for this language.
    void qtTextsTranslated_data() { addLanguageRows(); }
    void qtTextsTranslated()
    {
        QFETCH(QString, language);
        installTranslations(QLocale(language));
        TextRecorder recorder;
        QCoreApplication::installTranslator(&recorder);
        {
            frmQuarnel window;
            window.show();
            window.commands().showMenu(window.mapToGlobal(QPoint(10, 10)));
            window.commands().showHelp();
            HelpWindow *help = window.commands().help();
            delete help->findChild<QTextBrowser *>("helpText")->createStandardContextMenu();
            help->askToPrint();
            window.commands().showAbout();
            emit window.session().refused("-");
            window.commands().savePictureAs();
            QTest::qWait(100);
        }
        QCoreApplication::removeTranslator(&recorder);
        QTranslator qt;
        QVERIFY(
            qt.load(QLocale(language), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QTranslator own;
        QVERIFY(own.load(":/i18n/quarnel_" + language + ".qm"));
        int checked = 0;
        for (const TextRecorder::Text &text : recorder.asked) {
            // Qt's contexts are its classes' names; Quarnel's own texts are
            // tst_translations' to check. Key names Qt looks up by the hundred
            // whenever it reads a key sequence, shown or not.
            if (!text.context.startsWith('Q') || text.context == "QShortcut")
                continue;
            const char *disambiguation =
                text.disambiguation.isEmpty() ? nullptr : text.disambiguation.constData();
            const QString fromQt = qt.translate(text.context, text.source, disambiguation),
                          fromOwn = own.translate(text.context, text.source, disambiguation),
                          shown = QCoreApplication::translate(text.context, text.source, disambiguation);
            QVERIFY2(!fromQt.isEmpty() || !fromOwn.isEmpty(),
                     text.context + " / " + text.source + " is not translated");
            QVERIFY2(shown == fromOwn || shown == fromQt, qPrintable(shown + " is not this language's"));
            ++checked;
        }
        QVERIFY(checked > 50);
        installTranslations(QLocale::c());
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QString("&Copy"));
    }

    // About without what a teacher or a packager looks for in it: the version,
    // the copyright as the licence states it, where the program lives and where
    // its bugs go, the Qt it runs on, and each language with its translators as
    // that language's own file names them (none left out, none from another file).
    void aboutSaysWhoAndWhat_data()
    {
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("version") << QStringList{"Quarnel " QUARNEL_VERSION_STRING};
        const QString copyright = sourceFile("LICENSE").section('\n', 2, 2);
        QVERIFY(copyright.startsWith("Copyright (c) "));
        QTest::newRow("copyright") << QStringList{copyright.mid(QString("Copyright (c) ").size())};
        QTest::newRow("home page") << QStringList{QUARNEL_HOMEPAGE_URL};
        QTest::newRow("bug reports") << QStringList{QUARNEL_BUGTRACKER_URL};
        QTest::newRow("Qt") << QStringList{QString::fromLatin1(qVersion())};
        for (const QString &language : translatedLanguages()) {
            QTranslator translation;
            QVERIFY(translation.load(":/i18n/quarnel_" + language + ".qm"));
            const QStringList named{translation.translate("AboutDialog", "language-name"),
                                    translation.translate("AboutDialog", "translator-credits")};
            QVERIFY2(!named.contains(QString()), qPrintable(language));
            QTest::addRow("%s translators", qPrintable(language)) << named;
        }
    }
    void aboutSaysWhoAndWhat()
    {
        QFETCH(QStringList, shown);
        frmQuarnel window;
        const QString text = aboutText(openAbout(window));
        for (const QString &part : shown)
            QVERIFY2(text.contains(part, Qt::CaseInsensitive), qPrintable(part + " not in:\n" + text));
    }

    // The licence named but not shown, shown from a stale copy, or its link lost
    // in a translation: in every language one click on it shows LICENSE's text.
    void licenceIsAClickAway_data() { addLanguageRows(true); }
    void licenceIsAClickAway()
    {
        QFETCH(QString, language);
        installTranslations(QLocale(language));
        frmQuarnel window;
        QDialog *about = openAbout(window);
        auto *licence = about->findChild<QPlainTextEdit *>("licence");
        QVERIFY(licence && !licence->isVisible());
        auto *label = about->findChild<QLabel *>("aboutText");
        // The one link that is not a web address.
        const QRegularExpression links(QStringLiteral("href=\"([^\"]+)\""));
        QStringList local;
        for (const QRegularExpressionMatch &m : links.globalMatch(label->text()))
            if (!m.captured(1).startsWith("http"))
                local << m.captured(1);
        QCOMPARE(local.size(), 1);
        emit label->linkActivated(local.first());
        QVERIFY(licence->isVisible());
        QCOMPARE(licence->toPlainText(), sourceFile("LICENSE"));
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
