// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/zoomstyle.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
// The style's lengths that make a control's parts and a dialog's layout; not
// those that count items or time, nor drag distances.
bool isLength(QStyle::PixelMetric metric)
{
    using enum QStyle::PixelMetric;
    // clang-format off
    static constexpr QStyle::PixelMetric lengths[] = {
        PM_ButtonMargin, PM_ButtonDefaultIndicator, PM_MenuButtonIndicator, PM_DefaultFrameWidth,
        PM_SpinBoxFrameWidth, PM_ComboBoxFrameWidth, PM_ScrollBarExtent, PM_ScrollBarSliderMin,
        PM_SliderThickness, PM_SliderControlThickness, PM_SliderLength, PM_SliderTickmarkOffset,
        PM_SplitterWidth, PM_TitleBarHeight, PM_MenuScrollerHeight, PM_MenuHMargin, PM_MenuVMargin,
        PM_MenuPanelWidth, PM_MenuTearoffHeight, PM_MenuDesktopFrameWidth, PM_MenuBarPanelWidth,
        PM_MenuBarItemSpacing, PM_MenuBarVMargin, PM_MenuBarHMargin, PM_IndicatorWidth, PM_IndicatorHeight,
        PM_ExclusiveIndicatorWidth, PM_ExclusiveIndicatorHeight, PM_DialogButtonsSeparator,
        PM_DialogButtonsButtonWidth, PM_DialogButtonsButtonHeight, PM_HeaderMargin, PM_HeaderMarkSize,
        PM_HeaderGripMargin, PM_TabBarTabHSpace, PM_TabBarTabVSpace, PM_TabBarBaseHeight,
        PM_TabBarBaseOverlap, PM_ToolBarFrameWidth, PM_ToolBarHandleExtent, PM_ToolBarItemSpacing,
        PM_ToolBarItemMargin, PM_ToolBarSeparatorExtent, PM_ToolBarExtensionExtent, PM_ToolTipLabelFrameWidth,
        PM_CheckBoxLabelSpacing, PM_RadioButtonLabelSpacing, PM_FocusFrameVMargin, PM_FocusFrameHMargin,
        PM_ToolBarIconSize, PM_ListViewIconSize, PM_IconViewIconSize, PM_SmallIconSize, PM_LargeIconSize,
        PM_TabBarIconSize, PM_ButtonIconSize, PM_MessageBoxIconSize, PM_TextCursorWidth, PM_LayoutLeftMargin,
        PM_LayoutTopMargin, PM_LayoutRightMargin, PM_LayoutBottomMargin, PM_LayoutHorizontalSpacing,
        PM_LayoutVerticalSpacing, PM_TreeViewIndentation, PM_HeaderDefaultSectionSizeHorizontal,
        PM_HeaderDefaultSectionSizeVertical, PM_LineEditIconSize, PM_LineEditIconMargin};
    // clang-format on
    return std::ranges::find(lengths, metric) != std::end(lengths);
}

} // namespace

ZoomStyle::ZoomStyle(QStyle *base) : QProxyStyle(base) {}

void ZoomStyle::setPercent(int percent)
{
    if (percent == percent_)
        return;
    percent_ = percent;
    // What QApplication::setStyle() does for a new style: every widget takes the
    // new sizes into its layout and paints again.
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget->style() != this)
            continue;
        QEvent changed(QEvent::StyleChange);
        QApplication::sendEvent(widget, &changed);
        widget->updateGeometry();
        widget->update();
    }
}

qreal ZoomStyle::factor(const QWidget *widget)
{
    const auto *style = qobject_cast<const ZoomStyle *>(widget ? widget->style() : QApplication::style());
    return style ? style->percent_ / 100.0 : 1.0;
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    if (percent_ == 100 || drawingAsLaidOut_ > 0 || !isLength(metric))
        return pixels;
    return int(std::lround(pixels * percent_ / 100.0));
}

template <typename Option, typename Draw>
bool ZoomStyle::drawAsLaidOut(const QStyleOption *option, QPainter *painter, Draw draw) const
{
    const auto *given = qstyleoption_cast<const Option *>(option);
    if (!given || !painter)
        return false;
    const qreal factor = percent_ / 100.0;
    Option asLaidOut = *given;
    // The rectangle at 100 %: its edges divided by the factor, to whole pixels.
    const auto edge = [factor](int pixels) { return int(std::lround(pixels / factor)); };
    const QRect &zoomed = given->rect;
    asLaidOut.rect = QRect(QPoint(edge(zoomed.left()), edge(zoomed.top())),
                           QPoint(edge(zoomed.right() + 1) - 1, edge(zoomed.bottom() + 1) - 1));
    painter->save();
    painter->scale(factor, factor);
    // The style's small bitmaps (a scroll bar's arrows) enlarged pixel for pixel:
    // sharp edges, not a blur.
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    ++drawingAsLaidOut_;
    draw(&asLaidOut);
    --drawingAsLaidOut_;
    painter->restore();
    return true;
}

void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const auto draw = [&](const QStyleOption *asLaidOut) {
        QProxyStyle::drawPrimitive(element, asLaidOut, painter, widget);
    };
    const bool drawn = [&] {
        if (percent_ == 100 || drawingAsLaidOut_ > 0)
            return false;
        switch (element) {
        case PE_IndicatorRadioButton:
        case PE_IndicatorCheckBox:
            return drawAsLaidOut<QStyleOptionButton>(option, painter, draw);
        case PE_Frame:
        case PE_FrameLineEdit:
        case PE_FrameGroupBox:
        case PE_FrameMenu:
            return drawAsLaidOut<QStyleOptionFrame>(option, painter, draw);
        case PE_FrameFocusRect:
            return drawAsLaidOut<QStyleOptionFocusRect>(option, painter, draw);
        default:
            return false;
        }
    }();
    if (!drawn)
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                   QPainter *painter, const QWidget *widget) const
{
    if (control == CC_ScrollBar && percent_ != 100 && drawingAsLaidOut_ == 0) {
        const bool drawn =
            drawAsLaidOut<QStyleOptionSlider>(option, painter, [&](const QStyleOption *asLaidOut) {
                QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex *>(asLaidOut),
                                                painter, widget);
            });
        if (drawn)
            return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QIcon ZoomStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    QIcon drawn = QProxyStyle::standardIcon(icon, option, widget);
    if (percent_ == 100 || drawingAsLaidOut_ > 0)
        return drawn;
    // A message box's icon, and the like, comes in a few sizes no larger than
    // 100 % needs, and QIcon never enlarges: it is enlarged here, from the
    // largest it has, to each zoomed size a caller may ask for.
    const QList<QSize> sizes = drawn.availableSizes();
    if (sizes.isEmpty())
        return drawn;
    const QSize largest =
        *std::max_element(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    const QPixmap source = drawn.pixmap(largest);
    QIcon zoomed;
    for (const QSize &size : sizes)
        zoomed.addPixmap(source.scaled(size * percent_ / 100, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return zoomed;
}
