#include "ui/about_wnd_lists.h"

#include <cstdint>
#include <string_view>

#include "framework/properties.h"
#include "ui/credits.h"

namespace about_lists {

namespace {

constexpr int64_t kNoIndex = -2147483648LL;
constexpr fw::Color kBackground{0xF5, 0xEB, 0xFC, 0};
constexpr fw::Color kBlack{0x00, 0x00, 0x00, 0};

struct CanvasPlace {
    int64_t tabIndex, height, width, top, left;
    std::string_view name;
};

std::string CanvasList(const CanvasPlace &c) {
    return fw::PropertyListBuilder()
        .Str("InitialParent", "")
        .Bool("Transparent", true)
        .Bool("DoubleBuffer", false)
        .Bool("Visible", true)
        .Bool("Enabled", true)
        .Bool("TabStop", false)
        .Int("TabPanelIndex", 0)
        .Int("TabIndex", c.tabIndex)
        .Bool("LockBottom", false)
        .Bool("LockRight", false)
        .Bool("LockTop", true)
        .Bool("LockLeft", true)
        .Int("Height", c.height)
        .Int("Width", c.width)
        .Int("Top", c.top)
        .Int("Left", c.left)
        .Int("Index", kNoIndex)
        .Str("Name", c.name)
        .Bool("AllowAutoDeactivate", true)
        .Str("Tooltip", "")
        .Bool("AllowFocusRing", true)
        .Bool("AllowFocus", false)
        .Bool("AllowTabs", false)
        .Bytes();
}

} // namespace

const std::string &Window() {
    static const std::string list = fw::PropertyListBuilder()
                                        .Int("Width", 500)
                                        .Int("Height", 325)
                                        .Int("MinimumWidth", 64)
                                        .Int("MinimumHeight", 64)
                                        .Int("MaximumWidth", 32000)
                                        .Int("MaximumHeight", 32000)
                                        .Int("Type", 2)
                                        .Str("Title", "")
                                        .Bool("HasCloseButton", true)
                                        .Bool("HasMaximizeButton", true)
                                        .Bool("HasMinimizeButton", true)
                                        .Bool("HasFullScreenButton", false)
                                        .Bool("Resizeable", true)
                                        .Bool("Composite", false)
                                        .Int("MacProcID", 0)
                                        .Bool("FullScreen", false)
                                        .Int("DefaultLocation", 0)
                                        .Bool("Visible", true)
                                        .Bool("HasBackgroundColor", true)
                                        .Colour("BackgroundColor", kBackground)
                                        .Bool("MenuBarVisible", true)
                                        .Bool("LiveResize", false)
                                        .Bytes();
    return list;
}

const std::string &StaticText2() {
    static const std::string list = fw::PropertyListBuilder()
                                        .Str("InitialParent", "")
                                        .Str("DataField", "")
                                        .Str("DataSource", "")
                                        .Bool("Underline", false)
                                        .Bool("Italic", false)
                                        .Bool("Bold", false)
                                        .Bool("Visible", true)
                                        .Bool("Transparent", false)
                                        .Colour("TextColor", kBlack)
                                        .Bool("Selectable", false)
                                        .Bool("Multiline", true)
                                        .Bool("Enabled", true)
                                        .Bool("TabStop", false)
                                        .Int("TabPanelIndex", 0)
                                        .Int("TabIndex", 3)
                                        .Bool("LockBottom", false)
                                        .Bool("LockRight", false)
                                        .Bool("LockTop", false)
                                        .Bool("LockLeft", false)
                                        .Int("Height", 15)
                                        .Int("Width", 346)
                                        .Int("Top", 310)
                                        .Int("Left", 77)
                                        .Int("Index", kNoIndex)
                                        .Str("Name", "StaticText2")
                                        .Bool("AllowAutoDeactivate", true)
                                        .Str("Tooltip", "")
                                        .Int("TextAlignment", 2)
                                        .Str("Value", credits::kCopyrightLine)
                                        .Str("FontName", "System")
                                        .Sgl("FontSize", 9.0f)
                                        .FontUnit("FontUnit", 0)
                                        .Bytes();
    return list;
}

const std::string &Canvas1() {
    static const std::string list = CanvasList({4, 69, 346, 153, 77, "Canvas1"});
    return list;
}

const std::string &Canvas3() {
    static const std::string list = CanvasList({6, 103, 102, 53, 197, "Canvas3"});
    return list;
}

const std::string &Timer1() {
    static const std::string list = fw::PropertyListBuilder().Int("Period", 4000).Int("RunMode", 1).Bytes();
    return list;
}

} // namespace about_lists
