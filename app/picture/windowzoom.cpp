// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/windowzoom.h"

#include "picture/scenepicture.h"
#include "picture/zoom.h"
#include "picture/zoomstyle.h"
#include "scenegeometry.h"

#include <QApplication>
#include <QScreen>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

namespace {
// The program's fonts at 100 %, taken when the first zoom leaves it.
struct ProgramFonts {
    QFont font;
    QFont toolTip;
};
std::optional<ProgramFonts> programFonts;
} // namespace

WindowZoom::WindowZoom(QWidget &window, ScenePicture &picture)
    : QObject(&window), window_(window), picture_(picture)
{
}

WindowZoom::~WindowZoom() { applyToProgram(zoom::steps.front()); }

void WindowZoom::add(QWidget *control, const QRect &geometry, const QFont &font)
{
    laidOut_.push_back({control, geometry, font});
}

void WindowZoom::setPercent(int percent)
{
    if (std::find(zoom::steps.begin(), zoom::steps.end(), percent) == zoom::steps.end()
        || percent == percent_)
        return;
    percent_ = percent;
    apply();
}

void WindowZoom::apply()
{
    for (const LaidOut &control : laidOut_) {
        control.control->setGeometry(zoom::scaled(control.geometry, percent_));
        control.control->setFont(zoom::scaled(control.font, percent_));
    }
    // The labels with the picture, which knows where a run has moved them.
    picture_.setZoom(percent_);
    if (!window_.isFullScreen())
        window_.resize(zoom::scaled(sceneSize, percent_));
    applyToProgram(percent_);
    emit zoomChanged(percent_);
}

void WindowZoom::applyToProgram(int percent)
{
    if (!programFonts) {
        if (percent == zoom::steps.front())
            return;
        programFonts = ProgramFonts{QApplication::font(), QToolTip::font()};
    }
    // Windows other than the main one have no font of their own: they take the
    // program's default, as Qt's dialogs and the menus do.
    QApplication::setFont(zoom::scaled(programFonts->font, percent));
    QToolTip::setFont(zoom::scaled(programFonts->toolTip, percent));
    if (auto *style = qobject_cast<ZoomStyle *>(QApplication::style()))
        style->setPercent(percent);
}

void WindowZoom::zoomIn()
{
    const int next = zoom::next(percent_, +1);
    if (zoom::largestFitting(sceneSize, room()) >= next)
        setPercent(next);
}

QSize WindowZoom::room() const
{
    const QScreen *shownOn = window_.screen();
    if (!shownOn)
        return zoom::scaled(sceneSize, zoom::steps.back());
    if (window_.isFullScreen())
        return shownOn->geometry().size();
    // Out of full screen: the screen less its panels, less the window's frame.
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    return shownOn->availableGeometry().size() - frame;
}
void WindowZoom::zoomOut() { setPercent(zoom::next(percent_, -1)); }
void WindowZoom::reset() { setPercent(zoom::steps.front()); }

void WindowZoom::toggleFullScreen()
{
    if (window_.isFullScreen()) {
        window_.showNormal();
        setPercent(outOfFullScreen_);
        return;
    }
    outOfFullScreen_ = percent_;
    const QScreen *shownOn = window_.screen();
    setPercent(zoom::largestFitting(sceneSize, shownOn ? shownOn->geometry().size() : window_.size()));
    window_.showFullScreen();
}
