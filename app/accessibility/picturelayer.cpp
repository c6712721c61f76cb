// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/picturelayer.h"

#include "accessibility/accessibility.h"
#include "picture/scenepicture.h"

#include <QEvent>

PictureLayer::PictureLayer(ScenePicture &picture, const QString &name)
    : QWidget(picture.parentWidget()), picture_(picture)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    markNeverShown(*this);
    setGeometry(picture.geometry());
    picture.installEventFilter(this);
    raise();
    hide();
}

bool PictureLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &picture_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        setGeometry(picture_.geometry());
    return QWidget::eventFilter(watched, event);
}
