#pragma once

#include <cstdint>
#include <string>

#include "convert/control_wnd.h"

class QTextDocument;
class QWidget;

// What a user would paste: correlations 0.9^|i-j|, deviations 1 .. n and the
// matching covariances, four decimals, one row per line.
struct Inputs {
    std::string correlation, deviations, covariance;
};
Inputs MakeInputs(int n);

// The offscreen Qt application and the bound matrix library, made once for
// every benchmark of the binary.
void EnsureProgram();

// The document of a text area's widget.
QTextDocument *DocumentOf(QWidget *widget);

// Model text (CR line ends) as a Qt widget shows it.
std::string WithLineFeeds(std::string text);

// The conversion window with the inputs of size n in its fields and `which`
// set; EndWindow closes it without quitting.
fw::Ref<ControlWnd> FilledWindow(int n, int64_t which);
void EndWindow(ControlWnd &window);
