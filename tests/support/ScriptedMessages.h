#pragma once

#include "MessageService.h"

#include <QQueue>
#include <QStringList>

// Message service for tests: records every text and answers questions from a script
// (No when the script is empty).
class ScriptedMessages : public MessageService {
public:
    void showMessage(const QString& text) override { messages << text; }
    bool askYesNo(const QString& text) override {
        questions << text;
        return answers.isEmpty() ? false : answers.dequeue();
    }

    QStringList messages;
    QStringList questions;
    QQueue<bool> answers;
};
