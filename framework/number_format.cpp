// Numbers as text: Format by a pattern and Str in the default form.
//
// Format rounds on the exact binary value of x, half away from zero. Values
// below 2^53 are rounded in 128-bit integers, exactly. For the others: a double
// with k binary fraction digits has exactly k decimal fraction digits, the
// last of them a 5, so a half arises only when k is one more than the
// pattern's decimals (2.5 to none, 0.125 to two); then x is written exactly
// and rounded up by hand. Otherwise std::to_chars, which rounds the exact
// value to the nearest, gives the digits directly. 1.005 is stored just
// below 1.005 and so rounds to 1.00.
//
// A pattern is read once into a compiled form and kept in a small cache, and
// the text is put together on the stack: formatting a value allocates
// nothing unless its text is longer than a string holds inline.

#include "framework/text_functions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// The number field: the first run of digit places, grouping commas and one
// point. Placeholder characters after that run stand as they are.
struct NumberField {
    std::size_t minIntegerDigits = 1;
    std::size_t decimals = 0;
    std::size_t minDecimals = 0;
    bool grouping = false;
    bool hasSign = false; // a '-' or '+' anywhere in the pattern
};

// What stands before and after the number: literal characters and sign places.
struct Affix {
    Token token; // Literal, Minus or Plus
    char ch;
};

struct CompiledPattern {
    std::string text;
    NumberField field;
    std::vector<Affix> before, after;
};

bool StartsField(Token t) { return t == Token::Digit || t == Token::Zero || t == Token::Point; }
bool IsSign(Token t) { return t == Token::Minus || t == Token::Plus; }

// Placeholder characters outside the number field are literals, signs excepted.
Affix AffixOf(const PatternItem &item) { return {IsSign(item.token) ? item.token : Token::Literal, item.ch}; }

std::unique_ptr<CompiledPattern> Compile(std::string_view pattern) {
    auto compiled = std::make_unique<CompiledPattern>();
    compiled->text = pattern;
    NumberField &field = compiled->field;
    std::size_t i = 0;
    PatternItem item{};
    while (i < pattern.size() && !StartsField((item = ItemAt(pattern, i)).token)) {
        compiled->before.push_back(AffixOf(item));
        i = item.next;
    }
    bool inFraction = false;
    std::size_t integerPlaces = 0;
    std::size_t firstZeroFromLeft = SIZE_MAX; // index among integer places of the first '0'
    for (; i < pattern.size(); i = item.next) {
        item = ItemAt(pattern, i);
        const Token t = item.token;
        if (t == Token::Digit || t == Token::Zero) {
            if (inFraction) {
                ++field.decimals;
                if (t == Token::Zero) field.minDecimals = field.decimals;
            } else {
                if (t == Token::Zero && firstZeroFromLeft == SIZE_MAX) firstZeroFromLeft = integerPlaces;
                ++integerPlaces;
            }
        } else if (t == Token::Comma && !inFraction) {
            field.grouping = true;
        } else if (t == Token::Point && !inFraction) {
            inFraction = true;
        } else {
            break;
        }
    }
    for (; i < pattern.size(); i = item.next) {
        item = ItemAt(pattern, i);
        compiled->after.push_back(AffixOf(item));
    }
    for (const auto *affixes : {&compiled->before, &compiled->after})
        for (const Affix &affix : *affixes)
            field.hasSign = field.hasSign || IsSign(affix.token);
    if (firstZeroFromLeft != SIZE_MAX)
        field.minIntegerDigits = std::max<std::size_t>(1, integerPlaces - firstZeroFromLeft);
    return compiled;
}

