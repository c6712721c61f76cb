// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/savedialog.h"

#include <QCoreApplication>
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
    const auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!edit || !edit->text().contains(QLatin1Char('"'))) {
        QFileDialog::accept();
        return;
    }
    QString path = directory().absoluteFilePath(edit->text());
    if (!path.endsWith(suffix_, Qt::CaseInsensitive))
        path += suffix_;
    const QFileInfo file(path);
    if (file.isDir()) {
        setDirectory(path);
        return;
    }
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
