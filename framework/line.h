#pragma once

#include "framework/control.h"
#include "framework/properties.h"

namespace fw {

// A straight line from (X1, Y1) to (X2, Y2), in pixels of the window's
// content area, Thickness wide in LineColor. Mouse presses pass through it.
class Line : public Control {
public:
    static const ClassRecord &ClassRecordOf();

    FW_PROPERTY(double, X1, 0.0, Geometry)
    FW_PROPERTY(double, X2, 100.0, Geometry)
    FW_PROPERTY(double, Y1, 0.0, Geometry)
    FW_PROPERTY(double, Y2, 0.0, Geometry)
    FW_PROPERTY(double, Thickness, 1.0, Geometry)
    FW_PROPERTY(Color, LineColor, {}, Colour) // fourth byte: 0 opaque .. 255 clear

protected:
    std::unique_ptr<view::ControlView> MakeView(view::WindowView &windowView) override;
};

} // namespace fw
