#include "TEdit.h"

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

} // namespace KeyHookDetail

namespace {

// A replaced Enter or Backspace acts as that key; any other character is typed as an
// ordinary key is (replacing the selection, judged by the control's validator).
QKeyEvent replacementEvent(QChar key) {
    if (key == QChar(13))
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    if (key == QChar(8))
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    return QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
}

} // namespace

void KeyHookedControl::filterKey(QObject* control, QKeyEvent* event,
                                 const std::function<void(QKeyEvent*)>& process) {
    const QChar typed = KeyHookDetail::hookCharacter(event);
    if (!m_keyHook || typed.isNull()) {
        process(event);
        return;
    }
    QChar key = typed;
    if (!guarded(errorHandler(), control, [&] { m_keyHook(key); }))
        key = QChar();
    if (key == typed) {
        process(event);
        return;
    }
    event->accept();
    if (key.isNull())
        return;
    QKeyEvent replacement = replacementEvent(key);
    process(&replacement);
}

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent) {}

void TEdit::keyPressEvent(QKeyEvent* event) {
    filterKey(this, event, [this](QKeyEvent* e) { QLineEdit::keyPressEvent(e); });
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
    filterKey(this, event, [this](QKeyEvent* e) { QPlainTextEdit::keyPressEvent(e); });
}
