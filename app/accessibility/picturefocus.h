// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class ScenePicture;

// Shows that the picture has the keyboard focus: a ring just inside the
// picture's edge. A widget of its own over the picture and every control,
// transparent for the mouse, that no screen reader lists: it is never drawn
// into the kept picture, so copying and saving the picture never take it along.
class PictureFocusRing : public QWidget {
    Q_OBJECT
public:
    explicit PictureFocusRing(ScenePicture &picture);

    static constexpr int width = 3; // in the picture's laid-out pixels

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ScenePicture &picture_;
};
