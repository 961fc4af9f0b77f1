#pragma once

#include "framework/object.h"

class ControlWnd;
class helpWnd;
class AboutWnd;
class MenuBar1;

// The accessors of the shared instances, each named after its class. A
// window's accessor gives the open window of its class, else builds a new one;
// it neither shows nor hides it. The menu bar's is made once and kept.
namespace implicit {
fw::Ref<::ControlWnd> ControlWnd();
fw::Ref<::helpWnd> helpWnd();
fw::Ref<::AboutWnd> AboutWnd();
fw::Ref<::MenuBar1> MenuBar1();

// Shows the shared instance, got through its accessor. The windows show one
// another through these, so that none needs another's class.
void ShowControlWnd();
void ShowhelpWnd();
void ShowAboutWnd();
} // namespace implicit
