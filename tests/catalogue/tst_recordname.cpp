// A record name becomes a file name in the working folder; names that cannot safely be one
// are refused with a reason.
#include "RecordName.h"

#include <QTest>

class RecordNameTest : public QObject {
    Q_OBJECT

private slots:
    void judged_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem"); // a word of the reason, empty when accepted
        QTest::newRow("plain") << "Холодильник"
                               << "";
        QTest::newRow("inner blanks and punctuation") << "Кредит №2 (банк, 2020 г.)"
                                                      << "";
        QTest::newRow("dots inside") << "a..b"
                                     << "";
        QTest::newRow("three dots") << "..."
                                    << "";
        QTest::newRow("leading dot") << ".hidden"
                                     << "";
        QTest::newRow("longest") << QString(251, u'x') << "";
        QTest::newRow("parent folder") << "../x"
                                       << "\"/\"";
        QTest::newRow("sub folder") << "a/b"
                                    << "\"/\"";
        QTest::newRow("backslash") << "a\\b"
                                   << "\"/\"";
        QTest::newRow("absolute") << "/etc/passwd"
                                  << "\"/\"";
        QTest::newRow("dot") << "."
                             << "\".\"";
        QTest::newRow("dot dot") << ".."
                                 << "\"..\"";
        QTest::newRow("newline") << "a\nb"
                                 << "управляющих";
        QTest::newRow("carriage return") << "ab\r"
                                         << "управляющих";
        QTest::newRow("tab") << "a\tb"
                             << "управляющих";
        QTest::newRow("nul") << QString(QChar(0)) + "x"
                             << "управляющих";
        QTest::newRow("delete") << "a\x7f"
                                << "управляющих";
        QTest::newRow("line separator") << QString::fromUtf16(u"a\u2028b") << "управляющих";
        QTest::newRow("leading blank") << " a"
                                       << "пробелом";
        QTest::newRow("trailing blank") << "a "
                                        << "пробелом";
        QTest::newRow("no-break space at the end") << QString::fromUtf16(u"a\u00a0") << "пробелом";
        QTest::newRow("too long") << QString(252, u'x') << "длинное";
        // Cyrillic letters take two bytes each in the file name.
        QTest::newRow("too long in bytes") << QString(126, u'ж') << "длинное";
    }
    void judged() {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        const QString actual = Catalogue::RecordNameProblem(name);
        if (problem.isEmpty())
            QCOMPARE(actual, QString());
        else
            QVERIFY2(actual.contains(problem), qPrintable(actual));
    }

    void emptyNameIsLeftToTheCommands() {
        QCOMPARE(Catalogue::RecordNameProblem(QString()), QString());
    }
};

QTEST_APPLESS_MAIN(RecordNameTest)
#include "tst_recordname.moc"
