// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Asks a top-level window to close the way a window manager's close button
// does: a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW, sent to the
// window itself. Tests need it because Xvfb runs no window manager: xdotool's
// windowclose destroys the window outright, and nobody there acts on a
// _NET_CLOSE_WINDOW request (wmctrl -c). False when the display cannot be
// opened or the message cannot be sent.
bool sendCloseRequest(const QString &display, unsigned long window);

// Sends the window a _NET_WM_PING, as a window manager does to find a hung
// program, and waits for the answer, which only a program whose event loop
// runs sends back. False when no answer came within the time.
bool answersPing(const QString &display, unsigned long window, int timeoutMs);
