// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/pointreadouts.h"

#include "explore/decimals.h"
#include "explore/ordersmodel.h"
#include "explore/phasorview.h"
#include "runrecord.h"
#include "scan.h"

#include <QAccessible>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QStyle>
#include <cmath>
#include <numbers>

namespace {
using decimals::fixed;

// The longest the phasor sum can be, and the intensity it then gives.
constexpr double longestSum = 2 * scan::phasorLength;
constexpr double brightest = scan::intensityFactor * longestSum * longestSum;
} // namespace

PointReadouts::PointReadouts(QObject *keys, QWidget *parent)
    //: The accessible name of the point box, and the title of the group of readouts for that point.
    : QGroupBox(tr("Selected point"), parent)
{
    auto *columns = new QHBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("pointReadouts"));
    //: The accessible name of the list of the selected point's readouts, one a line.
    list_->setAccessibleName(tr("Readouts of the selected point"));
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::StrongFocus);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->installEventFilter(keys);
    columns->addWidget(list_, 1);
    //: A readout: how far the selected point lies above the optical axis (the line through the middle of the slits), in pixels.
    addLine(Height, "readoutHeight", tr("Height above the optical axis"),
            //: Accessible description of the height readout.
            tr("How far the point lies above the optical axis, in pixels; below it negative"));
    //: A readout: the wavelength of the light, worked out from its wave number k. Keep the formula as it is.
    addLine(Wavelength, "readoutWavelength", tr("Wavelength λ = 2π/k"),
            //: Accessible description of the wavelength readout.
            tr("The wavelength of the run's light, from its wave number k"));
    //: A readout: the length of the path from the middle of slit A to the selected point.
    addLine(PathA, "readoutPathA", tr("Path from slit A"),
            //: Accessible description of the readout of the path from slit A.
            tr("From the middle of slit A to the point, in pixels and in wavelengths"));
    //: A readout: the length of the path from the middle of slit B to the selected point.
    addLine(PathB, "readoutPathB", tr("Path from slit B"),
            //: Accessible description of the readout of the path from slit B.
            tr("From the middle of slit B to the point, in pixels and in wavelengths"));
    //: A readout: how much longer the path from slit B is than the path from slit A.
    addLine(Difference, "readoutDifference", tr("Path difference B − A"),
            //: Accessible description of the path-difference readout.
            tr("How much longer the path from slit B is, in wavelengths and pixels"));
    //: A readout: the angle between the two phasors (the arrows of the two waves), in degrees.
    addLine(
        Phase, "readoutPhase", tr("Phase difference"),
        //: Accessible description of the phase-difference readout; a phasor is the arrow that stands for one wave.
        tr("How much further phasor B is turned than phasor A, in degrees, and in whole turns and the "
           "rest"));
    //: A readout: the intensity the program worked out at the point, before the plot scales it.
    addLine(
        Computed, "readoutComputed", tr("Intensity as computed"),
        //: Accessible description of the computed-intensity readout; the phasor sum is the arrow from the tail of one phasor to the head of the other.
        tr("Four times the squared length of the phasor sum, before the pattern scales it"));
    //: A readout: what the plot drew at the point (a bar's length, or a number of photon dots).
    addLine(Plotted, "readoutPlotted", tr("Intensity as plotted"),
            //: Accessible description of the plotted-intensity readout.
            tr("What the plot drew at this height: the bar's length, or the photons"));
    //: A readout: the whole number m of wavelengths nearest the path difference (the nearest order).
    addLine(Order, "readoutOrder", tr("Nearest whole order"),
            //: Accessible description of the nearest-order readout.
            tr("The whole number of wavelengths m nearest the path difference, and how far "
               "the difference is from it"));
    //: A readout: where the path difference is m wavelengths (order m), exactly and by the small-angle formula.
    addLine(OrderMark, "readoutOrderMark", tr("Where this order lies"),
            //: Accessible description of the readout of where order m lies.
            tr("Where the path difference is exactly m wavelengths, and where the "
               "small-angle formula puts it"));
    list_->setCurrentRow(0);
    list_->installEventFilter(this);
    phasors_ = new PhasorView(this);
    //: The accessible name of the drawing of the two phasors (arrows) and their sum for the selected point.
    phasors_->setAccessibleName(tr("Phasors of the selected point"));
    phasors_->installEventFilter(keys);
    columns->addWidget(phasors_, 0, Qt::AlignTop);
}

