// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "imagecanvas.h"

#include <QLabel>

// A label that is part of the window's surface rather than a layer above it:
// the widget paints nothing itself; the window renders it into the kept picture
// when it is shown or moved, and later drawing covers it like any other pixels.
//
// Its place and font in the picture are the laid-out ones, in the picture's
// logical pixels; the widget itself stands where the window's zoom puts them.
class SurfaceLabel : public QLabel {
    Q_OBJECT
public:
    SurfaceLabel(const QString &text, QWidget *parent);

    // The place and font as laid out, at zoom 100 %; the widget takes them at the current zoom.
    void setLaidOut(const QRect &geometry, const QFont &font);
    QRect laidOutGeometry() const { return laidOut_; }
    // Moves the label in the picture's logical pixels.
    void moveLaidOut(QPoint topLeft);
    void setZoom(int percent);

    // What renders the label into the picture: its opaque background and its
    // caption over its laid-out box, as they are now.
    ImageCanvas::Painting painting() const;

    // Whether the picture shows this label now: rendered into it and not drawn
    // over since. Screen readers hear it as showing only then.
    bool inPicture() const { return inPicture_; }
    void setInPicture(bool shown);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect laidOut_;
    QFont laidOutFont_;
    int zoom_ = 100;
    bool inPicture_ = false;
};
