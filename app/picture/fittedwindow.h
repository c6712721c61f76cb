// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLayout;
class QScrollArea;

// A window of the program's that stands beside the main one (Explore, the real
// experiment) and follows its zoom: sized for everything it shows, frame and
// all, as far as the screen's area for windows allows (windowplace). What does
// not fit scrolls inside it, the buttons under it stay on the screen, and it
// can be made smaller by hand. The first time it shows it goes beside the main
// window; after that it stays where the teacher leaves it, on the screen.
class FittedWindow : public QDialog {
    Q_OBJECT
public:
    // Beside `beside`, the main window; `parent` none for a window of its own.
    explicit FittedWindow(QWidget &beside, QWidget *parent = nullptr);

protected:
    // Once, from the window's constructor: `content` scrolls, `buttons` stay under it.
    void setContent(QWidget *content, QLayout *buttons);
    QScrollArea *scrollArea() const { return scroll_; }
    QWidget &beside() const { return beside_; }
    // Sized afresh for what it shows (after a zoom), as far as the screen allows.
    void fitToScreen();
    void showEvent(QShowEvent *event) override;

private:
    // Everything shown without scrolling, frame and all, as far as the screen allows.
    QSize wantedSize() const;

    QWidget &beside_;
    QScrollArea *scroll_ = nullptr;
    QLayout *buttons_ = nullptr;
    bool placed_ = false;
};
