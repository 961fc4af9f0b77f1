#include "framework/view/window_view.h"

#include "framework/app_runtime.h"
#include "framework/application.h"
#include "framework/rect_control.h"
#include "framework/view/control_view.h"
#include "framework/view/menu_view.h"
#include "framework/view/qt_support.h"
#include "framework/window_registry.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <vector>

namespace fw::view {

namespace {
std::vector<WindowView *> &AllViews() {
    static std::vector<WindowView *> views;
    return views;
}

int Clamp(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, 0, QWIDGETSIZE_MAX)); }
} // namespace

// The top-level widget: the window's frame with its title and buttons.
class FrameWidget : public QWidget {
public:
    explicit FrameWidget(WindowView *view) : view_(view) {}
    WindowView *view_;

protected:
    void closeEvent(QCloseEvent *event) override {
        // The model decides: it raises Close and then ends this widget itself.
        event->ignore();
        if (!view_) return;
        Ref<Window> window(&view_->Model());
        RuntimeCallHandler([&] { window->Close(); });
    }
    void keyPressEvent(QKeyEvent *event) override {
        if (!view_ || IsModifierKey(*event)) return QWidget::keyPressEvent(event);
        const String key = KeyText(*event);
        Ref<Window> window(&view_->Model());
        RuntimeCallHandler([&] { window->RaiseKeyDown(key); });
    }
    void changeEvent(QEvent *event) override {
        if (event->type() == QEvent::ActivationChange && view_ && isActiveWindow())
            detail::BringToFront(view_->Model());
        QWidget::changeEvent(event);
    }
};

// The content area, below the menu bar: the controls' parent.
class ContentWidget : public QWidget {
public:
    ContentWidget(WindowView *view, QWidget *parent) : QWidget(parent), view_(view) {}
    WindowView *view_;
    QSize sizeHint() const override {
        if (!view_) return QWidget::sizeHint();
        return {Clamp(view_->Model().Width()), Clamp(view_->Model().Height())};
    }

protected:
    void mousePressEvent(QMouseEvent *event) override {
        if (!view_) return;
        Ref<Window> window(&view_->Model());
        const QPoint at = event->position().toPoint();
        RuntimeCallHandler([&] { window->RaiseMouseDown(at.x(), at.y()); });
    }
    void resizeEvent(QResizeEvent *event) override {
        QWidget::resizeEvent(event);
        if (!view_) return;
        Window &window = view_->Model();
        const QSize size = event->size();
        if (size.width() == window.Width() && size.height() == window.Height()) return;
        Ref<Window> hold(&window);
        RuntimeCallHandler([&] { hold->Resize(size.width(), size.height()); });
    }
};

WindowView::WindowView(Window &model) : model_(model) {
    EnsureApplication();
    frame_ = new FrameWidget(this);
    frame_->setAttribute(Qt::WA_DeleteOnClose, false);
    layout_ = new QVBoxLayout(frame_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetMinAndMaxSize);
    content_ = new ContentWidget(this, frame_);
    layout_->addWidget(content_);
    AllViews().push_back(this);
    Apply(Aspect::All);
}

WindowView::~WindowView() {
    auto &views = AllViews();
    views.erase(std::remove(views.begin(), views.end(), this), views.end());
    if (content_) content_->view_ = nullptr;
    if (frame_) {
        frame_->view_ = nullptr;
        frame_->hide();
        if (detail::ShuttingDown())
            delete frame_.data();
        else
            frame_->deleteLater(); // we may be inside one of its events
    }
}

QWidget *WindowView::Frame() const { return frame_; }
QWidget *WindowView::Content() const { return content_; }

