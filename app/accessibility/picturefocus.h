// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "accessibility/picturelayer.h"

// Shows that the picture has the keyboard focus: a ring just inside the
// picture's edge, while it has the focus. A layer over the picture, never in
// the kept picture.
class PictureFocusRing : public PictureLayer {
    Q_OBJECT
public:
    explicit PictureFocusRing(ScenePicture &picture);

    static constexpr int width = 3; // in the picture's laid-out pixels

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
