#include "framework/string.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <ostream>

namespace fw {

String::Buffer *String::Buffer::Make(std::size_t capacity) {
    void *block = ::operator new(sizeof(Buffer) + capacity);
    return new (block) Buffer{1, capacity, 0};
}

void String::Free(Buffer *buffer) { ::operator delete(buffer); }

String::String(std::string_view text) : length_(text.size()) {
    if (text.size() <= kInlineCapacity) {
        if (!text.empty()) std::memcpy(inline_, text.data(), text.size());
        return;
    }
    buffer_ = Buffer::Make(text.size());
    std::memcpy(buffer_->bytes(), text.data(), text.size());
    buffer_->used = text.size();
}

String &String::operator=(const String &other) {
    if (this != &other) {
        if (buffer_) Release();
        CopyFrom(other);
    }
    return *this;
}

String &String::operator=(String &&other) noexcept {
    if (this != &other) {
        if (buffer_) Release();
        TakeFrom(other);
    }
    return *this;
}

String &String::operator+=(std::string_view piece) {
    if (piece.empty()) return *this;
    const std::size_t length = length_ + piece.size();
    // `piece` may be this string's own text: it stays in place until the
    // old storage is let go, and it never overlaps the bytes written here.
    if (!buffer_ && length <= kInlineCapacity) {
        std::memcpy(inline_ + length_, piece.data(), piece.size());
    } else if (buffer_ && buffer_->used == length_ && buffer_->capacity >= length) {
        std::memcpy(buffer_->bytes() + length_, piece.data(), piece.size());
        buffer_->used = length;
    } else {
        Buffer *grown = Buffer::Make(std::max<std::size_t>(2 * length, 64));
        std::memcpy(grown->bytes(), data(), length_);
        std::memcpy(grown->bytes() + length_, piece.data(), piece.size());
        grown->used = length;
        if (buffer_) Release();
        buffer_ = grown;
    }
    length_ = length;
    return *this;
}

String operator+(std::string_view left, const String &right) {
    String joined(left);
    joined += right.view();
    return joined;
}

std::ostream &operator<<(std::ostream &out, const String &text) { return out << text.view(); }

} // namespace fw
