#pragma once

#include <string>
#include <string_view>

namespace reference {

// x as text by the pattern, as fw::Format writes it.
std::string Format(double x, std::string_view pattern);

} // namespace reference
