// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/windowzoom.h"

#include "picture/scenepicture.h"
#include "picture/zoom.h"
#include "scenegeometry.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

WindowZoom::WindowZoom(QWidget &window, ScenePicture &picture)
    : QObject(&window), window_(window), picture_(picture)
{
}

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
    emit zoomChanged(percent_);
}

void WindowZoom::zoomIn() { setPercent(zoom::next(percent_, +1)); }
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
