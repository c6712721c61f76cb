// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

// Makes the window usable from the keyboard and with a screen reader, beyond
// the names and descriptions its control table gives: the window is a frame
// named by its caption without the web address; the picture is a graphic whose
// description says what it shows; a label is showing only while the picture shows it; controls the
// user never sees are left out of the tree and send no events; the selected
// button of each option group is the group's tab stop, and the arrow keys move
// through a group; Enter presses the focused push button; the slow-down's name
// says its value. Call once, after the start-up selection.
void setUpAccessibility(QWidget &window);

// Marks a control busy (the picture while a run draws it), or no longer busy,
// and tells the screen reader.
void setBusy(QWidget &control, bool busy);

// Says the text to the screen reader at once, without moving the focus, through
// the window's Announcement (announcement.h says how).
void announce(QWidget &window, const QString &text);

// The interfaces above are made by a factory that must be in place before the
// window's first interface is asked for: call before the window's controls are made.
void installAccessibleInterfaces();

// A control the user never sees (a setting field, a hidden frame and its
// buttons, a label too low to show its caption): out of the tree, and its
// changes are not announced.
void markNeverShown(QWidget &control);
