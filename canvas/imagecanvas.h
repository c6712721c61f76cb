// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <deque>
#include <functional>
#include <vector>

inline QColor toQColor(Colour c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// The canvas over a kept image. The image is made at a device pixel ratio and
// drawn in logical pixels, so a 1-pixel line at ratio 2 is 2 sharp device pixels.
// Operations are batched into one QPainter; flush() ends the batch and hands
// back the logical region that changed since the last flush.
//
// Every figure and painting is also kept, with the drawing state it was made in,
// so that the image can be made again at another ratio by drawing it all again:
// sharp at the new resolution, as if drawn there from the start. What is wholly
// covered later (by the clear at a run's start, by an opaque label) is forgotten.
class ImageCanvas : public Canvas {
public:
    // logicalDpi sets the image's resolution so text drawn into it matches the widgets'.
    ImageCanvas(QSize logicalSize, qreal devicePixelRatio, Colour background, int logicalDpi = 96);
    ImageCanvas(const ImageCanvas &) = delete;
    ImageCanvas &operator=(const ImageCanvas &) = delete;

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour = std::nullopt) override;
    void circle(float x, float y, float radius, std::optional<Colour> colour = std::nullopt) override;
    void setDrawWidth(int pixels) override;
    void setFillStyleSolid() override;
    void setFillColour(Colour colour) override;
    void setUnitPixels() override;

    // Drawing outside the run (a label): `painting` paints in logical pixels within
    // `area`, covering all of it, now and whenever the image is made again. It
    // must not depend on anything that may change later.
    using Painting = std::function<void(QPainter &)>;
    void paintOpaque(const QRect &area, Painting painting);

    // Where the record of what was drawn has come to.
    struct Mark {
        std::size_t figures = 0, paintings = 0;
    };
    Mark mark() const { return {figures_.size(), paintings_.size()}; }
    // What was drawn before `before` and has been covered since is forgotten: what
    // lies wholly within `area`, which everything since then has covered, and any
    // figure drawn again since exactly as it was.
    void forgetCovered(Mark before, const QRect &area);
    // How many figures and paintings are kept.
    std::size_t keptCount() const { return figures_.size() + paintings_.size(); }

    // Whether anything changed since the last flush.
    bool hasChanges() const { return !gathering_.isEmpty() || !dirty_.isEmpty(); }
    // Ends the painting batch; returns and forgets the changed logical region.
    QRegion flush();

    // The image, with no painter active on it.
    const QImage &image();
    QSize logicalSize() const { return logicalSize_; }
    qreal devicePixelRatio() const { return devicePixelRatio_; }
    // Makes the image again at another ratio (a zoom, or the window moved to a
    // screen of another scale): everything kept is drawn again into it, and the
    // whole image is marked changed; the drawing state stays.
    void setDevicePixelRatio(qreal ratio);

private:
    // A line or circle with the state it was drawn in.
    struct Figure {
        enum class Kind : quint8 { Line, Circle } kind;
        bool fillSolid;
        int width;
        QRgb pen;
        QRgb fill;
        float x1, y1, x2, y2; // a circle: centre (x1, y1), radius x2
        bool operator==(const Figure &) const = default;
        // The area it may change: its bounding box grown by the pen on every side.
        QRect reach() const;
    };
    struct KeptPainting {
        std::size_t beforeFigure; // painted before this figure, after the one ahead of it
        QRect area;
        Painting paint;
    };

    QPainter &painter();
    // The image, made on first use.
    QImage &pixels();
    // Draws the figure; returns the area it changed.
    QRect draw(const Figure &figure);
    QRect levelCover(const Figure &figure) const;
    void markDirty(const QRect &rect);

    QSize logicalSize_;
    qreal devicePixelRatio_;
    Colour background_;
    int logicalDpi_;
    QImage image_;
    QPainter painter_;
    QRegion dirty_;
    QRect gathering_; // neighbouring changes gathered before they join dirty_
    std::deque<Figure> figures_;
    std::vector<KeptPainting> paintings_;
    // Level lines filled lately, each with what has been drawn over it since.
    struct Redrawn {
        Figure figure;
        QRect drawnOver;
    };
    std::vector<Redrawn> lately_;
    int drawWidth_ = 1;
    bool fillSolid_ = false;
    Colour fillColour_ = colours::black;
    Colour foreground_ = colours::black;
};
