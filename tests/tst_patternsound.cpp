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
#include <numbers>

namespace {
using patternsound::samplesPerPoint;

RunRecord recorded(const QString &distance, const QString &spacing, const QString &frequency,
                   const QString &mode)
{
    return recordRun(TextSettings(distance, spacing, frequency, mode));
}

// The loudness heard over each point's time, between the cues, in a sound
// `slowness` times slower: the samples' RMS.
std::vector<double> loudness(const std::vector<qint16> &samples, int slowness = 1)
{
    const std::size_t perPoint = std::size_t(samplesPerPoint * slowness);
    std::vector<double> rms;
    for (std::size_t start = patternsound::cueSamples;
         start + perPoint + patternsound::cueSamples <= samples.size(); start += perPoint) {
        double sum = 0;
        for (std::size_t s = start; s < start + perPoint; ++s)
            sum += double(samples[s]) * samples[s];
        rms.push_back(std::sqrt(sum / double(perPoint)));
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

// The strength of the `hertz` component in the 10 ms from sample `from`: the
// squared magnitude of its Fourier sum there. Every pitch of the sound makes
// whole waves in 10 ms.
double strengthAt(const std::vector<qint16> &samples, std::size_t from, double hertz)
{
    double re = 0, im = 0;
    for (int s = 0; s < samplesPerPoint; ++s) {
        const double angle = 2 * std::numbers::pi * hertz * s / patternsound::sampleRate;
        re += samples[from + std::size_t(s)] * std::cos(angle);
        im += samples[from + std::size_t(s)] * std::sin(angle);
    }
    return re * re + im * im;
}

// The same in the 10 ms in the middle of point `point` of a sound `slowness` times slower.
double strength(const std::vector<qint16> &samples, int point, int slowness, double hertz)
{
    const std::size_t perPoint = std::size_t(samplesPerPoint * slowness);
    return strengthAt(samples,
                      patternsound::cueSamples + std::size_t(point - 1) * perPoint
                          + (perPoint - samplesPerPoint) / 2,
                      hertz);
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
    // that carries loudness into a dark band, a length that is not the scan's,
    // or a render that differs from the last: in every combination. From each dark band to the next with one bright band
    // between them that the weighting does not split, the loudness rises to one
    // peak, at that band (within a point), and falls again; a dark band sounds no
    // louder than its plotted height gives.
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
        QCOMPARE(samples.size(),
                 std::size_t(scan::pointCount) * samplesPerPoint + 2 * patternsound::cueSamples);
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
    }

    // The axis's mark masking the middle band's tick (a click struck at full
    // strength over it did) or away from the axis, or a slowed sound that is not
    // the same sound stretched: in the 10 ms in the middle of the axis's point
    // the tick is at least twice as strong as the axis's hum, which is weaker
    // anywhere else, at either pace; and every point without a mark (ticks and
    // hum last as long at either pace), but the first and the last (where the
    // tone fades in and out), is as loud as at the normal pace.
    void axisLeavesTheMiddleTickAudible_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("slowness");
        for (const char *mode : {"0", "1", "2"})
            for (const int slowness : {1, 4})
                QTest::addRow("mode %s, slowness %d", mode, slowness) << QString(mode) << slowness;
    }
    void axisLeavesTheMiddleTickAudible()
    {
        QFETCH(QString, mode);
        QFETCH(int, slowness);
        const RunReading reading(recorded("200", "15", "2", mode));
        const std::vector<qint16> samples = RenderPatternSound(reading, slowness);
        const int axis = AxisPoint(reading.run);
        QVERIFY(std::any_of(reading.bands.bright.begin(), reading.bands.bright.end(),
                            [axis](const PlottedBand &band) { return band.point == axis; }));
        const double tick = strength(samples, axis, slowness, patternsound::tickHertz);
        const double hum = strength(samples, axis, slowness, patternsound::axisHertz);
        QVERIFY2(tick >= 2 * hum, qPrintable(QStringLiteral("tick %1, hum %2").arg(tick).arg(hum)));
        for (int point = 1; point <= int(reading.run.points().size()); ++point)
            QVERIFY2(point == axis || strength(samples, point, slowness, patternsound::axisHertz) < hum,
                     qPrintable(QStringLiteral("the hum at %1, the axis at %2").arg(point).arg(axis)));

        const std::vector<double> slow = loudness(samples, slowness);
        const std::vector<double> normal = loudness(RenderPatternSound(reading));
        QCOMPARE(slow.size(), normal.size());
        std::vector<bool> marked(slow.size());
        marked[std::size_t(axis - 1)] = true;
        for (const PlottedBand &band : reading.bands.bright)
            marked[std::size_t(band.point - 1)] = true;
        for (std::size_t i = 1; i + 1 < slow.size(); ++i)
            QVERIFY2(
                marked[i] || std::abs(slow[i] - normal[i]) <= 0.1 * normal[i] + 30,
                qPrintable(QStringLiteral("point %1: %2 against %3").arg(i + 1).arg(slow[i]).arg(normal[i])));
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

    // A point's tone in Explore that is not the pattern's there (another pitch or
    // loudness, a band's tick missing), that does not follow the bar (a dark
    // band as loud as a bright one), that clicks at its ends, or is too short to
    // hear or too long for a key held down: at every point the tone's middle
    // 10 ms hold the tone and the tick as strongly as the slowed pattern's there,
    // and of two points the brighter bar sounds louder.
    void pointToneIsThePatternsThere_data() { darkBandsAreSilent_data(); }
    void pointToneIsThePatternsThere()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const RunReading reading(recorded(distance, spacing, frequency, mode));
        const std::vector<qint16> pattern = RenderPatternSound(reading, 4);
        std::vector<std::pair<double, double>> byBar; // each point's bar and tone's strength
        for (int point = 1; point <= int(reading.run.points().size()); ++point) {
            const std::vector<qint16> tone = RenderPointTone(reading.run, reading.bands, point);
            QVERIFY(tone.size() >= 0.08 * patternsound::sampleRate
                    && tone.size() <= 0.15 * patternsound::sampleRate);
            const auto soft = [](qint16 sample) { return std::abs(sample) < 1000; };
            QVERIFY(std::all_of(tone.begin(), tone.begin() + 22, soft)
                    && std::all_of(tone.end() - 22, tone.end(), soft));
            const std::size_t middle = (tone.size() - samplesPerPoint) / 2;
            for (const double hertz : {patternsound::toneHertz, patternsound::tickHertz}) {
                const double there = strength(pattern, point, 4, hertz);
                QVERIFY2(std::abs(strengthAt(tone, middle, hertz) - there) <= 0.01 * there + 1,
                         qPrintable(QString::number(point)));
            }
            byBar.emplace_back(reading.run.points()[std::size_t(point - 1)].shown,
                               strengthAt(tone, middle, patternsound::toneHertz));
        }
        std::sort(byBar.begin(), byBar.end());
        for (std::size_t i = 1; i < byBar.size(); ++i)
            QVERIFY(byBar[i].first - byBar[i - 1].first < 0.01 * byBar.back().first
                    || byBar[i].second > byBar[i - 1].second);
    }

    // A record without points (no run yet), or a point beyond them, that crashes the render or sounds.
    void noRunNoSound()
    {
        QVERIFY(RenderPatternSound(RunReading()).empty());
        QVERIFY(RenderPointTone(RunRecord(), BandReading(), 1).empty());
    }
};

QTEST_MAIN(TestPatternSound)
#include "tst_patternsound.moc"
