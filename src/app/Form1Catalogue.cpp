// The activation sequence, the record catalogue and its commands, the upcoming payments.
#include "TForm1.h"

#include "CatalogueScan.h"
#include "CatalogueSort.h"
#include "ControlHelpers.h"
#include "Exceptions.h"
#include "PaymentsTotal.h"
#include "RecordFolder.h"
#include "RecordName.h"
#include "RecordReader.h"

#include <QCoreApplication>
#include <QDate>

namespace {

const QString NameHeader = QStringLiteral("Наименование");
const QString DateHeader = QStringLiteral("Дата оформления");
const QString Ascending = QStringLiteral(" ▲");
const QString Descending = QStringLiteral(" ▼");

// The rows first.. of a grid put into the given order (the item k of order, counted from
// first, comes to stand at first + k), in one update.
void arrangeRows(StringGrid& grid, int first, const std::vector<int>& order) {
    std::vector<int> rows;
    rows.reserve(order.size());
    for (int index : order)
        rows.push_back(first + index);
    grid.permuteRows(first, rows);
}

// The texts of a column over the rows first..
QStringList columnFrom(const StringGrid& grid, int col, int first) {
    QStringList texts = grid.column(col);
    return texts.mid(first);
}

// Rebuilds the catalogue and the upcoming payments from the record files. False when a record
// ended the scan: its message has been shown, and what was read before it stays in the grids.
bool rebuildCatalogue(TForm1& form) {
    StringGrid& list = form.List->grid();
    StringGrid& payments = form.DataPlateja->grid();
    const Catalogue::CatalogueScan scan =
        Catalogue::ScanCatalogue(form.workingFolder(), form.sharedTextFile(), QDate::currentDate(),
                                 form.HideCred->isChecked(), form.RecordLayoutIndicator);
    {
        // The header rows keep their texts until the scan has gone through.
        StringGrid::UpdateBlock listUpdate(list);
        StringGrid::UpdateBlock paymentsUpdate(payments);
        const QStringList listHeader = list.row(0);
        list.clearCells();
        list.setColCount(2);
        list.setRowCount(1 + static_cast<int>(scan.rows.size()));
        list.setRow(0, listHeader);
        int row = 1;
        for (const Catalogue::CatalogueRow& entry : scan.rows)
            list.setRow(row++, {entry.name, entry.issueDate});

        const QStringList paymentsHeader = payments.row(0);
        payments.clearCells();
        payments.setColCount(3);
        payments.setRowCount(1 + static_cast<int>(scan.payments.size()));
        payments.setRow(0, paymentsHeader);
        row = 1;
        for (const Catalogue::UpcomingPayment& payment : scan.payments)
            payments.setRow(row++, {payment.date, payment.amount, payment.recordName});
    }
    if (!scan.failure)
        return true;
    if (scan.failure.error)
        std::rethrow_exception(scan.failure.error);
    form.messages().showMessage(scan.failure.message());
    return false;
}

} // namespace

void TForm1::FormActivate(QObject* sender) {
    PCSpiski->setCurrentWidget(TS1);
    PCCredaIVklada->setCurrentWidget(TSCredit);

    RecordLayoutIndicator = Storage::RecordLayout::Older;
    // The program file does not change while the program runs: its version is read once.
    if (!m_programFileVersion)
        m_programFileVersion = MyVersion(QCoreApplication::applicationFilePath());
    ProgVersion = CutVersion(*m_programFileVersion);

    if (!rebuildCatalogue(*this))
        return;
    StringGrid& list = List->grid();
    StringGrid& payments = DataPlateja->grid();
    const bool tookPayment = payments.rowCount() > 1;
    {
        // Headers, total and the removal of finished loans come only after every record has
        // been read.
        StringGrid::UpdateBlock listUpdate(list);
        StringGrid::UpdateBlock paymentsUpdate(payments);
        list.setCell(0, 0, NameHeader);
        list.setCell(1, 0, DateHeader);
        payments.setRow(0, {QStringLiteral("Дата платежа"), QStringLiteral("Сумма платежа"),
                            QStringLiteral("Наименование")});
        LOplatit->setText(
            Catalogue::TotalCaption(Catalogue::SumAmounts(columnFrom(payments, 1, 1))));
        LOplatit->setToolTip(LOplatit->text());
        for (int row = 1; row < list.rowCount();) {
            if (list.cell(1, row).isEmpty())
                list.deleteRow(row);
            else
                ++row;
        }
    }

    if (tookPayment) {
        const QPoint point = List->cellPoint(0, 1);
        ListMouseUp(sender, Qt::LeftButton, Qt::NoModifier, point.x(), point.y());
    }

    arrangeRows(payments, 1, Catalogue::PaymentSortOrder(columnFrom(payments, 0, 1)));
    AutoSizeCols(List);
    AutoSizeCols(DataPlateja);

    EDataVydachi->setDate(QDate::currentDate());
    ETip->setToolTip(
        QStringList{ETip->itemText(0), ETip->itemText(1), ETip->itemText(2)}.join(u'\n'));
    CategoryPanelGroupClose();
    ClearData(sender);
}

