// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "labexperiment.h"
#include "labphotons.h"
#include "picture/fittedwindow.h"

#include <QPointer>
#include <QTimer>
#include <optional>

class QCheckBox;
class QFileDialog;
class QFormLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class LabOrdersModel;
class LabPhasors;
class LabStrip;
class UnitBox;
class WindowZoom;

// A real experiment beside the picture, in nanometres and metres: the pupil
// sets a laser's wavelength, the slits' separation and the screen's distance,
// and sees the screen as the eye would, photons arriving one by one on it, the
// two paths to a chosen point in metres and in wavelengths with their phasors,
// and the exact places of the bright bands beside the small-angle formula's.
// A child of the main window, beside which it goes.
class LabWindow : public FittedWindow {
    Q_OBJECT
public:
    LabWindow(WindowZoom &zoom, QWidget &parent);

    // Shows the window of `parent`, made the first time.
    static LabWindow *showFor(QWidget &parent, WindowZoom &zoom);

    const LabExperiment &experiment() const { return experiment_; }
    // The chosen point's height above the axis, metres.
    double point() const;
    void choosePoint(double y);
    // Brings the photons up to `count` at once (none are taken away).
    void photonsUpTo(long count);
    void copyTable();
    void saveTableAs();

private:
    QLayout *buildSetup();
    QLayout *buildPhotons();
    QWidget *buildConstruction();
    QWidget *buildOrders();
    QLayout *buildButtons();
    UnitBox *addUnitBox(QFormLayout *form, const char *name, const QString &label,
                        const QString &description);
    void setUp();
    void refuse(const QString &message);
    void restartPhotons();
    void addPhotons(long count);
    void tick();
    void showCount();
    void showPoint();
    void showBands();
    void describeStrip();
    void applyZoom(int percent);

    LabExperiment experiment_;
    std::optional<LabPhotons> source_;
    QTimer photonTimer_;
    double carry_ = 0; // photons due at the pace but not yet drawn

    UnitBox *wavelength_ = nullptr;
    UnitBox *separation_ = nullptr;
    UnitBox *distance_ = nullptr;
    QLabel *message_ = nullptr;
    LabStrip *strip_ = nullptr;
    QLabel *counter_ = nullptr;
    QPushButton *play_ = nullptr;
    QSpinBox *pace_ = nullptr;
    QCheckBox *sameSeed_ = nullptr;
    QSpinBox *seed_ = nullptr;
    UnitBox *pointBox_ = nullptr;
    QLineEdit *pathA_ = nullptr;
    QLineEdit *pathB_ = nullptr;
    QLineEdit *difference_ = nullptr;
    QLineEdit *phase_ = nullptr;
    QLineEdit *brightness_ = nullptr;
    LabPhasors *phasors_ = nullptr;
    QLineEdit *spacing_ = nullptr;
    LabOrdersModel *orders_ = nullptr;
    QTableView *ordersTable_ = nullptr;
    QLabel *why_ = nullptr;
    QPointer<QFileDialog> saveDialog_;
};
