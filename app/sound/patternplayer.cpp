// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "sound/patternplayer.h"

#include "patternsound.h"
#include "run/runsession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>
#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

namespace {
// Silence after the pattern, so that the output has played its top before the
// sink, run dry, is stopped.
constexpr int tailSamples = patternsound::sampleRate / 5;
// How long a sound may take to start before the server counts as not
// answering: loading the module and a first connection take well under a second.
constexpr int answerMs = 4000;
// How long the end waits for a sound thread that is not waiting on the server.
constexpr int shutdownMs = 1000;
// A point's tone's output buffer. The server's own, some two seconds, is
// filled before the sound starts: a tone, far shorter, never started. Short, too,
// so that the tone follows its key at once.
constexpr int toneBufferMs = 80;

// Sound threads given up on at the end, still waiting on a silent server: a
// QThread destroyed while it runs ends the program, so they are kept, and
// reachable, until the process ends.
std::vector<QThread *> &abandonedThreads()
{
    static auto *threads = new std::vector<QThread *>;
    return *threads;
}

// At the process's end Qt Multimedia's own teardown frees the sound server
// client's main loop, and aborts the program if a thread still waits in it.
// Registered when the first thread is given up on, after that teardown was,
// this runs before it (the end runs its handlers the last registered first)
// and, while a thread still waits, ends the process there with its status,
// after the leak check that a sanitizer build makes at the very end.
void endBeforeMultimedia(int status, void * /*unused*/)
{
    const std::vector<QThread *> &threads = abandonedThreads();
    if (std::none_of(threads.begin(), threads.end(),
                     [](const QThread *thread) { return thread->isRunning(); }))
        return;
    std::fflush(nullptr);
#ifdef __SANITIZE_ADDRESS__
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}

void abandon(QThread *thread)
{
    if (abandonedThreads().empty())
        on_exit(endBeforeMultimedia, nullptr);
    abandonedThreads().push_back(thread);
}
} // namespace

PatternPlayer::PatternPlayer(const RunSession &session, QObject *parent) : QObject(parent), session_(session)
{
    const QDir programs(QCoreApplication::applicationDirPath());
    moduleFolders_ =
        QStringList{programs.path(), programs.filePath(QStringLiteral(QUARNEL_SOUND_MODULE_DIR))};
    // A sound asked for during the run plays when the run has gone to its end.
    connect(&session, &RunSession::finished, this, [this](RunEnd how, const RunReading &run) {
        if (const int slowness = std::exchange(waiting_, 0); slowness && how == RunEnd::Finished)
            play(run, slowness);
    });
    unanswered_.setSingleShot(true);
    unanswered_.setInterval(answerMs);
    connect(&unanswered_, &QTimer::timeout, this, [this] {
        //: Shown, and said to a screen reader, when the pattern is to be played as
        //: sound and the computer's sound server (the program that plays every
        //: program's sound) does not answer within a few seconds.
        fail(tr("The sound server does not answer: the pattern cannot be heard. Try again later, or "
                "restart the computer's sound."));
    });
}

PatternPlayer::~PatternPlayer()
{
    if (!thread_)
        return;
    // Nothing asked for before now begins; the worker goes with its thread, at
    // once unless it still waits on the server for a sound.
    worker_->supersede(++number_);
    const bool busy = worker_->isBusy();
    thread_->quit();
    if (!busy && thread_->wait(QDeadlineTimer(shutdownMs)))
        delete thread_;
    else
        abandon(thread_);
}

void PatternPlayer::play(int slowness)
{
    if (session_.isRunning()) {
        waiting_ = slowness;
        //: Shown, and said to a screen reader, when the key that plays the pattern
        //: as sound is pressed during a run.
        emit notice(tr("The pattern will sound when the run ends."));
        return;
    }
    // The last run, as far as it got: Escape leaves a part that can be heard.
    play(session_.lastRun(), slowness);
}

