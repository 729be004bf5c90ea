#include "LineCoder.h"

#include "Exceptions.h"
#include "MessageService.h"
#include "NumberText.h"

#include <QVarLengthArray>

#include <array>
#include <cstdint>
#include <cstring>

namespace Storage {

namespace {

// Run letters: RunLetters[digit][length - 1] stands for a run of that many copies of the digit.
// The digit 1 has runs up to six, the digit 9 only up to two, every other digit up to five.
constexpr std::array<const char*, 10> RunLetters = {
    "abcde", "fghijk", "lmnop", "qrstu", "vwxyz", "ABCDE", "FGHIJ", "KLMNO", "PQRST", "UV",
};

constexpr int longestRun(int digit) {
    int length = 0;
    while (RunLetters[static_cast<size_t>(digit)][length] != '\0')
        ++length;
    return length;
}

// What one character of a coded line stands for when reading: its digit times 8 plus its run
// length (1 to 6), Skip for "W" and "X", NoCode for every character that is not part of the
// code.
constexpr std::uint8_t NoCode = 0;
constexpr std::uint8_t Skip = 0xFF;

constexpr std::array<std::uint8_t, 128> makeExpansions() {
    std::array<std::uint8_t, 128> table{};
    for (int digit = 0; digit < 10; ++digit) {
        table[static_cast<size_t>('0' + digit)] = static_cast<std::uint8_t>(digit * 8 + 1);
        const char* letters = RunLetters[static_cast<size_t>(digit)];
        for (int length = 1; letters[length - 1] != '\0'; ++length)
            table[static_cast<size_t>(letters[length - 1])] =
                static_cast<std::uint8_t>(digit * 8 + length);
    }
    table['W'] = Skip;
    table['X'] = Skip;
    return table;
}

constexpr std::array<std::uint8_t, 128> Expansions = makeExpansions();

// Eight copies of each digit character, to store a run of up to six at once.
constexpr std::array<std::uint64_t, 10> DigitWords = [] {
    std::array<std::uint64_t, 10> words{};
    for (int d = 0; d < 10; ++d)
        words[static_cast<size_t>(d)] = 0x0101010101010101ull * static_cast<std::uint64_t>('0' + d);
    return words;
}();

// The most digits a line that can pass the length check has: the check digit, at most 99,999
// block digits and the five-digit length field. Longer digit strings are counted and summed but
// not kept.
constexpr qsizetype MaxCheckedDigits = 1 + 99999 + 5;

template <typename Unit>
QString decode(const Unit* coded, qsizetype size, int expectedKey, DecodeCheck& check) {
    check = DecodeCheck::Passed;
    // Every character stands for at most six digits; digits beyond the most a line can pass
    // with are counted and summed but not kept.
    const qsizetype kept = std::min<qsizetype>(size * 6, MaxCheckedDigits);
    // Eight spare bytes: a run is stored as one eight-byte word of its digit.
    QVarLengthArray<char, 4096> digits(kept + 8);
    char* digitOut = digits.data();
    qsizetype total = 0;   // digits in the expanded line
    quint64 sum = 0;       // of all digits
    bool firstBad = false; // the first character is no digit (only the check can fail then)
    for (qsizetype i = 0; i < size; ++i) {
        const auto unit = static_cast<std::uint32_t>(coded[i]);
        const std::uint8_t e = unit < 128 ? Expansions[unit] : NoCode;
        if (e == NoCode || e == Skip) {
            if (e == Skip)
                continue;
            // The check sums from the second character on: a character there that is no digit
            // cannot be converted.
            if (total > 0)
                NumberText::NotAnInteger(QString(QChar(static_cast<char16_t>(unit))));
            firstBad = true;
            digitOut[0] = '0';
            total = 1;
            continue;
        }
        const unsigned digit = e >> 3;
        const unsigned count = e & 7u;
        if (total < kept)
            std::memcpy(digitOut + total, &DigitWords[digit], 8);
        total += count;
        sum += digit * count;
    }
    // The check digit is not part of the sum.
    if (total > 0 && !firstBad)
        sum -= static_cast<quint64>(digitOut[0] - '0');

    if (total == 0 || firstBad || digits[0] - '0' != static_cast<int>(sum % 10)) {
        check = DecodeCheck::CheckDigit;
        return {};
    }

    // The length field: the last five digits (all of them when fewer remain).
    const qsizetype rest = total - 1;
    if (rest > MaxCheckedDigits - 1) {
        check = DecodeCheck::Length;
        return {};
    }
    const qsizetype fieldSize = rest < 5 ? rest : 5;
    if (fieldSize == 0)
        NumberText::NotAnInteger(QStringView());
    int declared = 0;
    for (qsizetype i = total - fieldSize; i < total; ++i)
        declared = declared * 10 + (digits[i] - '0');
    const qsizetype blockDigits = rest - fieldSize;
    if (declared != blockDigits) {
        check = DecodeCheck::Length;
        return {};
    }

    // Blocks of six digits; an incomplete block at the end is ignored.
    const qsizetype units = blockDigits / 6;
    QString text(units, Qt::Uninitialized);
    QChar* out = text.data();
    const char* block = digits.constData() + 1;
    for (qsizetype u = 0; u < units; ++u, block += 6) {
        int value = 0;
        for (int k = 0; k < 6; ++k)
            value = value * 10 + (block[k] - '0');
        const int codeUnit = value / 15;
        if (codeUnit == 0 || codeUnit > 0xFFFF)
            throw EConvertError(QStringLiteral("'%1' is not a valid character code")
                                    .arg(QLatin1StringView(block, 6)));
        out[u] = QChar(static_cast<char16_t>(codeUnit));
    }

    // The key: the last four characters, or the whole text when shorter.
    const QStringView keyText = QStringView(text).right(4);
    if (keyText.isEmpty())
        NumberText::NotAnInteger(keyText);
    int key = 0;
    for (const QChar c : keyText) {
        if (c < u'0' || c > u'9')
            NumberText::NotAnInteger(keyText);
        key = key * 10 + (c.unicode() - u'0');
    }
    if (key != expectedKey) {
        check = DecodeCheck::Key;
        return {};
    }
    return text;
}

} // namespace

QString EncodeLine(QStringView plain) {
    // The digit string: check digit, blocks, length field.
    const qsizetype blockDigits = plain.size() * 6;
    QVarLengthArray<char, 2048> digits;
    digits.resize(1 + blockDigits);
    unsigned sum = 0;
    char* p = digits.data() + 1;
    for (const QChar c : plain) {
        unsigned value = c.unicode() * 15u;
        for (int k = 5; k >= 0; --k) {
            p[k] = static_cast<char>('0' + value % 10);
            sum += value % 10;
            value /= 10;
        }
        p += 6;
    }
    const QByteArray length = QByteArray::number(blockDigits).rightJustified(5, '0');
    for (const char c : length) {
        digits.append(c);
        sum += static_cast<unsigned>(c - '0');
    }
    digits[0] = static_cast<char>('0' + sum % 10);

    // Every run of L equal digits d becomes L / m letters for the longest run m of d, then the
    // letter for the remaining L mod m digits.
    QString coded;
    coded.reserve(digits.size());
    for (qsizetype i = 0; i < digits.size();) {
        const char d = digits[i];
        qsizetype run = 1;
        while (i + run < digits.size() && digits[i + run] == d)
            ++run;
        i += run;
        const int digit = d - '0';
        const char* letters = RunLetters[static_cast<size_t>(digit)];
        const int longest = longestRun(digit);
        for (qsizetype k = 0; k < run / longest; ++k)
            coded.append(QLatin1Char(letters[longest - 1]));
        if (const qsizetype left = run % longest)
            coded.append(QLatin1Char(letters[left - 1]));
    }
    return coded;
}

QString DecodeLineChecked(QStringView coded, int expectedKey, DecodeCheck& check) {
    return decode(coded.utf16(), coded.size(), expectedKey, check);
}

QString DecodeLineChecked(QByteArrayView coded, int expectedKey, DecodeCheck& check) {
    return decode(reinterpret_cast<const unsigned char*>(coded.data()), coded.size(), expectedKey,
                  check);
}

QString IntegrityMessage() {
    return QStringLiteral("Нарушена целостность данных") + MessageLineBreak +
           QStringLiteral("Чтение данных невозможно!");
}

QString DecodeLine(QStringView coded, int expectedKey, MessageService& messages) {
    DecodeCheck check = DecodeCheck::Passed;
    QString plain = DecodeLineChecked(coded, expectedKey, check);
    if (check != DecodeCheck::Passed) {
        messages.showMessage(IntegrityMessage());
        return {};
    }
    return plain;
}

} // namespace Storage
