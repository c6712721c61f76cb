#pragma once

#include "canvas.h"

#include <vector>

// A canvas that draws nothing and keeps every operation, with the drawing
// state it was made in, so tests can check a run's exact sequence.
struct CanvasOp {
    enum Kind { Line, Circle, Width, FillSolid, FillColour, UnitPixels } kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a circle: centre (x1, y1), radius x2
    std::optional<Colour> colour;         // Line, Circle: the colour given; FillColour: the colour set
    int width = 0;                        // the draw width in force (Width: the width set)
    Colour fill = colours::black;         // the fill colour in force
};

class RecordingCanvas : public Canvas {
public:
    std::vector<CanvasOp> ops;
    int width = 1;
    Colour fill = colours::black;

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override
    {
        ops.push_back({CanvasOp::Line, x1, y1, x2, y2, colour, width, fill});
    }
    void circle(float x, float y, float r, std::optional<Colour> colour) override
    {
        ops.push_back({CanvasOp::Circle, x, y, r, 0, colour, width, fill});
    }
    void setDrawWidth(int pixels) override
    {
        width = pixels;
        ops.push_back({CanvasOp::Width, 0, 0, 0, 0, {}, pixels, fill});
    }
    void setFillStyleSolid() override { ops.push_back({CanvasOp::FillSolid, 0, 0, 0, 0, {}, width, fill}); }
    void setFillColour(Colour c) override
    {
        fill = c;
        ops.push_back({CanvasOp::FillColour, 0, 0, 0, 0, c, width, fill});
    }
    void setUnitPixels() override { ops.push_back({CanvasOp::UnitPixels, 0, 0, 0, 0, {}, width, fill}); }

    std::vector<CanvasOp> of(CanvasOp::Kind kind) const
    {
        std::vector<CanvasOp> found;
        for (const CanvasOp &op : ops)
            if (op.kind == kind)
                found.push_back(op);
        return found;
    }
};
