// SPDX-License-Identifier: MIT
#include "run/runtrace.h"

#include "settings.h"

#include <QByteArray>
#include <cstdio>

namespace {
int runsStarted = 0;
} // namespace

bool RunTrace::enabled()
{
    static const bool on = [] {
        const QByteArray value = qgetenv("QUARNEL_TRACE");
        return !value.isEmpty() && value != "0";
    }();
    return on;
}

RunTrace::RunTrace(const Settings &settings)
{
    if (!enabled())
        return;
    number_ = ++runsStarted;
    // Unbuffered and flushed at once: the reader watches the lines as they come.
    std::fprintf(stderr,
                 "quarnel: run %d start, distance %s, spacing %s, frequency %s, mode %s, slow-down %s\n",
                 number_, qPrintable(settings.text(Setting::nVzdalenost)),
                 qPrintable(settings.text(Setting::nOdchylka)),
                 qPrintable(settings.text(Setting::nKmitočet)),
                 qPrintable(settings.text(Setting::nInterference)),
                 qPrintable(settings.text(Setting::nSpomaleni)));
    std::fflush(stderr);
}

RunTrace::~RunTrace()
{
    if (!enabled())
        return;
    std::fprintf(stderr, "quarnel: run %d %s\n", number_, stopped_ ? "stopped" : "end");
    std::fflush(stderr);
}
