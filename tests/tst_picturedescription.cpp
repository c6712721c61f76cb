// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/picturedescription.h"
#include "combinations.h"
#include "labels.h"
#include "nullcanvas.h"
#include "pacer.h"
#include "photonrandom.h"
#include "run.h"
#include "runreading.h"
#include "runrecord.h"
#include "startup/translations.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QtTest>
#include <cmath>

namespace {
// The plotted record's local maxima (level neighbours allowed), as heights above the axis.
std::vector<int> plottedTops(const RunRecord &run)
{
    const std::vector<RunRecord::Point> &p = run.points();
    std::vector<int> found;
    for (std::size_t i = 1; i + 1 < p.size(); ++i)
        if (p[i].shown >= p[i - 1].shown && p[i].shown >= p[i + 1].shown)
            found.push_back(int(std::lround(run.geometry().centreY - p[i].y)));
    return found;
}

// The point (1 … 399) at a height above the axis.
int pointAt(const RunRecord &run, int height)
{
    return int(std::lround(run.geometry().barrierBottom - run.geometry().centreY)) + height;
}

double shownAt(const RunRecord &run, int height)
{
    return run.points().at(std::size_t(pointAt(run, height) - 1)).shown;
}

// Where the plot is black between two bars longer than half the longest, as
// the heights of those two bars: a pupil sees a dark band between them.
std::vector<std::pair<int, int>> blackStretches(const RunRecord &run)
{
    double largest = 0;
    for (const RunRecord::Point &p : run.points())
        largest = std::max(largest, p.shown);
    std::vector<std::pair<int, int>> found;
    std::optional<int> bar; // the last height with a long bar
    bool black = false;
    const int bottom = int(std::lround(run.geometry().centreY - run.points().front().y));
    for (int h = bottom; h < bottom + int(run.points().size()); ++h) {
        const double v = shownAt(run, h);
        if (v > largest / 2) {
            if (bar && black)
                found.emplace_back(*bar, h);
            bar = h;
            black = false;
        } else if (v < largest / 100) {
            black = true;
        }
    }
    return found;
}

// The distance a ruler gives on the record between the two maxima nearest the
// axis that a dip of the band share below both parts.
int rulerSpacing(const RunRecord &run)
{
    std::vector<int> tops = plottedTops(run);
    std::stable_sort(tops.begin(), tops.end(), [](int a, int b) { return std::abs(a) < std::abs(b); });
    double largest = 0;
    for (const RunRecord::Point &p : run.points())
        largest = std::max(largest, p.shown);
    const auto dipBetween = [&](int a, int b) {
        double low = HUGE_VAL;
        for (int h = std::min(a, b); h <= std::max(a, b); ++h)
            low = std::min(low, shownAt(run, h));
        return std::min(shownAt(run, a), shownAt(run, b)) - low;
    };
    for (int other : tops) {
        if (dipBetween(tops.front(), other) >= bandShare * largest)
            return std::abs(other - tops.front());
    }
    return 0;
}

// The dark bands a description lists, as heights (a mirrored pair as both), and how many it adds up.
struct StatedDark {
    std::vector<int> heights;
    int more = 0;
};
StatedDark statedDark(const QString &description)
{
    StatedDark stated;
    const QRegularExpressionMatch sentence =
        QRegularExpression("Dark bands lie ([^.]*)\\.").match(description);
    if (!sentence.hasMatch())
        return stated;
    QString text = sentence.captured(1);
    const QRegularExpressionMatch more = QRegularExpression(", and (\\d+) more farther out").match(text);
    if (more.hasMatch()) {
        stated.more = more.captured(1).toInt();
        text.truncate(more.capturedStart());
    }
    for (const QString &part : text.split(QLatin1String("; "))) {
        if (part == "on the optical axis") {
            stated.heights.push_back(0);
            continue;
        }
        const QRegularExpressionMatch side =
            QRegularExpression("pixels? (above and below|above|below) ").match(part);
        for (const QRegularExpressionMatch &n :
             QRegularExpression("\\d+").globalMatch(part.left(side.capturedStart()))) {
            if (side.captured(1) != "below")
                stated.heights.push_back(n.captured().toInt());
            if (side.captured(1) != "above")
                stated.heights.push_back(-n.captured().toInt());
        }
    }
    return stated;
}

// The sentence that states the count: how many bright bands, and the stated distance (0 if none).
std::pair<int, int> statedBands(const QString &summary)
{
    const QRegularExpressionMatch many =
        QRegularExpression("^(\\d+) bright bands, (\\d+) pixels apart").match(summary);
    if (many.hasMatch())
        return {many.captured(1).toInt(), many.captured(2).toInt()};
    return {summary.startsWith("One bright band") ? 1 : 0, 0};
}
} // namespace

