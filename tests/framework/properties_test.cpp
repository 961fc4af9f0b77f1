// Property lists applied to every kind of control, the window and the timer:
// each key of a kind's list is declared with its encoded type, stored, and
// read back.
#include "framework/canvas.h"
#include "framework/exceptions.h"
#include "framework/label.h"
#include "framework/line.h"
#include "framework/properties.h"
#include "framework/push_button.h"
#include "framework/radio_button.h"
#include "framework/text_area.h"
#include "framework/text_edit.h"
#include "framework/timer.h"
#include "framework/window.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

using fw::PropertyType;
using T = PropertyType;

// The declared type of every key of the system's lists ("Value" differs by class).
const std::map<std::string, PropertyType> kKeyTypes = {{"Width", T::Integer},
                                                       {"Height", T::Integer},
                                                       {"MinimumWidth", T::Integer},
                                                       {"MinimumHeight", T::Integer},
                                                       {"MaximumWidth", T::Integer},
                                                       {"MaximumHeight", T::Integer},
                                                       {"Type", T::Integer},
                                                       {"Title", T::String},
                                                       {"HasCloseButton", T::Boolean},
                                                       {"HasMaximizeButton", T::Boolean},
                                                       {"HasMinimizeButton", T::Boolean},
                                                       {"HasFullScreenButton", T::Boolean},
                                                       {"Resizeable", T::Boolean},
                                                       {"Composite", T::Boolean},
                                                       {"MacProcID", T::Integer},
                                                       {"FullScreen", T::Boolean},
                                                       {"DefaultLocation", T::Integer},
                                                       {"HasBackgroundColor", T::Boolean},
                                                       {"BackgroundColor", T::Color},
                                                       {"MenuBarVisible", T::Boolean},
                                                       {"LiveResize", T::Boolean},
                                                       {"Visible", T::Boolean},
                                                       {"Name", T::String},
                                                       {"Index", T::Integer},
                                                       {"Left", T::Integer},
                                                       {"Top", T::Integer},
                                                       {"LockLeft", T::Boolean},
                                                       {"LockTop", T::Boolean},
                                                       {"LockRight", T::Boolean},
                                                       {"LockBottom", T::Boolean},
                                                       {"TabIndex", T::Integer},
                                                       {"TabPanelIndex", T::Integer},
                                                       {"TabStop", T::Boolean},
                                                       {"AllowAutoDeactivate", T::Boolean},
                                                       {"Enabled", T::Boolean},
                                                       {"Tooltip", T::String},
                                                       {"Transparent", T::Boolean},
                                                       {"InitialParent", T::String},
                                                       {"AllowFocusRing", T::Boolean},
                                                       {"AllowFocus", T::Boolean},
                                                       {"AllowTabs", T::Boolean},
                                                       {"DoubleBuffer", T::Boolean},
                                                       {"MacButtonStyle", T::Integer},
                                                       {"Cancel", T::Boolean},
                                                       {"Default", T::Boolean},
                                                       {"Caption", T::String},
                                                       {"FontName", T::String},
                                                       {"FontSize", T::Single},
                                                       {"FontUnit", T::FontUnits},
                                                       {"Bold", T::Boolean},
                                                       {"Italic", T::Boolean},
                                                       {"Underline", T::Boolean},
                                                       {"HasBorder", T::Boolean},
                                                       {"Format", T::String},
                                                       {"HideSelection", T::Boolean},
                                                       {"LineHeight", T::Double},
                                                       {"LineSpacing", T::Double},
                                                       {"Multiline", T::Boolean},
                                                       {"HasHorizontalScrollbar", T::Boolean},
                                                       {"HasVerticalScrollbar", T::Boolean},
                                                       {"AllowStyledText", T::Boolean},
                                                       {"TextColor", T::Color},
                                                       {"TextAlignment", T::Integer},
                                                       {"AllowSpellChecking", T::Boolean},
                                                       {"MaximumCharactersAllowed", T::Integer},
                                                       {"ValidationMask", T::String},
                                                       {"ReadOnly", T::Boolean},
                                                       {"DataSource", T::String},
                                                       {"DataField", T::String},
                                                       {"Selectable", T::Boolean},
                                                       {"Password", T::Boolean},
                                                       {"Hint", T::String},
                                                       {"X1", T::Double},
                                                       {"X2", T::Double},
                                                       {"Y1", T::Double},
                                                       {"Y2", T::Double},
                                                       {"Thickness", T::Double},
                                                       {"LineColor", T::Color},
                                                       {"Period", T::Integer},
                                                       {"RunMode", T::Integer}};

const std::vector<std::string> kRect = {
    "Name",    "Index",     "Left",        "Top",      "Width",         "Height",  "LockLeft",
    "LockTop", "LockRight", "LockBottom",  "TabIndex", "TabPanelIndex", "TabStop", "AllowAutoDeactivate",
    "Enabled", "Tooltip",   "Transparent", "Visible",  "InitialParent"};
