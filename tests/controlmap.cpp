// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "controlmap.h"

#include "startup/appearance.h"
#include "window/frmquarnel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {
QRect subControl(QScrollBar *bar, QStyle::SubControl part, int value)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = value;
    option.sliderValue = value;
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = false;
    const QRect inBar = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    return inBar.translated(bar->mapTo(bar->window(), QPoint(0, 0)));
}
} // namespace

namespace {
std::unique_ptr<frmQuarnel> windowAsTheProgramShowsIt()
{
    setUpAppearance(*qApp);
    return std::make_unique<frmQuarnel>();
}
} // namespace

ControlMap::ControlMap() : window_(windowAsTheProgramShowsIt())
{
    window_->show();
    for (QWidget *child : window_->findChildren<QWidget *>()) {
        if (!child->isVisibleTo(window_.get()))
            continue;
        if (qobject_cast<QAbstractButton *>(child) || qobject_cast<QGroupBox *>(child)
            || qobject_cast<QScrollBar *>(child))
            controls_ << child->objectName();
    }
}

ControlMap::~ControlMap() = default;

QRect ControlMap::rect(const QString &objectName) const
{
    const QWidget *child = window_->findChild<QWidget *>(objectName);
    if (!child)
        return {};
    return QRect(child->mapTo(window_.get(), QPoint(0, 0)), child->size());
}

QRect ControlMap::scrollBarThumb(int value) const
{
    return subControl(window_->findChild<QScrollBar *>(), QStyle::SC_ScrollBarSlider, value);
}

int ControlMap::scrollBarMinimum() const { return window_->findChild<QScrollBar *>()->minimum(); }
int ControlMap::scrollBarMaximum() const { return window_->findChild<QScrollBar *>()->maximum(); }

QRect ControlMap::scrollBarAddArrow() const
{
    QScrollBar *bar = window_->findChild<QScrollBar *>();
    return subControl(bar, QStyle::SC_ScrollBarAddLine, bar->value());
}

QRect ControlMap::scrollBarSubArrow() const
{
    QScrollBar *bar = window_->findChild<QScrollBar *>();
    return subControl(bar, QStyle::SC_ScrollBarSubLine, bar->value());
}

int ControlMap::tabsBetween(const QString &from, const QString &to) const
{
    QApplication::setActiveWindow(window_.get());
    window_->findChild<QWidget *>(from)->setFocus(Qt::MouseFocusReason);
    int tabs = 0;
    for (; tabs < controls_.size() && QApplication::focusWidget()
         && QApplication::focusWidget()->objectName() != to;
         ++tabs) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &tab);
    }
    return tabs;
}

QSize ControlMap::windowSize() const { return window_->size(); }
