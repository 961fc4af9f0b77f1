#include "ui/menu_bar1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "framework/menu_item.h"
#include "framework/runtime_state.h"
#include "ui/implicit_windows.h"

namespace {

struct Expected {
    const char *name;
    const char *itemClass;
    const char *caption;
    const char *shortcut;
};

struct ExpectedMenu {
    Expected menu;
    std::vector<Expected> entries;
};

const std::vector<ExpectedMenu> kMenus = {
    {{"FileMenu", "MenuItem", "&File", ""},
     {
         {"FileQuit", "QuitMenuItem", "&Quit", "Cmd+Q"},
         {"AboutItem", "PrefsMenuItem", "About Tandrel", ""},
     }},
    {{"EditMenu", "MenuItem", "&Edit", ""},
     {
         {"EditUndo", "MenuItem", "&Undo", "Cmd+Z"},
         {"UntitledMenu1", "MenuItem", "-", ""},
         {"EditCut", "MenuItem", "Cu&t", "Cmd+X"},
         {"EditCopy", "MenuItem", "&Copy", "Cmd+C"},
         {"EditPaste", "MenuItem", "&Paste", "Cmd+V"},
         {"EditClear", "MenuItem", "&Delete", ""},
         {"UntitledMenu0", "MenuItem", "-", ""},
         {"EditSelectAll", "MenuItem", "Select &All", "Cmd+A"},
     }},
    {{"InfoMenu", "MenuItem", "Window", ""},
     {
         {"ControlItem", "MenuItem", "Control", ""},
         {"InfoItem", "MenuItem", "Info", ""},
     }},
};

void ExpectItem(const fw::MenuItem &item, const Expected &expected) {
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(item.Name().str(), expected.name);
    ASSERT_NE(item.Class(), nullptr);
    EXPECT_EQ(item.Class()->name, expected.itemClass);
    EXPECT_EQ(item.Value().str(), expected.caption);
    EXPECT_EQ(item.Shortcut().str(), expected.shortcut);
    EXPECT_TRUE(item.AutoEnabled());
    EXPECT_TRUE(item.Enabled());
    EXPECT_TRUE(item.Visible());
}

// Forgets a quit that a test asked for, so that later tests start clean.
struct QuitReset {
    ~QuitReset() { fw::detail::ResetRuntimeForTests(); }
};

TEST(MenuBar1, HoldsTheThreeMenusWithTheirEntriesInOrder) {
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();
    ASSERT_TRUE(bar);
    ASSERT_EQ(bar->Count(), static_cast<int64_t>(kMenus.size()));
    for (std::size_t m = 0; m < kMenus.size(); ++m) {
        fw::Ref<fw::MenuItem> menu = bar->Item(static_cast<int64_t>(m));
        ExpectItem(*menu, kMenus[m].menu);
        EXPECT_EQ(bar->Child(kMenus[m].menu.name).get(), menu.get());
        ASSERT_EQ(menu->Count(), static_cast<int64_t>(kMenus[m].entries.size())) << kMenus[m].menu.name;
        for (std::size_t e = 0; e < kMenus[m].entries.size(); ++e) {
            fw::Ref<fw::MenuItem> entry = menu->Item(static_cast<int64_t>(e));
            ExpectItem(*entry, kMenus[m].entries[e]);
            EXPECT_EQ(entry->Count(), 0);
            EXPECT_EQ(entry->Parent(), menu.get());
        }
    }
}

TEST(MenuBar1, IsBuiltOnceAndShared) {
    fw::Ref<MenuBar1> first = implicit::MenuBar1();
    fw::Ref<MenuBar1> second = implicit::MenuBar1();
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(MenuBar1::_implicitInstance().get(), first.get());
    EXPECT_EQ(first->Count(), 3);
    EXPECT_EQ(first->Child("EditMenu")->Count(), 8);
    EXPECT_EQ(fw::ClassRegistry::Instance().BuildCount("MenuBar1.MenuBar1"), 1);
}

TEST(MenuBar1, ClassRecordExtendsTheMenuBarTable) {
    const fw::ClassRecord &record = MenuBar1::ClassRecordOf();
    const fw::ClassRecord &base = fw::MenuBar::ClassRecordOf();
    EXPECT_EQ(record.name, "MenuBar1.MenuBar1");
    EXPECT_EQ(record.base, &base);
    std::vector<std::string> expected = base.classTable;
    ASSERT_FALSE(expected.empty());
    expected.insert(expected.end(), {"Untitled0", "Untitled1", "Untitled2"});
    EXPECT_EQ(record.classTable, expected);
    EXPECT_TRUE(record.events.empty());
    EXPECT_EQ(&MenuBar1::ClassRecordOf(), &record);
}

// A bar whose Edit step fails: the Window step must not run, and what is
// built so far is the File menu only.
class FailingEditBar : public MenuBar1 {
public:
    void Untitled1() override { fw::RaiseNew<fw::RuntimeException>("edit menu failed"); }
    void Untitled2() override {
        windowStepRan = true;
        MenuBar1::Untitled2();
    }
    bool windowStepRan = false;
};

TEST(MenuBar1, ConstructorRunsItsStepsVirtuallyAndStopsAtAnException) {
    fw::Ref<FailingEditBar> bar(new FailingEditBar);
    EXPECT_THROW(bar->Constructor(), fw::Raised);
    EXPECT_FALSE(bar->windowStepRan);
    ASSERT_EQ(bar->Count(), 1);
    EXPECT_EQ(bar->Item(0)->Name().str(), "FileMenu");
    EXPECT_EQ(bar->Item(0)->Count(), 2);
}

TEST(MenuBar1, QuitWithNoHandlerBoundEndsTheApplicationWithCodeZero) {
    QuitReset reset;
    fw::Ref<fw::MenuItem> quit = implicit::MenuBar1()->_Lookup("FileQuit");
    ASSERT_TRUE(quit);
    ASSERT_FALSE(fw::QuitRequested());
    EXPECT_TRUE(fw::DeliverMenuCommand(nullptr, *quit));
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::detail::ExitStatus(), 0);
}

TEST(MenuBar1, ItemsWithNoHandlerBoundChangeNothing) {
    QuitReset reset;
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();
    for (const char *name : {"AboutItem", "ControlItem", "InfoItem", "EditUndo", "EditCut", "EditCopy", "EditPaste",
                             "EditClear", "EditSelectAll"}) {
        SCOPED_TRACE(name);
        fw::Ref<fw::MenuItem> item = bar->_Lookup(name);
        ASSERT_TRUE(item);
        EXPECT_FALSE(fw::DeliverMenuCommand(nullptr, *item));
        EXPECT_FALSE(fw::QuitRequested());
    }
    EXPECT_EQ(bar->Count(), 3);
    EXPECT_EQ(bar->Child("FileMenu")->Count(), 2);
}

} // namespace
