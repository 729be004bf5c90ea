#include "CheckedMath.h"
#include "Exceptions.h"
#include "GrafikCalc.h"
#include "NumberText.h"
#include "ScheduleMath.h"

#include <QTest>

#include <cmath>

using namespace Calc;

class TestScheduleMath : public QObject {
    Q_OBJECT
private slots:
    void okruglitRoundsTiesToEven_data() {
        QTest::addColumn<long double>("x");
        QTest::addColumn<long double>("expected");
        // Expected values are the products cents * 0.01 the rounding returns.
        QTest::newRow("0.125 tie goes down to even 12") << 0.125L << 12 * 0.01L;
        QTest::newRow("0.375 tie goes up to even 38") << 0.375L << 38 * 0.01L;
        QTest::newRow("annuity payment") << 8884.878867834170L << 888488 * 0.01L;
        QTest::newRow("nearest extended to 0.005 gives 0") << 0.005L << 0.0L;
        QTest::newRow("just above a half kopeck rounds up")
            << std::nextafter(0.005L, 1.0L) << 1 * 0.01L;
        QTest::newRow("negative tie -0.125 goes to -12") << -0.125L << -12 * 0.01L;
        QTest::newRow("negative tie -0.135 goes to -14") << -0.135L << -14 * 0.01L;
        QTest::newRow("2.5 kopecks exactly goes to 2") << 0.025L << 2 * 0.01L;
        QTest::newRow("whole amount stays") << 12.0L << 1200 * 0.01L;
        QTest::newRow("zero") << 0.0L << 0.0L;
    }
    void okruglitRoundsTiesToEven() {
        QFETCH(long double, x);
        QFETCH(long double, expected);
        QCOMPARE(Okruglit(x), expected);
    }

    void okruglitTextIsTwoDecimalsAtMost_data() {
        QTest::addColumn<long double>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("8884.878867834") << 8884.878867834L << "8884,88";
        QTest::newRow("876.0000001") << 876.0000001L << "876";
        QTest::newRow("0.125") << 0.125L << "0,12";
        QTest::newRow("0.375") << 0.375L << "0,38";
        QTest::newRow("-5.555") << -5.5551L << "-5,56";
    }
    void okruglitTextIsTwoDecimalsAtMost() {
        QFETCH(long double, x);
        QFETCH(QString, text);
        QCOMPARE(NumberText::FloatToStr(Okruglit(x)), text);
    }

    void okruglitOverflowRaises() { QVERIFY_THROWS_EXCEPTION(EOverflow, Okruglit(1e4931L)); }

