// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "lab/labwindow.h"

#include "accessibility/announcement.h"
#include "explore/pointreadouts.h"
#include "lab/labordersmodel.h"
#include "lab/labphasors.h"
#include "lab/labstrip.h"
#include "lab/unitbox.h"
#include "picture/wholefile.h"
#include "picture/windowzoom.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>
#include <random>

namespace {
constexpr double nm = 1e-9;
constexpr double mm = 1e-3;
constexpr int ticksPerSecond = 20;
constexpr long mostPhotons = 1000000;
constexpr long photonSteps[] = {10, 100, 1000, 100000};

// A length in metres with its decimals in groups of three, "2.000 004 528".
QString grouped(double metres, int decimals)
{
    QString text = QLocale().toString(metres, 'f', decimals);
    const int point = int(text.indexOf(QLocale().decimalPoint()));
    // A narrow no-break space: the groups stay together and do not look like two numbers.
    for (int at = point + 1 + 3; point >= 0 && at < text.size(); at += 4)
        text.insert(at, QChar(0x202F));
    return text;
}

QString fixed(double value, int decimals) { return QLocale().toString(value, 'f', decimals); }
} // namespace

LabWindow::LabWindow(WindowZoom &zoom, QWidget &parent) : FittedWindow(parent, &parent)
{
    setObjectName(QStringLiteral("labWindow"));
    //: The title of the window with a real two-slit experiment in nanometres and metres (Ctrl+L).
    setWindowTitle(tr("A real experiment"));
    auto *content = new QWidget(scrollArea());
    auto *top = new QVBoxLayout(content);
    top->setContentsMargins(QMargins());
    top->addLayout(buildSetup());
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("labMessage"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    message_->hide();
    top->addWidget(message_);
    strip_ = new LabStrip(this);
    strip_->setObjectName(QStringLiteral("labStrip"));
    //: The accessible name of the strip that shows the laboratory's screen as the eye sees it.
    strip_->setAccessibleName(tr("The screen as the eye sees it"));
    connect(strip_, &LabStrip::pointChosen, this, &LabWindow::choosePoint);
    top->addWidget(strip_);
    top->addLayout(buildPhotons());
    auto *columns = new QHBoxLayout;
    columns->addWidget(buildConstruction());
    columns->addWidget(buildOrders(), 1);
    top->addLayout(columns, 1);
    setContent(content, buildButtons());

    photonTimer_.setInterval(1000 / ticksPerSecond);
    connect(&photonTimer_, &QTimer::timeout, this, &LabWindow::tick);
    connect(&zoom, &WindowZoom::zoomChanged, this, &LabWindow::applyZoom);
    setUp();
    choosePoint(experiment_.exactPosition(1).value_or(0));
    applyZoom(zoom.percent());
}

LabWindow *LabWindow::showFor(QWidget &parent, WindowZoom &zoom)
{
    auto *lab = parent.findChild<LabWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!lab)
        lab = new LabWindow(zoom, parent);
    lab->show();
    lab->raise();
    lab->activateWindow();
    return lab;
}

