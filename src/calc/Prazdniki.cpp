#include "Prazdniki.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace Calc {
namespace {

struct HolidayYear {
    int year;
    const char* days; // day.month, separated by spaces
};

// The holiday table, one line per year.
constexpr HolidayYear HolidayTable[] = {
    {2013, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 8.3 1.5 2.5 3.5 9.5 10.5 12.6 4.11"},
    {2014, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 8.3 10.3 1.5 2.5 9.5 12.6 13.6 3.11 4.11"},
    {2015, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 8.3 9.3 1.5 4.5 9.5 12.6 4.11"},
    {2016, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 22.2 23.2 7.3 8.3 1.5 3.5 9.5 12.6 4.11"},
    {2017, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 24.2 8.3 1.5 9.5 12.6 4.11"},
    {2018, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 8.3 9.3 30.4 1.5 2.5 9.5 11.6 12.6 4.11 31.12"},
    {2019, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 24.2 1.3 2.3 3.3 8.3 9.3 10.3 1.5 2.5 3.5 4.5 "
           "5.5 9.5 10.5 11.5 12.5 12.6 2.11 3.11 4.11"},
    {2020, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 24.2 8.3 9.3 1.5 2.5 3.5 4.5 5.5 9.5 10.5 11.5 "
           "12.6 4.11"},
    {2021, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 22.2 23.2 8.3 1.5 2.5 3.5 9.5 10.5 14.6 4.11 5.11"},
    {2022, "1.1 2.1 3.1 4.1 5.1 6.1 7.1 8.1 23.2 7.3 8.3 1.5 2.5 3.5 9.5 10.5 13.6 4.11"},
};

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
    if (year < 2013 || year > 2022)
        return false;
    const std::vector<qint64>& days = sortedDays();
    return std::binary_search(days.begin(), days.end(), date.toJulianDay());
}

} // namespace Calc
