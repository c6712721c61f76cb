// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "explore/keptruns.h"
#include "picture/fittedwindow.h"
#include "runreading.h"
#include "scenegeometry.h"

#include <QPointer>
#include <QTimer>
#include <vector>

class QCheckBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTableView;
class QAbstractItemModel;
class QBoxLayout;
class QLayout;
class ExplorePlot;
class ScreenStrip;
class OrdersModel;
class PointReadouts;
class PointOverlay;
class RunSession;
class RunRecord;
class ScenePicture;
class WindowZoom;

// The Explore window, a window of its own beside the main one: one point of the last run (or of the
// current one, as it grows) selected at a time, with its numbers as the run
// worked them out; the run's plot with its fringe marks, exact and from the
// small-angle formula; up to four kept runs beside it; and the run's table for a
// spreadsheet. It only reads the run's record: a run goes on unchanged and
// unslowed while it is open, and nothing here waits for anything.
//
// Keys: Up and Down select the next point up or down, Page Up and Page Down move
// twenty points, Home and End go to the first and last point; N and Shift+N
// select the next bright and dark point, and a screen reader says its reading;
// R says the selected point's height and brightness; Ctrl+S saves the table.
// A point selected by a key or a click sounds for a moment (toneWanted()),
// unless the check box for the tones is cleared. In the point's readouts, one
// Tab from the point box, Up and Down go from line to line. A click in the plot selects the point at
// that height. The program's keys for every window (F1, H, Escape, Ctrl+E, the
// zoom, Ctrl+Q) are the main window's, installed here.
class ExploreWindow : public FittedWindow {
    Q_OBJECT
public:
    // Placed beside `beside`, the main window, on its screen.
    ExploreWindow(const RunSession &session, ScenePicture &picture, WindowZoom &zoom, QWidget &beside);
    ~ExploreWindow() override;

    // The selected point, 1 … 399 in scan order (bottom to top).
    int selectedPoint() const { return selected_; }
    void selectPoint(int point);
    // Keeps the last whole run for comparing.
    void keepRun();
    const KeptRuns &keptRuns() const { return *kept_; }
    // The run's table, to the clipboard or a file chosen in a dialog.
    void copyTable();
    void saveTableAs();

signals:
    // The pupil has selected point `point` of `run`, whose bands are `bands`,
    // and the tones are on: its tone is wanted. The records are valid during the call.
    void toneWanted(const RunRecord &run, const BandReading &bands, int point);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QLayout *buildPointChooser();
    // The point tones' check box, and R.
    QWidget *buildTones();
    QLayout *buildPlotColumn();
    QWidget *buildBandsGroup();
    QWidget *buildRunsGroup();
    QBoxLayout *buildButtons();
    QTableView *addTable(QAbstractItemModel *model, const char *objectName, const QString &name);
    void applyZoom(int percent);
    const RunRecord &run() const;
    // Whether run() is the session's last whole run, rather than one going on or stopped.
    bool wholeRun() const;
    // The bands of run() as a pupil counts them on its plot: the session's own
    // reading of a whole run, or read here from one that grows or was stopped.
    const BandReading &runBands() const;
    bool hasPoint(int point) const;
    // The pupil's choice of a point (a key, a click, the box, the slider): selected, and heard.
    void choosePoint(int point);
    // R: the selected point's height on the screen line and its brightness, said.
    void sayPoint();
    // What the readouts show while the selected point has nothing to show.
    QString nothingToShow() const;
    // Up, Down, the pages, Home and End select another point; false for any other key.
    bool stepPoint(const QKeyEvent &key);
    // The keys this window's fields take for themselves or pass on (eventFilter); true if taken.
    bool takesKey(QObject *watched, QKeyEvent *key);
    void nextExtreme(bool bright);
    // Says the text to a screen reader, wherever the focus is.
    void say(const QString &text);
    // Everything from the record as it is now.
    void refresh();
    void showReadings();
    void showBands();
    void showRuns();
    void describePlot();
    void placeOverlay();

    const RunSession &session_;
    KeptRuns *kept_ = nullptr;
    OrdersModel *orders_ = nullptr;
    int selected_ = 0;
    QTimer refreshTimer_; // during a run, what came is shown at most this often
    SceneGeometry marksGeometry_;
    double marksWaveNumber_ = -1; // the run the marks were solved for
    std::vector<FringeMark> exact_;
    std::vector<FringeMark> formula_;
    BandReading partialBands_; // run()'s while it is not whole

    QLabel *status_ = nullptr;
    QSpinBox *pointBox_ = nullptr;
    QSlider *pointSlider_ = nullptr;
    ExplorePlot *plot_ = nullptr;
    ScreenStrip *strip_ = nullptr;
    QCheckBox *showFormula_ = nullptr;
    QCheckBox *tones_ = nullptr;
    PointReadouts *readouts_ = nullptr;
    QLineEdit *spacing_ = nullptr;
    QTableView *ordersTable_ = nullptr;
    QPushButton *keep_ = nullptr;
    QTableView *runsTable_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *copy_ = nullptr;
    QPointer<PointOverlay> overlay_;
    QPointer<QFileDialog> saveDialog_;
};
