// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class ScenePicture;

// A layer over the picture that follows it wherever it goes: a widget of its
// own, above the picture and every control, transparent for the mouse, that no
// screen reader lists. It is never drawn into the kept picture, so copying and
// saving the picture never take it along. Made hidden and raised.
class PictureLayer : public QWidget {
    Q_OBJECT
public:
    PictureLayer(ScenePicture &picture, const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    ScenePicture &picture_;
};
