#include "editor/document/document.h"

#include <algorithm>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/sound_entry.h"
#include "common/system_sounds.h"
#include "editor/document/fields.h"

namespace vek::editor {

namespace {

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
    Settings.ScenarioName = "Nový scénář"_cp;
    Settings.StartWindow = "Začátek_dobrodružství"_cp;
    Settings.IntroText.add("Pozor, začínáme !"_cp);
    SystemSounds.assign(editorDefaultSystemSounds());
    ResetMainMenu();
    Search.Reset();
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
    bool changed = Modified != flag;
    Modified = flag;
    if (changed) {
        DocumentChange change;
        change.kind = ChangeKind::ModifiedChanged;
        notify(change);
    }
}

void EditorDocument::SoundsEdited(SoundList which) {
    DocumentChange change;
    change.kind = ChangeKind::SoundsChanged;
    change.sounds = which;
    notify(change);
    SetModified(true);
}

StatusLine EditorDocument::UpdateStatusLine() const {
    StatusLine s;
    s.counts = "oken: " + std::to_string(Windows.size()) + ", předmětů: "_cp +
               std::to_string(Items.size()) + ", zvuků: "_cp + std::to_string(UserSounds.size());
    s.modified = Modified ? "změněn"_cp : "";
    return s;
}

std::string EditorDocument::WindowTitle() const {
    std::string title = cp1250ToUtf8("Editor scénářů"_cp);
    return FileName.empty() ? title : title + " - " + FileName;
}

void EditorDocument::ResetMainMenu() {
    TNabidka* main = Menus.find(kMainMenuName);
    if (!main) {
        auto menu = std::make_unique<TNabidka>();
        menu->Name = std::string(kMainMenuName);
        menu->Parent = std::string(kSystemMenuName);
        main = Menus.add(std::move(menu));
    }
    main->Entries.assign(DefaultMainMenu());
    notifyEntries(EntryList::MenuEntries, main);
    show(ShownMenu, main, EntityKind::Menu);
    if (!Menus.find(kSystemMenuName)) {
        auto menu = std::make_unique<TNabidka>();
        menu->Name = std::string(kSystemMenuName);
        menu->Parent = "(žádná)"_cp;
        menu->Entries.add("Položky jsou nepřístupné!"_cp);
        notifyEntity(ChangeKind::EntityAdded, EntityKind::Menu, Menus.add(std::move(menu)));
    }
}

void EditorDocument::ClearDocument() {
    ++quiet_;
    Windows.clear();
    Items.clear();
    Menus.clear();
    MenuItems.clear();
    ShownWindow = nullptr;
    ShownItem = nullptr;
    ShownMenu = nullptr;
    ShownMenuItem = nullptr;
    Search.Reset();
    UserSounds.clear();
    SystemSounds.assign(editorDefaultSystemSounds());
    ResetMainMenu();
    std::string keptStart = Settings.StartWindow;  // "Nový" leaves the start window alone
    Settings = ScenarioSettings{};
    Settings.ScenarioName = "Nový scénář"_cp;
    Settings.StartWindow = keptStart;
    --quiet_;
    replaced();
    SetModified(false);
}

void EditorDocument::CreateStartupScenario() {
    ++quiet_;
    ClearDocument();
    FileName.clear();
    Settings.StartWindow = "Začátek_dobrodružství"_cp;
    Settings.ScenarioName = "Nový scénář"_cp;
    Settings.IntroText.assign({"Pozor, začínáme !"_cp});

    auto window = std::make_unique<TOkna>();
    window->Name = "Začátek_dobrodružství"_cp;
    window->LookScript.add("Zatím tu není nic zajímavého"_cp);
    window->Kam = "na začátek dobrodružství"_cp;
    ShownWindow = Windows.add(std::move(window));

    auto item = std::make_unique<TPredmet>();
    item->Name = "Židle"_cp;
    item->ExamineScript.add("Obyčejná dřevěná židle"_cp);
    item->Co = "židli"_cp;
    ShownItem = Items.add(std::move(item));

    SystemSounds.assign(editorDefaultSystemSounds());
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
    TOkna* oldWindow = ShownWindow;
    TPredmet* oldItem = ShownItem;
    purgeList(Windows, ShownWindow, windows);
    purgeList(Items, ShownItem, items);
    for (const void* w : windows)
        notifyEntity(ChangeKind::EntityRemoved, EntityKind::Window, w);
    for (const void* i : items)
        notifyEntity(ChangeKind::EntityRemoved, EntityKind::Item, i);
    if (ShownWindow != oldWindow)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::Window, ShownWindow);
    if (ShownItem != oldItem)
        notifyEntity(ChangeKind::CurrentChanged, EntityKind::Item, ShownItem);
}

