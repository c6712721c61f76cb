// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The help's part for the teacher, and the pupils' worksheet, each one HTML
// document in the user's language, made from the lesson's activities
// (activities.h) with the numbers their runs give.

// The learning goals, each activity's answer, the misconceptions the activities
// confront and a word on the pattern Light.
QString teacherHtml();
// Each activity's settings and question with room to write the prediction, what
// the run showed and why: no answers, to hand out.
QString worksheetHtml();
