#include "editor/document/document.h"

#include <algorithm>
#include <utility>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/sound_entry.h"
#include "common/system_sounds.h"
#include "editor/document/fields.h"

namespace vek::editor {

namespace {

// Whether a field holds the same in both owners.
bool sameField(const FieldDef& def, const void* a, const void* b) {
    if (def.text)
        return def.textIn(a) == def.textIn(b);
    if (def.flag)
        return def.flagIn(a) == def.flagIn(b);
    if (def.lines)
        return def.linesIn(a) == def.linesIn(b);
    return true;
}

bool isWholeNumber(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string MakeUniqueName(std::string_view base) {
    std::string name(base);
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

std::string MakeUniqueName(std::string_view base,
                           const std::function<bool(std::string_view)>& taken) {
    std::string candidate = MakeUniqueName(base);
    for (int n = 1; taken(candidate); ++n) {
        std::size_t p = candidate.find('[');
        std::size_t q = candidate.find(']');
        std::string suffix = "[" + std::to_string(n) + "]";
        if (p != std::string::npos && q == candidate.size() - 1 && q > p &&
            isWholeNumber(std::string_view(candidate).substr(p + 1, q - p - 1)))
            candidate = candidate.substr(0, p) + suffix;
        else
            candidate += suffix;
    }
    return candidate;
}

EditorDocument::EditorDocument() {
    content_.Settings.ScenarioName = "Nový scénář"_cp;
    content_.Settings.StartWindow = "Začátek_dobrodružství"_cp;
    content_.Settings.IntroText.add("Pozor, začínáme !"_cp);
    content_.SystemSounds.assign(editorDefaultSystemSounds());
    ResetMainMenu();
}

DocumentContent EditorDocument::EmptyContent() {
    EditorDocument doc;
    doc.ClearDocument();
    return std::move(doc.content_);
}

const std::vector<std::string>& EditorDocument::DefaultMainMenu() {
    static const std::vector<std::string> entries = {
        "Rozhlédni_se[SZrozhledni]"_cp,
        "Jdi[SZjdi]",
        "Prozkoumej[SZprozkoumej]",
        "Vezmi[SZvezmi]",
        "Polož[SZpoloz]"_cp,
        "Použij[SZpouzij]"_cp,
        "Promluv_si[SZpromluv]",
        "Seznam[SZseznam]",
        "Menu[SZMmenu]",
    };
    return entries;
}

// ---- change events --------------------------------------------------------------------------

DocumentEvents::Token EditorDocument::Subscribe(DocumentListener listener) {
    return events_.subscribe(std::move(listener));
}

void EditorDocument::Unsubscribe(DocumentEvents::Token token) {
    events_.unsubscribe(token);
}

void EditorDocument::notify(const DocumentChange& change) const {
    if (quiet_ == 0)
        events_.notify(change);
}

void EditorDocument::notifyEntity(ChangeKind kind, EntityKind entity, const void* object) const {
    DocumentChange change;
    change.kind = kind;
    change.entity = entity;
    change.object = object;
    notify(change);
}

void EditorDocument::notifyEntries(EntryList list, const void* owner) const {
    DocumentChange change;
    change.kind = ChangeKind::EntriesChanged;
    change.list = list;
    change.object = owner;
    notify(change);
}

void EditorDocument::notifyField(Field field) const {
    DocumentChange change;
    change.kind = ChangeKind::FieldChanged;
    change.field = field;
    change.object = fieldOwner(field);
    notify(change);
}

void EditorDocument::replaced() {
    DocumentChange change;
    change.kind = ChangeKind::DocumentReplaced;
    notify(change);
}

void EditorDocument::SetModified(bool flag) {
    if (flag)
        history_.markNothingClean();
    else
        history_.markClean();
    updateModified();
}

void EditorDocument::updateModified() {
    bool flag = !history_.atClean();
    if (modified_ == flag)
        return;
    modified_ = flag;
    DocumentChange change;
    change.kind = ChangeKind::ModifiedChanged;
    notify(change);
}

void EditorDocument::soundsEdited(SoundList which) {
    DocumentChange change;
    change.kind = ChangeKind::SoundsChanged;
    change.sounds = which;
    notify(change);
    markDirty();
}

StatusLine EditorDocument::UpdateStatusLine() const {
    StatusLine s;
    s.counts = "oken: " + std::to_string(content_.Windows.size()) + ", předmětů: "_cp +
               std::to_string(content_.Items.size()) + ", zvuků: "_cp +
               std::to_string(content_.UserSounds.size());
    s.modified = modified_ ? "změněn"_cp : "";
    return s;
}

std::string EditorDocument::WindowTitle() const {
    std::string title = cp1250ToUtf8("Editor scénářů"_cp);
    return FileName.empty() ? title : title + " - " + FileName;
}

void EditorDocument::ResetMainMenu() {
    Step step(*this, "obnovení hlavního menu"_cp, EntityPlace(EntityKind::Menu));
    TNabidka* main = content_.Menus.find(kMainMenuName);
    if (!main) {
        auto menu = std::make_unique<TNabidka>();
        menu->Name = std::string(kMainMenuName);
        menu->Parent = std::string(kSystemMenuName);
        main = content_.Menus.add(std::move(menu));
        record(AddedRecord(main));
    }
    touch(main);
    main->Entries.assign(DefaultMainMenu());
    notifyEntries(EntryList::MenuEntries, main);
    show(shownMenu_, main, EntityKind::Menu);
    pending_.step.place.object = main;
    if (!content_.Menus.find(kSystemMenuName)) {
        auto menu = std::make_unique<TNabidka>();
        menu->Name = std::string(kSystemMenuName);
        menu->Parent = "(žádná)"_cp;
        menu->Entries.add("Položky jsou nepřístupné!"_cp);
        TNabidka* added = content_.Menus.add(std::move(menu));
        record(AddedRecord(added));
        notifyEntity(ChangeKind::EntityAdded, EntityKind::Menu, added);
    }
    markDirty();
}

void EditorDocument::ClearDocument() {
    ++quiet_;
    forgetHistory();
    content_.Windows.clear();
    content_.Items.clear();
    content_.Menus.clear();
    content_.MenuItems.clear();
    shownWindow_ = nullptr;
    shownItem_ = nullptr;
    shownMenu_ = nullptr;
    shownMenuItem_ = nullptr;
    content_.UserSounds.clear();
    content_.SystemSounds.assign(editorDefaultSystemSounds());
    ResetMainMenu();
    std::string keptStart = content_.Settings.StartWindow;  // "Nový" leaves the start window alone
    content_.Settings = ScenarioSettings{};
    content_.Settings.ScenarioName = "Nový scénář"_cp;
    content_.Settings.StartWindow = keptStart;
    forgetHistory();
    --quiet_;
    replaced();
    updateModified();
}

void EditorDocument::CreateStartupScenario() {
    ++quiet_;
    ClearDocument();
    FileName.clear();
    content_.Settings.StartWindow = "Začátek_dobrodružství"_cp;
    content_.Settings.ScenarioName = "Nový scénář"_cp;
    content_.Settings.IntroText.assign({"Pozor, začínáme !"_cp});

    auto window = std::make_unique<TOkna>();
    window->Name = "Začátek_dobrodružství"_cp;
    window->LookScript.add("Zatím tu není nic zajímavého"_cp);
    window->Kam = "na začátek dobrodružství"_cp;
    shownWindow_ = content_.Windows.add(std::move(window));

    auto item = std::make_unique<TPredmet>();
    item->Name = "Židle"_cp;
    item->ExamineScript.add("Obyčejná dřevěná židle"_cp);
    item->Co = "židli"_cp;
    shownItem_ = content_.Items.add(std::move(item));

    content_.SystemSounds.assign(editorDefaultSystemSounds());
    ResetMainMenu();
    forgetHistory();
    --quiet_;
    replaced();
    updateModified();
}

namespace {

// Removes the unnamed entities of `list`; the current one, when removed, becomes the first.
template <typename T>
void purgeList(SortedNamedList<T>& list, T*& shown, std::vector<std::unique_ptr<T>>& removed) {
    for (std::size_t i = list.size(); i-- > 0;)
        if (list.nameAt(i).empty()) {
            if (shown == list.objectAt(i))
                shown = nullptr;
            removed.push_back(list.takeAt(i));
        }
    if (!shown && !list.empty())
        shown = list.objectAt(0);
}

}  // namespace

void EditorDocument::PurgeUnnamed() {
    Step step(*this, "odstranění nepojmenovaných"_cp);
    // Told after the fact: a page still showing a purged entity hears it is gone before it
    // could write into it.
    std::vector<std::unique_ptr<TOkna>> windows;
    std::vector<std::unique_ptr<TPredmet>> items;
    TOkna* oldWindow = shownWindow_;
    TPredmet* oldItem = shownItem_;
    purgeList(content_.Windows, shownWindow_, windows);
    purgeList(content_.Items, shownItem_, items);
    for (auto& w : windows) {
        const void* object = w.get();
        record(RemovedRecord(std::move(w)));
        notifyEntity(ChangeKind::EntityRemoved, EntityKind::Window, object);
    }
    for (auto& i : items) {
        const void* object = i.get();
        record(RemovedRecord(std::move(i)));
        notifyEntity(ChangeKind::EntityRemoved, EntityKind::Item, object);
    }
    if (shownWindow_ != oldWindow)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::Window, shownWindow_);
    if (shownItem_ != oldItem)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::Item, shownItem_);
}

void EditorDocument::Adopt(DocumentContent content, bool modified) {
    ++quiet_;
    forgetHistory();
    content_ = std::move(content);
    shownWindow_ = nullptr;
    shownItem_ = nullptr;
    PurgeUnnamed();
    auto first = [](auto& list) { return list.empty() ? nullptr : list.objectAt(0); };
    shownWindow_ = first(content_.Windows);
    shownItem_ = first(content_.Items);
    shownMenuItem_ = first(content_.MenuItems);
    shownMenu_ = content_.Menus.find(kMainMenuName);
    forgetHistory();
    if (modified)
        history_.markNothingClean();
    --quiet_;
    replaced();
    updateModified();
}

// ---- creating -------------------------------------------------------------------------------

const TOkna* EditorDocument::NewWindow() {
    auto window = std::make_unique<TOkna>();
    window->Name = MakeUniqueName(
        "Nové okno[1]"_cp, [this](std::string_view n) { return content_.Windows.contains(n); });
    Step step(*this, "nové okno"_cp, EntityPlace(EntityKind::Window));
    shownWindow_ = content_.Windows.add(std::move(window));
    record(AddedRecord(shownWindow_));
    pending_.step.place.object = shownWindow_;
    notifyEntity(ChangeKind::EntityAdded, EntityKind::Window, shownWindow_);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::Window, shownWindow_);
    markDirty();
    return shownWindow_;
}

const TPredmet* EditorDocument::NewItem() {
    auto item = std::make_unique<TPredmet>();
    item->Name = MakeUniqueName("Nový předmět[1]"_cp,
                                [this](std::string_view n) { return content_.Items.contains(n); });
    Step step(*this, "nový předmět"_cp, EntityPlace(EntityKind::Item));
    shownItem_ = content_.Items.add(std::move(item));
    record(AddedRecord(shownItem_));
    pending_.step.place.object = shownItem_;
    notifyEntity(ChangeKind::EntityAdded, EntityKind::Item, shownItem_);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::Item, shownItem_);
    markDirty();
    return shownItem_;
}

