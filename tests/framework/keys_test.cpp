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
    void Build(const std::string &fieldList = {}, bool areaTabs = false) {
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
        window = fw::ImplicitWindow<TestWnd>();
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
    };
    for (const Row &row : rows) {
        TestWnd::log.clear();
        field->SetFocus();
        QTest::keyClick(WidgetOf(*field), row.key, row.modifiers);
        ASSERT_FALSE(TestWnd::log.empty()) << row.key;
        EXPECT_EQ(TestWnd::log.front(), "KeyDown Field " + row.text) << row.key;
    }
    TestWnd::log.clear();
    QTest::keyClick(WidgetOf(*field), 'A', Qt::ShiftModifier);
    EXPECT_EQ(TestWnd::log.front(), "KeyDown Field A");
    // Ctrl+ keys are menu commands, not typing.
    TestWnd::log.clear();
    QTest::keyClick(WidgetOf(*field), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(TestWnd::log.empty());
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
