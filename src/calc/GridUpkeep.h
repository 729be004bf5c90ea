#pragma once

#include <QString>

class StringGrid;

namespace Calc {

// Schedule grid: column 6 holds the user's interest corrections and is the only column the
// user may edit.
inline constexpr int CorrectionColumn = 6;
inline constexpr int BaseColumnCount = 7;

// Empties the amounts of a rebuilt schedule: columns 2-5 and 7 on, rows 1 to last. Headers,
// numbers and dates, the corrections and the sizes stay.
void GrafikClearCells(StringGrid& grafik);

// Throws the schedule away: every cell emptied, 2 rows and 7 columns.
void GrafikClearFullCells(StringGrid& grafik);

// Writes the headers of columns 0-6 of the schedule.
void GrafikHeaders(StringGrid& grafik);

// Whether the user may type into a schedule cell of the column.
inline bool GrafikCellEditable(int col) {
    return col == CorrectionColumn;
}

// Early payments table: column 0 the date, column 1 the sum.
// Empties every entry and leaves the header and one empty entry row, with the captions
// "Дата" and "Сумма".
void DosPlatClear(StringGrid& dosPlat);
// Adds one empty entry row at the bottom.
void DosPlatAddRow(StringGrid& dosPlat);

// Completes an early payment sum the user has left: a number without a comma gets ",00"; an
// empty text and any other text stay as they are.
QString ZapolnitSummu(const QString& text);

} // namespace Calc
