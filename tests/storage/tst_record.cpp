// Record files on plain values: what the writer writes the reader gives back, in both layouts,
// and every damaged or hostile file gives a message instead of a crash, a hang or a huge grid.
#include "DateText.h"
#include "Exceptions.h"
#include "LineCoder.h"
#include "RecordFiles.h"
#include "RecordReader.h"
#include "RecordWriter.h"
#include "ScriptedMessages.h"
#include "SharedTextFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Storage;

namespace {

const QString Integrity =
    QStringLiteral("Нарушена целостность данных\n\rЧтение данных невозможно!");

GridRecord grid(int cols, int rows, const QString& prefix) {
    GridRecord g{cols, rows, {}};
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            g.cells.push_back(r == 0 ? QStringLiteral("%1 title %2").arg(prefix).arg(c)
                                     : QStringLiteral("%1,%2").arg(r * 100 + c).arg(c));
    return g;
}

// A record with every field away from its cleared value, a note of several lines with
// quotation marks, a leap day, nine early payments and a schedule of 7 columns and 14 rows.
Record sampleRecord() {
    Record r;
    r.version = QStringLiteral("1.3");
    r[Field::EName] = QStringLiteral("Ипотека «Дом» \"2024\"");
    r[Field::EDataVydachi] = QStringLiteral("29.02.2024");
    r[Field::ECreditor] = QStringLiteral("Сбербанк");
    r[Field::EVidCred] = QStringLiteral("Ипотечный");
    r[Field::ETip] = QStringLiteral("Дифференцированный платеж");
    r[Field::ESummCred] = QStringLiteral("3000000");
    r[Field::EProcent0] = QStringLiteral("12,5");
    r[Field::ESrok0] = QStringLiteral("12");
    r[Field::EProcentRiska0] = QStringLiteral("0,01");
    r[Field::EDataPlateja] = QStringLiteral("31.03.2024");
    r[Field::EProcent1] = QStringLiteral("9,9");
    r[Field::ESrok1] = QStringLiteral("7");
    r[Field::SMemo] = QStringLiteral("Первая строка \"в кавычках\"\r\nвторая строка\r\n\r\nконец");
    r[Field::EPere] = QStringLiteral("Каждые 30/31 дней");
    for (Field f : {Field::CSubb, Field::CVosk, Field::CPraz, Field::R_30, Field::C360,
                    Field::StrahYesNoKred, Field::SMSYesVKred})
        r[f] = FlagTrue;
    for (Field f :
         {Field::R_31, Field::StrahNo, Field::StrahYesVKred, Field::SMSNo, Field::SMSYesNoKred})
        r[f] = FlagFalse;
    r[Field::StrahSumm] = QStringLiteral("30000");
    r[Field::StrahCol] = QStringLiteral("12");
    r[Field::SMSSumm] = QStringLiteral("49");
    r[Field::DopSumm] = QStringLiteral("-0,5");
    r.status0 = QStringLiteral("Общая сумма выплат: 3 300 000,00 руб.");
    r.status1 = QStringLiteral("Переплата: 300 000,00 руб.");
    r.dosPlat = grid(2, 10, QStringLiteral("Досрочно"));
    r.grafik = grid(7, 14, QStringLiteral("График"));
    return r;
}

QStringList plainLines(const Record& record, quint32 seed = 1) {
    QRandomGenerator random(seed);
    return RecordLines(record, QDate(2024, 2, 29), random);
}

QByteArray codedFile(const QStringList& plain) {
    QByteArray bytes;
    for (const QString& line : plain)
        bytes += EncodeLine(line).toLatin1() + "\r\n";
    return bytes;
}

// The lines of a file as they are stored, to be damaged by a test.
QList<QByteArray> codedLines(const QStringList& plain) {
    QList<QByteArray> lines;
    for (const QString& line : plain)
        lines << EncodeLine(line).toLatin1();
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// The older layout's lines for the sample record, built from its table of lines.
QStringList olderLines(const Record& r) {
    QStringList lines = RecordFiles::OlderLayoutLines(r, QStringLiteral("123"));
    // Lines not interpreted need not end in four digits; the line coder still checks their key.
    lines[25] = QStringLiteral("25");
    lines[28] = QStringLiteral("28");
    return lines;
}

} // namespace

class RecordTest : public QObject {
    Q_OBJECT

    struct Read {
        std::optional<RecordRead> read;
        QStringList messages;
        RecordLayout layout;
    };