const TNabidka* EditorDocument::NewMenu() {
    auto menu = std::make_unique<TNabidka>();
    menu->Name = MakeUniqueName("Nová nabídka[1]"_cp,
                                [this](std::string_view n) { return content_.Menus.contains(n); });
    menu->Parent = std::string(kAutomaticParent);
    Step step(*this, "nová nabídka"_cp, EntityPlace(EntityKind::Menu));
    shownMenu_ = content_.Menus.add(std::move(menu));
    record(AddedRecord(shownMenu_));
    pending_.step.place.object = shownMenu_;
    notifyEntity(ChangeKind::EntityAdded, EntityKind::Menu, shownMenu_);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::Menu, shownMenu_);
    markDirty();
    return shownMenu_;
}

const TPolozka* EditorDocument::NewMenuItem() {
    auto entry = std::make_unique<TPolozka>();
    entry->Name = MakeUniqueName("Nová položka[1]"_cp, [this](std::string_view n) {
        return content_.MenuItems.contains(n);
    });
    Step step(*this, "nová položka"_cp, EntityPlace(EntityKind::MenuItem));
    shownMenuItem_ = content_.MenuItems.add(std::move(entry));
    record(AddedRecord(shownMenuItem_));
    pending_.step.place.object = shownMenuItem_;
    notifyEntity(ChangeKind::EntityAdded, EntityKind::MenuItem, shownMenuItem_);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::MenuItem, shownMenuItem_);
    markDirty();
    return shownMenuItem_;
}

