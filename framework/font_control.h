#pragma once

#include "framework/rect_control.h"

#include <cstdint>

namespace fw {

// A rectangular control that shows text in a font of its own: push and radio
// buttons, labels, text fields and text areas.
//
// FontName "System" is the platform's default interface font; "Monaco" is the
// platform's fixed-width font; any other name is looked up as a font family.
// FontSize 0 is the default size. FontUnit: 0 (the default) and 2 points,
// 1 pixels, 3 inches, 4 millimetres; a point is one pixel (72 per inch), the
// scale on which the program's windows are laid out.
class FontControl : public RectControl {
public:
    static const ClassRecord &ClassRecordOf();

    FW_PROPERTY(String, FontName, String("System"), Font)
    FW_PROPERTY(float, FontSize, 0.0f, Font)
    FW_PROPERTY(uint8_t, FontUnit, 0, Font)
    FW_PROPERTY(bool, Bold, false, Font)
    FW_PROPERTY(bool, Italic, false, Font)
    FW_PROPERTY(bool, Underline, false, Font)
};

// Text alignment (the TextAlignment key of labels, text fields and areas):
// 0 the default (left), 1 left, 2 centred, 3 right.
namespace TextAlignment {
inline constexpr int64_t Default = 0;
inline constexpr int64_t Left = 1;
inline constexpr int64_t Center = 2;
inline constexpr int64_t Right = 3;
} // namespace TextAlignment

} // namespace fw
