// The rate spinners of the window: each steps its own field, reports a field that is no
// number, and rebuilds the schedule while the loan's main fields are filled in.
#include "ErrorReport.h"
#include "Exceptions.h"
#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(UpDownDirection)

class TestSpinners : public QObject {
    Q_OBJECT
private slots:
    // Every spinner of the window steps its own field by its own place value.
    void windowSpinner_data() {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("start");
        QTest::addColumn<UpDownDirection>("direction");
        QTest::addColumn<QString>("expected");
        const auto up = UpDownDirection::Up;
        const auto down = UpDownDirection::Down;
        QTest::newRow("rate 10 down") << "UDProcent0_10_0000"
                                      << "EProcent0"
                                      << "12" << down << "2";
        QTest::newRow("rate 10 down stays") << "UDProcent0_10_0000"
                                            << "EProcent0"
                                            << "2" << down << "2";
        QTest::newRow("rate 1 up") << "UDProcent0_01_0000"
                                   << "EProcent0"
                                   << "12" << up << "13";
        QTest::newRow("rate 0.1 up") << "UDProcent0_00_1000"
                                     << "EProcent0"
                                     << "12" << up << "12,1";
        QTest::newRow("rate 0.01 up from cleared") << "UDProcent0_00_0100"
                                                   << "EProcent0"
                                                   << "0,00" << up << "0,01";
        QTest::newRow("rate 0.001 down") << "UDProcent0_00_0010"
                                         << "EProcent0"
                                         << "0,01" << down << "0,009";
        QTest::newRow("rate 0.0001 up") << "UDProcent0_00_0001"
                                        << "EProcent0"
                                        << "12" << up << "12,0001";
        QTest::newRow("second rate 10 up") << "UDProcent1_10_0000"
                                           << "EProcent1"
                                           << "5" << up << "15";
        QTest::newRow("second rate 1 down stays") << "UDProcent1_01_0000"
                                                  << "EProcent1"
                                                  << "1" << down << "1";
        QTest::newRow("second rate 0.1 down") << "UDProcent1_00_1000"
                                              << "EProcent1"
                                              << "5" << down << "4,9";
        QTest::newRow("second rate 0.01 down") << "UDProcent1_00_0100"
                                               << "EProcent1"
                                               << "5" << down << "4,99";
        QTest::newRow("second rate 0.001 up") << "UDProcent1_00_0010"
                                              << "EProcent1"
                                              << "5" << up << "5,001";
        QTest::newRow("second rate 0.0001 down") << "UDProcent1_00_0001"
                                                 << "EProcent1"
                                                 << "5" << down << "4,9999";
        QTest::newRow("deviation 10 down below zero") << "UDProcentRiska0_10_0000"
                                                      << "EProcentRiska0"
                                                      << "0" << down << "-10";
        QTest::newRow("deviation 1 up") << "UDProcentRiska0_01_0000"
                                        << "EProcentRiska0"
                                        << "-0,5" << up << "0,5";
        QTest::newRow("deviation 0.1 down") << "UDProcentRiska0_00_1000"
                                            << "EProcentRiska0"
                                            << "0" << down << "-0,1";
        QTest::newRow("deviation 0.1 up back to zero") << "UDProcentRiska0_00_1000"
                                                       << "EProcentRiska0"
                                                       << "-0,1" << up << "0";
        QTest::newRow("deviation 0.01 down") << "UDProcentRiska0_00_0100"
                                             << "EProcentRiska0"
                                             << "0" << down << "-0,01";
        QTest::newRow("deviation 0.001 up") << "UDProcentRiska0_00_0010"
                                            << "EProcentRiska0"
                                            << "0" << up << "0,001";
        QTest::newRow("deviation 0.0001 down to exponent form") << "UDProcentRiska0_00_0001"
                                                                << "EProcentRiska0"
                                                                << "0,00015" << down << "5E-5";
    }
    void windowSpinner() {
        QFETCH(QString, spinner);
        QFETCH(QString, field);
        QFETCH(QString, start);
        QFETCH(UpDownDirection, direction);
        QFETCH(QString, expected);
        ScriptedMessages messages;
        TForm1 form(messages);
        auto* ud = form.findChild<TUpDown*>(spinner);
        auto* edit = form.findChild<TEdit*>(field);
        QVERIFY(ud && edit);
        edit->setText(start);
        form.EProcent0->setText(edit == form.EProcent0 ? start : QStringLiteral("7"));
        form.EProcent1->setText(edit == form.EProcent1 ? start : QStringLiteral("8"));
        form.EProcentRiska0->setText(edit == form.EProcentRiska0 ? start : QStringLiteral("9"));
        // A real click on the arrow button.
        QToolButton* arrow = direction == UpDownDirection::Up ? ud->upButton() : ud->downButton();
        arrow->click();
        QCOMPARE(edit->text(), expected);
        QCOMPARE(messages.takeMessages(), QStringList());
        // The other two rate fields are left alone.
        if (edit != form.EProcent0)
            QCOMPARE(form.EProcent0->text(), QStringLiteral("7"));
        if (edit != form.EProcent1)
            QCOMPARE(form.EProcent1->text(), QStringLiteral("8"));
        if (edit != form.EProcentRiska0)
            QCOMPARE(form.EProcentRiska0->text(), QStringLiteral("9"));
    }

