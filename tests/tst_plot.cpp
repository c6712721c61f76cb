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
RecordingCanvas startedCanvas(Colour fill = colours::white)
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
    // The bar starts on the axis, is as long as the scaled intensity and is 2 wide in the foreground.
    void barEnds_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<double>("intensity");
        QTest::newRow("interference, full") << "1" << 100.0;
        QTest::newRow("light") << "0" << 143.75;
        QTest::newRow("zero") << "0" << 0.0;
    }
    void barEnds()
    {
        QFETCH(QString, mode);
        QFETCH(double, intensity);
        RecordingCanvas canvas = startedCanvas();
        PhotonRandom random;
        ScanPoint p = pointWith(intensity, 320, 320);
        PlotPoint(p, SceneGeometry{}, TextSettings("200", "15", "2", mode), canvas, random);
        const CanvasOp bar = canvas.ops.front();
        QCOMPARE(bar.kind, CanvasOp::Line);
        QCOMPARE(bar.x1, 600.f);
        QCOMPARE(bar.x2, float(600 + intensity));
        QCOMPARE(bar.y1, float(y));
        QCOMPARE(bar.y2, float(y));
        QCOMPARE(bar.width, 2);
        QVERIFY(!bar.colour);
        QCOMPARE(canvas.width, 1);
        QCOMPARE(p.intensity, intensity);
    }

    // floor(n) dots with n = (3.9 × intensity) × weight compared as a real number.
    void photonDotCounts_data()
    {
        QTest::addColumn<double>("intensity");
        QTest::addColumn<double>("falloff");
        QTest::addColumn<int>("dots");
        QTest::newRow("n = 243.75") << 10000.0 << 320.0 << 243;
        QTest::newRow("n = 433.33") << 10000.0 << 180.0 << 433;
        QTest::newRow("the most: n = 975") << 10000.0 << 80.0 << 975;
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

    // Marker x = 600 − K / falloff for each slit with its own falloff term, the
    // combined one subtracting both in turn; K by the distance.
    void slitMarkers_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<double>("falloffA");
        QTest::addColumn<double>("falloffB");
        QTest::addColumn<double>("markerA");
        QTest::addColumn<double>("markerB");
        QTest::addColumn<double>("both");
        QTest::newRow("200") << "200" << 400.0 << 100.0 << 550.0 << 400.0 << 350.0;
        QTest::newRow("150") << "150" << 180.0 << 180.0 << 530.5555555555555 << 530.5555555555555
                             << 461.1111111111111;
        QTest::newRow("100") << "100" << 80.0 << 280.0 << 512.5 << 575.0 << 487.5;
    }
    void slitMarkers()
    {
        QFETCH(QString, distance);
        QFETCH(double, falloffA);
        QFETCH(double, falloffB);
        QFETCH(double, markerA);
        QFETCH(double, markerB);
        QFETCH(double, both);
        for (const QString mode : {"0", "2"}) {
            RecordingCanvas canvas = startedCanvas();
            PhotonRandom random;
            ScanPoint p = pointWith(50, falloffA, falloffB);
            PlotPoint(p, SceneGeometry{}, TextSettings(distance, "15", "2", mode), canvas, random);
            const std::vector<CanvasOp> &ops = canvas.ops;
            QVERIFY(ops.size() >= 4);
            const auto markers = std::vector<CanvasOp>(ops.end() - 4, ops.end());
            QCOMPARE(markers[0].kind, CanvasOp::FillColour);
            QCOMPARE(markers[0].colour, colours::blue);
            QCOMPARE(markers[1].x1, float(markerA));
            QCOMPARE(markers[1].colour, colours::blue);
            QCOMPARE(markers[2].x1, float(markerB));
            QCOMPARE(markers[2].colour, colours::blue);
            QCOMPARE(markers[3].x1, float(both));
            QVERIFY(!markers[3].colour);
            for (int i = 1; i < 4; ++i) {
                QCOMPARE(markers[i].kind, CanvasOp::Circle);
                QCOMPARE(markers[i].x2, 1.f);
                QCOMPARE(markers[i].y1, float(y));
                QCOMPARE(markers[i].width, 1);
                QCOMPARE(markers[i].fill, colours::blue);
            }
            QCOMPARE(canvas.fill, colours::blue);
        }
    }
};

QTEST_APPLESS_MAIN(TestPlot)
#include "tst_plot.moc"
