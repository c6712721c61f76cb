// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

class QPrinter;
class QTextBrowser;

// The help (helptext.h), in one window beside the main one (F1). It does not
// block the main window. Ctrl+P, or its Print button, prints it or saves it as
// a PDF file through Qt's print dialog, which opens without an event loop of
// its own: a run goes on behind it.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent);
    ~HelpWindow() override;

    // Takes the size it has at this zoom, within the screen's area for windows.
    // (Its text follows the zoom by itself: the program's default font does.)
    void fitToZoom(int percent);

    // Opens the print dialog, or brings the one open to the front.
    void askToPrint();
    // The whole help, page after page, on the printer (or into its PDF file).
    void print(QPrinter *printer) const;

private:
    QTextBrowser *text_ = nullptr;
    std::unique_ptr<QPrinter> printer_; // kept, with its choices, while the program runs
    QPointer<QDialog> printDialog_;
};
