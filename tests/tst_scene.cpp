// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "scene.h"
#include "testsupport.h"

#include <QtTest>

namespace {
bool isDark(const QImage &image, int x, int y) { return pixels::dark(image, x, y); }
bool isColour(const QImage &image, int x, int y, Colour colour)
{
    return pixels::is(image, x, y, toQColor(colour).rgb());
}
} // namespace

class TestScene : public QObject {
    Q_OBJECT
private slots:
    // The scene as a user sees it, for every distance and spacing: a part missing,
    // out of place or reaching too far (source, rays, barrier with its gaps,
    // screen, plot axis, optical axis), or a clear that misses or overreaches
    // its area. The whole runs of tst_combinations check what a run leaves of it.
    void pixels_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("spacing");
        for (const char *distance : {"100", "150", "200"})
            for (const char *spacing : {"0", "5", "10", "15", "40"})
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
        canvas.paintOpaque(QRect(QPoint(0, 0), sceneSize),
                           [](QPainter &p) { p.fillRect(QRect(QPoint(0, 0), sceneSize), Qt::red); });
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
            QVERIFY2(pixels::darkAtOrLeft(image, 250, y), qPrintable(QString::number(y)));
        // The gaps erase the barrier (and the rays' ends) at both slits.
        for (int x : {249, 250}) {
            QVERIFY(isColour(image, x, 300 - d - 1, colours::silver));
            QVERIFY(isColour(image, x, 300 + d + 1, colours::silver));
        }

        for (int y : {92, 200, 508})
            QVERIFY2(pixels::darkAtOrLeft(image, sx, y), qPrintable(QString::number(y)));
        QVERIFY(isColour(image, sx, 85, colours::silver));
        QVERIFY(isColour(image, sx - 4, 200, colours::silver));
        for (int y : {102, 250, 498})
            QVERIFY(pixels::darkAtOrLeft(image, 600, y));
        QVERIFY(isColour(image, 600, 95, colours::silver));

        for (int x : {131, 200, 400, 700, 749})
            QVERIFY2(isDark(image, x, 300), qPrintable(QString::number(x)));
        QVERIFY(isColour(image, 125, 300, colours::silver));
        QVERIFY(isColour(image, 760, 300, colours::silver));
        QVERIFY(isColour(image, 700, 302, colours::silver));
    }
};

QTEST_MAIN(TestScene)
#include "tst_scene.moc"
