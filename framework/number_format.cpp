// Numbers as text: Format by a pattern and Str in the default form.
//
// Format rounds the exact binary value of x half away from zero: the digits
// of x * 10^decimals + 1/2, cut. When that sum fits 128-bit integers and its
// integer part 64 bits (every value the conversion writes), it is worked out
// in those integers. Otherwise from the exact decimal text of x, which every
// double has: k binary fraction digits make exactly k decimal ones. 1.005 is
// stored just below 1.005 and so rounds to 1.00.
//
// The text is put together on the stack: formatting a value allocates
// nothing unless its text is longer than a string holds inline.

#include "framework/number_pattern.h"
#include "framework/text_functions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

namespace {

enum class Token { Literal, Minus, Plus, Digit, Zero, Point, Comma };

// One item of the pattern and the byte where the next one starts.
struct PatternItem {
    Token token;
    char ch;
    std::size_t next;
};

// The item at byte `at` of the pattern: '\' makes the next character a literal.
PatternItem ItemAt(std::string_view pattern, std::size_t at) {
    const char c = pattern[at];
    switch (c) {
    case '\\':
        // A backslash at the very end has nothing to escape and stands as itself.
        if (at + 1 < pattern.size()) return {Token::Literal, pattern[at + 1], at + 2};
        return {Token::Literal, c, at + 1};
    case '-': return {Token::Minus, c, at + 1};
    case '+': return {Token::Plus, c, at + 1};
    case '#': return {Token::Digit, c, at + 1};
    case '0': return {Token::Zero, c, at + 1};
    case '.': return {Token::Point, c, at + 1};
    case ',': return {Token::Comma, c, at + 1};
    default: return {Token::Literal, c, at + 1};
    }
}

bool StartsField(Token t) { return t == Token::Digit || t == Token::Zero || t == Token::Point; }
bool IsSign(Token t) { return t == Token::Minus || t == Token::Plus; }

// Whether any item from byte `at` on is a sign place.
bool HasSign(std::string_view pattern, std::size_t at) {
    for (; at < pattern.size(); at = ItemAt(pattern, at).next)
        if (IsSign(ItemAt(pattern, at).token)) return true;
    return false;
}

} // namespace

NumberPattern::NumberPattern(const String &pattern) : text_(pattern) {
    const std::string_view text = text_.view();
    std::size_t i = 0;
    PatternItem item{};
    while (i < text.size() && !StartsField((item = ItemAt(text, i)).token))
        i = item.next;
    fieldBegin_ = i;
    bool inFraction = false;
    std::size_t integerPlaces = 0;
    std::size_t firstZeroFromLeft = SIZE_MAX; // index among integer places of the first '0'
    for (; i < text.size(); i = item.next) {
        item = ItemAt(text, i);
        const Token t = item.token;
        if (t == Token::Digit || t == Token::Zero) {
            if (inFraction) {
                ++field_.decimals;
                if (t == Token::Zero) field_.minDecimals = field_.decimals;
            } else {
                if (t == Token::Zero && firstZeroFromLeft == SIZE_MAX) firstZeroFromLeft = integerPlaces;
                ++integerPlaces;
            }
        } else if (t == Token::Comma && !inFraction) {
            field_.grouping = true;
        } else if (t == Token::Point && !inFraction) {
            inFraction = true;
        } else {
            break;
        }
    }
    fieldEnd_ = i;
    field_.hasSign = HasSign(before(), 0) || HasSign(text, fieldEnd_);
    if (firstZeroFromLeft != SIZE_MAX)
        field_.minIntegerDigits = std::max<std::size_t>(1, integerPlaces - firstZeroFromLeft);
}

namespace {

// A finite magnitude as significand * 2^-shift, exactly: a normal double is
// (2^52 + m) * 2^(e - 1075), a subnormal m * 2^-1074.
struct BinaryValue {
    uint64_t significand;
    int shift;
};

BinaryValue Decompose(double magnitude) {
    const auto bits = std::bit_cast<uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52 & 0x7FF);
    const uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    if (biased == 0) return {mantissa, 1074};
    return {mantissa | uint64_t{1} << 52, 1075 - biased};
}

// The longest digit runs a double has: 309 integer digits, 1074 fraction
// digits; and the most decimals whose power of ten fits 64 bits.
constexpr std::size_t kMaxIntegerDigits = 309;
constexpr std::size_t kMaxFractionDigits = 1074;
constexpr std::size_t kMaxIntegerDecimals = 19;
constexpr std::size_t kUint64Digits = 20;

