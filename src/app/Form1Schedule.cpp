// Schedule handlers of the main window: building, clearing and editing the payment schedule.
#include "ControlHelpers.h"
#include "GridUpkeep.h"
#include "NumberText.h"
#include "Schedule.h"
#include "TForm1.h"

namespace {

const QString NotFilled = QStringLiteral("Не заполнено поле ");

Calc::LoanTerms termsFromWindow(const TForm1& f) {
    Calc::LoanTerms t;
    t.summCred = f.ESummCred->text();
    t.srok0 = f.ESrok0->text();
    t.procent0 = f.EProcent0->text();
    t.procentRiska0 = f.EProcentRiska0->text();
    t.procent1 = f.EProcent1->text();
    t.srok1 = f.ESrok1->text();
    t.dataVydachi = f.EDataVydachi->date();
    t.dataPlateja = f.EDataPlateja->date();
    t.r30 = f.R_30->isChecked();
    t.r31 = f.R_31->isChecked();
    t.cPraz = f.CPraz->isChecked();
    t.cSubb = f.CSubb->isChecked();
    t.cVosk = f.CVosk->isChecked();
    t.c360 = f.C360->isChecked();
    t.strahYesVKred = f.StrahYesVKred->isChecked();
    t.strahYesNoKred = f.StrahYesNoKred->isChecked();
    t.strahSumm = f.StrahSumm->text();
    t.strahCol = f.StrahCol->text();
    t.smsYesVKred = f.SMSYesVKred->isChecked();
    t.smsYesNoKred = f.SMSYesNoKred->isChecked();
    t.smsSumm = f.SMSSumm->text();
    return t;
}

bool zeroOrEmpty(const QString& text) {
    return text.isEmpty() || text == QStringLiteral("0");
}

} // namespace

// The build command. The fields are checked in a fixed order; the first one missing is named
// in a message, its panel opened and focused, and the schedule stays as it was.
void TForm1::BBGrafClick(QObject* sender) {
    const auto missing = [this](const QString& message, TCategoryPanel* panel, QWidget* focus) {
        messages().showMessage(message);
        CategoryPanelGroupClose();
        panel->expand();
        if (focus)
            focus->setFocus();
    };

    if (ECreditor->currentText().isEmpty())
        return missing(NotFilled + LCreditor->text(), CategoryPanel1, ECreditor);
    if (ETip->currentText().isEmpty())
        return missing(NotFilled + LTip->text(), CategoryPanel1, ETip);
    if (ESummCred->text().isEmpty())
        return missing(NotFilled + LSummCred->text(), CategoryPanel1, ESummCred);
    if (EProcent0->text().isEmpty()) {
        missing(NotFilled + LProcent0->text(), CategoryPanel1, EProcent0);
        EProcent0->setText(QStringLiteral("0,00"));
        return;
    }
    if (ESrok0->text().isEmpty())
        return missing(NotFilled + LSrok0->text(), CategoryPanel1, ESrok0);
    // One zero too many would build a schedule that fills the memory.
    if (Calc::PaymentCountAboveLimit(ESrok0->text()))
        return missing(QStringLiteral("Срок кредита не может превышать %1 платежей")
                           .arg(Calc::MaxPaymentCount),
                       CategoryPanel1, ESrok0);
    // A first payment on the issue day is taken for a date not filled in; an earlier date
    // passes.
    if (EDataVydachi->date() == EDataPlateja->date())
        return missing(NotFilled + LDataPlateja->text(), CategoryPanel1, EDataPlateja);

    for (TEdit* edit : {EProcentRiska0, EProcent1, ESrok1})
        if (edit->text().isEmpty())
            edit->setText(QStringLiteral("0"));

    if (EPere->currentIndex() < 0)
        return missing(NotFilled + CategoryPanel2->caption(), CategoryPanel2, EPere);
    if (EPere->currentIndex() == 1 && !R_30->isChecked() && !R_31->isChecked())
        return missing(QStringLiteral("Не указаны периоды платежей"), CategoryPanel2, nullptr);

    // Insurance: none means no amounts; an amount of nothing means none; insurance paid on top
    // of the loan needs the number of payments it is spread over.
    if (StrahNo->isChecked()) {
        StrahSumm->setText(QStringLiteral("0"));
        StrahCol->setText(QStringLiteral("0"));
    } else if (zeroOrEmpty(StrahSumm->text())) {
        SetChecked(StrahNo, true);
    } else if (zeroOrEmpty(StrahCol->text()) && StrahCol->isEnabled()) {
        return missing(NotFilled + ColStrah->text(), CategoryPanel3, StrahCol);
    }
    if (SMSNo->isChecked())
        SMSSumm->setText(QStringLiteral("0"));
    else if (zeroOrEmpty(SMSSumm->text()))
        SetChecked(SMSNo, true);
    // The first payment of the lender's schedule is kept with the record only.
    if (DopSumm->text().isEmpty() || NumberText::StrToFloat(DopSumm->text()) < 0)
        DopSumm->setText(QStringLiteral("0"));

    GrafikClear(sender);
    const Calc::ScheduleTotals totals =
        Calc::BuildSchedule(termsFromWindow(*this), Grafik->grid(), DosPlat->grid());
    Status->setPanelText(0, totals.debt);
    Status->setPanelText(1, totals.overpayment);
    BSave->setEnabled(true);
}

