// SPDX-License-Identifier: MIT
#pragma once

class Settings;

// Reports the start and the end of one run on stderr, but only while the
// environment variable QUARNEL_TRACE is set (to anything but "0"), so that a
// test driving the real window can tell that every run it started also ended.
// Made at the top of a run and destroyed when the run has returned:
//   quarnel: run 3 start, distance 200, spacing 15, frequency 2, mode 0, slow-down 1
//   quarnel: run 3 end
// or, for a run that was stopped before its last point,
//   quarnel: run 3 stopped
// Runs are numbered from 1 within one launch.
class RunTrace {
public:
    explicit RunTrace(const Settings &settings);
    ~RunTrace();
    RunTrace(const RunTrace &) = delete;
    RunTrace &operator=(const RunTrace &) = delete;

    static bool enabled();
    void setStopped() { stopped_ = true; }

private:
    int number_ = 0;
    bool stopped_ = false;
};
