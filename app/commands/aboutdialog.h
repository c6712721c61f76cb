// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <utility>

class QLabel;
class QPlainTextEdit;

// About Quarnel: what it is and its version, the copyright and the licence
// (its text a click away), the home page and where to report bugs, who
// translated it into each language, and the Qt it runs on. An ordinary window
// of its own, as the help is: it neither blocks the main window nor stays above it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // Sized for the screen of `beside`, the main window.
    explicit AboutDialog(QWidget &beside);

    // The licence's whole text, as LICENSE has it.
    static QString licenceText();
    // Each language Quarnel speaks, by its own name, with its translators as
    // that language's translation file names them; in the order of the files.
    static QList<std::pair<QString, QString>> translators();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showIcon();
    void fitToText();

    QWidget &beside_;
    QLabel *icon_ = nullptr;
    QLabel *text_ = nullptr;
    QPlainTextEdit *licence_ = nullptr;
};
