// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

// The window system's close request for a window that a modal dialog blocks
// (the Save dialog, a message box): Qt drops it, so the title bar's
// close button would do nothing while a dialog is open. On X11 this filter
// takes the request (a WM_DELETE_WINDOW client message) before Qt drops it,
// and calls `closeRequested` instead. Elsewhere it does nothing.
class CloseRequest : public QAbstractNativeEventFilter {
public:
    CloseRequest(QWidget &window, std::function<void()> closeRequested);
    ~CloseRequest() override;
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QWidget &window_;
    std::function<void()> closeRequested_;
    unsigned int protocols_ = 0; // the atoms WM_PROTOCOLS and WM_DELETE_WINDOW, 0 off X11
    unsigned int deleteWindow_ = 0;
};
