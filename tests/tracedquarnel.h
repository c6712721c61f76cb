// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <memory>
#include <vector>

#include "controlmap.h"
#include "xsession.h"

// A run at slow-down s waits 399 × s × 3 ms; how long one may take, drawing
// included, in a sanitizer build that draws several times slower than it waits.
inline qint64 nominalRunMs(int slowDown) { return qint64(399) * 3 * slowDown; }
inline int runTimeoutMs(int slowDown) { return int(nominalRunMs(slowDown) * 4 + 20000); }

// The real program on an XSession's display with QUARNEL_TRACE set, its stderr
// read line by line: which runs started and ended (and when, on this side's
// clock), which sanitizer reports it printed, and how it ended. Killed if it
// is still running when this object goes.
class TracedQuarnel {
public:
    struct Run {
        int number = 0;
        QString settings;    // "distance 200, spacing 15, …" as the run started with them
        QString slowDown;    // the slow-down's text alone
        qint64 startMs = -1; // when this side read the line, ms since launch
        qint64 endMs = -1;
        bool stopped = false; // ended before its last point
    };

    // `environment` adds to or overrides the session's environment.
    TracedQuarnel(XSession &session, const QString &binary, const QProcessEnvironment &environment = {});
    ~TracedQuarnel();
    TracedQuarnel(const TracedQuarnel &) = delete;
    TracedQuarnel &operator=(const TracedQuarnel &) = delete;

    // Waits for the window to be mapped; its X window id, 0 if it never came.
    unsigned long waitForWindow(int timeoutMs = 20000);
    unsigned long windowId() const { return window_; }
    // Whether the window found by waitForWindow is mapped at this moment.
    bool windowShows();
    QRect geometry() const { return geometry_; }

    // Reads what the program wrote meanwhile, waiting at most this long for it.
    void poll(int waitMs = 0);
    // Polls until the condition holds or the time is up; whether it holds.
    template <typename Condition>
    bool waitFor(Condition condition, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            poll(0);
            if (condition())
                return true;
            if (clock.elapsed() >= timeoutMs)
                return false;
            poll(20);
        }
    }
    bool waitForRunsStarted(int count, int timeoutMs);
    bool waitForRunsEnded(int count, int timeoutMs);
    // Waits for the program to end by itself; false (and kills it) when it does not,
    // after taking the stacks of all its threads for stacksAtKill().
    bool waitForExit(int timeoutMs);
    // Where each thread of a program that had to be killed stood: gdb's
    // backtraces, or why there are none (gdb missing).
    const QString &stacksAtKill() const { return stacksAtKill_; }

    bool isAlive() const { return process_.state() != QProcess::NotRunning; }
    qint64 processId() const { return process_.processId(); }
    int runsStarted() const { return int(runs_.size()); }
    int runsEnded() const { return ended_; }
    bool inRun() const { return runsStarted() > ended_; }
    const std::vector<Run> &runs() const { return runs_; }
    qint64 sinceLaunchMs() const { return clock_.elapsed(); }

    // Trace lines out of order: a start before the previous end, an end without its start.
    const QStringList &orderFaults() const { return orderFaults_; }
    // Lines of AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer reports.
    const QStringList &sanitizerReports() const { return sanitizerReports_; }
    // Whether it ended by itself with status 0.
    bool exitedCleanly() const;
    // What was wrong with how it ended, empty when nothing: not by itself with
    // status 0, a sanitizer report, trace lines out of order, a run unfinished.
    QString endFaults() const;
    QString exitDescription() const;
    // Everything it wrote on stderr so far, for failure messages.
    QString log() const { return QString::fromLocal8Bit(log_); }

private:
    void readLine(const QByteArray &line);

    XSession &session_;
    QProcess process_;
    QElapsedTimer clock_;
    QByteArray pending_;
    QByteArray log_;
    std::vector<Run> runs_;
    int ended_ = 0;
    QStringList orderFaults_;
    QStringList sanitizerReports_;
    unsigned long window_ = 0;
    QRect geometry_;
    bool killed_ = false;
    QString stacksAtKill_;
};

// What every end-to-end test sets up: a private X session, where the window's
// controls lie, and the real program launched there and driven by its
// controls' names. Needs the test's QApplication.
class WindowDriver {
public:
    // A screen of this colour depth and size; isReady() as the session's.
    explicit WindowDriver(int depth = 24, QSize screen = QSize(1024, 768)) : session(depth, screen) {}

    XSession session;
    ControlMap map;

    bool isReady() const { return session.isReady(); }
    // The program, launched and its window waited for (windowId() 0 if it never came).
    std::unique_ptr<TracedQuarnel> launch(const QProcessEnvironment &environment = {});
    // A real click on the middle of a control of the program's window.
    void click(const TracedQuarnel &program, const QString &control);
    // Clicks the scroll bar's add arrow until a run would start with this slow-down.
    void setSlowDown(TracedQuarnel &program, int slowDown);
    // Clicks Exit and waits for the program to end: what was wrong with its end, empty when nothing.
    QString exit(TracedQuarnel &program, int timeoutMs = 20000);
};
