// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/surfacelabel.h"

#include "picture/zoom.h"

#include <QAccessible>
#include <QPainter>

SurfaceLabel::SurfaceLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fixed-size label breaks its caption at blanks where the caption is wider
    // than the label, and clips what still does not fit.
    setWordWrap(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SurfaceLabel::setLaidOut(const QRect &geometry, const QFont &font)
{
    laidOut_ = geometry;
    laidOutFont_ = font;
    setZoom(zoom_);
}

void SurfaceLabel::moveLaidOut(QPoint topLeft)
{
    laidOut_.moveTopLeft(topLeft);
    setGeometry(zoom::scaled(laidOut_, zoom_));
}

void SurfaceLabel::setZoom(int percent)
{
    zoom_ = percent;
    setGeometry(zoom::scaled(laidOut_, percent));
    setFont(zoom::scaled(laidOutFont_, percent));
}

ImageCanvas::Painting SurfaceLabel::painting() const
{
    return [box = laidOut_, font = laidOutFont_, background = palette().color(QPalette::Window),
            ink = palette().color(QPalette::WindowText), flags = int(alignment()) | Qt::TextWordWrap,
            caption = text()](QPainter &painter) {
        painter.setClipRect(box);
        painter.fillRect(box, background);
        painter.setFont(font);
        painter.setPen(ink);
        painter.drawText(box, flags, caption);
    };
}

// The picture beneath shows this label as it was rendered into it.
void SurfaceLabel::paintEvent(QPaintEvent *) {}

void SurfaceLabel::setInPicture(bool shown)
{
    if (shown == inPicture_)
        return;
    inPicture_ = shown;
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.invisible = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}
