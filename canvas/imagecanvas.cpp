#include "imagecanvas.h"

#include <QByteArray>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {
// How many rows a level line or a dot at width 2 or less reaches, with its margin.
constexpr int bandHeight = 8;
} // namespace

ImageCanvas::ImageCanvas(QSize logicalSize, qreal devicePixelRatio, Colour background,
                         int logicalDpi)
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

void ImageCanvas::setDevicePixelRatio(qreal ratio)
{
    if (ratio == devicePixelRatio_)
        return;
    if (painter_.isActive())
        painter_.end();
    const QImage old = std::exchange(image_, QImage());
    devicePixelRatio_ = ratio;
    if (old.isNull())
        return;
    QPainter scaler(&pixels());
    scaler.setRenderHint(QPainter::SmoothPixmapTransform);
    scaler.drawImage(QRect(QPoint(0, 0), logicalSize_), old);
    scaler.end();
    markDirty(QRect(QPoint(0, 0), logicalSize_));
}

ImageCanvas::~ImageCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

QPainter &ImageCanvas::painter()
{
    if (!painter_.isActive()) {
        painter_.begin(&pixels());
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    return painter_;
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

QPen ImageCanvas::pen(std::optional<Colour> colour) const
{
    QPen p(toQColor(colour.value_or(foreground_)));
    p.setWidth(drawWidth_);
    p.setCapStyle(Qt::SquareCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

// At ratio 1 the aliased rasteriser puts the middle of an odd-width figure half a
// pixel right of and below its point (a 1-pixel line at y 300 fills row 300); at
// any other ratio the figure is centred on the point (at ratio 2, device rows 599
// and 600). Moving odd widths half a logical pixel makes them cover the same
// logical pixels at every ratio: rows 600 and 601 at ratio 2.
qreal ImageCanvas::alignment() const
{
    return (drawWidth_ % 2 != 0 && devicePixelRatio_ != 1.0) ? 0.5 : 0.0;
}

// The changed area of a figure: its bounding box grown by the pen on every side.
// Coordinates far outside the picture are held to a range where the whole-number
// arithmetic cannot overflow; what lies beyond the picture is dropped later anyway.
static QRect reach(float left, float top, float right, float bottom, int width)
{
    static constexpr float far = 1 << 20;
    const auto whole = [](float v, float (*round)(float)) {
        return int(std::isnan(v) ? 0.0f : std::clamp(round(v), -far, far));
    };
    const int margin = width + 1;
    return QRect(QPoint(whole(left, std::floor) - margin, whole(top, std::floor) - margin),
                 QPoint(whole(right, std::ceil) + margin, whole(bottom, std::ceil) + margin));
}

void ImageCanvas::line(float x1, float y1, float x2, float y2, std::optional<Colour> colour)
{
    const Written written = writeLine(x1, y1, x2, y2, toQColor(colour.value_or(foreground_)).rgb());
    if (written == Written::NoShortcut) {
        QPainter &p = painter();
        p.setPen(pen(colour));
        const qreal a = alignment();
        p.drawLine(QPointF(x1 + a, y1 + a), QPointF(x2 + a, y2 + a));
    }
    // A line over pixels of its own colour (the plot axis after every point) changes nothing to show.
    if (written != Written::Unchanged)
        markDirty(reach(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2),
                    drawWidth_));
}

void ImageCanvas::circle(float x, float y, float radius, std::optional<Colour> colour)
{
    const Written written = radius == 1.0f
        ? writeDot(x, y, toQColor(colour.value_or(foreground_)).rgb())
        : Written::NoShortcut;
    if (written == Written::NoShortcut) {
        QPainter &p = painter();
        p.setPen(pen(colour));
        if (fillSolid_)
            p.setBrush(toQColor(fillColour_));
        else
            p.setBrush(Qt::NoBrush);
        const qreal a = alignment();
        p.drawEllipse(QPointF(x + a, y + a), qreal(radius), qreal(radius));
    }
    if (written != Written::Unchanged)
        markDirty(reach(x - radius, y - radius, x + radius, y + radius, drawWidth_));
}

// The shortcuts below write what Qt 6.4's raster engine draws for these figures
// with an aliased pen of width 1 or 2, square caps and no transform, at ratio 1.
// They were read off the engine and are held to it over every position a run can
// produce by tests/tst_canvasshortcuts.cpp; anything else goes through the painter.
namespace {
// Coordinates up to here are whole multiples of 2^-15 in single precision, so
// the engine's 16.16 fixed point takes them exactly.
constexpr float coarseFrom = 256;
constexpr float shortcutLimit = 16384;

bool whole(float v) { return v == std::floor(v); }

// Another Qt's raster engine may place these pixels differently: there every
// figure goes through the painter.
bool shortcutsHold()
{
    static const bool hold = QByteArray(qVersion()).startsWith("6.4.");
    return hold;
}
bool inRange(float v, float low) { return v >= low && v < shortcutLimit; }

// A radius-1 circle with a 1-pixel outline covers a handful of pixels around
// (floor(x), y) that depend only on the fraction of x, in steps of 2^-15, when y
// is whole. Each shape holds its outline pixels and the fill pixels the outline
// leaves showing, as offsets from (floor(x), y).
struct Offset {
    signed char dx, dy;
};
struct DotShape {
    int fromStep;                  // the first fraction × 32768 that takes this shape
    std::array<Offset, 7> outline; // the first `outlineCount` are used
    int outlineCount;
    bool centreFilled;             // the fill shows at (0, 0)
};
constexpr int fractionSteps = 32768;
// Fraction 0 (a whole x) takes the engine's midpoint ellipse; the others its path.
constexpr std::array<DotShape, 9> dotShapes{{
    {0, {{{0, -1}, {-1, 0}, {1, 0}, {0, 1}}}, 4, true},
    {1, {{{-1, -1}, {0, -1}, {-1, 0}, {1, 0}, {0, 1}}}, 5, true},
    {7038, {{{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {0, 1}}}, 6, true},
    {16384, {{{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {0, 0}, {1, 0}}}, 6, false},
    {19587, {{{1, -2}, {0, -1}, {1, -1}, {-1, 0}, {0, 0}, {1, 0}}}, 6, false},
    {26112, {{{1, -2}, {0, -1}, {1, -1}, {-1, 0}, {0, 0}, {1, 0}, {2, 0}}}, 7, false},
    {26243, {{{1, -2}, {0, -1}, {1, -1}, {0, 0}, {1, 0}, {2, 0}}}, 6, false},
    {26494, {{{1, -2}, {0, -1}, {1, -1}, {0, 0}, {1, 0}}}, 5, false},
    {26624, {{{1, -2}, {0, -1}, {1, -1}, {0, 0}, {1, 0}, {2, 0}}}, 6, false},
}};
// How far a dot's pixels reach from (floor(x), y).
constexpr int dotLeft = -1, dotRight = 2, dotTop = -2, dotBottom = 1;

const DotShape &dotShape(float x)
{
    const int step = int((x - std::floor(x)) * float(fractionSteps));
    std::size_t i = dotShapes.size() - 1;
    while (dotShapes[i].fromStep > step)
        --i;
    return dotShapes[i];
}
} // namespace

ImageCanvas::Written ImageCanvas::fillPixels(int left, int top, int right, int bottom, QRgb rgb)
{
    left = std::max(left, 0);
    right = std::min(right, image_.width() - 1);
    Written written = Written::Unchanged;
    for (int y = top; y <= bottom; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image_.scanLine(y));
        QRgb *first = std::find_if(row + left, row + right + 1, [rgb](QRgb p) { return p != rgb; });
        if (first != row + right + 1) {
            std::fill(first, row + right + 1, rgb);
            written = Written::Changed;
        }
    }
    return written;
}

ImageCanvas::Written ImageCanvas::writeLine(float x1, float y1, float x2, float y2, QRgb rgb)
{
    if (devicePixelRatio_ != 1.0 || !shortcutsHold())
        return Written::NoShortcut;
    const int width = pixels().width(), height = pixels().height();
    const auto inside = [&](float x, float y) { return x >= 0 && x < width && y >= 0 && y < height; };
    if (drawWidth_ == 1) {
        // Whole end points inside the image: every pixel from one to the other, both included.
        if ((x1 != x2 && y1 != y2) || !whole(x1) || !whole(y1) || !whole(x2) || !whole(y2)
            || !inside(x1, y1) || !inside(x2, y2))
            return Written::NoShortcut;
        if (painter_.isActive())
            painter_.end();
        return fillPixels(int(std::min(x1, x2)), int(std::min(y1, y2)), int(std::max(x1, x2)),
                          int(std::max(y1, y2)), rgb);
    }
    if (drawWidth_ == 2) {
        // A level line drawn left to right at a whole y: rows y − 1 and y, and the
        // columns whose centres lie in (x1 − 1, x2 + 1], the square caps included.
        if (y1 != y2 || !whole(y1) || y1 < 1 || y1 >= height || x1 > x2
            || !inRange(x1, coarseFrom) || !inRange(x2, coarseFrom))
            return Written::NoShortcut;
        const int left = int(std::floor(double(x1) - 0.5));
        const int right = int(std::floor(double(x2) + 0.5));
        if (left >= width)
            return Written::Unchanged;
        if (painter_.isActive())
            painter_.end();
        return fillPixels(left, int(y1) - 1, right, int(y1), rgb);
    }
    return Written::NoShortcut;
}

ImageCanvas::Written ImageCanvas::writeDot(float x, float y, QRgb pen)
{
    if (devicePixelRatio_ != 1.0 || drawWidth_ != 1 || !whole(y) || !inRange(x, coarseFrom)
        || !shortcutsHold())
        return Written::NoShortcut;
    pixels();
    const int cx = int(std::floor(x)), cy = int(y);
    if (cx + dotLeft < 0 || cx + dotRight >= image_.width() || cy + dotTop < 0
        || cy + dotBottom >= image_.height())
        return Written::NoShortcut;
    if (painter_.isActive())
        painter_.end();
    const DotShape &shape = dotShape(x);
    Written written = Written::Unchanged;
    const auto put = [&](int px, int py, QRgb rgb) {
        QRgb &pixel = reinterpret_cast<QRgb *>(image_.scanLine(py))[px];
        if (pixel != rgb) {
            pixel = rgb;
            written = Written::Changed;
        }
    };
    // The fill goes first and the outline over it, as the painter draws them.
    if (shape.centreFilled && fillSolid_)
        put(cx, cy, toQColor(fillColour_).rgb());
    for (int i = 0; i < shape.outlineCount; ++i) {
        const Offset o = shape.outline[std::size_t(i)];
        put(cx + o.dx, cy + o.dy, pen);
    }
    return written;
}

void ImageCanvas::setDrawWidth(int pixels) { drawWidth_ = pixels; }
void ImageCanvas::setFillStyleSolid() { fillSolid_ = true; }
void ImageCanvas::setFillColour(Colour colour) { fillColour_ = colour; }
void ImageCanvas::setUnitPixels() { unit_ = Unit::Pixels; }
