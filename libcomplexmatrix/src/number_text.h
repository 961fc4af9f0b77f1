#pragma once

#include <complex>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the library reads and writes them. Nothing here reads the
// locale: '.' is always the decimal point and ',' the grouping mark.
namespace cmlib {

// The length of the value separator at `at`: 1 for a blank or a tab, 2 for a
// UTF-8 no-break space, 0 for anything else.
inline std::size_t separator_length(std::string_view text, std::size_t at) {
    const char c = text[at];
    if (c == ' ' || c == '\t') return 1;
    if (c == '\xC2' && at + 1 < text.size() && text[at + 1] == '\xA0') return 2;
    return 0;
}

inline bool is_line_end(char c) { return c == '\r' || c == '\n'; }

// Reads one real number at the start of `text`: an optional sign, digits
// with optional grouping commas in the integer part (a first group of one to
// three digits without a leading zero, then groups of exactly three:
// "1,234.5" but not "1,5", "0,350" or "01,000"), an
// optional fraction, an optional exponent; or "inf" / "nan" in any case with
// an optional sign. At least one digit is needed, before or after the point.
// On success stores the value, correctly rounded, and returns the count of
// characters read; returns 0 when the text does not start with such a number
// or when the number is malformed (a bad group, an exponent without digits).
// A number too large for a double reads as the infinity of its sign, one too
// small as the nearest double (a subnormal or a zero of its sign).
std::size_t scan_real(std::string_view text, double &value);

// The shortest text that reads back to the same double, in plain digits from
// 1e-5 up to 1e16 and in exponent form beyond; "inf", "-inf", "nan".
std::string format_shortest(double x);
// The same text written at `out`, which has room for kShortestTextRoom
// bytes; returns its end.
inline constexpr std::size_t kShortestTextRoom = 64;
char *write_shortest(double x, char *out);
// x to six significant digits ("0.333333", "1e+20"); "inf", "-inf", "nan".
std::string format_short(double x);
// x in exponent form with six significant digits ("3.00000e+00").
std::string format_exponent(double x);

// A complex number from text such as "3", "-2.5i", "i", "1+2i", "1e-3-4i" or
// "inf-nani": a real part, an imaginary part ending in 'i', or a real part
// followed by a signed imaginary part, with no blanks inside. Blanks, tabs,
// no-break spaces and line ends around it are ignored. Nothing when the text
// holds anything else.
std::optional<std::complex<double>> parse_complex(std::string_view text);

// Reads a complex number in the form of parse_complex at the start of
// `text`; returns the count of characters read, 0 when there is none.
std::size_t scan_complex(std::string_view text, std::complex<double> &value);

// "3+4i", "-0.5-2i", "0+1i": both parts always, each in its shortest text,
// so that the text reads back to the same two doubles.
std::string format_complex(std::complex<double> z);
// Both parts to six significant digits ("0.333333+1i").
std::string format_complex_short(std::complex<double> z);
// Both parts in exponent form ("3.00000e+00+4.00000e+00i").
std::string format_complex_exponent(std::complex<double> z);

} // namespace cmlib
