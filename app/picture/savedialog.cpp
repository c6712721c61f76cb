// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/savedialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

SaveDialog::SaveDialog(QWidget *parent, const QString &title, const QString &path, const QString &filter,
                       const QString &suffix)
    : QFileDialog(parent, title, path, filter), suffix_(suffix)
{
    setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without the suffix gets it before the dialog looks for a
    // file to replace, so that it asks before replacing "name.png" too.
    setDefaultSuffix(suffix.mid(1));
}

void SaveDialog::accept()
{
    // Qt's own reading is kept for a folder to open, a pattern to filter by, and
    // a name that already ends in the suffix; Qt adds no suffix to a name with
    // another ending ("a.b"), so it would ask about "a.b" and "a.b.png" be saved.
    const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    const QString typed = edit ? edit->text() : QString();
    QString path = directory().absoluteFilePath(typed);
    const bool quoted = typed.contains(QLatin1Char('"'));
    if (quoted && QFileInfo(path).isDir()) {
        setDirectory(path);
        return;
    }
    if (typed.isEmpty() || QFileInfo(path).isDir()
        || (!quoted && (typed.contains(QLatin1Char('*')) || path.endsWith(suffix_, Qt::CaseInsensitive)))) {
        QFileDialog::accept();
        return;
    }
    if (!path.endsWith(suffix_, Qt::CaseInsensitive))
        path += suffix_;
    const QFileInfo file(path);
    if (!file.exists() || testOption(DontConfirmOverwrite)) {
        choose(path);
        return;
    }
    auto *box = new QMessageBox(
        QMessageBox::Warning, windowTitle(),
        //: Qt's text: the save dialog asks before replacing a file; %1 is its name.
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
            .arg(file.fileName()),
        QMessageBox::Yes | QMessageBox::No, this);
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::buttonClicked, this, [this, box, path](QAbstractButton *button) {
        if (box->standardButton(button) == QMessageBox::Yes)
            choose(path);
    });
    box->open();
}

void SaveDialog::choose(const QString &path)
{
    emit filesSelected({path});
    emit fileSelected(path);
    done(Accepted); // as QDialog::accept does, without QFileDialog's reading of the name
}
