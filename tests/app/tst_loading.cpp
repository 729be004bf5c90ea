// Loading a record into the window: what was saved comes back field by field and cell by cell,
// in both layouts; a damaged or hostile file gives its message and leaves the window working.
#include "ControlHelpers.h"
#include "Guarded.h"
#include "LineCoder.h"
#include "LoanFieldControls.h"
#include "RecordFiles.h"
#include "RecordWriter.h"
#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Storage;

namespace {

const QString Integrity =
    QStringLiteral("Нарушена целостность данных\n\rЧтение данных невозможно!");
const QString Unreadable = QStringLiteral("Невозможно прочитать строку №");

QByteArray coded(const QStringList& plain) {
    QByteArray bytes;
    for (const QString& line : plain)
        bytes += EncodeLine(line).toLatin1() + "\r\n";
    return bytes;
}

// Replaces the value of one plain line, keeping its key.
void setValue(QStringList& plain, int n, const QString& value) {
    plain[n] = PlainLine(value, n);
}

} // namespace

class LoadingTest : public QObject {
    Q_OBJECT

    TForm1& form() { return *m_form; }

    // A loan with every switch away from its cleared state, a note of several lines with
    // quotation marks, a leap day, nine early payments (shortening the loan or lowering the
    // payment) and a built schedule.
    void fillSample() {
        TForm1& f = form();
        fillWorkedExampleLoan(f);
        f.EName->setText(QStringLiteral("Кредит \"Весна\" 2024"));
        f.EDataVydachi->setDate(QDate(2024, 2, 29));
        f.EDataPlateja->setDate(QDate(2024, 3, 29));
        f.EVidCred->setCurrentIndex(1);
        f.ETip->setCurrentIndex(2);
        f.EProcentRiska0->setText(QStringLiteral("0,5"));
        f.EProcent1->setText(QStringLiteral("9,5"));
        f.ESrok1->setText(QStringLiteral("6"));
        f.SMemo->setPlainText(QStringLiteral("Первая строка \"в кавычках\"\nвторая\n\nпятая"));
        f.EPere->setCurrentIndex(1);
        f.R_30->setEnabled(true);
        f.R_31->setEnabled(true);
        SetChecked(f.CSubb, true);
        SetChecked(f.CPraz, true);
        SetChecked(f.R_30, true);
        SetChecked(f.C360, true);
        SetChecked(f.StrahYesNoKred, true);
        f.StrahSumm->setText(QStringLiteral("1200"));
        f.StrahCol->setText(QStringLiteral("12"));
        SetChecked(f.SMSYesVKred, true);
        f.SMSSumm->setText(QStringLiteral("49"));
        f.DopSumm->setText(QStringLiteral("0,01"));
        StringGrid& dosPlat = f.DosPlat->grid();
        dosPlat.setRowCount(10);
        for (int r = 1; r < 10; ++r)
            dosPlat.setRow(r, {QDate(2024, 4, r).toString(QStringLiteral("dd.MM.yyyy")),
                               QStringLiteral("%1,00").arg(100 * r),
                               r % 2 ? QStringLiteral("срок") : QStringLiteral("платёж")});
        f.BBGrafClick(f.BBGraf);
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        QVERIFY(f.Grafik->grid().rowCount() > 10);
    }

    QStringList samplePlainLines() {
        QRandomGenerator random(7);
        return RecordLines(WindowRecord(form()), QDate(2024, 3, 1), random);
    }

