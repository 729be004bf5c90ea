// The key filters at work in the window's own controls: edit boxes, grid cell editors, the
// note, and Enter in an interest correction cell.
#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QTest>

namespace {

// Types keys into a grid as a user does: the first key goes to the grid, which opens its cell
// editor, and the following keys go to that editor.
void typeIntoGrid(TStringGridView* grid, const QString& keys) {
    for (QChar key : keys) {
        QWidget* target = grid->inplaceEditor() ? static_cast<QWidget*>(grid->inplaceEditor())
                                                : static_cast<QWidget*>(grid);
        QTest::keyClick(target, key.toLatin1());
    }
}

} // namespace

class TestTyping : public QObject {
    Q_OBJECT
private slots:
    // The rules of the key filters, typed into the window's own controls.
    void typedIntoWindow_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ESrok0 takes digits only") << "ESrok0"
                                                  << ""
                                                  << "1a2,-3"
                                                  << "123";
        QTest::newRow("StrahCol takes digits only") << "StrahCol"
                                                    << ""
                                                    << "4.5"
                                                    << "45";
        QTest::newRow("EProcent0 six decimals, comma for full stop") << "EProcent0"
                                                                     << ""
                                                                     << "12.12345678"
                                                                     << "12,123456";
        QTest::newRow("EProcentRiska0 minus only at the start") << "EProcentRiska0"
                                                                << ""
                                                                << "-1-,5"
                                                                << "-1,5";
        QTest::newRow("ESummCred two decimals, minus anywhere") << "ESummCred"
                                                                << ""
                                                                << "12.345-"
                                                                << "12,34-";
        QTest::newRow("DopSumm no separator first") << "DopSumm"
                                                    << ""
                                                    << ",5.25"
                                                    << "5,25";
    }
    void typedIntoWindow() {
        QFETCH(QString, control);
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        ScriptedMessages messages;
        TForm1 form(messages);
        auto* edit = form.findChild<TEdit*>(control);
        QVERIFY(edit);
        edit->setEnabled(true);
        edit->setText(start);
        QTest::keyClicks(edit, keys);
        QCOMPARE(edit->text(), expected);
    }

    // The caret decides, and a selection does not count: with "34" selected in 12,34 a digit
    // is still refused.
    void typedBehindSelection() {
        ScriptedMessages messages;
        TForm1 form(messages);
        form.ESummCred->setText(QStringLiteral("12,34"));
        form.ESummCred->setSelection(3, 2);
        QTest::keyClick(form.ESummCred, Qt::Key_5);
        QCOMPARE(form.ESummCred->text(), QStringLiteral("12,34"));
        form.ESummCred->setCursorPosition(2);
        QTest::keyClick(form.ESummCred, Qt::Key_5);
        QCOMPARE(form.ESummCred->text(), QStringLiteral("125,34"));
        // A second minus at the start of a rate.
        form.EProcent0->setText(QStringLiteral("-5"));
        form.EProcent0->setCursorPosition(0);
        QTest::keyClick(form.EProcent0, Qt::Key_Minus);
        QCOMPARE(form.EProcent0->text(), QStringLiteral("--5"));
    }

    void typedIntoDosPlat_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date column") << 0 << "01,02.2015"
                                     << "01.02.2015";
        QTest::newRow("amount column") << 1 << "01,02.2015"
                                       << "01,02";
        QTest::newRow("amount column, one leading minus and zero") << 1 << "-00-5"
                                                                   << "-05";
    }
    void typedIntoDosPlat() {
        QFETCH(int, column);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        ScriptedMessages messages;
        TForm1 form(messages);
        form.DosPlat->setCurrentCell(column, 1);
        typeIntoGrid(form.DosPlat, keys);
        QVERIFY(form.DosPlat->editorMode());
        QCOMPARE(form.DosPlat->inplaceEditor()->text(), expected);
        QCOMPARE(form.DosPlat->grid().cell(column, 1), expected);
    }

    // Enter in an interest correction cell rebuilds the schedule at once, unless the cell holds
    // just a minus, which is emptied instead; the cell stays current either way.
    void enterInCorrectionCell_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cellAfter");
        QTest::addColumn<bool>("rebuilt");
        QTest::newRow("lone minus is emptied") << "-"
                                               << "" << false;
        QTest::newRow("correction rebuilds") << "1.5"
                                             << "1,50" << true;
        QTest::newRow("empty cell rebuilds") << ""
                                             << "" << true;
    }
    void enterInCorrectionCell() {
        QFETCH(QString, typed);
        QFETCH(QString, cellAfter);
        QFETCH(bool, rebuilt);
        ScriptedMessages messages;
        TForm1 form(messages);
        fillWorkedExampleLoan(form);
        form.BBGrafClick(form.BBGraf);
        QCOMPARE(messages.takeMessages(), QStringList());
        const QString amount = form.Grafik->grid().cell(2, 1);
        QVERIFY(!amount.isEmpty());

        form.Grafik->setCurrentCell(6, 2);
        if (typed.isEmpty())
            QTest::keyClick(form.Grafik, Qt::Key_F2);
        else
            typeIntoGrid(form.Grafik, typed);
        QVERIFY(form.Grafik->editorMode());
        // A rebuild rewrites this cell.
        form.Grafik->grid().setCell(2, 1, QStringLiteral("X"));
        QTest::keyClick(form.Grafik->inplaceEditor(), Qt::Key_Return);
        QCoreApplication::processEvents();

        QCOMPARE(form.Grafik->grid().cell(6, 2), cellAfter);
        QCOMPARE(form.Grafik->grid().cell(2, 1), rebuilt ? amount : QStringLiteral("X"));
        QCOMPARE(form.Grafik->col(), 6);
        QCOMPARE(form.Grafik->row(), 2);
        QVERIFY(!form.Grafik->editorMode());
        QCOMPARE(messages.takeMessages(), QStringList());
    }

    // Enter on the schedule while no cell is being edited does not rebuild it.
    void enterOnGrafikWithoutEditor() {
        ScriptedMessages messages;
        TForm1 form(messages);
        fillWorkedExampleLoan(form);
        form.BBGrafClick(form.BBGraf);
        form.Grafik->setCurrentCell(3, 1);
        form.Grafik->grid().setCell(2, 1, QStringLiteral("X"));
        QTest::keyClick(form.Grafik, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(form.Grafik->grid().cell(2, 1), QStringLiteral("X"));
    }

    void typedIntoMemo() {
        ScriptedMessages messages;
        TForm1 form(messages);
        form.SMemo->clear();
        QTest::keyClicks(form.SMemo, QStringLiteral("a,-.5"));
        QCOMPARE(form.SMemo->toPlainText(), QStringLiteral("a,-.5"));
    }
};

QTEST_MAIN(TestTyping)
#include "tst_typing.moc"