// ---- deleting -------------------------------------------------------------------------------

template <typename T>
void EditorDocument::deleteShown(SortedNamedList<T>& list, T*& shown, EntityKind kind) {
    if (list.empty())
        return;
    int i = list.indexOfObject(shown);
    T* previous = shown;
    if (i >= 0) {
        // The object goes into the history, so that an undo brings back this very object.
        record(RemovedRecord(list.takeAt(static_cast<std::size_t>(i))));
        shown = list.empty() ? nullptr
                             : list.objectAt(std::min<std::size_t>(static_cast<std::size_t>(i),
                                                                   list.size() - 1));
        notifyEntity(ChangeKind::EntityRemoved, kind, previous);
    } else {
        shown = list.objectAt(0);
    }
    notifyEntity(ChangeKind::CurrentChanged, kind, shown);
    markDirty();
}

namespace {

// Removes the first entry equal to `name` from that list of every window; the windows whose
// list changed. `before` sees each of them before it changes.
template <typename Before>
std::vector<TOkna*> removeFromEveryWindow(SortedNamedList<TOkna>& windows,
                                          TSpecStrings TOkna::*list, std::string_view name,
                                          Before before) {
    std::vector<TOkna*> changed;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        TOkna* window = windows.objectAt(i);
        if ((window->*list).contains(name)) {
            before(window);
            (window->*list).remove(name);
            changed.push_back(window);
        }
    }
    return changed;
}

// The name of an entity kind after "smazání " or "přejmenování ".
std::string kindGenitive(EntityKind kind) {
    switch (kind) {
        case EntityKind::Window:
            return "okna ";
        case EntityKind::Item:
            return "předmětu "_cp;
        case EntityKind::Menu:
            return "nabídky "_cp;
        case EntityKind::MenuItem:
            return "položky "_cp;
    }
    return {};
}

}  // namespace

void EditorDocument::DeleteShownWindow() {
    if (content_.Windows.empty())
        return;
    Step step(*this, "smazání okna "_cp + (shownWindow_ ? shownWindow_->Name : std::string()),
              EntityPlace(EntityKind::Window, shownWindow_));
    std::vector<TOkna*> changed;
    if (shownWindow_ && content_.Windows.indexOfObject(shownWindow_) >= 0)
        changed = removeFromEveryWindow(content_.Windows, &TOkna::Paths, shownWindow_->Name,
                                        [this](TOkna* w) { touch(w); });
    TOkna* deleted = shownWindow_;
    deleteShown(content_.Windows, shownWindow_, EntityKind::Window);
    for (TOkna* window : changed)
        if (window != deleted)
            notifyEntries(EntryList::Paths, window);
}

