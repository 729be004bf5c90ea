// Option switches of the main window: insurance and SMS choices, day exclusions, periodicity,
// loan kind and type, folding the parameter panels.
#include "ControlHelpers.h"
#include "ScriptedMessages.h"
#include "TForm1.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include <memory>

class SwitchesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void insuranceChoice_data();
    void insuranceChoice();
    void smsChoice_data();
    void smsChoice();
    void dayExclusions_data();
    void dayExclusions();
    void periodicity_data();
    void periodicity();
    void periodicityFromCodeRunsNothing();
    void loanKind_data();
    void loanKind();
    void loanKindFromCodeRunsNothing();
    void loanType_data();
    void loanType();
    void categoryPanelGroupClose();

private:
    // Selects an item of a drop-down list as the user does, with the keyboard.
    void userSelect(QComboBox* box, int index);
    QRadioButton* radio(const QString& name) const {
        return m_form->findChild<QRadioButton*>(name);
    }

    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TForm1> m_form;
};

void SwitchesTest::init() {
    m_messages = std::make_unique<ScriptedMessages>();
    m_form = std::make_unique<TForm1>(*m_messages);
}

void SwitchesTest::cleanup() {
    m_form.reset();
    m_messages.reset();
}

void SwitchesTest::userSelect(QComboBox* box, int index) {
    // Picks the item from the open list with the mouse.
    box->showPopup();
    QAbstractItemView* list = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!list->window()->isVisible());
}

// The buttons are checked in the order given; each check runs its click handler.
void SwitchesTest::insuranceChoice_data() {
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<QString>("summBefore");
    QTest::addColumn<QString>("colBefore");
    QTest::addColumn<QString>("summ");
    QTest::addColumn<bool>("summEnabled");
    QTest::addColumn<QString>("col");
    QTest::addColumn<bool>("colEnabled");

    QTest::newRow("on top of the loan enables both, texts kept")
        << QStringList{"StrahYesNoKred"} << "0"
        << "0"
        << "0" << true << "0" << true;
    QTest::newRow("included after on top: count reset and disabled, amount kept")
        << QStringList{"StrahYesNoKred", "StrahYesVKred"} << "1500"
        << "12"
        << "1500" << true << "0" << false;
    QTest::newRow("none after included: both reset and disabled")
        << QStringList{"StrahYesNoKred", "StrahYesVKred", "StrahNo"} << "1500"
        << "12"
        << "0" << false << "0" << false;
    QTest::newRow("none after on top: both reset and disabled")
        << QStringList{"StrahYesNoKred", "StrahNo"} << "1500"
        << "12"
        << "0" << false << "0" << false;
    QTest::newRow("included from none: amount enabled with its zero")
        << QStringList{"StrahYesVKred"} << "0"
        << "0"
        << "0" << true << "0" << false;
}

void SwitchesTest::insuranceChoice() {
    QFETCH(QStringList, checks);
    QFETCH(QString, summBefore);
    QFETCH(QString, colBefore);
    for (qsizetype i = 0; i < checks.size(); ++i) {
        radio(checks[i])->setChecked(true);
        if (i == 0) {
            // The user types the amounts once the first choice enabled them.
            m_form->StrahSumm->setText(summBefore);
            m_form->StrahCol->setText(colBefore);
        }
    }
    QTEST(m_form->StrahSumm->text(), "summ");
    QTEST(m_form->StrahSumm->isEnabled(), "summEnabled");
    QTEST(m_form->StrahCol->text(), "col");
    QTEST(m_form->StrahCol->isEnabled(), "colEnabled");
}

void SwitchesTest::smsChoice_data() {
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("summ");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("on top after none enables the zero")
        << QStringList{"SMSYesNoKred"} << QString() << "0" << true;
    QTest::newRow("included keeps the typed price")
        << QStringList{"SMSYesNoKred", "SMSYesVKred"} << "990"
        << "990" << true;
    QTest::newRow("none resets and disables") << QStringList{"SMSYesVKred", "SMSNo"} << "990"
                                              << "0" << false;
}

void SwitchesTest::smsChoice() {
    QFETCH(QStringList, checks);
    QFETCH(QString, typed);
    for (qsizetype i = 0; i < checks.size(); ++i) {
        radio(checks[i])->setChecked(true);
        if (i == 0 && !typed.isNull())
            m_form->SMSSumm->setText(typed);
    }
    QTEST(m_form->SMSSumm->text(), "summ");
    QTEST(m_form->SMSSumm->isEnabled(), "enabled");
}

