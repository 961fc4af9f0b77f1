#pragma once

namespace fw {

// The yield point for the program's own threads. The program has none, so
// this never runs the event loop: no handler can start inside another.
void RuntimeBackgroundTask();

} // namespace fw
