#include "number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace cmlib {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// `word` is lower case; compares three characters ignoring case.
bool starts_with_word(std::string_view text, std::size_t at, const char (&word)[4]) {
    if (text.size() - at < 3) return false;
    for (std::size_t k = 0; k < 3; ++k) {
        char c = text[at + k];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[k]) return false;
    }
    return true;
}

// Blanks, tabs, no-break spaces (UTF-8 C2 A0) and line ends.
std::size_t space_length(std::string_view text, std::size_t at) {
    return is_line_end(text[at]) ? 1 : separator_length(text, at);
}

std::string_view trim_spaces(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t n = space_length(text, begin);
        if (n == 0) break;
        begin += n;
    }
    std::size_t end = text.size();
    while (end > begin) {
        if (space_length(text, end - 1) == 1) {
            --end;
        } else if (end - begin >= 2 && space_length(text, end - 2) == 2) {
            end -= 2;
        } else {
            break;
        }
    }
    return text.substr(begin, end - begin);
}

std::string chars_text(double x, std::chars_format format, int precision) {
    if (std::isnan(x)) return "nan";
    std::array<char, 64> buffer;
    const auto result = precision < 0
                            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), x)
                            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision);
    return std::string(buffer.data(), result.ptr);
}

std::string join_parts(const std::string &re, const std::string &im) {
    // A negative imaginary part brings its own sign.
    return im.front() == '-' ? re + im + "i" : re + "+" + im + "i";
}

// The shortest plain text of x, as to_chars writes it, found in integers:
// the nearest number q / 10^d with d decimals, its digits q exactly rounded
// in 128 bits, reads back to x when q / 10^d, one division of two exact
// doubles, gives x. While q stays below 2^50 the doubles around x lie closer
// together than half a step of 10^-d, so that nearest number is the only
// d-decimal one that reads back to x, and any shorter text that reads back
// is it with its trailing zeros dropped. So the search starts at four
// decimals, where the conversion's values are found at once, and the
// trailing zeros of the first number found go. Returns the end of the text
// written at `out`; null when q outgrows 2^50 first or no d up to 17 serves:
// to_chars writes the value then.
char *shortest_few_decimals(double x, char *out) {
    __extension__ using Wide = unsigned __int128;
    constexpr uint64_t limit = uint64_t{1} << 50;
    constexpr int first_decimals = 4;
    constexpr std::size_t uint64_digits = 20;
    const double magnitude = std::fabs(x);
    const auto bits = std::bit_cast<uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52 & 0x7FF);
    const uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    const uint64_t significand = biased == 0 ? mantissa : mantissa | uint64_t{1} << 52;
    const int shift = biased == 0 ? 1074 : 1075 - biased; // magnitude = significand * 2^-shift
    if (shift < 0 || shift >= 128) return nullptr;
    uint64_t scale = 10'000;
    double scale_double = 1e4;
    for (int decimals = first_decimals; decimals <= 17; ++decimals, scale *= 10, scale_double *= 10.0) {
        const Wide product = Wide{significand} * scale;
        const Wide rounded = shift == 0 ? product : (product + (Wide{1} << (shift - 1))) >> shift;
        if (rounded >= limit) return nullptr;
        uint64_t units = static_cast<uint64_t>(rounded);
        if (static_cast<double>(units) / scale_double != magnitude) continue;

        int shown = decimals;
        while (shown > 0 && units % 10 == 0) {
            units /= 10;
            scale /= 10;
            --shown;
        }
        if (std::signbit(x)) *out++ = '-';
        out = std::to_chars(out, out + uint64_digits, units / scale).ptr;
        if (shown > 0) {
            *out++ = '.';
            char *const end = out + shown;
            uint64_t fraction = units % scale;
            for (char *digit = end; digit != out; fraction /= 10)
                *--digit = static_cast<char>('0' + fraction % 10);
            out = end;
        }
        return out;
    }
    return nullptr;
}

// The power of ten of a number's first significant digit: at least 0 for
// a number too large for a double, below 0 for one too small.
long long leading_power(std::string_view number, long long exponent) {
    const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return -1;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    if (first > point) return exponent - static_cast<long long>(first - point);
    long long power = -1;
    for (std::size_t k = first; k < point; ++k)
        power += is_digit(mantissa[k]) ? 1 : 0;
    return exponent + power;
}

// The value of a number that from_chars reads: it takes neither a plus sign
// nor grouping commas, so it reads a copy without them. A number beyond the
// double range reads as the infinity of its sign when it is too large and
// as zero when it is too small, as strtod reads it.
double read_plain(std::string_view number, bool negative, long long exponent) {
    std::array<char, 64> stack;
    std::string heap;
    if (number.size() + 1 > stack.size()) heap.resize(number.size() + 1);
    char *const plain = heap.empty() ? stack.data() : heap.data();
    char *end = plain;
    if (negative) *end++ = '-';
    for (const char c : number)
        if (c != ',') *end++ = c;
    double value = 0.0;
    if (std::from_chars(plain, end, value).ec == std::errc()) return value;
    const double magnitude = leading_power(number, exponent) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

} // namespace

