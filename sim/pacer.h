// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

// One step of the slow-down countdown lasts this long, so a run at slow-down 1
// waits 399 × 30000 × 100 ns ≈ 1.2 s in all.
constexpr std::chrono::nanoseconds countdownStep{100};

// Waits out a countdown of the given number of steps, each countdownStep long.
// The window's pacer keeps the picture repainting meanwhile; a benchmark's does not wait.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void countDown(long long steps) = 0;
    // Asked after each point's countdown: true ends the run there, before the next point.
    virtual bool stopRequested() const { return false; }
};

// A pacer that waits for nothing: a run goes straight through, as fast as it
// can draw. For rendering the picture without a display (the screenshot tool,
// tests, benchmarks); the program itself always waits out the slow-down.
class NoWaitPacer : public Pacer {
public:
    void countDown(long long) override {}
};
