// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/explorewindow.h"

#include "accessibility/accessibility.h"
#include "explore/decimals.h"
#include "explore/exploreplot.h"
#include "explore/ordersmodel.h"
#include "explore/pointoverlay.h"
#include "explore/pointreadouts.h"
#include "explore/runtable.h"
#include "explore/screenstrip.h"
#include "patternsound.h"
#include "picture/scenepicture.h"
#include "picture/wholefile.h"
#include "picture/windowzoom.h"
#include "run/runsession.h"
#include "runrecord.h"
#include "scan.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
// While a run goes on, what it has added is shown at most this often.
constexpr int refreshMilliseconds = 40;
constexpr int pageStep = 20;
constexpr int axisPoint = 200; // level with the optical axis

// The plot and the phasors are pictures to a screen reader, described in words.
QAccessibleInterface *graphicFor(const QString &className, QObject *object)
{
    if (object && object->isWidgetType()
        && (className == QLatin1String("ExplorePlot") || className == QLatin1String("PhasorView")
            || className == QLatin1String("ScreenStrip")))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

using decimals::fixed;
} // namespace

ExploreWindow::ExploreWindow(const RunSession &session, ScenePicture &picture, WindowZoom &zoom,
                             QWidget &beside)
    : FittedWindow(beside), session_(session)
{
    [[maybe_unused]] static const bool graphics = [] {
        QAccessible::installFactory(graphicFor);
        return true;
    }();
    setObjectName(QStringLiteral("exploreWindow"));
    //: The title of the window that inspects the last run point by point (Ctrl+E).
    setWindowTitle(tr("Explore a run"));
    // A window of its own, which the teacher may put behind the main one; it
    // does not keep the program going once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The keys it would scroll by select points (takesKey).
    scrollArea()->installEventFilter(this);
    auto *content = new QWidget(scrollArea());
    auto *top = new QVBoxLayout(content);
    top->setContentsMargins(QMargins());
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("exploreStatus"));
    status_->setWordWrap(true);
    top->addWidget(status_);
    top->addLayout(buildPointChooser());
    // The plot at the left; the point's readouts, the bands and the orders at the right.
    auto *columns = new QHBoxLayout;
    top->addLayout(columns, 1);
    columns->addLayout(buildPlotColumn(), 1);
    auto *right = new QVBoxLayout;
    columns->addLayout(right, 2);
    readouts_ = new PointReadouts(this, this);
    right->addWidget(readouts_);
    setTabOrder(pointBox_, readouts_->list()); // the point's readouts one Tab from its number
    right->addWidget(buildBandsGroup(), 1);
    top->addWidget(buildRunsGroup());
    setContent(content, buildButtons());

    overlay_ = new PointOverlay(picture);
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(refreshMilliseconds);
    connect(&refreshTimer_, &QTimer::timeout, this, &ExploreWindow::refresh);
    const auto soon = [this] {
        if (!refreshTimer_.isActive())
            refreshTimer_.start();
    };
    connect(&session, &RunSession::started, this, soon);
    connect(&session, &RunSession::pointPlotted, this, soon);
    connect(&session, &RunSession::finished, this, &ExploreWindow::refresh);
    connect(&zoom, &WindowZoom::zoomChanged, this, &ExploreWindow::applyZoom);
    applyZoom(zoom.percent());
    selectPoint(axisPoint);
}

ExploreWindow::~ExploreWindow() { delete overlay_; }

