#pragma once

#include "framework/font_control.h"
#include "framework/properties.h"
#include "framework/string.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

namespace fw::view {

// The Qt application: the one the process already has, else a new one. Quits
// only when told (Quit), never when the last window closes.
void EnsureApplication();
bool HaveApplication();
// Deletes the Qt application if EnsureApplication made it (at exit).
void EndApplication();
// Raises RuntimeException naming `operation` when called on a thread other
// than the one the event loop runs on: windows and controls live there only.
void CheckGuiThread(const char *operation);

// False on Qt's offscreen and minimal platforms, where no person sees a window.
bool PlatformShowsWindows();

QString ToQt(std::string_view text);
String FromQt(const QString &text);
// Model text (CR line ends) for a widget: CR as LF.
QString ToQtLines(std::string_view text);

QColor ToQt(const Color &colour);
// FontName "System" the default UI font, "Monaco" the fixed-width font;
// size 0 the default size.
QFont MakeFont(const String &name, float size, uint8_t unit, bool bold, bool italic, bool underline);
QFont MakeFont(const FontControl &control);
Qt::Alignment HorizontalAlignment(int64_t textAlignment);
// The largest pixel size, from the font's own down to three quarters of it,
// at which one line of `text` fits into `width` pixels; the font's own size
// when none does.
int FittingPixelSize(const QFont &font, const QString &text, int width);

} // namespace fw::view
