// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "sound/audiosinkoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <utility>

AudioSinkOutput::AudioSinkOutput() = default;

AudioSinkOutput::~AudioSinkOutput()
{
    if (!sink_)
        return;
    sink_->disconnect();
    sink_->stop();
}

bool AudioSinkOutput::open(int sampleRate, int bufferMs, std::function<void()> playedOut,
                           std::function<void()> stopped)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return false;
    sink_ = std::make_unique<QAudioSink>(device, format);
    if (bufferMs > 0)
        sink_->setBufferSize(format.bytesForDuration(qint64(bufferMs) * 1000));
    QAudioSink *sink = sink_.get();
    QObject::connect(sink, &QAudioSink::stateChanged, sink,
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

qint64 AudioSinkOutput::processedUSecs() const { return sink_ ? sink_->processedUSecs() : 0; }
