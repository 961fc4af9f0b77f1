#include "framework/app_runtime.h"

#include "framework/canvas.h"
#include "framework/delegate.h"
#include "framework/label.h"
#include "framework/line.h"
#include "framework/presenter.h"
#include "framework/push_button.h"
#include "framework/radio_button.h"
#include "framework/runtime_state.h"
#include "framework/text_area.h"
#include "framework/timer.h"
#include "framework/view/qt_presenter.h"
#include "framework/view/qt_support.h"
#include "framework/view/window_view.h"
#include "framework/window.h"
#include "framework/window_registry.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <vector>

namespace fw {

namespace {

enum class Phase { NotStarted, StartingUp, Running, Finished };

struct RuntimeState {
    Phase phase = Phase::NotStarted;
    std::vector<Initializer> initializers;
    ExceptionHelper helper = nullptr;
    double release = 0;
    Ref<Application> app;
    bool quitRequested = false;
    bool loopRunning = false;
    bool lateStartupPending = false;
    int exitStatus = 0;
    std::unique_ptr<ScopedPresenter> presenter;
};

RuntimeState &State() {
    static RuntimeState state;
    return state;
}

void BuildFrameworkClasses() {
    RuntimeException::ClassRecordOf();
    NilObjectException::ClassRecordOf();
    IllegalCastException::ClassRecordOf();
    OutOfBoundsException::ClassRecordOf();
    StackOverflowException::ClassRecordOf();
    PlatformException::ClassRecordOf();
    UnsupportedFormatException::ClassRecordOf();
    EndException::ClassRecordOf();
    ThreadEndException::ClassRecordOf();
    Delegate::ClassRecordOf();
    Control::ClassRecordOf();
    RectControl::ClassRecordOf();
    FontControl::ClassRecordOf();
    Canvas::ClassRecordOf();
    PushButton::ClassRecordOf();
    RadioButton::ClassRecordOf();
    Label::ClassRecordOf();
    TextEdit::ClassRecordOf();
    TextField::ClassRecordOf();
    TextArea::ClassRecordOf();
    StyledText::ClassRecordOf();
    Line::ClassRecordOf();
    Timer::ClassRecordOf();
    Picture::ClassRecordOf();
    MenuItem::ClassRecordOf();
    MenuBar::ClassRecordOf();
    QuitMenuItem::ClassRecordOf();
    PrefsMenuItem::ClassRecordOf();
    Window::ClassRecordOf();
    Application::ClassRecordOf();
}

// Whether an alert at start-up can reach a person: the framework's own
// alerts need a real display (offscreen and minimal show nothing and would
// wait for an OK that never comes); any other presenter decides for itself.
bool AlertsReachAPerson() {
    return &CurrentPresenter() != &view::QtPresenter::Instance() || view::PlatformShowsWindows();
}

String Describe(const Ref<RuntimeException> &e) {
    String text = e && e->Class() ? e->Class()->name : std::string("RuntimeException");
    if (e && !e->Message.empty()) text = text + ": " + e->Message;
    return text;
}

void Trampoline(void *code) { (*static_cast<const std::function<void()> *>(code))(); }

Ref<RuntimeException> Wrap(const char *what) {
    Ref<RuntimeException> e = NewObject<RuntimeException>();
    e->Message = what;
    return e;
}

} // namespace

void RuntimeInit() {
    RuntimeState &s = State();
    s.phase = Phase::StartingUp;
    s.quitRequested = false;
    s.exitStatus = 0;
    if (!s.presenter) s.presenter = std::make_unique<ScopedPresenter>(view::QtPresenter::Instance());
}

void RuntimeAddInitializer(Initializer initializer) { State().initializers.push_back(initializer); }

void RuntimePerformInitializers() {
    BuildFrameworkClasses();
    const std::vector<Initializer> table = State().initializers;
    for (Initializer init : table)
        if (init) init();
}

void _RuntimeSetExceptionHelper(ExceptionHelper helper) { State().helper = helper; }
void _RuntimeDeclareRelease(double release) { State().release = release; }
double RuntimeDeclaredRelease() { return State().release; }

void _RuntimeInitExternalClasses() { BuildFrameworkClasses(); }

void _RuntimeRegisterAppObject(Application &app) {
    State().app = Ref<Application>(&app);
    // Windows without a menu bar of their own take the keys of the application's.
    if (view::HaveApplication()) view::RebuildAllMenuBars();
}
Application *App() { return State().app.get(); }

void _RunFrameworkInitialization(std::function<void()> lateStartup) {
    view::EnsureApplication();
    if (QCoreApplication::instance() && State().app) {
        QCoreApplication::setApplicationName(view::ToQt(State().app->PackageInfo().view()));
        QCoreApplication::setApplicationVersion(view::ToQt(State().app->ShortVersion().view()));
    }
    State().lateStartupPending = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [lateStartup = std::move(lateStartup)] {
        RuntimeState &s = State();
        s.lateStartupPending = false;
        bool failed = false;
        if (lateStartup) {
            try {
                lateStartup();
            } catch (const Raised &r) {
                failed = true;
                _UnhandledException(r.Exception());
            } catch (const std::exception &e) {
                failed = true;
                _UnhandledException(Wrap(e.what()));
            }
        }
        if (s.phase == Phase::StartingUp) s.phase = Phase::Running;
        // A program whose start-up failed has nothing to run.
        if (failed) Quit(s.exitStatus ? s.exitStatus : 1);
    });
}

