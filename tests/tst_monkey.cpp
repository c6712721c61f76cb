// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "closerequest.h"
#include "tracedquarnel.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <map>
#include <memory>

namespace {
// The storm: this many events or this long, whichever comes first. A failure
// prints its seed; QUARNEL_MONKEY_SEED=<seed> replays the same choices.
constexpr quint32 defaultSeed = 6021;
constexpr int eventLimit = 3000;
constexpr int stormSeconds = 100; // QUARNEL_MONKEY_SECONDS can shorten it
// Start presses not yet turned into runs; more would queue minutes of runs.
constexpr int startBacklogLimit = 2;
// A run slower than this makes the next event drag the thumb back to the left end.
constexpr int slowDownCeiling = 6;
constexpr int longestPauseMs = 40; // after each event
// Every so many events the window must still show, unless its program ends within the wait.
constexpr int windowCheckInterval = 25;
constexpr int exitAfterWindowMs = 10000;
// After the storm: how long the last queued runs may take, and the quiet that ends the wait.
constexpr int drainLimitMs = 240000;
constexpr int quietMs = 3000;
// Escape ends a run this soon, after which the program answers a ping this soon;
// the close request during a run ends the program this soon.
constexpr int stopWithinMs = 5000;
constexpr int pingWithinMs = 2000;
constexpr int closeWithinMs = 2000;

enum class Action {
    ClickAnywhere,
    ClickControl,
    Key,
    DragScrollBar,
    HoldArrow,
    PressStart,
    Resize,
    EscapeDuringRun,
    CloseDuringRun,
    Exit
};
constexpr std::pair<Action, int> actions[] = {
    // weights per mille
    {Action::ClickAnywhere, 170}, {Action::ClickControl, 210},
    {Action::Key, 315},           {Action::DragScrollBar, 70},
    {Action::HoldArrow, 6},       {Action::PressStart, 150},
    {Action::Resize, 50},         {Action::EscapeDuringRun, 18},
    {Action::CloseDuringRun, 8},  {Action::Exit, 3},
};
constexpr std::pair<const char *, int> keys[] = {
    {"Tab", 8}, {"Left", 4}, {"Right", 4}, {"Up", 4}, {"Down", 4}, {"space", 3}, {"Return", 2}, {"Escape", 2},
};

// One of the table's entries, each drawn as often as its weight says.
template <typename T, std::size_t N>
T weighted(QRandomGenerator &random, const std::pair<T, int> (&table)[N])
{
    int total = 0;
    for (const auto &entry : table)
        total += entry.second;
    int pick = int(random.bounded(total));
    for (const auto &[value, weight] : table)
        if ((pick -= weight) < 0)
            return value;
    return table[N - 1].first;
}
} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomInputNeverCrashesHangsOrLeaks();

private:
    void launch();
    void retire(); // checks a program that has ended
    void step();
    void fault(const QString &what);
    void note(const QString &event);
    void xdotool(const QString &event, const QStringList &arguments);
    void clickAt(QPoint at);
    void pressStart(QPoint at);
    QPoint randomPointIn(QRect area);
    bool startAllowed() const;
    void dragThumb(int from, int to);
    void holdArrow();
    void escapeRun();
    void closeDuringRun();

    std::unique_ptr<WindowDriver> driver_;
    XSession *session_ = nullptr;
    const ControlMap *map_ = nullptr;
    std::unique_ptr<TracedQuarnel> program_;
    QRandomGenerator random_;
    int tabsToStart_ = 0; // from the scroll bar
    QSize size_;
    int believedSlowDown_ = 1;
    int lastRunSeen_ = 0;
    bool slowDownCorrected_ = true;
    int startPresses_ = 0; // this launch
    qint64 lastStartPressMs_ = 0;

    std::map<QString, int> sent_; // by kind, for the summary
    QStringList recent_;          // the last events sent, for a failure's report
    int events_ = 0;
    int launches_ = 0;
    int runsStarted_ = 0;
    int runsStopped_ = 0;
    QStringList faults_;
};

void TestMonkey::initTestCase()
{
    driver_ = std::make_unique<WindowDriver>();
    session_ = &driver_->session;
    map_ = &driver_->map;
    tabsToStart_ = map_->tabsBetween("HScroll1", "cmdStart");
    QVERIFY(tabsToStart_ > 0 && tabsToStart_ < map_->controls().size());
    if (!session_->isReady())
        QSKIP(qPrintable("no X session: " + session_->why()));
}

void TestMonkey::note(const QString &event)
{
    recent_ << QString("%1 ms: %2").arg(program_ ? program_->sinceLaunchMs() : 0).arg(event);
    if (recent_.size() > 40)
        recent_.removeFirst();
}

