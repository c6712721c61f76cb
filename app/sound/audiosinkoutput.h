// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "sound/soundoutput.h"

#include <QObject>

class QAudioSink;

// The sound output through Qt Multimedia's QAudioSink (on Debian 12, Qt 6.4
// speaks to the PulseAudio server, or PipeWire's stand-in for it). The module's
// one object, made by QPluginLoader.
class AudioSinkOutput final : public QObject, public SoundOutput {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SoundOutput_iid)
    Q_INTERFACES(SoundOutput)
public:
    ~AudioSinkOutput() override;
    bool open(int sampleRate, std::function<void()> playedOut, std::function<void()> stopped) override;
    bool start(QIODevice *source) override;
    void stop() override;
    void close() override;
    bool isPlaying() const override;
    bool isStopped() const override;
    qint64 processedUSecs() const override;

private:
    QAudioSink *sink_ = nullptr;
};
