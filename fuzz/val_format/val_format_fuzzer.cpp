// Arbitrary bytes through the framework's text and number functions.
//
// The bytes are read as text by Val, Trim, Len and Asc; their first eight
// bytes, taken as a double, are written by Str and by Format with the two
// patterns the conversion uses, and by the rest of the bytes taken as a
// pattern; every Format text must be the reference reader's, byte for byte.
// Any broken invariant traps.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "framework/text_functions.h"
#include "reference_format.h"

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsTrimmed(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    if (s.empty()) return true;
    return !space(s.front()) && !space(s.back()) && !s.starts_with("\xC2\xA0") && !s.ends_with("\xC2\xA0");
}

void CheckText(const fw::String &text) {
    Check(!std::isnan(fw::Val(text)));

    const fw::String trimmed = fw::Trim(text);
    Check(IsTrimmed(trimmed.view()));
    Check(text.view().find(trimmed.view()) != std::string_view::npos);
    Check(fw::Trim(trimmed) == trimmed);

    const int64_t length = fw::Len(text);
    const auto bytes = static_cast<int64_t>(text.size());
    Check(length <= bytes && 4 * length >= bytes);

    const int64_t code = fw::Asc(text);
    Check(code >= 0 && code <= 0x10FFFF);
    if (!text.empty()) {
        // Either the first character is well formed and Chr gives back its
        // bytes, or it is a single byte that stands for itself.
        const auto first = static_cast<unsigned char>(text.data()[0]);
        Check(text.view().starts_with(fw::Chr(code).view()) || code == first);
    }
}

// What the matrix reader accepts: an optional minus, integer digits in comma
// groups of three (when grouping), an optional fraction of at most four digits.
bool IsPatternText(std::string_view text, bool grouping) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view integer = text.substr(0, point);
    std::size_t run = 0, groups = 0;
    for (char c : integer) {
        if (c == ',') {
            if (!grouping || run == 0 || run > 3 || (groups > 0 && run != 3)) return false;
            ++groups;
            run = 0;
        } else if (IsDigit(c)) {
            ++run;
        } else {
            return false;
        }
    }
    if (run == 0 || (groups > 0 && run != 3)) return false;
    // No leading zero beyond the single one before the point.
    if (integer.size() > 1 && integer[0] == '0') return false;
    bool allZero = integer.find_first_not_of("0,") == std::string_view::npos;
    if (point != std::string_view::npos) {
        const std::string_view fraction = text.substr(point + 1);
        if (fraction.empty() || fraction.size() > 4 || fraction.back() == '0') return false;
        for (char c : fraction)
            if (!IsDigit(c)) return false;
        allZero = false; // a fraction that is kept ends in a non-zero digit
    }
    return !(negative && allZero);
}

// Format as the reference reader writes it.
fw::String CheckedFormat(double x, std::string_view pattern) {
    const fw::String text = fw::Format(x, fw::String(pattern));
    Check(text.view() == reference::Format(x, pattern));
    return text;
}

void CheckFormat(double x, const char *pattern, bool grouping) {
    const fw::String text = CheckedFormat(x, pattern);
    if (std::isnan(x)) return Check(text == "nan");
    if (std::isinf(x)) return Check(text == (x > 0 ? "inf" : "-inf"));
    Check(IsPatternText(text.view(), grouping));
    if (std::fabs(x) >= 1e15) return;
    std::string plain;
    for (char c : text.view())
        if (c != ',') plain += c;
    const double back = fw::Val(plain);
    // Within half a unit of the fourth decimal, allowing for the rounding of
    // the read-back value to a double.
    Check(std::fabs(back - x) <= 0.00005 + std::fabs(x) * 0x1p-52);
}

void CheckNumber(double x) {
    const fw::String text = fw::Str(x);
    if (std::isnan(x)) {
        Check(text == "nan");
    } else if (std::isinf(x)) {
        Check(text == (x > 0 ? "inf" : "-inf"));
    } else {
        const double back = fw::Val(text);
        Check(back == x && std::signbit(back) == std::signbit(x));
    }
    Check(fw::Str(x, "") == text);
    CheckFormat(x, "-###,###,###,###.####", true);
    CheckFormat(x, "-#.####", false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    const fw::String text(std::string_view(reinterpret_cast<const char *>(data), size));
    CheckText(text);
    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        CheckNumber(x);
        // Any pattern at all, also one long enough to leave the stack buffer.
        const std::string_view pattern(reinterpret_cast<const char *>(data) + sizeof x, size - sizeof x);
        CheckedFormat(x, pattern);
        CheckedFormat(x / 3, pattern);
    }
    // The text's own number, written out again, must read back the same.
    CheckNumber(fw::Val(text));
    return 0;
}
