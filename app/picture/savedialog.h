// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>

// A save dialog that takes a typed name as it is. Qt's own reads a name with
// double quotes in it as a list of names ("a" "b") and saves under one of them,
// in the folder shown, and it adds no suffix to a name with another ending
// ("a.b"): here the whole name, quotes included, is the file, with `suffix`
// (".png") added when it does not end in it, and the dialog asks before
// replacing that file unless told not to (DontConfirmOverwrite).
class SaveDialog : public QFileDialog {
    Q_OBJECT
public:
    SaveDialog(QWidget *parent, const QString &title, const QString &path, const QString &filter,
               const QString &suffix);

    void accept() override;

private:
    void choose(const QString &path);

    QString suffix_;
};
