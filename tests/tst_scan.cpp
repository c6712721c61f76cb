// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "scan.h"
#include "testsupport.h"

#include <QtTest>
#include <cmath>

namespace {
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
        // clang-format off
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
        // clang-format on
    }
    void firstPointWithStartUpSettings()
    {
        QFETCH(QString, field);
        QFETCH(QString, digits);
        const ScanPoint p = scanned(1, sceneGeometry(200, 15), 2);
        const QHash<QString, double> values{
            {"pointX", p.pointX},       {"pointY", p.pointY},     {"pathB", p.pathB}, {"pathA", p.pathA},
            {"falloffA", p.falloffA},   {"falloffB", p.falloffB}, {"tipX", p.tipX},   {"tipY", p.tipY},
            {"intensity", p.intensity}, {"weight", p.weight}};
        QVERIFY2(showsDigits(values.value(field), digits),
                 qPrintable(QString::number(values.value(field), 'f', 12)));
    }

    // The two-beam law, 5000 × (1 + cos(k × (path B − path A))), at every point
    // and frequency: a phasor added with the wrong phase or length, or a sum
    // squared the wrong way. On the axis the paths are equal, unless a slit
    // stands off its place; with spacing 0 they are equal everywhere.
    void intensityFollowsPathDifference_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("spacing");
        QTest::newRow("start-up") << 200.0 << 15.0;
        QTest::newRow("near, large") << 100.0 << 40.0;
        QTest::newRow("middle, small") << 150.0 << 5.0;
        QTest::newRow("one slit") << 200.0 << 0.0;
    }
    void intensityFollowsPathDifference()
    {
        QFETCH(double, distance);
        QFETCH(double, spacing);
        for (double waveNumber : {0.1, 0.3, 0.5, 2.0}) {
            for (int index = 1; index <= scan::pointCount; ++index) {
                const ScanPoint p = scanned(index, sceneGeometry(distance, spacing), waveNumber);
                const double expected = 5000 * (1 + std::cos(waveNumber * (p.pathB - p.pathA)));
                QVERIFY2(
                    std::abs(p.intensity - expected) < 1e-6,
                    qPrintable(QString("point %1: %2, not %3").arg(index).arg(p.intensity).arg(expected)));
                if (index == 200 || spacing == 0)
                    QCOMPARE(p.pathA, p.pathB);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestScan)
#include "tst_scan.moc"
