// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "combinations.h"
#include "labels.h"
#include "pacer.h"
#include "photonrandom.h"
#include "run.h"
#include "runobserver.h"
#include "scan.h"
#include "scenegeometry.h"
#include "testsupport.h"

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

// Every point's working values as the run reports them, and the first that is not finite.
class FinitePoints : public RunObserver {
public:
    void pointPlotted(const ScanPoint &p) override
    {
        ++points;
        for (double v : {p.pointX, p.pointY, p.tipX, p.tipY, p.pathA, p.pathB, p.intensity, p.falloffA,
                         p.falloffB, p.weight}) {
            if ((!std::isfinite(v) || p.falloffA <= 0 || p.falloffB <= 0) && firstFault.isEmpty())
                firstFault = QStringLiteral("point %1: a value is %2").arg(p.index).arg(v);
        }
    }
    QString firstFault;
    int points = 0;
};

bool lineAt(const QImage &image, int x, int y) { return pixels::darkAtOrLeft(image, x, y); }
} // namespace

class TestCombinations : public QObject {
    Q_OBJECT
private slots:
    // Every setting the option groups offer, 5 spacings × 3 distances ×
    // 4 frequencies × 3 modes: a value that turns infinite or NaN (a zero
    // falloff, a missing factor row) in a point's working values or on the
    // canvas, a run that stops early, or in any one combination a run that
    // draws over the barrier or its slits or leaves the plot axis broken, or
    // no pattern or markers. The scene drawn alone is tst_scene's.
    void everyCombinationDrawsAFiniteWholeScene_data() { addEveryCombination(); }
    void everyCombinationDrawsAFiniteWholeScene()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const TextSettings settings(distance, spacing, frequency, mode, "1");
        FiniteCheckingCanvas canvas;
        NoLabels labels;
        PhotonRandom random;
        NoWaitPacer pacer;
        FinitePoints points;
        PerformRun(canvas, settings, labels, random, pacer, &points);

        QVERIFY2(canvas.firstFault.isEmpty(), qPrintable(canvas.firstFault));
        QVERIFY2(points.firstFault.isEmpty(), qPrintable(points.firstFault));
        QCOMPARE(points.points, scan::pointCount);

        const QImage image = canvas.picture();
        const int d = spacing.toInt();
        // The plot axis, drawn again after every point, is black from end to end.
        QCOMPARE(pixels::count(image, QRect(600, 100, 1, 401), pixels::colour(pixels::black)), 401);
        // The barrier stands from 100 to 500 but for the slits at 300 ± d.
        for (int y = 100; y <= 500; ++y) {
            if (std::abs(y - (300 - d)) > 6 && std::abs(y - (300 + d)) > 6)
                QVERIFY2(lineAt(image, 250, y), qPrintable(QStringLiteral("no barrier at y %1").arg(y)));
        }
        if (d > 0) {
            QVERIFY2(!lineAt(image, 250, 300 - d), "slit A closed");
            QVERIFY2(!lineAt(image, 250, 300 + d), "slit B closed");
        }
        // The pattern right of the axis: bars, or in mode 2 the photon line with white dots.
        const QRect pattern(601, 101, 199, 399);
        if (mode == "2") {
            QVERIFY(pixels::count(image, QRect(620, 101, 101, 399), pixels::colour(pixels::black))
                    > 100 * 399 / 4);
            QVERIFY(pixels::count(image, QRect(619, 100, 103, 401), pixels::colour(pixels::white)) > 0);
        } else {
            QVERIFY(pixels::count(image, pattern, pixels::colour(pixels::black)) > 0);
        }
        // The slit markers left of the axis.
        QVERIFY(pixels::count(image, QRect(400, 100, 200, 401), pixels::colour(qRgb(0, 0, 255))) > 0);
    }
};

QTEST_MAIN(TestCombinations)
#include "tst_combinations.moc"