void TestMonkey::fault(const QString &what)
{
    faults_ << "launch " + QString::number(launches_) + ": " + what + "\nthe last events sent:\n  "
            + recent_.join("\n  ");
    qWarning("%s", qPrintable(what));
}

void TestMonkey::xdotool(const QString &event, const QStringList &arguments)
{
    note(event);
    session_->xdotool(arguments);
}

void TestMonkey::launch()
{
    program_ = driver_->launch();
    ++launches_;
    note("launch");
    if (!program_->windowId()) {
        fault("the window never showed\n" + program_->log());
        return;
    }
    size_ = program_->geometry().size();
    believedSlowDown_ = 1;
    lastRunSeen_ = 0;
    slowDownCorrected_ = true;
    startPresses_ = 0;
}

void TestMonkey::retire()
{
    program_->waitForExit(30000);
    runsStarted_ += program_->runsStarted();
    for (const TracedQuarnel::Run &run : program_->runs())
        runsStopped_ += run.stopped ? 1 : 0;
    if (const QString faults = program_->endFaults(); !faults.isEmpty())
        fault(faults);
}

// A press and a release with no pause between them (xdotool's click waits 100 ms).
void TestMonkey::clickAt(QPoint at)
{
    xdotool(
        QString("click at %1, %2").arg(at.x()).arg(at.y()),
        {"mousemove", QString::number(at.x()), QString::number(at.y()), "mousedown", "1", "mouseup", "1"});
}

void TestMonkey::pressStart(QPoint at)
{
    ++startPresses_;
    lastStartPressMs_ = program_->sinceLaunchMs();
    clickAt(at);
}

QPoint TestMonkey::randomPointIn(QRect area)
{
    return {area.left() + int(random_.bounded(area.width())),
            area.top() + int(random_.bounded(area.height()))};
}

bool TestMonkey::startAllowed() const
{
    const int backlog = startPresses_ - program_->runsStarted();
    if (believedSlowDown_ > slowDownCeiling)
        return backlog <= 0 && !program_->inRun();
    return backlog < startBacklogLimit;
}

// Presses on the thumb as it stands for one value and lets go where it stands for another.
void TestMonkey::dragThumb(int from, int to)
{
    const QPoint start = map_->scrollBarThumb(from).center();
    const QPoint end = map_->scrollBarThumb(to).center();
    const QPoint middle = (start + end) / 2;
    xdotool(QString("drag from %1, %2 to %3, %4").arg(start.x()).arg(start.y()).arg(end.x()).arg(end.y()),
            {"mousemove", QString::number(start.x()), QString::number(start.y()), "mousedown", "1",
             "mousemove", QString::number(middle.x()),
             QString::number(middle.y() + int(random_.bounded(7)) - 3), "mousemove", QString::number(end.x()),
             QString::number(end.y()), "mouseup", "1"});
    believedSlowDown_ = to;
}

// An arrow held down 0.5 to 3 s, Start pressed meanwhile now and then, by the
// keyboard from the scroll bar, which the press gave the focus, or by a click.
void TestMonkey::holdArrow()
{
    const bool adds = random_.bounded(3) == 0;
    const QPoint arrow = (adds ? map_->scrollBarAddArrow() : map_->scrollBarSubArrow()).center();
    const int holdMs = 500 + int(random_.bounded(2501));
    const int startAfterMs = int(random_.bounded(holdMs));
    const int how = startAllowed() ? int(random_.bounded(3)) : 0; // none, keys, click
    xdotool(QString("press the %1 arrow for %2 ms").arg(adds ? "add" : "sub").arg(holdMs),
            {"mousemove", QString::number(arrow.x()), QString::number(arrow.y()), "mousedown", "1"});
    program_->poll(startAfterMs);
    if (how == 1) {
        QStringList tabs{"key", "--delay", "0"};
        for (int i = 0; i < tabsToStart_; ++i)
            tabs << "Tab";
        ++startPresses_;
        lastStartPressMs_ = program_->sinceLaunchMs();
        xdotool("Tab to Start, space", tabs << "space");
    } else if (how == 2) {
        pressStart(randomPointIn(map_->rect("cmdStart")));
    }
    program_->poll(holdMs - startAfterMs);
    xdotool("release the arrow",
            {"mousemove", QString::number(arrow.x()), QString::number(arrow.y()), "mouseup", "1"});
    if (adds) {
        // It may have reached the far end; the next event drags it back.
        believedSlowDown_ = map_->scrollBarMaximum();
        slowDownCorrected_ = false;
    }
}

