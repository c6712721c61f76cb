#include "appearance.h"
#include "controlmap.h"
#include "tracedquarnel.h"
#include "xsession.h"

#include <QApplication>
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
constexpr int stormSeconds = 100;  // at most 120: QUARNEL_MONKEY_SECONDS can shorten it
// Start presses not yet turned into runs; more would queue minutes of runs.
constexpr int startBacklogLimit = 2;
// A run slower than this makes the next scroll-bar action drag the thumb back
// to the left end, so queued runs stay short.
constexpr int slowDownCeiling = 6;
// A pause of up to this long after each event spreads the storm over about a minute and a half.
constexpr int longestPauseMs = 40;
// Every so many events the window must still show, unless its program ends within the wait.
constexpr int windowCheckInterval = 25;
constexpr int exitAfterWindowMs = 10000;
// After the storm: how long the last queued runs may take, and the quiet that ends the wait.
constexpr int drainLimitMs = 240000;
constexpr int quietMs = 3000;

// A run at slow-down s waits 399 × s × 3 ms; a sanitizer build draws slower than that.
qint64 runLimitMs(int slowDown) { return qint64(399) * 3 * slowDown * 4 + 30000; }

enum class Action { ClickAnywhere, ClickControl, Key, DragScrollBar, PressStart, Resize, Exit };

struct Weighted {
    Action action;
    int weight; // per mille
};
constexpr Weighted actions[] = {
    {Action::ClickAnywhere, 180}, {Action::ClickControl, 220}, {Action::Key, 320},
    {Action::DragScrollBar, 70},  {Action::PressStart, 150},   {Action::Resize, 57},
    {Action::Exit, 3},
};

struct WeightedKey {
    const char *keysym;
    int weight;
};
constexpr WeightedKey keys[] = {
    {"Tab", 8}, {"Left", 4}, {"Right", 4}, {"Up", 4}, {"Down", 4},
    {"space", 3}, {"Return", 2}, {"Escape", 2},
};
} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomInputNeverCrashesHangsOrLeaks();

private:
    void launch();
    // Checks a program that has ended: status 0, runs balanced, no sanitizer report.
    void retire();
    void step();
    void fault(const QString &what);
    void clickAt(QPoint at);
    QPoint randomPointIn(QRect area);
    bool startAllowed() const;
    void dragThumb(int from, int to);

    std::unique_ptr<XSession> session_;
    std::unique_ptr<ControlMap> map_;
    std::unique_ptr<TracedQuarnel> program_;
    QRandomGenerator random_;
    QSize size_;
    int believedSlowDown_ = 1;
    int lastRunSeen_ = 0;
    bool slowDownCorrected_ = true;
    int startPresses_ = 0; // this launch

    void note(const QString &event);
    std::map<QString, int> sent_;
    QStringList recent_; // the last events sent, for a failure's report
    int events_ = 0;
    int launches_ = 0;
    int exits_ = 0;
    int runsStarted_ = 0;
    int runsEnded_ = 0;
    int startsDuringRuns_ = 0;
    int slowestRun_ = 1;
    QStringList faults_;
};

void TestMonkey::initTestCase()
{
    setUpAppearance(*qobject_cast<QApplication *>(QCoreApplication::instance()));
    map_ = std::make_unique<ControlMap>();
    session_ = std::make_unique<XSession>();
    if (!session_->isReady())
        QSKIP(qPrintable("no X session: " + session_->why()));
}

void TestMonkey::note(const QString &event)
{
    constexpr int kept = 40;
    recent_ << QString("%1 ms: %2").arg(program_ ? program_->sinceLaunchMs() : 0).arg(event);
    if (recent_.size() > kept)
        recent_.removeFirst();
}

void TestMonkey::fault(const QString &what)
{
    faults_ << what + "\nthe last events sent:\n  " + recent_.join("\n  ");
    qWarning("%s", qPrintable(what));
}

