#include "GrafikDates.h"

#include "DateText.h"
#include "NumberText.h"
#include "Prazdniki.h"
#include "RegionalSettings.h"
#include "StringGrid.h"

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

// One pass of the exchange sort over rows 1..last of the grid: for p < q, rows p and q are
// exchanged when key(p) is greater than key(q). keys[r] is the key of grid row r and moves with
// its row.
void exchangeSortPass(StringGrid& grid, std::vector<QString>& keys, int last) {
    const auto greater = [&keys](int a, int b) {
        return CompareSortKeys(keys[a], keys[b]) > 0;
    };
    const auto exchange = [&grid, &keys](int a, int b) {
        grid.exchangeRows(a, b);
        std::swap(keys[a], keys[b]);
    };
    bool headSorted = true;
    for (int r = 1; r + 1 < last && headSorted; ++r)
        headSorted = !greater(r, r + 1);
    if (headSorted) {
        // Rows 1..last-1 are in order, so no two of them are ever exchanged: only the comparison
        // of each row p with the row at the bottom can exchange anything. The result is the
        // same as that of the full double loop below.
        for (int p = 1; p < last; ++p)
            if (greater(p, last))
                exchange(p, last);
        return;
    }
    for (int p = 1; p < last; ++p)
        for (int q = p + 1; q <= last; ++q)
            if (greater(p, q))
                exchange(p, q);
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

    // The sort keys of rows 1..last, kept beside the grid; they move with their rows, so they
    // stay the keys of column 1 from one pass to the next.
    std::vector<QString> keys;
    for (int m = 1; m < dosPlat.rowCount(); ++m) {
        const QString dateText = dosPlat.cell(0, m);
        if (dateText.isEmpty())
            continue;
        const int last = grafik.rowCount();
        grafik.setRowCount(last + 1);
        grafik.setCell(1, last, dateText);
        if (keys.empty()) {
            keys.resize(static_cast<size_t>(last));
            for (int r = 1; r < last; ++r)
                keys[static_cast<size_t>(r)] = DateSortKey(grafik.cell(1, r));
        }
        keys.push_back(DateSortKey(dateText));
        exchangeSortPass(grafik, keys, last);
    }
}

} // namespace Calc
