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
    switch (metric) {
    case QStyle::PM_ButtonMargin:
    case QStyle::PM_ButtonDefaultIndicator:
    case QStyle::PM_MenuButtonIndicator:
    case QStyle::PM_DefaultFrameWidth:
    case QStyle::PM_SpinBoxFrameWidth:
    case QStyle::PM_ComboBoxFrameWidth:
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_ScrollBarSliderMin:
    case QStyle::PM_SliderThickness:
    case QStyle::PM_SliderControlThickness:
    case QStyle::PM_SliderLength:
    case QStyle::PM_SliderTickmarkOffset:
    case QStyle::PM_SplitterWidth:
    case QStyle::PM_TitleBarHeight:
    case QStyle::PM_MenuScrollerHeight:
    case QStyle::PM_MenuHMargin:
    case QStyle::PM_MenuVMargin:
    case QStyle::PM_MenuPanelWidth:
    case QStyle::PM_MenuTearoffHeight:
    case QStyle::PM_MenuDesktopFrameWidth:
    case QStyle::PM_MenuBarPanelWidth:
    case QStyle::PM_MenuBarItemSpacing:
    case QStyle::PM_MenuBarVMargin:
    case QStyle::PM_MenuBarHMargin:
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_DialogButtonsSeparator:
    case QStyle::PM_DialogButtonsButtonWidth:
    case QStyle::PM_DialogButtonsButtonHeight:
    case QStyle::PM_HeaderMargin:
    case QStyle::PM_HeaderMarkSize:
    case QStyle::PM_HeaderGripMargin:
    case QStyle::PM_TabBarTabHSpace:
    case QStyle::PM_TabBarTabVSpace:
    case QStyle::PM_TabBarBaseHeight:
    case QStyle::PM_TabBarBaseOverlap:
    case QStyle::PM_ToolBarFrameWidth:
    case QStyle::PM_ToolBarHandleExtent:
    case QStyle::PM_ToolBarItemSpacing:
    case QStyle::PM_ToolBarItemMargin:
    case QStyle::PM_ToolBarSeparatorExtent:
    case QStyle::PM_ToolBarExtensionExtent:
    case QStyle::PM_ToolTipLabelFrameWidth:
    case QStyle::PM_CheckBoxLabelSpacing:
    case QStyle::PM_RadioButtonLabelSpacing:
    case QStyle::PM_FocusFrameVMargin:
    case QStyle::PM_FocusFrameHMargin:
    case QStyle::PM_ToolBarIconSize:
    case QStyle::PM_ListViewIconSize:
    case QStyle::PM_IconViewIconSize:
    case QStyle::PM_SmallIconSize:
    case QStyle::PM_LargeIconSize:
    case QStyle::PM_TabBarIconSize:
    case QStyle::PM_ButtonIconSize:
    case QStyle::PM_MessageBoxIconSize:
    case QStyle::PM_TextCursorWidth:
    case QStyle::PM_LayoutLeftMargin:
    case QStyle::PM_LayoutTopMargin:
    case QStyle::PM_LayoutRightMargin:
    case QStyle::PM_LayoutBottomMargin:
    case QStyle::PM_LayoutHorizontalSpacing:
    case QStyle::PM_LayoutVerticalSpacing:
    case QStyle::PM_TreeViewIndentation:
    case QStyle::PM_HeaderDefaultSectionSizeHorizontal:
    case QStyle::PM_HeaderDefaultSectionSizeVertical:
    case QStyle::PM_LineEditIconSize:
    case QStyle::PM_LineEditIconMargin:
        return true;
    default:
        return false;
    }
}

// A rectangle at 100 %: its edges divided by the factor, to whole pixels.
QRect laidOut(const QRect &zoomed, qreal factor)
{
    const auto edge = [factor](int pixels) { return int(std::lround(pixels / factor)); };
    return QRect(QPoint(edge(zoomed.left()), edge(zoomed.top())),
                 QPoint(edge(zoomed.right() + 1) - 1, edge(zoomed.bottom() + 1) - 1));
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
    asLaidOut.rect = laidOut(given->rect, factor);
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
    if (percent_ != 100 && drawingAsLaidOut_ == 0) {
        switch (element) {
        case PE_IndicatorRadioButton:
        case PE_IndicatorCheckBox:
            if (drawAsLaidOut<QStyleOptionButton>(option, painter, draw))
                return;
            break;
        case PE_Frame:
        case PE_FrameLineEdit:
        case PE_FrameGroupBox:
        case PE_FrameMenu:
            if (drawAsLaidOut<QStyleOptionFrame>(option, painter, draw))
                return;
            break;
        case PE_FrameFocusRect:
            if (drawAsLaidOut<QStyleOptionFocusRect>(option, painter, draw))
                return;
            break;
        default:
            break;
        }
    }
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
