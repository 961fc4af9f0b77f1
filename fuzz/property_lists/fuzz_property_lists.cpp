// Arbitrary bytes as a property list: the reader applies them or raises, and
// never reads past the end of the list.
#include "framework/exceptions.h"
#include "framework/object.h"
#include "framework/properties.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// One property of each encoded type, the Integer one on a base class so that
// look-ups walk the base chain.
class Base : public fw::Object {
public:
    static const fw::ClassRecord &ClassRecordOf();
    int64_t count = 0;
};

class Sample : public Base {
public:
    static const fw::ClassRecord &ClassRecordOf();
    fw::String text;
    bool flag = false;
    uint8_t unit = 0;
    double ratio = 0;
    float size = 0;
    fw::Color tint;
};

template <class C, class V, V C::*Member> fw::PropertyDecl Declare(const char *name, fw::PropertyType type) {
    return {name, type, [](fw::Object &o, const fw::PropertyValue &v) { static_cast<C &>(o).*Member = std::get<V>(v); },
            [](const fw::Object &o) -> fw::PropertyValue { return static_cast<const C &>(o).*Member; }};
}

const fw::PropertyDecl kCount = Declare<Base, int64_t, &Base::count>("Count", fw::PropertyType::Integer);
const fw::PropertyDecl kText = Declare<Sample, fw::String, &Sample::text>("Text", fw::PropertyType::String);
const fw::PropertyDecl kFlag = Declare<Sample, bool, &Sample::flag>("Flag", fw::PropertyType::Boolean);
const fw::PropertyDecl kUnit = Declare<Sample, uint8_t, &Sample::unit>("Unit", fw::PropertyType::FontUnits);
const fw::PropertyDecl kRatio = Declare<Sample, double, &Sample::ratio>("Ratio", fw::PropertyType::Double);
const fw::PropertyDecl kSize = Declare<Sample, float, &Sample::size>("Size", fw::PropertyType::Single);
const fw::PropertyDecl kTint = Declare<Sample, fw::Color, &Sample::tint>("Tint", fw::PropertyType::Color);

const fw::ClassRecord &Base::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp("FuzzBase", [](fw::ClassRecord &rec) {
        rec.allocate = fw::Allocator<Base>();
        rec.properties = {&kCount};
    });
    return r;
}

const fw::ClassRecord &Sample::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp("FuzzSample", [](fw::ClassRecord &rec) {
        rec.base = &Base::ClassRecordOf();
        rec.allocate = fw::Allocator<Sample>();
        rec.properties = {&kText, &kFlag, &kUnit, &kRatio, &kSize, &kTint};
    });
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // A copy of exactly `size` bytes, so that AddressSanitizer sees any read
    // past the end of the list.
    auto *copy = static_cast<char *>(std::malloc(size ? size : 1));
    if (size) __builtin_memcpy(copy, data, size);
    fw::Ref<Sample> target = fw::NewObject<Sample>();
    try {
        fw::_SetProperties(*target, std::string_view(copy, size));
    } catch (const fw::Raised &) {
        // A list that does not read is refused with an exception: fine.
    }
    // What was applied reads back through the declared getters.
    (void)fw::GetProperty(*target, "Text");
    (void)fw::GetProperty(*target, "Count");
    std::free(copy);
    return 0;
}
