#include "framework/view/control_view.h"

#include "framework/app_runtime.h"
#include "framework/rect_control.h"
#include "framework/text_area.h"
#include "framework/text_edit.h"
#include "framework/view/qt_support.h"
#include "framework/view/window_view.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>

namespace fw::view {

String KeyText(const QKeyEvent &event) {
    auto code = [](char c) { return String(std::string_view(&c, 1)); };
    switch (event.key()) {
    case Qt::Key_Backspace:
        return code(8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return code(9);
    case Qt::Key_Return:
        return code(13);
    case Qt::Key_Enter:
        return code(3);
    case Qt::Key_Escape:
        return code(27);
    case Qt::Key_Left:
        return code(28);
    case Qt::Key_Right:
        return code(29);
    case Qt::Key_Up:
        return code(30);
    case Qt::Key_Down:
        return code(31);
    case Qt::Key_Delete:
        return code(127);
    default:
        break;
    }
    // Worked out from the key: not every platform types the control character.
    if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return code(static_cast<char>(event.key() - Qt::Key_A + 1));
    const QString text = event.text();
    // A control character that no key above stands for is no text to hand on.
    if (text.isEmpty() || (text.size() == 1 && (text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7f)))
        return {};
    return FromQt(text);
}

bool IsModifierKey(const QKeyEvent &event) {
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

EventHook::EventHook(QObject *watched, Function function) : QObject(watched), function_(std::move(function)) {
    watched->installEventFilter(this);
}

bool EventHook::eventFilter(QObject *, QEvent *event) { return !stopped_ && function_ && function_(*event); }

ControlView::ControlView(Control &model, WindowView &window) : model_(model), window_(window) {}

ControlView::~ControlView() {
    if (hook_) hook_->Stop();
    if (widget_) {
        widget_->disconnect();
        widget_->hide();
        // Not at once: we may be inside one of the widget's own signals.
        widget_->deleteLater();
    }
}

void ControlView::SetWidget(QWidget *widget) {
    widget_ = widget;
    naturalFocus_ = widget->focusPolicy();
    hook_ = new EventHook(widget, [this](QEvent &event) {
        switch (event.type()) {
        case QEvent::KeyPress:
            return OnKey(static_cast<QKeyEvent &>(event));
        case QEvent::ShortcutOverride:
            EnsureSynced();
            // A key that a menu entry takes goes to the menu, also where the
            // widget would use it for editing: Ctrl+C in a field is Edit > Copy.
            if (window_.MenuTakes(static_cast<QKeyEvent &>(event))) {
                event.ignore();
                return true;
            }
            return false;
        case QEvent::FocusIn:
            EnsureSynced();
            ShowSelection(true);
            return false;
        case QEvent::FocusOut:
            return OnFocusOut(static_cast<QFocusEvent &>(event));
        case QEvent::MouseButtonPress:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::Drop:
            EnsureSynced();
            return false;
        default:
            return false;
        }
    });
}

bool ControlView::OnKey(QKeyEvent &event) {
    EnsureSynced();
    auto *rect = dynamic_cast<RectControl *>(&model_);
    if (!rect || IsModifierKey(event)) return false;
    const String key = KeyText(event);
    // The handler may close the window, and with it this view.
    Ref<fw::Window> window(&window_.Model());
    bool swallow = false;
    bool finished = false;
    RuntimeCallHandler([&] {
        swallow = rect->RaiseKeyDown(key);
        finished = true;
    });
    // A handler that failed half way decided nothing: the field stays as it was.
    if (swallow || !finished) return true;
    // Ctrl+Tab and Ctrl+Shift+Tab move the focus on from any control, also
    // from a text area in which Tab types a tab.
    const bool tab = event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
    if (tab && (event.modifiers() & Qt::ControlModifier)) {
        if (window->IsClosed()) return true;
        const bool back = event.key() == Qt::Key_Backtab || (event.modifiers() & Qt::ShiftModifier);
        back ? window->FocusPrevious() : window->FocusNext();
        return true;
    }
    return false;
}

bool ControlView::OnFocusOut(QFocusEvent &event) {
    if (event.reason() == Qt::MenuBarFocusReason) {
        // The menu bar has the keys only while the user goes through its
        // menus: the control keeps its selection for the Edit entries, as it
        // does when a menu is opened with the mouse.
        QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(widget_, &toMenu);
        return true;
    }
    if (event.reason() != Qt::PopupFocusReason && HidesSelection()) ShowSelection(false);
    return false;
}

bool ControlView::HidesSelection() const {
    if (auto *area = dynamic_cast<const TextArea *>(&model_)) return area->HideSelection();
    // A text field shows its selection only while it has the focus.
    return dynamic_cast<const TextField *>(&model_) != nullptr;
}

void ControlView::ShowSelection(bool shown) {
    if (!widget_ || shown != selectionHidden_) return;
    // Hidden, the selection is drawn in the colours of the unselected text.
    QPalette palette = widget_->palette();
    for (int i = 0; i < 2; ++i) {
        const QPalette::ColorGroup group = i == 0 ? QPalette::Active : QPalette::Inactive;
        if (shown) {
            palette.setBrush(group, QPalette::Highlight, shownHighlight_[i]);
            palette.setBrush(group, QPalette::HighlightedText, shownHighlightedText_[i]);
        } else {
            shownHighlight_[i] = palette.brush(group, QPalette::Highlight);
            shownHighlightedText_[i] = palette.brush(group, QPalette::HighlightedText);
            palette.setBrush(group, QPalette::Highlight, palette.brush(group, QPalette::Base));
            palette.setBrush(group, QPalette::HighlightedText, palette.brush(group, QPalette::Text));
        }
    }
    selectionHidden_ = !shown;
    widget_->setPalette(palette);
}

void ControlView::Apply(Aspect aspect) {
    if (!widget_) return;
    const bool all = aspect == Aspect::All;
    if (all || aspect == Aspect::Visibility) widget_->setVisible(model_.Visible());
    auto *rect = dynamic_cast<RectControl *>(&model_);
    if (!rect) return;
    if (all || aspect == Aspect::Geometry)
        widget_->setGeometry(static_cast<int>(rect->Left()), static_cast<int>(rect->Top()),
                             static_cast<int>(rect->Width()), static_cast<int>(rect->Height()));
    if (all || aspect == Aspect::Enabled) widget_->setEnabled(rect->Enabled());
    if (all || aspect == Aspect::Behaviour) {
        widget_->setToolTip(ToQt(rect->Tooltip().view()));
        // Drawn where the platform's style draws focus rings at all.
        if (auto *edit = dynamic_cast<TextEdit *>(rect))
            widget_->setAttribute(Qt::WA_MacShowFocusRect, edit->AllowFocusRing());
    }
    if (all || aspect == Aspect::TabOrder) {
        if (naturalFocus_ != Qt::NoFocus) {
            // Out of the tab order, a control that a click focuses still takes the focus by a click.
            const Qt::FocusPolicy untabbed = (naturalFocus_ & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus;
            widget_->setFocusPolicy(rect->TabStop() ? naturalFocus_ : untabbed);
        }
        window_.ScheduleTabOrder();
    }
}

} // namespace fw::view
