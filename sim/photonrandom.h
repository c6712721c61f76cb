// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

// The uniform generator of the photon dots: one per program, in the same state
// at every launch and never reseeded, so a launch followed by the same runs
// draws the same dots while a second run in one launch continues the sequence.
class PhotonRandom {
public:
    // The next value in [0, 1) in single precision; never 1.0.
    float next();

private:
    std::mt19937 generator_; // default-constructed: the fixed start state
};
