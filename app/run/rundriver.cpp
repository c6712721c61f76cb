// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "run/rundriver.h"

#include "picture/scenepicture.h"
#include "run/runlog.h"
#include "scan.h"
#include "settings.h"

RunDriver::RunDriver(ScenePicture &picture, QObject *parent) : QObject(parent), picture_(picture)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &RunDriver::advance);
}

RunDriver::~RunDriver() = default;

void RunDriver::start(const Settings &settings, RunObserver &observer)
{
    if (state_ != State::Idle)
        return;
    state_ = State::Running;
    ++number_;
    quarters_ = 0;
    qCInfo(runLog).noquote()
        << QStringLiteral("run %1 start, distance %2, spacing %3, frequency %4, mode %5, slow-down %6")
               .arg(number_)
               .arg(settings.text(Setting::nVzdalenost), settings.text(Setting::nOdchylka),
                    settings.text(Setting::nKmitočet), settings.text(Setting::nInterference),
                    settings.text(Setting::nSpomaleni));
    picture_.prepareRun();
    run_.emplace(picture_.canvas(), settings, picture_, random_, &observer);
    emit started();
    if (!attempt([this] { run_->drawScene(); }))
        return;
    due_ = Clock::now();
    advance();
}

void RunDriver::advance()
{
    const Clock::time_point now = Clock::now();
    while (due_ <= now) {
        if (run_->scanned()) {
            if (attempt([this] { run_->finish(); }))
                end(RunEnd::Finished);
            return;
        }
        long long steps = 0;
        if (!attempt([this, &steps] { steps = run_->plotNextPoint(); }))
            return;
        due_ += steps * step_;
        // A handler may stop this run (Escape from a screen reader's action) or
        // close the window, and what waited may start the next run: this tick
        // then has nothing more to do.
        const int current = number_;
        emit pointPlotted(run_->pointsPlotted());
        if (state_ != State::Running || number_ != current)
            return;
        reportProgress(steps);
        if (state_ != State::Running || number_ != current)
            return;
    }
    picture_.present();
    // Points plotted before the picture's next frame would only wait in the image:
    // those due sooner are plotted together at the frame, one tick a frame instead
    // of one a point. The run's last step keeps its moment, and the run its length.
    const Clock::time_point next =
        run_->scanned() ? due_ : std::max(due_, Clock::now() + picture_.untilNextFrame());
    // Timers count whole milliseconds: rounded up, a tick never comes before its moment.
    timer_.start(std::chrono::ceil<std::chrono::milliseconds>(next - now));
}

void RunDriver::reportProgress(long long steps)
{
    // The slow-down is the run's own copy: every point's countdown is as long.
    if (steps * scan::pointCount * countdownStep < slowRun)
        return;
    // Quarter q is reached at point ⌈q × 399 / 4⌉: 100, 200 and 300.
    const int quarters = run_->pointsPlotted() * 4 / scan::pointCount;
    if (quarters > quarters_ && quarters < 4) {
        quarters_ = quarters;
        emit progressed(quarters);
    }
}

template <typename Step>
bool RunDriver::attempt(Step step)
{
    QString why;
    try {
        step();
        return true;
    } catch (const SettingNotNumber &refusal) {
        //: A message box: a run refused one of its settings. %1 is the setting's text
        //: as it was found; "setting text" is what one of the hidden setting fields holds.
        why = tr("The run stopped: the setting text \"%1\" is not a number.").arg(refusal.text);
    } catch (const SettingOutOfRange &refusal) {
        //: A message box: a run refused one of its settings, a number no option or the
        //: scroll bar writes. %1 is the setting's text as it was found.
        why = tr("The run stopped: the setting text \"%1\" is not a value of its control.").arg(refusal.text);
    }
    emit refused(why);
    end(RunEnd::Refused);
    return false;
}

void RunDriver::stopRun()
{
    if (run_)
        end(RunEnd::Stopped);
}

void RunDriver::close()
{
    const bool running = run_.has_value();
    state_ = State::Closed;
    if (running)
        end(RunEnd::Stopped);
}

void RunDriver::end(RunEnd how)
{
    timer_.stop();
    run_.reset();
    picture_.renderPendingLabels();
    qCInfo(runLog).noquote()
        << QStringLiteral("run %1 %2").arg(number_).arg(how == RunEnd::Finished ? "end" : "stopped");
    if (state_ == State::Running)
        state_ = State::Idle;
    emit finished(how);
}
