#pragma once

#include "MessageService.h"

class QMessageBox;

// The program's message boxes on QMessageBox, owned by the application's active window.
class QtMessageService : public MessageService {
public:
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;

    // The boxes as they are shown, for inspection; the caller runs exec() and deletes them.
    static QMessageBox* makeMessageBox(const QString& text);
    static QMessageBox* makeQuestionBox(const QString& text);
};
