// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

class Announcement;
class QButtonGroup;
class QPrinter;
class QTextBrowser;
class QUrl;

// The help (helptext.h), in one window beside the main one (F1), with its part
// for the teacher and the pupils' worksheet (teachertext.h): the buttons at its
// top, or the help's links, show each. An ordinary window of its own, not the
// main window's: it does not block the main window, nor stay above it.
// Ctrl+P, or its Print button, prints the part shown or saves it as a PDF file
// through Qt's print dialog, which opens without an event loop of its own: a
// run goes on behind it. The text has a caret, so that a screen reader reads it
// line by line; H and Shift+H move it from heading to heading.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    enum Part { Help, Teacher, Worksheet };

    // Sized for the screen of `beside`, the main window.
    explicit HelpWindow(QWidget &beside);
    ~HelpWindow() override;

    // Shows the part, its button pressed, from its top.
    void showPart(Part part);
    Part shownPart() const { return shown_; }

    // Takes the size it has at this zoom, within the screen's area for windows.
    // (Its text follows the zoom by itself: the program's default font does.)
    void fitToZoom(int percent);

    // Opens the print dialog, or brings the one open to the front.
    void askToPrint();
    // The whole part shown, page after page, on the printer, or into its PDF
    // file written whole or not at all (then a message box says why).
    void print(QPrinter *printer);

protected:
    // F5 reloads a text browser's page: here it is the program's Start key.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followLink(const QUrl &url);
    // The caret to the start of the next (or the previous) heading, if there is one.
    void moveToHeading(bool forward);

    QWidget &beside_;
    QTextBrowser *text_ = nullptr;
    Announcement *headingSaid_ = nullptr; // the heading H or Shift+H comes to
    QButtonGroup *parts_ = nullptr;
    Part shown_ = Help;
    std::unique_ptr<QPrinter> printer_; // kept, with its choices, while the program runs
    QPointer<QDialog> printDialog_;
};
