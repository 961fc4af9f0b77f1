#include <string>
#include <vector>

#include "convert/control_wnd.h"
#include "framework/app_runtime.h"
#include "resources/help_text.h"
#include "tests/ui/windows_fixture.h"
#include "ui/help_wnd.h"
#include "ui/implicit_windows.h"
#include "ui/menu_bar1.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

namespace {

// The conversion window, built and shown as the about window's hand-over
// leaves it.
class HelpWindowTest : public WindowsTest {
protected:
    void SetUp() override {
        WindowsTest::SetUp();
        control_ = implicit::ControlWnd();
        control_->Show();
    }
    void TearDown() override {
        control_ = nullptr;
        WindowsTest::TearDown();
    }
    fw::Ref<helpWnd> OpenByInfoButton() {
        QTest::mouseClick(Widget(*control_->InfoBtn()), Qt::LeftButton);
        return fw::Ref<helpWnd>(dynamic_cast<helpWnd *>(OpenWindow(kHelpClass).get()));
    }
    static QPlainTextEdit *Editor(helpWnd &help) { return qobject_cast<QPlainTextEdit *>(Widget(*help.EditField1())); }
    fw::Ref<ControlWnd> control_;
};

TEST_F(HelpWindowTest, ClassRecordAndEvents) {
    const fw::ClassRecord &record = helpWnd::ClassRecordOf();
    EXPECT_EQ(record.name, "helpWnd.helpWnd");
    EXPECT_EQ(record.base, &fw::Window::ClassRecordOf());
    const std::vector<std::string> own(record.classTable.begin() + 37, record.classTable.end());
    EXPECT_EQ(own, (std::vector<std::string>{
                       "Layout",          "CreateControls",     "_CreateControls0", "EditField1", "EditField1_Open",
                       "InfoMenu",        "InfoItem",           "ControlItem",      "EditMenu",   "EditSelectAll",
                       "UntitledMenu0",   "EditClear",          "EditPaste",        "EditCopy",   "EditCut",
                       "UntitledMenu1",   "EditUndo",           "FileMenu",         "AboutItem",  "FileQuit",
                       "AddMenuHandlers", "_ControlItem_Action"}));

    fw::Ref<helpWnd> help = implicit::helpWnd();
    std::vector<std::string> handled;
    for (const char *event : {"Layout", "CreateControls", "AddMenuHandlers", "Close", "MouseDown", "KeyDown"})
        if (help->IsEventImplemented(event)) handled.emplace_back(event);
    EXPECT_EQ(handled, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers"}));
}

TEST_F(HelpWindowTest, BuildsTheInfoWindowWithTheSharedMenuBarAndTheHelpText) {
    fw::Ref<helpWnd> help = OpenByInfoButton();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->IsShown());
    EXPECT_EQ(help->Title(), "Info");
    EXPECT_EQ(Frame(*help)->windowTitle(), "Info");
    EXPECT_EQ(help->MenuBar().get(), implicit::MenuBar1().get());
    EXPECT_EQ(help->MenuBar().get(), control_->MenuBar().get());
    EXPECT_EQ(help->EditField1()->Text(), HelpText());
    EXPECT_FALSE(help->EditField1()->ReadOnly());
    EXPECT_EQ(Editor(*help)->toPlainText().split('\n').first(), "Tandrel");

    // The item accessors reach the shared bar's items, typed by their class.
    EXPECT_EQ(help->ControlItem()->Value(), "Control");
    EXPECT_EQ(help->UntitledMenu1()->Value(), "-");
    EXPECT_EQ(help->AboutItem()->Value(), "About Tandrel");
    EXPECT_EQ(help->FileQuit()->Shortcut(), "Cmd+Q");
}

TEST_F(HelpWindowTest, OneSharedInstanceHoweverOftenInfoIsAskedFor) {
    fw::Ref<helpWnd> help = OpenByInfoButton();
    ASSERT_TRUE(help);
    Choose(*control_, "InfoItem");
    OpenByInfoButton();
    Choose(*control_, "InfoItem");
    EXPECT_EQ(OpenCount(kHelpClass), 1);
    EXPECT_EQ(implicit::helpWnd().get(), help.get());
    EXPECT_EQ(fw::FrontWindow().get(), help.get());
}

TEST_F(HelpWindowTest, TitleLineAndItsLineEndAreBoldAndTheRestIsNot) {
    fw::Ref<helpWnd> help = OpenByInfoButton();
    fw::StyledText *styled = help->EditField1()->GetStyledText();
    const int64_t title = static_cast<int64_t>(std::string_view("Tandrel").size());
    for (int64_t i = 0; i <= title; ++i)
        EXPECT_TRUE(styled->IsBold(i)) << i;
    EXPECT_FALSE(styled->IsBold(title + 1)) << "line 2 is empty: its CR";
    EXPECT_FALSE(styled->IsBold(title + 2)) << "line 3";

    // What the user sees.
    QTextDocument *document = Editor(*help)->document();
    QTextCursor at(document);
    at.setPosition(1);
    EXPECT_TRUE(at.charFormat().font().bold());
    at.setPosition(document->findBlockByNumber(2).position() + 1);
    EXPECT_FALSE(at.charFormat().font().bold());
}

struct TitleCase {
    const char *text;
    int64_t boldCharacters;
};

class HelpTitleTest : public HelpWindowTest, public testing::WithParamInterface<TitleCase> {};

// The bold range follows the first line: its length in characters (not
// bytes) and its CR; a text with no CR is bold to its end.
INSTANTIATE_TEST_SUITE_P(Titles, HelpTitleTest,
                         testing::Values(TitleCase{"Ab\rcd", 3}, TitleCase{"A longer name\r\rx", 14},
                                         TitleCase{"\xC3\x9C"
                                                   "ber\rx",
                                                   5},
                                         TitleCase{"\rx", 1}, TitleCase{"No line end", 11}));

TEST_P(HelpTitleTest, BoldRangeCoversTheFirstLineAndItsCarriageReturn) {
    fw::Ref<helpWnd> help = implicit::helpWnd();
    fw::Ref<fw::TextArea> area = help->EditField1();
    area->SetText(GetParam().text);
    help->EditField1_Open(area.get());
    const std::vector<fw::StyledText::Run> &runs = area->GetStyledText()->Runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].start, 0);
    EXPECT_EQ(runs[0].length, GetParam().boldCharacters);
    EXPECT_TRUE(runs[0].bold);
}