void EditorDocument::DeleteShownItem() {
    if (content_.Items.empty())
        return;
    Step step(*this, "smazání předmětu "_cp + (shownItem_ ? shownItem_->Name : std::string()),
              EntityPlace(EntityKind::Item, shownItem_));
    std::vector<TOkna*> changed;
    if (shownItem_ && content_.Items.indexOfObject(shownItem_) >= 0)
        changed = removeFromEveryWindow(content_.Windows, &TOkna::Items, shownItem_->Name,
                                        [this](TOkna* w) { touch(w); });
    deleteShown(content_.Items, shownItem_, EntityKind::Item);
    for (TOkna* window : changed)
        notifyEntries(EntryList::Items, window);
}

EditResult EditorDocument::CanDeleteShownMenu() const {
    if (shownMenu_ &&
        (sameText(shownMenu_->Name, kMainMenuName) || sameText(shownMenu_->Name, kSystemMenuName)))
        return EditResult::refused("Nabídku '"_cp + shownMenu_->Name + "' nelze smazat!");
    return {};
}

EditResult EditorDocument::DeleteShownMenu() {
    EditResult check = CanDeleteShownMenu();
    if (check.done && !content_.Menus.empty()) {
        Step step(*this, "smazání nabídky "_cp + (shownMenu_ ? shownMenu_->Name : std::string()),
                  EntityPlace(EntityKind::Menu, shownMenu_));
        deleteShown(content_.Menus, shownMenu_, EntityKind::Menu);
    }
    return check;
}

EditResult EditorDocument::CanDeleteShownMenuItem() const {
    if (shownMenuItem_) {
        for (const auto& entry : DefaultMainMenu())
            if (sameText(shownMenuItem_->Name, entry))
                return EditResult::refused("Položku '"_cp + shownMenuItem_->Name +
                                           "' nelze smazat!");
    }
    return {};
}

EditResult EditorDocument::DeleteShownMenuItem() {
    EditResult check = CanDeleteShownMenuItem();
    if (check.done && !content_.MenuItems.empty()) {
        Step step(*this,
                  "smazání položky "_cp + (shownMenuItem_ ? shownMenuItem_->Name : std::string()),
                  EntityPlace(EntityKind::MenuItem, shownMenuItem_));
        deleteShown(content_.MenuItems, shownMenuItem_, EntityKind::MenuItem);
    }
    return check;
}

// ---- the current entities --------------------------------------------------------------------

template <typename T>
void EditorDocument::show(T*& shown, const T* object, EntityKind kind) {
    if (shown == object)
        return;
    // Every entity is the document's own; the windows only hold it read-only.
    shown = const_cast<T*>(object);
    notifyEntity(ChangeKind::CurrentChanged, kind, object);
}

void EditorDocument::Show(const TOkna* window) {
    show(shownWindow_, window, EntityKind::Window);
}
void EditorDocument::Show(const TPredmet* item) {
    show(shownItem_, item, EntityKind::Item);
}
void EditorDocument::Show(const TNabidka* menu) {
    show(shownMenu_, menu, EntityKind::Menu);
}
void EditorDocument::Show(const TPolozka* menuItem) {
    show(shownMenuItem_, menuItem, EntityKind::MenuItem);
}

bool EditorDocument::ShowNamed(EntityKind kind, std::string_view name) {
    switch (kind) {
        case EntityKind::Window:
            if (TOkna* w = content_.Windows.find(name))
                return Show(w), true;
            break;
        case EntityKind::Item:
            if (TPredmet* i = content_.Items.find(name))
                return Show(i), true;
            break;
        case EntityKind::Menu:
            if (TNabidka* m = content_.Menus.find(name))
                return Show(m), true;
            break;
        case EntityKind::MenuItem:
            if (TPolozka* p = content_.MenuItems.find(name))
                return Show(p), true;
            break;
    }
    return false;
}

namespace {

template <typename T>
T* neighbour(SortedNamedList<T>& list, T* shown, int direction) {
    int i = list.indexOfObject(shown);
    if (i < 0)
        return nullptr;
    long next = static_cast<long>(i) + direction;
    if (next < 0 || next >= static_cast<long>(list.size()))
        return nullptr;
    return list.objectAt(static_cast<std::size_t>(next));
}

}  // namespace

bool EditorDocument::StepShown(EntityKind kind, int direction) {
    switch (kind) {
        case EntityKind::Window:
            if (TOkna* next = neighbour(content_.Windows, shownWindow_, direction))
                return Show(next), true;
            break;
        case EntityKind::Item:
            if (TPredmet* next = neighbour(content_.Items, shownItem_, direction))
                return Show(next), true;
            break;
        case EntityKind::Menu:
            if (TNabidka* next = neighbour(content_.Menus, shownMenu_, direction))
                return Show(next), true;
            break;
        case EntityKind::MenuItem:
            if (TPolozka* next = neighbour(content_.MenuItems, shownMenuItem_, direction))
                return Show(next), true;
            break;
    }
    return false;
}

