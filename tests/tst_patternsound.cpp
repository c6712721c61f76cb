// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "combinations.h"
#include "patternsound.h"
#include "photonrandom.h"
#include "run.h"
#include "runreading.h"
#include "runrecord.h"
#include "scan.h"
#include "testsupport.h"

#include <QtTest>
#include <cmath>

namespace {
using patternsound::samplesPerPoint;

RunRecord recorded(const QString &distance, const QString &spacing, const QString &frequency,
                   const QString &mode)
{
    return recordRun(TextSettings(distance, spacing, frequency, mode));
}

// The loudness heard over each point's 10 ms: the samples' RMS.
std::vector<double> loudness(const std::vector<qint16> &samples)
{
    std::vector<double> rms;
    for (std::size_t start = 0; start + samplesPerPoint <= samples.size(); start += samplesPerPoint) {
        double sum = 0;
        for (std::size_t s = start; s < start + samplesPerPoint; ++s)
            sum += double(samples[s]) * samples[s];
        rms.push_back(std::sqrt(sum / samplesPerPoint));
    }
    return rms;
}

std::vector<double> shownOf(const RunRecord &run)
{
    std::vector<double> shown;
    for (const RunRecord::Point &p : run.points())
        shown.push_back(p.shown);
    return shown;
}

// The point nearest the optical axis, from the record's heights.
int axisPoint(const RunRecord &run)
{
    int nearest = 1;
    for (int point = 2; point <= int(run.points().size()); ++point)
        if (std::abs(ReadPoint(run, point).height) < std::abs(ReadPoint(run, nearest).height))
            nearest = point;
    return nearest;
}

// The bright bands of `bands` between points `from` and `to`.
std::vector<PlottedBand> brightBetween(const BandReading &bands, int from, int to)
{
    std::vector<PlottedBand> inside;
    for (const PlottedBand &band : bands.bright)
        if (band.point > from && band.point < to)
            inside.push_back(band);
    return inside;
}

// For each dark band between two bright ones: how loud it is against the louder
// of them, in `level` (one value a point).
std::vector<std::pair<int, double>> darkShares(const BandReading &bands, const std::vector<double> &level)
{
    std::vector<std::pair<int, double>> shares;
    for (std::size_t i = 1; i < bands.bright.size(); ++i) {
        const double neighbour = std::max(level[std::size_t(bands.bright[i - 1].point - 1)],
                                          level[std::size_t(bands.bright[i].point - 1)]);
        for (const PlottedBand &dark : bands.dark)
            if (dark.point > bands.bright[i - 1].point && dark.point < bands.bright[i].point)
                shares.emplace_back(dark.point, level[std::size_t(dark.point - 1)] / neighbour);
    }
    return shares;
}

// The loudness a point of the plot's full height sounds with, measured on the
// sound: the median of loudness over plotted level where the plot is over half its height.
double loudnessPerLevel(const std::vector<double> &heard, const std::vector<double> &shown)
{
    const double most = *std::max_element(shown.begin(), shown.end());
    std::vector<double> ratios;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i] > most / 2)
            ratios.push_back(heard[i] / (shown[i] / most));
    std::nth_element(ratios.begin(), ratios.begin() + long(ratios.size() / 2), ratios.end());
    return ratios[ratios.size() / 2] / most;
}
} // namespace

// The pattern as sound, rendered from whole runs.
class TestPatternSound : public QObject {
    Q_OBJECT
private slots:
    // A sound whose loudness does not follow the picture (a band without a
    // peak, a second peak on a band's flank, a peak displaced by a fade), a fade
    // that carries loudness into a dark band, a click away from the axis, a
    // length that is not the scan's, or a render that differs from the last: in
    // every combination. From each dark band to the next with one bright band
    // between them that the weighting does not split, the loudness rises to one
    // peak, at that band (within a point), and falls again; a dark band sounds no
    // louder than its plotted height gives; the sharpest step in the samples is
    // the axis's click.
    void soundFollowsThePicture_data() { addEveryCombination(); }
    void soundFollowsThePicture()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const RunReading reading(recorded(distance, spacing, frequency, mode));
        const RunRecord &run = reading.run;
        const std::vector<qint16> samples = RenderPatternSound(reading);
        QCOMPARE(samples.size(), std::size_t(scan::pointCount) * samplesPerPoint);
        QVERIFY(RenderPatternSound(reading) == samples);

