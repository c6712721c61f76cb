// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "imagecanvas.h"
#include "labels.h"
#include "pacer.h"
#include "photonrandom.h"
#include "run.h"
#include "scenegeometry.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QtTest>

namespace {

// After every point: every pixel that changed since the last point lies in the
// region the canvas hands back, and that region is far smaller than the picture.
class DirtyRegionWatch : public Pacer {
public:
    explicit DirtyRegionWatch(ImageCanvas &canvas) : canvas_(canvas), before_(canvas.image().copy()) {}

    void countDown(long long) override
    {
        const QRegion region = canvas_.flush();
        const QImage &now = canvas_.image();
        const qreal ratio = now.devicePixelRatio();
        for (int y = 0; y < now.height(); ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(now.constScanLine(y));
            const auto *b = reinterpret_cast<const QRgb *>(before_.constScanLine(y));
            for (int x = 0; x < now.width(); ++x) {
                if (a[x] != b[x] && !region.contains(QPoint(int(x / ratio), int(y / ratio)))) {
                    if (missed.isEmpty())
                        missed = QStringLiteral("point %1: pixel (%2, %3)").arg(points + 1).arg(x).arg(y);
                }
            }
        }
        qint64 area = 0;
        for (const QRect &r : region)
            area += qint64(r.width()) * r.height();
        // The first point's region holds the freshly drawn scene as well.
        if (points > 0)
            largestArea = std::max(largestArea, area);
        before_ = now.copy();
        ++points;
    }

    QString missed;
    qint64 largestArea = 0;
    int points = 0;

private:
    ImageCanvas &canvas_;
    QImage before_;
};

struct RunSettings {
    QString distance, spacing, frequency, mode;
};

QByteArray pixelHash(const QImage &image)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = line[x] & 0xFFFFFF;
            hash.addData(QByteArrayView(reinterpret_cast<const char *>(&rgb), sizeof rgb));
        }
    }
    return hash.result().toHex();
}
} // namespace

Q_DECLARE_METATYPE(QList<RunSettings>)

class TestPixels : public QObject {
    Q_OBJECT
private slots:
    // The pixels of whole runs as recorded when every one of them was compared
    // equal to plain painting, one QPainter per figure: a shortcut in the
    // kept-image canvas (a batched painter, a fast path for the photon dots,
    // state carried over wrongly between runs) or a changed pen rule (caps,
    // joins, the half-pixel shift of odd widths at ratio 2) changes a pixel.
    void runsMatchRecordedPictures_data()
    {
        QTest::addColumn<QList<RunSettings>>("runs");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QByteArrayList>("sha1"); // after each run
        const auto add = [](const char *name, qreal ratio, QList<RunSettings> runs, QByteArrayList sha1) {
            QTest::addRow("%s at ratio %d", name, int(ratio)) << runs << ratio << sha1;
        };
        // The most dots per point: near screen, slits together.
        const RunSettings nearPhotons{"100", "0", "0.5", "2"};
        const RunSettings middleLight{"150", "40", "0.1", "0"};
        // Runs over runs, the first the start-up photons: each clears the last
        // one's picture, the drawing state carries over, and the photon generator
        // goes on (one started afresh for each run, or from another state at
        // each launch, fails the first two).
        const QList<RunSettings> runs{{"200", "15", "2", "2"},
                                      {"200", "15", "2", "2"},
                                      {"100", "5", "0.3", "0"},
                                      {"150", "10", "2", "1"}};
        add("light", 1, {{"200", "15", "2", "0"}}, {"f2e1c3e78fda968262440a416ed40af0bc66cede"});
        add("interference", 1, {{"200", "15", "2", "1"}}, {"6e7b4cfdd5ba75183498fa537ea477172c44e507"});
        add("near, spacing 0, photons", 1, {nearPhotons}, {"09c1f608afbb77c477bcf84787a5a05fc20082ed"});
        add("middle, large, low, light", 1, {middleLight}, {"5c42240adfabc40a3999866791af00b377259a5a"});
        add("photons, photons, light, interference", 1, runs,
            {"1476426343641e0c8059284f6c61d348a33f4b4a", "25279ef28b5b7c6b51527e1493fef096f32a2e30",
             "85a6db444e6481a4c18b88fd19ce5d20e6bdf039", "40c2b75f6d8c95c1f39f8dfe0fa9a539c66b51ec"});
        add("light", 2, {{"200", "15", "2", "0"}}, {"663e03effb91862ef4488892a151d0b114458290"});
        add("interference", 2, {{"200", "15", "2", "1"}}, {"91ec5e5861fe8e2a0f891a567bfcb7ea5a345bb5"});
        add("near, spacing 0, photons", 2, {nearPhotons}, {"a3d190b10172ebac51c7564aed5829e308168c4e"});
        add("middle, large, low, light", 2, {middleLight}, {"dd7f168f5575e990447cef1a58e46316447c217d"});
        add("photons, photons, light, interference", 2, runs,
            {"b79bdc69889e6bd3d74ab0f14d4550b63645b375", "8eb084e9cebe5d1d6feef1d130f10f82883b25b4",
             "91191233bef6c5a31453f8fc2792f183bef379b3", "3e496e347ca5a53474c619a2f4daa234a16723bf"});
    }
    void runsMatchRecordedPictures()
    {
        QFETCH(QList<RunSettings>, runs);
        QFETCH(qreal, ratio);
        QFETCH(QByteArrayList, sha1);
        // Rasterisation is Qt's: the pictures were recorded with the raster engine of Qt 6.4.2.
        if (QByteArray(qVersion()) != "6.4.2")
            QSKIP("the recorded pictures come from Qt 6.4.2's raster engine");
        ImageCanvas canvas(sceneSize, ratio, colours::silver);
        PhotonRandom random;
        NoLabels labels;
        NoWaitPacer pacer;
        for (qsizetype i = 0; i < runs.size(); ++i) {
            const RunSettings &r = runs[i];
            PerformRun(canvas, TextSettings(r.distance, r.spacing, r.frequency, r.mode, "1"), labels, random,
                       pacer);
            QVERIFY2(pixelHash(canvas.image()) == sha1[i], qPrintable(QStringLiteral("run %1").arg(i + 1)));
        }
    }

