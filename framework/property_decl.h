#pragma once

#include "framework/object.h"
#include "framework/properties.h"

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw::detail {

template <PropertyType T> struct ValueTypeOf;
template <> struct ValueTypeOf<PropertyType::String> { using type = String; };
template <> struct ValueTypeOf<PropertyType::Boolean> { using type = bool; };
template <> struct ValueTypeOf<PropertyType::FontUnits> { using type = uint8_t; };
template <> struct ValueTypeOf<PropertyType::Integer> { using type = int64_t; };
template <> struct ValueTypeOf<PropertyType::Double> { using type = double; };
template <> struct ValueTypeOf<PropertyType::Single> { using type = float; };
template <> struct ValueTypeOf<PropertyType::Color> { using type = Color; };

template <class> struct GetterTraits;
template <class C, class R> struct GetterTraits<R (C::*)() const> {
    using Class = C;
    using Value = std::remove_cvref_t<R>;
};

// A property declaration read and written through a class's getter and
// setter. The declared type must match the getter's value type.
template <PropertyType T, auto Getter, auto Setter> const PropertyDecl *Decl(const char *name) {
    using Traits = GetterTraits<decltype(Getter)>;
    using C = typename Traits::Class;
    using V = typename ValueTypeOf<T>::type;
    static_assert(std::is_same_v<typename Traits::Value, V>, "the declared type does not match the getter");
    static const PropertyDecl decl{
        name, T, [](Object &o, const PropertyValue &v) { (static_cast<C &>(o).*Setter)(std::get<V>(v)); },
        [](const Object &o) -> PropertyValue { return (static_cast<const C &>(o).*Getter)(); }};
    return &decl;
}

} // namespace fw::detail

// In a class builder: FW_DECL(String, TextField, Hint) declares the key "Hint"
// read by TextField::Hint and written by TextField::SetHint.
#define FW_DECL(Type, Class, Name) ::fw::detail::Decl<::fw::PropertyType::Type, &Class::Name, &Class::Set##Name>(#Name)
