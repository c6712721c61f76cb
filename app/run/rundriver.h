// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "pacer.h"
#include "photonrandom.h"
#include "run.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>
#include <optional>

class ScenePicture;
class Settings;

// How a run ended: after its last step, stopped early (Escape, the window
// closing), or at a setting it refused.
enum class RunEnd { Finished, Stopped, Refused };

// Carries out the runs, one at a time, on the event loop, and keeps what waits
// for a run's end.
//
// A run keeps the settings it started with, while the event loop goes on as
// usual. What may arrive during a run, and what becomes of it:
// - A command that would change a setting or start or end a run (an option
//   selected by a click, a key, code or an accessibility action; the scroll bar
//   set by any path; Start; Exit) is handed to submit() by its handler. It waits,
//   and the handler puts back at once what the user sees to the run's settings.
//   When the run ends the commands are carried out in the order they came; a
//   Start starts the next run, and the commands after it wait for that run's
//   end. Of scroll-bar values that follow each other only the last waits.
// - Escape (stopRun()) ends the run at once and drops every Start that waits;
//   the other commands are then carried out.
// - The window system's close request (close()) ends the run at once; nothing
//   that waits is carried out, and no run starts any more.
// - Everything else (focus, copying and saving the picture, the help, the
//   menus, zoom, full screen, dialogs) acts at once and leaves the run alone.
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
        Idle,    // commands are carried out at once
        Running, // commands wait for the run's end
        Closed,  // commands are dropped: the window is closing
    };
    enum class Kind { Start, Exit, Option, SlowDown };

    RunDriver(ScenePicture &picture, const Settings &settings, QObject *parent = nullptr);
    ~RunDriver() override;

    State state() const { return state_; }
    bool isRunning() const { return state_ == State::Running; }
    // Carries the command out now, or after the run, or never once closed.
    void submit(Kind kind, std::function<void()> command);
    // Starts a run with the settings as they are now: Start's command. With steps
    // of no length it has ended when this returns.
    void start();
    void stopRun();
    void close();
    // How long one countdown step lasts: countdownStep, or zero to run straight through.
    void setStepDuration(std::chrono::nanoseconds step) { step_ = step; }

signals:
    void started();
    // A point has been plotted: `count` of the run's points are in the picture.
    void pointPlotted(int count);
    // The run has ended, before what waited for it is carried out.
    void finished(RunEnd how);
    // Just before finished(RunEnd::Refused): the setting text that stopped the run, in words.
    void refused(const QString &why);

private:
    using Clock = std::chrono::steady_clock;
    void advance();
    // Carries out a step of the run; a setting it refuses ends the run. Whether it went through.
    template <typename Step>
    bool attempt(Step step);
    void end(RunEnd how);

    ScenePicture &picture_;
    const Settings &settings_;
    State state_ = State::Idle;
    struct Waiting {
        Kind kind;
        std::function<void()> command;
    };
    std::deque<Waiting> waiting_;
    PhotonRandom random_; // the one generator of the program's lifetime
    std::optional<Run> run_;
    int number_ = 0;        // of the current or last run, from 1
    Clock::time_point due_; // when the next step is due
    std::chrono::nanoseconds step_ = countdownStep;
    QTimer timer_;
};
