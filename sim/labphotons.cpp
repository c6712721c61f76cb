// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "labphotons.h"

LabPhotons::LabPhotons(const LabExperiment &experiment, std::uint64_t seed)
    : experiment_(experiment), generator_(seed)
{
}

double LabPhotons::uniform()
{
    // The top 53 bits over 2^53, rather than a standard distribution whose
    // algorithm each library chooses: the same numbers everywhere.
    return double(generator_() >> 11) * 0x1p-53;
}

double LabPhotons::next()
{
    // Rejection: a height drawn evenly over the stretch is kept with the
    // probability of its intensity (at most 1), so the kept ones follow it.
    for (;;) {
        const double y = (2 * uniform() - 1) * LabExperiment::halfScreen;
        if (uniform() < experiment_.intensity(y))
            return y;
    }
}