QLayout *ExploreWindow::buildPointChooser()
{
    // The point: a number to type, a slider to move, the next bright or dark one.
    auto *chooser = new QHBoxLayout;
    //: The label of the box that selects one of the screen line's 399 points; & marks the access key.
    auto *pointLabel = new QLabel(tr("&Point:"), this);
    pointBox_ = new QSpinBox(this);
    pointBox_->setObjectName(QStringLiteral("pointBox"));
    pointBox_->setRange(1, scan::pointCount);
    //: The accessible name of the point box, and the title of the group of readouts for that point.
    pointBox_->setAccessibleName(tr("Selected point"));
    //: The point box, for a screen reader: %1 is the number of points (399), %2 how many points Page Up and Page Down move.
    pointBox_->setAccessibleDescription(tr("The point of the screen line, 1 at the bottom to %1 at the top; "
                                           "Page Up and Page Down move %2 points")
                                            .arg(scan::pointCount)
                                            .arg(pageStep));
    pointBox_->installEventFilter(this);
    pointLabel->setBuddy(pointBox_);
    pointSlider_ = new QSlider(Qt::Horizontal, this);
    pointSlider_->setObjectName(QStringLiteral("pointSlider"));
    pointSlider_->setRange(1, scan::pointCount);
    pointSlider_->setPageStep(pageStep);
    //: The accessible name of the slider that selects the same point as the point box.
    pointSlider_->setAccessibleName(tr("Point on the screen line"));
    connect(pointBox_, &QSpinBox::valueChanged, this, &ExploreWindow::choosePoint);
    connect(pointSlider_, &QSlider::valueChanged, this, &ExploreWindow::choosePoint);
    auto *nextBright = new QAction(this);
    nextBright->setObjectName(QStringLiteral("nextBright"));
    nextBright->setShortcut(QKeySequence(Qt::Key_N));
    connect(nextBright, &QAction::triggered, this, [this] { nextExtreme(true); });
    auto *nextDark = new QAction(this);
    nextDark->setObjectName(QStringLiteral("nextDark"));
    nextDark->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_N));
    connect(nextDark, &QAction::triggered, this, [this] { nextExtreme(false); });
    //: %1 is the key, "N".
    nextBright->setText(
        tr("Next bright point (%1)").arg(nextBright->shortcut().toString(QKeySequence::NativeText)));
    //: %1 is the key, "Shift+N" in the desktop's words.
    nextDark->setText(
        tr("Next dark point (%1)").arg(nextDark->shortcut().toString(QKeySequence::NativeText)));
    chooser->addWidget(pointLabel);
    chooser->addWidget(pointBox_);
    chooser->addWidget(pointSlider_, 1);
    for (QAction *action : {nextBright, nextDark}) {
        addAction(action);
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setObjectName(action->objectName() + QLatin1String("Button"));
        chooser->addWidget(button);
    }
    return chooser;
}

QWidget *ExploreWindow::buildTones()
{
    //: A check box (on at first): each point the pupil selects sounds for a moment,
    //: as loud as the pattern's sound is at that point; & marks the access key.
    tones_ = new QCheckBox(tr("Point &tones"), this);
    tones_->setObjectName(QStringLiteral("pointTones"));
    tones_->setChecked(true);
    tones_->setAccessibleDescription(
        //: Accessible description of the point tones' check box.
        tr("Each point selected sounds for a moment, loud where the pattern is bright and silent where "
           "it is dark"));
    auto *sayKey = new QAction(this);
    sayKey->setObjectName(QStringLiteral("sayPoint"));
    sayKey->setShortcut(QKeySequence(Qt::Key_R));
    connect(sayKey, &QAction::triggered, this, &ExploreWindow::sayPoint);
    addAction(sayKey);
    return tones_;
}

QLayout *ExploreWindow::buildPlotColumn()
{
    auto *column = new QVBoxLayout;
    plot_ = new ExplorePlot(this);
    //: The accessible name of the plot: the run's intensity drawn against the height above the optical axis.
    plot_->setAccessibleName(tr("Intensity against height"));
    plot_->installEventFilter(this);
    connect(plot_, &ExplorePlot::heightClicked, this, [this](double height) {
        // Point i lies i − 200 pixels above the axis: the nearest whole one.
        const SceneGeometry &g = run().geometry();
        choosePoint(int(std::lround(g.barrierBottom - (g.centreY - height))));
    });
    // The screen as the eye would see it beside the plot, level with it.
    auto *plotRow = new QHBoxLayout;
    plotRow->addWidget(plot_, 1);
    strip_ = new ScreenStrip(*plot_, this);
    plotRow->addWidget(strip_);
    column->addLayout(plotRow, 1);
    //: A check box: also mark the whole-wavelength orders where the textbook small-angle formula puts them, as dashed lines; & marks the access key.
    showFormula_ = new QCheckBox(tr("Show the small-angle &formula's marks (dashed)"), this);
    showFormula_->setObjectName(QStringLiteral("showFormula"));
    connect(showFormula_, &QCheckBox::toggled, this, [this](bool shown) {
        plot_->showFormula(shown);
        describePlot();
    });
    column->addWidget(showFormula_);
    column->addWidget(buildTones());
    //: The plot's legend: its marks are orders, not the bands the plot shows. Keep the formula y = m·λ·L/s
    //: as it is: m the order, λ the wavelength, L the screen's distance, s the slits' separation.
    auto *legend = new QLabel(tr("Solid marks: order m, where the path difference is m wavelengths. Dotted: "
                                 "where it is a whole number and a half. Dashed: where the small-angle "
                                 "formula y = m·λ·L/s puts the orders (L the screen's distance, s the "
                                 "slits' separation)."),
                              this);
    legend->setWordWrap(true);
    column->addWidget(legend);
    return column;
}

