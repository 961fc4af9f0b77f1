#include "ui/help_wnd_lists.h"

#include <cstdint>

#include "framework/properties.h"
#include "resources/help_text.h"

namespace help_lists {

namespace {
constexpr fw::Color kWhite{0xFF, 0xFF, 0xFF, 0};
constexpr fw::Color kBlack{0x00, 0x00, 0x00, 0};
} // namespace

const std::string &Window() {
    static const std::string list = fw::PropertyListBuilder()
                                        .Int("Width", 550)
                                        .Int("Height", 500)
                                        .Int("MinimumWidth", 64)
                                        .Int("MinimumHeight", 64)
                                        .Int("MaximumWidth", 32000)
                                        .Int("MaximumHeight", 32000)
                                        .Int("Type", 0)
                                        .Str("Title", "Info")
                                        .Bool("HasCloseButton", true)
                                        .Bool("HasMaximizeButton", false)
                                        .Bool("HasMinimizeButton", true)
                                        .Bool("HasFullScreenButton", false)
                                        .Bool("Resizeable", true)
                                        .Bool("Composite", false)
                                        .Int("MacProcID", 0)
                                        .Bool("FullScreen", false)
                                        .Int("DefaultLocation", 3)
                                        .Bool("Visible", true)
                                        .Bool("HasBackgroundColor", false)
                                        .Colour("BackgroundColor", kWhite)
                                        .Bool("MenuBarVisible", true)
                                        .Bool("LiveResize", false)
                                        .Bytes();
    return list;
}

// The text area fills the window: its edges lie at -1, -1, 550 and 497 in
// the 550 x 500 content area, and all four locks keep those distances.
const std::string &EditField1() {
    static const std::string list = fw::PropertyListBuilder()
                                        .Str("InitialParent", "")
                                        .Str("DataField", "")
                                        .Str("DataSource", "")
                                        .Bool("ReadOnly", false)
                                        .Bool("Underline", false)
                                        .Bool("Italic", false)
                                        .Bool("Bold", false)
                                        .Bool("Visible", true)
                                        .Bool("Transparent", true)
                                        .Colour("TextColor", kBlack)
                                        .Bool("Multiline", true)
                                        .Dbl("LineSpacing", 1.0)
                                        .Dbl("LineHeight", 0.0)
                                        .Bool("HideSelection", true)
                                        .Str("Format", "")
                                        .Bool("Enabled", true)
                                        .Bool("TabStop", true)
                                        .Int("TabPanelIndex", 0)
                                        .Int("TabIndex", 0)
                                        .Bool("LockBottom", true)
                                        .Bool("LockRight", true)
                                        .Bool("LockTop", true)
                                        .Bool("LockLeft", true)
                                        .Int("Height", 498)
                                        .Int("Width", 551)
                                        .Int("Top", -1)
                                        .Int("Left", -1)
                                        .Int("Index", -2147483648LL)
                                        .Str("Name", "EditField1")
                                        .Bool("AllowAutoDeactivate", true)
                                        .Colour("BackgroundColor", kWhite)
                                        .Bool("HasBorder", true)
                                        .Str("Tooltip", "")
                                        .Bool("HasHorizontalScrollbar", false)
                                        .Bool("HasVerticalScrollbar", true)
                                        .Bool("AllowStyledText", true)
                                        .Bool("AllowFocusRing", true)
                                        .Str("FontName", "System")
                                        .Sgl("FontSize", 12.0f)
                                        .FontUnit("FontUnit", 0)
                                        .Str("Value", HelpText())
                                        .Bool("AllowTabs", false)
                                        .Int("TextAlignment", 0)
                                        .Bool("AllowSpellChecking", false)
                                        .Int("MaximumCharactersAllowed", 0)
                                        .Str("ValidationMask", "")
                                        .Bytes();
    return list;
}

} // namespace help_lists
