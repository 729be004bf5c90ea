#include "GrafikDates.h"

#include "CalendarDay.h"

#include "DateText.h"
#include "NumberText.h"
#include "Prazdniki.h"
#include "RegionalSettings.h"
#include "StringGrid.h"

#include <algorithm>
#include <iterator>
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

// The monthly payment dates: the first date moved whole calendar months on, the last day of a
// shorter month standing for a missing day, as QDate::addMonths does. Counted on calendar
// parts, which costs much less than QDate's general routine; dates before year 1 (where the
// calendar has no year 0) are left to it.
class MonthlyDates {
public:
    explicit MonthlyDates(QDate first)
        : m_first(first) {
        if (first.isValid())
            first.getDate(&m_year, &m_month, &m_day);
        m_plain = first.isValid() && m_year >= 1;
    }

    QDate after(int months) const {
        if (!m_plain || months < 0)
            return m_first.addMonths(months);
        if (months == 0)
            return m_first;
        const qint64 index = static_cast<qint64>(m_month - 1) + months;
        const qint64 year = m_year + index / 12;
        const int month = static_cast<int>(index % 12) + 1;
        const int day = std::min(m_day, daysInMonth(year, month));
        return QDate::fromJulianDay(julianDay(year, month, day));
    }

private:
    QDate m_first;
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
    bool m_plain = false;
};

bool isAsciiDigits(const QString& text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The sort key of a date text as a number when all eight of its key characters are digits,
// else -1.
long long numericSortKey(const QString& dateText) {
    if (dateText.size() < 10)
        return -1;
    static constexpr int positions[8] = {6, 7, 8, 9, 3, 4, 0, 1};
    long long key = 0;
    for (int p : positions) {
        const QChar c = dateText[p];
        if (c < u'0' || c > u'9')
            return -1;
        key = key * 10 + (c.unicode() - u'0');
    }
    return key;
}

// The payment number of row i, as a number is written ("1", "360").
void writeNumber(StringGrid& grafik, int i) {
    char16_t digits[12];
    char16_t* end = digits + std::size(digits);
    const char16_t* p = NumberText::WriteDigits(static_cast<unsigned>(i), end);
    grafik.setCell(0, i, QStringView(p, end - p));
}

void writeDate(StringGrid& grafik, int row, QDate date) {
    char16_t text[10];
    if (DateText::DateToChars(date, text))
        grafik.setCell(1, row, QStringView(text, 10));
    else
        grafik.setCell(1, row, DateText::DateToStr(date));
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
    // Numbers and dates are emptied, then the rows of the payments get theirs. A row that gets
    // the text it had keeps it: a rebuild of the same dates writes nothing.
    int n = 0;
    try {
        n = PaymentCount(terms);
    } catch (...) {
        for (int r = 0; r < grafik.rowCount(); ++r) {
            grafik.setCell(0, r, QString());
            grafik.setCell(1, r, QString());
        }
        throw;
    }
    if (grafik.rowCount() > 0) {
        grafik.setCell(0, 0, QString());
        grafik.setCell(1, 0, QString());
    }
    grafik.setRowCount(n + 1);

    const MonthlyDates monthly(terms.dataPlateja);
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
            date = monthly.after(i - 1);
        // The last payment is due on its date even when that is a holiday.
        date = shiftOffDaysOff(date, terms, terms.cPraz && i != n);
        writeNumber(grafik, i);
        writeDate(grafik, i, date);
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

    std::vector<int> order; // order[k]: the row that goes to position k + 1
    for (int r = 1; r <= last; ++r)
        order.push_back(r);
    // Keys of eight digits compare as the numbers they spell; only other keys need the
    // locale's comparison.
    std::vector<long long> numericKeys(static_cast<size_t>(last) + 1, -1);
    bool allNumeric = true;
    for (int r = 1; r <= last && allNumeric; ++r) {
        numericKeys[static_cast<size_t>(r)] = numericSortKey(grafik.cell(1, r));
        allNumeric = numericKeys[static_cast<size_t>(r)] >= 0;
    }
    if (allNumeric) {
        std::stable_sort(order.begin(), order.end(), [&numericKeys](int a, int b) {
            return numericKeys[static_cast<size_t>(a)] < numericKeys[static_cast<size_t>(b)];
        });
    } else {
        std::vector<QString> keys(static_cast<size_t>(last) + 1);
        for (int r = 1; r <= last; ++r)
            keys[static_cast<size_t>(r)] = DateSortKey(grafik.cell(1, r));
        std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
            return CompareSortKeys(keys[static_cast<size_t>(a)], keys[static_cast<size_t>(b)]) < 0;
        });
    }
    grafik.permuteRows(1, order);
}

} // namespace Calc
