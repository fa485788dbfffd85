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
    bool changed = modified_ != flag;
    modified_ = flag;
    if (changed) {
        DocumentChange change;
        change.kind = ChangeKind::ModifiedChanged;
        notify(change);
    }
}

void EditorDocument::soundsEdited(SoundList which) {
    DocumentChange change;
    change.kind = ChangeKind::SoundsChanged;
    change.sounds = which;
    notify(change);
    SetModified(true);
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
    TNabidka* main = content_.Menus.find(kMainMenuName);
    if (!main) {
        auto menu = std::make_unique<TNabidka>();
        menu->Name = std::string(kMainMenuName);
        menu->Parent = std::string(kSystemMenuName);
        main = content_.Menus.add(std::move(menu));
    }
    main->Entries.assign(DefaultMainMenu());
    notifyEntries(EntryList::MenuEntries, main);
    show(shownMenu_, main, EntityKind::Menu);
    if (!content_.Menus.find(kSystemMenuName)) {
        auto menu = std::make_unique<TNabidka>();
        menu->Name = std::string(kSystemMenuName);
        menu->Parent = "(žádná)"_cp;
        menu->Entries.add("Položky jsou nepřístupné!"_cp);
        notifyEntity(ChangeKind::EntityAdded, EntityKind::Menu,
                     content_.Menus.add(std::move(menu)));
    }
}

void EditorDocument::ClearDocument() {
    ++quiet_;
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
    --quiet_;
    replaced();
    SetModified(false);
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
    --quiet_;
    replaced();
    SetModified(false);
}

namespace {

// Removes the unnamed entities of `list`; the current one, when removed, becomes the first.
template <typename T>
void purgeList(SortedNamedList<T>& list, T*& shown, std::vector<const void*>& removed) {
    for (std::size_t i = list.size(); i-- > 0;)
        if (list.nameAt(i).empty()) {
            T* object = list.objectAt(i);
            removed.push_back(object);
            if (shown == object)
                shown = nullptr;
            list.removeAt(i);
        }
    if (!shown && !list.empty())
        shown = list.objectAt(0);
}

}  // namespace

void EditorDocument::PurgeUnnamed() {
    // Told after the fact: a page still showing a purged entity hears it is gone before it
    // could write into it.
    std::vector<const void*> windows, items;
    TOkna* oldWindow = shownWindow_;
    TPredmet* oldItem = shownItem_;
    purgeList(content_.Windows, shownWindow_, windows);
    purgeList(content_.Items, shownItem_, items);
    for (const void* w : windows)
        notifyEntity(ChangeKind::EntityRemoved, EntityKind::Window, w);
    for (const void* i : items)
        notifyEntity(ChangeKind::EntityRemoved, EntityKind::Item, i);
    if (shownWindow_ != oldWindow)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::Window, shownWindow_);
    if (shownItem_ != oldItem)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::Item, shownItem_);
}

void EditorDocument::Adopt(DocumentContent content, bool modified) {
    ++quiet_;
    content_ = std::move(content);
    shownWindow_ = nullptr;
    shownItem_ = nullptr;
    PurgeUnnamed();
    auto first = [](auto& list) { return list.empty() ? nullptr : list.objectAt(0); };
    shownWindow_ = first(content_.Windows);
    shownItem_ = first(content_.Items);
    shownMenuItem_ = first(content_.MenuItems);
    shownMenu_ = content_.Menus.find(kMainMenuName);
    --quiet_;
    replaced();
    SetModified(modified);
}

// ---- creating -------------------------------------------------------------------------------

const TOkna* EditorDocument::NewWindow() {
    auto window = std::make_unique<TOkna>();
    window->Name = MakeUniqueName(
        "Nové okno[1]"_cp, [this](std::string_view n) { return content_.Windows.contains(n); });
    shownWindow_ = content_.Windows.add(std::move(window));
    notifyEntity(ChangeKind::EntityAdded, EntityKind::Window, shownWindow_);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::Window, shownWindow_);
    SetModified(true);
    return shownWindow_;
}

const TPredmet* EditorDocument::NewItem() {
    auto item = std::make_unique<TPredmet>();
    item->Name = MakeUniqueName("Nový předmět[1]"_cp,
                                [this](std::string_view n) { return content_.Items.contains(n); });
    shownItem_ = content_.Items.add(std::move(item));
    notifyEntity(ChangeKind::EntityAdded, EntityKind::Item, shownItem_);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::Item, shownItem_);
    SetModified(true);
    return shownItem_;
}

const TNabidka* EditorDocument::NewMenu() {
    auto menu = std::make_unique<TNabidka>();
    menu->Name = MakeUniqueName("Nová nabídka[1]"_cp,
                                [this](std::string_view n) { return content_.Menus.contains(n); });
    menu->Parent = std::string(kAutomaticParent);
    shownMenu_ = content_.Menus.add(std::move(menu));
    notifyEntity(ChangeKind::EntityAdded, EntityKind::Menu, shownMenu_);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::Menu, shownMenu_);
    SetModified(true);
    return shownMenu_;
}

