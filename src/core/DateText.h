#pragma once

#include <QDate>
#include <QString>

// Dates as text: schedule cells, record files and the catalogue use the short form
// "dd.mm.yyyy" of the program's regional settings.
namespace DateText {

// "dd.mm.yyyy", e.g. 05.03.2021.
QString DateToStr(QDate date);

// The same text written into a buffer, for a date of the years 1 to 9999 (false for any other
// date, whose text DateToStr gives).
bool DateToChars(QDate date, char16_t (&text)[10]);

// Reads day.month.year texts: one or two digit day and month, a four digit year (a user's
// 1.3.2021 is a date too). Anything else, or a day that does not exist, raises
// EConvertError "'<text>' is not a valid date".
QDate StrToDate(const QString& text);

// The same reading without the error: an invalid date for any other text.
QDate ReadDate(QStringView text);

// The day, month and year numbers of such a text, without checking that the day exists;
// false when the text is not of that form.
bool ReadDateParts(QStringView text, int& year, int& month, int& day);

} // namespace DateText
