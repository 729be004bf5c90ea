// The build command of the main window and the upkeep of its two grids: the checks of the
// fields in their order, the normalisations, a whole build, failures, clearing, editing.
#include "ControlHelpers.h"
#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <memory>

class ScheduleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingFieldStopsTheBuild_data();
    void missingFieldStopsTheBuild();
    void termAboveTheLimitIsRefused_data();
    void termAboveTheLimitIsRefused();
    void emptyRatesAreNormalisedBeforeThePeriodicityChecks();
    void workedExampleThroughTheButton();
    void insuranceAndSmsNormalisations_data();
    void insuranceAndSmsNormalisations();
    void firstPaymentCorrection_data();
    void firstPaymentCorrection();
    void failureLeavesStatusEmptyAndSaveAsItWas_data();
    void failureLeavesStatusEmptyAndSaveAsItWas();
    void correctionSurvivesRebuildButNotClearing();
    void onlyCorrectionsAreEditable_data();
    void onlyCorrectionsAreEditable();
    void earlyPaymentsTable();
    void leavingASumCompletesIt_data();
    void leavingASumCompletesIt();
    void typedSumIsCompletedWhenLeft();
    void typedSumIsCompletedWhenAnotherCellIsClicked();
    void earlyPaymentThroughTheWindow();
    void reduceChosenFromAList();

private:
    // The worked example: 100 000 at 12 % for 12 monthly payments, issued 15.01.2020, first
    // payment 15.02.2020.
    void clickBuild() { QTest::mouseClick(m_form->BBGraf, Qt::LeftButton); }
    QStringList gridRows() const {
        QStringList rows;
        for (int r = 0; r < m_form->Grafik->grid().rowCount(); ++r)
            rows << m_form->Grafik->grid().row(r).join(u'|');
        return rows;
    }

    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TForm1> m_form;
};

void ScheduleWindowTest::init() {
    m_messages = std::make_unique<ScriptedMessages>();
    m_form = std::make_unique<TForm1>(*m_messages);
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void ScheduleWindowTest::cleanup() {
    m_form.reset();
    m_messages.reset();
}

void ScheduleWindowTest::missingFieldStopsTheBuild_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("focus");
    const QString notFilled = QStringLiteral("Не заполнено поле ");
    QTest::newRow("1 lender") << "ECreditor" << notFilled + "Кредитор"
                              << "CategoryPanel1"
                              << "ECreditor";
    QTest::newRow("2 loan type") << "ETip" << notFilled + "Тип кредита"
                                 << "CategoryPanel1"
                                 << "ETip";
    QTest::newRow("3 amount") << "ESummCred" << notFilled + "Сумма кредита"
                              << "CategoryPanel1"
                              << "ESummCred";
    QTest::newRow("4 rate") << "EProcent0" << notFilled + "Процентная ставка"
                            << "CategoryPanel1"
                            << "EProcent0";
    QTest::newRow("5 term") << "ESrok0" << notFilled + "Срок кредита (кол-во платежей)"
                            << "CategoryPanel1"
                            << "ESrok0";
    QTest::newRow("6 first payment on the issue day")
        << "EDataPlateja" << notFilled + "Дата первого платежа"
        << "CategoryPanel1"
        << "EDataPlateja";
    QTest::newRow("7 periodicity") << "EPere" << notFilled + "Переодичность"
                                   << "CategoryPanel2"
                                   << "EPere";
    QTest::newRow("8 no period chosen") << "R_31"
                                        << "Не указаны периоды платежей"
                                        << "CategoryPanel2"
                                        << "";
    QTest::newRow("9 insurance on top without its payments")
        << "StrahCol" << notFilled + "Количество платежей"
        << "CategoryPanel3"
        << "StrahCol";
    QTest::newRow("the first of several is named")
        << "ESummCred+ESrok0" << notFilled + "Сумма кредита"
        << "CategoryPanel1"
        << "ESummCred";
}

