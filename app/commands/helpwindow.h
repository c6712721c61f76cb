// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// What the picture shows, what each control sets and the keys, in one window
// beside the main one (F1). It does not block the main window.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent);
};
