// The schedule as text for other programs: the clipboard's tab-separated rows and the CSV
// file, cell for cell for the worked example, and read back by a CSV reader.
#include "GrafikCalc.h"
#include "Schedule.h"
#include "ScheduleSeries.h"
#include "ScheduleText.h"
#include "StringGrid.h"

#include <QTest>

#include <memory>

using namespace Report;

namespace {

// The worked example: 100 000 at 12 % over 12 monthly payments, issued 15.01.2020, first
// payment 15.02.2020.
Calc::LoanTerms workedExample() {
    Calc::LoanTerms t;
    t.summCred = QStringLiteral("100000");
    t.srok0 = QStringLiteral("12");
    t.procent0 = QStringLiteral("12");
    t.procentRiska0 = QStringLiteral("0");
    t.procent1 = QStringLiteral("0");
    t.srok1 = QStringLiteral("0");
    t.dataVydachi = QDate(2020, 1, 15);
    t.dataPlateja = QDate(2020, 2, 15);
    return t;
}

std::unique_ptr<StringGrid> builtSchedule(const Calc::LoanTerms& terms) {
    auto grafik = std::make_unique<StringGrid>(7, 2);
    StringGrid dosPlat(2, 2);
    Calc::BuildSchedule(terms, *grafik, dosPlat);
    return grafik;
}

LoanSummary workedExampleSummary() {
    LoanSummary s;
    s.name = QStringLiteral("Микроволновка");
    s.lender = QStringLiteral("Банк СберБанк");
    s.amount = QStringLiteral("100000");
    s.rate = QStringLiteral("12");
    s.term = QStringLiteral("12");
    s.secondRate = QStringLiteral("0");
    s.secondFrom = QStringLiteral("0");
    s.issued = QDate(2020, 1, 15);
    s.firstPayment = QDate(2020, 2, 15);
    return s;
}

// A CSV reader as spreadsheets read the files: fields separated by ";", records by CR LF (or
// a bare LF), a quoted field may hold separators, quotes written twice and line breaks.
QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u';') {
            record << field;
            field.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            record << field;
            field.clear();
            records << record;
            record.clear();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.isEmpty())
        records << (record << field);
    return records;
}

const QStringList WorkedExampleRows = {
    "№|Дата|Месячный платёж|Основной долг|Проценты|Остаток долга|корр. процентов",
    "1|15.02.2020|8884,88|7868,49|1016,39|92131,51|",
    "2|15.03.2020|8884,88|8008,88|876,00|84122,63|",
    "3|15.04.2020|8884,88|8029,86|855,02|76092,77|",
    "4|15.05.2020|8884,88|8136,43|748,45|67956,34|",
    "5|15.06.2020|8884,88|8194,18|690,70|59762,16|",
    "6|15.07.2020|8884,88|8297,06|587,82|51465,10|",
    "7|15.08.2020|8884,88|8361,79|523,09|43103,31|",
    "8|15.09.2020|8884,88|8446,78|438,10|34656,53|",
    "9|15.10.2020|8884,88|8544,00|340,88|26112,53|",
    "10|15.11.2020|8884,88|8619,47|265,41|17493,06|",
    "11|15.12.2020|8884,88|8712,82|172,06|8780,24|",
    "12|15.01.2021|8869,60|8780,24|89,36|0,00|",
    "|Итого:|106603,28|100000,00|6603,28||",
};

QString joined(const QStringList& rows, QChar separator, const QString& lineEnd) {
    QString text;
    for (QString row : rows)
        text += row.replace(u'|', separator) + lineEnd;
    return text;
}

} // namespace

class ScheduleTextTest : public QObject {
    Q_OBJECT
private slots:
    void workedExampleOnTheClipboard() {
        const auto grafik = builtSchedule(workedExample());
        QCOMPARE(TabSeparatedText(*grafik), joined(WorkedExampleRows, u'\t', "\n"));
    }

