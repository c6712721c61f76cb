// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <functional>

class QIODevice;

// One sound's way to the desktop's sound output, for 16-bit mono samples, made
// afresh for each sound by the sound module (sound/soundmodule.h): one reused
// falls silent after a few plays.
//
// Lives on the thread that made it (PatternPlayer's sound thread) and is called
// from that thread only; the callbacks come on it too. open(), start(), stop()
// and the destructor may wait on the sound server, for as long as it takes to
// answer: never call them from the user-interface thread.
class SoundOutput {
public:
    // Stops the sound and lets the output go.
    virtual ~SoundOutput() = default;
    // Opens the default output for samples at `sampleRate` per second, with a
    // buffer of `bufferMs` (0: the server's own); false if there is no sound
    // server or no device, or it refuses the format. `playedOut` is called when
    // the source has run dry, `stopped` whenever the output stops.
    virtual bool open(int sampleRate, int bufferMs, std::function<void()> playedOut,
                      std::function<void()> stopped) = 0;
    // Plays `source` (open for reading) from where it stands; false if the output failed.
    virtual bool start(QIODevice *source) = 0;
    virtual void stop() = 0;
    // Microseconds of sound the output has taken since start().
    virtual qint64 processedUSecs() const = 0;
};
