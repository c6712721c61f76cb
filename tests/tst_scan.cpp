// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "testsupport.h"
#include "scan.h"

#include <QtTest>
#include <cmath>

namespace {
SceneGeometry geometry(double distance, double spacing)
{
    SceneGeometry g;
    g.screenX = 250 + distance;
    g.slitOffset = spacing;
    return g;
}

ScanPoint scanned(int index, const SceneGeometry &g, double waveNumber)
{
    RecordingCanvas canvas;
    ScanPoint p;
    ScanOnePoint(p, index, g, waveNumber, canvas);
    return p;
}

// The value, rounded to as many decimals as a reference shows, reads as that reference.
bool showsDigits(double value, const QString &shown)
{
    const int decimals = int(shown.size() - shown.indexOf('.') - 1);
    return QString::number(value, 'f', decimals) == shown;
}
} // namespace

class TestScan : public QObject {
    Q_OBJECT
private slots:
    // A slip in the order of the phasors, a path taken from the tip, or a
    // reordered product changes these reference digits.
    void firstPointWithStartUpSettings_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("digits");
        QTest::newRow("pointX") << "pointX" << "450.000000";
        QTest::newRow("pointY") << "pointY" << "499.000000";
        QTest::newRow("pathB") << "pathB" << "271.7646";
        QTest::newRow("pathA") << "pathA" << "292.9095";
        QTest::newRow("falloffA") << "falloffA" << "46116.000000";
        QTest::newRow("falloffB") << "falloffB" << "34176.000000";
        QTest::newRow("final tipX") << "tipX" << "427.2100";
        QTest::newRow("final tipY") << "tipY" << "523.0616";
        QTest::newRow("intensity") << "intensity" << "4393.3773";
        QTest::newRow("weight") << "weight" << "0.000050945";
    }
    void firstPointWithStartUpSettings()
    {
        QFETCH(QString, field);
        QFETCH(QString, digits);
        const ScanPoint p = scanned(1, geometry(200, 15), 2);
        const QHash<QString, double> values{
            {"pointX", p.pointX},     {"pointY", p.pointY},     {"pathB", p.pathB},
            {"pathA", p.pathA},       {"falloffA", p.falloffA}, {"falloffB", p.falloffB},
            {"tipX", p.tipX},         {"tipY", p.tipY},         {"intensity", p.intensity},
            {"weight", p.weight}};
        QVERIFY2(showsDigits(values.value(field), digits),
                 qPrintable(QString::number(values.value(field), 'f', 12)));
    }

    // A construction that draws phasor A from P instead of from phasor B's tip.
    void phasorAIsDrawnFromPhasorBsTip()
    {
        RecordingCanvas canvas;
        ScanPoint p;
        ScanOnePoint(p, 20, geometry(200, 15), 2, canvas);
        const std::vector<CanvasOp> lines = canvas.of(CanvasOp::Line);
        QCOMPARE(lines.size(), std::size_t(5));
        // Phasor A (the third line) starts where phasor B (the first) ends.
        QCOMPARE(lines[2].x1, lines[0].x2);
        QCOMPARE(lines[2].y1, lines[0].y2);
    }

    // Scanning the wrong way, or off by one, moves the points off these rows.
    void indexesRunBottomToTop_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("y");
        QTest::newRow("first") << 1 << 499.0;
        QTest::newRow("centre") << 200 << 300.0;
        QTest::newRow("last") << 399 << 101.0;
    }
    void indexesRunBottomToTop()
    {
        QFETCH(int, index);
        QFETCH(double, y);
        const ScanPoint p = scanned(index, geometry(150, 10), 0.5);
        QCOMPARE(p.index, index);
        QCOMPARE(p.pointY, y);
        QCOMPARE(p.pointX, 400.0);
    }

    // On the centre line both paths are equal: the phasors line up, the sum is 50 long.
    void centreLineAddsInPhase_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("spacing");
        QTest::addColumn<double>("waveNumber");
        QTest::newRow("start-up") << 200.0 << 15.0 << 2.0;
        QTest::newRow("near, large, low") << 100.0 << 40.0 << 0.1;
        QTest::newRow("middle, small, high") << 150.0 << 5.0 << 0.5;
    }
    void centreLineAddsInPhase()
    {
        QFETCH(double, distance);
        QFETCH(double, spacing);
        QFETCH(double, waveNumber);
        const ScanPoint p = scanned(200, geometry(distance, spacing), waveNumber);
        QCOMPARE(p.pathA, p.pathB);
        QCOMPARE(p.falloffA, p.falloffB);
        QVERIFY(std::abs(p.intensity - 10000) < 1e-9);
        QVERIFY(std::abs(std::hypot(p.tipX - p.pointX, p.tipY - p.pointY) - 50) < 1e-12);
    }

    // With both slits on the axis every point is fully bright.
    void spacingZeroIsEverywhereBright()
    {
        for (double waveNumber : {0.1, 0.3, 0.5, 2.0}) {
            for (int index = 1; index <= scan::pointCount; ++index) {
                const ScanPoint p = scanned(index, geometry(200, 0), waveNumber);
                QCOMPARE(p.pathA, p.pathB);
                QVERIFY2(std::abs(p.intensity - 10000) < 1e-9, qPrintable(QString::number(index)));
            }
        }
    }

    // Where the path difference is half a wave the phasors cancel back to P.
    void oppositePhasesCancel()
    {
        const SceneGeometry g = geometry(200, 15);
        const ScanPoint probe = scanned(1, g, 1);
        const double waveNumber = M_PI / (probe.pathB - probe.pathA);
        const ScanPoint p = scanned(1, g, waveNumber);
        QVERIFY2(p.intensity < 1e-9, qPrintable(QString::number(p.intensity)));
        QVERIFY(std::abs(p.tipX - p.pointX) < 1e-6);
        QVERIFY(std::abs(p.tipY - p.pointY) < 1e-6);
    }

    // The intensity is the two-beam law up to rounding, at every point and frequency.
    void intensityFollowsPathDifference()
    {
        for (double waveNumber : {0.1, 0.3, 0.5, 2.0}) {
            for (int index = 1; index <= scan::pointCount; index += 7) {
                const ScanPoint p = scanned(index, geometry(100, 40), waveNumber);
                const double expected = 5000 * (1 + std::cos(waveNumber * (p.pathB - p.pathA)));
                QVERIFY2(std::abs(p.intensity - expected) < 1e-6,
                         qPrintable(QString("%1 %2").arg(p.intensity).arg(expected)));
                QVERIFY(p.weight > 0 && p.weight <= 1.0 / 40);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestScan)
#include "tst_scan.moc"
