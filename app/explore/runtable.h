// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

class QLocale;
class RunRecord;

// The run's table: one row a recorded point, in scan order (bottom to top), with
// the columns of the header below: the point's number (1 … 399), its picture y,
// its height above the optical axis (pixels, up positive), the paths from the
// middle of slit A and slit B (pixels), their difference in wavelengths, the
// phase difference in degrees, the intensity before scaling, and what the plot
// drew (the bar's length, or in photon mode the number of dots).
namespace runtable {
inline constexpr char header[] =
    "point,y,height,path_a,path_b,path_difference_wavelengths,phase_difference_degrees,intensity,plotted";
} // namespace runtable

// The CSV file: the header line, then a line a point, comma-separated, each
// line ending in "\n". Numbers have the fewest digits that read back as the same
// double, with a '.' whatever the language.
QByteArray runTableCsv(const RunRecord &run);

// The same rows for a spreadsheet through the clipboard: the columns' titles in
// the user's language, then the rows, tab-separated, each number as the file
// has it, in ASCII digits with an ASCII minus, but with `locale`'s decimal
// separator where that is a comma.
QString runTableText(const RunRecord &run, const QLocale &locale);