const TPolozka* EditorDocument::NewMenuItem() {
    auto entry = std::make_unique<TPolozka>();
    entry->Name = MakeUniqueName("Nová položka[1]"_cp, [this](std::string_view n) {
        return content_.MenuItems.contains(n);
    });
    shownMenuItem_ = content_.MenuItems.add(std::move(entry));
    notifyEntity(ChangeKind::EntityAdded, EntityKind::MenuItem, shownMenuItem_);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::MenuItem, shownMenuItem_);
    SetModified(true);
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
        list.removeAt(static_cast<std::size_t>(i));
        shown = list.empty() ? nullptr
                             : list.objectAt(std::min<std::size_t>(static_cast<std::size_t>(i),
                                                                   list.size() - 1));
        notifyEntity(ChangeKind::EntityRemoved, kind, previous);
    } else {
        shown = list.objectAt(0);
    }
    notifyEntity(ChangeKind::CurrentChanged, kind, shown);
    SetModified(true);
}

namespace {

// Removes the first entry equal to `name` from that list of every window; the windows whose
// list changed.
std::vector<TOkna*> removeFromEveryWindow(SortedNamedList<TOkna>& windows,
                                          TSpecStrings TOkna::*list, std::string_view name) {
    std::vector<TOkna*> changed;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        TOkna* window = windows.objectAt(i);
        if ((window->*list).remove(name))
            changed.push_back(window);
    }
    return changed;
}

}  // namespace

void EditorDocument::DeleteShownWindow() {
    std::vector<TOkna*> changed;
    if (shownWindow_ && content_.Windows.indexOfObject(shownWindow_) >= 0)
        changed = removeFromEveryWindow(content_.Windows, &TOkna::Paths, shownWindow_->Name);
    TOkna* deleted = shownWindow_;
    deleteShown(content_.Windows, shownWindow_, EntityKind::Window);
    for (TOkna* window : changed)
        if (window != deleted)
            notifyEntries(EntryList::Paths, window);
}

