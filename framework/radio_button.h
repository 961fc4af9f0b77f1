#pragma once

#include "framework/font_control.h"

namespace fw {

// A radio button. The radio buttons of one window form one group: choosing
// one clears the others. Action (event 15) is raised only when the user
// chooses the button (a click or the space bar), never when Value is set in
// code. Setting Value False on every button of the group shows them all
// unselected; clicking a selected button keeps it selected.
class RadioButton : public FontControl {
public:
    static const ClassRecord &ClassRecordOf();

    FW_PROPERTY(String, Caption, {}, Caption)

    bool Value() const { return value_; }
    // True clears the other buttons of the window's group. Raises no event.
    void SetValue(bool value);

    // The user chose this button: selects it and raises Action.
    void UserChoose();

protected:
    std::unique_ptr<view::ControlView> MakeView(view::WindowView &windowView) override;

private:
    bool value_ = false;
};

} // namespace fw
