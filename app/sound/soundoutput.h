// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtPlugin>
#include <functional>

class QIODevice;

// The desktop's sound output for 16-bit mono samples. It lives in a module of
// its own (quarnel_sound, loaded by PatternPlayer on the first sound), so that
// the multimedia libraries, some 25 of them with the sound server's client, are
// neither loaded nor paid for at start-up by a program never asked for sound.
//
// Called from the GUI thread only; the callbacks come on it too.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Opens the default output for samples at `sampleRate` per second; false if
    // there is none or it refuses the format. `playedOut` is called when the
    // source has run dry, `stopped` whenever the output stops.
    virtual bool open(int sampleRate, std::function<void()> playedOut, std::function<void()> stopped) = 0;
    // Plays `source` (open for reading) from where it stands; false if the output failed.
    virtual bool start(QIODevice *source) = 0;
    virtual void stop() = 0;
    // Stops and lets the output go; open() may be called again.
    virtual void close() = 0;
    // Playing, or run dry and not yet stopped.
    virtual bool isPlaying() const = 0;
    virtual bool isStopped() const = 0;
    // Microseconds of sound the output has taken since start().
    virtual qint64 processedUSecs() const = 0;
};

#define SoundOutput_iid "org.quarnel.Quarnel.SoundOutput/1"
Q_DECLARE_INTERFACE(SoundOutput, SoundOutput_iid)
