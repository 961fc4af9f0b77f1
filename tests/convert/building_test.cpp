// Building the conversion window: its class record, its one shared
// instance, its controls and bindings, and the property lists behind them.
#include "tests/convert/window_fixture.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <set>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "convert/control_wnd_lists.h"
#include "framework/app_runtime.h"
#include "framework/properties.h"
#include "framework/property_decl.h"
#include "framework/view/window_view.h"
#include "ui/implicit_windows.h"
#include "ui/menu_bar1.h"
#include "ui/pictures.h"

#include <QStyle>
#include <QWidget>

namespace {

std::vector<std::string> Words(const char *text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

// --- the class record -----------------------------------------------------------

TEST(ControlWndClass, ExtendsTheWindowTableAndDescribesEveryMethod) {
    const fw::ClassRecord &record = ControlWnd::ClassRecordOf();
    const fw::ClassRecord &window = fw::Window::ClassRecordOf();
    EXPECT_EQ(record.name, "ControlWnd.ControlWnd");
    EXPECT_EQ(record.base, &window);
    EXPECT_EQ(&ControlWnd::ClassRecordOf(), &record);

    ASSERT_EQ(window.classTable.size(), 37u);
    ASSERT_EQ(record.classTable.size(), 37u + 64u);
    EXPECT_TRUE(std::equal(window.classTable.begin(), window.classTable.end(), record.classTable.begin()));
    const std::vector<std::string> own(record.classTable.begin() + 37, record.classTable.end());
    EXPECT_EQ(own, Words("Layout CreateControls _CreateControls0 "
                         "Canvas1 CalcBtn ClearSDBtn InfoBtn corrFld covFld Canvas3 Label3 dimFld scratchFld "
                         "Canvas4 Canvas5 sdFld Canvas6 RadioButton2 RadioButton1 Line1 Line2 Line3 Line4 "
                         "ClearCorrBtn ClearCovBtn Label1 "
                         "CalcBtn_Action ClearSDBtn_Action InfoBtn_Action corrFld_Open corrFld_TextChange "
                         "corrFld_KeyDown covFld_Open covFld_TextChange covFld_KeyDown Label3_Open dimFld_KeyDown "
                         "sdFld_KeyDown sdFld_Open sdFld_TextChange RadioButton2_Action RadioButton1_Action "
                         "ClearCorrBtn_Action ClearCovBtn_Action "
                         "InfoMenu InfoItem ControlItem EditMenu EditSelectAll UntitledMenu0 EditClear EditPaste "
                         "EditCopy EditCut UntitledMenu1 EditUndo FileMenu AboutItem FileQuit "
                         "AddMenuHandlers Event_Close _FileQuit_Action _InfoItem_Action _AboutItem_Action"));

    // 41 taken over from Window, by name; the 64 own in slot order; last
    // IsEventImplemented.
    ASSERT_EQ(record.methods.size(), 106u);
    std::vector<std::string> inherited;
    for (std::size_t i = 0; i < 41; ++i) inherited.push_back(record.methods[i].name);
    EXPECT_TRUE(std::is_sorted(inherited.begin(), inherited.end()));
    std::vector<std::string> expectedInherited = window.classTable;
    expectedInherited.insert(expectedInherited.end(), {"_GetControl", "_GetControlArray", "__Init", "__Exit"});
    std::sort(expectedInherited.begin(), expectedInherited.end());
    EXPECT_EQ(inherited, expectedInherited);
    for (std::size_t i = 0; i < 41; ++i) {
        const fw::MethodRecord &m = record.methods[i];
        if (m.slot >= 0) {
            EXPECT_EQ(record.classTable[static_cast<std::size_t>(m.slot)], m.name);
        }
    }
    for (std::size_t i = 0; i < 64; ++i) {
        const fw::MethodRecord &m = record.methods[41 + i];
        EXPECT_EQ(m.name, own[i]);
        EXPECT_EQ(m.slot, static_cast<int>(37 + i)) << m.name;
        EXPECT_EQ(m.attributes, m.name == "_CreateControls0" ? std::vector<std::string>{"Hidden"}
                                                              : std::vector<std::string>{})
            << m.name;
    }
    EXPECT_EQ(record.methods[105].name, "IsEventImplemented");
    EXPECT_EQ(record.methods[105].slot, -1);

    ASSERT_EQ(record.events.size(), 4u);
    const std::pair<const char *, const char *> events[] = {
        {"Layout", "Layout"}, {"CreateControls", "CreateControls"}, {"AddMenuHandlers", "AddMenuHandlers"},
        {"Close", "Event_Close"}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(record.events[i].event, events[i].first);
        EXPECT_EQ(record.events[i].handler, events[i].second);
    }
}

// --- the shared instance and what building it makes ---------------------------------

struct ControlRow {
    const char *name;
    const char *className;
    int64_t left, top, width, height, tabIndex;
};

// Creation order.
const ControlRow kControls[] = {
    {"Canvas1", "Canvas", 123, 25, 349, 70, 3},         {"CalcBtn", "PushButton", 30, 600, 90, 40, 5},
    {"ClearSDBtn", "PushButton", 364, 531, 70, 20, 6},  {"InfoBtn", "PushButton", 680, 600, 90, 40, 7},
    {"corrFld", "TextArea", 35, 229, 320, 300, 1},      {"covFld", "TextArea", 444, 229, 320, 300, 2},
    {"Canvas3", "Canvas", 20, 20, 102, 101, 8},         {"Label3", "Label", 35, 202, 186, 20, 11},
    {"dimFld", "TextField", 217, 202, 50, 20, 0},       {"scratchFld", "TextArea", -12, 665, 30, 10, 12},
    {"Canvas4", "Canvas", 20, 313, 15, 102, 13},        {"Canvas5", "Canvas", 765, 313, 15, 102, 14},
    {"sdFld", "TextArea", 364, 229, 70, 300, 15},       {"Canvas6", "Canvas", 383, 217, 28, 15, 16},
    {"RadioButton2", "RadioButton", 660, 201, 93, 20, 18}, {"RadioButton1", "RadioButton", 558, 201, 100, 20, 17},
    {"Line1", "Line", 0, 0, 0, 0, 0},                   {"Line2", "Line", 0, 0, 0, 0, 0},
    {"Line3", "Line", 0, 0, 0, 0, 0},                   {"Line4", "Line", 0, 0, 0, 0, 0},
    {"ClearCorrBtn", "PushButton", 155, 531, 80, 20, 19}, {"ClearCovBtn", "PushButton", 564, 531, 80, 20, 20},
    {"Label1", "Label", 123, 91, 349, 20, 21},
};

const std::set<std::pair<std::string, int>> kBindings = {
    {"CalcBtn", fw::EventNumber::Action},         {"ClearSDBtn", fw::EventNumber::Action},
    {"InfoBtn", fw::EventNumber::Action},         {"corrFld", fw::EventNumber::Open},
    {"corrFld", fw::EventNumber::TextChange},     {"corrFld", fw::EventNumber::KeyDown},
    {"covFld", fw::EventNumber::Open},            {"covFld", fw::EventNumber::TextChange},
    {"covFld", fw::EventNumber::KeyDown},         {"Label3", fw::EventNumber::Open},
    {"dimFld", fw::EventNumber::KeyDown},         {"sdFld", fw::EventNumber::KeyDown},
    {"sdFld", fw::EventNumber::Open},             {"sdFld", fw::EventNumber::TextChange},
    {"RadioButton2", fw::EventNumber::Action},    {"RadioButton1", fw::EventNumber::Action},
    {"ClearCorrBtn", fw::EventNumber::Action},    {"ClearCovBtn", fw::EventNumber::Action},
};

using ControlWndBuilding = ControlWndTest;

TEST_F(ControlWndBuilding, OneWindowWithItsControlsAndBindingsUntilItCloses) {
    EXPECT_EQ(fw::_GetImplicitWindow("ControlWnd.ControlWnd").get(), window.get());
    EXPECT_EQ(implicit::ControlWnd().get(), window.get());
    EXPECT_TRUE(window->IsShown());
    EXPECT_EQ(window->MenuBar().get(), implicit::MenuBar1().get());

    const std::vector<fw::Ref<fw::Control>> controls = window->Controls();
    ASSERT_EQ(controls.size(), std::size(kControls));
    int bindings = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlRow &row = kControls[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(controls[i]->Name().str(), row.name);
        EXPECT_EQ(window->_ControlByName(row.name).get(), controls[i].get());
        ASSERT_NE(controls[i]->Class(), nullptr);
        EXPECT_EQ(controls[i]->Class()->name, row.className);
        for (int event : {fw::EventNumber::TimerAction, fw::EventNumber::Open, fw::EventNumber::KeyDown,
                          fw::EventNumber::Action, fw::EventNumber::TextChange}) {
            const bool bound = kBindings.count({row.name, event}) > 0;
            EXPECT_EQ(controls[i]->HasEventHandler(event), bound) << "event " << event;
            bindings += bound;
        }
        if (auto *rect = dynamic_cast<fw::RectControl *>(controls[i].get())) {
            EXPECT_EQ(rect->Left(), row.left);
            EXPECT_EQ(rect->Top(), row.top);
            EXPECT_EQ(rect->Width(), row.width);
            EXPECT_EQ(rect->Height(), row.height);
            EXPECT_EQ(rect->TabIndex(), row.tabIndex);
            EXPECT_EQ(rect->TabStop(), std::strcmp(row.name, "Label3") != 0);
        }
    }
    EXPECT_EQ(bindings, 18);

    // Asking again builds nothing.
    EXPECT_EQ(implicit::ControlWnd().get(), window.get());
    EXPECT_EQ(window->Controls().size(), 23u);
    EXPECT_EQ(fw::ClassRegistry::Instance().BuildCount("ControlWnd.ControlWnd"), 1);

    // A closed window is gone: the next request builds a new one, fresh.
    window->dimFld()->SetText("7");
    window->Discard();
    fw::Ref<ControlWnd> next = implicit::ControlWnd();
    EXPECT_NE(next.get(), window.get());
    EXPECT_EQ(next->Controls().size(), 23u);
    EXPECT_EQ(next->dimFld()->Text().str(), "");
}

TEST_F(ControlWndBuilding, WhatTheControlsShow) {
    EXPECT_EQ(window->Title().str(), "Tandrel");
    EXPECT_EQ(window->Width(), 800);
    EXPECT_EQ(window->Height(), 650);
    EXPECT_FALSE(window->Resizeable());
    EXPECT_EQ(window->View()->Content()->size(), QSize(800, 650));

    EXPECT_EQ(window->Canvas1()->Backdrop().get(), pictures::TD270().get());
    EXPECT_EQ(window->Canvas3()->Backdrop().get(), pictures::icon75().get());
    EXPECT_EQ(window->Canvas4()->Backdrop().get(), pictures::corrM().get());
    EXPECT_EQ(window->Canvas5()->Backdrop().get(), pictures::covM().get());
    EXPECT_EQ(window->Canvas6()->Backdrop().get(), pictures::sd().get());
    EXPECT_TRUE(window->Canvas1()->Backdrop());

    const std::pair<fw::Ref<fw::PushButton>, const char *> buttons[] = {
        {window->CalcBtn(), "Calculate"},     {window->ClearSDBtn(), "Clear sd"},   {window->InfoBtn(), "Info"},
        {window->ClearCorrBtn(), "Clear Corr"}, {window->ClearCovBtn(), "Clear Cov"}};
    for (const auto &[button, caption] : buttons) {
        EXPECT_EQ(button->Caption().str(), caption);
        EXPECT_TRUE(button->IsDefault());
        EXPECT_FALSE(button->Cancel());
    }
    EXPECT_EQ(window->RadioButton1()->Caption().str(), "Corr to Cov");
    EXPECT_EQ(window->RadioButton2()->Caption().str(), "Cov to Corr");
    EXPECT_FALSE(window->RadioButton1()->Value());
    EXPECT_FALSE(window->RadioButton2()->Value());
    EXPECT_EQ(window->Label3()->Text().str(), "Dimension of matrix (2-100):");
    EXPECT_FALSE(window->Label1()->Text().empty());

    // The hidden buffer lies outside the content area and still keeps text.
    fw::Ref<fw::TextArea> scratch = window->scratchFld();
    EXPECT_FALSE(scratch->Visible());
    EXPECT_TRUE(WidgetOf(*scratch)->isHidden());
    scratch->SetText("1 2\r3 4\r");
    EXPECT_EQ(scratch->Text().str(), "1 2\r3 4\r");

    // The four lines close a frame from (549, 199) to (760, 222).
    const std::pair<fw::Ref<fw::Line>, std::array<double, 4>> lines[] = {
        {window->Line1(), {549, 199, 760, 199}},
        {window->Line2(), {549, 222, 760, 222}},
        {window->Line3(), {760, 200, 760, 221}},
        {window->Line4(), {549, 200, 549, 221}}};
    for (const auto &[line, at] : lines) {
        EXPECT_EQ(line->X1(), at[0]);
        EXPECT_EQ(line->Y1(), at[1]);
        EXPECT_EQ(line->X2(), at[2]);
        EXPECT_EQ(line->Y2(), at[3]);
        EXPECT_EQ(line->Thickness(), 2.0);
        EXPECT_EQ(line->LineColor(), (fw::Color{0x99, 0x99, 0x99, 0}));
    }
}

// The window's bold "System" 12 captions (the two radio buttons and the
// dimension caption) are drawn in one font at one size, each one whole in
// the width it was laid out with; so are the push buttons' captions.
TEST_F(ControlWndBuilding, CaptionsOfOneFontShareOneSizeAndShowWhole) {
    ProcessEvents();
    const QWidget *label = WidgetOf(*window->Label3());
    EXPECT_TRUE(label->font().bold());
    EXPECT_GE(label->font().pixelSize(), 9); // no more than a quarter smaller than 12
    EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromStdString(window->Label3()->Text().str())),
              label->width());
    for (const fw::Ref<fw::RadioButton> &radio : {window->RadioButton1(), window->RadioButton2()}) {
        const QWidget *w = WidgetOf(*radio);
        EXPECT_EQ(w->font(), label->font()) << radio->Caption().str();
        const int indicator = w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
                              w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
        EXPECT_LE(indicator + w->fontMetrics().horizontalAdvance(QString::fromStdString(radio->Caption().str())),
                  w->width())
            << radio->Caption().str();
    }
    const fw::Ref<fw::PushButton> buttons[] = {window->CalcBtn(), window->ClearSDBtn(), window->InfoBtn(),
                                               window->ClearCorrBtn(), window->ClearCovBtn()};
    for (const fw::Ref<fw::PushButton> &button : buttons) {
        const QWidget *w = WidgetOf(*button);
        EXPECT_EQ(w->font(), WidgetOf(*window->CalcBtn())->font()) << button->Caption().str();
        EXPECT_LE(w->fontMetrics().horizontalAdvance(QString::fromStdString(button->Caption().str())), w->width());
    }
}

