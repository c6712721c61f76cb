// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/explorewindow.h"

#include "explore/exploreplot.h"
#include "explore/phasorview.h"
#include "explore/pointoverlay.h"
#include "explore/runtable.h"
#include "picture/scenepicture.h"
#include "picture/wholefile.h"
#include "picture/windowzoom.h"
#include "picture/zoom.h"
#include "run/runsession.h"
#include "runrecord.h"
#include "scan.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
// While a run goes on, what it has added is shown at most this often.
constexpr int refreshMilliseconds = 40;
constexpr int pageStep = 20;
constexpr int axisPoint = 200; // level with the optical axis

// The plot and the phasors are pictures to a screen reader, described in words.
QAccessibleInterface *graphicFor(const QString &className, QObject *object)
{
    if (object && object->isWidgetType()
        && (className == QLatin1String("ExplorePlot") || className == QLatin1String("PhasorView")))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

// A number with so many decimals in the user's language, never "-0".
QString fixed(double value, int decimals)
{
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return QLocale().toString(value, 'f', decimals);
}

// The same with its sign, "+0.12" or "-0.12".
QString signedFixed(double value, int decimals)
{
    const QString text = fixed(value, decimals);
    return value > 0 && text != fixed(0, decimals) ? QLocale().positiveSign() + text : text;
}

void setReadout(QLineEdit *readout, const QString &text)
{
    if (readout->text() == text)
        return;
    readout->setText(text);
    readout->setCursorPosition(0);
}

// The longest the phasor sum can be, and the intensity it then gives.
constexpr double longestSum = 2 * scan::phasorLength;
constexpr double brightest = scan::intensityFactor * longestSum * longestSum;

QIcon lineSample(int line, int height)
{
    QPixmap sample(3 * height, height);
    sample.fill(Qt::transparent);
    QPainter painter(&sample);
    painter.setPen(QPen(lines::colour(line), std::max(1.5, height / 7.0), lines::style(line)));
    painter.drawLine(QPointF(1, height / 2.0), QPointF(sample.width() - 1, height / 2.0));
    return QIcon(sample);
}

// The cell with this text, made if it is missing; a text that stays is not set
// again, so a screen reader hears only what changed.
QTableWidgetItem *setCell(QTableWidget *table, int row, int column, const QString &text,
                          Qt::Alignment alignment)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(alignment | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
    if (item->text() != text)
        item->setText(text);
    return item;
}

const FringeMark *markOf(const std::vector<FringeMark> &marks, double order)
{
    const auto found = std::find_if(marks.begin(), marks.end(),
                                    [order](const FringeMark &mark) { return mark.order == order; });
    return found != marks.end() ? &*found : nullptr;
}
} // namespace

