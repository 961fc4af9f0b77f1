#pragma once

#include <string>

// The about window's design-time settings, each one property list: built
// once, on first use, and constant from then on.
namespace about_lists {
const std::string &Window();
const std::string &StaticText2();
const std::string &Canvas1();
const std::string &Canvas3();
const std::string &Timer1();
} // namespace about_lists
