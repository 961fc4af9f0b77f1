#pragma once

#include "framework/font_control.h"

#include <cstdint>

namespace fw {

// A push button. A click by the user raises Action (event 15).
class PushButton : public FontControl {
public:
    static const ClassRecord &ClassRecordOf();

    FW_PROPERTY(String, Caption, {}, Caption)          // "&" marks the access key
    FW_PROPERTY(bool, Cancel, false, Behaviour)        // stored; Escape presses no button
    FW_PROPERTY(int64_t, MacButtonStyle, 0, Behaviour) // stored; one button style here

    // Default: drawn as the window's default button. Return does not press it:
    // the fields of a window take Return themselves.
    bool IsDefault() const { return default_; }
    void SetDefault(bool value);

    // Presses the button as a click does: raises Action.
    void Push();

protected:
    std::unique_ptr<view::ControlView> MakeView(view::WindowView &windowView) override;

private:
    bool default_ = false;
};

} // namespace fw
