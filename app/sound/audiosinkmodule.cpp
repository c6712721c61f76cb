// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "sound/audiosinkmodule.h"

#include "sound/audiosinkoutput.h"

std::unique_ptr<SoundOutput> AudioSinkModule::makeOutput() const
{
    return std::make_unique<AudioSinkOutput>();
}
