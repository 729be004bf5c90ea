#pragma once

#include <QDate>

namespace Calc {

// Calendar arithmetic on whole numbers, in QDate's calendar (proleptic Gregorian without a
// year 0). The schedule reads and steps hundreds of dates per build; these cost a fraction of
// QDate's general routines and give the same answers.

// Leap years: there is no year 0, so the year before 1 is a leap year.
bool isLeapYear(qint64 year);
int daysInMonth(qint64 year, int month);
// The Julian day number of a date of a year from 1 on, as QDate numbers its days.
qint64 julianDay(qint64 year, int month, int day);

// A date as its calendar parts and its day number.
struct CalendarDay {
    int year = 0;
    int month = 0;
    int day = 0;
    qint64 julian = 0;
    bool valid = false;

    static CalendarDay of(QDate date) {
        CalendarDay d;
        d.valid = date.isValid();
        if (d.valid)
            date.getDate(&d.year, &d.month, &d.day);
        d.julian = date.toJulianDay();
        return d;
    }
    // The day of the given parts; not valid when no such day exists in the years from 1 on
    // (QDate knows no more of them).
    static CalendarDay ofParts(int year, int month, int day) {
        CalendarDay d;
        d.valid =
            year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
        if (d.valid) {
            d.year = year;
            d.month = month;
            d.day = day;
            d.julian = julianDay(year, month, day);
        }
        return d;
    }
    QDate toQDate() const { return valid ? QDate::fromJulianDay(julian) : QDate(); }
};

} // namespace Calc
