#pragma once

// The whole life of the program, from preparing the runtime to the exit
// status it returns.
int RunProgram();
