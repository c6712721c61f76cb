// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "sound/soundmodule.h"

#include <QObject>

// The sound module's object: outputs through Qt Multimedia (AudioSinkOutput).
class AudioSinkModule final : public QObject, public SoundModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SoundModule_iid)
    Q_INTERFACES(SoundModule)
public:
    std::unique_ptr<SoundOutput> makeOutput() const override;
};
