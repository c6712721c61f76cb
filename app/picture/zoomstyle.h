// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The widget style at the window's zoom. The zoom makes fonts and laid-out
// boxes larger; this makes the style's own pixel sizes follow: the option
// buttons' marks, the scroll bars' arrows, frame borders, margins, spacings
// and icons. Marks, frames and scroll bars are drawn as at 100 % through a
// painter scaled by the zoom, so their lines thicken with it too, as on a
// screen of that many device pixels per pixel.
//
// (Fusion can size a scroll bar itself from the resolution of the option's
// font, but not where AA_Use96Dpi is set, as QTest sets it.)
//
// One style serves every window, so every window shares the one zoom: the
// main window, its dialogs and Qt's own.
class ZoomStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ZoomStyle(QStyle *base);

    // Takes the new pixel sizes into every widget: each lays itself out and paints again.
    void setPercent(int percent);
    // The zoom as a factor, of the style a widget is drawn with; 1 for any other style.
    static qreal factor(const QWidget *widget);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    // Draws with the option at its 100 % size through a painter scaled by the zoom.
    template <typename Option, typename Draw>
    bool drawAsLaidOut(const QStyleOption *option, QPainter *painter, Draw draw) const;

    int percent_ = 100;
    // While an element is drawn as laid out, the style's sizes are its 100 % ones.
    mutable int drawingAsLaidOut_ = 0;
};
