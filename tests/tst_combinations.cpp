#include "imagecanvas.h"
#include "labels.h"
#include "pacer.h"
#include "photonrandom.h"
#include "plot.h"
#include "run.h"
#include "scaling.h"
#include "scan.h"
#include "scene.h"
#include "textsettings.h"

#include <QtTest>
#include <cmath>

namespace {

// The kept-image canvas, noting every coordinate or radius it is handed that is not finite.
class FiniteCheckingCanvas : public Canvas {
public:
    FiniteCheckingCanvas() : image_(sceneSize, 1.0, colours::silver) {}

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override
    {
        check("line", {x1, y1, x2, y2});
        image_.line(x1, y1, x2, y2, colour);
    }
    void circle(float x, float y, float radius, std::optional<Colour> colour) override
    {
        check("circle", {x, y, radius});
        image_.circle(x, y, radius, colour);
    }
    void setDrawWidth(int pixels) override { image_.setDrawWidth(pixels); }
    void setFillStyleSolid() override { image_.setFillStyleSolid(); }
    void setFillColour(Colour colour) override { image_.setFillColour(colour); }
    void setUnitPixels() override { image_.setUnitPixels(); }

    QImage picture() { return image_.image().convertToFormat(QImage::Format_RGB32); }
    QString firstFault;
    int figures = 0;

private:
    void check(const char *figure, std::initializer_list<float> values)
    {
        ++figures;
        for (float v : values) {
            if (!std::isfinite(v) && firstFault.isEmpty())
                firstFault = QStringLiteral("%1 number %2 is handed %3").arg(figure).arg(figures).arg(v);
        }
    }

    ImageCanvas image_;
};

// The window's scene labels: which are shown at the end, and whether every position is finite.
class LabelRecord : public SceneLabels {
public:
    void showLabel(SceneLabel label, bool visible) override { shown[std::size_t(label)] = visible; }
    void setLabelLeft(SceneLabel, float x) override { finite = finite && std::isfinite(x); }
    void setLabelTop(SceneLabel, float y) override { finite = finite && std::isfinite(y); }

