// The pattern reader Format had before it compiled its patterns: it reads
// the pattern item by item for every value. Kept unchanged as the reference
// that the fuzzer holds the fast Format to, byte for byte.

#include "reference_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace reference {

namespace {

enum class Token { Literal, Minus, Plus, Digit, Zero, Point, Comma };

// One item of the pattern and the byte where the next one starts.
struct PatternItem {
    Token token;
    char ch;
    std::size_t next;
};

// The item at byte `at` of the pattern: '\' makes the next character a
// literal. The pattern is read item by item where it is needed, so that no
// call of Format allocates for it.
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
    std::size_t begin = 0; // byte of the field's first item (the pattern's end when there is none)
    std::size_t end = 0;   // byte after its last item
    std::size_t minIntegerDigits = 1;
    std::size_t decimals = 0;
    std::size_t minDecimals = 0;
    bool grouping = false;
    bool hasSign = false; // a '-' or '+' anywhere in the pattern
};

bool StartsField(Token t) { return t == Token::Digit || t == Token::Zero || t == Token::Point; }
bool IsSign(Token t) { return t == Token::Minus || t == Token::Plus; }

NumberField FindField(std::string_view pattern) {
    NumberField field;
    std::size_t i = 0;
    PatternItem item{};
    while (i < pattern.size() && !StartsField((item = ItemAt(pattern, i)).token)) {
        field.hasSign = field.hasSign || IsSign(item.token);
        i = item.next;
    }
    field.begin = i;
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
    field.end = i;
    for (; i < pattern.size(); i = item.next) {
        item = ItemAt(pattern, i);
        field.hasSign = field.hasSign || IsSign(item.token);
    }
    if (firstZeroFromLeft != SIZE_MAX)
        field.minIntegerDigits = std::max<std::size_t>(1, integerPlaces - firstZeroFromLeft);
    return field;
}

// How many binary fraction digits the magnitude has: none for a whole
// number, up to 1074 for the smallest subnormal.
int BinaryFractionDigits(double magnitude) {
    if (magnitude == 0.0) return 0;
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent);
    const auto significand = static_cast<uint64_t>(std::ldexp(mantissa, 53));
    return std::max(0, 53 - exponent - std::countr_zero(significand));
}

// Adds one to a run of decimal digits; true when it carries out of the run.
bool Increment(std::string &digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

struct RoundedNumber {
    std::string integer;  // no leading zeros beyond the field's required digits
    std::string fraction; // trailing optional zeros already dropped
    bool zero = true;     // every shown digit is 0
};

RoundedNumber Round(double magnitude, const NumberField &field) {
    const int binaryDigits = BinaryFractionDigits(magnitude);
    const bool half = static_cast<std::size_t>(binaryDigits) == field.decimals + 1;
    // Exact when the field has room for every digit or the value is a half;
    // rounded to the nearest by to_chars otherwise. Never more than 1074
    // decimals, whatever the pattern asks for.
    const int written = static_cast<std::size_t>(binaryDigits) > field.decimals + 1 ? static_cast<int>(field.decimals)
                                                                                     : binaryDigits;
    // At most 309 integer digits, the point and 1074 fraction digits.
    std::array<char, 1500> buffer;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, written);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = text.find('.');

    RoundedNumber n;
    n.integer = std::string(text.substr(0, point));
    if (point != std::string_view::npos) n.fraction = std::string(text.substr(point + 1));
    if (half) {
        n.fraction.pop_back(); // the 5
        if (Increment(n.fraction) && Increment(n.integer)) n.integer.insert(n.integer.begin(), '1');
    }
    n.fraction.resize(field.decimals, '0');

    const std::size_t firstNonZero = n.integer.find_first_not_of('0');
    n.integer.erase(0, firstNonZero == std::string::npos ? n.integer.size() : firstNonZero);
    n.zero = n.integer.empty() && n.fraction.find_first_not_of('0') == std::string::npos;
    if (n.integer.size() < field.minIntegerDigits) n.integer.insert(0, field.minIntegerDigits - n.integer.size(), '0');

    const std::size_t lastNonZero = n.fraction.find_last_not_of('0');
    const std::size_t keep = lastNonZero == std::string::npos ? 0 : lastNonZero + 1;
    n.fraction.resize(std::max(keep, field.minDecimals));
    return n;
}

void AppendGrouped(std::string &out, const std::string &digits) {
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits, 0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        out += ',';
        out.append(digits, i, 3);
    }
}

std::string_view SpecialText(double x) {
    if (std::isnan(x)) return "nan";
    return x < 0 ? "-inf" : "inf";
}

} // namespace

std::string Format(double x, std::string_view pattern) {
    if (!std::isfinite(x)) return std::string(SpecialText(x));

    const std::string_view text = pattern;
    const NumberField field = FindField(text);
    const RoundedNumber number = Round(std::fabs(x), field);
    // A value whose text is all zeros shows no minus sign.
    const bool negative = std::signbit(x) && !number.zero;

    std::string out;
    auto appendItem = [&](const PatternItem &item) {
        switch (item.token) {
        case Token::Minus:
            if (negative) out += '-';
            break;
        case Token::Plus:
            out += negative ? '-' : '+';
            break;
        default:
            out += item.ch;
            break;
        }
    };
    auto appendItems = [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end;) {
            const PatternItem item = ItemAt(text, i);
            appendItem(item);
            i = item.next;
        }
    };
    appendItems(0, field.begin);
    // A pattern without a sign place still must not lose the sign.
    if (negative && !field.hasSign) out += '-';
    if (field.grouping)
        AppendGrouped(out, number.integer);
    else
        out += number.integer;
    if (!number.fraction.empty()) {
        out += '.';
        out += number.fraction;
    }
    appendItems(field.end, text.size());
    return out;
}

} // namespace reference
