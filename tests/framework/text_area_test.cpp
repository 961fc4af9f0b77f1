// Text areas: the text kept in the model and shown lazily, line ends, fonts,
// TextChange, styled runs and the length limit.
#include "framework/menu_item.h"
#include "framework/text_area.h"
#include "tests/framework/framework_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using fw::PropertyListBuilder;

class TextAreaTest : public FrameworkTest {
protected:
    fw::TextArea *Build(bool visible = true, const std::string &extra = {}) {
        TestWnd::hooks.windowList = WindowList(400, 300);
        TestWnd::hooks.createControls = [visible, extra](TestWnd &w) {
            fw::TextArea *a = MakeControl<fw::TextArea>(w, "Area",
                                                        PropertyListBuilder()
                                                                .Int("Left", 10)
                                                                .Int("Top", 10)
                                                                .Int("Width", 300)
                                                                .Int("Height", 200)
                                                                .Bool("Visible", visible)
                                                                .Bytes() +
                                                            extra);
            fw::RuntimeAddEventHandler(a, fw::EventNumber::TextChange,
                                       fw::RuntimeCreateDelegate(w, &TestWnd::Area_TextChange, "( TextArea )"));
        };
        window = fw::ImplicitWindow<TestWnd>();
        TestWnd::log.clear();
        return fw::CheckCast<fw::TextArea>(window->_ControlByName("Area").get());
    }
    QPlainTextEdit *Edit(fw::TextArea *area) { return static_cast<QPlainTextEdit *>(WidgetOf(*area)); }
    int TextChanges() const {
        return static_cast<int>(std::count(TestWnd::log.begin(), TestWnd::log.end(), "TextChange Area"));
    }
    bool Paste(fw::TextArea *area, const QString &text) {
        QApplication::clipboard()->setText(text);
        area->SetFocus();
        fw::Ref<fw::MenuItem> paste = fw::NewObject<fw::MenuItem>();
        paste->SetName("EditPaste");
        return fw::DeliverMenuCommand(window.get(), *paste);
    }
    fw::Ref<TestWnd> window;
};

TEST_F(TextAreaTest, ManyAppendsToAHiddenAreaReadBackExactlyAndAreShownWhenItIs) {
    fw::TextArea *area = Build(/*visible=*/false);
    std::string expected;
    for (int i = 0; i < 10000; ++i) {
        const std::string piece = std::to_string(i % 97) + (i % 10 == 9 ? "\r" : " ");
        area->SetText(area->Text() + std::string_view(piece));
        expected += piece;
    }
    EXPECT_EQ(area->Text().str(), expected);
    EXPECT_EQ(TextChanges(), 10000);
    ProcessEvents();
    EXPECT_TRUE(Edit(area)->document()->isEmpty()); // never drawn, never copied into the widget

    area->SetVisible(true);
    ProcessEvents();
    QString shown = QString::fromStdString(expected);
    shown.replace('\r', '\n');
    EXPECT_EQ(Edit(area)->toPlainText(), shown);
    EXPECT_EQ(area->Text().str(), expected);
}

TEST_F(TextAreaTest, CarriageReturnsShowAsLinesAndTypingRightAfterASetKeepsBoth) {
    fw::TextArea *area = Build();
    area->SetText("1 2\r3 4");
    ProcessEvents();
    EXPECT_EQ(Edit(area)->document()->blockCount(), 2);
    EXPECT_EQ(Edit(area)->document()->findBlockByNumber(1).text(), "3 4");

    // Set and typed into before the event loop ran: the widget catches up first.
    area->SetText("abc");
    area->SetFocus();
    QTest::keyClick(Edit(area), Qt::Key_End);
    QTest::keyClicks(Edit(area), "d");
    EXPECT_EQ(area->Text(), "abcd");
}

TEST_F(TextAreaTest, AWindowClosedBeforeItsAreaCaughtUpEndsCleanly) {
    fw::TextArea *area = Build();
    fw::Ref<fw::TextArea> kept(area);
    area->SetText("pending");
    window->Close();
    ProcessEvents(20); // the queued catch-up finds no view
    EXPECT_EQ(kept->Text(), "pending");
    EXPECT_EQ(WidgetOf(*kept), nullptr);
}

TEST_F(TextAreaTest, EveryLineBreakTheUserBringsInReadsBackAsCarriageReturn) {
    fw::TextArea *area = Build();
    ASSERT_TRUE(Paste(area, QString::fromUtf8("1 2\r\n3 4\n5 6\u20297 8\r9\u2028"
                                              "0")));
    EXPECT_EQ(area->Text(), "1 2\r3 4\r5 6\r7 8\r9\r0");
    EXPECT_GE(TextChanges(), 1);

    area->SetText("");
    area->SetFocus();
    QTest::keyClicks(Edit(area), "a");
    QTest::keyClick(Edit(area), Qt::Key_Return);
    QTest::keyClick(Edit(area), Qt::Key_Return, Qt::ShiftModifier); // a soft line break in Qt
    QTest::keyClicks(Edit(area), "b\xc2\xa0"
                                 "c");
    EXPECT_EQ(area->Text(), "a\r\rb\xC2\xA0"
                            "c"); // the no-break space stays one
}

