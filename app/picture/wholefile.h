// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

class QIODevice;

// Writes a file whole or not at all: `write` fills a temporary file beside
// `path`, which replaces the file there only once everything is written and
// flushed. Nothing is left behind when `write` says it could not, or a write
// failed (a full disk); then *error says why.
bool writeWholeFile(const QString &path, const std::function<bool(QIODevice &)> &write, QString *error);

// Qt's file dialog keeps the folders it visited among the user's settings
// (QtProject.conf). Quarnel keeps nothing between launches: call this before
// opening a file dialog, and its settings go to a folder of this process's own,
// removed when it ends.
void keepFileDialogHistoryPrivate();
