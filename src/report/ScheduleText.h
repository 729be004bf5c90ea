#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

class StringGrid;

// The schedule as text for other programs: the clipboard's tab-separated rows and a CSV file
// that a spreadsheet with Russian settings opens directly. Cells are written as the schedule
// grid holds them (decimal comma, dates dd.mm.yyyy), every row and column, headers and the
// totals row included.
namespace Report {

// The loan fields a printout or a file names above the schedule, as the window holds them.
struct LoanSummary {
    QString name;       // EName
    QString lender;     // ECreditor
    QString amount;     // ESummCred
    QString rate;       // EProcent0, percent
    QString term;       // ESrok0, number of payments
    QString secondRate; // EProcent1, percent; empty or zero when there is none
    QString secondFrom; // ESrok1, payment from which the second rate applies
    QDate issued;       // EDataVydachi
    QDate firstPayment; // EDataPlateja
};

// One line of the summary: "Сумма кредита" "100000,00" "руб.".
struct SummaryField {
    QString label;
    QString value;
    QString unit;
    bool operator==(const SummaryField&) const = default;
};

// The summary lines in their order: name, lender, amount, rate, the second rate and its first
// payment when there is a second rate, term, issue date, first payment date.
QList<SummaryField> SummaryFields(const LoanSummary& loan);

// Whether the grid holds a finished schedule: a header row, payment rows and the totals row
// "Итого:" at the bottom (a failed build leaves no totals row).
bool HasSchedule(const StringGrid& grafik);

// The whole grid as tab-separated rows, each ended by a line feed. A tab or line break inside
// a cell becomes a space, so every cell stays one cell of a spreadsheet.
QString TabSeparatedText(const StringGrid& grafik);

// A CSV field: quoted when it holds the separator ";", a quote, a line break or leading or
// trailing blanks, with inner quotes doubled.
QString CsvField(const QString& text);

// The CSV text: the summary as "label;value" lines, an empty line, then the grid's rows.
// Fields are separated by ";" and lines end with CR LF.
QString CsvText(const StringGrid& grafik, const LoanSummary& loan);

// The CSV text as the bytes of the file: UTF-8 with a byte-order mark, which a spreadsheet
// needs to read Cyrillic text as UTF-8.
QByteArray CsvFileBytes(const StringGrid& grafik, const LoanSummary& loan);

} // namespace Report
