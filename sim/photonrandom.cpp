// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "photonrandom.h"

float PhotonRandom::next()
{
    // The top 24 bits over 2^24: every value is exact in a float and the largest is 1 − 2^-24.
    const std::uint32_t bits = generator_() >> 8;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}
