// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "settings.h"

#include <QString>
#include <vector>

// One activity of a lesson with the picture: the settings of its runs, the
// prediction it asks for and the answer. Each activity names every group's
// option for its first run, so that it never depends on what an earlier one
// left, and a second run names only what changes from the first. The numbers
// in an answer are the program's own: the runs are performed when the text is
// made, and their bands read as the Explore window reads them.
struct Activity {
    // In the lesson's order.
    enum Id {
        NoSecondPath,
        SlitsApart,
        ScreenFarther,
        LongerWavelength,
        PhotonByPhoton,
        FormulaFails,
        WholeWavelengths,
        OneBand,
        MeasureWavelength
    };
    Id id;
    QString title;
    std::vector<SettingTexts>
        runs;         // each run's settings, as the activity has them chosen; none in the real experiment
    QString settings; // HTML: the options to choose for each run
    QString question; // HTML: the prediction asked for
    QString answer;   // HTML: what the runs show, and why
};

// The lesson's activities in order, in the user's language.
std::vector<Activity> lessonActivities();
// Where an activity stands in the lesson, 1 for the first.
int activityNumber(Activity::Id id);
