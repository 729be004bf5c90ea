#include "NumberText.h"

#include "Exceptions.h"
#include "RegionalSettings.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace NumberText {
namespace {

[[noreturn]] void notAFloat(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Checks the shape of a number text and gives it in the C form ("." as decimal point) that
// from_chars reads. Empty result: not a number.
std::string toCForm(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && text[i] == u'-') {
        out.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && isDigit(text[i])) {
        out.push_back(static_cast<char>(text[i].unicode()));
        ++mantissaDigits;
        ++i;
    }
    if (i < n && text[i] == Regional::DecimalSeparator) {
        out.push_back('.');
        ++i;
        while (i < n && isDigit(text[i])) {
            out.push_back(static_cast<char>(text[i].unicode()));
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        out.push_back('e');
        ++i;
        if (i < n && (text[i] == u'-' || text[i] == u'+')) {
            out.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            out.push_back(static_cast<char>(text[i].unicode()));
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return {};
    }
    if (i != n)
        return {};
    return out;
}

} // namespace

long double StrToFloat(const QString& text) {
    const std::string c = toCForm(text);
    if (c.empty())
        notAFloat(text);
    long double value = 0;
    const auto [end, ec] = std::from_chars(c.data(), c.data() + c.size(), value);
    if (ec != std::errc() || end != c.data() + c.size() || !std::isfinite(value))
        notAFloat(text);
    return value;
}

int StrToInt(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    bool shapeOk = !text.isEmpty();
    for (qsizetype i = 0; i < text.size() && shapeOk; ++i)
        shapeOk = isDigit(text[i]) || (i == 0 && text[i] == u'-' && text.size() > 1);
    if (!ok || !shapeOk)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

QString FloatToStr(long double value) {
    if (std::isnan(value))
        throw EInvalidOp(QStringLiteral("Invalid floating point operation"));
    if (std::isinf(value))
        throw EOverflow(QStringLiteral("Floating point overflow"));
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits: d.dddddddddddddde±x
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string s(buf, res.ptr);
    const bool negative = s.front() == '-';
    if (negative)
        s.erase(0, 1);
    const size_t ePos = s.find('e');
    int exponent = std::stoi(s.substr(ePos + 1));
    std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    QString out;
    if (negative)
        out += u'-';
    if (exponent < -4 || exponent >= 15) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1) {
            out += Regional::DecimalSeparator;
            out += QLatin1String(digits.data() + 1, static_cast<qsizetype>(digits.size() - 1));
        }
        out += u'E';
        out += QString::number(exponent);
        return out;
    }
    if (exponent < 0) {
        out += u'0';
        out += Regional::DecimalSeparator;
        out += QString(-exponent - 1, u'0');
        out += QLatin1String(digits.data(), static_cast<qsizetype>(digits.size()));
        return out;
    }
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        out += QLatin1String(digits.data(), static_cast<qsizetype>(digits.size()));
        out += QString(static_cast<qsizetype>(whole - digits.size()), u'0');
    } else {
        out += QLatin1String(digits.data(), static_cast<qsizetype>(whole));
        out += Regional::DecimalSeparator;
        out += QLatin1String(digits.data() + whole, static_cast<qsizetype>(digits.size() - whole));
    }
    return out;
}

QString FloatToFixed(long double value, int decimals, bool grouped) {
    if (std::isnan(value))
        throw EInvalidOp(QStringLiteral("Invalid floating point operation"));
    if (std::isinf(value))
        throw EOverflow(QStringLiteral("Floating point overflow"));
    // Printed amounts round half away from zero on the value's 18 significant decimal
    // digits, so 1,005 prints as 1,01 although its binary form lies just below.
    char buf[128];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 17);
    std::string s(buf, res.ptr);
    bool negative = s.front() == '-';
    if (negative)
        s.erase(0, 1);
    const size_t ePos = s.find('e');
    const int exponent = std::stoi(s.substr(ePos + 1));
    const std::string mantissa = s.substr(0, 1) + s.substr(2, ePos - 2);

    // Digits of the value at positions 10^exponent .. 10^-decimals, rounded at the last one.
    std::string digits; // whole and fraction digits without the point
    const int firstPos = std::max(exponent, 0);
    for (int pos = firstPos; pos >= -decimals; --pos) {
        const int idx = exponent - pos;
        digits.push_back(idx >= 0 && idx < static_cast<int>(mantissa.size()) ? mantissa[idx] : '0');
    }
    const int nextIdx = exponent + decimals + 1;
    const bool roundUp =
        nextIdx >= 0 && nextIdx < static_cast<int>(mantissa.size()) && mantissa[nextIdx] >= '5';
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0)
            ++digits[i];
        else
            digits.insert(digits.begin(), '1');
    }
    const std::string whole = digits.substr(0, digits.size() - static_cast<size_t>(decimals));
    const std::string frac = digits.substr(digits.size() - static_cast<size_t>(decimals));
    if (digits.find_first_not_of('0') == std::string::npos)
        negative = false;
    QString out;
    if (negative)
        out += u'-';
    for (size_t i = 0; i < whole.size(); ++i) {
        if (grouped && i > 0 && (whole.size() - i) % 3 == 0)
            out += u' ';
        out += QLatin1Char(whole[i]);
    }
    if (decimals > 0) {
        out += Regional::DecimalSeparator;
        out += QLatin1String(frac.data(), static_cast<qsizetype>(frac.size()));
    }
    return out;
}

} // namespace NumberText