TEST_F(HelpWindowTest, TypedTextLastsAsLongAsTheWindow) {
    fw::Ref<helpWnd> help = OpenByInfoButton();
    QPlainTextEdit *editor = Editor(*help);
    editor->setFocus();
    editor->moveCursor(QTextCursor::Start);
    QTest::keyClicks(editor, "my note ");

    Choose(*help, "ControlItem");
    EXPECT_EQ(fw::FrontWindow().get(), control_.get());
    Choose(*control_, "InfoItem");
    EXPECT_EQ(OpenWindow(kHelpClass).get(), help.get());
    EXPECT_EQ(help->EditField1()->Text().view().substr(0, 8), "my note ");

    Frame(*help)->close();
    EXPECT_TRUE(help->IsClosed());
    fw::Ref<helpWnd> again = OpenByInfoButton();
    ASSERT_TRUE(again);
    EXPECT_NE(again.get(), help.get());
    EXPECT_EQ(again->EditField1()->Text(), HelpText());
    const std::vector<fw::StyledText::Run> &runs = again->EditField1()->GetStyledText()->Runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].length, 8);
}

// The text area lies one pixel outside the left and top edges, on the right
// edge and three pixels above the bottom edge, and keeps those distances at
// every size. It opens at the size of its settings, even on a screen as
// small as the offscreen platform's.
TEST_F(HelpWindowTest, TheTextAreaFollowsEveryEdgeOfTheWindow) {
    fw::Ref<helpWnd> help = OpenByInfoButton();
    fw::Ref<fw::TextArea> area = help->EditField1();
    EXPECT_TRUE(help->Resizeable());
    EXPECT_FALSE(help->HasMaximizeButton());
    EXPECT_EQ(help->MinimumWidth(), 64);
    EXPECT_EQ(help->MaximumHeight(), 32000);

    auto expectFilled = [&](const char *when) {
        const QSize content = Content(*help)->size();
        EXPECT_EQ(help->Width(), content.width()) << when;
        EXPECT_EQ(help->Height(), content.height()) << when;
        const QRect expected(-1, -1, content.width() + 1, content.height() - 2);
        EXPECT_EQ(Widget(*area)->geometry(), expected) << when;
        EXPECT_EQ(QRect(int(area->Left()), int(area->Top()), int(area->Width()), int(area->Height())), expected)
            << when;
    };
    EXPECT_EQ(Content(*help)->size(), QSize(550, 500));
    expectFilled("as built");
    Content(*help)->resize(800, 700); // as the user's drag does
    expectFilled("larger");
    Content(*help)->resize(300, 120);
    expectFilled("smaller");
    Content(*help)->resize(64, 64);
    expectFilled("smallest");
}

TEST_F(HelpWindowTest, WindowControlBringsTheConversionWindowForwardAndKeepsHelpOpen) {
    fw::Ref<helpWnd> help = OpenByInfoButton();
    ASSERT_EQ(fw::FrontWindow().get(), help.get());
    Choose(*help, "ControlItem");
    EXPECT_EQ(fw::FrontWindow().get(), control_.get());
    EXPECT_TRUE(help->IsShown());
    EXPECT_EQ(implicit::ControlWnd().get(), control_.get()) << "the open conversion window, not a new one";
    EXPECT_TRUE(help->_ControlItem_Action());
}

TEST_F(HelpWindowTest, WindowControlRestoresAMinimizedConversionWindow) {
    fw::Ref<helpWnd> help = OpenByInfoButton();
    control_->Minimize();
    ASSERT_TRUE(Frame(*control_)->isMinimized());
    Choose(*help, "ControlItem");
    EXPECT_FALSE(Frame(*control_)->isMinimized());
    EXPECT_TRUE(control_->IsShown());
    EXPECT_EQ(fw::FrontWindow().get(), control_.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(Frame(*control_)));
}

TEST_F(HelpWindowTest, ClosingItLeavesTheProgramRunning) {
    fw::Ref<helpWnd> help = OpenByInfoButton();
    Frame(*help)->close();
    EXPECT_TRUE(help->IsClosed());
    EXPECT_FALSE(OpenWindow(kHelpClass));
    EXPECT_FALSE(fw::QuitRequested());
    EXPECT_TRUE(control_->IsShown());
}

} // namespace
