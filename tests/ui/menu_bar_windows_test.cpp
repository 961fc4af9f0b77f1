// The shared menu bar as the windows show it, on the offscreen platform.

#include <gtest/gtest.h>

#include "tests/support/qt_environment.h"

#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QList>
#include <QWidget>

#include "convert/control_wnd.h"
#include "framework/app_runtime.h"
#include "framework/menu_item.h"
#include "framework/presenter.h"
#include "framework/runtime_state.h"
#include "framework/window.h"
#include "ui/help_wnd.h"
#include "ui/implicit_windows.h"
#include "ui/menu_bar1.h"

namespace {

const testing::Environment *const kApp = testing::AddGlobalTestEnvironment(new QtEnvironment);

// Every alert recorded instead of shown; every window closed and any quit
// forgotten at the end of a test.
class MenuBarWindows : public testing::Test {
protected:
    ~MenuBarWindows() override {
        for (const fw::Ref<fw::Window> &window : fw::OpenWindows())
            window->Discard();
        fw::detail::ResetRuntimeForTests();
    }
    fw::RecordingPresenter alerts;
    fw::ScopedPresenter presenterGuard{alerts};
};

// The actions that the window's menu bar widget shows for the item of that name.
QList<QAction *> ShownActions(const char *itemName) {
    // Menu bar widgets that were replaced go on the next turn of the loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QAction *> found;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible()) found += top->findChildren<QAction *>(QString::fromLatin1(itemName));
    return found;
}

void ExpectMenusUnchanged(const MenuBar1 &bar) {
    ASSERT_EQ(bar.Count(), 3);
    EXPECT_EQ(bar.Item(0)->Count(), 2);
    EXPECT_EQ(bar.Item(1)->Count(), 8);
    EXPECT_EQ(bar.Item(2)->Count(), 2);
}

TEST_F(MenuBarWindows, OneBarServesBothWindowsAndSurvivesAWindowBuiltAnew) {
    fw::Ref<ControlWnd> control = implicit::ControlWnd();
    fw::Ref<helpWnd> help = implicit::helpWnd();
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();
    EXPECT_EQ(control->MenuBar().get(), bar.get());
    EXPECT_EQ(help->MenuBar().get(), bar.get());

    help->Close();
    fw::Ref<helpWnd> reopened = implicit::helpWnd();
    EXPECT_NE(reopened.get(), help.get());
    EXPECT_EQ(reopened->MenuBar().get(), bar.get());
    EXPECT_EQ(implicit::MenuBar1().get(), bar.get());
    ExpectMenusUnchanged(*bar);
    EXPECT_EQ(fw::ClassRegistry::Instance().BuildCount("MenuBar1.MenuBar1"), 1);

    // Each window's menu bar widget shows the entries with their shortcuts.
    const QList<QAction *> quit = ShownActions("FileQuit");
    ASSERT_EQ(quit.size(), 2);
    for (QAction *action : quit)
        EXPECT_EQ(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    const QList<QAction *> selectAll = ShownActions("EditSelectAll");
    ASSERT_EQ(selectAll.size(), 2);
    EXPECT_EQ(selectAll.front()->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_TRUE(alerts.events.empty());
}

TEST_F(MenuBarWindows, WithTheHelpWindowInFrontQuitEndsTheApplicationAndTheOthersDoNothing) {
    fw::Ref<helpWnd> help = implicit::helpWnd();
    help->Show();
    ASSERT_EQ(fw::FrontWindow().get(), help.get());
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();

    for (const char *name : {"AboutItem", "InfoItem"}) {
        EXPECT_FALSE(fw::DeliverMenuCommand(help.get(), *bar->_Lookup(name))) << name;
        EXPECT_FALSE(fw::QuitRequested()) << name;
    }
    EXPECT_EQ(fw::OpenWindows().size(), 1u);

    // Chosen as the user would, from the help window's own menu bar.
    const QList<QAction *> quit = ShownActions("FileQuit");
    ASSERT_EQ(quit.size(), 1);
    quit.front()->trigger();
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::detail::ExitStatus(), 0);
    ExpectMenusUnchanged(*bar);
    EXPECT_TRUE(alerts.events.empty());
}

} // namespace
