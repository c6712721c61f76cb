// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>

class QPluginLoader;
struct RunReading;
class RunSession;
class SoundOutput;

// Plays the last run as sound (RenderPatternSound) through the desktop's sound
// output, when asked and never otherwise: a run makes no sound by itself.
//
// - Asked before any run: says so (notice()) and plays nothing.
// - Asked during a run: plays that run when it has gone to its end, whatever
//   else ended meanwhile; a run stopped early (Escape) or refused plays nothing.
// - Asked while a sound plays: starts it again from the bottom.
// - stop() (Escape) ends the sound at once, and drops a sound that waits for a run;
//   a sound that plays out drops nothing.
// - No sound output (no sound server, no device, a format it refuses): says so,
//   and the program goes on as before; nothing waits for the sound.
//
// The output is loaded and opened on first use (sound/soundoutput.h), so a
// program that is never asked for sound neither loads the multimedia libraries
// nor talks to the sound server.
class PatternPlayer : public QObject {
    Q_OBJECT
public:
    explicit PatternPlayer(const RunSession &session, QObject *parent = nullptr);
    ~PatternPlayer() override;

    // H and the menu's entry.
    void play();
    void stop();
    bool isPlaying() const;
    // How many microseconds of the last play()'s sound the output has taken so
    // far (when it stopped, if it has).
    qint64 playedUSecs() const;

signals:
    void started();
    // The sound has ended: played out, or stopped.
    void stopped();
    // A short sentence for the user: why nothing plays, or that the sound waits for the run.
    void notice(const QString &text);

private:
    void play(const RunReading &run);
    void stopOutput();
    void noOutput();
    bool openOutput();

    const RunSession &session_;
    QPluginLoader *module_ = nullptr; // loaded on first use
    SoundOutput *output_ = nullptr;   // the module's, opened afresh for each play
    QByteArray samples_;
    QBuffer buffer_;
    qint64 played_ = 0; // the output's position when it last stopped
    bool waiting_ = false;
};
