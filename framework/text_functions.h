#pragma once

#include <cstdint>

#include "framework/string.h"

namespace fw {

// The framework's text and number functions. They read no locale or other
// global setting: '.' is the decimal point and ',' the grouping mark.

// x as text by a pattern: '#' an optional digit, '0' a required digit, '.'
// the decimal point, ',' (in the integer part) thousands grouping, '-' a minus
// sign only when x is negative, '+' a sign always; other characters stand as
// they are. Rounds to the pattern's decimals, half away from zero.
String Format(double x, const String &pattern);

// The default text of a number: the shortest text that reads back to the same
// double ("0.1", "1e+20", "-2.5"); "inf", "-inf" and "nan" for the others.
String Str(double x);
String Str(double x, const String &format); // an empty format gives Str(x), else Format(x, format)

// The number at the start of the text after leading blanks: optional sign,
// digits with an optional fraction and exponent. 0 when there is none. Never
// NaN; a value past the double range gives an infinity of its sign.
double Val(const String &text);

String Trim(const String &text);            // blanks, tabs, CR, LF and no-break spaces at both ends
int64_t Len(const String &text);            // characters (UTF-8 code points)
int64_t Asc(const String &text);            // code of the first character; 0 for the empty text
String Chr(int64_t code);                   // the character of that code, UTF-8
double Sqrt(double x);

} // namespace fw