void EditorDocument::AdoptContent(EditorDocument&& other) {
    Windows = std::move(other.Windows);
    Items = std::move(other.Items);
    Menus = std::move(other.Menus);
    MenuItems = std::move(other.MenuItems);
    UserSounds = std::move(other.UserSounds);
    SystemSounds = std::move(other.SystemSounds);
    Settings = std::move(other.Settings);
    FileName = std::move(other.FileName);
    ShownWindow = other.ShownWindow;
    ShownItem = other.ShownItem;
    ShownMenu = other.ShownMenu;
    ShownMenuItem = other.ShownMenuItem;
    Search.Reset();
    replaced();
    SetModified(other.Modified);
}

// ---- creating -------------------------------------------------------------------------------

TOkna* EditorDocument::NewWindow() {
    auto window = std::make_unique<TOkna>();
    window->Name = MakeUniqueName("Nové okno[1]"_cp,
                                  [this](std::string_view n) { return Windows.contains(n); });
    ShownWindow = Windows.add(std::move(window));
    notifyEntity(ChangeKind::EntityAdded, EntityKind::Window, ShownWindow);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::Window, ShownWindow);
    SetModified(true);
    return ShownWindow;
}

TPredmet* EditorDocument::NewItem() {
    auto item = std::make_unique<TPredmet>();
    item->Name = MakeUniqueName("Nový předmět[1]"_cp,
                                [this](std::string_view n) { return Items.contains(n); });
    ShownItem = Items.add(std::move(item));
    notifyEntity(ChangeKind::EntityAdded, EntityKind::Item, ShownItem);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::Item, ShownItem);
    SetModified(true);
    return ShownItem;
}

TNabidka* EditorDocument::NewMenu() {
    auto menu = std::make_unique<TNabidka>();
    menu->Name = MakeUniqueName("Nová nabídka[1]"_cp,
                                [this](std::string_view n) { return Menus.contains(n); });
    menu->Parent = std::string(kAutomaticParent);
    ShownMenu = Menus.add(std::move(menu));
    notifyEntity(ChangeKind::EntityAdded, EntityKind::Menu, ShownMenu);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::Menu, ShownMenu);
    SetModified(true);
    return ShownMenu;
}

