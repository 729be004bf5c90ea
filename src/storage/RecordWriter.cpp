#include "RecordWriter.h"

#include "DateText.h"
#include "LineCoder.h"
#include "SharedTextFile.h"

#include <QRandomGenerator>

namespace Storage {

namespace {

qsizetype cellCount(const GridRecord& grid) {
    return static_cast<qsizetype>(std::max(grid.colCount, 0)) * std::max(grid.rowCount, 0);
}

// The cells of a grid row by row; cells the record lacks are written empty.
template <typename Visit> void forEachCell(const GridRecord& grid, Visit visit) {
    const qsizetype count = cellCount(grid);
    for (qsizetype i = 0; i < count; ++i)
        visit(i < static_cast<qsizetype>(grid.cells.size()) ? QStringView(grid.cells[size_t(i)])
                                                            : QStringView());
}

// The value of a line of the fixed part that the record holds; the lines written fresh at every
// save (the save date and the fillers) have none here.
QString recordValue(const Record& record, const LayoutLine& line) {
    switch (line.kind) {
    case LineKind::Version:
        return record.version;
    case LineKind::Reserved:
    case LineKind::Filler:
    case LineKind::Ignored:
        return {};
    case LineKind::Page:
        return record.pageId;
    case LineKind::LoanField:
        return record[line.field];
    case LineKind::Status0:
        return record.status0;
    case LineKind::Status1:
        return record.status1;
    case LineKind::DosPlatCols:
        return QString::number(record.dosPlat.colCount);
    case LineKind::DosPlatRows:
        return QString::number(record.dosPlat.rowCount);
    case LineKind::GrafikCols:
        return QString::number(record.grafik.colCount);
    case LineKind::GrafikRows:
        return QString::number(record.grafik.rowCount);
    case LineKind::Marker:
        return DosPlatMarker;
    }
    return {};
}

// The value of a line of the fixed part as a save writes it: the save date in its line, fresh
// fillers, the record's values.
QString fixedValue(const Record& record, const LayoutLine& line, QDate saveDate,
                   QRandomGenerator& random) {
    switch (line.kind) {
    case LineKind::Reserved:
        return DateText::DateToStr(saveDate);
    case LineKind::Filler:
    case LineKind::Ignored:
        return QString::number(random.bounded(1000000000u));
    default:
        return recordValue(record, line);
    }
}

// The values of a record's lines in file order: the fixed part's as valueOf gives them, the
// early-payment cells, the "Grafik" marker, the schedule cells.
template <typename ValueOf, typename Visit>
void forEachValue(const Record& record, ValueOf valueOf, Visit visit) {
    for (const LayoutLine& line : LayoutLines(RecordLayout::Current))
        visit(QStringView(valueOf(line)));
    forEachCell(record.dosPlat, visit);
    visit(QStringView(GrafikMarker));
    forEachCell(record.grafik, visit);
}

} // namespace

QString RecordLimitProblem(const Record& record) {
    const int fixedLines = MarkerLine(RecordLayout::Current) + 1;
    const qsizetype lines = fixedLines + cellCount(record.dosPlat) + 1 + cellCount(record.grafik);
    if (lines > MaxRecordLines)
        return QStringLiteral("Невозможно сохранить запись: в ней %1 строк, а файл записи "
                              "вмещает не больше %2 строк.")
            .arg(lines)
            .arg(MaxRecordLines);

    // The values that may be long or hold any character: the fixed part's texts and the cells.
    QString problem;
    int n = 0;
    const auto check = [&](QStringView value) {
        if (problem.isEmpty()) {
            if (value.size() + 4 > MaxPlainLineLength)
                problem = QStringLiteral("Невозможно сохранить запись: строка №%1 длиннее %2 "
                                         "знаков и не могла бы быть прочитана.")
                              .arg(n)
                              .arg(MaxPlainLineLength);
            else if (value.contains(QChar(u'\0')))
                problem = QStringLiteral("Невозможно сохранить запись: строка №%1 содержит "
                                         "недопустимый символ с кодом 0.")
                              .arg(n);
        }
        ++n;
    };
    // The values a save generates are short digit texts: only the record's own are checked.
    forEachValue(
        record, [&record](const LayoutLine& line) { return recordValue(record, line); }, check);
    return problem;
}

QStringList RecordLines(const Record& record, QDate saveDate, QRandomGenerator& random) {
    QStringList lines;
    const std::vector<LayoutLine>& layout = LayoutLines(RecordLayout::Current);
    lines.reserve(static_cast<qsizetype>(layout.size()) + cellCount(record.dosPlat) + 1 +
                  cellCount(record.grafik));
    forEachValue(
        record, [&](const LayoutLine& line) { return fixedValue(record, line, saveDate, random); },
        [&](QStringView value) { lines << PlainLine(value, int(lines.size())); });
    return lines;
}

void WriteLines(SharedTextFile& file, const QStringList& plainLines, qsizetype first, qsizetype end,
                const std::function<void(int)>& afterLine) {
    for (qsizetype n = first; n < end; ++n) {
        file.writeLine(EncodeLine(plainLines[n]));
        if (afterLine)
            afterLine(static_cast<int>(n));
    }
}

} // namespace Storage