// ---- renaming -------------------------------------------------------------------------------

namespace {

// The entity keeps its object; it leaves the list and comes back under the new name. nullptr,
// and nothing changes, when `shown` is not in the list.
template <typename T, typename Before>
T* renameIn(SortedNamedList<T>& list, T* shown, std::string_view newText, Before before) {
    int i = list.indexOfObject(shown);
    if (i < 0)
        return nullptr;
    before(shown);
    std::unique_ptr<T> object = list.takeAt(static_cast<std::size_t>(i));
    object->Name =
        MakeUniqueName(newText, [&list](std::string_view n) { return list.contains(n); });
    return list.add(std::move(object));
}

// Replaces every entry equal to `oldName` in that list of every window; the windows changed.
// `before` sees each of them before it changes.
template <typename Before>
std::vector<TOkna*> replaceInEveryWindow(SortedNamedList<TOkna>& windows, TSpecStrings TOkna::*list,
                                         std::string_view oldName, const std::string& newName,
                                         Before before) {
    std::vector<TOkna*> changed;
    for (std::size_t w = 0; w < windows.size(); ++w) {
        TSpecStrings& entries = windows.objectAt(w)->*list;
        bool any = false;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (sameText(entries[i], oldName)) {
                if (!any)
                    before(windows.objectAt(w));
                entries.set(i, newName);
                any = true;
            }
        if (any)
            changed.push_back(windows.objectAt(w));
    }
    return changed;
}

}  // namespace

EditResult EditorDocument::CanRename(EntityKind kind) const {
    if (kind == EntityKind::Menu && shownMenu_ &&
        (sameText(shownMenu_->Name, kMainMenuName) || sameText(shownMenu_->Name, kSystemMenuName)))
        return EditResult::refused("Nabídku '"_cp + shownMenu_->Name + "' nelze přejmenovat!"_cp);
    return {};
}

EditResult EditorDocument::Rename(EntityKind kind, std::string_view newText) {
    EditResult check = CanRename(kind);
    if (!check.done)
        return check;
    const void* current = kind == EntityKind::Window ? static_cast<const void*>(shownWindow_)
                          : kind == EntityKind::Item ? static_cast<const void*>(shownItem_)
                          : kind == EntityKind::Menu ? static_cast<const void*>(shownMenu_)
                                                     : static_cast<const void*>(shownMenuItem_);
    std::string currentName = kind == EntityKind::Window ? (shownWindow_ ? shownWindow_->Name : "")
                              : kind == EntityKind::Item ? (shownItem_ ? shownItem_->Name : "")
                              : kind == EntityKind::Menu
                                  ? (shownMenu_ ? shownMenu_->Name : "")
                                  : (shownMenuItem_ ? shownMenuItem_->Name : "");
    Step step(*this, "přejmenování "_cp + kindGenitive(kind) + currentName,
              EntityPlace(kind, current));
    auto touchIt = [this](auto* object) { touch(object); };
    const void* renamed = nullptr;
    std::vector<TOkna*> changed;
    EntryList changedList = EntryList::Paths;
    bool startChanged = false;
    switch (kind) {
        case EntityKind::Window: {
            std::string oldName = shownWindow_ ? shownWindow_->Name : std::string();
            TOkna* window = renameIn(content_.Windows, shownWindow_, newText, touchIt);
            if (!window)
                break;
            changed = replaceInEveryWindow(content_.Windows, &TOkna::Paths, oldName, window->Name,
                                           touchIt);
            if (content_.Settings.StartWindow == oldName) {
                touchSettings();
                content_.Settings.StartWindow = window->Name;
                startChanged = true;
            }
            renamed = window;
            break;
        }
        case EntityKind::Item: {
            std::string oldName = shownItem_ ? shownItem_->Name : std::string();
            TPredmet* item = renameIn(content_.Items, shownItem_, newText, touchIt);
            if (!item)
                break;
            changed =
                replaceInEveryWindow(content_.Windows, &TOkna::Items, oldName, item->Name, touchIt);
            changedList = EntryList::Items;
            renamed = item;
            break;
        }
        case EntityKind::Menu:
            renamed = renameIn(content_.Menus, shownMenu_, newText, touchIt);
            break;
        case EntityKind::MenuItem:
            renamed = renameIn(content_.MenuItems, shownMenuItem_, newText, touchIt);
            break;
    }
    if (!renamed)
        return EditResult{false, {}};
    notifyEntity(ChangeKind::EntityRenamed, kind, renamed);
    for (TOkna* window : changed)
        notifyEntries(changedList, window);
    if (startChanged)
        notifyField(Field::StartWindow);
    markDirty();
    return {};
}

// ---- list entries ---------------------------------------------------------------------------

std::vector<std::string> EditorDocument::Choices(EntryList list) const {
    std::vector<std::string> out;
    switch (list) {
        case EntryList::Paths:
            return content_.Windows.names();
        case EntryList::Items:
            return content_.Items.names();
        case EntryList::Music:
            out = content_.UserSounds.lines();
            for (auto& line : out)
                line = std::string(entry_line::Key(line));
            for (const auto& line : content_.SystemSounds)
                out.emplace_back(entry_line::Key(line));
            return out;
        case EntryList::MenuEntries:
            out = content_.MenuItems.names();
            out.insert(out.end(), DefaultMainMenu().begin(), DefaultMainMenu().end());
            return out;
        case EntryList::Inventory:
            return TakeableItemNames();
    }
    return out;
}

