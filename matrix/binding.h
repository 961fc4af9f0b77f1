#pragma once

#include <string>

// Binding the matrix library, once at start-up.

// Fills the library entry table, then resolves the library's classes; the
// second step is not taken when the first raises.
void _InitPluginEntrypoints();

// Loads the library and fills every entry of the table by its declaration
// text. The library is loaded from LibraryPath(). Raises, and leaves the table as it was,
// when the library cannot be loaded or lacks a declaration.
void InitPluginEntrypoints();
// The same with the library at an explicit path.
void InitPluginEntrypoints(const std::string &libraryPath);

// Looks up (building on first use) the class records of the eleven library
// classes, in the alphabetical order of their names.
void ResolvePluginClasses();

namespace matrixlib {

// The library's file name on this platform: the table's name with ".so" for
// ".dylib".
std::string LibraryFileName();

// Where InitPluginEntrypoints() loads the library from: the program's library
// folder (beside the program in the build tree, the installed library folder
// otherwise); empty when the program's own folder is unknown.
std::string LibraryPath();

} // namespace matrixlib
