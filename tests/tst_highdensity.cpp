// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/windowzoom.h"
#include "startup/appearance.h"
#include "testsupport.h"
#include "tracedquarnel.h"

#include <QApplication>
#include <QtTest>

// The window with two device pixels to a laid-out pixel: at a scale factor of 2,
// as on a high-density screen (this program sets QT_SCALE_FACTOR=2 before its
// QApplication exists), or, with QUARNEL_TEST_ZOOM=200, zoomed to 200 % on a
// screen of ratio 1.
namespace {
constexpr int scale = 2;
const bool zoomed = qEnvironmentVariableIntValue("QUARNEL_TEST_ZOOM") == 100 * scale;
using pixels::black;
using pixels::silver;

// The window after one run with the start-up settings, straight through.
struct RunWindow : ShownWindow {
    explicit RunWindow(int percent = zoomed ? 100 * scale : 100)
    {
        window.zoom().setPercent(percent);
        window.cmdStart_Click();
    }
};

// The mean difference in grey level between a logical rectangle of the window
// rendered at ratio 1 and the ratio-2 window at that rectangle moved by `offset`,
// each 2 × 2 block of device pixels averaged to one logical pixel.
double meanDifference(const QImage &single, const QImage &dense, const QRect &area, QPoint offset = {})
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            int block = 0;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    block += qGray(dense.pixel(scale * (x + offset.x()) + dx, scale * (y + offset.y()) + dy));
            sum += std::abs(double(block) / (scale * scale) - qGray(single.pixel(x, y)));
        }
    }
    return sum / (area.width() * area.height());
}

// Whether a line `width` device pixels wide, all black, stands from `start` on
// in the direction `across`, with the background on either side of it.
bool sharpLine(const QImage &image, QPoint start, QPoint across, int width)
{
    bool sharp = image.pixel(start - across) == silver && image.pixel(start + width * across) == silver;
    for (int i = 0; i < width; ++i)
        sharp = sharp && image.pixel(start + i * across) == black;
    return sharp;
}
} // namespace

