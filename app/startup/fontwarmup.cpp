// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "startup/fontwarmup.h"

#include <fontconfig/fontconfig.h>

// FcInit would also be safe to race with Qt's own call (the first configuration
// published wins), but the race would do the work twice.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() { wait(); }

void FontWarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}
