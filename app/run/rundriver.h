// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "pacer.h"
#include "photonrandom.h"
#include "run.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>

class ScenePicture;
class Settings;
class RunObserver;

// How a run ended: after its last step, stopped early (Escape, the window
// closing), or at a setting it refused.
enum class RunEnd { Finished, Stopped, Refused };

// Carries out one run at a time on the event loop: the run's steps on a timer,
// the picture shown as it grows. What waits for a run's end is RunSession's.
//
// Timing: the scene and the first point are drawn at once; each later point is
// plotted when the countdown after the one before it has run out, s steps
// lasting s × countdownStep. The moments are absolute, counted from the run's
// start, so a late tick plots every point whose moment has passed and the run
// keeps its nominal length. The picture is shown at most once per frame of the
// screen (ScenePicture::present()).
//
// Threading: the user-interface thread only.
class RunDriver : public QObject {
    Q_OBJECT
public:
    enum class State {
        Idle,    // no run; one may start
        Running, // a run goes on
        Closed,  // the window is closing: no run starts any more
    };

    explicit RunDriver(ScenePicture &picture, QObject *parent = nullptr);
    ~RunDriver() override;

    State state() const { return state_; }
    bool isRunning() const { return state_ == State::Running; }
    // Starts a run that reads `settings` and reports to `observer`; both must
    // outlive it. With steps of no length it has ended when this returns.
    void start(const Settings &settings, RunObserver &observer);
    // Ends the run at once, if one goes on.
    void stopRun();
    // Ends the run, and no run starts any more.
    void close();
    // How long one countdown step lasts: countdownStep, or zero to run straight through.
    void setStepDuration(std::chrono::nanoseconds step) { step_ = step; }

    // A run whose countdowns add up to this long at countdownStep is slow: it
    // reports its quarters. (Slow-down 1 takes 1.2 s, 20 takes 24 s.)
    static constexpr std::chrono::seconds slowRun{8};

signals:
    void started();
    // A point has been plotted: `count` of the run's points are in the picture.
    void pointPlotted(int count);
    // A slow run (slowRun or longer at the countdown's own pace, whatever
    // setStepDuration says) has plotted 1, 2 or 3 quarters of its points.
    void progressed(int quarters);
    // The run has ended.
    void finished(RunEnd how);
    // Just before finished(RunEnd::Refused): the setting text that stopped the run, in words.
    void refused(const QString &why);

private:
    using Clock = std::chrono::steady_clock;
    void advance();
    // After a point: the quarters of a slow run, each once.
    void reportProgress(long long steps);
    // Carries out a step of the run; a setting it refuses ends the run. Whether it went through.
    template <typename Step>
    bool attempt(Step step);
    void end(RunEnd how);

    ScenePicture &picture_;
    State state_ = State::Idle;
    PhotonRandom random_; // the one generator of the program's lifetime
    std::optional<Run> run_;
    int number_ = 0;        // of the current or last run, from 1
    int quarters_ = 0;      // of the run's points plotted, as last reported
    Clock::time_point due_; // when the next step is due
    std::chrono::nanoseconds step_ = countdownStep;
    QTimer timer_;
};