void WindowView::Apply(Aspect aspect) {
    if (!frame_) return;
    const bool all = aspect == Aspect::All;
    if (all || aspect == Aspect::Caption) {
        // Qt puts the program's name on a window with an empty title; a blank shows none.
        const QString title = ToQt(model_.Title().view());
        frame_->setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
    }
    if (all || aspect == Aspect::Frame) ApplyFrame();
    if (all || aspect == Aspect::Geometry) ApplyGeometry();
    if (all || aspect == Aspect::Colour) ApplyColours();
    if (all || aspect == Aspect::Menu) RebuildMenuBar();
    if (all || aspect == Aspect::Visibility) {
        if (model_.IsBuilt()) model_.Visible() ? Show() : Hide();
    }
}

void WindowView::ApplyFrame() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (model_.HasCloseButton()) flags |= Qt::WindowCloseButtonHint;
    if (model_.HasMinimizeButton()) flags |= Qt::WindowMinimizeButtonHint;
    if (model_.HasMaximizeButton() && model_.Resizeable()) flags |= Qt::WindowMaximizeButtonHint;
    if (frame_->windowFlags() == flags) return;
    const bool visible = frame_->isVisible();
    frame_->setWindowFlags(flags); // hides a visible window
    if (visible) frame_->show();
}

void WindowView::ApplyGeometry() {
    const QSize size(Clamp(model_.Width()), Clamp(model_.Height()));
    if (model_.Resizeable()) {
        content_->setMinimumSize(Clamp(model_.MinimumWidth()), Clamp(model_.MinimumHeight()));
        content_->setMaximumSize(Clamp(model_.MaximumWidth()), Clamp(model_.MaximumHeight()));
    } else {
        content_->setMinimumSize(size);
        content_->setMaximumSize(size);
    }
    content_->updateGeometry();
    const int bar = menuBar_ && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
    frame_->resize(size.width(), size.height() + bar);
    content_->resize(size);
    ApplyFrame(); // the maximise button goes with Resizeable
}

void WindowView::ApplyColours() {
    if (model_.HasBackgroundColor()) {
        QPalette palette = content_->palette();
        palette.setColor(QPalette::Window, ToQt(model_.BackgroundColor()));
        content_->setPalette(palette);
        content_->setAutoFillBackground(true);
    } else {
        content_->setPalette(QPalette());
        content_->setAutoFillBackground(false);
    }
}

void WindowView::RebuildMenuBar() {
    if (!frame_) return;
    QMenuBar *old = menuBar_;
    for (QAction *action : std::as_const(shortcutActions_)) {
        frame_->removeAction(action);
        action->deleteLater(); // a menu command may have brought us here
    }
    shortcutActions_.clear();
    if (!model_.MenuBar())
        if (Application *app = App(); app && app->MenuBar())
            shortcutActions_ = AddShortcutActions(*frame_, *app->MenuBar(), model_);
    if (model_.MenuBar()) {
        auto *bar = new QMenuBar(frame_);
        BuildMenuBar(*bar, *model_.MenuBar(), model_);
        bar->setVisible(model_.MenuBarVisible());
        layout_->setMenuBar(bar);
        menuBar_ = bar;
    } else {
        layout_->setMenuBar(nullptr);
        menuBar_ = nullptr;
    }
    if (old) {
        old->hide();
        old->deleteLater(); // a menu command may have brought us here
    }
    ApplyGeometry();
}

void WindowView::Show() {
    if (!frame_) return;
    if (tabOrderPending_) ApplyTabOrder();
    if (!shownOnce_) {
        shownOnce_ = true;
        ApplyGeometry(); // the settings' size, whatever the screen's
        if (model_.DefaultLocation() != 0) {
            if (QScreen *screen = QGuiApplication::primaryScreen()) {
                QRect area = frame_->frameGeometry();
                area.moveCenter(screen->availableGeometry().center());
                frame_->move(area.topLeft());
            }
        }
        // The first control of the tab order takes the focus.
        if (!frame_->focusWidget()) {
            for (QWidget *w : FocusOrder()) {
                if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden() && w->isEnabled()) {
                    w->setFocus(Qt::OtherFocusReason);
                    break;
                }
            }
        }
    }
    if (hiddenAt_) {
        // Back where it was: the window system would place it anew.
        frame_->move(*hiddenAt_);
        hiddenAt_.reset();
    }
    if (frame_->isMinimized()) frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
    if (model_.FullScreen())
        frame_->showFullScreen();
    else
        frame_->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) frame_->raise(); // offscreen has no stacking
    frame_->activateWindow();
}

