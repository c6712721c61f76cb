// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runreading.h"

#include <QWidget>
#include <optional>
#include <vector>

class QPainter;
class RunRecord;

// The Explore window's plot: what each run plotted against the height above the
// optical axis (up the widget, as on the screen line), each curve scaled to its
// own maximum; the current run's fringe marks across it (bright solid, dark
// dotted, the small-angle formula's dashed on request) and the selected point.
// A click selects the point nearest its height.
class ExplorePlot : public QWidget {
    Q_OBJECT
public:
    struct Curve {
        const RunRecord *run;
        int line; // lines::style
    };

    explicit ExplorePlot(QWidget *parent);

    // The current run's curve first; the records must outlive the next call.
    void setCurves(std::vector<Curve> curves);
    void setMarks(std::vector<FringeMark> exact, std::vector<FringeMark> formula);
    void showFormula(bool shown);
    // The selected point's height above the axis, pixels; none while it is not plotted.
    void setSelected(std::optional<double> height);
    void setZoom(int percent);

    // The run the plot shows, whose curve is drawn over the kept ones; none before the first.
    const RunRecord *shownRun() const { return curves_.empty() ? nullptr : curves_.front().run; }
    // Where a height above the optical axis (pixels) lies on the widget, and back.
    double yOf(double height) const;
    double heightAt(double y) const;

    QSize sizeHint() const override;

signals:
    // The height of a click, in pixels above the optical axis.
    void heightClicked(double height);
    // The curves have been given again: the run shown may have grown or changed.
    void curvesChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // The size it asks for at the zoom.
    QSize zoomedSize() const;
    QRectF plotArea() const;
    void paintAxes(QPainter &painter, const QRectF &area);
    void paintMarks(QPainter &painter, const QRectF &area, const std::vector<FringeMark> &marks,
                    bool formula);
    void paintOrders(QPainter &painter, const QRectF &area);
    void paintCurves(QPainter &painter, const QRectF &area);
    void paintFrame(QPainter &painter, const QRectF &area);

    std::vector<Curve> curves_;
    std::vector<FringeMark> exact_;
    std::vector<FringeMark> formula_;
    bool formulaShown_ = false;
    std::optional<double> selected_;
    int zoom_ = 100;
};
