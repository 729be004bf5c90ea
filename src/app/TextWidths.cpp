#include "TextWidths.h"

#include <QFontMetrics>

namespace {

// The characters of number and date texts besides the digits, each with its code in a
// pattern; a digit is code 1.
constexpr char16_t Separators[] = {u',', u'.', u'-', u' '};
constexpr int SeparatorCount = 4;
// Three bits a character, so a pattern holds up to 21 characters.
constexpr int MaxPatternLength = 21;

int codeOf(QChar c) {
    if (c >= u'0' && c <= u'9')
        return 1;
    for (int k = 0; k < SeparatorCount; ++k)
        if (c == Separators[k])
            return 2 + k;
    return 0;
}

// The pattern of a number or date text: its characters with every digit standing for any
// digit; 0 for a text that is no such text (or too long to have a pattern).
quint64 patternOf(const QString& text) {
    if (text.isEmpty() || text.size() > MaxPatternLength)
        return 0;
    quint64 pattern = 0;
    for (QChar c : text) {
        const int code = codeOf(c);
        if (code == 0)
            return 0;
        pattern = pattern << 3 | static_cast<quint64>(code);
    }
    return pattern;
}

bool hasDigit(const QString& text) {
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            return true;
    return false;
}

// So many distinct texts are kept at most; past that the store starts again.
constexpr qsizetype MaxStoredTexts = 8192;

} // namespace

TextWidths::TextWidths(const QFont& font)
    : m_font(font) {}

void TextWidths::setFont(const QFont& font) {
    if (font == m_font)
        return;
    m_font = font;
    m_digits = Digits::Unknown;
    m_byPattern.clear();
    m_byText.clear();
}

bool TextWidths::digitsInterchangeable() {
    if (m_digits != Digits::Unknown)
        return m_digits == Digits::Interchangeable;
    // Unrounded widths: two texts of equal width here are equal in whole pixels too.
    const QFontMetricsF metrics(m_font);
    QString neighbours = QStringLiteral("0123456789");
    for (char16_t s : Separators)
        neighbours += QChar(s);
    bool same = true;
    for (char16_t d = u'1'; d <= u'9' && same; ++d) {
        const QChar digit(d);
        same = metrics.horizontalAdvance(QString(digit)) ==
               metrics.horizontalAdvance(QStringLiteral("0"));
        for (QChar n : neighbours) {
            if (!same)
                break;
            same = metrics.horizontalAdvance(QString(digit) + n) ==
                       metrics.horizontalAdvance(QString(u'0') + n) &&
                   metrics.horizontalAdvance(QString(n) + digit) ==
                       metrics.horizontalAdvance(QString(n) + u'0');
        }
    }
    m_digits = same ? Digits::Interchangeable : Digits::Distinct;
    return same;
}

int TextWidths::width(const QString& text) {
    if (text.isEmpty())
        return 0;
    const quint64 pattern = hasDigit(text) ? patternOf(text) : 0;
    if (pattern != 0 && digitsInterchangeable()) {
        const auto known = m_byPattern.constFind(pattern);
        if (known != m_byPattern.constEnd())
            return *known;
        const int measured = QFontMetrics(m_font).horizontalAdvance(text);
        m_byPattern.insert(pattern, measured);
        return measured;
    }
    const auto known = m_byText.constFind(text);
    if (known != m_byText.constEnd())
        return *known;
    if (m_byText.size() >= MaxStoredTexts)
        m_byText.clear();
    const int measured = QFontMetrics(m_font).horizontalAdvance(text);
    m_byText.insert(text, measured);
    return measured;
}
