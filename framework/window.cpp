#include "framework/window.h"

#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "framework/property_decl.h"
#include "framework/rect_control.h"
#include "framework/view/control_view.h"
#include "framework/view/qt_support.h"
#include "framework/view/window_view.h"
#include "framework/window_registry.h"

#include <algorithm>

namespace fw {

namespace {

const Operation kWindowClassTable[] = {
    {"AcceptFileDrop", "( String )"},
    {"AcceptMacDataDrop", "( String )"},
    {"AcceptPictureDrop", "(  )"},
    {"AcceptRawDataDrop", "( String )"},
    {"AcceptTextDrop", "(  )"},
    {"BitmapForCaching", "( Integer, Integer ) as Picture"},
    {"Close", "(  )"},
    {"Constructor", "(  )"},
    {"Control", "( Integer ) as Control"},
    {"Controls", "(  ) as Control()"},
    {"DrawInto", "( Graphics, Integer, Integer )"},
    {"FocusNext", "(  )"},
    {"FocusPrevious", "(  )"},
    {"Hide", "(  )"},
    {"Invalidate", "( Boolean )"},
    {"Invalidate", "( Integer, Integer, Integer, Integer, Boolean )"},
    {"Maximize", "(  )"},
    {"Minimize", "(  )"},
    {"Operator_Convert", "(  )"},
    {"Refresh", "( Boolean )"},
    {"RefreshRect", "( Integer, Integer, Integer, Integer, Boolean )"},
    {"Restore", "(  )"},
    {"SetFocus", "(  )"},
    {"Show", "(  )"},
    {"ShowModal", "(  )"},
    {"ShowModalWithin", "( Window )"},
    {"ShowWithin", "( Window )"},
    {"TrueWindow", "(  ) as Window"},
    {"UpdateNow", "(  )"},
    {"Window", "(  )"},
    {"_AddControl", "( String, Control )"},
    {"_AddMenuHandler", "( String, Delegate )"},
    {"_ControlByName", "( String ) as Control"},
    {"_ControlByNameIndex", "( String, Integer ) as Control"},
    {"_DependencyList", "(  )"},
    {"_Move", "( Integer, Integer )"},
    {"__New", "( Class ) as Object"},
};

void BuildWindow(ClassRecord &r) {
    r.allocate = Allocator<Window>();
    r.AddOperations(kWindowClassTable);
    r.properties = {FW_DECL(Integer, Window, Width),
                    FW_DECL(Integer, Window, Height),
                    FW_DECL(Integer, Window, MinimumWidth),
                    FW_DECL(Integer, Window, MinimumHeight),
                    FW_DECL(Integer, Window, MaximumWidth),
                    FW_DECL(Integer, Window, MaximumHeight),
                    FW_DECL(Integer, Window, Type),
                    FW_DECL(String, Window, Title),
                    FW_DECL(Boolean, Window, HasCloseButton),
                    FW_DECL(Boolean, Window, HasMaximizeButton),
                    FW_DECL(Boolean, Window, HasMinimizeButton),
                    FW_DECL(Boolean, Window, HasFullScreenButton),
                    FW_DECL(Boolean, Window, Resizeable),
                    FW_DECL(Boolean, Window, Composite),
                    FW_DECL(Integer, Window, MacProcID),
                    FW_DECL(Boolean, Window, FullScreen),
                    FW_DECL(Integer, Window, DefaultLocation),
                    FW_DECL(Boolean, Window, Visible),
                    FW_DECL(Boolean, Window, HasBackgroundColor),
                    FW_DECL(Color, Window, BackgroundColor),
                    FW_DECL(Boolean, Window, MenuBarVisible),
                    FW_DECL(Boolean, Window, LiveResize)};
}

[[noreturn]] void NoMeaning(const char *operation, const char *why) {
    RaiseNew<PlatformException>(std::string("Window.") + operation + " is not supported here: " + why);
}

} // namespace

const ClassRecord &Window::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("Window", BuildWindow);
    return r;
}