UnitBox *LabWindow::addUnitBox(QFormLayout *form, const char *name, const QString &label,
                               const QString &description)
{
    auto *box = new UnitBox(this);
    box->setObjectName(QString::fromLatin1(name));
    auto *caption = new QLabel(label, this);
    caption->setBuddy(box);
    box->setAccessibleName(QString(label).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    box->setAccessibleDescription(description);
    form->addRow(caption, box);
    return box;
}

QLayout *LabWindow::buildSetup()
{
    auto *row = new QHBoxLayout;
    auto *form = new QFormLayout;
    row->addLayout(form);
    //: The label of the wavelength box; & marks the access key. λ is the wavelength's symbol.
    wavelength_ = addUnitBox(form, "labWavelength", tr("&Wavelength λ:"),
                             //: Accessible description of the wavelength box.
                             tr("The laser's wavelength, 380 to 780 nanometres"));
    wavelength_->setRange(LabExperiment::shortestWavelength / nm, LabExperiment::longestWavelength / nm);
    wavelength_->setDecimals(0);
    //: The unit after the wavelength's number: nanometres.
    wavelength_->setSuffix(tr(" nm"));
    wavelength_->setValue(experiment_.wavelength / nm);
    //: The label of the slits' separation box; & marks the access key. a is its symbol.
    separation_ = addUnitBox(form, "labSeparation", tr("Slits' sep&aration a:"),
                             //: Accessible description of the separation box.
                             tr("How far apart the two slits are, 0.05 to 1.00 millimetres"));
    separation_->setRange(LabExperiment::closestSlits / mm, LabExperiment::farthestSlits / mm);
    separation_->setDecimals(2);
    separation_->setSingleStep(0.01);
    //: The unit after the separation's number: millimetres.
    separation_->setSuffix(tr(" mm"));
    separation_->setValue(experiment_.separation / mm);
    //: The label of the screen's distance box; & marks the access key. L is its symbol.
    distance_ = addUnitBox(form, "labDistance", tr("Screen's &distance L:"),
                           //: Accessible description of the distance box.
                           tr("How far the screen stands behind the slits, 0.50 to 5.00 metres"));
    distance_->setRange(LabExperiment::nearestScreen, LabExperiment::farthestScreen);
    distance_->setDecimals(2);
    distance_->setSingleStep(0.05);
    //: The unit after the distance's number: metres.
    distance_->setSuffix(tr(" m"));
    distance_->setValue(experiment_.distance);
    auto *presets = new QVBoxLayout;
    row->addLayout(presets);
    const struct {
        const char *name;
        const char *text;
        double wavelength;
    } pointers[] = {
        //: A button: a red laser pointer's wavelength; keep the number.
        {"labRed", QT_TR_NOOP("Red laser pointer, 650 nm"), 650},
        //: A button: a green laser pointer's wavelength; keep the number.
        {"labGreen", QT_TR_NOOP("Green laser pointer, 532 nm"), 532},
        //: A button: a violet laser pointer's wavelength; keep the number.
        {"labViolet", QT_TR_NOOP("Violet laser pointer, 405 nm"), 405},
    };
    for (const auto &pointer : pointers) {
        auto *button = new QPushButton(tr(pointer.text), this);
        button->setObjectName(QString::fromLatin1(pointer.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, w = pointer.wavelength] { wavelength_->setValue(w); });
        presets->addWidget(button);
    }
    row->addStretch(1);
    for (UnitBox *box : {wavelength_, separation_, distance_}) {
        connect(box, &UnitBox::valueChanged, this, &LabWindow::setUp);
        connect(box, &UnitBox::refused, this, [this, box](const QString &typed) {
            //: A message when a typed value is outside its box's range: %1 the box's name
            //: (Wavelength λ …), %2 the typed value with its unit, %3 and %4 the limits with their units.
            refuse(tr("%1: %2 is refused; it must lie between %3 and %4.")
                       .arg(box->accessibleName(), typed, box->textFromValue(box->minimum()) + box->suffix(),
                            box->textFromValue(box->maximum()) + box->suffix()));
        });
    }
    return row;
}

QLayout *LabWindow::buildPhotons()
{
    auto *rows = new QVBoxLayout;
    auto *row = new QHBoxLayout;
    rows->addLayout(row);
    counter_ = new QLabel(this);
    counter_->setObjectName(QStringLiteral("labCount"));
    row->addWidget(counter_);
    //: A button that lets photons arrive one by one at the chosen pace, or stops them; & marks the access key.
    play_ = new QPushButton(tr("&Photons arrive"), this);
    play_->setObjectName(QStringLiteral("labPlay"));
    play_->setCheckable(true);
    play_->setAutoDefault(false);
    connect(play_, &QPushButton::toggled, this, [this](bool on) {
        carry_ = 0;
        on ? photonTimer_.start() : photonTimer_.stop();
    });
    row->addWidget(play_);
    pace_ = new QSpinBox(this);
    pace_->setObjectName(QStringLiteral("labPace"));
    pace_->setRange(1, 1000);
    pace_->setValue(20);
    //: The unit after the pace's number: photons arriving per second.
    pace_->setSuffix(tr(" per second"));
    //: The accessible name of the box that sets how many photons arrive per second.
    pace_->setAccessibleName(tr("Pace"));
    row->addWidget(pace_);
    for (long step : photonSteps) {
        //: A button that brings the photons up to so many at once: %1 is 10, 100, 1,000 or 100,000.
        auto *button = new QPushButton(tr("To %1").arg(QLocale().toString(qlonglong(step))), this);
        button->setObjectName(QStringLiteral("labTo%1").arg(step));
        button->setAutoDefault(false);
        //: Accessible description of the buttons that bring the photons up to a number; %1 the number.
        button->setAccessibleDescription(
            tr("Lets photons arrive until %1 have").arg(QLocale().toString(qlonglong(step))));
        connect(button, &QPushButton::clicked, this, [this, step] { photonsUpTo(step); });
        row->addWidget(button);
    }
    //: A button that takes every photon off the screen and starts again; & marks the access key.
    auto *clear = new QPushButton(tr("C&lear"), this);
    clear->setObjectName(QStringLiteral("labClear"));
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, this, &LabWindow::restartPhotons);
    row->addWidget(clear);
    row->addStretch(1);
    // The seed on a line of its own: beside the rest, the line is wider than a projector's screen.
    auto *seedRow = new QHBoxLayout;
    rows->addLayout(seedRow);
    //: A check box: the photons arrive at the same places every time, from the seed beside it; & marks the access key.
    sameSeed_ = new QCheckBox(tr("Sa&me photons again, seed:"), this);
    sameSeed_->setObjectName(QStringLiteral("labSameSeed"));
    seed_ = new QSpinBox(this);
    seed_->setObjectName(QStringLiteral("labSeed"));
    seed_->setRange(0, 999999);
    seed_->setValue(1);
    seed_->setEnabled(false);
    //: The accessible name of the seed box: the number the random arrivals start from.
    seed_->setAccessibleName(tr("Seed"));
    connect(sameSeed_, &QCheckBox::toggled, seed_, &QWidget::setEnabled);
    connect(sameSeed_, &QCheckBox::toggled, this, &LabWindow::restartPhotons);
    connect(seed_, &QSpinBox::valueChanged, this, &LabWindow::restartPhotons);
    seedRow->addWidget(sameSeed_);
    seedRow->addWidget(seed_);
    seedRow->addStretch(1);
    return rows;
}

