#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

class MessageService;

// The line coder of the record files. Every plain line (UTF-16 code units 1..65535, line
// breaks allowed) is stored as a line of the letters a-z and A-V only:
//
//   block        each code unit as value * 15 in six decimal digits ("001455" for 'a')
//   length field the number of block digits in five digits (six for a line over 16,666 units)
//   check digit  the last digit of the sum of all block and length digits
//   digit string check digit, blocks, length field
//   coded line   the digit string with every run of equal digits replaced by a run letter
//                (see the run table in LineCoder.cpp); "W" and "X" are ignored when reading
//
// Reading proves the check digit, the length field and the line's key (its last four
// characters, the line's position in the file), so a coded line cannot be altered, shortened or
// moved without the reader noticing.
namespace Storage {

// The longest plain line that can be read back: the length field has five digits.
inline constexpr int MaxPlainLineLength = 16666;

// The coded form of a plain line. Never fails.
QString EncodeLine(QStringView plain);

// What a failed check found.
enum class DecodeCheck {
    Passed,
    CheckDigit, // the check digit does not match the digit sum, or the line is empty
    Length,     // the length field does not match the number of block digits
    Key,        // the line carries another key than the one expected
};

// Decodes a coded line without showing anything. On a failed check the result is empty and
// check says which check failed. Raises EConvertError when a character after the first one is
// neither a run letter nor "W"/"X", when a block stands for no code unit (0, or above 65535),
// and when the key (the last four characters, or the whole text when shorter) is not a
// decimal number. A coded line arrives either as text or as the bytes of a file line (each
// byte one character).
QString DecodeLineChecked(QStringView coded, int expectedKey, DecodeCheck& check);
QString DecodeLineChecked(QByteArrayView coded, int expectedKey, DecodeCheck& check);

// The message a failed check shows.
QString IntegrityMessage();

// Decodes a coded line whose key must be expectedKey, the line's zero-based position in its
// file. The result is the whole plain line, key included. On a failed check the integrity
// message is shown and the result is empty (a record line is never empty: it holds at least
// its key). Conversion errors are raised as by DecodeLineChecked.
QString DecodeLine(QStringView coded, int expectedKey, MessageService& messages);

} // namespace Storage