TPolozka* EditorDocument::NewMenuItem() {
    auto entry = std::make_unique<TPolozka>();
    entry->Name = MakeUniqueName("Nová položka[1]"_cp,
                                 [this](std::string_view n) { return MenuItems.contains(n); });
    ShownMenuItem = MenuItems.add(std::move(entry));
    notifyEntity(ChangeKind::EntityAdded, EntityKind::MenuItem, ShownMenuItem);
    notifyEntity(ChangeKind::CurrentChanged, EntityKind::MenuItem, ShownMenuItem);
    SetModified(true);
    return ShownMenuItem;
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
std::vector<TOkna*> removeFromEveryWindow(const SortedNamedList<TOkna>& windows,
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
    if (ShownWindow && Windows.indexOfObject(ShownWindow) >= 0)
        changed = removeFromEveryWindow(Windows, &TOkna::Paths, ShownWindow->Name);
    TOkna* deleted = ShownWindow;
    deleteShown(Windows, ShownWindow, EntityKind::Window);
    for (TOkna* window : changed)
        if (window != deleted)
            notifyEntries(EntryList::Paths, window);
}

void EditorDocument::DeleteShownItem() {
    std::vector<TOkna*> changed;
    if (ShownItem && Items.indexOfObject(ShownItem) >= 0)
        changed = removeFromEveryWindow(Windows, &TOkna::Items, ShownItem->Name);
    deleteShown(Items, ShownItem, EntityKind::Item);
    for (TOkna* window : changed)
        notifyEntries(EntryList::Items, window);
}

EditResult EditorDocument::CanDeleteShownMenu() const {
    if (ShownMenu &&
        (sameText(ShownMenu->Name, kMainMenuName) || sameText(ShownMenu->Name, kSystemMenuName)))
        return EditResult::refused("Nabídku '"_cp + ShownMenu->Name + "' nelze smazat!");
    return {};
}

EditResult EditorDocument::DeleteShownMenu() {
    EditResult check = CanDeleteShownMenu();
    if (check.done)
        deleteShown(Menus, ShownMenu, EntityKind::Menu);
    return check;
}

EditResult EditorDocument::CanDeleteShownMenuItem() const {
    if (ShownMenuItem) {
        for (const auto& entry : DefaultMainMenu())
            if (sameText(ShownMenuItem->Name, entry))
                return EditResult::refused("Položku '"_cp + ShownMenuItem->Name +
                                           "' nelze smazat!");
    }
    return {};
}

EditResult EditorDocument::DeleteShownMenuItem() {
    EditResult check = CanDeleteShownMenuItem();
    if (check.done)
        deleteShown(MenuItems, ShownMenuItem, EntityKind::MenuItem);
    return check;
}

// ---- the current entities --------------------------------------------------------------------

template <typename T>
void EditorDocument::show(T*& shown, T* object, EntityKind kind) {
    if (shown == object)
        return;
    shown = object;
    notifyEntity(ChangeKind::CurrentChanged, kind, object);
}

void EditorDocument::Show(TOkna* window) {
    show(ShownWindow, window, EntityKind::Window);
}
void EditorDocument::Show(TPredmet* item) {
    show(ShownItem, item, EntityKind::Item);
}
void EditorDocument::Show(TNabidka* menu) {
    show(ShownMenu, menu, EntityKind::Menu);
}
void EditorDocument::Show(TPolozka* menuItem) {
    show(ShownMenuItem, menuItem, EntityKind::MenuItem);
}

bool EditorDocument::ShowNamed(EntityKind kind, std::string_view name) {
    switch (kind) {
        case EntityKind::Window:
            if (TOkna* w = Windows.find(name))
                return Show(w), true;
            break;
        case EntityKind::Item:
            if (TPredmet* i = Items.find(name))
                return Show(i), true;
            break;
        case EntityKind::Menu:
            if (TNabidka* m = Menus.find(name))
                return Show(m), true;
            break;
        case EntityKind::MenuItem:
            if (TPolozka* p = MenuItems.find(name))
                return Show(p), true;
            break;
    }
    return false;
}

namespace {

template <typename T>
T* neighbour(const SortedNamedList<T>& list, T* shown, int direction) {
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
            if (TOkna* next = neighbour(Windows, ShownWindow, direction))
                return Show(next), true;
            break;
        case EntityKind::Item:
            if (TPredmet* next = neighbour(Items, ShownItem, direction))
                return Show(next), true;
            break;
        case EntityKind::Menu:
            if (TNabidka* next = neighbour(Menus, ShownMenu, direction))
                return Show(next), true;
            break;
        case EntityKind::MenuItem:
            if (TPolozka* next = neighbour(MenuItems, ShownMenuItem, direction))
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
std::vector<TOkna*> replaceInEveryWindow(const SortedNamedList<TOkna>& windows,
                                         TSpecStrings TOkna::*list, std::string_view oldName,
                                         const std::string& newName) {
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
    if (kind == EntityKind::Menu && ShownMenu &&
        (sameText(ShownMenu->Name, kMainMenuName) || sameText(ShownMenu->Name, kSystemMenuName)))
        return EditResult::refused("Nabídku '"_cp + ShownMenu->Name + "' nelze přejmenovat!"_cp);
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
            std::string oldName = ShownWindow ? ShownWindow->Name : std::string();
            TOkna* window = renameIn(Windows, ShownWindow, newText);
            if (!window)
                break;
            changed = replaceInEveryWindow(Windows, &TOkna::Paths, oldName, window->Name);
            if (Settings.StartWindow == oldName) {
                Settings.StartWindow = window->Name;
                startChanged = true;
            }
            renamed = window;
            break;
        }
        case EntityKind::Item: {
            std::string oldName = ShownItem ? ShownItem->Name : std::string();
            TPredmet* item = renameIn(Items, ShownItem, newText);
            if (!item)
                break;
            changed = replaceInEveryWindow(Windows, &TOkna::Items, oldName, item->Name);
            changedList = EntryList::Items;
            renamed = item;
            break;
        }
        case EntityKind::Menu:
            renamed = renameIn(Menus, ShownMenu, newText);
            break;
        case EntityKind::MenuItem:
            renamed = renameIn(MenuItems, ShownMenuItem, newText);
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
            return Windows.names();
        case EntryList::Items:
            return Items.names();
        case EntryList::Music:
            out = UserSounds.lines();
            for (auto& line : out)
                line = std::string(entry_line::Key(line));
            for (const auto& line : SystemSounds)
                out.emplace_back(entry_line::Key(line));
            return out;
        case EntryList::MenuEntries:
            out = MenuItems.names();
            out.insert(out.end(), DefaultMainMenu().begin(), DefaultMainMenu().end());
            return out;
        case EntryList::Inventory:
            return TakeableItemNames();
    }
    return out;
}

std::vector<std::string> EditorDocument::TakeableItemNames() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (Items.objectAt(i)->CanTake)
            out.push_back(Items.nameAt(i));
    return out;
}