QWidget *LabWindow::buildConstruction()
{
    //: The title of the group with the two paths to the chosen point, in real units.
    auto *group = new QGroupBox(tr("The construction at a point"), this);
    auto *layout = new QVBoxLayout(group);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    //: The label of the box with the chosen point's height above the axis; & marks the access key.
    pointBox_ =
        addUnitBox(form, "labPoint", tr("P&oint y:"),
                   //: Accessible description of the point box; the strip's keys are the same.
                   tr("The chosen point's height above the axis on the screen, −50 to 50 millimetres; "
                      "a click on the strip chooses it too"));
    pointBox_->setRange(-LabExperiment::halfScreen / mm, LabExperiment::halfScreen / mm);
    pointBox_->setDecimals(4);
    pointBox_->setSingleStep(0.01);
    pointBox_->setSuffix(tr(" mm"));
    connect(pointBox_, &UnitBox::valueChanged, this, [this](double value) { choosePoint(value * mm); });
    connect(pointBox_, &UnitBox::refused, this, [this](const QString &typed) {
        //: A message: %1 the typed height with its unit; the screen shown reaches 50 mm each way.
        refuse(tr("%1 is off the screen shown; choose a point between −50 and 50 mm.").arg(typed));
    });
    //: A readout: the path from slit A (the upper slit) to the point.
    pathA_ = PointReadouts::addReadout(form, this, "labPathA", tr("Path from slit A"),
                                       //: Accessible description of the path A readout.
                                       tr("From the upper slit to the point, in metres and in wavelengths"));
    //: A readout: the path from slit B (the lower slit) to the point.
    pathB_ = PointReadouts::addReadout(form, this, "labPathB", tr("Path from slit B"),
                                       //: Accessible description of the path B readout.
                                       tr("From the lower slit to the point, in metres and in wavelengths"));
    //: A readout: how much longer path B is than path A.
    difference_ = PointReadouts::addReadout(
        form, this, "labDifference", tr("Path difference B − A"),
        //: Accessible description of the path difference readout.
        tr("How much longer the path from slit B is, in nanometres and in wavelengths"));
    //: A readout: the angle between the two phasors.
    phase_ = PointReadouts::addReadout(
        form, this, "labPhase", tr("Phase difference"),
        //: Accessible description of the phase difference readout.
        tr("How much further phasor B is turned than phasor A, in radians and degrees"));
    //: A readout: how bright the point is, against the brightest place.
    brightness_ =
        PointReadouts::addReadout(form, this, "labBrightness", tr("Brightness"),
                                  //: Accessible description of the brightness readout.
                                  tr("The intensity at the point as a share of the brightest band's"));
    phasors_ = new LabPhasors(this);
    phasors_->setObjectName(QStringLiteral("labPhasors"));
    //: The accessible name of the drawing of the two phasors at the point and their sum.
    phasors_->setAccessibleName(tr("Phasors at the point"));
    layout->addWidget(phasors_, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return group;
}

QWidget *LabWindow::buildOrders()
{
    //: The title of the group comparing the exact places of the bright bands with the small-angle formula's.
    auto *group = new QGroupBox(tr("Bright bands: exact and by the formula"), this);
    auto *layout = new QVBoxLayout(group);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    //: A readout: how far apart neighbouring bright bands lie near the axis.
    spacing_ = PointReadouts::addReadout(
        form, this, "labSpacing", tr("Band spacing"),
        //: Accessible description of the band spacing readout; keep λL/a.
        tr("From the middle bright band to the next, exactly and by the formula λL/a"));
    orders_ = new LabOrdersModel(this);
    ordersTable_ = new QTableView(this);
    ordersTable_->setObjectName(QStringLiteral("labOrders"));
    ordersTable_->setModel(orders_);
    //: The accessible name of the table of bright bands; choosing a row moves the point there.
    ordersTable_->setAccessibleName(tr("Bright bands, exact and by the small-angle formula"));
    //: Accessible description of the table of bright bands.
    ordersTable_->setAccessibleDescription(tr("Choosing a row puts the point on that band"));
    ordersTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ordersTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    ordersTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    ordersTable_->verticalHeader()->hide();
    ordersTable_->horizontalHeader()->setStretchLastSection(true);
    ordersTable_->setTabKeyNavigation(false);
    connect(ordersTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    choosePoint(orders_->orders()[std::size_t(current.row())].exact);
            });
    layout->addWidget(ordersTable_, 1);
    why_ = new QLabel(this);
    why_->setObjectName(QStringLiteral("labWhy"));
    why_->setWordWrap(true);
    layout->addWidget(why_);
    return group;
}

