#include "framework/properties.h"

#include <bit>
#include <cstring>

#include "framework/exceptions.h"

namespace fw {

namespace {

static_assert(std::endian::native == std::endian::little, "property lists are read on little-endian hosts");

[[noreturn]] void Fail(std::string_view what, std::string_view key, std::size_t offset) {
    RaiseNew<RuntimeException>("Property list: " + std::string(what) + " \"" + std::string(key) +
                               "\" at byte offset " + std::to_string(offset));
}

template <class T> T ReadRaw(std::string_view list, std::size_t &at, std::string_view key, std::size_t entry) {
    if (list.size() - at < sizeof(T)) Fail("the list ends inside the value of", key, entry);
    T value;
    std::memcpy(&value, list.data() + at, sizeof(T));
    at += sizeof(T);
    return value;
}

template <class T> void AppendRaw(std::string &out, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

} // namespace

void _SetProperties(Object &target, std::string_view list) {
    std::size_t at = 0;
    while (at < list.size()) {
        const std::size_t entry = at;
        const std::size_t blank = list.find(' ', at);
        if (blank == std::string_view::npos) Fail("the list ends inside the key", list.substr(at, 40), entry);
        const std::string_view key = list.substr(at, blank - at);
        const ClassRecord *record = target.Class();
        const PropertyDecl *decl = record ? record->FindProperty(key) : nullptr;
        if (!decl) Fail(std::string("unknown key for ") + (record ? record->name : "an object of no class") + ":", key, entry);
        at = blank + 1;
        PropertyValue value;
        switch (decl->type) {
        case PropertyType::String: {
            const auto count = ReadRaw<uint32_t>(list, at, key, entry);
            if (list.size() - at < count) Fail("the list ends inside the value of", key, entry);
            value = String(list.substr(at, count));
            at += count;
            break;
        }
        case PropertyType::Boolean: value = ReadRaw<uint8_t>(list, at, key, entry) != 0; break;
        case PropertyType::FontUnits: value = ReadRaw<uint8_t>(list, at, key, entry); break;
        case PropertyType::Integer: value = ReadRaw<int64_t>(list, at, key, entry); break;
        case PropertyType::Double: value = ReadRaw<double>(list, at, key, entry); break;
        case PropertyType::Single: value = ReadRaw<float>(list, at, key, entry); break;
        case PropertyType::Color: {
            Color c;
            c.red = ReadRaw<uint8_t>(list, at, key, entry);
            c.green = ReadRaw<uint8_t>(list, at, key, entry);
            c.blue = ReadRaw<uint8_t>(list, at, key, entry);
            c.alpha = ReadRaw<uint8_t>(list, at, key, entry);
            value = c;
            break;
        }
        }
        decl->set(target, value);
    }
}

PropertyValue GetProperty(const Object &target, std::string_view key) {
    const PropertyDecl *decl = target.Class() ? target.Class()->FindProperty(key) : nullptr;
    if (!decl) RaiseNew<RuntimeException>("No property \"" + std::string(key) + "\"");
    return decl->get(target);
}

void PropertyListBuilder::Key(std::string_view key) {
    bytes_.append(key);
    bytes_.push_back(' ');
}

PropertyListBuilder &PropertyListBuilder::Str(std::string_view key, std::string_view value) {
    Key(key);
    AppendRaw<uint32_t>(bytes_, static_cast<uint32_t>(value.size()));
    bytes_.append(value);
    return *this;
}
PropertyListBuilder &PropertyListBuilder::Bool(std::string_view key, bool value) {
    Key(key);
    bytes_.push_back(value ? 1 : 0);
    return *this;
}
PropertyListBuilder &PropertyListBuilder::FontUnit(std::string_view key, uint8_t value) {
    Key(key);
    bytes_.push_back(static_cast<char>(value));
    return *this;
}
template <class T> PropertyListBuilder &PropertyListBuilder::Raw(std::string_view key, T value) {
    Key(key);
    AppendRaw(bytes_, value);
    return *this;
}
PropertyListBuilder &PropertyListBuilder::Int(std::string_view key, int64_t value) { return Raw(key, value); }
PropertyListBuilder &PropertyListBuilder::Dbl(std::string_view key, double value) { return Raw(key, value); }
PropertyListBuilder &PropertyListBuilder::Sgl(std::string_view key, float value) { return Raw(key, value); }
PropertyListBuilder &PropertyListBuilder::Colour(std::string_view key, Color value) {
    Key(key);
    bytes_.append({static_cast<char>(value.red), static_cast<char>(value.green), static_cast<char>(value.blue),
                   static_cast<char>(value.alpha)});
    return *this;
}

} // namespace fw
