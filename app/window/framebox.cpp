// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "window/framebox.h"

#include "picture/zoomstyle.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int captionIndent = 8; // pixels at 100 % from the frame's left edge to the caption's box
constexpr int captionPadding = 2;
const QColor etchDark(128, 128, 128);
const QColor etchLight(255, 255, 255);
} // namespace

FrameBox::FrameBox(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));

    // The etched border: a dark rectangle with a light one a line right of and
    // below it, its lines a pixel wide at 100 % and as much wider as the zoom.
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const qreal zoom = ZoomStyle::factor(this);
    const int line = std::max(1, int(std::lround(zoom)));
    const auto drawBorder = [&](const QRect &outer, const QColor &colour) {
        painter.fillRect(outer.left(), outer.top(), outer.width(), line, colour);
        painter.fillRect(outer.left(), outer.bottom() - line + 1, outer.width(), line, colour);
        painter.fillRect(outer.left(), outer.top(), line, outer.height(), colour);
        painter.fillRect(outer.right() - line + 1, outer.top(), line, outer.height(), colour);
    };
    const QRect dark(0, top, width() - line, height() - top - line);
    drawBorder(dark, etchDark);
    drawBorder(dark.translated(line, line), etchLight);

    const QString caption = title();
    if (caption.isEmpty())
        return;
    const int padding = int(std::lround(captionPadding * zoom));
    const QRect captionBox(int(std::lround(captionIndent * zoom)), 0,
                           metrics.horizontalAdvance(caption) + 2 * padding, metrics.height());
    painter.fillRect(captionBox, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionBox, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}