TEST_F(ControlWndBuilding, MenuItemAccessorsFindTheSharedBarsItems) {
    fw::Ref<MenuBar1> bar = implicit::MenuBar1();
    const std::pair<fw::Ref<fw::MenuItem>, const char *> items[] = {
        {window->InfoMenu(), "InfoMenu"},       {window->InfoItem(), "InfoItem"},
        {window->ControlItem(), "ControlItem"}, {window->EditMenu(), "EditMenu"},
        {window->EditSelectAll(), "EditSelectAll"}, {window->UntitledMenu0(), "UntitledMenu0"},
        {window->EditClear(), "EditClear"},     {window->EditPaste(), "EditPaste"},
        {window->EditCopy(), "EditCopy"},       {window->EditCut(), "EditCut"},
        {window->UntitledMenu1(), "UntitledMenu1"}, {window->EditUndo(), "EditUndo"},
        {window->FileMenu(), "FileMenu"},       {window->AboutItem(), "AboutItem"},
        {window->FileQuit(), "FileQuit"}};
    for (const auto &[item, name] : items) {
        ASSERT_TRUE(item) << name;
        EXPECT_EQ(item.get(), bar->_Lookup(name).get()) << name;
    }
}

TEST_F(ControlWndBuilding, AnswersForTheFourWindowEventsOnly) {
    for (const char *event : {"Layout", "CreateControls", "AddMenuHandlers", "Close"})
        EXPECT_TRUE(window->IsEventImplemented(event)) << event;
    for (const char *event : {"MouseDown", "KeyDown", "Open", "Activate"})
        EXPECT_FALSE(window->IsEventImplemented(event)) << event;
}

