#pragma once

#include "Guarded.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>

// Key interception shared by the edit boxes and the memo. Before a typed character reaches
// the control, the hook gets it and may change it in place:
//   - left unchanged: the key is processed as usual;
//   - set to another character: that character is typed instead (at the caret, replacing
//     the selection as ordinary typing does);
//   - set to QChar(): the key is swallowed entirely.
// Character keys give their character, Backspace gives QChar(8), Enter and Return give
// QChar(13). Keys without a character (arrows, Delete, Home, Ctrl shortcuts such as
// Ctrl+C/V/X/A/Z) bypass the hook. The hook runs through the control's error handler with
// the control as the sender; when it fails the key is swallowed.
using KeyHook = std::function<void(QChar& key)>;

namespace KeyHookDetail {
// The hook's character for a key event, or QChar() when the key bypasses the hook.
QChar hookCharacter(const QKeyEvent* event);
} // namespace KeyHookDetail

// What the edit box and the memo share: the key hook and the filtering of key events by it.
class KeyHookedControl : public GuardedControl {
public:
    void setKeyHook(KeyHook hook) { m_keyHook = std::move(hook); }
    const KeyHook& keyHook() const { return m_keyHook; }

protected:
    // Passes a key event through the hook to the control's own key handling (process): the
    // event itself when the hook keeps the key or the key bypasses the hook, a replacement
    // event when the hook changes the key (a replaced Enter or Backspace acts as that key, any
    // other character is typed), nothing when the hook swallows the key or fails.
    void filterKey(QObject* control, QKeyEvent* event,
                   const std::function<void(QKeyEvent*)>& process);

private:
    KeyHook m_keyHook;
};

// Edit box with a key hook (see KeyHook).
class TEdit : public QLineEdit, public KeyHookedControl {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Multi-line memo with a key hook (see KeyHook). Its text is the lines joined by "\n".
class TMemo : public QPlainTextEdit, public KeyHookedControl {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);

    QStringList lines() const;
    void setLines(const QStringList& lines);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
