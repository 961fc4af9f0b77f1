#pragma once

#include "framework/menu_item.h"
#include "framework/window.h"

#include <QKeySequence>
#include <QPoint>

class QMenu;
class QMenuBar;

namespace fw::view {

// "Cmd+X" as Ctrl+X, "Option+"/"Alt+" as Alt, "Shift+" as Shift, a key alone
// as Ctrl+key; empty for an empty text.
QKeySequence ShortcutFor(std::string_view shortcut);

// Fills `bar` with the menus of `menuBar`; a chosen entry is delivered with
// `window` as the front window. Each action's objectName is its item's Name.
void BuildMenuBar(QMenuBar &bar, MenuBar &menuBar, Window &window);

// Shows the children of `item` as a pop-up menu and returns the entry chosen.
Ref<MenuItem> PopUpMenu(MenuItem &item, const QPoint *at);

} // namespace fw::view
