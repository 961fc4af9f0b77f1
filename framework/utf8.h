#pragma once

#include <cstddef>
#include <string_view>

// Characters of UTF-8 text, as every part of the framework counts them.
namespace fw::utf8 {

struct Char {
    char32_t code;
    std::size_t length; // in bytes
};

// The first character of non-empty text. A byte that does not begin a
// well-formed sequence (a stray continuation byte, a truncated or overlong
// sequence, a surrogate, a code past U+10FFFF) is a character of its own
// whose code is the byte's value.
Char DecodeFirst(std::string_view text);

} // namespace fw::utf8
