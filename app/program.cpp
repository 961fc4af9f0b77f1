#include "app/program.h"

#include <exception>
#include <iostream>

#include "app/initializers.h"
#include "app/startup.h"
#include "app/startup_trace.h"
#include "convert/control_wnd.h"
#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "ui/conversion_window_step.h"

namespace {

void InitializeThenMain() {
    startup::Note("RuntimePerformInitializers");
    fw::RuntimePerformInitializers();
    _Main();
}

} // namespace

int RunProgram() {
    startup::Note("RuntimeInit");
    fw::RuntimeInit();
    AddProgramInitializers();
    // The help and about windows show the conversion window, which they do
    // not know: the program tells them how.
    SetShowConversionWindow(&implicit::ShowControlWnd);
    return RunThenFinish(&InitializeThenMain);
}

int RunThenFinish(void (*body)()) {
    bool failed = false;
    try {
        body();
    } catch (const fw::Raised &raised) {
        // An initialiser raised, or the unhandled-exception handling did:
        // nothing is left to hand it to but stderr.
        std::cerr << "Tandrel: " << raised.Describe() << std::endl;
        failed = true;
    } catch (const std::exception &error) {
        std::cerr << "Tandrel: " << error.what() << std::endl;
        failed = true;
    }
    startup::Note("RuntimePerformFinalizers");
    fw::RuntimePerformFinalizers();
    startup::Note("RuntimeExit");
    const int status = fw::RuntimeExit();
    // A run that ended in an exception never reports success.
    return failed && status == 0 ? 1 : status;
}