    Read readFile(const QByteArray& bytes, RecordLayout before = RecordLayout::Older) {
        const QString path = m_dir.filePath(QStringLiteral("record.sdg"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            qFatal("cannot write the test file");
        f.close();
        SharedTextFile file;
        file.openRead(path);
        ScriptedMessages messages;
        Read r;
        r.layout = before;
        r.read = ReadRecord(file, messages, r.layout);
        r.messages = messages.takeMessages();
        return r;
    }

private slots:
    void roundTrip() {
        const Record record = sampleRecord();
        QCOMPARE(RecordLimitProblem(record), QString());
        const QStringList plain = plainLines(record);

        // Write through the shared file: CR LF after every line, letters only.
        const QString path = m_dir.filePath(QStringLiteral("$base"));
        SharedTextFile file;
        file.openWrite(path);
        QList<int> written;
        WriteLines(file, plain, 0, plain.size(), [&](int n) { written << n; });
        file.close();
        QCOMPARE(written.size(), plain.size());
        QCOMPARE(written.last(), int(plain.size()) - 1);

        QFile raw(path);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QCOMPARE(bytes.count("\r\n"), plain.size());
        QVERIFY(bytes.endsWith("\r\n"));
        for (const char c : bytes)
            QVERIFY(c == '\r' || c == '\n' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'V'));

        // 81 fixed lines, 20 early-payment cells, the marker, 98 schedule cells.
        QCOMPARE(plain.size(), 81 + 20 + 1 + 98);
        QCOMPARE(plain[0], QStringLiteral("1.30000"));
        QCOMPARE(plain[1], QStringLiteral("29.02.20240001"));
        QCOMPARE(plain[9], QStringLiteral("TSCredit0009"));
        QCOMPARE(plain[80], QStringLiteral("DosPlat0080"));
        QCOMPARE(plain[101], QStringLiteral("Grafik0101"));
        QCOMPARE(plain[21], record[Field::SMemo] + "0021");

        const Read r = readFile(bytes);
        QVERIFY(r.read);
        QCOMPARE(r.messages, QStringList{});
        QCOMPARE(r.layout, RecordLayout::Current);
        QCOMPARE(r.read->failure, RecordRead::Failure::None);
        QCOMPARE(r.read->linesRead, plain.size());
        for (const LoanField& f : LoanFields)
            QCOMPARE(r.read->record[f.field], record[f.field]);
        QVERIFY(r.read->record == record);
    }

    // Fillers are drawn afresh: two saves differ only in the filler lines.
    void fillersDifferBetweenSaves() {
        const QStringList a = plainLines(sampleRecord(), 1);
        const QStringList b = plainLines(sampleRecord(), 2);
        QCOMPARE(a.size(), b.size());
        QList<int> differing;
        for (int n = 0; n < a.size(); ++n)
            if (a[n] != b[n])
                differing << n;
        QList<int> fillers;
        const std::vector<LayoutLine>& layout = LayoutLines(RecordLayout::Current);
        for (int n = 0; n < int(layout.size()); ++n)
            if (layout[size_t(n)].kind == LineKind::Filler)
                fillers << n;
        QCOMPARE(differing, fillers);
        QCOMPARE(fillers.size(), 6 + 8 + 13 + 10 + 4);
        for (int n : fillers) {
            bool ok = false;
            const uint value = LineValue(a[n]).toUInt(&ok);
            QVERIFY(ok && value <= 999'999'999u);
        }
    }

    void olderLayout() {
        const Record record = sampleRecord();
        const QStringList lines = olderLines(record);
        const Read r = readFile(codedFile(lines), RecordLayout::Current);
        QVERIFY(r.read);
        QCOMPARE(r.messages, QStringList{});
        QCOMPARE(r.layout, RecordLayout::Older);
        QCOMPARE(r.read->failure, RecordRead::Failure::None);
        for (const LoanField& f : LoanFields)
            QCOMPARE(r.read->record[f.field], f.olderLine >= 0 ? record[f.field] : QString());
        QCOMPARE(r.read->record.status0, record.status0);
        QCOMPARE(r.read->record.status1, record.status1);
        QVERIFY(r.read->record.dosPlat == record.dosPlat);
        QVERIFY(r.read->record.grafik == record.grafik);
    }

    // A line 37 reading "DosPlat0037" decides, even in a file longer than 80 lines; a file with
    // neither marker keeps the layout of the file read before.
    void layoutDetection() {
        QStringList lines = olderLines(sampleRecord());
        QVERIFY(lines.size() > 81);
        lines[80] = PlainLine(DosPlatMarker, 80);
        QCOMPARE(DetectLayout(lines, RecordLayout::Current), RecordLayout::Older);
        const QStringList current = plainLines(sampleRecord());
        QCOMPARE(DetectLayout(current, RecordLayout::Older), RecordLayout::Current);
        const QStringList shortFile = current.mid(0, 50);
        QCOMPARE(DetectLayout(shortFile, RecordLayout::Older), RecordLayout::Older);
        QCOMPARE(DetectLayout(shortFile, RecordLayout::Current), RecordLayout::Current);
    }

    // What reading makes of a damaged file. Plain lines are changed and coded again with their
    // own key unless the case says otherwise.
    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("outcome"); // "integrity", "unreadable", "conversion", "read"
        QTest::addColumn<int>("line");        // failed line, or the lines read
        QTest::addColumn<int>("stop");        // lines read before the failure, -1: line

        const QStringList plain = plainLines(sampleRecord());
        const QList<QByteArray> coded = codedLines(plain);
        const int total = int(plain.size());
        const auto recoded = [&](int n, const QString& value) {
            QList<QByteArray> lines = coded;
            lines[n] = EncodeLine(PlainLine(value, n)).toLatin1();
            return joined(lines);
        };

        QList<QByteArray> lines = coded;
        lines.insert(50, QByteArray());
        QTest::newRow("empty line inside") << joined(lines) << "integrity" << 50 << -1;
        QTest::newRow("trailing empty line") << joined(coded) + "\r\n"
                                             << "integrity" << total << -1;
        lines = coded;
        lines.swapItemsAt(14, 15);
        QTest::newRow("lines 14 and 15 swapped") << joined(lines) << "integrity" << 14 << -1;
        QTest::newRow("empty file") << QByteArray() << "read" << 0 << -1;
        QTest::newRow("no line end after the last line")
            << joined(coded).chopped(2) << "read" << total << -1;
        QTest::newRow("LF line ends")
            << joined(coded).replace("\r\n", "\n") << "read" << total << -1;

        // Key read whole when shorter than four characters: accepted by the line coder, but a
        // line must end in its own four-digit key.
        lines = coded;
        lines[31] = EncodeLine(u"31").toLatin1();
        QTest::newRow("key of two digits") << joined(lines) << "unreadable" << 31 << -1;
        lines = coded;
        lines[0] = EncodeLine(u"0").toLatin1();
        QTest::newRow("version line is not key-checked") << joined(lines) << "read" << total << -1;
        QTest::newRow("wrong early-payments marker")
            << recoded(80, "Dosplat") << "unreadable" << 80 << -1;
        QTest::newRow("schedule marker missing") << recoded(101, "x") << "unreadable" << 101 << -1;
        QTest::newRow("count is not a number") << recoded(72, "два") << "conversion" << 72 << -1;
        QTest::newRow("negative count") << recoded(75, "-1") << "unreadable" << 75 << -1;
        QTest::newRow("2,000,000,000 columns")
            << recoded(74, "2000000000") << "unreadable" << 74 << -1;
        QTest::newRow("2,000,000,000 rows")
            << recoded(73, "2000000000") << "unreadable" << 73 << -1;
        QTest::newRow("rows beyond the file") << recoded(75, "1000") << "unreadable" << total << 75;
        // The schedule promises one row more than the file holds: the first missing line.
        QTest::newRow("schedule cut short") << recoded(75, "15") << "unreadable" << total << -1;
        QTest::newRow("truncated schedule")
            << joined(coded.mid(0, total - 10)) << "unreadable" << total - 10 << -1;
        QTest::newRow("truncated early payments")
            << joined(coded.mid(0, 90)) << "unreadable" << 90 << 73;
        QTest::newRow("ends before its sections") << joined(coded.mid(0, 60)) << "read" << 60 << -1;
        QTest::newRow("page identifier TSVklad") << recoded(9, "TSVklad") << "read" << total << -1;

        // More than 10,000 lines: line 10000 cannot carry its key.
        QByteArray many;
        for (int n = 0; n <= 10000; ++n)
            many += EncodeLine(PlainLine(u"1", n % 10000)).toLatin1() + "\r\n";
        QTest::newRow("10,001 lines") << many << "integrity" << 10000 << -1;
        QTest::newRow("10 MB line")
            << joined(coded.mid(0, 5)) + QByteArray(10'000'000, 'k') + "\r\n" + joined(coded.mid(5))
            << "integrity" << 5 << -1;
        QTest::newRow("binary") << QByteArray("\x7f"
                                              "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                                              16)
                                << "conversion" << 0 << -1;
    }
    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, outcome);
        QFETCH(int, line);
        QFETCH(int, stop);

