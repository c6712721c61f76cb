// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "sound/soundworker.h"

#include "patternsound.h"

#include "sound/soundmodule.h"
#include "sound/soundoutput.h"

#include <QFileInfo>
#include <QPluginLoader>
#include <utility>

SoundWorker::SoundWorker(const QStringList &modulePaths) : modulePaths_(modulePaths)
{
    progress_.setInterval(40);
    connect(&progress_, &QTimer::timeout, this, [this] {
        if (playing_)
            emit progressed(playing_, output_->processedUSecs());
    });
}

// The output goes before the module that made it.
SoundWorker::~SoundWorker() { output_.reset(); }

void SoundWorker::play(int number, const QByteArray &samples, int bufferMs)
{
    if (number == wanted_.load())
        busyWith([&] { start(number, samples, bufferMs); });
}

void SoundWorker::start(int number, const QByteArray &samples, int bufferMs)
{
    finish();
    output_.reset();
    if (const Outcome failed = open(bufferMs); failed != Outcome::Started) {
        emit answered(number, failed);
        return;
    }
    samples_ = samples;
    buffer_.setData(samples_);
    buffer_.open(QIODevice::ReadOnly);
    playing_ = number;
    if (!output_->start(&buffer_)) {
        playing_ = 0;
        buffer_.close();
        emit answered(number, Outcome::NoOutput);
        return;
    }
    // Stopped or replaced while the server made it wait.
    if (number != wanted_.load()) {
        finish();
        return;
    }
    progress_.start();
    emit answered(number, Outcome::Started);
}

SoundWorker::Outcome SoundWorker::open(int bufferMs)
{
    if (!module_) {
        for (const QString &path : modulePaths_) {
            if (QFileInfo::exists(path)) {
                module_ = new QPluginLoader(path, this);
                break;
            }
        }
    }
    const auto *module = module_ ? qobject_cast<SoundModule *>(module_->instance()) : nullptr;
    if (!module)
        return Outcome::NoModule;
    output_ = module->makeOutput();
    // The output's callbacks come while it stops (within finish() too): finish()
    // ends a sound once. An output starved for a moment (a busy computer) runs
    // dry too, with samples still to play: that is not the end.
    const auto playedOut = [this] {
        if (buffer_.atEnd())
            finish();
    };
    if (!output_->open(patternsound::sampleRate, bufferMs, playedOut, [this] { finish(); })) {
        output_.reset();
        return Outcome::NoOutput;
    }
    return Outcome::Started;
}

void SoundWorker::stop()
{
    busyWith([this] { finish(); });
}

void SoundWorker::finish()
{
    if (!playing_)
        return;
    const int number = std::exchange(playing_, 0);
    progress_.stop();
    const qint64 played = output_->processedUSecs();
    output_->stop();
    buffer_.close();
    emit ended(number, played);
}
