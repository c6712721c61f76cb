// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "sound/patternplayer.h"

#include "patternsound.h"
#include "run/runsession.h"

#include "sound/soundoutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <utility>

namespace {
// Silence after the pattern, so that the output has played its top before the
// sink, run dry, is stopped.
constexpr int tailSamples = patternsound::sampleRate / 5;
} // namespace

PatternPlayer::PatternPlayer(const RunSession &session, QObject *parent) : QObject(parent), session_(session)
{
    // A sound asked for during the run plays when the run has gone to its end.
    connect(&session, &RunSession::finished, this, [this](RunEnd how, const RunReading &run) {
        if (std::exchange(waiting_, false) && how == RunEnd::Finished)
            play(run);
    });
}

PatternPlayer::~PatternPlayer()
{
    if (output_)
        output_->close();
}

void PatternPlayer::play()
{
    if (session_.isRunning()) {
        waiting_ = true;
        //: Shown, and said to a screen reader, when the key that plays the pattern
        //: as sound is pressed during a run.
        emit notice(tr("The pattern will sound when the run ends."));
        return;
    }
    // The last run, as far as it got: Escape leaves a part that can be heard.
    play(session_.lastRun());
}

void PatternPlayer::play(const RunReading &run)
{
    if (run.run.points().empty()) {
        //: Shown, and said to a screen reader, when the pattern is to be played as
        //: sound before any run; %1 is the Start button's caption.
        emit notice(tr("There is no pattern to hear yet: press %1 first.")
                        .arg(QCoreApplication::translate("frmQuarnel", "Start")));
        return;
    }
    const std::vector<qint16> sound = RenderPatternSound(run);
    stopOutput();
    // A fresh output each play: one reused falls silent after a few plays.
    if (!openOutput()) {
        noOutput();
        return;
    }
    samples_ =
        QByteArray(reinterpret_cast<const char *>(sound.data()), qsizetype(sound.size() * sizeof(qint16)));
    samples_.append(QByteArray(tailSamples * qsizetype(sizeof(qint16)), '\0'));
    buffer_.setData(samples_);
    buffer_.open(QIODevice::ReadOnly);
    played_ = 0;
    if (!output_->start(&buffer_)) {
        noOutput();
        return;
    }
    emit started();
}

// The module beside the program (the build tree), else where it is installed,
// relative to the program's folder.
bool PatternPlayer::openOutput()
{
    if (!module_) {
        const QDir programs(QCoreApplication::applicationDirPath());
        const QString name = QStringLiteral("quarnel_sound.so");
        for (const QString &path : {programs.filePath(name),
                                    programs.filePath(QStringLiteral(QUARNEL_SOUND_MODULE_DIR "/") + name)}) {
            if (QFileInfo::exists(path)) {
                module_ = new QPluginLoader(path, this);
                break;
            }
        }
        if (!module_)
            return false;
    }
    auto *output = qobject_cast<SoundOutput *>(module_->instance());
    if (!output
        || !output->open(
            patternsound::sampleRate, [this] { stopOutput(); }, [this] { emit stopped(); }))
        return false;
    output_ = output;
    return true;
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
    stopOutput();
}

void PatternPlayer::stopOutput()
{
    if (output_ && !output_->isStopped()) {
        played_ = output_->processedUSecs();
        output_->stop();
    }
    buffer_.close();
}

bool PatternPlayer::isPlaying() const { return output_ && output_->isPlaying(); }

qint64 PatternPlayer::playedUSecs() const
{
    return output_ && !output_->isStopped() ? output_->processedUSecs() : played_;
}
