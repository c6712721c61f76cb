// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// The run's own work, pacing aside, measured piece by piece:
//   BM_ScanArithmetic   the phasor arithmetic of 399 points, nothing drawn
//   BM_DrawScene        the scene with its clear (551 silver lines), into the kept image
//   BM_WholeRun/mode    a whole run into the kept image, flushed after every point
//   BM_BarePainter/mode the same figures replayed through one QPainter: the floor
//   BM_PresentPoint     one point's changed region shown by the window's picture
//   BM_PresentWhole     the same with the whole picture repainted, for comparison
#include "benchrun.h"
#include "nullcanvas.h"
#include "photonrandom.h"
#include "picture/scenepicture.h"
#include "plot.h"
#include "recordingcanvas.h"
#include "run.h"
#include "scan.h"
#include "scene.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <vector>

namespace {
const char *const modes[] = {"0", "1", "2"};

void BM_ScanArithmetic(benchmark::State &state)
{
    NullCanvas canvas;
    const SceneGeometry geometry;
    ScanPoint point;
    for (auto _ : state) {
        for (int index = 1; index <= scan::pointCount; ++index) {
            ScanOnePoint(point, index, geometry, 2.0, canvas);
            benchmark::DoNotOptimize(point.intensity);
        }
    }
}
BENCHMARK(BM_ScanArithmetic)->Unit(benchmark::kMicrosecond);

void BM_DrawScene(benchmark::State &state)
{
    ImageCanvas canvas(sceneSize, 1.0, colours::silver);
    const TextSettings settings;
    for (auto _ : state) {
        DrawScene(canvas, settings);
        canvas.flush();
    }
}
BENCHMARK(BM_DrawScene)->Unit(benchmark::kMicrosecond);

void BM_WholeRun(benchmark::State &state)
{
    ImageCanvas canvas(sceneSize, 1.0, colours::silver);
    const TextSettings settings("200", "15", "2", QString::fromLatin1(modes[state.range(0)]));
    NoLabels labels;
    FlushingPacer pacer(canvas);
    for (auto _ : state) {
        PhotonRandom random; // the fixed start state: the same dots every time
        PerformRun(canvas, settings, labels, random, pacer);
        canvas.flush();
    }
    state.SetLabel(std::string("mode ") + modes[state.range(0)]);
}
BENCHMARK(BM_WholeRun)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// One figure of a recorded run, with the pen and brush it was drawn with.
struct Figure {
    bool circle;
    QPointF a, b; // a line's ends, or a circle's centre and (radius, radius)
    QPen pen;
    QBrush brush;
};

std::vector<Figure> recordedFigures(const char *mode)
{
    RecordingCanvas recording;
    NoLabels labels;
    NoWaitPacer pacer;
    PhotonRandom random;
    PerformRun(recording, TextSettings("200", "15", "2", QString::fromLatin1(mode)), labels, random, pacer);
    std::vector<Figure> figures;
    bool solid = false;
    for (const CanvasOp &op : recording.ops) {
        if (op.kind == CanvasOp::FillSolid)
            solid = true;
        if (op.kind != CanvasOp::Line && op.kind != CanvasOp::Circle)
            continue;
        QPen pen(toQColor(op.colour.value_or(colours::black)));
        pen.setWidth(op.width);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (op.kind == CanvasOp::Line)
            figures.push_back({false, {op.x1, op.y1}, {op.x2, op.y2}, pen, Qt::NoBrush});
        else
            figures.push_back({true,
                               {op.x1, op.y1},
                               {op.x2, op.x2},
                               pen,
                               solid ? QBrush(toQColor(op.fill)) : QBrush(Qt::NoBrush)});
    }
    return figures;
}

void BM_BarePainter(benchmark::State &state)
{
    const std::vector<Figure> figures = recordedFigures(modes[state.range(0)]);
    QImage image(sceneSize, QImage::Format_RGB32);
    image.fill(toQColor(colours::silver));
    for (auto _ : state) {
        QPainter painter(&image);
        for (const Figure &f : figures) {
            painter.setPen(f.pen);
            if (f.circle) {
                painter.setBrush(f.brush);
                painter.drawEllipse(f.a, f.b.x(), f.b.y());
            } else {
                painter.drawLine(f.a, f.b);
            }
        }
    }
    state.SetLabel(std::string("mode ") + modes[state.range(0)] + ", " + std::to_string(figures.size())
                   + " figures");
}
BENCHMARK(BM_BarePainter)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A window holding the kept picture, shown, with one point's figures ready to draw.
struct PresentFixture {
    QWidget window;
    ScenePicture *picture;
    TextSettings settings{"200", "15", "2", "2"};
    PhotonRandom random;
    SceneGeometry geometry;
    ScanPoint point;
    int index = 0;

    PresentFixture()
    {
        window.resize(sceneSize);
        picture = new ScenePicture(&window);
        picture->setGeometry(window.rect());
        window.show();
        geometry = DrawScene(picture->canvas(), settings);
        picture->present();
        QCoreApplication::processEvents();
    }

    // The figures of the next point of a photon run (its dots, markers and axis).
    void drawPoint()
    {
        index = index % scan::pointCount + 1;
        ImageCanvas &canvas = picture->canvas();
        ScanOnePoint(point, index, geometry, 2.0, canvas);
        PlotPoint(point, geometry, settings, canvas, random);
        DrawPlotAxis(canvas, geometry);
    }
};

void BM_PresentPoint(benchmark::State &state)
{
    PresentFixture fixture;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.drawPoint();
        state.ResumeTiming();
        fixture.picture->showNow();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_PresentPoint)->Unit(benchmark::kMicrosecond);

void BM_PresentWhole(benchmark::State &state)
{
    PresentFixture fixture;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.drawPoint();
        state.ResumeTiming();
        fixture.picture->canvas().flush();
        fixture.picture->update();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_PresentWhole)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
