// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "window/captionfit.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
constexpr qreal shrinkStep = 0.95;
constexpr qreal smallestShare = 0.6;    // of the laid-out size
constexpr int frameCaptionMargins = 16; // the caption's indent on the left, as much on the right

bool fits(const QWidget &control, const QFontMetrics &metrics)
{
    if (const auto *label = qobject_cast<const QLabel *>(&control)) {
        const QRect box(QPoint(0, 0), label->size());
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 10 * box.height() + 100),
                                                  int(label->alignment()) | Qt::TextWordWrap, label->text());
        bool wordsFit = true;
        for (const QString &word : wrappableParts(label->text()))
            wordsFit = wordsFit && metrics.horizontalAdvance(word) <= box.width();
        return wordsFit && needed.width() <= box.width() && needed.height() <= box.height();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.fontMetrics = metrics;
        option.text = button->text();
        const bool isOption = qobject_cast<const QRadioButton *>(button);
        const QRect room = button->style()->subElementRect(
            isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
        return metrics.horizontalAdvance(button->text()) <= room.width();
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(&control))
        return metrics.horizontalAdvance(frame->title()) + frameCaptionMargins <= frame->width();
    return true;
}
} // namespace

QStringList wrappableParts(const QString &caption)
{
    // A part broken at a soft hyphen shows the hyphen at its end.
    static const QRegularExpression breaks(QStringLiteral("(?<=\u00ad)| "));
    QStringList parts = caption.split(breaks, Qt::SkipEmptyParts);
    for (QString &part : parts)
        part.replace(QChar(0x00AD), QLatin1Char('-'));
    return parts;
}

bool layoutFontsPresent()
{
    static const bool present = QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))
        && QFontDatabase::hasFamily(QStringLiteral("Liberation Serif"));
    return present;
}

void shrinkToFit(QWidget &control)
{
    QFont font = control.font();
    const qreal laidOut = font.pointSizeF();
    while (!fits(control, QFontMetrics(font)) && font.pointSizeF() * shrinkStep >= laidOut * smallestShare) {
        font.setPointSizeF(font.pointSizeF() * shrinkStep);
        control.setFont(font);
    }
}
