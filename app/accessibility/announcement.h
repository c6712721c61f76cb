// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class QAccessibleInterface;

// Says a short message to the screen reader without moving the focus (the end of
// a run). Qt 6.4 has no announcement event and no way to mark a live region (an
// object's attributes came with Qt 6.8), and Orca 43 reads live regions only in
// web pages; what it does speak of an object that is not focused is a
// notification that shows. So the message is the name of an object in the
// notification role, which shows again, with its new name, for each message;
// Orca says "notification" and the name. (announcement.cpp lists what was tried.)
class Announcement : public QObject {
    Q_OBJECT
public:
    explicit Announcement(QObject *window);

    void say(const QString &text);
    QString text() const { return text_; }

signals:
    // Each message, as the screen reader is given it.
    void said(const QString &text);

private:
    QString text_;
};

// The interface of an Announcement, made by the window's accessibility factory.
QAccessibleInterface *announcementInterface(Announcement *announcement);
