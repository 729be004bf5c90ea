#pragma once

#include <QString>

// Numbers live as text in the window's controls. These are the two directions of that
// text, always with the decimal comma of the program's regional settings.
namespace NumberText {

// Text to number: an optional leading "-", digits with at most one decimal comma and an
// optional exponent ("5E-5", "1,5E+7"). Any other text, the empty one included, raises
// EConvertError "'<text>' is not a valid floating point value".
long double StrToFloat(const QString& text);

// Whole-number text (optional "-" and digits); otherwise EConvertError
// "'<text>' is not a valid integer value".
int StrToInt(const QString& text);
// Raises that error for a text.
[[noreturn]] void NotAnInteger(QStringView text);

// Shortest general form: at most 15 significant digits, no trailing zeros, decimal comma, no
// grouping, no comma for whole values (876; 8869,6); exponent form for a non-zero magnitude
// below 0.0001 or with more than 15 whole digits (5E-5; 1,5E-7; 1E20).
// Infinity raises EOverflow and NaN raises EInvalidOp: such values are never shown.
QString FloatToStr(long double value);

// Fixed form with the given number of decimals, rounded half away from zero as printed
// amounts are, decimal comma; with thousands grouped by a space when grouped is set.
QString FloatToFixed(long double value, int decimals, bool grouped = false);

// The decimal digits of value written backwards from end, for texts assembled in a buffer
// (a schedule writes thousands of numbers per build). Returns the first digit's place.
char16_t* WriteDigits(unsigned long long value, char16_t* end);

} // namespace NumberText
