// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "window/framebox.h"

#include <QPainter>

namespace {
constexpr int captionIndent = 8; // pixels from the frame's left edge to the caption's box
constexpr int captionPadding = 2;
const QColor etchDark(128, 128, 128);
const QColor etchLight(255, 255, 255);
} // namespace

FrameBox::FrameBox(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));

    // The etched border: a dark rectangle with a light one a pixel right of and below it.
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect border(0, top, width() - 2, height() - top - 2);
    painter.setPen(etchDark);
    painter.drawRect(border);
    painter.setPen(etchLight);
    painter.drawRect(border.translated(1, 1));

    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QRect captionBox(captionIndent, 0, metrics.horizontalAdvance(caption) + 2 * captionPadding,
                           metrics.height());
    painter.fillRect(captionBox, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionBox, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}
