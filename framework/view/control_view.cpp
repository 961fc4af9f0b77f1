#include "framework/view/control_view.h"

#include "framework/app_runtime.h"
#include "framework/rect_control.h"
#include "framework/view/qt_support.h"
#include "framework/view/window_view.h"

#include <QKeyEvent>

namespace fw::view {

String KeyText(const QKeyEvent &event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
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
    const QString text = event.text();
    // Control characters that no key above produced are not typed text.
    if (text.isEmpty() || (text.size() == 1 && text.at(0).unicode() < 0x20)) return {};
    return FromQt(text);
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
        case QEvent::MouseButtonPress:
        case QEvent::FocusIn:
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
    if (!rect) return false;
    const String key = KeyText(event);
    if (key.empty()) return false;
    bool swallow = false;
    bool finished = false;
    RuntimeCallHandler([&] {
        swallow = rect->RaiseKeyDown(key);
        finished = true;
    });
    // A handler that failed half way decided nothing: the field stays as it was.
    return swallow || !finished;
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
    if (all || aspect == Aspect::Behaviour) widget_->setToolTip(ToQt(rect->Tooltip().view()));
    if (all || aspect == Aspect::TabOrder) {
        if (naturalFocus_ != Qt::NoFocus) widget_->setFocusPolicy(rect->TabStop() ? naturalFocus_ : Qt::ClickFocus);
        window_.ScheduleTabOrder();
    }
}

} // namespace fw::view
