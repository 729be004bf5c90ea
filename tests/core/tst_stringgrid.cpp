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

    // A grid cut to a small part of its size (which gives its room back) keeps the cells
    // left, and rows added again start empty.
    void cuttingALargeGridKeepsTheRest() {
        StringGrid g(2, 5000);
        for (int r = 0; r < 5000; ++r)
            g.setRow(r, {QString::number(r), QStringLiteral("x")});
        g.setRowCount(3);
        g.setColCount(1);
        QCOMPARE(g.column(0), (QStringList{"0", "1", "2"}));
        g.setRowCount(5);
        g.setColCount(2);
        QCOMPARE(g.row(4), (QStringList{"", ""}));
        QCOMPARE(g.column(1), QStringList(5, QString()));
        QCOMPARE(g.cell(0, 2), QStringLiteral("2"));
    }

    // A text given as a view is written like any other; the cell it already holds announces
    // nothing.
    void textViewWritesOnlyAChange() {
        StringGrid g(2, 2);
        QSignalSpy cells(&g, &StringGrid::cellChanged);
        const char16_t text[] = u"15.02.2020";
        g.setCell(1, 1, QStringView(text));
        QCOMPARE(g.cell(1, 1), QStringLiteral("15.02.2020"));
        g.setCell(1, 1, QStringView(text));
        g.setCell(1, 1, QStringLiteral("15.02.2020"));
        QCOMPARE(cells.count(), 1);
        g.setCell(1, 1, QStringView(text).left(5));
        QCOMPARE(g.cell(1, 1), QStringLiteral("15.02"));
        QCOMPARE(cells.count(), 2);
        QVERIFY_THROWS_EXCEPTION(EInvalidGridOperation, g.setCell(2, 0, QStringView(text)));
    }

    // A cell can be given a part of its own text, also where writing in place would overwrite
    // the part before it is copied.
    void cellTakesAPartOfItsOwnText_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("length");
        QTest::newRow("head") << 0 << 4;
        QTest::newRow("middle") << 3 << 4;
        QTest::newRow("tail") << 6 << 4;
    }
    void cellTakesAPartOfItsOwnText() {
        QFETCH(int, from);
        QFETCH(int, length);
        StringGrid g(1, 1);
        QString text = QStringLiteral("15.02.2020");
        text.detach();
        g.setCell(0, 0, QStringView(text));
        const QString expected = text.mid(from, length);
        const QString held = g.cell(0, 0);
        g.setCell(0, 0, QStringView(held).mid(from, length));
        QCOMPARE(g.cell(0, 0), expected);
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
