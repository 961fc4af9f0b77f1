#pragma once

#include <span>

#include "framework/app_runtime.h"

// The program's initialiser table, in the order start-up runs it: the eleven
// matrix-library classes in the alphabetical order of their names, then the
// program's own classes, and last the conversion direction. The framework
// sets up its own classes before running it.
std::span<const fw::Initializer> ProgramInitializers();

// Hands the table to the framework, entry by entry.
void AddProgramInitializers();