    void workedExampleAsCsv() {
        const auto grafik = builtSchedule(workedExample());
        const QString summary = "Наименование;Микроволновка\r\n"
                                "Кредитор;Банк СберБанк\r\n"
                                "Сумма кредита, руб.;100000,00\r\n"
                                "Процентная ставка, %;12\r\n"
                                "Срок кредита (кол-во платежей);12\r\n"
                                "Дата выдачи кредита;15.01.2020\r\n"
                                "Дата первого платежа;15.02.2020\r\n"
                                "\r\n";
        const QString expected = summary + joined(WorkedExampleRows, u';', "\r\n");
        QCOMPARE(CsvText(*grafik, workedExampleSummary()), expected);
        const QByteArray bytes = CsvFileBytes(*grafik, workedExampleSummary());
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(bytes.mid(3)), expected);
    }

    // Whatever the cells hold, a CSV reader gets back every text of the summary and the grid.
    void csvReadsBackCellForCell() {
        Calc::LoanTerms terms = workedExample();
        terms.smsYesNoKred = true; // an add-on column with the header "  SMS  "
        terms.smsSumm = QStringLiteral("1200");
        terms.procent1 = QStringLiteral("9,5");
        terms.srok1 = QStringLiteral("7");
        const auto grafik = builtSchedule(terms);
        QCOMPARE(grafik->cell(7, 0), QStringLiteral("  SMS  "));
        grafik->setCell(6, 3, QStringLiteral("-5,00"));
        LoanSummary loan = workedExampleSummary();
        loan.name = QStringLiteral("Кредит \"Дом\"; ремонт\r\nкухни ");
        loan.secondRate = terms.procent1;
        loan.secondFrom = terms.srok1;

        const QByteArray bytes = CsvFileBytes(*grafik, loan);
        const QList<QStringList> records = readCsv(QString::fromUtf8(bytes.mid(3)));
        const QList<SummaryField> fields = SummaryFields(loan);
        QCOMPARE(records.size(), fields.size() + 1 + grafik->rowCount());
        for (int i = 0; i < fields.size(); ++i)
            QCOMPARE(records[i].at(1), fields[i].value);
        QCOMPARE(records[0], QStringList({"Наименование", loan.name}));
        QCOMPARE(records[4], QStringList({"Вторая процентная ставка, %", "9,5"}));
        QCOMPARE(records[5], QStringList({"С какого месяца действует", "7"}));
        QCOMPARE(records[fields.size()], QStringList{QString()});
        for (int r = 0; r < grafik->rowCount(); ++r)
            QCOMPARE(records[fields.size() + 1 + r], grafik->row(r));
    }

    void csvField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "8884,88"
                               << "8884,88";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("separator") << "a;b"
                                   << "\"a;b\"";
        QTest::newRow("quotes doubled") << "«Дом» \"2\""
                                        << "\"«Дом» \"\"2\"\"\"";
        QTest::newRow("line break") << "a\nb"
                                    << "\"a\nb\"";
        QTest::newRow("blanks around") << "  SMS  "
                                       << "\"  SMS  \"";
        QTest::newRow("blank inside") << "корр. процентов"
                                      << "корр. процентов";
    }
    void csvField() {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(CsvField(text), field);
    }

    void clipboardKeepsOneCellPerCell() {
        StringGrid grafik(3, 2);
        grafik.setRow(0, {"a\tb", "c\r\nd", ""});
        grafik.setRow(1, {"1", "", "2"});
        QCOMPARE(TabSeparatedText(grafik), QStringLiteral("a b\tc  d\t\n1\t\t2\n"));
    }

    void summaryFields_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("secondRate");
        QTest::addColumn<QString>("secondFrom");
        QTest::addColumn<QString>("amountShown");
        QTest::addColumn<bool>("secondShown");
        QTest::newRow("whole amount") << "100000"
                                      << "0"
                                      << "0"
                                      << "100000,00" << false;
        QTest::newRow("one decimal") << "1500,5"
                                     << ""
                                     << ""
                                     << "1500,50" << false;
        QTest::newRow("second rate") << "100"
                                     << "9,5"
                                     << "7"
                                     << "100,00" << true;
        QTest::newRow("second rate from payment 0") << "100"
                                                    << "9,5"
                                                    << "0"
                                                    << "100,00" << false;
        QTest::newRow("second rate not a number") << "100"
                                                  << "x"
                                                  << "7"
                                                  << "100,00" << false;
    }
    void summaryFields() {
        QFETCH(QString, amount);
        QFETCH(QString, secondRate);
        QFETCH(QString, secondFrom);
        QFETCH(QString, amountShown);
        QFETCH(bool, secondShown);
        LoanSummary loan = workedExampleSummary();
        loan.amount = amount;
        loan.secondRate = secondRate;
        loan.secondFrom = secondFrom;
        const QList<SummaryField> fields = SummaryFields(loan);
        QCOMPARE(fields[2], (SummaryField{"Сумма кредита", amountShown, "руб."}));
        QCOMPARE(fields.size(), secondShown ? 9 : 7);
        QCOMPARE(fields.last().label, QStringLiteral("Дата первого платежа"));
    }

    void hasSchedule() {
        QVERIFY(HasSchedule(*builtSchedule(workedExample())));
        QVERIFY(!HasSchedule(StringGrid(7, 2))); // cleared
        // A build that failed in the amounts leaves numbers and dates without totals.
        Calc::LoanTerms broken = workedExample();
        broken.procent0 = QStringLiteral("x");
        StringGrid grafik(7, 2);
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 Calc::BuildSchedule(broken, grafik, StringGrid(2, 2)));
        QCOMPARE(grafik.cell(1, 1), QStringLiteral("15.02.2020"));
        QVERIFY(!HasSchedule(grafik));
    }

    void seriesOfTheWorkedExample() {
        const auto grafik = builtSchedule(workedExample());
        const QList<SeriesPoint> points = ScheduleSeries(*grafik);
        QCOMPARE(points.size(), 12);
        QCOMPARE(points[0],
                 (SeriesPoint{QDate(2020, 2, 15), 7868.49L, 1016.39L, 92131.51L, false}));
        QCOMPARE(points[11].date, QDate(2021, 1, 15));
        QCOMPARE(points[11].debt, 0.0L);
    }

    void seriesMarksEarlyPayments() {
        StringGrid dosPlat(2, 2);
        dosPlat.setRow(1, {"01.04.2020", "10000"});
        auto grafik = std::make_unique<StringGrid>(7, 2);
        Calc::BuildSchedule(workedExample(), *grafik, dosPlat);
        const QList<SeriesPoint> points = ScheduleSeries(*grafik);
        QVERIFY(points.size() >= 3);
        QCOMPARE(points[2].date, QDate(2020, 4, 1));
        QVERIFY(points[2].early);
        QVERIFY(!points[1].early && !points[3].early);
        QVERIFY(points[2].debt < points[1].debt);
    }
};

QTEST_GUILESS_MAIN(ScheduleTextTest)
#include "tst_scheduletext.moc"