QWidget *ExploreWindow::buildBandsGroup()
{
    //: The title of the group about the bands the plot shows and the orders m (path difference m wavelengths).
    auto *bandGroup = new QGroupBox(tr("Bands and orders"), this);
    auto *bandLayout = new QVBoxLayout(bandGroup);
    auto *bandForm = new QFormLayout;
    bandLayout->addLayout(bandForm);
    spacing_ =
        //: A readout: the distance between neighbouring bright bands near the optical axis.
        PointReadouts::addReadout(
            bandForm, this, "readoutSpacing", tr("Band spacing near the axis"),
            //: Accessible description of the band-spacing readout; keep λL/s as it is.
            tr("The distance between the two bright bands nearest the optical axis, measured on "
               "the plot, beside what the small-angle formula λL/s gives"));
    orders_ = new OrdersModel(this);
    ordersTable_ = addTable(
        orders_, "ordersTable",
        //: The accessible name of the table of where the path difference is m wavelengths, for each order m.
        tr("Orders: path difference m wavelengths, exact and by the small-angle formula"));
    bandLayout->addWidget(ordersTable_);
    return bandGroup;
}

QWidget *ExploreWindow::buildRunsGroup()
{
    //: The title (and accessible name of the table) of the runs kept to compare with each other.
    const QString title = tr("Runs side by side");
    auto *runGroup = new QGroupBox(title, this);
    auto *runLayout = new QVBoxLayout(runGroup);
    //: A button: keeps the last run in the table to compare with later runs; & marks the access key.
    keep_ = new QPushButton(tr("&Keep this run"), this);
    keep_->setObjectName(QStringLiteral("keepRun"));
    keep_->setAccessibleDescription(
        //: Accessible description of the keep button: %1 is how many runs are kept at most (4).
        tr("Keeps the last run to compare with the next ones; up to %1, the oldest "
           "giving way to a fifth")
            .arg(KeptRuns::most));
    connect(keep_, &QPushButton::clicked, this, &ExploreWindow::keepRun);
    runLayout->addWidget(keep_, 0, Qt::AlignLeft);
    kept_ = new KeptRuns(this);
    runsTable_ = addTable(kept_, "runsTable", title);
    // A run's name is shown whole, on as many lines as its words need: in some
    // languages it is longer than the column is wide.
    runsTable_->setWordWrap(true);
    runsTable_->setTextElideMode(Qt::ElideNone);
    runsTable_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    runLayout->addWidget(runsTable_);
    return runGroup;
}

QTableView *ExploreWindow::addTable(QAbstractItemModel *model, const char *objectName, const QString &name)
{
    auto *table = new QTableView(this);
    table->setModel(model);
    table->setObjectName(QString::fromLatin1(objectName));
    table->setAccessibleName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setTabKeyNavigation(false);
    table->installEventFilter(this);
    return table;
}

