// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/announcement.h"
#include "accessibility/runannouncement.h"
#include "combinations.h"
#include "explore/explorewindow.h"
#include "patternsound.h"
#include "scene.h"
#include "startup/appearance.h"
#include "testsupport.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>
#include <memory>

namespace {
QString accessibleText(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QString();
}

void press(ShownWindow &w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(w.focus() ? w.focus() : &w.window, key, modifiers);
}

// What a screen reader can hear of the last run: the picture's description,
// the announcement, and in Explore every widget's accessible name and
// description, every label and the runs table's settings.
QStringList heardOfTheRun(frmQuarnel &window, const QString &announcement)
{
    QStringList heard{accessibleText(&window.picture(), QAccessible::Description), announcement};
    ExploreWindow *explore = window.explore();
    for (QWidget *widget : explore->findChildren<QWidget *>()) {
        heard << accessibleText(widget, QAccessible::Name)
              << accessibleText(widget, QAccessible::Description);
        if (auto *label = qobject_cast<QLabel *>(widget))
            heard << label->text();
    }
    return heard << explore->keptRuns().index(0, KeptRuns::Settings).data().toString();
}

// Numbers a text gives for the slits' separation (`apart`) and for a slit's
// distance from the axis, and whether it gives one in a bare "spacing (n px)".
struct SlitNumbers {
    QList<int> apart, fromAxis;
    bool bare = false;
};
SlitNumbers slitNumbers(const QStringList &texts)
{
    static const QRegularExpression apart("slits (?:are )?(\\d+) (?:px|pixels?) apart"),
        fromAxis("each slit (\\d+) (?:px|pixels?) from the (?:optical )?axis"),
        bare("slit spacing \\S+ \\((\\d+) (?:px|pixels?)\\)");
    SlitNumbers found;
    for (const QString &text : texts) {
        for (const QRegularExpressionMatch &m : apart.globalMatch(text))
            found.apart << m.captured(1).toInt();
        for (const QRegularExpressionMatch &m : fromAxis.globalMatch(text))
            found.fromAxis << m.captured(1).toInt();
        found.bare = found.bare || bare.match(text).hasMatch();
    }
    return found;
}

QString pictureDescription(frmQuarnel &window)
{
    return accessibleText(&window.picture(), QAccessible::Description);
}
QString pictureDescription(ShownWindow &w) { return pictureDescription(w.window); }

// The rows the bar plot reaches furthest right of the axis (x 600, 2 pixels wide).
struct Bars {
    int longest = 0;
    std::vector<int> lengths; // by row
};
Bars barLengths(const QImage &image)
{
    Bars bars;
    bars.lengths.assign(image.height(), 0);
    for (int y = 100; y <= 500; ++y) {
        // The optical axis runs on through row 300 to x 750.
        if (y == 300)
            continue;
        int x = 601;
        while (x < image.width() && pixels::dark(image, x, y))
            ++x;
        bars.lengths[y] = x - 601;
        bars.longest = std::max(bars.longest, bars.lengths[y]);
    }
    return bars;
}
} // namespace