// Escape early in a run: the run ends, stopped, and the program still answers.
void TestMonkey::escapeRun()
{
    const TracedQuarnel::Run run = program_->runs().back();
    const std::size_t index = program_->runs().size() - 1;
    xdotool(QString("Escape in run %1").arg(run.number), {"key", "--delay", "0", "Escape"});
    if (!program_->waitFor([&] { return program_->runsEnded() > int(index) || !program_->isAlive(); },
                           stopWithinMs)) {
        fault(QString("Escape did not end run %1 within %2 ms").arg(run.number).arg(stopWithinMs));
        return;
    }
    if (!program_->isAlive())
        return;
    if (!program_->runs()[index].stopped)
        fault(QString("run %1 ended after Escape, but not as stopped").arg(run.number));
    else if (!answersPing(session_->display(), program_->windowId(), pingWithinMs)
             && !program_->waitFor([&] { return !program_->isAlive(); }, 1000))
        fault(QString("no answer to a ping within %1 ms after Escape stopped run %2")
                  .arg(pingWithinMs)
                  .arg(run.number));
}

// The close request during a run: the program ends, with status 0, at once.
void TestMonkey::closeDuringRun()
{
    note(QString("close request in run %1").arg(program_->runs().back().number));
    sendCloseRequest(session_->display(), program_->windowId());
    if (!program_->waitForExit(closeWithinMs))
        fault(QString("the close request during a run did not end the program within %1 ms")
                  .arg(closeWithinMs));
}

void TestMonkey::step()
{
    program_->poll(0);
    if (!program_->isAlive()) {
        retire();
        launch();
        return;
    }
    // What the runs tell: the slow-down each started with, and whether one overran.
    const auto &runs = program_->runs();
    if (int(runs.size()) > lastRunSeen_) {
        lastRunSeen_ = int(runs.size());
        believedSlowDown_ = runs.back().slowDown.toInt();
        slowDownCorrected_ = believedSlowDown_ <= slowDownCeiling;
    }
    // Start presses that fell outside a shrunken window start nothing; in a quiet
    // program, none is still waiting.
    const qint64 now = program_->sinceLaunchMs();
    if (!program_->inRun() && now - lastStartPressMs_ > quietMs
        && (runs.empty() || now - runs.back().endMs > quietMs))
        startPresses_ = program_->runsStarted();
    // A program that goes on after its window has gone can no longer be ended by its user.
    if (events_ % windowCheckInterval == 0 && !program_->windowShows()
        && !program_->waitFor([&] { return !program_->isAlive(); }, exitAfterWindowMs)) {
        fault("the window is gone but the program still runs\n" + program_->log().right(6000));
        return;
    }
    const bool inRun = program_->inRun();
    const bool youngRun = inRun && now - runs.back().startMs < nominalRunMs(runs.back().slowDown.toInt()) / 2;
    if (inRun && now - runs.back().startMs > runTimeoutMs(runs.back().slowDown.toInt())) {
        fault(QString("run %1 (%2) has not ended after %3 ms")
                  .arg(runs.back().number)
                  .arg(runs.back().settings)
                  .arg(now - runs.back().startMs));
        return;
    }

    const QRect exitButton = map_->rect("cmdKonec");
    const QRect startButton = map_->rect("cmdStart");
    Action action = slowDownCorrected_ ? weighted(random_, actions) : Action::DragScrollBar;
    // Exit is meant to end the program, so it is pressed only where the window shows it.
    if ((action == Action::PressStart && !startAllowed()) || (action == Action::EscapeDuringRun && !youngRun)
        || (action == Action::CloseDuringRun && !inRun)
        || (action == Action::Exit && !QRect(QPoint(0, 0), size_).contains(exitButton)))
        action = Action::Key;
    ++events_;

    switch (action) {
    case Action::ClickAnywhere: {
        QPoint at;
        do {
            at = randomPointIn(QRect(QPoint(0, 0), size_));
        } while (exitButton.contains(at) || (startButton.contains(at) && !startAllowed()));
        ++sent_["click anywhere"];
        startButton.contains(at) ? pressStart(at) : clickAt(at);
        break;
    }
    case Action::ClickControl: {
        QStringList controls = map_->controls();
        controls.removeAll("cmdKonec");
        if (!startAllowed())
            controls.removeAll("cmdStart");
        const QString control = controls.at(int(random_.bounded(qsizetype(controls.size()))));
        ++sent_["click on a control"];
        const QPoint at = randomPointIn(map_->rect(control));
        control == "cmdStart" ? pressStart(at) : clickAt(at);
        break;
    }
    case Action::Key: {
        const char *keysym = weighted(random_, keys);
        ++sent_["key"];
        xdotool(QString("key ") + keysym, {"key", "--delay", "0", QString::fromLatin1(keysym)});
        break;
    }
    case Action::DragScrollBar: {
        int to = map_->scrollBarMinimum();
        if (slowDownCorrected_) // mostly short runs, now and then the whole range
            to += int(random_.bounded(random_.bounded(5) == 0 ? map_->scrollBarMaximum() : 2));
        ++sent_["scroll-bar drag"];
        dragThumb(believedSlowDown_, to);
        slowDownCorrected_ = true;
        break;
    }
    case Action::HoldArrow:
        ++sent_["arrow held"];
        holdArrow();
        break;
    case Action::PressStart:
        ++sent_[inRun ? "Start during a run" : "Start between runs"];
        pressStart(randomPointIn(startButton));
        break;
    case Action::Resize:
        size_ = QSize(120 + int(random_.bounded(900)), 90 + int(random_.bounded(670)));
        ++sent_["resize"];
        xdotool(QString("resize to %1 × %2").arg(size_.width()).arg(size_.height()),
                {"windowsize", QString::number(program_->windowId()), QString::number(size_.width()),
                 QString::number(size_.height())});
        break;
    case Action::EscapeDuringRun:
        ++sent_["Escape during a run"];
        escapeRun();
        break;
    case Action::CloseDuringRun:
        ++sent_["close request during a run"];
        closeDuringRun();
        break;
    case Action::Exit:
        ++sent_["Exit"];
        clickAt(randomPointIn(exitButton));
        break;
    }
}

