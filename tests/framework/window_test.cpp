// Building windows from their class records, the implicit instance, control
// events by number, mouse and key presses on the window, locks and closing.
#include "framework/app_runtime.h"
#include "framework/canvas.h"
#include "framework/exceptions.h"
#include "framework/label.h"
#include "framework/push_button.h"
#include "framework/radio_button.h"
#include "framework/runtime_state.h"
#include "framework/text_area.h"
#include "framework/text_edit.h"
#include "framework/view/window_view.h"
#include "framework/window.h"
#include "tests/framework/framework_fixture.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>

namespace {

using fw::PropertyListBuilder;

std::string Rect(int64_t left, int64_t top, int64_t width, int64_t height) {
    return PropertyListBuilder().Int("Left", left).Int("Top", top).Int("Width", width).Int("Height", height).Bytes();
}

class WindowTest : public FrameworkTest {};

TEST_F(WindowTest, BuildsInOrderOpensAfterBindingsShowsAndIsFoundByClassName) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        fw::PushButton *button = MakeControl<fw::PushButton>(w, "Btn", Rect(10, 10, 80, 24));
        fw::RuntimeAddEventHandler(button, fw::EventNumber::Open,
                                   fw::RuntimeCreateDelegate(w, &TestWnd::Control_Open, "( Control )"));
        fw::TextArea *area = MakeControl<fw::TextArea>(w, "Area", Rect(10, 40, 200, 100));
        fw::RuntimeAddEventHandler(area, fw::EventNumber::Open,
                                   fw::RuntimeCreateDelegate(w, &TestWnd::Control_Open, "( Control )"));
    };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    EXPECT_EQ(TestWnd::log,
              (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open Btn", "Open Area"}));
    EXPECT_TRUE(window->IsShown());
    EXPECT_TRUE(FrameOf(*window)->isVisible());
    EXPECT_EQ(FrameOf(*window)->windowTitle(), "Test");
    EXPECT_EQ(fw::_GetImplicitWindow("TestWnd.TestWnd"), fw::Ref<fw::Window>(window));

    // Asked again while open: the same window, nothing built anew.
    EXPECT_EQ(fw::ImplicitWindow<TestWnd>().get(), window.get());
    EXPECT_EQ(TestWnd::log.size(), 5u);

    fw::Ref<fw::Control> button = window->_ControlByName("Btn");
    window->Close();
    EXPECT_EQ(TestWnd::log.back(), "Close");
    EXPECT_TRUE(window->IsClosed());
    EXPECT_FALSE(fw::_GetImplicitWindow("TestWnd.TestWnd"));
    EXPECT_TRUE(button->Ended());
    EXPECT_EQ(WidgetOf(*button), nullptr);

    fw::Ref<TestWnd> again = fw::ImplicitWindow<TestWnd>();
    EXPECT_NE(again.get(), window.get());
    EXPECT_EQ(again->Controls().size(), 2u);
}

TEST_F(WindowTest, EventsTheClassDoesNotListAreNotRaised) {
    PlainWnd::closeCalls = 0;
    TestWnd::ClassRecordOf();
    fw::Ref<PlainWnd> window = fw::ImplicitWindow<PlainWnd>();
    EXPECT_TRUE(window->IsShown());
    window->Close();
    EXPECT_EQ(PlainWnd::closeCalls, 0);
    EXPECT_TRUE(fw::_RuntimeIsEventHandled(*window, "TestWnd.TestWnd", "Close", true));
    EXPECT_FALSE(fw::_RuntimeIsEventHandled(*window, "PlainWnd.PlainWnd", "Close", true));
}

TEST_F(WindowTest, HiddenUntilShownWhenItsListSaysSo) {
    TestWnd::hooks.windowList = WindowList(300, 200, /*visible=*/false);
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    EXPECT_FALSE(window->IsShown());
    window->Show();
    EXPECT_TRUE(window->IsShown());
    window->Hide();
    EXPECT_FALSE(window->IsShown());
    EXPECT_TRUE(fw::_GetImplicitWindow("TestWnd.TestWnd")); // hidden is still open
}

TEST_F(WindowTest, FailedBuildDiscardsTheWindowAndPassesTheExceptionOn) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        MakeControl<fw::PushButton>(w, "Btn", PropertyListBuilder().Bool("NoSuchKey", true).Bytes());
    };
    EXPECT_THROW(fw::ImplicitWindow<TestWnd>(), fw::Raised);
    EXPECT_FALSE(fw::_GetImplicitWindow("TestWnd.TestWnd"));
    EXPECT_FALSE(fw::FrontWindow());
}