class TestPictureDescription : public QObject {
    Q_OBJECT
private slots:
    // A count, distance or dark band that is not on the plotted record: the old
    // half-the-peak count, a distance taken from the formula or from another pair
    // of bands, a dark band where the plot is not at a low; a summary that is not
    // the description's opening sentence; a dark band said for one slit; the
    // same place named twice over in a sentence.
    void statesTheRecordsBands_data() { addEveryCombination(); }
    void statesTheRecordsBands()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        const RunReading reading(recordRun(TextSettings(distance, spacing, frequency, mode)));
        const RunRecord &run = reading.run;
        const QString description = describePicture(reading);
        const QString summary = summarizePicture(reading);
        QVERIFY2(description.startsWith(summary + ' ') && summary.endsWith('.')
                     && !summary.chopped(1).contains(QLatin1String(". ")),
                 qPrintable(summary + " / " + description));

        const auto [count, apart] = statedBands(summary);
        QCOMPARE(std::size_t(count), reading.bands.bright.size());
        // An evenly bright plot has no brightest place to name.
        QVERIFY2(count > 0 || !description.contains("brightest"), qPrintable(description));
        // Where the weighting splits a band in two, no ruler on the plot's tops gives its place.
        if (count >= 2 && reading.bands.dips.empty())
            QVERIFY2(std::abs(apart - rulerSpacing(run)) <= 1,
                     qPrintable(QString("ruler %1: %2").arg(rulerSpacing(run)).arg(summary)));
        // A bright band where the two phasors are more than a quarter turn apart.
        for (const PlottedBand &band : reading.bands.bright)
            QVERIFY2(std::abs(ReadPoint(run, band.point).fromOrder) < 0.25, qPrintable(description));

        // A dark band named where the phasors add (the weighting's dip on the
        // axis), or a black stretch between two long bars left unnamed.
        const StatedDark dark = statedDark(description);
        if (spacing == "0")
            QVERIFY2(description.contains("There are no dark bands") && dark.heights.empty(),
                     qPrintable(description));
        for (int height : dark.heights) {
            const PointReading at = ReadPoint(run, pointAt(run, height));
            QVERIFY2(std::abs(at.fromOrder) > 0.4 && at.computed < 5000,
                     qPrintable(QString("%1: %2").arg(height).arg(description)));
        }
        int unnamed = 0;
        for (const auto &[below, above] : blackStretches(run)) {
            const bool named = std::any_of(dark.heights.begin(), dark.heights.end(),
                                           [&](int h) { return h > below && h < above; });
            unnamed += named ? 0 : 1;
        }
        QVERIFY2(unnamed <= dark.more, qPrintable(description));

