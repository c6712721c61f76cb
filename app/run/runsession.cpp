// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "run/runsession.h"

#include "picture/scenepicture.h"

#include <algorithm>

// What the run reports goes into the record, and the cleared scene to the
// picture, which then forgets what it need not draw again.
class RunSession::Recorder : public RunObserver {
public:
    Recorder(RunRecord &record, ScenePicture &picture) : record_(record), picture_(picture) {}
    void sceneDrawn(const SceneGeometry &geometry) override
    {
        record_.sceneDrawn(geometry);
        picture_.sceneCleared();
    }
    void runSetUp(const Settings &settings, double waveNumber) override
    {
        record_.runSetUp(settings, waveNumber);
    }
    void pointPlotted(const ScanPoint &point) override { record_.pointPlotted(point); }

private:
    RunRecord &record_;
    ScenePicture &picture_;
};

RunSession::RunSession(ScenePicture &picture, QObject *parent)
    : QObject(parent), recorder_(std::make_unique<Recorder>(current_, picture)), driver_(picture)
{
    connect(&driver_, &RunDriver::started, this, &RunSession::started);
    connect(&driver_, &RunDriver::pointPlotted, this, &RunSession::pointPlotted);
    connect(&driver_, &RunDriver::progressed, this, &RunSession::progressed);
    connect(&driver_, &RunDriver::refused, this, &RunSession::refused);
    connect(&driver_, &RunDriver::finished, this, &RunSession::runEnded);
}

RunSession::~RunSession() = default;

QString RunSession::text(Setting setting) const { return chosen_[std::size_t(setting)]; }

void RunSession::choose(Setting setting, const QString &text)
{
    QString &held = chosen_[std::size_t(setting)];
    if (held == text)
        return;
    held = text;
    emit chosen(setting, text);
}

void RunSession::start()
{
    if (state() == RunDriver::State::Idle)
        startNow();
    else if (state() == RunDriver::State::Running)
        waiting_.emplace_back(Waiting::Start, nullptr);
}

void RunSession::startNow()
{
    running_.emplace(*this);
    driver_.start(*running_, *recorder_);
}

void RunSession::exit(std::function<void()> close)
{
    if (state() == RunDriver::State::Idle)
        close();
    else if (state() == RunDriver::State::Running)
        waiting_.emplace_back(Waiting::Exit, std::move(close));
}

void RunSession::stopRun()
{
    std::erase_if(waiting_, [](const auto &w) { return w.first == Waiting::Start; });
    driver_.stopRun();
}

void RunSession::close()
{
    waiting_.clear();
    driver_.close();
}

void RunSession::runEnded(RunEnd how)
{
    last_ = RunReading(current_);
    if (how == RunEnd::Finished) {
        previous_ = std::move(whole_);
        whole_ = last_;
    }
    emit finished(how, last_);
    // One at a time: a Start begins a run, and what comes after it waits for that run.
    while (state() == RunDriver::State::Idle && !waiting_.empty()) {
        auto [what, close] = std::move(waiting_.front());
        waiting_.pop_front();
        if (what == Waiting::Start)
            startNow();
        else
            close();
    }
}