void ScheduleWindowTest::missingFieldStopsTheBuild() {
    QFETCH(QString, field);
    QFETCH(QString, message);
    QFETCH(QString, panel);
    QFETCH(QString, focus);
    TForm1& f = *m_form;
    fillWorkedExampleLoan(*m_form);
    // A schedule from before, which the refused build must leave as it is.
    clickBuild();
    QCOMPARE(f.Status->panelText(0), QStringLiteral("Сумма долга: 106603,28"));
    f.BSave->setEnabled(false);
    f.Grafik->grid().setCell(6, 3, "7");
    const QStringList before = gridRows();
    f.CategoryPanel4->expand();
    f.BClearData->setFocus();

    for (const QString& name : field.split(u'+')) {
        if (name == "ECreditor" || name == "ETip" || name == "EPere")
            f.findChild<QComboBox*>(name)->setCurrentIndex(-1);
        else if (name == "EDataPlateja")
            f.EDataPlateja->setDate(f.EDataVydachi->date());
        else if (name == "R_31")
            f.EPere->setCurrentIndex(1);
        else if (name == "StrahCol") {
            SetChecked(f.StrahYesNoKred, true);
            f.StrahSumm->setText("1000");
        } else
            f.findChild<TEdit*>(name)->setText(QString());
    }
    QCOMPARE(m_messages->takeMessages(), QStringList());
    clickBuild();

    QCOMPARE(m_messages->takeMessages(), QStringList{message});
    for (TCategoryPanel* p : f.CategoryPanelGroup1->panels())
        QCOMPARE(p->collapsed(), p->objectName() != panel);
    if (!focus.isEmpty())
        QTRY_VERIFY(f.findChild<QWidget*>(focus)->hasFocus());
    else
        QVERIFY(f.BBGraf->hasFocus()); // where the click put it

    QCOMPARE(gridRows(), before);
    QCOMPARE(f.Status->panelText(0), QStringLiteral("Сумма долга: 106603,28"));
    QCOMPARE(f.Status->panelText(1), QStringLiteral("Переплата: 6603,28"));
    QVERIFY(!f.BSave->isEnabled());
    if (field == "EProcent0")
        QCOMPARE(f.EProcent0->text(), QStringLiteral("0,00"));
}

// A term of more than 1000 payments is refused like a missing field, before anything is
// computed; 1000 itself builds. A field missing further up is named first.
void ScheduleWindowTest::termAboveTheLimitIsRefused_data() {
    QTest::addColumn<QString>("term");
    QTest::addColumn<bool>("amountMissing");
    QTest::addColumn<QString>("message");
    const QString tooLong = QStringLiteral("Срок кредита не может превышать 1000 платежей");
    QTest::newRow("1001") << "1001" << false << tooLong;
    QTest::newRow("one zero too many") << "10000000" << false << tooLong;
    QTest::newRow("more digits than any integer") << "100000000000000000000000" << false << tooLong;
    QTest::newRow("leading zeros") << "0001001" << false << tooLong;
    QTest::newRow("1000 builds") << "1000" << false << QString();
    QTest::newRow("1000 with leading zeros builds") << "001000" << false << QString();
    QTest::newRow("missing amount named first")
        << "10000000" << true << QStringLiteral("Не заполнено поле Сумма кредита");
}

void ScheduleWindowTest::termAboveTheLimitIsRefused() {
    QFETCH(QString, term);
    QFETCH(bool, amountMissing);
    QFETCH(QString, message);
    TForm1& f = *m_form;
    fillWorkedExampleLoan(*m_form);
    clickBuild();
    f.BSave->setEnabled(false);
    f.Grafik->grid().setCell(6, 3, "7");
    const QStringList before = gridRows();
    f.CategoryPanel4->expand();
    f.BClearData->setFocus();

    f.ESrok0->setText(term);
    if (amountMissing)
        f.ESummCred->setText(QString());
    QCOMPARE(m_messages->takeMessages(), QStringList{});
    clickBuild();

    if (message.isEmpty()) {
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        // The schedule runs for hundreds of rows (the debt is paid off before row 1000).
        const StringGrid& grid = f.Grafik->grid();
        QVERIFY(grid.rowCount() > 500);
        QCOMPARE(grid.cell(1, grid.rowCount() - 1), QStringLiteral("Итого:"));
        QVERIFY(f.BSave->isEnabled());
        return;
    }
    QCOMPARE(m_messages->takeMessages(), QStringList{message});
    for (TCategoryPanel* p : f.CategoryPanelGroup1->panels())
        QCOMPARE(p->collapsed(), p->objectName() != QStringLiteral("CategoryPanel1"));
    QTRY_VERIFY((amountMissing ? f.ESummCred : f.ESrok0)->hasFocus());
    QCOMPARE(gridRows(), before);
    QCOMPARE(f.Status->panelText(0), QStringLiteral("Сумма долга: 106603,28"));
    QCOMPARE(f.Status->panelText(1), QStringLiteral("Переплата: 6603,28"));
    QVERIFY(!f.BSave->isEnabled());
    QCOMPARE(f.ESrok0->text(), term);
}

