#pragma once

#include <string>

// The help window's design-time settings, each one property list: built
// once, on first use, and constant from then on.
namespace help_lists {
const std::string &Window();
const std::string &EditField1(); // holds the help text as its Value
} // namespace help_lists