void _RuntimeRun() {
    view::EnsureApplication();
    RuntimeState &s = State();
    if (s.quitRequested) return;
    // Start-up ends here, or once the late start-up has run.
    if (s.phase == Phase::StartingUp && !s.lateStartupPending) s.phase = Phase::Running;
    s.loopRunning = true;
    const int code = QApplication::exec();
    s.loopRunning = false;
    if (!s.quitRequested) s.exitStatus = code;
}

void Quit(int64_t code) {
    RuntimeState &s = State();
    s.quitRequested = true;
    s.exitStatus = static_cast<int>(code);
    if (s.loopRunning) QCoreApplication::exit(static_cast<int>(code));
}

bool QuitRequested() { return State().quitRequested; }

void _UnhandledException(const Ref<RuntimeException> &exception) {
    if (exception &&
        (exception->IsA(EndException::ClassRecordOf()) || exception->IsA(ThreadEndException::ClassRecordOf())))
        return;
    RuntimeState &s = State();
    if (s.app && s.app->IsEventImplemented("UnhandledException")) {
        Ref<Application> app = s.app;
        try {
            if (app->Event_UnhandledException(exception.get())) return;
        } catch (const Raised &) {
            // The application's own handler failed: the framework's alert follows.
        }
    }
    const String text = std::string_view("Unhandled ") + Describe(exception);
    if (s.phase == Phase::StartingUp) {
        std::cerr << text << " (during start-up)" << std::endl;
        s.exitStatus = 1;
        if (AlertsReachAPerson()) MsgBox(text);
        return;
    }
    MsgBox(text);
}

void RuntimeCallHandler(const std::function<void()> &code) {
    try {
        if (ExceptionHelper helper = State().helper) {
            Ref<RuntimeException> raised = helper(&Trampoline, const_cast<std::function<void()> *>(&code));
            if (raised) _UnhandledException(raised);
        } else {
            code();
        }
    } catch (const Raised &r) {
        _UnhandledException(r.Exception());
    } catch (const std::exception &e) {
        _UnhandledException(Wrap(e.what()));
    }
}

void RuntimePerformFinalizers() {
    RuntimeState &s = State();
    // No event follows: the windows' widgets end at once.
    detail::SetShuttingDown(true);
    detail::DiscardAllWindows();
    if (QCoreApplication::instance()) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    detail::SetShuttingDown(false);
    s.app = nullptr;
    s.phase = Phase::Finished;
}

int32_t RuntimeExit() {
    RuntimeState &s = State();
    s.presenter.reset();
    detail::DiscardAllWindows();
    view::EndApplication();
    return s.exitStatus;
}

bool _RuntimeIsEventHandled(const Object &object, std::string_view className, std::string_view eventName, bool) {
    const ClassRecord *record = ClassRegistry::Instance().Find(className);
    if (!record) record = object.Class();
    for (const ClassRecord *r = record; r; r = r->base)
        if (r->HandlesEvent(eventName)) return true;
    return false;
}

bool _RuntimeIsOwnEventHandled(const Object &object, std::string_view eventName) {
    return _RuntimeIsEventHandled(object, object.Class() ? std::string_view(object.Class()->name) : std::string_view(),
                                  eventName, true);
}

namespace detail {

void ResetRuntimeForTests() {
    RuntimeState &s = State();
    s.quitRequested = false;
    s.exitStatus = 0;
    s.phase = Phase::NotStarted;
}

int ExitStatus() { return State().exitStatus; }

} // namespace detail

} // namespace fw
