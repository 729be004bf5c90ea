#include "CheckedMath.h"

#include <QTest>

#include <limits>

class TestCheckedMath : public QObject {
    Q_OBJECT
private slots:
    void raises_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<long double>("a");
        QTest::addColumn<long double>("b");
        QTest::addColumn<QString>("className");
        const long double big = std::numeric_limits<long double>::max();
        QTest::newRow("x / 0") << 3 << 1.0L << 0.0L << "EZeroDivide";
        QTest::newRow("-x / 0") << 3 << -5.0L << 0.0L << "EZeroDivide";
        QTest::newRow("0 / 0") << 3 << 0.0L << 0.0L << "EInvalidOp";
        QTest::newRow("mul overflow") << 2 << big << 2.0L << "EOverflow";
        QTest::newRow("add overflow") << 0 << big << big << "EOverflow";
        QTest::newRow("sub overflow") << 1 << -big << big << "EOverflow";
        QTest::newRow("div overflow") << 3 << big << 0.5L << "EOverflow";
    }
    void raises() {
        QFETCH(int, op);
        QFETCH(long double, a);
        QFETCH(long double, b);
        QFETCH(QString, className);
        try {
            switch (op) {
            case 0:
                Checked::add(a, b);
                break;
            case 1:
                Checked::sub(a, b);
                break;
            case 2:
                Checked::mul(a, b);
                break;
            default:
                Checked::div(a, b);
                break;
            }
            QFAIL("no exception");
        } catch (const EMathError& e) {
            QCOMPARE(e.className(), className);
        }
    }

    void extendedPrecision() {
        // 64-bit mantissa: 1 + 2^-63 is representable, which a double would lose.
        const long double tiny = std::ldexp(1.0L, -63);
        QVERIFY(Checked::add(1.0L, tiny) != 1.0L);
        QCOMPARE(Checked::div(1.0L, 4.0L), 0.25L);
    }
};

QTEST_GUILESS_MAIN(TestCheckedMath)
#include "tst_checkedmath.moc"
