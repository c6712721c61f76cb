// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "imagecanvas.h"

#include <QPen>
#include <algorithm>
#include <cmath>
#include <unordered_set>
#include <utility>

namespace {
// How many rows a level line or a dot at width 2 or less reaches, with its margin.
constexpr int bandHeight = 8;

// The changed area of a figure: its bounding box grown by the pen on every side.
// Coordinates far outside the picture are held to a range where the whole-number
// arithmetic cannot overflow; what lies beyond the picture is dropped later anyway.
QRect reach(float left, float top, float right, float bottom, int width)
{
    static constexpr float far = 1 << 20;
    const auto whole = [](float v, float (*round)(float)) {
        return int(std::isnan(v) ? 0.0f : std::clamp(round(v), -far, far));
    };
    const int margin = std::clamp(width, 0, 1 << 20) + 1;
    return QRect(QPoint(whole(left, std::floor) - margin, whole(top, std::floor) - margin),
                 QPoint(whole(right, std::ceil) + margin, whole(bottom, std::ceil) + margin));
}
} // namespace

ImageCanvas::ImageCanvas(QSize logicalSize, qreal devicePixelRatio, Colour background, int logicalDpi)
    : logicalSize_(logicalSize),
      devicePixelRatio_(devicePixelRatio),
      background_(background),
      logicalDpi_(logicalDpi)
{
}