    // One spinner gives at most 1000 net steps in one direction.
    void thousandStepsAtMost() {
        ScriptedMessages messages;
        TForm1 form(messages);
        form.EProcentRiska0->setText(QStringLiteral("0"));
        TUpDown* ud = form.UDProcentRiska0_01_0000;
        for (int i = 0; i < 1000; ++i)
            ud->upButton()->click();
        QCOMPARE(form.EProcentRiska0->text(), QStringLiteral("1000"));
        ud->upButton()->click();
        QCOMPARE(form.EProcentRiska0->text(), QStringLiteral("1000"));
        ud->downButton()->click();
        QCOMPARE(form.EProcentRiska0->text(), QStringLiteral("999"));
        ud->upButton()->click();
        QCOMPARE(form.EProcentRiska0->text(), QStringLiteral("1000"));
        ud->upButton()->click();
        QCOMPARE(form.EProcentRiska0->text(), QStringLiteral("1000"));
        // The other spinners keep their own count.
        form.UDProcentRiska0_10_0000->upButton()->click();
        QCOMPARE(form.EProcentRiska0->text(), QStringLiteral("1010"));
        QCOMPARE(messages.takeMessages(), QStringList());
    }

    // An empty or unreadable field fails with the conversion error and keeps its text.
    void windowSpinnerNotANumber_data() {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty second rate") << "UDProcent1_00_1000"
                                           << "EProcent1"
                                           << "";
        QTest::newRow("empty deviation") << "UDProcentRiska0_00_0001"
                                         << "EProcentRiska0"
                                         << "";
        QTest::newRow("pasted text in the rate") << "UDProcent0_01_0000"
                                                 << "EProcent0"
                                                 << "1.5";
    }
    void windowSpinnerNotANumber() {
        QFETCH(QString, spinner);
        QFETCH(QString, field);
        QFETCH(QString, text);
        ScriptedMessages messages;
        TForm1 form(messages);
        auto* ud = form.findChild<TUpDown*>(spinner);
        auto* edit = form.findChild<TEdit*>(field);
        QVERIFY(ud && edit);
        edit->setText(text);
        ud->upButton()->click();
        QCOMPARE(messages.takeMessages(),
                 ErrorReportTexts(EConvertError(
                     QStringLiteral("'%1' is not a valid floating point value").arg(text))));
        QCOMPARE(edit->text(), text);
    }

    // A click rebuilds the schedule only while the loan's main fields are filled in.
    void spinnerRebuilds_data() {
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<bool>("rebuilt");
        QTest::newRow("all five filled") << "" << true;
        QTest::newRow("no lender") << "ECreditor" << false;
        QTest::newRow("no payment type") << "ETip" << false;
        QTest::newRow("no amount") << "ESummCred" << false;
        QTest::newRow("no term") << "ESrok0" << false;
        QTest::newRow("no rate") << "EProcent0" << false;
        QTest::newRow("untouched rate 0.00") << "0.00" << false;
    }
    void spinnerRebuilds() {
        QFETCH(QString, emptied);
        QFETCH(bool, rebuilt);
        ScriptedMessages messages;
        TForm1 form(messages);
        fillWorkedExampleLoan(form);
        if (emptied == QLatin1String("ECreditor"))
            form.ECreditor->setCurrentIndex(-1);
        else if (emptied == QLatin1String("ETip"))
            form.ETip->setCurrentIndex(-1);
        else if (emptied == QLatin1String("0.00"))
            form.EProcent0->setText(emptied);
        else if (!emptied.isEmpty())
            form.findChild<TEdit*>(emptied)->setText(QString());
        form.EProcentRiska0->setText(QStringLiteral("0"));

        form.UDProcentRiska0_00_1000->upButton()->click();
        QCOMPARE(form.EProcentRiska0->text(), QStringLiteral("0,1"));
        QCOMPARE(messages.takeMessages(), QStringList());
        QCOMPARE(form.Status->panelText(0).isEmpty(), !rebuilt);
        QCOMPARE(form.Grafik->grid().rowCount() > 2, rebuilt);
        if (!rebuilt)
            return;
        QVERIFY(form.Status->panelText(1).startsWith(QStringLiteral("Переплата: ")));

        // Every further click rebuilds again: a higher rate costs more interest.
        const QString overpayment = form.Status->panelText(1);
        form.UDProcent0_01_0000->upButton()->click();
        QCOMPARE(form.EProcent0->text(), QStringLiteral("13"));
        QVERIFY(form.Status->panelText(1) != overpayment);
        // A click the bound keeps rebuilds all the same.
        form.EProcent0->setText(QStringLiteral("5"));
        form.UDProcent0_10_0000->downButton()->click();
        QCOMPARE(form.EProcent0->text(), QStringLiteral("5"));
        QVERIFY(form.Status->panelText(1) != overpayment);
    }
};

QTEST_MAIN(TestSpinners)
#include "tst_spinners.moc"
