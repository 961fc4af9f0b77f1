#pragma once

// The whole life of the program, from preparing the runtime to the exit
// status it returns.
int RunProgram();

// Runs `body` (the initialisers and _Main), then the framework's finalizers
// and exit step, whatever `body` did, and returns the exit status. When an
// exception escapes `body` it is written to stderr in one line, and the
// status is never 0.
int RunThenFinish(void (*body)());
