#include "framework/utf8.h"

namespace fw::utf8 {

Char DecodeFirst(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};

    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;  // no overlong forms
        if (lead == 0xED) high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;  // no overlong forms
        if (lead == 0xF4) high = 0x8F; // nothing past U+10FFFF
    } else {
        return {lead, 1};
    }
    if (text.size() < length) return {lead, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(i);
        const unsigned char min = i == 1 ? low : 0x80;
        const unsigned char max = i == 1 ? high : 0xBF;
        if (next < min || next > max) return {lead, 1};
        code = (code << 6) | (next & 0x3F);
    }
    return {code, length};
}

} // namespace fw::utf8
