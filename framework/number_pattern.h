#pragma once

#include <cstddef>
#include <string_view>

#include "framework/string.h"

namespace fw {

// A Format pattern read once. A caller that writes many values by one
// pattern holds it, so that the pattern is not read again for each value.
class NumberPattern {
public:
    explicit NumberPattern(const String &pattern);

    // The number field: the first run of digit places, grouping commas and
    // one point. Placeholder characters after that run stand as they are.
    struct Field {
        std::size_t minIntegerDigits = 1;
        std::size_t decimals = 0;
        std::size_t minDecimals = 0;
        bool grouping = false;
        bool hasSign = false; // a '-' or '+' anywhere in the pattern
    };

    const Field &field() const { return field_; }
    // The pattern's text before and after the number field.
    std::string_view before() const { return text_.view().substr(0, fieldBegin_); }
    std::string_view after() const { return text_.view().substr(fieldEnd_); }

private:
    String text_;
    std::size_t fieldBegin_ = 0, fieldEnd_ = 0; // bytes of text_
    Field field_;
};

} // namespace fw