// Empty deviation, second rate and its row become "0" once the dates are checked, even when a
// later check stops the build; an earlier stop leaves them empty.
void ScheduleWindowTest::emptyRatesAreNormalisedBeforeThePeriodicityChecks() {
    TForm1& f = *m_form;
    fillWorkedExampleLoan(*m_form);
    const auto emptyAll = [&f] {
        for (TEdit* e : {f.EProcentRiska0, f.EProcent1, f.ESrok1})
            e->setText(QString());
    };
    emptyAll();
    f.EDataPlateja->setDate(f.EDataVydachi->date());
    clickBuild();
    QCOMPARE(m_messages->takeMessages(),
             QStringList{QStringLiteral("Не заполнено поле Дата первого платежа")});
    QCOMPARE(f.EProcentRiska0->text() + f.EProcent1->text() + f.ESrok1->text(), QString());

    f.EDataPlateja->setDate(QDate(2020, 2, 15));
    f.EPere->setCurrentIndex(1);
    clickBuild();
    QCOMPARE(m_messages->takeMessages(),
             QStringList{QStringLiteral("Не указаны периоды платежей")});
    for (TEdit* e : {f.EProcentRiska0, f.EProcent1, f.ESrok1})
        QCOMPARE(e->text(), QStringLiteral("0"));
}

void ScheduleWindowTest::workedExampleThroughTheButton() {
    TForm1& f = *m_form;
    fillWorkedExampleLoan(*m_form);
    f.BSave->setEnabled(false);
    clickBuild();
    QCOMPARE(m_messages->takeMessages(), QStringList{});
    const QStringList rows = gridRows();
    QCOMPARE(rows.size(), 14);
    QCOMPARE(rows[0], QStringLiteral("№|Дата|Месячный платёж|Основной долг|Проценты|Остаток "
                                     "долга|корр. процентов"));
    QCOMPARE(rows[1], QStringLiteral("1|15.02.2020|8884,88|7868,49|1016,39|92131,51|"));
    QCOMPARE(rows[2], QStringLiteral("2|15.03.2020|8884,88|8008,88|876,00|84122,63|"));
    QCOMPARE(rows[3], QStringLiteral("3|15.04.2020|8884,88|8029,86|855,02|76092,77|"));
    QCOMPARE(rows[12], QStringLiteral("12|15.01.2021|8869,60|8780,24|89,36|0,00|"));
    QCOMPARE(rows[13], QStringLiteral("|Итого:|106603,28|100000,00|6603,28||"));
    QCOMPARE(f.Status->panelText(0), QStringLiteral("Сумма долга: 106603,28"));
    QCOMPARE(f.Status->panelText(1), QStringLiteral("Переплата: 6603,28"));
    // The totals are readable from outside the window as well.
    QCOMPARE(f.Status->property("panelTexts").toStringList(),
             (QStringList{"Сумма долга: 106603,28", "Переплата: 6603,28"}));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.Status)->text(QAccessible::Name),
             QStringLiteral("Сумма долга: 106603,28; Переплата: 6603,28"));
    QVERIFY(f.BSave->isEnabled());
    // The view shows the grid: the header row and 13 body rows.
    QCOMPARE(f.Grafik->model()->rowCount(), 13);
}

// Insurance or SMS with nothing to pay fall back to "none", as if the user had clicked it.
void ScheduleWindowTest::insuranceAndSmsNormalisations_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("summ");
    QTest::addColumn<QString>("col");
    QTest::addColumn<QString>("noneButton");
    QTest::addColumn<int>("columns");
    QTest::newRow("insurance on top of 0") << "StrahYesNoKred"
                                           << "0"
                                           << "12"
                                           << "StrahNo" << 7;
    QTest::newRow("insurance on top of nothing") << "StrahYesNoKred"
                                                 << ""
                                                 << "3"
                                                 << "StrahNo" << 7;
    QTest::newRow("insurance included of 0") << "StrahYesVKred"
                                             << "0"
                                             << ""
                                             << "StrahNo" << 7;
    QTest::newRow("insurance 1000 over 3 stays") << "StrahYesNoKred"
                                                 << "1000"
                                                 << "3"
                                                 << "" << 8;
    QTest::newRow("insurance 0,00 is an amount") << "StrahYesNoKred"
                                                 << "0,00"
                                                 << "3"
                                                 << "" << 7;
    QTest::newRow("SMS on top of 0") << "SMSYesNoKred"
                                     << "0"
                                     << ""
                                     << "SMSNo" << 7;
    QTest::newRow("SMS included of nothing") << "SMSYesVKred"
                                             << ""
                                             << ""
                                             << "SMSNo" << 7;
    QTest::newRow("SMS 1200 on top stays") << "SMSYesNoKred"
                                           << "1200"
                                           << ""
                                           << "" << 8;
}

