#include "Exceptions.h"
#include "GrafikDates.h"
#include "Prazdniki.h"
#include "RegionalSettings.h"
#include "StringGrid.h"

#include <QTest>

#include <memory>

using namespace Calc;

namespace {

enum Options { None = 0, Praz = 1, Subb = 2, Vosk = 4, Days30 = 8, Days31 = 16 };

LoanTerms termsFor(const QString& firstDate, int n, int options) {
    LoanTerms t;
    t.dataPlateja = QDate::fromString(firstDate, QStringLiteral("dd.MM.yyyy"));
    t.srok0 = QString::number(n);
    t.cPraz = options & Praz;
    t.cSubb = options & Subb;
    t.cVosk = options & Vosk;
    t.r30 = options & Days30;
    t.r31 = options & Days31;
    return t;
}

// The early payments table with the given dates (and a sum on every row).
std::unique_ptr<StringGrid> earlyPayments(const QStringList& dates) {
    auto grid = std::make_unique<StringGrid>(2, 2);
    StringGrid& dosPlat = *grid;
    dosPlat.setCell(0, 0, QStringLiteral("Дата"));
    dosPlat.setCell(1, 0, QStringLiteral("Сумма"));
    dosPlat.setRowCount(static_cast<int>(dates.size()) + 1);
    for (int m = 0; m < dates.size(); ++m) {
        dosPlat.setCell(0, m + 1, dates[m]);
        dosPlat.setCell(1, m + 1, QStringLiteral("1000"));
    }
    return grid;
}

// Rows 1..last as "number|date".
QStringList numbersAndDates(const StringGrid& grafik) {
    QStringList out;
    for (int r = 1; r < grafik.rowCount(); ++r)
        out << grafik.cell(0, r) + u'|' + grafik.cell(1, r);
    return out;
}

} // namespace

