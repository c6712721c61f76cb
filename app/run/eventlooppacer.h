// SPDX-License-Identifier: MIT
#pragma once

#include "pacer.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>

class ScenePicture;

// Waits out a countdown while the window keeps painting: the picture is
// presented, then a local event loop runs until a precise timer fires; the
// last fraction of a millisecond is slept. Lateness of one wake-up is taken off
// the next wait, so a run's waits add up to the nominal total instead of
// drifting. The window's RunGate keeps user input from acting meanwhile. One
// pacer per run.
class EventLoopPacer : public Pacer {
public:
    explicit EventLoopPacer(ScenePicture &picture);
    void countDown(long long steps) override;

private:
    using Clock = std::chrono::steady_clock;

    ScenePicture &picture_;
    QEventLoop loop_;
    QTimer timer_;
    Clock::duration lateness_{0};
};
