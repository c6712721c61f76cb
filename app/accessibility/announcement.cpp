// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/announcement.h"

#include <QAccessible>
#include <QAccessibleObject>

namespace {
// A notification named by the message; no children. Its parent is the window,
// which does not list it: it is never reached by moving through the window,
// only heard when it shows.
class AnnouncementInterface : public QAccessibleObject {
public:
    explicit AnnouncementInterface(Announcement *announcement) : QAccessibleObject(announcement) {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const Announcement *>(object())->text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; } // showing, enabled
};
} // namespace

Announcement::Announcement(QObject *window) : QObject(window)
{
    setObjectName(QStringLiteral("announcement"));
}

void Announcement::say(const QString &text)
{
    text_ = text;
    // Orca 43 speaks a notification when it shows ("object:state-changed:showing"),
    // whatever has the focus. What it does not speak, tried: a name change of a
    // notification or a status bar (only the focused object's are read), an alert
    // that shows (read only when a dialog opens), and a name or description change
    // of the focused control (Qt 6.4 sends the object instead of the new text).
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit said(text);
}

QAccessibleInterface *announcementInterface(Announcement *announcement)
{
    return new AnnouncementInterface(announcement);
}
