// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "scaling.h"
#include "scan.h"
#include "testsupport.h"

#include <QtTest>

namespace {
double scaled(double intensity, double weight, const TextSettings &settings)
{
    ScanPoint p;
    p.intensity = intensity;
    p.weight = weight;
    ScaleIntensity(p, settings);
    return p.intensity;
}
} // namespace

class TestScaling : public QObject {
    Q_OBJECT
private slots:
    // The documented results, to the last bit: factor times intensity first, then
    // the weight (the other order gives 142.5 at 100/0); 0.01 in interference mode.
    void documentedResults_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<double>("intensity");
        QTest::addColumn<double>("weight");
        QTest::addColumn<double>("result");
        // clang-format off
        QTest::newRow("interference") << "1" << "200" << "15" << 10000.0 << 0.5 << 100.0;
        QTest::newRow("light 200/0") << "0" << "200" << "0" << 10000.0 << 2.0 / 320 << 143.75;
        QTest::newRow("light 150/0") << "0" << "150" << "0" << 10000.0 << 2.0 / 180 << 138.88888888888889;
        QTest::newRow("light 100/0 rounds below 142.5")
            << "0" << "100" << "0" << 10000.0 << 2.0 / 80 << 142.49999999999997;
        // clang-format on
    }
    void documentedResults()
    {
        QFETCH(QString, mode);
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(double, intensity);
        QFETCH(double, weight);
        QFETCH(double, result);
        const double got = scaled(intensity, weight, TextSettings(distance, spacing, "2", mode));
        QVERIFY2(got == result, qPrintable(QString::number(got, 'g', 17)));
    }

    // Exact text matching: near misses and unknown keys leave the raw intensity, with no default factor.
    void unmatchedTextsLeaveIntensityRaw_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        // clang-format off
        QTest::newRow("photon mode") << "2" << "200" << "15";
        QTest::newRow("mode ' 1'") << " 1" << "200" << "15";
        QTest::newRow("mode '01'") << "01" << "200" << "15";
        QTest::newRow("mode '1.0'") << "1.0" << "200" << "15";
        QTest::newRow("mode '0 '") << "0 " << "200" << "15";
        QTest::newRow("spacing '20'") << "0" << "200" << "20";
        QTest::newRow("spacing ' 15'") << "0" << "200" << " 15";
        QTest::newRow("distance '250'") << "0" << "250" << "15";
        QTest::newRow("distance '0200'") << "0" << "0200" << "15";
        QTest::newRow("distance '200.0'") << "0" << "200.0" << "0";
        // clang-format on
    }
    void unmatchedTextsLeaveIntensityRaw()
    {
        QFETCH(QString, mode);
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QCOMPARE(scaled(8765.4321, 0.004, TextSettings(distance, spacing, "2", mode)), 8765.4321);
    }
};

QTEST_APPLESS_MAIN(TestScaling)
#include "tst_scaling.moc"
