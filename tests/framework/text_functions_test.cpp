#include "framework/text_functions.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

using fw::String;

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ValCase {
    std::string text;
    double expected;
};

void PrintTo(const ValCase &c, std::ostream *out) { *out << "Val(\"" << c.text.substr(0, 40) << "\")"; }

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheNumberAtTheStart) {
    const double value = fw::Val(String(GetParam().text));
    EXPECT_FALSE(std::isnan(value));
    EXPECT_EQ(value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ValTest,
                         testing::Values(ValCase{"12", 12}, ValCase{"  12", 12}, ValCase{"\t 7 ", 7}, ValCase{"+4", 4},
                                         ValCase{"-3.5e2xyz", -350}, ValCase{"2.9", 2.9}, ValCase{".5", 0.5},
                                         ValCase{"5.", 5}, ValCase{"-.25", -0.25}, ValCase{"1e-2", 0.01},
                                         ValCase{"1E+3", 1000}, ValCase{"0.1", 0.1}, ValCase{"1e20", 1e20},
                                         ValCase{"5e-324", 5e-324},
                                         ValCase{"1.7976931348623157e308", std::numeric_limits<double>::max()}));

// Only the longest number prefix counts; what follows it is ignored.
INSTANTIATE_TEST_SUITE_P(Prefixes, ValTest,
                         testing::Values(ValCase{"1e", 1}, ValCase{"1e+", 1}, ValCase{"2e-x", 2}, ValCase{"1,234", 1},
                                         ValCase{"3 4", 3}, ValCase{"0x1A", 0}, ValCase{"1.2.3", 1.2},
                                         ValCase{"10abc", 10}, ValCase{"7\r", 7}));

INSTANTIATE_TEST_SUITE_P(NoNumber, ValTest,
                         testing::Values(ValCase{"", 0}, ValCase{"abc", 0}, ValCase{"-", 0}, ValCase{"+", 0},
                                         ValCase{".", 0}, ValCase{"-.e5", 0}, ValCase{"nan", 0}, ValCase{"NaN", 0},
                                         ValCase{"inf", 0}, ValCase{"-infinity", 0}, ValCase{"- 5", 0},
                                         ValCase{"\n5", 0},
                                         ValCase{"\xC2\xA0"
                                                 "5",
                                                 0}));

// The long texts are built by appending: "1" + std::string(...) trips GCC 12's
// -Wrestrict at -O3.
INSTANTIATE_TEST_SUITE_P(OutOfRange, ValTest,
                         testing::Values(ValCase{"1e400", kInf}, ValCase{"-1e400", -kInf},
                                         ValCase{"1e99999999999999999999999", kInf}, ValCase{"1e-400", 0},
                                         ValCase{"-1e-99999999999999999999", 0}, ValCase{"0e999999", 0},
                                         ValCase{std::string("1").append(400, '0'), kInf},
                                         ValCase{std::string("0.").append(400, '0').append("1"), 0},
                                         ValCase{std::string("0.").append(400, '0').append("1e401"), 1},
                                         ValCase{std::string("1").append(1000, '0').append("e-1000"), 1},
                                         ValCase{"0.000001e-320", 0}, ValCase{"2e308", kInf}));

TEST(Val, KeepsTheSignOfAZero) {
    EXPECT_TRUE(std::signbit(fw::Val("-0")));
    EXPECT_TRUE(std::signbit(fw::Val("-1e-400")));
    EXPECT_FALSE(std::signbit(fw::Val("0")));
}

struct TrimCase {
    std::string text;
    std::string expected;
};

class TrimTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, RemovesSpaceAtBothEnds) { EXPECT_EQ(fw::Trim(String(GetParam().text)).str(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, TrimTest,
                         testing::Values(TrimCase{"", ""}, TrimCase{"   ", ""}, TrimCase{"abc", "abc"},
                                         TrimCase{"  a b  ", "a b"}, TrimCase{"\t\r\n 12 \r\n", "12"},
                                         TrimCase{"\xC2\xA0"
                                                  "5\xC2\xA0\xC2\xA0",
                                                  "5"},
                                         TrimCase{" \xC2\xA0 \xC2\xA0", ""},
                                         // Bytes that only look like part of a no-break space stay.
                                         TrimCase{"\xA0"
                                                  "5\xC2",
                                                  "\xA0"
                                                  "5\xC2"},
                                         TrimCase{"5\xC3\xA0", "5\xC3\xA0"},
                                         TrimCase{std::string("\0x\0", 3), std::string("\0x\0", 3)},
                                         TrimCase{"\v5\f", "\v5\f"}));

struct CharCase {
    std::string text;
    int64_t length;
    int64_t firstCode;
};

void PrintTo(const CharCase &c, std::ostream *out) {
    *out << '"';
    for (unsigned char b : c.text)
        *out << "\\x" << std::hex << int(b) << std::dec;
    *out << '"';
}

class CharactersTest : public testing::TestWithParam<CharCase> {};

TEST_P(CharactersTest, CountsCodePointsAndReadsTheFirst) {
    const String text(GetParam().text);
    EXPECT_EQ(fw::Len(text), GetParam().length);
    EXPECT_EQ(fw::Asc(text), GetParam().firstCode);
}

INSTANTIATE_TEST_SUITE_P(WellFormed, CharactersTest,
                         testing::Values(CharCase{"", 0, 0}, CharCase{"A", 1, 65}, CharCase{"abc", 3, 97},
                                         CharCase{"\r", 1, 13}, CharCase{std::string("\0b", 2), 2, 0},
                                         CharCase{"\xC3\xA9t\xC3\xA9", 3, 0xE9},
                                         CharCase{"\xE2\x82\xAC"
                                                  "5",
                                                  2, 0x20AC},
                                         CharCase{"\xF0\x9D\x84\x9E", 1, 0x1D11E},
                                         CharCase{"\xF4\x8F\xBF\xBF", 1, 0x10FFFF},
                                         CharCase{"\xEF\xBB\xBF", 1, 0xFEFF}));

// Each byte of a sequence that is not well-formed is a character of its own.
INSTANTIATE_TEST_SUITE_P(Malformed, CharactersTest,
                         testing::Values(CharCase{"\xFF", 1, 0xFF}, CharCase{"\x80\x80", 2, 0x80},
                                         CharCase{"\xC3", 1, 0xC3}, CharCase{"\xE2\x82", 2, 0xE2},
                                         CharCase{"\xE2\x82"
                                                  "A",
                                                  3, 0xE2},
                                         CharCase{"\xC0\x80", 2, 0xC0}, CharCase{"\xE0\x80\x80", 3, 0xE0},
                                         CharCase{"\xED\xA0\x80", 3, 0xED}, CharCase{"\xF4\x90\x80\x80", 4, 0xF4},
                                         CharCase{"\xF5\x80\x80\x80", 4, 0xF5}, CharCase{"\xF0\x9D\x84", 3, 0xF0},
                                         CharCase{"\xC3\xC3\xA9", 2, 0xC3}));

TEST(Chr, EncodesEveryScalarValueSoThatAscAndLenReadItBack) {
    for (int64_t code = 0; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        const String text = fw::Chr(code);
        const std::size_t bytes = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        ASSERT_EQ(text.size(), bytes) << code;
        ASSERT_EQ(fw::Asc(text), code);
        ASSERT_EQ(fw::Len(text), 1) << code;
    }
}

TEST(Chr, GivesKnownBytesAndEmptyTextForNonCharacters) {
    EXPECT_EQ(fw::Chr(13), "\r");
    EXPECT_EQ(fw::Chr(0xE9), "\xC3\xA9");
    EXPECT_EQ(fw::Chr(0x20AC), "\xE2\x82\xAC");
    EXPECT_EQ(fw::Chr(0x10FFFF), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(fw::Chr(0).size(), 1u);
    for (int64_t code : {int64_t{-1}, int64_t{0xD800}, int64_t{0xDFFF}, int64_t{0x110000},
                         std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()})
        EXPECT_TRUE(fw::Chr(code).empty()) << code;
}

TEST(Sqrt, IsTheSquareRoot) {
    EXPECT_EQ(fw::Sqrt(4.0), 2.0);
    EXPECT_EQ(fw::Sqrt(2.0), std::sqrt(2.0));
    EXPECT_EQ(fw::Sqrt(0.0), 0.0);
    EXPECT_EQ(1.0 / fw::Sqrt(0.0), kInf);
    EXPECT_TRUE(std::isnan(fw::Sqrt(-1.0)));
}

} // namespace
