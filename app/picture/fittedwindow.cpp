// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/fittedwindow.h"

#include "picture/windowplace.h"

#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

// A window, not a dialog: the window system keeps a dialog, even one without a
// parent, above the program's other windows.
FittedWindow::FittedWindow(QWidget &beside, QWidget *parent) : QDialog(parent, Qt::Window), beside_(beside)
{
    auto *outer = new QVBoxLayout(this);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    // Tab goes from control to control; the scroll area shows the one focused.
    scroll_->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(scroll_, 1);
}

void FittedWindow::setContent(QWidget *content, QLayout *buttons)
{
    scroll_->setWidget(content);
    buttons_ = buttons;
    static_cast<QBoxLayout *>(layout())->addLayout(buttons);
}

QSize FittedWindow::wantedSize() const
{
    // Worked out afresh: a layout keeps sizes from before the last zoom.
    for (QLayout *part : findChildren<QLayout *>())
        part->invalidate();
    const QSize content = scroll_->widget()->sizeHint();
    const QSize buttons = buttons_->sizeHint();
    const QMargins margins = layout()->contentsMargins();
    QSize wanted(std::max(content.width(), buttons.width()) + margins.left() + margins.right(),
                 content.height() + layout()->spacing() + buttons.height() + margins.top()
                     + margins.bottom());
    // Cut short, the content scrolls: a scroll bar takes a width (or height) of its own.
    const QSize room = windowplace::room(beside_);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    if (wanted.height() > room.height())
        wanted.rwidth() += bar;
    if (wanted.width() > room.width())
        wanted.rheight() += bar;
    return wanted;
}

void FittedWindow::fitToScreen()
{
    if (isMaximized() || isFullScreen())
        return;
    resize(windowplace::fitted(wantedSize(), beside_));
    // Shown: kept where the teacher put it, as far as it stays on the screen.
    if (placed_)
        move(windowplace::kept(pos(), size(), beside_));
}

void FittedWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The first time, sized for what it shows and placed beside the main window;
    // then where the teacher leaves it.
    if (!placed_ && !event->spontaneous()) {
        fitToScreen();
        move(windowplace::beside(size(), beside_));
        placed_ = true;
    }
}
