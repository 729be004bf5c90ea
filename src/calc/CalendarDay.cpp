#include "CalendarDay.h"

namespace Calc {

bool isLeapYear(qint64 year) {
    if (year < 1)
        ++year;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(qint64 year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Whole years of March to February counted from March of year 0.
qint64 julianDay(qint64 year, int month, int day) {
    const qint64 y = year - (month <= 2 ? 1 : 0);
    const qint64 era = y / 400;
    const qint64 yearOfEra = y - era * 400;
    const qint64 dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra + 1721120;
}

} // namespace Calc
