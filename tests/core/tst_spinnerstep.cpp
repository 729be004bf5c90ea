// The arithmetic of the rate spinners and when a click rebuilds the schedule.
#include "Exceptions.h"
#include "SpinnerStep.h"

#include <QTest>

using namespace SpinnerStep;

Q_DECLARE_METATYPE(SpinnerStep::Direction)
Q_DECLARE_METATYPE(SpinnerStep::LowerBound)

class TestSpinnerStep : public QObject {
    Q_OBJECT
private slots:
    void step_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<long double>("step");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<LowerBound>("bound");
        QTest::addColumn<QString>("expected");
        const auto up = Direction::Up;
        const auto down = Direction::Down;
        const auto rate = LowerBound::AboveStep;
        const auto deviation = LowerBound::None;
        QTest::newRow("cleared rate up by 0.01") << "0,00" << 0.01L << up << rate << "0,01";
        QTest::newRow("12 down by 10") << "12" << 10.0L << down << rate << "2";
        QTest::newRow("2 down by 10 stays") << "2" << 10.0L << down << rate << "2";
        QTest::newRow("10 down by 10 stays") << "10" << 10.0L << down << rate << "10";
        QTest::newRow("0,01 down by 0.01 stays") << "0,01" << 0.01L << down << rate << "0,01";
        QTest::newRow("0,1 down by 0.1 stays") << "0,1" << 0.1L << down << rate << "0,1";
        QTest::newRow("0,01 down by 0.001") << "0,01" << 0.001L << down << rate << "0,009";
        QTest::newRow("untouched text kept as written") << "0,00" << 1.0L << down << rate << "0,00";
        QTest::newRow("whole result without comma") << "11,5" << 0.5L << up << rate << "12";
        QTest::newRow("deviation 0 down by 0.1") << "0" << 0.1L << down << deviation << "-0,1";
        QTest::newRow("deviation -0,1 up by 0.1") << "-0,1" << 0.1L << up << deviation << "0";
        QTest::newRow("deviation down to exponent form")
            << "0,00015" << 0.0001L << down << deviation << "5E-5";
        QTest::newRow("deviation far below zero") << "-5" << 10.0L << down << deviation << "-15";
        QTest::newRow("rate from exponent form") << "5E-5" << 0.0001L << up << rate << "0,00015";
        QTest::newRow("fifteen digits kept") << "0,123456" << 0.0001L << up << rate << "0,123556";
    }
    void step() {
        QFETCH(QString, text);
        QFETCH(long double, step);
        QFETCH(Direction, direction);
        QFETCH(LowerBound, bound);
        QFETCH(QString, expected);
        QCOMPARE(Step(text, step, direction, bound), expected);
    }

    // Repeated steps do not show their rounding error.
    void repeatedSteps() {
        QString text = QStringLiteral("0,1");
        text = Step(text, 0.1L, Direction::Up, LowerBound::AboveStep);
        text = Step(text, 0.1L, Direction::Up, LowerBound::AboveStep);
        QCOMPARE(text, QStringLiteral("0,3"));
        for (int i = 0; i < 3; ++i)
            text = Step(text, 0.1L, Direction::Down, LowerBound::None);
        QCOMPARE(text, QStringLiteral("0"));
        for (int i = 0; i < 1000; ++i)
            text = Step(text, 0.0001L, Direction::Up, LowerBound::None);
        QCOMPARE(text, QStringLiteral("0,1"));
    }

    void notANumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LowerBound>("bound");
        QTest::newRow("empty second rate") << "" << LowerBound::AboveStep;
        QTest::newRow("empty deviation") << "" << LowerBound::None;
        QTest::newRow("pasted letters") << "abc" << LowerBound::AboveStep;
        QTest::newRow("dot instead of comma") << "0.00" << LowerBound::None;
    }
    void notANumber() {
        QFETCH(QString, text);
        QFETCH(LowerBound, bound);
        for (Direction direction : {Direction::Up, Direction::Down}) {
            try {
                Step(text, 0.1L, direction, bound);
                QFAIL("no conversion error");
            } catch (const EConvertError& e) {
                QCOMPARE(e.message(),
                         QStringLiteral("'%1' is not a valid floating point value").arg(text));
            }
        }
    }

    void rebuildWanted_data() {
        QTest::addColumn<QString>("creditor");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("summ");
        QTest::addColumn<QString>("srok");
        QTest::addColumn<QString>("procent");
        QTest::addColumn<bool>("wanted");
        const QString bank = QStringLiteral("Банк ВТБ");
        const QString tip = QStringLiteral("Аннуитетный платеж");
        QTest::newRow("all five filled") << bank << tip << "100000"
                                         << "12"
                                         << "17,5" << true;
        QTest::newRow("cleared rate with comma rebuilds") << bank << tip << "100000"
                                                          << "12"
                                                          << "0,00" << true;
        QTest::newRow("no lender") << "" << tip << "100000"
                                   << "12"
                                   << "17,5" << false;
        QTest::newRow("no payment type") << bank << ""
                                         << "100000"
                                         << "12"
                                         << "17,5" << false;
        QTest::newRow("no amount") << bank << tip << ""
                                   << "12"
                                   << "17,5" << false;
        QTest::newRow("no term") << bank << tip << "100000"
                                 << ""
                                 << "17,5" << false;
        QTest::newRow("no rate") << bank << tip << "100000"
                                 << "12"
                                 << "" << false;
        QTest::newRow("untouched rate with dot") << bank << tip << "100000"
                                                 << "12"
                                                 << "0.00" << false;
    }
    void rebuildWanted() {
        QFETCH(QString, creditor);
        QFETCH(QString, tip);
        QFETCH(QString, summ);
        QFETCH(QString, srok);
        QFETCH(QString, procent);
        QFETCH(bool, wanted);
        QCOMPARE(RebuildWanted(creditor, tip, summ, srok, procent), wanted);
    }
};

QTEST_GUILESS_MAIN(TestSpinnerStep)
#include "tst_spinnerstep.moc"