QLayout *LabWindow::buildButtons()
{
    auto *row = new QHBoxLayout;
    //: A button: saves the table of bright bands as a CSV file; & marks the access key.
    auto *save = new QPushButton(tr("&Save table..."), this);
    save->setObjectName(QStringLiteral("labSaveTable"));
    connect(save, &QPushButton::clicked, this, &LabWindow::saveTableAs);
    //: A button: puts the table of bright bands on the clipboard; & marks the access key.
    auto *copy = new QPushButton(tr("&Copy table"), this);
    copy->setObjectName(QStringLiteral("labCopyTable"));
    connect(copy, &QPushButton::clicked, this, &LabWindow::copyTable);
    //: A button that closes the real experiment's window.
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("labClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    for (QPushButton *button : {save, copy, close}) {
        button->setAutoDefault(false);
        row->addWidget(button);
        if (button == copy)
            row->addStretch(1);
    }
    return row;
}

void LabWindow::setUp()
{
    experiment_ = {wavelength_->value() * nm, separation_->value() * mm, distance_->value()};
    message_->hide();
    strip_->setExperiment(experiment_);
    orders_->setExperiment(experiment_);
    ordersTable_->resizeColumnsToContents();
    restartPhotons();
    showBands();
    showPoint();
}

void LabWindow::refuse(const QString &message)
{
    message_->setText(message);
    message_->show();
    if (auto *announcement = parentWidget() ? parentWidget()->findChild<Announcement *>() : nullptr)
        announcement->say(message);
}

