#include "testsupport.h"
#include "scaling.h"
#include "scan.h"
#include "xsession.h"

#include <QtTest>
#include <memory>

// The real program in a private X server, clicked with real input and checked on screenshots.
namespace {
const QString title = QStringLiteral("Quarnel  - https://quarnel.org");

bool dark(const QImage &image, QPoint p) { return qGray(image.pixel(p)) < 64; }
bool silver(const QImage &image, QPoint p) { return image.pixel(p) == qRgb(192, 192, 192); }

int darkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += dark(image, {x, y}) ? 1 : 0;
    return count;
}

// Scaled intensities of a run with the start-up settings, by screen row.
std::map<int, double> startUpBarLengths()
{
    SceneGeometry g;
    const TextSettings settings("200", "15", "2", "0");
    RecordingCanvas canvas;
    std::map<int, double> lengths;
    for (int index = 1; index <= scan::pointCount; ++index) {
        ScanPoint p;
        ScanOnePoint(p, index, g, 2, canvas);
        ScaleIntensity(p, settings);
        lengths[int(p.pointY)] = p.intensity;
    }
    return lengths;
}
} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<XSession> x_;
    QProcess *program_ = nullptr;
    QPoint origin_; // the client area's top left on the screen

    QPoint at(int x, int y) const { return origin_ + QPoint(x, y); }
    QImage client()
    {
        return x_->screenshot().copy(QRect(origin_, QSize(801, 581)));
    }
    // A run has ended once the "Source" label stands below the source.
    bool labelsShown(const QImage &image) { return darkPixels(image, QRect(130, 310, 49, 25)) > 10; }
    QImage waitForRunEnd(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            const QImage image = client();
            if (labelsShown(image))
                return image;
            QTest::qWait(150);
        }
        return {};
    }
    // An option button's indicator, at the left end of the button.
    QImage indicator(const QImage &image, QPoint buttonTopLeft)
    {
        return image.copy(QRect(buttonTopLeft, QSize(16, 13)));
    }

