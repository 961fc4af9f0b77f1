#pragma once

#include <string_view>

// The text of the Info window, exactly as resources/help.txt holds it: UTF-8,
// lines separated by carriage returns alone. Built into the program, so the
// window never depends on finding a file at run time.
std::string_view HelpText();
