// The line coder: worked examples, every code unit through a round trip, and the checks that
// make a damaged, shortened or moved line fail.
#include "Exceptions.h"
#include "LineCoder.h"
#include "ScriptedMessages.h"

#include <QTest>

using namespace Storage;

namespace {

const QString TrueLine = QStringLiteral("fbflFcfKfcfKBbfAfAcKldKldKFAcKqAcvP");

enum class Outcome { Plain, Integrity, Conversion };

struct Result {
    Outcome outcome;
    QString text;
    QStringList messages;
};

Result decode(const QString& coded, int key) {
    ScriptedMessages messages;
    try {
        const QString text = DecodeLine(coded, key, messages);
        return {text.isEmpty() ? Outcome::Integrity : Outcome::Plain, text,
                messages.takeMessages()};
    } catch (const EConvertError& e) {
        return {Outcome::Conversion, e.message(), messages.takeMessages()};
    }
}

// Spells every run letter of a coded line as single digits: "c" (three 0s) becomes "000".
QString digitsOnly(const QString& coded) {
    static const char* runs[] = {"abcde", "fghijk", "lmnop", "qrstu", "vwxyz",
                                 "ABCDE", "FGHIJ",  "KLMNO", "PQRST", "UV"};
    QString out;
    for (const QChar c : coded)
        for (int d = 0; d < 10; ++d)
            for (int k = 0; runs[d][k] != '\0'; ++k)
                if (c == QLatin1Char(runs[d][k]))
                    out += QString(k + 1, QChar(u'0' + d));
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class LineCoderTest : public QObject {
    Q_OBJECT

private slots:
    void encode_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("codedEnd");
        QTest::addColumn<bool>("whole");
        QTest::newRow("abc") << "abc"
                             << "vbfvBbfvKcfvPAcfP" << true;
        QTest::newRow("True0031") << "True0031" << TrueLine << true;
        QTest::newRow("empty: six 0s") << ""
                                       << "ea" << true;
        // The length field 999996 holds five 9s, 1111110 six 1s.
        QTest::newRow("five 9s") << QString(166666, u'a') << "BVVUF" << false;
        QTest::newRow("six 1s") << QString(185185, u'a') << "Bka" << false;
        QTest::newRow("16,666 units: five-digit length") << QString(16666, u'a') << "BVVF" << false;
        QTest::newRow("16,667 units: six-digit length") << QString(16667, u'a') << "Bfdl" << false;
    }
    void encode() {
        QFETCH(QString, plain);
        QFETCH(QString, codedEnd);
        QFETCH(bool, whole);
        const QString coded = EncodeLine(plain);
        if (whole)
            QCOMPARE(coded, codedEnd);
        else
            QVERIFY2(coded.endsWith(codedEnd), qPrintable(coded.right(12)));
    }

    // Every code unit from 1 to 65535, line breaks and surrogates included, comes back.
    void everyCodeUnitRoundTrips() {
        ScriptedMessages messages;
        int key = 0;
        for (int first = 1; first <= 0xFFFF; first += 4000, ++key) {
            QString plain;
            for (int u = first; u < std::min(first + 4000, 0x10000); ++u)
                plain += QChar(char16_t(u));
            plain += QString::number(key).rightJustified(4, u'0');
            QCOMPARE(DecodeLine(EncodeLine(plain), key, messages), plain);
        }
        QCOMPARE(messages.takeMessages(), QStringList{});
    }

    void decode_data() {
        QTest::addColumn<QString>("coded");
        QTest::addColumn<int>("key");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("text");

        const QString integrity;
        QTest::newRow("True0031 with its key") << TrueLine << 31 << Outcome::Plain << "True0031";
        QTest::newRow("another key") << TrueLine << 30 << Outcome::Integrity << integrity;
        QTest::newRow("W and X are ignored")
            << "W" + TrueLine.left(10) + "XW" + TrueLine.mid(10) + "X" << 31 << Outcome::Plain
            << "True0031";
        QTest::newRow("runs spelt as digits")
            << digitsOnly(TrueLine) << 31 << Outcome::Plain << "True0031";
        QTest::newRow("a letter changed")
            << "fbflFcfKfcfKBbfAfAcKldKldKFAcKqAcvQ" << 31 << Outcome::Integrity << integrity;
        QTest::newRow("a letter dropped")
            << "fbflFcfKfcfKBbfAfAcKldKldKFAcKqAvP" << 31 << Outcome::Integrity << integrity;
        QTest::newRow("CR LF inside a line")
            << EncodeLine(u"one\r\ntwo\r\n0007") << 7 << Outcome::Plain << "one\r\ntwo\r\n0007";
        QTest::newRow("empty line") << "" << 0 << Outcome::Integrity << integrity;
        QTest::newRow("only W and X") << "WXXW" << 0 << Outcome::Integrity << integrity;
        QTest::newRow("ea: no key to read")
            << "ea" << 0 << Outcome::Conversion << "'' is not a valid integer value";
        QTest::newRow("Y after the first character")
            << TrueLine.left(5) + "Y" + TrueLine.mid(5) << 31 << Outcome::Conversion
            << "'Y' is not a valid integer value";
        QTest::newRow("blank at the end")
            << TrueLine + " " << 31 << Outcome::Conversion << "' ' is not a valid integer value";
        QTest::newRow("Cyrillic letter")
            << TrueLine + "ж" << 31 << Outcome::Conversion << "'ж' is not a valid integer value";
        QTest::newRow("Z as the first character only: check fails")
            << "Z" + TrueLine.mid(1) << 31 << Outcome::Integrity << integrity;
        QTest::newRow("key is not a number") << EncodeLine(u"abcd") << 0 << Outcome::Conversion
                                             << "'abcd' is not a valid integer value";
        QTest::newRow("short text read whole as key")
            << EncodeLine(u"31") << 31 << Outcome::Plain << "31";
        QTest::newRow("code unit 0")
            << EncodeLine(QString(QChar(u'\0')) + "0000") << 0 << Outcome::Conversion
            << "'000000' is not a valid character code";
        // Shortest digit strings: "0" has no length field, "00" no key.
        QTest::newRow("a") << "a" << 0 << Outcome::Conversion << "'' is not a valid integer value";
        QTest::newRow("b") << "b" << 0 << Outcome::Conversion << "'' is not a valid integer value";
    }
    void decode() {
        QFETCH(QString, coded);
        QFETCH(int, key);
        QFETCH(Outcome, outcome);
        QFETCH(QString, text);
        const Result r = ::decode(coded, key);
        QCOMPARE(r.outcome, outcome);
        if (outcome == Outcome::Integrity) {
            QCOMPARE(r.text, QString());
            QCOMPARE(r.messages, QStringList{"Нарушена целостность данных\n\rЧтение данных "
                                             "невозможно!"});
        } else {
            QCOMPARE(r.text, text);
            QCOMPARE(r.messages, QStringList{});
        }
    }

    // A block beyond the last code unit, with the check digit and length field made right.
    void blockBeyondLastCodeUnit() {
        QString digits = digitsOnly(EncodeLine(u"x0000"));
        digits.replace(1, 6, QStringLiteral("999990"));
        int sum = 0;
        for (int i = 1; i < digits.size(); ++i)
            sum += digits[i].digitValue();
        digits[0] = QChar(u'0' + sum % 10);
        const Result r = ::decode(digits, 0);
        QCOMPARE(r.outcome, Outcome::Conversion);
        QCOMPARE(r.text, QStringLiteral("'999990' is not a valid character code"));
    }

    // The longest line that can be read back, and one code unit more.
    void lengthLimit() {
        const QString longest = QString(MaxPlainLineLength - 4, u'я') + "0012";
        ScriptedMessages messages;
        QCOMPARE(DecodeLine(EncodeLine(longest), 12, messages), longest);
        QCOMPARE(messages.takeMessages(), QStringList{});

        const QString tooLong = u'я' + longest;
        QCOMPARE(DecodeLine(EncodeLine(tooLong), 12, messages), QString());
        QCOMPARE(messages.takeMessages().size(), 1);

        DecodeCheck check = DecodeCheck::Passed;
        DecodeLineChecked(EncodeLine(tooLong), 12, check);
        QCOMPARE(check, DecodeCheck::Length);
    }

    // A line of letters only, far longer than any line that can pass: refused by the length
    // check without keeping its digits.
    void hugeLine() {
        DecodeCheck check = DecodeCheck::Passed;
        const QByteArray huge = "a" + QByteArray(10'000'000, 'k');
        QCOMPARE(DecodeLineChecked(QByteArrayView(huge), 0, check), QString());
        QVERIFY(check == DecodeCheck::CheckDigit || check == DecodeCheck::Length);
    }

    // Bytes of a file line decode like the same text.
    void bytesDecodeLikeText() {
        DecodeCheck check = DecodeCheck::Passed;
        QCOMPARE(DecodeLineChecked(QByteArrayView(TrueLine.toLatin1()), 31, check),
                 QStringLiteral("True0031"));
        QVERIFY_THROWS_EXCEPTION(EConvertError,
                                 DecodeLineChecked(QByteArrayView("fb\xff"), 31, check));
    }
};

QTEST_GUILESS_MAIN(LineCoderTest)
#include "tst_linecoder.moc"
