#pragma once

#include <functional>

// The about window's hand-over: hides the about window's shared instance,
// then runs `showNext` (in the program: show the conversion window, made now
// if it does not exist yet). When `showNext` raises, the about window comes
// back before the exception passes on: there is no global menu bar here, so
// a program left with no window on the screen could not even be quit.
void AboutWndHandOver(const std::function<void()> &showNext);
