// The window's error hook: a failing handler ends in the error report, the shared text file
// is closed first, and the window goes on working.
#include "Exceptions.h"
#include "Guarded.h"
#include "ScriptedMessages.h"
#include "TForm1.h"
#include "WorkedExampleLoan.h"

#include <QFile>
#include <QTemporaryFile>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <stdexcept>

namespace {

QString line(const QString& text) {
    return text + QStringLiteral("\n\r");
}
QString dots(int count) {
    return QString(count, QLatin1Char('.'));
}

QString report(const QString& type, const QString& message, const QString& russian, int code) {
    return line(QStringLiteral("ОШИБКА ПРОГРАММЫ!!!")) +
           line(QStringLiteral("Класс ошибки:") + dots(6) + type) +
           line(QStringLiteral("Сообщение(en):") + dots(4) + message) +
           line(QStringLiteral("Сообщение(ru):") + dots(5) + russian) +
           line(QStringLiteral("Code:") + dots(24) + QString::number(code)) +
           line(QStringLiteral("(Code/32:") + dots(23) + QString::number(code % 32) + ")");
}

// Logs each box and whether the window's shared text file was still open when it appeared.
class LoggedMessages : public ScriptedMessages {
public:
    explicit LoggedMessages(QStringList& log)
        : m_log(log) {}
    void showMessage(const QString& text) override {
        m_log << (file && file->isOpen() ? QStringLiteral("box, file open")
                                         : QStringLiteral("box"));
        ScriptedMessages::showMessage(text);
    }

    const SharedTextFile* file = nullptr;

private:
    QStringList& m_log;
};

} // namespace

class ErrorHookTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_log.clear();
        m_messages = std::make_unique<LoggedMessages>(m_log);
        m_form = std::make_unique<TForm1>(*m_messages);
        m_messages->file = &m_form->sharedTextFile();
    }
    void cleanup() {
        m_form.reset();
        m_messages.reset();
    }

    void failedBuildIsReported_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("letters in the amount")
            << "ESummCred"
            << "abc"
            << report("EConvertError", "'abc' is not a valid floating point value",
                      "Неверный числовой формат", 106);
        QTest::newRow("letters in the rate")
            << "EProcent0"
            << "abc"
            << report("EConvertError", "'abc' is not a valid floating point value",
                      "Неверный числовой формат", 106);
        QTest::newRow("term of 0")
            << "ESrok0"
            << "0"
            << report("EZeroDivide", "Floating point division by zero", "Деление на ноль", 200);
    }
    void failedBuildIsReported() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, expected);

        fillWorkedExampleLoan(*m_form);
        TEdit* edit = m_form->findChild<TEdit*>(field);
        QVERIFY(edit);
        const QString good = edit->text();
        edit->setText(text);
        m_form->BBGraf->click();
        QCOMPARE(m_messages->takeMessages(), QStringList{expected});
        QVERIFY(m_form->Status->panelText(0).isEmpty());

        // The window goes on: with the field corrected the next build works.
        edit->setText(good);
        m_form->BBGraf->click();
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        QVERIFY(!m_form->Status->panelText(0).isEmpty());
        QVERIFY(m_form->BSave->isEnabled());
    }

    // Failures from anywhere reach the report through the one wrapper of Qt's entry points.
    void anyHandlerFailureIsReported_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("record file missing")
            << 0 << QStringList{report("EInOutError", "File not found", "Файл не найден", 2)};
        QTest::newRow("out of memory: notice and report")
            << 1
            << QStringList{"EOutOfMemory\n\rOut of memory",
                           line("ОШИБКА ПРОГРАММЫ!!!") + line("Класс ошибки:......EOutOfMemory") +
                               line("Сообщение(en):....Out of memory")};
        QTest::newRow("not an exception at all")
            << 2
            << QStringList{line("ОШИБКА ПРОГРАММЫ!!!") + line("Класс ошибки:......Exception") +
                           line("Сообщение(en):....Unknown exception")};
    }
    void anyHandlerFailureIsReported() {
        QFETCH(int, kind);
        QFETCH(QStringList, boxes);
        guarded(&m_form->errors(), m_form.get(), [kind] {
            if (kind == 0)
                InOut::raise(InOut::FileNotFound);
            if (kind == 1)
                throw std::bad_alloc();
            throw 42;
        });
        QCOMPARE(m_messages->takeMessages(), boxes);
    }

    // Each window reports its own failures: another window, its failures and its end change
    // nothing for this one.
    void windowsReportTheirOwnFailures() {
        {
            ScriptedMessages otherMessages;
            TForm1 other(otherMessages);
            other.EProcent1->setText(QString());
            other.UDProcent1_00_1000->upButton()->click();
            QCOMPARE(otherMessages.takeMessages().size(), 1);
        }
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        m_form->EProcent1->setText(QString());
        m_form->UDProcent1_00_1000->upButton()->click();
        QCOMPARE(m_messages->takeMessages(),
                 QStringList{report("EConvertError", "'' is not a valid floating point value",
                                    "Неверный числовой формат", 106)});
    }

    // An error in the middle of reading or writing a record closes the shared file before
    // the report appears.
    void sharedFileClosedBeforeTheBox() {
        QTemporaryFile record;
        QVERIFY(record.open());
        SharedTextFile& file = m_form->sharedTextFile();
        file.openRead(record.fileName());
        guarded(&m_form->errors(), m_form.get(),
                [] { throw EConvertError(QStringLiteral("'x' is not a valid date")); });
        QCOMPARE(m_log, (QStringList{"box"}));
        QVERIFY(!file.isOpen());

        // A closed file is left alone by the next error, and the file can be used again.
        m_log.clear();
        guarded(&m_form->errors(), m_form.get(),
                [] { throw EConvertError(QStringLiteral("'y' is not a valid date")); });
        QCOMPARE(m_log, (QStringList{"box"}));
        QCOMPARE(m_messages->takeMessages().size(), 2);
        file.openRead(record.fileName());
        file.close();
    }

    // Closing fails in its turn (the lines still buffered cannot be written to a full disk):
    // tried once, the first error is the one reported, and the window still works.
    void failingCloseDoesNotLoop() {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no full device to write to");
        SharedTextFile& file = m_form->sharedTextFile();
        file.openWrite(QStringLiteral("/dev/full"));
        file.writeLine(u"abc");
        guarded(&m_form->errors(), m_form.get(), [] { InOut::raise(InOut::FileNotOpen); });
        QCOMPARE(m_log, (QStringList{"box"}));
        QCOMPARE(m_messages->takeMessages(),
                 QStringList{report("EInOutError", "File not open", "Файл не открыт", 103)});
        QVERIFY(!file.isOpen());

        fillWorkedExampleLoan(*m_form);
        m_form->BBGraf->click();
        QCOMPARE(m_messages->takeMessages(), QStringList{});
        QVERIFY(!m_form->Status->panelText(0).isEmpty());
    }

private:
    QStringList m_log;
    std::unique_ptr<LoggedMessages> m_messages;
    std::unique_ptr<TForm1> m_form;
};

QTEST_MAIN(ErrorHookTest)
#include "tst_errorhook.moc"