    // Loads a file as a click on its catalogue row does: the fields, the schedule and the early
    // payments cleared, the file opened in the shared text file, then ListLoadData.
    void load(const QByteArray& bytes) {
        const QString path = m_dir.filePath(QStringLiteral("Кредит.sdg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
        guarded(&m_form->errors(), m_form.get(), [&] {
            form().ClearData(form().List);
            form().sharedTextFile().openRead(path);
            form().GrafikClearFull(form().List);
            form().ClearDosPlatClick(form().List);
            form().ListLoadData(form().List);
        });
        // On every path the file ends closed.
        QVERIFY(!form().sharedTextFile().isOpen());
    }

private slots:
    void init() {
        m_messages = std::make_unique<ScriptedMessages>();
        m_form = std::make_unique<TForm1>(*m_messages);
    }
    void cleanup() {
        m_form.reset();
        m_messages.reset();
    }

    void roundTripThroughTheWindow() {
        fillSample();
        const Record saved = WindowRecord(form());
        const QStringList plain = samplePlainLines();
        QCOMPARE(plain[111], QStringLiteral("Grafik0111")); // 81 + 3 * 10 early-payment cells

        form().BClearDataClick(form().BClearData);
        form().R_30->setEnabled(false);
        load(coded(plain));
        QCOMPARE(m_messages->takeMessages(), QStringList{});

        const Record loaded = WindowRecord(form());
        for (const LoanField& f : LoanFields)
            QCOMPARE(loaded[f.field], saved[f.field]);
        QCOMPARE(loaded.status0, saved.status0);
        QCOMPARE(loaded.status1, saved.status1);
        QVERIFY(loaded.dosPlat == saved.dosPlat);
        QVERIFY(loaded.grafik == saved.grafik);

        // As the controls show them.
        TForm1& f = form();
        QCOMPARE(f.EDataVydachi->date(), QDate(2024, 2, 29));
        QCOMPARE(f.SMemo->lines(),
                 (QStringList{"Первая строка \"в кавычках\"", "вторая", "", "пятая"}));
        QVERIFY(f.CSubb->isChecked() && f.CVosk->isChecked() && f.R_30->isChecked());
        QVERIFY(f.StrahYesNoKred->isChecked() && !f.StrahNo->isChecked());
        QVERIFY(f.StrahSumm->isEnabled());
        QCOMPARE(f.StrahSumm->text(), QStringLiteral("1200"));
        QCOMPARE(f.DosPlat->grid().rowCount(), 10);
        QVERIFY(f.R_30->isEnabled() && f.R_31->isEnabled());
        QCOMPARE(f.Progress->maximum(), plain.size());
        QCOMPARE(f.Progress->value(), 0);
        QCOMPARE(f.PCCredaIVklada->currentWidget(), f.TSCredit);
        QCOMPARE(f.RecordLayoutIndicator, RecordLayout::Current);
        // The schedule columns after the first are as wide as their headers.
        const QFontMetrics metrics(f.Grafik->font());
        QCOMPARE(f.Grafik->colWidth(2), metrics.horizontalAdvance(f.Grafik->grid().cell(2, 0)) + 5);
    }

    // A monthly loan disables the 30- and 31-day choices at the end of the load.
    void monthlyLoanDisablesPeriods() {
        fillWorkedExampleLoan(form());
        form().BBGrafClick(form().BBGraf);
        const QStringList plain = samplePlainLines();
        form().R_30->setEnabled(true);
        form().R_31->setEnabled(true);
        load(coded(plain));
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        QVERIFY(!form().R_30->isEnabled() && !form().R_31->isEnabled());
    }

    // An older-layout record loads its fields; the fields it has no line for keep their cleared
    // values.
    void olderLayout() {
        fillSample();
        const Record saved = WindowRecord(form());
        const QStringList plain = RecordFiles::OlderLayoutLines(saved, QStringLiteral("5"));

        form().RecordLayoutIndicator = RecordLayout::Current;
        load(coded(plain));
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        QCOMPARE(form().RecordLayoutIndicator, RecordLayout::Older);
        const Record loaded = WindowRecord(form());
        for (const LoanField& f : LoanFields)
            if (f.olderLine >= 0)
                QCOMPARE(loaded[f.field], saved[f.field]);
        QCOMPARE(form().EDataPlateja->date(), QDate::currentDate());
        QCOMPARE(form().EProcent1->text(), QString());
        QCOMPARE(form().ESrok1->text(), QString());
        QVERIFY(loaded.grafik == saved.grafik);
    }

    // Values that load differently from what they say.
    void valuesLoadedAsTheControlsAllow() {
        fillSample();
        QStringList plain = samplePlainLines();
        setValue(plain, 11, QStringLiteral("Банк, которого нет в списке"));
        setValue(plain, 30, QStringLiteral("Раз в год"));
        setValue(plain, 31, FlagTrue);  // CSubb
        setValue(plain, 32, FlagFalse); // CVosk unticks Saturdays again
        setValue(plain, 9, QStringLiteral("TSVklad"));
        load(coded(plain));
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        QCOMPARE(form().ECreditor->currentIndex(), -1);
        QCOMPARE(form().EPere->currentIndex(), 0); // as clearing left it
        QVERIFY(!form().CSubb->isChecked());
        QVERIFY(!form().CVosk->isChecked());
        QCOMPARE(form().PCCredaIVklada->currentWidget(), form().TSCredit);
    }

    // The early-payments section cut short and followed by the schedule marker: the cells
    // present, then the whole schedule.
    void earlyPaymentsCutShort() {
        fillSample();
        const Record saved = WindowRecord(form());
        QStringList plain = samplePlainLines();
        plain.remove(81 + 9, 21); // three of the ten rows left
        for (int n = 81; n < plain.size(); ++n)
            plain[n] = PlainLine(LineValue(plain[n]), n);
        load(coded(plain));
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        const StringGrid& dosPlat = form().DosPlat->grid();
        QCOMPARE(dosPlat.rowCount(), 10);
        QCOMPARE(dosPlat.row(2), (QStringList{saved.dosPlat.cell(0, 2), saved.dosPlat.cell(1, 2),
                                              saved.dosPlat.cell(2, 2)}));
        QCOMPARE(dosPlat.row(3), QStringList(3, QString()));
        QVERIFY(WindowRecord(form()).grafik == saved.grafik);
    }

    // Damaged and hostile files: the message, what stays loaded, and the window goes on.
    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // a report is matched by its start
        QTest::addColumn<bool>("nameLoaded");
        QTest::addColumn<int>("grafikRows"); // -1: as clearing left it

        // The cases are built from a record saved by a window of their own.
        init();
        fillSample();
        const QStringList plain = samplePlainLines();
        const int total = int(plain.size());
        const int rows = form().Grafik->grid().rowCount();
        const QByteArray good = coded(plain);
        const auto changed = [&](int n, const QString& value) {
            QStringList p = plain;
            setValue(p, n, value);
            return coded(p);
        };
        const int line50 = int(good.indexOf(EncodeLine(plain[50]).toLatin1()));

        QTest::newRow("empty line")
            << QByteArray(good).insert(line50, "\r\n") << Integrity << false << -1;
        QTest::newRow("trailing empty line") << good + "\r\n" << Integrity << false << -1;
        QStringList swapped = plain;
        swapped.swapItemsAt(14, 15);
        QTest::newRow("lines 14 and 15 swapped") << coded(swapped) << Integrity << false << -1;
        QStringList shortKey = plain;
        shortKey[31] = QStringLiteral("31");
        QTest::newRow("key of line 31 not in four digits")
            << coded(shortKey) << Unreadable + "31" << true << -1;
        QTest::newRow("wrong early-payments marker")
            << changed(80, "Grafik") << Unreadable + "80" << true << rows;
        // Grids of no rows and columns at all: nothing to show, nothing breaks.
        QStringList empty = plain.mid(0, 81);
        for (int n = 72; n < 76; ++n)
            setValue(empty, n, QStringLiteral("0"));
        empty << PlainLine(GrafikMarker, 81);
        QTest::newRow("empty grids") << coded(empty) << QString() << true << 0;
        QTest::newRow("empty file") << QByteArray() << QString() << false << -1;
        QTest::newRow("truncated schedule")
            << coded(plain.mid(0, total - 9)) << Unreadable + QString::number(total - 9) << true
            << rows;
        QTest::newRow("2,000,000,000 schedule rows")
            << changed(75, "2000000000") << Unreadable + "75" << true << -1;
        QTest::newRow("2,000,000,000 early-payment columns")
            << changed(72, "2000000000") << Unreadable + "72" << true << -1;
        QTest::newRow("count that is not a number")
            << changed(74, "семь") << "ОШИБКА ПРОГРАММЫ!!!\n\rКласс ошибки:......EConvertError"
            << true << -1;
        QTest::newRow("date that is not a date")
            << changed(18, "31.02.2024")
            << "ОШИБКА ПРОГРАММЫ!!!\n\rКласс ошибки:......EConvertError" << true << -1;
        QTest::newRow("10 MB line")
            << good.left(line50) + QByteArray(10'000'000, 'V') + "\r\n" + good.mid(line50)
            << Integrity << false << -1;
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 37) & 0xff);
        QTest::newRow("binary file")
            << binary << "ОШИБКА ПРОГРАММЫ!!!\n\rКласс ошибки:......EConvertError" << false << -1;
        cleanup();
    }
    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(bool, nameLoaded);
        QFETCH(int, grafikRows);

        form().EName->setText(QString());
        form().GrafikClearFull(form().List);
        const int clearedRows = form().Grafik->grid().rowCount();
        // The record read before had the current layout.
        form().RecordLayoutIndicator = RecordLayout::Current;
        load(bytes);
        const QStringList messages = m_messages->takeMessages();
        if (message.isEmpty()) {
            QCOMPARE(messages, QStringList{});
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].startsWith(message), qPrintable(messages[0]));
        }
        QCOMPARE(form().EName->text().isEmpty(), !nameLoaded);
        QCOMPARE(form().Grafik->grid().rowCount(), grafikRows < 0 ? clearedRows : grafikRows);
        QVERIFY(form().DosPlat->grid().rowCount() <= 10);

        // The window goes on: the sound record loads.
        fillSample();
        const Record saved = WindowRecord(form());
        const QStringList plain = samplePlainLines();
        form().BClearDataClick(form().BClearData);
        load(coded(plain));
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        QVERIFY(WindowRecord(form()) == saved);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TForm1> m_form;
};

QTEST_MAIN(LoadingTest)
#include "tst_loading.moc"
