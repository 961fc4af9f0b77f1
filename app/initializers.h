#pragma once

// Hands the program's initialiser table to the framework, entry by entry, in
// the order start-up runs it: the eleven matrix-library classes in the
// alphabetical order of their names, then the program's own classes, and
// last the conversion direction. The framework sets up its own classes
// before running it.
void AddProgramInitializers();
