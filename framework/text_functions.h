#pragma once

#include <cstdint>

#include "framework/number_pattern.h"
#include "framework/string.h"

namespace fw {

// The framework's text and number functions. They read no locale or other
// global setting: '.' is the decimal point and ',' the grouping mark.

// x as text by a pattern: '#' an optional digit, '0' a required digit, '.'
// the decimal point, ',' (in the integer part) thousands grouping, '-' a minus
// sign only when x is negative, '+' a sign always; other characters stand as
// they are, and '\' makes the next character one of those. Rounds to the
// pattern's decimals, half away from zero, on the exact binary value of x.
//
// The number goes where the first run of digit places, commas and one point
// stands (at the end when there is none); later placeholder characters are
// literals. At least one integer digit is shown and every integer digit that
// x needs; optional decimals drop their trailing zeros and the point goes with
// the last of them. Text that is all zeros has no minus sign; a negative
// value in a pattern without '-' or '+' gets its minus before the digits.
// Infinities and NaN give "inf", "-inf" and "nan", whatever the pattern.
String Format(double x, const String &pattern);
// The same, by a pattern read beforehand.
String Format(double x, const NumberPattern &pattern);

// The default text of a number: the shortest text that reads back to the same
// double ("0.1", "1e+20", "-2.5"); "inf", "-inf" and "nan" for the others.
String Str(double x);
String Str(double x, const String &format); // an empty format gives Str(x), else Format(x, format)

// The number at the start of the text after leading blanks and tabs: the
// longest prefix of optional sign, digits with an optional fraction and
// exponent ("12abc" gives 12, "1e" gives 1). 0 when there is none. Never
// NaN ("nan" and "inf" are no numbers here); a value past the double range
// gives an infinity of its sign, and one too small for a double a zero.
double Val(const String &text);

String Trim(const String &text); // blanks, tabs, CR, LF and no-break spaces at both ends
// Characters (UTF-8 code points); each byte of a sequence that is not well
// formed counts as a character of its own.
int64_t Len(const String &text);
// Code of the first character; a byte that begins no well-formed sequence
// gives its own value; 0 for the empty text.
int64_t Asc(const String &text);
// The character of that code, UTF-8; the empty text for a negative code, a
// surrogate or a code past U+10FFFF.
String Chr(int64_t code);
double Sqrt(double x); // std::sqrt: NaN for a negative x

} // namespace fw
