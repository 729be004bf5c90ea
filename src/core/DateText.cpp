#include "DateText.h"

#include "Exceptions.h"
#include "RegionalSettings.h"

#include <algorithm>
#include <iterator>

namespace DateText {

// Written digit by digit: a schedule writes hundreds of dates per build, and QDate's general
// formatter costs many times more.
bool DateToChars(QDate date, char16_t (&text)[10]) {
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 1 || year > 9999)
        return false;
    const char16_t dot = Regional::DateSeparator.unicode();
    const auto digit = [](int value) {
        return static_cast<char16_t>(u'0' + value);
    };
    const char16_t chars[10] = {digit(day / 10),    digit(day % 10),        dot,
                                digit(month / 10),  digit(month % 10),      dot,
                                digit(year / 1000), digit(year / 100 % 10), digit(year / 10 % 10),
                                digit(year % 10)};
    std::copy(std::begin(chars), std::end(chars), std::begin(text));
    return true;
}

QString DateToStr(QDate date) {
    char16_t text[10];
    if (!DateToChars(date, text))
        return date.toString(Regional::ShortDateFormat);
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

bool ReadDateParts(QStringView text, int& year, int& month, int& day) {
    // Three groups of digits separated by dots: day and month of one or two digits, the year
    // of four.
    int values[3] = {0, 0, 0};
    int lengths[3] = {0, 0, 0};
    int part = 0;
    bool ok = !text.isEmpty();
    for (qsizetype i = 0; i < text.size() && ok; ++i) {
        const QChar c = text[i];
        if (c == Regional::DateSeparator) {
            ok = ++part < 3;
        } else if (c >= u'0' && c <= u'9') {
            values[part] = values[part] * 10 + (c.unicode() - u'0');
            ok = ++lengths[part] <= (part == 2 ? 4 : 2);
        } else {
            ok = false;
        }
    }
    if (!(ok && part == 2 && lengths[0] > 0 && lengths[1] > 0 && lengths[2] == 4))
        return false;
    day = values[0];
    month = values[1];
    year = values[2];
    return true;
}

QDate ReadDate(QStringView text) {
    int year = 0, month = 0, day = 0;
    return ReadDateParts(text, year, month, day) ? QDate(year, month, day) : QDate();
}

QDate StrToDate(const QString& text) {
    const QDate date = ReadDate(text);
    if (!date.isValid())
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    return date;
}

} // namespace DateText
