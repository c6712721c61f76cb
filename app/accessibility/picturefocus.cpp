// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/picturefocus.h"

#include "picture/scenepicture.h"
#include "picture/zoom.h"
#include "scene.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

PictureFocusRing::PictureFocusRing(ScenePicture &picture)
    : PictureLayer(picture, QStringLiteral("pictureFocusRing"))
{
    setVisible(picture.hasFocus());
}

bool PictureFocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &picture_) {
        switch (event->type()) {
        case QEvent::FocusIn:
            raise();
            show();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        default:
            break;
        }
    }
    return PictureLayer::eventFilter(watched, event);
}

void PictureFocusRing::paintEvent(QPaintEvent *)
{
    // Round the picture as shown at its zoom, in the desktop's colour for what has the focus.
    const int pen = std::max(1, qRound(width * picture_.zoom() / 100.0));
    const QRect shown(QPoint(0, 0), zoom::scaled(sceneSize, picture_.zoom()));
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    const QRegion ring = QRegion(shown) - QRegion(shown.adjusted(pen, pen, -pen, -pen));
    for (const QRect &rect : ring)
        painter.drawRect(rect);
}