TEST_F(WindowTest, ButtonsRaiseActionByNumberAndADeadReceiverRaisesNilObject) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        fw::PushButton *b = MakeControl<fw::PushButton>(w, "Btn", Rect(10, 10, 80, 24));
        fw::RuntimeAddEventHandler(b, fw::EventNumber::Action,
                                   fw::RuntimeCreateDelegate(w, &TestWnd::Button_Action, "( PushButton )"));
    };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    QTest::mouseClick(WidgetOf(*window->_ControlByName("Btn")), Qt::LeftButton);
    EXPECT_EQ(TestWnd::log.back(), "Action Btn");

    fw::Ref<fw::PushButton> loose = fw::NewObject<fw::PushButton>();
    {
        fw::Ref<TestWnd> gone = fw::NewObject<TestWnd>();
        loose->AddEventHandler(fw::EventNumber::Action,
                               fw::RuntimeCreateDelegate(*gone, &TestWnd::Button_Action, "( PushButton )"));
    }
    try {
        loose->Push();
        ADD_FAILURE() << "nothing raised";
    } catch (const fw::Raised &r) {
        EXPECT_TRUE(r.Exception()->IsA(fw::NilObjectException::ClassRecordOf()));
    }
    EXPECT_THROW(fw::RuntimeAddEventHandler(nullptr, 15, nullptr), fw::Raised);
}

TEST_F(WindowTest, RadioButtonsGroupRaiseActionOnlyForTheUserAndCanAllBeCleared) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        for (const char *name : {"R1", "R2"}) {
            fw::RadioButton *r =
                MakeControl<fw::RadioButton>(w, name,
                                             Rect(name[1] == '1' ? 10 : 120, 10, 100, 20) +
                                                 PropertyListBuilder()
                                                     .Str("Caption", name[1] == '1' ? "Corr to Cov" : "Cov to Corr")
                                                     .Bool("Value", false)
                                                     .Bytes());
            fw::RuntimeAddEventHandler(r, fw::EventNumber::Action,
                                       fw::RuntimeCreateDelegate(w, &TestWnd::Radio_Action, "( RadioButton )"));
        }
    };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    auto *r1 = fw::CheckCast<fw::RadioButton>(window->_ControlByName("R1").get());
    auto *r2 = fw::CheckCast<fw::RadioButton>(window->_ControlByName("R2").get());
    auto *b1 = static_cast<QAbstractButton *>(WidgetOf(*r1));
    auto *b2 = static_cast<QAbstractButton *>(WidgetOf(*r2));
    EXPECT_FALSE(b1->isChecked() || b2->isChecked());

    QTest::mouseClick(b1, Qt::LeftButton);
    QTest::mouseClick(b2, Qt::LeftButton);
    EXPECT_EQ(TestWnd::log,
              (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Action R1", "Action R2"}));
    EXPECT_FALSE(r1->Value());
    EXPECT_TRUE(r2->Value());
    EXPECT_FALSE(b1->isChecked());
    EXPECT_TRUE(b2->isChecked());

    QTest::mouseClick(b2, Qt::LeftButton); // a selected button stays selected
    EXPECT_TRUE(b2->isChecked());

    const std::size_t before = TestWnd::log.size();
    r1->SetValue(true);
    EXPECT_TRUE(b1->isChecked());
    EXPECT_FALSE(b2->isChecked());
    r1->SetValue(false);
    r2->SetValue(false);
    EXPECT_FALSE(b1->isChecked() || b2->isChecked());
    EXPECT_FALSE(r1->Value() || r2->Value());
    EXPECT_EQ(TestWnd::log.size(), before); // no Action from code
}

TEST_F(WindowTest, PressesOnCanvasesAndLabelsReachMouseDownButtonsKeepTheirs) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        MakeControl<fw::Canvas>(w, "Canvas1", Rect(20, 30, 50, 50));
        MakeControl<fw::Label>(w, "Label1", Rect(100, 30, 80, 20) + PropertyListBuilder().Str("Value", "hi").Bytes());
        MakeControl<fw::PushButton>(w, "Btn", Rect(100, 100, 80, 24));
    };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    QTest::mouseClick(WidgetOf(*window->_ControlByName("Canvas1")), Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseClick(WidgetOf(*window->_ControlByName("Label1")), Qt::LeftButton, {}, QPoint(2, 3));
    QTest::mouseClick(WidgetOf(*window->_ControlByName("Btn")), Qt::LeftButton);
    EXPECT_EQ(TestWnd::log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "MouseDown 25,36",
                                                      "MouseDown 102,33"}));
}

