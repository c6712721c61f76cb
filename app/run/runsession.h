// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "run/rundriver.h"
#include "runreading.h"
#include "settings.h"

#include <QObject>
#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class ScenePicture;

// The program's runs and what is known of them, in one place: the settings the
// user has chosen, what waits for a run's end, the record of the run going on
// (or of the last one, as far as it got), the last two whole runs and the one
// reading of the last (its bands, their spacing near the axis, its dark
// places) that everything speaking of a run uses.
//
// The choice: each setting is the text its control last wrote (choose()), at
// once, during a run too; the controls show it, and the next run starts with
// exactly it, whatever changed it and however often. A run goes on with the
// settings it started with (a copy taken at its start, which its record keeps).
//
// What waits: Start and Exit during a run wait for its end and are then carried
// out in the order they came; a Start starts the next run with the choice as it
// then is, and what comes after it waits for that run. Escape (stopRun()) ends
// the run and drops every Start that waits. The window system's close request
// (close()) ends the run; nothing that waits is carried out any more.
//
// Threading: the user-interface thread only.
class RunSession : public QObject, public Settings {
    Q_OBJECT
public:
    explicit RunSession(ScenePicture &picture, QObject *parent = nullptr);
    ~RunSession() override;

    // Settings: the chosen text, which the next run starts with.
    QString text(Setting setting) const override;
    // A control's handler: the setting's text from now on.
    void choose(Setting setting, const QString &text);

    // Start: a run now, or when the run going on ends.
    void start();
    // Exit: `close` now, or when the runs that wait have ended.
    void exit(std::function<void()> close);
    // Escape: ends the run at once and drops every Start that waits.
    void stopRun();
    // The window closes: the run ends, nothing more is carried out.
    void close();

    RunDriver::State state() const { return driver_.state(); }
    bool isRunning() const { return driver_.isRunning(); }
    // How long one countdown step lasts: countdownStep, or zero to run straight through.
    void setStepDuration(std::chrono::nanoseconds step) { driver_.setStepDuration(step); }

    // The run going on, or the last one as far as it got (empty before the first).
    const RunRecord &currentRun() const { return current_; }
    // The last run that ended, whole or stopped, with its reading (empty before the first).
    const RunReading &lastRun() const { return last_; }
    // The last run that went to its end, and the one before it; nullptr while there is none.
    const RunReading *lastWholeRun() const { return whole_ ? &*whole_ : nullptr; }
    const RunReading *previousWholeRun() const { return previous_ ? &*previous_ : nullptr; }

signals:
    void started();
    // `count` of the run's points are in the picture.
    void pointPlotted(int count);
    // A slow run has plotted 1, 2 or 3 quarters of its points (RunDriver::progressed).
    void progressed(int quarters);
    // The run has ended (lastRun()), before what waited for it is carried out.
    void finished(RunEnd how, const RunReading &run);
    // Just before finished(RunEnd::Refused): why the run stopped, in words.
    void refused(const QString &why);
    // A setting's chosen text changed.
    void chosen(Setting setting, const QString &text);

private:
    class Recorder;
    void runEnded(RunEnd how);
    void startNow();

    std::unique_ptr<Recorder> recorder_; // keeps current_ and tells the picture
    RunDriver driver_;
    std::array<QString, 5> chosen_;       // by Setting
    std::optional<SettingTexts> running_; // the run's own copy of the choice
    RunRecord current_;
    RunReading last_;
    std::optional<RunReading> whole_;
    std::optional<RunReading> previous_;
    enum class Waiting { Start, Exit };
    std::deque<std::pair<Waiting, std::function<void()>>> waiting_;
};
