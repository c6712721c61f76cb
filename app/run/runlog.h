// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// The runs' log, on stderr, off unless asked for: QUARNEL_TRACE set to anything
// but "0" (or Qt's own rules, "quarnel.info=true") switches it on, so that a test
// driving the real window can tell that every run it started also ended. Runs
// are numbered from 1 within one launch:
//   quarnel: run 3 start, distance 200, spacing 15, frequency 2, mode 0, slow-down 1
//   quarnel: run 3 end
// or, for a run that was stopped before its last point or refused a setting,
//   quarnel: run 3 stopped
Q_DECLARE_LOGGING_CATEGORY(runLog)

// Applies QUARNEL_TRACE; call once, before the first run.
void enableRunLogFromEnvironment();
