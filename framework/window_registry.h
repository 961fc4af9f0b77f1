#pragma once

#include "framework/window.h"

// The framework's list of open windows, front-most first.
namespace fw::detail {

void RegisterOpenWindow(Window &window);
void UnregisterOpenWindow(Window &window);
void BringToFront(Window &window);
// Discards every open window (no Close events); for shutdown.
void DiscardAllWindows();
// True while the process shuts the framework down: views end at once
// instead of after the current event.
bool ShuttingDown();
void SetShuttingDown(bool value);

} // namespace fw::detail
