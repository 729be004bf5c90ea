#include "Exceptions.h"
#include "GrafikCalc.h"
#include "NumberText.h"
#include "Schedule.h"
#include "ScheduleMath.h"
#include "StringGrid.h"

#include <QTest>

#include <algorithm>
#include <memory>

using namespace Calc;

Q_DECLARE_METATYPE(Calc::LoanTerms)

namespace {

// 100 000 at 12 % for 12 monthly payments, issued 15.01.2020, first payment 15.02.2020.
LoanTerms workedExample() {
    LoanTerms t;
    t.summCred = "100000";
    t.srok0 = "12";
    t.procent0 = "12";
    t.procentRiska0 = "0";
    t.procent1 = "0";
    t.srok1 = "0";
    t.dataVydachi = QDate(2020, 1, 15);
    t.dataPlateja = QDate(2020, 2, 15);
    return t;
}

LoanTerms with(LoanTerms t, const std::function<void(LoanTerms&)>& change) {
    change(t);
    return t;
}

LoanTerms insurance(LoanTerms t, const QString& premium, const QString& rows) {
    t.strahYesNoKred = true;
    t.strahSumm = premium;
    t.strahCol = rows;
    return t;
}

LoanTerms sms(LoanTerms t, const QString& price) {
    t.smsYesNoKred = true;
    t.smsSumm = price;
    return t;
}

// "date=sum" or "date=sum=choice" entries of the early payments table. Without any choice the
// table has two columns, as records of older versions hold it.
std::unique_ptr<StringGrid> earlyPayments(const QStringList& entries) {
    const bool choices = std::any_of(entries.begin(), entries.end(),
                                     [](const QString& e) { return e.count(u'=') >= 2; });
    auto grid = std::make_unique<StringGrid>(choices ? 3 : 2, static_cast<int>(entries.size()) + 1);
    grid->setRow(0, {"Дата", "Сумма", "Уменьшить"});
    for (int m = 0; m < entries.size(); ++m)
        grid->setRow(m + 1, entries[m].split(u'='));
    return grid;
}

// A schedule grid as the window holds it before a build, with corrections "row=value" typed
// into column 6.
// With afterASchedule, the grid holds the schedule of another loan first (24 payments with
// insurance and SMS: amounts in more rows and columns than most cases fill), so a build must
// replace or empty every amount the previous one left.
std::unique_ptr<StringGrid> scheduleGrid(const QStringList& corrections,
                                         bool afterASchedule = false) {
    auto grid = std::make_unique<StringGrid>(7, 2);
    if (afterASchedule) {
        LoanTerms previous = sms(insurance(workedExample(), "1000", "24"), "1200");
        previous.summCred = "250000";
        previous.srok0 = "24";
        BuildSchedule(previous, *grid, *earlyPayments({}));
    }
    for (const QString& entry : corrections) {
        const int row = entry.section(u'=', 0, 0).toInt();
        if (grid->rowCount() <= row)
            grid->setRowCount(row + 1);
        grid->setCell(6, row, entry.section(u'=', 1));
    }
    return grid;
}

// Checks "row=cell|cell|..." against the grid; row T is the totals row (the last).
void compareRows(const StringGrid& grafik, const QStringList& rows) {
    for (const QString& expected : rows) {
        const QString rowText = expected.section(u'=', 0, 0);
        const int row = rowText == u'T' ? grafik.rowCount() - 1 : rowText.toInt();
        const QString cells = expected.section(u'=', 1);
        QCOMPARE(QString(rowText + u'=' + grafik.row(row).join(u'|')),
                 QString(rowText + u'=' + cells));
    }
}

} // namespace

