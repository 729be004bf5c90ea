#include "GrafikDates.h"

#include "DateText.h"
#include "NumberText.h"
#include "Prazdniki.h"
#include "RegionalSettings.h"
#include "StringGrid.h"

#include <algorithm>
#include <vector>

namespace Calc {
namespace {

// A payment that falls on a day off moves to the next day, again and again until none of the
// chosen rules applies; the holiday rule is checked first after every move.
QDate shiftOffDaysOff(QDate date, const LoanTerms& terms, bool holidaysApply) {
    for (;;) {
        if (holidaysApply && IsPrazdnik(date)) {
            date = date.addDays(1);
            continue;
        }
        const int weekDay = date.dayOfWeek();
        if (terms.cSubb && weekDay == Qt::Saturday) {
            date = date.addDays(1);
            continue;
        }
        if (terms.cVosk && weekDay == Qt::Sunday) {
            date = date.addDays(1);
            continue;
        }
        return date;
    }
}

bool isAsciiDigits(const QString& text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

QString DateSortKey(const QString& dateText) {
    return dateText.mid(6, 4) + dateText.mid(3, 2) + dateText.mid(0, 2);
}

int CompareSortKeys(const QString& a, const QString& b) {
    // Texts of plain digits compare digit by digit in the locale's order too, the shorter of
    // two texts that agree as far as it goes coming first: the ordinary comparison gives the
    // same answer without the cost of the collator.
    if (isAsciiDigits(a) && isAsciiDigits(b))
        return a.compare(b);
    return Regional::compareStrings(a, b);
}

void GrafikDates(const LoanTerms& terms, StringGrid& grafik, const StringGrid& dosPlat) {
    StringGrid::UpdateBlock update(grafik);
    for (int r = 0; r < grafik.rowCount(); ++r) {
        grafik.setCell(0, r, QString());
        grafik.setCell(1, r, QString());
    }
    const int n = PaymentCount(terms);
    grafik.setRowCount(n + 1);

    QDate previous;
    for (int i = 1; i <= n; ++i) {
        QDate date;
        if (i == 1)
            date = terms.dataPlateja;
        else if (terms.r30)
            date = previous.addDays(30);
        else if (terms.r31)
            date = previous.addDays(31);
        else
            date = terms.dataPlateja.addMonths(i - 1);
        // The last payment is due on its date even when that is a holiday.
        date = shiftOffDaysOff(date, terms, terms.cPraz && i != n);
        grafik.setCell(0, i, NumberText::FloatToStr(i));
        grafik.setCell(1, i, DateText::DateToStr(date));
        previous = date;
    }

    // Early payments: appended in the order of the table, then all rows put in date order.
    // Rows with the same key keep their order, so an early payment lands after the regular
    // payment of the same date and after the early payments of that date listed before it.
    // (Sorted again after each appended row, as a plain exchange sort would do it, rows of the
    // same date could change places and a regular payment could come to stand behind an early
    // payment of its own date.)
    const int regularRows = grafik.rowCount();
    int last = regularRows - 1;
    for (int m = 1; m < dosPlat.rowCount(); ++m) {
        const QString dateText = dosPlat.cell(0, m);
        if (dateText.isEmpty())
            continue;
        ++last;
        grafik.setRowCount(last + 1);
        grafik.setCell(1, last, dateText);
    }
    if (last == regularRows - 1)
        return;

    std::vector<int> order;
    std::vector<QString> keys(static_cast<size_t>(last) + 1);
    for (int r = 1; r <= last; ++r) {
        order.push_back(r);
        keys[static_cast<size_t>(r)] = DateSortKey(grafik.cell(1, r));
    }
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return CompareSortKeys(keys[static_cast<size_t>(a)], keys[static_cast<size_t>(b)]) < 0;
    });
    std::vector<QStringList> rows(static_cast<size_t>(last) + 1);
    for (int r = 1; r <= last; ++r)
        rows[static_cast<size_t>(r)] = grafik.row(r);
    for (int r = 1; r <= last; ++r) {
        const int from = order[static_cast<size_t>(r - 1)];
        if (from != r)
            grafik.setRow(r, rows[static_cast<size_t>(from)]);
    }
}

} // namespace Calc
