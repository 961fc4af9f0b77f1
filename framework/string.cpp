#include "framework/string.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <ostream>

namespace fw {

// A counted block: this header, then `capacity` bytes of text.
struct String::Buffer {
    std::size_t references;
    std::size_t capacity;
    std::size_t used; // bytes written so far by the strings on it

    char *bytes() { return reinterpret_cast<char *>(this + 1); }

    static Buffer *Make(std::size_t capacity) {
        void *block = ::operator new(sizeof(Buffer) + capacity);
        return new (block) Buffer{1, capacity, 0};
    }
};

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

void String::Retain() { ++buffer_->references; }

void String::Release() {
    if (buffer_ && --buffer_->references == 0) ::operator delete(buffer_);
    buffer_ = nullptr;
    length_ = 0;
}

const char *String::data() const {
    if (buffer_) return buffer_->bytes();
    return length_ != 0 ? inline_ : "";
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
        Release();
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