// Captions of one font are drawn at one size, the largest at which each of
// them shows whole; a caption in another font keeps its own size.
TEST_F(WindowTest, SingleLineCaptionsOfOneFontShrinkTogetherToShowWhole) {
    TestWnd::hooks.windowList = WindowList(400, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        auto font = PropertyListBuilder().Str("FontName", "System").Sgl("FontSize", 12).Bool("Bold", true).Bytes();
        auto plain = PropertyListBuilder().Str("FontName", "System").Sgl("FontSize", 12).Bytes();
        MakeControl<fw::Label>(w, "Long",
                               Rect(10, 10, 150, 20) + font +
                                   PropertyListBuilder().Str("Value", "Dimension of matrix (2-100):").Bytes());
        MakeControl<fw::Label>(w, "Short",
                               Rect(10, 40, 150, 20) + font + PropertyListBuilder().Str("Value", "n").Bytes());
        MakeControl<fw::RadioButton>(
            w, "Radio", Rect(10, 70, 85, 20) + font + PropertyListBuilder().Str("Caption", "Cov to Corr").Bytes());
        MakeControl<fw::Label>(w, "OtherFont",
                               Rect(10, 100, 150, 20) + plain + PropertyListBuilder().Str("Value", "n").Bytes());
    };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    auto *longLabel = static_cast<QLabel *>(WidgetOf(*window->_ControlByName("Long")));
    auto *radio = static_cast<QAbstractButton *>(WidgetOf(*window->_ControlByName("Radio")));
    EXPECT_LE(QFontMetrics(longLabel->font()).horizontalAdvance(longLabel->text()), 150);
    EXPECT_LT(longLabel->font().pixelSize(), 12);
    EXPECT_GE(longLabel->font().pixelSize(), 9);
    EXPECT_LE(QFontMetrics(radio->font()).horizontalAdvance(radio->text()), 85);
    EXPECT_EQ(radio->font(), longLabel->font());
    EXPECT_EQ(WidgetOf(*window->_ControlByName("Short"))->font(), longLabel->font());
    EXPECT_EQ(WidgetOf(*window->_ControlByName("OtherFont"))->font().pixelSize(), 12);

    // A caption changed in code is fitted again with the others.
    fw::CheckCast<fw::Label>(window->_ControlByName("Long").get())->SetText("Dimension");
    EXPECT_EQ(longLabel->font().pixelSize(), radio->font().pixelSize());
}

TEST_F(WindowTest, KeysNoControlTakesReachTheWindowsKeyDown) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) { MakeControl<fw::Canvas>(w, "Canvas1", Rect(20, 30, 50, 50)); };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    QTest::keyClick(FrameOf(*window), Qt::Key_X);
    QTest::keyClick(FrameOf(*window), Qt::Key_Escape);
    EXPECT_EQ(TestWnd::log.back(), "WindowKeyDown \x1b");
    EXPECT_EQ(TestWnd::log[TestWnd::log.size() - 2], "WindowKeyDown x");
}