void TestMonkey::launch()
{
    program_ = std::make_unique<TracedQuarnel>(*session_, QStringLiteral(QUARNEL_BINARY));
    ++launches_;
    note(QString("launch %1").arg(launches_));
    if (!program_->waitForWindow()) {
        fault("launch " + QString::number(launches_) + ": the window never showed\n" + program_->log());
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
    TracedQuarnel &p = *program_;
    p.waitForExit(30000);
    ++exits_;
    runsStarted_ += p.runsStarted();
    runsEnded_ += p.runsEnded();
    const QString which = "launch " + QString::number(launches_) + ": ";
    if (!p.exitedCleanly())
        fault(which + p.exitDescription() + "\n" + p.log().right(6000) + p.stacksAtKill());
    if (!p.sanitizerReports().isEmpty())
        fault(which + "sanitizer report\n" + p.log().right(12000));
    if (!p.orderFaults().isEmpty())
        fault(which + "runs out of order: " + p.orderFaults().join("; "));
    if (p.runsEnded() != p.runsStarted())
        fault(which + QString("%1 runs started, %2 ended").arg(p.runsStarted()).arg(p.runsEnded()));
}

// A press and a release with no pause between them (xdotool's click waits 100 ms).
void TestMonkey::clickAt(QPoint at)
{
    note(QString("click at %1, %2").arg(at.x()).arg(at.y()));
    session_->xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "mousedown",
                       "1", "mouseup", "1"});
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
    note(QString("drag from %1, %2 to %3, %4").arg(start.x()).arg(start.y()).arg(end.x()).arg(end.y()));
    session_->xdotool({"mousemove", QString::number(start.x()), QString::number(start.y()),
                       "mousedown", "1", "mousemove", QString::number(middle.x()),
                       QString::number(middle.y() + int(random_.bounded(7)) - 3), "mousemove",
                       QString::number(end.x()), QString::number(end.y()), "mouseup", "1"});
    believedSlowDown_ = to;
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
        slowestRun_ = std::max(slowestRun_, believedSlowDown_);
        slowDownCorrected_ = believedSlowDown_ <= slowDownCeiling;
    }
    // A program that goes on after its window has gone can no longer be ended by its user.
    if (events_ % windowCheckInterval == 0 && !program_->windowShows()
        && !program_->waitFor([&] { return !program_->isAlive(); }, exitAfterWindowMs)) {
        fault(QString("launch %1: the window is gone but the program still runs\n").arg(launches_)
              + program_->log().right(6000));
        return;
    }
    if (program_->inRun()) {
        const TracedQuarnel::Run &run = runs.back();
        const qint64 took = program_->sinceLaunchMs() - run.startMs;
        if (took > runLimitMs(std::max(1, run.slowDown.toInt()))) {
            fault(QString("launch %1: run %2 (%3) has not ended after %4 ms")
                      .arg(launches_).arg(run.number).arg(run.settings).arg(took));
            return;
        }
    }

    const QRect exitButton = map_->rect("cmdKonec");
    const QRect startButton = map_->rect("cmdStart");
    Action action = Action::ClickAnywhere;
    if (!slowDownCorrected_) {
        action = Action::DragScrollBar;
    } else {
        int pick = int(random_.bounded(1000));
        for (const Weighted &w : actions) {
            if (pick < w.weight) {
                action = w.action;
                break;
            }
            pick -= w.weight;
        }
    }
    if (action == Action::PressStart && !startAllowed())
        action = Action::Key;
    // Exit is meant to end the program, so it is pressed only where the window shows it.
    if (action == Action::Exit && !QRect(QPoint(0, 0), size_).contains(exitButton))
        action = Action::Key;
    ++events_;

    switch (action) {
    case Action::ClickAnywhere: {
        QPoint at;
        do {
            at = randomPointIn(QRect(QPoint(0, 0), size_));
        } while (exitButton.contains(at) || (startButton.contains(at) && !startAllowed()));
        if (startButton.contains(at))
            ++startPresses_;
        ++sent_["click anywhere"];
        clickAt(at);
        break;
    }
    case Action::ClickControl: {
        QStringList controls = map_->controls();
        controls.removeAll("cmdKonec");
        if (!startAllowed())
            controls.removeAll("cmdStart");
        const QString control = controls.at(int(random_.bounded(qsizetype(controls.size()))));
        if (control == "cmdStart")
            ++startPresses_;
        ++sent_["click on " + control];
        clickAt(randomPointIn(map_->rect(control)));
        break;
    }
    case Action::Key: {
        int total = 0;
        for (const WeightedKey &k : keys)
            total += k.weight;
        int pick = int(random_.bounded(total));
        const char *keysym = keys[0].keysym;
        for (const WeightedKey &k : keys) {
            if (pick < k.weight) {
                keysym = k.keysym;
                break;
            }
            pick -= k.weight;
        }
        ++sent_[QString("key ") + keysym];
        note(QString("key ") + keysym);
        session_->xdotool({"key", "--delay", "0", QString::fromLatin1(keysym)});
        break;
    }
    case Action::DragScrollBar: {
        int to = map_->scrollBarMinimum();
        if (slowDownCorrected_) {
            // Mostly short runs, now and then the whole range.
            const int top = random_.bounded(5) == 0 ? map_->scrollBarMaximum() : 2;
            to = map_->scrollBarMinimum() + int(random_.bounded(top));
        }
        ++sent_[slowDownCorrected_ ? "scroll-bar drag" : "scroll-bar drag back to 1"];
        dragThumb(believedSlowDown_, to);
        slowDownCorrected_ = true;
        break;
    }
    case Action::PressStart:
        ++startPresses_;
        if (program_->inRun())
            ++startsDuringRuns_;
        ++sent_[program_->inRun() ? "Start during a run" : "Start between runs"];
        clickAt(randomPointIn(startButton));
        break;
    case Action::Resize: {
        size_ = QSize(120 + int(random_.bounded(900)), 90 + int(random_.bounded(670)));
        ++sent_["resize"];
        note(QString("resize to %1 × %2").arg(size_.width()).arg(size_.height()));
        session_->xdotool({"windowsize", QString::number(program_->windowId()),
                           QString::number(size_.width()), QString::number(size_.height())});
        break;
    }
    case Action::Exit:
        ++sent_["Exit"];
        clickAt(randomPointIn(exitButton));
        break;
    }
}