ExploreWindow::ExploreWindow(const RunSession &session, ScenePicture &picture, WindowZoom &zoom,
                             QWidget *parent)
    : QDialog(parent), session_(session)
{
    static const bool graphics = [] {
        QAccessible::installFactory(graphicFor);
        return true;
    }();
    Q_UNUSED(graphics);
    setObjectName(QStringLiteral("exploreWindow"));
    //: The title of the window that inspects the last run point by point (Ctrl+E).
    setWindowTitle(tr("Explore a run"));
    setModal(false);
    laidOutFont_ = QApplication::font();
    build();

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

QLineEdit *ExploreWindow::addReadout(QFormLayout *form, const char *objectName, const QString &name,
                                     const QString &description)
{
    // A read-only field: Tab reaches it, a screen reader reads its name and value, the text can be copied.
    auto *readout = new QLineEdit(this);
    readout->setObjectName(QString::fromLatin1(objectName));
    readout->setReadOnly(true);
    readout->setFrame(false);
    QPalette flat = readout->palette();
    flat.setColor(QPalette::Base, flat.color(QPalette::Window));
    readout->setPalette(flat);
    readout->setAccessibleName(name);
    readout->setAccessibleDescription(description);
    readout->installEventFilter(this);
    //: A readout's label: %1 is its name ("Path from slit A").
    form->addRow(tr("%1:").arg(name), readout);
    return readout;
}

void ExploreWindow::build()
{
    auto *top = new QVBoxLayout(this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("exploreStatus"));
    status_->setWordWrap(true);
    top->addWidget(status_);

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
    connect(pointBox_, &QSpinBox::valueChanged, this, &ExploreWindow::selectPoint);
    connect(pointSlider_, &QSlider::valueChanged, this, &ExploreWindow::selectPoint);
    nextBright_ = new QAction(this);
    nextBright_->setObjectName(QStringLiteral("nextBright"));
    nextBright_->setShortcut(QKeySequence(Qt::Key_N));
    connect(nextBright_, &QAction::triggered, this, &ExploreWindow::nextBright);
    nextDark_ = new QAction(this);
    nextDark_->setObjectName(QStringLiteral("nextDark"));
    nextDark_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_N));
    connect(nextDark_, &QAction::triggered, this, &ExploreWindow::nextDark);
    //: %1 is the key, "N".
    nextBright_->setText(
        tr("Next bright point (%1)").arg(nextBright_->shortcut().toString(QKeySequence::NativeText)));
    //: %1 is the key, "Shift+N" in the desktop's words.
    nextDark_->setText(
        tr("Next dark point (%1)").arg(nextDark_->shortcut().toString(QKeySequence::NativeText)));
    chooser->addWidget(pointLabel);
    chooser->addWidget(pointBox_);
    chooser->addWidget(pointSlider_, 1);
    for (QAction *action : {nextBright_, nextDark_}) {
        addAction(action);
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setObjectName(action->objectName() + QLatin1String("Button"));
        chooser->addWidget(button);
    }
    top->addLayout(chooser);

    auto *columns = new QHBoxLayout;
    top->addLayout(columns, 1);
    auto *left = new QVBoxLayout;
    columns->addLayout(left, 1);
    plot_ = new ExplorePlot(this);
    //: The accessible name of the plot: the run's intensity drawn against the height above the optical axis.
    plot_->setAccessibleName(tr("Intensity against height"));
    plot_->installEventFilter(this);
    connect(plot_, &ExplorePlot::heightClicked, this, [this](double height) {
        // Point i lies i − 200 pixels above the axis: the nearest whole one.
        const SceneGeometry &g = run().geometry();
        selectPoint(int(std::lround(g.barrierBottom - (g.centreY - height))));
    });
    left->addWidget(plot_, 1);
    //: A check box: also mark the bright bands where the textbook small-angle formula puts them, as dashed lines; & marks the access key.
    showFormula_ = new QCheckBox(tr("Show the &small-angle formula's marks (dashed)"), this);
    showFormula_->setObjectName(QStringLiteral("showFormula"));
    connect(showFormula_, &QCheckBox::toggled, this, [this](bool shown) {
        plot_->showFormula(shown);
        describePlot();
    });
    left->addWidget(showFormula_);
    //: The plot's legend. Keep the formula y = m·λ·D/(2d) as it is: m the order, λ the wavelength, D the screen's distance, 2d the slit separation.
    auto *legend = new QLabel(tr("Solid: bright, where the path difference is a whole number of wavelengths. "
                                 "Dotted: dark, where it is a whole number and a half. Dashed: where the "
                                 "small-angle formula y = m·λ·D/(2d) puts them."),
                              this);
    legend->setWordWrap(true);
    left->addWidget(legend);

    auto *right = new QVBoxLayout;
    columns->addLayout(right, 2);
    //: The accessible name of the point box, and the title of the group of readouts for that point.
    auto *pointGroup = new QGroupBox(tr("Selected point"), this);
    auto *pointColumns = new QHBoxLayout(pointGroup);
    auto *form = new QFormLayout;
    pointColumns->addLayout(form, 1);
    readouts_[Height] =
        //: A readout: how far the selected point lies above the optical axis (the line through the middle of the slits), in pixels.
        addReadout(form, "readoutHeight", tr("Height above the optical axis"),
                   //: Accessible description of the height readout.
                   tr("How far the point lies above the optical axis, in pixels; below it negative"));
    //: A readout: the wavelength of the light, worked out from its wave number k. Keep the formula as it is.
    readouts_[Wavelength] = addReadout(form, "readoutWavelength", tr("Wavelength λ = 2π/k"),
                                       //: Accessible description of the wavelength readout.
                                       tr("The wavelength of the run's light, from its wave number k"));
    //: A readout: the length of the path from the middle of slit A to the selected point.
    readouts_[PathA] = addReadout(form, "readoutPathA", tr("Path from slit A"),
                                  //: Accessible description of the readout of the path from slit A.
                                  tr("From the middle of slit A to the point, in pixels and in wavelengths"));
    //: A readout: the length of the path from the middle of slit B to the selected point.
    readouts_[PathB] = addReadout(form, "readoutPathB", tr("Path from slit B"),
                                  //: Accessible description of the readout of the path from slit B.
                                  tr("From the middle of slit B to the point, in pixels and in wavelengths"));
    readouts_[Difference] =
        //: A readout: how much longer the path from slit B is than the path from slit A.
        addReadout(form, "readoutDifference", tr("Path difference B − A"),
                   //: Accessible description of the path-difference readout.
                   tr("How much longer the path from slit B is, in wavelengths and pixels"));
    readouts_[Phase] = addReadout(
        //: A readout: the angle between the two phasors (the arrows of the two waves), in degrees.
        form, "readoutPhase", tr("Phase difference"),
        //: Accessible description of the phase-difference readout; a phasor is the arrow that stands for one wave.
        tr("How much further phasor B is turned than phasor A, in degrees, and in whole turns and the "
           "rest"));
    readouts_[Computed] =
        //: A readout: the intensity the program worked out at the point, before the plot scales it.
        addReadout(
            form, "readoutComputed", tr("Intensity as computed"),
            //: Accessible description of the computed-intensity readout; the phasor sum is the arrow from the tail of one phasor to the head of the other.
            tr("Four times the squared length of the phasor sum, before the pattern scales it"));
    readouts_[Plotted] =
        //: A readout: what the plot drew at the point (a bar's length, or a number of photon dots).
        addReadout(form, "readoutPlotted", tr("Intensity as plotted"),
                   //: Accessible description of the plotted-intensity readout.
                   tr("What the plot drew at this height: the bar's length, or the photons"));
    readouts_[Order] =
        //: A readout: the whole number m of wavelengths nearest the path difference (the order of the nearest bright band).
        addReadout(form, "readoutOrder", tr("Nearest whole order"),
                   //: Accessible description of the nearest-order readout.
                   tr("The whole number of wavelengths m nearest the path difference, and how far "
                      "the difference is from it"));
    //: A readout: where the bright band of order m lies, exactly and by the small-angle formula.
    readouts_[OrderMark] = addReadout(form, "readoutOrderMark", tr("Bright band of this order"),
                                      //: Accessible description of the bright-band readout.
                                      tr("Where the path difference is exactly m wavelengths, and where the "
                                         "small-angle formula puts it"));
    phasors_ = new PhasorView(this);
    //: The accessible name of the drawing of the two phasors (arrows) and their sum for the selected point.
    phasors_->setAccessibleName(tr("Phasors of the selected point"));
    phasors_->installEventFilter(this);
    pointColumns->addWidget(phasors_, 0, Qt::AlignTop);
    right->addWidget(pointGroup);

    //: The title of the group about the bright and dark bands of the pattern.
    auto *bandGroup = new QGroupBox(tr("Bands"), this);
    auto *bandLayout = new QVBoxLayout(bandGroup);
    auto *bandForm = new QFormLayout;
    spacing_ =
        //: A readout: the distance between neighbouring bright bands near the optical axis.
        addReadout(bandForm, "readoutSpacing", tr("Band spacing near the axis"),
                   //: Accessible description of the band-spacing readout; keep λD/(2d) as it is.
                   tr("The distance between neighbouring bright bands near the optical axis, measured on "
                      "the run, beside what the small-angle formula λD/(2d) gives"));
    bandLayout->addLayout(bandForm);
    bands_ = new QTableWidget(0, 4, this);
    bands_->setObjectName(QStringLiteral("bandsTable"));
    //: The accessible name of the table of the bright bands' heights.
    bands_->setAccessibleName(tr("Bright bands, exact and by the small-angle formula"));
    bands_->setHorizontalHeaderLabels(
        //: A column title: the order m of a bright band (whole number of wavelengths of path difference).
        {tr("Order m"),
         //: A column title: the height of the bright band from the exact geometry, in pixels.
         tr("Exact (px)"),
         //: A column title: the height the small-angle formula gives, in pixels.
         tr("Small-angle (px)"),
         //: A column title: how far the formula's height lies from the exact one, in pixels.
         tr("Small-angle less exact (px)")});
    bandLayout->addWidget(bands_);
    right->addWidget(bandGroup, 1);

    //: The title (and accessible name of the table) of the runs kept to compare with each other.
    auto *runGroup = new QGroupBox(tr("Runs side by side"), this);
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
    runs_ = new QTableWidget(0, 4, this);
    runs_->setObjectName(QStringLiteral("runsTable"));
    //: The title (and accessible name of the table) of the runs kept to compare with each other.
    runs_->setAccessibleName(tr("Runs side by side"));
    runs_->setHorizontalHeaderLabels(
        //: A column title: the line style (solid, dashed …) each run is drawn with in the plot.
        {tr("Line"),
         //: A column title: how many bright bands the run shows.
         tr("Bright bands"),
         //: A column title: the distance between neighbouring bright bands near the axis, in pixels.
         tr("Spacing near the axis (px)"),
         //: A column title: the run's settings in words.
         tr("Run")});
    runLayout->addWidget(runs_);
    top->addWidget(runGroup);
    for (QTableWidget *table : {bands_, runs_}) {
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setStretchLastSection(true);
        table->setTabKeyNavigation(false);
        table->installEventFilter(this);
    }

    auto *buttons = new QHBoxLayout;
    //: A button: saves the run's points as a CSV file for a spreadsheet; & marks the access key.
    save_ = new QPushButton(tr("&Save table..."), this);
    save_->setObjectName(QStringLiteral("saveTable"));
    //: Accessible description of the save-table button.
    save_->setAccessibleDescription(tr("Writes every point of the run as a CSV file for a spreadsheet"));
    connect(save_, &QPushButton::clicked, this, &ExploreWindow::saveTableAs);
    //: A button: puts the run's points on the clipboard for a spreadsheet; & marks the access key.
    copy_ = new QPushButton(tr("&Copy table"), this);
    copy_->setObjectName(QStringLiteral("copyTable"));
    copy_->setAccessibleDescription(
        //: Accessible description of the copy-table button.
        tr("Puts every point of the run on the clipboard, ready to paste into a spreadsheet"));
    connect(copy_, &QPushButton::clicked, this, &ExploreWindow::copyTable);
    //: A button that closes the Explore window.
    auto *close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    for (QPushButton *button : {keep_, save_, copy_, close})
        button->setAutoDefault(false);
    buttons->addWidget(save_);
    buttons->addWidget(copy_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    top->addLayout(buttons);
}

