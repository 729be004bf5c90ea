// The main window as it starts: every control by name with its kind, caption and initial
// state, the lists, the help text, the panels and pages, and the start-up events.
#include "InstructionText.h"
#include "QtMessageService.h"
#include "RegionalSettings.h"
#include "ScriptedMessages.h"
#include "TForm1.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// The caption a control shows: button and label texts, group box titles, edit texts, tab
// texts, panel captions, menu item texts.
QString captionOf(QObject* control) {
    if (auto* b = qobject_cast<QAbstractButton*>(control))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(control))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(control))
        return g->title();
    if (auto* e = qobject_cast<QLineEdit*>(control))
        return e->text();
    if (auto* p = qobject_cast<TCategoryPanel*>(control))
        return p->caption();
    if (auto* a = qobject_cast<QAction*>(control))
        return a->text();
    if (auto* w = qobject_cast<QWidget*>(control)) {
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(p))
                if (tabs->indexOf(w) >= 0)
                    return tabs->tabText(tabs->indexOf(w));
    }
    return {};
}

bool enabledOf(QObject* control) {
    if (auto* a = qobject_cast<QAction*>(control))
        return a->isEnabled();
    auto* w = qobject_cast<QWidget*>(control);
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(p))
            if (tabs->indexOf(w) >= 0)
                return tabs->isTabEnabled(tabs->indexOf(w));
    return w->isEnabled();
}

// -1: not a checkable control.
int checkedOf(QObject* control) {
    if (auto* b = qobject_cast<QAbstractButton*>(control); b && b->isCheckable())
        return b->isChecked() ? 1 : 0;
    return -1;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void everyNamedMemberIsTheNamedControl();
    void spinners_data();
    void spinners();
    void dropDownItems_data();
    void dropDownItems();
    void grids_data();
    void grids();
    void statusBar();
    void textHints_data();
    void textHints();
    void helpText_data();
    void helpText();
    void helpTextIsReadOnlyAndWraps();
    void radioGroups_data();
    void radioGroups();
    void panelsStartCollapsed();
    void panelsOpenIndependently();
    void disabledPages();
    void popupMenu();
    void countsTakeDigitsOnly_data();
    void countsTakeDigitsOnly();
    void windowFontHasCyrillic();
    void createdMaximized();
    void ownMessageBoxesStandOverTheWindow();
    void firstActivation();
    void laterActivationsRunNothing();

private:
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TForm1> m_form;
};

void WindowTest::init() {
    m_messages = std::make_unique<ScriptedMessages>();
    m_form = std::make_unique<TForm1>(*m_messages);
}

void WindowTest::cleanup() {
    m_form.reset();
    m_messages.reset();
}

void WindowTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("checked");

    const auto row = [](const char* name, const char* kind, const QString& caption,
                        bool enabled = true, int checked = -1) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << caption
                            << enabled << checked;
    };
    // Window and panels.
    row("PanelLeft", "QWidget", "");
    row("PanelLeftRight", "QWidget", "");
    row("PanelLeftLeft", "QWidget", "");
    row("PanelRight", "QWidget", "");
    // Schedule area.
    row("Status", "TStatusBar", "");
    row("Grafik", "TStringGridView", "");
    row("ClearGrafik", "QPushButton", "Очистить график");
    row("BBGraf", "QPushButton", "Построить график");
    // Lists.
    row("PCSpiski", "QTabWidget", "");
    row("TS1", "QWidget", "Список кредитов и вкладов");
    row("List", "TStringGridView", "");
    row("HideCred", "QCheckBox", "Скрыть завершённые кредиты", true, 0);
    row("TS2", "QWidget", "Оплата по кредитам");
    row("DataPlateja", "TStringGridView", "");
    row("LOplatit", "QLabel", "Всего осталось оплатить: 0,00 руб");
    row("TS3", "QWidget", "Выплаты по вкладам", false);
    row("Label1", "QLabel", "ВКЛАДКА НАХОДИТСЯ В РАЗРАБОТКЕ", false);
    // Record editor.
    row("LName", "QLabel", "Наименование");
    row("EName", "TEdit", "");
    row("BSave", "QPushButton", "Сохранить данные");
    row("BClearData", "QPushButton", "Очистить данные");
    row("Progress", "QProgressBar", "");
    row("PCCredaIVklada", "QTabWidget", "");
    row("TSCredit", "QWidget", "Расчёт кредита");
    row("CategoryPanelGroup1", "TCategoryPanelGroup", "");
    row("TSVklad", "QWidget", "Расчёт вклада", false);
    row("Label2", "QLabel", "ВКЛАДКА НАХОДИТСЯ В РАЗРАБОТКЕ", false);
    row("CategoryPanel1", "TCategoryPanel", "Параметры");
    row("CategoryPanel2", "TCategoryPanel", "Переодичность");
    row("CategoryPanel3", "TCategoryPanel", "Дополнительные платежи (SMS и прочее)");
    row("CategoryPanel4", "TCategoryPanel", "Учесть досрочные платежи");
    row("CategoryPanel5", "TCategoryPanel", "О программе");
    // Parameters.
    row("LData", "QLabel", "Дата выдачи кредита");
    row("EDataVydachi", "QDateEdit", "");
    row("LCreditor", "QLabel", "Кредитор");
    row("ECreditor", "QComboBox", "");
    row("LVidCred", "QLabel", "Вид кредита");
    row("EVidCred", "QComboBox", "");
    row("LTip", "QLabel", "Тип кредита");
    row("ETip", "QComboBox", "");
    row("LSummCred", "QLabel", "Сумма кредита");
    row("ESummCred", "TEdit", "0");
    row("GBProcent0", "QGroupBox", "Параметры процентной ставки");
    row("LMemo", "QLabel", "Примечание");
    row("SMemo", "TMemo", "");
    row("LProcent0", "QLabel", "Процентная ставка");
    row("PProcent0", "QWidget", "");
    row("EProcent0", "TEdit", "0.00");
    row("LSrok0", "QLabel", "Срок кредита (кол-во платежей)");
    row("ESrok0", "TEdit", "");
    row("LProcentRiska0", "QLabel", "Отклонение от формулы расчёта");
    row("PProcentRiska0", "QWidget", "");
    row("EProcentRiska0", "TEdit", "0");
    row("LDataPlateja", "QLabel", "Дата первого платежа");
    row("EDataPlateja", "QDateEdit", "");
    row("LProcent1", "QLabel", "Вторая процентная ставка (если есть)");
    row("PProcent1", "QWidget", "");
    row("EProcent1", "TEdit", "");
    row("LSrok1", "QLabel", "С какого месяца действует");
    row("ESrok1", "TEdit", "");
    row("LProcent0_00_0000", "QLabel", " . ");
    row("LProcentRiska0_00_0000", "QLabel", " . ");
    row("LProcent1_00_0000", "QLabel", " . ");
    // Periodicity.
    row("EPere", "QComboBox", "");
    row("CSubb", "QCheckBox", "Исключить платежи в субботу", true, 0);
    row("CVosk", "QCheckBox", "Исключить платежи в воскресенье", true, 0);
    row("CPraz", "QCheckBox", "Исключить платежи в праздники", true, 0);
    row("R_30", "QRadioButton", "Каждый 30 день", true, 0);
    row("R_31", "QRadioButton", "Каждый 31 день", true, 1);
    row("C360", "QCheckBox", "360 дней в году", true, 0);
    // Add-on payments.
    row("Strah", "QGroupBox", "Страхование");
    row("StrahNo", "QRadioButton", "Нет", true, 1);
    row("StrahYesVKred", "QRadioButton", "Да (включён в кредит)", true, 0);
    row("StrahYesNoKred", "QRadioButton", "Да (дополнительно к кредиту)", true, 0);
    row("SummStrah", "QLabel", "Сумма (стоимость) страховки");
    row("StrahSumm", "TEdit", "0", false);
    row("ColStrah", "QLabel", "Количество платежей");
    row("StrahCol", "TEdit", "0", false);
    row("SMS", "QGroupBox", "SMS пакет");
    row("SMSNo", "QRadioButton", "Нет", true, 1);
    row("SMSYesVKred", "QRadioButton", "Да (включён в кредит)", true, 0);
    row("SMSYesNoKred", "QRadioButton", "Да (дополнительно к кредиту)", true, 0);
    row("SummSMS", "QLabel", "Стоимость услуги (полностью)");
    row("SMSSumm", "TEdit", "0", false);
    row("Dop", "QGroupBox", "Корректировка расчёта");
    row("ColDop", "QLabel",
        "Если расчитанная сумма платежей не совпадает с Вашим графиком, то введите сумму "
        "первого платежа и постройте график заново.");
    row("SummDop", "QLabel", "Сумма первого платежа");
    row("DopSumm", "TEdit", "0");
    // Early payments.
    row("DosPlat", "TStringGridView", "");
    row("AddDosPlat", "QPushButton", "Добавить платёж");
    row("ClearDosPlat", "QPushButton", "Очистить досрочные платежи");
    // About.
    row("Instruction", "TMemo", InstructionLines().join(u'\n'));
    row("MailTo", "TLinkLabel", "Написать разработчику программы");
    row("PopMenu", "QMenu", "");
    row("DelRec", "QAction", "Удалить выделенную запись");
}

void WindowTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    const QList<QObject*> found = m_form->findChildren<QObject*>(name);
    QCOMPARE(found.size(), 1);
    QObject* control = found.first();
    QVERIFY2(control->inherits(kind.toLatin1()), control->metaObject()->className());
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        QTEST(memo->toPlainText(), "caption");
    else
        QTEST(captionOf(control), "caption");
    QTEST(enabledOf(control), "enabled");
    QTEST(checkedOf(control), "checked");
}

// The public members are the controls of the same names (a misplaced assignment would make
// handlers act on the wrong control).
void WindowTest::everyNamedMemberIsTheNamedControl() {
    const QList<QPair<QObject*, const char*>> members{
        {m_form->PanelLeft, "PanelLeft"},
        {m_form->Grafik, "Grafik"},
        {m_form->List, "List"},
        {m_form->DataPlateja, "DataPlateja"},
        {m_form->DosPlat, "DosPlat"},
        {m_form->EProcent0, "EProcent0"},
        {m_form->EProcent1, "EProcent1"},
        {m_form->EProcentRiska0, "EProcentRiska0"},
        {m_form->ESrok0, "ESrok0"},
        {m_form->ESrok1, "ESrok1"},
        {m_form->StrahSumm, "StrahSumm"},
        {m_form->StrahCol, "StrahCol"},
        {m_form->SMSSumm, "SMSSumm"},
        {m_form->DopSumm, "DopSumm"},
        {m_form->EDataVydachi, "EDataVydachi"},
        {m_form->EDataPlateja, "EDataPlateja"},
        {m_form->R_30, "R_30"},
        {m_form->R_31, "R_31"},
        {m_form->CategoryPanel4, "CategoryPanel4"},
        {m_form->DelRec, "DelRec"},
        {m_form->PopMenu, "PopMenu"},
        {m_form->Status, "Status"},
        {m_form->UDProcent1_00_0001, "UDProcent1_00_0001"},
        {m_form->UDProcentRiska0_10_0000, "UDProcentRiska0_10_0000"},
        {m_form->LProcentRiska0_00_0000, "LProcentRiska0_00_0000"},
    };
    for (const auto& [member, name] : members) {
        QVERIFY2(member, name);
        QCOMPARE(member->objectName(), QString::fromLatin1(name));
    }
    QCOMPARE(TForm1::RateSpinners().size(), std::size_t{18});
    for (const TForm1::RateSpinner& spinner : TForm1::RateSpinners()) {
        TUpDown* control = m_form.get()->*spinner.control;
        QVERIFY2(control, spinner.name);
        QCOMPARE(control->objectName(), QString::fromLatin1(spinner.name));
        // A spinner sits beside the field it steps.
        QCOMPARE(control->parentWidget(), (m_form.get()->*spinner.field)->parentWidget());
    }
}

