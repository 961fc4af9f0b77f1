#pragma once

#include "framework/menu_item.h"
#include "framework/window.h"

#include <QKeySequence>
#include <QList>
#include <QPoint>

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;
class QMenuBar;

namespace fw::view {

// "Cmd+X" as Ctrl+X, "Option+"/"Alt+" as Alt, "Shift+" as Shift, a key alone
// as Ctrl+key; empty for an empty text.
QKeySequence ShortcutFor(std::string_view shortcut);

// Fills `bar` with the menus of `menuBar`; a chosen entry is delivered with
// `window` as the front window. Each action's objectName is its item's Name.
void BuildMenuBar(QMenuBar &bar, MenuBar &menuBar, Window &window);

// The entries of `menuBar` that have a shortcut, as actions of `owner` that
// are drawn nowhere: their keys work in a window that shows no menu bar. A
// chosen entry is delivered with `window` as the front window.
QList<QAction *> AddShortcutActions(QWidget &owner, MenuBar &menuBar, Window &window);

// Whether one of `actions`, enabled, has the key of `event` as its shortcut.
bool ShortcutTaken(const QList<QAction *> &actions, const QKeyEvent &event);

// Shows the children of `item` as a pop-up menu and returns the entry chosen.
Ref<MenuItem> PopUpMenu(MenuItem &item, const QPoint *at);

} // namespace fw::view