// Each step sets one box ("CSubb+" checks it, "CVosk-" unchecks it), as a user or code would.
void SwitchesTest::dayExclusions_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("subb");
    QTest::addColumn<bool>("vosk");

    QTest::newRow("ticking Saturday ticks Sunday") << QStringList{"CSubb+"} << true << true;
    QTest::newRow("unticking Sunday unticks Saturday")
        << QStringList{"CSubb+", "CVosk-"} << false << false;
    QTest::newRow("unticking Saturday leaves Sunday")
        << QStringList{"CSubb+", "CSubb-"} << false << true;
    QTest::newRow("ticking Sunday leaves Saturday") << QStringList{"CVosk+"} << false << true;
    QTest::newRow("holidays are independent") << QStringList{"CPraz+"} << false << false;
}

void SwitchesTest::dayExclusions() {
    QFETCH(QStringList, steps);
    for (const QString& step : steps) {
        auto* box = m_form->findChild<QCheckBox*>(step.chopped(1));
        QVERIFY(box);
        SetChecked(box, step.endsWith(u'+'));
    }
    QTEST(m_form->CSubb->isChecked(), "subb");
    QTEST(m_form->CVosk->isChecked(), "vosk");
}

void SwitchesTest::periodicity_data() {
    QTest::addColumn<QList<int>>("selections");
    QTest::addColumn<bool>("r30");
    QTest::addColumn<bool>("r31");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("monthly unchecks and disables both") << QList<int>{0} << false << false << false;
    QTest::newRow("arbitrary after monthly enables both, still unchecked")
        << QList<int>{0, 1} << false << false << true;
    QTest::newRow("arbitrary keeps the checked one") << QList<int>{1} << false << true << true;
}

void SwitchesTest::periodicity() {
    QFETCH(QList<int>, selections);
    for (int index : selections)
        userSelect(m_form->EPere, index);
    QTEST(m_form->R_30->isChecked(), "r30");
    QTEST(m_form->R_31->isChecked(), "r31");
    QTEST(m_form->R_30->isEnabled(), "enabled");
    QTEST(m_form->R_31->isEnabled(), "enabled");
}

void SwitchesTest::periodicityFromCodeRunsNothing() {
    // Clearing the form selects "Ежемесячно" from code: the radio buttons stay as they were.
    m_form->EPere->setCurrentIndex(0);
    QVERIFY(m_form->R_31->isChecked());
    QVERIFY(m_form->R_30->isEnabled());
    QVERIFY(m_form->R_31->isEnabled());
}

void SwitchesTest::loanKind_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("credit card is refused with a message")
        << 1 << QStringList{"Расчёт по \"кредитноей карте\"\n\rнаходится в разработке"};
    QTest::newRow("consumer loan says nothing") << 0 << QStringList{};
}

void SwitchesTest::loanKind() {
    QFETCH(int, index);
    if (index == 0) {
        // Leave item 0 and come back to it, so that the last selection is item 0.
        m_form->EVidCred->setCurrentIndex(1);
    }
    userSelect(m_form->EVidCred, index);
    QTEST(m_messages->takeMessages(), "messages");
    QCOMPARE(m_form->EVidCred->currentIndex(), 0);
}

void SwitchesTest::loanKindFromCodeRunsNothing() {
    m_form->EVidCred->setCurrentIndex(1);
    QCOMPARE(m_messages->takeMessages(), QStringList());
    QCOMPARE(m_form->EVidCred->currentIndex(), 1);
}

void SwitchesTest::loanType_data() {
    QTest::addColumn<int>("index");

    QTest::newRow("bullet payment returns to the annuity") << 1;
    QTest::newRow("differentiated payment returns to the annuity") << 2;
}

void SwitchesTest::loanType() {
    QFETCH(int, index);
    userSelect(m_form->ETip, index);
    QCOMPARE(m_messages->takeMessages(),
             QStringList{"Дифференцированные и буллитные расчёты\n\rнаходится в разработке"});
    QCOMPARE(m_form->ETip->currentIndex(), 0);
    QCOMPARE(m_form->ETip->toolTip(),
             QStringLiteral("Аннуитетный платеж - Платежи, одинаковые на весь срок погашения"));
}

void SwitchesTest::categoryPanelGroupClose() {
    const QList<TCategoryPanel*> panels{m_form->CategoryPanel1, m_form->CategoryPanel2,
                                        m_form->CategoryPanel3, m_form->CategoryPanel4,
                                        m_form->CategoryPanel5};
    m_form->CategoryPanel2->expand();
    m_form->CategoryPanel5->expand();
    m_form->CategoryPanelGroupClose();
    for (TCategoryPanel* panel : panels) {
        QVERIFY2(panel->collapsed(), qPrintable(panel->objectName()));
        QCOMPARE(panel->height(), TCategoryPanel::HeaderHeight);
    }
}

QTEST_MAIN(SwitchesTest)
#include "tst_switches.moc"