std::vector<std::string> EditorDocument::TakeableItemNames() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < content_.Items.size(); ++i)
        if (content_.Items.objectAt(i)->CanTake)
            out.push_back(content_.Items.nameAt(i));
    return out;
}

std::vector<std::string> EditorDocument::SoundChoices() const {
    std::vector<std::string> out{std::string(kNoSound)};
    auto music = Choices(EntryList::Music);
    out.insert(out.end(), music.begin(), music.end());
    return out;
}

const TSpecStrings* EditorDocument::EntriesOf(EntryList list) const {
    return const_cast<EditorDocument*>(this)->entries(list);
}

TSpecStrings* EditorDocument::entries(EntryList list) {
    switch (list) {
        case EntryList::Paths:
            return shownWindow_ ? &shownWindow_->Paths : nullptr;
        case EntryList::Items:
            return shownWindow_ ? &shownWindow_->Items : nullptr;
        case EntryList::Music:
            return shownWindow_ ? &shownWindow_->Music : nullptr;
        case EntryList::MenuEntries:
            return shownMenu_ ? &shownMenu_->Entries : nullptr;
        case EntryList::Inventory:
            return &content_.Settings.Inventory;
    }
    return nullptr;
}

TSpecStrings* EditorDocument::entryTarget(EntryList list, EditResult& refusal) {
    if (list == EntryList::MenuEntries &&
        (!shownMenu_ || sameText(shownMenu_->Name, kSystemMenuName))) {
        refusal = EditResult::refused("Systémovou nabídku nelze měnit!"_cp);
        return nullptr;
    }
    TSpecStrings* target = entries(list);
    if (!target)
        refusal = EditResult{false, {}};
    return target;
}

const void* EditorDocument::entryOwner(EntryList list) const {
    switch (list) {
        case EntryList::Paths:
        case EntryList::Items:
        case EntryList::Music:
            return shownWindow_;
        case EntryList::MenuEntries:
            return shownMenu_;
        case EntryList::Inventory:
            break;
    }
    return nullptr;
}

namespace {

// What the history calls the edits of a list: adding to it, removing from it, moving in it.
struct EntryLabels {
    std::string_view add, remove, move;
};

const EntryLabels& entryLabels(EntryList list) {
    static const EntryLabels paths{"přidání cesty"_cp, "odebrání cesty"_cp, "přesun cesty"_cp};
    static const EntryLabels items{"přidání předmětu"_cp, "odebrání předmětu"_cp,
                                   "přesun předmětu"_cp};
    static const EntryLabels music{"přidání hudby"_cp, "odebrání hudby"_cp, "přesun hudby"_cp};
    static const EntryLabels menu{"přidání položky nabídky"_cp, "odebrání položky nabídky"_cp,
                                  "přesun položky nabídky"_cp};
    static const EntryLabels inventory{"přidání předmětu do začátku"_cp,
                                       "odebrání předmětu ze začátku"_cp,
                                       "přesun předmětu do začátku"_cp};
    switch (list) {
        case EntryList::Paths:
            return paths;
        case EntryList::Items:
            return items;
        case EntryList::Music:
            return music;
        case EntryList::MenuEntries:
            return menu;
        case EntryList::Inventory:
            break;
    }
    return inventory;
}

}  // namespace

EditPlace EditorDocument::entriesPlace(EntryList list) const {
    EditPlace place;
    place.list = list;
    place.object = entryOwner(list);
    if (list == EntryList::MenuEntries)
        place.entity = EntityKind::Menu;
    else if (list != EntryList::Inventory)
        place.entity = EntityKind::Window;
    return place;
}

void EditorDocument::touchEntries(EntryList list) {
    switch (list) {
        case EntryList::Paths:
        case EntryList::Items:
        case EntryList::Music:
            touch(shownWindow_);
            break;
        case EntryList::MenuEntries:
            touch(shownMenu_);
            break;
        case EntryList::Inventory:
            touchSettings();
            break;
    }
}

EditResult EditorDocument::CanEditEntries(EntryList list) const {
    EditResult result;
    const_cast<EditorDocument*>(this)->entryTarget(list, result);
    return result;
}

EditResult EditorDocument::AddEntry(EntryList list, std::string_view name) {
    EditResult result;
    TSpecStrings* target = entryTarget(list, result);
    if (!target)
        return result;
    Step step(*this, std::string(entryLabels(list).add), entriesPlace(list));
    // Confirming the chooser counts as an edit even when the name is already there.
    if (!name.empty() && !target->contains(name)) {
        touchEntries(list);
        target->add(std::string(name));
        notifyEntries(list, entryOwner(list));
    }
    markDirty();
    return result;
}

