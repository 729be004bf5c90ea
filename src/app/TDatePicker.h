#pragma once

#include <QDateEdit>

#include <functional>

class QLineEdit;

// Date picker that shows the long date format and also takes a date typed as dd.mm.yyyy
// (or d.m.yyyy).
//
// A digit typed while the picker shows its date starts a typed entry that replaces the shown
// text; digits and full stops follow (a comma counts as a full stop), Backspace, Delete and
// the cursor keys edit it. Enter or leaving the field takes the entry: a date that exists
// becomes the picker's date, anything else (31.02.2027, 11.13.2027, an unfinished 11.01) is
// refused and the picker shows its date unchanged; Escape drops the entry. Paste works the
// same way with a date text. Keys and clicks that do not belong to the typed entry work on
// the shown date as in any date picker.
class TDatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit TDatePicker(QWidget* parent = nullptr);

    // Whether a typed entry is in progress (the field shows digits and full stops).
    bool isTyping() const;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes the typed entry (or refuses it) and shows the picker's date again.
    void finishTyping();
    void dropTyping();
    void typeText(const QString& text);
    void editEntry(const std::function<void(QLineEdit&)>& change);
};