// The compiled form of a pattern. A program uses a handful of patterns, so a
// few are kept, the one asked for last first in line. Like the rest of the
// framework, Format belongs to the main thread.
const CompiledPattern &CompiledFor(std::string_view pattern) {
    constexpr std::size_t kKept = 8;
    static std::array<std::unique_ptr<CompiledPattern>, kKept> kept;
    static std::size_t last = 0, nextFree = 0;
    if (kept[last] && kept[last]->text == pattern) return *kept[last];
    for (std::size_t k = 0; k < kKept; ++k) {
        if (kept[k] && kept[k]->text == pattern) {
            last = k;
            return *kept[k];
        }
    }
    last = nextFree;
    nextFree = (nextFree + 1) % kKept;
    kept[last] = Compile(pattern);
    return *kept[last];
}

// How many binary fraction digits the magnitude has: none for a whole
// number, up to 1074 for the smallest subnormal. Read from the bits: a
// normal double is (2^52 + m) * 2^(e - 1075), a subnormal m * 2^-1074.
int BinaryFractionDigits(double magnitude) {
    const auto bits = std::bit_cast<uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52 & 0x7FF);
    const uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    const uint64_t significand = biased == 0 ? mantissa : mantissa | uint64_t{1} << 52;
    if (significand == 0) return 0;
    const int scale = biased == 0 ? 1074 : 1075 - biased;
    return std::max(0, scale - std::countr_zero(significand));
}

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

// At most 309 integer digits, the point and 1074 fraction digits, and one
// byte in front for a carry out of the integer digits.
using DigitBuffer = std::array<char, 1502>;

// The digits of the rounded magnitude in the buffer: the integer digits from
// `integerBegin` to `point`, the fraction digits (never more than the
// decimals) from `fractionBegin` to `fractionEnd`.
struct DigitRun {
    char *integerBegin, *point, *fractionBegin, *fractionEnd;
};

// Exact rounding in integers, for a value below 2^53 and up to 19 decimals
// (every value the conversion writes): the magnitude is s * 2^-k exactly, so
// magnitude * 10^d rounded half away from zero is (s * 10^d + 2^(k-1)) >> k.
// False when the value or the product is out of that range.
bool WriteDigitsExactly(double magnitude, std::size_t decimals, char *first, DigitRun &run) {
    __extension__ using Wide = unsigned __int128;
    if (decimals > 19) return false;
    const auto bits = std::bit_cast<uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52 & 0x7FF);
    const uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    const uint64_t significand = biased == 0 ? mantissa : mantissa | uint64_t{1} << 52;
    const int shift = biased == 0 ? 1074 : 1075 - biased; // magnitude = significand * 2^-shift
    if (shift < 0) return false;
    static constexpr uint64_t powersOfTen[] = {1,
                                               10,
                                               100,
                                               1'000,
                                               10'000,
                                               100'000,
                                               1'000'000,
                                               10'000'000,
                                               100'000'000,
                                               1'000'000'000,
                                               10'000'000'000,
                                               100'000'000'000,
                                               1'000'000'000'000,
                                               10'000'000'000'000,
                                               100'000'000'000'000,
                                               1'000'000'000'000'000,
                                               10'000'000'000'000'000,
                                               100'000'000'000'000'000,
                                               1'000'000'000'000'000'000,
                                               10'000'000'000'000'000'000u};
    const uint64_t scale = powersOfTen[decimals];
    const Wide product = Wide{significand} * scale; // below 2^117
    Wide rounded = 0;
    if (shift == 0)
        rounded = product;
    else if (shift < 128)
        rounded = (product + (Wide{1} << (shift - 1))) >> shift;
    if (rounded > UINT64_MAX) return false;
    const auto units = static_cast<uint64_t>(rounded);

    run.integerBegin = first;
    run.point = std::to_chars(first, first + 24, units / scale).ptr;
    run.fractionBegin = run.fractionEnd = run.point;
    if (decimals == 0) return true;
    ++run.fractionBegin; // past the point, which is never read
    run.fractionEnd = run.fractionBegin + decimals;
    uint64_t fraction = units % scale;
    for (char *digit = run.fractionEnd; digit != run.fractionBegin; fraction /= 10)
        *--digit = static_cast<char>('0' + fraction % 10);
    return true;
}

