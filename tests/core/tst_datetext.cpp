#include "DateText.h"
#include "Exceptions.h"
#include "RegionalSettings.h"

#include <QTest>

using namespace DateText;

class TestDateText : public QObject {
    Q_OBJECT
private slots:
    void dateToStr() {
        QCOMPARE(DateToStr(QDate(2021, 3, 5)), QStringLiteral("05.03.2021"));
        QCOMPARE(DateToStr(QDate(2020, 12, 31)), QStringLiteral("31.12.2020"));
    }

    // Dates are written and read digit by digit; both must agree with the calendar everywhere.
    void everyDayRoundTrips() {
        for (QDate d(1900, 1, 1); d <= QDate(2100, 12, 31); d = d.addDays(1)) {
            const QString text = DateToStr(d);
            QCOMPARE(text, d.toString(QStringLiteral("dd.MM.yyyy")));
            QCOMPARE(StrToDate(text), d);
        }
    }

    void strToDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("full") << "15.02.2020" << QDate(2020, 2, 15);
        QTest::newRow("short day and month") << "1.3.2021" << QDate(2021, 3, 1);
        QTest::newRow("leap day") << "29.02.2020" << QDate(2020, 2, 29);
    }
    void strToDate() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(StrToDate(text), date);
    }

    void strToDateRejects_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("not a leap year") << "29.02.2021";
        QTest::newRow("month 13") << "01.13.2020";
        QTest::newRow("slashes") << "01/02/2020";
        QTest::newRow("two-digit year") << "01.02.20";
        QTest::newRow("trailing dot") << "01.02.2020.";
        QTest::newRow("letters") << "aa.bb.cccc";
        QTest::newRow("amount") << "1000,00";
        QTest::newRow("empty day") << ".02.2020";
        QTest::newRow("three-digit day") << "001.02.2020";
        QTest::newRow("five-digit year") << "01.02.20200";
        QTest::newRow("four parts") << "01.02.2020.1";
    }
    void strToDateRejects() {
        QFETCH(QString, text);
        try {
            StrToDate(text);
            QFAIL("no EConvertError");
        } catch (const EConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid date").arg(text));
        }
    }

    void longDate_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("december") << QDate(2026, 12, 10) << "10 декабря 2026 г.";
        QTest::newRow("may") << QDate(2022, 5, 9) << "9 мая 2022 г.";
        QTest::newRow("march") << QDate(2021, 3, 1) << "1 марта 2021 г.";
    }
    void longDate() {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(Regional::longDate(date), text);
    }
};

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_datetext.moc"
