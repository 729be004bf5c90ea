#include "CheckedMath.h"
#include "ErrorHandling.h"
#include "ErrorReport.h"
#include "NumberText.h"
#include "ScriptedMessages.h"
#include "StandInFile.h"

#include <QTest>

#include <new>
#include <stdexcept>
#include <typeinfo>

Q_DECLARE_METATYPE(std::exception_ptr)

namespace {

// The report as a reader writes it down: fixed words, dots, then the value; every line ends
// in LF CR.
QString line(const QString& text) {
    return text + QStringLiteral("\n\r");
}
QString dots(int count) {
    return QString(count, QLatin1Char('.'));
}

QString report(const QString& type, const QString& message) {
    return line(QStringLiteral("ОШИБКА ПРОГРАММЫ!!!")) +
           line(QStringLiteral("Класс ошибки:") + dots(6) + type) +
           line(QStringLiteral("Сообщение(en):") + dots(4) + message);
}

QString report(const QString& type, const QString& message, const QString& russian, int code,
               int remainder) {
    return report(type, message) + line(QStringLiteral("Сообщение(ru):") + dots(5) + russian) +
           line(QStringLiteral("Code:") + dots(24) + QString::number(code)) +
           line(QStringLiteral("(Code/32:") + dots(23) + QString::number(remainder) + ")");
}

QString notice(const QString& type, const QString& message) {
    return type + QStringLiteral("\n\r") + message;
}

std::exception_ptr raised(void (*operation)()) {
    try {
        operation();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

// Records the boxes in the same log as the file, so that the order shows.
class LoggedMessages : public MessageService {
public:
    explicit LoggedMessages(QStringList& log)
        : m_log(log) {}
    void showMessage(const QString& text) override { m_log << QStringLiteral("box ") + text; }
    bool askYesNo(const QString&) override { return false; }

private:
    QStringList& m_log;
};

class ThrowingMessages : public MessageService {
public:
    void showMessage(const QString&) override { throw std::bad_alloc(); }
    bool askYesNo(const QString&) override { return false; }
};

} // namespace

class TestErrorReport : public QObject {
    Q_OBJECT
private slots:
    void boxes_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("boxes");

        const QString divByZero = QStringLiteral("Division by zero");
        QTest::newRow("EDivByZero: notice, then three lines")
            << "EDivByZero" << divByZero << 0
            << QStringList{notice("EDivByZero", divByZero), report("EDivByZero", divByZero)};
        QTest::newRow("EInOutError 2: all six lines")
            << "EInOutError"
            << "File not found" << 2
            << QStringList{report("EInOutError", "File not found", "Файл не найден", 2, 2)};
        QTest::newRow("EInOutError 103: remainder 7")
            << "EInOutError"
            << "File not open" << 103
            << QStringList{report("EInOutError", "File not open", "Файл не открыт", 103, 7)};
        QTest::newRow("EStringListError: three lines, no notice")
            << "EStringListError"
            << "List index out of bounds (5)" << 0
            << QStringList{report("EStringListError", "List index out of bounds (5)")};
        QTest::newRow("unknown code")
            << "EInOutError"
            << "I/O error 300" << 300
            << QStringList{report("EInOutError", "I/O error 300",
                                  "Ошибка 300 (неизвестное значение)", 300, 12)};
        QTest::newRow("code with empty text ends after the dots")
            << "EInOutError"
            << "I/O error 22336" << 22336
            << QStringList{report("EInOutError", "I/O error 22336", "", 22336, 0)};
        QTest::newRow("negative number taken as unsigned 16-bit")
            << "EInOutError"
            << "I/O error -1" << -1
            << QStringList{report("EInOutError", "I/O error -1",
                                  "Ошибка 65535 (неизвестное значение)", 65535, 31)};
        QTest::newRow("number wrapping to 0 has no code lines")
            << "EInOutError"
            << "I/O error 65536" << 65536 << QStringList{report("EInOutError", "I/O error 65536")};
        QTest::newRow("EZeroDivide code 200")
            << "EZeroDivide"
            << "Floating point division by zero" << 200
            << QStringList{report("EZeroDivide", "Floating point division by zero",
                                  "Деление на ноль", 200, 8)};
        QTest::newRow("EMathError: notice, no code")
            << "EMathError"
            << "Math error" << 0
            << QStringList{notice("EMathError", "Math error"), report("EMathError", "Math error")};
        QTest::newRow("coded type without a number")
            << "EMonthCalError"
            << "Failed" << 0 << QStringList{report("EMonthCalError", "Failed")};
        QTest::newRow("type named after a coded one is not coded")
            << "EZeroDivideExtra"
            << "Floating point division by zero" << 200
            << QStringList{report("EZeroDivideExtra", "Floating point division by zero")};
        QTest::newRow("type differing in case is not coded")
            << "Einouterror"
            << "File not found" << 2 << QStringList{report("Einouterror", "File not found")};
        QTest::newRow("message with a line break kept as is")
            << "EConvertError"
            << "first\n\rsecond" << 106
            << QStringList{
                   report("EConvertError", "first\n\rsecond", "Неверный числовой формат", 106, 10)};
    }
    void boxes() {
        QFETCH(QString, type);
        QFETCH(QString, message);
        QFETCH(int, number);
        QFETCH(QStringList, boxes);
        const Exception error(type.toLatin1().constData(), message, number);
        QCOMPARE(ErrorReportTexts(error), boxes);
    }

    void typeLists() {
        QCOMPARE(ShortNoticeTypes().size(), 86);
        QCOMPARE(CodedTypes().size(), 11);
        QCOMPARE(QSet<QString>(ShortNoticeTypes().begin(), ShortNoticeTypes().end()).size(), 86);
        for (const QString& coded : CodedTypes())
            QVERIFY2(!ShortNoticeTypes().contains(coded), qPrintable(coded));
    }

    // The errors as the program raises them, and errors from outside the program.
    void described_data() {
        QTest::addColumn<std::exception_ptr>("error");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("boxCount");

        QTest::newRow("division by zero in the schedule")
            << raised([] { Checked::div(1.0L, 0.0L); }) << "EZeroDivide"
            << "Floating point division by zero" << 200 << 1;
        QTest::newRow("0 / 0 in the schedule")
            << raised([] { Checked::div(0.0L, 0.0L); }) << "EInvalidOp"
            << "Invalid floating point operation" << 207 << 1;
        QTest::newRow("overflow in the schedule")
            << raised([] { Checked::mul(std::numeric_limits<long double>::max(), 2.0L); })
            << "EOverflow"
            << "Floating point overflow" << 205 << 1;
        QTest::newRow("text that is not a number")
            << raised([] { NumberText::StrToFloat(QStringLiteral("abc")); }) << "EConvertError"
            << "'abc' is not a valid floating point value" << 106 << 1;
        QTest::newRow("record file missing")
            << raised([] { InOut::raise(InOut::FileNotFound); }) << "EInOutError"
            << "File not found" << 2 << 1;
        QTest::newRow("grid index")
            << std::make_exception_ptr(EInvalidGridOperation("Grid index out of range"))
            << "EInvalidGridOperation"
            << "Grid index out of range" << 201 << 1;
        QTest::newRow("list index")
            << std::make_exception_ptr(EListError("List index out of bounds (3)")) << "EListError"
            << "List index out of bounds (3)" << 201 << 1;
        QTest::newRow("access violation")
            << std::make_exception_ptr(EAccessViolation("Access violation")) << "EAccessViolation"
            << "Access violation" << 216 << 1;
        QTest::newRow("integer division by zero")
            << std::make_exception_ptr(EDivByZero("Division by zero")) << "EDivByZero"
            << "Division by zero" << 0 << 2;
        QTest::newRow("raised under another name")
            << std::make_exception_ptr(EZeroDivide("Division by zero", "EDivByZero"))
            << "EDivByZero"
            << "Division by zero" << 0 << 2;
        QTest::newRow("out of memory")
            << std::make_exception_ptr(std::bad_alloc()) << "EOutOfMemory"
            << "Out of memory" << 0 << 2;
        QTest::newRow("failed cast") << std::make_exception_ptr(std::bad_cast()) << "EInvalidCast"
                                     << "Invalid class typecast" << 219 << 1;
        QTest::newRow("standard index out of range")
            << std::make_exception_ptr(std::out_of_range("vector index"))
            << "EArgumentOutOfRangeException"
            << "vector index" << 0 << 2;
        QTest::newRow("other standard exception")
            << std::make_exception_ptr(std::runtime_error("boom")) << "EExternalException"
            << "boom" << 0 << 2;
        QTest::newRow("not an exception at all") << std::make_exception_ptr(42) << "Exception"
                                                 << "Unknown exception" << 0 << 1;
    }
    void described() {
        QFETCH(std::exception_ptr, error);
        QFETCH(QString, type);
        QFETCH(QString, message);
        QFETCH(int, code);
        QFETCH(int, boxCount);
        QVERIFY(error);
        const Exception described = DescribeError(error);
        QCOMPARE(described.className(), type);
        QCOMPARE(described.message(), message);
        QCOMPARE(int(ErrorReportCode(described)), code);

        ScriptedMessages messages;
        ShowErrorReport(nullptr, error, messages);
        const QStringList shown = messages.takeMessages();
        QCOMPARE(shown.size(), boxCount);
        QVERIFY(shown.last().contains(QStringLiteral("Класс ошибки:......") + type +
                                      QStringLiteral("\n\r")));
    }

    // The hook: the shared text file is closed before the report is shown, a failing close
    // is tried once and the first error is still reported, and nothing escapes.
    void hook_data() {
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("closeFails");
        QTest::addColumn<QStringList>("log");

        const QString box =
            QStringLiteral("box ") +
            report("EConvertError", "'x' is not a valid date", "Неверный числовой формат", 106, 10);
        QTest::newRow("open file closed before the box")
            << true << true << false << QStringList{"close", box};
        QTest::newRow("closed file left alone") << true << false << false << QStringList{box};
        QTest::newRow("no shared file yet") << false << false << false << QStringList{box};
        QTest::newRow("failing close tried once, first error reported")
            << true << true << true << QStringList{"close", box};
    }
    void hook() {
        QFETCH(bool, hasFile);
        QFETCH(bool, open);
        QFETCH(bool, closeFails);
        QFETCH(QStringList, log);

        QStringList actual;
        StandInFile file(actual);
        file.open = open;
        file.closeFails = closeFails;
        LoggedMessages messages(actual);
        handleError(
            nullptr,
            std::make_exception_ptr(EConvertError(QStringLiteral("'x' is not a valid date"))),
            hasFile ? &file : nullptr, messages);
        QCOMPARE(actual, log);
        if (!closeFails)
            QVERIFY(!file.isOpen());
    }

    // A file that cannot be closed stays open; each later error tries once more and is
    // reported in its own right.
    void failingCloseDoesNotStick() {
        QStringList log;
        StandInFile file(log);
        file.open = true;
        file.closeFails = true;
        LoggedMessages messages(log);
        handleError(nullptr,
                    std::make_exception_ptr(EZeroDivide("Floating point division by zero")), &file,
                    messages);
        file.closeFails = false;
        handleError(nullptr, std::make_exception_ptr(EDivByZero("Division by zero")), &file,
                    messages);
        QCOMPARE(log.size(), 5);
        QCOMPARE(log.at(0), QStringLiteral("close"));
        QVERIFY(log.at(1).contains(QStringLiteral("EZeroDivide")));
        QCOMPARE(log.at(2), QStringLiteral("close"));
        QCOMPARE(log.at(3), QStringLiteral("box ") + notice("EDivByZero", "Division by zero"));
        QVERIFY(log.at(4).contains(QStringLiteral("EDivByZero")));
        QVERIFY(!file.isOpen());
    }

    void reportNeverThrows() {
        ThrowingMessages messages;
        ShowErrorReport(nullptr, std::make_exception_ptr(EDivByZero("Division by zero")), messages);
        handleError(nullptr, std::make_exception_ptr(std::bad_alloc()), nullptr, messages);
    }
};

QTEST_GUILESS_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