void EditorDocument::DeleteShownItem() {
    std::vector<TOkna*> changed;
    if (shownItem_ && content_.Items.indexOfObject(shownItem_) >= 0)
        changed = removeFromEveryWindow(content_.Windows, &TOkna::Items, shownItem_->Name);
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
    if (check.done)
        deleteShown(content_.Menus, shownMenu_, EntityKind::Menu);
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
    if (check.done)
        deleteShown(content_.MenuItems, shownMenuItem_, EntityKind::MenuItem);
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
template <typename T>
T* renameIn(SortedNamedList<T>& list, T* shown, std::string_view newText) {
    int i = list.indexOfObject(shown);
    if (i < 0)
        return nullptr;
    std::unique_ptr<T> object = list.takeAt(static_cast<std::size_t>(i));
    object->Name =
        MakeUniqueName(newText, [&list](std::string_view n) { return list.contains(n); });
    return list.add(std::move(object));
}

// Replaces every entry equal to `oldName` in that list of every window; the windows changed.
std::vector<TOkna*> replaceInEveryWindow(SortedNamedList<TOkna>& windows, TSpecStrings TOkna::*list,
                                         std::string_view oldName, const std::string& newName) {
    std::vector<TOkna*> changed;
    for (std::size_t w = 0; w < windows.size(); ++w) {
        TSpecStrings& entries = windows.objectAt(w)->*list;
        bool any = false;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (sameText(entries[i], oldName)) {
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
    const void* renamed = nullptr;
    std::vector<TOkna*> changed;
    EntryList changedList = EntryList::Paths;
    bool startChanged = false;
    switch (kind) {
        case EntityKind::Window: {
            std::string oldName = shownWindow_ ? shownWindow_->Name : std::string();
            TOkna* window = renameIn(content_.Windows, shownWindow_, newText);
            if (!window)
                break;
            changed = replaceInEveryWindow(content_.Windows, &TOkna::Paths, oldName, window->Name);
            if (content_.Settings.StartWindow == oldName) {
                content_.Settings.StartWindow = window->Name;
                startChanged = true;
            }
            renamed = window;
            break;
        }
        case EntityKind::Item: {
            std::string oldName = shownItem_ ? shownItem_->Name : std::string();
            TPredmet* item = renameIn(content_.Items, shownItem_, newText);
            if (!item)
                break;
            changed = replaceInEveryWindow(content_.Windows, &TOkna::Items, oldName, item->Name);
            changedList = EntryList::Items;
            renamed = item;
            break;
        }
        case EntityKind::Menu:
            renamed = renameIn(content_.Menus, shownMenu_, newText);
            break;
        case EntityKind::MenuItem:
            renamed = renameIn(content_.MenuItems, shownMenuItem_, newText);
            break;
    }
    if (!renamed)
        return EditResult{false, {}};
    notifyEntity(ChangeKind::EntityRenamed, kind, renamed);
    for (TOkna* window : changed)
        notifyEntries(changedList, window);
    if (startChanged)
        notifyField(Field::StartWindow);
    SetModified(true);
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
    // Confirming the chooser counts as an edit even when the name is already there.
    if (!name.empty() && !target->contains(name)) {
        target->add(std::string(name));
        notifyEntries(list, entryOwner(list));
    }
    SetModified(true);
    return result;
}

EditResult EditorDocument::RemoveEntry(EntryList list, std::size_t position) {
    EditResult result;
    TSpecStrings* target = entryTarget(list, result);
    if (!target || position >= target->size())
        return target ? EditResult{false, {}} : result;
    target->removeAt(position);
    notifyEntries(list, entryOwner(list));
    SetModified(true);
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
    std::string moved = (*target)[position];
    target->set(position, (*target)[static_cast<std::size_t>(other)]);
    target->set(static_cast<std::size_t>(other), std::move(moved));
    notifyEntries(list, entryOwner(list));
    SetModified(true);
    return static_cast<int>(other);
}

void EditorDocument::DeleteUserSounds(std::vector<std::size_t> positions) {
    ChangeUserSounds(std::move(positions), {});
}

std::vector<std::size_t> EditorDocument::ChangeUserSounds(std::vector<std::size_t> remove,
                                                          std::vector<std::string> add) {
    std::sort(remove.begin(), remove.end());
    remove.erase(std::unique(remove.begin(), remove.end()), remove.end());
    for (auto it = remove.rbegin(); it != remove.rend(); ++it)
        if (*it < content_.UserSounds.size())
            content_.UserSounds.removeAt(*it);
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
    content_.SystemSounds = std::move(lines);
    soundsEdited(SoundList::System);
}

void EditorDocument::ResetSystemSounds() {
    content_.SystemSounds.assign(editorDefaultSystemSounds());
    soundsEdited(SoundList::System);
}

void EditorDocument::EnsureStartWindow() {
    // Looked up as every window name is, without regard to case: the player finds "sklep" in a
    // window called Sklep, so such a start window is kept as written.
    if (!content_.Windows.empty() && !content_.Windows.contains(content_.Settings.StartWindow)) {
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
    if (std::string* target = textField(field)) {
        bool noSound =
            (field == Field::WindowSound || field == Field::ItemSound) && text == kNoSound;
        *target = noSound ? std::string() : std::string(text);
    } else if (TSpecStrings* target = lines(field)) {
        target->setText(text);
    } else if (bool* flag = flagField(field)) {
        *flag = !text.empty() && text != "0";
    } else {
        return false;
    }
    notifyField(field);
    SetModified(true);
    return true;
}

bool EditorDocument::SetFieldLines(Field field, std::vector<std::string> text) {
    TSpecStrings* target = lines(field);
    if (Updating() || !target)
        return false;
    target->assign(std::move(text));
    notifyField(field);
    SetModified(true);
    return true;
}

bool EditorDocument::ReplaceText(const void* owner, Field field, std::size_t line,
                                 std::size_t start, std::size_t length, std::string_view with) {
    const FieldDef& def = FieldDefOf(field);
    bool known = false;
    switch (def.owner) {
        case FieldOwner::Window:
            known = content_.Windows.indexOfObject(static_cast<const TOkna*>(owner)) >= 0;
            break;
        case FieldOwner::Item:
            known = content_.Items.indexOfObject(static_cast<const TPredmet*>(owner)) >= 0;
            break;
        case FieldOwner::Settings:
            known = owner == nullptr;
            owner = &content_.Settings;
            break;
        default:
            break;
    }
    if (!known || !def.lines)
        return false;
    TSpecStrings& target = *def.lines(const_cast<void*>(owner));
    if (line >= target.size() || start > target[line].size() ||
        length > target[line].size() - start)
        return false;
    std::string text = target[line];
    text.replace(start, length, with);
    target.set(line, std::move(text));
    DocumentChange change;
    change.kind = ChangeKind::FieldChanged;
    change.field = field;
    change.object = owner;
    notify(change);
    SetModified(true);
    return true;
}

void EditorDocument::SetSettings(const ScenarioSettings& settings) {
    if (content_.Settings == settings)
        return;
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
    SetModified(true);
}

bool EditorDocument::SetFieldFlag(Field field, bool value) {
    bool* target = flagField(field);
    if (Updating() || !target)
        return false;
    *target = value;
    notifyField(field);
    SetModified(true);
    return true;
}

}  // namespace vek::editor
