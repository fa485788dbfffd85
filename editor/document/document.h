// The one scenario the editor holds: its windows, items, menus, menu items, sounds and
// settings, every editing operation on them, and the upkeep of the references between them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/string_list.h"
#include "editor/document/entities.h"
#include "editor/document/search_state.h"
#include "editor/document/sorted_list.h"

namespace vek::editor {

inline constexpr std::string_view kMainMenuName = "(hlavn\xED)";
inline constexpr std::string_view kSystemMenuName = "(syst\xE9mov\xE1)";
inline constexpr std::string_view kNoSound =
    "(\x9E\xE1"
    "dn\xFD)";
inline constexpr std::string_view kAutomaticParent = "(automaticky)";

// The pages of the main window, each showing one kind of entity or the sounds.
enum class DocumentPage { Windows, Items, Sounds, Menus, MenuItems };

enum class EntityKind { Window = 1, Item = 2, Menu = 3, MenuItem = 4 };

// The lists the author edits entry by entry: those of the current window and the current
// menu, and the starting inventory of the properties dialog.
enum class EntryList { Paths, Items, Music, MenuEntries, Inventory };

// The answer of an editing command: done, or refused with a message for a "Stop" box.
struct EditResult {
    bool done = true;
    std::string message;
    static EditResult refused(std::string text) { return {false, std::move(text)}; }
};

// The two status-bar panels.
struct StatusLine {
    std::string counts;    // "oken: 1, předmětů: 1, zvuků: 0"
    std::string modified;  // "změněn" or empty
};

// A name that `taken` does not report as used: spaces become "_", and a used name gets "[n]"
// (a bracketed number at its end is replaced, not extended). Without `taken`, only the spaces
// change.
std::string MakeUniqueName(std::string_view base,
                           const std::function<bool(std::string_view)>& taken);
std::string MakeUniqueName(std::string_view base);

class EditorDocument {
  public:
    EditorDocument();

    // The nine system entries of the main menu, by their OFFMENUITEM= digit.
    static const std::vector<std::string>& DefaultMainMenu();

    SortedNamedList<TOkna> Windows;
    SortedNamedList<TPredmet> Items;
    SortedNamedList<TNabidka> Menus;
    SortedNamedList<TPolozka> MenuItems;
    SortedLines UserSounds;   // NOVYWAV= lines
    StringList SystemSounds;  // NOVYSYSWAV= lines, in the table's order
    ScenarioSettings Settings;

    std::string FileName;  // a path of this system (UTF-8), not code page text
    bool Modified = false;
    bool Updating = false;  // set while pages are filled: control changes write nothing back

    TOkna* ShownWindow = nullptr;
    TPredmet* ShownItem = nullptr;
    TNabidka* ShownMenu = nullptr;
    TPolozka* ShownMenuItem = nullptr;

    THledani Search;  // the search position, reset with the document

    // Told when a page must be refilled from the document, and when the status line changes.
    std::function<void(DocumentPage)> onPageChanged;
    std::function<void()> onStatusChanged;

    // Start-up content, "Nový", and the clean-up around saving and loading.
    void CreateStartupScenario();
    void ClearDocument();
    void ResetMainMenu();
    void PurgeUnnamed();
    // Replaces the scenario with `other`'s (a freshly read file), keeping the listeners.
    void AdoptContent(EditorDocument&& other);

    void SetModified(bool flag);
    // An edit made by a control: counts only outside `Updating`.
    void Changed();
    StatusLine UpdateStatusLine() const;
    // The main window's title in UTF-8: "Editor scénářů", with " - " and the file name once the
    // document has a file.
    std::string WindowTitle() const;

    TOkna* NewWindow();
    TPredmet* NewItem();
    TNabidka* NewMenu();
    TPolozka* NewMenuItem();

    void DeleteShownWindow();
    void DeleteShownItem();
    EditResult DeleteShownMenu();
    EditResult DeleteShownMenuItem();
    // The refusal a delete or rename of the current menu or menu item would meet, if any.
    EditResult CanDeleteShownMenu() const;
    EditResult CanDeleteShownMenuItem() const;
    EditResult CanRename(EntityKind kind) const;

    // Ctrl+Up / Ctrl+Down: the previous (-1) or next (+1) entity of that kind becomes the
    // current one; false, and nothing changes, at the list's ends.
    bool StepShown(EntityKind kind, int direction);

    // Gives the current entity of `kind` the name typed in the name dialog.
    EditResult Rename(EntityKind kind, std::string_view newText);

    // Chooser contents and the list additions of the current window or menu.
    std::vector<std::string> Choices(EntryList list) const;
    std::vector<std::string> TakeableItemNames() const;
    // "(žádný)", then every user sound identifier, then every system sound key.
    std::vector<std::string> SoundChoices() const;
    EditResult AddEntry(EntryList list, std::string_view name);
    EditResult RemoveEntry(EntryList list, std::size_t position);
    // Exchanges the entry at `position` with its neighbour (-1 up, +1 down); the new position
    // of the moved entry, or -1 when nothing moved.
    int MoveEntry(EntryList list, std::size_t position, int direction);
    TSpecStrings* EntriesOf(EntryList list) const;

    // Deletes the user sounds at these positions; "Obnovit původní nastavení" of the system
    // sounds puts the default table back.
    void DeleteUserSounds(std::vector<std::size_t> positions);
    void ResetSystemSounds();

    // Field write-back of the sound selectors: "(žádný)" is stored as no sound.
    void StoreWindowSound(std::string_view text);
    void StoreItemSound(std::string_view text);

    // The properties dialog's start-window choice: a start window that names no window
    // becomes the first window.
    void EnsureStartWindow();

    // The user sound and system sound lines whose identifier is `key`, or nullptr.
    const std::string* FindSoundLine(std::string_view key) const;

  private:
    template <typename T>
    void deleteShown(SortedNamedList<T>& list, T*& shown, DocumentPage page);
    void pageChanged(DocumentPage page);
    TSpecStrings* entryTarget(EntryList list, EditResult& refusal) const;
};

}  // namespace vek::editor