TEST_F(WindowTest, ControlsFollowTheirLocksWhenTheWindowIsResized) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        auto locks = [](bool l, bool t, bool r, bool b) {
            return PropertyListBuilder()
                .Bool("LockLeft", l)
                .Bool("LockTop", t)
                .Bool("LockRight", r)
                .Bool("LockBottom", b)
                .Bytes();
        };
        MakeControl<fw::TextArea>(w, "Fill", Rect(-1, -1, 301, 198) + locks(true, true, true, true));
        MakeControl<fw::PushButton>(w, "Corner", Rect(200, 150, 80, 24) + locks(false, false, true, true));
        MakeControl<fw::PushButton>(w, "Stay", Rect(10, 10, 80, 24) + locks(true, true, false, false));
    };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    window->SetWidth(400);
    window->SetHeight(260);
    auto rect = [&](const char *name) {
        auto *c = fw::CheckCast<fw::RectControl>(window->_ControlByName(name).get());
        return std::vector<int64_t>{c->Left(), c->Top(), c->Width(), c->Height()};
    };
    EXPECT_EQ(rect("Fill"), (std::vector<int64_t>{-1, -1, 401, 258}));
    EXPECT_EQ(rect("Corner"), (std::vector<int64_t>{300, 210, 80, 24}));
    EXPECT_EQ(rect("Stay"), (std::vector<int64_t>{10, 10, 80, 24}));
    EXPECT_EQ(WidgetOf(*window->_ControlByName("Fill"))->width(), 401);

    // The user drags the window bigger: the content area reports its size.
    FrameOf(*window)->resize(FrameOf(*window)->width() + 50, FrameOf(*window)->height());
    ProcessEvents();
    EXPECT_EQ(window->Width(), 450);
    EXPECT_EQ(rect("Fill")[2], 451);
}

TEST_F(WindowTest, AFixedSizeWindowCannotBeResized) {
    TestWnd::hooks.windowList = WindowList(320, 240, true, /*resizeable=*/false);
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    EXPECT_EQ(window->View()->Content()->minimumSize(), QSize(320, 240));
    EXPECT_EQ(window->View()->Content()->maximumSize(), QSize(320, 240));
    EXPECT_EQ(FrameOf(*window)->minimumSize(), FrameOf(*window)->maximumSize());
}

TEST_F(WindowTest, AHandlersExceptionGivesOneAlertAndTheProgramGoesOn) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        fw::PushButton *b = MakeControl<fw::PushButton>(w, "Btn", Rect(10, 10, 80, 24));
        fw::RuntimeAddEventHandler(b, fw::EventNumber::Action,
                                   fw::RuntimeCreateDelegate(w, &TestWnd::Button_Action, "( PushButton )"));
        MakeControl<fw::TextField>(w, "Field",
                                   Rect(10, 50, 80, 24) + PropertyListBuilder().Str("Value", "kept").Bytes());
    };
    TestWnd::hooks.onAction = [] { fw::RaiseNew<fw::OutOfBoundsException>("index 7 is past the end"); };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    QWidget *button = WidgetOf(*window->_ControlByName("Btn"));
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(presenter.Alerts().size(), 1u);
    EXPECT_NE(presenter.Alerts()[0].find("OutOfBoundsException"), std::string::npos);
    EXPECT_NE(presenter.Alerts()[0].find("index 7 is past the end"), std::string::npos);
    EXPECT_EQ(fw::CheckCast<fw::TextField>(window->_ControlByName("Field").get())->Text(), "kept");

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(presenter.Alerts().size(), 2u);
    EXPECT_TRUE(window->IsShown());
    EXPECT_FALSE(fw::QuitRequested());
}

