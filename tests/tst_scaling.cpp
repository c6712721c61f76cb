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
    // A factor in the wrong cell, or a row or column tried by number, shows here.
    void allFifteenLightFactors_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<double>("factor");
        const char *spacings[] = {"40", "15", "10", "5", "0"};
        const struct { const char *distance; double factors[5]; } rows[] = {
            {"200", {4.2, 3.9, 3, 2.45, 2.3}},
            {"150", {2.5, 2.2, 2, 1.4, 1.25}},
            {"100", {1.1, 1.15, 1.28, 0.75, 0.57}},
        };
        for (const auto &row : rows)
            for (int c = 0; c < 5; ++c)
                QTest::addRow("%s/%s", row.distance, spacings[c])
                    << row.distance << spacings[c] << row.factors[c];
    }
    void allFifteenLightFactors()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(double, factor);
        QCOMPARE(LightModeFactor(distance, spacing), std::optional<double>(factor));
        const double weight = 0.0031;
        QCOMPARE(scaled(7321.5, weight, TextSettings(distance, spacing, "2", "0")),
                 (factor * 7321.5) * weight);
    }

    // The documented results, to the last bit: factor times intensity first, then the weight.
    void documentedResults_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<double>("intensity");
        QTest::addColumn<double>("weight");
        QTest::addColumn<double>("result");
        QTest::newRow("interference") << "1" << "200" << "15" << 10000.0 << 0.5 << 100.0;
        QTest::newRow("light 200/0") << "0" << "200" << "0" << 10000.0 << 2.0 / 320 << 143.75;
        QTest::newRow("light 150/0") << "0" << "150" << "0" << 10000.0 << 2.0 / 180 << 138.88888888888889;
        QTest::newRow("light 100/0 rounds below 142.5") << "0" << "100" << "0" << 10000.0 << 2.0 / 80 << 142.49999999999997;
        QTest::newRow("zero, light") << "0" << "200" << "15" << 0.0 << 0.01 << 0.0;
        QTest::newRow("zero, interference") << "1" << "200" << "15" << 0.0 << 0.01 << 0.0;
        QTest::newRow("zero, photon") << "2" << "200" << "15" << 0.0 << 0.01 << 0.0;
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
