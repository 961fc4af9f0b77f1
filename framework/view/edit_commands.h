#pragma once

#include <string_view>

namespace fw::view {

// An Edit menu command by item name on a text widget (a QLineEdit or a
// QPlainTextEdit); `deleteSelection` carries out EditClear. A read-only widget
// only copies and selects: Qt's own cut, paste and undo would change it.
// True when the widget carried the command out.
template <class Editor, class DeleteSelection>
bool RunEditCommand(Editor &editor, std::string_view name, DeleteSelection deleteSelection) {
    const bool changesText = name == "EditUndo" || name == "EditCut" || name == "EditPaste" || name == "EditClear";
    if (changesText && editor.isReadOnly()) return false;
    if (name == "EditUndo")
        editor.undo();
    else if (name == "EditCut")
        editor.cut();
    else if (name == "EditCopy")
        editor.copy();
    else if (name == "EditPaste")
        editor.paste();
    else if (name == "EditClear")
        deleteSelection();
    else if (name == "EditSelectAll")
        editor.selectAll();
    else
        return false;
    return true;
}

} // namespace fw::view