EditResult EditorDocument::RemoveEntry(EntryList list, std::size_t position) {
    EditResult result;
    TSpecStrings* target = entryTarget(list, result);
    if (!target || position >= target->size())
        return target ? EditResult{false, {}} : result;
    Step step(*this, std::string(entryLabels(list).remove), entriesPlace(list));
    touchEntries(list);
    target->removeAt(position);
    notifyEntries(list, entryOwner(list));
    markDirty();
    return result;
}

int EditorDocument::MoveEntry(EntryList list, std::size_t position, int direction) {
    EditResult refusal;
    TSpecStrings* target = entryTarget(list, refusal);
    if (!target || position >= target->size())
        return -1;
    long other = static_cast<long>(position) + direction;
    if (other < 0 || other >= static_cast<long>(target->size()))
        return -1;
    Step step(*this, std::string(entryLabels(list).move), entriesPlace(list));
    touchEntries(list);
    std::string moved = (*target)[position];
    target->set(position, (*target)[static_cast<std::size_t>(other)]);
    target->set(static_cast<std::size_t>(other), std::move(moved));
    notifyEntries(list, entryOwner(list));
    markDirty();
    return static_cast<int>(other);
}

void EditorDocument::DeleteUserSounds(std::vector<std::size_t> positions) {
    ChangeUserSounds(std::move(positions), {});
}

std::vector<std::size_t> EditorDocument::ChangeUserSounds(std::vector<std::size_t> remove,
                                                          std::vector<std::string> add) {
    std::sort(remove.begin(), remove.end());
    remove.erase(std::unique(remove.begin(), remove.end()), remove.end());
    while (!remove.empty() && remove.back() >= content_.UserSounds.size())
        remove.pop_back();
    std::size_t count = std::max(remove.size(), add.size());
    std::string what = count == 1 ? "zvuku" : "zvuků"_cp;
    std::string label = remove.empty() ? "přidání "_cp + what
                        : add.empty()  ? "smazání "_cp + what
                                       : "změna "_cp + what;
    EditPlace place;
    place.sounds = SoundList::User;
    Step step(*this, std::move(label), place);
    std::vector<std::string> left;
    for (auto it = remove.rbegin(); it != remove.rend(); ++it) {
        left.push_back(content_.UserSounds[*it]);
        content_.UserSounds.removeAt(*it);
    }
    record(UserSoundsRecord(std::move(left), add));
    std::vector<std::size_t> added;
    // Each insertion moves the lines behind it, those added before it included.
    for (auto& line : add) {
        std::size_t at = content_.UserSounds.insert(std::move(line));
        for (std::size_t& earlier : added)
            if (earlier >= at)
                ++earlier;
        added.push_back(at);
    }
    soundsEdited(SoundList::User);
    return added;
}

void EditorDocument::SetSystemSounds(StringList lines) {
    EditPlace place;
    place.sounds = SoundList::System;
    Step step(*this, "změna systémových zvuků"_cp, place);
    record(SystemSoundsRecord(content_.SystemSounds));
    content_.SystemSounds = std::move(lines);
    soundsEdited(SoundList::System);
}

void EditorDocument::ResetSystemSounds() {
    EditPlace place;
    place.sounds = SoundList::System;
    Step step(*this, "obnovení systémových zvuků"_cp, place);
    SetSystemSounds(StringList(editorDefaultSystemSounds()));
}

void EditorDocument::EnsureStartWindow() {
    // Looked up as every window name is, without regard to case: the player finds "sklep" in a
    // window called Sklep, so such a start window is kept as written.
    // A correction the dialog makes on opening, not an edit of the author's: a step of the
    // history, but an unmodified document stays unmodified.
    if (!content_.Windows.empty() && !content_.Windows.contains(content_.Settings.StartWindow)) {
        Step step(*this, fieldLabel(Field::StartWindow), fieldPlace(Field::StartWindow));
        if (pending_.depth == 1)  // not when it is part of another operation
            pending_.keepsClean = true;
        touchSettings();
        content_.Settings.StartWindow = content_.Windows.nameAt(0);
        notifyField(Field::StartWindow);
    }
}

const std::string* EditorDocument::FindSoundLine(std::string_view key) const {
    int i = content_.UserSounds.indexOfKey(key);
    if (i >= 0)
        return &content_.UserSounds[static_cast<std::size_t>(i)];
    for (const auto& line : content_.SystemSounds)
        if (sameText(entry_line::Key(line), key))
            return &line;
    return nullptr;
}

int SortedLines::indexOfKey(std::string_view key) const {
    for (std::size_t i = 0; i < size(); ++i)
        if (sameText(entry_line::Key((*this)[i]), key))
            return static_cast<int>(i);
    return -1;
}

}  // namespace vek::editor

// ---- fields ---------------------------------------------------------------------------------

