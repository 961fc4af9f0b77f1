// The window operations that reach into Qt, and the list of open windows.
#include "framework/exceptions.h"
#include "framework/view/window_view.h"
#include "framework/window.h"
#include "framework/window_registry.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace fw {

namespace {

std::vector<Window *> &Open() {
    static std::vector<Window *> list; // front-most first; each holds a reference
    return list;
}

bool shuttingDown = false;

QWidget *FrameOf(const Window &w) { return w.View() ? w.View()->Frame() : nullptr; }

// Makes the parent's frame the transient parent of `frame`, so that the
// window manager keeps it above the parent.
void SetParentWindow(QWidget &frame, const Window &parent) {
    QWidget *parentFrame = FrameOf(parent);
    if (!parentFrame) return;
    frame.winId(); // the native window, without which there is no handle
    if (QWindow *handle = frame.windowHandle()) handle->setTransientParent(parentFrame->windowHandle());
}

void RunModal(Window &window, Qt::WindowModality modality, Window *parent) {
    QWidget *frame = FrameOf(window);
    if (!frame) RaiseNew<RuntimeException>("ShowModal: the window is not open");
    Ref<Window> hold(&window);
    frame->setWindowModality(modality);
    if (parent) SetParentWindow(*frame, *parent);
    window.Show();
    QEventLoop loop;
    QPointer<QWidget> guard(frame);
    // Ends when the window closes or hides.
    while (guard && !window.IsClosed() && window.IsShown())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    if (guard) guard->setWindowModality(Qt::NonModal);
}

} // namespace

namespace detail {

void RegisterOpenWindow(Window &window) {
    auto &open = Open();
    if (std::find(open.begin(), open.end(), &window) != open.end()) return;
    window.Retain();
    open.insert(open.begin(), &window);
}

void UnregisterOpenWindow(Window &window) {
    auto &open = Open();
    auto it = std::find(open.begin(), open.end(), &window);
    if (it == open.end()) return;
    open.erase(it);
    window.Release();
}

void BringToFront(Window &window) {
    auto &open = Open();
    auto it = std::find(open.begin(), open.end(), &window);
    if (it == open.end() || it == open.begin()) return;
    open.erase(it);
    open.insert(open.begin(), &window);
}

void DiscardAllWindows() {
    while (!Open().empty()) {
        Ref<Window> w(Open().front());
        w->Discard();
    }
}

bool ShuttingDown() { return shuttingDown; }
void SetShuttingDown(bool value) { shuttingDown = value; }

} // namespace detail

Ref<Window> _GetImplicitWindow(std::string_view className) {
    for (Window *w : Open())
        if (!w->IsClosed() && w->Class() && w->Class()->name == className) return Ref<Window>(w);
    return nullptr;
}

std::vector<Ref<Window>> OpenWindows() {
    std::vector<Ref<Window>> out;
    for (Window *w : Open())
        out.emplace_back(w);
    return out;
}

Ref<Window> FrontWindow() {
    for (Window *w : Open())
        if (w->IsShown()) return Ref<Window>(w);
    return nullptr;
}

namespace {
// The next (or previous) control of the tab order that takes the focus.
void MoveFocus(const Window &window, bool forward) {
    QWidget *frame = FrameOf(window);
    if (!frame) return;
    QWidget *from = frame->focusWidget() ? frame->focusWidget() : frame;
    for (QWidget *w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(frame) && w->isEnabled()) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace

void Window::FocusNext() { MoveFocus(*this, true); }

void Window::FocusPrevious() { MoveFocus(*this, false); }

void Window::Invalidate(bool) {
    if (QWidget *f = FrameOf(*this)) f->update();
}

void Window::Invalidate(int64_t x, int64_t y, int64_t width, int64_t height, bool) {
    if (View() && View()->Content())
        View()->Content()->update(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                                  static_cast<int>(height));
}

void Window::Refresh(bool) {
    if (QWidget *f = FrameOf(*this)) f->repaint();
}

void Window::RefreshRect(int64_t x, int64_t y, int64_t width, int64_t height, bool) {
    if (View() && View()->Content())
        View()->Content()->repaint(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                                   static_cast<int>(height));
}

void Window::UpdateNow() { Refresh(true); }

void Window::Maximize() {
    if (QWidget *f = FrameOf(*this)) f->showMaximized();
}

void Window::Minimize() {
    if (QWidget *f = FrameOf(*this)) f->showMinimized();
}

void Window::Restore() {
    if (QWidget *f = FrameOf(*this)) f->showNormal();
}

void Window::SetFocus() {
    if (QWidget *f = FrameOf(*this)) {
        if (QWidget *focus = f->focusWidget()) focus->clearFocus();
        f->setFocus(Qt::OtherFocusReason);
    }
}

void Window::_Move(int64_t left, int64_t top) {
    if (QWidget *f = FrameOf(*this)) f->move(static_cast<int>(left), static_cast<int>(top));
}

void Window::ShowModal() { RunModal(*this, Qt::ApplicationModal, nullptr); }

void Window::ShowModalWithin(Window *parent) {
    if (!parent || parent->IsClosed() || !parent->IsBuilt())
        RaiseNew<PlatformException>("Window.ShowModalWithin needs an open parent window");
    RunModal(*this, Qt::WindowModal, parent);
}

void Window::ShowWithin(Window *parent) {
    if (!parent || parent->IsClosed() || !parent->IsBuilt())
        RaiseNew<PlatformException>("Window.ShowWithin needs an open parent window");
    if (QWidget *f = FrameOf(*this)) SetParentWindow(*f, *parent);
    Show();
}

} // namespace fw