class TestGrafikCalc : public QObject {
    Q_OBJECT
private slots:
    void schedule_data() {
        QTest::addColumn<LoanTerms>("terms");
        QTest::addColumn<QStringList>("early");
        QTest::addColumn<QStringList>("corrections");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("debt");
        QTest::addColumn<QString>("overpayment");

        const LoanTerms example = workedExample();
        const QString header = "0=№|Дата|Месячный платёж|Основной долг|Проценты|Остаток "
                               "долга|корр. процентов";

        QTest::newRow("worked example")
            << example << QStringList{} << QStringList{} << 14
            << QStringList{header,
                           "1=1|15.02.2020|8884,88|7868,49|1016,39|92131,51|",
                           "2=2|15.03.2020|8884,88|8008,88|876,00|84122,63|",
                           "3=3|15.04.2020|8884,88|8029,86|855,02|76092,77|",
                           "12=12|15.01.2021|8869,60|8780,24|89,36|0,00|",
                           "T=|Итого:|106603,28|100000,00|6603,28||"}
            << "Сумма долга: 106603,28"
            << "Переплата: 6603,28";

        QTest::newRow("amount 0 stops at the first row")
            << with(example, [](LoanTerms& t) { t.summCred = "0"; }) << QStringList{}
            << QStringList{} << 2 << QStringList{header, "T=|Итого:|0,00|0,00|0,00||"}
            << "Сумма долга: 0,00"
            << "Переплата: 0,00";

        QTest::newRow("early payment in the month of a payment: that one pays interest only")
            << example << QStringList{"01.04.2020=20000"} << QStringList{} << 15
            << QStringList{"3=|01.04.2020|20000,00|19531,12|468,88|64591,51|",
                           "4=3|15.04.2020|296,49|0,00|296,49|64591,51|",
                           "5=4|15.05.2020|7540,44|6905,11|635,33|57686,40|",
                           "T=|Итого:|105931,40|100000,00|5931,40||"}
            << "Сумма долга: 105931,40"
            << "Переплата: 5931,40";

        QTest::newRow("early payment in an earlier month: annuity over the payments left")
            << example << QStringList{"20.03.2020=20000"} << QStringList{} << 15
            << QStringList{"3=|20.03.2020|20000,00|19862,09|137,91|64260,54|",
                           "4=3|15.04.2020|6784,76|6236,97|547,79|58023,57|",
                           "5=4|15.05.2020|6784,76|6214,04|570,72|51809,53|"}
            << QString() << QString();

        QTest::newRow("early payment beyond the debt: negative balance, the rest dropped")
            << example << QStringList{"01.04.2020=200000"} << QStringList{} << 5
            << QStringList{"3=|01.04.2020|200000,00|199531,12|468,88|-115408,49|",
                           "T=|Итого:|217769,76|215408,49|2361,27||"}
            << "Сумма долга: 217769,76"
            << "Переплата: 2361,27";

        QTest::newRow("second rate 18 from row 6, the payment stays")
            << with(example,
                    [](LoanTerms& t) {
                        t.procent1 = "18";
                        t.srok1 = "6";
                    })
            << QStringList{} << QStringList{} << 14
            << QStringList{"5=5|15.06.2020|8884,88|8194,18|690,70|59762,16|",
                           "6=6|15.07.2020|8884,88|8003,14|881,74|51759,02|",
                           "T=|Итого:|107886,18|100000,00|7886,18||"}
            << QString() << QString();

        QTest::newRow("second rate counts early-payment rows")
            << with(example,
                    [](LoanTerms& t) {
                        t.procent1 = "18";
                        t.srok1 = "6";
                    })
            << QStringList{"01.04.2020=1000"} << QStringList{} << 15
            << QStringList{"3=|01.04.2020|1000,00|531,12|468,88|83591,51|",
                           "4=3|15.04.2020|383,70|0,00|383,70|83591,51|",
                           "5=4|15.05.2020|9758,50|8936,29|822,21|74655,22|",
                           "6=5|15.06.2020|9758,50|8620,31|1138,19|66034,91|"}
            << QString() << QString();

        QTest::newRow("deviation 10 raises the interest by 10 %")
            << with(example, [](LoanTerms& t) { t.procentRiska0 = "10"; }) << QStringList{}
            << QStringList{} << 14
            << QStringList{"1=1|15.02.2020|8884,88|7766,85|1118,03|92233,15|",
                           "2=2|15.03.2020|8884,88|7920,21|964,67|84312,94|"}
            << QString() << QString();

        QTest::newRow("deviation leaves rows of the second rate alone")
            << with(example,
                    [](LoanTerms& t) {
                        t.procentRiska0 = "10";
                        t.procent1 = "12";
                        t.srok1 = "2";
                    })
            << QStringList{} << QStringList{} << 14
            << QStringList{"1=1|15.02.2020|8884,88|7766,85|1118,03|92233,15|",
                           "2=2|15.03.2020|8884,88|8007,91|876,97|84225,24|"}
            << QString() << QString();

        QTest::newRow("correction -5 lowers the interest and raises the principal")
            << example << QStringList{} << QStringList{"2=-5"} << 14
            << QStringList{"1=1|15.02.2020|8884,88|7868,49|1016,39|92131,51|",
                           "2=2|15.03.2020|8884,88|8013,88|871,00|84117,63|-5,00"}
            << QString() << QString();

        QTest::newRow("correction 1,5 shown with two decimals")
            << example << QStringList{} << QStringList{"1=1,5"} << 14
            << QStringList{"1=1|15.02.2020|8884,88|7866,99|1017,89|92133,01|1,50"} << QString()
            << QString();

        QTest::newRow("a gap of months counts as one February: 59 days")
            << with(example,
                    [](LoanTerms& t) {
                        t.dataVydachi = QDate(2021, 1, 15);
                        t.dataPlateja = QDate(2021, 4, 15);
                    })
            << QStringList{} << QStringList{} << 14
            << QStringList{"1=1|15.04.2021|8884,88|6945,15|1939,73|93054,85|"} << QString()
            << QString();

        QTest::newRow("same month number a year on: 5 days at 365")
            << with(example,
                    [](LoanTerms& t) {
                        t.dataVydachi = QDate(2020, 3, 10);
                        t.dataPlateja = QDate(2021, 3, 15);
                    })
            << QStringList{} << QStringList{} << 14
            << QStringList{"1=1|15.03.2021|8884,88|8720,50|164,38|91279,50|"} << QString()
            << QString();

        QTest::newRow("360-day year counts calendar days at rate / 360")
            << with(example, [](LoanTerms& t) { t.c360 = true; }) << QStringList{} << QStringList{}
            << 14
            << QStringList{"1=1|15.02.2020|8884,88|7851,55|1033,33|92148,45|",
                           "2=2|15.03.2020|8884,88|7994,11|890,77|84154,34|"}
            << QString() << QString();

        const LoanTerms twelve = with(example, [](LoanTerms& t) {
            t.summCred = "12";
            t.procent0 = "0";
            t.srok0 = "1";
        });
        QTest::newRow("total of exactly 12 reads 12,00")
            << twelve << QStringList{} << QStringList{} << 3
            << QStringList{"1=1|15.02.2020|12,00|12,00|0,00|0,00|", "T=|Итого:|12,00|12,00|0,00||"}
            << "Сумма долга: 12,00"
            << "Переплата: 0,00";
        QTest::newRow("total of 12,5 reads 12,50")
            << with(twelve, [](LoanTerms& t) { t.summCred = "12,5"; }) << QStringList{}
            << QStringList{} << 3 << QStringList{"T=|Итого:|12,50|12,50|0,00||"}
            << "Сумма долга: 12,50" << QString();

        // Insurance and SMS paid on top of the loan.
        const QString insuranceHeader = header + "|Страховка";
        QTest::newRow("insurance 1000 over 3 rows: 333,34 twice and 333,32")
            << insurance(example, "1000", "3") << QStringList{} << QStringList{} << 14
            << QStringList{insuranceHeader,
                           "1=1|15.02.2020|9218,21|7868,49|1016,39|92131,51||333,34",
                           "2=2|15.03.2020|9218,21|8008,88|876,00|84122,63||333,34",
                           "3=3|15.04.2020|9218,22|8029,86|855,02|76092,77||333,32",
                           "4=4|15.05.2020|8884,88|8136,43|748,45|67956,34||",
                           "12=12|15.01.2021|8869,60|8780,24|89,36|0,00||",
                           "T=|Итого:|107603,28|100000,00|6603,28|||1000,00"}
            << "Сумма долга: 107603,28"
            << "Переплата: 6603,28";
        QTest::newRow("insurance 900 over 3 rows: 300,00 each")
            << insurance(example, "900", "3") << QStringList{} << QStringList{} << 14
            << QStringList{"1=1|15.02.2020|9184,88|7868,49|1016,39|92131,51||300,00",
                           "3=3|15.04.2020|9184,88|8029,86|855,02|76092,77||300,00",
                           "T=|Итого:|107503,28|100000,00|6603,28|||900,00"}
            << QString() << QString();
        QTest::newRow("insurance 1000 over 6 rows: 166,67 five times and 166,65")
            << insurance(example, "1000", "6") << QStringList{} << QStringList{} << 14
            << QStringList{"5=5|15.06.2020|9051,55|8194,18|690,70|59762,16||166,67",
                           "6=6|15.07.2020|9051,53|8297,06|587,82|51465,10||166,65",
                           "7=7|15.08.2020|8884,88|8361,79|523,09|43103,31||",
                           "T=|Итого:|107603,28|100000,00|6603,28|||1000,00"}
            << QString() << QString();
        QTest::newRow("SMS 1200 over 12 payments: 100,00 on every row")
            << sms(example, "1200") << QStringList{} << QStringList{} << 14
            << QStringList{header + "|  SMS  ",
                           "1=1|15.02.2020|8984,88|7868,49|1016,39|92131,51||100,00",
                           "12=12|15.01.2021|8969,60|8780,24|89,36|0,00||100,00",
                           "T=|Итого:|107803,28|100000,00|6603,28|||1200,00"}
            << "Сумма долга: 107803,28" << QString();
        QTest::newRow("SMS 1000 over 12: the share goes up to 83,34")
            << sms(example, "1000") << QStringList{} << QStringList{} << 14
            << QStringList{"1=1|15.02.2020|8968,22|7868,49|1016,39|92131,51||83,34",
                           "T=|Итого:|107603,36|100000,00|6603,28|||1000,08"}
            << QString() << QString();
        QTest::newRow("SMS 1000 over 12 beside insurance: its column shows 83,33")
            << sms(insurance(example, "1000", "3"), "1000") << QStringList{} << QStringList{} << 14
            << QStringList{insuranceHeader + "|  SMS  ",
                           "1=1|15.02.2020|9301,55|7868,49|1016,39|92131,51||333,34|83,33",
                           "3=3|15.04.2020|9301,56|8029,86|855,02|76092,77||333,32|83,33",
                           "4=4|15.05.2020|8968,22|8136,43|748,45|67956,34|||83,33",
                           "T=|Итого:|108603,36|100000,00|6603,28|||1000,00|999,96"}
            << QString() << QString();
        QTest::newRow("SMS 1 over 3 payments: share 0,34")
            << sms(with(example, [](LoanTerms& t) { t.srok0 = "3"; }), "1") << QStringList{}
            << QStringList{} << 5
            << QStringList{"1=1|15.02.2020|34002,55|32985,82|1016,39|67014,18||0,34"} << QString()
            << QString();
        QTest::newRow("SMS column of an empty schedule keeps its first header")
            << sms(with(example, [](LoanTerms& t) { t.summCred = "0"; }), "1200") << QStringList{}
            << QStringList{} << 2 << QStringList{header + "|SMS", "T=|Итого:|0,00|0,00|0,00|||0,00"}
            << QString() << QString();
        QTest::newRow("an early payment takes its insurance instalment and the SMS share")
            << sms(insurance(example, "1000", "6"), "1200") << QStringList{"01.04.2020=20000"}
            << QStringList{} << 15
            << QStringList{"3=|01.04.2020|20166,67|19431,12|468,88|64691,51||166,67|100,00"}
            << QString() << QString();

        // Interest-free loan with early payments: the debt left is spread evenly.
        const LoanTerms free = with(example, [](LoanTerms& t) {
            t.summCred = "120000";
            t.procent0 = "0";
        });
        QTest::newRow("rate 0 with an early payment spreads the rest over the payments left")
            << free << QStringList{"20.03.2020=30000"} << QStringList{} << 15
            << QStringList{"1=1|15.02.2020|10000,00|10000,00|0,00|110000,00|",
                           "3=|20.03.2020|30000,00|30000,00|0,00|70000,00|",
                           "4=3|15.04.2020|7000,00|7000,00|0,00|63000,00|",
                           "12=11|15.12.2020|7000,00|7000,00|0,00|7000,00|",
                           "13=12|15.01.2021|7000,00|7000,00|0,00|0,00|",
                           "T=|Итого:|120000,00|120000,00|0,00||"}
            << "Сумма долга: 120000,00"
            << "Переплата: 0,00";
        QTest::newRow("rate 0: a second early payment of the same date pays its own sum")
            << free << QStringList{"20.03.2020=30000", "20.03.2020=6000"} << QStringList{} << 16
            << QStringList{"3=|20.03.2020|30000,00|30000,00|0,00|70000,00|",
                           "4=|20.03.2020|6000,00|6000,00|0,00|64000,00|",
                           "5=3|15.04.2020|6400,00|6400,00|0,00|57600,00|",
                           "14=12|15.01.2021|6400,00|6400,00|0,00|0,00|"}
            << "Сумма долга: 120000,00" << QString();

        // Early repayments on payment dates: the instalment of the date is paid first, then
        // each early repayment of that date by its own row, with no days of interest; the next
        // payment is the annuity of the remaining debt over the payments left.
        const LoanTerms big = with(example, [](LoanTerms& t) {
            t.summCred = "500000";
            t.srok0 = "36";
            t.procent0 = "15,9";
            t.dataVydachi = QDate(2026, 12, 11);
            t.dataPlateja = QDate(2027, 1, 11);
        });
        QTest::newRow("early repayment on a payment date: its own row after the instalment")
            << big << QStringList{"11.06.2027=100000"} << QStringList{} << 39
            << QStringList{"6=6|11.06.2027|17553,84|11562,44|5991,40|432109,80|",
                           "7=|11.06.2027|100000,00|100000,00|0,00|332109,80|",
                           "8=7|11.07.2027|13488,17|9148,00|4340,17|322961,80|",
                           "37=36|11.12.2029|13583,80|13408,57|175,23|0,00|",
                           "T=|Итого:|610063,77|500000,00|110063,77||"}
            << "Сумма долга: 610063,77"
            << "Переплата: 110063,77";
        QTest::newRow("two early repayments on one payment date: each pays its own sum")
            << example << QStringList{"15.04.2020=10000", "15.04.2020=5000"} << QStringList{} << 16
            << QStringList{"3=3|15.04.2020|8884,88|8029,86|855,02|76092,77|",
                           "4=|15.04.2020|10000,00|10000,00|0,00|66092,77|",
                           "5=|15.04.2020|5000,00|5000,00|0,00|61092,77|",
                           "6=4|15.05.2020|7131,99|6531,08|600,91|54561,69|",
                           "14=12|15.01.2021|7133,18|7061,31|71,87|0,00|",
                           "T=|Итого:|105843,74|100000,00|5843,74||"}
            << QString() << QString();
        QTest::newRow("early repayment on the first payment date")
            << example << QStringList{"15.02.2020=20000"} << QStringList{} << 15
            << QStringList{"1=1|15.02.2020|8884,88|7868,49|1016,39|92131,51|",
                           "2=|15.02.2020|20000,00|20000,00|0,00|72131,51|",
                           "3=2|15.03.2020|6957,38|6271,54|685,84|65859,97|",
                           "13=12|15.01.2021|6931,11|6861,28|69,83|0,00|",
                           "T=|Итого:|105389,79|100000,00|5389,79||"}
            << QString() << QString();
        // The last instalment settles the loan, so an early repayment of that date or later
        // finds no debt and is dropped; with a debt left over, the last row pays it.
        QTest::newRow("early repayment on the last payment date finds nothing left")
            << example << QStringList{"15.01.2021=1000"} << QStringList{} << 14
            << QStringList{"12=12|15.01.2021|8869,60|8780,24|89,36|0,00|",
                           "T=|Итого:|106603,28|100000,00|6603,28||"}
            << "Сумма долга: 106603,28" << QString();
        const LoanTerms secondRate = with(example, [](LoanTerms& t) {
            t.procent1 = "18";
            t.srok1 = "6";
        });
        QTest::newRow("early repayment on the last payment date pays what the last payment left")
            << secondRate << QStringList{"15.01.2021=1000"} << QStringList{} << 15
            << QStringList{"12=12|15.01.2021|8884,88|8732,22|152,66|1267,62|",
                           "13=|15.01.2021|1267,62|1267,62|0,00|0,00|",
                           "T=|Итого:|107886,18|100000,00|7886,18||"}
            << QString() << QString();
        QTest::newRow("early repayment on a payment date under the second rate")
            << secondRate << QStringList{"15.04.2020=20000"} << QStringList{} << 15
            << QStringList{"4=|15.04.2020|20000,00|20000,00|0,00|56092,77|",
                           "5=4|15.05.2020|6548,29|5996,56|551,73|50096,21|",
                           "6=5|15.06.2020|6548,29|5784,53|763,76|44311,68|",
                           "13=12|15.01.2021|7777,90|7660,95|116,95|0,00|",
                           "T=|Итого:|106818,86|100000,00|6818,86||"}
            << QString() << QString();
        QTest::newRow("early repayment on a payment date with insurance and SMS on top")
            << sms(insurance(example, "1000", "6"), "1000") << QStringList{"15.04.2020=20000"}
            << QStringList{} << 15
            << QStringList{"3=3|15.04.2020|9134,89|8029,86|855,02|76092,77||166,67|83,33",
                           "4=|15.04.2020|20166,67|19916,66|0,00|56176,11||166,67|83,33",
                           "5=4|15.05.2020|6808,03|6005,47|552,55|50170,64||166,67|83,33",
                           "6=5|15.06.2020|6808,01|6048,09|509,93|44122,55||166,65|83,33",
                           "7=6|15.07.2020|6641,36|6124,03|433,99|37998,52|||83,33",
                           "13=12|15.01.2021|6642,40|6492,98|66,08|0,00|||83,33",
                           "T=|Итого:|107677,94|100000,00|5594,52|||1000,00|1083,29"}
            << QString() << QString();

        // An interest-free instalment loan: a regular row with nothing to pay pays 0,00 and the
        // schedule goes on; the debt left is spread over the payments that remain.
        const LoanTerms instalments = with(example, [](LoanTerms& t) {
            t.summCred = "120000";
            t.srok0 = "6";
            t.procent0 = "0";
            t.dataVydachi = QDate(2019, 12, 15);
            t.dataPlateja = QDate(2020, 1, 15);
        });
        QTest::newRow("rate 0: the payment after an interest-only row spreads the rest")
            << instalments << QStringList{"01.03.2020=30000"} << QStringList{} << 9
            << QStringList{"1=1|15.01.2020|20000,00|20000,00|0,00|100000,00|",
                           "2=2|15.02.2020|20000,00|20000,00|0,00|80000,00|",
                           "3=|01.03.2020|30000,00|30000,00|0,00|50000,00|",
                           "4=3|15.03.2020|0,00|0,00|0,00|50000,00|",
                           "5=4|15.04.2020|16666,67|16666,67|0,00|33333,33|",
                           "6=5|15.05.2020|16666,67|16666,67|0,00|16666,66|",
                           "7=6|15.06.2020|16666,66|16666,66|0,00|0,00|",
                           "T=|Итого:|120000,00|120000,00|0,00||"}
            << "Сумма долга: 120000,00"
            << "Переплата: 0,00";
        QTest::newRow("rate 0: early repayment on a payment date")
            << instalments << QStringList{"15.02.2020=30000"} << QStringList{} << 9
            << QStringList{"3=|15.02.2020|30000,00|30000,00|0,00|50000,00|",
                           "4=3|15.03.2020|12500,00|12500,00|0,00|37500,00|",
                           "7=6|15.06.2020|12500,00|12500,00|0,00|0,00|"}
            << QString() << QString();

        // Early repayments that shorten the loan: the payment in force stays, and the regular
        // payment that covers the debt left with its interest pays just that and ends the loan.
        QTest::newRow("reduce the term: the payment stays, the loan ends with its 10th payment")
            << example << QStringList{"20.03.2020=20000=срок"} << QStringList{} << 13
            << QStringList{"3=|20.03.2020|20000,00|19862,09|137,91|64260,54|",
                           "4=3|15.04.2020|8884,88|8337,09|547,79|55923,45|",
                           "10=9|15.10.2020|8884,88|8752,54|132,34|4702,41|",
                           "11=10|15.11.2020|4750,20|4702,41|47,79|0,00|",
                           "T=|Итого:|104714,12|100000,00|4714,12||"}
            << "Сумма долга: 104714,12"
            << "Переплата: 4714,12";
        QTest::newRow("reduce the payment, said in so many words")
            << example << QStringList{"20.03.2020=20000=платёж"} << QStringList{} << 15
            << QStringList{"4=3|15.04.2020|6784,76|6236,97|547,79|58023,57|",
                           "T=|Итого:|105514,77|100000,00|5514,77||"}
            << QString() << "Переплата: 5514,77";
        QTest::newRow("an empty choice reduces the payment")
            << example << QStringList{"20.03.2020=20000="} << QStringList{} << 15
            << QStringList{"4=3|15.04.2020|6784,76|6236,97|547,79|58023,57|",
                           "T=|Итого:|105514,77|100000,00|5514,77||"}
            << QString() << QString();
        QTest::newRow("reduce the term by two repayments on one payment date")
            << example << QStringList{"15.04.2020=10000=срок", "15.04.2020=15000=срок"}
            << QStringList{} << 13
            << QStringList{"3=3|15.04.2020|8884,88|8029,86|855,02|76092,77|",
                           "4=|15.04.2020|10000,00|10000,00|0,00|66092,77|",
                           "5=|15.04.2020|15000,00|15000,00|0,00|51092,77|",
                           "6=4|15.05.2020|8884,88|8382,33|502,55|42710,44|",
                           "11=9|15.10.2020|8459,42|8377,02|82,40|0,00|",
                           "T=|Итого:|104538,46|100000,00|4538,46||"}
            << QString() << QString();
        QTest::newRow("term and payment mixed: the payment is recalculated over the term left")
            << example
            << QStringList{"20.03.2020=20000=срок", "15.06.2020=10000=платёж",
                           "15.06.2020=5000=срок"}
            << QStringList{} << 17
            << QStringList{"6=5|15.06.2020|8884,88|8401,19|483,69|39187,45|",
                           "7=|15.06.2020|10000,00|10000,00|0,00|29187,45|",
                           "8=|15.06.2020|5000,00|5000,00|0,00|24187,45|",
                           "9=6|15.07.2020|3594,94|3357,03|237,91|20830,42|",
                           "15=12|15.01.2021|3596,15|3559,92|36,23|0,00|",
                           "T=|Итого:|104590,19|100000,00|4590,19||"}
            << QString() << QString();
        QTest::newRow("payment then term: the recalculated payment stays")
            << example << QStringList{"01.04.2020=20000=платёж", "20.05.2020=10000=срок"}
            << QStringList{} << 15
            << QStringList{"4=3|15.04.2020|296,49|0,00|296,49|64591,51|",
                           "5=4|15.05.2020|7540,44|6905,11|635,33|57686,40|",
                           "6=|20.05.2020|10000,00|9905,43|94,57|47780,97|",
                           "7=5|15.06.2020|7540,44|7133,13|407,31|40647,84|",
                           "12=10|15.11.2020|7540,44|7421,71|118,73|4259,36|",
                           "13=11|15.12.2020|4301,26|4259,36|41,90|0,00|",
                           "T=|Итого:|105150,59|100000,00|5150,59||"}
            << QString() << QString();
        QTest::newRow("reduce the term under the second rate")
            << secondRate << QStringList{"20.03.2020=20000=срок"} << QStringList{} << 13
            << QStringList{"6=5|15.06.2020|8884,88|8159,35|725,53|39429,29|",
                           "10=9|15.10.2020|8884,88|8675,71|209,17|5501,55|",
                           "11=10|15.11.2020|5585,43|5501,55|83,88|0,00|",
                           "T=|Итого:|105549,35|100000,00|5549,35||"}
            << QString() << QString();
        QTest::newRow("reduce the term with insurance and SMS on top")
            << sms(insurance(example, "1000", "6"), "1200") << QStringList{"20.03.2020=20000=срок"}
            << QStringList{} << 13
            << QStringList{"3=|20.03.2020|20166,67|19762,09|137,91|64360,54||166,67|100,00",
                           "4=3|15.04.2020|9151,55|8336,23|548,65|56024,31||166,67|100,00",
                           "7=6|15.07.2020|8984,88|8498,42|386,46|30791,91|||100,00",
                           "11=10|15.11.2020|4958,35|4809,47|48,88|0,00|||100,00",
                           "T=|Итого:|106822,27|100000,00|4722,27|||1000,00|1100,00"}
            << QString() << QString();
        QTest::newRow("rate 0: reduce the term")
            << instalments << QStringList{"01.03.2020=30000=срок"} << QStringList{} << 8
            << QStringList{"3=|01.03.2020|30000,00|30000,00|0,00|50000,00|",
                           "4=3|15.03.2020|20000,00|20000,00|0,00|30000,00|",
                           "6=5|15.05.2020|10000,00|10000,00|0,00|0,00|",
                           "T=|Итого:|120000,00|120000,00|0,00||"}
            << QString() << QString();

        // An early payment that pays just its interest leaves no payment number above the next
        // row: the payments left are counted from the numbered row above (none here).
        QTest::newRow("interest-only early payment before the first payment")
            << example << QStringList{"01.02.2020=557,38"} << QStringList{} << 15
            << QStringList{"1=|01.02.2020|557,38|0,00|557,38|100000,00|",
                           "2=1|15.02.2020|459,02|0,00|459,02|100000,00|",
                           "3=2|15.03.2020|9645,41|8694,59|950,82|91305,41|"}
            << QString() << QString();

        // After an interest-only last payment nothing is left to spread the debt over.
        QTest::newRow("early payment after an interest-only last payment pays the rest")
            << example << QStringList{"01.01.2021=1000", "20.01.2021=500"} << QStringList{} << 16
            << QStringList{"11=11|15.12.2020|8884,88|8712,82|172,06|8780,24|",
                           "12=|01.01.2021|1000,00|951,05|48,95|7829,19|",
                           "13=12|15.01.2021|36,04|0,00|36,04|7829,19|",
                           "14=|20.01.2021|7842,06|7829,19|12,87|0,00|",
                           "T=|Итого:|106611,78|100000,00|6611,78||"}
            << QString() << QString();
    }
    void schedule() {
        QFETCH(LoanTerms, terms);
        QFETCH(QStringList, early);
        QFETCH(QStringList, corrections);
        QFETCH(int, rowCount);
        QFETCH(QStringList, rows);
        QFETCH(QString, debt);
        QFETCH(QString, overpayment);
        for (const bool afterASchedule : {false, true}) {
            auto grafik = scheduleGrid(corrections, afterASchedule);
            const auto dosPlat = earlyPayments(early);
            const ScheduleTotals totals = BuildSchedule(terms, *grafik, *dosPlat);
            compareRows(*grafik, rows);
            QCOMPARE(grafik->rowCount(), rowCount);
            if (!debt.isEmpty())
                QCOMPARE(totals.debt, debt);
            if (!overpayment.isEmpty())
                QCOMPARE(totals.overpayment, overpayment);
        }
    }

