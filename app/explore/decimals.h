// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Numbers as the Explore window writes them, in the user's language and digits,
// written so that a screen reader reads each one whole and signed: no group
// separators (a synthesiser reads "7 997,6" as two numbers), a real minus sign
// (U+2212; a hyphen after "=" or a word is read as a dash and dropped), and none
// of the direction marks some languages put before the sign.
namespace decimals {
// With so many decimals, never "-0".
QString fixed(double value, int decimals);
// The same with its sign, "+0.12" or "−0.12".
QString withSign(double value, int decimals);
// With the fewest digits that read back as the same number.
QString shortest(double value);
// A text of the window as a screen reader is given it: its units as words
// ("px" as "pixels"), in the user's language.
QString spoken(QString text);
} // namespace decimals