void ExploreWindow::applyZoom(int percent)
{
    zoom_ = percent;
    setFont(zoom::scaled(laidOutFont_, percent));
    plot_->setZoom(percent);
    phasors_->setZoom(percent);
    const int characters = QFontMetrics(font()).averageCharWidth();
    for (QLineEdit *readout : readouts_)
        readout->setMinimumWidth(40 * characters);
    spacing_->setMinimumWidth(40 * characters);
    // The kept runs' table shows the current run and four kept ones without scrolling.
    const int row = QFontMetrics(font()).height() + 6;
    runs_->setMinimumHeight(runs_->horizontalHeader()->sizeHint().height() + 5 * row + 4);
    for (QTableWidget *table : {bands_, runs_})
        table->verticalHeader()->setDefaultSectionSize(row);
    runs_->setRowCount(0); // the line samples again at the new size
    showRuns();
    showBands();
    if (overlay_)
        overlay_->update();
    if (!isMaximized() && !isFullScreen())
        adjustSize();
}

const RunRecord &ExploreWindow::run() const { return session_.currentRun(); }

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

void ExploreWindow::nextBright() { nextExtreme(true); }
void ExploreWindow::nextDark() { nextExtreme(false); }

void ExploreWindow::nextExtreme(bool bright)
{
    const int next = NextExtreme(run(), selected_, bright);
    if (next > 0)
        selectPoint(next);
}

