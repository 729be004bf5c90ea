// Saving the loan shown in the window as its record file.
#include "TForm1.h"

#include "ControlHelpers.h"
#include "ErrorCodeTable.h"
#include "Exceptions.h"
#include "LoanFieldControls.h"
#include "RecordFolder.h"
#include "RecordName.h"
#include "RecordWriter.h"

#include <QDate>
#include <QRandomGenerator>

namespace {

// The gauge runs to 1000 while saving; the saved lines move it, then the catalogue's refresh.
constexpr int SaveGaugeMaximum = 1000;
constexpr int GaugeMaximum = 100;

void resetGauge(QProgressBar* gauge) {
    SetPosition(gauge, 0);
    gauge->setMaximum(GaugeMaximum);
}

// The name of the catalogue row whose selection reaches the date column, or nothing.
std::optional<QString> selectedRecordName(const TStringGridView* list) {
    const GridRect selection = list->selection();
    if (selection.right < 1 || selection.top < 1)
        return std::nullopt;
    return list->grid().cell(0, selection.top);
}

} // namespace

// The record is written completely under the temporary name "$base" and put in place of the
// record file by one rename, after asking when a record of that name exists; a failure at any
// point leaves the old record as it was and no temporary file behind. The name must be a
// plain file name of the working folder, and the record must fit the format's limits, before
// anything is written.
void TForm1::BSaveClick(QObject* sender) {
    Progress->setMaximum(SaveGaugeMaximum);
    if (EProcent1->text().isEmpty())
        EProcent1->setText(QStringLiteral("0"));
    if (ESrok1->text().isEmpty())
        ESrok1->setText(QStringLiteral("0"));
    const std::optional<QString> remembered = selectedRecordName(List);

    const QString name = EName->text();
    if (name.isEmpty()) {
        messages().showMessage(QStringLiteral("Не заполнено поле: ") + LName->text());
        SetPosition(Progress, 0);
        return;
    }
    if (const QString problem = Catalogue::RecordNameProblem(name); !problem.isEmpty()) {
        messages().showMessage(
            Catalogue::RefusedNameMessage(QStringLiteral("Невозможно сохранить запись."), problem));
        SetPosition(Progress, 0);
        return;
    }
    const Storage::Record record = WindowRecord(*this);
    if (const QString problem = Storage::RecordLimitProblem(record); !problem.isEmpty()) {
        messages().showMessage(problem);
        SetPosition(Progress, 0);
        return;
    }
    const QStringList lines =
        Storage::RecordLines(record, QDate::currentDate(), *QRandomGenerator::global());
    const bool exists = Catalogue::RecordExists(m_workingFolder, name);
    const QString notSaved = Catalogue::NotSavedNote(exists);

    const QString temporary = Catalogue::TemporaryFilePath(m_workingFolder);
    try {
        m_sharedTextFile.openWrite(temporary);
        Storage::WriteLines(m_sharedTextFile, lines, 0, lines.size(),
                            [this](int n) { SetPosition(Progress, n); });
        // The gauge goes on to just below its end (in one step: every step shown repaints).
        if (lines.size() < SaveGaugeMaximum)
            SetPosition(Progress, SaveGaugeMaximum - 1);
        m_sharedTextFile.close();
    } catch (const EInOutError& error) {
        m_sharedTextFile.closeQuietly();
        QString message = QStringLiteral("Не удалось записать временный файл \"") +
                          Catalogue::TemporaryFileName + QStringLiteral("\": ") +
                          ErrorCodeText(static_cast<unsigned>(error.errorCode())) + notSaved;
        if (const QString removed = Catalogue::RemoveTemporary(m_workingFolder); !removed.isEmpty())
            message += MessageLineBreak + removed;
        messages().showMessage(message);
        resetGauge(Progress);
        return;
    }
    if (const QString failure = Catalogue::SyncToDisk(temporary); !failure.isEmpty()) {
        Catalogue::RemoveTemporary(m_workingFolder);
        messages().showMessage(failure + notSaved);
        resetGauge(Progress);
        return;
    }

    QString outcome;
    if (!exists) {
        outcome = Catalogue::MoveTemporaryToRecord(m_workingFolder, name, false);
    } else if (messages().askYesNo(QStringLiteral("Запись \"") + name +
                                   QStringLiteral(" \"уже существует.") + MessageLineBreak +
                                   MessageLineBreak + QStringLiteral("Перезаписать???"))) {
        outcome = Catalogue::MoveTemporaryToRecord(m_workingFolder, name, true);
    } else {
        outcome = Catalogue::RemoveTemporary(m_workingFolder);
    }
    if (!outcome.isEmpty())
        messages().showMessage(outcome);

    FormActivate(sender);
    SetPosition(Progress, SaveGaugeMaximum);
    // The record selected before saving is selected again and loaded; a click on the header of
    // the name column does that, sorting the catalogue by name.
    if (remembered && List->selection().right >= 1) {
        const StringGrid& list = List->grid();
        for (int row = 1; row < list.rowCount(); ++row)
            if (list.cell(0, row) == *remembered)
                List->setCurrentCell(std::max(List->col(), list.fixedCols()), row);
    }
    const QPoint point = List->cellPoint(0, 0);
    ListMouseUp(sender, Qt::LeftButton, Qt::NoModifier, point.x(), point.y());
    resetGauge(Progress);
}