namespace vek::editor {

void* EditorDocument::fieldOwner(Field field) const {
    switch (OwnerOf(field)) {
        case FieldOwner::Window:
            return shownWindow_;
        case FieldOwner::Item:
            return shownItem_;
        case FieldOwner::Menu:
            return shownMenu_;
        case FieldOwner::MenuItem:
            return shownMenuItem_;
        case FieldOwner::Settings:
            break;
    }
    return const_cast<ScenarioSettings*>(&content_.Settings);
}

std::string* EditorDocument::textField(Field field) const {
    const FieldDef& def = FieldDefOf(field);
    void* owner = def.text ? fieldOwner(field) : nullptr;
    return owner ? def.text(owner) : nullptr;
}

bool* EditorDocument::flagField(Field field) const {
    const FieldDef& def = FieldDefOf(field);
    void* owner = def.flag ? fieldOwner(field) : nullptr;
    return owner ? def.flag(owner) : nullptr;
}

const TSpecStrings* EditorDocument::FieldLines(Field field) const {
    return const_cast<EditorDocument*>(this)->lines(field);
}

TSpecStrings* EditorDocument::lines(Field field) {
    const FieldDef& def = FieldDefOf(field);
    void* owner = def.lines ? fieldOwner(field) : nullptr;
    return owner ? def.lines(owner) : nullptr;
}

std::string EditorDocument::FieldText(Field field) const {
    if (const std::string* text = textField(field))
        return *text;
    if (const bool* flag = flagField(field))
        return *flag ? "1" : "0";
    if (const TSpecStrings* lines = FieldLines(field))
        return lines->text();
    return {};
}

bool EditorDocument::FieldFlag(Field field) const {
    const bool* flag = flagField(field);
    return flag && *flag;
}

bool EditorDocument::SetField(Field field, std::string_view text) {
    if (Updating())
        return false;
    std::string* textTarget = textField(field);
    TSpecStrings* linesTarget = textTarget ? nullptr : lines(field);
    bool* flag = textTarget || linesTarget ? nullptr : flagField(field);
    if (!textTarget && !linesTarget && !flag)
        return false;
    Step step(*this, fieldLabel(field), fieldPlace(field), !flag);
    touchOwner(field);
    if (textTarget) {
        bool noSound =
            (field == Field::WindowSound || field == Field::ItemSound) && text == kNoSound;
        *textTarget = noSound ? std::string() : std::string(text);
    } else if (linesTarget) {
        linesTarget->setText(text);
    } else {
        *flag = !text.empty() && text != "0";
    }
    notifyField(field);
    markDirty();
    return true;
}

bool EditorDocument::SetFieldLines(Field field, std::vector<std::string> text) {
    TSpecStrings* target = lines(field);
    if (Updating() || !target)
        return false;
    Step step(*this, fieldLabel(field), fieldPlace(field), true);
    touchOwner(field);
    target->assign(std::move(text));
    notifyField(field);
    markDirty();
    return true;
}

bool EditorDocument::ReplaceText(const void* owner, Field field, std::size_t line,
                                 std::size_t start, std::size_t length, std::string_view with) {
    const FieldDef& def = FieldDefOf(field);
    TOkna* window = nullptr;
    TPredmet* item = nullptr;
    void* target = nullptr;
    EditPlace place;
    place.field = field;
    switch (def.owner) {
        case FieldOwner::Window:
            if (int i = content_.Windows.indexOfObject(static_cast<const TOkna*>(owner)); i >= 0)
                target = window = content_.Windows.objectAt(static_cast<std::size_t>(i));
            place.entity = EntityKind::Window;
            break;
        case FieldOwner::Item:
            if (int i = content_.Items.indexOfObject(static_cast<const TPredmet*>(owner)); i >= 0)
                target = item = content_.Items.objectAt(static_cast<std::size_t>(i));
            place.entity = EntityKind::Item;
            break;
        case FieldOwner::Settings:
            if (!owner)
                target = &content_.Settings;
            break;
        default:
            break;
    }
    if (!target || !def.lines)
        return false;
    TSpecStrings& lines = *def.lines(target);
    if (line >= lines.size() || start > lines[line].size() || length > lines[line].size() - start)
        return false;
    place.object = window ? static_cast<const void*>(window) : item;
    Step step(*this, "záměna textu"_cp, place);
    if (window)
        touch(window);
    else if (item)
        touch(item);
    else
        touchSettings();
    std::string text = lines[line];
    text.replace(start, length, with);
    lines.set(line, std::move(text));
    DocumentChange change;
    change.kind = ChangeKind::FieldChanged;
    change.field = field;
    change.object = target;
    notify(change);
    markDirty();
    return true;
}

void EditorDocument::SetSettings(const ScenarioSettings& settings) {
    if (content_.Settings == settings)
        return;
    Step step(*this, "změna vlastností scénáře"_cp);
    touchSettings();
    ScenarioSettings before = std::exchange(content_.Settings, settings);
    // Every window showing a setting that changed hears of it.
    for (const FieldDef& def : FieldTable()) {
        if (def.owner != FieldOwner::Settings)
            continue;
        if (def.kind == FieldKind::Entries) {
            if (!(before.Inventory == content_.Settings.Inventory))
                notifyEntries(def.list, nullptr);
        } else if (!sameField(def, &before, &content_.Settings)) {
            notifyField(def.field);
        }
    }
    markDirty();
}

bool EditorDocument::SetFieldFlag(Field field, bool value) {
    bool* target = flagField(field);
    if (Updating() || !target)
        return false;
    Step step(*this, fieldLabel(field), fieldPlace(field));
    touchOwner(field);
    *target = value;
    notifyField(field);
    markDirty();
    return true;
}

}  // namespace vek::editor
