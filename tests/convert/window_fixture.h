#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "convert/control_wnd.h"
#include "framework/presenter.h"
#include "tests/support/qt_environment.h"

#include <QString>

class QAction;
class QWidget;

// The Qt widget that shows a control.
QWidget *WidgetOf(const fw::Control &control);
// Runs the event loop for about that long (at least once).

// One conversion window per test, built through its shared-instance accessor
// and shown as start-up leaves it (direction 1, nothing selected), with every
// alert, beep and focus change recorded. Each test ends with every window
// gone and no quit pending.
class ControlWndTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Types into the control's widget as the user does: "\r" is the Return
    // key, "\t" the Tab key, anything else the character's key.
    void Type(const fw::Control &control, const QString &text);
    void Press(const fw::Control &control, int key, int modifiers = 0);
    void Click(const fw::Control &control);
    // Puts the text on the clipboard and presses Ctrl+V in the control.
    void Paste(const fw::Control &control, const QString &text);
    // The window's menu item of that name, as the menu bar shows it.
    QAction *MenuAction(const char *itemName) const;
    // The widget with the keyboard focus in the window.
    QWidget *FocusWidget() const;
    // What a text area's widget shows, line breaks as CR.
    std::string Shown(const fw::Control &control) const;

    std::vector<fw::RecordingPresenter::Event> Events() const { return presenter_.events; }
    std::vector<std::string> Alerts() const { return presenter_.Alerts(); }
    int Beeps() const { return presenter_.Beeps(); }
    void ForgetEvents() { presenter_.events.clear(); }

    fw::Ref<ControlWnd> window;

private:
    fw::RecordingPresenter presenter_;
    std::unique_ptr<fw::ScopedPresenter> installed_;
};

using Kind = fw::RecordingPresenter::Kind;