void WindowTest::spinners_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QList<int>>("positions");

    QTest::newRow("first rate") << "PProcent0"
                                << "EProcent0"
                                << "UDProcent0_" << QList<int>{96, 110, 134, 148, 163, 177};
    QTest::newRow("deviation") << "PProcentRiska0"
                               << "EProcentRiska0"
                               << "UDProcentRiska0_" << QList<int>{96, 110, 134, 149, 163, 177};
    QTest::newRow("second rate") << "PProcent1"
                                 << "EProcent1"
                                 << "UDProcent1_" << QList<int>{96, 110, 134, 148, 163, 177};
}

void WindowTest::spinners() {
    QFETCH(QString, panel);
    QFETCH(QString, edit);
    QFETCH(QString, prefix);
    QFETCH(QList<int>, positions);
    auto* p = m_form->findChild<QWidget*>(panel);
    QVERIFY(p);
    QCOMPARE(p->height(), 21);
    auto* e = p->findChild<TEdit*>(edit);
    QVERIFY(e);
    QCOMPARE(e->geometry(), QRect(0, 0, 90, 21));
    const QStringList suffixes{"10_0000", "01_0000", "00_1000", "00_0100", "00_0010", "00_0001"};
    for (int i = 0; i < suffixes.size(); ++i) {
        auto* ud = p->findChild<TUpDown*>(prefix + suffixes[i]);
        QVERIFY2(ud, qPrintable(prefix + suffixes[i]));
        QCOMPARE(ud->geometry(), QRect(positions[i], 0, 17, 21));
        QCOMPARE(ud->minimum(), -1000);
        QCOMPARE(ud->maximum(), 1000);
        QCOMPARE(ud->position(), 0);
    }
    // The decimal point stands between the spinners of whole and fractional digits.
    auto* point = p->findChild<QLabel*>();
    QVERIFY(point);
    QCOMPARE(point->geometry(), QRect(125, 0, 12, 21));
}

void WindowTest::dropDownItems_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("ECreditor, nothing selected")
        << "ECreditor"
        << QStringList{"Банк Home Credit", "Банк Альфа-банк", "Банк Восточный экспресс банк",
                       "Банк ВТБ",         "Банк МТС",        "Банк ОТПБанк",
                       "Банк Ренессанс",   "Банк СберБанк",   "Банк Сетелем",
                       "Другой банк",      "Частное лицо"}
        << -1 << "";
    QTest::newRow("EVidCred") << "EVidCred" << QStringList{"Потребительский", "Кредитная карта"}
                              << 0 << "Потребительский";
    QTest::newRow("ETip") << "ETip"
                          << QStringList{"Аннуитетный платеж", "Буллитный платёж",
                                         "Дифференцированный платеж"}
                          << 0 << "Аннуитетный платеж";
    QTest::newRow("EPere") << "EPere" << QStringList{"Ежемесячно", "Произвольно"} << 1
                           << "Произвольно";
}

void WindowTest::dropDownItems() {
    QFETCH(QString, name);
    auto* box = m_form->findChild<QComboBox*>(name);
    QVERIFY(box);
    QVERIFY(!box->isEditable());
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    QTEST(items, "items");
    QTEST(box->currentIndex(), "index");
    QTEST(box->currentText(), "text");
}

