#pragma once

#include "canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>

inline QColor toQColor(Colour c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// The canvas over a kept image. The image is made at a device pixel ratio and
// drawn in logical pixels, so a 1-pixel line at ratio 2 is 2 sharp device pixels.
// Operations are batched into one QPainter; flush() ends the batch and hands
// back the logical region that changed since the last flush. At ratio 1 the
// figures a run draws most (level and upright lines, radius-1 dots) are written
// straight into the image, pixel for pixel as the painter would draw them.
class ImageCanvas : public Canvas {
public:
    enum class Unit { Twips, Pixels };

    // logicalDpi sets the image's resolution so text drawn into it matches the widgets'.
    ImageCanvas(QSize logicalSize, qreal devicePixelRatio, Colour background, int logicalDpi = 96);
    ~ImageCanvas() override;
    ImageCanvas(const ImageCanvas &) = delete;
    ImageCanvas &operator=(const ImageCanvas &) = delete;

    void line(float x1, float y1, float x2, float y2,
              std::optional<Colour> colour = std::nullopt) override;
    void circle(float x, float y, float radius,
                std::optional<Colour> colour = std::nullopt) override;
    void setDrawWidth(int pixels) override;
    void setFillStyleSolid() override;
    void setFillColour(Colour colour) override;
    void setUnitPixels() override;

    // A painter on the image for drawing outside the run (labels); joins the current batch.
    QPainter &painter();
    // Marks a logical rectangle as changed by drawing done through painter().
    void markDirty(const QRect &rect);
    // Whether anything changed since the last flush.
    bool hasChanges() const { return !gathering_.isEmpty() || !dirty_.isEmpty(); }
    // Ends the painting batch; returns and forgets the changed logical region.
    QRegion flush();

    // The image, with no painter active on it.
    const QImage &image();
    QSize logicalSize() const { return logicalSize_; }
    qreal devicePixelRatio() const { return devicePixelRatio_; }
    // Remakes the image at another ratio (the window moved to a screen of another
    // scale): what it shows is carried over, scaled, and the whole image is marked
    // changed; the drawing state stays.
    void setDevicePixelRatio(qreal ratio);

    int drawWidth() const { return drawWidth_; }
    bool fillSolid() const { return fillSolid_; }
    Colour fillColour() const { return fillColour_; }
    Unit unit() const { return unit_; }

private:
    QPen pen(std::optional<Colour> colour) const;
    // The image, made on first use.
    QImage &pixels();
    // The painter's own pixels without the painter, where a shortcut is known.
    enum class Written { NoShortcut, Unchanged, Changed };
    Written writeLine(float x1, float y1, float x2, float y2, QRgb rgb);
    Written writeDot(float x, float y, QRgb pen);
    // Fills the device pixels from (left, top) to (right, bottom), both included.
    Written fillPixels(int left, int top, int right, int bottom, QRgb rgb);
    // How far a figure of the current width moves right and down, in logical pixels.
    qreal alignment() const;

    QSize logicalSize_;
    qreal devicePixelRatio_;
    Colour background_;
    int logicalDpi_;
    QImage image_;
    QPainter painter_;
    QRegion dirty_;
    QRect gathering_; // neighbouring changes gathered before they join dirty_
    int drawWidth_ = 1;
    bool fillSolid_ = false;
    Colour fillColour_ = colours::black;
    Colour foreground_ = colours::black;
    Unit unit_ = Unit::Twips;
};
