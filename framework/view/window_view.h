#pragma once

#include "framework/window.h"

#include <QList>
#include <QMenuBar>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

class QAction;
class QKeyEvent;
class QVBoxLayout;

namespace fw::view {

class ControlView;
class FrameWidget;
class ContentWidget;

// The Qt side of one window: a top-level widget holding the menu bar (when
// the window sets one) above the content area in which the controls sit.
class WindowView {
public:
    explicit WindowView(Window &model);
    ~WindowView();
    WindowView(const WindowView &) = delete;
    WindowView &operator=(const WindowView &) = delete;

    Window &Model() const { return model_; }
    QWidget *Frame() const;
    QWidget *Content() const;
    QMenuBar *MenuBarWidget() const { return menuBar_; }

    void Apply(Aspect aspect);
    void Show();
    void Hide();
    bool IsShown() const;

    // The tab order follows TabIndex; worked out once the event loop runs.
    void ScheduleTabOrder();
    void ApplyTabOrder();
    void RebuildMenuBar();

    // Draws the captions of one font at one size, the largest at which each
    // of them fits its control. The window's fixed widths were laid out for a
    // narrower "System" font than this platform's; a caption shrunk on its
    // own would stand beside its neighbours in another size.
    void FitCaptions();

    // The view of the control that has the keyboard focus, else null.
    ControlView *FocusedControl() const;
    // Whether a menu entry of the window takes this key: menu keys go to the
    // menu before any control sees them.
    bool MenuTakes(const QKeyEvent &event) const;

private:
    // The widgets of the controls that take the focus, by rising TabIndex
    // (ties in creation order).
    std::vector<QWidget *> FocusOrder() const;
    void ApplyGeometry();
    void ApplyFrame();
    void ApplyColours();
    Window &model_;
    QPointer<FrameWidget> frame_;
    QPointer<ContentWidget> content_;
    QPointer<QMenuBar> menuBar_;
    // A window that shows no menu bar of its own still takes the keys of the
    // application's menu bar, through these actions drawn nowhere.
    QList<QAction *> shortcutActions_;
    QVBoxLayout *layout_ = nullptr;
    std::optional<QPoint> hiddenAt_; // where the window was when it was hidden
    bool tabOrderPending_ = false;
    bool shownOnce_ = false;
};

// Every window view, for menu bars drawn anew.
void RebuildAllMenuBars();

} // namespace fw::view
