// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

// One step of the slow-down countdown lasts this long, so a run at slow-down 1
// waits 399 × 30000 × 100 ns ≈ 1.2 s in all.
constexpr std::chrono::nanoseconds countdownStep{100};

// Waits out a countdown of the given number of steps for PerformRun. The window
// does not use one: it waits out each countdown on its event loop.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void countDown(long long steps) = 0;
};

// A pacer that waits for nothing: a run goes straight through, as fast as it can draw.
class NoWaitPacer : public Pacer {
public:
    void countDown(long long) override {}
};
