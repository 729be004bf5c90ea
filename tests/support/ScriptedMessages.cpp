#include "ScriptedMessages.h"

#include <QTest>

namespace {

void fail(const QString& what) {
    QTest::qFail(qUtf8Printable(QStringLiteral("ScriptedMessages: ") + what), __FILE__, __LINE__);
}

QString quoted(const QStringList& texts) {
    QStringList q;
    for (const QString& t : texts)
        q << u'"' + QString(t).replace(MessageLineBreak, QStringLiteral("\\n")) + u'"';
    return q.join(QStringLiteral(", "));
}

} // namespace

ScriptedMessages::~ScriptedMessages() {
    // A test that failed already has told its story; what it left undone adds nothing.
    if (QTest::currentTestFailed())
        return;
    if (!answers.isEmpty())
        fail(QStringLiteral("%1 scripted answer(s) left over: the question(s) never came")
                 .arg(answers.size()));
    if (!m_messages.isEmpty())
        fail(QStringLiteral("message(s) shown that the test never took: ") + quoted(m_messages));
}

void ScriptedMessages::showMessage(const QString& text) {
    m_messages << text;
}

bool ScriptedMessages::askYesNo(const QString& text) {
    questions << text;
    if (answers.isEmpty()) {
        fail(QStringLiteral("question asked with no answer scripted: ") + quoted({text}));
        return false;
    }
    return answers.dequeue();
}

QStringList ScriptedMessages::takeMessages() {
    return std::exchange(m_messages, {});
}
