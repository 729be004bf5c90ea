#pragma once

#include "ScheduleText.h"

#include <QString>

class QFont;
class QPagedPaintDevice;
class StringGrid;

// The printed schedule: a title with the loan's name and main terms on the first page, then
// the whole grid over as many pages as it needs, the column titles repeated at the top of
// every page, the totals row in bold at the end, and "Страница N из M" at the foot of each
// page. Sizes are set in millimetres, so a page holds the same rows on every printer: the
// header row and the body rows are 5 mm high, the foot takes 8 mm, the title 8 mm for the
// heading, 5 mm for each term and 4 mm of space below.
namespace SchedulePrintout {

// Rows of the grid below its header row that fit on the first page and on every later page
// of a page whose printable area is pageHeightMm high, with termLines lines of terms under
// the heading.
struct PageCapacity {
    int first = 0;
    int other = 0;
};
PageCapacity Capacity(double pageHeightMm, int termLines);

// The number of pages the body rows take.
int PageCount(int bodyRows, PageCapacity capacity);

// Paints the schedule on the device, which must be fresh (no painter active, the page size
// and margins already chosen). Returns the number of pages, or 0 when painting could not
// start (a printer or file that cannot be opened). The text is set in baseFont's families.
int Print(QPagedPaintDevice& device, const Report::LoanSummary& loan, const StringGrid& grafik,
          const QFont& baseFont);

// The heading of the printout and of a PDF's title: "График платежей: <name>".
QString Heading(const Report::LoanSummary& loan);

} // namespace SchedulePrintout
