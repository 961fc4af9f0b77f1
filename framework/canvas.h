#pragma once

#include "framework/picture.h"
#include "framework/rect_control.h"

namespace fw {

// A picture area. It shows its Backdrop picture unscaled at its top left
// corner. It takes no focus unless AllowFocus; a mouse press on it reaches
// the window's MouseDown.
class Canvas : public RectControl {
public:
    static const ClassRecord &ClassRecordOf();

    // Set in code (no property-list key): nil shows no picture.
    void SetBackdrop(Ref<Picture> picture);
    const Ref<Picture> &Backdrop() const { return backdrop_; }

    FW_PROPERTY(bool, AllowFocusRing, true, Behaviour) // stored
    FW_PROPERTY(bool, AllowFocus, false, Behaviour)
    FW_PROPERTY(bool, AllowTabs, false, Behaviour)    // stored
    FW_PROPERTY(bool, DoubleBuffer, false, Behaviour) // stored; Qt always double-buffers

protected:
    std::unique_ptr<view::ControlView> MakeView(view::WindowView &windowView) override;

private:
    Ref<Picture> backdrop_;
};

} // namespace fw
