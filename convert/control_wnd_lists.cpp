#include "convert/control_wnd_lists.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/exceptions.h"
#include "framework/properties.h"
#include "ui/credits.h"

namespace control_wnd_lists {

namespace {

using fw::Color;
using fw::PropertyListBuilder;

constexpr int64_t kNoIndex = -2147483648LL;
constexpr Color kWindowBackground{0xF5, 0xEB, 0xFC, 0};
constexpr Color kWhite{0xFF, 0xFF, 0xFF, 0};
constexpr Color kBlack{0x00, 0x00, 0x00, 0};
constexpr Color kCreditColour{0x00, 0x0A, 0x31, 0};
constexpr Color kFrameGrey{0x99, 0x99, 0x99, 0};

struct Box {
    int64_t left, top, width, height, tabIndex;
};

// What every control list but a line's begins with.
PropertyListBuilder &Head(PropertyListBuilder &b, std::string_view name, const Box &box, bool tabStop = true) {
    return b.Str("Name", name)
        .Int("Index", kNoIndex)
        .Int("Left", box.left)
        .Int("Top", box.top)
        .Int("Width", box.width)
        .Int("Height", box.height)
        .Bool("LockLeft", true)
        .Bool("LockTop", true)
        .Bool("LockRight", false)
        .Bool("LockBottom", false)
        .Int("TabIndex", box.tabIndex)
        .Int("TabPanelIndex", 0)
        .Bool("TabStop", tabStop)
        .Bool("AllowAutoDeactivate", true);
}

std::string WindowList() {
    PropertyListBuilder b;
    b.Int("Width", 800)
        .Int("Height", 650)
        .Int("MinimumWidth", 64)
        .Int("MinimumHeight", 64)
        .Int("MaximumWidth", 32000)
        .Int("MaximumHeight", 32000)
        .Int("Type", 0)
        .Str("Title", "Tandrel")
        .Bool("HasCloseButton", true)
        .Bool("HasMaximizeButton", false)
        .Bool("HasMinimizeButton", true)
        .Bool("HasFullScreenButton", false)
        .Bool("Resizeable", false)
        .Bool("Composite", false)
        .Int("MacProcID", 0)
        .Bool("FullScreen", false)
        .Int("DefaultLocation", 0)
        .Bool("Visible", true)
        .Bool("HasBackgroundColor", true)
        .Colour("BackgroundColor", kWindowBackground)
        .Bool("MenuBarVisible", true)
        .Bool("LiveResize", true);
    return b.Bytes();
}

std::string CanvasList(std::string_view name, const Box &box) {
    PropertyListBuilder b;
    Head(b, name, box)
        .Bool("Enabled", true)
        .Str("Tooltip", "")
        .Bool("AllowFocusRing", true)
        .Bool("Visible", true)
        .Bool("AllowFocus", false)
        .Bool("AllowTabs", false)
        .Bool("Transparent", true)
        .Bool("DoubleBuffer", false)
        .Bool("Transparent", true)
        .Str("InitialParent", "");
    return b.Bytes();
}

std::string PushButtonList(std::string_view name, const Box &box, std::string_view caption) {
    PropertyListBuilder b;
    Head(b, name, box)
        .Int("MacButtonStyle", 0)
        .Bool("Cancel", false)
        .Str("Caption", caption)
        .Bool("Default", true)
        .Bool("Enabled", true)
        .Str("Tooltip", "")
        .Bool("Transparent", true)
        .Bool("Visible", true)
        .Str("FontName", "System")
        .Sgl("FontSize", 0.0f)
        .FontUnit("FontUnit", 0)
        .Bool("Bold", false)
        .Bool("Italic", false)
        .Bool("Underline", false)
        .Str("InitialParent", "");
    return b.Bytes();
}

struct TextAreaSettings {
    bool horizontalScrollbar = true;
    bool allowTabs = false;
    int64_t alignment = 0;
    bool focusRing = true;
    bool visible = true;
};

std::string TextAreaList(std::string_view name, const Box &box, const TextAreaSettings &s) {
    PropertyListBuilder b;
    Head(b, name, box)
        .Colour("BackgroundColor", kWhite)
        .Bool("HasBorder", true)
        .Bool("Enabled", true)
        .Str("Format", "")
        .Str("Tooltip", "")
        .Bool("HideSelection", true)
        .Dbl("LineHeight", 0.0)
        .Dbl("LineSpacing", 1.0)
        .Bool("Multiline", true)
        .Bool("HasHorizontalScrollbar", s.horizontalScrollbar)
        .Bool("HasVerticalScrollbar", true)
        .Bool("AllowStyledText", true)
        .Colour("TextColor", kBlack)
        .Bool("Transparent", true)
        .Bool("AllowFocusRing", s.focusRing)
        .Bool("Visible", s.visible)
        .Bool("Bold", false)
        .Bool("Italic", false)
        .Str("FontName", "System")
        .Sgl("FontSize", 0.0f)
        .FontUnit("FontUnit", 0)
        .Bool("Underline", false)
        .Str("Value", "")
        .Bool("AllowTabs", s.allowTabs)
        .Int("TextAlignment", s.alignment)
        .Bool("AllowSpellChecking", true)
        .Int("MaximumCharactersAllowed", 0)
        .Str("ValidationMask", "")
        .Bool("ReadOnly", false)
        .Str("DataSource", "")
        .Str("DataField", "");
    return b.Bytes();
}

struct LabelSettings {
    std::string_view text;
    bool tabStop = true;
    int64_t alignment = 0;
    Color textColour = kBlack;
    bool transparent = true;
    bool bold = false;
};

std::string LabelList(std::string_view name, const Box &box, const LabelSettings &s) {
    PropertyListBuilder b;
    Head(b, name, box, s.tabStop)
        .Bool("Enabled", true)
        .Str("Tooltip", "")
        .Bool("Multiline", false)
        .Bool("Selectable", false)
        .Int("TextAlignment", s.alignment)
        .Colour("TextColor", s.textColour)
        .Bool("Transparent", s.transparent)
        .Str("Value", s.text)
        .Bool("Visible", true)
        .Bool("Bold", s.bold)
        .Bool("Italic", false)
        .Str("FontName", "System")
        .Bool("Underline", false)
        .Sgl("FontSize", 12.0f)
        .FontUnit("FontUnit", 0)
        .Str("DataSource", "")
        .Str("DataField", "")
        .Str("InitialParent", "");
    return b.Bytes();
}

std::string DimensionFieldList(std::string_view name, const Box &box) {
    PropertyListBuilder b;
    Head(b, name, box)
        .Colour("BackgroundColor", kWhite)
        .Bool("HasBorder", true)
        .Bool("Enabled", true)
        .Str("Format", "")
        .Str("Tooltip", "")
        .Bool("Password", false)
        .Colour("TextColor", kBlack)
        .Bool("Transparent", true)
        .Bool("AllowFocusRing", true)
        .Bool("Visible", true)
        .Str("FontName", "System")
        .Sgl("FontSize", 12.0f)
        .FontUnit("FontUnit", 0)
        .Bool("Bold", false)
        .Bool("Italic", false)
        .Bool("Underline", false)
        .Str("Hint", "")
        .Str("Value", "")
        .Bool("AllowTabs", false)
        .Int("TextAlignment", 0)
        .Bool("AllowSpellChecking", false)
        .Int("MaximumCharactersAllowed", 3)
        .Str("ValidationMask", "###")
        .Bool("ReadOnly", false)
        .Str("DataSource", "")
        .Str("DataField", "");
    return b.Bytes();
}

std::string RadioButtonList(std::string_view name, const Box &box, std::string_view caption) {
    PropertyListBuilder b;
    Head(b, name, box)
        .Str("Caption", caption)
        .Bool("Enabled", true)
        .Str("Tooltip", "")
        .Bool("Transparent", true)
        .Bool("Visible", true)
        .Str("FontName", "System")
        .Sgl("FontSize", 12.0f)
        .FontUnit("FontUnit", 0)
        .Bool("Bold", true)
        .Bool("Italic", false)
        .Bool("Underline", false)
        .Bool("Value", false)
        .Str("InitialParent", "");
    return b.Bytes();
}

std::string LineList(std::string_view name, double x1, double y1, double x2, double y2) {
    PropertyListBuilder b;
    b.Str("Name", name)
        .Int("Index", kNoIndex)
        .Dbl("X1", x1)
        .Dbl("X2", x2)
        .Dbl("Y1", y1)
        .Dbl("Y2", y2)
        .Int("TabPanelIndex", 0)
        .Dbl("Thickness", 2.0)
        .Colour("LineColor", kFrameGrey)
        .Bool("Transparent", true)
        .Bool("Visible", true)
        .Str("InitialParent", "");
    return b.Bytes();
}

using NamedList = std::pair<std::string_view, std::string>;

std::vector<NamedList> ControlLists() {
    const TextAreaSettings matrixField{.horizontalScrollbar = true, .allowTabs = true};
    return {
        {"Canvas1", CanvasList("Canvas1", {123, 25, 349, 70, 3})},
        {"CalcBtn", PushButtonList("CalcBtn", {30, 600, 90, 40, 5}, "Calculate")},
        {"ClearSDBtn", PushButtonList("ClearSDBtn", {364, 531, 70, 20, 6}, "Clear sd")},
        {"InfoBtn", PushButtonList("InfoBtn", {680, 600, 90, 40, 7}, "Info")},
        {"corrFld", TextAreaList("corrFld", {35, 229, 320, 300, 1}, matrixField)},
        {"covFld", TextAreaList("covFld", {444, 229, 320, 300, 2}, matrixField)},
        {"Canvas3", CanvasList("Canvas3", {20, 20, 102, 101, 8})},
        {"Label3", LabelList("Label3", {35, 202, 186, 20, 11},
                             {.text = "Dimension of matrix (2-100):", .tabStop = false, .bold = true})},
        {"dimFld", DimensionFieldList("dimFld", {217, 202, 50, 20, 0})},
        {"scratchFld", TextAreaList("scratchFld", {-12, 665, 30, 10, 12},
                                    {.horizontalScrollbar = true, .focusRing = false, .visible = false})},
        {"Canvas4", CanvasList("Canvas4", {20, 313, 15, 102, 13})},
        {"Canvas5", CanvasList("Canvas5", {765, 313, 15, 102, 14})},
        {"sdFld", TextAreaList("sdFld", {364, 229, 70, 300, 15}, {.horizontalScrollbar = false, .alignment = 1})},
        {"Canvas6", CanvasList("Canvas6", {383, 217, 28, 15, 16})},
        {"RadioButton2", RadioButtonList("RadioButton2", {660, 201, 93, 20, 18}, "Cov to Corr")},
        {"RadioButton1", RadioButtonList("RadioButton1", {558, 201, 100, 20, 17}, "Corr to Cov")},
        {"Line1", LineList("Line1", 549, 199, 760, 199)},
        {"Line2", LineList("Line2", 549, 222, 760, 222)},
        {"Line3", LineList("Line3", 760, 200, 760, 221)},
        {"Line4", LineList("Line4", 549, 200, 549, 221)},
        {"ClearCorrBtn", PushButtonList("ClearCorrBtn", {155, 531, 80, 20, 19}, "Clear Corr")},
        {"ClearCovBtn", PushButtonList("ClearCovBtn", {564, 531, 80, 20, 20}, "Clear Cov")},
        {"Label1", LabelList("Label1", {123, 91, 349, 20, 21},
                             {.text = credits::kCreditLine,
                              .alignment = 2,
                              .textColour = kCreditColour,
                              .transparent = false})},
    };
}

} // namespace

const std::string &Window() {
    static const std::string list = WindowList();
    return list;
}

const std::string &Control(std::string_view name) {
    static const std::vector<NamedList> lists = ControlLists();
    for (const NamedList &entry : lists)
        if (entry.first == name) return entry.second;
    fw::RaiseNew<fw::RuntimeException>("The conversion window has no control named \"" + std::string(name) + "\"");
}

} // namespace control_wnd_lists