void WindowView::Hide() {
    if (!frame_) return;
    if (frame_->isVisible()) hiddenAt_ = frame_->pos();
    frame_->hide();
}

bool WindowView::IsShown() const { return frame_ && frame_->isVisible(); }

void WindowView::ScheduleTabOrder() {
    if (tabOrderPending_ || !frame_) return;
    tabOrderPending_ = true;
    // The view may end before the call runs, while its frame waits to be
    // deleted: ask the frame for its view then.
    QTimer::singleShot(0, frame_, [frame = frame_.data()] {
        WindowView *view = frame->view_;
        if (view && view->tabOrderPending_) view->ApplyTabOrder();
    });
}

void WindowView::FitCaptions() {
    // While the window builds, every control's first drawing would fit all
    // the captions again: the window fits them once when it is built.
    if (!model_.IsBuilt()) return;
    struct Shown {
        QWidget *widget;
        QFont font;
    };
    std::vector<Shown> shown;
    std::map<QString, int> sizes; // by the key of the designed font
    for (const Ref<fw::Control> &c : model_.Controls()) {
        ControlView *v = c->View();
        if (!v || !v->Widget()) continue;
        const std::optional<FixedCaption> caption = v->Caption();
        if (!caption) continue;
        const int size = FittingPixelSize(caption->font, caption->text, caption->width);
        const auto [at, added] = sizes.emplace(caption->font.key(), size);
        if (!added) at->second = std::min(at->second, size);
        shown.push_back({v->Widget(), caption->font});
    }
    for (Shown &s : shown) {
        s.font.setPixelSize(sizes[s.font.key()]);
        if (s.widget->font() != s.font) s.widget->setFont(s.font);
    }
}

std::vector<QWidget *> WindowView::FocusOrder() const {
    struct Entry {
        int64_t index;
        QWidget *widget;
    };
    std::vector<Entry> entries;
    for (const Ref<fw::Control> &c : model_.Controls()) {
        auto *rect = dynamic_cast<RectControl *>(c.get());
        QWidget *w = c->View() ? c->View()->Widget() : nullptr;
        if (rect && w && w->focusPolicy() != Qt::NoFocus) entries.push_back({rect->TabIndex(), w});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.index < b.index; });
    std::vector<QWidget *> widgets;
    widgets.reserve(entries.size());
    for (const Entry &e : entries)
        widgets.push_back(e.widget);
    return widgets;
}

void WindowView::ApplyTabOrder() {
    tabOrderPending_ = false;
    const std::vector<QWidget *> widgets = FocusOrder();
    for (std::size_t i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

ControlView *WindowView::FocusedControl() const {
    if (!frame_) return nullptr;
    QWidget *focus = frame_->focusWidget();
    if (!focus) return nullptr;
    for (const Ref<fw::Control> &c : model_.Controls()) {
        ControlView *v = c->View();
        if (v && v->Widget() && (v->Widget() == focus || v->Widget()->isAncestorOf(focus))) return v;
    }
    return nullptr;
}

bool WindowView::MenuTakes(const QKeyEvent &event) const {
    if (menuBar_ && ShortcutTaken(menuBar_->findChildren<QAction *>(), event)) return true;
    return ShortcutTaken(shortcutActions_, event);
}

void RebuildAllMenuBars() {
    const std::vector<WindowView *> views = AllViews();
    for (WindowView *v : views)
        v->RebuildMenuBar();
}

} // namespace fw::view
