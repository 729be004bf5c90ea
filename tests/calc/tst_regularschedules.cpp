// Schedules without early payments stay exactly as they were: many random loans are built and
// every resulting grid (all cells, the totals and the status texts, or the failure) is compared
// by its digest with the digest recorded in data/regular_schedules.txt.
//
// The loans come from a fixed seed, so the same loans are built on every run. To record the
// digests of the current engine (only when a change of the schedule rules is meant to change
// these schedules), run the test with SUDOGRAF_WRITE_SCHEDULE_DIGESTS set to the file to write.
#include "Exceptions.h"
#include "Schedule.h"
#include "StringGrid.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include <random>

using namespace Calc;

namespace {

constexpr int LoanCount = 1000;
constexpr std::uint32_t Seed = 20240611;

// Whole numbers from the generator's raw output, which the standard fixes for every platform
// (unlike its distributions).
class Dice {
public:
    int between(int low, int high) {
        return low + static_cast<int>(m_engine() % static_cast<std::uint32_t>(high - low + 1));
    }
    bool chance(int percent) { return between(1, 100) <= percent; }

private:
    std::mt19937 m_engine{Seed};
};

// A number text with the decimal comma: whole / 10^decimals.
QString decimalText(long long whole, int decimals) {
    QString text = QString::number(whole);
    if (decimals > 0) {
        text = text.rightJustified(decimals + 1, u'0');
        text.insert(text.size() - decimals, u',');
    }
    return text;
}

struct RandomLoan {
    LoanTerms terms;
    int correctionRow = 0;
    QString correction;
    QString description;
};

RandomLoan randomLoan(Dice& dice) {
    RandomLoan loan;
    LoanTerms& t = loan.terms;
    t.summCred = dice.chance(50) ? decimalText(dice.between(1000, 3000000), 0)
                                 : decimalText(dice.between(100000, 300000000), 2);
    const int n = dice.chance(90) ? dice.between(1, 60) : dice.between(61, 360);
    t.srok0 = QString::number(n);
    t.procent0 = dice.chance(8) ? QStringLiteral("0")
                                : decimalText(dice.between(1, 600000), dice.between(0, 4));
    t.procentRiska0 = dice.chance(80) ? QStringLiteral("0")
                                      : decimalText(dice.between(-200, 300), dice.between(0, 1));
    if (dice.chance(25) && n >= 2) {
        t.procent1 = decimalText(dice.between(0, 600000), dice.between(0, 4));
        t.srok1 = QString::number(dice.between(2, n));
    } else {
        t.procent1 = QStringLiteral("0");
        t.srok1 = QStringLiteral("0");
    }
    t.dataVydachi = QDate(2012, 1, 1).addDays(dice.between(0, 365 * 14));
    t.dataPlateja = t.dataVydachi.addDays(dice.between(1, 95));
    const int period = dice.between(1, 10);
    t.r30 = period == 9;
    t.r31 = period == 10;
    t.cPraz = dice.chance(30);
    t.cSubb = dice.chance(30);
    t.cVosk = t.cSubb || dice.chance(30);
    t.c360 = dice.chance(20);
    switch (dice.between(1, 3)) {
    case 2:
        t.strahYesVKred = true;
        t.strahSumm = decimalText(dice.between(100, 30000), 0);
        break;
    case 3:
        t.strahYesNoKred = true;
        t.strahSumm = decimalText(dice.between(10000, 3000000), 2);
        t.strahCol = QString::number(dice.between(1, std::max(1, std::min(n, 24))));
        break;
    default:
        break;
    }
    switch (dice.between(1, 3)) {
    case 2:
        t.smsYesVKred = true;
        t.smsSumm = decimalText(dice.between(50, 5000), 0);
        break;
    case 3:
        t.smsYesNoKred = true;
        t.smsSumm = decimalText(dice.between(50, 5000), dice.between(0, 2));
        break;
    default:
        break;
    }
    if (dice.chance(15)) {
        loan.correctionRow = dice.between(1, n);
        loan.correction = decimalText(dice.between(-5000, 5000), 2);
    }
    const auto flag = [](bool on) {
        return on ? QStringLiteral("yes") : QStringLiteral("no");
    };
    loan.description =
        QStringLiteral("amount %1, n %2, rate %3, deviation %4, second rate %5 from %6, issued %7, "
                       "first payment %8")
            .arg(t.summCred, t.srok0, t.procent0, t.procentRiska0, t.procent1, t.srok1,
                 t.dataVydachi.toString(Qt::ISODate), t.dataPlateja.toString(Qt::ISODate)) +
        QStringLiteral(", 30 days %1, 31 days %2, holidays %3, Saturdays %4, Sundays %5, 360 %6")
            .arg(flag(t.r30), flag(t.r31), flag(t.cPraz), flag(t.cSubb), flag(t.cVosk),
                 flag(t.c360)) +
        QStringLiteral(", insurance included %1 on top %2: %3 over %4, SMS included %5 on top "
                       "%6: %7, correction %8 on row %9")
            .arg(flag(t.strahYesVKred), flag(t.strahYesNoKred), t.strahSumm, t.strahCol,
                 flag(t.smsYesVKred), flag(t.smsYesNoKred), t.smsSumm, loan.correction,
                 QString::number(loan.correctionRow));
    return loan;
}

// Every cell of the built grid and the status texts, or the failure and what the grid kept.
QByteArray scheduleDigest(const RandomLoan& loan) {
    StringGrid grafik(7, 2);
    if (loan.correctionRow > 0) {
        grafik.setRowCount(loan.correctionRow + 1);
        grafik.setCell(6, loan.correctionRow, loan.correction);
    }
    StringGrid dosPlat(2, 2);
    QString outcome;
    try {
        const ScheduleTotals totals = BuildSchedule(loan.terms, grafik, dosPlat);
        outcome = totals.debt + u'\n' + totals.overpayment;
    } catch (const Exception& e) {
        outcome = e.className();
    }
    QCryptographicHash hash(QCryptographicHash::Md5);
    for (int r = 0; r < grafik.rowCount(); ++r)
        hash.addData((grafik.row(r).join(u'|') + u'\n').toUtf8());
    hash.addData(outcome.toUtf8());
    return hash.result().toHex();
}

QString digestFile() {
    return QStringLiteral(SUDOGRAF_TEST_DATA "/regular_schedules.txt");
}

} // namespace

