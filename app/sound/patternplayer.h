// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "sound/soundworker.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <vector>

class QThread;
struct BandReading;
class RunRecord;
struct RunReading;
class RunSession;

// Plays the last run as sound (RenderPatternSound) through the desktop's sound
// output, when asked and never otherwise: a run makes no sound by itself.
//
// - Asked before any run: says so (notice()) and plays nothing.
// - Asked during a run: plays that run when it has gone to its end, whatever
//   else ended meanwhile; a run stopped early (Escape) or refused plays nothing.
// - Asked while a sound plays: starts it again from the bottom.
// - stop() (Escape) ends the sound at once, and drops a sound that waits for a run;
//   a sound that plays out drops nothing.
// - No sound module, no sound server or device, or a server that does not
//   answer within a few seconds: says which, and the program goes on as before.
// - A point's tone (Explore) takes the place of whatever plays, at once, and
//   of a tone asked for before it that has not begun: keys pressed fast queue
//   nothing up. Why tones cannot be heard is said once, not at every key,
//   until a tone plays again; a sound that waits for the run waits on.
//
// Threads: the player lives on the user-interface thread, and so do its
// signals. The sound module is loaded, and each output opened, played and
// stopped, by a SoundWorker on a thread of the player's own, made on the first
// sound: the sound server's client waits there for its answers, without a time
// limit, and never on the user-interface thread. The player hands it work by
// queued calls and learns how it went by queued signals, so isPlaying() and
// playedUSecs() say what the player last heard from it. The destructor lets
// the thread go without waiting for a server that does not answer.
//
// A program never asked for sound neither starts the thread, nor loads the
// multimedia libraries, nor talks to the sound server.
class PatternPlayer : public QObject {
    Q_OBJECT
public:
    explicit PatternPlayer(const RunSession &session, QObject *parent = nullptr);
    ~PatternPlayer() override;

    // Shift+H's slowness: a quarter of the speed.
    static constexpr int slowly = 4;

    // H, Shift+H and the menu's entries: at `slowness` 1 the pattern takes four
    // seconds, at `slowly` four times as long.
    void play(int slowness = 1);
    // Point `point` of `run` alone (RenderPointTone), while Explore moves from point to point.
    void playTone(const RunRecord &run, const BandReading &bands, int point);
    void stop();
    // Asked for and neither ended, nor failed, nor unanswered.
    bool isPlaying() const { return playing_; }
    // How many microseconds of the last play()'s sound the output had taken
    // when it last said so (when it stopped, if it has).
    qint64 playedUSecs() const { return played_; }
    // Where the sound module is looked for, in order; before the first sound.
    // By default beside the program (the build tree), then where it is installed.
    void setModuleFolders(const QStringList &folders) { moduleFolders_ = folders; }

signals:
    void started();
    // The sound has ended: played out, or stopped.
    void stopped();
    // A short sentence for the user: why nothing plays, or that the sound waits for the run.
    void notice(const QString &text);

private:
    void play(const RunReading &run, int slowness);
    // Hands the samples to the worker, in place of any sound before them; `tone` if a point's.
    void send(const std::vector<qint16> &sound, bool tone);
    // Says why nothing plays, once for a string of tones.
    void fail(const QString &why);
    void startWorker();
    void answered(int number, SoundWorker::Outcome outcome);
    void ended(int number, qint64 usecs);
    void endSound();

    const RunSession &session_;
    QStringList moduleFolders_;
    QThread *thread_ = nullptr;     // made on the first sound
    SoundWorker *worker_ = nullptr; // lives on thread_
    QTimer unanswered_;             // a sound asked for, and the server silent
    int number_ = 0;                // the sound last asked for, or stopped
    bool playing_ = false;
    bool tone_ = false;       // the sound last asked for is a point's tone
    bool toneFailed_ = false; // said why a tone is not heard, and no tone has played since
    qint64 played_ = 0;
    int waiting_ = 0; // the slowness of a sound that waits for the run's end, 0 for none
};
