// The one scenario the editor holds: its windows, items, menus, menu items, sounds and
// settings, every editing operation on them, and the upkeep of the references between them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "common/cp1250_literal.h"
#include "common/string_list.h"
#include "editor/document/document_content.h"
#include "editor/document/document_events.h"
#include "editor/document/edit_history.h"
#include "editor/document/entities.h"
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

// What an undo or redo did: the step's name and where it happened. `place.object` is set only
// when that entity is in the document afterwards (it is then the current one).
struct HistoryMove {
    bool done = false;
    std::string label;
    EditPlace place;
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
    // The content of "Nový" before anything is added: the two fixed menus, the default system
    // sounds and the default settings. The reader starts from it.
    static DocumentContent EmptyContent();

    // ---- the content, read only: every change goes through an operation below ----
    const DocumentContent& Content() const { return content_; }
    const SortedNamedList<TOkna>& Windows() const { return content_.Windows; }
    const SortedNamedList<TPredmet>& Items() const { return content_.Items; }
    const SortedNamedList<TNabidka>& Menus() const { return content_.Menus; }
    const SortedNamedList<TPolozka>& MenuItems() const { return content_.MenuItems; }
    const SortedLines& UserSounds() const { return content_.UserSounds; }
    const StringList& SystemSounds() const { return content_.SystemSounds; }
    const ScenarioSettings& Settings() const { return content_.Settings; }
    bool Modified() const { return modified_; }

    std::string FileName;  // a path of this system (UTF-8), not code page text

    // The entity each page shows; make another one current with Show, so that every window
    // hears of it.
    const TOkna* ShownWindow() const { return shownWindow_; }
    const TPredmet* ShownItem() const { return shownItem_; }
    const TNabidka* ShownMenu() const { return shownMenu_; }
    const TPolozka* ShownMenuItem() const { return shownMenuItem_; }

    // ---- the history of edits ----
    // Every operation below is one step; Undo and Redo move through them, make the entity they
    // changed current and tell every window what changed.
    bool CanUndo() const { return history_.canUndo(); }
    bool CanRedo() const { return history_.canRedo(); }
    // The name of the step Undo or Redo would take back or repeat ("smazání okna Sklep").
    const std::string& UndoLabel() const { return history_.undoLabel(); }
    const std::string& RedoLabel() const { return history_.redoLabel(); }
    HistoryMove Undo();
    HistoryMove Redo();
    // Typing into one field joins one step until the author leaves the field or pauses: the
    // windows call this then.
    void EndTyping() { typingOpen_ = false; }
    const EditHistory& History() const { return history_; }

    // Joins every operation until its end into one step named `label` (code page 1250), such
    // as an insertion of the builder or a replacement of every occurrence. Steps nest: the
    // outermost one names the step.
    class Step {
      public:
        Step(EditorDocument& doc, std::string label, EditPlace place = {}, bool typing = false)
            : doc_(doc) {
            doc_.beginStep(std::move(label), place, typing);
        }
        ~Step() { doc_.endStep(); }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

      private:
        EditorDocument& doc_;
    };

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
    const TSpecStrings* FieldLines(Field field) const;

    // The one way a control writes back: outside `Updating` and with a current entity, the
    // field takes the text (a script field splits it at CR LF or LF; the window and item sound
    // selectors store "(žádný)" as no sound), the document becomes modified and the change is
    // told. Answers whether anything was stored.
    bool SetField(Field field, std::string_view text);
    bool SetFieldLines(Field field, std::vector<std::string> text);
    bool SetFieldFlag(Field field, bool value);
    // A replacement of the search: `length` bytes at `start` of line `line` of `field` of
    // `owner` (a window or an item of this document, nullptr for a scenario text) become
    // `with`. False, and nothing changes, when the place is not there.
    bool ReplaceText(const void* owner, Field field, std::size_t line, std::size_t start,
                     std::size_t length, std::string_view with);
    // The settings as a whole (the properties dialog's Cancel puts back what it opened with).
    void SetSettings(const ScenarioSettings& settings);

    // Start-up content, "Nový", and the clean-up around saving and loading.
    void CreateStartupScenario();
    void ClearDocument();
    void ResetMainMenu();
    void PurgeUnnamed();
    // Replaces the scenario with `content` (a freshly read file), keeping the listeners and the
    // file name: unnamed windows and items are dropped and the first of each list is shown.
    void Adopt(DocumentContent content, bool modified = false);