void WindowTest::grids_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("fixedRows");
    QTest::addColumn<int>("fixedCols");
    QTest::addColumn<int>("defaultColWidth");
    QTest::addColumn<int>("gridLineWidth");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<bool>("headerShown");
    QTest::addColumn<QStringList>("header");

    QTest::newRow("Grafik") << "Grafik" << 7 << 2 << 1 << 2 << 100 << 2 << false << true
                            << QStringList(7, QString());
    QTest::newRow("List") << "List" << 2 << 2 << 1 << 0 << 64 << 1 << false << true
                          << QStringList(2, QString());
    QTest::newRow("DataPlateja") << "DataPlateja" << 3 << 1 << 0 << 0 << 64 << 1 << false << false
                                 << QStringList(3, QString());
    QTest::newRow("DosPlat") << "DosPlat" << 3 << 2 << 1 << 0 << 90 << 1 << true << true
                             << QStringList{"Дата", "Сумма", "Уменьшить"};
}

void WindowTest::grids() {
    QFETCH(QString, name);
    auto* view = m_form->findChild<TStringGridView*>(name);
    QVERIFY(view);
    QTEST(view->grid().colCount(), "cols");
    QTEST(view->grid().rowCount(), "rows");
    QTEST(view->grid().fixedRows(), "fixedRows");
    QTEST(view->grid().fixedCols(), "fixedCols");
    QTEST(view->defaultColWidth(), "defaultColWidth");
    QCOMPARE(view->defaultRowHeight(), 16);
    QTEST(view->gridLineWidth(), "gridLineWidth");
    QTEST(view->editing(), "editing");
    QTEST(!view->horizontalHeader()->isHidden(), "headerShown");
    QTEST(view->grid().row(0), "header");
    QVERIFY(!view->rowSelect());
}

void WindowTest::statusBar() {
    QCOMPARE(m_form->Status->height(), 19);
    QCOMPARE(m_form->Status->panelCount(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(m_form->Status->panelWidth(i), 150);
        QCOMPARE(m_form->Status->panelText(i), QString());
    }
}

void WindowTest::textHints_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");

    QTest::newRow("StrahSumm") << "StrahSumm"
                               << "Сумма страховой премии";
    QTest::newRow("StrahCol") << "StrahCol"
                              << "Сумма страховой премии";
    QTest::newRow("SMSSumm") << "SMSSumm"
                             << "Сумма дополнительных платежей";
    QTest::newRow("DopSumm") << "DopSumm"
                             << "Сумма дополнительных платежей";
}

void WindowTest::textHints() {
    QFETCH(QString, name);
    auto* edit = m_form->findChild<TEdit*>(name);
    QVERIFY(edit);
    QTEST(edit->placeholderText(), "hint");
    // The hint shows only while the box is empty: it starts with "0".
    QCOMPARE(edit->text(), QStringLiteral("0"));
}

void WindowTest::helpText_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    QTest::newRow("first") << 1 << "Как работать с программой.";
    QTest::newRow("empty second") << 2 << "";
    QTest::newRow("quotes and a trailing blank") << 3 << "1 . В поле \"Наименование\" ";
    QTest::newRow("quoted word alone") << 12 << "\"Микроволновка\".";
    QTest::newRow("dashes") << 24 << "5 .--";
    QTest::newRow("no trailing blank") << 48 << "платежей";
    QTest::newRow("ends in a quote") << 56 << "день\"";
    QTest::newRow("open quote across lines") << 67 << "12. Нажмите кнопку \"Построить";
    QTest::newRow("two quoted words") << 80 << "воскресенье\" и вернитесь к ";
    QTest::newRow("last") << 90 << "\"Сохранить данные\".";
}

void WindowTest::helpText() {
    QFETCH(int, line);
    const QStringList lines = m_form->Instruction->lines();
    QCOMPARE(lines.size(), 90);
    QTEST(lines.at(line - 1), "text");
}

void WindowTest::helpTextIsReadOnlyAndWraps() {
    TMemo* memo = m_form->Instruction;
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const QString before = memo->toPlainText();
    memo->setFocus();
    QTest::keyClicks(memo, "abc");
    QTest::keyClick(memo, Qt::Key_Backspace);
    QCOMPARE(memo->toPlainText(), before);
}