QBoxLayout *ExploreWindow::buildButtons()
{
    auto *buttons = new QHBoxLayout;
    //: A button: saves the run's points as a CSV file for a spreadsheet; & marks the access key.
    save_ = new QPushButton(tr("&Save table..."), this);
    save_->setObjectName(QStringLiteral("saveTable"));
    //: Accessible description of the save-table button.
    save_->setAccessibleDescription(tr("Writes every point of the run as a CSV file for a spreadsheet"));
    connect(save_, &QPushButton::clicked, this, &ExploreWindow::saveTableAs);
    // Ctrl+S saves what the window holds, here the table, as in the main window the picture.
    auto *saveKey = new QAction(this);
    saveKey->setObjectName(QStringLiteral("saveTableKey"));
    saveKey->setShortcuts(QKeySequence::keyBindings(QKeySequence::Save));
    connect(saveKey, &QAction::triggered, this, &ExploreWindow::saveTableAs);
    addAction(saveKey);
    //: A button: puts the run's points on the clipboard for a spreadsheet; & marks the access key.
    copy_ = new QPushButton(tr("&Copy table"), this);
    copy_->setObjectName(QStringLiteral("copyTable"));
    copy_->setAccessibleDescription(
        //: Accessible description of the copy-table button.
        tr("Puts every point of the run on the clipboard, ready to paste into a spreadsheet"));
    connect(copy_, &QPushButton::clicked, this, &ExploreWindow::copyTable);
    //: A button that closes the Explore window.
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeExplore"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    for (QPushButton *button : {keep_, save_, copy_, close})
        button->setAutoDefault(false);
    buttons->addWidget(save_);
    buttons->addWidget(copy_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    return buttons;
}

// The program's font, which the zoom has already set: scaling it here again
// zoomed the text twice. Taken at once, not when the program's font reaches
// the window, so that the sizes below are worked out with it.
void ExploreWindow::applyZoom(int percent)
{
    setFont(QApplication::font());
    plot_->setZoom(percent);
    strip_->setZoom(percent);
    readouts_->setZoom(percent);
    spacing_->setMinimumWidth(PointReadouts::readoutWidth(font()));
    // The kept runs' table shows the current run and four kept ones without
    // scrolling, their names on two lines.
    const int row = QFontMetrics(font()).height() + 6;
    runsTable_->setMinimumHeight(runsTable_->horizontalHeader()->sizeHint().height() + 5 * (row + row - 6)
                                 + 4);
    for (QTableView *table : {ordersTable_, runsTable_})
        table->verticalHeader()->setDefaultSectionSize(row);
    const int iconHeight = QFontMetrics(font()).height();
    runsTable_->setIconSize(QSize(3 * iconHeight, iconHeight));
    kept_->setIconHeight(iconHeight);
    showBands();
    showRuns();
    if (overlay_)
        overlay_->update();
    fitToScreen();
}

const RunRecord &ExploreWindow::run() const { return session_.currentRun(); }

bool ExploreWindow::wholeRun() const
{
    return !session_.isRunning() && session_.lastWholeRun() && int(run().points().size()) == scan::pointCount;
}

const BandReading &ExploreWindow::runBands() const
{
    const RunReading *whole = session_.lastWholeRun();
    return whole && wholeRun() ? whole->bands : partialBands_;
}

bool ExploreWindow::hasPoint(int point) const { return point >= 1 && point <= int(run().points().size()); }

void ExploreWindow::selectPoint(int point)
{
    point = std::clamp(point, 1, scan::pointCount);
    {
        const QSignalBlocker box(pointBox_), slider(pointSlider_);
        pointBox_->setValue(point);
        pointSlider_->setValue(point);
    }
    if (point == selected_)
        return;
    selected_ = point;
    showReadings();
    describePlot();
    placeOverlay();
}

QString ExploreWindow::nothingToShow() const
{
    //: What every readout shows when the selected point has not been plotted yet by the run going on.
    const QString notYet = tr("not plotted yet");
    //: What a readout shows before the first run.
    const QString noRun = tr("no run yet");
    return run().waveNumber() > 0 ? notYet : noRun;
}

void ExploreWindow::choosePoint(int point)
{
    const int before = selected_;
    selectPoint(point);
    if (selected_ != before && tones_->isChecked() && hasPoint(selected_))
        emit toneWanted(run(), runBands(), selected_);
}

void ExploreWindow::sayPoint()
{
    if (!hasPoint(selected_)) {
        //: Said by R when the selected point has nothing to show: %1 its number (1 … 399),
        //: %2 why ("not plotted yet", "no run yet").
        say(tr("Point %1: %2.").arg(fixed(selected_, 0), nothingToShow()));
        return;
    }
    // Brightness as the tone's loudness: what the plot showed, of the most it showed.
    const double percent = 100 * PointLevel(run(), selected_);
    say(decimals::spoken(
        //: Said by R: %1 the selected point's number (1 … 399), %2 its height above the optical axis
        //: in pixels (below it negative), %3 what the plot showed there, in per cent of the
        //: brightest point of the run.
        tr("Point %1, %2 px above the optical axis, brightness %3 % of the brightest.")
            .arg(fixed(selected_, 0), fixed(ReadPoint(run(), selected_).height, 0), fixed(percent, 0))));
}

void ExploreWindow::nextExtreme(bool bright)
{
    const int next = NextExtreme(run(), selected_, bright);
    if (next <= 0)
        return;
    choosePoint(next);
    // The point box and the readouts change where the focus is not: the reading is said at once.
    say(bright ? //: Said when N selects the next bright point: %1 its number (1 … 399), %2 its readouts.
            tr("Bright point %1. %2").arg(fixed(next, 0), readouts_->spokenReading())
               : //: Said when Shift+N selects the next dark point: %1 its number (1 … 399), %2 its readouts.
            tr("Dark point %1. %2").arg(fixed(next, 0), readouts_->spokenReading()));
}

void ExploreWindow::say(const QString &text)
{
    // Through the main window's notification: one of this window's own has Orca
    // read this whole window again before the message.
    announce(beside(), text);
}

bool ExploreWindow::stepPoint(const QKeyEvent &key)
{
    static const QHash<int, int> steps{{Qt::Key_Up, 1},
                                       {Qt::Key_Down, -1},
                                       {Qt::Key_PageUp, pageStep},
                                       {Qt::Key_PageDown, -pageStep},
                                       {Qt::Key_Home, -scan::pointCount},
                                       {Qt::Key_End, scan::pointCount}};
    const int step = steps.value(key.key());
    if (step == 0 || (key.modifiers() & ~Qt::KeypadModifier) != 0)
        return false;
    choosePoint(selected_ + step);
    return true;
}

void ExploreWindow::keyPressEvent(QKeyEvent *event)
{
    // What the plot, the phasors and the readouts leave to the window.
    if (!stepPoint(*event))
        QDialog::keyPressEvent(event);
}

bool ExploreWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A table's current cell counts as focused for a screen reader even after the
    // focus has gone: Tab or a click elsewhere leaves it without one.
    if (event->type() == QEvent::FocusOut && (watched == ordersTable_ || watched == runsTable_)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::MouseFocusReason)
            static_cast<QTableView *>(watched)->selectionModel()->clearCurrentIndex();
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    return takesKey(watched, static_cast<QKeyEvent *>(event)) || QDialog::eventFilter(watched, event);
}

