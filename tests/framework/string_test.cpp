#include "framework/string.h"

#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

namespace {

using fw::String;

TEST(String, AppendsExtendASharedBufferWithoutChangingOtherStrings) {
    // Longer than a string holds inline, so that the text is on a buffer.
    const std::string start(String::kInlineCapacity, 'a');
    String base(start);
    base += "def"; // now on a buffer with spare room
    const String copy = base;
    String longer = base;
    longer += "XY";
    // The append wrote into the shared buffer's spare room...
    EXPECT_EQ(longer.data(), base.data());
    // ...and the strings that end earlier still see only their own text.
    EXPECT_EQ(base.view(), start + "def");
    EXPECT_EQ(copy.view(), start + "def");
    EXPECT_EQ(longer.view(), start + "defXY");

    // The older string no longer ends where the buffer's text ends, so its
    // append must not write over "XY".
    base += "Q";
    EXPECT_EQ(base.view(), start + "defQ");
    EXPECT_EQ(longer.view(), start + "defXY");
    EXPECT_EQ(copy.view(), start + "def");
    EXPECT_NE(base.data(), longer.data());

    longer += "Z";
    EXPECT_EQ(longer.view(), start + "defXYZ");
    EXPECT_EQ(base.view(), start + "defQ");
}

// Short texts are kept in the string: copies, moves and appends across the
// inline limit keep every string's own text.
TEST(String, ShortTextsCopyMoveAndGrowPastTheInlineLimit) {
    String a("0.2121");
    String b = a;
    b += "   ";
    EXPECT_EQ(a, "0.2121");
    EXPECT_EQ(b, "0.2121   ");
    String moved = std::move(b);
    EXPECT_EQ(moved, "0.2121   ");
    EXPECT_TRUE(b.empty()); // NOLINT(bugprone-use-after-move): a moved-from string is empty
    b = moved;
    std::string expected = moved.str();
    while (expected.size() <= 2 * String::kInlineCapacity) {
        b += "12345";
        expected += "12345";
        ASSERT_EQ(b.view(), expected);
    }
    EXPECT_EQ(moved, "0.2121   ");
    String onBuffer = b;
    a = std::move(onBuffer);
    EXPECT_EQ(a.data(), b.data()) << "a moved buffer is taken over, not copied";
    const String &same = a;
    a = same; // assigning a string to itself keeps it
    EXPECT_EQ(a.view(), expected);
}

TEST(String, ViewsOfAnOlderStringStayValidWhileANewerOneGrows) {
    // Longer than a string holds inline, and on a buffer with spare room, so
    // that the newer string's first appends go into the buffer they share.
    const std::string start = "start-" + std::string(String::kInlineCapacity, 'a');
    String older("start-");
    older += start.substr(6);
    const std::string_view view = older.view();
    const char *bytes = view.data();
    {
        String newer = older;
        newer += "0123456789";
        EXPECT_EQ(newer.data(), bytes) << "the first append is made in the shared buffer";
        for (int i = 1; i < 2000; ++i)
            newer += "0123456789"; // then on new buffers
        EXPECT_EQ(newer.size(), start.size() + 20000u);
        EXPECT_EQ(newer.view().substr(0, start.size()), start);
    }
    // The newer string and every buffer it grew into are gone; the older
    // string's bytes have neither moved nor changed.
    EXPECT_EQ(older.data(), bytes);
    EXPECT_EQ(view, start);
    EXPECT_EQ(older.view(), start);
}

TEST(String, AppendingItsOwnViewDoublesTheText) {
    String s("ab");
    std::string expected = "ab";
    for (int i = 0; i < 12; ++i) { // both in the spare room and into a new buffer
        s += s.view();
        expected += expected;
        ASSERT_EQ(s.view(), expected) << i;
    }
    String shared = s;
    s += shared.view();
    EXPECT_EQ(s.size(), 2 * shared.size());
    EXPECT_EQ(shared.view(), expected);
}

// The conversion's buffer pattern: read the whole text, add a piece, write it
// back. The text must not be copied on every append.
TEST(String, ReadAppendWriteBackCopiesOnlyAsTheTextDoubles) {
    String field;
    std::set<const char *> buffers;
    std::string expected;
    for (int i = 0; i < 10000; ++i) {
        String text = field;
        text += "0.2121   ";
        field = text;
        expected += "0.2121   ";
        buffers.insert(field.data());
    }
    EXPECT_EQ(field.view(), expected);
    EXPECT_LE(buffers.size(), 20u);
}

TEST(String, ConstructsJoinsAndCompares) {
    EXPECT_TRUE(String().empty());
    EXPECT_EQ(String().data()[0], '\0');
    EXPECT_TRUE(String("").empty());
    const String nul(std::string_view("a\0b", 3));
    EXPECT_EQ(nul.size(), 3u);
    EXPECT_EQ(nul.str(), std::string("a\0b", 3));

    const String left("left");
    EXPECT_EQ(left + "|" + String("right"), "left|right");
    EXPECT_EQ(std::string_view("<") + left, "<left");
    EXPECT_EQ(String() + String(), "");
    EXPECT_EQ(left + std::string_view(), "left");
    EXPECT_EQ(left, "left");
    EXPECT_FALSE(left == "lef");

    std::ostringstream out;
    out << left;
    EXPECT_EQ(out.str(), "left");
}

} // namespace
