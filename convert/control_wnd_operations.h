#pragma once

#include "ui/window_class.h"

// The conversion window's own operations with their signature texts, in
// class-table order, around the menu-item accessors. The class table is built
// from these, and the handlers' delegates take their texts from here.
namespace control_wnd_operations {

inline constexpr WindowOperation kBeforeMenuItems[] = {
    {"Layout", "(  )"},
    {"CreateControls", "(  )"},
    {"_CreateControls0", "(  )"},
    {"Canvas1", "(  ) as Canvas"},
    {"CalcBtn", "(  ) as PushButton"},
    {"ClearSDBtn", "(  ) as PushButton"},
    {"InfoBtn", "(  ) as PushButton"},
    {"corrFld", "(  ) as TextArea"},
    {"covFld", "(  ) as TextArea"},
    {"Canvas3", "(  ) as Canvas"},
    {"Label3", "(  ) as Label"},
    {"dimFld", "(  ) as TextField"},
    {"scratchFld", "(  ) as TextArea"},
    {"Canvas4", "(  ) as Canvas"},
    {"Canvas5", "(  ) as Canvas"},
    {"sdFld", "(  ) as TextArea"},
    {"Canvas6", "(  ) as Canvas"},
    {"RadioButton2", "(  ) as RadioButton"},
    {"RadioButton1", "(  ) as RadioButton"},
    {"Line1", "(  ) as Line"},
    {"Line2", "(  ) as Line"},
    {"Line3", "(  ) as Line"},
    {"Line4", "(  ) as Line"},
    {"ClearCorrBtn", "(  ) as PushButton"},
    {"ClearCovBtn", "(  ) as PushButton"},
    {"Label1", "(  ) as Label"},
    {"CalcBtn_Action", "( PushButton )"},
    {"ClearSDBtn_Action", "( PushButton )"},
    {"InfoBtn_Action", "( PushButton )"},
    {"corrFld_Open", "( TextArea )"},
    {"corrFld_TextChange", "( TextArea )"},
    {"corrFld_KeyDown", "( TextArea, String ) as Boolean"},
    {"covFld_Open", "( TextArea )"},
    {"covFld_TextChange", "( TextArea )"},
    {"covFld_KeyDown", "( TextArea, String ) as Boolean"},
    {"Label3_Open", "( Label )"},
    {"dimFld_KeyDown", "( TextField, String ) as Boolean"},
    {"sdFld_KeyDown", "( TextArea, String ) as Boolean"},
    {"sdFld_Open", "( TextArea )"},
    {"sdFld_TextChange", "( TextArea )"},
    {"RadioButton2_Action", "( RadioButton )"},
    {"RadioButton1_Action", "( RadioButton )"},
    {"ClearCorrBtn_Action", "( PushButton )"},
    {"ClearCovBtn_Action", "( PushButton )"},
};

// After the menu-item accessors.
inline constexpr WindowOperation kAfterMenuItems[] = {
    {"AddMenuHandlers", "( Window )"},        {"Event_Close", "(  )"},
    {"_FileQuit_Action", "(  ) as Boolean"},  {"_InfoItem_Action", "(  ) as Boolean"},
    {"_AboutItem_Action", "(  ) as Boolean"},
};

} // namespace control_wnd_operations
