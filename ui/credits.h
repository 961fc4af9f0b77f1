#pragma once

// Who made the program, as the about window, the conversion window, the help
// text and the version data all say it.
namespace credits {
inline constexpr const char *kMaker = "the Tandrel authors";
inline constexpr const char *kCopyrightLine = "\xC2\xA9 2017-2020 the Tandrel authors. All rights reserved.";
inline constexpr const char *kCreditLine = "by the Tandrel authors";
} // namespace credits
