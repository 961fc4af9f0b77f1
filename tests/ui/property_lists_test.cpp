#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/properties.h"
#include "framework/text_area.h"
#include "framework/timer.h"
#include "framework/window.h"
#include "ui/about_wnd_lists.h"
#include "ui/help_wnd_lists.h"

namespace {

// Reads a list against the class of its target, entry by entry, as the
// framework's setter does; fails on a key the class does not declare or a
// value cut short.
std::vector<std::string> Keys(const std::string &list, const fw::ClassRecord &target) {
    std::vector<std::string> keys;
    std::size_t at = 0;
    while (at < list.size()) {
        const std::size_t blank = list.find(' ', at);
        if (blank == std::string::npos) {
            ADD_FAILURE() << "no blank after a key at byte " << at;
            break;
        }
        keys.push_back(list.substr(at, blank - at));
        const fw::PropertyDecl *decl = target.FindProperty(keys.back());
        if (!decl) {
            ADD_FAILURE() << target.name << " has no property " << keys.back();
            break;
        }
        at = blank + 1;
        switch (decl->type) {
        case fw::PropertyType::String: {
            uint32_t n = 0;
            if (at + 4 <= list.size()) std::memcpy(&n, list.data() + at, 4); // little-endian host
            at += 4 + n;
            break;
        }
        case fw::PropertyType::Boolean:
        case fw::PropertyType::FontUnits: at += 1; break;
        case fw::PropertyType::Integer:
        case fw::PropertyType::Double: at += 8; break;
        case fw::PropertyType::Single:
        case fw::PropertyType::Color: at += 4; break;
        }
    }
    EXPECT_EQ(at, list.size()) << "the last entry runs past the end";
    return keys;
}

struct ListCase {
    const char *name;
    const std::string &(*list)();
    const fw::ClassRecord &(*target)();
    std::vector<std::string> keys;
};

void PrintTo(const ListCase &c, std::ostream *out) { *out << c.name; }

const std::vector<std::string> kWindowKeys = {
    "Width", "Height", "MinimumWidth", "MinimumHeight", "MaximumWidth", "MaximumHeight", "Type", "Title",
    "HasCloseButton", "HasMaximizeButton", "HasMinimizeButton", "HasFullScreenButton", "Resizeable", "Composite",
    "MacProcID", "FullScreen", "DefaultLocation", "Visible", "HasBackgroundColor", "BackgroundColor",
    "MenuBarVisible", "LiveResize"};

const std::vector<std::string> kCanvasKeys = {
    "InitialParent", "Transparent", "DoubleBuffer", "Visible", "Enabled", "TabStop", "TabPanelIndex", "TabIndex",
    "LockBottom", "LockRight", "LockTop", "LockLeft", "Height", "Width", "Top", "Left", "Index", "Name",
    "AllowAutoDeactivate", "Tooltip", "AllowFocusRing", "AllowFocus", "AllowTabs"};

class PropertyListTest : public testing::TestWithParam<ListCase> {};

TEST_P(PropertyListTest, HoldsItsKeysInTheirFixedOrder) {
    EXPECT_EQ(Keys(GetParam().list(), GetParam().target()), GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    AboutAndHelp, PropertyListTest,
    testing::Values(
        ListCase{"AboutWindow", &about_lists::Window, &fw::Window::ClassRecordOf, kWindowKeys},
        ListCase{"AboutLabel", &about_lists::StaticText2, &fw::Label::ClassRecordOf,
                 {"InitialParent", "DataField", "DataSource", "Underline", "Italic", "Bold", "Visible",
                  "Transparent", "TextColor", "Selectable", "Multiline", "Enabled", "TabStop", "TabPanelIndex",
                  "TabIndex", "LockBottom", "LockRight", "LockTop", "LockLeft", "Height", "Width", "Top", "Left",
                  "Index", "Name", "AllowAutoDeactivate", "Tooltip", "TextAlignment", "Value", "FontName",
                  "FontSize", "FontUnit"}},
        ListCase{"AboutTitlePicture", &about_lists::Canvas1, &fw::Canvas::ClassRecordOf, kCanvasKeys},
        ListCase{"AboutIcon", &about_lists::Canvas3, &fw::Canvas::ClassRecordOf, kCanvasKeys},
        ListCase{"AboutTimer", &about_lists::Timer1, &fw::Timer::ClassRecordOf, {"Period", "RunMode"}},
        ListCase{"HelpWindow", &help_lists::Window, &fw::Window::ClassRecordOf, kWindowKeys},
        ListCase{"HelpText", &help_lists::EditField1, &fw::TextArea::ClassRecordOf,
                 {"InitialParent", "DataField", "DataSource", "ReadOnly", "Underline", "Italic", "Bold", "Visible",
                  "Transparent", "TextColor", "Multiline", "LineSpacing", "LineHeight", "HideSelection", "Format",
                  "Enabled", "TabStop", "TabPanelIndex", "TabIndex", "LockBottom", "LockRight", "LockTop",
                  "LockLeft", "Height", "Width", "Top", "Left", "Index", "Name", "AllowAutoDeactivate",
                  "BackgroundColor", "HasBorder", "Tooltip", "HasHorizontalScrollbar", "HasVerticalScrollbar",
                  "AllowStyledText", "AllowFocusRing", "FontName", "FontSize", "FontUnit", "Value", "AllowTabs",
                  "TextAlignment", "AllowSpellChecking", "MaximumCharactersAllowed", "ValidationMask"}}),
    [](const testing::TestParamInfo<ListCase> &info) { return std::string(info.param.name); });

} // namespace
