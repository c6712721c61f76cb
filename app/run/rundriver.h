// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "pacer.h"
#include "photonrandom.h"
#include "run.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>

class ScenePicture;
class Settings;

// How a run ended: after its last step, stopped early (Escape, the window
// closing), or at a setting it refused.
enum class RunEnd { Finished, Stopped, Refused };

// Carries out one run at a time on the event loop, a step per timer tick, so
// that the window paints and takes input as usual while the picture grows.
//
// Timing: the scene and the first point are drawn at once; each later point is
// plotted when the countdown after the one before it has run out, s steps
// lasting s × countdownStep. The moments are absolute, counted from the run's
// start, so a late tick plots every point whose moment has passed and the run
// keeps its nominal length. The picture is shown at most once per frame of the
// screen (ScenePicture::present()).
//
// Threading: the user-interface thread only.
class RunDriver : public QObject {
    Q_OBJECT
public:
    RunDriver(ScenePicture &picture, const Settings &settings, QObject *parent = nullptr);
    ~RunDriver() override;

    bool isRunning() const { return run_.has_value(); }
    // Starts a run with the settings as they are now; at once when no step has to
    // wait (a step of zero length), then it has ended when this returns.
    void start();
    // Ends the run where it stands; nothing if none goes on.
    void stop();
    // How long one countdown step lasts: countdownStep, or zero to run straight through.
    void setStepDuration(std::chrono::nanoseconds step) { step_ = step; }

signals:
    void started();
    // A point has been plotted: `count` of the run's points are in the picture.
    void pointPlotted(int count);
    // After the run's last step, or when it was left.
    void finished(RunEnd end);
    // Just before finished(RunEnd::Refused): the setting text that stopped the run, in words for the user.
    void refused(const QString &why);

private:
    using Clock = std::chrono::steady_clock;
    void advance();
    // Carries out a step of the run; a setting it refuses ends the run. Whether it went through.
    template <typename Step>
    bool attempt(Step step);
    void end(RunEnd how);

    ScenePicture &picture_;
    const Settings &settings_;
    PhotonRandom random_; // the one generator of the program's lifetime
    std::optional<Run> run_;
    int number_ = 0;        // of the current or last run, from 1
    Clock::time_point due_; // when the next step is due
    std::chrono::nanoseconds step_ = countdownStep;
    QTimer timer_;
};
