// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

// A canvas that draws nothing: for computing a run's numbers without its picture.
class NullCanvas : public Canvas {
public:
    void line(float, float, float, float, std::optional<Colour>) override {}
    void circle(float, float, float, std::optional<Colour>) override {}
    void setDrawWidth(int) override {}
    void setFillStyleSolid() override {}
    void setFillColour(Colour) override {}
    void setUnitPixels() override {}
};