bool ExploreWindow::takesKey(QObject *watched, QKeyEvent *key)
{
    // The keys the plot, the phasors and the readouts leave pass the scroll area
    // on their way to the window: they select points rather than scroll.
    if (watched == scrollArea())
        return key->type() == QEvent::KeyPress && stepPoint(*key);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    // A text field would take N for itself: here it selects the next bright or dark point.
    // So would it H, which plays the pattern in every window, and R, which says the point.
    if (key->type() == QEvent::ShortcutOverride)
        return (key->key() == Qt::Key_N && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier))
            || ((key->key() == Qt::Key_H || key->key() == Qt::Key_R) && modifiers == Qt::NoModifier);
    if (modifiers != Qt::NoModifier)
        return false;
    const bool page = key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
    const bool line = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
    // The spin box's Page Up and Page Down move twenty points, as the slider's do.
    if (watched == pointBox_ && page) {
        choosePoint(selected_ + (key->key() == Qt::Key_PageUp ? pageStep : -pageStep));
        return true;
    }
    // The readouts' list keeps Up, Down, Home and End for its lines, a text field
    // Home and End for its text: the pages, and in a text field Up and Down, move the point.
    const bool textField = qobject_cast<QLineEdit *>(watched) && watched != pointBox_;
    if ((watched == readouts_->list() && page) || (textField && (page || line))) {
        keyPressEvent(key);
        return true;
    }
    return false;
}

void ExploreWindow::showEvent(QShowEvent *event)
{
    // What it shows brought up to date before it is sized for it.
    refresh();
    FittedWindow::showEvent(event);
}

void ExploreWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    placeOverlay();
}

