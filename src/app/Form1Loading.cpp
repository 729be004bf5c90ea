// Loading a record: the record file open in the shared text file is put back into the window,
// every field, both status texts and both grids as they were saved, without recalculating.
#include "Exceptions.h"
#include "LoanFieldControls.h"
#include "RecordReader.h"
#include "TForm1.h"

using Storage::LineKind;

namespace {

// Puts a grid's saved cells into the grid, row by row, as far as the record has them.
void putCells(StringGrid& grid, const Storage::GridRecord& saved) {
    if (saved.cells.empty() || grid.colCount() == 0)
        return;
    StringGrid::UpdateBlock block(grid);
    const int cols = grid.colCount();
    for (size_t i = 0; i < saved.cells.size(); ++i)
        grid.setCell(int(i % size_t(cols)), int(i / size_t(cols)), saved.cells[i]);
}

} // namespace

// The file is checked whole first: a line that fails the line coder's checks shows its message
// and nothing is loaded. Then its layout is taken from its "DosPlat" marker (the layout of the
// record read before when it has none), and its values go into the controls in file order:
// the radio buttons before their amounts, which the buttons' reactions overwrite, Saturdays
// before Sundays, the grid sizes before the grid cells. A line that cannot be read stops the
// load with its number; what was loaded before it stays.
//
// The gauge gets the file's line count as its maximum and ends at 0. It is not moved line by
// line: a progress bar repaints the window at once on every visible step, which would cost the
// load many times what reading it costs, and the whole load takes a few milliseconds.
void TForm1::ListLoadData(QObject* /*sender*/) {
    SharedTextFile& file = m_sharedTextFile;
    const std::optional<Storage::RecordRead> result =
        Storage::ReadRecord(file, messages(), RecordLayoutIndicator);
    if (!result) {
        file.close();
        return;
    }
    const Storage::RecordRead& read = *result;
    const Storage::Record& record = read.record;
    // An empty file leaves a gauge of one step rather than a busy indicator.
    Progress->setMaximum(std::max(read.lineCount, 1));

    const std::vector<Storage::LayoutLine>& layout = Storage::LayoutLines(read.layout);
    const int fixedLines = std::min(read.linesRead, int(layout.size()));
    for (int n = 0; n < fixedLines; ++n) {
        const Storage::LayoutLine& line = layout[size_t(n)];
        switch (line.kind) {
        case LineKind::LoanField:
            SetLoanFieldValue(*this, line.field, record[line.field]);
            break;
        case LineKind::Status0:
            Status->setPanelText(0, record.status0);
            break;
        case LineKind::Status1:
            Status->setPanelText(1, record.status1);
            break;
        case LineKind::DosPlatCols:
            DosPlat->grid().setColCount(record.dosPlat.colCount);
            break;
        case LineKind::DosPlatRows:
            DosPlat->grid().setRowCount(record.dosPlat.rowCount);
            break;
        case LineKind::GrafikCols:
            Grafik->grid().setColCount(record.grafik.colCount);
            break;
        case LineKind::GrafikRows:
            Grafik->grid().setRowCount(record.grafik.rowCount);
            break;
        default:
            // The version, the save date, fillers and markers have nothing to show; the page
            // identifier is not applied: the loan page stays shown whatever it says.
            break;
        }
    }
    putCells(DosPlat->grid(), record.dosPlat);
    putCells(Grafik->grid(), record.grafik);

    switch (read.failure) {
    case Storage::RecordRead::Failure::Unreadable:
        messages().showMessage(Storage::UnreadableLineMessage(read.failedLine));
        file.close();
        Progress->setValue(0);
        return;
    case Storage::RecordRead::Failure::Conversion:
        // The gauge stays at the line that failed, as the error report finds it.
        Progress->setValue(read.failedLine);
        throw EConvertError(read.conversionMessage);
    case Storage::RecordRead::Failure::None:
        break;
    }

    // The 30- and 31-day periods can be chosen for any periodicity but the monthly one.
    const bool periodic = EPere->currentIndex() != 0;
    R_30->setEnabled(periodic);
    R_31->setEnabled(periodic);
    file.close();
    FitColumnsToHeaders(Grafik);
    FitColumnsToHeaders(List);
    Progress->setValue(0);
}