bool PointReadouts::eventFilter(QObject *watched, QEvent *event)
{
    // Qt 6.4 tells a screen reader of the list's focus, not of its current line,
    // until that line changes: Orca said "List with 10 items" and no line. The
    // line is told as focused once the list's own focus has been told.
    if (watched == list_ && event->type() == QEvent::FocusIn) {
        QMetaObject::invokeMethod(
            list_,
            [list = list_] {
                if (!list->hasFocus() || list->currentRow() < 0)
                    return;
                QAccessibleEvent focus(list, QAccessible::Focus);
                focus.setChild(list->currentRow());
                QAccessible::updateAccessibility(&focus);
            },
            Qt::QueuedConnection);
    }
    return QGroupBox::eventFilter(watched, event);
}

QLineEdit *PointReadouts::addReadout(QFormLayout *form, QObject *keys, const char *objectName,
                                     const QString &name, const QString &description)
{
    auto *readout = new QLineEdit(form->parentWidget());
    readout->setObjectName(QString::fromLatin1(objectName));
    readout->setReadOnly(true);
    readout->setFrame(false);
    QPalette flat = readout->palette();
    flat.setColor(QPalette::Base, flat.color(QPalette::Window));
    readout->setPalette(flat);
    readout->setAccessibleName(name);
    readout->setAccessibleDescription(description);
    readout->installEventFilter(keys);
    //: A readout's label: %1 is its name ("Path from slit A").
    form->addRow(tr("%1:").arg(name), readout);
    return readout;
}

void PointReadouts::setReadout(QLineEdit *readout, const QString &text)
{
    if (readout->text() == text)
        return;
    readout->setText(text);
    readout->setCursorPosition(0);
}

int PointReadouts::readoutWidth(const QFont &font) { return 40 * QFontMetrics(font).averageCharWidth(); }

void PointReadouts::addLine(Readout which, const char *key, const QString &name, const QString &description)
{
    auto *item = new QListWidgetItem(list_);
    item->setData(Qt::UserRole, QString::fromLatin1(key));
    item->setData(Qt::AccessibleDescriptionRole, description);
    item->setToolTip(description);
    names_[std::size_t(which)] = name;
}

void PointReadouts::setLine(Readout which, const QString &value)
{
    //: A line of the selected point's readouts: %1 the readout's name ("Path from slit A"), %2 its value.
    const QString line = tr("%1: %2").arg(names_[std::size_t(which)], value);
    QListWidgetItem *item = list_->item(which);
    // Set only when it changes, so that a screen reader hears only what changed.
    if (item->text() == line)
        return;
    item->setText(line);
    item->setData(Qt::AccessibleTextRole, decimals::spoken(line));
    widenTo(line);
}

void PointReadouts::widenTo(const QString &line)
{
    // The list grows to its longest line, and never shrinks, so that it does not jump from point to point.
    const int wide = list_->fontMetrics().horizontalAdvance(line) + 2 * list_->frameWidth()
        + 4 * list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 8;
    if (wide > list_->minimumWidth())
        list_->setMinimumWidth(wide);
}

QString PointReadouts::spokenReading() const
{
    QStringList lines;
    for (const Readout which : {Height, Difference, Phase, Computed})
        lines << list_->item(which)->data(Qt::AccessibleTextRole).toString();
    // A full stop after each line: a screen reader pauses there, as between list lines.
    return lines.join(QLatin1String(". ")) + QLatin1Char('.');
}

void PointReadouts::setZoom(int percent)
{
    phasors_->setZoom(percent);
    list_->setMinimumWidth(0);
    for (int row = 0; row < list_->count(); ++row)
        widenTo(list_->item(row)->text());
    // Every line shows without scrolling.
    list_->setFixedHeight(list_->sizeHintForRow(0) * readoutCount + 2 * list_->frameWidth());
}

void PointReadouts::showNothing(const QString &why)
{
    for (int row = 0; row < readoutCount; ++row)
        setLine(Readout(row), why);
    phasors_->setPhases(std::nullopt, std::nullopt);
    phasors_->setAccessibleDescription(why);
}

