// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <memory>

class QPluginLoader;
class SoundOutput;

// PatternPlayer's hands on the sound thread: it loads the sound module on the
// first sound, opens a fresh output for each sound and plays it. Everything
// here but supersede() runs on the sound thread, called by queued calls, and
// may wait there on the sound server for as long as the server keeps silent;
// what it finds out comes back by signals, each with the number of the sound
// it is about.
class SoundWorker : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Started, NoModule, NoOutput };
    Q_ENUM(Outcome)

    // The module's possible paths, in order.
    explicit SoundWorker(const QStringList &modulePaths);
    ~SoundWorker() override;

    // From any thread: sound `number` is the one wanted; a play or a stop asked
    // for earlier is skipped if it has not begun, and a sound that starts late is stopped.
    void supersede(int number) { wanted_.store(number); }
    // From any thread: whether it is inside a call, which may wait on the server.
    bool isBusy() const { return busy_.load(); }

    // Plays these samples (16-bit mono at patternsound::sampleRate) as sound
    // `number`, through an output with a buffer of `bufferMs` (0: the server's
    // own), after stopping the one that plays: answered() says how it went.
    void play(int number, const QByteArray &samples, int bufferMs);
    // Stops the sound that plays.
    void stop();

signals:
    void answered(int number, SoundWorker::Outcome outcome);
    // How far the output has got, every few hundredths of a second while it plays.
    void progressed(int number, qint64 usecs);
    // The sound has ended, played out or stopped, after `usecs` of it.
    void ended(int number, qint64 usecs);

private:
    // busy_ while `call` runs.
    template <typename Call>
    void busyWith(Call call)
    {
        busy_.store(true);
        call();
        busy_.store(false);
    }
    SoundWorker::Outcome open(int bufferMs);
    void start(int number, const QByteArray &samples, int bufferMs);
    void finish();

    const QStringList modulePaths_;
    std::atomic<int> wanted_{0};
    std::atomic<bool> busy_{false};
    QPluginLoader *module_ = nullptr;
    std::unique_ptr<SoundOutput> output_;
    QByteArray samples_;
    QBuffer buffer_{this}; // children, so that they move to the sound thread with it
    QTimer progress_{this};
    int playing_ = 0; // the number of the sound that plays, 0 for none
};