constexpr auto kPowersOfTen = [] {
    std::array<uint64_t, kMaxIntegerDecimals + 1> powers{1};
    for (std::size_t d = 1; d < powers.size(); ++d)
        powers[d] = powers[d - 1] * 10;
    return powers;
}();

// One byte in front for a carry out of the integer digits, then the digits
// and the point.
using DigitBuffer = std::array<char, 1 + kMaxIntegerDigits + 1 + kMaxFractionDigits>;

// The digits of the rounded magnitude in the buffer: the integer digits from
// `integerBegin` to `point`, the fraction digits (never more than the
// decimals) from `fractionBegin` to `fractionEnd`.
struct DigitRun {
    char *integerBegin, *point, *fractionBegin, *fractionEnd;
};

// Adds one to a run of decimal digits; true when it carries out of the run.
bool Increment(char *begin, char *end) {
    while (end != begin) {
        --end;
        if (*end != '9') {
            ++*end;
            return false;
        }
        *end = '0';
    }
    return true;
}

// The magnitude times 10^decimals rounded half away from zero, when the
// integers hold it: the magnitude is s * 2^-k, so that is
// (s * 10^d + 2^(k-1)) >> k, with s * 10^d below 2^117.
bool RoundedUnits(const BinaryValue &value, std::size_t decimals, uint64_t &units) {
    __extension__ using Wide = unsigned __int128;
    if (decimals > kMaxIntegerDecimals || value.shift < 0) return false;
    const Wide product = Wide{value.significand} * kPowersOfTen[decimals];
    Wide rounded = 0; // below a half when the shift passes the product's bits
    if (value.shift == 0)
        rounded = product;
    else if (value.shift < 128)
        rounded = (product + (Wide{1} << (value.shift - 1))) >> value.shift;
    if (rounded > UINT64_MAX) return false;
    units = static_cast<uint64_t>(rounded);
    return true;
}

DigitRun RoundedDigits(double magnitude, std::size_t decimals, DigitBuffer &buffer) {
    char *const first = buffer.data() + 1;
    const BinaryValue value = Decompose(magnitude);
    DigitRun run{};
    run.integerBegin = first;
    uint64_t units = 0;
    if (RoundedUnits(value, decimals, units)) {
        const uint64_t scale = kPowersOfTen[decimals];
        run.point = std::to_chars(first, first + kUint64Digits, units / scale).ptr;
        run.fractionBegin = run.point + 1;
        run.fractionEnd = run.fractionBegin + decimals;
        uint64_t fraction = units % scale;
        for (char *digit = run.fractionEnd; digit != run.fractionBegin; fraction /= 10)
            *--digit = static_cast<char>('0' + fraction % 10);
        return run;
    }

    const int exactDecimals =
        value.significand == 0 ? 0 : std::max(0, value.shift - std::countr_zero(value.significand));
    char *const last =
        std::to_chars(first, buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, exactDecimals).ptr;
    run.point = std::find(first, last, '.');
    run.fractionBegin = run.point == last ? last : run.point + 1;
    run.fractionEnd = last;
    if (static_cast<std::size_t>(last - run.fractionBegin) > decimals) {
        run.fractionEnd = run.fractionBegin + decimals;
        // The first digit cut off says whether the rest is at least a half.
        if (*run.fractionEnd >= '5' && Increment(run.fractionBegin, run.fractionEnd) &&
            Increment(run.integerBegin, run.point))
            *--run.integerBegin = '1';
    }
    return run;
}

// The rounded digits, as views into the caller's digit buffer plus runs of
// zeros that the pattern requires around them.
struct RoundedNumber {
    std::size_t leadingZeros = 0; // required integer zeros before `integer`
    std::string_view integer;     // the integer digits without leading zeros
    std::string_view fraction;    // fraction digits, trailing optional zeros dropped
    std::size_t trailingZeros = 0; // required fraction zeros after `fraction`
    bool zero = true;              // every shown digit is 0

    std::size_t IntegerDigits() const { return leadingZeros + integer.size(); }
    char IntegerDigit(std::size_t k) const { return k < leadingZeros ? '0' : integer[k - leadingZeros]; }
};

