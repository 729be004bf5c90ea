#pragma once

#include "LoanTerms.h"

class StringGrid;

namespace Calc {

// Writes the payment numbers and dates of the schedule into columns 0 and 1 of grafik and merges
// in the early payments of dosPlat.
//
// Regular rows 1..n: the first date is terms.dataPlateja; each later one is the previous final
// date plus 30 days (R_30) or 31 days (R_31), or else dataPlateja moved i - 1 calendar months on
// (the last day of a shorter month stands for a missing day). A date then moves forward one day
// at a time while it is a holiday (CPraz; never for the last payment n), a Saturday (CSubb) or a
// Sunday (CVosk). Column 0 gets the number, column 1 the date as dd.mm.yyyy.
//
// Early payments: every dosPlat row with a date text is appended as a row without a number and
// with the date text as typed, and the rows 1..last are put in order of the key yyyymmdd cut
// from the text's character positions, compared as the locale compares texts. Rows with equal
// keys keep their order: regular payments first, then early payments in table order. Rows move
// with all their cells, so an interest correction in column 6 follows its row.
//
// Columns 0 and 1 of every row are emptied first and the row count becomes n + 1 before the
// early payments are added; no other column is written. A term that is not a count raises
// EConvertError after the emptying.
void GrafikDates(const LoanTerms& terms, StringGrid& grafik, const StringGrid& dosPlat);

// The sort key of a schedule date text: characters 7-10, 4-5 and 1-2 (yyyymmdd for dd.mm.yyyy).
QString DateSortKey(const QString& dateText);

// The comparison of two sort keys, <0, 0 or >0, as the locale compares texts.
int CompareSortKeys(const QString& a, const QString& b);

} // namespace Calc
