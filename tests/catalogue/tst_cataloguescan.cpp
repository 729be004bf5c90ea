// The catalogue scan over a working folder: rows, upcoming payments, finished loans, and the
// record that ends the scan.
#include "CatalogueScan.h"
#include "Exceptions.h"
#include "LineCoder.h"
#include "RecordFiles.h"
#include "SharedTextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Catalogue::ScanFailure;

namespace {

const QDate Today(2030, 6, 15);

QStringList dates(const Catalogue::CatalogueScan& scan) {
    QStringList out;
    for (const Catalogue::UpcomingPayment& p : scan.payments)
        out << p.date;
    return out;
}

} // namespace

class CatalogueScanTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_folder = m_dir->path();
        m_layout = Storage::RecordLayout::Older;
    }

    void emptyFolder() {
        const Catalogue::CatalogueScan scan = scanFolder();
        QVERIFY(scan.rows.empty());
        QVERIFY(scan.payments.empty());
        QVERIFY(!scan.failure);
    }

    // A payment dated today is still due; one dated yesterday is not. The totals row is never
    // taken, and each payment carries its amount and the loan's stored name.
    void paymentsFromTodayOn() {
        RecordFiles::Write(m_folder, "a",
                           RecordFiles::Loan("Кредит", QDate(2030, 1, 10),
                                             {Today.addDays(-1), Today, Today.addMonths(1)},
                                             "2500,50"));
        const Catalogue::CatalogueScan scan = scanFolder();
        QVERIFY(!scan.failure);
        QCOMPARE(scan.rows.size(), size_t(1));
        QCOMPARE(scan.rows[0].name, QStringLiteral("a"));
        QCOMPARE(scan.rows[0].issueDate, QStringLiteral("10.01.2030"));
        QVERIFY(!scan.rows[0].finished);
        QCOMPARE(dates(scan), (QStringList{"15.06.2030", "15.07.2030"}));
        for (const Catalogue::UpcomingPayment& p : scan.payments) {
            QCOMPARE(p.amount, QStringLiteral("2500,50"));
            QCOMPARE(p.recordName, QStringLiteral("Кредит"));
        }
        QCOMPARE(m_layout, Storage::RecordLayout::Current);
    }

    // A loan whose last payment was yesterday is finished and, when finished loans are hidden,
    // its row is emptied; one whose last payment is today is not.
    void finishedLoans_data() {
        QTest::addColumn<int>("lastPaymentFromToday");
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<bool>("listed");
        QTest::newRow("yesterday, hidden") << -1 << true << true << false;
        QTest::newRow("yesterday, shown") << -1 << false << true << true;
        QTest::newRow("today, hidden") << 0 << true << false << true;
    }
    void finishedLoans() {
        QFETCH(int, lastPaymentFromToday);
        QFETCH(bool, hide);
        QFETCH(bool, finished);
        QFETCH(bool, listed);
        const QDate last = Today.addDays(lastPaymentFromToday);
        RecordFiles::Write(m_folder, "a",
                           RecordFiles::Loan("a", QDate(2029, 1, 1),
                                             {last.addMonths(-2), last.addMonths(-1), last}));
        const Catalogue::CatalogueScan scan = scanFolder(hide);
        QCOMPARE(scan.rows[0].finished, finished);
        QCOMPARE(scan.rows[0].name.isEmpty(), !listed);
        QCOMPARE(scan.rows[0].issueDate.isEmpty(), !listed);
        QCOMPARE(scan.payments.size(), size_t(finished ? 0 : 1));
    }

    // The catalogue lists the file's name; the payments carry the name stored in the record.
    void renamedOutsideTheProgram() {
        RecordFiles::Write(m_folder, "другое имя",
                           RecordFiles::Loan("Кредит", QDate(2030, 1, 10), {Today}));
        const Catalogue::CatalogueScan scan = scanFolder();
        QCOMPARE(scan.rows[0].name, QStringLiteral("другое имя"));
        QCOMPARE(scan.payments.at(0).recordName, QStringLiteral("Кредит"));
    }

    // Only the schedule's own marker starts the schedule: a loan named "Grafik" or with the
    // note "Grafik" lists its payments like any other.
    void nameOrNoteReadingGrafik_data() {
        QTest::addColumn<int>("field");
        QTest::newRow("name") << int(Storage::Field::EName);
        QTest::newRow("note") << int(Storage::Field::SMemo);
    }
    void nameOrNoteReadingGrafik() {
        QFETCH(int, field);
        Storage::Record loan =
            RecordFiles::Loan("Кредит", QDate(2030, 1, 10), RecordFiles::Monthly(Today, 3));
        loan[Storage::Field(field)] = Storage::GrafikMarker;
        RecordFiles::Write(m_folder, "a", loan);
        const Catalogue::CatalogueScan scan = scanFolder();
        QVERIFY(!scan.failure);
        QCOMPARE(dates(scan), (QStringList{"15.06.2030", "15.07.2030", "15.08.2030"}));
    }

    // An older-layout record gives its name and issue date from its own lines.
    void olderLayout() {
        const Storage::Record loan =
            RecordFiles::Loan("Старый", QDate(2012, 3, 4), {Today, Today.addMonths(1)});
        QStringList lines;
        for (int n = 0; n < 37; ++n) {
            const Storage::LayoutLine& line = Storage::LayoutLines(Storage::RecordLayout::Older)[n];
            QString value = QStringLiteral("0");
            if (line.kind == Storage::LineKind::LoanField)
                value = loan[line.field];
            else if (line.kind == Storage::LineKind::GrafikCols)
                value = QString::number(loan.grafik.colCount);
            else if (line.kind == Storage::LineKind::GrafikRows)
                value = QString::number(loan.grafik.rowCount);
            else if (line.kind == Storage::LineKind::DosPlatCols ||
                     line.kind == Storage::LineKind::DosPlatRows)
                value = QStringLiteral("2");
            lines << Storage::PlainLine(value, n);
        }
        QStringList tail{Storage::DosPlatMarker, "Дата", "Сумма", "", "", Storage::GrafikMarker};
        for (const QString& cell : loan.grafik.cells)
            tail << cell;
        for (const QString& value : tail)
            lines << Storage::PlainLine(value, static_cast<int>(lines.size()));
        RecordFiles::WriteLines(m_folder, "old.sdg", lines);

        const Catalogue::CatalogueScan scan = scanFolder();
        QVERIFY(!scan.failure);
        QCOMPARE(m_layout, Storage::RecordLayout::Older);
        QCOMPARE(scan.rows[0].issueDate, QStringLiteral("04.03.2012"));
        QCOMPARE(dates(scan), (QStringList{"15.06.2030", "15.07.2030"}));
        QCOMPARE(scan.payments[0].recordName, QStringLiteral("Старый"));
    }

    // A record that cannot be read ends the scan with its message; the rows read before it
    // keep what they gave, the rows after it are listed but not read.
    void failingRecordEndsTheScan_data() {
        QTest::addColumn<int>("damage");
        QTest::addColumn<int>("kind");
        QTest::newRow("folder named like a record") << 0 << int(ScanFailure::Kind::Access);
        QTest::newRow("altered line") << 1 << int(ScanFailure::Kind::Integrity);
        QTest::newRow("empty line") << 2 << int(ScanFailure::Kind::Integrity);
        QTest::newRow("schedule date that is not one") << 3 << int(ScanFailure::Kind::Error);
    }
    void failingRecordEndsTheScan() {
        QFETCH(int, damage);
        QFETCH(int, kind);
        const QString damaged = m_folder + "/bad.sdg";
        Storage::Record loan = RecordFiles::Loan("bad", QDate(2030, 1, 10), {Today, Today});
        if (damage == 3)
            loan.grafik.cells[2 * 7 + 1] = QStringLiteral("32.13.2030");
        if (damage == 0) {
            QVERIFY(QDir(m_folder).mkdir("bad.sdg"));
        } else {
            RecordFiles::Write(m_folder, "bad", loan);
            QFile file(damaged);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray content = file.readAll();
            if (damage == 1)
                content[content.indexOf("\r\n", 500) - 3] ^= 1; // a letter of some line
            if (damage == 2)
                content.append("\r\n");
            file.resize(0);
            file.write(content);
        }
        const Catalogue::CatalogueScan scan = scanFolder();
        QCOMPARE(int(scan.failure.kind), kind);
        QCOMPARE(scan.rows[static_cast<size_t>(scan.failure.row)].name, QStringLiteral("bad"));
        if (kind == int(ScanFailure::Kind::Error)) {
            QVERIFY_THROWS_EXCEPTION(EConvertError, std::rethrow_exception(scan.failure.error));
            // The payment before the bad date was taken, and the issue date was read.
            QCOMPARE(dates(scan), QStringList{"15.06.2030"});
            QCOMPARE(scan.rows[0].issueDate, QStringLiteral("10.01.2030"));
        } else {
            QVERIFY(scan.payments.empty());
            QCOMPARE(scan.rows[0].issueDate, QString());
        }
        QCOMPARE(scan.failure.message(),
                 kind == int(ScanFailure::Kind::Access) ? QStringLiteral("Ошибка доступа к файлу")
                 : kind == int(ScanFailure::Kind::Integrity) ? Storage::IntegrityMessage()
                                                             : QString());
        QVERIFY(!m_file.isOpen());
    }

    // Records are read in the order they are listed; the one after a failing record is listed
    // but not read.
    void recordsAfterAFailureAreNotRead() {
        RecordFiles::Write(m_folder, "a", RecordFiles::Loan("a", QDate(2030, 1, 10), {Today}));
        RecordFiles::Write(m_folder, "b", RecordFiles::Loan("b", QDate(2030, 1, 11), {Today}));
        QVERIFY(QDir(m_folder).mkdir("x.sdg"));
        const Catalogue::CatalogueScan scan = scanFolder();
        QCOMPARE(scan.rows.size(), size_t(3));
        QCOMPARE(scan.failure.kind, ScanFailure::Kind::Access);
        const size_t failed = static_cast<size_t>(scan.failure.row);
        QCOMPARE(scan.rows[failed].name, QStringLiteral("x"));
        for (size_t r = 0; r < scan.rows.size(); ++r)
            QCOMPARE(scan.rows[r].issueDate.isEmpty(), r >= failed);
        QCOMPARE(scan.payments.size(), failed);
    }

private:
    Catalogue::CatalogueScan scanFolder(bool hideFinished = false) {
        return Catalogue::ScanCatalogue(m_folder, m_file, Today, hideFinished, m_layout);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    SharedTextFile m_file;
    Storage::RecordLayout m_layout = Storage::RecordLayout::Older;
};

QTEST_GUILESS_MAIN(CatalogueScanTest)
#include "tst_cataloguescan.moc"
