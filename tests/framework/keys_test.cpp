// KeyDown: the key as text, swallowing, Tab in text areas, input masks.
#include "framework/menu_item.h"
#include "framework/text_area.h"
#include "framework/text_edit.h"
#include "tests/framework/framework_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using fw::PropertyListBuilder;

class KeysTest : public FrameworkTest {
protected:
    void Build(const std::string &fieldList = {}, bool areaTabs = false, fw::Ref<fw::MenuBar> menuBar = nullptr) {
        TestWnd::hooks.windowList = WindowList(400, 300);
        TestWnd::hooks.createControls = [fieldList, areaTabs](TestWnd &w) {
            fw::TextField *field = MakeControl<fw::TextField>(
                w, "Field",
                PropertyListBuilder().Int("Left", 10).Int("Top", 10).Int("TabIndex", 0).Bytes() + fieldList);
            fw::RuntimeAddEventHandler(
                field, fw::EventNumber::KeyDown,
                fw::RuntimeCreateDelegate(w, &TestWnd::Field_KeyDown, "( TextField, String ) as Boolean"));
            fw::TextArea *area = MakeControl<fw::TextArea>(w, "Area",
                                                           PropertyListBuilder()
                                                               .Int("Left", 10)
                                                               .Int("Top", 50)
                                                               .Int("Width", 200)
                                                               .Int("Height", 100)
                                                               .Int("TabIndex", 1)
                                                               .Bool("AllowTabs", areaTabs)
                                                               .Bytes());
            fw::RuntimeAddEventHandler(
                area, fw::EventNumber::KeyDown,
                fw::RuntimeCreateDelegate(w, &TestWnd::Area_KeyDown, "( TextArea, String ) as Boolean"));
            MakeControl<fw::TextField>(
                w, "After", PropertyListBuilder().Int("Left", 10).Int("Top", 200).Int("TabIndex", 2).Bytes());
        };
        window = fw::NewObject<TestWnd>();
        if (menuBar) window->SetMenuBar(menuBar);
        window->Constructor();
        field = fw::CheckCast<fw::TextField>(window->_ControlByName("Field").get());
        area = fw::CheckCast<fw::TextArea>(window->_ControlByName("Area").get());
        TestWnd::log.clear();
    }
    fw::Ref<TestWnd> window;
    fw::TextField *field = nullptr;
    fw::TextArea *area = nullptr;
};

TEST_F(KeysTest, KeyDownGetsTheKeyAsText) {
    Build();
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::string text;
    };
    const std::vector<Row> rows = {
        {Qt::Key_Backspace, {}, "\x08"},
        {Qt::Key_Tab, {}, "\x09"},
        {Qt::Key_Return, {}, "\x0d"},
        {Qt::Key_Enter, Qt::KeypadModifier, "\x03"},
        {Qt::Key_Escape, {}, "\x1b"},
        {Qt::Key_Left, {}, "\x1c"},
        {Qt::Key_Right, {}, "\x1d"},
        {Qt::Key_Up, {}, "\x1e"},
        {Qt::Key_Down, {}, "\x1f"},
        {Qt::Key_Delete, {}, "\x7f"},
        {Qt::Key_7, {}, "7"},
        {Qt::Key_A, {}, "a"},
        // Keys that type nothing are key presses all the same.
        {Qt::Key_Home, {}, ""},
        {Qt::Key_End, {}, ""},
        {Qt::Key_PageUp, {}, ""},
        {Qt::Key_Insert, {}, ""},
        {Qt::Key_F5, {}, ""},
        // Ctrl with a letter: its control character; no menu entry takes these here.
        {Qt::Key_K, Qt::ControlModifier, "\x0b"},
        {Qt::Key_C, Qt::ControlModifier, "\x03"},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a"},
        {Qt::Key_Left, Qt::ControlModifier, "\x1c"},
        {Qt::Key_5, Qt::AltModifier, "5"},
    };
    for (const Row &row : rows) {
        TestWnd::log.clear();
        field->SetFocus();
        QTest::keyClick(WidgetOf(*field), row.key, row.modifiers);
        ASSERT_FALSE(TestWnd::log.empty()) << row.key;
        EXPECT_EQ(TestWnd::log.front(), "KeyDown Field " + row.text) << row.key << " " << row.modifiers;
    }
    TestWnd::log.clear();
    QTest::keyClick(WidgetOf(*field), 'A', Qt::ShiftModifier);
    EXPECT_EQ(TestWnd::log.front(), "KeyDown Field A");
    // A modifier pressed alone is no key press.
    TestWnd::log.clear();
    for (Qt::Key modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta})
        QTest::keyClick(WidgetOf(*field), modifier);
    EXPECT_EQ(TestWnd::log, std::vector<std::string>{});
}

