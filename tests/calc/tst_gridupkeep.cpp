#include "GridUpkeep.h"
#include "StringGrid.h"

#include <QTest>

using namespace Calc;

class TestGridUpkeep : public QObject {
    Q_OBJECT
private slots:
    // A rebuild empties the amounts and keeps numbers, dates, headers and corrections.
    void clearKeepsNumbersDatesHeadersAndCorrections() {
        StringGrid grafik(9, 3);
        grafik.setRow(0, {"№", "Дата", "a", "b", "c", "d", "корр. процентов", "Страховка", "SMS"});
        grafik.setRow(1, {"1", "15.02.2020", "1", "2", "3", "4", "-5", "6", "7"});
        grafik.setRow(2, {"", "Итого:", "1", "2", "3", "", "", "6", "7"});
        GrafikClearCells(grafik);
        QCOMPARE(grafik.row(0), QStringList({"№", "Дата", "a", "b", "c", "d", "корр. процентов",
                                             "Страховка", "SMS"}));
        QCOMPARE(grafik.row(1), QStringList({"1", "15.02.2020", "", "", "", "", "-5", "", ""}));
        QCOMPARE(grafik.row(2), QStringList({"", "Итого:", "", "", "", "", "", "", ""}));
        QCOMPARE(grafik.colCount(), 9);
        QCOMPARE(grafik.rowCount(), 3);
    }

    void clearFullLeavesTwoEmptyRowsOfSevenColumns() {
        StringGrid grafik(9, 14);
        grafik.setRow(0, {"№", "Дата", "a", "b", "c", "d", "e", "f", "g"});
        grafik.setRow(1, {"1", "15.02.2020", "1", "2", "3", "4", "-5", "6", "7"});
        GrafikClearFullCells(grafik);
        QCOMPARE(grafik.rowCount(), 2);
        QCOMPARE(grafik.colCount(), 7);
        QCOMPARE(grafik.row(0), QStringList(7, QString()));
        QCOMPARE(grafik.row(1), QStringList(7, QString()));
        grafik.setColCount(9);
        QCOMPARE(grafik.cell(8, 1), QString());
    }

    void headers() {
        StringGrid grafik(7, 2);
        GrafikHeaders(grafik);
        QCOMPARE(grafik.row(0), QStringList({"№", "Дата", "Месячный платёж", "Основной долг",
                                             "Проценты", "Остаток долга", "корр. процентов"}));
    }

    void onlyTheCorrectionColumnIsEditable() {
        for (int col = 0; col < 9; ++col)
            QCOMPARE(GrafikCellEditable(col), col == 6);
    }

    void earlyPaymentsClearLeavesHeaderAndOneNewRow() {
        StringGrid dosPlat(4, 11);
        for (int r = 1; r < 11; ++r)
            dosPlat.setRow(r, {"01.04.2020", "100", "срок", "x"});
        DosPlatClear(dosPlat);
        QCOMPARE(dosPlat.rowCount(), 2);
        QCOMPARE(dosPlat.colCount(), 3);
        QCOMPARE(dosPlat.row(0), QStringList({"Дата", "Сумма", "Уменьшить"}));
        QCOMPARE(dosPlat.row(1), QStringList({"", "", "платёж"}));
        DosPlatAddRow(dosPlat);
        DosPlatAddRow(dosPlat);
        QCOMPARE(dosPlat.rowCount(), 4);
        QCOMPARE(dosPlat.row(3), QStringList({"", "", "платёж"}));
    }

    // A table of two columns from an older record gains the choice column when a row is added;
    // its entries keep an empty choice, which lowers the payment.
    void earlyPaymentsOfAnOlderRecordGainTheChoiceColumn() {
        StringGrid dosPlat(2, 2);
        dosPlat.setRow(0, {"Дата", "Сумма"});
        dosPlat.setRow(1, {"01.04.2020", "100"});
        DosPlatAddRow(dosPlat);
        QCOMPARE(dosPlat.colCount(), 3);
        QCOMPARE(dosPlat.row(0), QStringList({"Дата", "Сумма", "Уменьшить"}));
        QCOMPARE(dosPlat.row(1), QStringList({"01.04.2020", "100", ""}));
        QCOMPARE(dosPlat.row(2), QStringList({"", "", "платёж"}));
    }

    void sumCompletion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("completed");
        QTest::newRow("whole sum gets kopecks") << "12"
                                                << "12,00";
        QTest::newRow("zero") << "0"
                              << "0,00";
        QTest::newRow("negative whole") << "-5"
                                        << "-5,00";
        QTest::newRow("empty stays empty") << ""
                                           << "";
        QTest::newRow("with a comma stays") << "12,5"
                                            << "12,5";
        QTest::newRow("trailing comma stays") << "12,"
                                              << "12,";
        QTest::newRow("lone minus is no number") << "-"
                                                 << "-";
        QTest::newRow("header caption is no number") << "Сумма"
                                                     << "Сумма";
    }
    void sumCompletion() {
        QFETCH(QString, text);
        QFETCH(QString, completed);
        QCOMPARE(ZapolnitSummu(text), completed);
    }
};

QTEST_GUILESS_MAIN(TestGridUpkeep)
#include "tst_gridupkeep.moc"