namespace {
// The ticks a listener hears: stretches of points whose sound carries the
// tick's pitch (which the tone and its two overtones never reach), by the
// Goertzel filter's power at that one frequency.
int tickCount(const std::vector<qint16> &samples)
{
    using namespace patternsound;
    const double coefficient = 2 * std::cos(2 * M_PI * tickHertz / sampleRate);
    int ticks = 0;
    bool inTick = false;
    for (std::size_t start = 0; start + samplesPerPoint <= samples.size(); start += samplesPerPoint) {
        double s1 = 0, s2 = 0;
        for (std::size_t i = start; i < start + samplesPerPoint; ++i) {
            const double s0 = samples[i] / 32768.0 + coefficient * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double power =
            (s1 * s1 + s2 * s2 - coefficient * s1 * s2) / (samplesPerPoint * samplesPerPoint);
        // A tick gives about 1e-4; the tone's fades in and out at the ends 3e-6.
        const bool tick = power > 1e-5;
        ticks += tick && !inTick ? 1 : 0;
        inTick = tick;
    }
    return ticks;
}

// The run's end names what moved the bands since the run before and, linked by
// "so", how: the spacing near the axis now and before, as the two readings have it.
void saysWhatChangedSince(const RunReading &run, const RunReading *previous, const QString &said)
{
    const auto changed = [&](Setting s) {
        return previous && run.run.setting(s) != previous->run.setting(s);
    };
    const bool comparable = run.bands.spacing && previous && previous->bands.spacing;
    const bool moved =
        changed(Setting::nOdchylka) || changed(Setting::nVzdalenost) || changed(Setting::nKmitočet);
    const qsizetype link = said.indexOf(", so the ");
    QCOMPARE(link >= 0, comparable && moved);
    if (link < 0)
        return;
    const QString why = said.left(link);
    QCOMPARE(why.contains("slits"), changed(Setting::nOdchylka));
    QCOMPARE(why.contains("detector"), changed(Setting::nVzdalenost));
    QCOMPARE(why.contains("frequency"), changed(Setting::nKmitočet));
    const long now = std::lround(*run.bands.spacing), then = std::lround(*previous->bands.spacing);
    const QRegularExpressionMatch numbers =
        QRegularExpression("(closer together|farther apart|as far apart as before): (\\d+) pixels?(?: apart "
                           "instead of (\\d+))?\\.$")
            .match(said);
    QVERIFY2(numbers.hasMatch(), qPrintable(said));
    QCOMPARE(numbers.captured(1),
             now < then       ? "closer together"
                 : now > then ? "farther apart"
                              : "as far apart as before");
    QCOMPARE(numbers.captured(2).toLong(), now);
    if (now != then)
        QCOMPARE(numbers.captured(3).toLong(), then);
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }
    void cleanupTestCase() { voices_.reset(); }

    // Two counts of bright bands for one run: the run's end and the description
    // counted the plot's bands, Explore its own way, and in 91 of the 180
    // combinations they disagreed; a run's name that called each slit's
    // distance from the axis the slits' spacing; and a run's end that forgot the
    // run before, or named a change and its effect without the link or wrongly.
    void everyVoiceCountsTheSameBands_data() { addEveryCombination(); }
    void everyVoiceCountsTheSameBands()
    {
        QFETCH(QString, distance);
        QFETCH(QString, spacing);
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        // One window for every combination, as a lesson goes.
        if (!voices_) {
            voices_ = std::make_unique<ShownWindow>();
            voices_->window.showExplore();
        }
        ShownWindow &shown = *voices_;
        shown.choose(Setting::nVzdalenost, distance);
        shown.choose(Setting::nOdchylka, spacing);
        shown.choose(Setting::nKmitočet, frequency);
        shown.choose(Setting::nInterference, mode);
        QSignalSpy spoken(shown.window.findChild<Announcement *>(), &Announcement::said);
        shown.window.cmdStart_Click();
        const RunReading *reading = shown.window.session().lastWholeRun();
        QVERIFY(reading && reading->run.setting(Setting::nInterference) == mode);
        QCOMPARE(spoken.size(), 1);
        const QString announced = spoken.first().first().toString();
        const auto counted = [](const QString &text) {
            const QRegularExpressionMatch many = QRegularExpression("(\\d+) bright bands").match(text);
            return many.hasMatch() ? many.captured(1).toInt() : text.contains("One bright band") ? 1 : 0;
        };
        const int said = counted(announced);
        QCOMPARE(counted(shown.window.picture().accessibleDescription()), said);
        QCOMPARE(tickCount(RenderPatternSound(*reading)), said);
        const KeptRuns &table = shown.window.explore()->keptRuns();
        QCOMPARE(table.index(0, KeptRuns::BrightBands).data().toString(), QString::number(said));
        // A run's name once gave each slit's distance from the axis as the slits'
        // spacing: every number heard for the one is the one's, for the other the other's.
        const SlitNumbers heard = slitNumbers(heardOfTheRun(shown.window, announced));
        QVERIFY(!heard.bare);
        QVERIFY(spacing == "0"
                || (heard.apart.contains(2 * spacing.toInt()) && heard.fromAxis.contains(spacing.toInt())));
        for (int n : heard.apart)
            QCOMPARE(n, 2 * spacing.toInt());
        for (int n : heard.fromAxis)
            QCOMPARE(n, spacing.toInt());
        QCOMPARE(int(reading->bands.bright.size()), said);
        saysWhatChangedSince(*reading, shown.window.session().previousWholeRun(), announced.section(". ", 1));
    }

    // "large" and "middle" stand in two frames each; the description must say which
    // setting a button or the scroll bar sets, or two buttons sound the same.
    void ambiguousCaptionsAreDescribed()
    {
        frmQuarnel window;
        QStringList heard;
        for (QRadioButton *button : window.findChildren<QRadioButton *>()) {
            const auto *frame = qobject_cast<QGroupBox *>(button->parentWidget());
            QVERIFY(frame);
            const QString name = accessibleText(button, QAccessible::Name);
            const QString description = accessibleText(button, QAccessible::Description);
            QVERIFY2(name.contains(button->text()), qPrintable(button->objectName()));
            QVERIFY2(description.startsWith(accessibleText(const_cast<QGroupBox *>(frame), QAccessible::Name),
                                            Qt::CaseInsensitive)
                         || description.contains("Animation"),
                     qPrintable(button->objectName() + ": " + description));
            heard << name + " / " + description;
        }
        QWidget *scrollBar = window.findChild<QScrollBar *>("HScroll1");
        QVERIFY(
            accessibleText(scrollBar, QAccessible::Description).contains("slow-down", Qt::CaseInsensitive));
        heard.removeDuplicates();
        QCOMPARE(heard.size(), window.findChildren<QRadioButton *>().size());
    }

    // Equal paths meet in phase on the axis, and with one slit (spacing 0) every
    // point is in phase: the brightest band is then level with the source. Where
    // the bars vary, the band named is where the picture's longest bar is drawn.
    void brightestBandIsWhereTheLongestBarIs_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("start-up") << QStringList{};
        QTest::newRow("large spacing, near screen") << QStringList{"opVelka", "opdc100"};
        QTest::newRow("large spacing, near, high") << QStringList{"opVelka", "opdc100", "op05"};
        QTest::newRow("interference") << QStringList{"op40", "opDc150", "op03", "opFoton"};
        QTest::newRow("small spacing, low") << QStringList{"op20", "opdc100", "op01"};
        QTest::newRow("one slit") << QStringList{"op0", "opDc150"};
    }
    void brightestBandIsWhereTheLongestBarIs()
    {
        QFETCH(QStringList, options);
        ShownWindow w;
        for (const QString &name : options)
            w.option(name)->setChecked(true);
        w.window.cmdStart_Click();
        const QString description = pictureDescription(w);

        std::vector<int> named;
        const QRegularExpressionMatch offset =
            QRegularExpression("brightest (\\d+) pixels? (above and below|above|below)").match(description);
        if (description.contains("brightest on the optical axis")) {
            named = {300};
        } else {
            QVERIFY2(offset.hasMatch(), qPrintable(description));
            const int n = offset.captured(1).toInt();
            const QString side = offset.captured(2);
            if (side != "below")
                named.push_back(300 - n);
            if (side != "above")
                named.push_back(300 + n);
        }
        if (options.contains("op0") || options.contains("opFoton") || options.isEmpty())
            QCOMPARE(named, std::vector<int>{300});

        const Bars bars = barLengths(w.window.picture().canvas().image());
        QVERIFY2(bars.longest < 199, "a bar reaches the picture's edge: no longest bar to find");
        // A bar 2 pixels wide at height y covers rows y - 1 and y (row 300 is left out).
        for (int y : named) {
            const int length = std::max(bars.lengths[y - 1], bars.lengths[y]);
            QVERIFY2(length >= bars.longest - 1,
                     qPrintable(QString("%1: bar at %2 is %3, longest %4")
                                    .arg(description)
                                    .arg(y)
                                    .arg(length)
                                    .arg(bars.longest)));
        }
    }

