// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "combinations.h"
#include "photonrandom.h"
#include "run.h"
#include "runreading.h"
#include "runrecord.h"
#include "scan.h"
#include "testsupport.h"

#include <QtTest>
#include <cmath>

namespace {
// The record, and beside it every point exactly as the run handed it over and
// how far the canvas's log had come by then.
struct Watched : RunRecord {
    std::vector<ScanPoint> reported;
    std::vector<std::size_t> opsAt;
    const RecordingCanvas *canvas = nullptr;
    void pointPlotted(const ScanPoint &point) override
    {
        RunRecord::pointPlotted(point);
        reported.push_back(point);
        opsAt.push_back(canvas->ops.size());
    }
};

struct WatchedRun {
    RecordingCanvas canvas;
    Watched record;
    explicit WatchedRun(const TextSettings &settings)
    {
        record.canvas = &canvas;
        NoLabels labels;
        PhotonRandom random;
        NoWaitPacer pacer;
        PerformRun(canvas, settings, labels, random, pacer, &record);
    }
};

RunRecord recorded(const TextSettings &settings) { return WatchedRun(settings).record; }

const SceneGeometry &geometryOf(const RunRecord &run) { return run.geometry(); }
} // namespace

class TestRunReading : public QObject {
    Q_OBJECT
private slots:
    // The inspector showing another point's numbers, another field, a path from
    // the wrong slit, phases that would not draw the run's phasors, or a mark
    // solver whose path difference is not the inspector's, in any combination.
    void readingsAreTheRunsOwn_data() { addEveryCombination(); }
    void readingsAreTheRunsOwn()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const WatchedRun run(TextSettings(distance, spacing, frequency, mode));
        const RunRecord &record = run.record;
        QCOMPARE(record.points().size(), std::size_t(scan::pointCount));
        QCOMPARE(record.setting(Setting::nKmitočet), frequency);
        for (int point = 1; point <= scan::pointCount; ++point) {
            const ScanPoint &p = run.record.reported[std::size_t(point - 1)];
            const PointReading r = ReadPoint(record, point);
            QCOMPARE(r.point, p.index);
            QCOMPARE(r.y, p.pointY);
            QCOMPARE(r.height, geometryOf(record).centreY - p.pointY);
            QCOMPARE(r.pathA, p.pathA);
            QCOMPARE(r.pathB, p.pathB);
            QCOMPARE(r.computed, p.computed);
            QCOMPARE(r.plotted, p.intensity);
            QCOMPARE(r.differenceWaves, PathDifferenceWaves(record.geometry(), record.waveNumber(), r.y));
            if (point % scan::constructionInterval != 0)
                continue;
            // The construction as drawn: phasor B from P, phasor A from B's tip, the green sum.
            const auto first = run.canvas.ops.begin() + long(run.record.opsAt[std::size_t(point - 2)]);
            std::vector<CanvasOp> lines;
            std::copy_if(first, run.canvas.ops.begin() + long(run.record.opsAt[std::size_t(point - 1)]),
                         std::back_inserter(lines),
                         [](const CanvasOp &op) { return op.kind == CanvasOp::Line; });
            // Phasor B, ray B, phasor A, ray A, then the green sum.
            const auto green = std::find_if(lines.begin(), lines.end(),
                                            [](const CanvasOp &op) { return op.colour == colours::green; });
            QVERIFY(green - lines.begin() >= 4);
            const CanvasOp &phasorB = *(green - 4), &phasorA = *(green - 2);
            const double tipX = p.pointX + scan::phasorLength * std::cos(r.phaseB);
            const double tipY = r.y + scan::phasorLength * std::sin(r.phaseB);
            QCOMPARE(phasorB.x2, float(tipX));
            QCOMPARE(phasorB.y2, float(tipY));
            QCOMPARE(phasorA.x2, float(tipX + scan::phasorLength * std::cos(r.phaseA)));
            QCOMPARE(phasorA.y2, float(tipY + scan::phasorLength * std::sin(r.phaseA)));
        }
    }

    // Dark marks or a darkest point where the light is not dark: a wavelength
    // taken as k instead of 2π/k, a difference of the wrong sign or measured in
    // radians, a mark solved on another geometry.
    void darkWhereTheDifferenceIsAWholeAndAHalf_data() { addEveryCombination(); }
    void darkWhereTheDifferenceIsAWholeAndAHalf()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        const RunRecord run = recorded(TextSettings(distance, spacing, frequency, "1"));
        double brightest = 0;
        for (const RunRecord::Point &p : run.points())
            brightest = std::max(brightest, p.computed);
        for (int point = 1; point <= scan::pointCount; ++point) {
            const PointReading r = ReadPoint(run, point);
            const double fromHalf = std::abs(r.differenceWaves - std::floor(r.differenceWaves) - 0.5);
            if (fromHalf < 0.01)
                QVERIFY2(r.computed < 0.01 * brightest, qPrintable(QString::number(point)));
        }
        // Every exact mark lies where the path difference is its order, and a
        // maximum or minimum of the light lies within a pixel of it.
        const std::vector<FringeMark> marks = ExactFringes(run.geometry(), run.waveNumber());
        const std::vector<int> maxima = Extremes(run, true), minima = Extremes(run, false);
        for (const FringeMark &mark : marks) {
            const double y = run.geometry().centreY - mark.height;
            QVERIFY(std::abs(PathDifferenceWaves(run.geometry(), run.waveNumber(), y) - mark.order) < 1e-9);
            const std::vector<int> &extremes = mark.bright() ? maxima : minima;
            const bool near = std::any_of(extremes.begin(), extremes.end(), [&](int point) {
                return std::abs(ReadPoint(run, point).height - mark.height) <= 1;
            });
            // The outermost marks may lie past the last point that has neighbours on both sides.
            QVERIFY2(near || std::abs(mark.height) > 197, qPrintable(QString::number(mark.order)));
        }
        // And as many bands and dark places on the screen as marks.
        const auto count = [&](bool bright) {
            return std::count_if(marks.begin(), marks.end(), [&](const FringeMark &m) {
                return m.bright() == bright && std::abs(m.height) <= 197;
            });
        };
        QCOMPARE(long(maxima.size()), count(true));
        QCOMPARE(long(minima.size()), count(false));
    }

    // Slits on the axis taken for two sources: a path difference, a dark mark,
    // a formula spacing or a band made of rounding noise.
    void spacingZeroHasNoPathDifference()
    {
        const RunRecord run = recorded(TextSettings("150", "0", "0.5", "0"));
        for (int point = 1; point <= scan::pointCount; ++point)
            QCOMPARE(ReadPoint(run, point).differenceWaves, 0.0);
        QVERIFY(ExactFringes(run.geometry(), run.waveNumber()).empty());
        QVERIFY(SmallAngleFringes(run.geometry(), run.waveNumber()).empty());
        QVERIFY(Extremes(run, true).empty() && Extremes(run, false).empty());
        QCOMPARE(NextExtreme(run, 200, true), 0);
    }

    // N landing beside a band, skipping one, or never coming round again.
    void nextBrightIsALocalMaximum_data()
    {
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<bool>("bright");
        for (const char *spacing : {"40", "15", "5"}) {
            QTest::addRow("spacing %s, bright", spacing) << QString(spacing) << true;
            QTest::addRow("spacing %s, dark", spacing) << QString(spacing) << false;
        }
    }
    void nextBrightIsALocalMaximum()
    {
        QFETCH(QString, spacing);
        QFETCH(bool, bright);
        const RunRecord run = recorded(TextSettings("200", spacing, "2", "0"));
        const int sign = bright ? 1 : -1;
        const auto light = [&](int point) { return ReadPoint(run, point).computed; };
        std::vector<int> landed;
        for (int point = 0;;) {
            point = NextExtreme(run, point, bright);
            QVERIFY(point > 0 && landed.size() < std::size_t(scan::pointCount));
            if (!landed.empty() && point == landed.front())
                break; // round again
            QVERIFY(sign * (light(point) - light(point - 1)) > 0);
            QVERIFY(sign * (light(point) - light(point + 1)) >= 0);
            // None passed over on the way.
            for (int between = landed.empty() ? 2 : landed.back() + 1; between < point; ++between)
                QVERIFY(!(sign * (light(between) - light(between - 1)) > 1e-6
                          && sign * (light(between) - light(between + 1)) > 1e-6));
            landed.push_back(point);
        }
        QVERIFY(std::is_sorted(landed.begin(), landed.end()));
        QVERIFY(landed.size() > 1);
    }

    // The bands of the start-up settings against the small-angle formula: the
    // sixth order far from where the formula puts it, the plotted bands' spacing
    // near the axis close to the first order's height, and growing about half
    // as much again as the slits close up from 15 to 10 pixels.
    void startUpBandsAgainstTheFormula()
    {
        const RunRecord run = recorded(TextSettings());
        const std::vector<FringeMark> exact = ExactFringes(run.geometry(), run.waveNumber());
        const std::vector<FringeMark> formula = SmallAngleFringes(run.geometry(), run.waveNumber());
        const auto at = [](const std::vector<FringeMark> &marks, double order) {
            return std::find_if(marks.begin(), marks.end(),
                                [&](const FringeMark &m) { return m.order == order; })
                ->height;
        };
        QVERIFY(std::abs(at(exact, 6) - 162) < 1);
        QVERIFY(std::abs(at(exact, -6) + 162) < 1);
        QVERIFY(std::abs(at(formula, 6) - 126) < 1);
        const double measured = ReadBands(run).spacing.value();
        QVERIFY2(std::abs(measured / at(exact, 1) - 1) < 0.07, qPrintable(QString::number(measured)));
        const double closer = ReadBands(recorded(TextSettings("200", "10"))).spacing.value();
        QVERIFY2(std::abs(closer / measured - 1.5) < 0.08, qPrintable(QString::number(closer)));
    }

    // Bands counted as a fixed share of the peak (3 where a pupil sees 11), a
    // ripple counted as a band, two bands without a dark place between them, a
    // band placed off its top, or a clear band left out: checked on the plotted
    // record itself, with its own local maxima and minima.
    void brightBandsAsAPupilCountsThem_data() { addEveryCombination(); }
    void brightBandsAsAPupilCountsThem()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const RunRecord run = recorded(TextSettings(distance, spacing, frequency, mode));
        const BandReading bands = ReadBands(run);
        std::vector<double> v;
        for (const RunRecord::Point &p : run.points())
            v.push_back(p.shown);
        const double rise = bandShare * *std::max_element(v.begin(), v.end());
        const auto lowest = [&](int from, int to) { // points, both included
            return *std::min_element(v.begin() + from - 1, v.begin() + to);
        };
        const auto isMaximum = [&](int point) {
            const std::size_t i = std::size_t(point - 1);
            return i > 0 && i + 1 < v.size() && v[i] >= v[i - 1] && v[i] >= v[i + 1];
        };
        std::vector<int> tops{1}; // the record's ends stand in for the bands beyond them
        for (const PlottedBand &band : bands.bright)
            tops.push_back(band.point);
        tops.push_back(int(v.size()));
        const auto describe = [&](int point) { return qPrintable(QString("band at point %1").arg(point)); };
        QCOMPARE(bands.dark.size(), bands.bright.empty() ? 0 : bands.bright.size() - 1);
        for (std::size_t b = 1; b + 1 < tops.size(); ++b) {
            const int top = tops[b];
            QVERIFY2(isMaximum(top), describe(top));
            QCOMPARE(bands.bright[b - 1].height, ReadPoint(run, top).height);
            // It stands out from the dark place on either side, and is the top of its stretch.
            QVERIFY2(v[std::size_t(top - 1)] - lowest(tops[b - 1], top) >= rise, describe(top));
            QVERIFY2(v[std::size_t(top - 1)] - lowest(top, tops[b + 1]) >= rise, describe(top));
            if (b + 2 < tops.size()) {
                const PlottedBand &dark = bands.dark[b - 1];
                QVERIFY(dark.point > top && dark.point < tops[b + 1]);
                QCOMPARE(dark.value, lowest(top, tops[b + 1]));
            }
        }
        // No maximum left out that stands as far above the lowest points between
        // it and the counted bands (or the ends) on both its sides.
        for (std::size_t b = 0; b + 1 < tops.size(); ++b) {
            for (int point = tops[b] + 1; point < tops[b + 1]; ++point) {
                if (!isMaximum(point))
                    continue;
                const double at = v[std::size_t(point - 1)];
                const bool standsOut = at - lowest(tops[b], point) >= rise
                    && at - lowest(point, tops[b + 1]) >= rise
                    && (b == 0 || v[std::size_t(tops[b] - 1)] - lowest(tops[b], point) >= rise)
                    && (b + 2 == tops.size()
                        || v[std::size_t(tops[b + 1] - 1)] - lowest(point, tops[b + 1]) >= rise);
                QVERIFY2(!standsOut, qPrintable(QString("uncounted band at point %1").arg(point)));
            }
        }
        // With both slits on the axis no point is dark.
        if (spacing == "0")
            QVERIFY(bands.dark.empty());
    }

    // The bands a sighted pupil counts at the start-up settings (eleven: the two
    // 3-pixel ripples at the ends are too faint), mirrored about the axis, the
    // brightest on it; and no bands, dark places or distance on a flat plot.
    void startUpBands()
    {
        const RunRecord run = recorded(TextSettings());
        const BandReading bands = ReadBands(run);
        QCOMPARE(bands.bright.size(), std::size_t(11));
        QCOMPARE(bands.brightestHeight, 0.0);
        QVERIFY(!bands.brightestMirrored);
        // Symmetric about the axis: each dark band has its mirror image.
        for (std::size_t i = 0; i < bands.dark.size(); ++i)
            QCOMPARE(bands.dark[i].height, -bands.dark[bands.dark.size() - 1 - i].height);
        const BandReading flat = ReadBands(recorded(TextSettings("150", "0", "0.5", "1")));
        QVERIFY(flat.bright.empty() && flat.dark.empty() && !flat.spacing);
    }
};

QTEST_GUILESS_MAIN(TestRunReading)
#include "tst_runreading.moc"
