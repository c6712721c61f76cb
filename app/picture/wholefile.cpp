// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/wholefile.h"

#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

bool writeWholeFile(const QString &path, const std::function<bool(QIODevice &)> &write, QString *error)
{
    // commit() alone can rename a file whose writing failed (a full disk):
    // what was written is checked first.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.flush() && file.error() == QFileDevice::NoError
        && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

void keepFileDialogHistoryPrivate()
{
    static QTemporaryDir folder;
    static const bool redirected = [] {
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, folder.path());
        return true;
    }();
    Q_UNUSED(redirected);
}