Window::Window() = default;

Window::~Window() {
    for (Entry &e : controls_)
        e.control->EndWithWindow();
    view_.reset();
}

// --- building ---------------------------------------------------------------

void Window::Constructor() {
    if (built_ || building_ || closed_)
        RaiseNew<RuntimeException>("Window " + (Class() ? Class()->name : std::string()) + " is built already");
    view::CheckGuiThread("Window.Constructor");
    Ref<Window> self(this);
    building_ = true;
    detail::RegisterOpenWindow(*this);
    try {
        view_ = std::make_unique<view::WindowView>(*this);
        if (IsEventImplemented("Layout")) Layout();
        if (IsEventImplemented("CreateControls")) CreateControls();
        if (IsEventImplemented("AddMenuHandlers")) AddMenuHandlers(this);
        view_->ApplyTabOrder();
        // Every binding is made by now.
        const std::vector<Ref<fw::Control>> controls = Controls();
        for (const Ref<fw::Control> &c : controls)
            c->RaiseEvent(EventNumber::Open);
        building_ = false;
        built_ = true;
        view_->FitCaptions();
    } catch (...) {
        building_ = false;
        EndWindow();
        throw;
    }
    if (visible_) Show();
}

void Window::_AddControl(const String &name, Ref<fw::Control> control) {
    if (!control) RaiseNew<NilObjectException>("Nil control for \"" + name.str() + "\"");
    if (closed_) RaiseNew<RuntimeException>("The window has closed");
    if (control->OwnerWindow() && control->OwnerWindow() != this)
        RaiseNew<RuntimeException>("Control \"" + name.str() + "\" belongs to another window");
    for (const Entry &e : controls_)
        if (e.control == control) return;
    controls_.push_back({name, control});
    if (control->Name().empty()) control->SetName(name);
    control->AttachTo(*this);
    if (view_) control->CreateView(*view_);
}

Ref<fw::Control> Window::_ControlByName(std::string_view name) const {
    for (const Entry &e : controls_)
        if (e.name == name) return e.control;
    return nullptr;
}

Ref<fw::Control> Window::_ControlByNameIndex(std::string_view name, int64_t index) const {
    for (const Entry &e : controls_)
        if (e.name == name && e.control->Index() == index) return e.control;
    return nullptr;
}

Ref<Object> Window::__New(const ClassRecord &record) {
    if (!record.IsA(fw::Control::ClassRecordOf()))
        RaiseNew<IllegalCastException>(record.name + " is not a control class");
    return RuntimeNewObject(record);
}

Ref<fw::Control> Window::Control(int64_t index) const {
    if (index < 0 || index >= static_cast<int64_t>(controls_.size()))
        RaiseNew<OutOfBoundsException>("No control at index " + std::to_string(index));
    return controls_[static_cast<std::size_t>(index)].control;
}

std::vector<Ref<fw::Control>> Window::Controls() const {
    std::vector<Ref<fw::Control>> out;
    out.reserve(controls_.size());
    for (const Entry &e : controls_)
        out.push_back(e.control);
    return out;
}

void Window::_AddMenuHandler(const String &itemName, Ref<Delegate> handler) {
    menuHandlers_.Add(itemName, std::move(handler));
}

void Window::SetMenuBar(Ref<fw::MenuBar> menuBar) {
    BeforeChange();
    menuBar_ = std::move(menuBar);
    Changed(Aspect::Menu);
}

// --- events -----------------------------------------------------------------

bool Window::IsEventImplemented(const String &eventName) {
    return _RuntimeIsOwnEventHandled(*this, eventName);
}

void Window::RaiseMouseDown(int64_t x, int64_t y) {
    if (closed_ || !built_) return;
    Ref<Window> self(this);
    if (IsEventImplemented("MouseDown")) Event_MouseDown(x, y);
}

