#include "Exceptions.h"
#include "NumberText.h"

#include <QTest>

#include <charconv>
#include <clocale>
#include <random>
#include <string>

using namespace NumberText;

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The system's C locale must not leak into number texts (QCoreApplication calls
        // setlocale(LC_ALL, "") and a system with a comma or a dot must not matter).
        std::setlocale(LC_ALL, "C.UTF-8");
    }

    void floatToStr_data() {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 876.0L << "876";
        QTest::newRow("one decimal") << 8869.6L << "8869,6";
        QTest::newRow("zero") << 0.0L << "0";
        QTest::newRow("negative zero") << -0.0L << "0";
        QTest::newRow("negative") << -0.1L << "-0,1";
        QTest::newRow("two decimals") << 106603.28L << "106603,28";
        QTest::newRow("0.1 three times") << (0.1L + 0.1L + 0.1L) << "0,3";
        QTest::newRow("step down to 5E-5") << (0.00015L - 0.0001L) << "5E-5";
        QTest::newRow("below 0.0001") << 0.00005L << "5E-5";
        QTest::newRow("1.5E-7") << 1.5e-7L << "1,5E-7";
        QTest::newRow("0.0001 stays fixed") << 0.0001L << "0,0001";
        QTest::newRow("0.00015 fixed") << 0.00015L << "0,00015";
        QTest::newRow("15 whole digits") << 999999999999999.0L << "999999999999999";
        QTest::newRow("16 whole digits") << 1e15L << "1E15";
        QTest::newRow("1E20") << 1e20L << "1E20";
        QTest::newRow("15 significant digits") << (2.0L / 3.0L) << "0,666666666666667";
        QTest::newRow("rounding up to whole") << 12.9999999999999999L << "13";
        QTest::newRow("negative exponent form") << -2.5e-6L << "-2,5E-6";
    }
    void floatToStr() {
        QFETCH(long double, value);
        QFETCH(QString, text);
        QCOMPARE(FloatToStr(value), text);
    }

    void strToFloat_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<long double>("value");
        QTest::newRow("whole") << "876" << 876.0L;
        QTest::newRow("comma") << "8869,6" << 8869.6L;
        QTest::newRow("negative") << "-0,1" << -0.1L;
        QTest::newRow("exponent") << "5E-5" << 5e-5L;
        QTest::newRow("mantissa exponent") << "1,5E-7" << 1.5e-7L;
        QTest::newRow("leading comma") << ",5" << 0.5L;
        QTest::newRow("trailing comma") << "12," << 12.0L;
        QTest::newRow("two decimals") << "0,00" << 0.0L;
        QTest::newRow("1E20") << "1E20" << 1e20L;
    }
    void strToFloat() {
        QFETCH(QString, text);
        QFETCH(long double, value);
        QCOMPARE(StrToFloat(text), value);
    }

    void strToFloatRejects_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "abc";
        QTest::newRow("dot") << "1.5";
        QTest::newRow("two commas") << "1,2,3";
        QTest::newRow("lone minus") << "-";
        QTest::newRow("lone comma") << ",";
        QTest::newRow("spaces") << " 12";
        QTest::newRow("grouped") << "1 000";
        QTest::newRow("bare exponent") << "1E";
        QTest::newRow("inf") << "INF";
        QTest::newRow("nan") << "NAN";
        QTest::newRow("overflow") << "1E5000";
    }
    void strToFloatRejects() {
        QFETCH(QString, text);
        try {
            StrToFloat(text);
            QFAIL("no EConvertError");
        } catch (const EConvertError& e) {
            QCOMPARE(e.className(), QStringLiteral("EConvertError"));
            QCOMPARE(e.message(),
                     QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }

    void roundTrip() {
        for (long double v : {0.1L, 1234.56L, 100000.0L / 3.0L, 1e-9L, -77.01L}) {
            const QString text = FloatToStr(v);
            QCOMPARE(FloatToStr(StrToFloat(text)), text);
        }
    }

    // Amount-like texts are read and written by exact integer shortcuts; they must agree with
    // the general correctly rounded conversions everywhere, ties and range edges included.
    void shortcutsAgreeWithGeneralConversion() {
        std::mt19937_64 random(20261210);
        const auto read = [](const std::string& c) {
            long double v = 0;
            std::from_chars(c.data(), c.data() + c.size(), v);
            return v;
        };
        for (int i = 0; i < 200000; ++i) {
            long double v;
            switch (i % 4) {
            case 0: // kopeck amounts
                v = static_cast<long double>(random() % 100000000000ULL) / 100.0L;
                break;
            case 1: // results of long arithmetic
                v = static_cast<long double>(random() % 1000000000ULL) / 3.0L / 7.0L;
                break;
            case 2: // any magnitude around the fixed-form range
                v = std::ldexp(static_cast<long double>(random() | 1ULL << 63), -64) *
                    std::pow(10.0L, static_cast<long double>(static_cast<int>(random() % 24) - 6));
                break;
            default: // exact ties at the 15th digit
                v = static_cast<long double>(random() % 1000000000000000ULL) + 0.5L;
                break;
            }
            // Written: the same 15 digits as the general correctly rounded form.
            char buf[64];
            auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
            const long double fifteen = read(std::string(buf, res.ptr));
            QCOMPARE(StrToFloat(FloatToStr(v)), fifteen);
            // Read: a kopeck text gives the correctly rounded value.
            res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
            std::string cents(buf, res.ptr);
            const long double expected = read(cents);
            cents[cents.find('.')] = ',';
            QCOMPARE(StrToFloat(QString::fromLatin1(cents.c_str())), expected);
        }
    }

    void nonFiniteIsNeverShown() {
        QVERIFY_THROWS_EXCEPTION(EOverflow,
                                 FloatToStr(std::numeric_limits<long double>::infinity()));
        QVERIFY_THROWS_EXCEPTION(EInvalidOp,
                                 FloatToStr(std::numeric_limits<long double>::quiet_NaN()));
    }

    void strToInt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "12" << true << 12;
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("comma") << "1,5" << false << 0;
        QTest::newRow("plus") << "+1" << false << 0;
        QTest::newRow("too large") << "99999999999" << false << 0;
    }
    void strToInt() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        if (valid) {
            QCOMPARE(StrToInt(text), value);
        } else {
            try {
                StrToInt(text);
                QFAIL("no EConvertError");
            } catch (const EConvertError& e) {
                QCOMPARE(e.message(),
                         QStringLiteral("'%1' is not a valid integer value").arg(text));
            }
        }
    }

    void floatToFixed_data() {
        QTest::addColumn<long double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0L << 2 << true << "0,00";
        QTest::newRow("grouped") << 1234567.891L << 2 << true << "1 234 567,89";
        QTest::newRow("plain") << 1234567.891L << 2 << false << "1234567,89";
        QTest::newRow("half up") << 1.005L << 2 << false << "1,01";
        QTest::newRow("negative half") << -0.125L << 2 << false << "-0,13";
        QTest::newRow("tiny negative") << -0.001L << 2 << false << "0,00";
        QTest::newRow("carry") << 999.999L << 2 << true << "1 000,00";
        QTest::newRow("no decimals") << 12.5L << 0 << false << "13";
    }
    void floatToFixed() {
        QFETCH(long double, value);
        QFETCH(int, decimals);
        QFETCH(bool, grouped);
        QFETCH(QString, text);
        QCOMPARE(FloatToFixed(value, decimals, grouped), text);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
