// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/helpwindow.h"
#include "commands/picturecommands.h"
#include "explore/explorewindow.h"
#include "picture/windowzoom.h"
#include "picture/zoom.h"
#include "run/runsession.h"
#include "startup/appearance.h"
#include "testsupport.h"
#include "window/controltable.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>

namespace {
void press(QWidget &window, const QString &step)
{
    if (step.startsWith(QLatin1String("menu:"))) {
        window.findChild<QAction *>(step.mid(5))->trigger();
        return;
    }
    const QKeySequence keys(step);
    QTest::keyClick(&window, Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
}

// The box of the pixels in `area` that the predicate holds for.
template <typename Predicate>
QRect inkBox(const QImage &image, const QRect &area, Predicate ink)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && ink(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// How large the style draws a part of a control, in pixels: an option button's
// round mark, the arrow on a scroll bar's button, a frame's etched border.
int drawnSize(frmQuarnel &window, const QString &part)
{
    if (part == "option mark") {
        auto *button = window.findChild<QRadioButton *>("opVelka");
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect mark = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
        const QImage image = button->grab().toImage();
        return inkBox(image, mark.adjusted(-2, -2, 2, 2), [](QRgb c) { return qGray(c) > 200; }).width();
    }
    if (part == "scroll bar arrow") {
        auto *bar = window.findChild<QScrollBar *>("HScroll1");
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.maximum = bar->maximum();
        const QRect button =
            bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
        const QImage image = bar->grab().toImage();
        // The arrow is dark grey; the button's border lighter, at any zoom.
        return inkBox(image, button, [](QRgb c) { return qGray(c) < 140; }).height();
    }
    // The etched border's dark line, across the frame's left edge halfway down.
    auto *frame = window.findChild<QGroupBox *>("frmKmitočet");
    const QImage image = frame->grab().toImage();
    int width = 0;
    while (image.pixel(width, frame->height() / 2) == qRgb(128, 128, 128))
        ++width;
    return width;
}

// Opens one of the program's dialogs over the window: the help, About, or a
// message box (the one that says why a run stopped).
QDialog *openDialog(frmQuarnel &window, const QString &which)
{
    if (which == "help") {
        window.commands().showHelp();
        return window.commands().help();
    }
    if (which == "About") {
        window.commands().showAbout();
        return window.commands().about();
    }
    emit window.session().refused("The run stopped.");
    const auto boxes = window.findChildren<QMessageBox *>();
    return boxes.isEmpty() ? nullptr : boxes.last();
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
    // not brought back: every control stands where the table puts it, scaled;
    // or the picture shown as an enlarged bitmap instead of made at the zoom.
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
        shown.window.cmdStart_Click();
        const QImage &image = shown.window.picture().canvas().image();
        QCOMPARE(image.size(), zoom::scaled(sceneSize, zoom));
        QCOMPARE(image.devicePixelRatio(), zoom / 100.0);
        QCOMPARE(shown.grab().size(), zoom::scaled(sceneSize, zoom));
    }

    // An option button's mark, a scroll bar's arrow or a frame's border that keeps
    // its 100 % size in a zoomed window (and the button, the bar or the frame
    // around it too large for it): each is drawn as much larger as the window.
    void styleMarksScale_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<int>("zoom");
        for (const char *part : {"option mark", "scroll bar arrow", "frame border"}) {
            QTest::addRow("%s at 200 %%", part) << part << 200;
            QTest::addRow("%s at 300 %%", part) << part << 300;
        }
    }
    void styleMarksScale()
    {
        QFETCH(QString, part);
        QFETCH(int, zoom);
        ShownWindow shown;
        const int laidOut = drawnSize(shown.window, part);
        QVERIFY(laidOut > 0);
        shown.window.zoom().setPercent(zoom);
        const int zoomed = drawnSize(shown.window, part);
        QVERIFY2(qAbs(zoomed - laidOut * zoom / 100) <= 1,
                 qPrintable(QString("%1 pixels at 100 %, %2 at %3 %").arg(laidOut).arg(zoomed).arg(zoom)));
        // Back at 100 %, the style's own sizes again.
        shown.window.zoom().reset();
        QCOMPARE(drawnSize(shown.window, part), laidOut);
    }

    // A dialog left at 100 % in a window zoomed for a projector, or one that keeps
    // the size it opened at when the zoom changes: its text and its size follow
    // the window's zoom, whether it opens zoomed or is zoomed while it shows.
    // (Not exactly twice the size at 200 %: a paragraph's spacing and a button's
    // least width are fixed in pixels.)
    void dialogsFollowTheZoom_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("zoomedWhileOpen");
        for (const char *dialog : {"help", "About", "message box"}) {
            QTest::addRow("%s opened at 200 %%", dialog) << dialog << false;
            QTest::addRow("%s zoomed while open", dialog) << dialog << true;
        }
    }
    void dialogsFollowTheZoom()
    {
        QFETCH(QString, dialog);
        QFETCH(bool, zoomedWhileOpen);
        ShownWindow shown;
        QPointer<QDialog> opened = openDialog(shown.window, dialog);
        QVERIFY(opened && opened->isVisible());
        const QSize laidOut = opened->size();
        const qreal points = opened->font().pointSizeF();
        if (!zoomedWhileOpen) {
            opened->close();
            // The help is kept for the next F1; the others are gone once the event loop has run.
            if (dialog != "help")
                QTRY_VERIFY(!opened);
        }
        shown.window.zoom().setPercent(200);
        if (!zoomedWhileOpen)
            opened = openDialog(shown.window, dialog);
        QVERIFY(opened && opened->isVisible());
        QTRY_COMPARE(opened->font().pointSizeF(), 2 * points);
        const QSize zoomed = opened->size();
        for (const qreal ratio :
             {qreal(zoomed.width()) / laidOut.width(), qreal(zoomed.height()) / laidOut.height()})
            QVERIFY2(ratio > 1.6 && ratio < 2.4,
                     qPrintable(QDebug::toString(laidOut) + " at 100 %, " + QDebug::toString(zoomed)));
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
        ShownWindow changed;
        changed.option(mode)->setChecked(true);
        changed.window.zoom().setPercent(from);
        // A run before, so that what the clear covers is in the picture too.
        changed.window.cmdStart_Click();
        atPoint(changed.window, at, [&] { changed.window.zoom().setPercent(to); });
        changed.window.cmdStart_Click();

        ShownWindow direct;
        direct.option(mode)->setChecked(true);
        direct.window.zoom().setPercent(to);
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

    // Ctrl++ that makes the window larger than the screen shows it (Exit past the
    // screen's edge): it stops at the largest step at which the window, frame and
    // all, fits the screen's area for windows. (tests/CMakeLists.txt runs this on
    // screens of 1024 x 768 and 1280 x 1024.)
    void zoomInStaysOnTheScreen()
    {
        ShownWindow shown;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        const QSize available = shown.window.screen()->availableGeometry().size();
        for (std::size_t i = 0; i < zoom::steps.size(); ++i) {
            QTest::keyClick(&shown.window, Qt::Key_Plus, Qt::ControlModifier);
            const QSize outer = shown.window.frameGeometry().size();
            QVERIFY2(
                outer.width() <= available.width() && outer.height() <= available.height(),
                qPrintable(QDebug::toString(outer) + QString(" at %1 %").arg(shown.window.zoom().percent())));
        }
        const int reached = shown.window.zoom().percent();
        const QSize frame = shown.window.frameGeometry().size() - shown.window.size();
        qInfo("%d x %d screen: Ctrl++ stops at %d %%, the window %d x %d", available.width(),
              available.height(), reached, shown.window.width(), shown.window.height());
        // Not short of the screen either: the next step would not have fitted.
        if (reached != zoom::steps.back()) {
            const QSize next = zoom::scaled(sceneSize, zoom::next(reached, +1)) + frame;
            QVERIFY(next.width() > available.width() || next.height() > available.height());
        }
    }

    // Explore zoomed twice when opened zoomed, or larger than the screen at the
    // zoom a projector's screen allows the main window, with no size smaller
    // than that to take and its buttons past the screen's edge; or opened over
    // the picture where the screen has room beside it. (Run on the screens of
    // zoomInStaysOnTheScreen too.)
    void exploreFitsTheScreen()
    {
        QSize sizes[2];
        for (const bool openedFirst : {true, false}) {
            ShownWindow shown;
            QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
            if (openedFirst) {
                shown.window.showExplore();
                // Beside the main window, where the screen has room for both.
                const QRect explore = shown.window.explore()->frameGeometry();
                const QRect main = shown.window.frameGeometry();
                if (main.width() + explore.width() <= shown.window.screen()->availableGeometry().width())
                    QVERIFY(!explore.intersects(main));
            }
            for (std::size_t i = 0; i < zoom::steps.size(); ++i)
                QTest::keyClick(&shown.window, Qt::Key_Plus, Qt::ControlModifier);
            shown.window.showExplore();
            ExploreWindow *explore = shown.window.explore();
            QVERIFY(QTest::qWaitForWindowExposed(explore));
            const QString unfit = unfitted(*explore, {"saveTable", "copyTable", "closeExplore"});
            QVERIFY2(unfit.isEmpty(), qPrintable(unfit));
            sizes[openedFirst ? 0 : 1] = explore->size();
        }
        QCOMPARE(sizes[1], sizes[0]);
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