// Thousands of random clicks, keys, drags, resizes and Start presses, during
// runs and between them, then Exit: the program must never crash, hang, leave
// a run unfinished, trip a sanitizer or end with a status other than 0.
void TestMonkey::randomInputNeverCrashesHangsOrLeaks()
{
    bool seedGiven = false;
    const quint32 seed = quint32(qEnvironmentVariableIntValue("QUARNEL_MONKEY_SEED", &seedGiven));
    random_.seed(seedGiven ? seed : defaultSeed);
    bool secondsGiven = false;
    const int seconds = std::clamp(qEnvironmentVariableIntValue("QUARNEL_MONKEY_SECONDS", &secondsGiven),
                                   1, stormSeconds);
    const qint64 stormMs = qint64(secondsGiven ? seconds : stormSeconds) * 1000;
    qInfo("monkey seed %u (replay with QUARNEL_MONKEY_SEED=%u), at most %d events in %lld s",
          seedGiven ? seed : defaultSeed, seedGiven ? seed : defaultSeed, eventLimit, stormMs / 1000);

    QElapsedTimer clock;
    clock.start();
    launch();
    QVERIFY2(faults_.isEmpty(), qPrintable(faults_.join('\n')));
    while (events_ < eventLimit && clock.elapsed() < stormMs && faults_.isEmpty()) {
        step();
        program_->poll(int(random_.bounded(longestPauseMs + 1)));
    }
    const qint64 stormTook = clock.elapsed();

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
                      .arg(drainLimitMs / 1000).arg(program_->log().right(2000)));
        if (program_->isAlive()) {
            const QSize full = map_->windowSize();
            session_->xdotool({"windowsize", QString::number(program_->windowId()),
                               QString::number(full.width()), QString::number(full.height())});
            QTest::qWait(500);
            ++sent_["Exit"];
            ++events_;
            clickAt(map_->centre("cmdKonec"));
            if (!program_->waitForExit(30000))
                fault("Exit did not end the program within 30 s");
        }
        retire();
    }

    qInfo("monkey: %d events in %.1f s (storm) and %.1f s in all, %d launches, %d runs started, "
          "%d ended, %d Start presses during runs, slowest run at slow-down %d",
          events_, stormTook / 1000.0, clock.elapsed() / 1000.0, launches_, runsStarted_, runsEnded_,
          startsDuringRuns_, slowestRun_);
    for (const auto &[kind, count] : sent_)
        qInfo("  %5d  %s", count, qPrintable(kind));
    QVERIFY2(faults_.isEmpty(), qPrintable(QString("seed %1:\n").arg(seedGiven ? seed : defaultSeed)
                                           + faults_.join('\n')));
    QVERIFY(runsStarted_ > 0);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
