// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "labels.h"
#include "pacer.h"
#include "photonrandom.h"
#include "run.h"
#include "runobserver.h"
#include "scan.h"
#include "testsupport.h"

#include <QtTest>

namespace {
// Notes how far the canvas's log had come when the scene was drawn.
struct SceneEnd : RunObserver {
    const RecordingCanvas *canvas = nullptr;
    std::size_t ops = 0;
    void sceneDrawn(const SceneGeometry &) override { ops = canvas->ops.size(); }
};

struct RecordedRun {
    RecordingCanvas canvas;
    CountingPacer pacer;
    RecordingLabels labels;
    PhotonRandom random;
    SceneEnd scene;

    explicit RecordedRun(const TextSettings &settings)
    {
        pacer.canvas = &canvas;
        labels.pacer = &pacer;
        scene.canvas = &canvas;
        PerformRun(canvas, settings, labels, random, pacer, &scene);
    }
    // The operations of one point: from the end of the previous point's countdown to its own.
    std::vector<CanvasOp> point(int index) const
    {
        const std::size_t first = index == 1 ? scene.ops : pacer.opsAt[std::size_t(index - 2)];
        return {canvas.ops.begin() + long(first),
                canvas.ops.begin() + long(pacer.opsAt[std::size_t(index - 1)])};
    }
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
        QVERIFY(run.labels.touched);
        QCOMPARE(run.labels.countdownsBeforeFirstCall, std::size_t(399));
    }

    // The countdown: slow-down × 30000 steps after every point. The rows run one
    // after another in one process, so a slow-down kept from an earlier run shows too.
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
};

QTEST_APPLESS_MAIN(TestRun)
#include "tst_run.moc"
