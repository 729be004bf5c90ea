#pragma once

#include "DateText.h"
#include "RecordFormat.h"
#include "RecordWriter.h"
#include "SharedTextFile.h"

#include <QDate>
#include <QDir>
#include <QRandomGenerator>
#include <QStringList>

#include <utility>
#include <vector>

// Record files for tests of the record catalogue: a loan with a schedule of the given payment
// dates and amounts, written as the program writes it.
namespace RecordFiles {

// A schedule grid of seven columns: the header row, one row per payment (number, date,
// amount, principal, interest, remaining debt, correction), the totals row.
inline Storage::GridRecord Schedule(const std::vector<std::pair<QDate, QString>>& payments) {
    Storage::GridRecord grid;
    grid.colCount = 7;
    grid.rowCount = static_cast<int>(payments.size()) + 2;
    grid.cells = {"№", "Дата", "Платеж", "Основной долг", "Проценты", "Остаток", "Корр."};
    int k = 0;
    for (const auto& [date, amount] : payments) {
        ++k;
        grid.cells.insert(grid.cells.end(), {QString::number(k), DateText::DateToStr(date), amount,
                                             amount, "0,00", "0,00", ""});
    }
    grid.cells.insert(grid.cells.end(), {"Итого:", "", "", "", "", "", ""});
    return grid;
}

// A loan named name, issued on issued, paying amount on each of the dates.
inline Storage::Record Loan(const QString& name, QDate issued, const std::vector<QDate>& dates,
                            const QString& amount = QStringLiteral("1000,00")) {
    Storage::Record record;
    record.version = QStringLiteral("1.3");
    for (const Storage::LoanField& field : Storage::LoanFields)
        record[field.field] = field.clearedValue.toString();
    record[Storage::Field::EName] = name;
    record[Storage::Field::EDataVydachi] = DateText::DateToStr(issued);
    record[Storage::Field::EDataPlateja] =
        DateText::DateToStr(dates.empty() ? issued : dates.front());
    record[Storage::Field::ESummCred] = QStringLiteral("100000");
    record[Storage::Field::ESrok0] = QString::number(dates.size());
    record.dosPlat = {2, 2, {"Дата", "Сумма", "", ""}};
    std::vector<std::pair<QDate, QString>> payments;
    for (QDate date : dates)
        payments.emplace_back(date, amount);
    record.grafik = Schedule(payments);
    return record;
}

// Monthly dates from first on.
inline std::vector<QDate> Monthly(QDate first, int count) {
    std::vector<QDate> dates;
    for (int k = 0; k < count; ++k)
        dates.push_back(first.addMonths(k));
    return dates;
}

// The plain lines of a record as a save writes them.
inline QStringList PlainLines(const Storage::Record& record) {
    QRandomGenerator random(7);
    return Storage::RecordLines(record, QDate(2024, 1, 1), random);
}

// Writes plain lines coded into folder/fileName.
inline void WriteLines(const QString& folder, const QString& fileName, const QStringList& lines) {
    SharedTextFile file;
    file.openWrite(QDir(folder).filePath(fileName));
    Storage::WriteLines(file, lines, 0, lines.size());
    file.close();
}

// Writes the record as folder/<fileName>.sdg.
inline void Write(const QString& folder, const QString& fileName, const Storage::Record& record) {
    WriteLines(folder, fileName + QStringLiteral(".sdg"), PlainLines(record));
}

// The plain lines of a record in the older layout, built from its table of lines; the lines
// that hold no value of the record hold filler.
inline QStringList OlderLayoutLines(const Storage::Record& r, const QString& filler) {
    QStringList values(38, filler);
    for (const Storage::LoanField& f : Storage::LoanFields)
        if (f.olderLine >= 0)
            values[f.olderLine] = r[f.field];
    values[29] = r.status0;
    values[30] = r.status1;
    values[33] = QString::number(r.dosPlat.colCount);
    values[34] = QString::number(r.dosPlat.rowCount);
    values[35] = QString::number(r.grafik.colCount);
    values[36] = QString::number(r.grafik.rowCount);
    values[37] = Storage::DosPlatMarker;
    values += QStringList(r.dosPlat.cells.begin(), r.dosPlat.cells.end());
    values << Storage::GrafikMarker;
    values += QStringList(r.grafik.cells.begin(), r.grafik.cells.end());
    QStringList lines;
    for (int n = 0; n < values.size(); ++n)
        lines << Storage::PlainLine(values[n], n);
    return lines;
}

} // namespace RecordFiles