private slots:
    void initTestCase()
    {
        x_ = std::make_unique<XSession>();
        if (!x_->isReady())
            QSKIP(qPrintable("no X server for end-to-end tests: " + x_->why()));
    }

    void init()
    {
        program_ = x_->launch(QStringLiteral(QUARNEL_BINARY));
        const QRect window = x_->waitForWindow(title);
        QVERIFY2(window.isValid(), "the Quarnel window did not appear");
        origin_ = window.topLeft();
        QTest::qWait(300);
    }

    void cleanup()
    {
        if (program_ && program_->state() != QProcess::NotRunning) {
            program_->kill();
            program_->waitForFinished(3000);
        }
    }

    // The window opens laid out: prompt, controls, no picture yet; Start draws the apparatus.
    void startDrawsTheScene()
    {
        QImage image = client();
        QVERIFY(darkPixels(image, QRect(208, 280, 273, 33)) > 50); // the prompt
        QVERIFY(silver(image, {250, 200}));
        x_->click(at(570, 24));
        image = waitForRunEnd(20000);
        QVERIFY2(!image.isNull(), "the run did not end");
        QCOMPARE(image.pixel(150, 298), qRgb(255, 255, 255));                // source disc
        QVERIFY(dark(image, {250, 200}) || dark(image, {249, 200}));         // barrier
        QVERIFY(silver(image, {250, 284}) || silver(image, {249, 284}));     // gap at slit A
        QVERIFY(dark(image, {450, 95}) || dark(image, {449, 95}));           // screen line at 450
        QVERIFY(dark(image, {600, 102}) || dark(image, {599, 102}));         // plot axis
        QVERIFY(dark(image, {700, 300}));                                    // optical axis
        QVERIFY(darkPixels(image, QRect(300, 282, 100, 30)) < 300);          // prompt gone
    }

    // Options chosen with real clicks change the next run: spacing large, distance near.
    void optionsChangeTheScene()
    {
        x_->click(at(16 + 16 + 5, 64 + 16 + 8));  // spacing "large"
        x_->click(at(16 + 88 + 5, 184 + 48 + 8)); // distance "near"
        QTest::qWait(200);
        x_->click(at(570, 24));
        const QImage image = waitForRunEnd(20000);
        QVERIFY2(!image.isNull(), "the run did not end");
        QVERIFY(dark(image, {350, 95}) || dark(image, {349, 95}));
        QVERIFY(silver(image, {450, 95}));
        for (int slitY : {260, 340}) {
            // The gap: no barrier there (the construction rays may pass through it).
            QVERIFY(!dark(image, {250, slitY - 1}) && !dark(image, {249, slitY - 1}));
            QVERIFY(dark(image, {250, slitY - 20}) || dark(image, {249, slitY - 20}));
        }
        // The labels moved with the slits: "A" 35 above slit A.
        QVERIFY(darkPixels(image, QRect(220, 225, 17, 17)) > 5);
    }

    // The bars on the screen are as long as the computed intensities, within 2 pixels.
    void barLengthsMatchIntensities()
    {
        x_->click(at(570, 24));
        const QImage image = waitForRunEnd(20000);
        QVERIFY2(!image.isNull(), "the run did not end");
        const std::map<int, double> lengths = startUpBarLengths();
        int checked = 0;
        for (int y = 112; y <= 488 && checked < 14; y += 29) {
            if (y % 20 == 0)
                continue;
            int end = 601;
            while (end < 790 && dark(image, {end + 1, y}))
                ++end;
            const double measured = end - 600;
            // A 2-pixel bar covers its own row and one neighbour: the row shows the longer of two.
            const double below = std::max(lengths.at(y), lengths.at(y + 1));
            const double above = std::max(lengths.at(y - 1), lengths.at(y));
            const bool close = std::abs(measured - below) <= 2 || std::abs(measured - above) <= 2;
            QVERIFY2(close, qPrintable(QString("row %1: %2 px on screen, computed %3 / %4")
                                           .arg(y).arg(measured).arg(below).arg(above)));
            ++checked;
        }
        QVERIFY(checked >= 12);
    }

    // A click on an option during a run acts only once the run has ended.
    void clickDuringRunWaits()
    {
        // Slow the run down: five clicks on the scroll bar's right arrow give slow-down 6.
        for (int i = 0; i < 5; ++i)
            x_->click(at(144 + 153 - 6, 48));
        const QPoint photon = at(16 + 8, 352 + 48);
        const QImage before = client();
        x_->click(at(570, 24));
        QTest::qWait(500);
        x_->click(photon + QPoint(5, 6));
        QTest::qWait(300);
        const QImage during = client();
        QVERIFY2(!labelsShown(during), "the run ended too soon to test");
        QCOMPARE(indicator(during, {24, 400}), indicator(before, {24, 400}));
        const QImage after = waitForRunEnd(30000);
        QVERIFY2(!after.isNull(), "the run did not end");
        QTest::qWait(300);
        QVERIFY(indicator(client(), {24, 400}) != indicator(before, {24, 400}));
        // The next run plots photon density: white dots right of the axis.
        x_->click(at(570, 24));
        QTest::qWait(3000);
        int white = 0;
        const QImage photons = client();
        for (int y = 250; y < 350; ++y)
            for (int x = 620; x <= 720; ++x)
                white += photons.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        QVERIFY2(white > 50, qPrintable(QString::number(white)));
    }

    // Exit during a run ends the program when the run has ended, with status 0.
    void exitDuringRun()
    {
        for (int i = 0; i < 3; ++i)
            x_->click(at(144 + 153 - 6, 48));
        x_->click(at(570, 24));
        QTest::qWait(400);
        x_->click(at(648, 24));
        QTest::qWait(500);
        QCOMPARE(program_->state(), QProcess::Running);
        QVERIFY(program_->waitForFinished(20000));
        QCOMPARE(program_->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program_->exitCode(), 0);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
