#include "DateText.h"
#include "NumberText.h"
#include "RegionalSettings.h"

#include <QTest>

// Every test runs once under the C locale and once under a Russian system locale, whose
// decimal separator is a comma too. This test shows that each run really had the locale it
// was given (a locale missing from the machine would silently fall back to C), and that the
// program's own texts do not follow the system's.
class SystemLocaleTest : public QObject {
    Q_OBJECT
private slots:
    void runsUnderTheLocaleItWasGiven() {
        const QString expected = qEnvironmentVariable("SUDOGRAF_SYSTEM_LOCALE", "C");
        const QLocale system = QLocale::system();
        QCOMPARE(system.name(), expected == "C" ? QStringLiteral("C") : expected);
        QCOMPARE(system.decimalPoint(),
                 expected == "C" ? QStringLiteral(".") : QStringLiteral(","));
    }

    void textsAreTheProgramsOwn_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fraction") << NumberText::FloatToStr(1234.5L) << "1234,5";
        QTest::newRow("fixed, grouped")
            << NumberText::FloatToFixed(1234567.891L, 2, true) << "1 234 567,89";
        QTest::newRow("read back")
            << NumberText::FloatToStr(NumberText::StrToFloat("0,25")) << "0,25";
        QTest::newRow("short date") << DateText::DateToStr(QDate(2026, 3, 5)) << "05.03.2026";
        QTest::newRow("long date")
            << Regional::longDate(QDate(2026, 12, 11)) << QString::fromUtf8("11 декабря 2026 г.");
    }
    void textsAreTheProgramsOwn() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }
};

QTEST_APPLESS_MAIN(SystemLocaleTest)
#include "tst_systemlocale.moc"