    // Tab stops that move with the options selected (a group ahead of another
    // once its selected option's own index is lower), or a group Tab enters at
    // another option than the selected one; Shift+Tab not going back the same way.
    void tabOrderIsTheSameWhateverIsSelected_data()
    {
        QTest::addColumn<QStringList>("selected"); // spacing, distance, frequency, pattern
        QTest::newRow("start-up") << QStringList{"op60", "opDc200", "op2", QStringLiteral("opSvětlo")};
        QTest::newRow("first options")
            << QStringList{"opVelka", "opDc200", "op2", QStringLiteral("opSvětlo")};
        QTest::newRow("last options") << QStringList{"op0", "opdc100", "op01", "opDopad"};
        QTest::newRow("middle options") << QStringList{"op40", "opDc150", "op03", "opFoton"};
    }
    void tabOrderIsTheSameWhateverIsSelected()
    {
        QFETCH(QStringList, selected);
        ShownWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        for (const QString &option : selected)
            w.option(option)->click();
        w.window.findChild<QWidget *>("cmdStart")->setFocus();
        const QStringList forward =
            QStringList{"cmdStart", "cmdKonec", "picture"} + selected + QStringList{"HScroll1", "cmdStart"};
        QStringList visited{w.focusName()};
        for (int i = 1; i < forward.size(); ++i) {
            press(w, Qt::Key_Tab);
            visited << w.focusName();
        }
        QCOMPARE(visited, forward);

        QStringList backward{w.focusName()};
        for (int i = 1; i < forward.size(); ++i) {
            press(w, Qt::Key_Backtab, Qt::ShiftModifier);
            backward << w.focusName();
        }
        std::reverse(backward.begin(), backward.end());
        QCOMPARE(backward, forward);
    }

