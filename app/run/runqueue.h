// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <deque>
#include <functional>

class RunDriver;
enum class RunEnd;

// Whether a run goes on, and what waits for its end.
//
// A run keeps the settings it started with, while the event loop goes on as
// usual. What may arrive during a run, and what becomes of it:
// - A command that would change a setting or start or end a run (an option
//   selected by a click, a key, code or an accessibility action; the scroll bar
//   set by any path; Start; Exit) is handed to submit() by its handler. It waits
//   here, and the handler puts back at once what the user sees to the run's
//   settings. When the run ends the commands are carried out in the order they
//   came; a Start starts the next run, and the commands after it wait for the
//   end of that run. Of scroll-bar values that follow each other, only the last
//   waits.
// - Escape (stopRun()) ends the run at once and drops every Start that waits;
//   the other commands are then carried out.
// - The window system's close request (close()) ends the run at once; nothing
//   that waits is carried out, and no run starts any more.
// - Everything else (focus, copying and saving the picture, the help, the
//   menus, zoom, full screen, dialogs) acts at once and leaves the run alone.
//
// Threading: the user-interface thread only.
class RunQueue : public QObject {
    Q_OBJECT
public:
    enum class State {
        Idle,    // commands are carried out at once
        Running, // commands wait for the run's end
        Closed,  // commands are dropped: the window is closing
    };
    enum class Kind { Start, Exit, Option, SlowDown };

    RunQueue(RunDriver &driver, QObject *parent = nullptr);
    State state() const { return state_; }
    // Carries the command out now, or after the run, or never once closed.
    void submit(Kind kind, std::function<void()> command);
    void stopRun();
    void close();

signals:
    // A run has ended, before what waited for it is carried out.
    void runEnded(RunEnd how);

private:
    struct Waiting {
        Kind kind;
        std::function<void()> command;
    };
    void carryOut();

    RunDriver &driver_;
    State state_ = State::Idle;
    std::deque<Waiting> waiting_;
};
