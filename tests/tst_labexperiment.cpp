// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// The laboratory's optics in metres, against sums done here another way: in
// long double, straight from the two distances, without the program's formulas.
#include "labexperiment.h"
#include "labphotons.h"
#include "lightcolour.h"

#include <QtTest>
#include <cmath>
#include <numbers>

namespace {
using Long = long double;

// rB − rA the long way: two square roots subtracted.
Long difference(const LabExperiment &e, Long y)
{
    const Long L = e.distance, half = Long(e.separation) / 2;
    return std::sqrt(L * L + (y + half) * (y + half)) - std::sqrt(L * L + (y - half) * (y - half));
}

// Where rB − rA is one wavelength, by bisection between the axis and the slits' angle.
Long firstBright(const LabExperiment &e)
{
    Long low = 0, high = e.distance;
    for (int i = 0; i < 200; ++i) {
        const Long mid = (low + high) / 2;
        (difference(e, mid) < e.wavelength ? low : high) = mid;
    }
    return (low + high) / 2;
}

Long brightness(const LabExperiment &e, Long y)
{
    const Long c = std::cos(std::numbers::pi_v<Long> * difference(e, y) / e.wavelength);
    return c * c;
}

void addSetups()
{
    QTest::addColumn<double>("wavelength");
    QTest::addColumn<double>("separation");
    QTest::addColumn<double>("distance");
    QTest::newRow("green pointer, school bench") << 532e-9 << 0.25e-3 << 2.0;
    QTest::newRow("red, close slits, far screen") << 650e-9 << 0.1e-3 << 3.0;
    QTest::newRow("violet, wide slits, near screen") << 405e-9 << 1.0e-3 << 0.5;
    QTest::newRow("deep red, close slits") << 780e-9 << 0.1e-3 << 1.0;
}
} // namespace

class TestLabExperiment : public QObject {
    Q_OBJECT
private slots:
    // A first bright band put where the small-angle formula puts it, or solved
    // on the wrong hyperbola: in a laboratory the two agree to a micrometre.
    void firstOrderExactAndSmallAngle_data() { addSetups(); }
    void firstOrderExactAndSmallAngle()
    {
        QFETCH(double, wavelength);
        QFETCH(double, separation);
        QFETCH(double, distance);
        const LabExperiment e{wavelength, separation, distance};
        const Long exact = firstBright(e);
        const Long smallAngle = Long(wavelength) * distance / separation;
        QVERIFY(e.exactPosition(1).has_value());
        QVERIFY2(std::abs(*e.exactPosition(1) - exact) < 1e-12, qPrintable(QString::number(double(exact))));
        QCOMPARE(*e.exactPosition(-1), -*e.exactPosition(1));
        QVERIFY(std::abs(e.smallAnglePosition(1) - smallAngle) < 1e-15);
        const Long apart = *e.exactPosition(1) - e.smallAnglePosition(1);
        QVERIFY(std::abs(apart - (exact - smallAngle)) < 1e-12);
        QVERIFY(std::abs(apart) < 1e-6);
    }

    // Path lengths from the wrong slit, a difference with the wrong sign, or
    // one that loses its digits subtracting two nearly equal lengths; a
    // brightness that is not cos² of half the phase difference (a strip whose
    // bright bands fall short of full brightness).
    void pathsAtAPoint_data()
    {
        QTest::addColumn<double>("y");
        QTest::newRow("axis") << 0.0;
        QTest::newRow("4.3 mm up") << 4.3e-3;
        QTest::newRow("2 cm down") << -0.02;
        QTest::newRow("edge") << 0.05;
    }
    void pathsAtAPoint()
    {
        QFETCH(double, y);
        const LabExperiment e;
        const Long L = e.distance, half = Long(e.separation) / 2;
        QVERIFY(std::abs(e.pathA(y) - std::sqrt(L * L + (y - half) * (y - half))) < 1e-15);
        QVERIFY(std::abs(e.pathB(y) - std::sqrt(L * L + (y + half) * (y + half))) < 1e-15);
        QVERIFY(std::abs(e.pathDifference(y) - difference(e, y)) < 1e-17);
        QVERIFY(std::abs(e.intensity(y) - brightness(e, y)) < 1e-9);
    }

    // Photons drawn evenly, by the amplitude rather than its square, or by
    // another setup's pattern: 100,000 of them binned an eighth of a band wide
    // must match the intensity curve to Pearson's χ² (per degree of freedom
    // below 1.3; a fault pushes it into the tens).
    void photonsFollowTheIntensity_data() { addSetups(); }
    void photonsFollowTheIntensity()
    {
        QFETCH(double, wavelength);
        QFETCH(double, separation);
        QFETCH(double, distance);
        const LabExperiment e{wavelength, separation, distance};
        const double width = wavelength * distance / separation / 8;
        const int bins = int(2 * LabExperiment::halfScreen / width);
        const double edge = -width * bins / 2;
        constexpr int photons = 100000;
        std::vector<int> counts(std::size_t(bins), 0);
        LabPhotons source(e, 20261209);
        int kept = 0;
        for (int i = 0; i < photons; ++i) {
            const int bin = int(std::floor((source.next() - edge) / width));
            if (bin >= 0 && bin < bins) {
                ++counts[std::size_t(bin)];
                ++kept;
            }
        }
        // Each bin's share of the curve by Simpson's rule on 16 slices.
        std::vector<Long> share(static_cast<std::size_t>(bins));
        Long total = 0;
        for (int b = 0; b < bins; ++b) {
            Long sum = 0;
            for (int s = 0; s <= 16; ++s) {
                const int weight = s == 0 || s == 16 ? 1 : s % 2 ? 4 : 2;
                sum += weight * brightness(e, edge + width * (b + s / Long(16)));
            }
            total += share[std::size_t(b)] = sum;
        }
        Long chi = 0;
        int degrees = -1;
        for (int b = 0; b < bins; ++b) {
            const Long expected = kept * share[std::size_t(b)] / total;
            if (expected < 5)
                continue;
            chi += (counts[std::size_t(b)] - expected) * (counts[std::size_t(b)] - expected) / expected;
            ++degrees;
        }
        QVERIFY2(chi / degrees < 1.3,
                 qPrintable(QString("chi2/dof %1 over %2").arg(double(chi / degrees)).arg(degrees)));
        LabPhotons again(e, 20261209), other(e, 20261210);
        LabPhotons first(e, 20261209);
        QCOMPARE(again.next(), first.next());
        QVERIFY(other.next() != LabPhotons(e, 20261209).next());
    }

    // A colour map with its hues swapped or shifted: a pointer's colour is
    // dominated by its own component.
    void pointerColours_data()
    {
        QTest::addColumn<double>("wavelength");
        QTest::addColumn<int>("strongest"); // 0 red, 1 green, 2 blue
        QTest::newRow("red 650 nm") << 650e-9 << 0;
        QTest::newRow("green 532 nm") << 532e-9 << 1;
        QTest::newRow("violet 405 nm") << 405e-9 << 2;
        QTest::newRow("blue 460 nm") << 460e-9 << 2;
    }
    void pointerColours()
    {
        QFETCH(double, wavelength);
        QFETCH(int, strongest);
        const LightColour c = LightColour::of(wavelength);
        const double parts[] = {c.red, c.green, c.blue};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(parts[i] >= 0 && parts[i] <= 1);
            if (i != strongest)
                QVERIFY2(parts[i] < parts[strongest], qPrintable(QString::number(i)));
        }
    }
};

QTEST_APPLESS_MAIN(TestLabExperiment)
#include "tst_labexperiment.moc"
