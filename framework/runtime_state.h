#pragma once

// The runtime's own state, for the framework and its tests.
namespace fw::detail {

// Forgets a requested quit and the exit status (tests run many windows in
// one process).
void ResetRuntimeForTests();
int ExitStatus();

} // namespace fw::detail