// A key that a menu entry takes goes to the menu, even where the field would
// take it for editing; every other key goes to KeyDown first.
TEST_F(KeysTest, MenuKeysGoToTheMenuEveryOtherKeyToKeyDown) {
    fw::Ref<fw::MenuBar> bar = fw::NewObject<fw::MenuBar>();
    fw::Ref<fw::MenuItem> edit = fw::NewObject<fw::MenuItem>();
    edit->SetName("EditMenu");
    edit->SetValue("&Edit");
    bar->AddMenu(edit);
    for (auto [name, shortcut] : {std::pair{"EditCopy", "Cmd+C"}, std::pair{"EditSelectAll", "Cmd+A"}}) {
        fw::Ref<fw::MenuItem> item = fw::NewObject<fw::MenuItem>();
        item->SetName(name);
        item->SetValue(name);
        item->SetShortcut(shortcut);
        edit->AddMenu(item);
    }
    Build({}, false, bar);
    QWidget *frame = FrameOf(*window);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    field->SetText("hello");
    field->SetFocus();
    QApplication::clipboard()->setText("");
    QTest::keyClick(WidgetOf(*field), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(WidgetOf(*field), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
    EXPECT_EQ(TestWnd::log, std::vector<std::string>{});
    // Ctrl+K would delete to the end of the line; KeyDown may swallow it.
    TestWnd::hooks.keyDown = [](const std::string &) { return true; };
    QTest::keyClick(WidgetOf(*field), Qt::Key_Home);
    QTest::keyClick(WidgetOf(*field), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(TestWnd::log, (std::vector<std::string>{"KeyDown Field ", "KeyDown Field \x0b"}));
    EXPECT_EQ(field->Text(), "hello");
}

TEST_F(KeysTest, TrueSwallowsTheKeyFalseLetsTheFieldHaveIt) {
    Build();
    TestWnd::hooks.keyDown = [](const std::string &key) { return !(key[0] >= '0' && key[0] <= '9'); };
    field->SetFocus();
    QTest::keyClicks(WidgetOf(*field), "1x2 -3");
    EXPECT_EQ(field->Text(), "123");
    area->SetFocus();
    QTest::keyClicks(WidgetOf(*area), "4y5");
    EXPECT_EQ(area->Text(), "45");
}

TEST_F(KeysTest, TabTypesATabOnlyWhereTabsAreAllowed) {
    for (bool allowTabs : {true, false}) {
        Build({}, allowTabs);
        area->SetFocus();
        QTest::keyClick(WidgetOf(*area), Qt::Key_Tab);
        EXPECT_EQ(TestWnd::log.back(), "KeyDown Area \x09");
        if (allowTabs) {
            EXPECT_EQ(area->Text(), "\t");
            EXPECT_EQ(FrameOf(*window)->focusWidget(), WidgetOf(*area));
        } else {
            EXPECT_EQ(area->Text(), "");
            EXPECT_EQ(FrameOf(*window)->focusWidget(), WidgetOf(*window->_ControlByName("After")));
        }
        // Ctrl+Tab and Ctrl+Shift+Tab leave the area either way, after KeyDown.
        area->SetFocus();
        TestWnd::log.clear();
        QTest::keyClick(WidgetOf(*area), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(FrameOf(*window)->focusWidget(), WidgetOf(*window->_ControlByName("After")));
        area->SetFocus();
        QTest::keyClick(WidgetOf(*area), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(FrameOf(*window)->focusWidget(), WidgetOf(*field));
        EXPECT_EQ(TestWnd::log, (std::vector<std::string>{"KeyDown Area \x09", "KeyDown Area \x09"}));
        EXPECT_EQ(area->Text(), allowTabs ? "\t" : "");
        window->Close();
    }
}

TEST_F(KeysTest, TheDigitMaskAndTheLengthLimitHoldForTypingAndPasting) {
    Build(PropertyListBuilder().Int("MaximumCharactersAllowed", 3).Str("ValidationMask", "###").Bytes());
    field->SetFocus();
    QTest::keyClicks(WidgetOf(*field), "1a2-.34");
    EXPECT_EQ(field->Text(), "123");
    // Code may set any text; the limits are the user's.
    field->SetText("98765");
    EXPECT_EQ(field->Text(), "98765");
    QTest::keyClick(WidgetOf(*field), Qt::Key_End);
    QTest::keyClick(WidgetOf(*field), Qt::Key_Backspace); // the user can still delete
    QTest::keyClicks(WidgetOf(*field), "4");              // but not add
    EXPECT_EQ(field->Text(), "9876");

    fw::Ref<fw::MenuItem> paste = fw::NewObject<fw::MenuItem>();
    paste->SetName("EditPaste");
    field->SetText("");
    for (const char *clip : {"12a", "4567", "42"}) {
        QApplication::clipboard()->setText(clip);
        fw::DeliverMenuCommand(window.get(), *paste);
    }
    EXPECT_EQ(field->Text(), "42"); // the two that do not fit are refused whole

    struct Row {
        const char *text, *mask;
        int64_t limit;
        bool fits;
    };
    const std::vector<Row> rows = {
        {"", "###", 3, true},
        {"12", "###", 3, true},
        {"1234", "###", 0, false},
        {"1a", "###", 0, false},
        {"\xEF\xBC\x91", "#", 0, false}, // a full-width digit is no digit here
        {"12-3", "##-#", 0, true},
        {"12+3", "##-#", 0, false},
        {"abcd", "", 3, false},
        {"\xC3\xA9\xC3\xA9", "", 2, true},
        // Each byte of an ill-formed sequence is a character of its own, as Len counts it.
        {"\xE0\x80\x80", "", 2, false}, // overlong
        {"\xED\xA0\x80", "", 1, false}, // a surrogate
        {"\xED\xA0\x80", "", 3, true},
    };
    for (const Row &r : rows)
        EXPECT_EQ(fw::TextFitsMask(r.text, r.mask, r.limit), r.fits) << r.text << " / " << r.mask;
}

} // namespace