TEST_F(TextAreaTest, FontsRaiseNoTextChangeTextChangeComesWithEachChange) {
    fw::TextArea *area = Build();
    area->SetTextFont("Monaco");
    area->SetTextSize(10);
    EXPECT_EQ(TextChanges(), 0);
    const QFont font = Edit(area)->font();
    EXPECT_EQ(font.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(font.pixelSize(), 10); // a point is a pixel of the window's layout

    area->SetText("x");
    area->SetText("x"); // no change
    area->SetText("");
    EXPECT_EQ(TextChanges(), 2);
}

TEST_F(TextAreaTest, BoldRunsCoverTheirCharactersOnly) {
    fw::TextArea *area = Build();
    area->SetText("Title\rbody text");
    area->StyledText()->Bold(0, 6, true);
    ProcessEvents();
    auto boldAt = [&](int position) {
        QTextCursor cursor(Edit(area)->document());
        cursor.setPosition(position + 1); // the format of the character before
        return cursor.charFormat().fontWeight() == QFont::Bold;
    };
    EXPECT_TRUE(boldAt(0));
    EXPECT_TRUE(boldAt(4));
    EXPECT_FALSE(boldAt(6));
    EXPECT_TRUE(area->GetStyledText()->IsBold(5));
    EXPECT_FALSE(area->GetStyledText()->IsBold(6));

    area->SetText("Title\rbody text"); // same text: nothing changes
    area->SetText("New");
    ProcessEvents();
    EXPECT_FALSE(boldAt(0)); // a new text starts plain
}

TEST_F(TextAreaTest, TheLengthLimitCutsWhatIsPasted) {
    fw::TextArea *area = Build(true, PropertyListBuilder().Int("MaximumCharactersAllowed", 4).Bytes());
    ASSERT_TRUE(Paste(area, "abcdef"));
    EXPECT_EQ(area->Text(), "abcd");
    QTest::keyClicks(Edit(area), "g");
    EXPECT_EQ(area->Text(), "abcd");
}

// A horizontal scroll bar keeps long lines whole; without one they wrap.
TEST_F(TextAreaTest, ScrollBarsAndLineWrappingFollowTheSettings) {
    struct Case {
        bool horizontal, vertical;
        QPlainTextEdit::LineWrapMode wrap;
        Qt::ScrollBarPolicy horizontalPolicy, verticalPolicy;
    };
    for (const Case &c :
         {Case{true, true, QPlainTextEdit::NoWrap, Qt::ScrollBarAsNeeded, Qt::ScrollBarAsNeeded},
          Case{false, true, QPlainTextEdit::WidgetWidth, Qt::ScrollBarAlwaysOff, Qt::ScrollBarAsNeeded},
          Case{false, false, QPlainTextEdit::WidgetWidth, Qt::ScrollBarAlwaysOff, Qt::ScrollBarAlwaysOff}}) {
        fw::TextArea *area = Build(true, PropertyListBuilder()
                                             .Bool("HasHorizontalScrollbar", c.horizontal)
                                             .Bool("HasVerticalScrollbar", c.vertical)
                                             .Bytes());
        area->SetText(std::string(400, 'x') + "\r1");
        ProcessEvents();
        SCOPED_TRACE(c.horizontal ? "horizontal" : c.vertical ? "vertical only" : "none");
        EXPECT_EQ(Edit(area)->lineWrapMode(), c.wrap);
        EXPECT_EQ(Edit(area)->horizontalScrollBarPolicy(), c.horizontalPolicy);
        EXPECT_EQ(Edit(area)->verticalScrollBarPolicy(), c.verticalPolicy);
        EXPECT_EQ(Edit(area)->document()->firstBlock().layout()->lineCount() > 1, !c.horizontal);
        window->Close();
    }
}

// What the user does to an area, and the model text and TextChange events it
// must leave. Typed edits of plain text are followed edit by edit; text with
// other characters is read back whole; both must end where the widget is.
struct UserEdit {
    const char *name;
    const char *start; // set in code
    std::function<void(QPlainTextEdit &)> act;
    const char *expected;
    int textChanges;
};

void PrintTo(const UserEdit &edit, std::ostream *out) { *out << edit.name; }

void PressAt(QPlainTextEdit &edit, QTextCursor::MoveOperation where, int right = 0) {
    edit.moveCursor(where);
    for (int i = 0; i < right; ++i)
        QTest::keyClick(&edit, Qt::Key_Right);
}

class TextAreaEditTest : public TextAreaTest, public ::testing::WithParamInterface<UserEdit> {};

TEST_P(TextAreaEditTest, TheModelFollowsEveryEditOfTheUser) {
    fw::TextArea *area = Build();
    area->SetText(GetParam().start);
    area->SetFocus();
    ProcessEvents();
    TestWnd::log.clear();
    GetParam().act(*Edit(area));
    EXPECT_EQ(area->Text(), GetParam().expected);
    EXPECT_EQ(TextChanges(), GetParam().textChanges);
    QString shown = Edit(area)->document()->toRawText();
    shown.replace(QChar::ParagraphSeparator, u'\r').replace(QChar::LineSeparator, u'\r');
    EXPECT_EQ(area->Text().str(), shown.toStdString());

    // And the next edit starts from there.
    QTest::keyClick(Edit(area), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(Edit(area), "z");
    EXPECT_EQ(area->Text().str(), std::string(GetParam().expected) + "z");
}

INSTANTIATE_TEST_SUITE_P(
    Edits, TextAreaEditTest,
    ::testing::Values(
        UserEdit{"TypedAtTheEnd", "1 2\r3 4",
                 [](QPlainTextEdit &e) { PressAt(e, QTextCursor::End), QTest::keyClicks(&e, "56"); }, "1 2\r3 456", 2},
        UserEdit{"TypedInTheMiddle", "1 2\r3 4",
                 [](QPlainTextEdit &e) { PressAt(e, QTextCursor::Start, 2), QTest::keyClicks(&e, "x"); }, "1 x2\r3 4",
                 1},
        UserEdit{"BackspaceAtTheEnd", "1 2\r3 4",
                 [](QPlainTextEdit &e) { PressAt(e, QTextCursor::End), QTest::keyClick(&e, Qt::Key_Backspace); },
                 "1 2\r3 ", 1},
        UserEdit{"DeleteJoinsTwoLines", "1 2\r3 4",
                 [](QPlainTextEdit &e) { PressAt(e, QTextCursor::Start, 3), QTest::keyClick(&e, Qt::Key_Delete); },
                 "1 23 4", 1},
        UserEdit{"ReturnSplitsALine", "1 2\r3 4",
                 [](QPlainTextEdit &e) { PressAt(e, QTextCursor::Start, 1), QTest::keyClick(&e, Qt::Key_Return); },
                 "1\r 2\r3 4", 1},
        UserEdit{"ShiftReturnIsALineEndToo", "1 2",
                 [](QPlainTextEdit &e) {
                     PressAt(e, QTextCursor::Start, 1), QTest::keyClick(&e, Qt::Key_Return, Qt::ShiftModifier);
                 },
                 "1\r 2", 1},
        UserEdit{"ASelectionTypedOver", "1 2\r3 4",
                 [](QPlainTextEdit &e) {
                     PressAt(e, QTextCursor::Start, 1);
                     QTest::keyClick(&e, Qt::Key_Down, Qt::ShiftModifier);
                     QTest::keyClicks(&e, "x");
                 },
                 "1x 4", 1},
        UserEdit{"AKeyThatChangesNothing", "1 2",
                 [](QPlainTextEdit &e) { PressAt(e, QTextCursor::Start), QTest::keyClick(&e, Qt::Key_Backspace); },
                 "1 2", 0},
        UserEdit{"UndoneAndRedone", "1 2",
                 [](QPlainTextEdit &e) {
                     PressAt(e, QTextCursor::End), QTest::keyClicks(&e, "34");
                     QTest::keyClick(&e, Qt::Key_Z, Qt::ControlModifier);
                     QTest::keyClick(&e, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                     QTest::keyClick(&e, Qt::Key_Z, Qt::ControlModifier);
                 },
                 "1 2", 5},
        UserEdit{"ANonAsciiCharacterTyped", "1 2\r3 4",
                 [](QPlainTextEdit &e) {
                     PressAt(e, QTextCursor::Start, 1),
                         QTest::sendKeyEvent(QTest::Click, &e, Qt::Key_Eacute, QString::fromUtf8("\u00e9"), {});
                 },
                 "1\xC3\xA9 2\r3 4", 1},
        UserEdit{"TypedAfterANoBreakSpace",
                 "1\xC2\xA0"
                 "2\r3 4",
                 [](QPlainTextEdit &e) { PressAt(e, QTextCursor::End), QTest::keyClicks(&e, "5"); },
                 "1\xC2\xA0"
                 "2\r3 45",
                 1},
        UserEdit{"LineFeedsSetInCodeBecomeCarriageReturnsOnceTyped", "1 2\n3 4\n",
                 [](QPlainTextEdit &e) { PressAt(e, QTextCursor::Start), QTest::keyClicks(&e, "0"); }, "01 2\r3 4\r",
                 1}),
    [](const ::testing::TestParamInfo<UserEdit> &info) { return std::string(info.param.name); });

} // namespace
