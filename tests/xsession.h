// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QStringList>

// A private X server (Xvfb) for end-to-end tests, with real input through
// xdotool and screenshots through ImageMagick. Without a window manager a
// window opens at (0, 0) and its client area is the window itself.
class XSession {
public:
    // A screen of this many pixels (a classroom projector's 1024 x 768 unless
    // told) at this colour depth.
    explicit XSession(int depth = 24, QSize screen = QSize(1024, 768));
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Empty when the server could not start; why() then says what is missing.
    bool isReady() const { return !display_.isEmpty(); }
    QString why() const { return why_; }
    QString display() const { return display_; }
    QProcessEnvironment environment() const;

    // Real input: a left click at a screen position, keys by X keysym name.
    void click(QPoint at);
    void key(const QString &keysym);
    bool xdotool(const QStringList &arguments, QString *output = nullptr);

    QImage screenshot();

    // Whether every tool the session needs is installed.
    static QString missingTools();

private:
    QProcess server_;
    QString display_;
    QString why_;
};