        // Nothing said twice within a sentence: no run of four words comes back.
        for (const QString &sentence : description.split(QLatin1String(". "))) {
            const QStringList words = sentence.split(' ');
            QSet<QString> seen;
            for (qsizetype i = 0; i + 4 <= words.size(); ++i) {
                const QString run4 = words.mid(i, 4).join(' ');
                QVERIFY2(!seen.contains(run4), qPrintable(run4 + " / " + sentence));
                seen << run4;
            }
        }
    }

    // A Czech pupil hearing English: a new text missing from the translation, or
    // glued from English pieces, in any combination's description or in what
    // changed since the previous run.
    void czechDescriptionHasNoEnglish()
    {
        // Words Czech shares with English: the caption "Interference" and "pixel".
        const QSet<QString> shared{"Interference", "pixel"};
        QStringList english, czech;
        const TextSettings startUp;
        const RunReading first(recordRun(startUp));
        for (const QString &language : {QString("en"), QString("cs_CZ")}) {
            installTranslations(QLocale(language));
            QLocale::setDefault(QLocale(language));
            for (const char *spacing : {"40", "15", "0"})
                for (const char *mode : {"0", "1", "2"})
                    for (const char *frequency : {"2", "0.1"}) {
                        const TextSettings settings("150", spacing, numberText(QString(frequency).toDouble()),
                                                    mode);
                        (language == "en" ? english : czech)
                            << describePicture(RunReading(recordRun(settings)), &first);
                    }
        }
        installTranslations(QLocale::c());
        QLocale::setDefault(QLocale::c());
        static const QRegularExpression word("[A-Za-z]{3,}");
        for (qsizetype i = 0; i < english.size(); ++i) {
            QVERIFY(english[i] != czech[i]);
            QSet<QString> englishWords;
            for (const QRegularExpressionMatch &m : word.globalMatch(english[i]))
                englishWords << m.captured();
            for (const QRegularExpressionMatch &m : word.globalMatch(czech[i]))
                QVERIFY2(!englishWords.contains(m.captured()) || shared.contains(m.captured()),
                         qPrintable(m.captured() + " / " + czech[i]));
        }
    }

    // What changed said wrongly: the slits' or the detector's change the wrong
    // way round; a change that moved the bands left out of the summary, or one
    // the summary cannot compare (no spacing now) left out of the description;
    // a change said when the settings are the same.
    void saysWhatChanged_data()
    {
        QTest::addColumn<QStringList>("texts"); // distance, spacing, frequency, mode
        QTest::addColumn<QString>("why");       // what the summary names, before ", so"
        QTest::addColumn<QString>("more");      // what the description adds
        QTest::newRow("slits farther apart")
            << QStringList{"200", "40", "2", "0"} << "The slits are farther apart" << QString();
        QTest::newRow("slits closer")
            << QStringList{"200", "10", "2", "0"} << "The slits are closer together" << QString();
        QTest::newRow("nearer screen, lower frequency")
            << QStringList{"100", "15", "0.5", "0"}
            << "The detector is nearer to the slits and the frequency is lower" << QString();
        QTest::newRow("photons") << QStringList{"200", "15", "2", "2"} << QString()
                                 << "Since the last run: the plot shows the Photon density pattern.";
        QTest::newRow("one slit") << QStringList{"200", "0", "2", "0"} << QString()
                                  << "Since the last run: the slits are closer together";
        QTest::newRow("same settings") << QStringList{"200", "15", "2", "0"} << QString() << QString();
    }
    void saysWhatChanged()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, why);
        QFETCH(QString, more);
        const RunReading previous(recordRun(TextSettings()));
        const RunReading run(recordRun(TextSettings(texts[0], texts[1], texts[2], texts[3])));
        const QString summary = summarizePicture(run, &previous);
        const QString description = describePicture(run, &previous);
        QVERIFY2(description.startsWith(summary + ' '), qPrintable(description));
        if (why.isEmpty())
            QCOMPARE(summary, summarizePicture(run));
        else
            QVERIFY2(summary.startsWith(why + ", so the "), qPrintable(summary));
        QCOMPARE(description.contains("Since the last run"), !more.isEmpty());
        QVERIFY2(description.contains(more), qPrintable(description));
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
        const QString description = describePicture(RunReading(recordRun(settings)));
        QLocale::setDefault(previous);
        for (const QString &phrase : heard)
            QVERIFY2(description.contains(phrase), qPrintable(phrase + " / " + description));
    }
};

QTEST_GUILESS_MAIN(TestPictureDescription)
#include "tst_picturedescription.moc"
