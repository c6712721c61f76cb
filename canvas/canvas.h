// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"

#include <optional>

// The drawing surface a run paints on. Coordinates are pixels of the window's
// client area (origin top left, y down) handed over in single precision.
// Lines and outlines drawn without a colour take the foreground colour.
// The drawing state (width, fill style, fill colour, unit) persists from one
// operation to the next and from one run to the next.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void line(float x1, float y1, float x2, float y2,
                      std::optional<Colour> colour = std::nullopt) = 0;
    // Outline as wide as the draw width; filled with the fill colour while the fill style is solid.
    virtual void circle(float x, float y, float radius, std::optional<Colour> colour = std::nullopt) = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual void setFillStyleSolid() = 0;
    virtual void setFillColour(Colour colour) = 0;
    virtual void setUnitPixels() = 0;
};
