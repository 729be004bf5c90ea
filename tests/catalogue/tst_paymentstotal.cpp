// The total of the upcoming payments: summed from the amount texts, shown with kopecks and
// the roubles grouped by three.
#include "Exceptions.h"
#include "PaymentsTotal.h"

#include <QTest>

class PaymentsTotalTest : public QObject {
    Q_OBJECT

private slots:
    void groupedText_data() {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing due") << QStringList{} << "0,00";
        QTest::newRow("whole") << QStringList{"50"} << "50,00";
        QTest::newRow("one decimal") << QStringList{"99,9"} << "99,90";
        QTest::newRow("hundreds") << QStringList{"500"} << "500,00";
        QTest::newRow("thousands") << QStringList{"2500", "2500"} << "5'000,00";
        QTest::newRow("thousands, one decimal") << QStringList{"1234,5"} << "1'234,50";
        QTest::newRow("hundred thousands") << QStringList{"123456,78"} << "123'456,78";
        QTest::newRow("millions") << QStringList{"1234567,89"} << "1'234'567,89";
        QTest::newRow("hundred millions") << QStringList{"123456789,12"} << "123'456'789,12";
        QTest::newRow("billions") << QStringList{"1234567890,12"} << "1'234'567'890,12";
        QTest::newRow("trillions") << QStringList{"1234567890123,45"} << "1'234'567'890'123,45";
        // Many kopeck amounts: the binary remainders of the additions never show.
        QTest::newRow("many small amounts") << QStringList(3000, "0,10") << "300,00";
        QTest::newRow("sum of cents") << QStringList{"0,1", "0,2"} << "0,30";
        QTest::newRow("negative") << QStringList{"-1234,5"} << "-1'234,50";
    }
    void groupedText() {
        QFETCH(QStringList, amounts);
        QFETCH(QString, text);
        QCOMPARE(Catalogue::GroupedTotalText(Catalogue::SumAmounts(amounts)), text);
    }

    void caption() {
        QCOMPARE(Catalogue::TotalCaption(0), QStringLiteral("Всего осталось оплатить: 0,00 руб."));
        QCOMPARE(Catalogue::TotalCaption(5000),
                 QStringLiteral("Всего осталось оплатить: 5'000,00 руб."));
    }

    // An amount that is not a number stops the summing with a conversion error.
    void amountThatIsNotANumber_data() {
        QTest::addColumn<QString>("amount");
        QTest::newRow("empty") << "";
        QTest::newRow("point") << "12.50";
        QTest::newRow("letters") << "abc";
    }
    void amountThatIsNotANumber() {
        QFETCH(QString, amount);
        QVERIFY_THROWS_EXCEPTION(EConvertError,
                                 Catalogue::SumAmounts({QStringLiteral("100"), amount}));
    }
};

QTEST_APPLESS_MAIN(PaymentsTotalTest)
#include "tst_paymentstotal.moc"
