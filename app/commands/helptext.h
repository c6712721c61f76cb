// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The help as one HTML document in the user's language: what the picture shows,
// the physics in a school's words, the three patterns, what the model leaves
// out, the lesson's activities (activities.h) as questions, their answers left
// to the teacher's part, every key, the pattern as sound and Explore's keys. Each paragraph, list item and
// table cell is a translation unit of its own, so that an edit to one leaves the
// others translated; the captions, key names and numbers in it are the window's,
// Qt's and the physics', put in as placeholders.
QString helpHtml();
