#include "Exceptions.h"
#include "RegionalSettings.h"
#include "StringGrid.h"

#include <QSignalSpy>
#include <QTest>

class TestStringGrid : public QObject {
    Q_OBJECT
private slots:
    void loweringCountsDiscardsCells() {
        StringGrid g(3, 3);
        g.setCell(2, 2, "c");
        g.setCell(1, 1, "b");
        g.setColCount(2);
        g.setRowCount(2);
        QCOMPARE(g.cell(1, 1), QStringLiteral("b"));
        g.setColCount(3);
        g.setRowCount(3);
        QCOMPARE(g.cell(2, 2), QString()); // came back empty
        QCOMPARE(g.cell(1, 1), QStringLiteral("b"));
    }

    void outsideReadsEmptyWritesRaise() {
        StringGrid g(2, 2);
        QCOMPARE(g.cell(5, 5), QString());
        QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, g.setCell(2, 0, "x"));
        QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, g.exchangeRows(0, 2));
    }

    void exchangeMovesAllCells() {
        StringGrid g(3, 2);
        g.setRow(0, {"a", "b", "c"});
        g.setRow(1, {"x", "y", "z"});
        g.exchangeRows(0, 1);
        QCOMPARE(g.row(0), QStringList({"x", "y", "z"}));
        QCOMPARE(g.row(1), QStringList({"a", "b", "c"}));
    }

    void deleteRowMovesUp() {
        StringGrid g(1, 3);
        g.setRow(0, {"0"});
        g.setRow(1, {"1"});
        g.setRow(2, {"2"});
        g.deleteRow(1);
        QCOMPARE(g.rowCount(), 2);
        QCOMPARE(g.column(0), QStringList({"0", "2"}));
    }

    void sortWithRussianCollation_data() {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("cyrillic order") << QStringList{"Ёлка", "Яблоко", "Ель", "Абрикос"}
                                        << QStringList{"Абрикос", "Ёлка", "Ель", "Яблоко"};
        QTest::newRow("lower before upper")
            << QStringList{"Б", "б", "а"} << QStringList{"а", "б", "Б"};
        QTest::newRow("latin before cyrillic")
            << QStringList{"Банк Сбер", "Банк Альфа", "Банк Home Credit", "Частное лицо"}
            << QStringList{"Банк Home Credit", "Банк Альфа", "Банк Сбер", "Частное лицо"};
    }
    void sortWithRussianCollation() {
        QFETCH(QStringList, input);
        QFETCH(QStringList, sorted);
        StringGrid g(1, input.size());
        for (int r = 0; r < input.size(); ++r)
            g.setCell(0, r, input[r]);
        g.sortRows(0, g.rowCount() - 1, [&g](int j, int i) {
            return Regional::compareStrings(g.cell(0, j), g.cell(0, i)) < 0;
        });
        QCOMPARE(g.column(0), sorted);
    }

    void updateBlockAnnouncesOnce() {
        StringGrid g(2, 2);
        QSignalSpy resets(&g, &StringGrid::reset);
        QSignalSpy cells(&g, &StringGrid::cellChanged);
        {
            StringGrid::UpdateBlock block(g);
            g.setCell(0, 0, "a");
            g.setRowCount(5);
            g.setCell(1, 4, "b");
        }
        QCOMPARE(resets.count(), 1);
        QCOMPARE(cells.count(), 0);
        g.setCell(0, 1, "c");
        QCOMPARE(cells.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestStringGrid)
#include "tst_stringgrid.moc"