    // The end of a run is heard wherever the focus is, once: that it finished and
    // the description's first sentence, or where Escape stopped it, as the record
    // has it. A run that never said so left a blind pupil waiting. D says the
    // summary again, and moves no focus.
    void runEndIsAnnounced_data()
    {
        QTest::addColumn<int>("stopAt"); // 0: not stopped
        QTest::addColumn<QString>("focus");
        QTest::newRow("finished, focus on Start") << 0 << "cmdStart";
        QTest::newRow("finished, focus on the picture") << 0 << "picture";
        QTest::newRow("stopped low") << 20 << "cmdStart";
        QTest::newRow("stopped near the axis") << 200 << "HScroll1";
        QTest::newRow("stopped high") << 390 << "picture";
    }
    void runEndIsAnnounced()
    {
        QFETCH(int, stopAt);
        QFETCH(QString, focus);
        frmQuarnel window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QWidget *>(focus)->setFocus();
        QSignalSpy heard(window.findChild<Announcement *>(), &Announcement::said);
        if (stopAt > 0) // Escape as the user presses it, between two of the run's steps
            atPoint(window, stopAt, [&] {
                QTimer::singleShot(0, &window, [&] { QTest::keyClick(&window, Qt::Key_Escape); });
            });
        QSignalSpy ended(&window.session(), &RunSession::finished);
        window.cmdStart_Click();
        QVERIFY(ended.wait(20000));
        QCOMPARE(ended.first().first().value<RunEnd>(), stopAt ? RunEnd::Stopped : RunEnd::Finished);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(heard.size(), 1);
        const QString said = heard.first().first().toString();
        const RunRecord &run = window.session().currentRun();
        // D, wherever the focus is, says the description's first sentence again,
        // the one a whole run's end said.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        const QString again = heard.last().first().toString();
        QVERIFY2(heard.size() == 2 && pictureDescription(window).startsWith(again + ' '), qPrintable(again));
        if (!stopAt) {
            QCOMPARE(said, "Run finished. " + again);
            return;
        }
        const QRegularExpressionMatch where =
            QRegularExpression(
                "^Run stopped at point (\\d+) of 399, (?:(\\d+) pixels? (above|below) the optical "
                "axis|on the optical axis)\\.$")
                .match(said);
        QVERIFY2(where.hasMatch(), qPrintable(said));
        QCOMPARE(where.captured(1).toULongLong(), run.points().size());
        QVERIFY(run.points().size() >= std::size_t(stopAt) && run.points().size() < 399);
        const int up = where.captured(3) == "below" ? -where.captured(2).toInt() : where.captured(2).toInt();
        const double height = run.geometry().centreY - run.points().back().y;
        QVERIFY2(std::abs(up - height) <= 0.5,
                 qPrintable(QString("%1: the point is %2 up").arg(said).arg(height)));
    }