TEST_F(WindowTest, ClosingTheLastVisibleWindowQuitsWithZero) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    fw::Ref<TestWnd> first = fw::ImplicitWindow<TestWnd>();
    fw::Ref<PlainWnd> second = fw::ImplicitWindow<PlainWnd>();
    first->Hide();
    QTest::keyClick(FrameOf(*second), Qt::Key_A); // nothing listens
    FrameOf(*second)->close();                    // as the close button does
    EXPECT_TRUE(second->IsClosed());
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::detail::ExitStatus(), 0);

    fw::detail::ResetRuntimeForTests();
    fw::Ref<PlainWnd> third = fw::ImplicitWindow<PlainWnd>();
    first->Show();
    third->Close();
    EXPECT_FALSE(fw::QuitRequested()); // the first window is still in view
}

TEST_F(WindowTest, AWindowClosedFromInsideItsOwnHandlersClosesOnce) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        fw::PushButton *b = MakeControl<fw::PushButton>(w, "Btn", Rect(10, 10, 80, 24));
        fw::RuntimeAddEventHandler(b, fw::EventNumber::Action,
                                   fw::RuntimeCreateDelegate(w, &TestWnd::Button_Action, "( PushButton )"));
        fw::TextField *f = MakeControl<fw::TextField>(w, "Field", Rect(10, 50, 80, 24));
        fw::RuntimeAddEventHandler(
            f, fw::EventNumber::KeyDown,
            fw::RuntimeCreateDelegate(w, &TestWnd::Field_KeyDown, "( TextField, String ) as Boolean"));
    };
    // Each row closes the window from inside one of its handlers; the Close
    // handler itself asks to close again.
    const std::vector<std::pair<const char *, std::function<void(TestWnd &)>>> rows = {
        {"the close button", [](TestWnd &w) { FrameOf(w)->close(); }},
        {"a button's Action", [](TestWnd &w) { QTest::mouseClick(WidgetOf(*w._ControlByName("Btn")), Qt::LeftButton); }},
        {"a field's KeyDown", [](TestWnd &w) { QTest::keyClick(WidgetOf(*w._ControlByName("Field")), Qt::Key_A); }},
    };
    for (const auto &[how, trigger] : rows) {
        fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
        TestWnd::log.clear();
        TestWnd::hooks.onClose = [](TestWnd &w) { w.Close(); };
        TestWnd::hooks.onAction = [w = window.get()] { w->Close(); };
        TestWnd::hooks.keyDown = [w = window.get()](const std::string &) {
            w->Close();
            return false;
        };
        trigger(*window);
        ProcessEvents(); // the deferred deletes run
        EXPECT_TRUE(window->IsClosed()) << how;
        EXPECT_EQ(std::count(TestWnd::log.begin(), TestWnd::log.end(), "Close"), 1) << how;
        EXPECT_TRUE(presenter.Alerts().empty()) << how;
        TestWnd::hooks.onClose = nullptr;
        fw::detail::ResetRuntimeForTests();
    }
}

TEST_F(WindowTest, FocusFollowsTabIndexAndSetFocusTellsThePresenter) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) {
        const int64_t order[] = {2, 0, 1};
        const char *names[] = {"F2", "F0", "F1"};
        for (int i = 0; i < 3; ++i)
            MakeControl<fw::TextField>(
                w, names[i], Rect(10, 10 + 30 * i, 80, 24) + PropertyListBuilder().Int("TabIndex", order[i]).Bytes());
    };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    QWidget *f0 = WidgetOf(*window->_ControlByName("F0"));
    QWidget *f1 = WidgetOf(*window->_ControlByName("F1"));
    QWidget *f2 = WidgetOf(*window->_ControlByName("F2"));
    EXPECT_EQ(FrameOf(*window)->focusWidget(), f0);
    QTest::keyClick(f0, Qt::Key_Tab);
    EXPECT_EQ(FrameOf(*window)->focusWidget(), f1);
    window->FocusNext();
    EXPECT_EQ(FrameOf(*window)->focusWidget(), f2);
    window->FocusPrevious();
    EXPECT_EQ(FrameOf(*window)->focusWidget(), f1);

    fw::CheckCast<fw::TextField>(window->_ControlByName("F2").get())->SetFocus();
    EXPECT_EQ(FrameOf(*window)->focusWidget(), f2);
    EXPECT_EQ(presenter.events.back(), (fw::RecordingPresenter::Event{fw::RecordingPresenter::Kind::Focus, "F2"}));
}

