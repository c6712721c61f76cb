// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/picturedescription.h"
#include "combinations.h"
#include "labels.h"
#include "nullcanvas.h"
#include "pacer.h"
#include "photonrandom.h"
#include "run.h"
#include "runrecord.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QtTest>
#include <cmath>

namespace {
RunRecord runWith(const TextSettings &settings)
{
    NullCanvas canvas;
    NoLabels labels;
    PhotonRandom random;
    NoWaitPacer pacer;
    RunRecord record;
    PerformRun(canvas, settings, labels, random, pacer, &record);
    return record;
}

// The bands the "where" part of the description places, one by one.
int bandsPlaced(const QString &description)
{
    const QString where =
        description.section(QLatin1String("bright band"), 1).section(QLatin1Char(';'), 0, -2);
    int placed = int(where.count(QRegularExpression("\\bone ")));
    placed += 2 * where.count(QRegularExpression("\\ba pair "));
    const QRegularExpressionMatch listed =
        QRegularExpression("pairs ([\\d, ]+) and \\d+ pixels").match(where);
    if (listed.hasMatch())
        placed += 2 * (listed.captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts).size() + 1);
    const QRegularExpressionMatch summed = QRegularExpression("(\\d+) pairs above").match(where);
    if (summed.hasMatch())
        placed += 2 * summed.captured(1).toInt();
    return placed;
}
} // namespace

class TestPictureDescription : public QObject {
    Q_OBJECT
private slots:
    // A description whose count disagrees with the places it names (a band
    // across the axis is one, a mirrored pair two) or, in interference mode,
    // with the optics: the plot, 50 × (1 + cos(k × Δ)), is bright (at least half
    // its peak of 100 on the axis) where k × Δ lies within a quarter turn of a
    // whole number of turns; Δ grows from 0 on the axis to its largest at the
    // ends, 199 pixels off it, so the bands are the axis's own and a pair for
    // each turn that the ends reach within a quarter turn of.
    void countAgreesWithPlacesAndOptics_data() { addEveryCombination(); }
    void countAgreesWithPlacesAndOptics()
    {
        QFETCH(QString, spacing);
        QFETCH(QString, distance);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const TextSettings settings(distance, spacing, frequency, mode);
        const QString description = describePicture(runWith(settings), settings);
        const QRegularExpressionMatch stated =
            QRegularExpression("shows (\\d+) bright band").match(description);
        QVERIFY2(stated.hasMatch(), qPrintable(description));
        const int count = stated.captured(1).toInt();
        QVERIFY2((count == 1 ? 1 : bandsPlaced(description)) == count, qPrintable(description));
        if (mode == "1") {
            const double d = spacing.toDouble(), along = distance.toDouble();
            const double largest = std::hypot(along, 199 + d) - std::hypot(along, 199 - d);
            const double turns = QLocale().toDouble(frequency) * largest / (2 * M_PI);
            QCOMPARE(count, 2 * int(std::floor(turns + 0.25)) + 1);
        }
    }

    // Internal numbers read out instead of the captions the user chose, and a
    // frequency written with the locale's decimal comma not recognised.
    void namesTheChosenCaptions_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("texts"); // distance, spacing, frequency, mode
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("start-up") << "C" << QStringList{"200", "15", "2", "0"}
                                  << QStringList{"Light pattern", "slit spacing minor (each slit 15 pixels",
                                                 "distance large (200 pixels", "frequency higher"};
        QTest::newRow("Czech decimal comma")
            << "cs_CZ" << QStringList{"100", "40", "0,1", "2"}
            << QStringList{"Photon density pattern", "slit spacing large (each slit 40 pixels",
                           "distance near (100 pixels", "frequency low"};
        QTest::newRow("one slit") << "C" << QStringList{"150", "0", "0.3", "1"}
                                  << QStringList{"Interference pattern", "slit spacing 0 (both slits",
                                                 "distance middle (150 pixels", "frequency middle"};
    }
    void namesTheChosenCaptions()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, heard);
        const QLocale previous;
        QLocale::setDefault(QLocale(locale));
        const TextSettings settings(texts[0], texts[1], texts[2], texts[3]);
        const QString description = describePicture(runWith(settings), settings);
        QLocale::setDefault(previous);
        for (const QString &phrase : heard)
            QVERIFY2(description.contains(phrase), qPrintable(phrase + " / " + description));
    }

    // A band straddling the axis whose brightest points lie off it was counted
    // as one band yet described as two places: the sentence must name the band.
    void brightestLiesInTheNamedBand()
    {
        const TextSettings settings("100", "40", "0.1", "0");
        const QString description = describePicture(runWith(settings), settings);
        QVERIFY2(description.contains("shows 1 bright band, across the optical axis"),
                 qPrintable(description));
        QVERIFY2(description.contains("above and below the optical axis, in the band across the axis"),
                 qPrintable(description));
    }
};

QTEST_GUILESS_MAIN(TestPictureDescription)
#include "tst_picturedescription.moc"
