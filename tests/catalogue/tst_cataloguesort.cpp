// The catalogue and payment orders are exactly those of the plain exchange sort, ties
// included; dates sort by year, month and day.
#include "CatalogueSort.h"

#include <QRandomGenerator>
#include <QTest>

#include <numeric>

namespace {

// The exchange sort itself, one exchange at a time.
std::vector<int> literalExchangeSort(const std::vector<int>& ranks, bool ascending) {
    std::vector<int> rows(ranks.size());
    std::iota(rows.begin(), rows.end(), 0);
    for (size_t i = 0; i + 1 < rows.size(); ++i)
        for (size_t j = i + 1; j < rows.size(); ++j) {
            const int a = ranks[static_cast<size_t>(rows[i])];
            const int b = ranks[static_cast<size_t>(rows[j])];
            if (ascending ? a > b : a < b)
                std::swap(rows[i], rows[j]);
        }
    return rows;
}

} // namespace

class CatalogueSortTest : public QObject {
    Q_OBJECT

private slots:
    // Items with equal keys end in the exchange sort's own order, which is not their input
    // order: every shape of input gives the same order as exchanging row by row.
    void sameOrderAsExchangingRows_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("maxCount");
        QTest::addColumn<int>("rankCount");
        QTest::newRow("few keys, many ties") << 0 << 14 << 3;
        QTest::newRow("mostly distinct") << 0 << 30 << 40;
        QTest::newRow("all equal") << 0 << 10 << 1;
        // Payments arrive record by record, each record's dates ascending.
        QTest::newRow("ascending runs") << 1 << 80 << 24;
        QTest::newRow("descending") << 2 << 40 << 40;
    }
    void sameOrderAsExchangingRows() {
        QFETCH(int, shape);
        QFETCH(int, maxCount);
        QFETCH(int, rankCount);
        QRandomGenerator random(20240517u + static_cast<quint32>(shape * 100 + rankCount));
        for (int round = 0; round < 400; ++round) {
            const int n = random.bounded(maxCount + 1);
            std::vector<int> ranks;
            while (static_cast<int>(ranks.size()) < n) {
                if (shape == 0) {
                    ranks.push_back(random.bounded(rankCount));
                } else if (shape == 1) {
                    int r = random.bounded(rankCount);
                    const int length = 1 + random.bounded(12);
                    for (int k = 0; k < length && r < rankCount; ++k, r += random.bounded(1, 3))
                        ranks.push_back(r);
                } else {
                    ranks.push_back(std::max(0, rankCount - 1 - static_cast<int>(ranks.size()) -
                                                    random.bounded(2)));
                }
            }
            for (const bool ascending : {true, false}) {
                const std::vector<int> expected = literalExchangeSort(ranks, ascending);
                const std::vector<int> actual = Catalogue::ExchangeSortOrder(ranks, ascending);
                if (actual != expected) {
                    QString input;
                    for (int r : ranks)
                        input += QString::number(r) + u' ';
                    QFAIL(qPrintable(QStringLiteral("%1 input %2")
                                         .arg(ascending ? "ascending" : "descending", input)));
                }
            }
        }
    }

    // Two loans paying on the same day, followed by an earlier payment: the exchange sort
    // carries the first of the two past the second, so ties do not keep their input order.
    void tiesAreNotKeptInInputOrder() {
        const QStringList dates{"15.02.2030", "15.02.2030", "15.01.2030"};
        QCOMPARE(Catalogue::PaymentSortOrder(dates), (std::vector<int>{2, 1, 0}));
    }

    void datesSortByYearMonthDay_data() {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("new year") << QStringList{"01.02.2020", "31.12.2019"} << true
                                  << QStringList{"31.12.2019", "01.02.2020"};
        QTest::newRow("months before days")
            << QStringList{"02.03.2021", "28.02.2021", "01.03.2021"} << true
            << QStringList{"28.02.2021", "01.03.2021", "02.03.2021"};
        QTest::newRow("descending")
            << QStringList{"31.12.2019", "01.02.2020", "15.06.2019"} << false
            << QStringList{"01.02.2020", "31.12.2019", "15.06.2019"};
    }
    void datesSortByYearMonthDay() {
        QFETCH(QStringList, dates);
        QFETCH(bool, ascending);
        QFETCH(QStringList, sorted);
        QStringList actual;
        for (int index : Catalogue::DateSortOrder(dates, ascending))
            actual << dates[index];
        QCOMPARE(actual, sorted);
    }

    void dateKeyTakesYearMonthDay() {
        QCOMPARE(Catalogue::DateSortKey(QStringLiteral("05.03.2021")), QStringLiteral("20210305"));
        QCOMPARE(Catalogue::DateSortKey(QString()), QString());
    }

    // Names compare case-sensitively with the program's collation: equal texts share a rank.
    void namesSortWithTheCollation() {
        const QStringList names{"Холодильник", "Банк", "банк", "Auto", "Банк"};
        QCOMPARE(Catalogue::CollationRanks(names), (std::vector<int>{3, 2, 1, 0, 2}));
        QStringList ascending;
        for (int index : Catalogue::NameSortOrder(names, true))
            ascending << names[index];
        QCOMPARE(ascending, (QStringList{"Auto", "банк", "Банк", "Банк", "Холодильник"}));
        QCOMPARE(Catalogue::NameSortOrder(names, false), (std::vector<int>{0, 1, 4, 2, 3}));
    }
};

QTEST_APPLESS_MAIN(CatalogueSortTest)
#include "tst_cataloguesort.moc"
