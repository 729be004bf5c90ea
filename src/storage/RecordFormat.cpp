#include "RecordFormat.h"

#include "StringGrid.h"

namespace Storage {

namespace {

struct FixedLine {
    int line;
    LineKind kind;
};

// The lines of each layout that hold no loan field; every line of the fixed part not listed
// here or in LoanFields is a filler.
constexpr FixedLine CurrentFixedLines[] = {
    {0, LineKind::Version},      {1, LineKind::Reserved},    {9, LineKind::Page},
    {70, LineKind::Status0},     {71, LineKind::Status1},    {72, LineKind::DosPlatCols},
    {73, LineKind::DosPlatRows}, {74, LineKind::GrafikCols}, {75, LineKind::GrafikRows},
    {80, LineKind::Marker},
};
constexpr FixedLine OlderFixedLines[] = {
    {24, LineKind::Reserved},    {25, LineKind::Ignored},     {28, LineKind::Ignored},
    {29, LineKind::Status0},     {30, LineKind::Status1},     {31, LineKind::Ignored},
    {33, LineKind::DosPlatCols}, {34, LineKind::DosPlatRows}, {35, LineKind::GrafikCols},
    {36, LineKind::GrafikRows},  {37, LineKind::Marker},
};

template <size_t N>
std::vector<LayoutLine> buildLayout(RecordLayout layout, const FixedLine (&fixed)[N]) {
    std::vector<LayoutLine> lines(static_cast<size_t>(MarkerLine(layout)) + 1);
    for (const FixedLine& f : fixed)
        lines[static_cast<size_t>(f.line)] = {f.kind, Field::EName};
    for (const LoanField& f : LoanFields) {
        const int line = FieldLine(f.field, layout);
        if (line >= 0)
            lines[static_cast<size_t>(line)] = {LineKind::LoanField, f.field};
    }
    return lines;
}

} // namespace

int MarkerLine(RecordLayout layout) {
    return layout == RecordLayout::Current ? 80 : 37;
}

const std::vector<LayoutLine>& LayoutLines(RecordLayout layout) {
    static const std::vector<LayoutLine> current =
        buildLayout(RecordLayout::Current, CurrentFixedLines);
    static const std::vector<LayoutLine> older = buildLayout(RecordLayout::Older, OlderFixedLines);
    return layout == RecordLayout::Current ? current : older;
}

int LineOf(LineKind kind, RecordLayout layout) {
    const std::vector<LayoutLine>& lines = LayoutLines(layout);
    for (size_t n = 0; n < lines.size(); ++n)
        if (lines[n].kind == kind)
            return static_cast<int>(n);
    return -1;
}

QString PlainLine(QStringView value, int n) {
    QString line;
    line.reserve(value.size() + 4);
    line.append(value);
    line.append(QString::number(n).rightJustified(4, u'0'));
    return line;
}

QStringView LineValue(QStringView plain) {
    return plain.left(std::max<qsizetype>(plain.size() - 4, 0));
}

bool HasOwnKey(QStringView plain, int n) {
    if (plain.size() < 4 || n < 0 || n > 9999)
        return false;
    const QStringView key = plain.right(4);
    for (int k = 3; k >= 0; --k, n /= 10)
        if (key[k] != QChar(u'0' + n % 10))
            return false;
    return true;
}

GridRecord GridRecord::of(const StringGrid& grid) {
    GridRecord record{grid.colCount(), grid.rowCount(), {}};
    record.cells.reserve(size_t(grid.colCount()) * size_t(grid.rowCount()));
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.colCount(); ++c)
            record.cells.push_back(grid.cell(c, r));
    return record;
}

} // namespace Storage