    std::array<bool, 8> shown{};
    bool finite = true;
};

class CountingPacer : public Pacer {
public:
    void countDown(long long steps) override
    {
        ++calls;
        total += steps;
    }
    int calls = 0;
    long long total = 0;
};

bool isBlack(QRgb p) { return (p & 0xFFFFFF) == 0; }
bool isSilver(QRgb p) { return (p & 0xFFFFFF) == 0xC0C0C0; }
bool isWhite(QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; }
bool isBlue(QRgb p) { return (p & 0xFFFFFF) == 0x0000FF; }
bool isGreen(QRgb p) { return (p & 0xFFFFFF) == 0x00FF00; }

int count(const QImage &image, QRect area, bool (*is)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += is(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// A vertical line drawn 2 pixels wide at x covers one of these two columns at every height.
bool lineAt(const QImage &image, int x, int y)
{
    return isBlack(image.pixel(x - 1, y)) || isBlack(image.pixel(x, y));
}
} // namespace

class TestCombinations : public QObject {
    Q_OBJECT
private slots:
    // Every setting the option groups offer, 5 spacings × 3 distances ×
    // 4 frequencies × 3 modes: a value that turns infinite or NaN (a zero
    // falloff, a missing factor row), a scene part drawn in the wrong place
    // or not at all, or a run that stops early, in any one combination.
    void everyCombinationDrawsAFiniteWholeScene_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("mode");
        for (const char *spacing : {"40", "15", "10", "5", "0"})
            for (const char *distance : {"200", "150", "100"})
                for (double frequency : {2.0, 0.5, 0.3, 0.1})
                    for (const char *mode : {"0", "1", "2"}) {
                        const QString text = numberText(frequency);
                        QTest::addRow("distance %s spacing %s frequency %s mode %s", distance,
                                      spacing, qPrintable(text), mode)
                            << distance << spacing << text << mode;
                    }
    }
    void everyCombinationDrawsAFiniteWholeScene()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const TextSettings settings(distance, spacing, frequency, mode, "1");
        FiniteCheckingCanvas canvas;
        LabelRecord labels;
        PhotonRandom random;
        CountingPacer pacer;
        PerformRun(canvas, settings, labels, random, pacer);

        QVERIFY2(canvas.firstFault.isEmpty(), qPrintable(canvas.firstFault));
        QVERIFY(labels.finite);
        QCOMPARE(std::count(labels.shown.begin(), labels.shown.end(), true), 7);
        QCOMPARE(pacer.calls, scan::pointCount);
        QCOMPARE(pacer.total, scan::pointCount * run::delayFactor);

        const QImage image = canvas.picture();
        const int screenX = 250 + distance.toInt();
        const int d = spacing.toInt();
        // Untouched corners of the cleared area stay silver.
        QVERIFY(isSilver(image.pixel(10, 40)));
        QVERIFY(isSilver(image.pixel(10, 570)));
        // The source: a white disc on the optical axis at (150, 300).
        QVERIFY(isWhite(image.pixel(150, 303)));
        QVERIFY(isWhite(image.pixel(150, 297)));
        // The optical axis, left of the source and right of the plot.
        QCOMPARE(count(image, QRect(131, 300, 14, 1), isBlack), 14);
        QCOMPARE(count(image, QRect(730, 300, 20, 1), isBlack), 20);
        // The plot axis, drawn again after every point, is black from end to end.
        QCOMPARE(count(image, QRect(600, 100, 1, 401), isBlack), 401);
        // The barrier stands from 100 to 500 but for the slits at 300 ± d.
        for (int y = 100; y <= 500; ++y) {
            if (std::abs(y - (300 - d)) > 6 && std::abs(y - (300 + d)) > 6)
                QVERIFY2(lineAt(image, 250, y), qPrintable(QStringLiteral("no barrier at y %1").arg(y)));
        }
        if (d > 0) {
            QVERIFY2(!lineAt(image, 250, 300 - d), "slit A closed");
            QVERIFY2(!lineAt(image, 250, 300 + d), "slit B closed");
        }
        // The screen line at 250 + distance, from 90 to 510; the green sums of
        // the constructions, which start on it, cover it in places.
        int screenRows = 0;
        for (int y = 90; y <= 510; ++y) {
            screenRows += lineAt(image, screenX, y) || isGreen(image.pixel(screenX - 1, y))
                    || isGreen(image.pixel(screenX, y))
                ? 1
                : 0;
        }
        QVERIFY2(screenRows > 400, qPrintable(QStringLiteral("screen line on %1 rows").arg(screenRows)));
        // The pattern right of the axis: bars, or in mode 2 the photon line with white dots.
        const QRect pattern(601, 101, 199, 399);
        if (mode == "2") {
            QVERIFY(count(image, QRect(620, 101, 101, 399), isBlack) > 100 * 399 / 4);
            QVERIFY(count(image, QRect(619, 100, 103, 401), isWhite) > 0);
        } else {
            QVERIFY(count(image, pattern, isBlack) > 0);
        }
        // The slit markers left of the axis.
        QVERIFY(count(image, QRect(400, 100, 200, 401), isBlue) > 0);
    }

    // Each point's working values stay finite in every combination, whatever the canvas shows.
    void everyPointStaysFinite()
    {
        int combinations = 0;
        for (const char *spacing : {"40", "15", "10", "5", "0"})
            for (const char *distance : {"200", "150", "100"})
                for (double frequency : {2.0, 0.5, 0.3, 0.1})
                    for (const char *mode : {"0", "1", "2"}) {
                        const TextSettings settings(distance, spacing, numberText(frequency), mode, "1");
                        FiniteCheckingCanvas canvas;
                        PhotonRandom random;
                        const SceneGeometry geometry = DrawScene(canvas, settings);
                        ScanPoint p;
                        for (int index = 1; index <= scan::pointCount; ++index) {
                            ScanOnePoint(p, index, geometry, frequency, canvas);
                            ScaleIntensity(p, settings);
                            PlotPoint(p, geometry, settings, canvas, random);
                            for (double v : {p.pointX, p.pointY, p.tipX, p.tipY, p.pathA, p.pathB,
                                             p.intensity, p.falloffA, p.falloffB, p.weight}) {
                                if (!std::isfinite(v))
                                    QFAIL(qPrintable(QStringLiteral("%1 %2 %3 %4: point %5")
                                                         .arg(distance, spacing)
                                                         .arg(frequency)
                                                         .arg(mode)
                                                         .arg(index)));
                            }
                            QVERIFY(p.falloffA > 0 && p.falloffB > 0);
                        }
                        ++combinations;
                    }
        QCOMPARE(combinations, 180);
    }
};

QTEST_MAIN(TestCombinations)
#include "tst_combinations.moc"
