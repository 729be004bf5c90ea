#pragma once

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>

// The program's own regional settings. They are fixed to Russian and never read from the
// system, so the program formats and compares alike on every machine.
namespace Regional {

inline constexpr QChar DecimalSeparator = u',';
inline constexpr QChar DateSeparator = u'.';
// Qt date pattern of the short date format (10.12.2026).
inline const QString ShortDateFormat = QStringLiteral("dd.MM.yyyy");
// Qt date pattern of the long date format (10 декабря 2026 г.).
inline const QString LongDateFormat = QStringLiteral("d MMMM yyyy 'г.'");

const QLocale& locale();

QString longDate(QDate date);

// The locale's case-sensitive string comparison (Russian collation): <0, 0 or >0.
int compareStrings(const QString& a, const QString& b);

} // namespace Regional
