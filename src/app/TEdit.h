#pragma once

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
// Ctrl+C/V/X/A/Z) bypass the hook. The hook runs through guarded() with the control as the
// sender; when it fails the key is swallowed.
using KeyHook = std::function<void(QChar& key)>;

// Edit box with a key hook (see KeyHook).
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);

    void setKeyHook(KeyHook hook) { m_hook = std::move(hook); }
    const KeyHook& keyHook() const { return m_hook; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyHook m_hook;
};

// Multi-line memo with a key hook (see KeyHook). Its text is the lines joined by "\n".
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);

    void setKeyHook(KeyHook hook) { m_hook = std::move(hook); }
    const KeyHook& keyHook() const { return m_hook; }

    QStringList lines() const;
    void setLines(const QStringList& lines);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyHook m_hook;
};

namespace KeyHookDetail {
// The hook's character for a key event, or QChar() when the key bypasses the hook.
QChar hookCharacter(const QKeyEvent* event);
// Runs the hook for a key event. Returns the character to type (QChar() = swallow) and
// sets passOn when the event should be processed unchanged.
QChar runHook(QObject* sender, const KeyHook& hook, const QKeyEvent* event, bool& passOn);
} // namespace KeyHookDetail
