// Numbers as text: Format by a pattern and Str in the default form.
//
// Format rounds on the exact binary value of x: std::to_chars in fixed form
// with as many decimals as x has binary fraction digits writes x exactly, and
// the rounding is then done on those decimal digits, half away from zero.
// Exact halves only arise for values such as 2.5 or 0.125; 1.005 is stored
// just below 1.005 and so rounds to 1.00.

#include "framework/text_functions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

namespace {

enum class Token { Literal, Minus, Plus, Digit, Zero, Point, Comma };

struct PatternItem {
    Token token;
    char ch;
};

// The pattern read into items: '\' makes the next character a literal.
std::vector<PatternItem> Tokenize(std::string_view pattern) {
    std::vector<PatternItem> items;
    items.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        switch (c) {
        case '\\':
            // A backslash at the very end has nothing to escape and stands as itself.
            if (i + 1 < pattern.size()) ++i;
            items.push_back({Token::Literal, pattern[i]});
            break;
        case '-':
            items.push_back({Token::Minus, c});
            break;
        case '+':
            items.push_back({Token::Plus, c});
            break;
        case '#':
            items.push_back({Token::Digit, c});
            break;
        case '0':
            items.push_back({Token::Zero, c});
            break;
        case '.':
            items.push_back({Token::Point, c});
            break;
        case ',':
            items.push_back({Token::Comma, c});
            break;
        default:
            items.push_back({Token::Literal, c});
            break;
        }
    }
    return items;
}

// The number field: the first run of digit places, grouping commas and one
// point. Placeholder characters after that run stand as they are.
struct NumberField {
    std::size_t begin = 0; // first item of the field (the end of the items when there is none)
    std::size_t end = 0;   // one past its last item
    std::size_t minIntegerDigits = 1;
    std::size_t decimals = 0;
    std::size_t minDecimals = 0;
    bool grouping = false;
};

bool StartsField(Token t) { return t == Token::Digit || t == Token::Zero || t == Token::Point; }

NumberField FindField(const std::vector<PatternItem> &items) {
    NumberField field;
    std::size_t i = 0;
    while (i < items.size() && !StartsField(items[i].token))
        ++i;
    field.begin = i;
    bool inFraction = false;
    std::size_t integerPlaces = 0;
    std::size_t firstZeroFromLeft = SIZE_MAX; // index among integer places of the first '0'
    for (; i < items.size(); ++i) {
        const Token t = items[i].token;
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
    if (firstZeroFromLeft != SIZE_MAX)
        field.minIntegerDigits = std::max<std::size_t>(1, integerPlaces - firstZeroFromLeft);
    return field;
}

// |x| in decimal, exactly: a double has at most 53 - exponent binary fraction
// digits, and each needs one decimal digit.
std::string ExactDecimal(double magnitude) {
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int decimals = std::max(0, 53 - exponent);
    // At most 309 integer digits, the point and 1126 fraction digits.
    std::array<char, 1500> buffer;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
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
    const std::string exact = ExactDecimal(magnitude);
    const std::size_t point = exact.find('.');
    RoundedNumber n;
    n.integer = exact.substr(0, point);
    const std::string_view allDecimals =
        point == std::string::npos ? std::string_view() : std::string_view(exact).substr(point + 1);

    n.fraction = std::string(allDecimals.substr(0, std::min(field.decimals, allDecimals.size())));
    n.fraction.resize(field.decimals, '0');
    // The exact expansion is known, so a first dropped digit of 5 or more
    // means at least half a unit: round the magnitude up.
    if (field.decimals < allDecimals.size() && allDecimals[field.decimals] >= '5') {
        if (Increment(n.fraction) && Increment(n.integer)) n.integer.insert(n.integer.begin(), '1');
    }

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

String Format(double x, const String &pattern) {
    if (!std::isfinite(x)) return String(SpecialText(x));

    const std::vector<PatternItem> items = Tokenize(pattern.view());
    const NumberField field = FindField(items);
    const RoundedNumber number = Round(std::fabs(x), field);
    // A value whose text is all zeros shows no minus sign.
    const bool negative = std::signbit(x) && !number.zero;
    const bool patternHasSign = std::any_of(items.begin(), items.end(), [](const PatternItem &item) {
        return item.token == Token::Minus || item.token == Token::Plus;
    });

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
    for (std::size_t i = 0; i < field.begin; ++i)
        appendItem(items[i]);
    // A pattern without a sign place still must not lose the sign.
    if (negative && !patternHasSign) out += '-';
    if (field.grouping)
        AppendGrouped(out, number.integer);
    else
        out += number.integer;
    if (!number.fraction.empty()) {
        out += '.';
        out += number.fraction;
    }
    for (std::size_t i = field.end; i < items.size(); ++i)
        appendItem(items[i]);
    return String(out);
}

String Str(double x) {
    if (!std::isfinite(x)) return String(SpecialText(x));
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
    return String(std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
}

String Str(double x, const String &format) { return format.empty() ? Str(x) : Format(x, format); }

} // namespace fw
