// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/decimals.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Decimals)
};

QString readable(QString text)
{
    // Left-to-right, right-to-left and Arabic letter marks.
    for (const char16_t mark : {u'\u200E', u'\u200F', u'\u061C'})
        text.remove(QChar(mark));
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

// "12 px" in words: the plural form a whole number takes, one form after decimals.
QString pixels(const QString &number)
{
    bool whole = false;
    const int n = QLocale().toInt(QString(number).remove(QChar(0x2212)), &whole);
    if (!whole)
        //: A length as a screen reader speaks it, after a number with decimals ("12.5 pixels");
        //: %1 the number.
        return Text::tr("%1 pixels", "after decimals").arg(number);
    QString words;
    if (n == 1)
        //: One pixel as a screen reader speaks it (%n is 1); give every plural form your language has.
        words = Text::tr("%n pixel", nullptr, n);
    else
        //: A length in whole pixels as a screen reader speaks it; give every plural form your
        //: language has (2 pixely, 5 pixelů).
        words = Text::tr("%n pixels", nullptr, n);
    return words.replace(QString::number(n), number);
}

QLocale numbers()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}
} // namespace

namespace decimals {
QString fixed(double value, int decimals)
{
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return readable(numbers().toString(value, 'f', decimals));
}

QString withSign(double value, int decimals)
{
    const QString text = fixed(value, decimals);
    return value > 0 && text != fixed(0, decimals) ? readable(QLocale().positiveSign()) + text : text;
}

QString shortest(double value)
{
    return readable(numbers().toString(value, 'g', QLocale::FloatingPointShortest));
}

QString spoken(QString text)
{
    static const QRegularExpression perPixel(QStringLiteral("\\brad/px\\b"));
    //: The unit "rad/px" of the wave number k as a screen reader speaks it.
    text.replace(perPixel, Text::tr("radians per pixel"));
    static const QRegularExpression length(QStringLiteral("(\\S+) px\\b"));
    QString said;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : length.globalMatch(text)) {
        said += text.mid(from, match.capturedStart() - from);
        said += pixels(match.captured(1));
        from = match.capturedEnd();
    }
    return said + text.mid(from);
}
} // namespace decimals
