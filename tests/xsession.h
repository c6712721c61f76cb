#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <memory>

// A private X server (Xvfb) for end-to-end tests, with real input through
// xdotool and screenshots through ImageMagick. Without a window manager a
// window opens at (0, 0) and its client area is the window itself.
class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Empty when the server could not start; why() then says what is missing.
    bool isReady() const { return !display_.isEmpty(); }
    QString why() const { return why_; }
    QString display() const { return display_; }
    QProcessEnvironment environment() const;

    // Starts a program on this display; it is killed when the session ends.
    QProcess *launch(const QString &program, const QStringList &arguments = {});
    // Waits until a window with this exact title is mapped; its geometry on the screen.
    QRect waitForWindow(const QString &title, int timeoutMs = 10000);

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
    std::vector<std::unique_ptr<QProcess>> programs_;
};