void ExploreWindow::keyPressEvent(QKeyEvent *event)
{
    // What the plot, the phasors and the readouts leave to the window.
    const int step = [event] {
        switch (event->key()) {
        case Qt::Key_Up:
            return 1;
        case Qt::Key_Down:
            return -1;
        case Qt::Key_PageUp:
            return pageStep;
        case Qt::Key_PageDown:
            return -pageStep;
        case Qt::Key_Home:
            return -scan::pointCount;
        case Qt::Key_End:
            return scan::pointCount;
        default:
            return 0;
        }
    }();
    if (step != 0 && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        selectPoint(selected_ + step);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ExploreWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A table's current cell counts as focused for a screen reader even after the
    // focus has gone: Tab or a click elsewhere leaves it without one.
    if (event->type() == QEvent::FocusOut && (watched == bands_ || watched == runs_)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::MouseFocusReason)
            static_cast<QTableWidget *>(watched)->selectionModel()->clearCurrentIndex();
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    // A text field would take N for itself: here it selects the next bright or dark point.
    if (event->type() == QEvent::ShortcutOverride)
        return key->key() == Qt::Key_N && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier);
    // The spin box's Page Up and Page Down move twenty points, as the slider's do.
    if (watched == pointBox_ && modifiers == Qt::NoModifier
        && (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown)) {
        selectPoint(selected_ + (key->key() == Qt::Key_PageUp ? pageStep : -pageStep));
        return true;
    }
    // The readouts keep Home and End for their text; Up and Down and the pages move the point.
    if (qobject_cast<QLineEdit *>(watched) && watched != pointBox_ && modifiers == Qt::NoModifier
        && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp
            || key->key() == Qt::Key_PageDown)) {
        keyPressEvent(key);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ExploreWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    refresh();
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
    for (const KeptRun &kept : kept_.runs())
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
        const QString none = record.waveNumber() > 0
            //: What every readout shows when the selected point has not been plotted yet by the run going on.
            ? tr("not plotted yet")
            : //: What a readout shows before the first run.
            tr("no run yet");
        for (QLineEdit *readout : readouts_)
            setReadout(readout, none);
        phasors_->setPhases(std::nullopt, std::nullopt);
        phasors_->setAccessibleDescription(none);
        plot_->setSelected(std::nullopt);
        return;
    }
    const PointReading r = ReadPoint(record, selected_);
    //: A length in pixels; %1 is the number.
    const QString px = tr("%1 px");
    setReadout(readouts_[Height], px.arg(fixed(r.height, 0)));
    //: The wavelength in pixels, and the wave number k in radians per pixel.
    setReadout(readouts_[Wavelength],
               //: A length in pixels; %1 is the number.
               tr("%1 px (k = %2 rad/px)")
                   .arg(fixed(2 * std::numbers::pi / record.waveNumber(), 3),
                        QLocale().toString(record.waveNumber())));
    //: A path: %1 in pixels, %2 in wavelengths.
    const QString path = tr("%1 px = %2 λ");
    setReadout(readouts_[PathA], path.arg(fixed(r.pathA, 2), fixed(r.pathAWaves, 3)));
    setReadout(readouts_[PathB], path.arg(fixed(r.pathB, 2), fixed(r.pathBWaves, 3)));
    //: The path difference: %1 in wavelengths, %2 in pixels.
    setReadout(readouts_[Difference],
               tr("%1 λ = %2 px").arg(fixed(r.differenceWaves, 3), fixed(r.pathB - r.pathA, 3)));
    // The difference as whole turns and the rest, -180° … 180°.
    const double turns = std::round(r.phaseDifferenceDegrees / 360);
    const double rest = r.phaseDifferenceDegrees - 360 * turns;
    const QString whole = fixed(r.phaseDifferenceDegrees, 1);
    setReadout(
        readouts_[Phase],
        //: The phase difference as whole turns less the rest: %1 the whole angle, %2 the whole turns, %3 the rest, in degrees.
        rest < 0
            ? tr("%1° = %2 × 360° − %3°").arg(whole, fixed(turns, 0), fixed(-rest, 1))
            : //: The phase difference as whole turns plus the rest: %1 the whole angle, %2 the whole turns, %3 the rest, in degrees.
            tr("%1° = %2 × 360° + %3°").arg(whole, fixed(turns, 0), fixed(rest, 1)));
    //: The computed intensity: %1 its value, %2 the largest value it can have.
    setReadout(readouts_[Computed], tr("%1 of at most %2").arg(fixed(r.computed, 1), fixed(brightest, 0)));
    setReadout(readouts_[Plotted],
               //: In photon mode: %1 the expected photon count at the point, %2 the dots actually drawn.
               r.photons ? tr("photon count %1, dots drawn: %2").arg(fixed(r.plotted, 2)).arg(r.dots)
                         : //: The plotted intensity as a bar's length: %1 in pixels.
                   tr("bar %1 px long").arg(fixed(r.plotted, 2)));
    //: %1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.
    setReadout(readouts_[Order],
               tr("m = %1, off by %2 λ").arg(QString::number(r.nearestOrder), signedFixed(r.fromOrder, 3)));
    const double order = double(r.nearestOrder);
    const FringeMark *exact = markOf(exact_, order);
    const FringeMark *formula = markOf(formula_, order);
    const auto where = [&px](const FringeMark *mark) {
        //: Where a bright band would lie beyond the scanned part of the screen.
        return mark ? px.arg(fixed(mark->height, 2)) : tr("off the screen");
    };
    if (exact_.empty() && formula_.empty()) {
        //: With both slits at one place (spacing 0) there are no bands: the path difference does not change.
        setReadout(readouts_[OrderMark], tr("none: the path difference is the same everywhere"));
    } else {
        //: Where the bright band of order m lies: %1 from the exact geometry, %2 by the small-angle formula
        //: (each a height in pixels or "off the screen").
        setReadout(readouts_[OrderMark], tr("exact %1, small-angle %2").arg(where(exact), where(formula)));
    }

    phasors_->setPhases(r.phaseB, r.phaseA);
    const auto degrees = [](double phase) {
        const double d = std::fmod(phase * 180 / std::numbers::pi, 360.0);
        return fixed(d < 0 ? d + 360 : d, 0);
    };
    const double sum = std::sqrt(r.computed / scan::intensityFactor);
    phasors_->setAccessibleDescription(
        //: The phasor drawing for a screen reader: %1 and %2 the angles the phasors are turned by, %3 the length of their sum (drawn green) and %4 the longest it can be, in pixels.
        tr("Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of "
           "at "
           "most %4 px")
            .arg(degrees(r.phaseB), degrees(r.phaseA), fixed(sum, 1), fixed(longestSum, 0)));
    plot_->setSelected(r.height);
}

