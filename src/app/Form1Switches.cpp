// Option switches of the main window: the choices that other fields depend on.
#include "ControlHelpers.h"
#include "TForm1.h"

namespace {

// Disabling an amount field also resets it to zero.
void disableWithZero(TEdit* edit) {
    edit->setText(QStringLiteral("0"));
    edit->setEnabled(false);
}

} // namespace

// Insurance: none, included in the loan (spread over no payments of its own), or paid on top
// of the loan over its own number of payments.
void TForm1::StrahNoClick(QObject* /*sender*/) {
    disableWithZero(StrahSumm);
    disableWithZero(StrahCol);
}

void TForm1::StrahYesVKredClick(QObject* /*sender*/) {
    StrahSumm->setEnabled(true);
    disableWithZero(StrahCol);
}

void TForm1::StrahYesNoKredClick(QObject* /*sender*/) {
    StrahSumm->setEnabled(true);
    StrahCol->setEnabled(true);
}

void TForm1::SMSNoClick(QObject* /*sender*/) {
    disableWithZero(SMSSumm);
}

void TForm1::SMSYesVKredClick(QObject* /*sender*/) {
    SMSSumm->setEnabled(true);
}

void TForm1::SMSYesNoKredClick(QObject* /*sender*/) {
    SMSSumm->setEnabled(true);
}

// Excluding Saturdays implies excluding Sundays.
void TForm1::CSubbClick(QObject* /*sender*/) {
    if (CSubb->isChecked())
        SetChecked(CVosk, true);
}

void TForm1::CVoskClick(QObject* /*sender*/) {
    if (!CVosk->isChecked())
        SetChecked(CSubb, false);
}

// Monthly dates leave no choice between every 30 and every 31 days.
void TForm1::EPereSelect(QObject* /*sender*/) {
    if (EPere->currentIndex() == 0) {
        SetChecked(R_30, false);
        SetChecked(R_31, false);
        R_30->setEnabled(false);
        R_31->setEnabled(false);
    } else {
        R_30->setEnabled(true);
        R_31->setEnabled(true);
    }
}

void TForm1::EVidCredClick(QObject* /*sender*/) {
    if (EVidCred->currentIndex() != 1)
        return;
    messages().showMessage(QStringLiteral("Расчёт по \"кредитноей карте\"") + MessageLineBreak +
                           QStringLiteral("находится в разработке"));
    EVidCred->setCurrentIndex(0);
}

void TForm1::ETipClick(QObject* /*sender*/) {
    if (ETip->currentIndex() == 0)
        return;
    messages().showMessage(QStringLiteral("Дифференцированные и буллитные расчёты") +
                           MessageLineBreak + QStringLiteral("находится в разработке"));
    ETip->setCurrentIndex(0);
}

void TForm1::ETipSelect(QObject* /*sender*/) {
    switch (ETip->currentIndex()) {
    case 0:
        ETip->setToolTip(
            QStringLiteral("Аннуитетный платеж - Платежи, одинаковые на весь срок погашения"));
        break;
    case 1:
        ETip->setToolTip(QStringLiteral("Буллитный платёж - Единовременный возврат кредита с "
                                        "периодической уплатой процентов"));
        break;
    case 2:
        ETip->setToolTip(QStringLiteral(
            "Дифференцированный платеж - Платежи постепенно снижается к концу срока"));
        break;
    default:
        break;
    }
}

void TForm1::CategoryPanelGroupClose() {
    for (TCategoryPanel* panel :
         {CategoryPanel1, CategoryPanel2, CategoryPanel3, CategoryPanel4, CategoryPanel5})
        panel->collapse();
}