// Before a rebuild: the totals go. The amounts of every row are replaced or emptied by the
// build itself, which writes the new texts over the old; numbers, dates, headers and the
// user's corrections stay.
void TForm1::GrafikClear(QObject* /*sender*/) {
    Status->setPanelText(0, QString());
    Status->setPanelText(1, QString());
}

// The schedule is thrown away: an empty header row and one empty row of 7 columns.
void TForm1::GrafikClearFull(QObject* /*sender*/) {
    Status->setPanelText(0, QString());
    Status->setPanelText(1, QString());
    Calc::GrafikClearFullCells(Grafik->grid());
}

void TForm1::ClearGrafikClick(QObject* sender) {
    GrafikClearFull(sender);
    BSave->setEnabled(false);
}

// Only the interest corrections can be typed into the schedule.
void TForm1::GrafikSelectCell(QObject* /*sender*/, int col, int /*row*/, bool& /*canSelect*/) {
    Grafik->setEditing(false);
    if (Calc::GrafikCellEditable(col))
        Grafik->setEditing(true);
}

void TForm1::GrafikMouseUp(QObject* /*sender*/, Qt::MouseButton /*button*/,
                           Qt::KeyboardModifiers /*shift*/, int /*x*/, int /*y*/) {}

// Editing starts on a cell: the sum the user left before is completed. The editor shows the
// cell's text unchanged.
void TForm1::DosPlatGetEditText(QObject* sender, int /*col*/, int /*row*/, QString& /*value*/) {
    ZapolnitSummu(sender);
}

// The user moves to another cell: the one left, with what was typed into it, is completed.
void TForm1::DosPlatSelectCell(QObject* sender, int /*col*/, int /*row*/, bool& /*canSelect*/) {
    if (DosPlat->row() >= 0) {
        m_dosPlatLeftCol = DosPlat->col();
        m_dosPlatLeftRow = DosPlat->row();
    }
    DosPlat->hideEditor();
    ZapolnitSummu(sender);
}

void TForm1::AddDosPlatClick(QObject* /*sender*/) {
    Calc::DosPlatAddRow(DosPlat->grid());
}

void TForm1::ClearDosPlatClick(QObject* /*sender*/) {
    Calc::DosPlatClear(DosPlat->grid());
}

// A sum left without kopecks gets ",00".
void TForm1::ZapolnitSummu(QObject* /*sender*/) {
    const int col = m_dosPlatLeftCol;
    const int row = m_dosPlatLeftRow;
    if (col != 1 || row < 1 || row >= DosPlat->grid().rowCount())
        return;
    const QString text = DosPlat->grid().cell(col, row);
    const QString completed = Calc::ZapolnitSummu(text);
    if (completed != text)
        DosPlat->grid().setCell(col, row, completed);
}
