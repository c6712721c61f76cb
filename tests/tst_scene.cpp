#include "imagecanvas.h"
#include "recordingcanvas.h"
#include "scene.h"
#include "textsettings.h"

#include <QtTest>

namespace {
bool isDark(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 64; }
bool isColour(const QImage &image, int x, int y, Colour colour)
{
    return image.pixel(x, y) == toQColor(colour).rgb();
}
// A 2-pixel line lies on its ideal x or on the column left of it.
bool darkAtOrLeft(const QImage &image, int x, int y) { return isDark(image, x, y) || isDark(image, x - 1, y); }

struct Expected {
    CanvasOp::Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::optional<Colour> colour = std::nullopt;
    int width = 0;
};
} // namespace

class TestScene : public QObject {
    Q_OBJECT
private slots:
    // The exact order of the scene's operations: later steps draw over earlier ones.
    void operationSequence_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        QTest::newRow("start-up") << "200" << "15";
        QTest::newRow("near, large") << "100" << "40";
        QTest::newRow("middle, zero") << "150" << "0";
    }
    void operationSequence()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        const float sx = 250 + distance.toFloat();
        const float d = spacing.toFloat();
        RecordingCanvas canvas;
        TextSettings settings(distance, spacing);
        const SceneGeometry g = DrawScene(canvas, settings);
        QCOMPARE(g.screenX, double(sx));
        QCOMPARE(g.slitOffset, double(d));
        QCOMPARE(settings.reads, (QStringList{"distance", "spacing"}));

        QCOMPARE(canvas.ops[0].kind, CanvasOp::UnitPixels);
        for (int y = 30; y <= 580; ++y) {
            const CanvasOp &op = canvas.ops[std::size_t(y - 29)];
            QCOMPARE(op.kind, CanvasOp::Line);
            QCOMPARE(QLineF(op.x1, op.y1, op.x2, op.y2), QLineF(5, y, 800, y));
            QCOMPARE(op.colour, colours::silver);
            QCOMPARE(op.width, 1);
        }
        using K = CanvasOp;
        const Expected steps[] = {
            {K::FillColour, 0, 0, 0, 0, colours::white, 1},
            {K::FillSolid, 0, 0, 0, 0, {}, 1},
            {K::Circle, 150, 300, 5, 0, {}, 1},
            {K::Line, 150, 300, 250, 300 - d, {}, 1},
            {K::Line, 150, 300, 250, 300 + d, {}, 1},
            {K::Width, 0, 0, 0, 0, {}, 2},
            {K::Line, 250, 100, 250, 500, {}, 2},
            {K::FillColour, 0, 0, 0, 0, colours::silver, 2},
            {K::Circle, 250, 300 + d, 2, 0, colours::silver, 2},
            {K::Circle, 250, 300 - d, 2, 0, colours::silver, 2},
            {K::Line, sx, 510, sx, 90, {}, 2},
            {K::Line, 600, 100, 600, 500, {}, 2},
            {K::Width, 0, 0, 0, 0, {}, 1},
            {K::Line, 130, 300, 750, 300, {}, 1},
        };
        QCOMPARE(canvas.ops.size(), 1 + 551 + std::size(steps));
        for (std::size_t i = 0; i < std::size(steps); ++i) {
            const CanvasOp &op = canvas.ops[552 + i];
            const Expected &e = steps[i];
            QVERIFY2(op.kind == e.kind, qPrintable(QString("step %1").arg(i)));
            QCOMPARE(op.x1, e.x1);
            QCOMPARE(op.y1, e.y1);
            QCOMPARE(op.x2, e.x2);
            QCOMPARE(op.y2, e.y2);
            QCOMPARE(op.colour, e.colour);
            QCOMPARE(op.width, e.width);
        }
        // The source disc is filled white; the state left behind is width 1, solid, silver.
        QCOMPARE(canvas.ops[554].fill, colours::white);
        QCOMPARE(canvas.width, 1);
        QCOMPARE(canvas.fill, colours::silver);
    }

    // The picture a user sees: source, rays, barrier with its gaps, screen, plot axis, optical axis.
    void pixels_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        for (const char *distance : {"100", "150", "200"})
            for (const char *spacing : {"0", "15", "40"})
                QTest::addRow("%s/%s", distance, spacing) << distance << spacing;
    }
    void pixels()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        const int sx = 250 + distance.toInt();
        const int d = spacing.toInt();
        ImageCanvas canvas(sceneSize, 1.0, colours::silver);
        // A previous picture: the clear must remove it inside the scene area only.
        canvas.painter().fillRect(QRect(QPoint(0, 0), sceneSize), Qt::red);
        canvas.flush();
        DrawScene(canvas, TextSettings(distance, spacing));
        const QImage image = canvas.image();

        QVERIFY(isColour(image, 10, 40, colours::silver));
        QVERIFY(isColour(image, 800, 580, colours::silver));
        QCOMPARE(image.pixel(4, 100), QColor(Qt::red).rgb());
        QCOMPARE(image.pixel(100, 29), QColor(Qt::red).rgb());

        QVERIFY(isColour(image, 150, 298, colours::white));
        QVERIFY(isDark(image, 150, 294) || isDark(image, 150, 295));
        QVERIFY(isDark(image, 200, 300 - d / 2) || isDark(image, 200, 300 - (d + 1) / 2));
        QVERIFY(isDark(image, 200, 300 + d / 2) || isDark(image, 200, 300 + (d + 1) / 2));

        for (int y : {110, 200, 400, 490})
            QVERIFY2(darkAtOrLeft(image, 250, y), qPrintable(QString::number(y)));
        // The gaps erase the barrier (and the rays' ends) at both slits.
        for (int x : {249, 250}) {
            QVERIFY(isColour(image, x, 300 - d - 1, colours::silver));
            QVERIFY(isColour(image, x, 300 + d + 1, colours::silver));
        }

        for (int y : {92, 200, 508})
            QVERIFY2(darkAtOrLeft(image, sx, y), qPrintable(QString::number(y)));
        QVERIFY(isColour(image, sx, 85, colours::silver));
        QVERIFY(isColour(image, sx - 4, 200, colours::silver));
        for (int y : {102, 250, 498})
            QVERIFY(darkAtOrLeft(image, 600, y));
        QVERIFY(isColour(image, 600, 95, colours::silver));

        for (int x : {131, 200, 400, 700, 749})
            QVERIFY2(isDark(image, x, 300), qPrintable(QString::number(x)));
        QVERIFY(isColour(image, 125, 300, colours::silver));
        QVERIFY(isColour(image, 760, 300, colours::silver));
        QVERIFY(isColour(image, 700, 302, colours::silver));

        QCOMPARE(canvas.drawWidth(), 1);
        QVERIFY(canvas.fillSolid());
        QCOMPARE(canvas.fillColour(), colours::silver);
        QCOMPARE(canvas.unit(), ImageCanvas::Unit::Pixels);
    }

    // The distance is added as a number; a text that is no number stops the scene.
    void distanceIsANumber()
    {
        RecordingCanvas canvas;
        QCOMPARE(DrawScene(canvas, TextSettings("200", "15")).screenX, 450.0);
        QVERIFY_THROWS_EXCEPTION(SettingNotNumber, DrawScene(canvas, TextSettings("far", "15")));
    }
};

QTEST_MAIN(TestScene)
#include "tst_scene.moc"