// The image is made and filled when it is first drawn on or shown, not with the
// canvas: the window is then shown without first touching two megabytes.
QImage &ImageCanvas::pixels()
{
    if (image_.isNull()) {
        image_ = QImage(logicalSize_ * devicePixelRatio_, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(logicalDpi_ / 0.0254);
        image_.setDotsPerMeterX(dotsPerMeter);
        image_.setDotsPerMeterY(dotsPerMeter);
        image_.setDevicePixelRatio(devicePixelRatio_);
        image_.fill(toQColor(background_));
    }
    return image_;
}

QPainter &ImageCanvas::painter()
{
    if (!painter_.isActive()) {
        painter_.begin(&pixels());
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    return painter_;
}

void ImageCanvas::setDevicePixelRatio(qreal ratio)
{
    if (ratio == devicePixelRatio_)
        return;
    if (painter_.isActive())
        painter_.end();
    // The old image goes first: the two are never held at once.
    lately_.clear();
    const bool drawn = !std::exchange(image_, QImage()).isNull();
    devicePixelRatio_ = ratio;
    if (!drawn)
        return;
    // Everything kept, drawn into a fresh image.
    std::size_t next = 0;
    const auto paintUpTo = [&](std::size_t figure) {
        for (; next < paintings_.size() && paintings_[next].beforeFigure <= figure; ++next) {
            QPainter &p = painter();
            p.save();
            paintings_[next].paint(p);
            p.restore();
        }
    };
    pixels();
    for (std::size_t i = 0; i < figures_.size(); ++i) {
        paintUpTo(i);
        draw(figures_[i]);
    }
    paintUpTo(figures_.size());
    if (painter_.isActive())
        painter_.end();
    markDirty(QRect(QPoint(0, 0), logicalSize_));
}

void ImageCanvas::markDirty(const QRect &rect)
{
    const QRect changed = rect.intersected(QRect(QPoint(0, 0), logicalSize_));
    if (changed.isEmpty() || gathering_.contains(changed))
        return;
    // Changes along one thin band (a point's bar or dots and its markers) gather
    // into one rectangle: a region union per dot would cost more than the dot.
    // Anything else starts a new rectangle.
    const QRect joined = gathering_.united(changed);
    if (gathering_.isEmpty() || joined.height() <= bandHeight) {
        gathering_ = joined;
        return;
    }
    dirty_ += gathering_;
    gathering_ = changed;
}

QRegion ImageCanvas::flush()
{
    if (painter_.isActive())
        painter_.end();
    dirty_ += std::exchange(gathering_, QRect());
    return std::exchange(dirty_, QRegion());
}

const QImage &ImageCanvas::image()
{
    if (painter_.isActive())
        painter_.end();
    return pixels();
}

void ImageCanvas::paintOpaque(const QRect &area, Painting painting)
{
    forgetCovered(mark(), area);
    QPainter &p = painter();
    p.save();
    painting(p);
    p.restore();
    for (Redrawn &r : lately_)
        r.drawnOver |= area;
    markDirty(area);
    paintings_.push_back({figures_.size(), area, std::move(painting)});
}

void ImageCanvas::forgetCovered(Mark before, const QRect &area)
{
    // A figure whose first point lies outside the area reaches outside it: no need to work out how far.
    const auto outside = [](float v, int low, int high) { return v < float(low) || v > float(high); };
    const auto covered = [&area, &outside](const Figure &f) {
        return !outside(f.x1, area.left(), area.right()) && !outside(f.y1, area.top(), area.bottom())
            && area.contains(f.reach());
    };
    before.figures = std::min(before.figures, figures_.size());
    const auto hash = [](const Figure &f) {
        std::size_t h = std::size_t(f.kind) ^ (std::size_t(f.width) << 1) ^ (std::size_t(f.pen) << 3);
        for (float v : {f.x1, f.y1, f.x2, f.y2})
            h = h * 1000003u ^ std::hash<float>{}(v);
        return h;
    };
    // The figures since: one drawn again paints the same pixels the same colour.
    const std::unordered_set<Figure, decltype(hash)> since(figures_.begin() + std::ptrdiff_t(before.figures),
                                                           figures_.end(), 16, hash);
    const auto forgotten = [&](const Figure &f) {
        return covered(f) || (!since.empty() && since.contains(f));
    };
    // How many figures ahead of each one are kept, to move the paintings' places with them.
    std::vector<std::size_t> keptAhead(before.figures + 1);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < before.figures; ++i) {
        keptAhead[i] = kept;
        if (!forgotten(figures_[i]))
            figures_[kept++] = figures_[i];
    }
    keptAhead[before.figures] = kept;
    figures_.erase(figures_.begin() + std::ptrdiff_t(kept),
                   figures_.begin() + std::ptrdiff_t(before.figures));
    const std::size_t moved = before.figures - kept;

    const auto firstNew = paintings_.begin() + std::ptrdiff_t(std::min(before.paintings, paintings_.size()));
    paintings_.erase(std::remove_if(paintings_.begin(), firstNew,
                                    [&area](const KeptPainting &p) { return area.contains(p.area); }),
                     firstNew);
    for (KeptPainting &p : paintings_)
        p.beforeFigure =
            p.beforeFigure <= before.figures ? keptAhead[p.beforeFigure] : p.beforeFigure - moved;
}

// A level or upright line of width 1 or 2 from one whole pixel of the picture to
// another, at a whole ratio, is a rectangle of whole logical pixels: from one end
// to the other, both included, and for width 2 one more column and row above and
// to the left (the pen's square at each end, placed as draw() places it). The
// clear and the plot axis are such lines; filled as rectangles they cost a
// fraction of the stroke. Empty for any other figure.
QRect ImageCanvas::levelCover(const Figure &f) const
{
    const auto whole = [](float v, int size) { return v >= 0 && v < float(size) && v == std::floor(v); };
    if (f.kind != Figure::Kind::Line || (f.width != 1 && f.width != 2) || devicePixelRatio_ < 1
        || devicePixelRatio_ != std::floor(devicePixelRatio_) || (f.x1 != f.x2) == (f.y1 != f.y2)
        || !whole(f.x1, logicalSize_.width()) || !whole(f.x2, logicalSize_.width())
        || !whole(f.y1, logicalSize_.height()) || !whole(f.y2, logicalSize_.height()))
        return {};
    const int grow = f.width - 1;
    return QRect(QPoint(int(std::min(f.x1, f.x2)) - grow, int(std::min(f.y1, f.y2)) - grow),
                 QPoint(int(std::max(f.x1, f.x2)), int(std::max(f.y1, f.y2))));
}

// At ratio 1 the aliased rasteriser puts the middle of an odd-width figure half a
// pixel right of and below its point (a 1-pixel line at y 300 fills row 300); at
// any other ratio the figure is centred on the point (at ratio 2, device rows 599
// and 600). Moving odd widths half a logical pixel makes them cover the same
// logical pixels at every ratio: rows 600 and 601 at ratio 2.
QRect ImageCanvas::draw(const Figure &f)
{
    QPainter &p = painter();
    QRect changed = levelCover(f);
    const bool level = !changed.isEmpty();
    if (level) {
        // Filled again exactly as lately, the line changes only what was drawn over since.
        const auto again =
            std::find_if(lately_.begin(), lately_.end(), [&f](const Redrawn &r) { return r.figure == f; });
        if (again != lately_.end()) {
            changed &= again->drawnOver;
            lately_.erase(again);
        }
        if (!changed.isEmpty())
            p.fillRect(changed, QColor(f.pen));
    } else {
        p.setPen(QPen(QColor(f.pen), f.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const qreal a = (f.width % 2 != 0 && devicePixelRatio_ != 1.0) ? 0.5 : 0.0;
        if (f.kind == Figure::Kind::Line) {
            p.drawLine(QPointF(f.x1 + a, f.y1 + a), QPointF(f.x2 + a, f.y2 + a));
        } else {
            p.setBrush(f.fillSolid ? QBrush(QColor(f.fill)) : QBrush(Qt::NoBrush));
            p.drawEllipse(QPointF(f.x1 + a, f.y1 + a), qreal(f.x2), qreal(f.x2));
        }
        changed = f.reach();
    }
    for (Redrawn &r : lately_)
        r.drawnOver |= changed;
    // Two: the plot axis, drawn again after each point, and a point's own level line.
    if (level) {
        lately_.push_back({f, QRect()});
        if (lately_.size() > 2)
            lately_.erase(lately_.begin());
    }
    return changed;
}

QRect ImageCanvas::Figure::reach() const
{
    if (kind == Kind::Circle)
        return ::reach(x1 - x2, y1 - x2, x1 + x2, y1 + x2, width);
    return ::reach(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), width);
}

void ImageCanvas::line(float x1, float y1, float x2, float y2, std::optional<Colour> colour)
{
    // A line has no fill: figures that paint the same pixels compare equal.
    const QRgb pen = toQColor(colour.value_or(foreground_)).rgb();
    const Figure figure{Figure::Kind::Line, false, drawWidth_, pen, 0, x1, y1, x2, y2};
    figures_.push_back(figure);
    markDirty(draw(figure));
}

void ImageCanvas::circle(float x, float y, float radius, std::optional<Colour> colour)
{
    const QRgb pen = toQColor(colour.value_or(foreground_)).rgb();
    const QRgb fill = fillSolid_ ? toQColor(fillColour_).rgb() : 0;
    const Figure figure{Figure::Kind::Circle, fillSolid_, drawWidth_, pen, fill, x, y, radius, 0.0f};
    figures_.push_back(figure);
    markDirty(draw(figure));
}

void ImageCanvas::setDrawWidth(int pixels) { drawWidth_ = pixels; }
void ImageCanvas::setFillStyleSolid() { fillSolid_ = true; }
void ImageCanvas::setFillColour(Colour colour) { fillColour_ = colour; }
// The image is drawn in pixels whatever the unit.
void ImageCanvas::setUnitPixels() {}
