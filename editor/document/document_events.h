// What changed in the editor's document, told to every window that shows a part of it. One
// stream of events for all observers: the main window's pages, the search, the properties and
// the collection windows each follow what they show, and none keeps a pointer the document no
// longer holds.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace vek::editor {

enum class EntityKind { Window = 1, Item = 2, Menu = 3, MenuItem = 4 };

// The lists the author edits entry by entry: those of the current window and the current
// menu, and the starting inventory of the properties dialog.
enum class EntryList { Paths, Items, Music, MenuEntries, Inventory };

// Every field a control of the windows edits: the current window's, item's, menu's and menu
// item's, and the scenario settings.
enum class Field {
    // the current window
    Kam,
    WindowSound,
    LookScript,
    ArrivalScript,
    DepartureScript,
    // the current item
    Co,
    ItemSound,
    ExamineScript,
    TakeScript,
    PutScript,
    UseScript,
    TalkScript,
    CanTake,
    UseOn,
    IsCharacter,
    // the current menu and menu item
    MenuParent,
    MenuItemSound,
    FunctionScript,
    // the scenario settings
    ScenarioName,
    StartWindow,
    IntroText,
    WinText,
    LoseText,
    CycleText,
    MaxItems,
    TalkToItems,
    ReportWalk,
    ReportTake,
    CycleInterval,
    CycleActive,
    Encode,
    Password,
};

// The entity a field belongs to, or none for a scenario setting.
enum class FieldOwner { Window, Item, Menu, MenuItem, Settings };
FieldOwner OwnerOf(Field field);

enum class SoundList { User, System };

enum class ChangeKind {
    EntityAdded,       // entity, object
    EntityRemoved,     // entity, object (already destroyed: compare, never dereference)
    EntityRenamed,     // entity, object
    CurrentChanged,    // entity, object (the new current one, or nullptr)
    FieldChanged,      // field, object (the entity it belongs to; nullptr for settings)
    EntriesChanged,    // list, object (the window or menu whose list it is; nullptr: inventory)
    SoundsChanged,     // sounds
    DocumentReplaced,  // everything: "Nový", a load, the start-up scenario
    ModifiedChanged,   // the modified flag, and with it the status line
};

struct DocumentChange {
    ChangeKind kind = ChangeKind::DocumentReplaced;
    EntityKind entity = EntityKind::Window;
    Field field = Field::Kam;
    EntryList list = EntryList::Paths;
    SoundList sounds = SoundList::User;
    const void* object = nullptr;
};

using DocumentListener = std::function<void(const DocumentChange&)>;

// The listeners of one document. A listener may subscribe or unsubscribe others, itself
// included, while an event is being told.
class DocumentEvents {
  public:
    using Token = std::size_t;

    Token subscribe(DocumentListener listener);
    void unsubscribe(Token token);
    void notify(const DocumentChange& change) const;
    std::size_t listenerCount() const;

  private:
    struct Entry {
        Token token;
        DocumentListener listener;
    };
    std::vector<Entry> listeners_;
    Token next_ = 1;
};

class EditorDocument;

// A subscription that ends with its owner (a window, a dialog).
class DocumentSubscription {
  public:
    DocumentSubscription() = default;
    DocumentSubscription(EditorDocument& doc, DocumentListener listener);
    DocumentSubscription(DocumentSubscription&& other) noexcept;
    DocumentSubscription& operator=(DocumentSubscription&& other) noexcept;
    DocumentSubscription(const DocumentSubscription&) = delete;
    DocumentSubscription& operator=(const DocumentSubscription&) = delete;
    ~DocumentSubscription();

    void reset();

  private:
    EditorDocument* doc_ = nullptr;
    DocumentEvents::Token token_ = 0;
};

}  // namespace vek::editor