    // A failure stops the build where it arises; what was written before stays.
    void failureKeepsWhatWasWritten_data() {
        QTest::addColumn<LoanTerms>("terms");
        QTest::addColumn<QStringList>("early");
        QTest::addColumn<QStringList>("corrections");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QStringList>("rows");
        const LoanTerms example = workedExample();
        QTest::newRow("amount not a number: dates and headers, no amounts")
            << with(example, [](LoanTerms& t) { t.summCred = "abc"; }) << QStringList{}
            << QStringList{} << "EConvertError" << 13
            << QStringList{"1=1|15.02.2020|||||", "12=12|15.01.2021|||||"};
        QTest::newRow("term 0: division by zero")
            << with(example, [](LoanTerms& t) { t.srok0 = "0"; }) << QStringList{"01.04.2020=1"}
            << QStringList{} << "EZeroDivide" << 2 << QStringList{"1=|01.04.2020|||||"};
        QTest::newRow("term 0 at rate 0: division by zero")
            << with(example,
                    [](LoanTerms& t) {
                        t.srok0 = "0";
                        t.procent0 = "0";
                    })
            << QStringList{} << QStringList{} << "EZeroDivide" << 1 << QStringList{};
        QTest::newRow("second rate not a number fails on the first row")
            << with(example, [](LoanTerms& t) { t.procent1 = ""; }) << QStringList{}
            << QStringList{} << "EConvertError" << 13 << QStringList{"1=1|15.02.2020|||||"};
        QTest::newRow("early payment with a date and no sum fails at its row")
            << example << QStringList{"01.04.2020="} << QStringList{} << "EConvertError" << 14
            << QStringList{"2=2|15.03.2020|8884,88|8008,88|876|84122,63|", "3=|01.04.2020|||||"};
        QTest::newRow("early payment date that does not exist fails at its row")
            << example << QStringList{"32.03.2020=100"} << QStringList{} << "EConvertError" << 14
            << QStringList{"2=2|15.03.2020|8884,88|8008,88|876|84122,63|", "3=|32.03.2020|||||"};
        QTest::newRow("SMS price not a number after the insurance column")
            << sms(insurance(example, "1000", "3"), "abc") << QStringList{} << QStringList{}
            << "EConvertError" << 13
            << QStringList{"0=№|Дата|Месячный платёж|Основной долг|Проценты|Остаток "
                           "долга|корр. процентов|Страховка",
                           "1=1|15.02.2020||||||"};
        QTest::newRow("a lone minus as correction")
            << example << QStringList{} << QStringList{"2=-"} << "EConvertError" << 13
            << QStringList{"1=1|15.02.2020|8884,88|7868,49|1016,39|92131,51|",
                           "2=2|15.03.2020|||||-"};
    }
    void failureKeepsWhatWasWritten() {
        QFETCH(LoanTerms, terms);
        QFETCH(QStringList, early);
        QFETCH(QStringList, corrections);
        QFETCH(QString, error);
        QFETCH(int, rowCount);
        QFETCH(QStringList, rows);
        for (const bool afterASchedule : {false, true}) {
            auto grafik = scheduleGrid(corrections, afterASchedule);
            const auto dosPlat = earlyPayments(early);
            try {
                BuildSchedule(terms, *grafik, *dosPlat);
                QFAIL("the build did not fail");
            } catch (const Exception& e) {
                QCOMPARE(e.className(), error);
            }
            QCOMPARE(grafik->rowCount(), rowCount);
            compareRows(*grafik, rows);
            if (rowCount > 0)
                QCOMPARE(grafik->cell(2, 0), QStringLiteral("Месячный платёж"));
        }
    }