    // False: the current state becomes the saved one (an undo back to it clears the flag
    // again); true: the document counts as changed until the next save, whatever is undone.
    void SetModified(bool flag);
    StatusLine UpdateStatusLine() const;
    // The main window's title in UTF-8: "Editor scénářů", with " - " and the file name once the
    // document has a file.
    std::string WindowTitle() const;

    const TOkna* NewWindow();
    const TPredmet* NewItem();
    const TNabidka* NewMenu();
    const TPolozka* NewMenuItem();

    void DeleteShownWindow();
    void DeleteShownItem();
    EditResult DeleteShownMenu();
    EditResult DeleteShownMenuItem();
    // The refusal a delete or rename of the current menu or menu item would meet, if any.
    EditResult CanDeleteShownMenu() const;
    EditResult CanDeleteShownMenuItem() const;
    EditResult CanRename(EntityKind kind) const;

    // Makes `object` (an entity of this document, or nullptr for none) the current one.
    void Show(const TOkna* window);
    void Show(const TPredmet* item);
    void Show(const TNabidka* menu);
    void Show(const TPolozka* menuItem);
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
    const TSpecStrings* EntriesOf(EntryList list) const;

    // Removes the user sound lines at the positions `remove` (as they are before the call) and
    // adds the lines `add`, each at its sorted place; the places the added lines end up at, in
    // their order. The document becomes modified even when nothing changed.
    std::vector<std::size_t> ChangeUserSounds(std::vector<std::size_t> remove,
                                              std::vector<std::string> add);
    void DeleteUserSounds(std::vector<std::size_t> positions);
    // The system sound table as a whole.
    void SetSystemSounds(StringList lines);
    // "Obnovit původní nastavení" of the system sounds puts the default table back.
    void ResetSystemSounds();

    // The properties dialog's start-window choice: a start window that names no window
    // becomes the first window.
    void EnsureStartWindow();

    // The user sound and system sound lines whose identifier is `key`, or nullptr.
    const std::string* FindSoundLine(std::string_view key) const;

  private:
    void beginStep(std::string label, EditPlace place, bool typing);
    void endStep();
    bool canJoinTyping(const EditPlace& place) const;
    // First touch within a step keeps the state before the change.
    template <typename T>
    void touch(T* object);
    void touchOwner(Field field);
    void touchSettings();
    void markDirty() { pending_.dirty = true; }
    void record(std::unique_ptr<EditRecord> record);
    HistoryMove move(EditStep& step, bool backwards);
    void updateModified();
    void forgetHistory();
    EditPlace fieldPlace(Field field) const;
    static std::string fieldLabel(Field field);
    EditPlace entriesPlace(EntryList list) const;
    void touchEntries(EntryList list);

    template <typename T>
    void deleteShown(SortedNamedList<T>& list, T*& shown, EntityKind kind);
    template <typename T>
    void show(T*& shown, const T* object, EntityKind kind);
    TSpecStrings* entryTarget(EntryList list, EditResult& refusal);
    TSpecStrings* entries(EntryList list);
    TSpecStrings* lines(Field field);
    void soundsEdited(SoundList which);
    const void* entryOwner(EntryList list) const;
    void* fieldOwner(Field field) const;
    std::string* textField(Field field) const;
    bool* flagField(Field field) const;

    void notify(const DocumentChange& change) const;
    void notifyEntity(ChangeKind kind, EntityKind entity, const void* object) const;
    void notifyEntries(EntryList list, const void* owner) const;
    void notifyField(Field field) const;
    void replaced();

    DocumentContent content_;
    bool modified_ = false;
    TOkna* shownWindow_ = nullptr;
    TPredmet* shownItem_ = nullptr;
    TNabidka* shownMenu_ = nullptr;
    TPolozka* shownMenuItem_ = nullptr;

    EditHistory history_;
    struct Pending {
        int depth = 0;
        bool dirty = false;  // an operation ran, even if it changed nothing
        bool joinTop = false;
        bool keepsClean = false;  // a saved state stays saved after the step
        EditStep step;
        std::unordered_set<const void*> touched;
    } pending_;
    bool typingOpen_ = false;

    DocumentEvents events_;
    int updating_ = 0;
    int quiet_ = 0;  // while the whole document is replaced, one event says it at the end
};

}  // namespace vek::editor
