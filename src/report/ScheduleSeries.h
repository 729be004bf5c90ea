#pragma once

#include <QDate>
#include <QList>

class StringGrid;

namespace Report {

// One payment of a schedule as the chart shows it: the part that repays the debt, the
// interest, and the debt left after the payment.
struct SeriesPoint {
    QDate date;
    long double principal = 0;
    long double interest = 0;
    long double debt = 0;
    bool early = false; // an early payment (a row without a number)
    bool operator==(const SeriesPoint&) const = default;
};

// The payments of the schedule grid in row order: every body row whose date column holds a
// date (the totals row and empty rows are skipped). Amounts come from the principal (3),
// interest (4) and remaining-debt (5) columns; an empty or unreadable amount counts as 0.
QList<SeriesPoint> ScheduleSeries(const StringGrid& grafik);

} // namespace Report