std::vector<std::string> EditorDocument::SoundChoices() const {
    std::vector<std::string> out{std::string(kNoSound)};
    auto music = Choices(EntryList::Music);
    out.insert(out.end(), music.begin(), music.end());
    return out;
}

TSpecStrings* EditorDocument::EntriesOf(EntryList list) const {
    switch (list) {
        case EntryList::Paths:
            return ShownWindow ? &ShownWindow->Paths : nullptr;
        case EntryList::Items:
            return ShownWindow ? &ShownWindow->Items : nullptr;
        case EntryList::Music:
            return ShownWindow ? &ShownWindow->Music : nullptr;
        case EntryList::MenuEntries:
            return ShownMenu ? &ShownMenu->Entries : nullptr;
        case EntryList::Inventory:
            return const_cast<TSpecStrings*>(&Settings.Inventory);
    }
    return nullptr;
}

TSpecStrings* EditorDocument::entryTarget(EntryList list, EditResult& refusal) const {
    if (list == EntryList::MenuEntries &&
        (!ShownMenu || sameText(ShownMenu->Name, kSystemMenuName))) {
        refusal = EditResult::refused("Systémovou nabídku nelze měnit!"_cp);
        return nullptr;
    }
    TSpecStrings* target = EntriesOf(list);
    if (!target)
        refusal = EditResult{false, {}};
    return target;
}

const void* EditorDocument::entryOwner(EntryList list) const {
    switch (list) {
        case EntryList::Paths:
        case EntryList::Items:
        case EntryList::Music:
            return ShownWindow;
        case EntryList::MenuEntries:
            return ShownMenu;
        case EntryList::Inventory:
            break;
    }
    return nullptr;
}

EditResult EditorDocument::CanEditEntries(EntryList list) const {
    EditResult result;
    entryTarget(list, result);
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
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (auto it = positions.rbegin(); it != positions.rend(); ++it)
        if (*it < UserSounds.size())
            UserSounds.removeAt(*it);
    SoundsEdited(SoundList::User);
}

void EditorDocument::ResetSystemSounds() {
    SystemSounds.assign(editorDefaultSystemSounds());
    SoundsEdited(SoundList::System);
}

void EditorDocument::EnsureStartWindow() {
    // Looked up as every window name is, without regard to case: the player finds "sklep" in a
    // window called Sklep, so such a start window is kept as written.
    if (!Windows.empty() && !Windows.contains(Settings.StartWindow)) {
        Settings.StartWindow = Windows.nameAt(0);
        notifyField(Field::StartWindow);
    }
}

const std::string* EditorDocument::FindSoundLine(std::string_view key) const {
    int i = UserSounds.indexOfKey(key);
    if (i >= 0)
        return &UserSounds[static_cast<std::size_t>(i)];
    for (const auto& line : SystemSounds)
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
            return ShownWindow;
        case FieldOwner::Item:
            return ShownItem;
        case FieldOwner::Menu:
            return ShownMenu;
        case FieldOwner::MenuItem:
            return ShownMenuItem;
        case FieldOwner::Settings:
            break;
    }
    return const_cast<ScenarioSettings*>(&Settings);
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

TSpecStrings* EditorDocument::FieldLines(Field field) const {
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
    } else if (TSpecStrings* lines = FieldLines(field)) {
        lines->setText(text);
    } else if (bool* flag = flagField(field)) {
        *flag = !text.empty() && text != "0";
    } else {
        return false;
    }
    notifyField(field);
    SetModified(true);
    return true;
}

bool EditorDocument::SetFieldLines(Field field, std::vector<std::string> lines) {
    TSpecStrings* target = FieldLines(field);
    if (Updating() || !target)
        return false;
    target->assign(std::move(lines));
    notifyField(field);
    SetModified(true);
    return true;
}

void EditorDocument::FieldLinesEdited(Field field) {
    notifyField(field);
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