void ScheduleWindowTest::insuranceAndSmsNormalisations() {
    QFETCH(QString, choice);
    QFETCH(QString, summ);
    QFETCH(QString, col);
    QFETCH(QString, noneButton);
    QFETCH(int, columns);
    TForm1& f = *m_form;
    fillWorkedExampleLoan(*m_form);
    SetChecked(f.findChild<QRadioButton*>(choice), true);
    const bool insurance = choice.startsWith("Strah");
    (insurance ? f.StrahSumm : f.SMSSumm)->setText(summ);
    if (insurance)
        f.StrahCol->setText(col);
    clickBuild();
    QCOMPARE(m_messages->takeMessages(), QStringList{});
    if (!noneButton.isEmpty()) {
        QVERIFY(f.findChild<QRadioButton*>(noneButton)->isChecked());
        QCOMPARE((insurance ? f.StrahSumm : f.SMSSumm)->text(), QStringLiteral("0"));
        QVERIFY(!(insurance ? f.StrahSumm : f.SMSSumm)->isEnabled());
    } else {
        QVERIFY(f.findChild<QRadioButton*>(choice)->isChecked());
    }
    QCOMPARE(f.Grafik->grid().colCount(), columns);
    QCOMPARE(f.Status->panelText(1), QStringLiteral("Переплата: 6603,28"));
}

void ScheduleWindowTest::firstPaymentCorrection_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("negative") << "-5"
                              << "0";
    QTest::newRow("amount") << "8884,88"
                            << "8884,88";
    QTest::newRow("zero") << "0"
                          << "0";
}

void ScheduleWindowTest::firstPaymentCorrection() {
    QFETCH(QString, text);
    QFETCH(QString, kept);
    fillWorkedExampleLoan(*m_form);
    m_form->DopSumm->setText(text);
    clickBuild();
    QCOMPARE(m_form->DopSumm->text(), kept);
    QCOMPARE(m_form->Status->panelText(0), QStringLiteral("Сумма долга: 106603,28"));
}

// A failing build reaches the error report; the status line stays empty and the save button
// as it was.
void ScheduleWindowTest::failureLeavesStatusEmptyAndSaveAsItWas_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("saveEnabled");
    QTest::addColumn<bool>("gridReset");
    QTest::newRow("amount not a number, save enabled") << "ESummCred"
                                                       << "abc"
                                                       << "EConvertError" << true << true;
    QTest::newRow("amount not a number, save disabled") << "ESummCred"
                                                        << "abc"
                                                        << "EConvertError" << false << true;
    QTest::newRow("term 0") << "ESrok0"
                            << "0"
                            << "EZeroDivide" << true << true;
    QTest::newRow("lone minus as second rate") << "EProcent1"
                                               << "-"
                                               << "EConvertError" << false << true;
    // The first payment is checked before the schedule is touched: all stays as it was.
    QTest::newRow("lone minus as first payment") << "DopSumm"
                                                 << "-"
                                                 << "EConvertError" << true << false;
}

void ScheduleWindowTest::failureLeavesStatusEmptyAndSaveAsItWas() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, error);
    QFETCH(bool, saveEnabled);
    QFETCH(bool, gridReset);
    TForm1& f = *m_form;
    fillWorkedExampleLoan(*m_form);
    clickBuild();
    const QStringList built = gridRows();
    f.BSave->setEnabled(saveEnabled);
    f.findChild<TEdit*>(field)->setText(text);
    QCOMPARE(m_messages->takeMessages(), QStringList());
    clickBuild();
    const QStringList shown = m_messages->takeMessages();
    QVERIFY(!shown.isEmpty());
    QVERIFY2(shown.join(u'\n').contains(error), qPrintable(shown.join(u'\n')));
    QCOMPARE(f.Status->panelText(0), gridReset ? QString() : "Сумма долга: 106603,28");
    QCOMPARE(f.Status->panelText(1), gridReset ? QString() : "Переплата: 6603,28");
    QCOMPARE(f.BSave->isEnabled(), saveEnabled);
    QCOMPARE(gridRows() == built, !gridReset);
    for (const QString& row : gridRows())
        QVERIFY2(!row.contains("inf", Qt::CaseInsensitive) &&
                     !row.contains("nan", Qt::CaseInsensitive),
                 qPrintable(row));
}

