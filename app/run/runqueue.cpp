// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "run/runqueue.h"

#include "run/rundriver.h"

#include <algorithm>

RunQueue::RunQueue(RunDriver &driver, QObject *parent) : QObject(parent), driver_(driver)
{
    connect(&driver, &RunDriver::started, this, [this] {
        if (state_ == State::Idle)
            state_ = State::Running;
    });
    connect(&driver, &RunDriver::finished, this, [this](RunEnd how) {
        if (state_ != State::Running)
            return;
        state_ = State::Idle;
        emit runEnded(how);
        carryOut();
    });
}

void RunQueue::submit(Kind kind, std::function<void()> command)
{
    switch (state_) {
    case State::Idle:
        command();
        return;
    case State::Running:
        if (kind == Kind::SlowDown && !waiting_.empty() && waiting_.back().kind == Kind::SlowDown)
            waiting_.back().command = std::move(command);
        else
            waiting_.push_back({kind, std::move(command)});
        return;
    case State::Closed:
        return;
    }
}

void RunQueue::stopRun()
{
    std::erase_if(waiting_, [](const Waiting &w) { return w.kind == Kind::Start; });
    driver_.stop();
}

void RunQueue::close()
{
    state_ = State::Closed;
    waiting_.clear();
    driver_.stop();
}

void RunQueue::carryOut()
{
    // One at a time: a command may start a run, or close the window.
    while (state_ == State::Idle && !waiting_.empty()) {
        Waiting next = std::move(waiting_.front());
        waiting_.pop_front();
        next.command();
    }
}
