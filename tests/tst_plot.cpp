// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "photonrandom.h"
#include "plot.h"
#include "scan.h"
#include "scenegeometry.h"
#include "testsupport.h"

#include <QtTest>

namespace {
constexpr double y = 257;

ScanPoint pointWith(double intensity, double falloffA, double falloffB)
{
    ScanPoint p;
    p.index = 243;
    p.pointX = 450;
    p.pointY = y;
    p.intensity = intensity;
    p.falloffA = falloffA;
    p.falloffB = falloffB;
    p.weight = 1 / falloffA + 1 / falloffB;
    return p;
}

// The canvas as the scan leaves it when PlotPoint starts: width 2, some fill colour in force.
RecordingCanvas startedCanvas(Colour fill)
{
    RecordingCanvas canvas;
    canvas.width = 2;
    canvas.fill = fill;
    return canvas;
}

std::vector<CanvasOp> whiteDots(const RecordingCanvas &canvas)
{
    std::vector<CanvasOp> dots;
    for (const CanvasOp &op : canvas.of(CanvasOp::Circle))
        if (op.colour == colours::white)
            dots.push_back(op);
    return dots;
}
} // namespace

class TestPlot : public QObject {
    Q_OBJECT
private slots:
    // A dot too many or too few where the count n = (3.9 × intensity) × weight
    // is at its edges (below 1, exactly 1, a dark point): floor(n) dots, n compared
    // as a real number. The ordinary counts, and the bars and slit markers, are
    // tst_pixels' whole runs, pixel for pixel.
    void photonDotCounts_data()
    {
        QTest::addColumn<double>("intensity");
        QTest::addColumn<double>("falloff");
        QTest::addColumn<int>("dots");
        QTest::newRow("n = 0.9") << 0.9 / (3.9 * 0.25) << 8.0 << 0;
        QTest::newRow("n = 1 exactly") << 1.0256410256410258 << 8.0 << 1;
        QTest::newRow("dark point") << 0.0 << 80.0 << 0;
    }
    void photonDotCounts()
    {
        QFETCH(double, intensity);
        QFETCH(double, falloff);
        QFETCH(int, dots);
        RecordingCanvas canvas = startedCanvas(colours::blue);
        PhotonRandom random;
        ScanPoint p = pointWith(intensity, falloff, falloff);
        PlotPoint(p, SceneGeometry{}, TextSettings("200", "15", "2", "2"), canvas, random);

        // The line comes first, at width 1, whether or not dots follow.
        QCOMPARE(canvas.ops.at(0).kind, CanvasOp::Width);
        QCOMPARE(canvas.ops.at(0).width, 1);
        const CanvasOp line = canvas.ops.at(1);
        QCOMPARE(line.kind, CanvasOp::Line);
        QCOMPARE(QPointF(line.x1, line.y1), QPointF(620, y));
        QCOMPARE(QPointF(line.x2, line.y2), QPointF(720, y));
        QVERIFY(!line.colour);

        const std::vector<CanvasOp> found = whiteDots(canvas);
        QCOMPARE(int(found.size()), dots);
        for (const CanvasOp &dot : found) {
            QVERIFY2(dot.x1 >= 620 && dot.x1 <= 720, qPrintable(QString::number(dot.x1)));
            QCOMPARE(dot.y1, float(y));
            QCOMPARE(dot.x2, 1.f);
            QCOMPARE(dot.fill, colours::white);
        }
        QCOMPARE(std::floor(p.intensity), double(dots)); // the value plotted is n itself
        QCOMPARE(canvas.width, 1);
    }
};

QTEST_APPLESS_MAIN(TestPlot)
#include "tst_plot.moc"
