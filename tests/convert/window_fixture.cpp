#include "tests/convert/window_fixture.h"

#include "convert/module1.h"
#include "framework/runtime_state.h"
#include "framework/view/control_view.h"
#include "framework/view/window_view.h"
#include "framework/window_registry.h"
#include "matrix/binding.h"
#include "tests/support/qt_environment.h"
#include "ui/implicit_windows.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// One binding of the matrix library for the whole test program, as
// start-up makes it.
[[maybe_unused]] testing::Environment *const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment([] { _InitPluginEntrypoints(); }));

} // namespace

QWidget *WidgetOf(const fw::Control &control) { return control.View() ? control.View()->Widget() : nullptr; }

void ControlWndTest::SetUp() {
    installed_ = std::make_unique<fw::ScopedPresenter>(presenter_);
    Module1::which = 1; // as start-up leaves it
    window = implicit::ControlWnd();
    ASSERT_TRUE(window);
    QWidget *frame = window->View()->Frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    ProcessEvents();
    ForgetEvents();
}

void ControlWndTest::TearDown() {
    window = nullptr;
    DiscardAllWindowsNow();
    fw::detail::ResetRuntimeForTests();
    installed_.reset();
}

void ControlWndTest::Type(const fw::Control &control, const QString &text) {
    QWidget *widget = WidgetOf(control);
    ASSERT_NE(widget, nullptr);
    widget->setFocus(Qt::OtherFocusReason);
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else if (c == u'\t')
            QTest::keyClick(widget, Qt::Key_Tab);
        else
            QTest::keyClicks(widget, QString(c));
    }
    ProcessEvents();
}

void ControlWndTest::Press(const fw::Control &control, int key, int modifiers) {
    QWidget *widget = WidgetOf(control);
    ASSERT_NE(widget, nullptr);
    QTest::keyClick(widget, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    ProcessEvents();
}

void ControlWndTest::Click(const fw::Control &control) {
    QWidget *widget = WidgetOf(control);
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
    ProcessEvents();
}

void ControlWndTest::Paste(const fw::Control &control, const QString &text) {
    QWidget *widget = WidgetOf(control);
    ASSERT_NE(widget, nullptr);
    QGuiApplication::clipboard()->setText(text);
    widget->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    ProcessEvents();
}

QAction *ControlWndTest::MenuAction(const char *itemName) const {
    QMenuBar *bar = window->View()->MenuBarWidget();
    return bar ? bar->findChild<QAction *>(QString::fromUtf8(itemName)) : nullptr;
}

QWidget *ControlWndTest::FocusWidget() const { return window->View()->Frame()->focusWidget(); }

std::string ControlWndTest::Shown(const fw::Control &control) const {
    auto *edit = qobject_cast<QPlainTextEdit *>(WidgetOf(control));
    if (!edit) return "<not a text area>";
    return edit->toPlainText().replace(u'\n', u'\r').toStdString();
}
