// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "sound/soundoutput.h"

#include <memory>

class QAudioSink;

// The sound output through Qt Multimedia's QAudioSink (on Debian 12, Qt 6.4
// speaks to the PulseAudio server, or PipeWire's stand-in for it, and waits for
// its answers without a time limit).
class AudioSinkOutput final : public SoundOutput {
public:
    AudioSinkOutput();
    ~AudioSinkOutput() override;
    bool open(int sampleRate, int bufferMs, std::function<void()> playedOut,
              std::function<void()> stopped) override;
    bool start(QIODevice *source) override;
    void stop() override;
    qint64 processedUSecs() const override;

private:
    std::unique_ptr<QAudioSink> sink_;
};
