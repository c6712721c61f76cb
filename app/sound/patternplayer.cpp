// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "sound/patternplayer.h"

#include "patternsound.h"
#include "picture/scenepicture.h"
#include "run/rundriver.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <utility>

namespace {
// Silence after the pattern, so that the output has played its top before the
// sink, run dry, is stopped.
constexpr int tailSamples = patternsound::sampleRate / 5;

QAudioFormat soundFormat()
{
    QAudioFormat format;
    format.setSampleRate(patternsound::sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}
} // namespace

PatternPlayer::PatternPlayer(const ScenePicture &picture, RunDriver &driver, QObject *parent)
    : QObject(parent), picture_(picture), driver_(driver)
{
    connect(&driver, &RunDriver::finished, this, &PatternPlayer::runFinished);
}

PatternPlayer::~PatternPlayer()
{
    if (sink_)
        sink_->stop();
}

void PatternPlayer::play()
{
    if (driver_.isRunning()) {
        waiting_ = true;
        //: Shown, and said to a screen reader, when the key that plays the pattern
        //: as sound is pressed during a run.
        emit notice(tr("The pattern will sound when the run ends."));
        return;
    }
    playNow();
}

void PatternPlayer::runFinished(RunEnd how)
{
    const bool wanted = std::exchange(waiting_, false);
    if (wanted && how == RunEnd::Finished)
        playNow();
}

void PatternPlayer::playNow()
{
    const RunRecord &run = picture_.lastRun();
    if (run.points().empty()) {
        //: Shown, and said to a screen reader, when the pattern is to be played as
        //: sound before any run; %1 is the Start button's caption.
        emit notice(tr("There is no pattern to hear yet: press %1 first.")
                        .arg(QCoreApplication::translate("frmQuarnel", "Start")));
        return;
    }
    const std::vector<qint16> sound = RenderPatternSound(run);
    stop();
    if (!sink_) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(soundFormat())) {
            noOutput();
            return;
        }
        sink_ = new QAudioSink(device, soundFormat(), this);
        connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::IdleState) // played out
                stop();
            else if (state == QAudio::StoppedState)
                emit stopped();
        });
    }
    samples_ =
        QByteArray(reinterpret_cast<const char *>(sound.data()), qsizetype(sound.size() * sizeof(qint16)));
    samples_.append(QByteArray(tailSamples * qsizetype(sizeof(qint16)), '\0'));
    buffer_.setData(samples_);
    buffer_.open(QIODevice::ReadOnly);
    played_ = 0;
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError) {
        sink_->stop();
        noOutput();
        return;
    }
    emit started();
}

void PatternPlayer::noOutput()
{
    //: Shown, and said to a screen reader, when the computer has no sound output
    //: to play the pattern through.
    emit notice(tr("No sound output was found: the pattern cannot be heard."));
}

void PatternPlayer::stop()
{
    waiting_ = false;
    if (sink_ && sink_->state() != QAudio::StoppedState) {
        played_ = sink_->processedUSecs();
        sink_->stop();
    }
    buffer_.close();
}

bool PatternPlayer::isPlaying() const
{
    return sink_ && (sink_->state() == QAudio::ActiveState || sink_->state() == QAudio::IdleState);
}

qint64 PatternPlayer::playedUSecs() const
{
    return sink_ && sink_->state() != QAudio::StoppedState ? sink_->processedUSecs() : played_;
}

qint64 PatternPlayer::lengthUSecs() const
{
    return qint64(samples_.size() / qsizetype(sizeof(qint16))) * 1000000 / patternsound::sampleRate;
}
