#pragma once

#include "framework/control.h"

#include <QBrush>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QFocusEvent;
class QKeyEvent;

namespace fw::view {

class WindowView;

// A caption shown on one line in the width its control was designed with.
struct FixedCaption {
    QFont font; // the font the control's settings name
    QString text;
    int width;
};

// The key as KeyDown hands it on: Backspace 8, Tab 9, Return 13, Enter 3,
// Escape 27, Left 28, Right 29, Up 30, Down 31, forward Delete 127 (with or
// without modifiers); Ctrl with a letter its control character (Ctrl+A 1 ..
// Ctrl+Z 26, as X11 types them); else the key's text, and the empty text for
// a key that types none (Home, F5, Page Up...).
String KeyText(const QKeyEvent &event);
// A press of Shift, Ctrl, Alt, Meta (or a lock key) alone: no key press of
// its own, so it reaches no KeyDown handler.
bool IsModifierKey(const QKeyEvent &event);

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

    // The control's one-line caption, for the window to fit; none by default.
    virtual std::optional<FixedCaption> Caption() const { return std::nullopt; }

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
    bool OnFocusOut(QFocusEvent &event);
    // Whether the control shows its selection only while it has the focus.
    bool HidesSelection() const;
    void ShowSelection(bool shown);

    Control &model_;
    WindowView &window_;
    QPointer<QWidget> widget_;
    QPointer<EventHook> hook_;
    Qt::FocusPolicy naturalFocus_ = Qt::NoFocus;
    bool selectionHidden_ = false;
    QBrush shownHighlight_[2], shownHighlightedText_[2]; // active, inactive
};

} // namespace fw::view
