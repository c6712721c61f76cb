// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class ExplorePlot;

// The screen line of the run the plot shows as the eye would see it: a narrow
// grey strip beside the plot, as tall as it and with its heights where the
// plot has them, so that band for band the two line up. Each row is as light
// as the plotted record of the point nearest its height makes it, scaled as
// the plot scales its curve: the record's largest value white, zero black.
// During a run it reaches as far as the run has come. A picture, not a
// control: it takes no focus.
class ScreenStrip : public QWidget {
    Q_OBJECT
public:
    // Beside `plot`, in the same layout row: the strip follows its run and its heights.
    ScreenStrip(const ExplorePlot &plot, QWidget *parent);

    void setZoom(int percent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ExplorePlot &plot_;
    int zoom_ = 100;
};
