// What the pages share: the document and the dialogs around it, the key map, and the commands
// every page gives its name selectors and entry lists (new, rename, delete; add, remove, move).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/qt/message_boxes.h"
#include "editor/document/document.h"
#include "editor/document/recent_files.h"
#include "editor/ui/editor_services.h"

class QListWidget;
class QWidget;

namespace vek {
class Notice;
}

namespace vek::editor {

class KeyMap;

// The window's pages, in the order of their tabs.
struct PageNumbers {
    enum Page { OknaPage = 0, PredmetyPage = 1, ZvukyPage = 2, MenuPage = 3 };
};

// What the window needs around it; the program gives the real ones, tests their own.
struct EditorServices {
    MessageBoxes& boxes;
    FileDialogs& files;
    EditorPrompts& prompts;
    Desktop& desktop;
    PlacementStore& placement;
    TMenuFilesList& recent;
};

// The name of the page's current window, item, menu or menu item, or nullptr.
const std::string* shownName(const EditorDocument& doc, EntityKind kind);

class PageCommands {
  public:
    // `window` owns the questions; `turnTo` brings a page into view, with the focus on its first
    // control when asked.
    PageCommands(EditorDocument& doc, EditorServices services, QWidget* window,
                 std::function<void(PageNumbers::Page, bool focus)> turnTo);

    EditorDocument& doc() { return doc_; }
    EditorServices& services() { return services_; }
    void turnTo(PageNumbers::Page page, bool focus) { turnTo_(page, focus); }

    BoxAnswer ask(const std::string& text, BoxButtons buttons,
                  BoxCaption caption = BoxCaption::Question);
    void stop(const std::string& text);
    void showRefusal(const EditResult& result);

    // The name selectors.
    void chooseShown(EntityKind kind, int index);
    void deleteEntity(EntityKind kind);
    void renameEntity(EntityKind kind);

    // The entry lists of the current window and menu, shown by `widget`.
    void addEntry(EntryList list, QListWidget* widget);
    void removeEntry(EntryList list, QListWidget* widget);
    void moveEntry(EntryList list, QListWidget* widget, int direction);
    // The name of the entry under the list's cursor.
    std::optional<std::string> currentEntry(const QListWidget* widget) const;

  private:
    EditorDocument& doc_;
    EditorServices services_;
    QWidget* window_;
    std::function<void(PageNumbers::Page, bool)> turnTo_;
};

// The commands of an entry list: Insert adds, Delete removes, and where the list has an order,
// Shift+Up and Shift+Down move the entry and Enter goes to it.
void bindEntryKeys(KeyMap& keys, PageCommands& commands, QListWidget* widget, EntryList list,
                   std::function<void()> goTo = {});

}  // namespace vek::editor
