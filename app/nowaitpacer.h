#pragma once

#include "pacer.h"

// A pacer that waits for nothing: a run goes straight through, as fast as it
// can draw. For rendering the window's picture without a display (the
// screenshot tool, tests); the program itself always waits out the slow-down.
class NoWaitPacer : public Pacer {
public:
    void countDown(long long steps) override;
};