TEST_F(WindowTest, WindowsAndControlsRefuseOtherThreads) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    TestWnd::hooks.createControls = [](TestWnd &w) { MakeControl<fw::TextField>(w, "Field"); };
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    auto *field = fw::CheckCast<fw::TextField>(window->_ControlByName("Field").get());
    std::vector<std::string> raised;
    std::thread worker([&] {
        for (const std::function<void()> &call : std::vector<std::function<void()>>{
                 [&] { window->Hide(); }, [&] { field->SetText("x"); }, [&] { window->Close(); }}) {
            try {
                call();
            } catch (const fw::Raised &r) {
                raised.push_back(r.Describe());
            }
        }
    });
    worker.join();
    ASSERT_EQ(raised.size(), 3u);
    EXPECT_NE(raised[0].find("Window.Hide was called outside the main thread"), std::string::npos);
    EXPECT_TRUE(window->IsShown());
    EXPECT_FALSE(window->IsClosed());
    EXPECT_EQ(field->Text(), ""); // refused before anything changed
}

TEST_F(WindowTest, AWindowShownWithinAnotherHasItsFrameAsTransientParent) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    fw::Ref<TestWnd> parent = fw::ImplicitWindow<TestWnd>();
    const std::vector<std::pair<const char *, std::function<void(PlainWnd &)>>> rows = {
        {"ShowWithin", [&](PlainWnd &child) { child.ShowWithin(parent.get()); }},
        {"ShowModalWithin",
         [&](PlainWnd &child) {
             QTimer::singleShot(0, FrameOf(child), [&child] { child.Hide(); }); // ends the modal loop
             child.ShowModalWithin(parent.get());
         }},
    };
    for (const auto &[name, show] : rows) {
        fw::Ref<PlainWnd> child = fw::ImplicitWindow<PlainWnd>();
        show(*child);
        QWindow *handle = FrameOf(*child)->windowHandle();
        ASSERT_NE(handle, nullptr) << name;
        EXPECT_EQ(handle->transientParent(), FrameOf(*parent)->windowHandle()) << name;
        EXPECT_NE(handle->transientParent(), nullptr) << name;
        child->Close();
    }
}

TEST_F(WindowTest, OperationsWithoutMeaningHereRaisePlatformException) {
    TestWnd::hooks.windowList = WindowList(300, 200);
    fw::Ref<TestWnd> window = fw::ImplicitWindow<TestWnd>();
    const std::vector<std::pair<const char *, std::function<void()>>> rows = {
        {"AcceptFileDrop", [&] { window->AcceptFileDrop("text"); }},
        {"AcceptMacDataDrop", [&] { window->AcceptMacDataDrop("x"); }},
        {"AcceptPictureDrop", [&] { window->AcceptPictureDrop(); }},
        {"AcceptRawDataDrop", [&] { window->AcceptRawDataDrop("x"); }},
        {"AcceptTextDrop", [&] { window->AcceptTextDrop(); }},
        {"DrawInto", [&] { window->DrawInto(nullptr, 0, 0); }},
        {"ShowModalWithin", [&] { window->ShowModalWithin(nullptr); }},
        {"ShowWithin", [&] { window->ShowWithin(nullptr); }},
        {"_DependencyList", [&] { window->_DependencyList(); }},
    };
    for (const auto &[name, call] : rows) {
        try {
            call();
            ADD_FAILURE() << name << " raised nothing";
        } catch (const fw::Raised &r) {
            EXPECT_TRUE(r.Exception()->IsA(fw::PlatformException::ClassRecordOf())) << name;
            EXPECT_NE(r.Describe().find(name), std::string::npos) << r.Describe();
        }
    }
    EXPECT_EQ(window->BitmapForCaching(20, 10)->Width(), 20);
    EXPECT_EQ(window->TrueWindow(), window.get());
    EXPECT_THROW(window->Control(5), fw::Raised);
    EXPECT_THROW(window->__New(fw::Window::ClassRecordOf()), fw::Raised); // not a control class
}

} // namespace
