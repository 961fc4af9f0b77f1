#pragma once

#include <string>
#include <string_view>

// The conversion window's design-time settings as property lists, each built
// once and applied with fw::_SetProperties while the window is built.
namespace control_wnd_lists {

// The window's own list.
const std::string &Window();
// The list of the window's control of that name; raises RuntimeException for
// a name that is none of the window's 23 controls.
const std::string &Control(std::string_view name);

} // namespace control_wnd_lists