// Checking one radio button affects only the buttons of its own group box.
void WindowTest::radioGroups_data() {
    QTest::addColumn<QString>("check");
    QTest::addColumn<QStringList>("checkedAfter");

    const QStringList start{"StrahNo", "SMSNo", "R_31"};
    QTest::newRow("insurance included")
        << "StrahYesVKred" << QStringList{"StrahYesVKred", "SMSNo", "R_31"};
    QTest::newRow("insurance on top")
        << "StrahYesNoKred" << QStringList{"StrahYesNoKred", "SMSNo", "R_31"};
    QTest::newRow("SMS included") << "SMSYesVKred" << QStringList{"StrahNo", "SMSYesVKred", "R_31"};
    QTest::newRow("every 30 days") << "R_30" << QStringList{"StrahNo", "SMSNo", "R_30"};
}

void WindowTest::radioGroups() {
    QFETCH(QString, check);
    QFETCH(QStringList, checkedAfter);
    m_form->findChild<QRadioButton*>(check)->setChecked(true);
    QStringList checked;
    for (QRadioButton* r : m_form->findChildren<QRadioButton*>())
        if (r->isChecked())
            checked << r->objectName();
    checked.sort();
    checkedAfter.sort();
    QCOMPARE(checked, checkedAfter);
}

void WindowTest::panelsStartCollapsed() {
    const QList<QPair<TCategoryPanel*, int>> panels{{m_form->CategoryPanel1, 580},
                                                    {m_form->CategoryPanel2, 194},
                                                    {m_form->CategoryPanel3, 379},
                                                    {m_form->CategoryPanel4, 259},
                                                    {m_form->CategoryPanel5, 533}};
    QCOMPARE(m_form->CategoryPanelGroup1->panels().size(), 5);
    for (int i = 0; i < panels.size(); ++i) {
        TCategoryPanel* panel = panels[i].first;
        QCOMPARE(m_form->CategoryPanelGroup1->panels().at(i), panel);
        QVERIFY(panel->collapsed());
        QCOMPARE(panel->height(), TCategoryPanel::HeaderHeight);
        QCOMPARE(panel->expandedHeight(), panels[i].second);
    }
}

void WindowTest::panelsOpenIndependently() {
    m_form->show();
    // The first activation folds the panels; wait for it.
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    // A click on a header opens its panel; opening another leaves the first open.
    QTest::mouseClick(m_form->CategoryPanel2->header(), Qt::LeftButton);
    QTest::mouseClick(m_form->CategoryPanel4->header(), Qt::LeftButton);
    QVERIFY(!m_form->CategoryPanel2->collapsed());
    QVERIFY(!m_form->CategoryPanel4->collapsed());
    QVERIFY(m_form->CategoryPanel1->collapsed());
    QVERIFY(m_form->CategoryPanel2->height() >= 194);
    QVERIFY(m_form->CategoryPanel2->isAncestorOf(m_form->CSubb));
    QVERIFY(m_form->CSubb->isVisible());
    QTest::mouseClick(m_form->CategoryPanel2->header(), Qt::LeftButton);
    QVERIFY(m_form->CategoryPanel2->collapsed());
    QVERIFY(!m_form->CSubb->isVisible());
    // Opened together they are taller than the group: it scrolls vertically.
    for (TCategoryPanel* p : m_form->CategoryPanelGroup1->panels())
        p->expand();
    QTRY_VERIFY(m_form->CategoryPanelGroup1->verticalScrollBar()->maximum() > 0);
}

void WindowTest::disabledPages() {
    QCOMPARE(m_form->PCSpiski->currentWidget(), m_form->TS1);
    QCOMPARE(m_form->PCCredaIVklada->currentWidget(), m_form->TSCredit);
    QCOMPARE(m_form->PCSpiski->indexOf(m_form->TS3), 2);
    QCOMPARE(m_form->PCCredaIVklada->indexOf(m_form->TSVklad), 1);
    // The pages under construction hold their label and nothing else that takes input.
    for (QWidget* page : {m_form->TS3, m_form->TSVklad}) {
        const QList<QWidget*> children = page->findChildren<QWidget*>();
        QCOMPARE(children.size(), 1);
        QVERIFY(qobject_cast<QLabel*>(children.first()));
        QCOMPARE(static_cast<QLabel*>(children.first())->alignment() & Qt::AlignHCenter,
                 Qt::AlignHCenter);
    }
}

