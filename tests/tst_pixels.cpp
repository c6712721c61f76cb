// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "imagecanvas.h"
#include "labels.h"
#include "pacer.h"
#include "photonrandom.h"
#include "testsupport.h"
#include "run.h"
#include "scenegeometry.h"

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

QString describe(const RunSettings &r)
{
    return QStringLiteral("distance %1 spacing %2 frequency %3 mode %4")
        .arg(r.distance, r.spacing, r.frequency, r.mode);
}

// Where two images first differ, or an empty text when they are the same.
QString firstDifference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < actual.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(actual.constScanLine(y));
        const auto *e = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            if (a[x] != e[x])
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x).arg(y).arg(a[x] & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    .arg(e[x] & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        }
    }
    return {};
}

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
    // A shortcut in the kept-image canvas (a batched painter, a fast path for
    // the photon dots, state carried over wrongly between runs) that changes
    // a single pixel of a run against the plain one-painter-per-figure drawing.
    void runsMatchPlainPainting_data()
    {
        QTest::addColumn<QList<RunSettings>>("runs");
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : {1.0, 2.0}) {
            const QByteArray at = ratio == 1.0 ? " at ratio 1" : " at ratio 2";
            for (const char *mode : {"0", "1", "2"}) {
                QTest::newRow(QByteArray("start-up, mode ").append(mode).append(at))
                    << QList<RunSettings>{{"200", "15", "2", mode}} << ratio;
            }
            // The most dots per point: near screen, slits together.
            QTest::newRow(QByteArray("near, spacing 0, photons").append(at))
                << QList<RunSettings>{{"100", "0", "0.5", "2"}} << ratio;
            QTest::newRow(QByteArray("middle, large, low, light").append(at))
                << QList<RunSettings>{{"150", "40", "0.1", "0"}} << ratio;
            // Runs over runs: each clears the last one's picture, the drawing
            // state carries over, and the photon generator goes on.
            QTest::newRow(QByteArray("photons, photons, light, interference").append(at))
                << QList<RunSettings>{{"200", "15", "2", "2"}, {"200", "15", "2", "2"},
                              {"100", "5", "0.3", "0"}, {"150", "10", "2", "1"}}
                << ratio;
        }
    }
    void runsMatchPlainPainting()
    {
        QFETCH(QList<RunSettings>, runs);
        QFETCH(qreal, ratio);
        ImageCanvas canvas(sceneSize, ratio, colours::silver);
        ReferenceCanvas reference(sceneSize, ratio, colours::silver);
        PhotonRandom random, referenceRandom;
        NoLabels labels;
        NoWaitPacer pacer;
        for (const RunSettings &r : runs) {
            const TextSettings settings(r.distance, r.spacing, r.frequency, r.mode, "1");
            PerformRun(canvas, settings, labels, random, pacer);
            PerformRun(reference, settings, labels, referenceRandom, pacer);
            const QString difference = firstDifference(canvas.image(), reference.image);
            QVERIFY2(difference.isEmpty(), qPrintable(describe(r) + ": " + difference));
        }
    }

    // The same pixels as the canvas drew before it was made faster: guards
    // against the canvas and the plain reference above changing together.
    void runsMatchRecordedPictures_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QByteArray>("sha1");
        QTest::newRow("light") << "0" << 1.0 << QByteArray("f2e1c3e78fda968262440a416ed40af0bc66cede");
        QTest::newRow("interference") << "1" << 1.0 << QByteArray("6e7b4cfdd5ba75183498fa537ea477172c44e507");
        QTest::newRow("photons") << "2" << 1.0 << QByteArray("1476426343641e0c8059284f6c61d348a33f4b4a");
        QTest::newRow("photons at ratio 2") << "2" << 2.0 << QByteArray("b79bdc69889e6bd3d74ab0f14d4550b63645b375");
    }
    void runsMatchRecordedPictures()
    {
        QFETCH(QString, mode);
        QFETCH(qreal, ratio);
        QFETCH(QByteArray, sha1);
        // Rasterisation is Qt's: the pictures were recorded with the raster engine of Qt 6.4.2.
        if (QByteArray(qVersion()) != "6.4.2")
            QSKIP("the recorded pictures come from Qt 6.4.2's raster engine");
        ImageCanvas canvas(sceneSize, ratio, colours::silver);
        PhotonRandom random;
        NoLabels labels;
        NoWaitPacer pacer;
        PerformRun(canvas, TextSettings("200", "15", "2", mode, "1"), labels, random, pacer);
        QCOMPARE(pixelHash(canvas.image()), sha1);
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
                                .arg(watch.largestArea).arg(picture)));
    }
};

QTEST_MAIN(TestPixels)
#include "tst_pixels.moc"
