#include "resources/help_text.h"
#include "ui/credits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr char32_t kNoBreakSpace = 0x00A0;
constexpr std::string_view kNoBreakSpaceUtf8 = "\xC2\xA0";

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<std::u32string> DecodeUtf8(std::string_view bytes) {
    std::u32string out;
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t extra = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, c = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, c = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, c = lead & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        for (size_t k = 1; k <= extra; ++k) {
            if (i + k >= bytes.size()) return std::nullopt;
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        out.push_back(c);
        i += extra + 1;
    }
    return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\r', start)) != std::string_view::npos; start = end + 1) {
        lines.emplace_back(text.substr(start, end - start));
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

// Line `number` of the help text, counted from 1.
std::string Line(int number) {
    const std::vector<std::string> lines = SplitLines(HelpText());
    if (number < 1 || number > static_cast<int>(lines.size())) return "<no line " + std::to_string(number) + ">";
    return lines[number - 1];
}

// A value of a matrix row and the character (not byte) position it starts at.
struct Value {
    std::string text;
    size_t position;
};

// Splits a row at runs of blanks and no-break spaces, the separators that the
// program's matrix fields accept.
std::vector<Value> RowValues(const std::string &row) {
    std::vector<Value> values;
    const std::optional<std::u32string> chars = DecodeUtf8(row);
    if (!chars) return values;
    for (size_t i = 0; i < chars->size();) {
        if ((*chars)[i] == U' ' || (*chars)[i] == kNoBreakSpace) {
            ++i;
            continue;
        }
        Value value{"", i};
        for (; i < chars->size() && (*chars)[i] != U' ' && (*chars)[i] != kNoBreakSpace; ++i) {
            value.text.push_back(static_cast<char>((*chars)[i]));
        }
        values.push_back(value);
    }
    return values;
}

size_t Count(std::string_view text, std::string_view what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

// Half a unit in the last decimal place that `shown` writes.
double HalfUnit(const std::string &shown) {
    const size_t point = shown.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(shown.size() - point - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

struct Example {
    int firstLine; // the heading
    const char *heading;
    std::vector<std::string> covarianceRows;
    std::vector<std::vector<std::string>> correlations;
    std::vector<std::string> deviations;
};

const std::vector<Example> &Examples() {
    static const std::vector<Example> examples = {
        {17,
         "Example 1",
         {"1.00    0.30    0.65", "0.30    2.00    1.15", "0.65    1.15    0.90"},
         {{"1.0000", "0.2121", "0.6852"}, {"0.2121", "1.0000", "0.8572"}, {"0.6852", "0.8572", "1.0000"}},
         {"1.0000", "1.4142", "0.9487"}},
        {33,
         "Example 2",
         {"29.4849   19.4475   14.4014", "19.4475   14.2129   10.6729", "14.4014   10.6729    8.8804"},
         {{"1.00", "0.95", "0.89"}, {"0.95", "1.00", "0.95"}, {"0.89", "0.95", "1.00"}},
         {"5.43", "3.77", "2.98"}},
    };
    return examples;
}

// Lines of the six correlation rows: three after each example's
// "Correlation Matrix =".
std::vector<int> CorrelationRowLines() {
    std::vector<int> lines;
    for (const Example &example : Examples()) {
        for (int row = 0; row < 3; ++row)
            lines.push_back(example.firstLine + 7 + row);
    }
    return lines;
}

// The check below is only as good as the decoder it uses.
TEST(HelpText, Utf8CheckRejectsBrokenText) {
    EXPECT_EQ(DecodeUtf8("a\xC2\xA0\xE2\x80\x94\xF0\x9F\x98\x80"), (std::u32string{U'a', 0xA0, 0x2014, 0x1F600}));
    for (std::string_view broken :
         {"\xC2", "\xA0", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC2\x41", "\xFF"}) {
        EXPECT_FALSE(DecodeUtf8(broken).has_value()) << testing::PrintToString(std::string(broken));
    }
}

TEST(HelpText, EqualsTheFileItIsBuiltFrom) { EXPECT_EQ(HelpText(), ReadFile(TANDREL_RESOURCE_SOURCE_DIR "/help.txt")); }

TEST(HelpText, IsUtf8WithCarriageReturnsAsItsOnlyLineEnds) {
    const std::string_view text = HelpText();
    const std::optional<std::u32string> chars = DecodeUtf8(text);
    ASSERT_TRUE(chars.has_value()) << "not valid UTF-8";
    EXPECT_EQ(text.find('\n'), std::string_view::npos);
    EXPECT_EQ(text.find('\t'), std::string_view::npos);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\r') << "the last line has no line end";
    EXPECT_EQ(SplitLines(text).size(), 62u);
    for (char32_t c : *chars) {
        const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029;
        EXPECT_FALSE(control && c != U'\r') << "control character U+" << std::hex << static_cast<unsigned>(c);
    }
}

TEST(HelpText, HoldsItsNoBreakSpacesOnlyInTheCorrelationRows) {
    const std::string_view text = HelpText();
    EXPECT_EQ(Count(text, kNoBreakSpaceUtf8), 22u);
    const std::vector<int> rows = CorrelationRowLines();
    const size_t perRow[] = {5, 3, 3, 5, 3, 3};
    const std::vector<std::string> lines = SplitLines(text);
    for (int number = 1; number <= static_cast<int>(lines.size()); ++number) {
        size_t expected = 0;
        for (size_t k = 0; k < rows.size(); ++k) {
            if (rows[k] == number) expected = perRow[k];
        }
        EXPECT_EQ(Count(lines[number - 1], kNoBreakSpaceUtf8), expected) << "line " << number;
    }
}

TEST(HelpText, LinesUpTheColumnsOfEachCorrelationMatrix) {
    // The runs between the values, the same in both examples.
    const std::string nb(kNoBreakSpaceUtf8);
    const std::vector<std::vector<std::string>> runs = {
        {"", nb + " " + nb + " " + nb + " " + nb + " ", " " + nb + "   "},
        {nb, "       ", " " + nb + " " + nb + " "},
        {nb, " " + nb + "     ", " " + nb + "   "},
    };
    for (const Example &example : Examples()) {
        SCOPED_TRACE(example.heading);
        std::vector<std::vector<Value>> rows;
        for (int row = 0; row < 3; ++row) {
            const std::string line = Line(example.firstLine + 7 + row);
            const std::vector<std::string> &want = example.correlations[row];
            EXPECT_EQ(line, runs[row][0] + want[0] + runs[row][1] + want[1] + runs[row][2] + want[2]);
            rows.push_back(RowValues(line));
            ASSERT_EQ(rows.back().size(), 3u) << line;
            const size_t length = DecodeUtf8(line).value_or(U"").size();
            EXPECT_EQ(length, DecodeUtf8(Line(example.firstLine + 7)).value_or(U"").size()) << line;
        }
        EXPECT_EQ(rows[0][0].position, 0u);
        for (int row = 1; row < 3; ++row) {
            EXPECT_EQ(rows[row][0].position, 1u);
            EXPECT_EQ(rows[row][1].position, rows[0][1].position);
            EXPECT_EQ(rows[row][2].position, rows[0][2].position);
        }
    }
}

TEST(HelpText, WritesTheExamplesAsGiven) {
    for (const Example &example : Examples()) {
        SCOPED_TRACE(example.heading);
        const int at = example.firstLine;
        EXPECT_EQ(Line(at).rfind(std::string(example.heading) + " (", 0), 0u) << Line(at);
        EXPECT_EQ(Line(at + 1), "Covariance Matrix =");
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(Line(at + 2 + row), example.covarianceRows[row]);
        EXPECT_EQ(Line(at + 5), "");
        EXPECT_EQ(Line(at + 6), "Correlation Matrix =");
        for (int row = 0; row < 3; ++row) {
            std::vector<std::string> values;
            for (const Value &value : RowValues(Line(at + 7 + row)))
                values.push_back(value.text);
            EXPECT_EQ(values, example.correlations[row]);
        }
        EXPECT_EQ(Line(at + 10), "");
        EXPECT_EQ(Line(at + 11), "Standard Deviation Vector  =");
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(Line(at + 12 + row), example.deviations[row]);
    }
    // The last covariance row of Example 2 puts "8.8804" under the last digits
    // of the rows above it.
    EXPECT_EQ(Line(37).size(), Line(36).size());
    EXPECT_NE(Line(37).find("    8.8804"), std::string::npos);
}

// The correlations and deviations shown belong to the covariance matrix shown:
// every deviation is the square root of its variance and every correlation the
// covariance over the product of the two deviations, to the decimals written.
TEST(HelpText, ExampleNumbersAgreeWithEachOther) {
    for (const Example &example : Examples()) {
        SCOPED_TRACE(example.heading);
        double cov[3][3];
        double sd[3];
        for (int i = 0; i < 3; ++i) {
            const std::vector<Value> row = RowValues(example.covarianceRows[i]);
            ASSERT_EQ(row.size(), 3u);
            for (int j = 0; j < 3; ++j)
                cov[i][j] = std::strtod(row[j].text.c_str(), nullptr);
        }
        for (int i = 0; i < 3; ++i) {
            sd[i] = std::sqrt(cov[i][i]);
            EXPECT_NEAR(std::strtod(example.deviations[i].c_str(), nullptr), sd[i], HalfUnit(example.deviations[i]));
        }
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                EXPECT_DOUBLE_EQ(cov[i][j], cov[j][i]);
                const std::string &shown = example.correlations[i][j];
                EXPECT_NEAR(std::strtod(shown.c_str(), nullptr), cov[i][j] / (sd[i] * sd[j]), HalfUnit(shown))
                    << "r" << i + 1 << j + 1;
            }
        }
    }
}

TEST(HelpText, PlacesItsLabelsRulesAndNoticesOnTheirLines) {
    enum Match { Is, Holds };
    struct Case {
        int line;
        Match match;
        std::string text;
    };
    const std::string stars = std::string(5, ' ') + std::string(85, '*');
    const std::vector<Case> cases = {
        {1, Is, "Tandrel"},
        {5, Holds, "(SD)*R*(SD)"},
        {5, Holds, "(D`)*V*(D`)"},
        {7, Is, "Input"},
        {12, Holds, "Row values must be separated by a space or tab and each row must end with a carriage return."},
        {14, Is, "Caution"},
        {15, Holds, "\"3.1 2\""},
        {15, Holds, "\"3.12\""},
        {17, Holds, "2016"},
        {17, Holds, "p. 70"},
        {33, Holds, "1997"},
        {33, Holds, "p. 69"},
        {49, Holds, "4.690"},
        {49, Holds, "21.9961"},
        {49, Holds, " 22 "},
        {51, Is, "References"},
        {52, Holds, "(1997)"},
        {54, Holds, "(2016)"},
        {56, Holds, "libComplexMatrix64"},
        {56, Holds, "Eigen"},
        {57, Is, stars},
        {58, Holds, std::string("Tandrel ") + credits::kCopyrightLine},
        {60, Holds, std::string(credits::kMaker) + " (2020)"},
        {60, Holds, "Tandrel [Computer software]"},
        {62, Holds, credits::kMaker},
    };
    for (const Case &c : cases) {
        const std::string line = Line(c.line);
        if (c.match == Is) {
            EXPECT_EQ(line, c.text) << "line " << c.line;
        } else {
            EXPECT_NE(line.find(c.text), std::string::npos) << "line " << c.line << " lacks \"" << c.text << "\"";
        }
    }
    // Paragraphs are single lines with an empty line between them.
    for (int blank : {2, 4, 6, 9, 11, 13, 16, 32, 48, 50, 53, 55, 59, 61}) {
        EXPECT_EQ(Line(blank), "") << "line " << blank;
    }
    for (int text : {3, 5, 8, 10, 12, 15, 49, 52, 54, 56, 58, 60, 62}) {
        EXPECT_FALSE(Line(text).empty()) << "line " << text;
    }
}

} // namespace
