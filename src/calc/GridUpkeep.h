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

// The caption of the schedule's totals row, in its date column.
inline QString TotalsCaption() {
    return QStringLiteral("Итого:");
}

// Writes the headers of columns 0-6 of the schedule.
void GrafikHeaders(StringGrid& grafik);

// Whether the user may type into a schedule cell of the column.
inline bool GrafikCellEditable(int col) {
    return col == CorrectionColumn;
}

// Early payments table: column 0 the date, column 1 the sum, column 2 what the repayment
// reduces: the payment ("платёж", also meant by an empty cell and by a table of two columns
// from an older record) or the term ("срок").
inline constexpr int DosPlatColumnCount = 3;
inline constexpr int DosPlatReduceColumn = 2;
inline QString DosPlatReducePayment() {
    return QStringLiteral("платёж");
}
inline QString DosPlatReduceTerm() {
    return QStringLiteral("срок");
}
// Empties every entry and leaves the header and one new entry row, with the captions "Дата",
// "Сумма" and "Уменьшить".
void DosPlatClear(StringGrid& dosPlat);
// Adds a new entry row at the bottom: empty date and sum, reducing the payment. A table of two
// columns (an older record) gets its third column first.
void DosPlatAddRow(StringGrid& dosPlat);

// Completes an early payment sum the user has left: a number without a comma gets ",00"; an
// empty text and any other text stay as they are.
QString ZapolnitSummu(const QString& text);

} // namespace Calc
