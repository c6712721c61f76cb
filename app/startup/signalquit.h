// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP end the program as quitting does, a dialog open or
// not, so that it removes what it made on its way (the folder of Qt's file
// dialog settings, wholefile.h) and exits with status 0. The handler only
// writes the signal to a pipe; the event loop reads it and quits. One, made
// once QApplication exists and kept while it runs.
class SignalQuit : public QObject {
    Q_OBJECT
public:
    SignalQuit();
    ~SignalQuit() override;

private:
    QSocketNotifier *notifier_ = nullptr;
};
