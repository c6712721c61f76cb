// SPDX-License-Identifier: MIT
#include "run/eventlooppacer.h"

#include "picture/scenepicture.h"

#include <thread>

EventLoopPacer::EventLoopPacer(ScenePicture &picture) : picture_(picture)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &loop_, &QEventLoop::quit);
}

void EventLoopPacer::countDown(long long steps)
{
    using namespace std::chrono;
    picture_.present();
    const auto wait = duration_cast<Clock::duration>(steps * countdownStep);
    const auto credit = std::min(lateness_, wait);
    const Clock::time_point deadline = Clock::now() + wait - credit;

    const auto whole = duration_cast<milliseconds>(deadline - Clock::now());
    if (whole.count() >= 1) {
        timer_.start(whole);
        loop_.exec();
    } else {
        loop_.processEvents();
    }
    std::this_thread::sleep_until(deadline);
    lateness_ = (lateness_ - credit) + (Clock::now() - deadline);
}