double LabWindow::point() const { return strip_->point(); }

void LabWindow::choosePoint(double y)
{
    strip_->setPoint(y);
    {
        const QSignalBlocker blocker(pointBox_);
        pointBox_->setValue(strip_->point() / mm);
    }
    showPoint();
}

void LabWindow::restartPhotons()
{
    // A new start every time unless the same photons are asked for.
    const std::uint64_t seed =
        sameSeed_->isChecked() ? std::uint64_t(seed_->value()) : std::random_device()();
    source_.emplace(experiment_, seed);
    strip_->clearPhotons();
    carry_ = 0;
    showCount();
}

void LabWindow::addPhotons(long count)
{
    count = std::min(count, mostPhotons - strip_->photonCount());
    for (long i = 0; i < count; ++i) {
        const double y = source_->next();
        strip_->addPhoton(y, source_->uniform());
    }
    if (strip_->photonCount() >= mostPhotons)
        play_->setChecked(false);
    showCount();
}

void LabWindow::photonsUpTo(long count) { addPhotons(count - strip_->photonCount()); }

void LabWindow::tick()
{
    carry_ += double(pace_->value()) / ticksPerSecond;
    const long due = long(carry_);
    carry_ -= double(due);
    addPhotons(due);
}

void LabWindow::showCount()
{
    //: How many photons have arrived on the strip; %1 the number.
    counter_->setText(tr("Photons: %1").arg(QLocale().toString(qlonglong(strip_->photonCount()))));
    describeStrip();
}

void LabWindow::showPoint()
{
    const double y = strip_->point();
    const double a = experiment_.pathA(y), b = experiment_.pathB(y), lambda = experiment_.wavelength;
    const double waves = experiment_.pathDifference(y) / lambda;
    //: A path's length: %1 in metres, %2 in wavelengths (λ is the wavelength's symbol).
    const QString path = tr("%1 m = %2 λ");
    pathA_->setText(path.arg(grouped(a, 9), QLocale().toString(a / lambda, 'f', 1)));
    pathB_->setText(path.arg(grouped(b, 9), QLocale().toString(b / lambda, 'f', 1)));
    //: The path difference: %1 in nanometres, %2 in wavelengths.
    difference_->setText(
        tr("%1 nm = %2 λ").arg(fixed(experiment_.pathDifference(y) / nm, 2), fixed(waves, 4)));
    //: The phase difference: %1 in radians, %2 in degrees.
    phase_->setText(tr("%1 rad = %2°").arg(fixed(2 * std::numbers::pi * waves, 3), fixed(360 * waves, 1)));
    //: The brightness at the point: %1 per cent of the brightest.
    brightness_->setText(tr("%1 % of the brightest").arg(fixed(100 * experiment_.intensity(y), 1)));
    // Each from its start: a long path's metres matter more than its last wavelengths.
    for (QLineEdit *readout : {pathA_, pathB_, difference_, phase_, brightness_})
        readout->setCursorPosition(0);
    phasors_->setPaths(a / lambda, b / lambda);
    //: The phasors' drawing for a screen reader: %1 the phase difference in degrees, %2 the sum's length as a share of its longest.
    phasors_->setAccessibleDescription(
        tr("Phasor B, then phasor A turned %1° further, and their sum, %2 % as long as it can be")
            .arg(fixed(std::remainder(360 * waves, 360), 1),
                 fixed(100 * std::sqrt(experiment_.intensity(y)), 0)));
    describeStrip();
}