        if (outcome == "conversion" && line == 0) {
            QVERIFY_THROWS_EXCEPTION(EConvertError, readFile(bytes));
            return;
        }
        const Read r = readFile(bytes, RecordLayout::Current);
        if (outcome == "integrity") {
            QVERIFY(!r.read);
            QCOMPARE(r.messages, QStringList{Integrity});
            return;
        }
        QVERIFY(r.read);
        QCOMPARE(r.messages, QStringList{});
        const RecordRead& read = *r.read;
        if (outcome == "read") {
            const bool stopped = read.failure != RecordRead::Failure::None;
            QCOMPARE(stopped ? read.failedLine : read.linesRead, line);
            return;
        }
        QCOMPARE(read.failure, outcome == "unreadable" ? RecordRead::Failure::Unreadable
                                                       : RecordRead::Failure::Conversion);
        QCOMPARE(read.failedLine, line);
        QCOMPARE(read.linesRead, stop < 0 ? line : stop);
        if (outcome == "conversion")
            QCOMPARE(read.conversionMessage, QStringLiteral("'два' is not a valid integer value"));
        // Nothing larger than the file was accepted.
        QVERIFY(qint64(read.record.grafik.colCount) * read.record.grafik.rowCount <= 1000);
        QVERIFY(qint64(read.record.dosPlat.colCount) * read.record.dosPlat.rowCount <= 1000);
    }

