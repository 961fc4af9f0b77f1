#pragma once

#include "framework/object.h"

class helpWnd;
class AboutWnd;
class MenuBar1;

// The accessors of the shared instances of the windows here and of the menu
// bar, each named after its class (the conversion window's are beside its
// class, convert/control_wnd.h). A window's accessor gives the open window of
// its class, else builds a new one; it neither shows nor hides it. The menu
// bar's is made once and kept.
namespace implicit {
fw::Ref<::helpWnd> helpWnd();
fw::Ref<::AboutWnd> AboutWnd();
fw::Ref<::MenuBar1> MenuBar1();

// Shows the shared instance, got through its accessor. The windows show one
// another through these, so that none needs another's class.
void ShowhelpWnd();
void ShowAboutWnd();
} // namespace implicit
