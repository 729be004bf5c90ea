#include "Schedule.h"

#include "GrafikCalc.h"
#include "GrafikDates.h"
#include "GridUpkeep.h"
#include "StringGrid.h"

namespace Calc {

ScheduleTotals BuildSchedule(const LoanTerms& terms, StringGrid& grafik,
                             const StringGrid& dosPlat) {
    // Views learn of the whole rebuild at once, also when it fails half way.
    StringGrid::UpdateBlock update(grafik);
    // The amounts and add-on columns of the previous schedule stay until the computation
    // writes the new ones over them (or empties or drops them), which spares most of a
    // rebuild's allocations. A failure before that drops them.
    if (grafik.colCount() < BaseColumnCount)
        grafik.setColCount(BaseColumnCount);
    try {
        GrafikDates(terms, grafik, dosPlat);
        GrafikHeaders(grafik);
    } catch (...) {
        grafik.setColCount(BaseColumnCount);
        GrafikClearCells(grafik);
        throw;
    }
    GrafikCalc(terms, grafik, dosPlat);
    const int last = grafik.rowCount() - 1;
    return {QStringLiteral("Сумма долга: ") + grafik.cell(2, last),
            QStringLiteral("Переплата: ") + grafik.cell(4, last)};
}

} // namespace Calc