class TestHighDensity : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setUpAppearance(*qApp);
        QCOMPARE(qApp->devicePixelRatio(), qreal(zoomed ? 1 : scale));
    }

    // A line drawn at the logical resolution and scaled up smoothly has grey edges,
    // and one that is centred on the point at ratio 2 but not at ratio 1 sits half a
    // pixel off: each line covers whole logical pixels, every device pixel black.
    void linesAreSharpAndInPlace_data()
    {
        QTest::addColumn<QPoint>("start");  // the first device pixel across the line
        QTest::addColumn<QPoint>("across"); // one device pixel further across it
        QTest::addColumn<int>("width");     // the line's width in device pixels
        // The barrier, width 2, at x 250: logical columns 249 and 250, at y 150.
        QTest::newRow("barrier") << QPoint(249 * scale, 150 * scale) << QPoint(1, 0) << 2 * scale;
        // The screen line, width 2, at x 450 above the barrier's top, at y 95.
        QTest::newRow("screen line") << QPoint(449 * scale, 95 * scale) << QPoint(1, 0) << 2 * scale;
        // The optical axis, width 1, at y 300: logical row 300, between source and barrier.
        QTest::newRow("optical axis") << QPoint(200 * scale, 300 * scale) << QPoint(0, 1) << 1 * scale;
    }
    void linesAreSharpAndInPlace()
    {
        QFETCH(QPoint, start);
        QFETCH(QPoint, across);
        QFETCH(int, width);
        RunWindow run;
        QVERIFY(sharpLine(run.grab(), start, across, width));
    }

    // A picture drawn at the logical resolution and scaled up pixel for pixel has
    // only uniform 2 × 2 blocks; drawn at device resolution, slanted lines step by
    // single device pixels.
    void pictureHasDeviceDetail()
    {
        RunWindow run;
        const QImage image = run.grab();
        // The rays and phasors between the barrier and the screen.
        const QRect rays(260, 110, 200, 380);
        int mixed = 0;
        for (int y = rays.top(); y <= rays.bottom(); ++y) {
            for (int x = rays.left(); x <= rays.right(); ++x) {
                const QRgb first = image.pixel(scale * x, scale * y);
                if (image.pixel(scale * x + 1, scale * y) != first
                    || image.pixel(scale * x, scale * y + 1) != first
                    || image.pixel(scale * x + 1, scale * y + 1) != first)
                    ++mixed;
            }
        }
        QVERIFY2(mixed > 500, qPrintable(QString::number(mixed)));
    }

    // Every control, label and the picture stand where the layout puts them, scaled:
    // the ratio-2 window, averaged down, looks like the same window rendered at ratio 1.
    void everythingSitsWhereTheLayoutPutsIt_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"labInterference", "cmdStart", "cmdKonec", "HScroll1", "frmnRozteč", "frmVzdalenostDetektoru",
              "frmKmitočet", "frmInterfeSvetloFoton", "labClona", "labZdroj", "labDetektor", "labA", "labB",
              "labHustota", "labInterObr", "picture"}) {
            // Zoomed, a one-letter label is drawn from its font's outline at twice the
            // size, whose hinting differs from the 100 % letter's more than a shift does.
            if (zoomed && (qstrcmp(name, "labA") == 0 || qstrcmp(name, "labB") == 0))
                continue;
            QTest::newRow(name) << QString::fromUtf8(name);
        }
    }
    void everythingSitsWhereTheLayoutPutsIt()
    {
        QFETCH(QString, name);
        // The window at one device pixel to a laid-out pixel, and the control in it:
        // at ratio 2 the same window rendered at ratio 1; zoomed, a window at 100 %,
        // made and gone before the zoomed one, since the zoom is the whole program's.
        QImage single;
        QRect control;
        const auto renderSingle = [&](frmQuarnel &plain) {
            single = QImage(plain.size(), QImage::Format_RGB32);
            single.setDevicePixelRatio(1);
            plain.render(&single);
            const QWidget *found = plain.findChild<QWidget *>(name);
            QVERIFY(found && found->isVisible());
            control = QRect(found->mapTo(&plain, QPoint(0, 0)), found->size());
        };
        if (zoomed) {
            RunWindow plain(100);
            renderSingle(plain.window);
        }
        RunWindow run;
        const QImage dense = run.grab();
        if (!zoomed)
            renderSingle(run.window);
        QVERIFY(!single.isNull());
        // Two pixels of margin inside the window, for the misplaced comparison below.
        const QRect area = control.intersected(single.rect().adjusted(2, 2, -2, -2));
        const double inPlace = meanDifference(single, dense, area);
        // The same comparison two pixels off shows what a misplaced control looks like.
        const double shifted = std::min(meanDifference(single, dense, area, {2, 0}),
                                        meanDifference(single, dense, area, {0, 2}));
        QVERIFY2(inPlace < 0.6 * shifted,
                 qPrintable(QString("%1 in place, %2 two pixels off").arg(inPlace).arg(shifted)));
    }

    // Through a real X server: the window maps at twice its size (zoomed: grows to
    // it with Ctrl++ pressed four times, on a screen large enough for 200 %), and
    // what reaches the screen is the sharp device-resolution picture, not a scaled copy.
    void realWindowOnAnXServer()
    {
        WindowDriver driver(24, zoomed ? QSize(1920, 1200) : QSize(1024, 768));
        XSession &x = driver.session;
        if (!x.isReady())
            QSKIP(qPrintable("no X server: " + x.why()));
        QProcessEnvironment environment;
        if (!zoomed)
            environment.insert("QT_SCALE_FACTOR", QString::number(scale));
        const auto launched = driver.launch(environment);
        TracedQuarnel &program = *launched;
        QVERIFY2(program.windowId(), qPrintable(program.log()));
        QVERIFY(x.xdotool({"windowfocus", "--sync", QString::number(program.windowId())}));
        if (zoomed) {
            for (int i = 0; i < 4; ++i)
                x.key("ctrl+plus");
            // Asked again: the geometry the window has now.
            QTRY_VERIFY_WITH_TIMEOUT(
                program.waitForWindow() && program.geometry().size() == sceneSize * scale, 5000);
        }
        const QRect geometry = program.geometry();
        QCOMPARE(geometry.size(), sceneSize * scale);

        // Space presses Start, which has the focus (the screen is too small to click it).
        x.key("space");
        QVERIFY2(program.waitForRunsEnded(1, 20000), qPrintable(program.log()));

        // The barrier, drawn first, at logical y 150; the optical axis at logical x 200.
        const QPoint barrier = geometry.topLeft() + QPoint(249, 150) * scale;
        const QPoint axis = geometry.topLeft() + QPoint(200, 300) * scale;
        QTest::qWait(300);
        const QImage screen = x.screenshot();
        QVERIFY2(!screen.isNull(), "no screenshot");
        QVERIFY(sharpLine(screen, barrier, QPoint(1, 0), 2 * scale));
        QVERIFY(sharpLine(screen, axis, QPoint(0, 1), scale));
    }
};

int main(int argc, char *argv[])
{
    if (!zoomed)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    TestHighDensity test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdensity.moc"
