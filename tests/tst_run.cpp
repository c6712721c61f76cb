// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "labels.h"
#include "pacer.h"
#include "photonrandom.h"
#include "testsupport.h"
#include "run.h"
#include "scan.h"

#include <QtTest>

namespace {
struct RecordedRun {
    RecordingCanvas canvas;
    TextSettings settings;
    CountingPacer pacer;
    RecordingLabels labels;
    PhotonRandom random;

    explicit RecordedRun(TextSettings s) : settings(std::move(s))
    {
        pacer.canvas = &canvas;
        pacer.reads = &settings.reads;
        labels.pacer = &pacer;
        PerformRun(canvas, settings, labels, random, pacer);
    }
    // The operations of one point: from the end of the previous point's countdown to its own.
    std::vector<CanvasOp> point(int index) const
    {
        const std::size_t first = index == 1 ? sceneEnd() : pacer.opsAt[std::size_t(index - 2)];
        return {canvas.ops.begin() + long(first), canvas.ops.begin() + long(pacer.opsAt[std::size_t(index - 1)])};
    }
    std::size_t sceneEnd() const { return 1 + 551 + 14; }
};

bool isAxis(const CanvasOp &op)
{
    return op.kind == CanvasOp::Line && op.x1 == 600 && op.y1 == 100 && op.x2 == 600 && op.y2 == 500
        && !op.colour;
}
} // namespace

class TestRun : public QObject {
    Q_OBJECT
private slots:
    // 399 points, bottom to top, each ending with the axis at width 1 and then its countdown.
    void pointsBottomToTop()
    {
        const RecordedRun run(TextSettings("200", "15", "2", "1"));
        QCOMPARE(run.pacer.counts.size(), std::size_t(399));
        for (int index = 1; index <= 399; ++index) {
            const std::vector<CanvasOp> ops = run.point(index);
            const CanvasOp &bar = *std::find_if(ops.begin(), ops.end(), [](const CanvasOp &op) {
                return op.kind == CanvasOp::Line && op.x1 == 600 && op.y1 == op.y2 && op.x2 != 600;
            });
            QCOMPARE(bar.y1, float(500 - index));
            QVERIFY(isAxis(ops.back()));
            QCOMPARE(ops.back().width, 1);
        }
        // After the last countdown: the axis once more, and nothing else drawn.
        QCOMPARE(run.canvas.ops.size(), run.pacer.opsAt.back() + 1);
        QVERIFY(isAxis(run.canvas.ops.back()));
        QCOMPARE(run.canvas.ops.back().width, 1);
    }

    // No label is touched before the last point's countdown.
    void labelsOnlyAtTheEnd()
    {
        const RecordedRun run{TextSettings()};
        QVERIFY(!run.labels.calls.isEmpty());
        QCOMPARE(run.labels.countdownsBeforeFirstCall, std::size_t(399));
    }

    // The countdown: slow-down × 30000 steps after every point, down to zero and no further.
    void countdownSteps_data()
    {
        QTest::addColumn<QString>("slowDown");
        QTest::addColumn<long long>("steps");
        QTest::newRow("1") << "1" << 30000LL;
        QTest::newRow("7") << "7" << 210000LL;
        QTest::newRow("20") << "20" << 600000LL;
    }
    void countdownSteps()
    {
        QFETCH(QString, slowDown);
        QFETCH(long long, steps);
        const RecordedRun run(TextSettings("200", "15", "2", "0", slowDown));
        QCOMPARE(run.pacer.counts.size(), std::size_t(399));
        for (long long count : run.pacer.counts)
            QCOMPARE(count, steps);
    }

    // The slow-down is read after every point, so the countdown follows each read.
    void countdownReadsEachTime()
    {
        TextSettings settings("200", "15", "2", "0", "4");
        QCOMPARE(SlowDownSteps(settings), 120000LL);
        settings.set(Setting::nSpomaleni, "13");
        QCOMPARE(SlowDownSteps(settings), 390000LL);
    }

    // A second run in one launch draws other dots; a fresh launch draws the first run's again.
    void photonDotsContinueAcrossRuns()
    {
        const auto dots = [](PhotonRandom &random) {
            RecordingCanvas canvas;
            TextSettings settings("200", "15", "2", "2");
            CountingPacer pacer;
            NoLabels labels;
            PerformRun(canvas, settings, labels, random, pacer);
            std::vector<float> xs;
            for (const CanvasOp &op : canvas.of(CanvasOp::Circle))
                if (op.colour == colours::white)
                    xs.push_back(op.x1);
            return xs;
        };
        PhotonRandom launch1, launch2;
        const std::vector<float> first = dots(launch1);
        const std::vector<float> second = dots(launch1);
        QVERIFY(first.size() > 1000);
        QCOMPARE(first.size(), second.size());
        QVERIFY(first != second);
        QCOMPARE(dots(launch2), first);
    }
};

QTEST_APPLESS_MAIN(TestRun)
#include "tst_run.moc"