class TestRegularSchedules : public QObject {
    Q_OBJECT
private slots:
    void unchanged() {
        Dice dice;
        const QByteArray writeTo = qgetenv("SUDOGRAF_WRITE_SCHEDULE_DIGESTS");
        if (!writeTo.isEmpty()) {
            QFile out(QString::fromLocal8Bit(writeTo));
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write("# Digests of the schedules of tst_regularschedules' random loans\n");
            for (int k = 0; k < LoanCount; ++k)
                out.write(scheduleDigest(randomLoan(dice)) + '\n');
            QSKIP("digests written");
        }

        QFile in(digestFile());
        QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(digestFile()));
        QList<QByteArray> digests;
        for (const QByteArray& line : in.readAll().split('\n'))
            if (!line.isEmpty() && !line.startsWith('#'))
                digests << line.trimmed();
        QCOMPARE(digests.size(), LoanCount);

        int changed = 0;
        for (int k = 0; k < LoanCount; ++k) {
            const RandomLoan loan = randomLoan(dice);
            if (scheduleDigest(loan) != digests[k]) {
                ++changed;
                qWarning("loan %d changed: %s", k, qPrintable(loan.description));
            }
        }
        QVERIFY2(changed == 0,
                 qPrintable(QStringLiteral("%1 schedules changed. When the change is meant, record "
                                           "the digests anew: SUDOGRAF_WRITE_SCHEDULE_DIGESTS=%2 "
                                           "tst_regularschedules")
                                .arg(changed)
                                .arg(digestFile())));
    }
};

QTEST_GUILESS_MAIN(TestRegularSchedules)
#include "tst_regularschedules.moc"