    // A build that fails before any amount is computed leaves none of the previous ones.
    void failureBeforeTheAmountsEmptiesThem() {
        auto grafik = scheduleGrid({"3=12,5"}, true);
        LoanTerms terms = workedExample();
        terms.srok0 = "x";
        QVERIFY_THROWS_EXCEPTION(EConvertError, BuildSchedule(terms, *grafik, *earlyPayments({})));
        QCOMPARE(grafik->colCount(), 7);
        for (int r = 1; r < grafik->rowCount(); ++r)
            for (int c = 0; c < grafik->colCount(); ++c)
                QCOMPARE(grafik->cell(c, r), c == 6 && r == 3 ? QStringLiteral("12,5") : QString());
    }

    // A rebuild keeps the corrections and drops the add-on columns of the build before.
    void rebuildKeepsCorrectionsAndDropsOldColumns() {
        LoanTerms terms = sms(insurance(workedExample(), "1000", "3"), "1200");
        auto grafik = scheduleGrid({});
        const auto dosPlat = earlyPayments({});
        BuildSchedule(terms, *grafik, *dosPlat);
        QCOMPARE(grafik->colCount(), 9);
        grafik->setCell(6, 2, "-5");
        terms.strahYesNoKred = false;
        terms.strahSumm = "0";
        terms.strahCol = "0";
        BuildSchedule(terms, *grafik, *dosPlat);
        QCOMPARE(grafik->colCount(), 8);
        compareRows(*grafik, {"2=2|15.03.2020|8984,88|8013,88|871,00|84117,63|-5,00|100,00",
                              "4=4|15.05.2020|8984,88|8136,48|748,40|67951,24||100,00"});
        const auto noEarly = earlyPayments({});
        BuildSchedule(workedExample(), *grafik, *noEarly);
        QCOMPARE(grafik->colCount(), 7);
        QCOMPARE(grafik->cell(6, 2), QStringLiteral("-5,00"));
        QCOMPARE(grafik->cell(4, 2), QStringLiteral("871,00"));
    }

