#include "app/startup.h"

#include "app/exception_wrapper.h"
#include "app/startup_trace.h"
#include "app/tandrel_app.h"
#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "matrix/binding.h"
#include "ui/about_wnd.h"
#include "ui/credits.h"
#include "ui/implicit_windows.h"
#include "ui/menu_bar1.h"

// The framework release the program was written for.
constexpr double kFrameworkRelease = 2019.031;

void _Main() {
    startup::Note("_Main");
    try {
        fw::_RuntimeSetExceptionHelper(&_CallFunctionWithExceptionHandling);
        fw::_RuntimeDeclareRelease(kFrameworkRelease);
        _EarlyStartup();
        startup::Note("_RunFrameworkInitialization");
        fw::_RunFrameworkInitialization(&_LateStartup);
        startup::Note("_RuntimeRun");
        fw::_RuntimeRun();
    } catch (const fw::Raised &raised) {
        startup::Note("_UnhandledException");
        fw::_UnhandledException(raised.Exception());
    }
}

void _EarlyStartup() {
    startup::Note("_EarlyStartup");
    fw::Application::_SetSupportsHiDPI(true);
    fw::_RuntimeInitExternalClasses();
    startup::Note("_InitPluginEntrypoints");
    _InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
}

void _InitFileTypes() { startup::Note("_InitFileTypes"); }

void _NewAppInstance() {
    startup::Note("_NewAppInstance");
    fw::Ref<fw::Object> object = fw::RuntimeNewObject(Tandrel::ClassRecordOf());
    fw::Ref<Tandrel> app(fw::CheckCast<Tandrel>(object.get()));
    app->Constructor();
    app->_x_SetVersionData(2, 0, 0, 0, 3, credits::kCopyrightLine, "2.0", "Tandrel");
    app->SetMenuBar(implicit::MenuBar1());
    // The framework keeps the object for the rest of the process.
    fw::_RuntimeRegisterAppObject(*app);
}

void _ApplicationAddMenuHandlers() { startup::Note("_ApplicationAddMenuHandlers"); }

void _LateStartup() {
    startup::Note("_LateStartup");
    _MakeDefaultView();
}

void _MakeDefaultView() {
    startup::Note("_MakeDefaultView");
    // Building the about window shows it; the window keeps itself open.
    implicit::AboutWnd();
}
