#pragma once

#include <QChar>
#include <QString>

// Decisions of the key filters of the number fields. Every typed character is judged from the
// state of the field before the key takes effect: the text and the caret (the number of
// characters before it; with a selection, the start of the selection, the selection itself is
// not considered). The result is the character to insert: the key itself (accepted), another
// character (replaced) or QChar() (refused: the key has no effect at all).
//
// The filters keep the texts convertible while typing; pasted text is not filtered and is
// judged by whoever converts it later.
namespace KeyFilters {

inline constexpr QChar Backspace = QChar(8);
inline constexpr QChar Enter = QChar(13);

// The state of the field the key goes to.
struct Field {
    QString text;
    int caret = 0;
};

// Counts (number of payments, payment number, number of insurance payments): digits only.
QChar SrokKey(QChar key);

// Rates and the deviation: a leading minus, one decimal comma ("." typed becomes ","), at most
// six decimals; digits before the comma are unlimited.
QChar ProcentKey(const Field& field, QChar key);

// Which editor an amount key goes to. The grid cell editors forbid a second leading zero and
// allow a minus only as the first character of a cell without one; the early-payment date
// column of DosPlat takes "." instead of "," so that dates can be typed as dd.mm.yyyy.
enum class SummEditor {
    None,        // a key typed on a grid whose cell editor is not open yet: all counts are 0
    EditBox,     // ESummCred, StrahSumm, SMSSumm, DopSumm
    GrafikCell,  // the cell editor of Grafik
    DosPlatCell, // the cell editor of DosPlat, amount column
    DosPlatDate, // the cell editor of DosPlat, date column (column 0)
};

// Amounts and the grid cells: one decimal separator, at most two decimals. Enter passes
// unchanged (what it does in a Grafik cell is told by GrafikEnter).
QChar SummKey(SummEditor editor, const Field& field, QChar key);

// What Enter in an open Grafik cell editor does before the same cell is made current again: a
// cell holding just "-" is emptied (it is no correction yet); any other text rebuilds the
// schedule so the correction takes effect at once.
enum class GrafikEnterAction { EmptyCell, Rebuild };
GrafikEnterAction GrafikEnter(const QString& cellText);

// The note memo takes every key unchanged.
inline QChar SMemoKey(QChar key) {
    return key;
}

} // namespace KeyFilters
