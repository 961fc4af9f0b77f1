// Text to number, trimming, and characters of UTF-8 text. Format and Str are
// in number_format.cpp.

#include "framework/text_functions.h"

#include "framework/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>

namespace fw {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the number at the start of the text lies, and the parts needed to
// tell an overflow from an underflow.
struct NumberSpan {
    bool found = false;
    bool negative = false;
    std::size_t begin = 0; // first digit or point, after the sign
    std::size_t end = 0;
    std::size_t integerBegin = 0, integerEnd = 0;
    std::size_t fractionBegin = 0, fractionEnd = 0;
    long long exponent = 0; // clamped, so that no text can overflow it
};

NumberSpan ScanNumber(std::string_view s) {
    NumberSpan span;
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        span.negative = s[i] == '-';
        ++i;
    }
    span.begin = span.integerBegin = i;
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    span.integerEnd = span.fractionBegin = span.fractionEnd = i;
    if (i < s.size() && s[i] == '.') {
        span.fractionBegin = ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        span.fractionEnd = i;
    }
    if (span.integerEnd == span.integerBegin && span.fractionEnd == span.fractionBegin) return span;
    span.found = true;
    span.end = i;

    // An exponent counts only when at least one digit follows the 'e' and its sign.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negativeExponent = s[j] == '-';
            ++j;
        }
        if (j < s.size() && IsDigit(s[j])) {
            constexpr long long limit = 1'000'000'000'000LL;
            long long exponent = 0;
            for (; j < s.size() && IsDigit(s[j]); ++j)
                exponent = std::min(limit, exponent * 10 + (s[j] - '0'));
            span.exponent = negativeExponent ? -exponent : exponent;
            span.end = j;
        }
    }
    return span;
}

// For a number past the double range: whether it is too large (rather than
// too small). Its first significant digit stands for 10^k with k from the
// digits' place and the exponent.
bool TooLarge(std::string_view s, const NumberSpan &span) {
    long long place = 0;
    bool significant = false;
    for (std::size_t i = span.integerBegin; i < span.integerEnd && !significant; ++i) {
        if (s[i] != '0') {
            place = static_cast<long long>(span.integerEnd - i) - 1;
            significant = true;
        }
    }
    for (std::size_t i = span.fractionBegin; i < span.fractionEnd && !significant; ++i) {
        if (s[i] != '0') {
            place = -static_cast<long long>(i - span.fractionBegin) - 1;
            significant = true;
        }
    }
    return significant && place + span.exponent > 0;
}

bool IsTrimmedByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

} // namespace

double Val(const String &text) {
    const std::string_view s = text.view();
    const NumberSpan span = ScanNumber(s);
    if (!span.found) return 0.0;

    // The span holds only digits, a point and an exponent, so from_chars can
    // meet neither "inf", "nan" nor a hexadecimal form here.
    const char *first = s.data() + span.begin;
    const char *last = s.data() + span.end;
    double magnitude = 0.0;
    const auto result = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        magnitude = TooLarge(s, span) ? std::numeric_limits<double>::infinity() : 0.0;
    else if (result.ec != std::errc())
        magnitude = 0.0;
    return span.negative ? -magnitude : magnitude;
}

String Trim(const String &text) {
    std::string_view s = text.view();
    for (;;) {
        if (!s.empty() && IsTrimmedByte(s.front()))
            s.remove_prefix(1);
        else if (s.starts_with(kNoBreakSpace))
            s.remove_prefix(kNoBreakSpace.size());
        else
            break;
    }
    for (;;) {
        if (!s.empty() && IsTrimmedByte(s.back()))
            s.remove_suffix(1);
        else if (s.ends_with(kNoBreakSpace)) // 0xC2 never continues a sequence, so this is a whole character
            s.remove_suffix(kNoBreakSpace.size());
        else
            break;
    }
    if (s.size() == text.size()) return text;
    return String(s);
}

int64_t Len(const String &text) {
    std::string_view s = text.view();
    int64_t count = 0;
    while (!s.empty()) {
        // Runs of ASCII, most of any matrix text, count byte by byte.
        if (static_cast<unsigned char>(s.front()) < 0x80) {
            std::size_t run = 1;
            while (run < s.size() && static_cast<unsigned char>(s[run]) < 0x80)
                ++run;
            count += static_cast<int64_t>(run);
            s.remove_prefix(run);
            continue;
        }
        s.remove_prefix(utf8::DecodeFirst(s).length);
        ++count;
    }
    return count;
}

int64_t Asc(const String &text) {
    if (text.empty()) return 0;
    return static_cast<int64_t>(utf8::DecodeFirst(text.view()).code);
}

String Chr(int64_t code) {
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return String();
    const auto c = static_cast<uint32_t>(code);
    char bytes[4];
    std::size_t length = 0;
    if (c < 0x80) {
        bytes[length++] = static_cast<char>(c);
    } else if (c < 0x800) {
        bytes[length++] = static_cast<char>(0xC0 | (c >> 6));
        bytes[length++] = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes[length++] = static_cast<char>(0xE0 | (c >> 12));
        bytes[length++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes[length++] = static_cast<char>(0xF0 | (c >> 18));
        bytes[length++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | (c & 0x3F));
    }
    return String(std::string_view(bytes, length));
}

double Sqrt(double x) { return std::sqrt(x); }

} // namespace fw
