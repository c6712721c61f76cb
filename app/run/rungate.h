// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <deque>
#include <functional>

class QWidget;

// What reaches the program while a run is on the stack. A run keeps the
// settings it started with: input that would change them waits and takes
// effect, in the order it came, once the run has ended. Only Escape gets
// through, and it stops the run.
//
// While the gate is shut (between shut() and open()) an application-wide event
// filter takes every input event from the window system (keys, mouse, wheel,
// touch, shortcuts) off its way and keeps it; Escape instead asks the run to
// stop. What arrives by other paths (accessibility actions, code) is handed to
// holdBack() by the window. open() lets it all through again and schedules the
// kept input to be replayed in order from the main event loop; a replayed press
// of Start may start another run, which shuts the gate again, and whatever was
// kept behind that press waits for that run in turn.
//
// Threading: the user-interface thread only.
class RunGate : public QObject {
    Q_OBJECT
public:
    explicit RunGate(QWidget &window);
    ~RunGate() override;

    // A run starts: input is kept from now on; held scroll-bar arrows stop
    // repeating, and the pointer over the window says that input waits.
    void shut();
    // The run has ended. `stopped`: it was stopped, and Start presses kept
    // during it are dropped when they are replayed.
    void open(bool stopped);
    bool isShut() const { return shut_; }

    // Keeps an action that reached the window during the run, to be done after it.
    void holdBack(std::function<void()> action);
    // True while replaying what was kept during a run that was stopped.
    bool replayingStoppedRun() const { return replayingStopped_; }

    // Escape was pressed, or the window asked for it: the run should stop.
    void requestStop() { stopRequested_ = true; }
    bool stopRequested() const { return stopRequested_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Held {
        std::function<void()> action;
        bool fromStoppedRun = false;
    };
    void replay();

    QWidget &window_;
    bool shut_ = false;
    bool stopRequested_ = false;
    bool replayingStopped_ = false;
    bool replayScheduled_ = false;
    std::size_t heldThisRun_ = 0; // the last items of held_ kept during the current run
    std::deque<Held> held_;
};
