#pragma once

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/object.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace fw {

// The framework's start-up and shutdown operations, in the order a program's
// main calls them:
//
//   RuntimeInit();
//   RuntimeAddInitializer(...) ...;      // the program's class set-ups
//   RuntimePerformInitializers();
//   _RuntimeSetExceptionHelper(...);
//   ... create the application object, _RuntimeRegisterAppObject(app) ...
//   _RunFrameworkInitialization(&LateStartup);
//   _RuntimeRun();
//   RuntimePerformFinalizers();
//   return RuntimeExit();

// Prepares the runtime; the first call of the process.
void RuntimeInit();

// The initialiser table: functions run in order by RuntimePerformInitializers.
using Initializer = void (*)();
void RuntimeAddInitializer(Initializer initializer);
// Builds the class records of the framework's own classes, then runs the
// program's initialisers in the order added. An exception passes on.
void RuntimePerformInitializers();

// The program's exception wrapper: calls `function(argument)` and returns nil,
// or the RuntimeException that the call raised. The framework calls every
// event handler of the program through it once it is set.
using ExceptionHelper = Ref<RuntimeException> (*)(void (*function)(void *), void *argument);
void _RuntimeSetExceptionHelper(ExceptionHelper helper);
// Records the framework release the program was built for (e.g. 2019.031).
void _RuntimeDeclareRelease(double release);
double RuntimeDeclaredRelease();

// Builds the class records of the classes whose objects the framework makes
// by itself (its exceptions, delegates, weak references, pictures, menus).
void _RuntimeInitExternalClasses();

// Makes `app` the framework's application object; it lives until exit.
void _RuntimeRegisterAppObject(Application &app);
// The application object, or nil before one is registered.
Application *App();

// Finishes the framework's initialisation (the Qt application, the alert
// presenter) and calls `lateStartup` once, when the event loop has started.
// An exception from it is handled as a failed start-up: one alert, one line
// on stderr, exit status 1, and the event loop ends.
void _RunFrameworkInitialization(std::function<void()> lateStartup);
// Runs the event loop until the application quits (at once when Quit was
// called before).
void _RuntimeRun();
// Ends the application with the exit status `code`: the event loop ends.
void Quit(int64_t code = 0);
bool QuitRequested();

// The handling of an exception that nothing caught: the application's
// UnhandledException event if it implements one, else one alert with the
// exception's class and message ("Unhandled NilObjectException: ..."). During
// start-up (from RuntimeInit until the late start-up has returned) first one
// line on stderr, the alert only where a display can show it, and the exit
// status becomes 1. EndException and ThreadEndException end their handler
// quietly. With no display (Qt's offscreen platform) alerts go to stderr.
void _UnhandledException(const Ref<RuntimeException> &exception);
// Runs program code (an event handler) and hands any exception escaping it to
// _UnhandledException; the framework's event delivery goes through it.
void RuntimeCallHandler(const std::function<void()> &code);

// Closes every window quietly (no Close events) and lets go of the
// application object.
void RuntimePerformFinalizers();
// Ends the runtime (and the Qt application the framework made); the exit
// status: the code of the last Quit, 1 after a failed start-up, else 0.
int32_t RuntimeExit();

// Whether the class of that name (or a base of it) lists `eventName` in its
// event table. `userHandlers` True asks about the program's own handlers,
// the only kind this runtime has.
bool _RuntimeIsEventHandled(const Object &object, std::string_view className, std::string_view eventName,
                            bool userHandlers);
// _RuntimeIsEventHandled for the class of `object` itself (none when it has
// no class record); what Window and Application answer by default.
bool _RuntimeIsOwnEventHandled(const Object &object, std::string_view eventName);

} // namespace fw
