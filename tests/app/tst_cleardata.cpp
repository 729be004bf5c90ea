// Clearing the form: the loan fields go back to their empty state, the grids are emptied and
// saving is disabled; the first activation ends with the same clearing.
#include "ControlHelpers.h"
#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QTest>
#include <QToolButton>

#include <memory>

class ClearDataTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_messages = std::make_unique<ScriptedMessages>();
        m_form = std::make_unique<TForm1>(*m_messages);
    }
    void cleanup() {
        m_form.reset();
        m_messages.reset();
    }

    void clearDataButtonEmptiesEverything() {
        TForm1& f = *m_form;
        f.EName->setText(QStringLiteral("Микроволновка"));
        fillWorkedExampleLoan(f);
        f.EProcentRiska0->setText(QStringLiteral("3"));
        f.EProcent1->setText(QStringLiteral("18"));
        f.ESrok1->setText(QStringLiteral("6"));
        f.SMemo->setPlainText(QStringLiteral("заметка"));
        f.DopSumm->setText(QStringLiteral("8884,88"));
        SetChecked(f.CSubb, true);
        SetChecked(f.CPraz, true);
        SetChecked(f.C360, true);
        SetChecked(f.SMSYesNoKred, true);
        f.SMSSumm->setText(QStringLiteral("1200"));
        f.DosPlat->grid().setRowCount(3);
        f.DosPlat->grid().setRow(1, {QStringLiteral("01.04.2020"), QStringLiteral("20000")});
        f.BBGrafClick(f.BBGraf);
        QVERIFY(f.BSave->isEnabled());

        f.BClearDataClick(f.BClearData);

        QCOMPARE(f.EName->text(), QString());
        QCOMPARE(f.EDataVydachi->date(), QDate::currentDate());
        QCOMPARE(f.EDataPlateja->date(), QDate::currentDate());
        QCOMPARE(f.ECreditor->currentIndex(), -1);
        QCOMPARE(f.ECreditor->currentText(), QString());
        QCOMPARE(f.EVidCred->currentIndex(), 0);
        QCOMPARE(f.ETip->currentIndex(), 0);
        QCOMPARE(f.EPere->currentText(), QStringLiteral("Ежемесячно"));
        QCOMPARE(f.EProcent0->text(), QStringLiteral("0,00"));
        for (QLineEdit* empty :
             {f.ESummCred, f.ESrok0, f.EProcentRiska0, f.EProcent1, f.ESrok1, f.DopSumm})
            QVERIFY2(empty->text().isEmpty(), qPrintable(empty->objectName()));
        QCOMPARE(f.SMemo->toPlainText(), QString());
        const QList<QAbstractButton*> unchecked{f.CSubb, f.CVosk, f.CPraz, f.C360, f.R_30, f.R_31};
        for (QAbstractButton* off : unchecked)
            QVERIFY2(!off->isChecked(), qPrintable(off->objectName()));
        QVERIFY(f.StrahNo->isChecked());
        QVERIFY(f.SMSNo->isChecked());
        QCOMPARE(f.SMSSumm->text(), QStringLiteral("0"));
        QVERIFY(!f.SMSSumm->isEnabled());
        QCOMPARE(f.DosPlat->grid().rowCount(), 2);
        QCOMPARE(f.DosPlat->grid().row(0), (QStringList{"Дата", "Сумма", "Уменьшить"}));
        QCOMPARE(f.DosPlat->grid().row(1), (QStringList{"", "", "платёж"}));
        for (int r = 0; r < f.Grafik->grid().rowCount(); ++r)
            QCOMPARE(f.Grafik->grid().row(r), QStringList(f.Grafik->grid().colCount(), QString()));
        QCOMPARE(f.Status->panelText(0), QString());
        QCOMPARE(f.Status->panelText(1), QString());
        QVERIFY(!f.BSave->isEnabled());
    }

    void clearDataKeepsTheName() {
        m_form->EName->setText(QStringLiteral("Холодильник"));
        m_form->ClearData(m_form.get());
        QCOMPARE(m_form->EName->text(), QStringLiteral("Холодильник"));
    }

    void insuranceIncludedFallsBackToNone() {
        TForm1& f = *m_form;
        SetChecked(f.StrahYesVKred, true);
        f.StrahSumm->setText(QStringLiteral("5000"));
        f.ClearData(&f);
        QVERIFY(f.StrahNo->isChecked());
        QCOMPARE(f.StrahSumm->text(), QStringLiteral("0"));
        QCOMPARE(f.StrahCol->text(), QStringLiteral("0"));
        QVERIFY(!f.StrahSumm->isEnabled());
        QVERIFY(!f.StrahCol->isEnabled());
    }

    void clearingTwiceEqualsOnce() {
        TForm1& f = *m_form;
        fillWorkedExampleLoan(f);
        f.ClearData(&f);
        const auto snapshot = [&f] {
            return QStringList{f.EProcent0->text(),
                               f.ESummCred->text(),
                               f.EPere->currentText(),
                               f.StrahSumm->text(),
                               QString::number(f.StrahSumm->isEnabled()),
                               QString::number(f.R_30->isEnabled()),
                               QString::number(f.DosPlat->grid().rowCount()),
                               QString::number(f.BSave->isEnabled())};
        };
        const QStringList once = snapshot();
        f.ClearData(&f);
        QCOMPARE(snapshot(), once);
    }

    // The start-up values of the designed window hold only until the first activation, which
    // ends by clearing: a spinner then steps a rate that reads "0,00", not "0.00".
    void firstActivationClears() {
        TForm1& f = *m_form;
        f.EName->setText(QStringLiteral("Кредит"));
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(f.EName->text(), QStringLiteral("Кредит"));
        QCOMPARE(f.EProcent0->text(), QStringLiteral("0,00"));
        QCOMPARE(f.ESummCred->text(), QString());
        QCOMPARE(f.EPere->currentIndex(), 0);
        QVERIFY(!f.R_31->isChecked());
        QVERIFY(!f.BSave->isEnabled());
        f.UDProcent0_00_0100->upButton()->click();
        QCOMPARE(f.EProcent0->text(), QStringLiteral("0,01"));
        QCOMPARE(m_messages->takeMessages(), QStringList());
    }

private:
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TForm1> m_form;
};

QTEST_MAIN(ClearDataTest)
#include "tst_cleardata.moc"