// Any other value: exact when the field has room for every digit or the value
// is a half; rounded to the nearest by to_chars otherwise. Never more than
// 1074 decimals, whatever the pattern asks for.
DigitRun WriteDigits(double magnitude, std::size_t decimals, DigitBuffer &buffer) {
    char *const first = buffer.data() + 1;
    DigitRun run{};
    if (WriteDigitsExactly(magnitude, decimals, first, run)) return run;
    const int binaryDigits = BinaryFractionDigits(magnitude);
    const bool half = static_cast<std::size_t>(binaryDigits) == decimals + 1;
    const int written =
        static_cast<std::size_t>(binaryDigits) > decimals + 1 ? static_cast<int>(decimals) : binaryDigits;
    char *const last =
        std::to_chars(first, buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, written).ptr;
    run.point = std::find(first, last, '.');
    run.integerBegin = first;
    run.fractionBegin = run.point == last ? last : run.point + 1;
    run.fractionEnd = last;
    if (half) {
        --run.fractionEnd; // the 5
        if (Increment(run.fractionBegin, run.fractionEnd) && Increment(run.integerBegin, run.point))
            *--run.integerBegin = '1';
    }
    return run;
}

RoundedNumber Round(double magnitude, const NumberField &field, DigitBuffer &buffer) {
    const DigitRun run = WriteDigits(magnitude, field.decimals, buffer);
    char *integerBegin = run.integerBegin;
    char *const point = run.point;
    // Never longer than the decimals.
    const std::string_view fraction(run.fractionBegin, static_cast<std::size_t>(run.fractionEnd - run.fractionBegin));

    RoundedNumber n;
    while (integerBegin != point && *integerBegin == '0')
        ++integerBegin;
    n.integer = std::string_view(integerBegin, static_cast<std::size_t>(point - integerBegin));
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

// Writes the affixes, each sign place as the value's sign asks; returns the end.
char *WriteAffixes(char *out, const std::vector<Affix> &affixes, bool negative) {
    for (const Affix &affix : affixes) {
        switch (affix.token) {
        case Token::Minus:
            if (negative) *out++ = '-';
            break;
        case Token::Plus: *out++ = negative ? '-' : '+'; break;
        default: *out++ = affix.ch; break;
        }
    }
    return out;
}

std::string_view SpecialText(double x) {
    if (std::isnan(x)) return "nan";
    return x < 0 ? "-inf" : "inf";
}

} // namespace

String Format(double x, const String &pattern) {
    if (!std::isfinite(x)) return String(SpecialText(x));

    const CompiledPattern &compiled = CompiledFor(pattern.view());
    const NumberField &field = compiled.field;
    DigitBuffer digits;
    const RoundedNumber number = Round(std::fabs(x), field, digits);
    // A value whose text is all zeros shows no minus sign.
    const bool negative = std::signbit(x) && !number.zero;

    // The text is written on the stack unless it may not fit there (a
    // pattern of hundreds of places).
    const std::size_t bound = compiled.before.size() + compiled.after.size() + 2 * number.IntegerDigits() +
                              number.fraction.size() + number.trailingZeros + 2;
    std::array<char, 128> stack;
    std::string heap;
    char *const first = bound <= stack.size() ? stack.data() : (heap.resize(bound), heap.data());
    char *out = WriteAffixes(first, compiled.before, negative);
    // A pattern without a sign place still must not lose the sign.
    if (negative && !field.hasSign) *out++ = '-';
    out = WriteInteger(out, number, field.grouping);
    if (!number.fraction.empty() || number.trailingZeros != 0) {
        *out++ = '.';
        out = std::copy(number.fraction.begin(), number.fraction.end(), out);
        out = std::fill_n(out, number.trailingZeros, '0');
    }
    out = WriteAffixes(out, compiled.after, negative);
    return String(std::string_view(first, static_cast<std::size_t>(out - first)));
}

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