void ExploreWindow::refresh()
{
    refreshTimer_.stop();
    // Closed, it does nothing during a run; it catches up when it shows again.
    if (!isVisible())
        return;
    const RunRecord &record = run();
    const SceneGeometry &g = record.geometry();
    const bool setUp = record.waveNumber() > 0;
    // The marks belong to the geometry and the wave number: solved again only when they change.
    if (!setUp) {
        exact_.clear();
        formula_.clear();
        marksWaveNumber_ = -1;
    } else if (record.waveNumber() != marksWaveNumber_ || g.slitOffset != marksGeometry_.slitOffset
               || g.screenX != marksGeometry_.screenX) {
        exact_ = ExactFringes(g, record.waveNumber());
        formula_ = SmallAngleFringes(g, record.waveNumber());
        marksGeometry_ = g;
        marksWaveNumber_ = record.waveNumber();
    }
    plot_->setMarks(exact_, formula_);
    std::vector<ExplorePlot::Curve> curves{{&record, lines::current}};
    for (const KeptRun &kept : kept_->runs())
        curves.push_back({&kept.run, kept.line});
    plot_->setCurves(std::move(curves));

    const int count = int(record.points().size());
    QString progress;
    if (!setUp)
        progress =
            //: The status line of the Explore window before the first run.
            tr("No run yet: press Start in the main window, and the run's points appear here as it goes.");
    else if (session_.isRunning())
        //: The status line during a run: %1 points plotted so far of %2 (399).
        progress = tr("The run is going: %1 of %2 points so far.").arg(count).arg(scan::pointCount);
    else if (count < scan::pointCount)
        //: The status line after a run stopped with Escape: %1 points plotted of %2 (399).
        progress = tr("The run was stopped after %1 of %2 points.").arg(count).arg(scan::pointCount);
    //: %1 the last run's settings in words, %2 how far it went (empty for a whole run).
    status_->setText(setUp ? tr("Last run: %1. %2").arg(runName(record), progress) : progress);
    keep_->setEnabled(setUp && !session_.isRunning() && count == scan::pointCount);
    save_->setEnabled(count > 0);
    copy_->setEnabled(count > 0);
    partialBands_ = wholeRun() ? BandReading() : ReadBands(record);

    showReadings();
    showBands();
    showRuns();
    describePlot();
    placeOverlay();
}

void ExploreWindow::showReadings()
{
    const RunRecord &record = run();
    if (!hasPoint(selected_)) {
        readouts_->showNothing(nothingToShow());
        plot_->setSelected(std::nullopt);
        return;
    }
    const PointReading r = ReadPoint(record, selected_);
    readouts_->show(record, r, exact_, formula_);
    plot_->setSelected(r.height);
}

void ExploreWindow::showBands()
{
    const RunRecord &record = run();
    const std::optional<double> measured = runBands().spacing;
    const std::optional<double> formula = SmallAngleSpacing(record.geometry(), record.waveNumber());
    //: A length in pixels; %1 is the number.
    const QString px = tr("%1 px");
    //: Fewer than two bright bands: no spacing to measure or predict.
    const QString none = tr("none");
    PointReadouts::setReadout(
        spacing_,
        //: The band spacing: %1 measured on the run, %2 as the small-angle formula gives it (each in pixels or "none"); keep λL/s as it is.
        record.waveNumber() > 0 ? tr("measured %1; small-angle formula λL/s %2")
                                      .arg(measured ? px.arg(fixed(*measured, 2)) : none,
                                           formula ? px.arg(fixed(*formula, 2)) : none)
                                : //: What a readout shows before the first run.
            tr("no run yet"));

    orders_->setMarks(exact_, formula_);
    ordersTable_->resizeColumnsToContents();
}

void ExploreWindow::showRuns()
{
    const RunRecord &record = run();
    kept_->showLast(record.waveNumber() > 0 ? &record : nullptr, &runBands());
    for (int column : {KeptRuns::Line, KeptRuns::BrightBands, KeptRuns::Spacing})
        runsTable_->resizeColumnToContents(column);
}

