#pragma once

#include <string>
#include <string_view>
#include <vector>

// The start-up steps in the order they ran in this process, by name.
namespace startup {
void Note(std::string_view step);
const std::vector<std::string> &Steps();
} // namespace startup
