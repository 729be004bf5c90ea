// The test double of the message boxes is strict: a box a test did not expect fails that test.
// Each case below runs in a child process of this program, since failing is what it shows.
#include "ScriptedMessages.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

namespace {
const char* const InnerCases = "SUDOGRAF_SCRIPTED_MESSAGES_INNER";
}

// The cases the child process runs; each is one test function of its own.
class ScriptedMessagesCases : public QObject {
    Q_OBJECT
private slots:
    void unscriptedQuestion() {
        ScriptedMessages messages;
        QVERIFY(!messages.askYesNo(QStringLiteral("Удалить запись?")));
    }
    void answerLeftOver() {
        ScriptedMessages messages;
        messages.answers << true << false;
        QVERIFY(messages.askYesNo(QStringLiteral("Сохранить?")));
    }
    void messageNotTaken() {
        ScriptedMessages messages;
        messages.showMessage(QStringLiteral("Не заполнено поле Кредитор"));
    }
    void everythingExpected() {
        ScriptedMessages messages;
        messages.answers << true << false;
        messages.showMessage(QStringLiteral("one"));
        QVERIFY(messages.askYesNo(QStringLiteral("first")));
        QVERIFY(!messages.askYesNo(QStringLiteral("second")));
        messages.showMessage(QStringLiteral("two"));
        QCOMPARE(messages.takeMessages(), (QStringList{"one", "two"}));
        QCOMPARE(messages.takeMessages(), QStringList());
        QCOMPARE(messages.questions, (QStringList{"first", "second"}));
    }
};

class TestScriptedMessages : public QObject {
    Q_OBJECT
private slots:
    void strayBoxesFailTheTest_data() {
        QTest::addColumn<QString>("testCase");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QString>("says");
        QTest::newRow("question with no answer scripted")
            << "unscriptedQuestion" << false
            << "question asked with no answer scripted: \"Удалить запись?\"";
        QTest::newRow("answer no question used")
            << "answerLeftOver" << false << "1 scripted answer(s) left over";
        QTest::newRow("message the test never took")
            << "messageNotTaken" << false
            << "message(s) shown that the test never took: \"Не заполнено поле Кредитор\"";
        QTest::newRow("every box expected") << "everythingExpected" << true << "PASS";
    }
    void strayBoxesFailTheTest() {
        QFETCH(QString, testCase);
        QFETCH(bool, passes);
        QFETCH(QString, says);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(InnerCases), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {testCase});
        QVERIFY(child.waitForFinished(30000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2((child.exitCode() == 0) == passes, qPrintable(output));
        QVERIFY2(output.contains(says), qPrintable(output));
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(InnerCases)) {
        ScriptedMessagesCases cases;
        return QTest::qExec(&cases, argc, argv);
    }
    TestScriptedMessages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scriptedmessages.moc"
