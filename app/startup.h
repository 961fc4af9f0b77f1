#pragma once

// The steps of start-up, in the order they run. Each passes on an exception
// raised inside it, except _Main, which hands it to the framework's
// unhandled-exception handling and returns.

// Hands over the exception wrapper, declares the framework release, runs the
// early start-up, then the framework's initialisation (which calls
// _LateStartup back once) and the event loop until the application quits.
void _Main();
// Binds the matrix library and makes the application object.
void _EarlyStartup();
// The program declares no document file types.
void _InitFileTypes();
// Makes the application object, gives it its version data and the menu bar,
// and registers it with the framework.
void _NewAppInstance();
// The application object handles no menu item itself.
void _ApplicationAddMenuHandlers();
// Called back by the framework once its initialisation is done.
void _LateStartup();
// Opens the about window, the first window shown.
void _MakeDefaultView();