void ExploreWindow::showBands()
{
    const RunRecord &record = run();
    const std::optional<double> measured = MeasuredBandSpacing(record);
    const std::optional<double> formula = SmallAngleSpacing(record.geometry(), record.waveNumber());
    //: A length in pixels; %1 is the number.
    const QString px = tr("%1 px");
    //: Fewer than two bright bands: no spacing to measure or predict.
    const QString none = tr("none");
    setReadout(
        spacing_,
        //: The band spacing: %1 measured on the run, %2 as the small-angle formula gives it (each in pixels or "none"); keep λD/(2d) as it is.
        record.waveNumber() > 0 ? tr("measured %1; small-angle formula λD/(2d) %2")
                                      .arg(measured ? px.arg(fixed(*measured, 2)) : none,
                                           formula ? px.arg(fixed(*formula, 2)) : none)
                                : //: What a readout shows before the first run.
            tr("no run yet"));

    // The bright orders from 0 up, wherever either way puts one on the screen.
    std::vector<double> orders;
    for (const std::vector<FringeMark> *marks : {&exact_, &formula_}) {
        for (const FringeMark &mark : *marks) {
            if (mark.bright() && mark.order >= 0)
                orders.push_back(mark.order);
        }
    }
    std::sort(orders.begin(), orders.end());
    orders.erase(std::unique(orders.begin(), orders.end()), orders.end());
    bands_->setRowCount(int(orders.size()));
    for (std::size_t row = 0; row < orders.size(); ++row) {
        const FringeMark *exact = markOf(exact_, orders[row]);
        const FringeMark *predicted = markOf(formula_, orders[row]);
        //: Where a bright band would lie beyond the scanned part of the screen.
        const QString off = tr("off the screen");
        const QStringList cells{
            fixed(orders[row], 0),
            exact ? fixed(exact->height, 2) : off,
            predicted ? fixed(predicted->height, 2) : off,
            exact && predicted ? signedFixed(predicted->height - exact->height, 2) : QString(QChar(0x2014)),
        };
        for (int column = 0; column < int(cells.size()); ++column)
            setCell(bands_, int(row), column, cells[column], Qt::AlignRight);
    }
    bands_->resizeColumnsToContents();
}