void ScheduleWindowTest::correctionSurvivesRebuildButNotClearing() {
    TForm1& f = *m_form;
    fillWorkedExampleLoan(*m_form);
    clickBuild();
    f.Grafik->grid().setCell(6, 2, "-5");
    clickBuild();
    QCOMPARE(f.Grafik->grid().row(2).join(u'|'),
             QStringLiteral("2|15.03.2020|8884,88|8013,88|871,00|84117,63|-5,00"));
    QTest::mouseClick(f.ClearGrafik, Qt::LeftButton);
    QCOMPARE(f.Grafik->grid().rowCount(), 2);
    QCOMPARE(f.Grafik->grid().colCount(), 7);
    QCOMPARE(gridRows(), QStringList({"||||||", "||||||"}));
    QCOMPARE(f.Status->panelText(0), QString());
    QCOMPARE(f.Status->panelText(1), QString());
    QVERIFY(!f.BSave->isEnabled());
    clickBuild();
    QCOMPARE(f.Grafik->grid().row(2).join(u'|'),
             QStringLiteral("2|15.03.2020|8884,88|8008,88|876,00|84122,63|"));
}

void ScheduleWindowTest::onlyCorrectionsAreEditable_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("editable");
    QTest::newRow("payment") << 2 << 1 << false;
    QTest::newRow("remaining debt") << 5 << 3 << false;
    QTest::newRow("correction") << 6 << 1 << true;
    QTest::newRow("correction of the totals row") << 6 << 13 << true;
    QTest::newRow("insurance column") << 7 << 1 << false;
}

void ScheduleWindowTest::onlyCorrectionsAreEditable() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, editable);
    TForm1& f = *m_form;
    fillWorkedExampleLoan(*m_form);
    SetChecked(f.StrahYesNoKred, true);
    f.StrahSumm->setText("1000");
    f.StrahCol->setText("3");
    clickBuild();
    f.Grafik->setCurrentCell(6, 2);
    QVERIFY(f.Grafik->editing());
    f.Grafik->setCurrentCell(col, row);
    QCOMPARE(f.Grafik->editing(), editable);
    f.Grafik->setFocus();
    QTest::keyClicks(f.Grafik, "5");
    QCOMPARE(f.Grafik->grid().cell(col, row) == "5" || f.Grafik->inplaceEditor() != nullptr,
             editable);
}

void ScheduleWindowTest::earlyPaymentsTable() {
    TForm1& f = *m_form;
    StringGrid& dosPlat = f.DosPlat->grid();
    QTest::mouseClick(f.ClearDosPlat, Qt::LeftButton);
    QCOMPARE(dosPlat.row(0), QStringList({"Дата", "Сумма", "Уменьшить"}));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(f.AddDosPlat, Qt::LeftButton);
    QCOMPARE(dosPlat.rowCount(), 5);
    QCOMPARE(dosPlat.row(4), QStringList({"", "", "платёж"}));
    for (int r = 1; r < 5; ++r)
        dosPlat.setRow(r, {"01.04.2020", "100", "срок"});
    QTest::mouseClick(f.ClearDosPlat, Qt::LeftButton);
    QCOMPARE(dosPlat.rowCount(), 2);
    QCOMPARE(dosPlat.colCount(), 3);
    QCOMPARE(dosPlat.row(0), QStringList({"Дата", "Сумма", "Уменьшить"}));
    QCOMPARE(dosPlat.row(1), QStringList({"", "", "платёж"}));
}