    // A point whose changes fall outside the region it hands to the window
    // leaves stale pixels on screen; a region that grows to the whole
    // picture repaints far more than the point changed.
    void eachPointHandsBackWhatItChanged_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("light at ratio 1") << "0" << 1.0;
        QTest::newRow("photons at ratio 1") << "2" << 1.0;
        QTest::newRow("photons at ratio 2") << "2" << 2.0;
    }
    void eachPointHandsBackWhatItChanged()
    {
        QFETCH(QString, mode);
        QFETCH(qreal, ratio);
        ImageCanvas canvas(sceneSize, ratio, colours::silver);
        PhotonRandom random;
        NoLabels labels;
        DirtyRegionWatch watch(canvas);
        PerformRun(canvas, TextSettings("200", "15", "2", mode, "1"), labels, random, watch);
        QCOMPARE(watch.points, 399);
        QVERIFY2(watch.missed.isEmpty(), qPrintable(watch.missed));
        const qint64 picture = qint64(sceneSize.width()) * sceneSize.height();
        QVERIFY2(watch.largestArea * 8 < picture,
                 qPrintable(QStringLiteral("largest region per point: %1 of %2 pixels")
                                .arg(watch.largestArea)
                                .arg(picture)));
    }

    // A level or upright line filled as a rectangle other than the one the raster
    // engine strokes for it (an end left out, a width-2 pen's extra row on the
    // wrong side), at a ratio no recorded picture has, or under another Qt; or a
    // line left out when the picture is made again at another ratio.
    void levelLinesMatchTheStroke_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("width");
        for (int ratio : {1, 2, 3})
            for (int width : {1, 2})
                QTest::addRow("width %d at ratio %d", width, ratio) << qreal(ratio) << width;
    }
    void levelLinesMatchTheStroke()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, width);
        ImageCanvas canvas(QSize(40, 30), 1.0, colours::silver);
        canvas.setDrawWidth(width);
        QImage stroked(QSize(40, 30) * ratio, QImage::Format_RGB32);
        stroked.setDevicePixelRatio(ratio);
        stroked.fill(toQColor(colours::silver));
        QPainter painter(&stroked);
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap));
        // Backwards, along the picture's edges; odd widths shifted as the canvas shifts them.
        for (const QLine l : {QLine(36, 29, 5, 29), QLine(39, 25, 39, 2)}) {
            canvas.line(float(l.x1()), float(l.y1()), float(l.x2()), float(l.y2()), colours::black);
            const qreal shift = width % 2 != 0 && ratio != 1 ? 0.5 : 0;
            painter.drawLine(QLineF(l).translated(shift, shift));
        }
        painter.end();
        canvas.setDevicePixelRatio(ratio);
        QCOMPARE(canvas.image(), stroked);
    }
};

QTEST_MAIN(TestPixels)
#include "tst_pixels.moc"
