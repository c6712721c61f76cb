// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/explorewindow.h"
#include "imagecanvas.h"
#include "labels.h"
#include "pacer.h"
#include "photonrandom.h"
#include "picture/scenepicture.h"
#include "run.h"
#include "run/runsession.h"
#include "startup/appearance.h"
#include "testsupport.h"
#include "window/frmquarnel.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>
#include <cfloat>
#include <functional>

namespace {
QAccessibleInterface *face(QWidget *widget) { return QAccessible::queryAccessibleInterface(widget); }

// The scroll bar's arrow that adds a step, in the bar's own coordinates.
QPoint addArrow(QScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar)
        .center();
}
} // namespace

class TestRunGuards : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    // A setting text no control writes must stop the run before it loops for ever
    // (distance 0 in photon mode), waits for hours, or overflows (spacing 1e300).
    void hostileSettings_data()
    {
        QTest::addColumn<QStringList>("texts"); // distance, spacing, frequency, mode, slow-down
        QTest::newRow("slow-down of hours") << QStringList{"200", "15", "2", "0", "100000"};
        QTest::newRow("slow-down 0") << QStringList{"200", "15", "2", "0", "0"};
        QTest::newRow("slow-down negative") << QStringList{"200", "15", "2", "0", "-3"};
        QTest::newRow("slow-down a fraction") << QStringList{"200", "15", "2", "0", "0.00001"};
        QTest::newRow("screen on the slits, photons") << QStringList{"0", "15", "2", "2", "1"};
        QTest::newRow("distance off the table") << QStringList{"250", "15", "2", "0", "1"};
        QTest::newRow("spacing 1e300") << QStringList{"200", "1e300", "2", "0", "1"};
        QTest::newRow("frequency infinite") << QStringList{"200", "15", "inf", "0", "1"};
        QTest::newRow("frequency not a number") << QStringList{"200", "15", "nan", "1", "1"};
        QTest::newRow("frequency huge") << QStringList{"200", "15", "1e308", "2", "1"};
        QTest::newRow("mode unknown") << QStringList{"200", "15", "2", "7", "1"};
    }
    void hostileSettings()
    {
        QFETCH(QStringList, texts);
        ImageCanvas canvas(sceneSize, 1.0, colours::silver);
        NoLabels labels;
        PhotonRandom random;
        CountingPacer pacer;
        const TextSettings settings(texts[0], texts[1], texts[2], texts[3], texts[4]);
        QVERIFY_THROWS_EXCEPTION(SettingRefused, PerformRun(canvas, settings, labels, random, pacer));
        for (long long steps : pacer.counts)
            QVERIFY(steps <= 20 * 30000);
    }

    // The message that a run refused a setting must take Enter like any message box,
    // and leave the window ready for the next run.
    void refusalIsAnsweredWithEnter()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Czech));
        ShownWindow w;
        w.option("op05")->setChecked(true); // "0,5"
        QLocale::setDefault(QLocale::c());  // no longer a number
        w.window.cmdStart_Click();
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        QVERIFY(static_cast<QMessageBox *>(QApplication::activeModalWidget())->text().contains("0,5"));
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QLocale::setDefault(saved);
        w.option("op05")->setChecked(false);
        w.option("op2")->setChecked(true);
        QSignalSpy started(&w.window.session(), &RunSession::started);
        w.window.cmdStart_Click();
        QCOMPARE(started.count(), 1);
        QVERIFY(!w.window.session().isRunning());
    }

    // The canvas takes any finite coordinate: the changed-area arithmetic must not overflow.
    void farCoordinates_data()
    {
        QTest::addColumn<float>("far");
        QTest::newRow("1e30") << 1e30f;
        QTest::newRow("-1e30") << -1e30f;
        QTest::newRow("largest float") << FLT_MAX;
        QTest::newRow("just past int") << 2.2e9f;
    }
    void farCoordinates()
    {
        QFETCH(float, far);
        ImageCanvas canvas(sceneSize, 1.0, colours::silver);
        canvas.line(10, 10, far, 10);
        canvas.line(far, far, 20, 20);
        canvas.circle(far, 300, 2);
        canvas.circle(300, 300, 1);
        canvas.line(400, 100, 400, 200);
        const QRegion changed = canvas.flush();
        QVERIFY(changed.contains(QPoint(400, 150)));
        QVERIFY(QRect(QPoint(0, 0), sceneSize).contains(changed.boundingRect()));
        QCOMPARE(canvas.image().pixel(400, 150), qRgb(0, 0, 0));
    }

    // Nothing that reaches the window during a run changes the run, and the pointer
    // says so: an option pressed and the scroll bar set through the accessibility
    // interfaces, a setting field written from outside, a scroll-bar arrow held down
    // since before the run. The controls' choice shows at once and the next run
    // takes it; the field's text written from outside never.
    void runKeepsItsSettings()
    {
        ShownWindow reference;
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *bar = window.findChild<QScrollBar *>(QStringLiteral("HScroll1"));
        auto *interference = window.findChild<QRadioButton *>(QStringLiteral("opFoton"));
        auto *spacing = window.findChild<QLineEdit *>(QStringLiteral("nOdchylka"));
        // Held down before the run: one step at once, more every 50 ms after 500 ms.
        QTest::mousePress(bar, Qt::LeftButton, {}, addArrow(bar));
        QCOMPARE(bar->value(), 2);
        Qt::CursorShape duringRun = Qt::ArrowCursor;
        QStringList textsDuringRun;
        atPoint(window, 100, [&] {
            duringRun = window.cursor().shape();
            face(interference)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            face(bar)->valueInterface()->setCurrentValue(20);
            face(spacing)->setText(QAccessible::Value, QStringLiteral("1e300"));
            spacing->setText(QStringLiteral("0"));
            textsDuringRun = settingTexts(window);
        });
        QSignalSpy ended(&window.session(), &RunSession::finished);
        window.cmdStart_Click();
        QVERIFY(ended.wait(20000));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, addArrow(bar));
        reference.window.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(2);
        reference.window.cmdStart_Click();

        // The fields show the choice at once; the run goes on with its own settings.
        QCOMPARE(textsDuringRun.at(1), QStringLiteral("15"));
        QCOMPARE(textsDuringRun.at(4), QStringLiteral("20"));
        QCOMPARE(duringRun, Qt::BusyCursor);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(window.picture().canvas().image(), reference.window.picture().canvas().image());
        QCOMPARE(settingTexts(window), (QStringList{"200", "15", "2", "1", "20"}));
        QVERIFY(interference->isChecked());
    }

    // A choice made during a run through the accessibility interfaces, in code or
    // with keys must be exactly what the next run takes: a change and its undoing
    // once lost the undoing, and relative moves lost all but one step.
    void choiceDuringARun_data()
    {
        QTest::addColumn<std::function<void(frmQuarnel &)>>("choose");
        QTest::addColumn<QStringList>("next");
        const auto option = [](frmQuarnel &w, const char *name) {
            return w.findChild<QRadioButton *>(QString::fromUtf8(name));
        };
        const auto bar = [](frmQuarnel &w) { return w.findChild<QScrollBar *>(QStringLiteral("HScroll1")); };
        QTest::newRow("Toggle, then the run's own") << std::function([=](frmQuarnel &w) {
            for (const char *name : {"opFoton", "opSvětlo"})
                face(option(w, name))
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::toggleAction());
        }) << QStringList{"200", "15", "2", "0", "1"};
        QTest::newRow("in code, then back") << std::function([=](frmQuarnel &w) {
            option(w, "op01")->setChecked(true);
            option(w, "op2")->setChecked(true);
            option(w, "op0")->setChecked(true);
        }) << QStringList{"200", "0", "2", "0", "1"};
        // A screen reader's Increase: the bridge sets the value it reads plus one step.
        QTest::newRow("three Increase actions") << std::function([=](frmQuarnel &w) {
            QAccessibleValueInterface *value = face(bar(w))->valueInterface();
            for (int i = 0; i < 3; ++i)
                value->setCurrentValue(value->currentValue().toInt() + value->minimumStepSize().toInt());
        }) << QStringList{"200", "15", "2", "0", "4"};
        QTest::newRow("three Page Down keys") << std::function([=](frmQuarnel &w) {
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(bar(w), Qt::Key_PageDown);
        }) << QStringList{"200", "15", "2", "0", "4"};
    }
    void choiceDuringARun()
    {
        QFETCH(std::function<void(frmQuarnel &)>, choose);
        QFETCH(QStringList, next);
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        atPoint(window, 100, [&] { choose(window); });
        QSignalSpy ended(&window.session(), &RunSession::finished);
        window.cmdStart_Click();
        QVERIFY(ended.wait(20000));
        QCOMPARE(settingTexts(window), next);
        runStraightThrough(window);
        window.cmdStart_Click();
        QCOMPARE(settingTexts(window.session().currentRun().settings()), next);
    }

    // "Keep this run" pressed right after Start kept the new run, empty, instead
    // of the last whole one.
    void keepRightAfterStartKeepsTheWholeRun()
    {
        ShownWindow shown;
        shown.window.cmdStart_Click();
        const int bands = int(shown.window.session().lastWholeRun()->bands.bright.size());
        shown.window.showExplore();
        shown.window.session().setStepDuration(countdownStep);
        shown.window.cmdStart_Click();
        QVERIFY(shown.window.session().isRunning());
        shown.window.explore()->keepRun();
        shown.window.session().stopRun();
        const std::deque<KeptRun> &kept = shown.window.explore()->keptRuns().runs();
        QCOMPARE(kept.size(), std::size_t(1));
        QCOMPARE(int(kept.front().run.points().size()), scan::pointCount);
        QCOMPARE(int(kept.front().bands.bright.size()), bands);
        QVERIFY(bands > 0);
    }

    // A handler of a plotted point that stops the run or closes the window made
    // the same tick go on with the run it had just cleared.
    void stoppedFromItsOwnPoint_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("stop") << false;
        QTest::newRow("close") << true;
    }
    void stoppedFromItsOwnPoint()
    {
        QFETCH(bool, close);
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RunSession &driver = window.session();
        driver.setStepDuration(std::chrono::nanoseconds(0));
        int after = 0;
        bool ended = false;
        connect(&driver, &RunSession::finished, this, [&] { ended = true; });
        connect(&driver, &RunSession::pointPlotted, this, [&](int count) {
            after += ended ? 1 : 0;
            if (count == 5)
                close ? driver.close() : driver.stopRun();
        });
        QSignalSpy finished(&driver, &RunSession::finished);
        window.cmdStart_Click();
        QTRY_COMPARE(finished.count(), 1);
        QTest::qWait(50);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(after, 0);
        QCOMPARE(int(window.session().currentRun().points().size()), 5);
    }
};

QTEST_MAIN(TestRunGuards)
#include "tst_runguards.moc"
