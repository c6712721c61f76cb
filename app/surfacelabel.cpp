#include "surfacelabel.h"

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

void SurfaceLabel::paintOnto(QPainter &painter) const
{
    const QRect box = geometry();
    painter.save();
    painter.setClipRect(box);
    painter.fillRect(box, palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box, int(alignment()) | Qt::TextWordWrap, text());
    painter.restore();
}

void SurfaceLabel::paintEvent(QPaintEvent *)
{
    // The picture beneath shows this label as it was rendered into it.
}

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
