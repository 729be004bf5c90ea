// Page breaks of the printed schedule.
#include "SchedulePrintout.h"

#include <QTest>

class PrintoutTest : public QObject {
    Q_OBJECT
private slots:
    // Rows under the header row per page, for the printable height of A4 with 15 mm margins
    // (267 mm): 254 mm below the foot and the header row hold 50 rows; the title with six terms
    // takes 42 mm of the first page, leaving room for 42.
    void pageCapacity_data() {
        QTest::addColumn<double>("heightMm");
        QTest::addColumn<int>("terms");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("other");
        QTest::addColumn<int>("pages");
        QTest::newRow("12 payments and totals") << 267.0 << 6 << 13 << 42 << 50 << 1;
        QTest::newRow("a full first page") << 267.0 << 6 << 42 << 42 << 50 << 1;
        QTest::newRow("one row more") << 267.0 << 6 << 43 << 42 << 50 << 2;
        QTest::newRow("two full pages") << 267.0 << 6 << 92 << 42 << 50 << 2;
        QTest::newRow("360 payments and totals") << 267.0 << 6 << 361 << 42 << 50 << 8;
        QTest::newRow("a second rate adds two terms") << 267.0 << 8 << 361 << 40 << 50 << 8;
        QTest::newRow("no rows") << 267.0 << 6 << 0 << 42 << 50 << 1;
        QTest::newRow("a page too small still takes a row") << 20.0 << 6 << 3 << 1 << 1 << 3;
    }

    void pageCapacity() {
        QFETCH(double, heightMm);
        QFETCH(int, terms);
        QFETCH(int, rows);
        QFETCH(int, first);
        QFETCH(int, other);
        QFETCH(int, pages);
        const SchedulePrintout::PageCapacity capacity = SchedulePrintout::Capacity(heightMm, terms);
        QCOMPARE(capacity.first, first);
        QCOMPARE(capacity.other, other);
        QCOMPARE(SchedulePrintout::PageCount(rows, capacity), pages);
    }
};

QTEST_GUILESS_MAIN(PrintoutTest)
#include "tst_printout.moc"
