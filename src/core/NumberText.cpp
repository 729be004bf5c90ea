#include "NumberText.h"

#include "Exceptions.h"
#include "RegionalSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace NumberText {
namespace {

[[noreturn]] void notAFloat(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

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

// Plain decimal texts ("-ddd,dd", no exponent, at most 19 digits) are read exactly with integer
// arithmetic: the digits as a whole number and the power of ten are both exact in the 64-bit
// mantissa, so their one division gives the correctly rounded value, as the general reader does.
bool readPlainDecimal(const QString& text, long double& value) {
    const qsizetype n = text.size();
    if (n == 0 || n > 21)
        return false;
    qsizetype i = 0;
    const bool negative = text[0] == u'-';
    if (negative)
        i = 1;
    unsigned long long digits = 0;
    int count = 0;
    int decimals = -1;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            digits = digits * 10 + (c - u'0');
            ++count;
            if (decimals >= 0)
                ++decimals;
        } else if (c == Regional::DecimalSeparator && decimals < 0) {
            decimals = 0;
        } else {
            return false;
        }
    }
    if (count == 0 || count > 19)
        return false;
    static constexpr long double pow10[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                            1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                            1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L};
    const long double whole = static_cast<long double>(digits);
    value = decimals > 0 ? whole / pow10[decimals] : whole;
    if (negative)
        value = -value;
    return true;
}

// The 15 significant digits of v in [1E-4, 1E15), rounded to nearest with ties to even on the
// exact binary value, by integer arithmetic: v = m * 2^-shift with the 64-bit mantissa m, and
// the digits are m * 10^k * 2^-shift rounded. False when v lies outside that range.
__extension__ using UInt128 = unsigned __int128;

bool fifteenDigits(long double v, unsigned long long& digits, int& exponent) {
    if (!(v >= 1e-4L && v < 1e15L))
        return false;
    int e2 = 0;
    const long double fraction = std::frexp(v, &e2); // v = fraction * 2^e2, fraction in [0.5, 1)
    const auto m = static_cast<unsigned long long>(std::ldexp(fraction, 64));
    const int shift = 64 - e2;
    if (shift <= 0 || shift >= 127)
        return false;
    static constexpr unsigned long long pow10[19] = {1ULL,
                                                     10ULL,
                                                     100ULL,
                                                     1000ULL,
                                                     10000ULL,
                                                     100000ULL,
                                                     1000000ULL,
                                                     10000000ULL,
                                                     100000000ULL,
                                                     1000000000ULL,
                                                     10000000000ULL,
                                                     100000000000ULL,
                                                     1000000000000ULL,
                                                     10000000000000ULL,
                                                     100000000000000ULL,
                                                     1000000000000000ULL,
                                                     10000000000000000ULL,
                                                     100000000000000000ULL,
                                                     1000000000000000000ULL};
    // Decimal exponent: v lies in [2^(e2-1), 2^e2), so floor((e2-1) * log10(2)) is the exponent or
    // one less; the loop corrects it when the digits come out one too few.
    int d = static_cast<int>(std::floor((e2 - 1) * 0.30102999566398120));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 14 - d;
        if (k < 0 || k > 18)
            return false;
        const UInt128 scaled = static_cast<UInt128>(m) * pow10[k];
        UInt128 n = scaled >> shift;
        if (n < pow10[14]) {
            --d;
            continue;
        }
        if (n >= pow10[15]) {
            ++d;
            continue;
        }
        const UInt128 rest = scaled - (n << shift);
        const UInt128 half = static_cast<UInt128>(1) << (shift - 1);
        if (rest > half || (rest == half && (n & 1U)))
            ++n;
        if (n == pow10[15]) {
            n = pow10[14];
            ++d;
        }
        if (d >= 15)
            return false;
        digits = static_cast<unsigned long long>(n);
        exponent = d;
        return true;
    }
    return false;
}

} // namespace

long double StrToFloat(const QString& text) {
    long double plain = 0;
    if (readPlainDecimal(text, plain))
        return plain;
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
        NotAnInteger(text);
    return value;
}

void NotAnInteger(QStringView text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

QString FloatToStr(long double value) {
    if (std::isnan(value))
        throw EInvalidOp(QStringLiteral("Invalid floating point operation"));
    if (std::isinf(value))
        throw EOverflow(QStringLiteral("Floating point overflow"));
    if (value == 0)
        return QStringLiteral("0");

    const bool negative = value < 0;
    int exponent = 0;
    char digits[24]; // the significant digits, without trailing zeros
    int count = 0;
    unsigned long long fifteen = 0;
    if (fifteenDigits(std::fabs(value), fifteen, exponent)) {
        count =
            static_cast<int>(std::to_chars(digits, digits + sizeof digits, fifteen).ptr - digits);
    } else {
        // 15 significant digits: d.dddddddddddddde±x
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                       std::chars_format::scientific, 14);
        const char* e = std::find(buf, res.ptr, 'e');
        std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exponent);
        digits[count++] = buf[0];
        for (const char* p = buf + 2; p < e; ++p)
            digits[count++] = *p;
    }
    while (count > 1 && digits[count - 1] == '0')
        --count;

    // At most: sign, "0,", three zeros, 15 digits; or sign, 15 digits, comma, "E-", 4 digits.
    char16_t out[40];
    int len = 0;
    const auto put = [&out, &len](char16_t c) {
        out[len++] = c;
    };
    const auto putDigits = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            put(static_cast<char16_t>(digits[i]));
    };
    const char16_t comma = Regional::DecimalSeparator.unicode();
    if (negative)
        put(u'-');
    if (exponent < -4 || exponent >= 15) {
        putDigits(0, 1);
        if (count > 1) {
            put(comma);
            putDigits(1, count);
        }
        put(u'E');
        char e[8];
        const auto res = std::to_chars(e, e + sizeof e, exponent);
        for (const char* p = e; p < res.ptr; ++p)
            put(static_cast<char16_t>(*p));
    } else if (exponent < 0) {
        put(u'0');
        put(comma);
        for (int i = 0; i < -exponent - 1; ++i)
            put(u'0');
        putDigits(0, count);
    } else {
        const int whole = exponent + 1;
        putDigits(0, std::min(count, whole));
        for (int i = count; i < whole; ++i)
            put(u'0');
        if (count > whole) {
            put(comma);
            putDigits(whole, count);
        }
    }
    return QString(reinterpret_cast<const QChar*>(out), len);
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

char16_t* WriteDigits(unsigned long long value, char16_t* end) {
    char16_t* p = end;
    while (value >= 100) {
        const auto pair = static_cast<unsigned>(value % 100);
        value /= 100;
        *--p = static_cast<char16_t>(u'0' + pair % 10);
        *--p = static_cast<char16_t>(u'0' + pair / 10);
    }
    if (value >= 10)
        *--p = static_cast<char16_t>(u'0' + value % 10);
    *--p = static_cast<char16_t>(u'0' + (value >= 10 ? value / 10 : value));
    return p;
}

} // namespace NumberText
