#pragma once

#include <QString>

// The program's message boxes. The window shows them through a real implementation on
// QMessageBox; tests pass a scripted one that records the texts and answers questions.
class MessageService {
public:
    virtual ~MessageService() = default;

    // Plain message: modal, captioned with the application title, one OK button, no icon.
    virtual void showMessage(const QString& text) = 0;

    // Yes/No question captioned "ВНИМАНИЕ!!!" with a warning icon, No the default button.
    // True when the user answers Yes.
    virtual bool askYesNo(const QString& text) = 0;

    // Message texts break lines with LF followed by CR; a box shows that pair as one break.
    static QString displayText(QString text) {
        text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
        return text;
    }
};

// The line break inside message texts: LF then CR.
inline const QString MessageLineBreak = QStringLiteral("\n\r");
