// The one scenario the editor holds: its windows, items, menus, menu items, sounds and
// settings, every editing operation on them, and the upkeep of the references between them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1250_literal.h"
#include "common/string_list.h"
#include "editor/document/document_events.h"
#include "editor/document/entities.h"
#include "editor/document/search_state.h"
#include "editor/document/sorted_list.h"

namespace vek::editor {

inline constexpr std::string_view kMainMenuName = "(hlavní)"_cp;
inline constexpr std::string_view kSystemMenuName = "(systémová)"_cp;
inline constexpr std::string_view kNoSound = "(žádný)"_cp;
inline constexpr std::string_view kAutomaticParent = "(automaticky)";

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

    // The entity each page shows. Read them freely; make another one current with Show, so
    // that every window hears of it.
    TOkna* ShownWindow = nullptr;
    TPredmet* ShownItem = nullptr;
    TNabidka* ShownMenu = nullptr;
    TPolozka* ShownMenuItem = nullptr;

    THledani Search;  // the search position, reset with the document

    // ---- change events ----
    // Every change of the document is told to every listener, once it is done.
    DocumentEvents::Token Subscribe(DocumentListener listener);
    void Unsubscribe(DocumentEvents::Token token);

    // While a page is being filled from the document (and during a search), control changes
    // write nothing back: the guard holds `Updating` for its lifetime, and guards nest.
    class UpdateGuard {
      public:
        explicit UpdateGuard(EditorDocument& doc) : doc_(doc) { ++doc_.updating_; }
        ~UpdateGuard() { --doc_.updating_; }
        UpdateGuard(const UpdateGuard&) = delete;
        UpdateGuard& operator=(const UpdateGuard&) = delete;

      private:
        EditorDocument& doc_;
    };
    bool Updating() const { return updating_ > 0; }

    // ---- fields, as the controls edit them ----
    // The text of a field of the current entity or of a setting: a script or list field as its
    // lines joined by CR LF, a flag as "0" or "1". Empty without a current entity.
    std::string FieldText(Field field) const;
    bool FieldFlag(Field field) const;
    // The lines of a script or text field, or nullptr without a current entity.
    TSpecStrings* FieldLines(Field field) const;

    // The one way a control writes back: outside `Updating` and with a current entity, the
    // field takes the text (a script field splits it at CR LF or LF; the window and item sound
    // selectors store "(žádný)" as no sound), the document becomes modified and the change is
    // told. Answers whether anything was stored.
    bool SetField(Field field, std::string_view text);
    bool SetFieldLines(Field field, std::vector<std::string> lines);
    bool SetFieldFlag(Field field, bool value);
    // Code that changes a field's lines in place (a replacement of the search) reports it.
    void FieldLinesEdited(Field field);

    // Start-up content, "Nový", and the clean-up around saving and loading.
    void CreateStartupScenario();
    void ClearDocument();
    void ResetMainMenu();
    void PurgeUnnamed();
    // Replaces the scenario with `other`'s (a freshly read file), keeping the listeners.
    void AdoptContent(EditorDocument&& other);

    void SetModified(bool flag);
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

    // Makes `object` (an entity of this document, or nullptr for none) the current one.
    void Show(TOkna* window);
    void Show(TPredmet* item);
    void Show(TNabidka* menu);
    void Show(TPolozka* menuItem);
    // The entity of that name (case ignored) becomes current; false when there is none.
    bool ShowNamed(EntityKind kind, std::string_view name);

    // Ctrl+Up / Ctrl+Down: the previous (-1) or next (+1) entity of that kind becomes the
    // current one; false, and nothing changes, at the list's ends.
    bool StepShown(EntityKind kind, int direction);

    // Gives the current entity of `kind` the name typed in the name dialog; nothing happens
    // (not done) without a current entity of that kind in its list.
    EditResult Rename(EntityKind kind, std::string_view newText);

    // Chooser contents and the list additions of the current window or menu.
    std::vector<std::string> Choices(EntryList list) const;
    std::vector<std::string> TakeableItemNames() const;
    // "(žádný)", then every user sound identifier, then every system sound key.
    std::vector<std::string> SoundChoices() const;
    // The refusal the chooser would meet for `list`, asked before it opens: adding to or
    // removing from the system menu, or with no current window or menu.
    EditResult CanEditEntries(EntryList list) const;
    // The chooser's OK: `name` is appended unless it is empty or already there; the document
    // becomes modified either way.
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
    // Code that rewrites sound lines itself (the sound dialog, the collection builder) reports
    // it here: the document becomes modified and the change is told.
    void SoundsEdited(SoundList which);

    // The properties dialog's start-window choice: a start window that names no window
    // becomes the first window.
    void EnsureStartWindow();

    // The user sound and system sound lines whose identifier is `key`, or nullptr.
    const std::string* FindSoundLine(std::string_view key) const;

  private:
    template <typename T>
    void deleteShown(SortedNamedList<T>& list, T*& shown, EntityKind kind);
    template <typename T>
    void show(T*& shown, T* object, EntityKind kind);
    TSpecStrings* entryTarget(EntryList list, EditResult& refusal) const;
    const void* entryOwner(EntryList list) const;
    void* fieldOwner(Field field) const;
    std::string* textField(Field field) const;
    bool* flagField(Field field) const;

    void notify(const DocumentChange& change) const;
    void notifyEntity(ChangeKind kind, EntityKind entity, const void* object) const;
    void notifyEntries(EntryList list, const void* owner) const;
    void notifyField(Field field) const;
    void replaced();

    DocumentEvents events_;
    int updating_ = 0;
    int quiet_ = 0;  // while the whole document is replaced, one event says it at the end
};

}  // namespace vek::editor
