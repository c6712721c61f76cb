// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/wholefile.h"

#include "picture/savedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

bool writeWholeFile(const QString &path, const std::function<bool(QIODevice &)> &write, QString *error)
{
    // commit() alone can rename a file whose writing failed (a full disk):
    // what was written is checked first. A write that failed, at once or part
    // of the way, may leave only "Unknown error": the system's reason is errno.
    QSaveFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly);
    errno = 0;
    const bool written = opened && write(file);
    const int reason = opened && !written ? errno : 0;
    if (opened && file.flush() && written && file.error() == QFileDevice::NoError && file.commit())
        return true;
    if (error)
        *error = reason != 0 ? QString::fromLocal8Bit(std::strerror(reason)) : file.errorString();
    file.cancelWriting();
    return false;
}

bool writeWholeFileOrSay(QWidget *parent, const QString &path, const std::function<bool(QIODevice &)> &write,
                         const QString &failure)
{
    QString error;
    if (writeWholeFile(path, write, &error))
        return true;
    auto *box = new QMessageBox(QMessageBox::Warning, parent->windowTitle(),
                                failure.arg(QDir::toNativeSeparators(path), error), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return false;
}

QString privateFolder()
{
    // Named here: it may be made before the application has its name.
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quarnel-XXXXXX"));
    return folder.path();
}

void keepFileDialogHistoryPrivate()
{
    [[maybe_unused]] static const bool redirected = [] {
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, privateFolder());
        return true;
    }();
}

QFileDialog *saveWithDialog(QWidget *parent, const SaveDialogTexts &texts,
                            std::function<bool(QIODevice &)> write,
                            std::function<void(const QString &)> saved)
{
    keepFileDialogHistoryPrivate();
    const QString folder = QStandardPaths::writableLocation(texts.folder);
    auto *dialog = new SaveDialog(parent, texts.title, QDir(folder).filePath(texts.fileName), texts.filter,
                                  texts.suffix);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent,
                     [parent, suffix = texts.suffix, failure = texts.failure, write = std::move(write),
                      saved = std::move(saved)](QString path) {
                         if (!path.endsWith(suffix, Qt::CaseInsensitive))
                             path += suffix;
                         if (writeWholeFileOrSay(parent, path, write, failure) && saved)
                             saved(path);
                     });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}
