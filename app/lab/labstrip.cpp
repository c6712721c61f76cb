// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "lab/labstrip.h"

#include "lightcolour.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>

namespace {
constexpr double half = LabExperiment::halfScreen;
constexpr double millimetre = 1e-3;

// Laid-out sizes at 100 %, in pixels.
constexpr int stripWidth = 800;
constexpr int bandHeight = 48;
constexpr int gap = 4;
constexpr int rulerHeight = 30;
constexpr int sideMargin = 20;

// The light's colour at a brightness 0 … 1.
QRgb shade(const LightColour &colour, double brightness)
{
    return qRgb(int(std::lround(255 * colour.red * brightness)),
                int(std::lround(255 * colour.green * brightness)),
                int(std::lround(255 * colour.blue * brightness)));
}
} // namespace

LabStrip::LabStrip(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void LabStrip::setExperiment(const LabExperiment &experiment)
{
    experiment_ = experiment;
    clearPhotons();
    renderLight();
    update();
}

void LabStrip::setPoint(double y)
{
    point_ = std::clamp(y, -half, half);
    update();
}

void LabStrip::addPhoton(double y, double across)
{
    photons_.emplace_back(y, across);
    ++photonCount_;
    drawDot(photons_.size() - 1);
    update(photonBand());
}

void LabStrip::clearPhotons()
{
    photons_.clear();
    photonCount_ = 0;
    renderPhotons();
    update();
}

void LabStrip::setZoom(int percent)
{
    zoom_ = percent;
    updateGeometry();
    update();
}

QSize LabStrip::sizeHint() const
{
    return QSize((stripWidth + 2 * sideMargin) * zoom_ / 100
                     + fontMetrics().horizontalAdvance(QStringLiteral(" mm")),
                 (sideMargin / 2 + 2 * bandHeight + gap + rulerHeight) * zoom_ / 100);
}

QRect LabStrip::lightBand() const
{
    // Room at the right for the ruler's last number with its unit.
    const int margin = sideMargin * zoom_ / 100;
    const int unit = fontMetrics().horizontalAdvance(QStringLiteral(" mm"));
    return {margin, margin / 2, width() - 2 * margin - unit, bandHeight * zoom_ / 100};
}

QRect LabStrip::photonBand() const
{
    const QRect light = lightBand();
    return {light.left(), light.bottom() + 1 + gap * zoom_ / 100, light.width(), light.height()};
}

double LabStrip::xOf(double y) const
{
    const QRect band = lightBand();
    return band.left() + (y + half) / (2 * half) * band.width();
}

double LabStrip::yAt(double x) const
{
    const QRect band = lightBand();
    return (x - band.left()) / band.width() * (2 * half) - half;
}

void LabStrip::renderLight()
{
    const QRect band = lightBand();
    light_ = QImage(std::max(band.width(), 1), 1, QImage::Format_RGB32);
    const LightColour colour = LightColour::of(experiment_.wavelength);
    // Each column as bright as the intensity at its middle.
    for (int x = 0; x < light_.width(); ++x)
        light_.setPixel(x, 0, shade(colour, experiment_.intensity(yAt(band.left() + x + 0.5))));
}

void LabStrip::renderPhotons()
{
    const QRect band = photonBand();
    photonImage_ = QImage(std::max(band.width(), 1), std::max(band.height(), 1), QImage::Format_RGB32);
    photonImage_.fill(Qt::black);
    hits_.assign(std::size_t(photonImage_.width()) * std::size_t(photonImage_.height()), 0);
    mostHits_ = 0;
    for (std::size_t i = 0; i < photons_.size(); ++i)
        drawDot(i);
}

void LabStrip::drawDot(std::size_t photon)
{
    const auto [y, across] = photons_[photon];
    const int w = photonImage_.width(), h = photonImage_.height();
    const int px = std::clamp(int(std::floor((y + half) / (2 * half) * w)), 0, w - 1);
    const int py = std::clamp(int(std::floor(across * h)), 0, h - 1);
    int &hits = hits_[std::size_t(py) * std::size_t(w) + std::size_t(px)];
    ++hits;
    const LightColour colour = LightColour::of(experiment_.wavelength);
    if (hits > mostHits_) {
        // Every dot is as bright as its hits against the most any pixel has.
        mostHits_ = hits;
        for (int row = 0; row < h; ++row)
            for (int column = 0; column < w; ++column)
                if (const int n = hits_[std::size_t(row) * std::size_t(w) + std::size_t(column)])
                    photonImage_.setPixel(column, row, shade(colour, double(n) / mostHits_));
        return;
    }
    photonImage_.setPixel(px, py, shade(colour, double(hits) / mostHits_));
}

void LabStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    renderLight();
    renderPhotons();
}

void LabStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(lightBand(), light_);
    painter.drawImage(photonBand().topLeft(), photonImage_);
    paintRuler(painter);
    // The chosen point: a line over both bands, white edged with black to show on any colour.
    const int x = int(std::lround(xOf(point_)));
    const QRect both = lightBand().united(photonBand());
    painter.fillRect(QRect(x - 1, both.top(), 3, both.height()), Qt::black);
    painter.fillRect(QRect(x, both.top(), 1, both.height()), Qt::white);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = both.adjusted(-2, -2, 2, 2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void LabStrip::paintRuler(QPainter &painter)
{
    const QRect band = photonBand();
    const int top = band.bottom() + 3;
    const double unit = zoom_ / 100.0;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(band.left(), top, band.right(), top);
    const QLocale locale;
    const QFontMetrics metrics(font());
    // A tick every millimetre, longer every 5 mm, numbered every 10 mm.
    for (int mm = -50; mm <= 50; ++mm) {
        const int x = std::min(int(std::lround(xOf(mm * millimetre))), band.right());
        const double length = mm % 10 == 0 ? 9 : mm % 5 == 0 ? 6 : 3;
        painter.drawLine(x, top, x, top + int(std::lround(length * unit)));
        if (mm % 10 != 0)
            continue;
        const QString label =
            mm == 50 ? QStringLiteral("%1 mm").arg(locale.toString(mm)) : locale.toString(mm);
        const int labelWidth = metrics.horizontalAdvance(label);
        const int left =
            mm == 50 ? x - metrics.horizontalAdvance(locale.toString(mm)) / 2 : x - labelWidth / 2;
        painter.drawText(left, top + int(std::lround(11 * unit)) + metrics.ascent(), label);
    }
    const int x = int(std::lround(xOf(point_)));
    const int tip = int(std::lround(6 * unit));
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawPolygon(
        QPolygon({QPoint(x, top), QPoint(x - tip, top + 2 * tip), QPoint(x + tip, top + 2 * tip)}));
}

void LabStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pointChosen(std::clamp(yAt(event->position().x()), -half, half));
}

void LabStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        emit pointChosen(std::clamp(yAt(event->position().x()), -half, half));
}

void LabStrip::keyPressEvent(QKeyEvent *event)
{
    const bool fine = event->modifiers() & Qt::ControlModifier;
    double step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        step = fine ? -0.01 : -0.1;
        break;
    case Qt::Key_Right:
        step = fine ? 0.01 : 0.1;
        break;
    case Qt::Key_PageDown:
        step = -1;
        break;
    case Qt::Key_PageUp:
        step = 1;
        break;
    case Qt::Key_Home:
        emit pointChosen(0);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    emit pointChosen(std::clamp(point_ + step * millimetre, -half, half));
}