const std::vector<std::string> kFonts = {"FontName", "FontSize", "FontUnit", "Bold", "Italic", "Underline"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

struct Kind {
    const char *name;
    const fw::ClassRecord &(*record)();
    std::vector<std::string> keys;
    PropertyType valueType; // the type of "Value" where the kind has one
};

std::vector<Kind> Kinds() {
    return {
        {"Canvas", &fw::Canvas::ClassRecordOf,
         Join({kRect, {"AllowFocusRing", "AllowFocus", "AllowTabs", "DoubleBuffer"}}), T::String},
        {"PushButton", &fw::PushButton::ClassRecordOf,
         Join({kRect, kFonts, {"MacButtonStyle", "Cancel", "Caption", "Default"}}), T::String},
        {"RadioButton", &fw::RadioButton::ClassRecordOf, Join({kRect, kFonts, {"Caption", "Value"}}), T::Boolean},
        {"Label", &fw::Label::ClassRecordOf,
         Join({kRect,
               kFonts,
               {"Multiline", "Selectable", "TextAlignment", "TextColor", "Value", "DataSource", "DataField"}}),
         T::String},
        {"TextField", &fw::TextField::ClassRecordOf,
         Join({kRect,
               kFonts,
               {"BackgroundColor", "HasBorder", "Format", "Password", "TextColor", "AllowFocusRing", "Hint", "Value",
                "AllowTabs", "TextAlignment", "AllowSpellChecking", "MaximumCharactersAllowed", "ValidationMask",
                "ReadOnly", "DataSource", "DataField"}}),
         T::String},
        {"TextArea", &fw::TextArea::ClassRecordOf,
         Join({kRect,
               kFonts,
               {"BackgroundColor",
                "HasBorder",
                "Format",
                "HideSelection",
                "LineHeight",
                "LineSpacing",
                "Multiline",
                "HasHorizontalScrollbar",
                "HasVerticalScrollbar",
                "AllowStyledText",
                "TextColor",
                "AllowFocusRing",
                "Value",
                "AllowTabs",
                "TextAlignment",
                "AllowSpellChecking",
                "MaximumCharactersAllowed",
                "ValidationMask",
                "ReadOnly",
                "DataSource",
                "DataField"}}),
         T::String},
        {"Line",
         &fw::Line::ClassRecordOf,
         {"Name", "Index", "X1", "X2", "Y1", "Y2", "TabPanelIndex", "Thickness", "LineColor", "Transparent", "Visible",
          "InitialParent"},
         T::String},
        {"Timer", &fw::Timer::ClassRecordOf, {"Period", "RunMode"}, T::String},
        {"Window",
         &fw::Window::ClassRecordOf,
         {"Width",
          "Height",
          "MinimumWidth",
          "MinimumHeight",
          "MaximumWidth",
          "MaximumHeight",
          "Type",
          "Title",
          "HasCloseButton",
          "HasMaximizeButton",
          "HasMinimizeButton",
          "HasFullScreenButton",
          "Resizeable",
          "Composite",
          "MacProcID",
          "FullScreen",
          "DefaultLocation",
          "Visible",
          "HasBackgroundColor",
          "BackgroundColor",
          "MenuBarVisible",
          "LiveResize"},
         T::String},
    };
}

// A value of the type, different for every key and from the key's default.
fw::PropertyValue SampleValue(const std::string &key, PropertyType type, int i, const fw::PropertyValue &current) {
    if (key == "Period") return int64_t{5000};
    if (key == "RunMode") return int64_t{0} == std::get<int64_t>(current) ? int64_t{2} : int64_t{0};
    switch (type) {
    case T::String:
        return fw::String("v " + key + std::string(" \xC3\xA9\r\0 x", 7) + std::to_string(i));
    case T::Boolean:
        return !std::get<bool>(current);
    case T::FontUnits:
        return uint8_t(3);
    case T::Integer:
        return int64_t{-2147483648LL} - i; // negative, past 32 bits
    case T::Double:
        return -1.25 - i;
    case T::Single:
        return 0.5f + static_cast<float>(i);
    case T::Color:
        return fw::Color{uint8_t(i), uint8_t(2 * i), uint8_t(3 * i), 0};
    }
    return {};
}

void Append(fw::PropertyListBuilder &b, const std::string &key, const fw::PropertyValue &v) {
    std::visit(
        [&](const auto &x) {
            using V = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<V, fw::String>)
                b.Str(key, x.view());
            else if constexpr (std::is_same_v<V, bool>)
                b.Bool(key, x);
            else if constexpr (std::is_same_v<V, uint8_t>)
                b.FontUnit(key, x);
            else if constexpr (std::is_same_v<V, int64_t>)
                b.Int(key, x);
            else if constexpr (std::is_same_v<V, double>)
                b.Dbl(key, x);
            else if constexpr (std::is_same_v<V, float>)
                b.Sgl(key, x);
            else
                b.Colour(key, x);
        },
        v);
}

