// Menus: the model tree, its drawing in a window's menu bar, and delivering a
// chosen command.
#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "framework/menu_item.h"
#include "framework/runtime_state.h"
#include "framework/text_area.h"
#include "framework/text_edit.h"
#include "framework/view/window_view.h"
#include "tests/framework/framework_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

template <class C = fw::MenuItem>
fw::Ref<fw::MenuItem> Item(const char *name, const char *caption, const char *shortcut) {
    fw::Ref<fw::MenuItem> item(fw::NewObject<C>());
    item->Constructor();
    item->SetName(name);
    item->SetAutoEnabled(true);
    item->SetValue(caption);
    item->SetVisible(true);
    if (shortcut) item->SetShortcut(shortcut);
    return item;
}

// The program's menu bar, built the way it builds it.
fw::Ref<fw::MenuBar> ProgramMenuBar() {
    fw::Ref<fw::MenuBar> bar = fw::NewObject<fw::MenuBar>();
    auto add = [&](const char *menu, fw::Ref<fw::MenuItem> entry) { bar->Child(menu)->AddMenu(entry); };
    bar->AddMenu(Item("FileMenu", "&File", ""));
    add("FileMenu", Item<fw::QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
    add("FileMenu", Item<fw::PrefsMenuItem>("AboutItem", "About Tandrel", ""));
    bar->AddMenu(Item("EditMenu", "&Edit", ""));
    add("EditMenu", Item("EditUndo", "&Undo", "Cmd+Z"));
    add("EditMenu", Item("UntitledMenu1", "-", nullptr));
    add("EditMenu", Item("EditCut", "Cu&t", "Cmd+X"));
    add("EditMenu", Item("EditCopy", "&Copy", "Cmd+C"));
    add("EditMenu", Item("EditPaste", "&Paste", "Cmd+V"));
    add("EditMenu", Item("EditClear", "&Delete", ""));
    add("EditMenu", Item("UntitledMenu0", "-", nullptr));
    add("EditMenu", Item("EditSelectAll", "Select &All", "Cmd+A"));
    bar->AddMenu(Item("InfoMenu", "Window", ""));
    add("InfoMenu", Item("ControlItem", "Control", ""));
    add("InfoMenu", Item("InfoItem", "Info", ""));
    return bar;
}

class MenuTest : public FrameworkTest {
protected:
    void Build() {
        bar = ProgramMenuBar();
        TestWnd::hooks.windowList = WindowList(400, 300);
        TestWnd::hooks.createControls = [](TestWnd &w) {
            MakeControl<fw::TextField>(
                w, "Field", fw::PropertyListBuilder().Int("Left", 10).Int("Top", 10).Str("Value", "hello").Bytes());
            MakeControl<fw::TextArea>(
                w, "Area", fw::PropertyListBuilder().Int("Left", 10).Int("Top", 50).Int("Width", 200).Bytes());
        };
        TestWnd::hooks.addMenuHandlers = [](TestWnd &w) {
            w._AddMenuHandler("InfoItem", fw::RuntimeCreateDelegate(w, &TestWnd::Menu_Action, "(  ) as Boolean"));
        };
        fw::Ref<fw::MenuBar> shared = bar;
        window = fw::NewObject<TestWnd>();
        window->SetMenuBar(shared);
        window->Constructor();
        field = fw::CheckCast<fw::TextField>(window->_ControlByName("Field").get());
        area = fw::CheckCast<fw::TextArea>(window->_ControlByName("Area").get());
    }
    QAction *Action(const char *name) { return window->View()->MenuBarWidget()->findChild<QAction *>(name); }
    fw::Ref<fw::MenuBar> bar;
    fw::Ref<TestWnd> window;
    fw::TextField *field = nullptr;
    fw::TextArea *area = nullptr;
};

TEST_F(MenuTest, TheTreeAnswersByNameAtAnyDepth) {
    fw::Ref<fw::MenuBar> b = ProgramMenuBar();
    EXPECT_EQ(b->Count(), 3);
    EXPECT_EQ(b->Child("EditMenu")->Count(), 8);
    EXPECT_EQ(b->Child("EditMenu")->Item(1)->Name(), "UntitledMenu1");
    EXPECT_FALSE(b->Child("EditCopy")); // not a direct child
    EXPECT_EQ(b->_Lookup("EditCopy")->Value(), "&Copy");
    EXPECT_TRUE(b->_Lookup("FileQuit")->IsA(fw::QuitMenuItem::ClassRecordOf()));
    EXPECT_FALSE(b->_Lookup("NoSuchItem"));
    EXPECT_THROW(b->Item(3), fw::Raised);
    EXPECT_EQ(b->Child("InfoMenu")->Item(0)->Name(), "ControlItem");

    fw::Ref<fw::MenuItem> copy = b->Child("EditMenu")->Clone();
    EXPECT_EQ(copy->Count(), 8);
    EXPECT_NE(copy->Item(0).get(), b->Child("EditMenu")->Item(0).get());
    b->Child("EditMenu")->Remove("EditClear");
    EXPECT_EQ(b->Child("EditMenu")->Count(), 7);
    EXPECT_EQ(copy->Count(), 8);
}

TEST_F(MenuTest, TheMenuBarShowsMnemonicsSeparatorsAndCtrlShortcuts) {
    Build();
    QMenuBar *menuBar = window->View()->MenuBarWidget();
    ASSERT_NE(menuBar, nullptr);
    const QList<QAction *> menus = menuBar->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");
    EXPECT_EQ(menus[2]->text(), "Window");
    const QList<QAction *> edit = menus[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 8);
    EXPECT_TRUE(edit[1]->isSeparator());
    EXPECT_TRUE(edit[6]->isSeparator());
    EXPECT_EQ(edit[2]->text(), "Cu&t");

    EXPECT_EQ(Action("FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(Action("EditSelectAll")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_TRUE(Action("EditClear")->shortcut().isEmpty());
    EXPECT_TRUE(Action("InfoItem")->isEnabled() && Action("InfoItem")->isVisible());
}

TEST_F(MenuTest, TheFrontWindowsHandlerRunsElseTheItemsOwnAction) {
    Build();
    Action("InfoItem")->trigger();
    EXPECT_EQ(TestWnd::log.back(), "Menu");
    EXPECT_FALSE(fw::QuitRequested());

    // Nothing bound: Control reaches no handler, About's own action does nothing.
    const std::size_t before = TestWnd::log.size();
    EXPECT_FALSE(fw::DeliverMenuCommand(window.get(), *bar->_Lookup("ControlItem")));
    EXPECT_FALSE(fw::DeliverMenuCommand(window.get(), *bar->_Lookup("AboutItem")));
    EXPECT_EQ(TestWnd::log.size(), before);
    EXPECT_FALSE(fw::QuitRequested());

    Action("FileQuit")->trigger(); // the window binds no FileQuit: Quit's own action
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::detail::ExitStatus(), 0);
}

TEST_F(MenuTest, EditItemsActOnTheFocusedTextControl) {
    Build();
    field->SetFocus();
    Action("EditSelectAll")->trigger();
    Action("EditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
    area->SetFocus();
    Action("EditPaste")->trigger();
    EXPECT_EQ(area->Text(), "hello");
    Action("EditUndo")->trigger();
    EXPECT_EQ(area->Text(), "");
    Action("EditPaste")->trigger();
    Action("EditPaste")->trigger();
    EXPECT_EQ(area->Text(), "hellohello");

    field->SetFocus();
    Action("EditSelectAll")->trigger();
    Action("EditCut")->trigger();
    EXPECT_EQ(field->Text(), "");
}

TEST_F(MenuTest, ReadOnlyTextControlsOnlyCopyAndSelect) {
    Build();
    area->SetText("kept");
    for (fw::TextEdit *edit : std::initializer_list<fw::TextEdit *>{field, area}) {
        const std::string text = edit->Text().str();
        edit->SetReadOnly(true);
        edit->SetFocus();
        for (const char *command :
             {"EditSelectAll", "EditCut", "EditSelectAll", "EditClear", "EditPaste", "EditUndo"}) {
            QApplication::clipboard()->setText("X");
            Action(command)->trigger();
            EXPECT_EQ(edit->Text().str(), text) << command << " on " << edit->Name();
        }
        Action("EditSelectAll")->trigger();
        Action("EditCopy")->trigger();
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), text) << edit->Name();
    }
}

TEST_F(MenuTest, CtrlShortcutsReachTheEditItems) {
    Build();
    QWidget *frame = FrameOf(*window);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    field->SetFocus();
    QTest::keyClick(WidgetOf(*field), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(WidgetOf(*field), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
    area->SetFocus();
    QTest::keyClick(WidgetOf(*area), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(area->Text(), "hello");
}

TEST_F(MenuTest, ChangingAnItemRedrawsTheMenuBar) {
    Build();
    bar->_Lookup("InfoItem")->SetValue("Help");
    EXPECT_EQ(Action("InfoItem")->text(), "Help");
    bar->_Lookup("InfoItem")->SetVisible(false);
    EXPECT_FALSE(Action("InfoItem")->isVisible());
}

} // namespace
