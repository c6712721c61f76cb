#include "closerequest.h"

#include <X11/Xlib.h>

bool sendCloseRequest(const QString &display, unsigned long window)
{
    Display *x = XOpenDisplay(display.toLocal8Bit().constData());
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
    return sent != 0;
}