TEST(PropertyLists, EveryKeyOfEveryKindIsDeclaredWithItsTypeAndReadsBack) {
    for (const Kind &kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        const fw::ClassRecord &record = kind.record();
        fw::Ref<fw::Object> target = fw::RuntimeNewObject(record);

        fw::PropertyListBuilder list;
        std::vector<fw::PropertyValue> expected;
        int i = 1;
        for (const std::string &key : kind.keys) {
            const fw::PropertyDecl *decl = record.FindProperty(key);
            ASSERT_NE(decl, nullptr) << kind.name << " lacks " << key;
            const PropertyType want = key == "Value" ? kind.valueType : kKeyTypes.at(key);
            EXPECT_EQ(decl->type, want) << kind.name << "." << key;
            expected.push_back(SampleValue(key, decl->type, i++, fw::GetProperty(*target, key)));
            Append(list, key, expected.back());
        }
        fw::_SetProperties(*target, list.Bytes());
        for (std::size_t k = 0; k < kind.keys.size(); ++k)
            EXPECT_EQ(fw::GetProperty(*target, kind.keys[k]), expected[k]) << kind.name << "." << kind.keys[k];
    }
}

std::string RaisedMessage(fw::Object &target, const std::string &list) {
    try {
        fw::_SetProperties(target, list);
    } catch (const fw::Raised &r) {
        return r.Describe();
    }
    return "nothing raised";
}

TEST(PropertyLists, LaterEntryWinsAndNegativeAndEmptyValuesReadInFull) {
    fw::Ref<fw::Canvas> canvas = fw::NewObject<fw::Canvas>();
    fw::PropertyListBuilder b;
    b.Bool("Transparent", false).Str("Tooltip", "").Int("Left", 5).Int("Left", -12).Int("Index", -2147483648LL);
    b.Str("InitialParent", "").Bool("Transparent", true).Int("Top", -1);
    fw::_SetProperties(*canvas, b.Bytes());
    EXPECT_TRUE(canvas->Transparent());
    EXPECT_EQ(canvas->Left(), -12);
    EXPECT_EQ(canvas->Top(), -1);
    EXPECT_EQ(canvas->Index(), -2147483648LL);
    EXPECT_EQ(canvas->Tooltip(), "");
}

TEST(PropertyLists, ValueIsOneByteOnRadioButtonsAndCountedTextElsewhere) {
    fw::Ref<fw::RadioButton> radio = fw::NewObject<fw::RadioButton>();
    fw::_SetProperties(*radio, fw::PropertyListBuilder().Bool("Value", true).Int("Left", 7).Bytes());
    EXPECT_TRUE(radio->Value());
    EXPECT_EQ(radio->Left(), 7);

    fw::Ref<fw::Label> label = fw::NewObject<fw::Label>();
    fw::_SetProperties(*label, fw::PropertyListBuilder().Str("Value", "two\rlines \xC2\xA0!").Int("Left", 7).Bytes());
    EXPECT_EQ(label->Value(), "two\rlines \xC2\xA0!");
    EXPECT_EQ(label->Left(), 7);

    fw::Ref<fw::TextArea> area = fw::NewObject<fw::TextArea>();
    fw::_SetProperties(*area, fw::PropertyListBuilder().Str("Value", "a\rb").Bool("ReadOnly", true).Bytes());
    EXPECT_EQ(area->Text(), "a\rb");
    EXPECT_TRUE(area->ReadOnly());
}

TEST(PropertyLists, UnknownKeyOrTruncatedListRaisesNamingKeyAndOffset) {
    fw::Ref<fw::Canvas> canvas = fw::NewObject<fw::Canvas>();
    const std::string head = fw::PropertyListBuilder().Int("Left", 1).Bytes(); // 13 bytes
    struct Row {
        std::string list;
        const char *key;
        std::size_t offset;
    };
    const std::vector<Row> rows = {
        {head + fw::PropertyListBuilder().Bool("Bogus", true).Bytes(), "Bogus", head.size()},
        // Keys of other kinds are unknown to a canvas.
        {head + fw::PropertyListBuilder().Str("FontName", "System").Bytes(), "FontName", head.size()},
        {head + fw::PropertyListBuilder().Int("Top", 3).Bytes().substr(0, 8), "Top", head.size()},
        {head + fw::PropertyListBuilder().Str("Tooltip", "abcdef").Bytes().substr(0, 14), "Tooltip", head.size()},
        {fw::PropertyListBuilder().Int("Left", 1).Bytes().substr(0, 3), "Lef", 0},
    };
    for (const Row &row : rows) {
        const std::string message = RaisedMessage(*canvas, row.list);
        EXPECT_NE(message.find(std::string("\"") + row.key), std::string::npos) << message;
        EXPECT_NE(message.find("byte offset " + std::to_string(row.offset)), std::string::npos) << message;
    }
    fw::Ref<fw::TextField> field = fw::NewObject<fw::TextField>();
    EXPECT_NE(
        RaisedMessage(*field, fw::PropertyListBuilder().Bool("HideSelection", true).Bytes()).find("HideSelection"),
        std::string::npos);
}

} // namespace
