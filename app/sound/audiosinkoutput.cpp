// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "sound/audiosinkoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <utility>

AudioSinkOutput::~AudioSinkOutput() { close(); }

bool AudioSinkOutput::open(int sampleRate, std::function<void()> playedOut, std::function<void()> stopped)
{
    close();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return false;
    sink_ = new QAudioSink(device, format, this);
    connect(sink_, &QAudioSink::stateChanged, this,
            [playedOut = std::move(playedOut), stopped = std::move(stopped)](QAudio::State state) {
                if (state == QAudio::IdleState)
                    playedOut();
                else if (state == QAudio::StoppedState)
                    stopped();
            });
    return true;
}

bool AudioSinkOutput::start(QIODevice *source)
{
    if (!sink_)
        return false;
    sink_->start(source);
    if (sink_->error() == QAudio::NoError)
        return true;
    sink_->stop();
    return false;
}

void AudioSinkOutput::stop()
{
    if (sink_ && sink_->state() != QAudio::StoppedState)
        sink_->stop();
}

void AudioSinkOutput::close()
{
    if (!sink_)
        return;
    sink_->disconnect(this);
    sink_->stop();
    delete std::exchange(sink_, nullptr);
}

bool AudioSinkOutput::isPlaying() const
{
    return sink_ && (sink_->state() == QAudio::ActiveState || sink_->state() == QAudio::IdleState);
}

bool AudioSinkOutput::isStopped() const { return !sink_ || sink_->state() == QAudio::StoppedState; }

qint64 AudioSinkOutput::processedUSecs() const { return sink_ ? sink_->processedUSecs() : 0; }
