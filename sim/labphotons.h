// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "labexperiment.h"

#include <cstdint>
#include <random>

// Single photons arriving on the laboratory's screen: each lands at a random
// height on the shown stretch, with the two-slit intensity as its probability
// density. The same seed gives the same photons on every machine.
class LabPhotons {
public:
    LabPhotons(const LabExperiment &experiment, std::uint64_t seed);

    // The next photon's height above the axis, metres, within ±LabExperiment::halfScreen.
    double next();
    // A number in [0, 1) from the same sequence, for whatever else a photon needs (where a dot is drawn).
    double uniform();

private:
    LabExperiment experiment_;
    std::mt19937_64 generator_;
};
