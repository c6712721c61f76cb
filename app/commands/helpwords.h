// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "choices.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLocale>
#include <QString>

// The words and numbers the help, the teacher's part and the worksheet share:
// the window's captions as the window shows them, numbers as the translation
// writes them, key names as the menus show them, and the HTML they are set in.
namespace helpwords {
// The texts of the help's documents, translated in the context "HelpWindow".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(HelpWindow)
};

// The settings a run starts with, as the window opens: the slit spacing, the
// distance, the frequency, the pattern and the slow-down, by their options' names.
inline constexpr const char *startOptions[] = {"op60", "opDc200", "op2", "opSvětlo", "opRychlá"};

// A window's caption, translated as the window shows it.
QString window(const char *caption);
// An option's caption as it is read: translated, without soft hyphens.
QString option(const Choice &choice);
// The locale the numbers are written in: the translation's own.
QLocale numbers();
QString number(double value, int decimals = 1);
QString whole(double value);
// Key names as Qt writes them in the user's language, as the menus show them.
QString keys(const QList<QKeySequence> &sequences);

// The help window's documents, as their buttons, titles and links name them.
QString helpTitle();
QString teacherTitle();
QString worksheetTitle();
// The links that lead from one of them to another.
inline constexpr char teacherLink[] = "quarnel:teacher";
inline constexpr char worksheetLink[] = "quarnel:worksheet";
QString link(const char *target, const QString &text);

QString heading(const QString &text);
QString paragraph(const QString &text);
QString item(const QString &text);
} // namespace helpwords