    // An early-payments section cut short and followed by the schedule marker: the cells
    // present, then the whole schedule.
    void earlyPaymentsCutShort() {
        QStringList values;
        Record record = sampleRecord();
        QStringList plain = plainLines(record);
        // Drop the last 15 of the 20 early-payment cells and number the lines again.
        plain.remove(81 + 5, 15);
        for (int n = 81; n < plain.size(); ++n)
            plain[n] = PlainLine(LineValue(plain[n]), n);
        const Read r = readFile(codedFile(plain));
        QVERIFY(r.read);
        QCOMPARE(r.read->failure, RecordRead::Failure::None);
        QCOMPARE(r.read->record.dosPlat.colCount, 2);
        QCOMPARE(r.read->record.dosPlat.rowCount, 10);
        QCOMPARE(r.read->record.dosPlat.cells.size(), size_t(5));
        QVERIFY(r.read->record.grafik == record.grafik);
    }

    void limits_data() {
        QTest::addColumn<int>("what");
        QTest::addColumn<QString>("problem");
        QTest::newRow("10,000 lines fit") << 0 << QString();
        QTest::newRow("10,007 lines") << 1
                                      << "Невозможно сохранить запись: в ней 10007 строк, а файл "
                                         "записи вмещает не больше 10000 строк.";
        QTest::newRow("longest note") << 2 << QString();
        QTest::newRow("note too long") << 3
                                       << "Невозможно сохранить запись: строка №21 длиннее 16666 "
                                          "знаков и не могла бы быть прочитана.";
        QTest::newRow("cell too long") << 4
                                       << "Невозможно сохранить запись: строка №188 длиннее "
                                          "16666 знаков и не могла бы быть прочитана.";
        QTest::newRow("code unit 0 in the name")
            << 5
            << "Невозможно сохранить запись: строка №8 содержит недопустимый символ с кодом 0.";
    }
    void limits() {
        QFETCH(int, what);
        QFETCH(QString, problem);
        Record record = sampleRecord();
        // 81 + 20 + 1 + 7 * 1414 = 10000 lines.
        if (what <= 1)
            record.grafik = grid(7, 1414 + what, QStringLiteral("x"));
        if (what == 2 || what == 3)
            record[Field::SMemo] = QString(MaxPlainLineLength - 4 + what - 2, u'ы');
        if (what == 4)
            record.grafik.cells[size_t(7 * 12 + 2)] = QString(MaxPlainLineLength - 3, u'1');
        if (what == 5)
            record[Field::EName] = QStringLiteral("a") + QChar(u'\0');
        QCOMPARE(RecordLimitProblem(record), problem);
        if (problem.isEmpty()) {
            // What the check lets through reads back.
            const Read r = readFile(codedFile(plainLines(record)));
            QVERIFY(r.read && r.read->record == record);
        }
    }

    // The shared file: failures are EInOutError with their numbers.
    void sharedFileErrors() {
        SharedTextFile file;
        QVERIFY_THROWS_EXCEPTION(EInOutError, file.openRead(m_dir.filePath("missing.sdg")));
        try {
            file.openRead(m_dir.filePath("missing.sdg"));
        } catch (const EInOutError& e) {
            QCOMPARE(e.errorCode(), 2);
        }
        try {
            file.openWrite(m_dir.filePath("no/such/folder/$base"));
        } catch (const EInOutError& e) {
            QCOMPARE(e.errorCode(), 3);
        }
        QVERIFY(!file.isOpen());
        QByteArray line;
        try {
            file.readLine(line);
            QFAIL("read from a closed file");
        } catch (const EInOutError& e) {
            QCOMPARE(e.errorCode(), 103);
        }
        // A full disk shows when the buffered lines are written out at closing; the file counts
        // as closed all the same.
        if (QFile::exists("/dev/full")) {
            file.openWrite(QStringLiteral("/dev/full"));
            file.writeLine(u"abc");
            try {
                file.close();
                QFAIL("closing a file on a full disk succeeded");
            } catch (const EInOutError& e) {
                QCOMPARE(e.errorCode(), 101);
            }
            QVERIFY(!file.isOpen());
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(RecordTest)
#include "tst_record.moc"
