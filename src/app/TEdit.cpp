#include "TEdit.h"

#include "Guarded.h"

#include <QKeyEvent>

namespace KeyHookDetail {

QChar hookCharacter(const QKeyEvent* event) {
    const Qt::KeyboardModifiers shortcutKeys =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & shortcutKeys)
        return {};
    switch (event->key()) {
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1)
        return {};
    const QChar c = text.at(0);
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return {};
    return c;
}

QChar runHook(QObject* sender, const KeyHook& hook, const QKeyEvent* event, bool& passOn) {
    passOn = true;
    const QChar typed = hookCharacter(event);
    if (!hook || typed.isNull())
        return typed;
    QChar key = typed;
    bool finished = false;
    guarded(sender, [&] {
        hook(key);
        finished = true;
    });
    if (!finished)
        key = QChar();
    passOn = key == typed;
    return key;
}

} // namespace KeyHookDetail

namespace {

// A replaced Enter or Backspace acts as that key; any other character is typed.
QKeyEvent replacementEvent(QChar key) {
    if (key == QChar(13))
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    if (key == QChar(8))
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    return QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
}

} // namespace

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent) {}

void TEdit::keyPressEvent(QKeyEvent* event) {
    bool passOn = true;
    const QChar key = KeyHookDetail::runHook(this, m_hook, event, passOn);
    if (passOn) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (key.isNull())
        return;
    if (key == QChar(13) || key == QChar(8)) {
        QKeyEvent replacement = replacementEvent(key);
        QLineEdit::keyPressEvent(&replacement);
        return;
    }
    // Typed like an ordinary key: replaces the selection, respects the validator.
    if (!isReadOnly())
        insert(QString(key));
}

TMemo::TMemo(QWidget* parent)
    : QPlainTextEdit(parent) {}

QStringList TMemo::lines() const {
    return toPlainText().split(u'\n');
}

void TMemo::setLines(const QStringList& lines) {
    setPlainText(lines.join(u'\n'));
}

void TMemo::keyPressEvent(QKeyEvent* event) {
    bool passOn = true;
    const QChar key = KeyHookDetail::runHook(this, m_hook, event, passOn);
    if (passOn) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (key.isNull())
        return;
    QKeyEvent replacement = replacementEvent(key);
    QPlainTextEdit::keyPressEvent(&replacement);
}