// Thousands of random clicks, keys, drags, held arrows, resizes and Start
// presses, Escape and the close request during runs, then Exit: the program
// must never crash, hang, leave a run unfinished, trip a sanitizer or end with
// a status other than 0.
void TestMonkey::randomInputNeverCrashesHangsOrLeaks()
{
    bool seedGiven = false;
    quint32 seed = quint32(qEnvironmentVariableIntValue("QUARNEL_MONKEY_SEED", &seedGiven));
    if (!seedGiven)
        seed = defaultSeed;
    random_.seed(seed);
    bool secondsGiven = false;
    const int seconds = qEnvironmentVariableIntValue("QUARNEL_MONKEY_SECONDS", &secondsGiven);
    const qint64 stormMs = qint64(secondsGiven ? std::clamp(seconds, 1, stormSeconds) : stormSeconds) * 1000;
    const QString seedText = QString("seed %1").arg(seed);
    qInfo("monkey %s, at most %d events in %lld s", qPrintable(seedText), eventLimit, stormMs / 1000);

    QElapsedTimer clock;
    clock.start();
    launch();
    QVERIFY2(faults_.isEmpty(), qPrintable(faults_.join('\n')));
    while (events_ < eventLimit && clock.elapsed() < stormMs && faults_.isEmpty()) {
        step();
        program_->poll(int(random_.bounded(longestPauseMs + 1)));
    }

    // Finally Exit: once the queued runs are over, at the laid-out size.
    if (faults_.isEmpty()) {
        program_->poll(0);
        if (!program_->isAlive()) {
            retire();
            launch();
        }
        QElapsedTimer drain;
        drain.start();
        const bool quiet = program_->waitFor(
            [&] {
                const auto &runs = program_->runs();
                const qint64 lastEvent = runs.empty() ? 0 : std::max(runs.back().startMs, runs.back().endMs);
                return !program_->isAlive()
                    || (!program_->inRun() && program_->sinceLaunchMs() - lastEvent > quietMs
                        && drain.elapsed() > quietMs);
            },
            drainLimitMs);
        if (!quiet)
            fault(QString("the queued runs did not end within %1 s: %2")
                      .arg(drainLimitMs / 1000)
                      .arg(program_->log().right(2000)));
        if (program_->isAlive()) {
            const QSize full = map_->windowSize();
            session_->xdotool({"windowsize", QString::number(program_->windowId()),
                               QString::number(full.width()), QString::number(full.height())});
            QTest::qWait(500);
            clickAt(map_->centre("cmdKonec"));
            if (!program_->waitForExit(30000))
                fault("Exit did not end the program within 30 s");
        }
        retire();
    }

    QStringList summary;
    for (const auto &[kind, count] : sent_)
        summary << QString("%1 %2").arg(count).arg(kind);
    qInfo("monkey: %d events in %.1f s, %d launches, %d runs (%d stopped): %s", events_,
          clock.elapsed() / 1000.0, launches_, runsStarted_, runsStopped_, qPrintable(summary.join(", ")));
    QVERIFY2(faults_.isEmpty(), qPrintable(seedText + ":\n" + faults_.join('\n')));
    QVERIFY(runsStarted_ > 0);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
