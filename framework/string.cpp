#include "framework/string.h"

#include <algorithm>
#include <cstring>
#include <ostream>

namespace fw {

struct String::Buffer {
    explicit Buffer(std::size_t capacity) : bytes(new char[capacity]), capacity(capacity) {}
    std::unique_ptr<char[]> bytes;
    std::size_t capacity;
    std::size_t used = 0;
};

String::String(std::string_view text) {
    if (text.empty()) return;
    buffer_ = std::make_shared<Buffer>(text.size());
    std::memcpy(buffer_->bytes.get(), text.data(), text.size());
    buffer_->used = length_ = text.size();
}

const char *String::data() const { return buffer_ ? buffer_->bytes.get() : ""; }

String &String::operator+=(std::string_view piece) {
    if (piece.empty()) return *this;
    const bool endsBuffer = buffer_ && buffer_->used == length_;
    if (endsBuffer && buffer_->capacity - length_ >= piece.size()) {
        std::memcpy(buffer_->bytes.get() + length_, piece.data(), piece.size());
    } else {
        auto grown = std::make_shared<Buffer>(std::max<std::size_t>(2 * (length_ + piece.size()), 64));
        if (length_ != 0) std::memcpy(grown->bytes.get(), buffer_->bytes.get(), length_);
        std::memcpy(grown->bytes.get() + length_, piece.data(), piece.size());
        buffer_ = std::move(grown);
    }
    length_ += piece.size();
    buffer_->used = length_;
    return *this;
}

String operator+(std::string_view left, const String &right) {
    String joined(left);
    joined += right.view();
    return joined;
}

std::ostream &operator<<(std::ostream &out, const String &text) { return out << text.view(); }

} // namespace fw