void PointReadouts::show(const RunRecord &run, const PointReading &r, const std::vector<FringeMark> &exact,
                         const std::vector<FringeMark> &formula)
{
    //: A length in pixels; %1 is the number.
    const QString px = tr("%1 px");
    setLine(Height, px.arg(fixed(r.height, 0)));
    //: The wavelength in pixels, and the wave number k in radians per pixel.
    setLine(
        Wavelength,
        //: A length in pixels; %1 is the number.
        tr("%1 px (k = %2 rad/px)")
            .arg(fixed(2 * std::numbers::pi / run.waveNumber(), 3), decimals::shortest(run.waveNumber())));
    //: A path: %1 in pixels, %2 in wavelengths.
    const QString path = tr("%1 px = %2 λ");
    setLine(PathA, path.arg(fixed(r.pathA, 2), fixed(r.pathAWaves, 3)));
    setLine(PathB, path.arg(fixed(r.pathB, 2), fixed(r.pathBWaves, 3)));
    //: The path difference: %1 in wavelengths, %2 in pixels.
    setLine(Difference, tr("%1 λ = %2 px").arg(fixed(r.differenceWaves, 3), fixed(r.pathB - r.pathA, 3)));
    // The difference as whole turns and the rest, -180° … 180°.
    const double turns = std::round(r.phaseDifferenceDegrees / 360);
    const double rest = r.phaseDifferenceDegrees - 360 * turns;
    const QString whole = fixed(r.phaseDifferenceDegrees, 1);
    setLine(
        Phase,
        //: The phase difference as whole turns less the rest: %1 the whole angle, %2 the whole turns, %3 the rest, in degrees.
        rest < 0
            ? tr("%1° = %2 × 360° − %3°").arg(whole, fixed(turns, 0), fixed(-rest, 1))
            : //: The phase difference as whole turns plus the rest: %1 the whole angle, %2 the whole turns, %3 the rest, in degrees.
            tr("%1° = %2 × 360° + %3°").arg(whole, fixed(turns, 0), fixed(rest, 1)));
    //: The computed intensity: %1 its value, %2 the largest value it can have.
    setLine(Computed, tr("%1 of at most %2").arg(fixed(r.computed, 1), fixed(brightest, 0)));
    setLine(Plotted,
            //: In photon mode: %1 the expected photon count at the point, %2 the dots actually drawn.
            r.photons ? tr("photon count %1, dots drawn: %2").arg(fixed(r.plotted, 2), fixed(r.dots, 0))
                      : //: The plotted intensity as a bar's length: %1 in pixels.
                tr("bar %1 px long").arg(fixed(r.plotted, 2)));
    //: %1 the whole order m, %2 how far the path difference is from it in wavelengths, with its sign.
    setLine(
        Order,
        tr("m = %1, off by %2 λ").arg(fixed(double(r.nearestOrder), 0), decimals::withSign(r.fromOrder, 3)));
    const double order = double(r.nearestOrder);
    const FringeMark *solved = markOf(exact, order);
    const FringeMark *predicted = markOf(formula, order);
    const auto where = [&px](const FringeMark *mark) {
        //: Where an order would lie beyond the scanned part of the screen.
        return mark ? px.arg(fixed(mark->height, 2)) : tr("off the screen");
    };
    if (exact.empty() && formula.empty()) {
        //: With both slits at one place (spacing 0) there are no orders: the path difference does not change.
        setLine(OrderMark, tr("none: the path difference is the same everywhere"));
    } else {
        //: Where order m lies: %1 from the exact geometry, %2 by the small-angle formula
        //: (each a height in pixels or "off the screen").
        setLine(OrderMark, tr("exact %1, small-angle %2").arg(where(solved), where(predicted)));
    }

    phasors_->setPhases(r.phaseB, r.phaseA);
    const auto degrees = [](double phase) {
        const double d = std::fmod(phase * 180 / std::numbers::pi, 360.0);
        return fixed(d < 0 ? d + 360 : d, 0);
    };
    const double sum = std::sqrt(r.computed / scan::intensityFactor);
    phasors_->setAccessibleDescription(decimals::spoken(
        //: The phasor drawing for a screen reader: %1 and %2 the angles the phasors are turned by, %3 the length of their sum (drawn green) and %4 the longest it can be, in pixels.
        tr("Phasor B turned %1°, phasor A turned %2° drawn from its tip; their sum, green, is %3 px long of "
           "at most %4 px")
            .arg(degrees(r.phaseB), degrees(r.phaseA), fixed(sum, 1), fixed(longestSum, 0))));
}
