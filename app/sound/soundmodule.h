// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtPlugin>
#include <memory>

class SoundOutput;

// The sound module's one object, made by QPluginLoader: it makes the outputs.
// The module (quarnel_sound, loaded on the first sound) keeps the multimedia
// libraries, some 25 of them with the sound server's client, out of a program
// never asked for sound: they are neither loaded nor paid for at start-up.
//
// The object is the library's, shared by every loader of it; it holds nothing,
// so that any thread may ask it for an output. The interface's number changes
// with SoundOutput's: a module of another number is not loaded.
class SoundModule {
public:
    virtual ~SoundModule() = default;
    // A new output, living on the calling thread and owned by the caller.
    virtual std::unique_ptr<SoundOutput> makeOutput() const = 0;
};

#define SoundModule_iid "org.quarnel.Quarnel.SoundModule/2"
Q_DECLARE_INTERFACE(SoundModule, SoundModule_iid)
