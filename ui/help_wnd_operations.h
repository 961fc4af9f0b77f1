#pragma once

#include "ui/window_class.h"

// The help window's own operations with their signature texts, in class-table
// order after Window's, around the menu-item accessors. The class table is
// built from these, and the handlers' delegates take their texts from here.
namespace help_operations {

inline constexpr WindowOperation kBeforeMenuItems[] = {
    {"Layout", "(  )"},
    {"CreateControls", "(  )"},
    {"_CreateControls0", "(  )"},
    {"EditField1", "(  ) as TextArea"},
    {"EditField1_Open", "( TextArea )"},
};

// After the menu-item accessors.
inline constexpr WindowOperation kAfterMenuItems[] = {
    {"AddMenuHandlers", "( Window )"},
    {"_ControlItem_Action", "(  ) as Boolean"},
};

} // namespace help_operations
