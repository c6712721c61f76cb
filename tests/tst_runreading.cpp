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

    // Formula marks put anywhere but where the small-angle formula puts them:
    // evenly spaced, order by order, and near the axis within a pixel of the
    // exact places (farther out the two part, as the lesson's activity 6 shows).
    void formulaMarksAreEvenlySpaced()
    {
        const RunRecord run = recorded(TextSettings());
        const std::vector<FringeMark> exact = ExactFringes(run.geometry(), run.waveNumber());
        const std::vector<FringeMark> formula = SmallAngleFringes(run.geometry(), run.waveNumber());
        const auto at = [](const std::vector<FringeMark> &marks, double order) {
            return std::find_if(marks.begin(), marks.end(),
                                [&](const FringeMark &m) { return m.order == order; })
                ->height;
        };
        QVERIFY(std::abs(at(formula, 1) - at(exact, 1)) < 1);
        QVERIFY(formula.size() > 10);
        for (const FringeMark &mark : formula)
            QVERIFY2(std::abs(mark.height - mark.order * at(formula, 1)) < 1e-9,
                     qPrintable(QString::number(mark.order)));
    }

    // A band counted that a pupil cannot pick out on the plot, or one a pupil
    // sees between two dark bands left out, or a top the weighting makes on a
    // band's flank counted: between neighbouring dark bands (and beyond the
    // outermost) lies one bright band where the plot has tops standing the band
    // share above the dark places on both sides and the phasors are within a
    // quarter turn of each other at a top or between two of them.
    void brightBandsAsAPupilSeesThem_data() { addEveryCombination(); }
    void brightBandsAsAPupilSeesThem()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const RunRecord run = recorded(TextSettings(distance, spacing, frequency, mode));
        const BandReading bands = ReadBands(run);
        const auto v = [&](int point) { return run.points()[std::size_t(point - 1)].shown; };
        std::vector<int> edges{1};
        for (const PlottedBand &dark : bands.dark)
            edges.push_back(dark.point);
        edges.push_back(int(run.points().size()));
        for (std::size_t e = 1; e < edges.size(); ++e) {
            const int from = edges[e - 1], to = edges[e];
            const double floor = std::max(v(from), v(to)) + bandShare * bands.largest;
            std::vector<int> tops;
            for (int point = from + 1; point < to; ++point)
                if (v(point) >= v(point - 1) && v(point) > v(point + 1) && v(point) >= floor)
                    tops.push_back(point);
            bool adding = false;
            for (int point = tops.empty() ? 1 : tops.front(); !tops.empty() && point <= tops.back(); ++point)
                adding = adding || std::abs(ReadPoint(run, point).fromOrder) < 0.25;
            const auto counted =
                std::count_if(bands.bright.begin(), bands.bright.end(),
                              [&](const PlottedBand &b) { return b.point > from && b.point < to; });
            QVERIFY2(counted == (adding ? 1 : 0),
                     qPrintable(QString("points %1 to %2: %3 bands").arg(from).arg(to).arg(counted)));
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
