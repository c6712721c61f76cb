// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/windowzoom.h"
#include "picture/zoom.h"
#include "startup/appearance.h"
#include "testsupport.h"
#include "window/controltable.h"

#include <QAction>
#include <QScreen>
#include <QtTest>
#include <functional>

namespace {
// A run with the start-up settings in `mode`, straight through, in a window at `zoomPercent`.
struct ZoomedRun : ShownWindow {
    ZoomedRun(const char *modeOption, int zoomPercent)
    {
        option(QString::fromUtf8(modeOption))->setChecked(true);
        window.zoom().setPercent(zoomPercent);
    }
};

void press(QWidget &window, const QString &step)
{
    if (step.startsWith(QLatin1String("menu:"))) {
        window.findChild<QAction *>(step.mid(5))->trigger();
        return;
    }
    const QKeySequence keys(step);
    QTest::keyClick(&window, Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
}
} // namespace

class TestZoom : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    // A step skipped or repeated, a key or menu entry that does nothing, zooming
    // past either end, or a window left at the old size.
    void keysAndMenuStepThroughTheZooms_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("zoom");
        QTest::newRow("Ctrl+= as Ctrl++") << QStringList{"Ctrl+=", "Ctrl+=", "Ctrl+="} << 175;
        QTest::newRow("in to 250 and 300") << QStringList(6, "Ctrl++") << 300;
        QTest::newRow("in past 300") << QStringList(9, "Ctrl++") << 300;
        QTest::newRow("out below 100") << QStringList{"Ctrl++", "Ctrl+-", "Ctrl+-"} << 100;
        QTest::newRow("in, in, out") << QStringList{"Ctrl++", "Ctrl++", "Ctrl+-"} << 125;
        QTest::newRow("Ctrl+0 back") << QStringList{"Ctrl++", "Ctrl++", "Ctrl++", "Ctrl+0"} << 100;
        QTest::newRow("the menu's entries")
            << QStringList{"menu:zoomIn", "menu:zoomIn", "menu:zoomIn", "menu:zoomOut"} << 150;
        QTest::newRow("the menu's normal size") << QStringList{"Ctrl++", "menu:zoomReset"} << 100;
    }
    void keysAndMenuStepThroughTheZooms()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, zoom);
        ShownWindow shown;
        for (const QString &step : steps)
            press(shown.window, step);
        QCOMPARE(shown.window.zoom().percent(), zoom);
        QCOMPARE(shown.window.size(), zoom::scaled(sceneSize, zoom));
    }

    // A control left at its laid-out place or font size, scaled twice over, or
    // not brought back: every control stands where the table puts it, scaled.
    void everyControlScalesFromTheTable_data()
    {
        QTest::addColumn<int>("zoom");
        for (int step : zoom::steps)
            QTest::addRow("%d %%", step) << step;
    }
    void everyControlScalesFromTheTable()
    {
        QFETCH(int, zoom);
        ShownWindow shown;
        QHash<QString, qreal> points;
        for (QWidget *control : shown.window.findChildren<QWidget *>())
            points[control->objectName()] = control->font().pointSizeF();
        // Through another zoom first: the zoom is made from the table, not from the last one.
        shown.window.zoom().setPercent(zoom == 250 ? 175 : 250);
        shown.window.zoom().setPercent(zoom);
        for (const ControlRow &row : controlTable()) {
            const auto *control = shown.window.findChild<QWidget *>(QString::fromUtf8(row.name));
            QVERIFY2(control, row.name);
            QCOMPARE(control->geometry(), zoom::scaled(row.geometry, zoom));
            QVERIFY2(qAbs(control->font().pointSizeF() - points[control->objectName()] * zoom / 100.0) < 0.01,
                     row.name);
        }
    }

    // The picture shown as an enlarged bitmap: its image must be made at the zoom.
    // (At 200 % this is tst_highdensity_zoom's first test.)
    void pictureIsMadeAtTheZoom_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("125 %") << 125;
        QTest::newRow("300 %") << 300;
    }
    void pictureIsMadeAtTheZoom()
    {
        QFETCH(int, zoom);
        ShownWindow shown;
        shown.window.zoom().setPercent(zoom);
        shown.window.cmdStart_Click();
        const QImage &image = shown.window.picture().canvas().image();
        QCOMPARE(image.size(), zoom::scaled(sceneSize, zoom));
        QCOMPARE(image.devicePixelRatio(), zoom / 100.0);
        QCOMPARE(shown.grab().size(), zoom::scaled(sceneSize, zoom));
    }

    // A zoom during a run that scales the old bitmap, loses what was drawn before
    // it or the labels, or draws it again at the old place: the picture ends equal,
    // pixel for pixel, to the same run drawn at the new zoom from the start.
    void zoomDuringARunIsAsIfZoomedFromTheStart_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("at");
        QTest::newRow("light, 100 to 200 %") << "opSvětlo" << 100 << 200 << 150;
        QTest::newRow("photons, 100 to 150 %") << "opDopad" << 100 << 150 << 300;
        QTest::newRow("interference, 300 to 125 %") << "opFoton" << 300 << 125 << 20;
    }
    void zoomDuringARunIsAsIfZoomedFromTheStart()
    {
        QFETCH(QString, mode);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, at);
        const QByteArray option = mode.toUtf8();
        ZoomedRun changed(option.constData(), from);
        // A run before, so that what the clear covers is in the picture too.
        changed.window.cmdStart_Click();
        atPoint(changed.window, at, [&] { changed.window.zoom().setPercent(to); });
        changed.window.cmdStart_Click();

        ZoomedRun direct(option.constData(), to);
        direct.window.cmdStart_Click();
        direct.window.cmdStart_Click();
        QCOMPARE(changed.picture(), direct.picture());
    }

    // A record of what was drawn that keeps every run's figures grows without
    // end in a lesson, and makes each zoom slower: what a run's clear covers goes.
    void recordHoldsOnlyTheLastRun()
    {
        ShownWindow shown;
        shown.window.cmdStart_Click();
        const std::size_t afterOne = shown.window.picture().canvas().keptCount();
        for (int i = 0; i < 3; ++i)
            shown.window.cmdStart_Click();
        QCOMPARE(shown.window.picture().canvas().keptCount(), afterOne);
    }

    // F11 must fill the screen at the largest zoom that fits it, and F11 again
    // bring back the window as it was.
    void f11TogglesFullScreen()
    {
        ShownWindow shown;
        shown.window.zoom().setPercent(150);
        QTest::keyClick(&shown.window, Qt::Key_F11);
        QTRY_VERIFY(shown.window.isFullScreen());
        const QSize screen = shown.window.screen()->geometry().size();
        QCOMPARE(shown.window.zoom().percent(), zoom::largestFitting(sceneSize, screen));
        QTRY_COMPARE(shown.window.size(), screen);
        QTest::keyClick(&shown.window, Qt::Key_F11);
        QTRY_VERIFY(!shown.window.isFullScreen());
        QCOMPARE(shown.window.zoom().percent(), 150);
        QTRY_COMPARE(shown.window.size(), zoom::scaled(sceneSize, 150));
    }

    // A full screen zoom too large to fit, or smaller than one that fits.
    void largestZoomThatFits_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("zoom");
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 175;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 125;
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << 150;
        QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 200;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 300;
        QTest::newRow("exactly 200 %") << QSize(1602, 1162) << 200;
        QTest::newRow("a pixel short of 200 %") << QSize(1602, 1161) << 175;
        QTest::newRow("smaller than the window") << QSize(800, 600) << 100;
    }
    void largestZoomThatFits()
    {
        QFETCH(QSize, screen);
        QFETCH(int, zoom);
        QCOMPARE(zoom::largestFitting(sceneSize, screen), zoom);
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