    // A slow run silent for up to 24 s, taken for a hang; or words so often that
    // they drown the run's end, or in a fast run.
    void slowRunSaysItsQuarters_data()
    {
        QTest::addColumn<int>("slowDown");
        QTest::addColumn<int>("words");
        QTest::newRow("fast") << 1 << 0;
        QTest::newRow("slowest") << 20 << 3;
    }
    void slowRunSaysItsQuarters()
    {
        QFETCH(int, slowDown);
        QFETCH(int, words);
        ShownWindow w; // its run's countdowns take no time
        w.window.findChild<QScrollBar *>("HScroll1")->setValue(slowDown);
        QList<int> saidAt; // the points plotted when each word came
        QStringList said;
        connect(w.window.findChild<Announcement *>(), &Announcement::said, this, [&](const QString &text) {
            saidAt << int(w.window.session().currentRun().points().size());
            said << text;
        });
        w.window.cmdStart_Click();
        QCOMPARE(said.size(), words + 1);
        QVERIFY2(said.last().startsWith("Run finished."), qPrintable(said.last()));
        for (int q = 1; q <= words; ++q)
            QVERIFY2(std::abs(saidAt[q - 1] - q * scan::pointCount / 4.0) < 1, qPrintable(said.join(" / ")));
        said.removeDuplicates();
        QCOMPARE(said.size(), words + 1);
    }

    // Nothing plotted, nothing to say but that: a stopped run with an empty record
    // must not read past its end.
    void emptyStoppedRunIsAnnounced()
    {
        QCOMPARE(runStoppedAnnouncement(RunRecord()), QString("Run stopped before its first point."));
    }

    // The picture is busy while a run draws it and is not after it: a picture
    // left busy would never be read again.
    void pictureIsBusyDuringARun()
    {
        frmQuarnel window;
        QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(&window.picture());
        QVERIFY(!picture->state().busy);
        bool busyDuringRun = false;
        atPoint(window, 100, [&] { busyDuringRun = picture->state().busy; });
        QSignalSpy ended(&window.session(), &RunSession::finished);
        window.cmdStart_Click();
        QVERIFY(ended.wait(20000));
        QVERIFY(busyDuringRun);
        QVERIFY(!picture->state().busy);
    }

