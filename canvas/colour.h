// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// A colour as one number: red + 256 × green + 65536 × blue.
using Colour = std::uint32_t;

constexpr Colour rgbColour(int red, int green, int blue)
{
    return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) + 65536u * static_cast<Colour>(blue);
}

namespace colours {
constexpr Colour black = rgbColour(0, 0, 0);
constexpr Colour silver = rgbColour(192, 192, 192); // the window's background: drawing in it erases
constexpr Colour white = rgbColour(255, 255, 255);
constexpr Colour blue = rgbColour(0, 0, 255);
constexpr Colour green = rgbColour(0, 255, 0);
constexpr Colour paleCyan = rgbColour(192, 255, 255); // the rays of a construction
} // namespace colours