    void annuityFactor_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<long double>("rate");
        QTest::addColumn<long double>("expected");
        // Reference values from exact rational arithmetic.
        QTest::newRow("12 payments at 12%") << 12 << 12.0L << 0.0888487886783417073399878312L;
        QTest::newRow("24 payments at 19.99%")
            << 24 << NumberText::StrToFloat("19,99") << 0.0508909175952517129863L;
        QTest::newRow("1 payment at 12% is 1 + r") << 1 << 12.0L << 1.01L;
        QTest::newRow("rate 0: 1 / 10") << 10 << 0.0L << 0.1L;
        QTest::newRow("rate 0: 1 / 7") << 7 << 0.0L << 1.0L / 7;
        QTest::newRow("one payment back is -1") << -1 << 12.0L << -1.0L;
    }
    void annuityFactor() {
        QFETCH(int, n);
        QFETCH(long double, rate);
        QFETCH(long double, expected);
        const long double factor = AnnuitetFactor(n, rate);
        QVERIFY2(std::fabs(factor - expected) <= std::fabs(expected) * 1e-17L,
                 qPrintable(NumberText::FloatToStr(factor)));
    }

    void annuityFactorOfNoPaymentsIsDivisionByZero_data() {
        QTest::addColumn<long double>("rate");
        QTest::newRow("rate 12") << 12.0L;
        QTest::newRow("rate 0") << 0.0L;
    }
    void annuityFactorOfNoPaymentsIsDivisionByZero() {
        QFETCH(long double, rate);
        QVERIFY_THROWS_EXCEPTION(EZeroDivide, AnnuitetFactor(0, rate));
    }

    // The first payment and the amount to repay.
    void opening_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("insurance"); // 0 none, 1 included, 2 additional
        QTest::addColumn<int>("sms");       // 0 none, 1 included, 2 additional
        QTest::addColumn<bool>("c360");
        QTest::addColumn<QString>("b0");
        QTest::addColumn<QString>("p0");
        QTest::newRow("100000 at 12% for 12") << "100000"
                                              << "12"
                                              << "12" << 0 << 0 << false << "100000"
                                              << "8884,88";
        QTest::newRow("100000 at 19,99% for 24") << "100000"
                                                 << "19,99"
                                                 << "24" << 0 << 0 << false << "100000"
                                                 << "5089,09";
        QTest::newRow("rate 0 is unrounded amount / n") << "120000"
                                                        << "0"
                                                        << "7" << 0 << 0 << false << "120000"
                                                        << "17142,8571428571";
        QTest::newRow("insurance 5000 included") << "100000"
                                                 << "12"
                                                 << "12" << 1 << 0 << false << "105000"
                                                 << "9329,12";
        QTest::newRow("insurance 5000 additional") << "100000"
                                                   << "12"
                                                   << "12" << 2 << 0 << false << "100000"
                                                   << "8884,88";
        QTest::newRow("SMS 5000 included") << "100000"
                                           << "12"
                                           << "12" << 0 << 1 << false << "105000"
                                           << "9329,12";
        QTest::newRow("insurance and SMS included") << "90000"
                                                    << "12"
                                                    << "12" << 1 << 1 << false << "100000"
                                                    << "8884,88";
        QTest::newRow("360-day year leaves it") << "100000"
                                                << "12"
                                                << "12" << 0 << 0 << true << "100000"
                                                << "8884,88";
        QTest::newRow("rate 0,00 is rate 0") << "70"
                                             << "0,00"
                                             << "7" << 0 << 0 << false << "70"
                                             << "10";
    }
    void opening() {
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        QFETCH(QString, term);
        QFETCH(int, insurance);
        QFETCH(int, sms);
        QFETCH(bool, c360);
        QFETCH(QString, b0);
        QFETCH(QString, p0);
        LoanTerms t;
        t.summCred = amount;
        t.procent0 = rate;
        t.srok0 = term;
        t.c360 = c360;
        t.strahYesVKred = insurance == 1;
        t.strahYesNoKred = insurance == 2;
        t.strahSumm = insurance ? "5000" : "0";
        t.strahCol = insurance == 2 ? "3" : "0";
        t.smsYesVKred = sms == 1;
        t.smsYesNoKred = sms == 2;
        t.smsSumm = sms ? "5000" : "0";
        const Opening o = GrafikOpening(t);
        QCOMPARE(NumberText::FloatToStr(o.b0), b0);
        QCOMPARE(NumberText::FloatToStr(o.p0), p0);
        if (rate.startsWith(u'0'))
            QCOMPARE(o.p0, NumberText::StrToFloat(amount) / NumberText::StrToInt(term));
        else
            QCOMPARE(o.p0, Okruglit(o.p0));
    }

    void openingOfNoPaymentsIsDivisionByZero_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::newRow("rate 12") << "100000"
                                 << "12";
        QTest::newRow("rate 0") << "100000"
                                << "0";
        QTest::newRow("rate 0 and amount 0") << "0"
                                             << "0";
    }
    void openingOfNoPaymentsIsDivisionByZero() {
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        LoanTerms t;
        t.summCred = amount;
        t.procent0 = rate;
        t.srok0 = "0";
        QVERIFY_THROWS_EXCEPTION(EZeroDivide, GrafikOpening(t));
    }

    void smsShare_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("share");
        QTest::newRow("1200 over 12") << "1200"
                                      << "12"
                                      << "100";
        QTest::newRow("1000 over 12 goes up to the next kopeck") << "1000"
                                                                 << "12"
                                                                 << "83,34";
        QTest::newRow("1 over 3") << "1"
                                  << "3"
                                  << "0,34";
        QTest::newRow("no package") << "0"
                                    << "12"
                                    << "0";
    }
    void smsShare() {
        QFETCH(QString, price);
        QFETCH(QString, term);
        QFETCH(QString, share);
        LoanTerms t;
        t.smsSumm = price;
        t.srok0 = term;
        t.smsYesNoKred = price != "0";
        QCOMPARE(NumberText::FloatToStr(SmsShare(t)), share);
        t.smsYesNoKred = false;
        t.smsYesVKred = true;
        QCOMPARE(SmsShare(t), 0.0L);
    }
};

QTEST_GUILESS_MAIN(TestScheduleMath)
#include "tst_schedulemath.moc"