class TestGrafikDates : public QObject {
    Q_OBJECT
private slots:
    void regularDates_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("options");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("monthly from 31 January takes each month's last day")
            << "31.01.2021" << 4 << int(None)
            << QStringList{"1|31.01.2021", "2|28.02.2021", "3|31.03.2021", "4|30.04.2021"};
        QTest::newRow("monthly from 31 January of a leap year")
            << "31.01.2020" << 3 << int(None)
            << QStringList{"1|31.01.2020", "2|29.02.2020", "3|31.03.2020"};
        QTest::newRow("every 31 days from 29 January")
            << "29.01.2021" << 3 << int(Days31)
            << QStringList{"1|29.01.2021", "2|01.03.2021", "3|01.04.2021"};
        QTest::newRow("every 30 days a Saturday moves to Monday and the shift carries on")
            << "06.03.2021" << 3 << int(Days30 | Subb | Vosk)
            << QStringList{"1|08.03.2021", "2|07.04.2021", "3|07.05.2021"};
        QTest::newRow("monthly a shift does not carry into the next month")
            << "06.03.2021" << 3 << int(Subb | Vosk)
            << QStringList{"1|08.03.2021", "2|06.04.2021", "3|06.05.2021"};
        QTest::newRow("Sundays only leave a Saturday alone")
            << "06.03.2021" << 2 << int(Vosk) << QStringList{"1|06.03.2021", "2|06.04.2021"};
        QTest::newRow("January 2021 holidays then the weekend give 11 January")
            << "01.01.2021" << 2 << int(Praz | Subb | Vosk)
            << QStringList{"1|11.01.2021", "2|01.02.2021"};
        QTest::newRow("holidays alone stop at the Saturday 9 January")
            << "01.01.2021" << 2 << int(Praz) << QStringList{"1|09.01.2021", "2|01.02.2021"};
        QTest::newRow("the last payment stays on the holiday 9 May 2022")
            << "09.04.2022" << 2 << int(Praz) << QStringList{"1|09.04.2022", "2|09.05.2022"};
        QTest::newRow("9 May 2022 on an earlier row moves past 10 May")
            << "09.04.2022" << 3 << int(Praz)
            << QStringList{"1|09.04.2022", "2|11.05.2022", "3|09.06.2022"};
        QTest::newRow("the last payment still moves off a weekend")
            << "01.01.2022" << 1 << int(Praz | Subb | Vosk) << QStringList{"1|03.01.2022"};
        QTest::newRow("a single payment is the last one")
            << "01.01.2021" << 1 << int(Praz) << QStringList{"1|01.01.2021"};
        QTest::newRow("no holidays after 2026")
            << "01.01.2027" << 2 << int(Praz) << QStringList{"1|01.01.2027", "2|01.02.2027"};
        QTest::newRow("holidays of 2013 count")
            << "01.01.2013" << 2 << int(Praz) << QStringList{"1|09.01.2013", "2|01.02.2013"};
        QTest::newRow("31 December 2018 runs into the new year holidays")
            << "31.12.2018" << 2 << int(Praz) << QStringList{"1|09.01.2019", "2|31.01.2019"};
        QTest::newRow("no payments") << "15.02.2020" << 0 << int(None) << QStringList{};
    }
    void regularDates() {
        QFETCH(QString, first);
        QFETCH(int, n);
        QFETCH(int, options);
        QFETCH(QStringList, rows);
        StringGrid grafik(7, 2);
        GrafikDates(termsFor(first, n, options), grafik, *earlyPayments({}));
        QCOMPARE(grafik.rowCount(), n + 1);
        QCOMPARE(numbersAndDates(grafik), rows);
    }

    void earlyPaymentsMerge_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("early");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("no payments: early payments alone in date order")
            << 0 << QStringList{"15.03.2020", "01.02.2020"}
            << QStringList{"|01.02.2020", "|15.03.2020"};
        QTest::newRow("scrambled entries among payments")
            << 3
            << QStringList{"20.04.2020", "01.02.2020", "16.03.2020", "15.04.2020", "01.01.2020"}
            << QStringList{"|01.01.2020", "|01.02.2020",  "1|15.02.2020", "2|15.03.2020",
                           "|16.03.2020", "3|15.04.2020", "|15.04.2020",  "|20.04.2020"};
        QTest::newRow("scrambled entries with an odd one compare as the locale does")
            << 2 << QStringList{"20.04.2020", "1.3.2021", "01.02.2020"}
            << QStringList{"|01.02.2020", "1|15.02.2020", "2|15.03.2020", "|20.04.2020",
                           "|1.3.2021"};
        QTest::newRow("an early payment on a payment date follows that payment")
            << 3 << QStringList{"15.03.2020"}
            << QStringList{"1|15.02.2020", "2|15.03.2020", "|15.03.2020", "3|15.04.2020"};
        QTest::newRow("between two payments")
            << 3 << QStringList{"01.04.2020"}
            << QStringList{"1|15.02.2020", "2|15.03.2020", "|01.04.2020", "3|15.04.2020"};
        QTest::newRow("before the first and after the last payment")
            << 2 << QStringList{"20.03.2020", "01.02.2020"}
            << QStringList{"|01.02.2020", "1|15.02.2020", "2|15.03.2020", "|20.03.2020"};
        QTest::newRow("a later entry with an earlier date keeps payment and early payment apart")
            << 3 << QStringList{"15.03.2020", "01.03.2020"}
            << QStringList{"1|15.02.2020", "|01.03.2020", "2|15.03.2020", "|15.03.2020",
                           "3|15.04.2020"};
        QTest::newRow("entries of the same date keep the table's order")
            << 0 << QStringList{"15.03-2020", "15.03.2020", "01.03.2020"}
            << QStringList{"|01.03.2020", "|15.03-2020", "|15.03.2020"};
        QTest::newRow("a row without a date is skipped")
            << 1 << QStringList{"", "01.03.2020", ""} << QStringList{"1|15.02.2020", "|01.03.2020"};
        QTest::newRow("1.3.2021 is copied unchanged and sorted by its odd key")
            << 2 << QStringList{"1.3.2021"}
            << QStringList{"1|15.02.2020", "2|15.03.2020", "|1.3.2021"};
        QTest::newRow("5.03.2020 sorts before every proper date")
            << 2 << QStringList{"5.03.2020"}
            << QStringList{"|5.03.2020", "1|15.02.2020", "2|15.03.2020"};
    }
    void earlyPaymentsMerge() {
        QFETCH(int, n);
        QFETCH(QStringList, early);
        QFETCH(QStringList, rows);
        StringGrid grafik(7, 2);
        GrafikDates(termsFor("15.02.2020", n, None), grafik, *earlyPayments(early));
        QCOMPARE(numbersAndDates(grafik), rows);
        QCOMPARE(grafik.colCount(), 7);
    }

    void correctionsStayWithTheirRows() {
        // Corrections of an earlier build sit in column 6 at grid rows 1-4; other columns hold
        // amounts of that build.
        StringGrid grafik(7, 5);
        grafik.setCell(0, 0, "№");
        grafik.setCell(1, 0, "Дата");
        grafik.setCell(6, 0, "корр. процентов");
        for (int r = 1; r <= 4; ++r) {
            grafik.setCell(1, r, "old");
            grafik.setCell(2, r, QStringLiteral("amount %1").arg(r));
            grafik.setCell(6, r, QStringLiteral("c%1").arg(r));
        }
        GrafikDates(termsFor("15.02.2020", 3, None), grafik, *earlyPayments({"01.03.2020"}));
        QCOMPARE(grafik.row(0), QStringList({"", "", "", "", "", "", "корр. процентов"}));
        QCOMPARE(grafik.rowCount(), 5);
        QCOMPARE(grafik.column(6), QStringList({"корр. процентов", "c1", "", "c2", "c3"}));
        QCOMPARE(grafik.column(2), QStringList({"", "amount 1", "", "amount 2", "amount 3"}));
        QCOMPARE(numbersAndDates(grafik),
                 QStringList({"1|15.02.2020", "|01.03.2020", "2|15.03.2020", "3|15.04.2020"}));
    }

    void termNotACountFailsAfterEmptyingTheDates_data() {
        QTest::addColumn<QString>("term");
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("negative") << "-3";
        QTest::newRow("beyond a whole number") << "3000000000";
        QTest::newRow("more rows than a grid counts") << "2147483647";
    }
    void termNotACountFailsAfterEmptyingTheDates() {
        QFETCH(QString, term);
        StringGrid grafik(7, 3);
        grafik.setRow(1, {"1", "15.02.2020", "x"});
        LoanTerms t = termsFor("15.02.2020", 1, None);
        t.srok0 = term;
        QVERIFY_THROWS_EXCEPTION(EConvertError, GrafikDates(t, grafik, *earlyPayments({})));
        QCOMPARE(grafik.row(1), QStringList({"", "", "x", "", "", "", ""}));
        QCOMPARE(grafik.rowCount(), 3);
    }

    // Monthly payments with holidays, Saturdays and Sundays all skipped: each date below is the
    // first working day of the production calendar on or after the raw date (the last payment
    // moves off weekends only).
    void productionCalendarShifts_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("dates");
        const auto row = [](const char* name, const char* first, int n, QStringList dates) {
            QTest::newRow(name) << QString::fromLatin1(first) << n << dates;
        };
        row("2023 January", "03.01.2023", 2, {"09.01.2023", "03.02.2023"});
        row("2023 24 February moved from 1 January", "24.01.2023", 3,
            {"24.01.2023", "27.02.2023", "24.03.2023"});
        row("2023 8 May moved from 8 January", "08.04.2023", 3,
            {"10.04.2023", "10.05.2023", "08.06.2023"});
        row("2023 6 November for a Saturday holiday", "06.10.2023", 3,
            {"06.10.2023", "07.11.2023", "06.12.2023"});
        row("2024 January", "03.01.2024", 2, {"09.01.2024", "05.02.2024"});
        row("2024 29 and 30 April, 1 May", "29.03.2024", 3,
            {"29.03.2024", "02.05.2024", "29.05.2024"});
        row("2024 10 May moved from 6 January", "10.04.2024", 3,
            {"10.04.2024", "13.05.2024", "10.06.2024"});
        row("2024 30 December runs into the 2025 holidays", "30.11.2024", 3,
            {"02.12.2024", "09.01.2025", "30.01.2025"});
        row("2025 January", "03.01.2025", 2, {"09.01.2025", "03.02.2025"});
        row("2025 24 February is a working Monday", "24.01.2025", 3,
            {"24.01.2025", "24.02.2025", "24.03.2025"});
        row("2025 8 and 9 May", "08.04.2025", 3, {"08.04.2025", "12.05.2025", "09.06.2025"});
        row("2025 13 June moved from 8 March", "13.05.2025", 3,
            {"13.05.2025", "16.06.2025", "14.07.2025"});
        row("2025 3 November moved from 1 November", "03.10.2025", 3,
            {"03.10.2025", "05.11.2025", "03.12.2025"});
        row("2025 31 December runs to 12 January 2026", "31.12.2025", 2,
            {"12.01.2026", "02.02.2026"});
        row("2026 January up to 9 January and the weekend", "03.01.2026", 2,
            {"12.01.2026", "03.02.2026"});
        row("2026 9 March for a Sunday holiday", "09.02.2026", 3,
            {"09.02.2026", "10.03.2026", "09.04.2026"});
        row("2026 the last payment stays on 9 March", "09.02.2026", 2,
            {"09.02.2026", "09.03.2026"});
        row("2026 11 May for a Saturday holiday", "11.04.2026", 3,
            {"13.04.2026", "12.05.2026", "11.06.2026"});
        row("2026 31 December, then 2027 is not in the table", "31.12.2026", 2,
            {"01.01.2027", "01.02.2027"});
        row("2015 9 January moved from 3 January", "09.12.2014", 3,
            {"09.12.2014", "12.01.2015", "09.02.2015"});
        row("2015 11 May for a Saturday holiday", "11.04.2015", 3,
            {"13.04.2015", "12.05.2015", "11.06.2015"});
        row("2016 2 May for a Sunday holiday", "02.04.2016", 3,
            {"04.04.2016", "04.05.2016", "02.06.2016"});
        row("2016 13 June for a Sunday holiday", "13.05.2016", 3,
            {"13.05.2016", "14.06.2016", "13.07.2016"});
        row("2017 8 May moved from 7 January", "08.04.2017", 3,
            {"10.04.2017", "10.05.2017", "08.06.2017"});
        row("2017 6 November for a Saturday holiday", "06.10.2017", 3,
            {"06.10.2017", "07.11.2017", "06.12.2017"});
        row("2018 5 November for a Sunday holiday", "05.10.2018", 3,
            {"05.10.2018", "06.11.2018", "05.12.2018"});
        row("2019 1 March is a working Friday", "01.02.2019", 3,
            {"01.02.2019", "01.03.2019", "01.04.2019"});
        row("2021 31 December runs into the 2022 holidays", "31.12.2021", 2,
            {"10.01.2022", "31.01.2022"});
    }
    void productionCalendarShifts() {
        QFETCH(QString, first);
        QFETCH(int, n);
        QFETCH(QStringList, dates);
        StringGrid grafik(7, 2);
        GrafikDates(termsFor(first, n, Praz | Subb | Vosk), grafik, *earlyPayments({}));
        QCOMPARE(grafik.column(1).mid(1), dates);
    }

    void holidayTableHoldsTheYears2013To2026() {
        const QList<QDate> dates = Prazdniki();
        QCOMPARE(dates.size(), 270);
        const QList<int> perYear = {17, 18, 18, 19, 17, 20, 28, 22, 20, 18, 17, 19, 19, 18};
        for (int year = 2013; year <= 2026; ++year) {
            const auto count = std::count_if(dates.begin(), dates.end(),
                                             [year](QDate d) { return d.year() == year; });
            QCOMPARE(count, perYear[year - 2013]);
        }
        for (QDate d : dates)
            QVERIFY2(IsPrazdnik(d), qPrintable(d.toString()));
    }

    // From 2023 on, every entry is a holiday of the law or a day off moved onto a weekday.
    void newerYearsListOnlyHolidaysAndWeekdays() {
        const QList<QPair<int, int>> lawHolidays = {{1, 1}, {2, 1}, {3, 1},  {4, 1},  {5, 1},
                                                    {6, 1}, {7, 1}, {8, 1},  {23, 2}, {8, 3},
                                                    {1, 5}, {9, 5}, {12, 6}, {4, 11}};
        for (QDate d : Prazdniki()) {
            if (d.year() < 2023)
                continue;
            const bool holiday = lawHolidays.contains({d.day(), d.month()});
            QVERIFY2(holiday || d.dayOfWeek() <= 5, qPrintable(d.toString(Qt::ISODate)));
        }
        for (int year = 2023; year <= 2026; ++year)
            for (const auto& [day, month] : lawHolidays)
                QVERIFY(IsPrazdnik(QDate(year, month, day)));
    }

    void holidayLookup_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("holiday");
        QTest::newRow("1 January 2013") << QDate(2013, 1, 1) << true;
        QTest::newRow("30 April 2018") << QDate(2018, 4, 30) << true;
        QTest::newRow("31 December 2018") << QDate(2018, 12, 31) << true;
        QTest::newRow("12 May 2019") << QDate(2019, 5, 12) << true;
        QTest::newRow("5 November 2021") << QDate(2021, 11, 5) << true;
        QTest::newRow("13 June 2022") << QDate(2022, 6, 13) << true;
        QTest::newRow("12 June 2022 is not listed") << QDate(2022, 6, 12) << false;
        QTest::newRow("9 January 2021") << QDate(2021, 1, 9) << false;
        QTest::newRow("1 January 2012") << QDate(2012, 1, 1) << false;
        QTest::newRow("1 January 2023") << QDate(2023, 1, 1) << true;
        QTest::newRow("9 May 2023") << QDate(2023, 5, 9) << true;
        QTest::newRow("31 December 2026") << QDate(2026, 12, 31) << true;
        QTest::newRow("1 January 2027") << QDate(2027, 1, 1) << false;
        QTest::newRow("9 January 2015") << QDate(2015, 1, 9) << true;
        QTest::newRow("11 May 2015") << QDate(2015, 5, 11) << true;
        QTest::newRow("2 May 2016") << QDate(2016, 5, 2) << true;
        QTest::newRow("13 June 2016") << QDate(2016, 6, 13) << true;
        QTest::newRow("8 May 2017") << QDate(2017, 5, 8) << true;
        QTest::newRow("6 November 2017") << QDate(2017, 11, 6) << true;
        QTest::newRow("5 November 2018") << QDate(2018, 11, 5) << true;
        QTest::newRow("31 December 2021") << QDate(2021, 12, 31) << true;
        QTest::newRow("1 March 2019, a working Friday") << QDate(2019, 3, 1) << false;
        QTest::newRow("24 June 2020, declared outside the holiday law")
            << QDate(2020, 6, 24) << false;
        QTest::newRow("1 July 2020") << QDate(2020, 7, 1) << false;
        QTest::newRow("4 May 2021") << QDate(2021, 5, 4) << false;
        QTest::newRow("24 February 2025, moved to 8 May") << QDate(2025, 2, 24) << false;
    }
    void holidayLookup() {
        QFETCH(QDate, date);
        QFETCH(bool, holiday);
        QCOMPARE(IsPrazdnik(date), holiday);
    }

    void sortKeyFromCharacterPositions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("dd.mm.yyyy") << "05.03.2021"
                                    << "20210305";
        QTest::newRow("short date") << "1.3.2021"
                                    << "21.21.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void sortKeyFromCharacterPositions() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QCOMPARE(DateSortKey(text), key);
    }

    // The key comparison answers as the locale's comparison does.
    void keyComparisonAgreesWithTheLocale_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("dates") << "20210305"
                               << "20210304";
        QTest::newRow("equal") << "20210305"
                               << "20210305";
        QTest::newRow("prefix") << "2021"
                                << "20210101";
        QTest::newRow("shorter but greater") << "3"
                                             << "20210101";
        QTest::newRow("zeros") << "0000"
                               << "00";
        QTest::newRow("digits and dots") << "21.21."
                                         << "20210301";
        QTest::newRow("dots and digits") << "0213.5."
                                         << "20200215";
        QTest::newRow("empty") << ""
                               << "20200215";
    }
    void keyComparisonAgreesWithTheLocale() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        const auto sign = [](int v) {
            return (v > 0) - (v < 0);
        };
        QCOMPARE(sign(CompareSortKeys(a, b)), sign(Regional::compareStrings(a, b)));
        QCOMPARE(sign(CompareSortKeys(b, a)), sign(Regional::compareStrings(b, a)));
    }
};

QTEST_GUILESS_MAIN(TestGrafikDates)
#include "tst_grafikdates.moc"
