#pragma once

#include <functional>

// The help window's Control item and the about window's hand-over show the
// conversion window, which is built above the windows here and is not known
// to them: the program hands them the step that shows it, once, at start-up.
void SetShowConversionWindow(std::function<void()> show);

// Runs the step handed over; raises a RuntimeException when none was.
void ShowConversionWindow();
