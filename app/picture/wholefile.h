// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStandardPaths>
#include <QString>
#include <functional>

class QFileDialog;
class QIODevice;
class QWidget;

// Writes a file whole or not at all: `write` fills a temporary file beside
// `path`, which replaces the file there only once everything is written and
// flushed. Nothing is left behind when `write` says it could not, or a write
// failed (a full disk); then *error says why.
bool writeWholeFile(const QString &path, const std::function<bool(QIODevice &)> &write, QString *error);

// writeWholeFile, and on failure a message box over `parent` that says
// `failure` (%1 the file, %2 the system's reason). Returns whether it wrote.
bool writeWholeFileOrSay(QWidget *parent, const QString &path, const std::function<bool(QIODevice &)> &write,
                         const QString &failure);

// A folder of this process's own in the temporary folder, made on the first
// call and removed when the program ends (also on a signal: signalquit.h).
QString privateFolder();

// Qt's file dialog keeps the folders it visited among the user's settings
// (QtProject.conf). Quarnel keeps nothing between launches: call this before
// opening a file dialog, and its settings go to privateFolder().
void keepFileDialogHistoryPrivate();

// What a save dialog says: its title, the name it offers in `folder`, its file
// type ("PNG images (*.png)"), the suffix a chosen name gets when it does not
// end in it (".png"), and the message when the file cannot be written (%1 the
// file, %2 the system's reason).
struct SaveDialogTexts {
    QStandardPaths::StandardLocation folder;
    QString title;
    QString fileName;
    QString filter;
    QString suffix;
    QString failure;
};

// Opens a save dialog over `parent`, modal to it without an event loop of its
// own (a run goes on behind it), and writes the chosen file whole with
// writeWholeFileOrSay and `write`; once written, `saved` is told the file's
// path. A typed name is taken as it is, double quotes included (savedialog.h).
// Returns the dialog, deleted when it closes.
QFileDialog *saveWithDialog(QWidget *parent, const SaveDialogTexts &texts,
                            std::function<bool(QIODevice &)> write,
                            std::function<void(const QString &)> saved = {});