void WindowTest::popupMenu() {
    QCOMPARE(m_form->List->popupMenu(), m_form->PopMenu);
    QCOMPARE(m_form->PopMenu->actions(), QList<QAction*>{m_form->DelRec});
    QVERIFY(m_form->DelRec->isVisible());
    QCOMPARE(m_form->LOplatit->toolTip(), m_form->LOplatit->text());
    QVERIFY(m_form->LOplatit->font().bold());
}

void WindowTest::countsTakeDigitsOnly_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("ESrok0") << "ESrok0";
    QTest::newRow("ESrok1") << "ESrok1";
}

void WindowTest::countsTakeDigitsOnly() {
    QFETCH(QString, name);
    auto* edit = m_form->findChild<TEdit*>(name);
    // Even without its key filter the box refuses everything but digits, pasted text too.
    edit->setKeyHook({});
    edit->setFocus();
    QTest::keyClicks(edit, "1a2,-3 .4");
    QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("Ж"));
    QCoreApplication::sendEvent(edit, &cyrillic);
    QCOMPARE(edit->text(), QStringLiteral("1234"));
    edit->insert(QStringLiteral("x9"));
    QCOMPARE(edit->text(), QStringLiteral("1234"));
}

void WindowTest::windowFontHasCyrillic() {
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Ссудограф"));
    QCOMPARE(m_form->font().pointSize(), 8);
    const QFontMetrics metrics(m_form->font());
    for (QChar c : QStringLiteral("Ссудографжёщ"))
        QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
}

void WindowTest::createdMaximized() {
    QVERIFY(m_form->windowState() & Qt::WindowMaximized);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(m_form->frameGeometry(), m_form->screen()->availableGeometry());
    QCOMPARE(m_form->PanelLeft->width(), 557);
    QCOMPARE(m_form->PanelLeftRight->width(), 239);
    QCOMPARE(m_form->BBGraf->height(), 25);
}

// The program's window shows its boxes over itself, not over whatever window is active.
void WindowTest::ownMessageBoxesStandOverTheWindow() {
    TForm1 form;
    auto* boxes = dynamic_cast<QtMessageService*>(&form.messages());
    QVERIFY(boxes);
    QCOMPARE(boxes->window(), &form);
}

void WindowTest::firstActivation() {
    m_form->PCSpiski->setCurrentWidget(m_form->TS2);
    m_form->CategoryPanel3->expand();
    m_form->EDataVydachi->setDate(QDate(2001, 2, 3));
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(m_form->PCSpiski->currentWidget(), m_form->TS1);
    QCOMPARE(m_form->PCCredaIVklada->currentWidget(), m_form->TSCredit);
    QVERIFY(m_form->CategoryPanel3->collapsed());
    QCOMPARE(m_form->EDataVydachi->date(), QDate::currentDate());
    QCOMPARE(m_form->ETip->toolTip(),
             QStringLiteral("Аннуитетный платеж\nБуллитный платёж\nДифференцированный платеж"));
    // This test program carries the same version information as the program.
    QCOMPARE(m_form->ProgVersion, QStringLiteral("1.3"));
    // The date picker shows the long date format.
    QCOMPARE(m_form->EDataVydachi->text(), Regional::longDate(QDate::currentDate()));
}

void WindowTest::laterActivationsRunNothing() {
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_form->CategoryPanel3->expand();
    m_form->PCSpiski->setCurrentWidget(m_form->TS2);
    // Another window takes the focus and gives it back.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QVERIFY(!m_form->CategoryPanel3->collapsed());
    QCOMPARE(m_form->PCSpiski->currentWidget(), m_form->TS2);
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