        const std::vector<double> heard = loudness(samples);
        const std::vector<double> shown = shownOf(run);
        const int axis = axisPoint(run);
        // Between two dark bands: up to the bright band, and down from it, by no
        // more than a bump too small to count as a band of its own.
        const BandReading &bands = reading.bands;
        const double bump = bandShare * *std::max_element(heard.begin(), heard.end());
        for (std::size_t i = 1; i < bands.dark.size(); ++i) {
            const int from = bands.dark[i - 1].point, to = bands.dark[i].point;
            const std::vector<PlottedBand> inside = brightBetween(bands, from, to);
            const bool split = std::any_of(bands.dips.begin(), bands.dips.end(), [&](const PlottedBand &dip) {
                return dip.point > from && dip.point < to;
            });
            if (inside.size() != 1 || split)
                continue;
            const int band = inside.front().point;
            int loudest = from;
            for (int point = from; point <= to; ++point) {
                if (point != axis && heard[std::size_t(point - 1)] > heard[std::size_t(loudest - 1)])
                    loudest = point;
            }
            QVERIFY2(std::abs(loudest - band) <= 1 || band == axis,
                     qPrintable(QStringLiteral("band at %1, loudest at %2").arg(band).arg(loudest)));
            for (int point = from; point < to; ++point) {
                if (point == axis || point + 1 == axis)
                    continue;
                const double step = heard[std::size_t(point)] - heard[std::size_t(point - 1)];
                QVERIFY2(point < band ? step > -bump : step < bump,
                         qPrintable(QStringLiteral("band at %1, a second peak at %2").arg(band).arg(point)));
            }
        }

        const double perLevel = loudnessPerLevel(heard, shown);
        for (const PlottedBand &dark : bands.dark) {
            const double plotted = perLevel * dark.value;
            QVERIFY2(heard[std::size_t(dark.point - 1)] <= plotted * 1.05 + 1,
                     qPrintable(QStringLiteral("point %1: %2 against %3")
                                    .arg(dark.point)
                                    .arg(heard[std::size_t(dark.point - 1)])
                                    .arg(plotted)));
        }

        std::size_t sharpest = 1;
        for (std::size_t s = 1; s < samples.size(); ++s)
            if (std::abs(samples[s] - samples[s - 1]) > std::abs(samples[sharpest] - samples[sharpest - 1]))
                sharpest = s;
        QCOMPARE(int(sharpest / samplesPerPoint) + 1, axis);
    }

    // Dark bands that a listener still hears: where the picture is black, in the
    // patterns and settings a lesson starts from and with broad bands, every dark
    // band is below 1 % of its bright neighbours' loudness.
    void darkBandsAreSilent_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("mode");
        for (const char *mode : {"0", "1", "2"})
            QTest::addRow("start-up, mode %s", mode) << "200"
                                                     << "15"
                                                     << "2" << QString(mode);
        QTest::newRow("broad bands") << "100"
                                     << "10" << numberText(0.5) << "1";
    }
    void darkBandsAreSilent()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const RunReading reading(recorded(distance, spacing, frequency, mode));
        const auto shares = darkShares(reading.bands, loudness(RenderPatternSound(reading)));
        QVERIFY(!shares.empty());
        for (const auto &[point, share] : shares)
            QVERIFY2(share < 0.01, qPrintable(QStringLiteral("point %1: %2").arg(point).arg(share)));
    }

    // A record without points (no run yet) that crashes the render or sounds.
    void noRunNoSound() { QVERIFY(RenderPatternSound(RunReading()).empty()); }
};

QTEST_MAIN(TestPatternSound)
#include "tst_patternsound.moc"
