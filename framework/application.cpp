#include "framework/application.h"

#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "framework/property_decl.h"
#include "framework/view/qt_support.h"
#include "framework/view/window_view.h"
#include "framework/window.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QToolTip>

#include <chrono>
#include <thread>

namespace fw {

namespace {

bool supportsHiDPI = false;

const Operation kApplicationClassTable[] = {{"AddTrayItem"},           {"DoEvents"},
                                            {"HideTooltip"},           {"NewDocument"},
                                            {"OpenDocument"},          {"RefreshMenuBar"},
                                            {"RemoveTrayItem"},        {"ShowTooltip"},
                                            {"SleepCurrentThread"},    {"Window"},
                                            {"WindowCount"},           {"YieldToNextThread"},
                                            {"_AddMenuHandler"},       {"_AddPollableObject"},
                                            {"_DependencyList"},       {"_DoSingleEvent"},
                                            {"_RemovePollableObject"}, {"_x_SetVersionData"}};

void BuildApplication(ClassRecord &r) {
    r.allocate = Allocator<Application>();
    r.AddOperations(kApplicationClassTable);
    // The version data are set together, by _x_SetVersionData; the keys read them back.
    auto readOnly = [](Object &, const PropertyValue &) {
        RaiseNew<RuntimeException>("The version data are set by _x_SetVersionData");
    };
    auto integer = [readOnly](const char *name, int64_t (Application::*get)() const) {
        return new PropertyDecl{name, PropertyType::Integer, readOnly, [get](const Object &o) -> PropertyValue {
                                    return (static_cast<const Application &>(o).*get)();
                                }};
    };
    auto text = [readOnly](const char *name, const String &(Application::*get)() const) {
        return new PropertyDecl{name, PropertyType::String, readOnly, [get](const Object &o) -> PropertyValue {
                                    return (static_cast<const Application &>(o).*get)();
                                }};
    };
    r.properties = {integer("MajorVersion", &Application::MajorVersion),
                    integer("MinorVersion", &Application::MinorVersion),
                    integer("BugVersion", &Application::BugVersion),
                    integer("NonReleaseVersion", &Application::NonReleaseVersion),
                    integer("StageCode", &Application::StageCode),
                    text("LongVersion", &Application::LongVersion),
                    text("ShortVersion", &Application::ShortVersion),
                    text("PackageInfo", &Application::PackageInfo)};
}

[[noreturn]] void NoMeaning(const char *operation, const char *why) {
    RaiseNew<PlatformException>(std::string("Application.") + operation + " is not supported here: " + why);
}

} // namespace

const ClassRecord &Application::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("Application", BuildApplication);
    return r;
}

void Application::AddTrayItem(Object *) { NoMeaning("AddTrayItem", "there is no tray"); }
void Application::RemoveTrayItem(Object *) { NoMeaning("RemoveTrayItem", "there is no tray"); }
void Application::NewDocument() { NoMeaning("NewDocument", "the program has no document types"); }
void Application::OpenDocument(const String &) { NoMeaning("OpenDocument", "the program has no document types"); }
void Application::_AddPollableObject(Object *) { NoMeaning("_AddPollableObject", "nothing is polled"); }
void Application::_RemovePollableObject(Object *) { NoMeaning("_RemovePollableObject", "nothing is polled"); }
void Application::_DependencyList() const { NoMeaning("_DependencyList", "no dependency lists"); }

void Application::DoEvents(int64_t milliseconds) {
    if (!view::HaveApplication()) return;
    if (milliseconds < 0)
        QCoreApplication::processEvents();
    else
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(milliseconds));
}

void Application::_DoSingleEvent() {
    if (view::HaveApplication()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void Application::HideTooltip() {
    if (view::HaveApplication()) QToolTip::hideText();
}

void Application::ShowTooltip(const String &tip, int64_t x, int64_t y) {
    view::EnsureApplication();
    QToolTip::showText(QPoint(static_cast<int>(x), static_cast<int>(y)), view::ToQt(tip.view()));
}

void Application::RefreshMenuBar() { view::RebuildAllMenuBars(); }

void Application::SetMenuBar(Ref<fw::MenuBar> menuBar) {
    menuBar_ = std::move(menuBar);
    if (App() == this && view::HaveApplication()) view::RebuildAllMenuBars();
}

void Application::SleepCurrentThread(int64_t milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void Application::YieldToNextThread() { std::this_thread::yield(); }

Ref<fw::Window> Application::Window(int64_t index) const {
    const std::vector<Ref<fw::Window>> open = OpenWindows();
    if (index < 0 || index >= static_cast<int64_t>(open.size())) return nullptr;
    return open[static_cast<std::size_t>(index)];
}

int64_t Application::WindowCount() const { return static_cast<int64_t>(OpenWindows().size()); }

void Application::_AddMenuHandler(const String &itemName, Ref<Delegate> handler) {
    menuHandlers_.Add(itemName, std::move(handler));
}

void Application::_x_SetVersionData(int64_t major, int64_t minor, int64_t bug, int64_t nonRelease, int64_t stage,
                                    String longVersion, String shortVersion, String packageInfo) {
    major_ = major;
    minor_ = minor;
    bug_ = bug;
    nonRelease_ = nonRelease;
    stage_ = stage;
    longVersion_ = std::move(longVersion);
    shortVersion_ = std::move(shortVersion);
    packageInfo_ = std::move(packageInfo);
    if (QCoreApplication::instance()) {
        QCoreApplication::setApplicationName(view::ToQt(packageInfo_.view()));
        QCoreApplication::setApplicationVersion(view::ToQt(shortVersion_.view()));
    }
}

bool Application::IsEventImplemented(const String &eventName) { return _RuntimeIsOwnEventHandled(*this, eventName); }

void Application::_SetSupportsHiDPI(bool value) { supportsHiDPI = value; }
bool Application::SupportsHiDPI() { return supportsHiDPI; }

} // namespace fw
