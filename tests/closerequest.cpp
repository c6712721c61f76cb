// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "closerequest.h"

#include <QElapsedTimer>
#include <QThread>

#include <X11/Xlib.h>

namespace {
// A window gone meanwhile is no reason to end this process, as Xlib's own handler would.
bool failed = false;
int noteError(Display *, XErrorEvent *)
{
    failed = true;
    return 0;
}

// The display, with errors noted instead of ending this process.
Display *open(const QString &display)
{
    XSetErrorHandler(noteError);
    failed = false;
    return XOpenDisplay(display.toLocal8Bit().constData());
}
} // namespace

bool sendCloseRequest(const QString &display, unsigned long window)
{
    Display *x = open(display);
    if (!x)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(x, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(x, window, False, NoEventMask, &event);
    XSync(x, False);
    XCloseDisplay(x);
    return sent != 0 && !failed;
}

bool answersPing(const QString &display, unsigned long window, int timeoutMs)
{
    Display *x = open(display);
    if (!x)
        return false;
    const Window root = DefaultRootWindow(x);
    // The answer goes to the root window, to clients watching its structure.
    XSelectInput(x, root, StructureNotifyMask);
    const Atom protocols = XInternAtom(x, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(x, "_NET_WM_PING", False);
    const long stamp = 0x5a5a;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(ping);
    event.xclient.data.l[1] = stamp;
    event.xclient.data.l[2] = long(window);
    XSendEvent(x, window, False, NoEventMask, &event);
    XSync(x, False);
    bool answered = false;
    if (failed)
        timeoutMs = 0;
    QElapsedTimer clock;
    clock.start();
    while (!answered && clock.elapsed() < timeoutMs) {
        if (!XPending(x)) {
            QThread::msleep(10);
            continue;
        }
        XEvent reply;
        XNextEvent(x, &reply);
        answered = reply.type == ClientMessage && reply.xclient.message_type == protocols
            && Atom(reply.xclient.data.l[0]) == ping && reply.xclient.data.l[1] == stamp
            && reply.xclient.data.l[2] == long(window);
    }
    XCloseDisplay(x);
    return answered;
}
