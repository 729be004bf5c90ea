#pragma once

#include "MessageService.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

// The program's message boxes on QMessageBox, shown over the program's window (centred on
// it and modal to the program), whether or not the program is active at the time.
class QtMessageService : public MessageService {
public:
    explicit QtMessageService(QWidget* window = nullptr)
        : m_window(window) {}

    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;

    QWidget* window() const { return m_window; }

    // The boxes as they are shown, for inspection; the caller runs exec() and deletes them.
    QMessageBox* makeMessageBox(const QString& text) const;
    QMessageBox* makeQuestionBox(const QString& text) const;

private:
    QPointer<QWidget> m_window;
};