void PatternPlayer::play(const RunReading &run, int slowness)
{
    if (run.run.points().empty()) {
        //: Shown, and said to a screen reader, when the pattern is to be played as
        //: sound before any run; %1 is the Start button's caption.
        emit notice(tr("There is no pattern to hear yet: press %1 first.")
                        .arg(QCoreApplication::translate("frmQuarnel", "Start")));
        return;
    }
    send(RenderPatternSound(run, slowness), false);
}

void PatternPlayer::playTone(const RunRecord &run, const BandReading &bands, int point)
{
    const std::vector<qint16> tone = RenderPointTone(run, bands, point);
    if (!tone.empty())
        send(tone, true);
}

void PatternPlayer::send(const std::vector<qint16> &sound, bool tone)
{
    QByteArray samples(reinterpret_cast<const char *>(sound.data()),
                       qsizetype(sound.size() * sizeof(qint16)));
    samples.append(QByteArray(tailSamples * qsizetype(sizeof(qint16)), '\0'));
    startWorker();
    endSound();
    // The worker skips every sound asked for before this one that it has not
    // begun, and stops the one that plays before it starts this one.
    const int number = ++number_;
    worker_->supersede(number);
    const int bufferMs = tone ? toneBufferMs : 0;
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, number, samples, bufferMs] { worker->play(number, samples, bufferMs); },
        Qt::QueuedConnection);
    playing_ = true;
    tone_ = tone;
    played_ = 0;
    unanswered_.start();
}

void PatternPlayer::fail(const QString &why)
{
    playing_ = false;
    if (tone_ && std::exchange(toneFailed_, true))
        return;
    emit notice(why);
}

void PatternPlayer::startWorker()
{
    if (thread_)
        return;
    QStringList paths;
    for (const QString &folder : std::as_const(moduleFolders_))
        paths << QDir(folder).filePath(QStringLiteral("quarnel_sound.so"));
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("sound"));
    worker_ = new SoundWorker(paths);
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SoundWorker::answered, this, &PatternPlayer::answered);
    connect(worker_, &SoundWorker::progressed, this, [this](int number, qint64 usecs) {
        if (number == number_ && playing_)
            played_ = usecs;
    });
    connect(worker_, &SoundWorker::ended, this, &PatternPlayer::ended);
    thread_->start();
}

void PatternPlayer::answered(int number, SoundWorker::Outcome outcome)
{
    if (number != number_)
        return;
    unanswered_.stop();
    switch (outcome) {
    case SoundWorker::Outcome::Started:
        // Late, after the server had been given up on, it still plays.
        playing_ = true;
        toneFailed_ = false;
        emit started();
        return;
    case SoundWorker::Outcome::NoModule:
        //: Shown, and said to a screen reader, when the part of Quarnel that plays
        //: sound is missing or broken; quarnel-sound is the name of the package
        //: to install, keep it as it is.
        fail(tr("The sound component of Quarnel is not installed: install the package quarnel-sound to "
                "hear the pattern."));
        return;
    case SoundWorker::Outcome::NoOutput:
        //: Shown, and said to a screen reader, when the computer has no sound server
        //: or no sound output to play the pattern through.
        fail(tr("No sound output was found: the pattern cannot be heard."));
        return;
    }
}

void PatternPlayer::ended(int number, qint64 usecs)
{
    // An output that fails while it starts stops before the answer, which says why.
    if (number != number_ || !playing_ || unanswered_.isActive())
        return;
    played_ = usecs;
    endSound();
}

void PatternPlayer::stop()
{
    waiting_ = 0;
    if (!thread_)
        return;
    // The position stays as last heard: what the output takes after this is not the pattern's.
    worker_->supersede(++number_);
    QMetaObject::invokeMethod(worker_, &SoundWorker::stop, Qt::QueuedConnection);
    endSound();
}

void PatternPlayer::endSound()
{
    unanswered_.stop();
    if (std::exchange(playing_, false))
        emit stopped();
}