bool Window::RaiseKeyDown(const String &key) {
    if (closed_ || !built_) return false;
    Ref<Window> self(this);
    return IsEventImplemented("KeyDown") && Event_KeyDown(key);
}

// --- showing, hiding, closing -----------------------------------------------

void Window::SetVisible(bool visible) {
    BeforeChange();
    visible_ = visible;
    if (built_ && !closed_) Changed(Aspect::Visibility);
}

bool Window::IsShown() const { return built_ && !closed_ && view_ && view_->IsShown(); }

void Window::Show() {
    view::CheckGuiThread("Window.Show");
    if (!built_ && !building_) RaiseNew<RuntimeException>("Show: the window was never built");
    if (closed_) RaiseNew<RuntimeException>("Show: the window has closed");
    visible_ = true;
    if (building_) return; // shown once it is complete
    detail::BringToFront(*this);
    view_->Show();
}

void Window::Hide() {
    view::CheckGuiThread("Window.Hide");
    if (closed_) return;
    visible_ = false;
    if (view_) view_->Hide();
}

void Window::Close() {
    // A Close handler that closes its window again asks for what is under way.
    if (closed_ || closing_) return;
    view::CheckGuiThread("Window.Close");
    Ref<Window> self(this);
    closing_ = true;
    if (built_ && IsEventImplemented("Close")) {
        // The window closes even when its Close handler fails.
        RuntimeCallHandler([&] { Event_Close(); });
    }
    const bool wasBuilt = built_;
    EndWindow();
    // Linux has no global menu bar: with no window left in view, nothing
    // would be left to quit from.
    if (!wasBuilt) return;
    for (const Ref<Window> &w : OpenWindows())
        if (w->IsShown()) return;
    Quit(0);
}

void Window::Discard() {
    if (closed_) return;
    Ref<Window> self(this);
    EndWindow();
}

void Window::EndWindow() {
    closed_ = true;
    visible_ = false;
    detail::UnregisterOpenWindow(*this);
    const std::vector<Entry> controls = std::move(controls_);
    controls_.clear();
    for (const Entry &e : controls)
        e.control->EndWithWindow();
    menuHandlers_.Clear();
    view_.reset();
}

void Window::BeforeChange() const {
    if (view_) view::CheckGuiThread("Setting a window's property");
}

void Window::Changed(Aspect aspect) {
    if (view_) view_->Apply(aspect);
}

void Window::Resize(int64_t width, int64_t height) {
    BeforeChange();
    const int64_t dx = width - width_, dy = height - height_;
    width_ = width;
    height_ = height;
    if (dx || dy)
        for (const Entry &e : controls_)
            if (auto *rect = dynamic_cast<RectControl *>(e.control.get())) rect->FollowWindowResize(dx, dy);
    Changed(Aspect::Geometry);
}

// --- the thinly built operations ------------------------------------------------

void Window::AcceptFileDrop(const String &) { NoMeaning("AcceptFileDrop", "windows take no drops"); }
void Window::AcceptMacDataDrop(const String &) { NoMeaning("AcceptMacDataDrop", "windows take no drops"); }
void Window::AcceptPictureDrop() { NoMeaning("AcceptPictureDrop", "windows take no drops"); }
void Window::AcceptRawDataDrop(const String &) { NoMeaning("AcceptRawDataDrop", "windows take no drops"); }
void Window::AcceptTextDrop() { NoMeaning("AcceptTextDrop", "windows take no drops"); }
void Window::DrawInto(Object *, int64_t, int64_t) { NoMeaning("DrawInto", "there is no Graphics class"); }
void Window::Operator_Convert() { NoMeaning("Operator_Convert", "no conversion is defined"); }
void Window::Window_() { NoMeaning("Window", "no such operation"); }
void Window::_DependencyList() const { NoMeaning("_DependencyList", "no dependency lists"); }

Ref<Picture> Window::BitmapForCaching(int64_t width, int64_t height) { return Picture::Create(width, height); }

} // namespace fw