void ExploreWindow::showRuns()
{
    const RunRecord &record = run();
    std::vector<std::pair<const RunRecord *, int>> shown;
    if (record.waveNumber() > 0)
        shown.emplace_back(&record, lines::current);
    for (auto kept = kept_.runs().rbegin(); kept != kept_.runs().rend(); ++kept)
        shown.emplace_back(&kept->run, kept->line);
    runs_->setRowCount(int(shown.size()));
    const int iconHeight = QFontMetrics(font()).height();
    runs_->setIconSize(QSize(3 * iconHeight, iconHeight));
    for (std::size_t row = 0; row < shown.size(); ++row) {
        const auto &[shownRun, line] = shown[row];
        const std::optional<double> spacing = MeasuredBandSpacing(*shownRun);
        const QStringList cells{
            //: %1 the style of the last run's line, "solid".
            line == lines::current ? tr("%1, the last run").arg(lines::name(line)) : lines::name(line),
            QLocale().toString(qlonglong(Extremes(*shownRun, true).size())),
            //: Fewer than two bright bands: no spacing to measure or predict.
            spacing ? fixed(*spacing, 2) : tr("none"),
            runName(*shownRun),
        };
        for (int column = 0; column < int(cells.size()); ++column) {
            const Qt::Alignment alignment = column == 1 || column == 2 ? Qt::AlignRight : Qt::AlignLeft;
            QTableWidgetItem *item = setCell(runs_, int(row), column, cells[column], alignment);
            if (column == 0 && item->data(Qt::UserRole) != line) {
                item->setIcon(lineSample(line, iconHeight));
                item->setData(Qt::UserRole, line);
            }
        }
    }
    for (int column = 0; column < 3; ++column)
        runs_->resizeColumnToContents(column);
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
                //: The plot's marks for a screen reader: %1 the heights of the bright marks above the axis in pixels, separated by semicolons.
                << tr("Bright marks, where the path difference is a whole number of wavelengths, lie on the "
                      "axis and at %1 px above and below it, dark marks halfway between.")
                       .arg(above(exact_));
        if (showFormula_->isChecked() && !above(formula_).isEmpty())
            //: %1 the heights (pixels) where the small-angle formula puts the bright bands, separated by semicolons.
            sentences << tr("The small-angle formula puts the bright bands at %1 px.").arg(above(formula_));
    }
    QStringList kept;
    for (const KeptRun &run : kept_.runs())
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
    plot_->setAccessibleDescription(sentences.join(QLatin1Char(' ')));
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
    kept_.keep(*session_.lastWholeRun());
    refresh();
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
    keepFileDialogHistoryPrivate();
    // The table as it is now: a run going on meanwhile does not change what is saved.
    const RunRecord table = run();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto *dialog = new QFileDialog(this,
                                   //: The title of the file dialog that saves the run's table.
                                   tr("Save table as"),
                                   //: The file name the save dialog suggests; keep the .csv ending.
                                   QDir(folder).filePath(tr("interference.csv")),
                                   //: The file-type filter of the save dialog; keep "(*.csv)" as it is.
                                   tr("CSV files (*.csv)"));
    dialog->setObjectName(QStringLiteral("saveTableDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    connect(dialog, &QFileDialog::fileSelected, this, [this, table](QString path) {
        if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            path += QLatin1String(".csv");
        QString error;
        if (writeRunTable(table, path, &error))
            return;
        auto *box = new QMessageBox(
            QMessageBox::Warning, windowTitle(),
            //: A warning: %1 the file name, %2 the system's reason (for example "No space left on device").
            tr("The table could not be saved as \"%1\": %2").arg(QDir::toNativeSeparators(path), error),
            QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    saveDialog_ = dialog;
}