// --- the property lists -------------------------------------------------------

struct Entry {
    std::string key;
    fw::PropertyValue value;
};

// Reads a list against the declared types of its target's class.
std::vector<Entry> Decode(const std::string &list, const fw::ClassRecord &record) {
    std::vector<Entry> entries;
    std::size_t at = 0;
    auto take = [&](std::size_t n) {
        if (at + n > list.size()) throw std::runtime_error("list ends inside an entry");
        std::string bytes = list.substr(at, n);
        at += n;
        return bytes;
    };
    auto little = [&](std::size_t n) {
        const std::string bytes = take(n);
        uint64_t v = 0;
        for (std::size_t i = n; i-- > 0;) v = (v << 8) | static_cast<unsigned char>(bytes[i]);
        return v;
    };
    while (at < list.size()) {
        const std::size_t blank = list.find(' ', at);
        if (blank == std::string::npos) throw std::runtime_error("key without value");
        Entry e;
        e.key = list.substr(at, blank - at);
        at = blank + 1;
        const fw::PropertyDecl *decl = record.FindProperty(e.key);
        if (!decl) throw std::runtime_error(record.name + " has no property " + e.key);
        switch (decl->type) {
        case fw::PropertyType::String: {
            const auto n = static_cast<std::size_t>(little(4));
            e.value = fw::String(take(n));
            break;
        }
        case fw::PropertyType::Boolean: e.value = little(1) != 0; break;
        case fw::PropertyType::FontUnits: e.value = static_cast<uint8_t>(little(1)); break;
        case fw::PropertyType::Integer: e.value = static_cast<int64_t>(little(8)); break;
        case fw::PropertyType::Double: e.value = std::bit_cast<double>(little(8)); break;
        case fw::PropertyType::Single: e.value = std::bit_cast<float>(static_cast<uint32_t>(little(4))); break;
        case fw::PropertyType::Color: {
            const std::string b = take(4);
            e.value = fw::Color{static_cast<uint8_t>(b[0]), static_cast<uint8_t>(b[1]), static_cast<uint8_t>(b[2]),
                                static_cast<uint8_t>(b[3])};
            break;
        }
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

std::vector<std::string> KeysOf(const std::vector<Entry> &entries) {
    std::vector<std::string> keys;
    for (const Entry &e : entries) keys.push_back(e.key);
    return keys;
}

// The keys of each kind of list, in their order.
const std::pair<const char *, const char *> kKeyOrders[] = {
    {"Window", "Width Height MinimumWidth MinimumHeight MaximumWidth MaximumHeight Type Title HasCloseButton "
               "HasMaximizeButton HasMinimizeButton HasFullScreenButton Resizeable Composite MacProcID FullScreen "
               "DefaultLocation Visible HasBackgroundColor BackgroundColor MenuBarVisible LiveResize"},
    {"Canvas", "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabIndex TabPanelIndex "
               "TabStop AllowAutoDeactivate Enabled Tooltip AllowFocusRing Visible AllowFocus AllowTabs Transparent "
               "DoubleBuffer Transparent InitialParent"},
    {"PushButton", "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabIndex TabPanelIndex "
                   "TabStop AllowAutoDeactivate MacButtonStyle Cancel Caption Default Enabled Tooltip Transparent "
                   "Visible FontName FontSize FontUnit Bold Italic Underline InitialParent"},
    {"TextArea", "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabIndex TabPanelIndex "
                 "TabStop AllowAutoDeactivate BackgroundColor HasBorder Enabled Format Tooltip HideSelection "
                 "LineHeight LineSpacing Multiline HasHorizontalScrollbar HasVerticalScrollbar AllowStyledText "
                 "TextColor Transparent AllowFocusRing Visible Bold Italic FontName FontSize FontUnit Underline Value "
                 "AllowTabs TextAlignment AllowSpellChecking MaximumCharactersAllowed ValidationMask ReadOnly "
                 "DataSource DataField"},
    {"Label", "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabIndex TabPanelIndex TabStop "
              "AllowAutoDeactivate Enabled Tooltip Multiline Selectable TextAlignment TextColor Transparent Value "
              "Visible Bold Italic FontName Underline FontSize FontUnit DataSource DataField InitialParent"},
    {"TextField", "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabIndex TabPanelIndex "
                  "TabStop AllowAutoDeactivate BackgroundColor HasBorder Enabled Format Tooltip Password TextColor "
                  "Transparent AllowFocusRing Visible FontName FontSize FontUnit Bold Italic Underline Hint Value "
                  "AllowTabs TextAlignment AllowSpellChecking MaximumCharactersAllowed ValidationMask ReadOnly "
                  "DataSource DataField"},
    {"RadioButton", "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabIndex TabPanelIndex "
                    "TabStop AllowAutoDeactivate Caption Enabled Tooltip Transparent Visible FontName FontSize "
                    "FontUnit Bold Italic Underline Value InitialParent"},
    {"Line", "Name Index X1 X2 Y1 Y2 TabPanelIndex Thickness LineColor Transparent Visible InitialParent"},
};

std::vector<std::string> KeyOrderOf(const std::string &kind) {
    for (const auto &[name, keys] : kKeyOrders)
        if (kind == name) return Words(keys);
    return {};
}

// Every entry holds its value on the target once the window is built; an
// entry that stands twice leaves the later value. The matrix fields' Open
// handlers have replaced the font of their lists by then.
void ExpectApplied(const fw::Object &target, const std::vector<Entry> &entries) {
    const fw::String name = entries.empty() || entries.front().key != "Name"
                                ? fw::String()
                                : std::get<fw::String>(entries.front().value);
    const bool matrixField = name == "corrFld" || name == "covFld" || name == "sdFld";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        const bool overridden = std::any_of(entries.begin() + static_cast<std::ptrdiff_t>(i) + 1, entries.end(),
                                            [&](const Entry &later) { return later.key == e.key; });
        if (overridden) continue;
        if (matrixField && (e.key == "FontName" || e.key == "FontSize")) continue;
        EXPECT_TRUE(fw::GetProperty(target, e.key) == e.value) << e.key;
    }
}

TEST_F(ControlWndBuilding, EveryListHasTheKeysOfItsKindAndHoldsOnItsTarget) {
    {
        SCOPED_TRACE("window");
        const std::vector<Entry> entries = Decode(control_wnd_lists::Window(), *window->Class());
        EXPECT_EQ(KeysOf(entries), KeyOrderOf("Window"));
        ExpectApplied(*window, entries);
    }
    for (const fw::Ref<fw::Control> &control : window->Controls()) {
        const std::string name = control->Name().str();
        SCOPED_TRACE(name);
        const std::vector<Entry> entries = Decode(control_wnd_lists::Control(name), *control->Class());
        EXPECT_EQ(KeysOf(entries), KeyOrderOf(control->Class()->name));
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries.front().key, "Name");
        EXPECT_TRUE(entries.front().value == fw::PropertyValue(fw::String(name)));
        ExpectApplied(*control, entries);
        // The settings every control of the window shares.
        EXPECT_TRUE(fw::GetProperty(*control, "Index") == fw::PropertyValue(int64_t{-2147483648LL}));
        EXPECT_TRUE(fw::GetProperty(*control, "Transparent") == fw::PropertyValue(name != "Label1"));
        EXPECT_TRUE(fw::GetProperty(*control, "Visible") == fw::PropertyValue(name != "scratchFld"));
    }
    EXPECT_THROW(control_wnd_lists::Control("Timer1"), fw::Raised);
}

TEST_F(ControlWndBuilding, FieldSettingsThatDecideWhatTheUserCanType) {
    struct Row {
        fw::Ref<fw::TextEdit> field;
        bool allowTabs;
        int64_t alignment;
        int64_t maximum;
        const char *mask;
    };
    const Row rows[] = {
        {window->corrFld(), true, 0, 0, ""},
        {window->covFld(), true, 0, 0, ""},
        {window->sdFld(), false, 1, 0, ""},
        {window->scratchFld(), false, 0, 0, ""},
        {window->dimFld(), false, 0, 3, "###"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.field->Name().str());
        EXPECT_EQ(row.field->AllowTabs(), row.allowTabs);
        EXPECT_EQ(row.field->TextAlignment(), row.alignment);
        EXPECT_EQ(row.field->MaximumCharactersAllowed(), row.maximum);
        EXPECT_EQ(row.field->ValidationMask().str(), row.mask);
        EXPECT_FALSE(row.field->ReadOnly());
    }
    EXPECT_TRUE(window->corrFld()->HasHorizontalScrollbar());
    EXPECT_TRUE(window->covFld()->HasHorizontalScrollbar());
    EXPECT_FALSE(window->sdFld()->HasHorizontalScrollbar());
}

} // namespace
