#pragma once

#include "framework/control.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QKeyEvent;

namespace fw::view {

class WindowView;

// The key as KeyDown hands it on: Backspace 8, Tab 9, Return 13, Enter 3,
// Escape 27, Left 28, Right 29, Up 30, Down 31, forward Delete 127, else the
// key's text. Empty for keys held with Ctrl, Alt or Meta (menu commands) and
// for keys with no text (Shift alone, F1, Home...).
String KeyText(const QKeyEvent &event);

// Hands a widget's events to a function first; True: the event is taken.
class EventHook : public QObject {
public:
    using Function = std::function<bool(QEvent &)>;
    EventHook(QObject *watched, Function function);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The function stays: its view may end while the function runs.
    void Stop() { stopped_ = true; }

private:
    Function function_;
    bool stopped_ = false;
};

// The Qt side of one control: its widget in the window's content area. The
// view reads the model and shows it; the user's actions go back to the model.
class ControlView {
public:
    ControlView(Control &model, WindowView &window);
    virtual ~ControlView();
    ControlView(const ControlView &) = delete;
    ControlView &operator=(const ControlView &) = delete;

    virtual void Apply(Aspect aspect);
    // Brings a lazily kept widget up to date at once.
    virtual void EnsureSynced() {}
    // An Edit menu command by item name; True when the control carried it out.
    virtual bool EditCommand(std::string_view itemName) {
        (void)itemName;
        return false;
    }

    QWidget *Widget() const { return widget_; }
    Control &Model() const { return model_; }
    WindowView &Window() const { return window_; }

protected:
    // Takes the widget (a child of the content area): key events go to
    // KeyDown first, the focus policy follows TabStop.
    void SetWidget(QWidget *widget);
    // Hands a key press to KeyDown; True: swallow it.
    virtual bool OnKey(QKeyEvent &event);

private:
    Control &model_;
    WindowView &window_;
    QPointer<QWidget> widget_;
    QPointer<EventHook> hook_;
    Qt::FocusPolicy naturalFocus_ = Qt::NoFocus;
};

} // namespace fw::view
