#pragma once

#include <QFont>
#include <QHash>
#include <QString>

// Widths of texts in one font, in pixels, exactly as QFontMetrics::horizontalAdvance gives them,
// at a fraction of its cost. Fitting a column measures every text in it after every change of
// the grid, and shaping a text is the costly part of a schedule build.
//
// Each distinct text is measured once. Number and date texts go further: when the font gives
// every digit the same advance and each digit pairs with its neighbours (digits, ",", ".",
// "-", " ") exactly as "0" does, which is checked once per font, a text's width does not
// depend on which digits it holds, and one text measured stands for all texts of its pattern
// ("12 884,88" for "00 000,00").
class TextWidths {
public:
    explicit TextWidths(const QFont& font = QFont());

    int width(const QString& text);

    // Starts again for another font; nothing is measured until a text is asked for.
    void setFont(const QFont& font);
    const QFont& font() const { return m_font; }

private:
    bool digitsInterchangeable();

    QFont m_font;
    // Whether the font's digits stand for each other; checked at the first number text.
    enum class Digits { Unknown, Interchangeable, Distinct } m_digits = Digits::Unknown;
    QHash<quint64, int> m_byPattern;
    QHash<QString, int> m_byText;
};
