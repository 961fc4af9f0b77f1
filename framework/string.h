#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

// The framework's reference-counted string: immutable UTF-8 text that shares
// its bytes between copies. Appending to a string that ends where its buffer
// ends writes into the buffer's spare room instead of copying, so the
// "read the whole text, add a piece, write it back" pattern costs O(piece)
// rather than O(text). Other strings on the same buffer see only their own
// prefix, and a buffer never moves its bytes, so views stay valid.
class String {
public:
    String() = default;
    String(const char *text) : String(std::string_view(text)) {}
    String(std::string_view text);
    String(const std::string &text) : String(std::string_view(text)) {}

    std::string_view view() const { return {data(), length_}; }
    const char *data() const;
    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }

    String &operator+=(std::string_view piece);
    friend String operator+(String left, std::string_view piece) { return left += piece; }
    friend String operator+(const String &left, const String &right) { return String(left) += right.view(); }
    friend String operator+(const String &left, const char *right) { return String(left) += std::string_view(right); }
    friend String operator+(std::string_view left, const String &right);

    friend bool operator==(const String &a, const String &b) { return a.view() == b.view(); }
    friend bool operator==(const String &a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const String &a, const char *b) { return a.view() == std::string_view(b); }

private:
    struct Buffer;
    std::shared_ptr<Buffer> buffer_;
    std::size_t length_ = 0;
};

std::ostream &operator<<(std::ostream &out, const String &text);

} // namespace fw
