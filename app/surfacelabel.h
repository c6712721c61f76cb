#pragma once

#include <QLabel>

class QPainter;

// A label that is part of the window's surface rather than a layer above it:
// the widget paints nothing itself; the window renders it into the kept picture
// when it is shown or moved, and later drawing covers it like any other pixels.
class SurfaceLabel : public QLabel {
    Q_OBJECT
public:
    SurfaceLabel(const QString &text, QWidget *parent);

    // Paints the opaque background and the caption at the label's geometry.
    void paintOnto(QPainter &painter) const;

    // Whether the picture shows this label now: rendered into it and not drawn
    // over since. Screen readers hear it as showing only then.
    bool inPicture() const { return inPicture_; }
    void setInPicture(bool shown);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool inPicture_ = false;
};