    void periodInterest_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<bool>("year360");
        QTest::addColumn<QString>("interest");
        // On a balance of 1000 a rate of 36,5 (36,6 in leap years, 36 for a 360-day year)
        // gives 1 per day counted.
        QTest::newRow("31.01.2021 to 02.03.2021: 0 + 28 + 2 days")
            << "36,5" << QDate(2021, 1, 31) << QDate(2021, 3, 2) << false << "30";
        QTest::newRow("15.01.2021 to 15.04.2021: 16 + 28 + 15 days")
            << "36,5" << QDate(2021, 1, 15) << QDate(2021, 4, 15) << false << "59";
        QTest::newRow("same month a year on counts the days between the days")
            << "36,5" << QDate(2020, 3, 10) << QDate(2021, 3, 15) << false << "5";
        QTest::newRow("same month in two leap years at 366")
            << "36,6" << QDate(2020, 3, 10) << QDate(2024, 3, 15) << false << "5";
        QTest::newRow("next month in a leap year: 16 + 15 days")
            << "36,6" << QDate(2020, 1, 15) << QDate(2020, 2, 15) << false << "31";
        QTest::newRow("December into January: 16 + 15 days")
            << "36,5" << QDate(2021, 12, 15) << QDate(2022, 1, 15) << false << "31";
        QTest::newRow("a gap in a leap year takes 29 February days")
            << "36,6" << QDate(2020, 1, 31) << QDate(2020, 3, 2) << false << "31";
        QTest::newRow("360-day year, 31-day period")
            << "36" << QDate(2021, 1, 15) << QDate(2021, 2, 15) << true << "31";
        QTest::newRow("360-day year counts the calendar days of a gap")
            << "36" << QDate(2021, 1, 15) << QDate(2021, 4, 15) << true << "90";
    }
    void periodInterest() {
        QFETCH(QString, rate);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(bool, year360);
        QFETCH(QString, interest);
        const long double value =
            PeriodInterest(NumberText::StrToFloat(rate), 1000.0L, from, to, year360);
        QCOMPARE(NumberText::FloatToStr(Okruglit(value)), interest);
    }

    void twoDecimals_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << "12"
                               << "12,00";
        QTest::newRow("one decimal") << "12,5"
                                     << "12,50";
        QTest::newRow("two decimals") << "12,34"
                                      << "12,34";
        QTest::newRow("negative whole") << "-5"
                                        << "-5,00";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("zero") << "0"
                              << "0,00";
    }
    void twoDecimals() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(TwoDecimals(text), shown);
    }
};

QTEST_GUILESS_MAIN(TestGrafikCalc)
#include "tst_grafikcalc.moc"
