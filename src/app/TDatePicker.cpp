#include "TDatePicker.h"

#include "DateText.h"
#include "RegionalSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalBlocker>

namespace {

// A typed entry on its way to d.m.yyyy: up to two day digits, a full stop, up to two month
// digits, a full stop, up to four year digits. The long date format always holds letters,
// so a shown date never looks like an entry.
bool isEntryText(const QString& text) {
    static const QRegularExpression entry(
        QStringLiteral(R"(^\d{0,2}(\.(\d{0,2}(\.\d{0,4})?)?)?$)"));
    return entry.match(text).hasMatch();
}

QString normalisedEntry(QString text) {
    text.replace(u',', Regional::DateSeparator);
    return text.trimmed();
}

bool isDigitKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers other =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return other == Qt::NoModifier && event->text().size() == 1 && event->text()[0].isDigit() &&
           event->text()[0] < u'\x80';
}

} // namespace

TDatePicker::TDatePicker(QWidget* parent)
    : QDateEdit(parent) {
    lineEdit()->installEventFilter(this);
}

bool TDatePicker::isTyping() const {
    return isEntryText(lineEdit()->text());
}

QValidator::State TDatePicker::validate(QString& input, int& pos) const {
    // An entry is never complete while it is typed: only Enter or leaving the field takes it.
    if (isEntryText(input))
        return QValidator::Intermediate;
    return QDateEdit::validate(input, pos);
}

// The date editor follows every text and cursor change of its line to keep one part of the
// date selected; an entry is edited with the line's signals blocked, so it stays as typed.
void TDatePicker::editEntry(const std::function<void(QLineEdit&)>& change) {
    QLineEdit* edit = lineEdit();
    {
        const QSignalBlocker quiet(edit);
        change(*edit);
    }
    edit->update();
}

void TDatePicker::typeText(const QString& text) {
    QLineEdit* edit = lineEdit();
    QString result = edit->text();
    int cursor = edit->cursorPosition();
    if (edit->hasSelectedText()) {
        cursor = edit->selectionStart();
        result.remove(cursor, edit->selectedText().size());
    }
    result.insert(cursor, text);
    if (!isEntryText(result))
        return; // a character that cannot belong to a date here is swallowed
    editEntry([&](QLineEdit& line) {
        line.setText(result);
        line.setCursorPosition(cursor + static_cast<int>(text.size()));
    });
}

void TDatePicker::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        const QString pasted = normalisedEntry(QApplication::clipboard()->text());
        if (!pasted.isEmpty() && isEntryText(pasted)) {
            if (!isTyping())
                editEntry([](QLineEdit& line) { line.clear(); });
            typeText(pasted);
            return;
        }
    }
    if (!isTyping()) {
        if (isDigitKey(event)) {
            editEntry([](QLineEdit& line) { line.clear(); });
            typeText(event->text());
            return;
        }
        QDateEdit::keyPressEvent(event);
        return;
    }

    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        finishTyping();
        emit editingFinished();
        return;
    case Qt::Key_Escape:
        dropTyping();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QDateEdit::keyPressEvent(event); // leaving the field takes the entry
        return;
    case Qt::Key_Backspace:
        editEntry([](QLineEdit& line) { line.backspace(); });
        return;
    case Qt::Key_Delete:
        editEntry([](QLineEdit& line) { line.del(); });
        return;
    case Qt::Key_Left:
        editEntry([shift](QLineEdit& line) { line.cursorBackward(shift); });
        return;
    case Qt::Key_Right:
        editEntry([shift](QLineEdit& line) { line.cursorForward(shift); });
        return;
    case Qt::Key_Home:
        editEntry([shift](QLineEdit& line) { line.home(shift); });
        return;
    case Qt::Key_End:
        editEntry([shift](QLineEdit& line) { line.end(shift); });
        return;
    default:
        break;
    }
    const QString text = normalisedEntry(event->text());
    if (isDigitKey(event) || text == QString(Regional::DateSeparator))
        typeText(text);
    // Every other key is swallowed while an entry is typed: stepping the date or moving
    // between its parts belongs to the shown date.
}

void TDatePicker::finishTyping() {
    // A text that is no date is refused: the picker keeps its date.
    const QDate typed = DateText::ReadDate(lineEdit()->text());
    if (typed.isValid() && typed >= minimumDate() && typed <= maximumDate())
        setDate(typed);
    else
        dropTyping();
}

void TDatePicker::dropTyping() {
    setDate(date()); // shows the picker's date in the long format again
}

void TDatePicker::focusOutEvent(QFocusEvent* event) {
    if (isTyping())
        finishTyping();
    QDateEdit::focusOutEvent(event);
}

void TDatePicker::mousePressEvent(QMouseEvent* event) {
    if (isTyping())
        finishTyping();
    QDateEdit::mousePressEvent(event);
}

bool TDatePicker::eventFilter(QObject* watched, QEvent* event) {
    // While an entry is typed, a click in it only places the cursor.
    if (watched == lineEdit() && isTyping()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                const int at = lineEdit()->cursorPositionAt(mouse->position().toPoint());
                editEntry([at](QLineEdit& line) { line.setCursorPosition(at); });
            }
            return true;
        }
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::ContextMenu:
            return true;
        default:
            break;
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

void TDatePicker::wheelEvent(QWheelEvent* event) {
    if (isTyping()) {
        event->accept();
        return;
    }
    QDateEdit::wheelEvent(event);
}