RoundedNumber Round(double magnitude, const NumberPattern::Field &field, DigitBuffer &buffer) {
    const DigitRun run = RoundedDigits(magnitude, field.decimals, buffer);
    const char *integerBegin = run.integerBegin;
    const std::string_view fraction(run.fractionBegin, static_cast<std::size_t>(run.fractionEnd - run.fractionBegin));

    RoundedNumber n;
    while (integerBegin != run.point && *integerBegin == '0')
        ++integerBegin;
    n.integer = std::string_view(integerBegin, static_cast<std::size_t>(run.point - integerBegin));
    n.zero = n.integer.empty() && fraction.find_first_not_of('0') == std::string_view::npos;
    if (n.integer.size() < field.minIntegerDigits) n.leadingZeros = field.minIntegerDigits - n.integer.size();

    // The fraction padded with zeros to the decimals, then its trailing zeros
    // dropped down to the required decimals: the padding holds only zeros.
    const std::size_t lastNonZero = fraction.find_last_not_of('0');
    const std::size_t keep = std::max(lastNonZero == std::string_view::npos ? 0 : lastNonZero + 1, field.minDecimals);
    n.fraction = fraction.substr(0, std::min(keep, fraction.size()));
    n.trailingZeros = keep - n.fraction.size();
    return n;
}

// Writes the integer digits, with a comma before each group of three after
// the first when grouping; returns the end.
char *WriteInteger(char *out, const RoundedNumber &number, bool grouping) {
    if (!grouping) {
        out = std::fill_n(out, number.leadingZeros, '0');
        return std::copy(number.integer.begin(), number.integer.end(), out);
    }
    const std::size_t digits = number.IntegerDigits();
    const std::size_t lead = digits % 3 == 0 ? 3 : digits % 3;
    for (std::size_t k = 0; k < digits; ++k) {
        if (k >= lead && (k - lead) % 3 == 0) *out++ = ',';
        *out++ = number.IntegerDigit(k);
    }
    return out;
}

// Writes the pattern's text outside the number field, each sign place as the
// value's sign asks and every other placeholder as itself; returns the end.
char *WriteAffix(char *out, std::string_view affix, bool negative) {
    for (std::size_t at = 0; at < affix.size();) {
        const PatternItem item = ItemAt(affix, at);
        if (item.token == Token::Plus)
            *out++ = negative ? '-' : '+';
        else if (item.token != Token::Minus || negative)
            *out++ = item.ch;
        at = item.next;
    }
    return out;
}

std::string_view SpecialText(double x) {
    if (std::isnan(x)) return "nan";
    return x < 0 ? "-inf" : "inf";
}

} // namespace

String Format(double x, const NumberPattern &pattern) {
    if (!std::isfinite(x)) return String(SpecialText(x));

    const NumberPattern::Field &field = pattern.field();
    DigitBuffer digits;
    const RoundedNumber number = Round(std::fabs(x), field, digits);
    // A value whose text is all zeros shows no minus sign.
    const bool negative = std::signbit(x) && !number.zero;

    // Written on the stack unless a pattern of hundreds of places may not fit
    // there: the affixes, the digits with a comma at most beside each, a
    // sign and a point.
    const std::size_t bound = pattern.before().size() + pattern.after().size() + 2 * number.IntegerDigits() +
                              number.fraction.size() + number.trailingZeros + 2;
    std::array<char, 128> stack;
    std::string heap;
    if (bound > stack.size()) heap.resize(bound);
    char *const first = heap.empty() ? stack.data() : heap.data();

    char *out = WriteAffix(first, pattern.before(), negative);
    // A pattern without a sign place still must not lose the sign.
    if (negative && !field.hasSign) *out++ = '-';
    out = WriteInteger(out, number, field.grouping);
    if (!number.fraction.empty() || number.trailingZeros != 0) {
        *out++ = '.';
        out = std::copy(number.fraction.begin(), number.fraction.end(), out);
        out = std::fill_n(out, number.trailingZeros, '0');
    }
    out = WriteAffix(out, pattern.after(), negative);
    return String(std::string_view(first, static_cast<std::size_t>(out - first)));
}

String Format(double x, const String &pattern) { return Format(x, NumberPattern(pattern)); }

String Str(double x) {
    // Zero is by far the most common value (the off-diagonal places of a
    // diagonal matrix); its text is known without converting.
    if (x == 0.0) return String(std::signbit(x) ? std::string_view("-0") : std::string_view("0"));
    if (!std::isfinite(x)) return String(SpecialText(x));
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
    return String(std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
}

String Str(double x, const String &format) { return format.empty() ? Str(x) : Format(x, format); }

} // namespace fw
