#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace fw {

// The framework's string: immutable UTF-8 text.
//
// Short texts (a formatted number, a line end) live inside the string
// itself, so making and copying them allocates nothing. Longer texts live
// in a counted buffer shared between copies. Appending to a string that ends
// where its buffer's text ends writes into the buffer's spare room instead
// of copying, so the "read the whole text, add a piece, write it back"
// pattern costs O(piece) rather than O(text). Other strings on the same
// buffer see only their own prefix, and a buffer never moves its bytes.
//
// Counts are not atomic: like the framework's objects, strings belong to
// the main thread.
class String {
public:
    String() = default;
    String(const char *text) : String(std::string_view(text)) {}
    String(std::string_view text);
    String(const std::string &text) : String(std::string_view(text)) {}
    String(const String &other) { CopyFrom(other); }
    String(String &&other) noexcept { TakeFrom(other); }
    String &operator=(const String &other);
    String &operator=(String &&other) noexcept;
    ~String() {
        if (buffer_) Release();
    }

    std::string_view view() const { return {data(), length_}; }
    const char *data() const {
        if (buffer_) return buffer_->bytes();
        return length_ != 0 ? inline_ : "";
    }
    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }

    String &operator+=(std::string_view piece);
    // `left` is taken by value and moved out again: joining a piece onto a
    // temporary costs no count changes.
    friend String operator+(String left, std::string_view piece) {
        left += piece;
        return left;
    }
    friend String operator+(const String &left, const String &right) { return String(left) + right.view(); }
    friend String operator+(const String &left, const char *right) { return String(left) + std::string_view(right); }
    friend String operator+(std::string_view left, const String &right);

    friend bool operator==(const String &a, const String &b) { return a.view() == b.view(); }
    friend bool operator==(const String &a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const String &a, const char *b) { return a.view() == std::string_view(b); }

    // Texts up to this many bytes are kept inside the string.
    static constexpr std::size_t kInlineCapacity = 40;

private:
    // A counted block: this header, then `capacity` bytes of text.
    struct Buffer {
        std::size_t references;
        std::size_t capacity;
        std::size_t used; // bytes written so far by the strings on it

        char *bytes() { return reinterpret_cast<char *>(this + 1); }
        static Buffer *Make(std::size_t capacity);
    };
    void Release() {
        if (--buffer_->references == 0) Free(buffer_);
        buffer_ = nullptr;
        length_ = 0;
    }
    void Retain() { ++buffer_->references; }
    static void Free(Buffer *buffer);
    // The whole inline room is copied, a fixed size the compiler does in a
    // few moves; the bytes past the text are never read.
    void CopyFrom(const String &other) {
        length_ = other.length_;
        buffer_ = other.buffer_;
        if (buffer_)
            Retain();
        else
            __builtin_memcpy(inline_, other.inline_, kInlineCapacity);
    }
    void TakeFrom(String &other) {
        length_ = other.length_;
        buffer_ = other.buffer_;
        if (!buffer_) __builtin_memcpy(inline_, other.inline_, kInlineCapacity);
        other.buffer_ = nullptr;
        other.length_ = 0;
    }

    Buffer *buffer_ = nullptr; // null: the text is inline
    std::size_t length_ = 0;
    char inline_[kInlineCapacity];
};

std::ostream &operator<<(std::ostream &out, const String &text);

} // namespace fw
