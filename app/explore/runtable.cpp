// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "explore/runtable.h"

#include "runreading.h"
#include "runrecord.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <array>
#include <charconv>
#include <variant>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RunTable)
};

using Cell = std::variant<long, double>;

// A row's cells in the header's order.
std::array<Cell, 9> cells(const PointReading &r)
{
    const Cell plotted = r.photons ? Cell(r.dots) : Cell(r.plotted);
    return {long(r.point), r.y,    r.height, r.pathA, r.pathB, r.differenceWaves, r.phaseDifferenceDegrees,
            r.computed,    plotted};
}

// The shortest text that reads back as the same number, in the C locale.
void append(QByteArray &line, const Cell &cell)
{
    std::array<char, 32> digits{};
    const std::to_chars_result written = std::visit(
        [&digits](auto v) { return std::to_chars(digits.data(), digits.data() + digits.size(), v); }, cell);
    line.append(digits.data(), written.ptr - digits.data());
}

QString localised(QChar decimal, const Cell &cell)
{
    QByteArray text;
    append(text, cell);
    return QString::fromLatin1(text).replace(QLatin1Char('.'), decimal);
}
} // namespace

QByteArray runTableCsv(const RunRecord &run)
{
    QByteArray csv = QByteArray(runtable::header) + '\n';
    for (int point = 1; point <= int(run.points().size()); ++point) {
        const std::array<Cell, 9> row = cells(ReadPoint(run, point));
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0)
                csv += ',';
            append(csv, row[column]);
        }
        csv += '\n';
    }
    return csv;
}

QString runTableText(const RunRecord &run, const QLocale &locale)
{
    // A spreadsheet reads ASCII digits in every language, but not every language's
    // own digits, group separators or the direction marks before a minus sign;
    // it wants the language's decimal separator when that is a comma or a point,
    // and a point where the language has another one (an Arabic "٫").
    const QChar decimal = locale.decimalPoint() == QLatin1String(",") ? QLatin1Char(',') : QLatin1Char('.');
    const QStringList titles{
        //: A column title of the run's table pasted into a spreadsheet: the point's number, 1 … 399 from the bottom.
        Text::tr("point"),
        //: A column title: the point's y coordinate in the picture, in pixels (downwards).
        Text::tr("y (px)"),
        //: A column title: the point's height above the optical axis, in pixels.
        Text::tr("height (px)"),
        //: A column title: the path from the middle of slit A to the point, in pixels.
        Text::tr("path A (px)"),
        //: A column title: the path from the middle of slit B to the point, in pixels.
        Text::tr("path B (px)"),
        //: A column title: path B less path A, in wavelengths.
        Text::tr("path difference (λ)"),
        //: A column title: the phase difference of the two waves, in degrees.
        Text::tr("phase difference (°)"),
        //: A column title: the intensity the program worked out, before the plot scales it.
        Text::tr("intensity as computed"),
        //: The plotted value: a bar's length in pixels, or in photon mode the number of dots.
        Text::tr("plotted"),
    };
    QStringList lines{titles.join(QLatin1Char('\t'))};
    for (int point = 1; point <= int(run.points().size()); ++point) {
        QStringList row;
        for (const Cell &cell : cells(ReadPoint(run, point)))
            row << localised(decimal, cell);
        lines << row.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