void TForm1::ListMouseUp(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers /*shift*/,
                         int x, int y) {
    ClearData(sender);
    StringGrid& list = List->grid();
    // The record of the current row, not of the row under the mouse.
    const int row = List->row();
    if (button == Qt::LeftButton && row > 0 && list.rowCount() > 1 && !list.cell(0, 1).isEmpty())
        List->setRowSelect(true);

    if (row > 0) {
        try {
            sharedTextFile().openRead(
                Catalogue::RecordFilePath(m_workingFolder, list.cell(0, row)));
        } catch (const EInOutError&) {
            messages().showMessage(Storage::FileAccessMessage());
            BSave->setEnabled(false);
            return;
        }
    }
    GrafikClearFull(sender);
    BSave->setEnabled(true);
    ClearDosPlatClick(sender);
    if (row > 0)
        ListLoadData(sender);

    FitColumnsToHeaders(Grafik);
    FitColumnsToHeaders(List);

    int hitCol = -1;
    int hitRow = -1;
    List->mouseToCell(x, y, hitCol, hitRow);
    if (list.rowCount() <= 2)
        return;
    // A left click on a header sorts by its column: ascending first, then the other way.
    if (button != Qt::LeftButton || hitRow != 0 || (hitCol != 0 && hitCol != 1))
        return;
    const bool byName = hitCol == 0;
    const QString& header = byName ? NameHeader : DateHeader;
    const QString shown = list.cell(hitCol, 0);
    const bool ascending = shown != header + Ascending;
    if (ascending && shown != header && shown != header + Descending)
        return;

    QString remembered;
    bool haveRemembered = false;
    if (const GridRect selection = List->selection(); selection.right != 0 && selection.top > 0) {
        remembered = list.cell(0, selection.top);
        haveRemembered = true;
    }

    {
        StringGrid::UpdateBlock update(list);
        const std::vector<int> order =
            byName ? Catalogue::NameSortOrder(columnFrom(list, 0, 1), ascending)
                   : Catalogue::DateSortOrder(columnFrom(list, 1, 1), ascending);
        arrangeRows(list, 1, order);
        const QString arrow = ascending ? Ascending : Descending;
        list.setCell(0, 0, byName ? NameHeader + arrow : NameHeader);
        list.setCell(1, 0, byName ? DateHeader : DateHeader + arrow);
    }
    AutoSizeCols(List);
    if (haveRemembered) {
        for (int r = 1; r < list.rowCount(); ++r)
            if (list.cell(0, r) == remembered) {
                List->setCurrentCell(std::max(List->col(), 0), r);
                break;
            }
    }
    Grafik->setFocus();
}

void TForm1::ClearDataPlatejaClick(QObject* /*sender*/) {
    StringGrid& payments = DataPlateja->grid();
    StringGrid::UpdateBlock update(payments);
    payments.clearCells();
    payments.setRowCount(1);
    payments.setColCount(3);
}

// The popup item is offered only over a catalogue that lists a record.
void TForm1::ListMouseActivate(QObject* /*sender*/, Qt::MouseButton button) {
    const StringGrid& list = List->grid();
    DelRec->setVisible(button == Qt::RightButton && list.rowCount() >= 2 &&
                       !list.cell(0, 1).isEmpty());
}

void TForm1::HideCredClick(QObject* sender) {
    GrafikClearFull(sender);
    ClearDataPlatejaClick(sender);
    FormActivate(sender);
}

void TForm1::DelRecClick(QObject* sender) {
    const QString name = EName->text();
    if (name.isEmpty()) {
        messages().showMessage(QStringLiteral("Невозможно выполнить команду"));
        return;
    }
    // The name becomes a file name: one that could reach outside the working folder deletes
    // nothing.
    if (const QString problem = Catalogue::RecordNameProblem(name); !problem.isEmpty()) {
        messages().showMessage(
            Catalogue::RefusedNameMessage(QStringLiteral("Невозможно удалить запись."), problem));
        return;
    }
    if (messages().askYesNo(
            QStringLiteral("Вы действительно хотите удалить выбраный кредитный график???"))) {
        if (const QString failure = Catalogue::DeleteRecord(m_workingFolder, name);
            !failure.isEmpty())
            messages().showMessage(failure);
    }
    FormActivate(sender);
}
