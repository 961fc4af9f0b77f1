#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "framework/object.h"
#include "framework/string.h"

namespace fw {

// Four colour bytes as stored; the first three read as red, green, blue.
struct Color {
    uint8_t red = 0, green = 0, blue = 0, alpha = 0;
    friend bool operator==(const Color &, const Color &) = default;
};

// How a property's value is encoded in a property list.
enum class PropertyType {
    String,    // u32 LE byte count, then UTF-8 bytes
    Boolean,   // one byte
    FontUnits, // one byte
    Integer,   // i64 LE; also Window.Types, Window.Locations, PushButton.MacButtonStyles,
               // TextAlignments and Timer.RunModes
    Double,    // binary64 LE
    Single,    // binary32 LE
    Color,     // three colour bytes and a fourth
};

using PropertyValue = std::variant<String, bool, uint8_t, int64_t, double, float, Color>;

// A settable property of a class: its key, its declared type and how to set
// and read it on an object of the class.
struct PropertyDecl {
    std::string name;
    PropertyType type;
    std::function<void(Object &, const PropertyValue &)> set;
    std::function<PropertyValue(const Object &)> get;
};

// The framework's mass property setter: applies each entry of the list, in
// order, reading every value by the declared type of its key in the target's
// class. Raises RuntimeException naming the key and byte offset for a key the
// class does not declare or a list that ends inside an entry.
void _SetProperties(Object &target, std::string_view list);

// Reads a property back by name; raises RuntimeException for an unknown key.
PropertyValue GetProperty(const Object &target, std::string_view key);

// Builds the byte string of a property list, entry by entry.
class PropertyListBuilder {
public:
    PropertyListBuilder &Str(std::string_view key, std::string_view value);
    PropertyListBuilder &Bool(std::string_view key, bool value);
    PropertyListBuilder &FontUnit(std::string_view key, uint8_t value);
    PropertyListBuilder &Int(std::string_view key, int64_t value);
    PropertyListBuilder &Dbl(std::string_view key, double value);
    PropertyListBuilder &Sgl(std::string_view key, float value);
    PropertyListBuilder &Colour(std::string_view key, Color value);
    const std::string &Bytes() const { return bytes_; }

private:
    void Key(std::string_view key);
    // An entry whose value is the bytes of `value` as they are in memory.
    template <class T> PropertyListBuilder &Raw(std::string_view key, T value);
    std::string bytes_;
};

} // namespace fw
