// The version information embedded in the program file, and the short program version.
#include "Version.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray utf16(const char* ascii) {
    QByteArray out;
    for (const char* p = ascii; *p; ++p) {
        out.append(*p);
        out.append('\0');
    }
    return out;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The version block embedded in a program file, from its length field to its end.
QByteArray blockOf(const QByteArray& program) {
    const qsizetype key = program.indexOf(utf16("VS_VERSION_INFO"));
    if (key < 6)
        return {};
    const int length =
        static_cast<quint8>(program[key - 6]) | (static_cast<quint8>(program[key - 5]) << 8);
    return program.mid(key - 6, length);
}

} // namespace

class VersionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void programFileCarriesItsVersion();
    void damagedOrMissingBlock_data();
    void damagedOrMissingBlock();
    void cutVersion_data();
    void cutVersion();

private:
    QByteArray m_block;
    QTemporaryDir m_dir;
};

void VersionTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    // This test program links the same version layer as the program, so it carries the block.
    m_block = blockOf(readFile(QCoreApplication::applicationFilePath()));
    QVERIFY(!m_block.isEmpty());
}

void VersionTest::programFileCarriesItsVersion() {
    QCOMPARE(MyVersion(QCoreApplication::applicationFilePath()), QStringLiteral("1.3.0.0"));
    // The program itself.
    const QString program = QStringLiteral(SUDOGRAF_PROGRAM_FILE);
    QCOMPARE(MyVersion(program), QStringLiteral("1.3.0.0"));
    QCOMPARE(CutVersion(MyVersion(program)), QStringLiteral("1.3"));
}

void VersionTest::damagedOrMissingBlock_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    const QByteArray filler(300, 'x');
    QTest::newRow("the block alone is read") << m_block << "1.3.0.0";
    QTest::newRow("the block amid other bytes is read") << filler + m_block + filler << "1.3.0.0";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("no block") << QByteArray(4096, '\x7f') << "";
    QTest::newRow("the root key without a block") << filler + utf16("VS_VERSION_INFO") << "";
    QTest::newRow("block cut short") << m_block.left(m_block.size() / 2) << "";

    QByteArray badSignature = m_block;
    const qsizetype fixed = badSignature.indexOf(QByteArray::fromHex("bd04effe"));
    badSignature[fixed] = 0;
    QTest::newRow("fixed part without its signature") << badSignature << "";

    QByteArray otherLanguage = m_block;
    const qsizetype translation = otherLanguage.lastIndexOf(QByteArray::fromHex("1904e304"));
    otherLanguage[translation] = 0x09; // 0409: no string table for it
    QTest::newRow("translation without a string table") << otherLanguage << "";

    QByteArray hugeLength = m_block;
    hugeLength[0] = '\xff';
    hugeLength[1] = '\xff';
    QTest::newRow("length beyond the file") << hugeLength << "";

    // A damaged copy first, then a sound one: the sound one is found.
    QTest::newRow("damaged copy before a sound one") << hugeLength + filler + m_block << "1.3.0.0";
}

void VersionTest::damagedOrMissingBlock() {
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("sample.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    QTEST(MyVersion(path), "expected");
}

void VersionTest::cutVersion_data() {
    QTest::addColumn<QString>("fileVersion");
    QTest::addColumn<QString>("expected");

    QTest::newRow("four parts give two") << "1.3.0.0"
                                         << "1.3";
    QTest::newRow("one dot keeps the text") << "2.0"
                                            << "2.0";
    QTest::newRow("no dot keeps the text") << "7"
                                           << "7";
    QTest::newRow("three parts give two") << "10.25.3"
                                          << "10.25";
    QTest::newRow("leading dot counts") << ".1.2"
                                        << ".1";
    QTest::newRow("empty") << ""
                           << "";
}

void VersionTest::cutVersion() {
    QFETCH(QString, fileVersion);
    QTEST(CutVersion(fileVersion), "expected");
}

QTEST_MAIN(VersionTest)
#include "tst_version.moc"