std::size_t scan_real(std::string_view text, double &value) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i < n && !is_digit(text[i]) && text[i] != '.') {
        if (starts_with_word(text, i, "inf")) {
            value = negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
            return i + 3;
        }
        if (starts_with_word(text, i, "nan")) {
            value = std::numeric_limits<double>::quiet_NaN();
            return i + 3;
        }
        return 0;
    }

    // One pass checks the grammar and gathers the digits as an integer,
    // wrapping harmlessly once there are more than fit.
    const std::size_t digits_begin = i;
    uint64_t digits = 0;
    std::size_t digit_count = 0;
    std::size_t group = 0; // digits since the start or the last comma
    bool grouped = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (is_digit(c)) {
            digits = digits * 10 + static_cast<uint64_t>(c - '0');
            ++digit_count;
            ++group;
        } else if (c == ',') {
            if (group == 0 || group > 3 || (grouped && group != 3)) return 0;
            grouped = true;
            group = 0;
        } else {
            break;
        }
    }
    // A grouped number starts with a digit group that is not zero and has no
    // leading zero: "0,350" and "01,000" are decimal commas from a spreadsheet
    // (0.35 and 1.0), never thousands.
    if (grouped && (group != 3 || text[digits_begin] == '0')) return 0;
    long long power = 0; // of the last digit
    if (i < n && text[i] == '.') {
        for (++i; i < n && is_digit(text[i]); ++i, --power, ++digit_count)
            digits = digits * 10 + static_cast<uint64_t>(text[i] - '0');
    }
    if (digit_count == 0) return 0;
    long long exponent = 0; // clamped far beyond any double
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative_exponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) negative_exponent = text[i++] == '-';
        if (i >= n || !is_digit(text[i])) return 0;
        for (; i < n && is_digit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000'000LL);
        if (negative_exponent) exponent = -exponent;
    }
    power += exponent;

    // Digits below 2^53 and a power of ten within 10^±22 are both exact
    // doubles, so one division or multiplication gives the correctly rounded
    // value: the same double that from_chars gives.
    static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (digit_count <= 19 && digits <= uint64_t{1} << 53 && power >= -22 && power <= 22) {
        const auto m = static_cast<double>(digits);
        const double magnitude = power < 0 ? m / powers[-power] : m * powers[power];
        value = negative ? -magnitude : magnitude;
        return i;
    }
    value = read_plain(text.substr(digits_begin, i - digits_begin), negative, exponent);
    return i;
}

char *write_shortest(double x, char *out) {
    // Plain digits for the sizes statistics deal in (a variance of a million
    // reads "1000000", not "1e+06"); exponent form only far from 1.
    if (std::isnan(x)) return std::copy_n("nan", 3, out);
    const double magnitude = std::fabs(x);
    if (x == 0.0 || (magnitude >= 1e-5 && magnitude < 1e16)) {
        if (char *end = shortest_few_decimals(x, out)) return end;
        return std::to_chars(out, out + kShortestTextRoom, x, std::chars_format::fixed).ptr;
    }
    return std::to_chars(out, out + kShortestTextRoom, x).ptr;
}

std::string format_shortest(double x) {
    std::array<char, kShortestTextRoom> buffer;
    return std::string(buffer.data(), write_shortest(x, buffer.data()));
}

std::string format_short(double x) { return chars_text(x, std::chars_format::general, 6); }

std::string format_exponent(double x) { return chars_text(x, std::chars_format::scientific, 5); }

std::size_t scan_complex(std::string_view text, std::complex<double> &value) {
    const std::size_t n = text.size();
    double first = 0.0;
    const std::size_t k = scan_real(text, first);
    if (k == 0) {
        // A bare unit: "i", "+i", "-i".
        std::size_t j = 0;
        bool negative = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            negative = text[j] == '-';
            ++j;
        }
        if (j < n && text[j] == 'i') {
            value = {0.0, negative ? -1.0 : 1.0};
            return j + 1;
        }
        return 0;
    }
    if (k < n && text[k] == 'i') {
        value = {0.0, first};
        return k + 1;
    }
    if (k < n && (text[k] == '+' || text[k] == '-')) {
        double second = 0.0;
        const std::size_t m = scan_real(text.substr(k), second);
        if (m > 0 && k + m < n && text[k + m] == 'i') {
            value = {first, second};
            return k + m + 1;
        }
        if (m == 0 && k + 1 < n && text[k + 1] == 'i') {
            value = {first, text[k] == '-' ? -1.0 : 1.0};
            return k + 2;
        }
        return 0;
    }
    value = {first, 0.0};
    return k;
}

std::optional<std::complex<double>> parse_complex(std::string_view text) {
    const std::string_view core = trim_spaces(text);
    std::complex<double> value;
    if (core.empty() || scan_complex(core, value) != core.size()) return std::nullopt;
    return value;
}

std::string format_complex(std::complex<double> z) {
    return join_parts(format_shortest(z.real()), format_shortest(z.imag()));
}

std::string format_complex_short(std::complex<double> z) {
    return join_parts(format_short(z.real()), format_short(z.imag()));
}

std::string format_complex_exponent(std::complex<double> z) {
    return join_parts(format_exponent(z.real()), format_exponent(z.imag()));
}

} // namespace cmlib
