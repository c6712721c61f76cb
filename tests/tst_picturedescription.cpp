// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "labels.h"
#include "nullcanvas.h"
#include "pacer.h"
#include "photonrandom.h"
#include "accessibility/picturedescription.h"
#include "run.h"
#include "runrecord.h"
#include "combinations.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QtTest>

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

// The bright bands the plot shows, counted straight from the record.
int bandsIn(const RunRecord &run)
{
    double brightest = 0;
    for (const RunRecord::Point &point : run.points())
        brightest = std::max(brightest, point.shown);
    int bands = 0;
    bool in = false;
    for (const RunRecord::Point &point : run.points()) {
        const bool bright = point.shown >= brightest / 2;
        bands += bright && !in;
        in = bright;
    }
    return bands;
}

// The bands the "where" part of the description places, one by one.
int bandsPlaced(const QString &description)
{
    const QString where = description.section(QLatin1String("bright band"), 1).section(QLatin1Char(';'), 0, -2);
    int placed = int(where.count(QRegularExpression("\\bone ")));
    placed += 2 * where.count(QRegularExpression("\\ba pair "));
    const QRegularExpressionMatch listed = QRegularExpression("pairs ([\\d, ]+) and \\d+ pixels").match(where);
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
    // A description whose count disagrees with the plot or with the places it
    // names (a band across the axis is one, a mirrored pair two).
    void countAgreesWithPlotAndPlaces_data() { addEveryCombination(); }
    void countAgreesWithPlotAndPlaces()
    {
        QFETCH(QString, spacing);
        QFETCH(QString, distance);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const TextSettings settings(distance, spacing, frequency, mode);
        const RunRecord run = runWith(settings);
        const QString description = describePicture(run, settings);
        const QRegularExpressionMatch stated = QRegularExpression("shows (\\d+) bright band").match(description);
        QVERIFY2(stated.hasMatch(), qPrintable(description));
        QCOMPARE(stated.captured(1).toInt(), bandsIn(run));
        const int placed = stated.captured(1).toInt() == 1 ? 1 : bandsPlaced(description);
        QVERIFY2(placed == stated.captured(1).toInt(), qPrintable(description));
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
        QVERIFY2(description.contains("shows 1 bright band, across the optical axis"), qPrintable(description));
        QVERIFY2(description.contains("above and below the optical axis, in the band across the axis"),
                 qPrintable(description));
    }
};

QTEST_GUILESS_MAIN(TestPictureDescription)
#include "tst_picturedescription.moc"