// What a repayment reduces is chosen from a list in the cell, never typed: a typed letter
// picks the first choice it begins, the list picks any; the build follows the choice.
void ScheduleWindowTest::reduceChosenFromAList() {
    TForm1& f = *m_form;
    fillWorkedExampleLoan(f);
    f.CategoryPanel4->expand();
    QTRY_VERIFY(f.DosPlat->isVisible());
    StringGrid& dosPlat = f.DosPlat->grid();
    dosPlat.setCell(0, 1, "20.03.2020");
    dosPlat.setCell(1, 1, "20000,00");
    f.DosPlat->setCurrentCell(2, 1);
    f.DosPlat->setFocus();
    QTest::keyClick(f.DosPlat, '7');
    QKeyEvent letter(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("с"));
    QApplication::sendEvent(f.DosPlat, &letter);
    QVERIFY(f.DosPlat->pickListEditor());
    QVERIFY(!f.DosPlat->inplaceEditor());
    QCOMPARE(dosPlat.cell(2, 1), QStringLiteral("срок"));
    clickBuild();
    QCOMPARE(f.Grafik->grid().rowCount(), 13);
    QCOMPARE(f.Status->panelText(1), QStringLiteral("Переплата: 4714,12"));

    f.DosPlat->setCurrentCell(2, 1);
    f.DosPlat->showEditor();
    QComboBox* list = f.DosPlat->pickListEditor();
    QVERIFY(list);
    QCOMPARE(list->currentText(), QStringLiteral("срок"));
    QCOMPARE(list->count(), 2);
    list->setCurrentIndex(list->findText("платёж"));
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!f.DosPlat->editorMode());
    QCOMPARE(dosPlat.cell(2, 1), QStringLiteral("платёж"));
    clickBuild();
    QCOMPARE(f.Grafik->grid().rowCount(), 15);
    QCOMPARE(f.Status->panelText(1), QStringLiteral("Переплата: 5514,77"));
}

void ScheduleWindowTest::leavingASumCompletesIt_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("completed");
    QTest::newRow("whole sum") << 1 << "12"
                               << "12,00";
    QTest::newRow("sum with kopecks") << 1 << "12,5"
                                      << "12,5";
    QTest::newRow("empty sum") << 1 << ""
                               << "";
    QTest::newRow("lone minus") << 1 << "-"
                                << "-";
    QTest::newRow("date column") << 0 << "01.04.2020"
                                 << "01.04.2020";
}

void ScheduleWindowTest::leavingASumCompletesIt() {
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(QString, completed);
    TForm1& f = *m_form;
    QTest::mouseClick(f.AddDosPlat, Qt::LeftButton);
    f.DosPlat->grid().setCell(col, 1, text);
    f.DosPlat->setCurrentCell(col, 1);
    QCOMPARE(f.DosPlat->grid().cell(col, 1), text); // entering leaves it
    f.DosPlat->setCurrentCell(col, 2);
    QCOMPARE(f.DosPlat->grid().cell(col, 1), completed);
}

void ScheduleWindowTest::typedSumIsCompletedWhenLeft() {
    TForm1& f = *m_form;
    f.CategoryPanel4->expand();
    f.DosPlat->setCurrentCell(1, 1);
    f.DosPlat->setFocus();
    QTest::keyClicks(f.DosPlat, "250");
    QVERIFY(f.DosPlat->inplaceEditor());
    QCOMPARE(f.DosPlat->inplaceEditor()->text(), QStringLiteral("250"));
    f.DosPlat->setCurrentCell(0, 1);
    QCOMPARE(f.DosPlat->grid().cell(1, 1), QStringLiteral("250,00"));
}

void ScheduleWindowTest::typedSumIsCompletedWhenAnotherCellIsClicked() {
    TForm1& f = *m_form;
    f.CategoryPanel4->expand();
    QTest::mouseClick(f.AddDosPlat, Qt::LeftButton);
    QTRY_VERIFY(f.DosPlat->isVisible());
    f.DosPlat->setCurrentCell(1, 1);
    f.DosPlat->setFocus();
    QTest::keyClicks(f.DosPlat, "75");
    QVERIFY(f.DosPlat->inplaceEditor());
    const QRect target = f.DosPlat->cellRect(1, 2);
    QVERIFY(!target.isEmpty());
    QWidget* viewport = f.DosPlat->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(f.DosPlat, target.center()));
    QCOMPARE(f.DosPlat->row(), 2);
    QCOMPARE(f.DosPlat->grid().cell(1, 1), QStringLiteral("75,00"));
    QCOMPARE(f.DosPlat->grid().cell(1, 2), QString());
}

void ScheduleWindowTest::earlyPaymentThroughTheWindow() {
    TForm1& f = *m_form;
    fillWorkedExampleLoan(*m_form);
    f.DosPlat->grid().setRow(1, {"01.04.2020", "20000"});
    clickBuild();
    QCOMPARE(f.Grafik->grid().row(3).join(u'|'),
             QStringLiteral("|01.04.2020|20000,00|19531,12|468,88|64591,51|"));
    QCOMPARE(f.Status->panelText(0), QStringLiteral("Сумма долга: 105931,40"));
}

QTEST_MAIN(ScheduleWindowTest)
#include "tst_schedule.moc"