void LabWindow::showBands()
{
    const std::optional<double> first = experiment_.exactPosition(1);
    const double formula = experiment_.smallAnglePosition(1);
    if (first && *first <= LabExperiment::halfScreen)
        //: The band spacing: %1 exact, %2 by the formula λL/a, both in millimetres.
        spacing_->setText(
            tr("%1 mm (formula λL/a: %2 mm)").arg(fixed(*first / mm, 2), fixed(formula / mm, 3)));
    else
        //: The band spacing when the first band lies beyond the 5 cm shown.
        spacing_->setText(tr("wider than the screen shown"));
    spacing_->setCursorPosition(0);
    double farthest = 0, apart = 0;
    for (const LabOrdersModel::Row &row : orders_->orders()) {
        farthest = std::max(farthest, row.exact);
        apart = std::max(apart, std::abs(row.exact - row.smallAngle));
    }
    //: Why the formula and the exact places agree here: %1 the ratio λ/a, %2 the angle of the farthest
    //: band shown in degrees, %3 the largest difference in micrometres. Keep λ/a and θ.
    why_->setText(
        tr("Here λ/a is only %1, and the farthest band shown lies %2° from the axis: at so small an "
           "angle sin θ, tan θ and θ agree, and the formula misses the exact places by at most %3 µm. "
           "In the picture the wavelength is about a tenth of the slits' distance and the bands lie at "
           "large angles, so there the two part.")
            .arg(QLocale().toString(experiment_.wavelength / experiment_.separation, 'g', 2),
                 fixed(std::atan2(farthest, experiment_.distance) * 180 / std::numbers::pi, 2),
                 fixed(apart * 1e6, 3)));
}

void LabWindow::describeStrip()
{
    QStringList bands;
    for (const LabOrdersModel::Row &row : orders_->orders())
        bands << (row.order == 0 ? fixed(0, 0) : QStringLiteral("±") + fixed(row.exact / mm, 2));
    //: The strip for a screen reader: %1 the light's wavelength in nm, %2 the bright bands' places in mm
    //: separated by semicolons, %3 the photons arrived, %4 the chosen point in mm.
    strip_->setAccessibleDescription(
        tr("The screen from −50 to 50 mm in the colour of %1 nm light, bright bands at %2 mm; %3 photons "
           "have "
           "arrived; the point is at %4 mm. Left and Right move it 0.1 mm, with Ctrl 0.01 mm, Page Up and "
           "Page "
           "Down 1 mm, Home to the axis.")
            .arg(fixed(experiment_.wavelength / nm, 0), bands.join(QLatin1String("; ")),
                 QLocale().toString(qlonglong(strip_->photonCount())), fixed(strip_->point() / mm, 3)));
}

// The program's font, which the zoom has already set, taken at once (as
// Explore does) so that the sizes below are worked out with it.
void LabWindow::applyZoom(int percent)
{
    setFont(QApplication::font());
    // The readouts wide enough for a path in metres and in wavelengths, the counter for a million.
    const QFontMetrics metrics(font());
    for (QLineEdit *readout : {pathA_, pathB_, difference_, phase_, brightness_, spacing_})
        readout->setMinimumWidth(metrics.horizontalAdvance(pathA_->text()) + metrics.averageCharWidth() * 3);
    counter_->setMinimumWidth(
        metrics.horizontalAdvance(tr("Photons: %1").arg(QLocale().toString(mostPhotons))));
    strip_->setZoom(percent);
    phasors_->setZoom(percent);
    ordersTable_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    ordersTable_->resizeColumnsToContents();
    fitToScreen();
}

void LabWindow::copyTable() { QGuiApplication::clipboard()->setText(orders_->text(QLocale())); }

void LabWindow::saveTableAs()
{
    if (saveDialog_) {
        saveDialog_->raise();
        saveDialog_->activateWindow();
        return;
    }
    saveDialog_ =
        saveWithDialog(this,
                       {QStandardPaths::DocumentsLocation,
                        //: The title of the file dialog that saves the table of bright bands.
                        tr("Save table as"),
                        //: The file name the save dialog suggests; keep the .csv ending.
                        tr("bright-bands.csv"),
                        //: The file-type filter of the save dialog; keep "(*.csv)" as it is.
                        tr("CSV files (*.csv)"), QStringLiteral(".csv"),
                        //: A warning: %1 the file name, %2 the system's reason.
                        tr("The table could not be saved as \"%1\": %2")},
                       [csv = orders_->csv()](QIODevice &file) { return file.write(csv) == csv.size(); });
    saveDialog_->setObjectName(QStringLiteral("labSaveDialog"));
}
