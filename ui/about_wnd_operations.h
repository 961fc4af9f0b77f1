#pragma once

#include "ui/window_class.h"

// The about window's own operations with their signature texts, in
// class-table order after Window's. The class table is built from these, and
// the timer's handler takes its text from here.
namespace about_operations {

inline constexpr WindowOperation kOwn[] = {
    {"Layout", "(  )"},
    {"CreateControls", "(  )"},
    {"_CreateControls0", "(  )"},
    {"StaticText2", "(  ) as Label"},
    {"Canvas1", "(  ) as Canvas"},
    {"Canvas3", "(  ) as Canvas"},
    {"Timer1", "(  ) as Timer"},
    {"Timer1_Action", "( Timer )"},
    {"Event_MouseDown", "( Integer, Integer ) as Boolean"},
    {"Event_KeyDown", "( String ) as Boolean"},
};

} // namespace about_operations