    // The focused picture shows a ring that is never part of the picture itself:
    // Tab to it, and the window shows the focus while the copied picture and the
    // kept image (which Save writes) stay pixel for pixel what the run drew.
    void pictureFocusIsShownButNeverCopied()
    {
        ShownWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.window.cmdStart_Click();
        const QImage drawn = w.window.picture().canvas().image();
        QWidget *exit = w.window.findChild<QWidget *>("cmdKonec");
        press(w, Qt::Key_Tab); // to Exit, which shows the focus as it does for keys
        QCOMPARE(w.focus(), exit);
        const QImage before = w.grab();
        press(w, Qt::Key_Tab);
        QCOMPARE(w.focusName(), QString("picture"));
        const QImage focused = w.grab();
        // Round the picture's edge, and where Exit no longer shows the focus.
        const QRect inside = QRect(QPoint(0, 0), sceneSize).adjusted(8, 8, -8, -8);
        const QRect exitArea = exit->geometry().adjusted(-4, -4, 4, 4);
        int ringPixels = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                if (focused.pixel(x, y) == before.pixel(x, y) || exitArea.contains(x, y))
                    continue;
                QVERIFY2(!inside.contains(x, y), qPrintable(QString("changed at %1, %2").arg(x).arg(y)));
                ++ringPixels;
            }
        }
        QVERIFY(ringPixels >= 2 * (sceneSize.width() + sceneSize.height()));
        press(w, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(drawn.format()), drawn);
        QCOMPARE(w.window.picture().canvas().image(), drawn);
        press(w, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w.focusName(), QString("cmdKonec"));
        QCOMPARE(w.grab(), before);
    }

    // The arrow keys walk a group's buttons in their order, selecting each, and wrap
    // at the ends; Qt alone moves by position and skips buttons in the staircases.
    // (Which setting each button writes is tst_window's optionHandlers.)
    void arrowKeysWalkTheGroup_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("slit spacing") << QStringList{"opVelka", "op60", "op40", "op20", "op0"};
        QTest::newRow("distance") << QStringList{"opDc200", "opDc150", "opdc100"};
        QTest::newRow("frequency") << QStringList{"op2", "op05", "op03", "op01"};
        QTest::newRow("pattern") << QStringList{QStringLiteral("opSvětlo"), "opFoton", "opDopad"};
    }
    void arrowKeysWalkTheGroup()
    {
        QFETCH(QStringList, buttons);
        const qsizetype count = buttons.size();
        for (const auto &[key, step] : {std::pair{Qt::Key_Down, 1}, std::pair{Qt::Key_Right, 1},
                                        std::pair{Qt::Key_Up, -1}, std::pair{Qt::Key_Left, -1}}) {
            ShownWindow w;
            QVERIFY(QTest::qWaitForWindowActive(&w.window));
            QRadioButton *first = w.option(buttons.first());
            first->click();
            first->setFocus();
            // Once round the group, back to the first button.
            for (qsizetype i = step; i != step * (count + 1); i += step) {
                press(w, key);
                const qsizetype at = (i % count + count) % count;
                QCOMPARE(w.focusName(), buttons[at]);
                QVERIFY(w.option(buttons[at])->isChecked());
            }
        }
    }

    // Space presses the focused control: Start runs, an option is selected, Exit closes.
    void spacePressesTheFocusedControl()
    {
        ShownWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        const QString before = pictureDescription(w);
        QCOMPARE(w.focusName(), QString("cmdStart"));
        press(w, Qt::Key_Space);
        QVERIFY2(pictureDescription(w) != before, "Space on Start made no run");

        w.option("op40")->setFocus();
        press(w, Qt::Key_Space);
        QCOMPARE(w.window.text(Setting::nOdchylka), QString("10"));

        w.window.findChild<QWidget *>("cmdKonec")->setFocus();
        press(w, Qt::Key_Space);
        QTRY_VERIFY(!w.window.isVisible());
    }

    // The slow-down is reachable from the keyboard, shows that it has the focus
    // (the widget style draws nothing for it), and Left and Right move it the way
    // the thumb goes (Qt's scroll bars swap them).
    void scrollBarTakesKeys()
    {
        ShownWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QWidget *scrollBar = w.window.findChild<QWidget *>("HScroll1");
        const QRect around = scrollBar->geometry().adjusted(-4, -4, 4, 4);
        const QImage unfocused = w.window.grab(around).toImage();
        scrollBar->setFocus();
        QCOMPARE(w.focusName(), QString("HScroll1"));
        QVERIFY(w.window.grab(around).toImage() != unfocused);
        press(w, Qt::Key_Right);
        QCOMPARE(w.window.text(Setting::nSpomaleni), QString("2"));
        press(w, Qt::Key_End);
        QCOMPARE(w.window.text(Setting::nSpomaleni), QString("20"));
        press(w, Qt::Key_Left);
        QCOMPARE(w.window.text(Setting::nSpomaleni), QString("19"));
    }

private:
    std::unique_ptr<ShownWindow> voices_;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
