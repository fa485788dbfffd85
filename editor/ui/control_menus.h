// Context menus of the editor's selectors and lists: every command of the buttons beside a
// control, each showing the control's own key for it. They open with the Menu key, Shift+F10 or
// the right mouse button; a screen reader's desktop layout takes Insert for itself, so these
// menus are how such an author adds a window, a path or a sound.
#pragma once

#include <functional>
#include <vector>

#include <QKeySequence>

class QMenu;
class QPoint;
class QWidget;

namespace vek::editor {

struct MenuCommand {
    const char* name;     // the entry's object name
    const char* caption;  // UTF-8, as the button beside the control says it
    QKeySequence key;     // the control's key for the same command
    std::function<void()> run;
    std::function<bool()> enabled = {};  // empty: always
};

// Builds the menu and opens it on the control's context-menu request, enabling each entry by its
// condition first.
QMenu* attachContextMenu(QWidget* control, const char* name, std::vector<MenuCommand> commands);

// Pops `control`'s `menu` up at `global`. Opened from the keyboard, its first available entry is
// current at once, so a screen reader says it and Enter runs it; otherwise the menu opens silent
// and the first Enter only moves to an entry. A menu never takes the focus from the control, so
// nothing would tell a screen reader the author is back there when it closes: the control is
// announced anew once the command has run, unless the command took the focus elsewhere.
void popUpMenu(QMenu* menu, const QPoint& global, QWidget* control);

// Opens the control's context menu from the keyboard (Shift+F10) below its focused entry or at
// its middle; false when it has none.
bool requestContextMenu(QWidget* control);

}  // namespace vek::editor
