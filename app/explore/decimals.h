// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Numbers as the Explore window writes them, in the user's language.
namespace decimals {
// With so many decimals, never "-0".
QString fixed(double value, int decimals);
// The same with its sign, "+0.12" or "-0.12".
QString withSign(double value, int decimals);
} // namespace decimals
