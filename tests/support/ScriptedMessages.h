#pragma once

#include "MessageService.h"

#include <QQueue>
#include <QStringList>

// Message service for tests: every box a test causes must be one the test expected.
// - A plain message is recorded; the test takes it with takeMessages().
// - A question is recorded in `questions` and answered with the next scripted answer; a
//   question with no answer scripted fails the test at once (and is answered No).
// - When the service is destroyed, a scripted answer no question used, or a message the test
//   never took, fails the test; so destroy it within the test (a local, or in cleanup()).
class ScriptedMessages : public MessageService {
public:
    ScriptedMessages() = default;
    ~ScriptedMessages() override;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;

    // The messages shown since the last call, in the order they were shown.
    [[nodiscard]] QStringList takeMessages();

    // The answers to the coming questions, in order (true: Yes).
    QQueue<bool> answers;
    // Every question asked, in order.
    QStringList questions;

private:
    QStringList m_messages;
};
