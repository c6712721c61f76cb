// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

// A captioned group as it was laid out: an etched border whose top line runs
// through the middle of the caption, the caption a little in from the left on
// the frame's own background, and inside it the window's silver. The widget
// style would put the caption above the border, which then crosses the first
// option of each frame.
class FrameBox : public QGroupBox {
    Q_OBJECT
public:
    FrameBox(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