void ExploreWindow::describePlot()
{
    const RunRecord &record = run();
    QStringList sentences;
    if (record.waveNumber() <= 0) {
        //: The plot's description for a screen reader before the first run.
        sentences << tr("Empty: no run yet.");
    } else {
        sentences
            //: The plot's description for a screen reader: %1 the points plotted so far, %2 all points (399).
            << tr("What the last run plotted against the height above the optical axis, %1 of %2 points, "
                  "as a solid line scaled to its maximum.")
                   .arg(record.points().size())
                   .arg(scan::pointCount);
        const auto above = [](const std::vector<FringeMark> &marks) {
            QStringList heights;
            for (const FringeMark &mark : marks) {
                if (mark.bright() && mark.order > 0)
                    heights << fixed(mark.height, 1);
            }
            // Semicolons between them: the decimal separator may be a comma.
            return heights.join(QLatin1String("; "));
        };
        if (exact_.empty())
            //: The plot with both slits at one place: no bright or dark marks.
            sentences << tr("No fringe marks: the path difference is the same everywhere.");
        else if (!above(exact_).isEmpty())
            sentences
                //: The plot's marks for a screen reader: %1 the heights of the orders above the axis in pixels, separated by semicolons.
                << tr("Solid marks, where the path difference is a whole number of wavelengths, lie on the "
                      "axis and at %1 px above and below it, dotted marks halfway between.")
                       .arg(above(exact_));
        if (showFormula_->isChecked() && !above(formula_).isEmpty())
            //: %1 the heights (pixels) where the small-angle formula puts the orders, separated by semicolons.
            sentences << tr("The small-angle formula puts the orders at %1 px.").arg(above(formula_));
    }
    QStringList kept;
    for (const KeptRun &run : kept_->runs())
        //: A kept run: its settings in words, then the style of its line ("dashed").
        kept << tr("%1 (%2)").arg(runName(run.run), lines::name(run.line));
    if (!kept.isEmpty())
        //: The kept runs for a screen reader: %1 lists them, separated by semicolons.
        sentences << tr("Kept runs beside it: %1.").arg(kept.join(QLatin1String("; ")));
    if (hasPoint(selected_))
        //: The selected point for a screen reader: %1 its number (1 … 399), %2 its height above the axis in pixels.
        sentences << tr("Selected: point %1, %2 px above the axis.")
                         .arg(selected_)
                         .arg(fixed(ReadPoint(record, selected_).height, 0));
    plot_->setAccessibleDescription(decimals::spoken(sentences.join(QLatin1Char(' '))));
}

void ExploreWindow::placeOverlay()
{
    if (!overlay_)
        return;
    if (!isVisible() || !hasPoint(selected_)) {
        overlay_->setPoint(std::nullopt, 0);
        overlay_->hide();
        return;
    }
    const SceneGeometry &g = run().geometry();
    overlay_->setPoint(QPointF(g.screenX, ReadPoint(run(), selected_).y), g.plotAxisX);
    overlay_->show();
}

void ExploreWindow::keepRun()
{
    if (!session_.lastWholeRun())
        return;
    kept_->keep(*session_.lastWholeRun());
    refresh();
    //: Said when the Keep button has kept the last run in the table of runs.
    say(tr("Run kept."));
}

void ExploreWindow::copyTable()
{
    if (!run().points().empty())
        QGuiApplication::clipboard()->setText(runTableText(run(), QLocale()));
}

void ExploreWindow::saveTableAs()
{
    if (saveDialog_) {
        saveDialog_->raise();
        saveDialog_->activateWindow();
        return;
    }
    if (run().points().empty())
        return;
    // The table as it is now: a run going on meanwhile does not change what is saved.
    saveDialog_ = saveWithDialog(
        this,
        {QStandardPaths::DocumentsLocation,
         //: The title of the file dialog that saves the run's table.
         tr("Save table as"),
         //: The file name the save dialog suggests; keep the .csv ending.
         tr("interference.csv"),
         //: The file-type filter of the save dialog; keep "(*.csv)" as it is.
         tr("CSV files (*.csv)"), QStringLiteral(".csv"),
         //: A warning: %1 the file name, %2 the system's reason (for example "No space left on device").
         tr("The table could not be saved as \"%1\": %2")},
        [csv = runTableCsv(run())](QIODevice &file) { return file.write(csv) == csv.size(); },
        [this](const QString &path) {
            //: Said when the run's table has been saved: %1 the file's name, without its folder.
            say(tr("Table saved to %1.").arg(QFileInfo(path).fileName()));
        });
    saveDialog_->setObjectName(QStringLiteral("saveTableDialog"));
}
