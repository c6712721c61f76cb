// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "window/closerequest.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
}

} // namespace

CloseRequest::CloseRequest(QWidget &window, std::function<void()> closeRequested)
    : window_(window), closeRequested_(std::move(closeRequested))
{
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t *connection = x11 ? x11->connection() : nullptr) {
        protocols_ = atom(connection, "WM_PROTOCOLS");
        deleteWindow_ = atom(connection, "WM_DELETE_WINDOW");
        qApp->installNativeEventFilter(this);
    }
}

CloseRequest::~CloseRequest()
{
    if (protocols_)
        qApp->removeNativeEventFilter(this);
}

bool CloseRequest::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *client = static_cast<const xcb_client_message_event_t *>(message);
    const QWindow *shown = window_.windowHandle();
    if (client->type != protocols_ || client->data.data32[0] != deleteWindow_ || !shown
        || client->window != shown->winId() || !QApplication::activeModalWidget())
        return false;
    QTimer::singleShot(0, &window_, closeRequested_);
    return true;
}
