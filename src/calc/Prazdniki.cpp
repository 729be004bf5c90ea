#include "Prazdniki.h"

#include <QStringList>

#include <algorithm>
#include <iterator>
#include <vector>

namespace Calc {
namespace {

struct HolidayYear {
    int year;
    const char* days; // day.month, separated by spaces
};

// The holiday table, one line per year: the non-working holidays (also where they fall on a
// weekend) and the days off moved onto working days, either by the rule that a holiday on a
// weekend gives the next working day off or by the government's yearly transfer decree. Days
// declared non-working outside the holiday law (as in the spring and summer of 2020 and in May
// 2021) are not listed. 2013-2022 follow the production calendars of those years.
constexpr HolidayYear HolidayTable[] = {
    {2013, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 8.3 1.5 2.5 3.5 9.5 10.5 12.6 4.11"},
    {2014, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 8.3 10.3 1.5 2.5 9.5 12.6 13.6 3.11 4.11"},
    // 9 January moved from 3 January; 11 May for 9 May, a Saturday.
    {2015, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 9.1 23.2 8.3 9.3 1.5 4.5 9.5 11.5 12.6 4.11"},
    // 2 May for 1 May and 13 June for 12 June, both Sundays.
    {2016, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 22.2 23.2 7.3 8.3 1.5 2.5 3.5 9.5 12.6 13.6 4.11"},
    // 8 May moved from 7 January; 6 November for 4 November, a Saturday.
    {2017, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 24.2 8.3 1.5 8.5 9.5 12.6 4.11 6.11"},
    // 5 November for 4 November, a Sunday.
    {2018, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 8.3 9.3 30.4 1.5 2.5 9.5 11.6 12.6 4.11 5.11 "
           "31.12"},
    // 1 March 2019 was a working Friday.
    {2019, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 24.2 2.3 3.3 8.3 9.3 10.3 1.5 2.5 3.5 4.5 5.5 "
           "9.5 10.5 11.5 12.5 12.6 2.11 3.11 4.11"},
    {2020, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 24.2 8.3 9.3 1.5 2.5 3.5 4.5 5.5 9.5 10.5 11.5 "
           "12.6 4.11"},
    // 31 December moved from 3 January.
    {2021, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 22.2 23.2 8.3 1.5 2.5 3.5 9.5 10.5 14.6 4.11 5.11 "
           "31.12"},
    {2022, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 7.3 8.3 1.5 2.5 3.5 9.5 10.5 13.6 4.11"},
    // Government decree No. 1505 of 29.08.2022 «О переносе выходных дней в 2023 году»:
    // 1 January to 24 February, 8 January to 8 May; 6 November for 4 November, a Saturday.
    {2023, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 24.2 8.3 1.5 8.5 9.5 12.6 4.11 6.11"},
    // Government decree No. 1314 of 10.08.2023 «О переносе выходных дней в 2024 году»:
    // 6 January to 10 May, 7 January to 31 December, 27 April to 29 April, 2 November to
    // 30 April, 28 December to 30 December.
    {2024, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 8.3 29.4 30.4 1.5 9.5 10.5 12.6 4.11 30.12 "
           "31.12"},
    // Government decree No. 1335 of 04.10.2024 «О переносе выходных дней в 2025 году»:
    // 4 January to 2 May, 5 January to 31 December, 23 February to 8 May, 8 March to 13 June,
    // 1 November to 3 November.
    {2025, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 8.3 1.5 2.5 8.5 9.5 12.6 13.6 3.11 4.11 31.12"},
    // Government decree of 24.09.2025 «О переносе выходных дней в 2026 году»: 3 January to
    // 9 January, 4 January to 31 December; 9 March for 8 March, a Sunday, and 11 May for 9 May,
    // a Saturday.
    {2026, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 9.1 23.2 8.3 9.3 1.5 9.5 11.5 12.6 4.11 31.12"},
};

constexpr int FirstYear = HolidayTable[0].year;
constexpr int LastYear = HolidayTable[std::size(HolidayTable) - 1].year;

QList<QDate> buildList() {
    QList<QDate> dates;
    for (const HolidayYear& entry : HolidayTable) {
        const QStringList days = QString::fromLatin1(entry.days).split(u' ', Qt::SkipEmptyParts);
        for (const QString& dayMonth : days) {
            const QStringList parts = dayMonth.split(u'.');
            dates << QDate(entry.year, parts.at(1).toInt(), parts.at(0).toInt());
        }
    }
    return dates;
}

const QList<QDate>& holidayList() {
    static const QList<QDate> list = buildList();
    return list;
}

const std::vector<qint64>& sortedDays() {
    static const std::vector<qint64> days = [] {
        std::vector<qint64> out;
        for (QDate d : holidayList())
            out.push_back(d.toJulianDay());
        std::sort(out.begin(), out.end());
        return out;
    }();
    return days;
}

} // namespace

QList<QDate> Prazdniki() {
    return holidayList();
}

bool IsPrazdnik(QDate date) {
    const int year = date.year();
    if (year < FirstYear || year > LastYear)
        return false;
    const std::vector<qint64>& days = sortedDays();
    return std::binary_search(days.begin(), days.end(), date.toJulianDay());
}

} // namespace Calc
