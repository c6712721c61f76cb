// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/helpwindow.h"
#include "commands/optics.h"
#include "commands/picturecommands.h"
#include "quarnelinfo.h"
#include "run.h"
#include "run/runsession.h"
#include "runrecord.h"
#include "startup/appearance.h"
#include "startup/translations.h"
#include "testsupport.h"
#include "window/controltable.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProcess>
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
    return window.findChild<QDialog *>("about");
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
    return window.findChild<QTextBrowser *>("helpText")->toPlainText();
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

    // Ctrl+Q that ends the program in the middle of a run, or does nothing at all:
    // it is Exit from the keyboard, and waits for the run's end as Exit does.
    void ctrlQQuitsLikeExit_data()
    {
        QTest::addColumn<bool>("duringARun");
        QTest::newRow("between runs") << false;
        QTest::newRow("during a run") << true;
    }
    void ctrlQQuitsLikeExit()
    {
        QFETCH(bool, duringARun);
        frmQuarnel window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy ended(&window.session(), &RunSession::finished);
        if (duringARun)
            window.cmdStart_Click();
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(window.isVisible(), duringARun);
        if (duringARun) {
            QVERIFY(window.session().isRunning());
            QVERIFY(ended.wait(30000));
            QVERIFY(!window.isVisible());
        }
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
        actions += window.findChild<QDialog *>("helpWindow")->actions();
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
        row("start-up settings", "200", "15", "2");
        row("large spacing", "200", "40", "2");
        row("near screen", "100", "15", "2");
        row("middle frequency", "200", "15", "0.3");
        row("high frequency, large spacing", "200", "40", "0.5");
        row("one band only", "200", "5", "0.1");
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

    // Ctrl+P in the help that prints nothing or only the page in view, that
    // opens the print dialog with an event loop of its own (the run behind it
    // would stop), or a PDF font without Czech or Polish letters: during a run
    // Ctrl+P opens the dialog and returns at once, the run ends meanwhile, and
    // the dialog's Print writes to the file typed into it every heading of the
    // help and its last words, as the help shows them.
    void ctrlPPrintsTheWholeHelp_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "cs", "pl", "de"})
            QTest::newRow(language) << QString(language);
    }
    void ctrlPPrintsTheWholeHelp()
    {
        QFETCH(QString, language);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        installTranslations(QLocale(language));
        frmQuarnel window;
        window.show();
        QSignalSpy ended(&window.session(), &RunSession::finished);
        window.cmdStart_Click();
        window.commands().showHelp();
        auto *help = window.findChild<HelpWindow *>("helpWindow");
        QApplication::setActiveWindow(help);
        QTest::keyClick(help, Qt::Key_P, Qt::ControlModifier);
        auto *dialog = help->findChild<QPrintDialog *>();
        QVERIFY(dialog && dialog->isVisible() && window.session().isRunning());
        QVERIFY(ended.wait(30000));
        QTemporaryDir folder;
        auto *fileName = dialog->findChild<QLineEdit *>("filename");
        QVERIFY(fileName);
        fileName->setText(folder.filePath("help.pdf"));
        dialog->accept();
        const QString printed = pdfText(folder.filePath("help.pdf"));
        const QTextDocument *document = help->findChild<QTextBrowser *>("helpText")->document();
        QStringList expected{document->lastBlock().text()};
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            if (block.blockFormat().headingLevel() > 0)
                expected << block.text();
        QVERIFY(expected.size() >= 8);
        for (const QString &part : expected)
            QVERIFY2(printed.contains(part.simplified()), qPrintable(part + " not printed"));
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
            delete window.findChild<QTextBrowser *>("helpText")->createStandardContextMenu();
            window.findChild<HelpWindow *>("helpWindow")->askToPrint();
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
