#include "KeyFilters.h"

#include "RegionalSettings.h"

namespace KeyFilters {
namespace {

bool isDigit(QChar key) {
    return key >= u'0' && key <= u'9';
}

bool isSeparator(QChar key) {
    return key == u',' || key == u'.';
}

// 1-based position of the first occurrence of c in text, 0 when there is none.
int positionOf(const QString& text, QChar c) {
    return static_cast<int>(text.indexOf(c)) + 1;
}

int lengthOf(const QString& text) {
    return static_cast<int>(text.size());
}

bool isGridCell(SummEditor editor) {
    return editor == SummEditor::GrafikCell || editor == SummEditor::DosPlatCell ||
           editor == SummEditor::DosPlatDate;
}

} // namespace

QChar SrokKey(QChar key) {
    if (key == Backspace || isDigit(key))
        return key;
    return QChar();
}

QChar ProcentKey(const Field& field, QChar key) {
    const int L = lengthOf(field.text);
    const int S = field.caret;
    const int P = positionOf(field.text, Regional::DecimalSeparator);

    if (key == u'-')
        // Only at the start; a minus already there does not matter.
        return S == 0 ? key : QChar();
    if (isSeparator(key))
        // One comma, never as the first character.
        return P == 0 && S > 0 && L > 0 ? Regional::DecimalSeparator : QChar();
    if (isDigit(key))
        // Behind the comma at most six decimals.
        return P > 0 && L - P >= 6 && S >= P ? QChar() : key;
    if (key == Backspace)
        return key;
    return QChar();
}

QChar SummKey(SummEditor editor, const Field& field, QChar key) {
    const bool none = editor == SummEditor::None;
    const bool cell = isGridCell(editor);
    const int L = none ? 0 : lengthOf(field.text);
    const int S = none ? 0 : field.caret;
    const int P = none ? 0 : positionOf(field.text, Regional::DecimalSeparator);
    // The minus and zero positions count in the grid cells only.
    const int M = cell ? positionOf(field.text, u'-') : 0;
    const int Z = cell ? positionOf(field.text, u'0') : 0;

    if (isDigit(key)) {
        // Behind the comma at most two decimals.
        if (P > 0 && L - P >= 2 && S >= P)
            return QChar();
        // No second zero right behind a leading "0" or a leading "-0".
        if (key == u'0' && ((Z == 1 && M == 0 && S == 1) || (Z == 2 && M == 1 && S == 2)))
            return QChar();
        return key;
    }
    if (isSeparator(key)) {
        if (P > 0 || S == 0 || L == 0 || (S == 1 && M == 1))
            return QChar();
        // Dates of early payments are typed as dd.mm.yyyy; only commas count for P, so the
        // date column takes any number of full stops.
        return editor == SummEditor::DosPlatDate ? Regional::DateSeparator
                                                 : Regional::DecimalSeparator;
    }
    if (key == u'-') {
        // A grid cell takes one minus, as its first character; the edit boxes take any.
        if (cell && (M > 0 || S > 0))
            return QChar();
        return key;
    }
    if (key == Enter || key == Backspace)
        return key;
    return QChar();
}

GrafikEnterAction GrafikEnter(const QString& cellText) {
    return cellText == QStringLiteral("-") ? GrafikEnterAction::EmptyCell
                                           : GrafikEnterAction::Rebuild;
}

} // namespace KeyFilters
